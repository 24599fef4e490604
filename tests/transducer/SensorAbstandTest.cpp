// The application dialog offscreen: what it shows for a measuring point, what it hands back,
// and how its controls answer the user.

#include "transducer/D_SensorAbstand.h"

#include "OpenApplication.h"
#include "FakeDictionary.h"

#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "formbase/TranslatorHook.h"
#include "platform/FormatSettings.h"
#include "transducer/D_ErrorDiagramm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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

    static std::unique_ptr<TDLG_SensorAbstand> OpenExpert(const tApplicationInput& in, const tFlowHandOver& flow = {})
    {
        auto dialog = CreateDialog<TDLG_SensorAbstand>();
        dialog->SetMegaUserMode(true);
        dialog->SetErrorEstimationEnabled(true);
        dialog->SetFlowHandOver(flow);
        dialog->SetInputData(in);
        return dialog;
    }

private slots:
    void init() { formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings()); }
    void cleanup() { formats_.reset(); }

    void basePointAndUnitRoundTrips()
    {
        tApplicationInput in = BasePoint();
        in.InnerDiameter = 52.48;
        in.WallThickness = 3.91;
        in.Temperature = 21.7;
        auto dialog = OpenApplication(in);
        QVERIFY(dialog->PAN_SensorAbstand->text().startsWith(QStringLiteral("T= ")));
        QVERIFY(dialog->PAN_SensorEinbauRaum->text().startsWith(QStringLiteral("Zur Montage benötigte freie Rohrlänge = ")));
        QCOMPARE(dialog->CBX_SensorTyp->currentText(), QStringLiteral("QT-4 S 4 MHz"));
        QVERIFY(!dialog->CB_AUSKLEID->isChecked() && dialog->EDI_AUSKL->isHidden());
        Choose(dialog->ME_IDM, 3);
        QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("2.37"));
        QCOMPARE(dialog->LAB_WandME->text(), QStringLiteral("inch"));
        QVERIFY(dialog->PAN_SensorAbstand->text().endsWith(QStringLiteral(" inch")));
        Choose(dialog->ME_IDM, 2);
        QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("60.3"));
        Choose(dialog->ME_TEMP, 1);
        QCOMPARE(dialog->ED_GammaTemp->text(), QStringLiteral("71"));
        // Values beyond the edits' limits are shown and handed back as they came.
        in.WallThickness = 9500.0;
        auto thick = OpenApplication(in);
        QCOMPARE(thick->EDI_WAND->text(), QStringLiteral("9500.0"));
        for (const TDLG_SensorAbstand* d : {dialog.get(), thick.get()}) {
            QCOMPARE(d->GetInnerDiameter(), 52.48);
            QCOMPARE(d->GetWallThickness(), d == thick.get() ? 9500.0 : 3.91);
            QCOMPARE(d->GetMediumTemperature(), 21.7);
        }
        in.InnerDiameter = 0.0;
        auto invalid = OpenApplication(in);
        QCOMPARE(invalid->PAN_SensorAbstand->text(), QStringLiteral("INVALID PIPE"));
        QVERIFY(!invalid->BUT_OK->isEnabled());
    }

    // The lists show the names sorted; each entry still stands for its own library code.
    void sortedListsKeepTheirCodes()
    {
        auto dialog = OpenApplication();
        for (QComboBox* box : {dialog->COM_Material, dialog->COM_Auskleidung, dialog->COM_Medium}) {
            for (int i = 1; i < box->count(); ++i)
                QVERIFY2(box->itemText(i - 1).compare(box->itemText(i), Qt::CaseInsensitive) <= 0,
                         qPrintable(box->itemText(i)));
        }
        QCOMPARE(dialog->COM_Medium->currentData().toInt(), 10001);
        QCOMPARE(dialog->COM_Medium->currentText(), MediumName(10001));
        const int steel = dialog->COM_Material->findData(2);
        Choose(dialog->COM_Material, steel);
        QCOMPARE(dialog->GetWallMaterialCode(), 2);
        QCOMPARE(dialog->COM_Material->itemText(steel), MaterialName(2));
    }

    void fixedSpacingAndLining()
    {
        tApplicationInput in = BasePoint();
        in.SpacingFixed = 1;
        in.FixedSpacing = -20.5;
        in.LiningThickness = 2.0;
        in.LiningMaterial = 3;
        in.LiningSpeed = 0.0;
        auto dialog = OpenApplication(in);
        QVERIFY(dialog->CB_SabstFixed->isChecked());
        QVERIFY(dialog->CB_SabstFixed->font().bold() && !dialog->PAN_SensorAbstand->font().bold());
        QCOMPARE(dialog->LAB_SensorAbstFixed->text(), QStringLiteral("-20.5"));
        QCOMPARE(dialog->GetFixedSpacing(), -20.5);
        dialog->CB_SabstFixed->click();
        QVERIFY(!dialog->GetSpacingFixed());
        QCOMPARE(dialog->LAB_SensorAbstFixed->text(), QString());
        QCOMPARE(dialog->COM_Auskleidung->currentData().toInt(), 3);
        dialog->CB_AUSKLEID->click();
        QVERIFY(dialog->EDI_AUSKL->isHidden() && dialog->COM_Auskleidung->isHidden());
        QCOMPARE(dialog->GetLiningThickness(), 0.0);
        QCOMPARE(dialog->EDI_AUSKL->text(), QStringLiteral("2.0"));
    }

    void pathCountControls()
    {
        tApplicationInput user = BasePoint();
        user.InnerDiameter = 10.0;
        user.SoundPaths = 2;  // not the reflex default of 8 there
        auto dialog = OpenApplication(user);
        QCOMPARE(dialog->CBX_AutoUser->currentIndex(), 1);
        QVERIFY(!dialog->ED_SFW->isHidden() && dialog->CBX_ReflDurch->isHidden());
        tApplicationInput in = BasePoint();
        in.MediumItems = Media(10000);
        in.MediumSpeed = 90.0;
        auto slow = OpenApplication(in);
        QCOMPARE(slow->ED_SFW->AsInteger(), 8);
        QCOMPARE(slow->PAN_SensorAbstand->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    }

    // Caption and hint of the recommendation, read in full in both languages; the two-line
    // hint keeps its line break.
    void recommendationButton_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<double>("diameter");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("English") << false << 100.0 << "This is the recommended transd."
                                 << "Selected transducer is the recommended transducer";
        QTest::newRow("German") << true << 100.0 << "Das ist der empfohlene Sensor"
                                << "Selected transducer is the recommended transducer";
        QTest::newRow("none") << false << 3.0 << "SORRY, NO TRANSDUCER" << "SORRY, NO TRANSDUCER\nTO SOLVE THIS PROBLEM";
        QTest::newRow("keine") << true << 3.0 << "SORRY, NO TRANSDUCER" << "KEIN SENSOR\nFÜR DIESE AUFGABE";
        QTest::newRow("assign") << false << 8.0 << "Assign recommended transducer" << "";
    }
    void recommendationButton()
    {
        QFETCH(bool, german);
        QFETCH(double, diameter);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        FakeDictionary dictionary;
        dictionary.entries = {{QStringLiteral("This is the recommended transd."), QStringLiteral("Das ist der empfohlene Sensor")},
                              {QStringLiteral("SORRY, NO TRANSDUCER\rTO SOLVE THIS PROBLEM"), QStringLiteral("KEIN SENSOR\r\nFÜR DIESE AUFGABE")}};
        SetFormsDictionary(german ? &dictionary : nullptr);
        const auto restore = qScopeGuard([] { SetFormsDictionary(nullptr); });
        tApplicationInput in = BasePoint();
        in.InnerDiameter = diameter;
        auto dialog = OpenApplication(in);
        dialog->show();
        QApplication::processEvents();
        const QPushButton* button = dialog->BUT_RecommTransducer;
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), hint);
        QCOMPARE(button->isEnabled(), hint.isEmpty());
        QVERIFY(button->width() >= button->fontMetrics().horizontalAdvance(caption));
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
        dialog->hide();
    }

    void expertTimeGroup()
    {
        auto dialog = OpenExpert(BasePoint());
        QVERIFY(!dialog->GRP_ZeitOffset->isHidden() && !dialog->GRP_MegaUserRohre->isHidden());
        dialog->CB_ProfilCorrected->click();
        QVERIFY(!dialog->ED_Rauhigkeit->isEnabled());
        Type(dialog->EDI_VELOC, QStringLiteral("100"));
        QCOMPARE(dialog->PAN_UnKorrFlow->text(), QStringLiteral("100.00 cm/s"));
        const double ns = dialog->Calc().TimeDifference();
        Choose(dialog->CBX_MEZeitOffset, 0);
        QCOMPARE(dialog->EDI_ZeitOffset->text(), FormatSpinValue(ns * 1000.0, TSpinFormat{vtFloat, 0, 0, 0}));
        // A temperature the user types keeps the user's choice of transmission.
        Choose(dialog->CBX_AutoUser, 0);
        Choose(dialog->CBX_ReflDurch, 1);
        Type(dialog->ED_GammaTemp, QStringLiteral("60"));
        QCOMPARE(dialog->CBX_ReflDurch->currentIndex(), 1);
        QCOMPARE(dialog->GetSoundPaths(), 1);
        // Another medium without viscosity: no profile, and no time difference (not 0).
        tApplicationInput other = BasePoint();
        other.MediumItems = Media(10000);
        other.MediumSpeed = 1480.0;
        other.KinViscosity = 0.0;
        dialog->CB_ProfilCorrected->click();
        dialog->SetInputData(other);
        Type(dialog->EDI_VELOC, QStringLiteral("100"));
        QCOMPARE(dialog->PAN_UnKorrFlow->text(), QStringLiteral("---- ITERATION FAIL ---"));
        QCOMPARE(dialog->EDI_ZeitOffset->text(), QString());
        Type(dialog->EDI_Visk, QStringLiteral("1.5"));
        QVERIFY(dialog->PAN_UnKorrFlow->text().endsWith(QStringLiteral(" cm/s")));
        QVERIFY(!dialog->EDI_ZeitOffset->text().isEmpty());
        // Test pipes: through the inch display and back the pipe still matches.
        Choose(dialog->COM_MegaUserRohre, 2);
        QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("114.2"));
        Choose(dialog->ME_IDM, 3);
        Choose(dialog->ME_IDM, 2);
        QCOMPARE(dialog->COM_MegaUserRohre->currentIndex(), 2);
    }

    void errorEstimationNeedsAValidApplication()
    {
        tFlowHandOver flow;
        flow.Velocity = 1000.0;
        flow.Density = 1.0;
        for (double diameter : {100.0, 0.0}) {
            tApplicationInput in = BasePoint();
            in.InnerDiameter = diameter;
            auto dialog = OpenExpert(in, flow);
            QCOMPARE(dialog->ACT_ErrorEstimation->isEnabled(), diameter > 0.0);
            // The expert's 1 % band is chosen before the diagram is loaded.
            QCOMPARE(dialog->LoadErrorEstimation(), diameter > 0.0);
            QString typical;
            dialog->GetTypicalErrorText(typical);
            QCOMPARE(typical == QStringLiteral("?"), diameter == 0.0);
            if (diameter > 0.0)
                QCOMPARE(dialog->ErrorDiagram()->Model().Band1Upper.size(), std::size_t{100});
        }
        QVERIFY(OpenApplication()->BUT_ErrorEstimation->isHidden());
    }
};

QTEST_MAIN(SensorAbstandTest)
#include "SensorAbstandTest.moc"
