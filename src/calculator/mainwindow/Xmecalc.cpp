#include "calculator/mainwindow/Xmecalc.h"

#include "calculator/forms/AboutQuelvar.h"
#include "calculator/mainwindow/ApplicationCommand.h"
#include "calculator/forms/KalfaktorDiagr.h"
#include "calculator/mainwindow/Logos.h"
#include "calculator/forms/NamensListe.h"
#include "calculator/mainwindow/OemDetect.h"
#include "calculator/mainwindow/ReportCommand.h"
#include "calculator/forms/Reynlimi.h"
#include "calculator/forms/Rohgeometrie.h"
#include "calculator/mainwindow/XmecalcCommands.h"
#include "formbase/FormKit.h"
#include "formbase/FormRegistry.h"
#include "platform/Colors.h"
#include "platform/FocusRules.h"
#include "platform/NumberFormat.h"
#include "reference/QlvTabels.h"
#include "reference/Units.h"
#include "transducer/OemVariant.h"
#include "translation/MlTranslator.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <utility>

namespace {
constexpr int Q(TQuantity quantity) { return static_cast<int>(quantity); }

// A group's contents: a vertical layout inside the group box.
QVBoxLayout* GroupLayout(QGroupBox* group)
{
    return new QVBoxLayout(group);
}

// A hold box on its own line, to the right.
void AddHoldRow(QVBoxLayout* layout, QCheckBox* hold)
{
    auto* line = new QHBoxLayout;
    line->addStretch();
    line->addWidget(hold);
    layout->addLayout(line);
}

// A panel widget holding one row, so the row can be shown, hidden or stacked as a whole.
QWidget* RowPanel(QWidget*& field, const char* name, QWidget* parent)
{
    CreateControl(field, name, parent);
    auto* line = new QHBoxLayout(field);
    line->setContentsMargins(0, 0, 0, 0);
    return field;
}
}  // namespace

TXmeCalcDlg::TXmeCalcDlg(QWidget* parent)
    : TXmeCalcDlg(QCoreApplication::arguments().value(0), parent)
{
}

TXmeCalcDlg::TXmeCalcDlg(const QString& programPath, QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("XmeCalcDlg"));
    setWindowTitle(QStringLiteral("Quelvar"));
    // The program's main window: a window of its own that can be minimised, not a dialog.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    CreateActions();
    CreateMenus();
    const TRowColumns columns = RowColumns();
    CreatePipeGroup(columns);
    CreateMediumGroup(columns);
    CreateFlowGroups(columns);
    CreateResultPane();
    CreateButtons();
    LayoutWindow();
    SetTabOrder();
    ConnectHandlers();
    FormCreate(programPath);
}

TXmeCalcDlg::~TXmeCalcDlg() = default;

// ---------------------------------------------------------------- construction

TRowColumns TXmeCalcDlg::RowColumns() const
{
    const QFontMetrics metrics = fontMetrics();
    TRowColumns columns;
    columns.Caption = metrics.horizontalAdvance(QStringLiteral("Innendurchmesser ")) + 8;
    columns.Edit = metrics.horizontalAdvance(QStringLiteral("-0000000.000")) + 12;
    columns.Unit = metrics.horizontalAdvance(QStringLiteral("US-Mgal/day")) + 36;
    QLabel probe;
    probe.setFont(font());
    probe.setFrameShape(QFrame::Panel);
    probe.setFrameShadow(QFrame::Sunken);
    columns.Panel = FitWidth(&probe, WidestPanelTexts());
    return columns;
}

QStringList TXmeCalcDlg::WidestPanelTexts()
{
    // The panels write 8 significant digits; above that the number turns to "d.dddddddEx".
    QStringList texts;
    for (int q = 0; q < QuantityCount; ++q) {
        const auto quantity = static_cast<TQuantity>(q);
        const QString prefix = quantity == TQuantity::DynViscosity   ? QStringLiteral("dynamic = ")
                               : quantity == TQuantity::KinViscosity ? QStringLiteral("kinematic =")
                                                                     : QString();
        for (int unit = 0; unit < UnitCount(quantity); ++unit) {
            const int digits = UnitDecimals(quantity, unit);
            const QString name = QLatin1Char(' ') + UnitName(quantity, unit);
            texts << prefix + FloatToStrF(-88888888.0L, ffFixed, 8, digits) + name
                  << prefix + FloatToStrF(-8.8888888e308L, ffFixed, 8, digits) + name;
        }
    }
    return texts;
}

TQuantityRow TXmeCalcDlg::AddQuantityRow(QWidget* parent, const TRowColumns& columns, TQuantity quantity,
                                         TPanel panel, const TQuantityRowSpec& spec)
{
    const TQuantityRow row = CreateQuantityRow(parent, columns, spec);
    parent->layout()->addWidget(row.Row);
    row.Edit->installEventFilter(this);
    edits_[Q(quantity)] = row.Edit;
    unitBoxes_[Q(quantity)] = row.Unit;
    if (row.Panel)
        panels_[static_cast<int>(panel)] = row.Panel;
    return row;
}

void TXmeCalcDlg::CreateActions()
{
    auto action = [this](QAction*& field, const char* name, const QString& caption, QKeyCombination key = {}) {
        CreateControl(field, name, this, caption);
        if (key != QKeyCombination())
            field->setShortcut(QKeySequence(key));
    };
    action(ACT_OpenQVFile, "ACT_OpenQVFile", QStringLiteral("Öffnen"), Qt::CTRL | Qt::Key_O);
    action(ACT_SaveToQVFile, "ACT_SaveToQVFile", QStringLiteral("Speichern"), Qt::CTRL | Qt::Key_S);
    action(ACT_SaveAsDefault, "ACT_SaveAsDefault", QStringLiteral("Save as 'Default values'"));
    action(ACT_Report, "ACT_Report", QStringLiteral("Re&port"), Qt::CTRL | Qt::Key_R);
    action(ACT_Beenden, "ACT_Beenden", QStringLiteral("Beenden"), Qt::ALT | Qt::Key_F4);
    action(ACT_EditRohrGeometrie, "ACT_EditRohrGeometrie", QStringLiteral("Rohr-Geometrie"), Qt::CTRL | Qt::Key_P);
    action(ACT_SensorAbstand, "ACT_SensorAbstand", QStringLiteral("&Applikation"), Qt::CTRL | Qt::Key_A);
    action(ACT_NormalizedVolumeflow, "ACT_NormalizedVolumeflow", QStringLiteral("Normalized volumeflow"),
           Qt::CTRL | Qt::Key_N);
    action(ACT_Standardwerte, "ACT_Standardwerte", QStringLiteral("Standardwerte"));
    action(ACT_DefaultFileOptions, "ACT_DefaultFileOptions", QStringLiteral("Options 'Default values'"));
    action(ACT_SpracheENGLISH, "ACT_SpracheENGLISH", QStringLiteral("English"));
    action(ACT_SpracheGerman, "ACT_SpracheGerman", QStringLiteral("Deutsch"));
    action(ACT_ToggleSprache, "ACT_ToggleSprache", QStringLiteral("Sprache"));
    action(ACT_ViskDynamic, "ACT_ViskDynamic", QStringLiteral("dynamic viskosity"));
    action(ACT_ViskKinematic, "ACT_ViskKinematic", QStringLiteral("kinematic viscosity"));
    action(ACT_Info, "ACT_Info", QStringLiteral("Info"));
    ACT_ViskDynamic->setCheckable(true);
    ACT_ViskKinematic->setCheckable(true);
    auto* viscosityGroup = new QActionGroup(this);
    viscosityGroup->addAction(ACT_ViskKinematic);
    viscosityGroup->addAction(ACT_ViskDynamic);
    ACT_ViskKinematic->setChecked(true);
}

