#pragma once
// The one-value input dialog. Shell: its spin edit comes with its own work item.

#include "formbase/MultForm.h"

class TDLG_InputUserValue : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_InputUserValue(QWidget* parent = nullptr);

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_InputUserValue* DLG_InputUserValue();
