#include "calculator/Reynlimi.h"

#include "calculator/FormRegistry.h"
#include "components/CESpin.h"

#include <QAction>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QLabel* NamedLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

TCeSpinEdit* LimitEdit(const char* name, QWidget* parent)
{
    auto* edit = new TCeSpinEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->SetValueType(vtInteger);
    edit->SetIncrement(100);
    // Designed with the firmware limits, so that loading the dialog changes nothing.
    edit->SetMinValue(MinReynoldsLimit);
    edit->SetMaxValue(MaxReynoldsLimit);
    return edit;
}
}  // namespace

TReynolDLG::TReynolDLG(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("ReynolDLG"));
    setWindowTitle(QStringLiteral("STRÖMUNGSPROFILE"));
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);

    auto* laminar = new QGroupBox(QStringLiteral("LAMINAR"), ClientArea());
    auto* laminarLayout = new QVBoxLayout(laminar);
    laminarLayout->addWidget(new QLabel(QStringLiteral("Strömungen kleiner als"), laminar));
    ShLAB_VelocMIN = NamedLabel("ShLAB_VelocMIN", laminar);
    laminarLayout->addWidget(ShLAB_VelocMIN);
    laminarLayout->addWidget(new QLabel(QStringLiteral("haben ein laminares Profil"), laminar));
    BitBtn1 = new QPushButton(QStringLiteral("Diese Strömung Übernehmen"), laminar);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    laminarLayout->addWidget(BitBtn1);

    auto* turbulent = new QGroupBox(QStringLiteral("TURBOLENT"), ClientArea());
    auto* turbulentLayout = new QVBoxLayout(turbulent);
    turbulentLayout->addWidget(new QLabel(QStringLiteral("Strömungen grösser als"), turbulent));
    ShLAB_VelocMAX = NamedLabel("ShLAB_VelocMAX", turbulent);
    turbulentLayout->addWidget(ShLAB_VelocMAX);
    turbulentLayout->addWidget(new QLabel(QStringLiteral("haben ein turbolentes Profil"), turbulent));
    BitBtn2 = new QPushButton(QStringLiteral("Diese Strömung Übernehmen"), turbulent);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    turbulentLayout->addWidget(BitBtn2);

    auto* profiles = new QHBoxLayout;
    profiles->addWidget(laminar);
    profiles->addWidget(turbulent);
    layout->addLayout(profiles);

    auto* criterion = new QGroupBox(QStringLiteral("Reynold Kriterium"), ClientArea());
    auto* criterionLayout = new QGridLayout(criterion);
    criterionLayout->addWidget(new QLabel(QStringLiteral("Laminare Strömung  wenn"), criterion), 0, 0);
    criterionLayout->addWidget(new QLabel(QStringLiteral("R*<"), criterion), 0, 1);
    SPE_ReynMin = LimitEdit("SPE_ReynMin", criterion);
    criterionLayout->addWidget(SPE_ReynMin, 0, 2);
    criterionLayout->addWidget(new QLabel(QStringLiteral("Turbolente Strömung wenn"), criterion), 1, 0);
    criterionLayout->addWidget(new QLabel(QStringLiteral("R*>"), criterion), 1, 1);
    SPE_ReynMax = LimitEdit("SPE_ReynMax", criterion);
    criterionLayout->addWidget(SPE_ReynMax, 1, 2);
    ACT_AssignFirmwareReynolds = new QAction(QStringLiteral("Firmware"), this);
    ACT_AssignFirmwareReynolds->setObjectName(QStringLiteral("ACT_AssignFirmwareReynolds"));
    BUT_Firmware = new QPushButton(QStringLiteral("Firmware"), criterion);
    BUT_Firmware->setObjectName(QStringLiteral("BUT_Firmware"));
    BUT_Firmware->setAutoDefault(false);
    criterionLayout->addWidget(BUT_Firmware, 0, 3, 2, 1);
    layout->addWidget(criterion);

    auto* line = new QGroupBox(QStringLiteral("Relevante  Streckenparameter"), ClientArea());
    auto* lineLayout = new QGridLayout(line);
    lineLayout->addWidget(new QLabel(QStringLiteral("Innendurchmesser="), line), 0, 0);
    shLAB_IDM = NamedLabel("shLAB_IDM", line);
    LAB_IDMME = NamedLabel("LAB_IDMME", line);
    lineLayout->addWidget(shLAB_IDM, 0, 1, Qt::AlignRight);
    lineLayout->addWidget(LAB_IDMME, 0, 2);
    lineLayout->addWidget(new QLabel(QStringLiteral("Viskosität="), line), 1, 0);
    shLAB_Visk = NamedLabel("shLAB_Visk", line);
    LAB_ViskME = NamedLabel("LAB_ViskME", line);
    lineLayout->addWidget(shLAB_Visk, 1, 1, Qt::AlignRight);
    lineLayout->addWidget(LAB_ViskME, 1, 2);
    lineLayout->addWidget(new QLabel(QStringLiteral("Rauhigkeit="), line), 2, 0);
    shLAB_Rauh = NamedLabel("shLAB_Rauh", line);
    LAB_RauhME = NamedLabel("LAB_RauhME", line);
    lineLayout->addWidget(shLAB_Rauh, 2, 1, Qt::AlignRight);
    lineLayout->addWidget(LAB_RauhME, 2, 2);
    lineLayout->setColumnStretch(3, 1);
    layout->addWidget(line);

    BUT_OKDialog = new QPushButton(QStringLiteral("OK"), ClientArea());
    BUT_OKDialog->setObjectName(QStringLiteral("BUT_OKDialog"));
    BUT_OKDialog->setDefault(true);  // Enter closes the dialog with OK
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(BUT_OKDialog);
    layout->addLayout(okRow);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(TFlowProfileLimits::AdoptLaminarResult); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(TFlowProfileLimits::AdoptTurbulentResult); });
    connect(BUT_OKDialog, &QPushButton::clicked, this, [this] { done(1); });
    connect(BUT_Firmware, &QPushButton::clicked, ACT_AssignFirmwareReynolds, &QAction::trigger);
    connect(ACT_AssignFirmwareReynolds, &QAction::triggered, this, [this] { ACT_AssignFirmwareReynoldsExecute(); });
    connect(SPE_ReynMin, &TCeSpinEdit::OnChange, this, [this] { SPE_ReynMinXXChange(); });
    connect(SPE_ReynMax, &TCeSpinEdit::OnChange, this, [this] { SPE_ReynMaxXXChange(); });
    SPE_ReynMin->installEventFilter(this);
    SPE_ReynMax->installEventFilter(this);

    {
        const QSignalBlocker blockMin(SPE_ReynMin);
        const QSignalBlocker blockMax(SPE_ReynMax);
        SPE_ReynMin->SetValue(FirmwareReynoldsLam);
        SPE_ReynMax->SetValue(FirmwareReynoldsTurb);
    }
    FormCreate();
}

