#include "calculator/forms/Reynlimi.h"

#include "components/CESpin.h"
#include "formbase/FormKit.h"
#include "formbase/FormRegistry.h"
#include "platform/FocusRules.h"

#include <QAction>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
TCeSpinEdit* CreateLimitEdit(TCeSpinEdit*& field, const char* name, QWidget* parent)
{
    CreateControl(field, name, parent);
    field->SetValueType(vtInteger);
    field->SetIncrement(100);
    // Designed with the firmware limits, so that loading the dialog changes nothing.
    field->SetMinValue(MinReynoldsLimit);
    field->SetMaxValue(MaxReynoldsLimit);
    return field;
}

// One label per line, top to bottom.
void AddLabels(QVBoxLayout* layout, QWidget* parent, std::initializer_list<QString> texts)
{
    for (const QString& text : texts)
        layout->addWidget(new QLabel(text, parent));
}
}  // namespace

TReynolDLG::TReynolDLG(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("ReynolDLG"));
    setWindowTitle(QStringLiteral("STRÖMUNGSPROFILE"));
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    CreateProfiles(layout);
    CreateCriterion(layout);
    CreateLine(layout);
    CreateButtons(layout);
    ConnectHandlers();
    FormCreate();
}

QGroupBox* TReynolDLG::CreateProfile(const QString& title, const QString& before, QLabel*& velocity,
                                     const char* velocityName, const QString& after, QPushButton*& adopt,
                                     const char* adoptName)
{
    auto* group = new QGroupBox(title, ClientArea());
    auto* layout = new QVBoxLayout(group);
    AddLabels(layout, group, {before});
    layout->addWidget(CreateControl(velocity, velocityName, group));
    AddLabels(layout, group, {after});
    layout->addWidget(CreateControl(adopt, adoptName, group, QStringLiteral("Diese Strömung Übernehmen")));
    adopt->setAutoDefault(false);
    return group;
}

void TReynolDLG::CreateProfiles(QVBoxLayout* layout)
{
    auto* profiles = new QHBoxLayout;
    profiles->addWidget(CreateProfile(QStringLiteral("LAMINAR"), QStringLiteral("Strömungen kleiner als"),
                                      ShLAB_VelocMIN, "ShLAB_VelocMIN", QStringLiteral("haben ein laminares Profil"),
                                      BitBtn1, "BitBtn1"));
    profiles->addWidget(CreateProfile(QStringLiteral("TURBOLENT"), QStringLiteral("Strömungen grösser als"),
                                      ShLAB_VelocMAX, "ShLAB_VelocMAX", QStringLiteral("haben ein turbolentes Profil"),
                                      BitBtn2, "BitBtn2"));
    layout->addLayout(profiles);
}

void TReynolDLG::CreateCriterion(QVBoxLayout* layout)
{
    auto* criterion = new QGroupBox(QStringLiteral("Reynold Kriterium"), ClientArea());
    auto* grid = new QGridLayout(criterion);
    grid->addWidget(new QLabel(QStringLiteral("Laminare Strömung  wenn"), criterion), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("R*<"), criterion), 0, 1);
    grid->addWidget(CreateLimitEdit(SPE_ReynMin, "SPE_ReynMin", criterion), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Turbolente Strömung wenn"), criterion), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("R*>"), criterion), 1, 1);
    grid->addWidget(CreateLimitEdit(SPE_ReynMax, "SPE_ReynMax", criterion), 1, 2);
    CreateControl(ACT_AssignFirmwareReynolds, "ACT_AssignFirmwareReynolds", this, QStringLiteral("Firmware"));
    CreateControl(BUT_Firmware, "BUT_Firmware", criterion, QStringLiteral("Firmware"));
    BUT_Firmware->setAutoDefault(false);
    grid->addWidget(BUT_Firmware, 0, 3, 2, 1);
    layout->addWidget(criterion);
    const QSignalBlocker blockMin(SPE_ReynMin);
    const QSignalBlocker blockMax(SPE_ReynMax);
    SPE_ReynMin->SetValue(FirmwareReynoldsLam);
    SPE_ReynMax->SetValue(FirmwareReynoldsTurb);
}

void TReynolDLG::CreateLine(QVBoxLayout* layout)
{
    auto* line = new QGroupBox(QStringLiteral("Relevante  Streckenparameter"), ClientArea());
    auto* grid = new QGridLayout(line);
    auto row = [&](int at, const QString& caption, QLabel*& value, const char* valueName, QLabel*& unit,
                   const char* unitName) {
        grid->addWidget(new QLabel(caption, line), at, 0);
        grid->addWidget(CreateControl(value, valueName, line), at, 1, Qt::AlignRight);
        grid->addWidget(CreateControl(unit, unitName, line), at, 2);
    };
    row(0, QStringLiteral("Innendurchmesser="), shLAB_IDM, "shLAB_IDM", LAB_IDMME, "LAB_IDMME");
    row(1, QStringLiteral("Viskosität="), shLAB_Visk, "shLAB_Visk", LAB_ViskME, "LAB_ViskME");
    row(2, QStringLiteral("Rauhigkeit="), shLAB_Rauh, "shLAB_Rauh", LAB_RauhME, "LAB_RauhME");
    grid->setColumnStretch(3, 1);
    layout->addWidget(line);
}

void TReynolDLG::CreateButtons(QVBoxLayout* layout)
{
    CreateControl(BUT_OKDialog, "BUT_OKDialog", ClientArea(), QStringLiteral("OK"));
    BUT_OKDialog->setDefault(true);  // Enter closes the dialog with OK
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(BUT_OKDialog);
    layout->addLayout(okRow);
}

void TReynolDLG::ConnectHandlers()
{
    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(TFlowProfileLimits::AdoptLaminarResult); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(TFlowProfileLimits::AdoptTurbulentResult); });
    connect(BUT_OKDialog, &QPushButton::clicked, this, [this] { done(1); });
    connect(BUT_Firmware, &QPushButton::clicked, ACT_AssignFirmwareReynolds, &QAction::trigger);
    connect(ACT_AssignFirmwareReynolds, &QAction::triggered, this, [this] { ACT_AssignFirmwareReynoldsExecute(); });
    connect(SPE_ReynMin, &TCeSpinEdit::OnChange, this, [this] { SPE_ReynMinXXChange(); });
    connect(SPE_ReynMax, &TCeSpinEdit::OnChange, this, [this] { SPE_ReynMaxXXChange(); });
    SPE_ReynMin->installEventFilter(this);
    SPE_ReynMax->installEventFilter(this);
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
    if (event->type() == QEvent::FocusOut && IsUserFocusChange(static_cast<QFocusEvent*>(event))) {
        if (watched == SPE_ReynMin)
            SPE_ReynMinXXExit();
        else if (watched == SPE_ReynMax)
            SPE_ReynMaxXXExit();
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
