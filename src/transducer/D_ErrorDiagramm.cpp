#include "transducer/D_ErrorDiagramm.h"

#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "transducer/D_ErrorTextInfos.h"
#include "transducer/DUChart.h"
#include "transducer/OemVariant.h"

#include <QChart>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QColor Silver(192, 192, 192);
const QColor PureBlue(0, 0, 255);
constexpr int QuantityBoxWidth = 124;  // as designed; wider for longer captions
constexpr int LeftTitleSize = 7;       // the left axis title's room [px]
constexpr int LeftLabelGap = 4;

void Fill(QLineSeries* series, const std::vector<tBandPoint>& points)
{
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const tBandPoint& p : points)
        list.append({p.x, p.y});
    series->replace(list);
}

double LargestError(const std::vector<tBandPoint>& band)
{
    double largest = 0.0;
    for (const tBandPoint& p : band)
        largest = std::max(largest, std::fabs(p.y));
    return largest;
}

}  // namespace

TDLG_ErrorDiagram::TDLG_ErrorDiagram(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_ErrorDiagram"));
    setWindowTitle(QStringLiteral("Estimated error"));
    FormCreate();
    // Sizeable, unlike the other dialogs.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setSizeGripEnabled(true);
    setMinimumSize(362, 337);
    resize(693, 500);
    CreateChart();
    CreateQuantityGroup();
    CreateMemoPanel();
    ConnectHandlers();
    Panel_BUTTONS->show();
    BUT_OK->setText(QStringLiteral("Zurueck"));
    BUT_Cancel->hide();
}

void TDLG_ErrorDiagram::CreateChart()
{
    CreateControl(ErrChart, "ErrChart", ClientArea());
    ErrChart->chart()->setTitle(QStringLiteral("relative measuring error"));
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(11);
    title.setBold(true);
    ErrChart->chart()->setTitleFont(title);
    ErrChart->chart()->setTitleBrush(QColor(Qt::black));
    // The left labels are drawn here, in the program's number format, at 0.1 % or the next
    // 1-2-5 step; the axis keeps 2 % of its length free at either end.
    ErrChart->LeftAxis()->setLabelsVisible(false);
    ErrChart->SetTickRule(ErrChart->LeftAxis(), &tErrorModel::LeftAxisStep);
    ErrChart->SetAxisPositions(ErrChart->LeftAxis(), 2.0, 98.0);
    SER_1PO = ErrChart->AddLineSeries(QStringLiteral("1% accuracy    "), QColor(Qt::green));
    SER_1PU = ErrChart->AddLineSeries(QString(), QColor(0, 128, 64), false);
    SER_3PO = ErrChart->AddLineSeries(QStringLiteral("3% accuracy    "), QColor(Qt::red));
    SER_3PU = ErrChart->AddLineSeries(QString(), QColor(Qt::red), false);
    SER_1PO->setObjectName(QStringLiteral("SER_1PO"));
    SER_1PU->setObjectName(QStringLiteral("SER_1PU"));
    SER_3PO->setObjectName(QStringLiteral("SER_3PO"));
    SER_3PU->setObjectName(QStringLiteral("SER_3PU"));
    CreateControl(Lab_YME2, "Lab_YME2", ErrChart, QStringLiteral("r [%]"));
    Lab_YME2->move(6, 12);
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ErrChart, 1);
}

void TDLG_ErrorDiagram::CreateQuantityGroup()
{
    CreateControl(GRP_RB, "GRP_RB", ErrChart, QStringLiteral("Meas. quantity"));
    GRP_RB->setAutoFillBackground(true);
    QPalette palette = GRP_RB->palette();
    palette.setColor(QPalette::Window, QColor(Qt::yellow));
    GRP_RB->setPalette(palette);
    GRP_RB->resize(QuantityBoxWidth, 98);
    CreateControl(RB_FlowVeloc, "RB_FlowVeloc", GRP_RB, QStringLiteral("Flow velocity"));
    CreateControl(RB_VolumeFlow, "RB_VolumeFlow", GRP_RB, QStringLiteral("Volume flow"));
    CreateControl(RB_MassFlow, "RB_MassFlow", GRP_RB, QStringLiteral("Mass flow"));
    RB_FlowVeloc->move(8, 24);
    RB_VolumeFlow->move(8, 48);
    RB_MassFlow->move(8, 72);
    RB_VolumeFlow->setChecked(true);
    // The partner brand offers no velocity axis.
    if (IsOemVariant) {
        RB_MassFlow->move(8, 48);
        RB_VolumeFlow->move(8, 24);
        RB_FlowVeloc->hide();
        GRP_RB->resize(QuantityBoxWidth, 98 - 18);
    }
}

