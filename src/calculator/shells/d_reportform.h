#pragma once
// SHELL of the report form; the report subsystem replaces it.

#include "calculator/MultForm.h"

class TDLG_reportform : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_reportform(QWidget* parent = nullptr);

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_reportform* DLG_reportform();
