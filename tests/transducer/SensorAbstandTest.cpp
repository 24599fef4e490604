// The application dialog offscreen: how its controls and sketch are wired to the calculation
// (the numbers themselves are checked without widgets).

#include "ApplicationPoint.h"
#include "FakeDictionary.h"

#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "formbase/DUShape.h"
#include "formbase/D_InputUserValue.h"
#include "formbase/D_MemoInfo.h"
#include "formbase/TranslatorHook.h"
#include "platform/FormatSettings.h"
#include "transducer/ApplicationSketch.h"
#include "transducer/D_ErrorDiagramm.h"
#include "transducer/D_InputSensorAbstand.h"
#include "transducer/D_SensorAbstand.h"
#include "transducer/SensorCatalogue.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

class SensorAbstandTest : public QObject {
    Q_OBJECT

    FormatSettingsScope formats_{TFormatSettings()};

    // A user's choice in a drop-down list, and a value typed into an edit.
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
    // The mouse moved over a control, no button held.
    static void MoveOver(QWidget* control, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &move);
    }
    // Acts on the next modal dialog of type T once it is shown.
    template <class T>
    static void OnNextModal(const std::function<void(T*)>& act)
    {
        QTimer::singleShot(0, [act] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
                act(dialog);
        });
    }
    static std::unique_ptr<TDLG_SensorAbstand> OpenApplication(const tApplicationInput& in = BasePoint())
    {
        auto dialog = CreateDialog<TDLG_SensorAbstand>();
        dialog->SetInputData(in);
        return dialog;
    }

