// The flow-profile dialog on its own: typing the Reynolds limits, their bounds, and Enter.
// How the main window loads and opens it is tested with the main window.

#include "calculator/forms/Reynlimi.h"
#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"

#include "ModalDriver.h"

#include <QPushButton>

class ReynlimiTest : public QObject {
    Q_OBJECT

private:
    const FormatSettingsScope formats_{TFormatSettings()};
    std::unique_ptr<TReynolDLG> dialog_;

    void Type(TCeSpinEdit* edit, const QString& text)
    {
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        dialog_ = CreateDialog<TReynolDLG>();
        dialog_->show();
        dialog_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }

    void cleanup() { dialog_.reset(); }

    // Typed digits stay as typed; an emptied edit left writes the limit it stands for; a 0
    // is stored as the 1 the box shows, while typing already; a limit exactly at its bound
    // is kept as typed.
    void typingALimitKeepsTheTypedDigitsAndEnterIsOk()
    {
        TCeSpinEdit* edit = dialog_->SPE_ReynMin;
        Type(edit, QStringLiteral("2500"));
        QVERIFY(edit->text() == QStringLiteral("2500") && dialog_->ReynoldsLam() == 2500.0);
        Type(edit, QString());
        dialog_->SPE_ReynMax->setFocus(Qt::TabFocusReason);
        QVERIFY(edit->text() == QStringLiteral("1") && dialog_->ReynoldsLam() == 1.0);
        Type(edit, QStringLiteral("0"));
        QCOMPARE(dialog_->ReynoldsLam(), 1.0);
        for (TCeSpinEdit* limit : {dialog_->SPE_ReynMin, dialog_->SPE_ReynMax}) {
            Type(limit, QStringLiteral("100000000"));
            dialog_->BUT_Firmware->setFocus(Qt::TabFocusReason);
            QCOMPARE(limit->text(), QStringLiteral("100000000"));
        }
        QVERIFY(dialog_->ReynoldsLam() == 1e8 && dialog_->ReynoldsTurb() == 1e8);
        // Enter takes the typed limit and is OK.
        dialog_->hide();
        QCOMPARE(RunModal(*dialog_, [this] { TypeAndEnter(dialog_->SPE_ReynMax, QStringLiteral("5000")); }), 1);
        QCOMPARE(dialog_->ReynoldsTurb(), 5000.0);
    }
};

QTEST_MAIN(ReynlimiTest)
#include "ReynlimiTest.moc"
