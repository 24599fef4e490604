#pragma once
// SHELL of the transducer application dialog; the transducer subsystem replaces it.

#include "calculator/MultForm.h"

class TDLG_SensorAbstand : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_SensorAbstand(QWidget* parent = nullptr);

protected:
    void FormCreate();
};

// The instance the application created at start (nullptr before).
TDLG_SensorAbstand* DLG_SensorAbstand();
