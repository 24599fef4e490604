#include "transducer/ApplicationSketch.h"

#include "formbase/DUShape.h"
#include "formbase/D_MemoInfo.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "platform/WaitCursor.h"
#include "transducer/ApplicationCalc.h"
#include "transducer/ApplicationDetail.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

QColor Colour(tSketchColour c)
{
    return ColorFromTColor(c);
}

void ApplyShape(TDUShape* shape, const tSketchShape& s, bool geometry)
{
    if (geometry)
        shape->setGeometry(s.Rect);
    const Qt::BrushStyle style = s.Fill == tSketchFill::DiagCross ? Qt::DiagCrossPattern : Qt::SolidPattern;
    shape->SetBrush(QBrush(Colour(s.Colour), style));
    QPolygon points;
    for (const QPoint& p : s.Points)
        points << p;
    shape->SetPoints(points);
    if (shape->toolTip() != s.Hint)
        shape->setToolTip(s.Hint);
    shape->setVisible(s.Visible);
}

}  // namespace

TApplicationSketch::TApplicationSketch(QWidget* parent, QGroupBox* table)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    setMinimumSize(468, 240);
    CreateShapes();
    CreateTable(table);
}

void TApplicationSketch::CreateShapes()
{
    struct tDesign {
        TDUShape** field;
        const char* name;
        QRect rect;
        tSketchColour colour;
    };
    const tDesign shapes[] = {
        {&SHP_Wall, "SHP_Wall", SketchWallRect, SketchYellow},
        {&SHP_Lining, "SHP_Lining", SketchLiningRect, SketchGreen},
        {&SHP_IDM, "SHP_IDM", SketchMediumRect, SketchLightBlue},
        {&SHP_SensV, "SHP_SensV", SketchSenderRect, SketchGrey},
        {&SHP_SensR_Durch, "SHP_SensR_Durch", SketchDirectRect, SketchGrey},
        {&SHP_SensR_Reflex, "SHP_SensR_Reflex", SketchReflexRect, SketchGrey},
    };
    for (const tDesign& d : shapes) {
        TDUShape* shape = CreateControl(*d.field, d.name, this);
        shape->setGeometry(d.rect);
        shape->SetBrush(Colour(d.colour));
        shape->SetPen(QPen(Colour(d.colour)));
        TrackHint(shape);
    }
    SHP_Lining->SetPen(QPen(Colour(SketchGreen), 2));
    SHP_IDM->SetPen(Qt::NoPen);
    SHP_IDM->SetPolyPen(QPen(Qt::red));
    SHP_IDM->hide();
}

void TApplicationSketch::CreateTable(QGroupBox* table)
{
    auto* grid = new QGridLayout;
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    const struct {
        const char* greek;
        const char* sign;
        QLabel** value;
        const char* valueName;
        QLabel** sum;
        const char* sumName;
    } rows[] = {
        {"&alpha;:", "", &LAB_LZAlpha, "LAB_LZAlpha", &LZ_SumAlpha, "LZ_SumAlpha"},
        {"&beta;:", "+", &LAB_LZBETA, "LAB_LZBETA", &LZ_SumAlphaBeta, "LZ_SumAlphaBeta"},
        {"&gamma;:", "+", &LAB_LZGamma, "LAB_LZGamma", &LAB_SumAlphaBetaGamma, "LAB_SumAlphaBetaGamma"},
    };
    for (int r = 0; r < 3; ++r) {
        // The Greek letters as entities: an ordinary font shows them, and the text stays
        // within the dictionary's code page.
        auto* greek = new QLabel(QString::fromLatin1(rows[r].greek), table);
        greek->setTextFormat(Qt::RichText);
        grid->addWidget(greek, r, 0);
        grid->addWidget(new QLabel(QString::fromLatin1(rows[r].sign), table), r, 1);
        grid->addWidget(CreateControl(*rows[r].value, rows[r].valueName, table, QString()), r, 2);
        grid->addWidget(new QLabel(QStringLiteral("="), table), r, 3);
        grid->addWidget(CreateControl(*rows[r].sum, rows[r].sumName, table, QString()), r, 4);
        (*rows[r].value)->setFont(fixed);
        (*rows[r].sum)->setFont(fixed);
    }
    if (auto* box = qobject_cast<QVBoxLayout*>(table->layout()))
        box->insertLayout(0, grid);
    else if (!table->layout())
        table->setLayout(grid);
}

void TApplicationSketch::Apply(const tSketchLayout& layout, QAbstractButton* fixBox)
{
    const std::pair<TDUShape*, const tSketchShape*> shapes[] = {
        {SHP_Wall, &layout.Wall},     {SHP_Lining, &layout.Lining},          {SHP_IDM, &layout.Medium},
        {SHP_SensV, &layout.Sender}, {SHP_SensR_Durch, &layout.Direct}, {SHP_SensR_Reflex, &layout.Reflex}};
    for (auto [shape, s] : shapes) {
        if (layout.PipeValid) {
            ApplyShape(shape, *s, layout.Geometry);
            continue;
        }
        shape->hide();
        shape->setToolTip(QString());
        shape->SetPoints({});
    }
    const tTransitTable& t = layout.Table;
    LAB_LZAlpha->setText(t.Alpha);
    LAB_LZBETA->setText(t.Beta);
    LAB_LZGamma->setText(t.Gamma);
    LZ_SumAlpha->setText(t.SumAlpha);
    LZ_SumAlphaBeta->setText(t.SumAlphaBeta);
    LAB_SumAlphaBetaGamma->setText(t.SumAll);
    if (fixBox) {
        fixBox->setEnabled(layout.FixEnabled);
        if (fixBox->text() != layout.FixCaption)
            fixBox->setText(layout.FixCaption);
        fixBox->setToolTip(layout.FixHint);
    }
}

void TApplicationSketch::TrackHint(QWidget* control, THintAt hintAt)
{
    control->setMouseTracking(true);
    control->installEventFilter(this);
    if (hintAt)
        hintAt_[control] = std::move(hintAt);
}

bool TApplicationSketch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        auto* control = static_cast<QWidget*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto hintAt = hintAt_.find(control);
        if (hintAt != hintAt_.end())
            control->setToolTip(hintAt->second(mouse->position().toPoint()));
        const QPoint at = mouse->globalPosition().toPoint();
        if (control->toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(at, control->toolTip(), control);
    }
    return QWidget::eventFilter(watched, event);
}

bool DetailTextAvailable(const tApplicationCalc& calc)
{
    const tAcousticPath& path = calc.Path();
    return calc.ResultsValid() || (path.IsValidPipe() && path.TotalReflection());
}

void ShowApplicationDetail(QWidget* parent, const tAcousticPath& path)
{
    std::unique_ptr<TDLG_MemoInfo> dialog;
    {
        const TWaitCursor wait;
        dialog = CreateDialog<TDLG_MemoInfo>(parent);
        dialog->DasMemo->setPlainText(ApplicationDetailText(path).join(QLatin1Char('\n')));
    }
    dialog->ShowDialog();
}