void TXmeCalcDlg::CreateMenus()
{
    CreateControl(MainMenu, "MainMenu", this);
    QMenu* file = MainMenu->addMenu(QStringLiteral("Datei"));
    file->addActions({ACT_OpenQVFile, ACT_SaveToQVFile, ACT_SaveAsDefault, ACT_Report});
    file->addSeparator();
    file->addAction(ACT_Beenden);
    QMenu* edit = MainMenu->addMenu(QStringLiteral("Bearbeiten"));
    edit->addActions({ACT_EditRohrGeometrie, ACT_SensorAbstand, ACT_NormalizedVolumeflow});
    edit->addSeparator();
    edit->addAction(ACT_Standardwerte);
    QMenu* options = MainMenu->addMenu(QStringLiteral("Optionen"));
    options->addActions({ACT_SpracheENGLISH, ACT_SpracheGerman, ACT_ToggleSprache});
    options->addSeparator();
    options->addActions({ACT_ViskKinematic, ACT_ViskDynamic});
    options->addSeparator();
    options->addAction(ACT_DefaultFileOptions);
    QMenu* help = MainMenu->addMenu(QStringLiteral("Hilfe"));
    help->addAction(ACT_Info);
    CreateControl(TB_ToggleSprache, "TB_ToggleSprache", MainMenu);
    TB_ToggleSprache->setDefaultAction(ACT_ToggleSprache);
    TB_ToggleSprache->setAutoRaise(true);
    MainMenu->setCornerWidget(TB_ToggleSprache, Qt::TopRightCorner);
    layout()->setMenuBar(MainMenu);
}

// A library list with its info button; its drop-down is watched however it is opened
// (mouse, Alt+Down, F4).
QHBoxLayout* TXmeCalcDlg::CreateLibraryRow(QGroupBox* group, const QString& caption, QComboBox*& list,
                                           const char* listName, QPushButton*& info, const char* infoName)
{
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(caption, group));
    CreateControl(list, listName, group);
    list->setMinimumContentsLength(18);
    list->installEventFilter(this);
    list->view()->window()->installEventFilter(this);
    line->addWidget(list, 1);
    CreateControl(info, infoName, group, QStringLiteral("Info"));
    line->addWidget(info);
    return line;
}

void TXmeCalcDlg::CreatePipeGroup(const TRowColumns& columns)
{
    CreateControl(GRP_DasRohr, "GRP_DasRohr", this, QStringLiteral("Das Rohr"));
    GRP_DasRohr->installEventFilter(this);
    QVBoxLayout* pipe = GroupLayout(GRP_DasRohr);
    QHBoxLayout* material =
        CreateLibraryRow(GRP_DasRohr, QStringLiteral("Material"), COM_Material, "COM_Material", MateriInfiButton,
                         "MateriInfiButton");
    CreateControl(BUT_EditRohrgeometrie, "BUT_EditRohrgeometrie", GRP_DasRohr, QStringLiteral("Rohr-Geometrie"));
    BUT_EditRohrgeometrie->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    BUT_EditRohrgeometrie->setToolTip(QStringLiteral("Rohr-Geometrie"));
    material->addWidget(BUT_EditRohrgeometrie);
    pipe->addLayout(material);

    ResIs_IDM = AddQuantityRow(GRP_DasRohr, columns, TQuantity::InnerDiameter, TPanel::IDM,
                               {QStringLiteral("Innendurchmesser"), "ResIs_IDM", "INP_IDM", "ME_IDM", "PAN_IDM"})
                    .Marker;
    pipe->addWidget(RowPanel(PAN_AllAREA, "PAN_AllAREA", GRP_DasRohr));
    ResIs_QUER = AddQuantityRow(PAN_AllAREA, columns, TQuantity::CrossSection, TPanel::QUER,
                                {QStringLiteral("Querschnitt"), "ResIs_QUER", "INP_Quer", "ME_QUER", "PAN_QUER"})
                     .Marker;
    AddQuantityRow(GRP_DasRohr, columns, TQuantity::Roughness, TPanel::Rauh,
                   {QStringLiteral("Rauhigkeit"), nullptr, "INP_Rauh", "ME_Rauh", "PAN_Rauh"});
    CreateControl(FIX_Quer, "FIX_Quer", GRP_DasRohr, QStringLiteral("Rohr fest"));
    AddHoldRow(pipe, FIX_Quer);
}

void TXmeCalcDlg::CreateMediumGroup(const TRowColumns& columns)
{
    CreateControl(GRP_DasMedium, "GRP_DasMedium", this, QStringLiteral("Das Medium"));
    GRP_DasMedium->installEventFilter(this);
    QVBoxLayout* medium = GroupLayout(GRP_DasMedium);
    medium->addLayout(CreateLibraryRow(GRP_DasMedium, QStringLiteral("Medium"), COM_Medium, "COM_Medium",
                                       MediInfoButton, "MediInfoButton"));
    AddQuantityRow(GRP_DasMedium, columns, TQuantity::Temperature, TPanel::FluidTempDruck,
                   {QStringLiteral("Temperatur"), nullptr, "INP_FluidTemp", "ME_TEMP", "PAN_FluidTempDruck"});
    medium->addWidget(RowPanel(PANGRP_DRUCK, "PANGRP_DRUCK", GRP_DasMedium));
    AddQuantityRow(PANGRP_DRUCK, columns, TQuantity::Pressure, TPanel::FluidTempDruck,
                   {QStringLiteral("Druck"), nullptr, "INP_FluidDruck", nullptr, nullptr, QStringLiteral("bar")});
    ResIs_Dichte = AddQuantityRow(GRP_DasMedium, columns, TQuantity::Density, TPanel::Dichte,
                                  {QStringLiteral("Dichte"), "ResIs_Dichte", "INP_Dichte", "ME_Dichte", "PAN_Dichte"})
                       .Marker;
    CreateViscosityGroups(medium, columns);

    RowPanel(PAN_ReynoldInGRPMedium, "PAN_ReynoldInGRPMedium", GRP_DasMedium);
    auto* simple = static_cast<QHBoxLayout*>(PAN_ReynoldInGRPMedium->layout());
    CreateControl(LAB_SimpleReynold, "LAB_SimpleReynold", PAN_ReynoldInGRPMedium, QStringLiteral("Reynoldszahl:"));
    LAB_SimpleReynold->installEventFilter(this);
    CreateControl(ShLab_Reynold2, "ShLab_Reynold2", PAN_ReynoldInGRPMedium);
    simple->addWidget(LAB_SimpleReynold);
    simple->addWidget(ShLab_Reynold2);
    simple->addStretch();
    medium->addWidget(PAN_ReynoldInGRPMedium);
    // The simple Reynolds line stands in for the result pane in the compact view.
    PAN_ReynoldInGRPMedium->hide();
}

