#include "calculator/forms/Rohgeometrie.h"

#include "formbase/DUShape.h"
#include "components/CESpin.h"
#include "formbase/FormKit.h"
#include "formbase/FormRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int kSketchSize = 150;
const QColor kWallColor = ColorFromTColor(clYellow);
const QColor kLiningColor = ColorFromTColor(0x008000);  // green
const QColor kInnerColor(169, 212, 254);

// The explaining picture beside the edits: a pipe wall cut open, with or without lining.
QPixmap PipePicture(bool withLining)
{
    QPixmap picture(120, 60);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(kWallColor);
    painter.drawRect(0, 0, 119, 14);
    int top = 14;
    if (withLining) {
        painter.setBrush(kLiningColor);
        painter.drawRect(0, top, 119, 8);
        top += 8;
    }
    painter.setBrush(kInnerColor);
    painter.drawRect(0, top, 119, 59 - top);
    painter.drawLine(60, top + 4, 60, 55);
    painter.drawLine(56, top + 8, 60, top + 4);
    painter.drawLine(64, top + 8, 60, top + 4);
    return picture;
}

void PlaceRow(QGridLayout* layout, int row, QLabel* caption, QWidget* edit, QLabel* unit)
{
    layout->addWidget(caption, row, 0);
    layout->addWidget(edit, row, 1);
    layout->addWidget(unit, row, 2);
    caption->setBuddy(edit);
}
}  // namespace

TDLG_Rohrgeometrie::TDLG_Rohrgeometrie(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_Rohrgeometrie"));
    setWindowTitle(QStringLiteral("Rohrgeometrie"));
    CreateInputs();
    CreateSketch();
    CreateActions();
    ConnectHandlers();
    SetTabOrder();
    Panel_BUTTONS->show();
    FormCreate();
}

void TDLG_Rohrgeometrie::FormCreate()
{
    TMultilingualForm::FormCreate();
    SetLengthUnit(Pipe.LengthUnit());
    CB_AUSKLEIDClick();
}

void TDLG_Rohrgeometrie::CreateInputs()
{
    auto* inputs = new QGridLayout;
    auto* outer = NewControl<QLabel>("LAB_ADM", ClientArea(), QStringLiteral("&Aussendurchmesser:"));
    PlaceRow(inputs, 0, outer, CreateControl(EDI_ADM, "EDI_ADM", ClientArea()),
             CreateControl(LAB_MeADM, "LAB_MeADM", ClientArea(), QString()));
    auto* wall = NewControl<QLabel>("LAB_Wand", ClientArea(), QStringLiteral("&Wanddicke:"));
    PlaceRow(inputs, 1, wall, CreateControl(EDI_WAND, "EDI_WAND", ClientArea()),
             CreateControl(LAB_MeWall, "LAB_MeWall", ClientArea(), QString()));
    inputs->addWidget(CreateControl(CB_AUSKLEID, "CB_AUSKLEID", ClientArea(), QStringLiteral("&Mit Auskleidung")),
                      2, 0, 1, 3);
    CreateControl(LAB_Auskleidung, "LAB_Auskleidung", ClientArea(), QStringLiteral("Aus&kleidungsdicke:"));
    CreateControl(PAN_AUSKLEID, "PAN_AUSKLEID", ClientArea());
    auto* lining = new QHBoxLayout(PAN_AUSKLEID);
    lining->setContentsMargins(0, 0, 0, 0);
    lining->addWidget(CreateControl(EDI_AUSKL, "EDI_AUSKL", PAN_AUSKLEID));
    lining->addWidget(CreateControl(LAB_MeAuskl, "LAB_MeAuskl", PAN_AUSKLEID, QString()));
    inputs->addWidget(LAB_Auskleidung, 3, 0);
    inputs->addWidget(PAN_AUSKLEID, 3, 1, 1, 2);
    LAB_Auskleidung->setBuddy(EDI_AUSKL);
    inputs->addWidget(NewControl<QLabel>("LAB_Innen", ClientArea(), QStringLiteral("Innendurchmesser:")), 4, 0);
    inputs->addWidget(CreateControl(LAB_IDM, "LAB_IDM", ClientArea(), QString()), 4, 1, Qt::AlignRight);
    for (TCeSpinEdit* edit : {EDI_ADM, EDI_WAND, EDI_AUSKL})
        edit->SetValueType(vtFloat);

    auto* columns = new QHBoxLayout(ClientArea());
    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addWidget(CreateControl(IMG_DasRohr, "IMG_DasRohr", ClientArea()));
    left->addStretch();
    columns->addLayout(left);
}

