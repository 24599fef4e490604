#pragma once
// The fixed-spacing entry "Sensor-Abstand": the spacing at which the transducers are fixed,
// typed in the application dialog's length unit. OK is refused while the text is no number.

#include "formbase/MultForm.h"

#include <optional>

class QLabel;
class TCeSpinEdit;

class TDLG_InputSensorAbstand : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TDLG_InputSensorAbstand(QWidget* parent = nullptr);

    // Shows value [mm] x factor with the digits and the unit name, modally; true on OK.
    bool ExecuteFixSpacing(const QString& unitName, int digits, double value, double factor);
    // Loads the entry as ExecuteFixSpacing does, without showing it.
    void LoadFixSpacing(const QString& unitName, int digits, double value, double factor);
    // The entered spacing [mm].
    double GetFixedSpacing() const;
    // The text was refused by OK and has not been edited since.
    bool Marked() const { return marked_; }

    void done(int result) override;

    QLabel* Label2 = nullptr;
    TCeSpinEdit* EDI_SAbstand = nullptr;
    QLabel* LAB_ME = nullptr;

private:
    void CreateEntry();
    void SetMarked(bool marked);

    double factor_ = 1.0;
    bool marked_ = false;
};

// PAN_SensorAbstand of the application dialog: the entered spacing [mm] on OK, nothing on
// Cancel (the caller keeps its spacing).
std::optional<double> EnterFixedSpacing(QWidget* parent, const QString& unitName, int digits, double value,
                                        double factor);
