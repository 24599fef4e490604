#include "calculator/forms/Medieninfo.h"

#include "calculator/forms/InpDiagGrenzen.h"
#include "calculator/forms/InpDruck.h"
#include "calculator/forms/KoeffInfo.h"
#include "calculator/forms/NamensListe.h"
#include "charts/ChartView.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormKit.h"
#include "formbase/FormRegistry.h"
#include "platform/NumberFormat.h"
#include "reference/QlvTabels.h"

#include <QAction>
#include <QChart>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>

namespace {

struct tPropertyDesign {
    tMediumProperty Property;
    const char* Name;
    const char* Unit;
};
constexpr tPropertyDesign Properties[] = {
    {tMediumProperty::SoundSpeed, "Schallgeschwindigkeit", "[m/s]"},
    {tMediumProperty::KinViscosity, "kinematische Viskosität", "[mm²/s]"},
    {tMediumProperty::DynViscosity, "dynamische Viskosität", "[mPa*s]"},
    {tMediumProperty::Density, "Dichte", "[g/cm³]"},
};

constexpr tTemperatureSpan DefaultSpan{0, 130};

}  // namespace

TDLG_MedienInfo::TDLG_MedienInfo(QWidget* parent)
    : TMultilingualForm(parent)
{
    setObjectName(QStringLiteral("DLG_MedienInfo"));
    setWindowTitle(QStringLiteral("Stoffdaten"));
    FormCreate();
    CreateChart();
    CreatePropertyGroup();
    CreateButtons();
    ConnectHandlers();
}

void TDLG_MedienInfo::FormCreate()
{
    TMultilingualForm::FormCreate();
}

void TDLG_MedienInfo::CreateChart()
{
    CreateControl(Chart1, "Chart1", ClientArea());
    Chart1->setMinimumSize(520, 340);
    Chart1->chart()->legend()->hide();
    Series1 = Chart1->AddLineSeries(QString(), Qt::red, false);
    Series1->setObjectName(QStringLiteral("Series1"));
    Chart1->viewport()->setMouseTracking(true);
    Chart1->viewport()->installEventFilter(this);
    Chart1->OnAfterDraw = [this](QPainter& painter) { DrawCrosshair(painter); };
    CreateControl(PopupMenu1, "PopupMenu1", this);
    Koeffizienten1 = PopupMenu1->addAction(QStringLiteral("Koeffizienten"));
    Koeffizienten1->setObjectName(QStringLiteral("Koeffizienten1"));
    Chart1->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TDLG_MedienInfo::CreatePropertyGroup()
{
    CreateControl(GRP_Zeige, "GRP_Zeige", ClientArea(), QStringLiteral("Zeige"));
    auto* box = new QVBoxLayout(GRP_Zeige);
    for (auto [field, name, text] : {std::tuple{&RB_SCHALLGESCHW, "RB_SCHALLGESCHW", "&Schallgeschw."},
                                     std::tuple{&RB_VISK, "RB_VISK", "&kinemat. Viskos."},
                                     std::tuple{&RB_VISKDYN, "RB_VISKDYN", "d&ynam. Viskos."},
                                     std::tuple{&RB_DICHTE, "RB_DICHTE", "&Dichte"}})
        box->addWidget(CreateControl(*field, name, GRP_Zeige, QString::fromUtf8(text)));
    RB_SCHALLGESCHW->setChecked(true);
    // The property's unit above the value axis and under the value readout; the
    // temperature's under the temperature readout.
    CreateControl(Lab_YME, "Lab_YME", ClientArea(), QStringLiteral("[m/s]"));
    CreateControl(Lab_YME2, "Lab_YME2", ClientArea(), QStringLiteral("[m/s]"));
    CreateControl(Lab_XME, "Lab_XME", ClientArea(), QStringLiteral("[°C]"));
}

void TDLG_MedienInfo::CreateButtons()
{
    CreateControl(BitBtn2, "BitBtn2", ClientArea(), QStringLiteral(" &Wertebereich..."));
    CreateControl(BitBtn1, "BitBtn1", ClientArea(), QStringLiteral("Darstellungsbereich..."));
    CreateControl(BUT_AndreSprachen, "BUT_AndreSprachen", ClientArea(), QStringLiteral("Andere Sprachen..."));
    CreateControl(PAN_FluidDruck, "PAN_FluidDruck", ClientArea());
    CreateControl(PAN_aktFluidDruck, "PAN_aktFluidDruck", PAN_FluidDruck, QStringLiteral("  1"));
    auto* pressure = new QHBoxLayout(PAN_FluidDruck);
    pressure->setContentsMargins(0, 0, 0, 0);
    pressure->addWidget(PAN_aktFluidDruck);
    pressure->addWidget(new QLabel(QStringLiteral("bar"), PAN_FluidDruck));
    CreateControl(PAN_AktXVAlue, "PAN_AktXVAlue", ClientArea(), QString());
    CreateControl(PAN_AktYValue, "PAN_AktYValue", ClientArea(), QString());
    for (QLabel* panel : {PAN_AktXVAlue, PAN_AktYValue}) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(80);
        panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto* side = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{GRP_Zeige, PAN_FluidDruck, BitBtn2, BitBtn1, BUT_AndreSprachen,
                                                      PAN_AktXVAlue, Lab_XME, PAN_AktYValue, Lab_YME2})
        side->addWidget(w);
    side->addStretch();
    // The chart closes with its own OK beside the readout; the button panel stays hidden.
    side->addWidget(BUT_OK);
    auto* plot = new QVBoxLayout;
    plot->addWidget(Lab_YME);
    plot->addWidget(Chart1, 1);
    auto* layout = new QHBoxLayout(ClientArea());
    layout->addLayout(plot, 1);
    layout->addLayout(side);
}

