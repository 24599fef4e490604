#include "calculator/forms/D_NormVolume.h"

#include "formbase/FormKit.h"
#include "formbase/FormRegistry.h"
#include "platform/FocusRules.h"
#include "platform/MessageBeep.h"
#include "reference/Units.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x404040;
const TRowColumns Columns{120, 0, 110, 90, 160};

QVBoxLayout* GroupLayout(QGroupBox* group)
{
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(4);
    return layout;
}
}  // namespace

TDLG_NormVolume::TDLG_NormVolume(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_NormVolume"));
    setWindowTitle(QStringLiteral("Normalized volumeflow (gas flow measurment)"));
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    CreateVolume();
    CreateNormConditions();
    CreateCompressFactor();
    layout->addWidget(GRP_Volume);
    layout->addWidget(GRP_NormConditions);
    layout->addWidget(GRP_CompressFactor);
    layout->addWidget(CreateControl(LAB_NormalizedVolumeValue, "LAB_NormalizedVolumeValue", ClientArea()));
    LAB_NormalizedVolumeValue->setAlignment(Qt::AlignCenter);
    QFont bold = LAB_NormalizedVolumeValue->font();
    bold.setBold(true);
    LAB_NormalizedVolumeValue->setFont(bold);
    BUT_OK->setText(QStringLiteral("Werte Übernehmen"));
    Panel_BUTTONS->show();
    FillUnitLists();
    ConnectHandlers();
    SetTabOrder();
    FormCreate();
    RewriteAll();
}

void TDLG_NormVolume::CreateVolume()
{
    CreateControl(GRP_Volume, "GRP_Volume", ClientArea(), QStringLiteral("Betriebsbedingungen"));
    QVBoxLayout* layout = GroupLayout(GRP_Volume);
    const TQuantityRow volume = CreateQuantityRow(
        GRP_Volume, Columns, {QStringLiteral("Volumenstrom"), nullptr, "INP_Volume", "ME_VOLUME", "PAN_Volume"});
    const TQuantityRow temp = CreateQuantityRow(
        GRP_Volume, Columns, {QStringLiteral("Temperatur"), nullptr, "INP_FluidTemp", "ME_TEMP", nullptr});
    const TQuantityRow druck = CreateQuantityRow(
        GRP_Volume, Columns, {QStringLiteral("Druck"), nullptr, "INP_FluidDruck", nullptr, nullptr, QStringLiteral("bar")});
    INP_Volume = volume.Edit;
    ME_VOLUME = volume.Unit;
    PAN_Volume = volume.Panel;
    INP_FluidTemp = temp.Edit;
    ME_TEMP = temp.Unit;
    INP_FluidDruck = druck.Edit;
    for (const TQuantityRow& row : {volume, temp, druck})
        layout->addWidget(row.Row);
}

void TDLG_NormVolume::CreateNormConditions()
{
    CreateControl(GRP_NormConditions, "GRP_NormConditions", ClientArea(), QStringLiteral("Normbedingungen"));
    QVBoxLayout* layout = GroupLayout(GRP_NormConditions);
    const TQuantityRow temp = CreateQuantityRow(GRP_NormConditions, Columns,
                                                {QStringLiteral("Temperatur"), nullptr, "INP_NormTemp", nullptr,
                                                 "PAN_NormConditions", QStringLiteral("°C")});
    const TQuantityRow druck = CreateQuantityRow(
        GRP_NormConditions, Columns,
        {QStringLiteral("Druck"), nullptr, "INP_NormDruck", nullptr, nullptr, QStringLiteral("bar")});
    INP_NormTemp = temp.Edit;
    LAB_MeNormTemp = temp.UnitText;
    LAB_MeNormTemp->setObjectName(QStringLiteral("LAB_MeNormTemp"));
    PAN_NormConditions = temp.Panel;
    INP_NormDruck = druck.Edit;
    layout->addWidget(temp.Row);
    layout->addWidget(druck.Row);
    auto* line = new QHBoxLayout;
    line->addWidget(CreateControl(CB_EditNormConditions, "CB_EditNormConditions", GRP_NormConditions,
                                  QStringLiteral("Edit")));
    line->addStretch();
    line->addWidget(CreateControl(BUT_DefaultNormValues, "BUT_DefaultNormValues", GRP_NormConditions,
                                  QStringLiteral("Default values")));
    BUT_DefaultNormValues->setAutoDefault(false);
    layout->addLayout(line);
}

