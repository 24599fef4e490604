// The pipe geometry dialog: loading, unit switches, the lining box, invalid geometry, the
// sketch, and the main window's pipe-geometry action.

#include "calculator/forms/Rohgeometrie.h"

#include "calculator/mainwindow/StartupForms.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "components/CESpin.h"
#include "formbase/DUShape.h"
#include "formbase/FormRegistry.h"
#include "platform/FormatSettings.h"
#include "transducer/OemVariant.h"

#include "ModalDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {
// The texts a user sees: outer diameter, wall, lining and inner diameter.
QString Shown(const TDLG_Rohrgeometrie& d)
{
    return QStringList{d.EDI_ADM->text(), d.EDI_WAND->text(), d.EDI_AUSKL->text(), d.LAB_IDM->text()}.join(' ');
}
}  // namespace

class RohrgeometrieTest : public QObject {
    Q_OBJECT

private:
    const FormatSettingsScope format_{TFormatSettings{}};

private slots:
    void designedPipeTheLiningBoxAndUnitSwitches()
    {
        TDLG_Rohrgeometrie dialog;
        QCOMPARE(Shown(dialog), QStringLiteral("106.0 3.0 0.0 100.0"));
        QVERIFY(!dialog.CB_AUSKLEID->isChecked() && dialog.PAN_AUSKLEID->isHidden() && dialog.LAB_Auskleidung->isHidden());
        dialog.SetGeometry(100.0, 2.0, 5.0);
        QCOMPARE(Shown(dialog), QStringLiteral("114.0 5.0 2.0 100.0"));
        QVERIFY(dialog.CB_AUSKLEID->isChecked() && !dialog.PAN_AUSKLEID->isHidden() && !dialog.SHP_Lining->isHidden());
        // The sketch's circles are centred and scaled to the outer one.
        const QRect wall = dialog.SHP_Wall->geometry();
        QVERIFY(dialog.SHP_Lining->geometry().center() == wall.center() && dialog.SHP_IDM->geometry().center() == wall.center());
        QCOMPARE(dialog.SHP_IDM->width(), qRound(wall.width() * 100.0 / 114.0));
        // Unchecking the lining adds twice the former lining to the inner diameter.
        dialog.CB_AUSKLEID->click();
        QCOMPARE(Shown(dialog), QStringLiteral("114.0 5.0 0.0 104.0"));
        QVERIFY(dialog.SHP_Lining->isHidden());
        // Inch shows the inch row's decimals; edits rewritten on activation and a switch back
        // leave the geometry to the last digit.
        dialog.SetGeometry(101.23456789, 0.3333333, 4.7777777);
        const double outer = dialog.GetOuterDiameter();
        dialog.SetLengthUnit(3);  // inch
        QCOMPARE(Shown(dialog) + dialog.LAB_MeWall->text(), QStringLiteral("4.39 0.19 0.01 3.99inch"));
        dialog.show();
        dialog.SetLengthUnit(2);  // mm
        QVERIFY(dialog.GetOuterDiameter() == outer && dialog.GetInnerDiameter() == 101.23456789);
        QVERIFY(dialog.GetLiningThickness() == 0.3333333 && dialog.GetWallThickness() == 4.7777777);
    }

    // A wall above its limit is clamped; one that eats the pipe turns the inner diameter red,
    // blocks OK and leaves the sketch without inner circle.
    void typedValuesAreClampedAndTooThickWallsBlockOk()
    {
        for (const auto& [wall, result, wallMm] : {std::tuple{"9999", 7, 9000.0}, {"60", 7, 60.0}, {"2.5", 1, 2.5}}) {
            TDLG_Rohrgeometrie dialog;
            const QString text = QString::fromLatin1(wall);
            QCOMPARE(RunModal(dialog, [&] { TypeAndEnter(dialog.EDI_WAND, text); }), result);
            QCOMPARE(dialog.GetWallThickness(), wallMm);
            const bool ok = result == 1;
            QVERIFY(dialog.ACT_CloseDialog->isEnabled() == ok && dialog.BUT_OK->isEnabled() == ok);
            QCOMPARE(dialog.LAB_IDM->palette().color(QPalette::WindowText), ok ? QColor(Qt::black) : QColor(Qt::red));
            QCOMPARE(dialog.SHP_IDM->isHidden(), !ok);
        }
    }

    void mainWindowTakesTheGeometryBackOnOk()
    {
        IsOemVariant = 0;
        TFormRegistry forms;
        CreateStartupForms(forms);
        TXmeCalcDlg* window = XmeCalcDlg();
        window->Point.WallThickness = 5.0;
        auto edit = [window](const std::function<void(TDLG_Rohrgeometrie&)>& act) {
            return RunModal<TDLG_Rohrgeometrie>([window] { window->ACT_EditRohrGeometrie->trigger(); }, act);
        };
        QVERIFY(edit([](TDLG_Rohrgeometrie& dialog) {
            QCOMPARE(dialog.EDI_ADM->text(), QStringLiteral("110.0"));  // 100 + 2 * 5
            dialog.SetLiningThickness(1.5);                              // inner 97 mm
            QTest::mouseClick(dialog.BUT_OK, Qt::LeftButton);
        }));
        QVERIFY(window->Point.GetInnerDiameterMm() == 97.0 && window->Point.GetLiningThickness() == 1.5);
        QVERIFY(window->Point.WallThickness == 5.0 && window->FIX_Quer->isChecked());
        // Cancel leaves the point alone.
        QVERIFY(edit([](TDLG_Rohrgeometrie& dialog) { dialog.SetWallThickness(8.0); }));
        QCOMPARE(window->Point.WallThickness, 5.0);
    }
};

QTEST_MAIN(RohrgeometrieTest)
#include "RohrgeometrieTest.moc"