void TDLG_MedienInfo::ConnectHandlers()
{
    for (const tPropertyDesign& d : Properties) {
        QRadioButton* button = d.Property == tMediumProperty::SoundSpeed ? RB_SCHALLGESCHW
            : d.Property == tMediumProperty::KinViscosity                ? RB_VISK
            : d.Property == tMediumProperty::DynViscosity                ? RB_VISKDYN
                                                                          : RB_DICHTE;
        const tMediumProperty property = d.Property;
        connect(button, &QRadioButton::toggled, this, [this, property](bool on) {
            if (on)
                SelectProperty(property);
        });
    }
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(PAN_aktFluidDruck, &QPushButton::clicked, this, [this] { PressureClick(); });
    connect(BUT_AndreSprachen, &QPushButton::clicked, this, [] {
        if (TDLG_Namensliste* names = DLG_Namensliste())
            names->ShowDialog();
    });
    connect(Chart1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Chart1->mapToGlobal(at)); });
    connect(Koeffizienten1, &QAction::triggered, this, [this] {
        TDLG_Koeffs list(this);
        list.ShowCoefficients(property_ == tMediumProperty::SoundSpeed ? medium_.SoundSpeed
                              : property_ == tMediumProperty::Density  ? medium_.Density
                                                                       : medium_.KinViscosity);
        list.exec();
    });
}

void TDLG_MedienInfo::SetMedium(std::uint16_t id)
{
    mediumId_ = id;
    medium_ = tMediumRec{};
    GetMedium(id, medium_);
    setWindowTitle(Format(TranslateString(QStringLiteral("Stoffdaten von %s (%0.5d)")), {MediumName(id), int(id)}));
    if (TDLG_Namensliste* names = DLG_Namensliste()) {
        names->SetMedium(id);
        BUT_AndreSprachen->setEnabled(!names->AllNamesEqual);
    }
    SelectProperty(property_);
}

void TDLG_MedienInfo::SetPressure(double bar)
{
    pressure_ = bar;
    PAN_aktFluidDruck->setText(Format(QStringLiteral("%3.0f"), {bar}));
    SelectProperty(property_);
}

void TDLG_MedienInfo::ShowPressure(bool flag)
{
    PAN_FluidDruck->setVisible(flag);
}

void TDLG_MedienInfo::SelectProperty(tMediumProperty property)
{
    property_ = property;
    for (const tPropertyDesign& d : Properties) {
        if (d.Property != property)
            continue;
        Chart1->chart()->setTitle(Format(TranslateString(QStringLiteral("%s von '%s'")),
                                         {TranslateString(QString::fromUtf8(d.Name)), MediumName(mediumId_)}));
        Lab_YME->setText(QString::fromUtf8(d.Unit));
        Lab_YME2->setText(QString::fromUtf8(d.Unit));
    }
    PlotSelected(DefaultSpan);
}

void TDLG_MedienInfo::PlotSelected(const tTemperatureSpan& span)
{
    span_ = span;
    ShowPoints(PlotProperty(medium_, property_, pressure_, span));
}

void TDLG_MedienInfo::ShowPoints(std::vector<QPointF> points)
{
    points_ = std::move(points);
    // The marked point is gone with the old series, and so are its values.
    marked_ = -1;
    PAN_AktXVAlue->clear();
    PAN_AktYValue->clear();
    Series1->replace(QList<QPointF>(points_.begin(), points_.end()));
    if (!points_.empty())
        Chart1->BottomAxis()->setRange(points_.front().x(), points_.back().x());
    AutoScaleYAxis();
}

void TDLG_MedienInfo::AutoScaleYAxis()
{
    const tValueRange range =
        ::AutoScaleYAxis(SeriesYRange(points_, 0, static_cast<int>(points_.size()) - 1));
    Chart1->LeftAxis()->setRange(range.Min, range.Max);
    Chart1->viewport()->update();
}

void TDLG_MedienInfo::HideMediumControls()
{
    for (QWidget* w : std::initializer_list<QWidget*>{GRP_Zeige, BitBtn1, BitBtn2, BUT_AndreSprachen, PAN_FluidDruck})
        w->hide();
}

int TDLG_MedienInfo::GetNearestIndex(double& x) const
{
    return NearestIndex(points_, x, 0);
}

