#pragma once
// The range input of the medium chart: a lower and an upper bound, OK, Cancel, and
// "Automatisch", which closes with ResetResult (back to the default range). The caller
// replaces the caption.

#include "formbase/MultForm.h"

class QPushButton;
class TCeSpinEdit;

class TDLG_InputGrenzen : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_InputGrenzen(QWidget* parent = nullptr);

    static constexpr int ResetResult = 8;

    void SetLower(double value);
    void SetUpper(double value);
    // The spin edits' values, clamped to their limits and to the finite range of double.
    double GetLower() const;
    double GetUpper() const;

    TCeSpinEdit* SPN_MIN = nullptr;
    TCeSpinEdit* SPN_MAX = nullptr;
    QPushButton* BUT_Automatic = nullptr;

protected:
    void FormCreate();

private:
    void CreateBounds();
    void CreateButtons();
};