private slots:
    // Unit switches only change the display; values beyond the edits' limits come back as they came.
    void unitsHandBackAndSortedLists()
    {
        tApplicationInput in = BasePoint();
        in.InnerDiameter = 52.48;
        in.WallThickness = 9500.0;
        in.Temperature = 21.7;
        auto dialog = OpenApplication(in);
        QCOMPARE(dialog->EDI_WAND->text(), QStringLiteral("9500.0"));
        Choose(dialog->ME_IDM, 3);
        QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("750.10"));
        QCOMPARE(dialog->LAB_WandME->text(), QStringLiteral("inch"));
        QVERIFY(dialog->PAN_SensorAbstand->text().endsWith(QStringLiteral(" inch")));
        QVERIFY(dialog->PAN_SensorEinbauRaum->text().startsWith(QStringLiteral("Zur Montage benötigte freie Rohrlänge = ")));
        Choose(dialog->ME_IDM, 2);
        Choose(dialog->ME_TEMP, 1);
        QCOMPARE(dialog->ED_GammaTemp->text(), QStringLiteral("71"));
        QVERIFY(dialog->GetInnerDiameter() == 52.48 && dialog->GetWallThickness() == 9500.0);
        QCOMPARE(dialog->GetMediumTemperature(), 21.7);
        // The lists show the names sorted; each entry still stands for its own library code.
        dialog = OpenApplication();
        for (QComboBox* box : {dialog->COM_Material, dialog->COM_Auskleidung, dialog->COM_Medium})
            for (int i = 1; i < box->count(); ++i)
                QVERIFY2(box->itemText(i - 1).compare(box->itemText(i), Qt::CaseInsensitive) <= 0,
                         qPrintable(box->itemText(i)));
        QCOMPARE(dialog->COM_Medium->currentData().toInt(), 10001);
        QCOMPARE(dialog->COM_Medium->currentText(), MediumName(10001));
        const int steel = dialog->COM_Material->findData(2);
        Choose(dialog->COM_Material, steel);
        QCOMPARE(dialog->GetWallMaterialCode(), 2);
        QCOMPARE(dialog->COM_Material->itemText(steel), MaterialName(2));
    }

    void fixedSpacingLiningAndPathCount()
    {
        tApplicationInput in = BasePoint();
        in.SpacingFixed = 1;
        in.FixedSpacing = -20.5;
        in.LiningThickness = 2.0;
        in.LiningMaterial = 3;
        auto dialog = OpenApplication(in);
        QVERIFY(dialog->CB_SabstFixed->isChecked() && dialog->GetFixedSpacing() == -20.5);
        QVERIFY(dialog->CB_SabstFixed->font().bold() && !dialog->PAN_SensorAbstand->font().bold());
        QCOMPARE(dialog->LAB_SensorAbstFixed->text(), QStringLiteral("-20.5"));
        dialog->CB_SabstFixed->click();
        QVERIFY(!dialog->GetSpacingFixed() && dialog->LAB_SensorAbstFixed->text().isEmpty());
        QCOMPARE(dialog->COM_Auskleidung->currentData().toInt(), 3);
        dialog->CB_AUSKLEID->click();
        QVERIFY(dialog->EDI_AUSKL->isHidden() && dialog->COM_Auskleidung->isHidden() && dialog->GetLiningThickness() == 0.0);
        QCOMPARE(dialog->EDI_AUSKL->text(), QStringLiteral("2.0"));
        // A count the user chose shows its edit; a raised count with overlapping heads is red.
        in.InnerDiameter = 10.0;
        in.SoundPaths = 2;
        auto user = OpenApplication(in);
        QVERIFY(user->CBX_AutoUser->currentIndex() == 1 && !user->ED_SFW->isHidden() && user->CBX_ReflDurch->isHidden());
        auto slow = OpenApplication(With([](auto& in) { in.MediumItems = Media(10000); in.MediumSpeed = 90.0; }));
        QCOMPARE(slow->ED_SFW->AsInteger(), 8);
        // An automatic count shows the transmission mode instead of the count.
        QVERIFY(slow->CBX_AutoUser->currentIndex() == 0 && slow->ED_SFW->isHidden()
                && !slow->CBX_ReflDurch->isHidden());
        QCOMPARE(slow->PAN_SensorAbstand->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    }

    // Caption and hint of the recommendation in both languages; the two-line hint keeps its
    // line break, and the caption fits its button.
    void recommendationButton()
    {
        FakeDictionary dictionary;
        dictionary.entries = {{QStringLiteral("This is the recommended transd."), QStringLiteral("Das ist der empfohlene Sensor")},
                              {QStringLiteral("SORRY, NO TRANSDUCER\rTO SOLVE THIS PROBLEM"), QStringLiteral("KEIN SENSOR\r\nFÜR DIESE AUFGABE")}};
        const auto restore = qScopeGuard([] { SetFormsDictionary(nullptr); });
        for (auto [german, diameter, caption, hint] :
             {std::tuple{true, 100.0, "Das ist der empfohlene Sensor", "Selected transducer is the recommended transducer"},
              {false, 3.0, "SORRY, NO TRANSDUCER", "SORRY, NO TRANSDUCER\nTO SOLVE THIS PROBLEM"},
              {true, 3.0, "SORRY, NO TRANSDUCER", "KEIN SENSOR\nFÜR DIESE AUFGABE"}}) {
            SetFormsDictionary(german ? &dictionary : nullptr);
            auto dialog = OpenApplication(With([d = diameter](auto& in) { in.InnerDiameter = d; }));
            dialog->show();
            QApplication::processEvents();
            const QPushButton* button = dialog->BUT_RecommTransducer;
            QCOMPARE(button->text(), QString::fromUtf8(caption));
            QCOMPARE(button->toolTip(), QString::fromUtf8(hint));
            QVERIFY(!button->isEnabled());
            QVERIFY(button->width() >= button->fontMetrics().horizontalAdvance(button->text()));
        }
        auto dialog = OpenApplication(With([](auto& in) { in.InnerDiameter = 8.0; }));
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QVERIFY(dialog->BUT_RecommTransducer->isEnabled() && dialog->BUT_RecommTransducer->toolTip().isEmpty());
        dialog->EDI_WAND->setFocus();
        QTest::keyClick(dialog->EDI_WAND, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(dialog->GetSensorTypeCode(), 14);
        // The list and the button (still in German) show the assigned head at once.
        QCOMPARE(dialog->CBX_SensorTyp->currentData().toInt(), FindSensorIndex(14));
        QCOMPARE(dialog->BUT_RecommTransducer->text(), QStringLiteral("Das ist der empfohlene Sensor"));
    }

    // A disabled recommendation shows its hint at once where the mouse moves over the button
    // or over the part of its group that the button covers; elsewhere the group has none.
    void disabledRecommendationShowsItsHint()
    {
        auto dialog = OpenApplication(With([](auto& in) { in.InnerDiameter = 3.0; }));  // no transducer fits
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QPushButton* button = dialog->BUT_RecommTransducer;
        QGroupBox* group = dialog->GRP_Sensor;
        const QString hint = button->toolTip();
        QVERIFY(!button->isEnabled() && !hint.isEmpty());
        MoveOver(button, button->rect().center());
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), hint);
        MoveOver(group, QPoint(group->width() - 3, group->height() - 3));
        QVERIFY(group->toolTip().isEmpty());
        QTRY_VERIFY(!QToolTip::isVisible());
        MoveOver(group, button->geometry().topLeft() + QPoint(2, 2));
        QCOMPARE(group->toolTip(), hint);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), hint);
    }

    // A click on the spacing asks for the spacing at which the heads are fixed; a cancelled
    // entry fixes nothing.
    void fixedSpacingFromThePanel()
    {
        auto dialog = OpenApplication();
        OnNextModal<TDLG_InputSensorAbstand>(
            [](TDLG_InputSensorAbstand* entry) { QTest::mouseClick(entry->BUT_Cancel, Qt::LeftButton); });
        QTest::mouseClick(dialog->PAN_SensorAbstand, Qt::LeftButton);
        QVERIFY(!dialog->GetSpacingFixed() && !dialog->CB_SabstFixed->isChecked());
        OnNextModal<TDLG_InputSensorAbstand>([](TDLG_InputSensorAbstand* entry) {
            entry->EDI_SAbstand->setText(QStringLiteral("150.0"));
            QTest::mouseClick(entry->BUT_OK, Qt::LeftButton);
        });
        QTest::mouseClick(dialog->PAN_SensorAbstand, Qt::LeftButton);
        QVERIFY(dialog->GetSpacingFixed());
        QCOMPARE(dialog->GetFixedSpacing(), 150.0);
        QVERIFY(dialog->CB_SabstFixed->isChecked());
        QCOMPARE(dialog->CB_SabstFixed->text(), QStringLiteral("Fixed at 150.0 mm"));
        QVERIFY(dialog->CB_SabstFixed->toolTip().startsWith(QStringLiteral("Abweichung zum Optimum = ")));
    }

    // "Mehr Infos..." shows the detail text in the memo dialog and gives the cursor back.
    void detailTextInTheMemo()
    {
        auto dialog = OpenApplication();
        QString first;
        OnNextModal<TDLG_MemoInfo>([&first](TDLG_MemoInfo* memo) {
            first = memo->DasMemo->toPlainText().section(QLatin1Char('\n'), 0, 0);
            QTest::mouseClick(memo->BUT_OK, Qt::LeftButton);
        });
        QTest::mouseClick(dialog->BUT_MehrInfos, Qt::LeftButton);
        QCOMPARE(first, QStringLiteral("QUADRANT: \tALPHA(1x)\t BETA(1x)\tGAMMA(1x)\t"));
        QVERIFY(!QApplication::overrideCursor());
    }

    // Choosing the other medium asks for its sound speed and names it in the list.
    void anotherMediumAsksForItsSoundSpeed()
    {
        auto dialog = OpenApplication();
        QString label;
        OnNextModal<TDLG_InputUserValue>([&label](TDLG_InputUserValue* input) {
            label = input->LAB_Property->text();
            input->SetValue(1234.0);
            input->BUT_OK->click();
        });
        Choose(dialog->COM_Medium, dialog->COM_Medium->findData(10000));
        QCOMPARE(label, QStringLiteral("Schallgeschwindigkeit Medium"));
        QCOMPARE(dialog->COM_Medium->currentText(), QStringLiteral("Anderes: (1234m/s)"));
        QCOMPARE(dialog->GetMediumCode(), 10000);
        QCOMPARE(dialog->GetUserMediumSpeed(), 1234.0);
        QVERIFY(dialog->ResultsValid());
    }

    void expertTimeGroupAndErrorEstimation()
    {
        tFlowHandOver flow;
        flow.Velocity = 1000.0;
        flow.Density = 1.0;
        for (double diameter : {100.0, 0.0}) {
            auto dialog = CreateDialog<TDLG_SensorAbstand>();
            dialog->SetMegaUserMode(true);
            dialog->SetErrorEstimationEnabled(true);
            dialog->SetFlowHandOver(flow);
            dialog->SetInputData(With([diameter](auto& in) { in.InnerDiameter = diameter; }));
            QVERIFY(!dialog->BUT_ErrorEstimation->isHidden());
            QVERIFY(!dialog->GRP_ZeitOffset->isHidden() && !dialog->GRP_MegaUserRohre->isHidden());
            // The expert's 1 % band is chosen before the diagram is loaded.
            QVERIFY(dialog->ACT_ErrorEstimation->isEnabled() == (diameter > 0.0) && dialog->LoadErrorEstimation() == (diameter > 0.0));
            QString typical;
            dialog->GetTypicalErrorText(typical);
            QCOMPARE(typical == QStringLiteral("?"), diameter == 0.0);
            if (diameter == 0.0)
                continue;
            QCOMPARE(dialog->ErrorDiagram()->Model().Band1Upper.size(), std::size_t{100});
            dialog->CB_ProfilCorrected->click();
            QVERIFY(!dialog->ED_Rauhigkeit->isEnabled());  // no profile, no roughness
            Type(dialog->EDI_VELOC, QStringLiteral("100"));
            QCOMPARE(dialog->PAN_UnKorrFlow->text(), QStringLiteral("100.00 cm/s"));
            const double ns = dialog->Calc().TimeDifference();
            Choose(dialog->CBX_MEZeitOffset, 0);
            QCOMPARE(dialog->EDI_ZeitOffset->text(), FormatSpinValue(ns * 1000.0, TSpinFormat{vtFloat, 0, 0, 0}));
            // Another medium without viscosity: no profile, and no time difference (not 0).
            dialog->CB_ProfilCorrected->click();
            dialog->SetInputData(With([](auto& in) { in.MediumItems = Media(10000); in.MediumSpeed = 1480.0; in.KinViscosity = 0.0; }));
            Type(dialog->EDI_VELOC, QStringLiteral("100"));
            QCOMPARE(dialog->PAN_UnKorrFlow->text(), QStringLiteral("---- ITERATION FAIL ---"));
            QCOMPARE(dialog->EDI_ZeitOffset->text(), QString());
            Type(dialog->EDI_Visk, QStringLiteral("1.5"));
            QVERIFY(!dialog->EDI_ZeitOffset->text().isEmpty());
            // A test pipe fills in its size and material; through the inch display and back
            // it still matches.
            Choose(dialog->COM_MegaUserRohre, 2);
            QCOMPARE(dialog->EDI_ADM->text(), QStringLiteral("114.2"));
            QCOMPARE(dialog->COM_Material->currentData().toInt(), 2);
            Choose(dialog->ME_IDM, 3);
            Choose(dialog->ME_IDM, 2);
            QCOMPARE(dialog->COM_MegaUserRohre->currentIndex(), 2);
        }
        QVERIFY(OpenApplication()->BUT_ErrorEstimation->isHidden());
    }

    void sketchForValidAndNotValidResults()
    {
        auto dialog = OpenApplication();
        TApplicationSketch* sketch = dialog->Panel1;
        QVERIFY(!sketch->SHP_IDM->isHidden() && !sketch->SHP_SensR_Reflex->isHidden() && sketch->SHP_SensR_Durch->isHidden());
        QCOMPARE(sketch->SHP_IDM->Points().size(), dialog->GetSoundPaths() + 1);
        QVERIFY(sketch->SHP_IDM->toolTip().startsWith(QStringLiteral("Innendurchmesser = 100.0 mm")));
        QCOMPARE(dialog->CB_SabstFixed->text(), QStringLiteral("Abstand fixieren"));
        sketch->resize(sketch->minimumSize());
        const QImage image = sketch->grab().toImage();
        const QRect wall = sketch->SHP_Wall->geometry();
        QCOMPARE(image.pixelColor(wall.left() + 2, wall.top() + 1), QColor(255, 255, 0));
        const QRect medium = sketch->SHP_IDM->geometry();
        QCOMPARE(image.pixelColor(sketch->SHP_IDM->Points()[1] + medium.topLeft()), QColor(Qt::red));
        QCOMPARE(image.pixelColor(medium.left() + 1, medium.center().y()), QColor(169, 212, 254));
        QCOMPARE(image.pixelColor(sketch->SHP_SensV->geometry().center()), QColor(128, 128, 128));
        // Each change starts from valid results, so nothing shown may be left over from them.
        using In = tApplicationInput;
        // total reflection: the detail text tells why
        for (auto [spacing, change, detail] :
             {std::tuple<const char*, void (*)(In&), bool>{"INVALID PIPE", [](In& in) { in.InnerDiameter = 0.0; }, false},
              {"TOTAL REFLEXION", [](In& in) { in.MaterialItems = Materials(0); in.WallSpeed = 9000.0; }, true},
              {"NEED VALUES", [](In& in) { in.MediumItems = Media(10000); }, false}}) {
            auto dialog = OpenApplication();
            dialog->SetInputData(With(change));  // over valid results
            TApplicationSketch* sketch = dialog->Panel1;
            QCOMPARE(dialog->PAN_SensorAbstand->text(), QString::fromLatin1(spacing));
            QVERIFY(dialog->PAN_SensorEinbauRaum->text().isEmpty());
            for (QLabel* label : {sketch->LAB_LZAlpha, sketch->LAB_LZBETA, sketch->LAB_LZGamma, sketch->LZ_SumAlpha,
                                  sketch->LZ_SumAlphaBeta, sketch->LAB_SumAlphaBetaGamma})
                QVERIFY2(label->text().isEmpty(), spacing);
            for (TDUShape* shape : {sketch->SHP_Wall, sketch->SHP_Lining, sketch->SHP_IDM, sketch->SHP_SensV})
                QVERIFY2(shape->toolTip().isEmpty() && shape->Points().isEmpty(), spacing);
            QVERIFY(sketch->SHP_SensV->isHidden() && !dialog->CB_SabstFixed->isEnabled());
            QCOMPARE(dialog->BUT_MehrInfos->isEnabled(), detail);
            QCOMPARE(dialog->BUT_OK->isEnabled(), spacing[0] != 'I');
        }
    }
};

QTEST_MAIN(SensorAbstandTest)
#include "SensorAbstandTest.moc"
