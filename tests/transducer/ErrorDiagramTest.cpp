// The estimated-error diagram offscreen: texts, quantity choice and what the chart paints.

#include "transducer/D_ErrorDiagramm.h"

#include "FakeDictionary.h"

#include "formbase/DialogFactory.h"
#include "formbase/TranslatorHook.h"
#include "platform/FormatSettings.h"
#include "transducer/DUChart.h"
#include "transducer/OemVariant.h"

#include <QChart>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// dvt0 = 10 mm/s from a medium layer made for it: 0.001 c² cos T / (2 N D sin) with
// c = 1000, cos = sin, T = 0.8, N = 2, D = 20.
tErrorData Data(double velocity, double laminar, double turbulent)
{
    tErrorData data;
    data.VelocityUnit = QStringLiteral("mm/s");
    data.VolumeUnit = QStringLiteral("l/s");
    data.MassUnit = QStringLiteral("kg/s");
    data.VelocityFactor = 1.0;
    data.VolumeFactor = 2.0;
    data.MassFactor = 0.0;
    data.Velocity = velocity;
    data.InnerDiameter = 20.0;
    data.VelocityLaminar = laminar;
    data.VelocityTurbulent = turbulent;
    data.Medium.c = 1000.0;
    data.Medium.sin = std::sqrt(0.5);
    data.Medium.cos = std::sqrt(0.5);
    data.SoundPaths = 2;
    data.Sensor.TotZeitAbgleich = 0.8;
    return data;
}

int CountColour(const QImage& image, int x0, int x1, int y0, int y1, QRgb colour)
{
    int count = 0;
    for (int x = std::max(0, x0); x <= std::min(image.width() - 1, x1); ++x)
        for (int y = std::max(0, y0); y <= std::min(image.height() - 1, y1); ++y)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

}  // namespace

class ErrorDiagramTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;

    static QImage Paint(TDLG_ErrorDiagram& dialog)
    {
        dialog.resize(693, 500);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return {};
        QCoreApplication::processEvents();
        return dialog.ErrChart->grab().toImage();
    }

private slots:
    void init() { formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings()); }
    void cleanup()
    {
        formats_.reset();
        IsOemVariant = 0;
    }

    void textsAndQuantities()
    {
        auto dialog = CreateDialog<TDLG_ErrorDiagram>();
        dialog->Model().ShowOnePercentBand = 1;
        dialog->SetErrorData(Data(1000.0, 100.0, 200.0));
        QCOMPARE(dialog->Memo1->toPlainText(),
                 QStringLiteral("The estimated error limit is 4.0% \nThe estimated typical error is 2.3% "));
        QCOMPARE(dialog->Lab_YME2->toolTip(), QStringLiteral("dvt0=10.000"));
        QCOMPARE(dialog->ErrChart->chart()->title(), QStringLiteral("relative measuring error (Di=20.0 mm)"));
        QVERIFY(dialog->RB_VolumeFlow->isChecked());
        QCOMPARE(dialog->ErrChart->BottomAxis()->titleText(), QStringLiteral("Volume flow [l/s]"));
        QCOMPARE(dialog->ErrChart->BottomAxis()->max(), 20200.0);
        QCOMPARE(dialog->SER_1PO->count(), 100);
        dialog->RB_FlowVeloc->click();
        QCOMPARE(dialog->ErrChart->BottomAxis()->max(), 10100.0);
        // A mass factor of 0 (no density) leaves the bands empty.
        dialog->RB_MassFlow->click();
        QCOMPARE(dialog->SER_3PO->count(), 0);
    }

    void chartPaintsZoneAndOperatingPoint()
    {
        auto dialog = CreateDialog<TDLG_ErrorDiagram>();
        dialog->SetErrorData(Data(3000.0, 1000.0, 2000.0));
        dialog->SetQuantity(0);
        const QImage image = Paint(*dialog);
        const QRectF plot = dialog->ErrChart->PlotArea();
        const int top = int(plot.top()) + 5;
        const int bottom = int(plot.bottom()) - 5;
        // The operating point: pure blue at its column, none half-way to the zone.
        const int x = int(std::lround(dialog->ErrChart->XPixel(3000.0)));
        QVERIFY(CountColour(image, x, x, top, bottom, qRgb(0, 0, 255)) > (bottom - top) / 2);
        const int free = int(std::lround(dialog->ErrChart->XPixel(2500.0)));
        QCOMPARE(CountColour(image, free, free, top, bottom, qRgb(0, 0, 255)), 0);
        // The transition zone: a silver hatch between the limits, none outside.
        const int zoneLeft = int(std::lround(dialog->ErrChart->XPixel(1000.0)));
        const int zoneRight = int(std::lround(dialog->ErrChart->XPixel(2000.0)));
        QVERIFY(CountColour(image, zoneLeft + 2, zoneRight - 2, top, bottom, qRgb(192, 192, 192)) > 50);
        QCOMPARE(CountColour(image, zoneRight + 3, x - 3, top, bottom, qRgb(192, 192, 192)), 0);

        // A zone narrower than 3 px is one silver line at its middle.
        dialog->SetErrorData(Data(3000.0, 1500.0, 1510.0));
        dialog->SetQuantity(0);
        const QImage narrow = Paint(*dialog);
        const int middle = int(std::lround(dialog->ErrChart->XPixel(1505.0)));
        QVERIFY(CountColour(narrow, middle - 1, middle + 1, top, bottom, qRgb(192, 192, 192)) > bottom - top);
        QCOMPARE(CountColour(narrow, middle + 4, middle + 30, top, bottom, qRgb(192, 192, 192)), 0);
        dialog->hide();
    }

    // The quantity box fits its longest caption in the language shown.
    void quantityBoxFitsTheLanguage()
    {
        FakeDictionary dictionary;
        dictionary.entries = {{QStringLiteral("Volume flow"), QStringLiteral("Volumenstrom")},
                              {QStringLiteral("Flow velocity"), QStringLiteral("Strömungsgeschwindigkeit")}};
        SetFormsDictionary(&dictionary);
        const auto restore = qScopeGuard([] { SetFormsDictionary(nullptr); });
        auto dialog = CreateDialog<TDLG_ErrorDiagram>();
        dialog->SetErrorData(Data(1000.0, 100.0, 200.0));
        Paint(*dialog);
        for (QRadioButton* button : {dialog->RB_FlowVeloc, dialog->RB_VolumeFlow, dialog->RB_MassFlow}) {
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            QVERIFY(button->geometry().right() < dialog->GRP_RB->width());
        }
        QCOMPARE(dialog->RB_VolumeFlow->text(), QStringLiteral("Volumenstrom"));
        dialog->hide();
    }

    void partnerBrandOffersNoVelocity()
    {
        IsOemVariant = 1;
        auto dialog = CreateDialog<TDLG_ErrorDiagram>();
        QVERIFY(dialog->RB_FlowVeloc->isHidden());
        QCOMPARE(dialog->GRP_RB->height(), 80);
        QCOMPARE(dialog->RB_VolumeFlow->y(), 24);
        QCOMPARE(dialog->RB_MassFlow->y(), 48);
    }
};

QTEST_MAIN(ErrorDiagramTest)
#include "ErrorDiagramTest.moc"
