#include "calculator/Xmecalc.h"

#include "calculator/AboutQuelvar.h"
#include "calculator/FormRegistry.h"
#include "calculator/Logos.h"
#include "calculator/NamensListe.h"
#include "calculator/OemDetect.h"
#include "calculator/Reynlimi.h"
#include "calculator/Rohgeometrie.h"
#include "platform/Colors.h"
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
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int Q(TQuantity quantity) { return static_cast<int>(quantity); }

// Focus changes from window activation or popups are not the user leaving or entering.
bool IsUserFocusChange(const QEvent* event)
{
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void SetTextColor(QWidget* widget, std::uint32_t color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ColorFromTColor(color));
    widget->setPalette(palette);
}

// Every row of a group shares these widths, so the columns line up across groups.
struct TColumns {
    int Caption = 0;
    int Edit = 0;
    int Unit = 0;
    int Panel = 0;
};

TColumns ColumnWidths(const QFontMetrics& metrics)
{
    TColumns columns;
    columns.Caption = metrics.horizontalAdvance(QStringLiteral("Innendurchmesser ")) + 8;
    columns.Edit = metrics.horizontalAdvance(QStringLiteral("-0000000.000")) + 12;
    columns.Unit = metrics.horizontalAdvance(QStringLiteral("US-Mgal/day")) + 36;
    columns.Panel = metrics.horizontalAdvance(QStringLiteral("kinematic =0000.00 mm²/s")) + 12;
    return columns;
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
    CreateControls();
    ConnectHandlers();
    FormCreate(programPath);
}

TXmeCalcDlg::~TXmeCalcDlg()
{
    Point.SetView(nullptr);
}

// ---------------------------------------------------------------- construction

QLineEdit* TXmeCalcDlg::AddEdit(TQuantity quantity, const char* name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAlignment(Qt::AlignRight);
    edit->installEventFilter(this);
    edits_[Q(quantity)] = edit;
    return edit;
}

QComboBox* TXmeCalcDlg::AddUnitBox(TQuantity quantity, const char* name)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    unitBoxes_[Q(quantity)] = box;
    return box;
}

QLabel* TXmeCalcDlg::AddPanel(TPanel panel, const char* name)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panels_[static_cast<int>(panel)] = label;
    return label;
}