void TDLG_Rohrgeometrie::CreateSketch()
{
    IMG_MitAuskleidung = PipePicture(true);
    IMG_OhneAuskleidung = PipePicture(false);
    CreateControl(PAN_Sketch, "PAN_Sketch", ClientArea());
    PAN_Sketch->setFixedSize(kSketchSize, kSketchSize);
    const struct {
        TDUShape*& field;
        const char* name;
        QColor color;
    } shapes[] = {{SHP_Wall, "SHP_Wall", kWallColor},
                  {SHP_Lining, "SHP_Lining", kLiningColor},
                  {SHP_IDM, "SHP_IDM", kInnerColor}};
    for (const auto& shape : shapes) {
        CreateControl(shape.field, shape.name, PAN_Sketch);
        shape.field->SetShape(TDUShape::stCircle);
        shape.field->SetBrush(shape.color);
        shape.field->setGeometry(0, 0, kSketchSize, kSketchSize);
    }
    static_cast<QBoxLayout*>(ClientArea()->layout())->addWidget(PAN_Sketch, 0, Qt::AlignTop);
}

void TDLG_Rohrgeometrie::CreateActions()
{
    CreateControl(ACT_CloseDialog, "ACT_CloseDialog", this, QStringLiteral("OK"));
}

void TDLG_Rohrgeometrie::ConnectHandlers()
{
    connect(EDI_ADM, &TCeSpinEdit::OnChange, this, [this] { EditChanged(TPipeField::Outer); });
    connect(EDI_WAND, &TCeSpinEdit::OnChange, this, [this] { EditChanged(TPipeField::Wall); });
    connect(EDI_AUSKL, &TCeSpinEdit::OnChange, this, [this] { EditChanged(TPipeField::Lining); });
    connect(CB_AUSKLEID, &QCheckBox::toggled, this, [this] { CB_AUSKLEIDClick(); });
    connect(ACT_CloseDialog, &QAction::triggered, this, [this] { done(1); });
    // OK is the action's button: enabled with it, and Enter cannot close past it.
    disconnect(BUT_OK, &QPushButton::clicked, this, nullptr);
    connect(BUT_OK, &QPushButton::clicked, ACT_CloseDialog, &QAction::trigger);
    connect(ACT_CloseDialog, &QAction::changed, this, [this] { BUT_OK->setEnabled(ACT_CloseDialog->isEnabled()); });
}

void TDLG_Rohrgeometrie::SetTabOrder()
{
    SetTabChain({EDI_ADM, EDI_WAND, CB_AUSKLEID, EDI_AUSKL, BUT_OK, BUT_Cancel});
}

TCeSpinEdit* TDLG_Rohrgeometrie::EditOf(TPipeField field) const
{
    switch (field) {
    case TPipeField::Outer:
        return EDI_ADM;
    case TPipeField::Wall:
        return EDI_WAND;
    case TPipeField::Lining:
        break;
    }
    return EDI_AUSKL;
}

void TDLG_Rohrgeometrie::WriteEdits()
{
    for (const TPipeField field : {TPipeField::Outer, TPipeField::Wall, TPipeField::Lining}) {
        TCeSpinEdit* edit = EditOf(field);
        const QSignalBlocker block(edit);
        const TPipeDimensions::TLimits limits = Pipe.DisplayLimits(field);
        edit->SetDecimal(Pipe.UnitDecimals());
        edit->SetMinValue(limits.Min);
        edit->SetMaxValue(limits.Max);
        edit->SetValue(Pipe.DisplayValue(field));
    }
}

void TDLG_Rohrgeometrie::EditChanged(TPipeField field)
{
    // Typing, stepping or the edit's own clamping on exit: the only way display text
    // becomes a value.
    TCeSpinEdit* edit = EditOf(field);
    Pipe.SetDisplayValue(field, static_cast<double>(edit->CheckValue(edit->Value())));
    AnyChanged();
}

