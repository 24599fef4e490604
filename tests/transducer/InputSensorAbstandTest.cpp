// The fixed-spacing entry offscreen: the value in the caller's unit, the spacing back in mm
// (negative ones too), a refused text and Cancel.

#include "transducer/D_InputSensorAbstand.h"

#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"

#include "ModalDriver.h"

#include <QLabel>
#include <QPushButton>

class InputSensorAbstandTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;

private slots:
    void init() { formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings()); }
    void cleanup() { formats_.reset(); }

    void valueInTheUnitAndBackInMm()
    {
        auto dialog = CreateDialog<TDLG_InputSensorAbstand>();
        dialog->LoadFixSpacing(QStringLiteral("inch"), 2, 25.4, 1.0 / 25.4);
        QCOMPARE(dialog->EDI_SAbstand->text(), QStringLiteral("1.00"));
        QCOMPARE(dialog->LAB_ME->text(), QStringLiteral("inch"));
        QCOMPARE(RunModal(*dialog, [&] { QTest::mouseClick(dialog->BUT_OK, Qt::LeftButton); }), 1);
        QCOMPARE(dialog->GetFixedSpacing(), 25.4);
        // Heads that overlap are fixed at a negative spacing.
        dialog->LoadFixSpacing(QStringLiteral("mm"), 1, 80.0, 1.0);
        QCOMPARE(RunModal(*dialog, [&] { TypeAndEnter(dialog->EDI_SAbstand, QStringLiteral("-20.5")); }), 1);
        QCOMPARE(dialog->GetFixedSpacing(), -20.5);
    }

    void refusesTextThatIsNoNumber()
    {
        auto dialog = CreateDialog<TDLG_InputSensorAbstand>();
        dialog->LoadFixSpacing(QStringLiteral("mm"), 1, 120.0, 1.0);
        ResetMessageBeepCount();
        const int result = RunModal(*dialog, [&] {
            for (const char* bad : {"12,5x", "", "nan", "inf"}) {
                dialog->EDI_SAbstand->setText(QString::fromLatin1(bad));
                QTest::mouseClick(dialog->BUT_OK, Qt::LeftButton);
                QVERIFY2(dialog->isVisible() && dialog->Marked(), bad);
            }
            QTest::keyClicks(dialog->EDI_SAbstand, QStringLiteral("7"));
            QVERIFY(!dialog->Marked());
            QTest::mouseClick(dialog->BUT_OK, Qt::LeftButton);
        });
        QCOMPARE(result, 1);
        QCOMPARE(MessageBeepCount(), 4);
        QCOMPARE(dialog->GetFixedSpacing(), 7.0);
        QCOMPARE(RunModal(*dialog, [&] { QTest::mouseClick(dialog->BUT_Cancel, Qt::LeftButton); }), 2);
    }
};

QTEST_MAIN(InputSensorAbstandTest)
#include "InputSensorAbstandTest.moc"
