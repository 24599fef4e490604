#include "transducer/D_SensorAuswahl.h"

#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "platform/NumberFormat.h"
#include "transducer/DUChart.h"
#include "transducer/DUGanttSeries.h"
#include "transducer/OemVariant.h"
#include "transducer/SensorCatalogue.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLogValueAxis>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QValueAxis>

#include <cmath>

namespace {

QFont ArialPixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

std::vector<tRangeBar> RangeChartBars(bool oemVariant, bool expert)
{
    std::vector<tRangeBar> bars;
    int row = 0;
    for (const tSensorDatenTableItem& e : SensorCatalogue) {
        const bool shown = expert || (oemVariant ? e.BrandolfVisible : e.OwnVisible);
        if (!shown)
            continue;
        ++row;
        const QString name = oemVariant ? QString(e.BrandolfName) : QString(e.CBXname);
        bars.push_back({name, clWhite, e.DNext.von, e.DNspez.von, double(row), 2});
        bars.push_back({name, RangeGreen, e.DNspez.von, e.DNspez.bis, double(row), 4});
        bars.push_back({name, clWhite, e.DNspez.bis, e.DNext.bis, double(row), 2});
    }
    return bars;
}

QString InchAxisLabel(const QString& mmLabel)
{
    bool integer = false;
    const qlonglong mm = mmLabel.toLongLong(&integer);
    return integer ? Format(QStringLiteral("%.1f"), {double(mm) / 25.4}) : QString();
}

tAxisRange RangeChartAxis(bool logarithmic, double smallestStart, double end)
{
    double low = 0.0;
    if (logarithmic) {
        const double start = std::isfinite(smallestStart) && smallestStart > 1.0 ? smallestStart : 1.0;
        low = std::pow(10.0, std::floor(std::log10(start)));
    }
    double high = std::isfinite(end) ? end : low + 10.0;
    if (high <= low)
        high = logarithmic ? low * 10.0 : low + 10.0;
    return {low, high};
}

TDLG_SensorAuswahl::TDLG_SensorAuswahl(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_SensorAuswahl"));
    setWindowTitle(QStringLiteral("Transducer specification"));
    // Sizeable, unlike the other dialogs: the chart scrolls when the dialog is lower.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setSizeGripEnabled(true);
    setMinimumWidth(500);
    resize(700, 503);
    FormCreate();
    CreateCaption();
    CreateChart();
    CreateAxisGroup();
    ConnectHandlers();
}

TDLG_SensorAuswahl::~TDLG_SensorAuswahl()
{
    // The bottom axis taken out of the chart belongs to nobody.
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{linear_, log_})
        if (!DUChart1->chart()->axes().contains(axis) && !axis->parent())
            delete axis;
}

void TDLG_SensorAuswahl::CreateCaption()
{
    CreateControl(Panel1, "Panel1", ClientArea(),
                  QStringLiteral("Möglicher und spezifizierter Nennweitenbereich der verschiedenen Sensoren"));
    Panel1->setFont(ArialPixels(13));
    Panel1->setStyleSheet(QStringLiteral("color: blue"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFixedHeight(41);
}

void TDLG_SensorAuswahl::CreateChart()
{
    CreateControl(ScrollBox1, "ScrollBox1", ClientArea());
    ScrollBox1->setWidgetResizable(true);
    CreateControl(DUChart1, "DUChart1", ScrollBox1);
    ScrollBox1->setWidget(DUChart1);
    DUChart1->HorizontalPanning = true;
    DUChart1->chart()->legend()->hide();
    DUChart1->chart()->setTitle(QString());
    linear_ = DUChart1->BottomAxis();
    linear_->setTitleText(QStringLiteral("Innendurchmesser [mm]"));
    linear_->setMinorTickCount(5);
    log_ = new QLogValueAxis(this);
    log_->setBase(10.0);
    log_->setMinorTickCount(8);
    left_ = new QCategoryAxis(DUChart1->chart());
    left_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    left_->setGridLineVisible(false);
    DUChart1->chart()->addAxis(left_, Qt::AlignLeft);
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{linear_, log_, left_}) {
        axis->setLabelsFont(ArialPixels(13));
        axis->setTitleFont(ArialPixels(13));
    }
    // The bottom labels are painted through the label callback; the axis keeps their room.
    linear_->setLabelsColor(Qt::transparent);
    log_->setLabelsColor(Qt::transparent);
    Series1 = std::make_unique<TDUGanttSeries>(DUChart1, linear_, left_);
    DUChart1->OnAfterDraw = [this](QPainter& painter) {
        DrawBottomLabels(painter);
        Series1->Draw(painter);
    };
}

void TDLG_SensorAuswahl::CreateAxisGroup()
{
    auto* bottom = new QWidget(ClientArea());
    bottom->setFixedHeight(59);
    CreateControl(GroupBox1, "GroupBox1", bottom, QStringLiteral("Nennweitenache"));
    GroupBox1->setFont(ArialPixels(13, true));
    CreateControl(CB_Inch, "CB_Inch", GroupBox1, QStringLiteral("[Inch]"));
    CreateControl(CheckBox1, "CheckBox1", GroupBox1, QStringLiteral("logarythmisch"));
    CreateControl(Label1, "Label1", GroupBox1, QStringLiteral("Bereich:"));
    CreateControl(ScrollBar1, "ScrollBar1", GroupBox1, Qt::Horizontal);
    ScrollBar1->setRange(100, 6500);
    ScrollBar1->setValue(6500);
    ScrollBar1->setSingleStep(10);
    ScrollBar1->setPageStep(100);
    auto* group = new QHBoxLayout(GroupBox1);
    for (QWidget* w : std::initializer_list<QWidget*>{CB_Inch, CheckBox1, Label1})
        group->addWidget(w);
    group->addWidget(ScrollBar1, 1);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(GroupBox1, 1);
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(bottom);
    BUT_OK->hide();
    BUT_Cancel->setText(QStringLiteral("Zurueck"));
    Panel_BUTTONS->show();
}

void TDLG_SensorAuswahl::ConnectHandlers()
{
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    connect(CB_Inch, &QCheckBox::toggled, this, [this] { CB_InchClick(); });
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TDLG_SensorAuswahl::ScrollBar1Scroll);
}