void TDLG_Rohrgeometrie::SetGeometry(double innerDiameter, double lining, double wall)
{
    Pipe.SetGeometry(innerDiameter, lining, wall);
    {
        const QSignalBlocker block(CB_AUSKLEID);
        CB_AUSKLEID->setChecked(Pipe.HasLining());
    }
    WriteEdits();
    CB_AUSKLEIDClick();
}

void TDLG_Rohrgeometrie::SetLengthUnit(int unitIndex)
{
    Pipe.SetLengthUnit(unitIndex);
    WriteEdits();
    for (QLabel* unit : {LAB_MeADM, LAB_MeWall, LAB_MeAuskl})
        unit->setText(Pipe.UnitName());
    AnyChanged();
}

void TDLG_Rohrgeometrie::SetOuterDiameter(double mm)
{
    Pipe.SetOuterDiameter(mm);
    WriteEdits();
    AnyChanged();
}

void TDLG_Rohrgeometrie::SetWallThickness(double mm)
{
    Pipe.SetWallThickness(mm);
    WriteEdits();
    AnyChanged();
}

void TDLG_Rohrgeometrie::SetLiningThickness(double mm)
{
    Pipe.SetLiningThickness(mm);
    {
        const QSignalBlocker block(CB_AUSKLEID);
        CB_AUSKLEID->setChecked(Pipe.HasLining());
    }
    WriteEdits();
    CB_AUSKLEIDClick();
}

void TDLG_Rohrgeometrie::AnyChanged()
{
    LAB_IDM->setText(Pipe.InnerDiameterText());
    SetTextColor(LAB_IDM, Pipe.InnerDiameterValid() ? clBlack : clRed);
    ACT_CloseDialog->setEnabled(Pipe.InnerDiameterValid());
    DrawSketch();
}

void TDLG_Rohrgeometrie::CB_AUSKLEIDClick()
{
    const bool checked = CB_AUSKLEID->isChecked();
    PAN_AUSKLEID->setVisible(checked);
    IMG_DasRohr->setPixmap(checked ? IMG_MitAuskleidung : IMG_OhneAuskleidung);
    Pipe.SetHasLining(checked);  // unchecked: the lining becomes 0
    if (!checked)
        WriteEdits();
    LAB_Auskleidung->setVisible(!PAN_AUSKLEID->isHidden());
    AnyChanged();
}

void TDLG_Rohrgeometrie::showEvent(QShowEvent* event)
{
    TMultilingualForm::showEvent(event);
    WriteEdits();
    AnyChanged();
    CB_AUSKLEIDClick();
}

void TDLG_Rohrgeometrie::DrawSketch()
{
    const TPipeSketch sketch = PipeSketch(Pipe, SHP_Wall->width());
    SHP_Wall->SetBrush(QBrush(kWallColor, sketch.WallSolid ? Qt::SolidPattern : Qt::DiagCrossPattern));
    SHP_Lining->setVisible(sketch.LiningVisible);
    if (sketch.LiningVisible)
        SHP_Lining->setGeometry(sketch.Lining.translated(SHP_Wall->pos()));
    SHP_IDM->setVisible(sketch.InnerVisible);
    if (sketch.InnerVisible)
        SHP_IDM->setGeometry(sketch.Inner.translated(SHP_Wall->pos()));
}

TDLG_Rohrgeometrie* DLG_Rohrgeometrie()
{
    return TFormRegistry::Lookup<TDLG_Rohrgeometrie>();
}

std::optional<TInputResult> EditPipeGeometry(TMeasuringPoint& point, int lengthUnit)
{
    TDLG_Rohrgeometrie* dialog = DLG_Rohrgeometrie();
    if (!dialog)
        return std::nullopt;
    dialog->SetGeometry(point.GetInnerDiameterMm(), point.GetLiningThickness(), point.WallThickness);
    dialog->SetLengthUnit(lengthUnit);
    if (dialog->ShowDialog() != 1)
        return std::nullopt;
    return point.ApplyPipeGeometry(dialog->GetInnerDiameter(), dialog->GetWallThickness(),
                                   dialog->GetLiningThickness());
}