void TXmeCalcDlg::CreateViscosityGroups(QVBoxLayout* medium, const TRowColumns& columns)
{
    RowPanel(PANGRP_VISKKIN, "PANGRP_VISKKIN", GRP_DasMedium);
    AddQuantityRow(PANGRP_VISKKIN, columns, TQuantity::KinViscosity, TPanel::Visk,
                   {QStringLiteral("Viskosität"), nullptr, "INP_Visk", "ME_Visk", "PAN_Visk"});
    RowPanel(PANGRP_VISKDYN, "PANGRP_VISKDYN", GRP_DasMedium);
    AddQuantityRow(PANGRP_VISKDYN, columns, TQuantity::DynViscosity, TPanel::ViskDYN,
                   {QStringLiteral("dyn. Viskosität"), nullptr, "INP_ViskDYN", "ME_ViskDYN", "PAN_ViskDYN"});
    // The two viscosity groups share one place; one of them is shown.
    auto* place = new QGridLayout;
    place->setContentsMargins(0, 0, 0, 0);
    place->addWidget(PANGRP_VISKKIN, 0, 0);
    place->addWidget(PANGRP_VISKDYN, 0, 0);
    PANGRP_VISKDYN->hide();
    medium->addLayout(place);
}

void TXmeCalcDlg::CreateFlowGroups(TRowColumns columns)
{
    columns.Caption = fontMetrics().horizontalAdvance(QStringLiteral("Q ")) + 8;
    auto group = [&](QGroupBox*& field, const char* name, const QString& title, TQuantity quantity, TPanel panel,
                     const TQuantityRowSpec& spec) {
        CreateControl(field, name, this, title);
        field->installEventFilter(this);
        QVBoxLayout* layout = GroupLayout(field);
        return std::make_pair(layout, AddQuantityRow(field, columns, quantity, panel, spec).Marker);
    };
    auto [veloc, velocMarker] = group(GRP_VELOC, "GRP_VELOC", QStringLiteral("Geschwindigkeit"), TQuantity::Velocity,
                                      TPanel::Veloc, {QStringLiteral("v"), "ResIs_Veloc", "INP_veloc", "ME_VELOC", "PAN_Veloc"});
    ResIs_Veloc = velocMarker;
    CreateControl(FIX_VELOC, "FIX_VELOC", GRP_VELOC, QStringLiteral("fest"));
    AddHoldRow(veloc, FIX_VELOC);
    auto [volume, volumeMarker] =
        group(GRP_VOLUME, "GRP_VOLUME", QStringLiteral("Volumenstrom"), TQuantity::VolumeFlow, TPanel::Volume,
              {QStringLiteral("Q"), "ResIs_VOLUME", "INP_Volume", "CBX_ME_VOLUME", "PAN_Volume"});
    ResIs_VOLUME = volumeMarker;
    CreateControl(FIX_Volume, "FIX_Volume", GRP_VOLUME, QStringLiteral("fest"));
    AddHoldRow(volume, FIX_Volume);
    ResIs_MassFL = group(GRP_MASSFL, "GRP_MASSFL", QStringLiteral("Massenstrom"), TQuantity::MassFlow, TPanel::MassFl,
                         {QStringLiteral("m"), "ResIs_MassFL", "INP_MassFl", "ME_MASSFL", "PAN_MassFl"})
                       .second;
    NameFieldsFromRows();
}

void TXmeCalcDlg::NameFieldsFromRows()
{
    INP_veloc = EditOf(TQuantity::Velocity);
    INP_Volume = EditOf(TQuantity::VolumeFlow);
    INP_MassFl = EditOf(TQuantity::MassFlow);
    INP_IDM = EditOf(TQuantity::InnerDiameter);
    INP_Quer = EditOf(TQuantity::CrossSection);
    INP_Rauh = EditOf(TQuantity::Roughness);
    INP_Dichte = EditOf(TQuantity::Density);
    INP_Visk = EditOf(TQuantity::KinViscosity);
    INP_ViskDYN = EditOf(TQuantity::DynViscosity);
    INP_FluidTemp = EditOf(TQuantity::Temperature);
    INP_FluidDruck = EditOf(TQuantity::Pressure);
    ME_VELOC = UnitBoxOf(TQuantity::Velocity);
    CBX_ME_VOLUME = UnitBoxOf(TQuantity::VolumeFlow);
    ME_MASSFL = UnitBoxOf(TQuantity::MassFlow);
    ME_IDM = UnitBoxOf(TQuantity::InnerDiameter);
    ME_QUER = UnitBoxOf(TQuantity::CrossSection);
    ME_Rauh = UnitBoxOf(TQuantity::Roughness);
    ME_Dichte = UnitBoxOf(TQuantity::Density);
    ME_Visk = UnitBoxOf(TQuantity::KinViscosity);
    ME_ViskDYN = UnitBoxOf(TQuantity::DynViscosity);
    ME_TEMP = UnitBoxOf(TQuantity::Temperature);
    PAN_Veloc = PanelLabel(TPanel::Veloc);
    PAN_Volume = PanelLabel(TPanel::Volume);
    PAN_MassFl = PanelLabel(TPanel::MassFl);
    PAN_IDM = PanelLabel(TPanel::IDM);
    PAN_QUER = PanelLabel(TPanel::QUER);
    PAN_Rauh = PanelLabel(TPanel::Rauh);
    PAN_Dichte = PanelLabel(TPanel::Dichte);
    PAN_Visk = PanelLabel(TPanel::Visk);
    PAN_ViskDYN = PanelLabel(TPanel::ViskDYN);
    PAN_FluidTempDruck = PanelLabel(TPanel::FluidTempDruck);
}

