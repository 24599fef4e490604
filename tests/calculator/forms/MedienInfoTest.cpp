// The medium property chart offscreen: the plotted property, the ranges, the pressure, the
// axis labels and the pointer readout with its crosshair.

#include "calculator/forms/Medieninfo.h"

#include "charts/ChartView.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include "ModalDriver.h"

#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>

class MedienInfoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TDLG_MedienInfo> chart_;
    tMediumRec water_{};

    QPoint PixelOf(QPointF value) const { return chart_->Chart1->MapToPixel(value, chart_->Series1).toPoint(); }

    void Show()
    {
        chart_->resize(800, 500);
        chart_->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart_.get()));
    }

private slots:
    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings());
        chart_ = CreateDialog<TDLG_MedienInfo>();
        chart_->SetMedium(10001);
        GetMedium(10001, water_);
    }

    void cleanup()
    {
        chart_.reset();
        formats_.reset();
    }

    void plotsTheSelectedProperty()
    {
        QCOMPARE(chart_->windowTitle(), QStringLiteral("Stoffdaten von %1 (10001)").arg(MediumName(10001)));
        QCOMPARE(chart_->Series1->count(), 131);
        QCOMPARE(chart_->Series1->at(20).y(), EvalProperty(water_.SoundSpeed, 20.0, 1.0));
        QCOMPARE(chart_->Lab_YME->text(), QStringLiteral("[m/s]"));
        QCOMPARE(chart_->Lab_XME->text(), QStringLiteral("[°C]"));

        chart_->RB_VISKDYN->setChecked(true);
        chart_->SetPressure(2.0);
        QCOMPARE(chart_->PAN_aktFluidDruck->text(), QStringLiteral("  2"));
        QCOMPARE(chart_->Lab_YME2->text(), QStringLiteral("[mPa*s]"));
        // A new value range keeps plotting kinematic viscosity times density, ends swapped.
        chart_->ApplyValueRange(1, 80.0, 20.0);
        QCOMPARE(chart_->Series1->count(), 61);
        QCOMPARE(chart_->Series1->at(0),
                 QPointF(20.0, EvalProperty(water_.KinViscosity, 20.0, 2.0) * EvalProperty(water_.Density, 20.0, 2.0)));
        chart_->ApplyValueRange(8, 0.0, 0.0);
        QCOMPARE(chart_->Series1->count(), 131);
    }

    void axisRanges()
    {
        const auto& p = chart_->Points();
        const auto [low, high] = std::minmax_element(p.begin(), p.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
        QCOMPARE(chart_->Chart1->LeftAxis()->min(), low->y() - 0.005 * low->y());
        QCOMPARE(chart_->Chart1->LeftAxis()->max(), high->y() + 0.005 * high->y());
        chart_->ApplyDisplayRange(1, 80.0, 20.0);
        QCOMPARE(chart_->Chart1->BottomAxis()->min(), 20.0);
        QCOMPARE(chart_->Chart1->BottomAxis()->max(), 80.0);
        QCOMPARE(chart_->Chart1->LeftAxis()->min(), std::min(p[20].y(), p[80].y()));
        chart_->ApplyDisplayRange(8, 0.0, 0.0);
        QCOMPARE(chart_->Chart1->BottomAxis()->max(), 130.0);
    }

    // A chart laid out while hidden, before it had values, opens with its labels in full.
    void axisLabelsAreNotCutAfterAHiddenReplot()
    {
        chart_ = CreateDialog<TDLG_MedienInfo>();
        chart_->adjustSize();
        QCoreApplication::processEvents();
        chart_->SetMedium(10001);
        Show();
        QStringList labels;
        for (QGraphicsItem* item : chart_->Chart1->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                labels << text->toPlainText();
        QVERIFY2(labels.contains(QStringLiteral("1564.1")), qPrintable(labels.join(QLatin1Char(' '))));
        QVERIFY(!labels.join(QString()).contains(QStringLiteral("...")));
    }

    void pointerReadoutWithCrosshair()
    {
        Show();
        chart_->ChartMouseMove(PixelOf({23.4, chart_->Points()[23].y()}));
        QCOMPARE(chart_->MarkedIndex(), 23);
        QCOMPARE(chart_->PAN_AktXVAlue->text(), QStringLiteral("23.0"));
        QCOMPARE(chart_->PAN_AktYValue->text(), chart_->GetYValueText(23));
        QCoreApplication::processEvents();
        const QImage image = chart_->Chart1->viewport()->grab().toImage();
        const QPoint mark = PixelOf(chart_->Points()[23]);
        // Yellow inverted on the white wall is blue.
        const int y = int(chart_->Chart1->PlotArea().top() + 3);
        QVERIFY(image.pixelColor(mark.x() - 1, y) == QColor(0, 0, 255) || image.pixelColor(mark.x(), y) == QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(mark.x() + 20, y), QColor(Qt::white));
        chart_->ChartMouseMove(PixelOf({500.0, 0.0}));
        QCOMPARE(chart_->MarkedIndex(), -1);
        QCOMPARE(chart_->PAN_AktXVAlue->text(), QString());

        // Another medium forgets the marked point and its values.
        chart_->ChartMouseMove(PixelOf({23.4, chart_->Points()[23].y()}));
        chart_->SetMedium(10002);
        QCOMPARE(chart_->MarkedIndex(), -1);
        QCOMPARE(chart_->PAN_AktXVAlue->text() + chart_->PAN_AktYValue->text(), QString());
    }
};

QTEST_MAIN(MedienInfoTest)
#include "MedienInfoTest.moc"