void TDLG_ErrorDiagram::CreateMemoPanel()
{
    CreateControl(Panel1, "Panel1", ClientArea());
    Panel1->setFixedHeight(61);
    CreateControl(Memo1, "Memo1", Panel1);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    Memo1->setPalette(palette);
    CreateControl(BitBtn1, "BitBtn1", Panel1, QStringLiteral("Info.."));
    BitBtn1->setFixedSize(54, 48);
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Memo1, 1);
    row->addWidget(BitBtn1);
    static_cast<QVBoxLayout*>(ClientArea()->layout())->addWidget(Panel1);
}

void TDLG_ErrorDiagram::ConnectHandlers()
{
    ErrChart->OnBeforeDrawSeries = [this](QPainter& painter) { ErrChartBeforeDrawSeries(painter); };
    ErrChart->OnAfterDraw = [this](QPainter& painter) { ErrChartAfterDraw(painter); };
    // A new step may bring wider labels.
    connect(ErrChart->LeftAxis(), &QValueAxis::tickIntervalChanged, this, [this] { UpdateLeftAxis(); });
    const std::pair<QRadioButton*, int> buttons[] = {
        {RB_FlowVeloc, QuantityVelocity}, {RB_VolumeFlow, QuantityVolume}, {RB_MassFlow, QuantityMass}};
    for (auto [button, index] : buttons) {
        connect(button, &QRadioButton::clicked, this, [this, i = index] { SetQuantity(i); });
    }
    connect(BitBtn1, &QPushButton::clicked, this, &TDLG_ErrorDiagram::BitBtn1Click);
}

void TDLG_ErrorDiagram::SetErrorData(const tErrorData& data)
{
    model_.SetErrorData(data, [this](const QString& text) { return TranslateString(text); });
    Lab_YME2->setToolTip(model_.ZeroPointHint());
    // The chart is no widget the translator walks: its legend is translated here.
    SER_1PO->setName(TranslateString(QStringLiteral("1% accuracy    ")));
    SER_3PO->setName(TranslateString(QStringLiteral("3% accuracy    ")));
    ErrChart->chart()->setTitle(model_.Title([this](const QString& text) { return TranslateString(text); }));
    ShowPlot();
}

void TDLG_ErrorDiagram::SetQuantity(int index)
{
    model_.SetQuantity(index);
    ShowPlot();
}

void TDLG_ErrorDiagram::ShowPlot()
{
    ErrChart->BottomAxis()->setTitleText(model_.AxisTitle());
    QRadioButton* const buttons[] = {RB_FlowVeloc, RB_VolumeFlow, RB_MassFlow};
    buttons[model_.QuantityIndex]->setChecked(true);
    Fill(SER_1PO, model_.Band1Upper);
    Fill(SER_1PU, model_.Band1Lower);
    Fill(SER_3PO, model_.Band3Upper);
    Fill(SER_3PU, model_.Band3Lower);
    ErrChart->SetInLegend(SER_1PO, model_.ShowOnePercentBand != 0);
    ErrChart->BottomAxis()->setRange(0.0, model_.AxisMaximum);
    const double largest = std::max({LargestError(model_.Band3Upper), LargestError(model_.Band1Upper), 1.0});
    ErrChart->LeftAxis()->setRange(-largest, largest);
    UpdateLeftAxis();
    Memo1->setPlainText(model_.ErrorText([this](const QString& text) { return TranslateString(text); })
                            .join(QLatin1Char('\n')));
    ErrChart->viewport()->update();
}

// The laminar-to-turbulent zone behind the bands: hatched, or one line when it is narrow.
void TDLG_ErrorDiagram::ErrChartBeforeDrawSeries(QPainter& painter)
{
    const QRectF plot = ErrChart->PlotArea();
    const double left = std::max(plot.left(), ErrChart->XPixel(model_.LaminarX()));
    const double right = std::min(plot.right(), ErrChart->XPixel(model_.TurbulentX()));
    if (right - left > 3) {
        painter.fillRect(QRectF(QPointF(left, plot.top()), QPointF(right, plot.bottom())),
                         QBrush(Silver, Qt::DiagCrossPattern));
        return;
    }
    const double middle = ErrChart->XPixel((model_.LaminarX() + model_.TurbulentX()) * 0.5);
    if (middle < plot.left() || middle > plot.right())
        return;
    painter.setPen(QPen(Silver, 3));
    painter.drawLine(QPointF(middle, plot.bottom()), QPointF(middle, plot.top()));
}

