#include "transducer/D_SensorAbstand.h"

#include "formbase/D_InputUserValue.h"
#include "calculator/core/FlowProfileLimits.h"
#include "calculator/core/ProfileFactor.h"
#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "formbase/FormRegistry.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "reference/QlvTabels.h"
#include "translation/MlTranslator.h"
#include "reference/Units.h"
#include "transducer/ApplicationSketch.h"
#include "transducer/D_ErrorDiagramm.h"
#include "transducer/D_InputSensorAbstand.h"
#include "transducer/D_MountingInfo.h"
#include "transducer/D_SensorAuswahl.h"
#include "transducer/OemVariant.h"
#include "transducer/SensorTableDump.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

#include <cmath>
#include <tuple>
#include <numbers>

namespace {

constexpr int MaxSoundPaths = 8;

void SetupSpin(TCeSpinEdit* edit, TValueType type, int decimals, double minimum, double maximum,
               double increment = 1.0)
{
    edit->SetValueType(type);
    edit->SetDecimal(decimals);
    edit->SetMinValue(minimum);
    edit->SetMaxValue(maximum);
    edit->SetIncrement(increment);
}

// A value the program shows: with its decimals, never clamped, and without running the
// edit's change handler.
void WriteSpin(TCeSpinEdit* edit, double value, int decimals)
{
    const QSignalBlocker block(edit);
    edit->SetDecimal(decimals);
    const QString text = FormatSpinValue(value, TSpinFormat{vtFloat, 0, 0, decimals});
    if (edit->text() != text)
        edit->setText(text);
}

void WriteLabel(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

void WriteIndex(QComboBox* box, int index)
{
    const QSignalBlocker block(box);
    if (box->currentIndex() != index)
        box->setCurrentIndex(index);
}

void SetFontColour(QWidget* control, TColor colour)
{
    QPalette palette = control->palette();
    const QColor c = ColorFromTColor(colour);
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::ButtonText, c);
    palette.setColor(QPalette::Text, c);
    control->setPalette(palette);
}

// The dictionary's line breaks (CR LF or a lone CR) as Qt's controls take them (LF).
QString ControlLineBreaks(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void SetBold(QWidget* control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

}  // namespace

TDLG_SensorAbstand::TDLG_SensorAbstand(QWidget* parent)
    : TMultilingualForm(parent), calc_(IsOemVariant != 0)
{
    setObjectName(QStringLiteral("DLG_SensorAbstand"));
    setWindowTitle(QStringLiteral("Applikation"));
    FormCreate();
    calc_.Translate = [this](const QString& text) { return TranslateString(text); };
    calc_.ProfileSolver = &SolveProfileCorrection;
    CreateActions();
    CreateSensorGroup();
    CreatePathGroup();
    CreateSpacingGroup();
    CreatePipeGroup();
    CreateMediumGroup();
    CreateExpertGroups();
    LayoutGroups();
    ConnectHandlers();
    SetTabOrder();
    SetMegaUserMode(false);
    SetErrorEstimationEnabled(false);
    ShowInputs();
    // The main window takes the new name language after the forms are translated.
    Translator->OnLanguageChange = [this] { QTimer::singleShot(0, this, &TDLG_SensorAbstand::RenameLibraryItems); };
}

void TDLG_SensorAbstand::RenameLibraryItems()
{
    calc_.RenameItems([](tQuadrantId layer, int code) {
        if (code == tApplicationCalc::OtherCodeOf(layer))
            return QString();
        const auto id = static_cast<std::uint16_t>(code);
        return layer == GAMMA ? MediumName(id) : MaterialName(id);
    });
    ShowResults();
}

TDLG_SensorAbstand::~TDLG_SensorAbstand() = default;

void TDLG_SensorAbstand::CreateActions()
{
    CreateControl(ACT_OK, "ACT_OK", this, QStringLiteral("Werte Übernehmen"));
    CreateControl(ACT_RecommendedSensor, "ACT_RecommendedSensor", this, QStringLiteral("Recommended transd."));
    ACT_RecommendedSensor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    ACT_RecommendedSensor->setShortcutContext(Qt::WindowShortcut);
    CreateControl(ACT_ErrorEstimation, "ACT_ErrorEstimation", this, QStringLiteral("&Error estimation..."));
    ACT_ErrorEstimation->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    CreateControl(ACT_WandMaterialOTHER, "ACT_WandMaterialOTHER", this, QStringLiteral("..."));
    CreateControl(ACT_AuskleidungOTHER, "ACT_AuskleidungOTHER", this, QStringLiteral("..."));
    CreateControl(ACT_MediumOTHER, "ACT_MediumOTHER", this, QStringLiteral("..."));
    addActions({ACT_OK, ACT_RecommendedSensor, ACT_ErrorEstimation});
    Panel_BUTTONS->show();
    BUT_OK->setText(QStringLiteral("Werte Übernehmen"));
}

void TDLG_SensorAbstand::CreateSensorGroup()
{
    CreateControl(GRP_Sensor, "GRP_Sensor", ClientArea(), QStringLiteral("Sensortyp"));
    CreateControl(CBX_SensorTyp, "CBX_SensorTyp", GRP_Sensor);
    for (const tSensorListItem& item : calc_.Listing().Items)
        CBX_SensorTyp->addItem(item.Name, item.CatalogueIndex);
    CBX_SensorTyp->setMaxVisibleItems(calc_.Listing().DropDownCount);
    CBX_SensorTyp->setCurrentIndex(calc_.SensorItem());
    CreateControl(BitBtn1, "BitBtn1", GRP_Sensor, QString());
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    CreateControl(BUT_RecommTransducer, "BUT_RecommTransducer", GRP_Sensor,
                  QStringLiteral("Assign recommended transducer"));
    CreateControl(LAB_SorryNoTransducer, "LAB_SorryNoTransducer", GRP_Sensor, QString());
    LAB_SorryNoTransducer->hide();
    auto* grid = new QGridLayout(GRP_Sensor);
    grid->addWidget(CBX_SensorTyp, 0, 0);
    grid->addWidget(BitBtn1, 0, 1);
    grid->addWidget(BUT_RecommTransducer, 1, 0, 1, 2);
}

void TDLG_SensorAbstand::CreatePathGroup()
{
    CreateControl(GRP_Schallweg, "GRP_Schallweg", ClientArea(), QStringLiteral("Schallweg"));
    CreateControl(CBX_AutoUser, "CBX_AutoUser", GRP_Schallweg);
    CBX_AutoUser->addItems({QStringLiteral("AUTO"), QStringLiteral("USER")});
    CBX_AutoUser->setToolTip(QStringLiteral("Sonderfunktion\\System-Einstel.\\Dialoge/Menüs...Schallweg"));
    CreateControl(CBX_ReflDurch, "CBX_ReflDurch", GRP_Schallweg);
    CBX_ReflDurch->addItems({QStringLiteral("Reflex"), QStringLiteral("Durchstrahlung")});
    CreateControl(ED_SFW, "ED_SFW", GRP_Schallweg);
    SetupSpin(ED_SFW, vtInteger, 0, 1, MaxSoundPaths);
    CreateControl(LAB_SWF, "LAB_SWF", GRP_Schallweg, QStringLiteral("Auswahl:"));
    CreateControl(LAB_SWFNumMe, "LAB_SWFNumMe", GRP_Schallweg, QString());
    auto* grid = new QGridLayout(GRP_Schallweg);
    grid->addWidget(CBX_AutoUser, 0, 0, 1, 2);
    grid->addWidget(LAB_SWF, 1, 0);
    grid->addWidget(CBX_ReflDurch, 1, 1);
    grid->addWidget(ED_SFW, 2, 1);
    grid->addWidget(LAB_SWFNumMe, 2, 0);
}

void TDLG_SensorAbstand::CreateSpacingGroup()
{
    CreateControl(GRP_Sensorabstand, "GRP_Sensorabstand", ClientArea(), QStringLiteral("Sensorabstand"));
    CreateControl(PAN_SensorAbstand, "PAN_SensorAbstand", GRP_Sensorabstand, QString());
    PAN_SensorAbstand->setToolTip(QStringLiteral(
        "This distance is calculated using a set of typical transducer parameters.\r\nUsing your own "
        "transducers,  the flowmeter could show you a distance\r\nthat is a little bit different from "
        "this typical value."));
    CreateControl(CB_SabstFixed, "CB_SabstFixed", GRP_Sensorabstand, QStringLiteral("Abstand fixieren"));
    CreateControl(PAN_SensorEinbauRaum, "PAN_SensorEinbauRaum", GRP_Sensorabstand, QString());
    CreateControl(LAB_SensorAbst, "LAB_SensorAbst", GRP_Sensorabstand, QString());
    CreateControl(LAB_SensorAbstFixed, "LAB_SensorAbstFixed", GRP_Sensorabstand, QString());
    CreateControl(LAB_FreiAbst, "LAB_FreiAbst", GRP_Sensorabstand, QString());
    for (QLabel* hidden : {LAB_SensorAbst, LAB_SensorAbstFixed, LAB_FreiAbst})
        hidden->hide();
    CreateControl(LAB_LambdaSmallPipe, "LAB_LambdaSmallPipe", GRP_Sensorabstand, QStringLiteral("SmallPipe"));
    CreateControl(BTN_MountingInfo, "BTN_MountingInfo", GRP_Sensorabstand, QStringLiteral("?"));
    CreateControl(GroupBox1, "GroupBox1", ClientArea(), QStringLiteral("Laufzeiten [µs]"));
    CreateControl(BUT_MehrInfos, "BUT_MehrInfos", GroupBox1, QStringLiteral("Mehr Infos..."));
    CreateControl(BUT_ErrorEstimation, "BUT_ErrorEstimation", GroupBox1, ACT_ErrorEstimation->text());
    auto* times = new QVBoxLayout(GroupBox1);
    times->addWidget(BUT_MehrInfos);
    times->addWidget(BUT_ErrorEstimation);
    auto* grid = new QGridLayout(GRP_Sensorabstand);
    grid->addWidget(PAN_SensorAbstand, 0, 0);
    grid->addWidget(CB_SabstFixed, 0, 1);
    grid->addWidget(BTN_MountingInfo, 0, 2);
    grid->addWidget(PAN_SensorEinbauRaum, 1, 0, 1, 2);
    grid->addWidget(LAB_LambdaSmallPipe, 1, 2);
    Panel1 = new TApplicationSketch(GRP_Sensorabstand, GroupBox1);
    grid->addWidget(Panel1, 2, 0, 1, 3);
    for (QWidget* hinted : std::initializer_list<QWidget*>{PAN_SensorAbstand, CB_SabstFixed, BUT_RecommTransducer})
        Panel1->TrackHint(hinted);
    // A disabled button shows no hint of its own: the group shows the button's hint where
    // the button covers it, and none elsewhere.
    Panel1->TrackHint(GRP_Sensor, [this](QPoint at) {
        return BUT_RecommTransducer->geometry().contains(at) ? BUT_RecommTransducer->toolTip() : QString();
    });
}

void TDLG_SensorAbstand::CreatePipeGroup()
{
    CreateControl(GRP_Rohr, "GRP_Rohr", ClientArea(), QStringLiteral("Rohr"));
    CreateControl(EDI_ADM, "EDI_ADM", GRP_Rohr);
    CreateControl(ME_IDM, "ME_IDM", GRP_Rohr);
    for (const tMeUnitRec& unit : LengthUnits)
        ME_IDM->addItem(unit.Name);
    CreateControl(EDI_WAND, "EDI_WAND", GRP_Rohr);
    CreateControl(LAB_WandME, "LAB_WandME", GRP_Rohr, QString());
    CreateControl(COM_Material, "COM_Material", GRP_Rohr);
    CreateControl(BitBtn2, "BitBtn2", GRP_Rohr, QStringLiteral("..."));
    CreateControl(CB_AUSKLEID, "CB_AUSKLEID", GRP_Rohr, QStringLiteral("Auskleidung:"));
    CreateControl(EDI_AUSKL, "EDI_AUSKL", GRP_Rohr);
    CreateControl(LAB_AusklME, "LAB_AusklME", GRP_Rohr, QString());
    CreateControl(COM_Auskleidung, "COM_Auskleidung", GRP_Rohr);
    CreateControl(BUT_OtherAuskleidung, "BUT_OtherAuskleidung", GRP_Rohr, QStringLiteral("..."));
    for (TCeSpinEdit* edit : {EDI_ADM, EDI_WAND, EDI_AUSKL})
        SetupSpin(edit, vtFloat, 1, 0.0, 0.0);
    auto* grid = new QGridLayout(GRP_Rohr);
    grid->addWidget(new QLabel(QStringLiteral("Außendurchmesser:"), GRP_Rohr), 0, 0);
    grid->addWidget(EDI_ADM, 0, 1);
    grid->addWidget(ME_IDM, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Wandstärke:"), GRP_Rohr), 1, 0);
    grid->addWidget(EDI_WAND, 1, 1);
    grid->addWidget(LAB_WandME, 1, 2);
    grid->addWidget(COM_Material, 2, 0, 1, 2);
    grid->addWidget(BitBtn2, 2, 2);
    grid->addWidget(CB_AUSKLEID, 3, 0);
    grid->addWidget(EDI_AUSKL, 3, 1);
    grid->addWidget(LAB_AusklME, 3, 2);
    grid->addWidget(COM_Auskleidung, 4, 0, 1, 2);
    grid->addWidget(BUT_OtherAuskleidung, 4, 2);
}

void TDLG_SensorAbstand::CreateMediumGroup()
{
    CreateControl(GRP_Medium, "GRP_Medium", ClientArea(), QStringLiteral("Medium"));
    CreateControl(COM_Medium, "COM_Medium", GRP_Medium);
    CreateControl(BitBtn4, "BitBtn4", GRP_Medium, QStringLiteral("..."));
    CreateControl(ED_GammaTemp, "ED_GammaTemp", GRP_Medium);
    SetupSpin(ED_GammaTemp, vtFloat, 0, 0.0, 0.0, 10.0);
    CreateControl(ME_TEMP, "ME_TEMP", GRP_Medium);
    for (const tMeUnitRec& unit : TemperatureUnits)
        ME_TEMP->addItem(unit.Name);
    auto* grid = new QGridLayout(GRP_Medium);
    grid->addWidget(COM_Medium, 0, 0, 1, 2);
    grid->addWidget(BitBtn4, 0, 2);
    grid->addWidget(ED_GammaTemp, 1, 1);
    grid->addWidget(ME_TEMP, 1, 2);
}

void TDLG_SensorAbstand::CreateExpertGroups()
{
    CreateControl(GRP_ZeitOffset, "GRP_ZeitOffset", ClientArea(), QStringLiteral("Zeit-Ermittlung"));
    CreateControl(EDI_VELOC, "EDI_VELOC", GRP_ZeitOffset);
    SetupSpin(EDI_VELOC, vtFloat, 2, 0.0, 0.0);
    CreateControl(CBX_MEVELOC, "CBX_MEVELOC", GRP_ZeitOffset);
    for (const tQlvMeTabsItem& unit : VelocityUnits)
        CBX_MEVELOC->addItem(unit.Name);
    CBX_MEVELOC->setCurrentIndex(calc_.VelocityUnit());
    CreateControl(CB_ProfilCorrected, "CB_ProfilCorrected", GRP_ZeitOffset,
                  QStringLiteral(" PROFILKORRIGIERTER FLOW"));
    CB_ProfilCorrected->setChecked(true);
    CB_ProfilCorrected->setToolTip(QStringLiteral("Ankreuzen wenn die KORRIGIERTE Strömungsgeschwindigkeit "
                                                  "gemessen wird.\r\n(Das ist die Standardeinstellung)"));
    CreateControl(PAN_UnKorrFlow, "PAN_UnKorrFlow", GRP_ZeitOffset, QString());
    PAN_UnKorrFlow->setToolTip(QStringLiteral("Das ist die UNKORRIGIERTE Strömungsgeschw.\r\nDamit wird gerechnet."));
    CreateControl(EDI_ZeitOffset, "EDI_ZeitOffset", GRP_ZeitOffset);
    SetupSpin(EDI_ZeitOffset, vtFloat, 3, 0.0, 0.0);
    EDI_ZeitOffset->setReadOnly(true);
    CreateControl(CBX_MEZeitOffset, "CBX_MEZeitOffset", GRP_ZeitOffset);
    for (const tMeUnitRec& unit : TimeUnits)
        CBX_MEZeitOffset->addItem(unit.Name);
    CBX_MEZeitOffset->setCurrentIndex(calc_.TimeUnit());
    CreateControl(EDI_Visk, "EDI_Visk", GRP_ZeitOffset);
    SetupSpin(EDI_Visk, vtFloat, 3, 0.0, 100000.0);
    CreateControl(ED_Rauhigkeit, "ED_Rauhigkeit", GRP_ZeitOffset);
    SetupSpin(ED_Rauhigkeit, vtFloat, 3, 0.0, 10.0);
    auto* grid = new QGridLayout(GRP_ZeitOffset);
    grid->addWidget(EDI_VELOC, 0, 0);
    grid->addWidget(CBX_MEVELOC, 0, 1);
    grid->addWidget(CB_ProfilCorrected, 1, 0, 1, 2);
    grid->addWidget(PAN_UnKorrFlow, 2, 0, 1, 2);
    grid->addWidget(EDI_ZeitOffset, 3, 0);
    grid->addWidget(CBX_MEZeitOffset, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Viskosität [cSt]"), GRP_ZeitOffset), 4, 0);
    grid->addWidget(EDI_Visk, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("Rauh. [mm]"), GRP_ZeitOffset), 5, 0);
    grid->addWidget(ED_Rauhigkeit, 5, 1);

    CreateControl(GRP_MegaUserRohre, "GRP_MegaUserRohre", ClientArea(), QStringLiteral("MegaUser-Rohre"));
    CreateControl(COM_MegaUserRohre, "COM_MegaUserRohre", GRP_MegaUserRohre);
    for (std::size_t i = 0; i < TestPipes.size(); ++i)
        COM_MegaUserRohre->addItem(QString::fromLatin1(TestPipes[i].Label), static_cast<int>(i));
    CreateControl(CB_AlphaKorrektur, "CB_AlphaKorrektur", GRP_MegaUserRohre, QStringLiteral("ALPHA-KORREKTUR"));
    CreateControl(BitBtn3, "BitBtn3", GRP_MegaUserRohre, QStringLiteral("WriteOutSensTabs"));
    auto* box = new QVBoxLayout(GRP_MegaUserRohre);
    box->addWidget(COM_MegaUserRohre);
    box->addWidget(CB_AlphaKorrektur);
    box->addWidget(BitBtn3);
}

void TDLG_SensorAbstand::LayoutGroups()
{
    auto* grid = new QGridLayout(ClientArea());
    grid->addWidget(GRP_Sensor, 0, 0);
    grid->addWidget(GRP_Schallweg, 0, 1);
    grid->addWidget(GRP_Sensorabstand, 1, 0, 1, 2);
    grid->addWidget(GroupBox1, 2, 0, 1, 2);
    grid->addWidget(GRP_Rohr, 0, 2, 2, 1);
    grid->addWidget(GRP_Medium, 2, 2);
    grid->addWidget(GRP_ZeitOffset, 0, 3, 2, 1);
    grid->addWidget(GRP_MegaUserRohre, 2, 3);
}

void TDLG_SensorAbstand::SetTabOrder()
{
    SetTabChain({CBX_SensorTyp, BUT_RecommTransducer, CBX_AutoUser, CBX_ReflDurch, ED_SFW, PAN_SensorAbstand,
                 CB_SabstFixed, EDI_ADM, ME_IDM, EDI_WAND, COM_Material, CB_AUSKLEID, EDI_AUSKL, COM_Auskleidung,
                 COM_Medium, ED_GammaTemp, ME_TEMP, EDI_VELOC, CBX_MEVELOC, CB_ProfilCorrected, EDI_Visk,
                 ED_Rauhigkeit, COM_MegaUserRohre, BUT_OK, BUT_Cancel});
}

// ---- Handlers: the user's changes go to the calculation, then the results are shown.

void TDLG_SensorAbstand::ConnectHandlers()
{
    connect(ACT_OK, &QAction::triggered, this, [this] { done(1); });
    disconnect(BUT_OK, &QPushButton::clicked, nullptr, nullptr);
    connect(BUT_OK, &QPushButton::clicked, ACT_OK, &QAction::trigger);
    connect(ACT_RecommendedSensor, &QAction::triggered, this, [this] {
        calc_.AssignRecommended();
        ShowInputs();
    });
    connect(BUT_RecommTransducer, &QPushButton::clicked, ACT_RecommendedSensor, &QAction::trigger);
    connect(ACT_ErrorEstimation, &QAction::triggered, this, &TDLG_SensorAbstand::RunErrorEstimation);
    connect(BUT_ErrorEstimation, &QPushButton::clicked, ACT_ErrorEstimation, &QAction::trigger);
    connect(ACT_ErrorEstimation, &QAction::changed, this, [this] {
        BUT_ErrorEstimation->setVisible(ACT_ErrorEstimation->isVisible());
        BUT_ErrorEstimation->setEnabled(ACT_ErrorEstimation->isEnabled());
    });
    connect(CBX_SensorTyp, &QComboBox::activated, this, [this](int item) {
        calc_.UserSensorItem(item);
        ShowResults();
    });
    connect(CBX_AutoUser, &QComboBox::activated, this, &TDLG_SensorAbstand::PathModeChanged);
    connect(CBX_ReflDurch, &QComboBox::activated, this, [this](int item) {
        calc_.UserBeamMode(static_cast<tBeamMode>(item));
        ShowResults();
    });
    connect(ED_SFW, &TCeSpinEdit::OnChange, this, [this] {
        calc_.UserSoundPaths(ED_SFW->AsInteger());
        ShowResults();
    });
    connect(CB_SabstFixed, &QCheckBox::toggled, this, &TDLG_SensorAbstand::SpacingFixedClicked);
    connect(PAN_SensorAbstand, &QPushButton::clicked, this, &TDLG_SensorAbstand::SpacingPanelClicked);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { ShowRangeChart(this, calc_.Expert()); });
    connect(BTN_MountingInfo, &QPushButton::clicked, this, [this] {
        const tPathResult s = calc_.Path().SpacingForValue(calc_.Path().MediumSoundSpeed());
        ShowMountingInformation(this, calc_.GetSoundPaths(), s.Value);
    });
    connect(BUT_MehrInfos, &QPushButton::clicked, this, [this] { ShowApplicationDetail(this, calc_.Path()); });
    ConnectPipeHandlers();
    ConnectExpertHandlers();
    // Ctrl+A is this dialog's command even in an edit, which would take it as "select all".
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->installEventFilter(this);
}

void TDLG_SensorAbstand::ConnectPipeHandlers()
{
    auto onSpin = [this](TCeSpinEdit* edit, void (tApplicationCalc::*user)(double), bool length) {
        connect(edit, &TCeSpinEdit::OnChange, this, [this, edit, user, length] {
            const double shown = static_cast<double>(edit->Value());
            (calc_.*user)(length ? shown / calc_.LengthFactor() : shown);
            ShowResults();
        });
    };
    onSpin(EDI_ADM, &tApplicationCalc::UserOuterDiameter, true);
    onSpin(EDI_WAND, &tApplicationCalc::UserWallThickness, true);
    onSpin(EDI_AUSKL, &tApplicationCalc::UserLiningThickness, true);
    onSpin(EDI_Visk, &tApplicationCalc::UserViscosity, false);
    onSpin(ED_Rauhigkeit, &tApplicationCalc::UserRoughness, false);
    connect(ED_GammaTemp, &TCeSpinEdit::OnChange, this, [this] {
        const double shown = static_cast<double>(ED_GammaTemp->Value());
        calc_.UserTemperature(calc_.TemperatureUnit() == 1 ? FahrenheitToCelsius(shown) : shown);
        ShowResults();
    });
    const std::tuple<QComboBox*, QPushButton*, QAction*, tQuadrantId> others[] = {
        {COM_Material, BitBtn2, ACT_WandMaterialOTHER, BETA},
        {COM_Auskleidung, BUT_OtherAuskleidung, ACT_AuskleidungOTHER, BETA2},
        {COM_Medium, BitBtn4, ACT_MediumOTHER, GAMMA}};
    for (auto [box, button, action, layer] : others) {
        connect(action, &QAction::triggered, this, [this, l = layer] { AskUserSpeed(l); });
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(box, &QComboBox::activated, this, [this, l = layer](int item) {
            calc_.UserSelectItem(l, item);
            ShowResults();
            OtherItemChosen(l);
        });
    }
    connect(CB_AUSKLEID, &QCheckBox::toggled, this, [this](bool on) {
        calc_.UserLiningSwitch(on);
        ShowInputs();
    });
    connect(ME_IDM, &QComboBox::activated, this, [this](int index) {
        calc_.SetLengthUnit(index);
        ShowInputs();
    });
    connect(ME_TEMP, &QComboBox::activated, this, [this](int index) {
        calc_.SetTemperatureUnit(index);
        ShowInputs();
    });
}

void TDLG_SensorAbstand::ConnectExpertHandlers()
{
    connect(EDI_VELOC, &TCeSpinEdit::OnChange, this, [this] {
        const double factor = VelocityUnits[static_cast<std::size_t>(calc_.VelocityUnit())].Factor;
        calc_.SetVelocity(static_cast<double>(EDI_VELOC->Value()) / factor);
        ShowResults();
    });
    connect(CBX_MEVELOC, &QComboBox::activated, this, [this](int index) {
        calc_.SetVelocityUnit(index);
        ShowInputs();
    });
    connect(CBX_MEZeitOffset, &QComboBox::activated, this, [this](int index) {
        calc_.SetTimeUnit(index);
        ShowResults();
    });
    connect(CB_ProfilCorrected, &QCheckBox::toggled, this, [this](bool on) {
        calc_.SetProfileCorrected(on);
        ShowResults();
    });
    connect(COM_MegaUserRohre, &QComboBox::activated, this, [this](int index) {
        calc_.SelectTestPipe(index);
        ShowInputs();
    });
    connect(CB_AlphaKorrektur, &QCheckBox::toggled, this, [this] {
        calc_.Recalculate();
        ShowResults();
    });
    connect(BitBtn3, &QPushButton::clicked, this, &TDLG_SensorAbstand::WriteOutSensTabsClicked);
}

bool TDLG_SensorAbstand::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier) {
            event->ignore();
            return true;
        }
    }
    return TMultilingualForm::eventFilter(watched, event);
}