void TXmeCalcDlg::CreateResultPane()
{
    CreateControl(Bevel_Profil, "Bevel_Profil", this);
    Bevel_Profil->setFrameShape(QFrame::HLine);
    Bevel_Profil->setFrameShadow(QFrame::Sunken);
    CreateControl(KalfaktorPane, "KalfaktorPane", this);
    KalfaktorPane->setFrameShape(QFrame::StyledPanel);
    KalfaktorPane->setFrameShadow(QFrame::Raised);
    KalfaktorPane->installEventFilter(this);
    KalfaktorPane->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* pane = new QGridLayout(KalfaktorPane);
    for (auto [field, name] : {std::pair{&ShLab_LamiTurbo, "ShLab_LamiTurbo"}, {&ShLab_Veloc, "ShLab_Veloc"},
                               {&ShLab_Kalfaktor, "ShLab_Kalfaktor"}, {&ShLab_Reynold, "ShLab_Reynold"}})
        CreateControl(*field, name, KalfaktorPane)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ShLab_LamiTurbo->setAlignment(Qt::AlignCenter);
    QFont bold = ShLab_LamiTurbo->font();
    bold.setBold(true);
    ShLab_LamiTurbo->setFont(bold);
    pane->addWidget(ShLab_LamiTurbo, 0, 0, 1, 2);
    pane->addWidget(new QLabel(QStringLiteral("Reynoldszahl Re ="), KalfaktorPane), 1, 0);
    pane->addWidget(ShLab_Reynold, 1, 1);
    pane->addWidget(new QLabel(QStringLiteral("Kalibrierfaktor K ="), KalfaktorPane), 2, 0);
    pane->addWidget(ShLab_Kalfaktor, 2, 1);
    pane->addWidget(new QLabel(QStringLiteral("v unkorrigiert ="), KalfaktorPane), 3, 0);
    pane->addWidget(ShLab_Veloc, 3, 1);
    CreateControl(HOTSPOT_Kalfaktor, "HOTSPOT_Kalfaktor", KalfaktorPane, QStringLiteral("Strömungsprofil..."));
    pane->addWidget(HOTSPOT_Kalfaktor, 4, 0, 1, 2);
    CreateControl(PopupMenu1, "PopupMenu1", this);
    DerKalfaktor1 = PopupMenu1->addAction(QStringLiteral("Der Kalfaktor"));
    DerKalfaktor1->setObjectName(QStringLiteral("DerKalfaktor1"));
}

void TXmeCalcDlg::CreateButtons()
{
    CreateControl(BUT_Application, "BUT_Application", this, QStringLiteral("&Applikation"));
    // The coloured panel lies behind the compute button, not around it: the partner-brand
    // variant hides the panel and keeps the button. It starts silver, as with no marker.
    CreateControl(BACK_Berechnen, "BACK_Berechnen", this);
    SetBackColor(BACK_Berechnen, TMarkerState().BackColor);
    CreateControl(BUT_Berechnen, "BUT_Berechnen", this, QStringLiteral("&Berechnen"));
    CreateControl(Button2, "Button2", this, QStringLiteral("Normvolumen"));
    for (auto [field, name, picture] : {std::tuple{&IMG_LOGO, "IMG_LOGO", OwnLogo()},
                                        {&IMG_BrandolfLogo, "IMG_BrandolfLogo", PartnerLogo()}}) {
        CreateControl(*field, name, this);
        (*field)->setPixmap(picture);
        (*field)->setAlignment(Qt::AlignCenter);
        (*field)->installEventFilter(this);
    }
    IMG_BrandolfLogo->hide();
}

void TXmeCalcDlg::LayoutWindow()
{
    // Pipe and medium on the left, flow and results on the right.
    auto* columnsLayout = new QHBoxLayout(ClientArea());
    columnsLayout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    left->addWidget(GRP_DasRohr);
    left->addWidget(GRP_DasMedium);
    left->addStretch();
    auto* compute = new QGridLayout;
    compute->setContentsMargins(0, 0, 0, 0);
    compute->addWidget(BACK_Berechnen, 0, 0);
    auto* onTop = new QHBoxLayout;
    onTop->setContentsMargins(4, 4, 4, 4);
    onTop->addWidget(BUT_Berechnen);
    compute->addLayout(onTop, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BUT_Application);
    buttons->addWidget(Button2);
    buttons->addLayout(compute);
    auto* logos = new QHBoxLayout;
    logos->addStretch();
    logos->addWidget(IMG_LOGO);
    logos->addWidget(IMG_BrandolfLogo);
    auto* right = new QVBoxLayout;
    for (QWidget* group : {GRP_VELOC, GRP_VOLUME, GRP_MASSFL})
        right->addWidget(group);
    right->addLayout(buttons);
    right->addWidget(Bevel_Profil);
    right->addWidget(KalfaktorPane);
    right->addStretch();
    right->addLayout(logos);
    columnsLayout->addLayout(left);
    columnsLayout->addLayout(right);
    BUT_Berechnen->raise();
    // Enter belongs to the edits (commit), not to a default button.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
}

void TXmeCalcDlg::SetTabOrder()
{
    // Tab walks pipe, medium, then flow, row by row.
    SetTabChain({COM_Material, MateriInfiButton, BUT_EditRohrgeometrie, INP_IDM, ME_IDM, INP_Quer, ME_QUER, INP_Rauh,
                 ME_Rauh, FIX_Quer, COM_Medium, MediInfoButton, INP_FluidTemp, ME_TEMP, INP_FluidDruck, INP_Dichte,
                 ME_Dichte, INP_Visk, ME_Visk, INP_ViskDYN, ME_ViskDYN, INP_veloc, ME_VELOC, FIX_VELOC, INP_Volume,
                 CBX_ME_VOLUME, FIX_Volume, INP_MassFl, ME_MASSFL, BUT_Application, Button2, BUT_Berechnen,
                 HOTSPOT_Kalfaktor});
}

