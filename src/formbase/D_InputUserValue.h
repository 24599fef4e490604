#pragma once
// The one-value input dialog: a caption, a spin edit and its unit. Callers set the label
// texts and the spin edit's range, then SetValue, show it, and read GetValue after OK.

#include "formbase/MultForm.h"

class QLabel;
class TCeSpinEdit;

class TDLG_InputUserValue : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_InputUserValue(QWidget* parent = nullptr);

    // The value of ED_Value, clamped to its limits: a value typed and confirmed with Enter
    // never left the field, so the edit has not clamped it yet.
    double GetValue() const;
    void SetValue(double value);

    QLabel* LAB_Property = nullptr;
    QLabel* LAB_Unit = nullptr;
    TCeSpinEdit* ED_Value = nullptr;

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_InputUserValue* DLG_InputUserValue();