void TDLG_SensorAbstand::PathModeChanged(int index)
{
    const auto mode = static_cast<tPathCountMode>(index);
    calc_.UserPathCountMode(mode);
    ShowResults();
    QWidget* focus = mode == tPathCountMode::User ? static_cast<QWidget*>(ED_SFW) : CBX_ReflDurch;
    if (isVisible())
        focus->setFocus();
}

void TDLG_SensorAbstand::SpacingFixedClicked(bool checked)
{
    calc_.UserSpacingFixed(checked);
    ShowInputs();
}

void TDLG_SensorAbstand::SpacingPanelClicked()
{
    const double start = calc_.FixedSpacingToEdit();
    if (const auto mm = EnterFixedSpacing(this, calc_.LengthUnitName(), calc_.LengthDigits(), start,
                                          calc_.LengthFactor())) {
        calc_.UserFixedSpacing(*mm);
        ShowInputs();
        SetBold(CB_SabstFixed, true);
        SetBold(PAN_SensorAbstand, false);
    }
}

void TDLG_SensorAbstand::UpdateSketch()
{
    Panel1->Apply(::UpdateSketch(SketchInput(calc_), calc_.Translate), CB_SabstFixed);
    BUT_MehrInfos->setEnabled(DetailTextAvailable(calc_));
}

