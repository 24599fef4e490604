#pragma once
// The medium property chart. Shell: the chart comes with its own work item.

#include "formbase/MultForm.h"

class TDLG_MedienInfo : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_MedienInfo(QWidget* parent = nullptr);

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_MedienInfo* DLG_MedienInfo();
