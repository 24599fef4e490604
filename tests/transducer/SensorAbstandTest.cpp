// The application dialog offscreen: what it shows for a measuring point, what it hands back,
// and how its controls answer the user.

#include "transducer/D_SensorAbstand.h"

#include "OpenApplication.h"
#include "FakeDictionary.h"

#include "formbase/D_InputUserValue.h"
#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "formbase/TranslatorHook.h"
#include "transducer/D_ErrorDiagramm.h"
#include "platform/FormatSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

class SensorAbstandTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;

    // A user's choice in a drop-down list.
    static void Choose(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    static void Type(TCeSpinEdit* edit, const QString& text)
    {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    static void ExpectHandBack(const TDLG_SensorAbstand& dialog, const tApplicationInput& in)
    {
        QCOMPARE(dialog.GetInnerDiameter(), in.InnerDiameter);
        QCOMPARE(dialog.GetWallThickness(), in.WallThickness);
        QCOMPARE(dialog.GetLiningThickness(), in.LiningThickness);
        QCOMPARE(dialog.GetMediumTemperature(), in.Temperature);
    }

private slots:
    void init() { formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings()); }
    void cleanup() { formats_.reset(); }

    void basePointTextsAndHandBack()
    {
        auto dialog = OpenApplication();
        QVERIFY(dialog->PAN_SensorAbstand->text().startsWith(QStringLiteral("T= ")));
        QVERIFY(dialog->PAN_SensorAbstand->text().endsWith(QStringLiteral(" mm")));
        QVERIFY(dialog->PAN_SensorEinbauRaum->text().startsWith(QStringLiteral("Zur Montage benötigte freie Rohrlänge = ")));
        QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("106.0"));
        QCOMPARE(dialog->EDI_WAND->text(), QStringLiteral("3.0"));
        QCOMPARE(dialog->ED_GammaTemp->text(), QStringLiteral("20"));
        QCOMPARE(dialog->CBX_SensorTyp->currentText(), QStringLiteral("QT-4 S 4 MHz"));
        QCOMPARE(dialog->COM_Medium->currentData().toInt(), 10001);
        QVERIFY(!dialog->CB_AUSKLEID->isChecked() && dialog->EDI_AUSKL->isHidden());
        QVERIFY(dialog->BUT_OK->isEnabled());
        ExpectHandBack(*dialog, BasePoint());
    }

    void unitRoundTripsHandBackTheInputUnchanged()
    {
        tApplicationInput in = BasePoint();
        in.InnerDiameter = 52.48;
        in.WallThickness = 3.91;
        in.Temperature = 21.7;
        auto dialog = OpenApplication(in);
        Choose(dialog->ME_IDM, 3);
        QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("2.37"));
        QCOMPARE(dialog->LAB_WandME->text(), QStringLiteral("inch"));
        QVERIFY(dialog->PAN_SensorAbstand->text().endsWith(QStringLiteral(" inch")));
        Choose(dialog->ME_IDM, 2);
        QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("60.3"));
        Choose(dialog->ME_TEMP, 1);
        QCOMPARE(dialog->ED_GammaTemp->text(), QStringLiteral("71"));
        ExpectHandBack(*dialog, in);

        // Values beyond the edits' limits are shown and handed back as they came.
        in.WallThickness = 9500.0;
        auto thick = OpenApplication(in);
        QCOMPARE(thick->EDI_WAND->text(), QStringLiteral("9500.0"));
        QCOMPARE(thick->EDI_ADM->text(), QStringLiteral("19052.5"));
        ExpectHandBack(*thick, in);
    }

    void invalidPipeShowsItsWarningAndRefusesOk()
    {
        tApplicationInput in = BasePoint();
        in.InnerDiameter = 0.0;
        auto dialog = OpenApplication(in);
        QCOMPARE(dialog->PAN_SensorAbstand->text(), QStringLiteral("INVALID PIPE"));
        QVERIFY(!dialog->BUT_OK->isEnabled());
        QVERIFY(!dialog->ResultsValid());
    }

    void autoRaisesThePathCountWhileTheSpacingIsNegative()
    {
        tApplicationInput in = BasePoint();
        in.MediumItems = Media(10000);
        in.MediumSpeed = 90.0;
        auto dialog = OpenApplication(in);
        QCOMPARE(dialog->CBX_AutoUser->currentIndex(), 0);
        QCOMPARE(dialog->ED_SFW->AsInteger(), 8);
        QCOMPARE(dialog->PAN_SensorAbstand->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    }

    void fixedSpacingFromTheRecord()
    {
        tApplicationInput in = BasePoint();
        in.SpacingFixed = 1;
        in.FixedSpacing = 123.4;
        auto dialog = OpenApplication(in);
        QVERIFY(dialog->CB_SabstFixed->isChecked());
        QVERIFY(dialog->CB_SabstFixed->font().bold() && !dialog->PAN_SensorAbstand->font().bold());
        QCOMPARE(dialog->LAB_SensorAbstFixed->text(), QStringLiteral("123.4"));
        dialog->CB_SabstFixed->click();
        QVERIFY(!dialog->GetSpacingFixed());
        QCOMPARE(dialog->LAB_SensorAbstFixed->text(), QString());
    }

    void liningSwitch()
    {
        tApplicationInput in = BasePoint();
        in.LiningThickness = 2.0;
        in.LiningMaterial = 3;
        auto dialog = OpenApplication(in);
        QVERIFY(dialog->CB_AUSKLEID->isChecked());
        QVERIFY(!dialog->COM_Auskleidung->isHidden());
        QCOMPARE(dialog->COM_Auskleidung->currentData().toInt(), 3);
        dialog->CB_AUSKLEID->click();
        QVERIFY(dialog->EDI_AUSKL->isHidden() && dialog->COM_Auskleidung->isHidden());
        QCOMPARE(dialog->GetLiningThickness(), 0.0);
        QCOMPARE(dialog->EDI_AUSKL->text(), QStringLiteral("2.0"));
    }

    void pathCountShownOnlyForTheUsersCount()
    {
        for (const int stored : {2, 8}) {  // on 10 mm 8 paths are the reflex default
            tApplicationInput in = BasePoint();
            in.InnerDiameter = 10.0;
            in.SoundPaths = stored;
            auto dialog = OpenApplication(in);
            const bool user = stored == 2;
            QCOMPARE(dialog->CBX_AutoUser->currentIndex(), user ? 1 : 0);
            QCOMPARE(!dialog->ED_SFW->isHidden(), user);
            QCOMPARE(dialog->CBX_ReflDurch->isHidden(), user);
            QCOMPARE(dialog->GetSoundPaths(), stored);
        }
    }

    void recommendationButtonEnabledOnlyWithSomethingToAssign()
    {
        for (const double diameter : {100.0, 8.0}) {  // 8 mm: the 8 MHz head is recommended
            tApplicationInput in = BasePoint();
            in.InnerDiameter = diameter;
            auto dialog = OpenApplication(in);
            const bool assign = diameter == 8.0;
            QCOMPARE(dialog->BUT_RecommTransducer->isEnabled(), assign);
            QCOMPARE(dialog->BUT_RecommTransducer->toolTip().isEmpty(), assign);
        }
    }

    // The caption of the recommended transducer is read in full in both languages.
    void recommendationCaptionFits_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("caption");
        QTest::newRow("English") << false << "This is the recommended transd.";
        QTest::newRow("German") << true << "Das ist der empfohlene Sensor";
    }
    void recommendationCaptionFits()
    {
        QFETCH(bool, german);
        QFETCH(QString, caption);
        FakeDictionary dictionary;
        dictionary.entries = {{QStringLiteral("This is the recommended transd."), QStringLiteral("Das ist der empfohlene Sensor")}};
        SetFormsDictionary(german ? &dictionary : nullptr);
        const auto restore = qScopeGuard([] { SetFormsDictionary(nullptr); });
        auto dialog = OpenApplication();
        dialog->show();
        QApplication::processEvents();
        const QPushButton* button = dialog->BUT_RecommTransducer;
        QCOMPARE(button->text(), caption);
        QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(caption),
                 qPrintable(QString::number(button->width())));
    }

    void ctrlAAssignsTheRecommendedTransducerFromAnEdit()
    {
        tApplicationInput in = BasePoint();
        in.InnerDiameter = 8.0;
        auto dialog = OpenApplication(in);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->EDI_WAND->setFocus();
        QTest::keyClick(dialog->EDI_WAND, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(dialog->GetSensorTypeCode(), 14);
        QCOMPARE(dialog->BUT_RecommTransducer->text(), QStringLiteral("This is the recommended transd."));
        dialog->hide();
    }

    void expertTimeGroup()
    {
        auto dialog = CreateDialog<TDLG_SensorAbstand>();
        dialog->SetMegaUserMode(true);
        dialog->SetInputData(BasePoint());
        QVERIFY(!dialog->GRP_ZeitOffset->isHidden());
        QVERIFY(!dialog->GRP_MegaUserRohre->isHidden());
        dialog->CB_ProfilCorrected->click();
        QVERIFY(!dialog->ED_Rauhigkeit->isEnabled());
        Type(dialog->EDI_VELOC, QStringLiteral("100"));
        QCOMPARE(dialog->PAN_UnKorrFlow->text(), QStringLiteral("100.00 cm/s"));
        const double ns = dialog->Calc().TimeDifference();
        QVERIFY(ns > 0.0);
        Choose(dialog->CBX_MEZeitOffset, 0);
        QCOMPARE(dialog->EDI_ZeitOffset->text(), FormatSpinValue(ns * 1000.0, TSpinFormat{vtFloat, 0, 0, 0}));
        // A temperature the user types keeps the user's choice of transmission.
        Choose(dialog->CBX_AutoUser, 0);
        Choose(dialog->CBX_ReflDurch, 1);
        QCOMPARE(dialog->GetSoundPaths(), 1);
        Type(dialog->ED_GammaTemp, QStringLiteral("60"));
        QCOMPARE(dialog->CBX_ReflDurch->currentIndex(), 1);
        QCOMPARE(dialog->GetSoundPaths(), 1);
        // Another medium without viscosity: no profile, no time difference.
        tApplicationInput other = BasePoint();
        other.MediumItems = Media(10000);
        other.MediumSpeed = 1480.0;
        other.KinViscosity = 0.0;
        auto still = CreateDialog<TDLG_SensorAbstand>();
        still->SetMegaUserMode(true);
        still->SetInputData(other);
        Type(still->EDI_VELOC, QStringLiteral("100"));
        QCOMPARE(still->PAN_UnKorrFlow->text(), QStringLiteral("---- ITERATION FAIL ---"));
        Type(still->EDI_Visk, QStringLiteral("1.5"));
        QVERIFY(still->PAN_UnKorrFlow->text().endsWith(QStringLiteral(" cm/s")));
    }

    void errorEstimationNeedsAValidApplication()
    {
        tFlowHandOver flow;
        flow.Velocity = 1000.0;
        flow.Density = 1.0;
        flow.VolumeUnit = QStringLiteral("m³/h");
        for (double diameter : {100.0, 0.0}) {
            tApplicationInput in = BasePoint();
            in.InnerDiameter = diameter;
            auto dialog = CreateDialog<TDLG_SensorAbstand>();
            dialog->SetErrorEstimationEnabled(true);
            dialog->SetFlowHandOver(flow);
            dialog->SetInputData(in);
            QVERIFY(!dialog->BUT_ErrorEstimation->isHidden());
            QCOMPARE(dialog->ACT_ErrorEstimation->isEnabled(), diameter > 0.0);
            dialog->PrepareErrorEstimation();
            QString typical;
            dialog->GetTypicalErrorText(typical);
            QCOMPARE(typical == QStringLiteral("?"), diameter == 0.0);
        }
        auto off = OpenApplication();
        QVERIFY(off->BUT_ErrorEstimation->isHidden());

        // The expert's 1 % band is chosen before the diagram is loaded, so the first showing
        // already has it.
        auto expert = CreateDialog<TDLG_SensorAbstand>();
        expert->SetMegaUserMode(true);
        expert->SetErrorEstimationEnabled(true);
        expert->SetFlowHandOver(flow);
        expert->SetInputData(BasePoint());
        int onePercent = -1;
        QTimer::singleShot(0, [&onePercent] {
            if (auto* diagram = qobject_cast<TDLG_ErrorDiagram*>(QApplication::activeModalWidget())) {
                onePercent = int(diagram->Model().Band1Upper.size());
                diagram->BUT_OK->click();
            }
        });
        expert->ACT_ErrorEstimation->trigger();
        QCOMPARE(onePercent, 100);
    }

    void anotherMediumAsksForItsSoundSpeed()
    {
        auto dialog = OpenApplication();
        QString label;
        QTimer::singleShot(0, [&label] {
            if (auto* input = qobject_cast<TDLG_InputUserValue*>(QApplication::activeModalWidget())) {
                label = input->LAB_Property->text();
                input->SetValue(1234.0);
                input->BUT_OK->click();
            }
        });
        Choose(dialog->COM_Medium, 0);
        QCOMPARE(label, QStringLiteral("Schallgeschwindigkeit Medium"));
        QCOMPARE(dialog->COM_Medium->currentText(), QStringLiteral("Anderes: (1234m/s)"));
        QCOMPARE(dialog->GetMediumCode(), 10000);
        QCOMPARE(dialog->GetUserMediumSpeed(), 1234.0);
        QVERIFY(dialog->ResultsValid());
    }

    void testPipes()
    {
        auto dialog = CreateDialog<TDLG_SensorAbstand>();
        dialog->SetMegaUserMode(true);
        dialog->SetInputData(BasePoint());
        Choose(dialog->COM_MegaUserRohre, 2);
        QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("114.2"));
        QCOMPARE(dialog->COM_Material->currentData().toInt(), 2);
        // Through the inch display and back the pipe still matches.
        Choose(dialog->ME_IDM, 3);
        Choose(dialog->ME_IDM, 2);
        QCOMPARE(dialog->COM_MegaUserRohre->currentIndex(), 2);
    }
};

QTEST_MAIN(SensorAbstandTest)
#include "SensorAbstandTest.moc"