// Room for the widest left label beside the axis title's designed 7 px.
void TDLG_ErrorDiagram::UpdateLeftAxis()
{
    const QValueAxis* axis = ErrChart->LeftAxis();
    const QFontMetrics metrics(axis->labelsFont());
    int widest = 0;
    for (double v : ErrChart->TickValues(*axis))
        widest = std::max(widest, metrics.horizontalAdvance(tErrorModel::LeftAxisLabel(v)));
    QMargins margins = ErrChart->chart()->margins();
    margins.setLeft(LeftTitleSize + widest + LeftLabelGap);
    ErrChart->chart()->setMargins(margins);
}

void TDLG_ErrorDiagram::DrawLeftLabels(QPainter& painter)
{
    const QValueAxis* axis = ErrChart->LeftAxis();
    const QRectF plot = ErrChart->PlotArea();
    painter.setFont(axis->labelsFont());
    // Qt's own labels of this axis are hidden and transparent; these are the ones seen.
    painter.setPen(QColor(Qt::black));
    const double height = painter.fontMetrics().height();
    for (double value : ErrChart->TickValues(*axis)) {
        const double y = ErrChart->YPixel(value);
        const QRectF box(LeftTitleSize, y - height / 2, plot.left() - LeftTitleSize - LeftLabelGap, height);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, tErrorModel::LeftAxisLabel(value));
    }
}

// The operating point: a thin line over the plot, a wider one within the 3 % band and the
// widest within the typical error.
void TDLG_ErrorDiagram::ErrChartAfterDraw(QPainter& painter)
{
    DrawLeftLabels(painter);
    if (!model_.HasRelativeError() || model_.Factor() == 0.0)
        return;
    const QRectF plot = ErrChart->PlotArea();
    const double x = ErrChart->XPixel(model_.OperatingX());
    if (x < plot.left() || x > plot.right())
        return;
    painter.setPen(QPen(PureBlue, 1));
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.top()));
    const double e3 = model_.MarkerError3();
    painter.setPen(QPen(PureBlue, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, std::max(plot.top() + 3 - 1, ErrChart->YPixel(e3) + 1)),
                     QPointF(x, std::min(plot.bottom() - 3 + 1, ErrChart->YPixel(-e3) - 1)));
    const double et = model_.MarkerErrorTypical();
    painter.setPen(QPen(PureBlue, 5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, std::max(plot.top() + 5 - 1, ErrChart->YPixel(et) + 3)),
                     QPointF(x, std::min(plot.bottom() - 5 + 1, ErrChart->YPixel(-et) - 3)));
}

// The box fits the longest caption of the language shown, and sits on the X axis.
void TDLG_ErrorDiagram::PlaceQuantityGroup()
{
    int widest = 0;
    for (QRadioButton* button : {RB_FlowVeloc, RB_VolumeFlow, RB_MassFlow}) {
        button->adjustSize();
        widest = std::max(widest, button->x() + button->width());
    }
    GRP_RB->resize(std::max(QuantityBoxWidth, widest + 8), GRP_RB->height());
    const QRectF plot = ErrChart->PlotArea();
    if (plot.bottom() != 0.0)
        GRP_RB->move(ErrChart->width() - GRP_RB->width() - 8, static_cast<int>(plot.bottom()) - GRP_RB->height());
}

void TDLG_ErrorDiagram::resizeEvent(QResizeEvent* event)
{
    TMultilingualForm::resizeEvent(event);
    UpdateLeftAxis();
    PlaceQuantityGroup();
}

void TDLG_ErrorDiagram::showEvent(QShowEvent* event)
{
    TMultilingualForm::showEvent(event);
    UpdateLeftAxis();
    ErrChart->viewport()->update();
    PlaceQuantityGroup();
}

void TDLG_ErrorDiagram::BitBtn1Click()
{
    CreateDialog<TDLG_ErrorTextInfo>(this)->ShowDialog();
}