void TXmeCalcDlg::ConnectHandlers()
{
    // Every edit of the window, for the command shortcuts (see eventFilter).
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    for (int i = 0; i < QuantityCount; ++i) {
        if (QComboBox* box = unitBoxes_[i]) {
            const auto quantity = static_cast<TQuantity>(i);
            connect(box, &QComboBox::activated, this, [this, quantity] { UnitBoxChanged(quantity); });
        }
    }
    connect(FIX_VELOC, &QCheckBox::toggled, this, [this](bool checked) { FIXCLICK(FIX_VELOC, checked); });
    connect(FIX_Quer, &QCheckBox::toggled, this, [this](bool checked) { FIXCLICK(FIX_Quer, checked); });
    connect(FIX_Volume, &QCheckBox::toggled, this, [this](bool checked) { FIXCLICK(FIX_Volume, checked); });
    connect(COM_Medium, &QComboBox::activated, this, [this] { COM_MediumChange(); });
    connect(COM_Material, &QComboBox::activated, this, [this] { COM_MaterialChange(); });

    connect(BUT_Berechnen, &QPushButton::clicked, this, [this] { CommitActiveEdit(); });
    connect(HOTSPOT_Kalfaktor, &QPushButton::clicked, this, [this] { HOTSPOT_KalfaktorClick(); });
    connect(KalfaktorPane, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(KalfaktorPane->mapToGlobal(at)); });
    connect(DerKalfaktor1, &QAction::triggered, this, [this] {
        // Leaving the edit takes a typed value over.
        BUT_Application->setFocus(Qt::OtherFocusReason);
        ShowCalibrationFactorChart(this, Point.InnerDiameter(), Point.KinViscosity(), Point.Roughness(),
                                   Point.ReynoldsLam(), Point.ReynoldsTurb());
    });
    connect(MediInfoButton, &QPushButton::clicked, this, [this] {
        BUT_Application->setFocus(Qt::OtherFocusReason);
        ShowMediumInfo();
    });
    connect(MateriInfiButton, &QPushButton::clicked, this, [this] {
        BUT_Application->setFocus(Qt::OtherFocusReason);
        ShowMaterialInfo();
    });
    connect(BUT_EditRohrgeometrie, &QPushButton::clicked, ACT_EditRohrGeometrie, &QAction::trigger);
    connect(ACT_EditRohrGeometrie, &QAction::triggered, this, [this] { ACT_EditRohrGeometrieExecute(); });
    connect(ACT_SensorAbstand, &QAction::triggered, this, [this] { RunSpacingDialog(*this); });
    connect(BUT_Application, &QPushButton::clicked, ACT_SensorAbstand, &QAction::trigger);
    connect(ACT_Report, &QAction::triggered, this, [this] { RunReportCommand(*this); });
    connect(ACT_Info, &QAction::triggered, this, [this] { ShowAboutBox(this); });
    connect(ACT_Beenden, &QAction::triggered, this, &QWidget::close);
    connect(ACT_Standardwerte, &QAction::triggered, this, [this] { ACT_StandardwerteExecute(); });
    connect(ACT_ViskDynamic, &QAction::triggered, this, [this] { ACT_ViskDynamicExecute(); });
    connect(ACT_ViskKinematic, &QAction::triggered, this, [this] { ACT_ViskKinematicExecute(); });
    connect(ACT_SpracheGerman, &QAction::triggered, this, [this] { SetLanguageById(7); });
    connect(ACT_SpracheENGLISH, &QAction::triggered, this, [this] { SetLanguageById(9); });
    connect(ACT_ToggleSprache, &QAction::triggered, this, [this] { Sprache1Click(); });
    connect(Button2, &QPushButton::clicked, ACT_NormalizedVolumeflow, &QAction::trigger);
}

void TXmeCalcDlg::FillUnitBox(TQuantity quantity)
{
    QComboBox* box = UnitBoxOf(quantity);
    box->clear();
    for (int i = 0; i < UnitCount(quantity); ++i)
        box->addItem(UnitName(quantity, i), i);
}

void TXmeCalcDlg::FillVolumeUnitBox()
{
    // The box lists the units in their own order; each item carries its unit identifier.
    CBX_ME_VOLUME->clear();
    for (const std::uint8_t id : VolumeFlowUnitOrder)
        CBX_ME_VOLUME->addItem(UnitName(TQuantity::VolumeFlow, id), int(id));
}

void TXmeCalcDlg::FormCreate(const QString& programPath)
{
    TMultilingualForm::FormCreate();
    if (DetectOemVariant(programPath))
        IsOemVariant = 0;
    // The default-values options object comes with the default-values file.
    BUT_EditRohrgeometrie->setText(QString());
    if (IsOemVariant) {
        IMG_LOGO->hide();
        IMG_BrandolfLogo->show();
        ACT_Info->setIcon(ActionImage(31));
        QCoreApplication::setApplicationName(QStringLiteral("VK_RT"));
        setWindowTitle(QCoreApplication::applicationName());
        BACK_Berechnen->hide();
    }
    Point.SetOemVariant(IsOemVariant != 0);
    Point.SensorType = 0;

    FillUnitBox(TQuantity::Velocity);
    FillUnitBox(TQuantity::InnerDiameter);
    FillUnitBox(TQuantity::CrossSection);
    FillUnitBox(TQuantity::Roughness);
    FillVolumeUnitBox();
    FillLibraryLists();
    FillUnitBox(TQuantity::MassFlow);
    FillUnitBox(TQuantity::Density);
    FillUnitBox(TQuantity::KinViscosity);
    FillUnitBox(TQuantity::DynViscosity);
    FillUnitBox(TQuantity::Temperature);

    Point.SetStandardValues();
    Render(true);
    Point.CreateFinished = 1;
    Commands = new TXmeCalcCommands(*this);
}

// ---------------------------------------------------------------- library lists

void TXmeCalcDlg::SelectListId(QComboBox* list, int id)
{
    int index = list->findData(id);
    if (index < 0)
        index = 0;  // the other-material / other-medium entry comes first
    list->setCurrentIndex(list->count() > 0 ? index : -1);
}

void TXmeCalcDlg::FillLibraryLists()
{
    if (Translator && Translator->Dictionary())
        FirmwareLanguageIndex = CurrentLanguageId() == 7 ? 0 : 7;

    auto fill = [this](QComboBox* list, const std::vector<int>& ids, bool material) {
        const QVariant selected = list->currentIndex() >= 0 ? list->currentData() : QVariant();
        const QSignalBlocker block(list);
        list->clear();
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const auto id = static_cast<std::uint16_t>(ids[i]);
            const QString name = material ? MaterialName(id) : MediumName(id);
            list->addItem(i == 0 ? QStringLiteral("_") + TranslateString(name) : name, ids[i]);
        }
        if (selected.isValid())
            SelectListId(list, selected.toInt());
        else
            list->setCurrentIndex(-1);
    };
    fill(COM_Material, TMeasuringPoint::ListedMaterialIds(), true);
    fill(COM_Medium, TMeasuringPoint::ListedMediumIds(IsOemVariant != 0), false);
}

// ---------------------------------------------------------------- display

void TXmeCalcDlg::Render(bool forgetTyping)
{
    const TPointSnapshot snapshot = Point.Snapshot([this](const QString& text) { return TranslateString(text); });
    RenderEdits(snapshot, forgetTyping);
    RenderPanels(snapshot);
    RenderSelections(snapshot);
    RenderMarkers(snapshot.Markers);
}

