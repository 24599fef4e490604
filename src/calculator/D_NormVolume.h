#pragma once
// The normalized gas volume dialog. Shell: its calculation comes with its own work item.

#include "formbase/MultForm.h"

class TDLG_NormVolume : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_NormVolume(QWidget* parent = nullptr);

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_NormVolume* DLG_NormVolume();
