// The flow-profile dialog on its own: typing the Reynolds limits, their bounds, and Enter.
// How the main window loads and opens it is tested with the main window.

#include "calculator/forms/Reynlimi.h"
#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

class ReynlimiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TReynolDLG> dialog_;

private slots:
    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings());
        dialog_ = CreateDialog<TReynolDLG>();
    }

    void cleanup()
    {
        dialog_.reset();
        formats_.reset();
    }

    void typingALimitKeepsTheTypedDigits()
    {
        TReynolDLG* dialog = dialog_.get();
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        dialog->SPE_ReynMin->setFocus(Qt::TabFocusReason);
        dialog->SPE_ReynMin->selectAll();
        QTest::keyClick(dialog->SPE_ReynMin, Qt::Key_Backspace);
        QCOMPARE(dialog->SPE_ReynMin->text(), QString());
        QTest::keyClicks(dialog->SPE_ReynMin, QStringLiteral("2500"));
        QCOMPARE(dialog->SPE_ReynMin->text(), QStringLiteral("2500"));
        QCOMPARE(dialog->ReynoldsLam(), 2500.0);
        // Leaving an emptied edit writes the limit it stands for.
        dialog->SPE_ReynMin->selectAll();
        QTest::keyClick(dialog->SPE_ReynMin, Qt::Key_Backspace);
        dialog->SPE_ReynMax->setFocus(Qt::TabFocusReason);
        QCOMPARE(dialog->SPE_ReynMin->text(), QStringLiteral("1"));
        QCOMPARE(dialog->ReynoldsLam(), 1.0);
        // A 0 is stored as the 1 the box shows, while typing already.
        dialog->SPE_ReynMin->setFocus(Qt::TabFocusReason);
        dialog->SPE_ReynMin->selectAll();
        QTest::keyClicks(dialog->SPE_ReynMin, QStringLiteral("0"));
        QCOMPARE(dialog->ReynoldsLam(), 1.0);
        dialog->hide();
    }

    void enterInTheFlowProfileDialogIsOk()
    {
        TReynolDLG* dialog = dialog_.get();
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->SPE_ReynMax->setFocus(Qt::TabFocusReason);
            QTest::keyClick(dialog->SPE_ReynMax, Qt::Key_Return);
        });
        QTimer::singleShot(200, dialog, [dialog] { dialog->done(7); });  // no hang if Enter fails
        QCOMPARE(dialog->ShowDialog(), 1);
    }

    void limitsExactlyAtTheirBoundsAreKept_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("limit");
        QTest::newRow("lowest") << QStringLiteral("1") << 1.0;
        QTest::newRow("highest") << QStringLiteral("100000000") << 100000000.0;
    }

    void limitsExactlyAtTheirBoundsAreKept()
    {
        QFETCH(QString, typed);
        QFETCH(double, limit);
        TReynolDLG* dialog = dialog_.get();
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        for (TCeSpinEdit* edit : {dialog->SPE_ReynMin, dialog->SPE_ReynMax}) {
            edit->setFocus(Qt::TabFocusReason);
            edit->selectAll();
            QTest::keyClicks(edit, typed);
            dialog->BUT_Firmware->setFocus(Qt::TabFocusReason);
            QCOMPARE(edit->text(), typed);
        }
        QCOMPARE(dialog->ReynoldsLam(), limit);
        QCOMPARE(dialog->ReynoldsTurb(), limit);
    }
};

QTEST_MAIN(ReynlimiTest)
#include "ReynlimiTest.moc"
