// The medium property chart offscreen: the plotted property, the ranges and the pressure
// with the small inputs that enter them, the coefficient list, the axis labels and the
// pointer readout with its crosshair; and the calibration-factor chart derived from it.

#include "calculator/forms/Medieninfo.h"

#include "calculator/core/CoeffLines.h"
#include "calculator/forms/InpDiagGrenzen.h"
#include "calculator/forms/InpDruck.h"
#include "calculator/forms/KalfaktorDiagr.h"
#include "calculator/forms/KoeffInfo.h"
#include "charts/ChartView.h"
#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include "ModalDriver.h"

#include <QAction>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>

#include <cmath>
#include <optional>

namespace {
// Collects Qt's warnings while it lives (one at a time): an axis refuses a range it cannot take
// with nothing but a warning.
class TWarningCatcher {
public:
    TWarningCatcher() : passOn_(qInstallMessageHandler(Catch)) { current_ = this; }
    ~TWarningCatcher()
    {
        qInstallMessageHandler(passOn_);
        current_ = nullptr;
    }
    QStringList Warnings;

private:
    static void Catch(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg)
            current_->Warnings.append(text);
        if (current_->passOn_)
            current_->passOn_(type, context, text);
    }
    static inline TWarningCatcher* current_ = nullptr;
    const QtMessageHandler passOn_;
};
}  // namespace

class MedienInfoTest : public QObject {
    Q_OBJECT

private:
    const FormatSettingsScope formats_{TFormatSettings()};
    std::unique_ptr<TDLG_MedienInfo> chart_;
    tMediumRec water_{};