void TDLG_SensorAbstand::WriteOutSensTabsClicked()
{
    QString error;
    if (!WriteOutSensTabs(QStringLiteral("$$xxx.txt"), &error))
        ShowMessage({this, windowTitle(), error, MessageKind::Error});
}

void TDLG_SensorAbstand::AskUserSpeed(tQuadrantId layer, double start)
{
    const QString label = layer == BETA ? QStringLiteral("Schallgeschwindigkeit Wandmaterial")
        : layer == BETA2                ? QStringLiteral("Schallgeschwindigkeit Auskleidung")
                                        : QStringLiteral("Schallgeschwindigkeit Medium");
    std::unique_ptr<TDLG_InputUserValue> own;
    TDLG_InputUserValue* input = DLG_InputUserValue();
    if (!input) {
        own = CreateDialog<TDLG_InputUserValue>(this);
        input = own.get();
    }
    input->LAB_Property->setText(TranslateString(label));
    input->LAB_Unit->setText(QStringLiteral("m/s"));
    input->SetValue(start > 0.0 ? start : calc_.UserSpeedToEdit(layer));
    if (input->ShowDialog() != 1)
        return;
    const int other = tApplicationCalc::OtherCodeOf(layer);
    if (layer == BETA)
        calc_.SetUserWallSoundSpeed(other, input->GetValue());
    else if (layer == BETA2)
        calc_.SetUserLiningSoundSpeed(other, input->GetValue());
    else
        calc_.SetUserMediumSoundSpeed(other, input->GetValue());
    ShowInputs();
}

