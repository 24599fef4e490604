#pragma once
// The names list of materials and media. Shell: its contents come with their own work item.

#include "formbase/MultForm.h"

class TDLG_Namensliste : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_Namensliste(QWidget* parent = nullptr);

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_Namensliste* DLG_Namensliste();