    QPoint PixelOf(QPointF value) const { return chart_->Chart1->MapToPixel(value, chart_->Series1).toPoint(); }

private slots:
    // Laid out while hidden, before it has values, then shown.
    void init()
    {
        chart_ = CreateDialog<TDLG_MedienInfo>();
        chart_->resize(800, 500);
        QCoreApplication::processEvents();
        chart_->SetMedium(10001);
        GetMedium(10001, water_);
        chart_->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart_.get()));
    }

    void cleanup() { chart_.reset(); }

    void plotsTheSelectedProperty()
    {
        QCOMPARE(chart_->windowTitle(), QStringLiteral("Stoffdaten von %1 (10001)").arg(MediumName(10001)));
        QCOMPARE(chart_->Series1->at(130), QPointF(130.0, EvalProperty(water_.SoundSpeed, 130.0, 1.0)));
        QCOMPARE(chart_->Lab_YME->text() + chart_->Lab_XME->text(), QStringLiteral("[m/s][°C]"));
        chart_->RB_VISKDYN->setChecked(true);
        chart_->SetPressure(2.0);
        QCOMPARE(chart_->PAN_aktFluidDruck->text() + chart_->Lab_YME2->text(), QStringLiteral("  2[mPa*s]"));
        // A new value range keeps plotting kinematic viscosity times density, ends swapped.
        chart_->ApplyValueRange(1, 80.0, 20.0);
        QCOMPARE(chart_->Series1->count(), 61);
        QCOMPARE(chart_->Series1->at(0),
                 QPointF(20.0, EvalProperty(water_.KinViscosity, 20.0, 2.0) * EvalProperty(water_.Density, 20.0, 2.0)));
    }

    // A display range fits the value axis to the points inside it without margin; the reset
    // gives the whole series its margin again.
    void axisRanges()
    {
        const std::vector<QPointF>& points = chart_->Points();
        for (const auto& [result, low, high, y] : {std::tuple{1, 20.0, 80.0, SeriesYRange(points, 20, 80)},
                                                   {8, 0.0, 130.0, AutoScaleYAxis(SeriesYRange(points, 0, 130))}}) {
            chart_->ApplyDisplayRange(result, high, low);
            const QValueAxis* bottom = chart_->Chart1->BottomAxis();
            const QValueAxis* left = chart_->Chart1->LeftAxis();
            QVERIFY(bottom->min() == low && bottom->max() == high && left->min() == y.Min && left->max() == y.Max);
        }
    }

    // Typed values confirmed with Enter, clamped to their limits; "Automatisch" plots
    // 0 .. 130 °C again.
    void rangePressureAndCoefficientDialogs()
    {
        QVERIFY(RunModal<TDLG_InputGrenzen>([this] { chart_->BitBtn2->click(); }, [](TDLG_InputGrenzen& input) {
            QCOMPARE(input.SPN_MAX->text(), QStringLiteral("130.0"));
            TypeAndEnter(input.SPN_MIN, QStringLiteral("-20"));
        }));
        QVERIFY(chart_->Points().front().x() == -20.0 && chart_->Points().back().x() == 130.0);
        QVERIFY(RunModal<TDLG_InputGrenzen>([this] { chart_->BitBtn2->click(); },
                                            [](TDLG_InputGrenzen& input) { QTest::mouseClick(input.BUT_Automatic, Qt::LeftButton); }));
        QCOMPARE(chart_->Points().front().x(), 0.0);
        // Bounds beyond the range of double reach the axis as the farthest it can show.
        std::optional<TWarningCatcher> qt;
        QVERIFY(RunModal<TDLG_InputGrenzen>([this] { chart_->BitBtn1->click(); }, [&qt](TDLG_InputGrenzen& input) {
            input.SPN_MIN->setText(QStringLiteral("-1e309"));
            qt.emplace();
            TypeAndEnter(input.SPN_MAX, QStringLiteral("1e309"));
        }));
        chart_->Chart1->viewport()->grab();
        const QValueAxis* bottom = chart_->Chart1->BottomAxis();
        QVERIFY2(qt->Warnings.isEmpty(), qPrintable(qt->Warnings.join(QLatin1Char('\n'))));
        QVERIFY(std::isfinite(bottom->min()) && std::isfinite(bottom->max()) && bottom->min() < -1e307
                && bottom->max() > 1e307);
        // A value range as wide plots every temperature there is.
        QVERIFY(RunModal<TDLG_InputGrenzen>([this] { chart_->BitBtn2->click(); }, [](TDLG_InputGrenzen& input) {
            input.SPN_MIN->setText(QStringLiteral("-1e309"));
            TypeAndEnter(input.SPN_MAX, QStringLiteral("1e309"));
        }));
        QVERIFY(chart_->Points().front().x() == -200.0 && chart_->Points().back().x() == 600.0);
        for (const auto& [typed, bar] : {std::pair{"5000", 1000.0}, {"0", 0.1}, {"250", 250.0}}) {
            chart_->SetPressure(12.6);
            const QString text = QString::fromLatin1(typed);
            QVERIFY(RunModal<TDLG_InpDruck>([this] { chart_->PAN_aktFluidDruck->click(); }, [&](TDLG_InpDruck& input) {
                QCOMPARE(input.INP_DRUCK->text(), QStringLiteral("13"));
                TypeAndEnter(input.INP_DRUCK, text);
            }));
            QCOMPARE(chart_->Pressure(), bar);
        }
        QVERIFY(RunModal<TDLG_Koeffs>([this] { chart_->Koeffizienten1->trigger(); }, [this](TDLG_Koeffs& list) {
            QCOMPARE(list.Memo1->toPlainText(), CoefficientLines(water_.SoundSpeed).join(QLatin1Char('\n')));
        }));
    }

    // The chart layer lays the labels out afresh when shown: none is cut, the top one at its
    // round value included.
    void axisLabelsAreNotCutAfterAHiddenReplot()
    {
        QString labels;
        for (QGraphicsItem* item : chart_->Chart1->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                labels += text->toPlainText() + QLatin1Char(' ');
        QVERIFY2(labels.contains(QStringLiteral(" 1560.0 ")) && !labels.contains(QStringLiteral("...")), qPrintable(labels));
    }

    void pointerReadoutWithCrosshair()
    {
        chart_->ChartMouseMove(PixelOf({23.4, chart_->Points()[23].y()}));
        QCOMPARE(chart_->MarkedIndex(), 23);
        QCOMPARE(chart_->PAN_AktXVAlue->text() + ' ' + chart_->PAN_AktYValue->text(), "23.0 " + chart_->GetYValueText(23));
        QCoreApplication::processEvents();
        const QImage image = chart_->Chart1->viewport()->grab().toImage();
        const QPoint mark = PixelOf(chart_->Points()[23]);
        // Yellow inverted on the white wall is blue.
        const int y = int(chart_->Chart1->PlotArea().top() + 3);
        QVERIFY(image.pixelColor(mark.x() - 1, y) == QColor(0, 0, 255) || image.pixelColor(mark.x(), y) == QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(mark.x() + 20, y), QColor(Qt::white));
        chart_->ChartMouseMove(PixelOf({500.0, 0.0}));
        QVERIFY(chart_->MarkedIndex() == -1 && chart_->PAN_AktXVAlue->text().isEmpty());
        // Another medium forgets the marked point and its values.
        chart_->ChartMouseMove(PixelOf({23.4, chart_->Points()[23].y()}));
        chart_->SetMedium(10002);
        QVERIFY(chart_->MarkedIndex() == -1 && (chart_->PAN_AktXVAlue->text() + chart_->PAN_AktYValue->text()).isEmpty());
    }

    // The readout at two decimals under the velocity's unit (K has none), the
    // medium controls hidden, and the wait cursor gone before the modal show.
    void calibrationFactorChart()
    {
        QWidget parent;
        QVERIFY(RunModal<TDLG_Kalfaktordiagramm>(
            [&] { ShowCalibrationFactorChart(&parent, 1000.0, 1.0, 1.0, 2320.0, 6000.0); },
            [](TDLG_Kalfaktordiagramm& chart) {
                QVERIFY(!QApplication::overrideCursor());
                QVERIFY(chart.GRP_Zeige->isHidden() && chart.BitBtn1->isHidden() && chart.PAN_FluidDruck->isHidden());
                QCOMPARE(chart.Lab_XME->text() + chart.Lab_YME->text() + chart.Lab_YME2->text(), QStringLiteral("[m/s]"));
                chart.resize(800, 500);
                QVERIFY(QTest::qWaitForWindowExposed(&chart));
                chart.ChartMouseMove(chart.Chart1->MapToPixel({1.234, 0.8}, chart.Series1).toPoint());
                QCOMPARE(chart.MarkedIndex(), 123);
                QCOMPARE(chart.PAN_AktXVAlue->text() + ' ' + chart.PAN_AktYValue->text(), "1.23 " + chart.GetYValueText(123));
                QCOMPARE(chart.GetYValueText(0), QStringLiteral("0.750"));  // laminar at rest
            }));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(MedienInfoTest)
#include "MedienInfoTest.moc"
