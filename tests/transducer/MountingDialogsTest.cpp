// The fixed-spacing entry (in the caller's unit, back in mm, refusing text that is no number)
// and the mounting information (page for the mode, pictures by the program's GIF reader).

#include "transducer/D_InputSensorAbstand.h"
#include "transducer/D_MountingInfo.h"

#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"

#include "ModalDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

class MountingDialogsTest : public QObject {
    Q_OBJECT

    FormatSettingsScope formats_{TFormatSettings()};

private slots:
    void valueInTheUnitAndBackInMm()
    {
        auto dialog = CreateDialog<TDLG_InputSensorAbstand>();
        dialog->LoadFixSpacing(QStringLiteral("inch"), 2, 25.4, 1.0 / 25.4);
        QCOMPARE(dialog->EDI_SAbstand->text(), QStringLiteral("1.00"));
        QCOMPARE(dialog->LAB_ME->text(), QStringLiteral("inch"));
        QWidget* focus = nullptr;  // the value is ready to be typed over
        QCOMPARE(RunModal(*dialog, [&] {
                     focus = dialog->focusWidget();
                     QTest::mouseClick(dialog->BUT_OK, Qt::LeftButton);
                 }),
                 1);
        QCOMPARE(focus, dialog->EDI_SAbstand);
        QCOMPARE(dialog->GetFixedSpacing(), 25.4);
        // Heads that overlap are fixed at a negative spacing.
        dialog->LoadFixSpacing(QStringLiteral("mm"), 1, 80.0, 1.0);
        QCOMPARE(RunModal(*dialog, [&] { TypeAndEnter(dialog->EDI_SAbstand, QStringLiteral("-20.5")); }), 1);
        QCOMPARE(dialog->GetFixedSpacing(), -20.5);
        // A text that is no number is refused with a beep until it is mended.
        dialog = CreateDialog<TDLG_InputSensorAbstand>();
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

    void pageForTheModeAndPictures()
    {
        auto dialog = CreateDialog<TDLG_MountingInfo>();
        for (auto [paths, spacing, page] : {std::tuple{2, 50.0, "Reflex"}, {2, -3.0, "Reflex"}, {4, 0.0, "Reflex"},
                                            {1, 0.0, "Face to Face"}, {3, 12.0, "Face to Face"},
                                            {1, -0.5, "Face to Face (T<0)"}}) {
            dialog->SelectPage(paths, spacing);
            QCOMPARE(dialog->PageControl->tabText(dialog->PageControl->currentIndex()), QString::fromLatin1(page));
        }
        QCOMPARE(QList<QSize>({dialog->Image4->pixmap().size(), dialog->Image1->pixmap().size(), dialog->Image5->pixmap().size()}),
                 QList<QSize>({{240, 156}, {240, 156}, {241, 156}}));
        QVERIFY(dialog->BUT_OK->isHidden());
        // Shown for a mode, it opens on that mode's page.
        QWidget* shown = nullptr;
        const bool opened = RunModal<TDLG_MountingInfo>([&] { QCOMPARE(dialog->ShowMountingInfo(2, 50.0), 2); },
                                                        [&](TDLG_MountingInfo& info) {
                                                            shown = info.PageControl->currentWidget();
                                                            QTest::mouseClick(info.BUT_Cancel, Qt::LeftButton);
                                                        });
        QVERIFY(opened);
        QCOMPARE(shown, dialog->Tab_reflex);
    }
};

QTEST_MAIN(MountingDialogsTest)
#include "MountingDialogsTest.moc"
