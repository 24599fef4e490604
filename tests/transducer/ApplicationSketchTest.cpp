// The sketch in the application dialog offscreen: shapes, colours and path as drawn, the
// table, sums and hints emptied for every result that is not valid, and the detail text.

#include "transducer/ApplicationSketch.h"

#include "OpenApplication.h"

#include "formbase/DUShape.h"
#include "platform/FormatSettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class ApplicationSketchTest : public QObject {
    Q_OBJECT

    FormatSettingsScope formats_{TFormatSettings()};

private slots:

    void drawsThePipeHeadsAndPath()
    {
        auto dialog = OpenApplication();
        TApplicationSketch* sketch = dialog->Panel1;
        QVERIFY(!sketch->SHP_IDM->isHidden() && !sketch->SHP_SensR_Reflex->isHidden());
        QVERIFY(sketch->SHP_SensR_Durch->isHidden() && sketch->SHP_Lining->isHidden());
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

        // Direct mode with a lining: the receiver below, the path out through the bottom.
        tApplicationInput in = BasePoint();
        in.SoundPaths = 1;
        in.LiningThickness = 2.0;
        in.LiningMaterial = 1;
        auto direct = OpenApplication(in);
        sketch = direct->Panel1;
        QVERIFY(!sketch->SHP_SensR_Durch->isHidden() && sketch->SHP_SensR_Reflex->isHidden());
        QVERIFY(!sketch->SHP_Lining->isHidden());
        QCOMPARE(sketch->SHP_Wall->Points().last().y(), sketch->SHP_Wall->height());
    }

    // Each change starts from valid results, so nothing shown may be left over from them.
    void notValidResultsEmptyTableSumsAndHints()
    {
        const struct {
            const char* spacing;
            void (*change)(tApplicationInput&);
            bool detail;  // total reflection: the detail text tells why
        } rows[] = {
            {"INVALID PIPE", [](tApplicationInput& in) { in.InnerDiameter = 0.0; }, false},  // outer 6, wall 3
            {"TOTAL REFLEXION", [](tApplicationInput& in) { in.MaterialItems = Materials(0); in.WallSpeed = 9000.0; }, true},
            {"NEED VALUES", [](tApplicationInput& in) { in.MediumItems = Media(10000); }, false},
        };
        for (const auto& r : rows) {
            auto dialog = OpenApplication();
            tApplicationInput in = BasePoint();
            r.change(in);
            dialog->SetInputData(in);
            TApplicationSketch* sketch = dialog->Panel1;
            QCOMPARE(dialog->PAN_SensorAbstand->text(), QString::fromLatin1(r.spacing));
            QVERIFY(dialog->PAN_SensorEinbauRaum->text().isEmpty());
            for (QLabel* label : {sketch->LAB_LZAlpha, sketch->LAB_LZBETA, sketch->LAB_LZGamma, sketch->LZ_SumAlpha,
                                  sketch->LZ_SumAlphaBeta, sketch->LAB_SumAlphaBetaGamma})
                QVERIFY2(label->text().isEmpty(), r.spacing);
            for (TDUShape* shape : {sketch->SHP_Wall, sketch->SHP_Lining, sketch->SHP_IDM, sketch->SHP_SensV})
                QVERIFY2(shape->toolTip().isEmpty() && shape->Points().isEmpty(), r.spacing);
            QVERIFY(sketch->SHP_SensV->isHidden() && !dialog->CB_SabstFixed->isEnabled());
            QCOMPARE(dialog->BUT_MehrInfos->isEnabled(), r.detail);
            QCOMPARE(dialog->BUT_OK->isEnabled(), r.spacing[0] != 'I');
        }
    }
};

QTEST_MAIN(ApplicationSketchTest)
#include "ApplicationSketchTest.moc"