void TDLG_SensorAbstand::OtherItemChosen(tQuadrantId layer)
{
    if (calc_.NeedsUserSpeed(layer))
        AskUserSpeed(layer);
}

// Another medium or material without a sound speed asks for one once the dialog is up.
void TDLG_SensorAbstand::AskMissingSpeeds()
{
    const std::pair<tQuadrantId, double> starts[] = {{GAMMA, 1500.0}, {BETA, 3200.0}, {BETA2, 2500.0}};
    for (auto [layer, fallback] : starts) {
        const double start = calc_.StartUserSpeed(layer, fallback);
        if (start > 0.0) {
            ShowResults();
            AskUserSpeed(layer, start);
        }
    }
}

void TDLG_SensorAbstand::showEvent(QShowEvent* event)
{
    TMultilingualForm::showEvent(event);
    QTimer::singleShot(0, this, &TDLG_SensorAbstand::AskMissingSpeeds);
    if (calc_.Expert()) {
        WriteIndex(CBX_AutoUser, static_cast<int>(tPathCountMode::User));
        PathModeChanged(static_cast<int>(tPathCountMode::User));
    }
}

// ---- Options, loading, results

void TDLG_SensorAbstand::SetMegaUserMode(bool flag)
{
    calc_.SetMegaUserMode(flag);
    GRP_ZeitOffset->setVisible(flag);
    GRP_MegaUserRohre->setVisible(flag);
    LAB_LambdaSmallPipe->setVisible(flag || showSmallPipe_);
    BitBtn3->setVisible(flag);
    adjustSize();
}