void TReynolDLG::FormCreate()
{
    TMultilingualForm::FormCreate();
    // The limits start as the firmware's; the spin edits hold the same values.
    Limits = TFlowProfileLimits();
    UpdateLimitLabels();
}

bool TReynolDLG::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == SPE_ReynMin)
                SPE_ReynMinXXExit();
            else if (watched == SPE_ReynMax)
                SPE_ReynMaxXXExit();
        }
    }
    return TMultilingualForm::eventFilter(watched, event);
}

// While the user types, the spin edit already reads the limit: writing it back would turn
// an emptied edit into the minimum "1" under the cursor, so the next digit typed lands
// behind it. Leaving the edit writes the limit back in its own form.
void TReynolDLG::SPE_ReynMinXXChange()
{
    Limits.SetReynoldsLam(SPE_ReynMin->AsInteger());
    UpdateLimitLabels();
}

void TReynolDLG::SPE_ReynMaxXXChange()
{
    Limits.SetReynoldsTurb(SPE_ReynMax->AsInteger());
    UpdateLimitLabels();
}

void TReynolDLG::SPE_ReynMinXXExit()
{
    SetReynoldsLam(SPE_ReynMin->AsInteger());
}

void TReynolDLG::SPE_ReynMaxXXExit()
{
    SetReynoldsTurb(SPE_ReynMax->AsInteger());
}

void TReynolDLG::SetLineParams(const TLineParams& params)
{
    const TFlowProfileLimits::TLineTexts texts = Limits.SetLineParams(params);
    shLAB_IDM->setText(texts.InnerDiameter);
    shLAB_Visk->setText(texts.Viscosity);
    shLAB_Rauh->setText(texts.Roughness);
    LAB_IDMME->setText(params.LengthUnitName);
    LAB_ViskME->setText(params.ViscosityUnitName);
    LAB_RauhME->setText(params.RoughnessUnitName);
    SetReynoldsLam(static_cast<double>(SPE_ReynMin->Value()));
    SetReynoldsTurb(static_cast<double>(SPE_ReynMax->Value()));
}

void TReynolDLG::SetReynoldsLam(double value)
{
    Limits.SetReynoldsLam(value);
    {
        const QSignalBlocker block(SPE_ReynMin);
        SPE_ReynMin->SetValue(Limits.ReynoldsLam());
    }
    UpdateLimitLabels();
}

void TReynolDLG::SetReynoldsTurb(double value)
{
    Limits.SetReynoldsTurb(value);
    {
        const QSignalBlocker block(SPE_ReynMax);
        SPE_ReynMax->SetValue(Limits.ReynoldsTurb());
    }
    UpdateLimitLabels();
}

void TReynolDLG::ACT_AssignFirmwareReynoldsExecute()
{
    SetReynoldsLam(FirmwareReynoldsLam);
    SetReynoldsTurb(FirmwareReynoldsTurb);
}

void TReynolDLG::ACT_AssignFirmwareReynoldsUpdate()
{
    ACT_AssignFirmwareReynolds->setEnabled(Limits.FirmwareActionEnabled());
    BUT_Firmware->setEnabled(ACT_AssignFirmwareReynolds->isEnabled());
}

void TReynolDLG::UpdateLimitLabels()
{
    const TVelocityLimitLabel& lam = Limits.LaminarLabel();
    ShLAB_VelocMIN->setText(lam.Caption);
    ShLAB_VelocMIN->setVisible(lam.Visible);
    const TVelocityLimitLabel& turb = Limits.TurbulentLabel();
    ShLAB_VelocMAX->setText(turb.Caption);
    ShLAB_VelocMAX->setVisible(turb.Visible);
    ACT_AssignFirmwareReynoldsUpdate();
}

TReynolDLG* ReynolDLG()
{
    return TFormRegistry::Lookup<TReynolDLG>();
}
