#pragma once
// The flow-profile dialog: the two Reynolds limits between which the profile changes from
// laminar to turbulent, the velocities at which that happens in the current line, and the
// choice to adopt one of them as the flow velocity.

#include "calculator/core/FlowProfileLimits.h"
#include "formbase/MultForm.h"

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;
class TCeSpinEdit;

class TReynolDLG : public TMultilingualForm {
    Q_OBJECT

public:
    explicit TReynolDLG(QWidget* parent = nullptr);

    // Limits and line parameters; the engineering behind them.
    double ReynoldsLam() const { return Limits.ReynoldsLam(); }
    double ReynoldsTurb() const { return Limits.ReynoldsTurb(); }
    double VelocityLam() const { return Limits.VelocityLam(); }
    double VelocityTurb() const { return Limits.VelocityTurb(); }

    // Loads the line; the limits then follow the spin edits.
    void SetLineParams(const TLineParams& params);
    void SetReynoldsLam(double value);
    void SetReynoldsTurb(double value);

    void ACT_AssignFirmwareReynoldsExecute();
    void ACT_AssignFirmwareReynoldsUpdate();

    QLabel* ShLAB_VelocMIN = nullptr;
    QLabel* ShLAB_VelocMAX = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    TCeSpinEdit* SPE_ReynMin = nullptr;
    TCeSpinEdit* SPE_ReynMax = nullptr;
    QAction* ACT_AssignFirmwareReynolds = nullptr;
    QPushButton* BUT_Firmware = nullptr;
    QLabel* shLAB_IDM = nullptr;
    QLabel* LAB_IDMME = nullptr;
    QLabel* shLAB_Visk = nullptr;
    QLabel* LAB_ViskME = nullptr;
    QLabel* shLAB_Rauh = nullptr;
    QLabel* LAB_RauhME = nullptr;
    QPushButton* BUT_OKDialog = nullptr;

protected:
    void FormCreate();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction steps, in the constructor's order.
    void CreateProfiles(QVBoxLayout* layout);
    QGroupBox* CreateProfile(const QString& title, const QString& before, QLabel*& velocity, const char* velocityName,
                             const QString& after, QPushButton*& adopt, const char* adoptName);
    void CreateCriterion(QVBoxLayout* layout);
    void CreateLine(QVBoxLayout* layout);
    void CreateButtons(QVBoxLayout* layout);
    void ConnectHandlers();

    void UpdateLimitLabels();
    void SPE_ReynMinXXChange();
    void SPE_ReynMaxXXChange();
    void SPE_ReynMinXXExit();
    void SPE_ReynMaxXXExit();

    TFlowProfileLimits Limits;
};

// The instance the application created at start (nullptr before).
TReynolDLG* ReynolDLG();