void TDLG_SensorAbstand::SetShowSmallPipe(bool flag)
{
    showSmallPipe_ = flag;
    if (flag)
        LAB_LambdaSmallPipe->setVisible(true);
}

void TDLG_SensorAbstand::SetErrorEstimationEnabled(bool flag)
{
    errorEstimation_ = flag;
    ACT_ErrorEstimation->setVisible(flag);
    ShowResults();
}

void TDLG_SensorAbstand::LoadSetup(const tApplicationSetup& setup)
{
    SetMegaUserMode(setup.MegaUser);
    SetShowSmallPipe(setup.ShowSmallPipe);
    SetErrorEstimationEnabled(setup.ErrorEstimation);
    SetFlowHandOver(setup.Flow);
    SetInputData(setup.Input);
}

void TDLG_SensorAbstand::SetInputData(const tApplicationInput& input)
{
    calc_.SetVelocity(flow_.Velocity);
    calc_.SetInputData(input);
    ShowInputs();
}

void TDLG_SensorAbstand::SelectSensorType(std::uint8_t code)
{
    calc_.SelectSensorType(code);
    ShowInputs();
}

void TDLG_SensorAbstand::ShowCodeItems(QComboBox* box, const tCodeItems& items)
{
    const QSignalBlocker block(box);
    const int count = static_cast<int>(items.Items.size());
    while (box->count() > count)
        box->removeItem(box->count() - 1);
    for (int i = 0; i < count; ++i) {
        const tCodeItem& item = items.Items[static_cast<std::size_t>(i)];
        if (i >= box->count()) {
            box->addItem(item.Caption, item.Code);
            continue;
        }
        if (box->itemText(i) != item.Caption)
            box->setItemText(i, item.Caption);
        if (box->itemData(i).toInt() != item.Code)
            box->setItemData(i, item.Code);
    }
    WriteIndex(box, items.ItemIndex);
}

