#pragma once
// The pipe geometry dialog. Shell: its inputs come with their own work item.

#include "formbase/MultForm.h"

class TDLG_Rohrgeometrie : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_Rohrgeometrie(QWidget* parent = nullptr);

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_Rohrgeometrie* DLG_Rohrgeometrie();
