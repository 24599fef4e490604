// The main window's "Applikation" command end to end: the dialog opens on the window's
// measuring point, and OK takes the transducer, path count and temperature back without
// changing the pipe.

#include "calculator/mainwindow/ApplicationCommand.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "components/CESpin.h"
#include "formbase/FormRegistry.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "transducer/D_SensorAbstand.h"

#include "ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

class ApplicationCommandTest : public QObject {
    Q_OBJECT

private:
    FormatSettingsScope formats_{TFormatSettings()};

    // Opens the application dialog from the window's button; `act` answers it.
    static void RunApplication(TXmeCalcDlg& window, const std::function<void(TDLG_SensorAbstand&)>& act)
    {
        QVERIFY(RunModalCommand([&window] { window.BUT_Application->click(); },
                                [&act](QDialog& dialog) { act(static_cast<TDLG_SensorAbstand&>(dialog)); }));
    }

private slots:
    void init() { SetMessageBeepHandler(nullptr); }

    void okTakesTheApplicationBack()
    {
        TFormRegistry forms;
        auto* window = forms.CreateForm<TXmeCalcDlg>();
        const double diameter = window->Point.InnerDiameter();
        QString shown;
        RunApplication(*window, [&shown](TDLG_SensorAbstand& dialog) {
            shown = dialog.CBX_SensorTyp->currentText();
            dialog.ED_GammaTemp->setFocus(Qt::TabFocusReason);
            dialog.ED_GammaTemp->selectAll();
            QTest::keyClicks(dialog.ED_GammaTemp, QStringLiteral("50"));
            dialog.EDI_ADM->setFocus(Qt::TabFocusReason);
            dialog.BUT_OK->click();
        });
        QCOMPARE(shown, QStringLiteral("QT-4 S 4 MHz"));  // the recommended head for 100 mm steel
        QVERIFY(window->Point.SensorType == 11 && window->Point.SoundPaths == 2);
        QVERIFY(window->Point.InnerDiameter() == diameter && window->Point.GetMediumId() == 10001);
        // What the dialog changed shows in the window as soon as it closes.
        QCOMPARE(window->INP_FluidTemp->text(), QStringLiteral("50.0"));
    }

    // In expert mode the viscosity and roughness of the time group are shown disabled on
    // silver (water: a library viscosity); their values stay readable.
    void expertFieldsShownDisabledStayReadable()
    {
        TFormRegistry forms;
        auto* window = forms.CreateForm<TXmeCalcDlg>();
        window->Point.MegaUser = 1;
        RunApplication(*window, [](TDLG_SensorAbstand& dialog) {
            dialog.CB_ProfilCorrected->setChecked(false);
            for (TCeSpinEdit* edit : {dialog.EDI_Visk, dialog.ED_Rauhigkeit}) {
                QVERIFY(!edit->isHidden() && !edit->isEnabled());
                const QPalette& palette = edit->palette();
                const int text = qGray(palette.color(QPalette::Disabled, QPalette::Text).rgb());
                const int back = qGray(palette.color(QPalette::Disabled, QPalette::Base).rgb());
                QVERIFY2(back - text > 120, qPrintable(edit->objectName()));
            }
            dialog.BUT_Cancel->click();
        });
    }
};

QTEST_MAIN(ApplicationCommandTest)
#include "ApplicationCommandTest.moc"