void TDLG_SensorAbstand::ShowPipeValues()
{
    const double f = calc_.LengthFactor();
    const int d = calc_.LengthDigits();
    EDI_ADM->SetMinValue(0.1 * f);
    EDI_ADM->SetMaxValue(10000.0 * f);
    EDI_WAND->SetMinValue(0.1 * f);
    EDI_WAND->SetMaxValue(9000.0 * f);
    EDI_AUSKL->SetMinValue(0.0);
    EDI_AUSKL->SetMaxValue(9000.0 * f);
    WriteSpin(EDI_ADM, calc_.GetOuterDiameter() * f, d);
    WriteSpin(EDI_WAND, calc_.GetWallThickness() * f, d);
    WriteSpin(EDI_AUSKL, calc_.LiningValue() * f, d);
    WriteIndex(ME_IDM, calc_.LengthUnit());
    WriteLabel(LAB_WandME, calc_.LengthUnitName());
    WriteLabel(LAB_AusklME, calc_.LengthUnitName());
    const bool fahrenheit = calc_.TemperatureUnit() == 1;
    ED_GammaTemp->SetMinValue(fahrenheit ? CelsiusToFahrenheit(-200.0) : -200.0);
    ED_GammaTemp->SetMaxValue(fahrenheit ? CelsiusToFahrenheit(600.0) : 600.0);
    WriteSpin(ED_GammaTemp, calc_.TemperatureDisplay(), 0);
    WriteIndex(ME_TEMP, calc_.TemperatureUnit());
}