void TDLG_NormVolume::CreateCompressFactor()
{
    CreateControl(GRP_CompressFactor, "GRP_CompressFactor", ClientArea(), QStringLiteral("Kompressibilität"));
    QVBoxLayout* layout = GroupLayout(GRP_CompressFactor);
    const TQuantityRow z = CreateQuantityRow(
        GRP_CompressFactor, Columns,
        {QStringLiteral("Faktor Z"), nullptr, "INP_CompressFactor", nullptr, "PAN_CompressFactor"});
    INP_CompressFactor = z.Edit;
    PAN_CompressFactor = z.Panel;
    layout->addWidget(z.Row);
    SetTextColor(PAN_Volume, clRed);
    SetTextColor(PAN_NormConditions, clRed);
    SetTextColor(PAN_CompressFactor, clRed);
}

void TDLG_NormVolume::ConnectHandlers()
{
    edits_ = {INP_Volume, INP_FluidTemp, INP_FluidDruck, INP_NormTemp, INP_NormDruck, INP_CompressFactor};
    for (QLineEdit* edit : edits_)
        edit->installEventFilter(this);
    connect(ME_VOLUME, &QComboBox::activated, this, [this] { ME_VOLUMEChange(); });
    connect(ME_TEMP, &QComboBox::activated, this, [this] { ME_TEMPChange(); });
    connect(CB_EditNormConditions, &QCheckBox::toggled, this, [this] { CB_EditNormConditionsClick(); });
    connect(BUT_DefaultNormValues, &QPushButton::clicked, this, [this] { BUT_DefaultNormValuesClick(); });
    CreateControl(ACT_Cancel, "ACT_Cancel", this, QStringLiteral("Abbrechen"));
    ACT_Cancel->setShortcut(Qt::CTRL | Qt::Key_F4);
    addAction(ACT_Cancel);
    connect(ACT_Cancel, &QAction::triggered, this, [this] { done(2); });
}

void TDLG_NormVolume::SetTabOrder()
{
    SetTabChain({INP_Volume, ME_VOLUME, INP_FluidTemp, ME_TEMP, INP_FluidDruck, CB_EditNormConditions, INP_NormTemp,
                 INP_NormDruck, BUT_DefaultNormValues, INP_CompressFactor, BUT_OK, BUT_Cancel});
}

void TDLG_NormVolume::FillUnitLists()
{
    // Table order: the list position is the unit id.
    for (const tQlvMeTabsItem& unit : VolumeFlowUnits)
        ME_VOLUME->addItem(unit.Name);
    for (const tMeUnitRec& unit : TemperatureUnits)
        ME_TEMP->addItem(unit.Name);
    ME_VOLUME->setCurrentIndex(0);
    ME_TEMP->setCurrentIndex(0);
}

void TDLG_NormVolume::LoadParams(const tNormVolumeParams& params)
{
    Values.LoadParams(params);
    ME_VOLUME->setCurrentIndex(Values.VolumeUnit());
    ME_TEMP->setCurrentIndex(Values.TempUnit());
    ME_VOLUMEChange();
    ME_TEMPChange();
    RewriteAll();
}

void TDLG_NormVolume::ComputeNormVolume()
{
    LAB_NormalizedVolumeValue->setText(Values.NormalizedText());
}

void TDLG_NormVolume::RewriteEdit(TNormField field)
{
    const QSignalBlocker block(EditOf(field));
    EditOf(field)->setText(Values.Text(field));
}

void TDLG_NormVolume::RewriteAll()
{
    for (int f = 0; f < NormFieldCount; ++f)
        RewriteEdit(static_cast<TNormField>(f));
    LAB_MeNormTemp->setText(Values.TempUnitName());
    ComputeNormVolume();
}

