// The pipe geometry dialog: loading, unit switches, the lining box, invalid geometry, the
// sketch, and the main window's pipe-geometry action.

#include "calculator/forms/Rohgeometrie.h"

#include "formbase/DUShape.h"
#include "calculator/mainwindow/StartupForms.h"
#include "formbase/FormRegistry.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "components/CESpin.h"
#include "platform/FormatSettings.h"
#include "transducer/OemVariant.h"
#include "ModalDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {
constexpr int Mm = 2;
constexpr int Inch = 3;

QColor TextColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}
}  // namespace

class RohrgeometrieTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> format_;

private slots:
    void init() { format_ = std::make_unique<FormatSettingsScope>(TFormatSettings{}); }
    void cleanup() { format_.reset(); }

    void designedPipeAndLoading()
    {
        TDLG_Rohrgeometrie dialog;
        QCOMPARE(dialog.EDI_ADM->text(), QStringLiteral("106.0"));
        QCOMPARE(dialog.EDI_WAND->text(), QStringLiteral("3.0"));
        QCOMPARE(dialog.LAB_IDM->text(), QStringLiteral("100.0"));
        QVERIFY(!dialog.CB_AUSKLEID->isChecked());
        QVERIFY(dialog.PAN_AUSKLEID->isHidden() && dialog.LAB_Auskleidung->isHidden());

        dialog.SetGeometry(100.0, 2.0, 5.0);
        QCOMPARE(dialog.EDI_ADM->text(), QStringLiteral("114.0"));
        QCOMPARE(dialog.EDI_AUSKL->text(), QStringLiteral("2.0"));
        QVERIFY(dialog.CB_AUSKLEID->isChecked());
        QVERIFY(!dialog.PAN_AUSKLEID->isHidden() && !dialog.LAB_Auskleidung->isHidden());
        QVERIFY(!dialog.SHP_Lining->isHidden());

        // Unchecking the lining adds twice the former lining to the inner diameter.
        dialog.CB_AUSKLEID->click();
        QCOMPARE(dialog.GetInnerDiameter(), 104.0);
        QCOMPARE(dialog.EDI_AUSKL->text(), QStringLiteral("0.0"));
        QVERIFY(dialog.SHP_Lining->isHidden());
    }

    void unitSwitchesChangeTheDisplayOnly()
    {
        TDLG_Rohrgeometrie dialog;
        dialog.SetGeometry(101.23456789, 0.3333333, 4.7777777);
        const double outer = dialog.GetOuterDiameter();
        const double inner = dialog.GetInnerDiameter();
        dialog.SetLengthUnit(Inch);
        QCOMPARE(dialog.EDI_ADM->text(), QStringLiteral("4.39"));
        QCOMPARE(dialog.LAB_MeWall->text(), QStringLiteral("inch"));
        QCOMPARE(dialog.LAB_IDM->text(), QStringLiteral("3.99"));
        dialog.show();  // activation rewrites the edits from the values
        dialog.SetLengthUnit(0);
        dialog.SetLengthUnit(Mm);
        QCOMPARE(dialog.GetOuterDiameter(), outer);
        QCOMPARE(dialog.GetInnerDiameter(), inner);
        QCOMPARE(dialog.GetLiningThickness(), 0.3333333);
        QCOMPARE(dialog.GetWallThickness(), 4.7777777);
    }

    void typedValuesAreClampedAndTooThickWallsBlockOk_data()
    {
        QTest::addColumn<QString>("wall");
        QTest::addColumn<int>("result");
        QTest::addColumn<double>("wallMm");
        QTest::newRow("above the limit") << "9999" << 7 << 9000.0;
        QTest::newRow("too thick") << "60" << 7 << 60.0;
        QTest::newRow("fits") << "2.5" << 1 << 2.5;
    }

    void typedValuesAreClampedAndTooThickWallsBlockOk()
    {
        QFETCH(QString, wall);
        QFETCH(int, result);
        QFETCH(double, wallMm);
        TDLG_Rohrgeometrie dialog;
        QCOMPARE(RunModal(dialog, [&] { TypeAndEnter(dialog.EDI_WAND, wall); }), result);
        QCOMPARE(dialog.GetWallThickness(), wallMm);
        const bool ok = result == 1;
        QCOMPARE(dialog.ACT_CloseDialog->isEnabled(), ok);
        QCOMPARE(dialog.BUT_OK->isEnabled(), ok);
        QCOMPARE(TextColor(dialog.LAB_IDM), ok ? QColor(Qt::black) : QColor(Qt::red));
        // The sketch draws no inner circle for a wall that eats the pipe.
        QCOMPARE(dialog.SHP_IDM->isHidden(), !ok);
    }

    void sketchCirclesAreCentredAndScaled()
    {
        TDLG_Rohrgeometrie dialog;
        dialog.SetGeometry(50.0, 10.0, 20.0);  // outer 110
        const QRect wall = dialog.SHP_Wall->geometry();
        const QRect lining = dialog.SHP_Lining->geometry();
        const QRect inner = dialog.SHP_IDM->geometry();
        QCOMPARE(lining.center(), wall.center());
        QCOMPARE(inner.center(), wall.center());
        QVERIFY(wall.width() > lining.width());
        QCOMPARE(inner.width(), qRound(wall.width() * 50.0 / 110.0));
    }

    void mainWindowTakesTheGeometryBackOnOk()
    {
        IsOemVariant = 0;
        TFormRegistry forms;
        CreateStartupForms(forms);
        TXmeCalcDlg* window = XmeCalcDlg();
        TDLG_Rohrgeometrie* dialog = DLG_Rohrgeometrie();
        QVERIFY(window && dialog);
        window->Point.WallThickness = 5.0;
        QString loadedOuter;
        QTimer::singleShot(0, dialog, [dialog, &loadedOuter] {
            loadedOuter = dialog->EDI_ADM->text();
            dialog->SetLiningThickness(1.5);  // inner 97 mm
            QTest::mouseClick(dialog->BUT_OK, Qt::LeftButton);
        });
        window->ACT_EditRohrGeometrie->trigger();
        QCOMPARE(loadedOuter, QStringLiteral("110.0"));  // 100 + 2 * 5
        QCOMPARE(window->Point.GetInnerDiameterMm(), 97.0);
        QCOMPARE(window->Point.GetLiningThickness(), 1.5);
        QCOMPARE(window->Point.WallThickness, 5.0);
        QVERIFY(window->FIX_Quer->isChecked());

        // Cancel leaves the point alone.
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->SetWallThickness(8.0);
            dialog->done(2);
        });
        window->ACT_EditRohrGeometrie->trigger();
        QCOMPARE(window->Point.WallThickness, 5.0);
    }
};

QTEST_MAIN(RohrgeometrieTest)
#include "RohrgeometrieTest.moc"