void TDLG_SensorAbstand::ShowInputs()
{
    ShowPipeValues();
    {
        const QSignalBlocker block(CB_AUSKLEID);
        CB_AUSKLEID->setChecked(calc_.LiningPresent());
    }
    for (QWidget* lining : std::initializer_list<QWidget*>{EDI_AUSKL, LAB_AusklME, COM_Auskleidung, BUT_OtherAuskleidung})
        lining->setVisible(calc_.LiningPresent());
    const QSignalBlocker block(CB_SabstFixed);
    CB_SabstFixed->setChecked(calc_.SpacingFixed());
    SetBold(CB_SabstFixed, calc_.SpacingFixed());
    SetBold(PAN_SensorAbstand, !calc_.SpacingFixed());
    WriteIndex(CBX_MEVELOC, calc_.VelocityUnit());
    const tQlvMeTabsItem& velocity = VelocityUnits[static_cast<std::size_t>(calc_.VelocityUnit())];
    WriteSpin(EDI_VELOC, calc_.GetVelocity() * velocity.Factor, UnitDigits(velocity));
    ShowResults();
}

void TDLG_SensorAbstand::ShowPathControls()
{
    WriteIndex(CBX_SensorTyp, calc_.SensorItem());
    const bool user = calc_.PathCountMode() == tPathCountMode::User;
    WriteIndex(CBX_AutoUser, static_cast<int>(calc_.PathCountMode()));
    WriteIndex(CBX_ReflDurch, static_cast<int>(calc_.BeamMode()));
    {
        const QSignalBlocker block(ED_SFW);
        if (ED_SFW->AsInteger() != calc_.GetSoundPaths())
            ED_SFW->SetAsInteger(calc_.GetSoundPaths());
    }
    WriteLabel(LAB_SWF, TranslateString(user ? QStringLiteral("Eingabe:") : QStringLiteral("Auswahl:")));
    LAB_SWF->setVisible(calc_.CountLabelVisible());
    LAB_SWFNumMe->setVisible(user);
    ED_SFW->setVisible(user);
    CBX_ReflDurch->setVisible(!user);
}