bool TDLG_NormVolume::CommitField(TNormField field)
{
    QLineEdit* edit = EditOf(field);
    const TNormVolume::TCommit result = Values.Commit(field, edit->text());
    QLabel* panel = PanelOf(result.Panel);
    if (!result.Check.Ok) {
        if (result.Check.ReplaceEmptyText)
            edit->setText(QStringLiteral("0"));
        panel->setText(result.Check.LabelCaption);
        panel->show();
        if (result.Check.Beep)
            MessageBeep(0xFFFF);
        ReturnFocusLater(edit);
        return false;
    }
    panel->clear();
    if (result.Stored) {
        RewriteEdit(field);
        ComputeNormVolume();
    }
    return true;
}

bool TDLG_NormVolume::eventFilter(QObject* watched, QEvent* event)
{
    const int field = FieldOf(watched);
    if (field >= 0 && event->type() == QEvent::FocusOut && IsUserFocusChange(static_cast<QFocusEvent*>(event)))
        CommitField(static_cast<TNormField>(field));
    if (field >= 0 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (CommitField(static_cast<TNormField>(field)))
                edits_[field]->selectAll();
            return true;
        }
        if (key == Qt::Key_Escape) {
            RewriteEdit(static_cast<TNormField>(field));
            return true;
        }
    }
    return TMultilingualForm::eventFilter(watched, event);
}

void TDLG_NormVolume::showEvent(QShowEvent* event)
{
    Values.PrepareShow();
    CB_EditNormConditions->setChecked(false);
    CB_EditNormConditionsClick();
    for (QLabel* panel : {PAN_Volume, PAN_NormConditions, PAN_CompressFactor})
        panel->clear();
    RewriteAll();
    TMultilingualForm::showEvent(event);
}

void TDLG_NormVolume::LanguageChanged()
{
    RewriteAll();
}

// OK takes what the edits show: an edit still being typed in is committed first, one the
// user did not change is not parsed again.
void TDLG_NormVolume::done(int result)
{
    for (int f = 0; result == 1 && f < NormFieldCount; ++f) {
        if (!CommitField(static_cast<TNormField>(f)))
            return;
    }
    TMultilingualForm::done(result);
}

void TDLG_NormVolume::ME_VOLUMEChange()
{
    Values.SelectVolumeUnit(ME_VOLUME->currentIndex());
    RewriteEdit(TNormField::Volume);
    ComputeNormVolume();
}

void TDLG_NormVolume::ME_TEMPChange()
{
    Values.SelectTempUnit(ME_TEMP->currentIndex());
    RewriteEdit(TNormField::FluidTemp);
    RewriteEdit(TNormField::NormTemp);
    LAB_MeNormTemp->setText(Values.TempUnitName());
}

void TDLG_NormVolume::CB_EditNormConditionsClick()
{
    const bool edit = CB_EditNormConditions->isChecked();
    // Window colour while editable, silver while locked.
    for (QLineEdit* control : {INP_NormDruck, INP_NormTemp}) {
        control->setEnabled(edit);
        QPalette colours = control->palette();
        colours.setColor(QPalette::Base, edit ? palette().color(QPalette::Base) : ColorFromTColor(clSilver));
        // Locked values stay readable on silver.
        colours.setColor(QPalette::Disabled, QPalette::Text, ColorFromTColor(clGray));
        control->setPalette(colours);
    }
    BUT_DefaultNormValues->setEnabled(edit);
}

void TDLG_NormVolume::BUT_DefaultNormValuesClick()
{
    Values.SetDefaultNormValues();
    RewriteEdit(TNormField::NormTemp);
    RewriteEdit(TNormField::NormDruck);
    ComputeNormVolume();
}

QLabel* TDLG_NormVolume::PanelOf(TNormPanel panel) const
{
    switch (panel) {
    case TNormPanel::NormConditions:
        return PAN_NormConditions;
    case TNormPanel::CompressFactor:
        return PAN_CompressFactor;
    default:
        return PAN_Volume;
    }
}

int TDLG_NormVolume::FieldOf(const QObject* edit) const
{
    for (int f = 0; f < NormFieldCount; ++f) {
        if (edits_[f] == edit)
            return f;
    }
    return -1;
}

TDLG_NormVolume* DLG_NormVolume()
{
    return TFormRegistry::Lookup<TDLG_NormVolume>();
}