void TXmeCalcDlg::RenderEdits(const TPointSnapshot& snapshot, bool forgetTyping)
{
    for (int q = 0; q < QuantityCount; ++q) {
        QLineEdit* edit = edits_[q];
        if (edit->isReadOnly() != snapshot.ReadOnly[q])
            edit->setReadOnly(snapshot.ReadOnly[q]);
        // A typed, uncommitted or rejected text is the user's until it is committed or
        // restored.
        if (forgetTyping)
            edit->setModified(false);
        if (edit->isModified() || edit->text() == snapshot.EditTexts[q])
            continue;
        const QSignalBlocker block(edit);
        edit->setText(snapshot.EditTexts[q]);
    }
    for (int q = 0; q < QuantityCount; ++q) {
        QComboBox* box = unitBoxes_[q];
        if (!box)
            continue;
        const int position =
            q == Q(TQuantity::VolumeFlow) ? box->findData(snapshot.Units[q]) : snapshot.Units[q];
        if (box->currentIndex() != position) {
            const QSignalBlocker block(box);
            box->setCurrentIndex(position);
        }
    }
}

void TXmeCalcDlg::RenderPanels(const TPointSnapshot& snapshot)
{
    auto show = [](QLabel* label, const QString& text, std::uint32_t color) {
        if (label->text() != text)
            label->setText(text);
        if (label->palette().color(QPalette::WindowText) != ColorFromTColor(color))
            SetTextColor(label, color);
    };
    for (int i = 0; i < PanelCount; ++i)
        show(panels_[i], snapshot.Panels[i].Caption, snapshot.Panels[i].Color);
    const TResultPane& result = snapshot.Result;
    show(ShLab_LamiTurbo, result.LamiTurbo, result.LamiTurboColor);
    for (QLabel* label : {ShLab_Veloc, ShLab_Kalfaktor, ShLab_Reynold, ShLab_Reynold2})
        label->setVisible(result.ValuesVisible);
    show(ShLab_Veloc, result.Veloc, PanelBlack);
    show(ShLab_Kalfaktor, result.Kalfaktor, PanelBlack);
    show(ShLab_Reynold, result.Reynold, PanelBlack);
    show(ShLab_Reynold2, result.Reynold2, PanelBlack);
}

void TXmeCalcDlg::RenderSelections(const TPointSnapshot& snapshot)
{
    if (COM_Medium->currentData().toInt() != snapshot.MediumId || COM_Medium->currentIndex() < 0) {
        const QSignalBlocker block(COM_Medium);
        SelectListId(COM_Medium, snapshot.MediumId);
    }
    if (COM_Material->currentData().toInt() != snapshot.MaterialId || COM_Material->currentIndex() < 0) {
        const QSignalBlocker block(COM_Material);
        SelectListId(COM_Material, snapshot.MaterialId);
    }
    {
        const QSignalBlocker blockVeloc(FIX_VELOC);
        const QSignalBlocker blockQuer(FIX_Quer);
        const QSignalBlocker blockVolume(FIX_Volume);
        FIX_VELOC->setChecked(snapshot.Hold == THold::Velocity);
        FIX_Quer->setChecked(snapshot.Hold == THold::CrossSection);
        FIX_Volume->setChecked(snapshot.Hold == THold::Volume);
    }
    PANGRP_DRUCK->setVisible(snapshot.PressureGroupVisible);
    PANGRP_VISKDYN->setVisible(snapshot.DynViscosityVisible);
    PANGRP_VISKKIN->setVisible(!snapshot.DynViscosityVisible);
    (snapshot.DynViscosityVisible ? ACT_ViskDynamic : ACT_ViskKinematic)->setChecked(true);
    ACT_ViskDynamic->setEnabled(!snapshot.DynViscosityVisible);
    ACT_ViskKinematic->setEnabled(snapshot.DynViscosityVisible);
    PAN_AllAREA->setVisible(snapshot.CrossSectionGroupVisible);
}

void TXmeCalcDlg::SetEditColor(QWidget* control, TEditColor color)
{
    QColor base = QApplication::palette(control).color(QPalette::Base);
    switch (color) {
    case TEditColor::Window:
        break;
    case TEditColor::Held:
        base = ColorFromTColor(0xC0C0C0);
        break;
    case TEditColor::Marked:
        base = ColorFromTColor(clAqua);
        break;
    case TEditColor::Focused:
        base = ColorFromTColor(clYellow);
        break;
    }
    if (control->palette().color(QPalette::Base) == base)
        return;
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, base);
    if (qobject_cast<QComboBox*>(control))
        palette.setColor(QPalette::Button, color == TEditColor::Window
                                               ? QApplication::palette(control).color(QPalette::Button)
                                               : base);
    control->setPalette(palette);
}

void TXmeCalcDlg::RenderMarkers(const TMarkerState& state)
{
    auto mark = [](QLabel* marker, bool visible) {
        if (marker->isHidden() == visible)
            marker->setVisible(visible);
    };
    mark(ResIs_Veloc, state.ResIs_Veloc);
    mark(ResIs_VOLUME, state.ResIs_VOLUME);
    mark(ResIs_MassFL, state.ResIs_MassFL);
    mark(ResIs_IDM, state.ResIs_IDM);
    mark(ResIs_QUER, state.ResIs_QUER);
    mark(ResIs_Dichte, state.ResIs_Dichte);
    SetEditColor(INP_veloc, state.INP_veloc);
    SetEditColor(INP_IDM, state.INP_IDM);
    SetEditColor(INP_Quer, state.INP_Quer);
    SetEditColor(INP_Volume, state.INP_Volume);
    SetEditColor(INP_Dichte, state.INP_Dichte);
    SetEditColor(INP_MassFl, state.INP_MassFl);
    SetEditColor(COM_Material, state.COM_Material);
    SetEditColor(COM_Medium, state.COM_Medium);
    if (BACK_Berechnen->palette().color(QPalette::Window) != ColorFromTColor(state.BackColor)) {
        SetBackColor(BACK_Berechnen, state.BackColor);
    }
}

// ---------------------------------------------------------------- input

int TXmeCalcDlg::QuantityIndexOfEdit(const QObject* edit) const
{
    for (int i = 0; i < QuantityCount; ++i)
        if (edits_[i] == edit)
            return i;
    return -1;
}

void TXmeCalcDlg::ExitHandler(TQuantity quantity)
{
    QLineEdit* edit = EditOf(quantity);
    ApplyInputResult(quantity, Point.CommitEdit(quantity, edit->text()));
    Render();
}

void TXmeCalcDlg::ApplyInputResult(TQuantity quantity, const TInputResult& result)
{
    QLineEdit* edit = EditOf(quantity);
    if (result.ReplaceEmptyText && edit->text().isEmpty()) {
        const QSignalBlocker block(edit);
        edit->setText(QStringLiteral("0"));
        edit->setModified(true);
    }
    // A rejected text stays (the panel says why); a taken one gives way to the stored value.
    if (result.Accepted)
        edit->setModified(false);
    if (result.FocusBack)
        ReturnFocusLater(edit, TFocusReturn::SelectAll);
}

