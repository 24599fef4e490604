// The sketch in the application dialog offscreen: shapes, colours and path as drawn, the
// table emptied for invalid results, the fixed-spacing entry and the detail text reached
// from the dialog.

#include "transducer/ApplicationSketch.h"

#include "OpenApplication.h"

#include "formbase/DUShape.h"
#include "formbase/D_MemoInfo.h"
#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "transducer/D_InputSensorAbstand.h"
#include "transducer/D_SensorAbstand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class ApplicationSketchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;

    // Closes the next modal dialog of type T after looking at it.
    template <class T>
    static void OnNextModal(const std::function<void(T*)>& act)
    {
        QTimer::singleShot(0, [act] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
                act(dialog);
        });
    }

private slots:
    void init() { formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings()); }
    void cleanup() { formats_.reset(); }

    void drawsThePipeHeadsAndPath()
    {
        auto dialog = OpenApplication();
        TApplicationSketch* sketch = dialog->Panel1;
        QVERIFY(!sketch->SHP_IDM->isHidden() && !sketch->SHP_SensR_Reflex->isHidden());
        QVERIFY(sketch->SHP_SensR_Durch->isHidden() && sketch->SHP_Lining->isHidden());
        QCOMPARE(sketch->SHP_IDM->Points().size(), dialog->GetSoundPaths() + 1);
        QVERIFY(sketch->SHP_IDM->toolTip().startsWith(QStringLiteral("Innendurchmesser = 100.0 mm")));
        QCOMPARE(dialog->CB_SabstFixed->text(), QStringLiteral("Abstand fixieren"));
        QVERIFY(dialog->BUT_MehrInfos->isEnabled());

        sketch->resize(sketch->minimumSize());
        const QImage image = sketch->grab().toImage();
        const QRect wall = sketch->SHP_Wall->geometry();
        QCOMPARE(image.pixelColor(wall.left() + 2, wall.top() + 1), QColor(255, 255, 0));
        const QRect medium = sketch->SHP_IDM->geometry();
        const QPoint zig = sketch->SHP_IDM->Points()[1] + medium.topLeft();
        QCOMPARE(image.pixelColor(zig), QColor(Qt::red));
        QCOMPARE(image.pixelColor(medium.left() + 1, medium.center().y()), QColor(169, 212, 254));
        const QRect head = sketch->SHP_SensV->geometry();
        QCOMPARE(image.pixelColor(head.center()), QColor(128, 128, 128));
    }

    void directModeAndLining()
    {
        tApplicationInput in = BasePoint();
        in.SoundPaths = 1;
        in.LiningThickness = 2.0;
        in.LiningMaterial = 1;
        auto dialog = OpenApplication(in);
        TApplicationSketch* sketch = dialog->Panel1;
        QVERIFY(!sketch->SHP_SensR_Durch->isHidden() && sketch->SHP_SensR_Reflex->isHidden());
        QVERIFY(!sketch->SHP_Lining->isHidden());
        QCOMPARE(sketch->SHP_Wall->Points().last().y(), sketch->SHP_Wall->height());
    }

    void invalidResultsEmptyTheTableButKeepTheDetailForTotalReflection()
    {
        tApplicationInput in = BasePoint();
        in.MaterialItems = Materials(OtherMaterialCode);
        in.WallSpeed = 9000.0;
        auto dialog = OpenApplication(in);
        QVERIFY(!dialog->ResultsValid());
        TApplicationSketch* sketch = dialog->Panel1;
        QVERIFY(sketch->LAB_LZAlpha->text().isEmpty() && sketch->SHP_IDM->toolTip().isEmpty());
        QVERIFY(sketch->SHP_IDM->Points().isEmpty() && sketch->SHP_SensV->isHidden());
        QVERIFY(!dialog->CB_SabstFixed->isEnabled());
        QVERIFY(dialog->BUT_MehrInfos->isEnabled());  // total reflection: the detail tells why

        tApplicationInput missing = BasePoint();
        missing.MaterialItems = Materials(OtherMaterialCode);
        auto needs = OpenApplication(missing);
        QVERIFY(!needs->ResultsValid());
        QVERIFY(!needs->BUT_MehrInfos->isEnabled());
    }

    void fixedSpacingFromThePanel()
    {
        auto dialog = OpenApplication();
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
};

QTEST_MAIN(ApplicationSketchTest)
#include "ApplicationSketchTest.moc"