QString TDLG_MedienInfo::GetXValueText(int index) const
{
    if (index < 0 || index >= static_cast<int>(points_.size()))
        return {};
    return Format(QStringLiteral("%.1f"), {points_[index].x()});
}

QString TDLG_MedienInfo::GetYValueText(int index) const
{
    if (index < 0 || index >= static_cast<int>(points_.size()))
        return {};
    return Format(QStringLiteral("%.2f"), {points_[index].y()});
}

void TDLG_MedienInfo::ChartMouseMove(QPoint at)
{
    QChart* chart = Chart1->chart();
    double x = chart->mapToValue(chart->mapFromScene(Chart1->mapToScene(at)), Series1).x();
    marked_ = GetNearestIndex(x);
    PAN_AktXVAlue->setText(GetXValueText(marked_));
    PAN_AktYValue->setText(GetYValueText(marked_));
    Chart1->viewport()->update();
}

// Yellow taken as a difference from what lies under it, as an inverting pen would draw it:
// blue on the white wall, yellow on black.
void TDLG_MedienInfo::DrawCrosshair(QPainter& painter) const
{
    if (marked_ < 0 || marked_ >= static_cast<int>(points_.size()))
        return;
    const QRectF plot = Chart1->PlotArea();
    const QPointF at = Chart1->MapToPixel(points_[marked_], Series1);
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(QColor(255, 255, 0), 1));
    painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
    painter.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
}

// Qt Charts measures an axis's labels only when its range changes on a chart that is laid
// out: a range set while the chart was hidden came up with its labels cut to the width of
// the labels before ("15..."). Shown, each axis takes its range once more.
bool TDLG_MedienInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Chart1->viewport()) {
        if (event->type() == QEvent::MouseMove)
            ChartMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const QPointF at = static_cast<QMouseEvent*>(event)->position();
            const QRectF plot = Chart1->PlotArea();
            if (at.y() > plot.bottom() && at.x() >= plot.left() && BitBtn1->isVisibleTo(this))
                BitBtn1Click();
            else if (at.x() < plot.left() && at.y() <= plot.bottom())
                AutoScaleYAxis();
        }
    }
    return TMultilingualForm::eventFilter(watched, event);
}

void TDLG_MedienInfo::ApplyValueRange(int result, double first, double last)
{
    if (result == 1)
        PlotSelected(PlotSpan(first, last));
    else if (result == TDLG_InputGrenzen::ResetResult)
        PlotSelected(DefaultSpan);
}

void TDLG_MedienInfo::ApplyDisplayRange(int result, double low, double high)
{
    if (result == TDLG_InputGrenzen::ResetResult) {
        ShowPoints(points_);
        return;
    }
    if (result != 1)
        return;
    const tValueRange x = DisplayRange(low, high);
    Chart1->BottomAxis()->setRange(x.Min, x.Max);
    double lowX = x.Min;
    double highX = x.Max;
    const int first = GetNearestIndex(lowX);
    const int last = GetNearestIndex(highX);
    if (first >= 0 && last >= 0) {
        const tValueRange y = SeriesYRange(points_, first, last);
        const tValueRange shown = y.Min == y.Max ? ::AutoScaleYAxis(y) : y;
        Chart1->LeftAxis()->setRange(shown.Min, shown.Max);
    }
    Chart1->viewport()->update();
}

void TDLG_MedienInfo::BitBtn2Click()
{
    auto input = CreateDialog<TDLG_InputGrenzen>(this);
    input->setWindowTitle(TranslateString(QStringLiteral("Temperaturbereich (Werte)")));
    input->SetLower(span_.First);
    input->SetUpper(span_.Last);
    const int result = input->ShowDialog();
    ApplyValueRange(result, input->GetLower(), input->GetUpper());
}

void TDLG_MedienInfo::BitBtn1Click()
{
    auto input = CreateDialog<TDLG_InputGrenzen>(this);
    input->setWindowTitle(TranslateString(QStringLiteral("Temperaturbereich (Darstellung)")));
    input->SetLower(Chart1->BottomAxis()->min());
    input->SetUpper(Chart1->BottomAxis()->max());
    const int result = input->ShowDialog();
    ApplyDisplayRange(result, input->GetLower(), input->GetUpper());
}

void TDLG_MedienInfo::PressureClick()
{
    auto input = CreateDialog<TDLG_InpDruck>(this);
    input->setWindowTitle(MediumName(mediumId_));
    input->SetPressure(pressure_);
    if (input->ShowDialog() == 1)
        SetPressure(input->GetPressure());
}

TDLG_MedienInfo* DLG_MedienInfo()
{
    return TFormRegistry::Lookup<TDLG_MedienInfo>();
}

void ShowMediumChart(std::uint16_t mediumId, double pressure, bool showPressure)
{
    TDLG_MedienInfo* chart = DLG_MedienInfo();
    if (!chart)
        return;
    chart->SetMedium(mediumId);
    chart->SetPressure(pressure);
    chart->ShowPressure(showPressure);
    chart->ShowDialog();
}