void TXmeCalcDlg::CommitActiveEdit()
{
    auto* edit = qobject_cast<QLineEdit*>(focusWidget());
    const int index = edit ? QuantityIndexOfEdit(edit) : -1;
    if (index < 0)
        return;
    ExitHandler(static_cast<TQuantity>(index));
    edit->selectAll();
    edit->setFocus(Qt::OtherFocusReason);
}

void TXmeCalcDlg::EnterHandler(QLineEdit* edit)
{
    if (edit == INP_veloc)
        Point.EnterControl(TFocusTarget::Velocity);
    else if (edit == INP_Volume)
        Point.EnterControl(TFocusTarget::Volume);
    else if (edit == INP_IDM)
        Point.EnterControl(TFocusTarget::InnerDiameter);
    else if (edit == INP_Quer)
        Point.EnterControl(TFocusTarget::CrossSection);
    else if (edit == INP_Dichte)
        Point.AnyEditGetFocus(TFocusTarget::Density);
    else if (edit == INP_MassFl)
        Point.AnyEditGetFocus(TFocusTarget::MassFlow);
    else
        return;
    Render();
}

bool TXmeCalcDlg::AnyINP_ESC(QLineEdit* edit, int key)
{
    const int index = QuantityIndexOfEdit(edit);
    if (index < 0)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        CommitActiveEdit();
        return true;
    }
    if (key == Qt::Key_Escape) {
        edit->setModified(false);
        Point.DiscardInput(static_cast<TQuantity>(index));
        Render();
        return true;
    }
    return false;
}

bool TXmeCalcDlg::FormKeyDown(QLineEdit* edit, int key)
{
    if (key != Qt::Key_PageUp && key != Qt::Key_PageDown)
        return false;
    const int index = QuantityIndexOfEdit(edit);
    QComboBox* box = index >= 0 ? unitBoxes_[index] : nullptr;
    if (!box)
        return true;
    // The step follows the box's own order (the volume-flow box lists its units out of
    // table order), then the box's change handler rewrites the edit.
    const int position = box->currentIndex() + (key == Qt::Key_PageUp ? -1 : +1);
    if (position < 0 || position >= box->count())
        return true;
    {
        const QSignalBlocker block(box);
        box->setCurrentIndex(position);
    }
    UnitBoxChanged(static_cast<TQuantity>(index));
    return true;
}

void TXmeCalcDlg::UnitBoxChanged(TQuantity quantity)
{
    QComboBox* box = UnitBoxOf(quantity);
    if (quantity == TQuantity::VolumeFlow)
        Point.SelectUnit(quantity, box->currentData().toInt());
    else
        Point.SelectUnit(quantity, box->currentIndex());
    if (quantity == TQuantity::Velocity)
        Point.RefreshAllDisplays();
    // The edit is rewritten in the new unit, whatever was typed in it.
    EditOf(quantity)->setModified(false);
    Point.DiscardInput(quantity);
    Render();
}

void TXmeCalcDlg::FIXCLICK(QCheckBox* sender, bool checked)
{
    if (!Point.CreateFinished)
        return;
    const THold box = sender == FIX_VELOC ? THold::Velocity : sender == FIX_Quer ? THold::CrossSection : THold::Volume;
    Point.ClickHold(box, checked);
    Render();
}

void TXmeCalcDlg::COM_MediumChange()
{
    Point.SelectMedium(COM_Medium->currentData().toInt());
    Render();
}

void TXmeCalcDlg::COM_MaterialChange()
{
    Point.SelectMaterial(COM_Material->currentData().toInt());
    Render();
}

void TXmeCalcDlg::COM_MaterialDropDown()
{
    if (Point.Hold() == THold::CrossSection)
        Point.ClickHold(THold::CrossSection, false);
    Render();
}

void TXmeCalcDlg::MarkFocus(TFocusTarget target)
{
    Point.AnyEditGetFocus(target);
    Render();
}

void TXmeCalcDlg::ACT_StandardwerteExecute()
{
    Point.SetStandardValues();
    Commands->LoadDefaultValues();
    KeepFocusMarks();
    Render(true);
}

void TXmeCalcDlg::KeepFocusMarks()
{
    // The focus has not moved (a file load would say the volume flow).
    if (const TFocusTarget focused = FocusTargetOf(focusWidget()); focused != TFocusTarget::Other)
        Point.AnyEditGetFocus(focused);
}

TFocusTarget TXmeCalcDlg::FocusTargetOf(const QWidget* control) const
{
    const std::pair<const QWidget*, TFocusTarget> targets[] = {
        {INP_veloc, TFocusTarget::Velocity}, {INP_IDM, TFocusTarget::InnerDiameter},
        {INP_Quer, TFocusTarget::CrossSection}, {INP_Volume, TFocusTarget::Volume},
        {INP_Dichte, TFocusTarget::Density}, {INP_MassFl, TFocusTarget::MassFlow},
        {COM_Medium, TFocusTarget::Medium}};
    for (const auto& [widget, target] : targets)
        if (control && widget == control)
            return target;
    return TFocusTarget::Other;
}

void TXmeCalcDlg::ShowLanguageImage()
{
    ACT_ToggleSprache->setIcon(ActionImage(LanguageImageIndex(CurrentLanguageId())));
}

void TXmeCalcDlg::showEvent(QShowEvent* event)
{
    TMultilingualForm::showEvent(event);
    Commands->FirstShow();
    ShowLanguageImage();
}

void TXmeCalcDlg::closeEvent(QCloseEvent* event)
{
    BUT_Application->setFocus(Qt::OtherFocusReason);
    CommitActiveEdit();
    // A settings file that cannot be written is reported; the program closes all the same.
    Commands->SaveSettings();
    TMultilingualForm::closeEvent(event);
}