int TDLG_SensorAuswahl::AddGanttHeight(const QString& label, TColor colour, double start, double end, double y,
                                       int height)
{
    return Series1->AddGanttHeight(label, colour, start, end, y, height);
}

void TDLG_SensorAuswahl::FillRangeChart(bool expert)
{
    Series1->Clear();
    const auto labels = left_->categoriesLabels();
    for (const QString& label : labels)
        left_->remove(label);
    rows_ = 0;
    smallestStart_ = 0.0;
    largestEnd_ = 0.0;
    for (const tRangeBar& bar : RangeChartBars(IsOemVariant != 0, expert)) {
        AddGanttHeight(bar.Label, bar.Colour, bar.Start, bar.End, bar.Y, bar.Height);
        if (int(bar.Y) > rows_) {
            rows_ = int(bar.Y);
            left_->append(bar.Label, bar.Y);
        }
        if (bar.Start > 0.0 && (smallestStart_ == 0.0 || bar.Start < smallestStart_))
            smallestStart_ = bar.Start;
        largestEnd_ = std::max(largestEnd_, bar.End);
    }
    left_->setRange(0.0, rows_ + 1.0);
    DUChart1->setMinimumHeight(rows_ * RangeRowHeight);
    DUChart1->resize(DUChart1->width(), rows_ * RangeRowHeight);
    ApplyBottomRange(largestEnd_);
    CB_InchClick();  // the axis title in the form's language
}

QAbstractAxis* TDLG_SensorAuswahl::BottomAxis() const
{
    return CheckBox1->isChecked() ? static_cast<QAbstractAxis*>(log_) : linear_;
}

void TDLG_SensorAuswahl::ApplyBottomRange(double end)
{
    const tAxisRange range = RangeChartAxis(CheckBox1->isChecked(), smallestStart_, end);
    if (CheckBox1->isChecked()) {
        log_->setRange(range.Min, range.Max);
    } else {
        linear_->setRange(range.Min, range.Max);
    }
    DUChart1->viewport()->update();
}

void TDLG_SensorAuswahl::CheckBox1Click()
{
    QChart* chart = DUChart1->chart();
    QAbstractAxis* from = CheckBox1->isChecked() ? static_cast<QAbstractAxis*>(linear_) : log_;
    QAbstractAxis* to = BottomAxis();
    chart->removeAxis(from);
    chart->addAxis(to, Qt::AlignBottom);
    Series1->SetBottomAxis(to);
    to->setTitleText(from->titleText());
    ApplyBottomRange(largestEnd_);
}

void TDLG_SensorAuswahl::ScrollBar1Scroll(int position)
{
    ApplyBottomRange(position);
}

void TDLG_SensorAuswahl::DUChart1GetAxisLabel(QAbstractAxis* axis, QString& labelText) const
{
    if (axis == BottomAxis() && CB_Inch->isChecked())
        labelText = InchAxisLabel(labelText);
}

void TDLG_SensorAuswahl::CB_InchClick()
{
    BottomAxis()->setTitleText(CB_Inch->isChecked() ? TranslateString(QStringLiteral("Innendurchmesser [inch]"))
                                                    : TranslateString(QStringLiteral("Innendurchmesser [mm]")));
    DUChart1->viewport()->update();
}

void TDLG_SensorAuswahl::DrawBottomLabels(QPainter& painter) const
{
    const QRectF plot = DUChart1->PlotArea();
    std::vector<double> ticks;
    if (CheckBox1->isChecked()) {
        for (double v = log_->min(); v <= log_->max() * (1.0 + 1e-9) && ticks.size() < 20; v *= 10.0)
            ticks.push_back(v);
    } else {
        ticks = DUChart1->TickValues(*linear_);
    }
    painter.setFont(ArialPixels(13));
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font());
    for (double value : ticks) {
        QString text = Format(QStringLiteral("%.0f"), {value});
        DUChart1GetAxisLabel(BottomAxis(), text);
        const double x = DUChart1->MapToPixel({value, 1.0}, DUChart1->chart()->series().value(0)).x();
        const int width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(x - width / 2.0, plot.bottom() + 4 + metrics.ascent()), text);
    }
}

void ShowRangeChart(QWidget* parent, bool expert)
{
    auto dialog = CreateDialog<TDLG_SensorAuswahl>(parent);
    dialog->FillRangeChart(expert);
    dialog->ShowDialog();
}
