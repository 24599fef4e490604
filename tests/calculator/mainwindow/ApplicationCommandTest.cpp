// The main window's "Applikation" command end to end: the dialog opens on the window's
// measuring point, and OK takes the transducer and path count back without changing the pipe.

#include "calculator/mainwindow/ApplicationCommand.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "components/CESpin.h"
#include "formbase/FormRegistry.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "transducer/D_SensorAbstand.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class ApplicationCommandTest : public QObject {
    Q_OBJECT

private slots:
    void okTakesTheApplicationBack()
    {
        FormatSettingsScope formats{TFormatSettings()};
        SetMessageBeepHandler(nullptr);
        TFormRegistry forms;
        auto* window = forms.CreateForm<TXmeCalcDlg>();
        QCOMPARE(window->Point.SensorType, 0);
        const double diameter = window->Point.InnerDiameter();
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* dialog = qobject_cast<TDLG_SensorAbstand*>(QApplication::activeModalWidget())) {
                shown = dialog->CBX_SensorTyp->currentText();
                dialog->BUT_OK->click();
            }
        });
        window->BUT_Application->click();
        QCOMPARE(shown, QStringLiteral("QT-4 S 4 MHz"));  // the recommended head for 100 mm steel
        QCOMPARE(window->Point.SensorType, 11);
        QCOMPARE(window->Point.SoundPaths, 2);
        QCOMPARE(window->Point.InnerDiameter(), diameter);
        QCOMPARE(window->Point.GetMediumId(), 10001);
    }

    // What the dialog changed shows in the window as soon as it closes.
    void okShowsTheTakenTemperature()
    {
        FormatSettingsScope formats{TFormatSettings()};
        SetMessageBeepHandler(nullptr);
        TFormRegistry forms;
        auto* window = forms.CreateForm<TXmeCalcDlg>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<TDLG_SensorAbstand*>(QApplication::activeModalWidget())) {
                dialog->ED_GammaTemp->setFocus(Qt::TabFocusReason);
                dialog->ED_GammaTemp->selectAll();
                QTest::keyClicks(dialog->ED_GammaTemp, QStringLiteral("50"));
                dialog->EDI_ADM->setFocus(Qt::TabFocusReason);
                dialog->BUT_OK->click();
            }
        });
        window->BUT_Application->click();
        QCOMPARE(window->Point.GetTemperature(), 50.0);
        QCOMPARE(window->INP_FluidTemp->text(), QStringLiteral("50.0"));
    }
};

QTEST_MAIN(ApplicationCommandTest)
#include "ApplicationCommandTest.moc"