void TXmeCalcDlg::CreateActions()
{
    auto action = [this](QAction*& field, const char* name, const QString& caption) {
        field = new QAction(caption, this);
        field->setObjectName(QString::fromLatin1(name));
    };
    action(ACT_OpenQVFile, "ACT_OpenQVFile", QStringLiteral("Öffnen"));
    ACT_OpenQVFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    action(ACT_SaveToQVFile, "ACT_SaveToQVFile", QStringLiteral("Speichern"));
    ACT_SaveToQVFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    action(ACT_SaveAsDefault, "ACT_SaveAsDefault", QStringLiteral("Save as 'Default values'"));
    action(ACT_Report, "ACT_Report", QStringLiteral("Re&port"));
    ACT_Report->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    action(ACT_Beenden, "ACT_Beenden", QStringLiteral("Beenden"));
    ACT_Beenden->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    action(ACT_EditRohrGeometrie, "ACT_EditRohrGeometrie", QStringLiteral("Rohr-Geometrie"));
    ACT_EditRohrGeometrie->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action(ACT_SensorAbstand, "ACT_SensorAbstand", QStringLiteral("&Applikation"));
    ACT_SensorAbstand->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    action(ACT_NormalizedVolumeflow, "ACT_NormalizedVolumeflow", QStringLiteral("Normalized volumeflow"));
    ACT_NormalizedVolumeflow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    action(ACT_Standardwerte, "ACT_Standardwerte", QStringLiteral("Standardwerte"));
    action(ACT_DefaultFileOptions, "ACT_DefaultFileOptions", QStringLiteral("Options 'Default values'"));
    action(ACT_SpracheENGLISH, "ACT_SpracheENGLISH", QStringLiteral("English"));
    action(ACT_SpracheGerman, "ACT_SpracheGerman", QStringLiteral("Deutsch"));
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

void TXmeCalcDlg::CreateControls()
{
    const TColumns columns = ColumnWidths(fontMetrics());

    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    QMenu* file = MainMenu->addMenu(QStringLiteral("Datei"));
    file->addActions({ACT_OpenQVFile, ACT_SaveToQVFile, ACT_SaveAsDefault, ACT_Report});
    file->addSeparator();
    file->addAction(ACT_Beenden);
    QMenu* edit = MainMenu->addMenu(QStringLiteral("Bearbeiten"));
    edit->addActions({ACT_EditRohrGeometrie, ACT_SensorAbstand, ACT_NormalizedVolumeflow});
    edit->addSeparator();
    edit->addAction(ACT_Standardwerte);
    QMenu* options = MainMenu->addMenu(QStringLiteral("Optionen"));
    options->addActions({ACT_SpracheENGLISH, ACT_SpracheGerman});
    options->addSeparator();
    options->addActions({ACT_ViskKinematic, ACT_ViskDynamic});
    options->addSeparator();
    options->addAction(ACT_DefaultFileOptions);
    QMenu* help = MainMenu->addMenu(QStringLiteral("Hilfe"));
    help->addAction(ACT_Info);
    layout()->setMenuBar(MainMenu);

    // One row: caption, "=?" marker, edit, unit box (or unit text), value panel.
    auto row = [&](QWidget* parent, const QString& caption, QLabel* marker, QLineEdit* editField,
                   QWidget* unit, QLabel* panel, int captionWidth = 0) {
        auto* widget = new QWidget(parent);
        auto* line = new QHBoxLayout(widget);
        line->setContentsMargins(0, 0, 0, 0);
        auto* text = new QLabel(caption, widget);
        text->setFixedWidth(captionWidth > 0 ? captionWidth : columns.Caption);
        // A click on a caption or a value panel is not a click on the group (which would
        // release a hold).
        text->setAttribute(Qt::WA_NoMousePropagation);
        line->addWidget(text);
        auto* markerSlot = new QWidget(widget);
        const int markerWidth = fontMetrics().horizontalAdvance(QStringLiteral("=?")) + 6;
        markerSlot->setFixedWidth(markerWidth);
        markerSlot->setAttribute(Qt::WA_NoMousePropagation);
        if (marker) {
            marker->setParent(markerSlot);
            marker->setFixedWidth(markerWidth);
        }
        line->addWidget(markerSlot);
        editField->setParent(widget);
        editField->setFixedWidth(columns.Edit);
        line->addWidget(editField);
        if (unit) {
            unit->setAttribute(Qt::WA_NoMousePropagation);
            unit->setParent(widget);
            unit->setFixedWidth(columns.Unit);
            line->addWidget(unit);
        } else {
            line->addSpacing(columns.Unit + line->spacing());
        }
        if (panel) {
            panel->setAttribute(Qt::WA_NoMousePropagation);
            panel->setParent(widget);
            panel->setFixedWidth(columns.Panel);
            line->addWidget(panel);
        } else {
            line->addSpacing(columns.Panel + line->spacing());
        }
        line->addStretch();
        return widget;
    };
    auto marker = [this](QLabel*& field, const char* name) {
        field = new QLabel(QStringLiteral("=?"), this);
        field->setObjectName(QString::fromLatin1(name));
        QFont bold = field->font();
        bold.setBold(true);
        field->setFont(bold);
        SetTextColor(field, clRed);
        field->hide();
    };
    auto holdBox = [this](QCheckBox*& field, const char* name) {
        field = new QCheckBox(QStringLiteral("fest"), this);
        field->setObjectName(QString::fromLatin1(name));
    };
    marker(ResIs_Veloc, "ResIs_Veloc");
    marker(ResIs_VOLUME, "ResIs_VOLUME");
    marker(ResIs_MassFL, "ResIs_MassFL");
    marker(ResIs_IDM, "ResIs_IDM");
    marker(ResIs_QUER, "ResIs_QUER");
    marker(ResIs_Dichte, "ResIs_Dichte");
    holdBox(FIX_VELOC, "FIX_VELOC");
    holdBox(FIX_Quer, "FIX_Quer");
    holdBox(FIX_Volume, "FIX_Volume");

    AddEdit(TQuantity::Velocity, "INP_veloc");
    AddEdit(TQuantity::VolumeFlow, "INP_Volume");
    AddEdit(TQuantity::MassFlow, "INP_MassFl");
    AddEdit(TQuantity::InnerDiameter, "INP_IDM");
    AddEdit(TQuantity::CrossSection, "INP_Quer");
    AddEdit(TQuantity::Roughness, "INP_Rauh");
    AddEdit(TQuantity::Density, "INP_Dichte");
    AddEdit(TQuantity::KinViscosity, "INP_Visk");
    AddEdit(TQuantity::DynViscosity, "INP_ViskDYN");
    AddEdit(TQuantity::Temperature, "INP_FluidTemp");
    AddEdit(TQuantity::Pressure, "INP_FluidDruck");
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

    ME_VELOC = AddUnitBox(TQuantity::Velocity, "ME_VELOC");
    CBX_ME_VOLUME = AddUnitBox(TQuantity::VolumeFlow, "CBX_ME_VOLUME");
    ME_MASSFL = AddUnitBox(TQuantity::MassFlow, "ME_MASSFL");
    ME_IDM = AddUnitBox(TQuantity::InnerDiameter, "ME_IDM");
    ME_QUER = AddUnitBox(TQuantity::CrossSection, "ME_QUER");
    ME_Rauh = AddUnitBox(TQuantity::Roughness, "ME_Rauh");
    ME_Dichte = AddUnitBox(TQuantity::Density, "ME_Dichte");
    ME_Visk = AddUnitBox(TQuantity::KinViscosity, "ME_Visk");
    ME_ViskDYN = AddUnitBox(TQuantity::DynViscosity, "ME_ViskDYN");
    ME_TEMP = AddUnitBox(TQuantity::Temperature, "ME_TEMP");

    PAN_Veloc = AddPanel(TPanel::Veloc, "PAN_Veloc");
    PAN_Volume = AddPanel(TPanel::Volume, "PAN_Volume");
    PAN_MassFl = AddPanel(TPanel::MassFl, "PAN_MassFl");
    PAN_IDM = AddPanel(TPanel::IDM, "PAN_IDM");
    PAN_QUER = AddPanel(TPanel::QUER, "PAN_QUER");
    PAN_Rauh = AddPanel(TPanel::Rauh, "PAN_Rauh");
    PAN_Dichte = AddPanel(TPanel::Dichte, "PAN_Dichte");
    PAN_Visk = AddPanel(TPanel::Visk, "PAN_Visk");
    PAN_ViskDYN = AddPanel(TPanel::ViskDYN, "PAN_ViskDYN");
    PAN_FluidTempDruck = AddPanel(TPanel::FluidTempDruck, "PAN_FluidTempDruck");

    // ---- The pipe.
    GRP_DasRohr = new QGroupBox(QStringLiteral("Das Rohr"), this);
    GRP_DasRohr->setObjectName(QStringLiteral("GRP_DasRohr"));
    auto* pipe = new QVBoxLayout(GRP_DasRohr);
    {
        auto* materialRow = new QHBoxLayout;
        materialRow->addWidget(new QLabel(QStringLiteral("Material"), GRP_DasRohr));
        COM_Material = new QComboBox(GRP_DasRohr);
        COM_Material->setObjectName(QStringLiteral("COM_Material"));
        COM_Material->setMinimumContentsLength(18);
        COM_Material->installEventFilter(this);
        COM_Material->view()->window()->installEventFilter(this);
        materialRow->addWidget(COM_Material, 1);
        MateriInfiButton = new QPushButton(QStringLiteral("Info"), GRP_DasRohr);
        MateriInfiButton->setObjectName(QStringLiteral("MateriInfiButton"));
        materialRow->addWidget(MateriInfiButton);
        BUT_EditRohrgeometrie = new QPushButton(QStringLiteral("Rohr-Geometrie"), GRP_DasRohr);
        BUT_EditRohrgeometrie->setObjectName(QStringLiteral("BUT_EditRohrgeometrie"));
        BUT_EditRohrgeometrie->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
        BUT_EditRohrgeometrie->setToolTip(QStringLiteral("Rohr-Geometrie"));
        materialRow->addWidget(BUT_EditRohrgeometrie);
        pipe->addLayout(materialRow);
    }
    auto* diameterRow = new QHBoxLayout;
    diameterRow->setContentsMargins(0, 0, 0, 0);
    diameterRow->addWidget(row(GRP_DasRohr, QStringLiteral("Innendurchmesser"), ResIs_IDM, INP_IDM, ME_IDM, PAN_IDM));
    pipe->addLayout(diameterRow);
    PAN_AllAREA = new QWidget(GRP_DasRohr);
    PAN_AllAREA->setObjectName(QStringLiteral("PAN_AllAREA"));
    {
        auto* area = new QHBoxLayout(PAN_AllAREA);
        area->setContentsMargins(0, 0, 0, 0);
        area->addWidget(row(PAN_AllAREA, QStringLiteral("Querschnitt"), ResIs_QUER, INP_Quer, ME_QUER, PAN_QUER));
    }
    pipe->addWidget(PAN_AllAREA);
    pipe->addWidget(row(GRP_DasRohr, QStringLiteral("Rauhigkeit"), nullptr, INP_Rauh, ME_Rauh, PAN_Rauh));
    {
        auto* holdRow = new QHBoxLayout;
        holdRow->addStretch();
        FIX_Quer->setParent(GRP_DasRohr);
        FIX_Quer->setText(QStringLiteral("Rohr fest"));
        holdRow->addWidget(FIX_Quer);
        pipe->addLayout(holdRow);
    }

    // ---- The medium.
    GRP_DasMedium = new QGroupBox(QStringLiteral("Das Medium"), this);
    GRP_DasMedium->setObjectName(QStringLiteral("GRP_DasMedium"));
    auto* medium = new QVBoxLayout(GRP_DasMedium);
    {
        auto* mediumRow = new QHBoxLayout;
        mediumRow->addWidget(new QLabel(QStringLiteral("Medium"), GRP_DasMedium));
        COM_Medium = new QComboBox(GRP_DasMedium);
        COM_Medium->setObjectName(QStringLiteral("COM_Medium"));
        COM_Medium->setMinimumContentsLength(18);
        COM_Medium->installEventFilter(this);
        COM_Medium->view()->window()->installEventFilter(this);
        mediumRow->addWidget(COM_Medium, 1);
        MediInfoButton = new QPushButton(QStringLiteral("Info"), GRP_DasMedium);
        MediInfoButton->setObjectName(QStringLiteral("MediInfoButton"));
        mediumRow->addWidget(MediInfoButton);
        medium->addLayout(mediumRow);
    }
    medium->addWidget(row(GRP_DasMedium, QStringLiteral("Temperatur"), nullptr, INP_FluidTemp, ME_TEMP, PAN_FluidTempDruck));
    PANGRP_DRUCK = new QWidget(GRP_DasMedium);
    PANGRP_DRUCK->setObjectName(QStringLiteral("PANGRP_DRUCK"));
    {
        auto* pressure = new QHBoxLayout(PANGRP_DRUCK);
        pressure->setContentsMargins(0, 0, 0, 0);
        auto* bar = new QLabel(QStringLiteral("bar"), PANGRP_DRUCK);
        pressure->addWidget(row(PANGRP_DRUCK, QStringLiteral("Druck"), nullptr, INP_FluidDruck, bar, nullptr));
    }
    medium->addWidget(PANGRP_DRUCK);
    medium->addWidget(row(GRP_DasMedium, QStringLiteral("Dichte"), ResIs_Dichte, INP_Dichte, ME_Dichte, PAN_Dichte));
    PANGRP_VISKKIN = new QWidget(GRP_DasMedium);
    PANGRP_VISKKIN->setObjectName(QStringLiteral("PANGRP_VISKKIN"));
    {
        auto* kin = new QHBoxLayout(PANGRP_VISKKIN);
        kin->setContentsMargins(0, 0, 0, 0);
        kin->addWidget(row(PANGRP_VISKKIN, QStringLiteral("Viskosität"), nullptr, INP_Visk, ME_Visk, PAN_Visk));
    }
    PANGRP_VISKDYN = new QWidget(GRP_DasMedium);
    PANGRP_VISKDYN->setObjectName(QStringLiteral("PANGRP_VISKDYN"));
    {
        auto* dyn = new QHBoxLayout(PANGRP_VISKDYN);
        dyn->setContentsMargins(0, 0, 0, 0);
        dyn->addWidget(row(PANGRP_VISKDYN, QStringLiteral("dyn. Viskosität"), nullptr, INP_ViskDYN, ME_ViskDYN, PAN_ViskDYN));
    }
    // The two viscosity groups share one place; one of them is shown.
    auto* viscosity = new QGridLayout;
    viscosity->setContentsMargins(0, 0, 0, 0);
    viscosity->addWidget(PANGRP_VISKKIN, 0, 0);
    viscosity->addWidget(PANGRP_VISKDYN, 0, 0);
    PANGRP_VISKDYN->hide();
    medium->addLayout(viscosity);
    PAN_ReynoldInGRPMedium = new QWidget(GRP_DasMedium);
    PAN_ReynoldInGRPMedium->setObjectName(QStringLiteral("PAN_ReynoldInGRPMedium"));
    {
        auto* simple = new QHBoxLayout(PAN_ReynoldInGRPMedium);
        simple->setContentsMargins(0, 0, 0, 0);
        LAB_SimpleReynold = new QLabel(QStringLiteral("Reynoldszahl:"), PAN_ReynoldInGRPMedium);
        LAB_SimpleReynold->setObjectName(QStringLiteral("LAB_SimpleReynold"));
        LAB_SimpleReynold->installEventFilter(this);
        ShLab_Reynold2 = new QLabel(PAN_ReynoldInGRPMedium);
        ShLab_Reynold2->setObjectName(QStringLiteral("ShLab_Reynold2"));
        simple->addWidget(LAB_SimpleReynold);
        simple->addWidget(ShLab_Reynold2);
        simple->addStretch();
    }
    medium->addWidget(PAN_ReynoldInGRPMedium);
    // The simple Reynolds line stands in for the result pane in the compact view.
    PAN_ReynoldInGRPMedium->hide();

    // ---- The flow.
    const int flowCaption = fontMetrics().horizontalAdvance(QStringLiteral("Q ")) + 8;
    auto flowGroup = [&](QGroupBox*& group, const char* name, const QString& title, const QString& caption,
                         QLabel* mark, QLineEdit* editField, QComboBox* unit, QLabel* panel, QCheckBox* hold) {
        group = new QGroupBox(title, this);
        group->setObjectName(QString::fromLatin1(name));
        group->installEventFilter(this);
        auto* box = new QVBoxLayout(group);
        box->addWidget(row(group, caption, mark, editField, unit, panel, flowCaption));
        if (hold) {
            auto* holdRow = new QHBoxLayout;
            holdRow->addStretch();
            hold->setParent(group);
            holdRow->addWidget(hold);
            box->addLayout(holdRow);
        }
    };
    flowGroup(GRP_VELOC, "GRP_VELOC", QStringLiteral("Geschwindigkeit"), QStringLiteral("v"), ResIs_Veloc, INP_veloc,
              ME_VELOC, PAN_Veloc, FIX_VELOC);
    flowGroup(GRP_VOLUME, "GRP_VOLUME", QStringLiteral("Volumenstrom"), QStringLiteral("Q"), ResIs_VOLUME, INP_Volume,
              CBX_ME_VOLUME, PAN_Volume, FIX_Volume);
    flowGroup(GRP_MASSFL, "GRP_MASSFL", QStringLiteral("Massenstrom"), QStringLiteral("m"), ResIs_MassFL, INP_MassFl,
              ME_MASSFL, PAN_MassFl, nullptr);
    GRP_DasRohr->installEventFilter(this);
    GRP_DasMedium->installEventFilter(this);

    // ---- Buttons, result pane and logos.
    BUT_Application = new QPushButton(QStringLiteral("&Applikation"), this);
    BUT_Application->setObjectName(QStringLiteral("BUT_Application"));
    // The coloured panel lies behind the compute button, not around it: the partner-brand
    // variant hides the panel and keeps the button.
    BACK_Berechnen = new QFrame(this);
    BACK_Berechnen->setObjectName(QStringLiteral("BACK_Berechnen"));
    BACK_Berechnen->setAutoFillBackground(true);
    BUT_Berechnen = new QPushButton(QStringLiteral("&Berechnen"), this);
    BUT_Berechnen->setObjectName(QStringLiteral("BUT_Berechnen"));
    auto* compute = new QGridLayout;
    compute->setContentsMargins(0, 0, 0, 0);
    compute->addWidget(BACK_Berechnen, 0, 0);
    {
        auto* onTop = new QHBoxLayout;
        onTop->setContentsMargins(4, 4, 4, 4);
        onTop->addWidget(BUT_Berechnen);
        compute->addLayout(onTop, 0, 0);
    }
    Button2 = new QPushButton(QStringLiteral("Normvolumen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    Bevel_Profil = new QFrame(this);
    Bevel_Profil->setObjectName(QStringLiteral("Bevel_Profil"));
    Bevel_Profil->setFrameShape(QFrame::HLine);
    Bevel_Profil->setFrameShadow(QFrame::Sunken);
    KalfaktorPane = new QFrame(this);
    KalfaktorPane->setObjectName(QStringLiteral("KalfaktorPane"));
    KalfaktorPane->setFrameShape(QFrame::StyledPanel);
    KalfaktorPane->setFrameShadow(QFrame::Raised);
    KalfaktorPane->installEventFilter(this);
    KalfaktorPane->setContextMenuPolicy(Qt::CustomContextMenu);
    {
        auto* pane = new QGridLayout(KalfaktorPane);
        auto named = [this](QLabel*& field, const char* name) {
            field = new QLabel(KalfaktorPane);
            field->setObjectName(QString::fromLatin1(name));
            field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        };
        named(ShLab_LamiTurbo, "ShLab_LamiTurbo");
        ShLab_LamiTurbo->setAlignment(Qt::AlignCenter);
        QFont bold = ShLab_LamiTurbo->font();
        bold.setBold(true);
        ShLab_LamiTurbo->setFont(bold);
        named(ShLab_Veloc, "ShLab_Veloc");
        named(ShLab_Kalfaktor, "ShLab_Kalfaktor");
        named(ShLab_Reynold, "ShLab_Reynold");
        pane->addWidget(ShLab_LamiTurbo, 0, 0, 1, 2);
        pane->addWidget(new QLabel(QStringLiteral("Reynoldszahl Re ="), KalfaktorPane), 1, 0);
        pane->addWidget(ShLab_Reynold, 1, 1);
        pane->addWidget(new QLabel(QStringLiteral("Kalibrierfaktor K ="), KalfaktorPane), 2, 0);
        pane->addWidget(ShLab_Kalfaktor, 2, 1);
        pane->addWidget(new QLabel(QStringLiteral("v unkorrigiert ="), KalfaktorPane), 3, 0);
        pane->addWidget(ShLab_Veloc, 3, 1);
        HOTSPOT_Kalfaktor = new QPushButton(QStringLiteral("Strömungsprofil..."), KalfaktorPane);
        HOTSPOT_Kalfaktor->setObjectName(QStringLiteral("HOTSPOT_Kalfaktor"));
        pane->addWidget(HOTSPOT_Kalfaktor, 4, 0, 1, 2);
    }
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    DerKalfaktor1 = PopupMenu1->addAction(QStringLiteral("Der Kalfaktor"));
    DerKalfaktor1->setObjectName(QStringLiteral("DerKalfaktor1"));

    IMG_LOGO = new QLabel(this);
    IMG_LOGO->setObjectName(QStringLiteral("IMG_LOGO"));
    IMG_LOGO->setPixmap(OwnLogo());
    IMG_LOGO->setAlignment(Qt::AlignCenter);
    IMG_BrandolfLogo = new QLabel(this);
    IMG_BrandolfLogo->setObjectName(QStringLiteral("IMG_BrandolfLogo"));
    IMG_BrandolfLogo->setPixmap(PartnerLogo());
    IMG_BrandolfLogo->setAlignment(Qt::AlignCenter);
    IMG_BrandolfLogo->hide();
    IMG_LOGO->installEventFilter(this);
    IMG_BrandolfLogo->installEventFilter(this);

    // ---- Window layout: pipe and medium on the left, flow and results on the right.
    auto* columnsLayout = new QHBoxLayout(ClientArea());
    columnsLayout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    left->addWidget(GRP_DasRohr);
    left->addWidget(GRP_DasMedium);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(GRP_VELOC);
    right->addWidget(GRP_VOLUME);
    right->addWidget(GRP_MASSFL);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BUT_Application);
    buttons->addWidget(Button2);
    buttons->addLayout(compute);
    right->addLayout(buttons);
    right->addWidget(Bevel_Profil);
    right->addWidget(KalfaktorPane);
    right->addStretch();
    auto* logos = new QHBoxLayout;
    logos->addStretch();
    logos->addWidget(IMG_LOGO);
    logos->addWidget(IMG_BrandolfLogo);
    right->addLayout(logos);
    columnsLayout->addLayout(left);
    columnsLayout->addLayout(right);
    BUT_Berechnen->raise();

    // Tab walks pipe, medium, then flow, row by row.
    const QList<QWidget*> tabOrder{COM_Material, MateriInfiButton, BUT_EditRohrgeometrie, INP_IDM, ME_IDM, INP_Quer,
                                   ME_QUER, INP_Rauh, ME_Rauh, FIX_Quer, COM_Medium, MediInfoButton, INP_FluidTemp,
                                   ME_TEMP, INP_FluidDruck, INP_Dichte, ME_Dichte, INP_Visk, ME_Visk, INP_ViskDYN,
                                   ME_ViskDYN, INP_veloc, ME_VELOC, FIX_VELOC, INP_Volume, CBX_ME_VOLUME, FIX_Volume,
                                   INP_MassFl, ME_MASSFL, BUT_Application, Button2, BUT_Berechnen, HOTSPOT_Kalfaktor};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Enter belongs to the edits (commit), not to a default button.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
}

void TXmeCalcDlg::ConnectHandlers()
{
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
        // Leaving the edit takes a typed value over; the chart comes with its own dialog.
        BUT_Application->setFocus(Qt::OtherFocusReason);
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
    connect(ACT_Info, &QAction::triggered, this, [this] { ShowAboutBox(this); });
    connect(ACT_Beenden, &QAction::triggered, this, &QWidget::close);
    connect(ACT_Standardwerte, &QAction::triggered, this, [this] { Point.SetStandardValues(); });
    connect(ACT_ViskDynamic, &QAction::triggered, this, [this] { ACT_ViskDynamicExecute(); });
    connect(ACT_ViskKinematic, &QAction::triggered, this, [this] { ACT_ViskKinematicExecute(); });
    connect(ACT_SpracheGerman, &QAction::triggered, this, [this] { SetLanguageById(7); });
    connect(ACT_SpracheENGLISH, &QAction::triggered, this, [this] { SetLanguageById(9); });
    connect(Button2, &QPushButton::clicked, ACT_NormalizedVolumeflow, &QAction::trigger);
}

void TXmeCalcDlg::FillUnitBox(TQuantity quantity)
{
    QComboBox* box = UnitBoxOf(quantity);
    box->clear();
    for (int i = 0; i < TMeasuringPoint::UnitCount(quantity); ++i)
        box->addItem(TMeasuringPoint::UnitName(quantity, i), i);
}

void TXmeCalcDlg::FillVolumeUnitBox()
{
    // The box lists the units in their own order; each item carries its unit identifier.
    CBX_ME_VOLUME->clear();
    for (const std::uint8_t id : VolumeFlowUnitOrder)
        CBX_ME_VOLUME->addItem(TMeasuringPoint::UnitName(TQuantity::VolumeFlow, id), int(id));
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
        QCoreApplication::setApplicationName(QStringLiteral("VK_RT"));
        setWindowTitle(QCoreApplication::applicationName());
        BACK_Berechnen->hide();
    }
    Point.SetView(this);
    Point.SetTranslator([this](const QString& text) { return TranslateString(text); });
    Point.SetOemVariant(IsOemVariant != 0);
    Point.SetReynoldsLimitsSource([] {
        TMeasuringPoint::TReynoldsLimits limits;
        if (const TReynolDLG* dialog = ReynolDLG()) {
            limits.Lam = dialog->ReynoldsLam();
            limits.Turb = dialog->ReynoldsTurb();
        }
        return limits;
    });
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
    Point.CreateFinished = 1;
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

// ---------------------------------------------------------------- view of the measuring point

void TXmeCalcDlg::EditWritten(TQuantity quantity, const QString& text)
{
    if (QLineEdit* edit = EditOf(quantity)) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    }
}

void TXmeCalcDlg::UnitSelected(TQuantity quantity, int unitIndex)
{
    if (QComboBox* box = UnitBoxOf(quantity)) {
        const QSignalBlocker block(box);
        if (quantity == TQuantity::VolumeFlow)
            box->setCurrentIndex(box->findData(unitIndex));
        else
            box->setCurrentIndex(unitIndex);
    }
}

void TXmeCalcDlg::MediumSelectionChanged(int id)
{
    const QSignalBlocker block(COM_Medium);
    SelectListId(COM_Medium, id);
}

void TXmeCalcDlg::MaterialSelectionChanged(int id)
{
    const QSignalBlocker block(COM_Material);
    SelectListId(COM_Material, id);
}

void TXmeCalcDlg::HoldChanged(THold hold)
{
    {
        const QSignalBlocker blockVeloc(FIX_VELOC);
        const QSignalBlocker blockQuer(FIX_Quer);
        const QSignalBlocker blockVolume(FIX_Volume);
        FIX_VELOC->setChecked(hold == THold::Velocity);
        FIX_Quer->setChecked(hold == THold::CrossSection);
        FIX_Volume->setChecked(hold == THold::Volume);
    }
    INP_veloc->setReadOnly(VelocityReadOnly(hold));
    INP_IDM->setReadOnly(CrossSectionReadOnly(hold));
    INP_Quer->setReadOnly(CrossSectionReadOnly(hold));
    INP_Volume->setReadOnly(VolumeReadOnly(hold));
}

void TXmeCalcDlg::SetEditColor(QWidget* control, TEditColor color)
{
    QPalette palette = control->palette();
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
    palette.setColor(QPalette::Base, base);
    if (qobject_cast<QComboBox*>(control))
        palette.setColor(QPalette::Button, color == TEditColor::Window
                                               ? QApplication::palette(control).color(QPalette::Button)
                                               : base);
    control->setPalette(palette);
}

void TXmeCalcDlg::MarkersChanged(const TMarkerState& state)
{
    ResIs_Veloc->setVisible(state.ResIs_Veloc);
    ResIs_VOLUME->setVisible(state.ResIs_VOLUME);
    ResIs_MassFL->setVisible(state.ResIs_MassFL);
    ResIs_IDM->setVisible(state.ResIs_IDM);
    ResIs_QUER->setVisible(state.ResIs_QUER);
    ResIs_Dichte->setVisible(state.ResIs_Dichte);
    SetEditColor(INP_veloc, state.INP_veloc);
    SetEditColor(INP_IDM, state.INP_IDM);
    SetEditColor(INP_Quer, state.INP_Quer);
    SetEditColor(INP_Volume, state.INP_Volume);
    SetEditColor(INP_Dichte, state.INP_Dichte);
    SetEditColor(INP_MassFl, state.INP_MassFl);
    SetEditColor(COM_Material, state.COM_Material);
    SetEditColor(COM_Medium, state.COM_Medium);
    QPalette back = BACK_Berechnen->palette();
    back.setColor(QPalette::Window, ColorFromTColor(state.BackColor));
    BACK_Berechnen->setPalette(back);
}

void TXmeCalcDlg::PressureGroupVisibilityChanged(bool visible)
{
    PANGRP_DRUCK->setVisible(visible);
}

void TXmeCalcDlg::DisplaysRefreshed()
{
    for (int i = 0; i < PanelCount; ++i) {
        const TPanelText& text = Point.Panel(static_cast<TPanel>(i));
        panels_[i]->setText(text.Caption);
        SetTextColor(panels_[i], text.Color);
    }
    const TResultPane& result = Point.ResultPane();
    ShLab_LamiTurbo->setText(result.LamiTurbo);
    SetTextColor(ShLab_LamiTurbo, result.LamiTurboColor);
    for (QLabel* label : {ShLab_Veloc, ShLab_Kalfaktor, ShLab_Reynold, ShLab_Reynold2})
        label->setVisible(result.ValuesVisible);
    ShLab_Veloc->setText(result.Veloc);
    ShLab_Kalfaktor->setText(result.Kalfaktor);
    ShLab_Reynold->setText(result.Reynold);
    ShLab_Reynold2->setText(result.Reynold2);
}

void TXmeCalcDlg::FlowProfileLimitsReset()
{
    if (TReynolDLG* dialog = ReynolDLG())
        dialog->ACT_AssignFirmwareReynoldsExecute();
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
}

void TXmeCalcDlg::ApplyInputResult(TQuantity quantity, const TInputResult& result)
{
    QLineEdit* edit = EditOf(quantity);
    if (result.ReplaceEmptyText && edit->text().isEmpty()) {
        const QSignalBlocker block(edit);
        edit->setText(QStringLiteral("0"));
        edit->setModified(true);
    }
    QLabel* panel = PanelLabel(result.Panel);
    if (!result.Accepted) {
        // The typed text stays; the message says why it was not taken.
        panel->setText(result.Message);
        SetTextColor(panel, result.MessageColor);
        panel->show();
    }
    if (result.FocusBack)
        FocusBackTo(edit);
}

void TXmeCalcDlg::FocusBackTo(QLineEdit* edit)
{
    // Returning the focus from inside a focus change is deferred; while it happens, the
    // edit that loses the focus must not claim it back, or two invalid edits would bounce
    // the focus forever.
    if (focusingBack_ || focusBackPending_)
        return;
    focusBackPending_ = true;
    QPointer<QLineEdit> target(edit);
    QTimer::singleShot(0, this, [this, target] {
        focusBackPending_ = false;
        if (!target)
            return;
        focusingBack_ = true;
        // A drop-down opened by the click that left the edit belongs to a control the user
        // never reached.
        while (QWidget* popup = QApplication::activePopupWidget()) {
            if (!popup->close())
                break;
        }
        target->setFocus(Qt::OtherFocusReason);
        target->selectAll();
        focusingBack_ = false;
    });
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
        Point.RewriteEdit(static_cast<TQuantity>(index));
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
}

void TXmeCalcDlg::FIXCLICK(QCheckBox* sender, bool checked)
{
    if (!Point.CreateFinished)
        return;
    const THold box = sender == FIX_VELOC ? THold::Velocity : sender == FIX_Quer ? THold::CrossSection : THold::Volume;
    Point.ClickHold(box, checked);
}

void TXmeCalcDlg::COM_MediumChange()
{
    Point.SelectMedium(COM_Medium->currentData().toInt());
}

void TXmeCalcDlg::COM_MaterialChange()
{
    Point.SelectMaterial(COM_Material->currentData().toInt());
}

void TXmeCalcDlg::COM_MaterialDropDown()
{
    if (Point.Hold() == THold::CrossSection)
        FIX_Quer->setChecked(false);
}

bool TXmeCalcDlg::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const int index = edit ? QuantityIndexOfEdit(edit) : -1;
    switch (event->type()) {
    case QEvent::Show:
        // The lists' drop-downs, however they are opened (mouse, Alt+Down, F4).
        if (!COM_Medium || !COM_Material || focusBackPending_ || focusingBack_)
            break;
        if (watched == COM_Medium->view()->window())
            Point.AnyEditGetFocus(TFocusTarget::Medium);
        else if (watched == COM_Material->view()->window())
            COM_MaterialDropDown();
        break;
    case QEvent::FocusOut:
        if (index >= 0 && IsUserFocusChange(event))
            ExitHandler(static_cast<TQuantity>(index));
        break;
    case QEvent::FocusIn:
        // While a rejected edit takes its focus back, the control the focus passed through
        // was never really entered: its enter handler would release a hold behind the
        // user's back.
        if (focusBackPending_ || focusingBack_)
            break;
        if (index >= 0 && IsUserFocusChange(event))
            EnterHandler(edit);
        else if (watched == COM_Medium && IsUserFocusChange(event))
            Point.AnyEditGetFocus(TFocusTarget::Medium);
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
        } else if (watched == GRP_VOLUME) {
            Point.EnterControl(TFocusTarget::Volume);
        } else if (watched == GRP_DasRohr) {
            // Releases the pipe hold; the group itself shows no markers.
            Point.EnterControl(TFocusTarget::InnerDiameter);
            Point.AnyEditGetFocus(TFocusTarget::Other);
        } else if (watched == GRP_DasMedium || watched == GRP_MASSFL) {
            Point.AnyEditGetFocus(TFocusTarget::Other);
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
    TLineParams params;
    params.ViscosityUnitName = TMeasuringPoint::UnitName(TQuantity::KinViscosity, viscosityUnit);
    params.LengthUnitName = TMeasuringPoint::UnitName(TQuantity::InnerDiameter, lengthUnit);
    params.VelocityUnitName = TMeasuringPoint::UnitName(TQuantity::Velocity, velocityUnit);
    params.VelocityDigits = TMeasuringPoint::UnitDecimals(TQuantity::Velocity, velocityUnit);
    params.VelocityFactor = TMeasuringPoint::UnitFactor(TQuantity::Velocity, velocityUnit);
    params.RoughnessUnitName = TMeasuringPoint::UnitName(TQuantity::Roughness, roughnessUnit);
    params.RoughnessFactor = TMeasuringPoint::UnitFactor(TQuantity::Roughness, roughnessUnit);
    params.Roughness = Point.Roughness();
    params.LengthFactor = TMeasuringPoint::UnitFactor(TQuantity::InnerDiameter, lengthUnit);
    params.InnerDiameter = Point.InnerDiameter();
    params.ViscosityFactor = TMeasuringPoint::UnitFactor(TQuantity::KinViscosity, viscosityUnit);
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
    if (result == TFlowProfileLimits::AdoptLaminarResult || result == TFlowProfileLimits::AdoptTurbulentResult) {
        const double velocity =
            result == TFlowProfileLimits::AdoptLaminarResult ? dialog->VelocityLam() : dialog->VelocityTurb();
        Point.EnterControl(TFocusTarget::Velocity);
        ApplyInputResult(TQuantity::Velocity, Point.ApplyValue(TQuantity::Velocity, velocity));
    }
    INP_veloc->setFocus(Qt::OtherFocusReason);
    CommitActiveEdit();
}

void TXmeCalcDlg::ShowMediumInfo()
{
    ShowMediumNames(Point.GetMediumId(), Point.ViewMode);
}

void TXmeCalcDlg::ShowMaterialInfo()
{
    ShowMaterialNames(Point.GetMaterialId());
}

void TXmeCalcDlg::ACT_EditRohrGeometrieExecute()
{
    if (const auto result = EditPipeGeometry(Point, Point.UnitIndex(TQuantity::InnerDiameter))) {
        ApplyInputResult(TQuantity::InnerDiameter, *result);
        INP_Volume->setFocus(Qt::OtherFocusReason);
    }
}

void TXmeCalcDlg::ACT_ViskDynamicExecute()
{
    PANGRP_VISKKIN->hide();
    PANGRP_VISKDYN->show();
    ACT_ViskDynamic->setChecked(true);
    Point.SetDynViscosityVisible(true);
}

void TXmeCalcDlg::ACT_ViskKinematicExecute()
{
    PANGRP_VISKDYN->hide();
    PANGRP_VISKKIN->show();
    ACT_ViskKinematic->setChecked(true);
    Point.SetDynViscosityVisible(false);
}

TXmeCalcDlg* XmeCalcDlg()
{
    return TFormRegistry::Lookup<TXmeCalcDlg>();
}