bool TXmeCalcDlg::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const int index = edit ? QuantityIndexOfEdit(edit) : -1;
    switch (event->type()) {
    case QEvent::Show:
        // The lists' drop-downs, however they are opened (mouse, Alt+Down, F4).
        if (!COM_Medium || !COM_Material || FocusReturnActive())
            break;
        if (watched == COM_Medium->view()->window())
            MarkFocus(TFocusTarget::Medium);
        else if (watched == COM_Material->view()->window())
            COM_MaterialDropDown();
        break;
    case QEvent::FocusOut:
        // While a rejected edit takes its focus back, the control the focus passed through
        // was never really left: its exit handler would overwrite the rejection's message.
        if (index >= 0 && IsUserFocusChange(static_cast<QFocusEvent*>(event)))
            ExitHandler(static_cast<TQuantity>(index));
        break;
    case QEvent::FocusIn:
        // Nor was it entered: its enter handler would release a hold behind the user's back.
        if (!IsUserFocusChange(static_cast<QFocusEvent*>(event)))
            break;
        if (index >= 0)
            EnterHandler(edit);
        else if (watched == COM_Medium)
            MarkFocus(TFocusTarget::Medium);
        break;
    case QEvent::ShortcutOverride:
        // An edit would take Ctrl+A as "select all": the window's commands come first, and
        // only the keys they claim are taken from the edit.
        if (edit && CommandClaims(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (index >= 0) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (AnyINP_ESC(edit, key) || FormKeyDown(edit, key))
                return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched == GRP_VELOC) {
            Point.EnterControl(TFocusTarget::Velocity);
            Render();
        } else if (watched == GRP_VOLUME) {
            Point.EnterControl(TFocusTarget::Volume);
            Render();
        } else if (watched == GRP_DasRohr) {
            // Releases the pipe hold; the group itself shows no markers.
            Point.EnterControl(TFocusTarget::InnerDiameter);
            MarkFocus(TFocusTarget::Other);
        } else if (watched == GRP_DasMedium || watched == GRP_MASSFL) {
            MarkFocus(TFocusTarget::Other);
        } else if (watched == KalfaktorPane && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            HOTSPOT_KalfaktorClick();
            return true;
        } else if (watched == IMG_LOGO || watched == IMG_BrandolfLogo) {
            ACT_Info->trigger();
            return true;
        } else if (watched == LAB_SimpleReynold && Point.ReynoldsDetails) {
            HOTSPOT_KalfaktorClick();
            return true;
        }
        break;
    default:
        break;
    }
    return TMultilingualForm::eventFilter(watched, event);
}

bool TXmeCalcDlg::CommandClaims(const QKeyEvent& key) const
{
    const QKeySequence pressed(key.keyCombination());
    const auto commands = findChildren<QAction*>(Qt::FindDirectChildrenOnly);
    return std::any_of(commands.begin(), commands.end(), [&pressed](const QAction* action) {
        return action->isEnabled() && action->isVisible() && action->shortcuts().contains(pressed);
    });
}

void TXmeCalcDlg::keyPressEvent(QKeyEvent* event)
{
    // Esc belongs to the edits; the main window does not close on it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    TMultilingualForm::keyPressEvent(event);
}

// ---------------------------------------------------------------- commands

void TXmeCalcDlg::SendLineParams()
{
    CommitActiveEdit();
    TReynolDLG* dialog = ReynolDLG();
    if (!dialog)
        return;
    const int velocityUnit = Point.UnitIndex(TQuantity::Velocity);
    const int lengthUnit = Point.UnitIndex(TQuantity::InnerDiameter);
    const int roughnessUnit = Point.UnitIndex(TQuantity::Roughness);
    const int viscosityUnit = Point.UnitIndex(TQuantity::KinViscosity);
    // The limits are the measuring point's; the dialog shows and edits them.
    dialog->SetReynoldsLam(Point.ReynoldsLam());
    dialog->SetReynoldsTurb(Point.ReynoldsTurb());
    TLineParams params;
    params.ViscosityUnitName = UnitName(TQuantity::KinViscosity, viscosityUnit);
    params.LengthUnitName = UnitName(TQuantity::InnerDiameter, lengthUnit);
    params.VelocityUnitName = UnitName(TQuantity::Velocity, velocityUnit);
    params.VelocityDigits = UnitDecimals(TQuantity::Velocity, velocityUnit);
    params.VelocityFactor = UnitFactor(TQuantity::Velocity, velocityUnit);
    params.RoughnessUnitName = UnitName(TQuantity::Roughness, roughnessUnit);
    params.RoughnessFactor = UnitFactor(TQuantity::Roughness, roughnessUnit);
    params.Roughness = Point.Roughness();
    params.LengthFactor = UnitFactor(TQuantity::InnerDiameter, lengthUnit);
    params.InnerDiameter = Point.InnerDiameter();
    params.ViscosityFactor = UnitFactor(TQuantity::KinViscosity, viscosityUnit);
    params.KinViscosity = Point.KinViscosity();
    dialog->SetLineParams(params);
}

void TXmeCalcDlg::HOTSPOT_KalfaktorClick()
{
    SendLineParams();
    TReynolDLG* dialog = ReynolDLG();
    if (!dialog)
        return;
    const int result = dialog->ShowDialog();
    Point.SetReynoldsLimits(dialog->ReynoldsLam(), dialog->ReynoldsTurb());
    if (result == TFlowProfileLimits::AdoptLaminarResult || result == TFlowProfileLimits::AdoptTurbulentResult) {
        const double velocity =
            result == TFlowProfileLimits::AdoptLaminarResult ? dialog->VelocityLam() : dialog->VelocityTurb();
        Point.EnterControl(TFocusTarget::Velocity);
        ApplyInputResult(TQuantity::Velocity, Point.ApplyValue(TQuantity::Velocity, velocity));
    }
    // The window gets the focus back by activation, which runs no enter handler: the
    // velocity field is entered here, whatever the dialog's result (markers, read-only).
    INP_veloc->setFocus(Qt::OtherFocusReason);
    EnterHandler(INP_veloc);
    CommitActiveEdit();
}

void TXmeCalcDlg::ShowMediumInfo()
{
    ShowMediumNames(Point.GetMediumId(), Point.ViewMode);
    if (Point.GetMediumId() != OtherMediumId && Point.ViewMode != 0)
        ShowMediumChart(std::uint16_t(Point.GetMediumId()), Point.Pressure(), Point.PressureGroupVisible());
}

void TXmeCalcDlg::ShowMaterialInfo()
{
    ShowMaterialNames(Point.GetMaterialId());
}

void TXmeCalcDlg::ACT_EditRohrGeometrieExecute()
{
    if (const auto result = EditPipeGeometry(Point, Point.UnitIndex(TQuantity::InnerDiameter))) {
        ApplyInputResult(TQuantity::InnerDiameter, *result);
        Render();
        // As after the flow-profile dialog: the focus comes back by activation (or never
        // left the field), so the enter handler is run here.
        INP_Volume->setFocus(Qt::OtherFocusReason);
        EnterHandler(INP_Volume);
    }
}

void TXmeCalcDlg::ACT_ViskDynamicExecute()
{
    Point.SetDynViscosityVisible(true);
    Render();
}

void TXmeCalcDlg::ACT_ViskKinematicExecute()
{
    Point.SetDynViscosityVisible(false);
    Render();
}

TXmeCalcDlg* XmeCalcDlg()
{
    return TFormRegistry::Lookup<TXmeCalcDlg>();
}