void TDLG_SensorAbstand::ShowTimeGroup()
{
    const tTimeGroupView& t = calc_.View().Time;
    WriteLabel(PAN_UnKorrFlow, t.UncorrectedFlow);
    if (t.TimeValid) {
        WriteSpin(EDI_ZeitOffset, t.TimeOffset, t.TimeDigits);
    } else if (!EDI_ZeitOffset->text().isEmpty()) {
        // No time difference is no difference of 0.
        const QSignalBlocker block(EDI_ZeitOffset);
        EDI_ZeitOffset->clear();
    }
    if (!EDI_Visk->hasFocus())
        WriteSpin(EDI_Visk, calc_.Viscosity(), EDI_Visk->Decimal());
    if (!ED_Rauhigkeit->hasFocus())
        WriteSpin(ED_Rauhigkeit, calc_.Roughness(), ED_Rauhigkeit->Decimal());
    for (auto [edit, enabled] : {std::pair{EDI_Visk, t.ViscosityEnabled}, std::pair{ED_Rauhigkeit, t.RoughnessEnabled}}) {
        edit->setEnabled(enabled);
        SetBold(edit, enabled);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, enabled ? QColor(Qt::white) : ColorFromTColor(0xC0C0C0));
        // Shown but disabled: its value stays readable on the silver.
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(Qt::black));
        edit->setPalette(palette);
    }
}

void TDLG_SensorAbstand::ShowResults()
{
    const tApplicationView& v = calc_.View();
    ShowCodeItems(COM_Material, calc_.WallItems());
    ShowCodeItems(COM_Auskleidung, calc_.LiningItems());
    ShowCodeItems(COM_Medium, calc_.MediumItems());
    ShowPathControls();
    if (PAN_SensorAbstand->text() != v.Spacing)
        PAN_SensorAbstand->setText(v.Spacing);
    SetFontColour(PAN_SensorAbstand, v.SpacingRed ? clRed : clBlack);
    WriteLabel(PAN_SensorEinbauRaum, v.FreeLength);
    WriteLabel(LAB_SensorAbst, v.SpacingNumber);
    WriteLabel(LAB_SensorAbstFixed, v.FixedNumber);
    WriteLabel(LAB_FreiAbst, v.FreeNumber);
    WriteLabel(LAB_LambdaSmallPipe, v.SmallPipe ? QStringLiteral("SmallPipe") : QString());
    const TColor temperature = v.TemperatureColour == tTemperatureColour::TooHot ? clRed
        : v.TemperatureColour == tTemperatureColour::TooCold                   ? TColor{0xFF0000}
                                                                                : clBlack;
    SetFontColour(ED_GammaTemp, temperature);
    BUT_RecommTransducer->setText(v.Recommendation.Caption);
    BUT_RecommTransducer->setToolTip(ControlLineBreaks(v.Recommendation.Hint));
    BUT_RecommTransducer->setEnabled(v.Recommendation.Enabled);
    WriteIndex(COM_MegaUserRohre, v.TestPipe);
    ShowTimeGroup();
    ACT_OK->setEnabled(calc_.CanAccept());
    BUT_OK->setEnabled(calc_.CanAccept());
    ACT_ErrorEstimation->setEnabled(errorEstimation_ && calc_.ResultsValid() && calc_.GetSensorTypeCode() != 0);
    UpdateSketch();
}

// ---- Error estimation

TDLG_ErrorDiagram* TDLG_SensorAbstand::ErrorDiagram()
{
    if (auto* started = TFormRegistry::Lookup<TDLG_ErrorDiagram>())
        return started;
    if (!ownDiagram_)
        ownDiagram_ = std::make_unique<TDLG_ErrorDiagram>(this);
    return ownDiagram_.get();
}

void TDLG_SensorAbstand::PrepareErrorEstimation()
{
    if (calc_.GetSensorTypeCode() == 0 || !calc_.ResultsValid())
        return;
    const double D = calc_.GetInnerDiameter();
    const double area = std::numbers::pi * D * D / 4.0;
    const double nu = calc_.Viscosity();
    const double lam = VelocityAtReynolds(flow_.ReynoldsLam, nu, D * 10.0);
    const double turb = VelocityAtReynolds(flow_.ReynoldsTurb, nu, D * 10.0);
    tErrorData data;
    data.VelocityUnit = flow_.VelocityUnit;
    data.VolumeUnit = flow_.VolumeUnit;
    data.MassUnit = flow_.MassUnit;
    data.VelocityFactor = flow_.VelocityFactor;
    data.VolumeFactor = flow_.VolumeFactor * area;
    data.MassFactor = flow_.MassFactor * flow_.Density * area;
    data.Velocity = flow_.Velocity;
    data.InnerDiameter = D;
    data.VelocityLaminar = std::isfinite(lam) ? lam : 0.0;
    data.VelocityTurbulent = std::isfinite(turb) ? turb : 0.0;
    data.Medium = calc_.Path().Quadrant(GAMMA);
    data.SoundPaths = calc_.GetSoundPaths();
    data.Sensor = calc_.Path().Sensor();
    ErrorDiagram()->SetErrorData(data);
}

void TDLG_SensorAbstand::GetTypicalErrorText(QString& text)
{
    text = QStringLiteral("?");
    if (!calc_.ResultsValid() || calc_.GetSensorTypeCode() == 0)
        return;
    ErrorDiagram()->GetTypicalErrorText(text);
}

bool TDLG_SensorAbstand::LoadErrorEstimation()
{
    if (!ACT_ErrorEstimation->isEnabled())
        return false;
    // The band choice is made before the data is plotted.
    ErrorDiagram()->Model().ShowOnePercentBand = calc_.Expert();
    PrepareErrorEstimation();
    return true;
}

void TDLG_SensorAbstand::RunErrorEstimation()
{
    if (LoadErrorEstimation())
        ErrorDiagram()->ShowDialog();
}
