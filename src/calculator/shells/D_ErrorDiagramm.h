#pragma once
// SHELL of the estimated-error diagram; the transducer subsystem replaces it.

#include "calculator/MultForm.h"

class TDLG_ErrorDiagram : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_ErrorDiagram(QWidget* parent = nullptr);

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_ErrorDiagram* DLG_ErrorDiagram();
