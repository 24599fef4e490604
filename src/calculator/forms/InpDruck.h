#pragma once
// The pressure input of the medium chart: one spin edit in bar.

#include "formbase/MultForm.h"

class TCeSpinEdit;

class TDLG_InpDruck : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_InpDruck(QWidget* parent = nullptr);

    // Stores the pressure [bar] and writes it into INP_DRUCK.
    void SetPressure(double bar);
    // INP_DRUCK's value clamped to its limits (0.1 .. 1000 bar).
    double GetPressure() const;

    TCeSpinEdit* INP_DRUCK = nullptr;

protected:
    void FormCreate();

private:
    void CreatePressure();
};
