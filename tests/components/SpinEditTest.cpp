#include "ModalDriver.h"
#include "components/CESpin.h"

#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>


namespace {

// The text and the beeps so far, compared in one go.
QString Seen(const QLineEdit& edit)
{
    return edit.text() + QStringLiteral(" beeps ") + QString::number(MessageBeepCount());
}

void Paste(QWidget* w, const QString& clip)
{
    QGuiApplication::clipboard()->setText(clip);
    QTest::keySequence(w, QKeySequence::Paste);
}

// Opens the edit's context menu (a popup, not modal), collects the names of its enabled
// actions and triggers the one named `trigger` (if any).
QStringList ContextMenu(TCeSpinEdit& edit, const QString& trigger = QString())
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&edit, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QStringList enabled;
    for (QAction* a : menu != nullptr ? menu->actions() : QList<QAction*>()) {
        if (a->isEnabled() && !a->objectName().isEmpty())
            enabled << a->objectName();
        if (a->objectName() == trigger)
            a->trigger();
    }
    if (menu != nullptr)
        menu->close();
    return enabled;
}

}  // namespace

class SpinEditTest : public QObject {
    Q_OBJECT

    FormatSettingsScope settings_{TFormatSettings{}};

private slots:
    void init() { ResetMessageBeepCount(); }

    void decimalAndTypeChangesRewriteTheText()
    {
        TCeSpinEdit edit;
        QCOMPARE(edit.text(), QStringLiteral("0"));
        edit.SetValueType(vtFloat);
        edit.SetValue(1);
        edit.SetDecimal(3);
        QCOMPARE(edit.text(), QStringLiteral("1.000"));
        edit.SetValue(2);
        edit.SetValueType(vtInteger);
        // The text is read with the new type: "2.000" is no integer, so MinValue.
        QCOMPARE(edit.text(), QStringLiteral("0"));
    }

    void changeNotifiesOnlyRealChanges()
    {
        TCeSpinEdit edit;
        QSignalSpy changes(&edit, &TCeSpinEdit::OnChange);
        edit.SetValue(0);
        edit.SetValue(3);
        edit.SetValue(3.2L);  // still "3"
        QCOMPARE(changes.count(), 1);
        // A write the form made silently still counts as the text that a change starts from.
        {
            const QSignalBlocker silent(&edit);
            edit.SetValue(2300);
        }
        edit.setText(QStringLiteral("3"));
        QCOMPARE(changes.count(), 2);
        changes.clear();

        // A handler that writes the value back (made even) cannot recurse.
        int calls = 0;
        connect(&edit, &TCeSpinEdit::OnChange, &edit, [&] {
            if (++calls < 10)
                edit.SetValue(std::nearbyint(edit.Value() / 2) * 2);
        });
        edit.SetValue(5);
        QCOMPARE(edit.text(), QStringLiteral("4"));
        QVERIFY(calls == 2 && changes.count() == 2);
    }

    void stepsStopAtTheLimitsWithoutNotifying()
    {
        TCeSpinEdit edit;
        edit.SetMaxValue(3);
        edit.SetValue(2);
        QSignalSpy changes(&edit, &TCeSpinEdit::OnChange);
        QSignalSpy tops(&edit, &TCeSpinEdit::OnTopClick);
        QSignalSpy bottoms(&edit, &TCeSpinEdit::OnBottomClick);
        auto counts = [&] { return QList<qsizetype>{changes.count(), tops.count(), bottoms.count()}; };
        edit.setModified(false);
        edit.UpClick();
        QVERIFY(edit.isModified());
        edit.UpClick();
        QVERIFY(edit.text() == QStringLiteral("3") && counts() == (QList<qsizetype>{1, 2, 0}));
        for (int i = 0; i < 5; ++i)
            edit.DownClick();
        QVERIFY(edit.text() == QStringLiteral("0") && counts() == (QList<qsizetype>{4, 2, 5}));

        // Equal bounds: no range, stepping never stops.
        edit.SetMaxValue(0);
        edit.DownClick();
        QCOMPARE(edit.text(), QStringLiteral("-1"));

        // The text is compared ignoring case: "1a" stepped to the bound "1A" is no change.
        edit.SetValueType(vtHex);
        edit.SetMaxValue(26);
        edit.setText(QStringLiteral("1a"));
        changes.clear();
        edit.UpClick();
        QVERIFY(Seen(edit) == QStringLiteral("1A beeps 0") && changes.count() == 0);
    }

    void typingAndPastingGoThroughTheKeyFilter()
    {
        TCeSpinEdit edit;
        edit.setText(QString());
        QTest::keyClicks(&edit, QStringLiteral("12abc"));
        QCOMPARE(Seen(edit), QStringLiteral("12 beeps 3"));
        QTest::keyClick(&edit, Qt::Key_Up);
        edit.SetArrowKeys(false);
        QTest::keyClick(&edit, Qt::Key_Up);
        // A paste is refused whole, with one beep, when any of its characters is.
        edit.setCursorPosition(2);
        Paste(&edit, QStringLiteral("4abc"));
        QCOMPARE(Seen(edit), QStringLiteral("13 beeps 4"));
        Paste(&edit, QStringLiteral("4"));
        QCOMPARE(edit.text(), QStringLiteral("134"));
        // A float takes one separator and one exponent letter, typed or pasted; a separator
        // that is being replaced does not count.
        edit.SetValueType(vtFloat);
        edit.setText(QString());
        QTest::keyClicks(&edit, QStringLiteral("1.2.3e4E"));
        QCOMPARE(Seen(edit), QStringLiteral("1.23e4 beeps 6"));
        Paste(&edit, QStringLiteral(".5"));
        QCOMPARE(Seen(edit), QStringLiteral("1.23e4 beeps 7"));
        edit.selectAll();
        Paste(&edit, QStringLiteral(".5"));
        QCOMPARE(Seen(edit), QStringLiteral(".5 beeps 7"));

        // The context menu's paste is checked the same way.
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.setText(QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("5x"));
        QVERIFY(ContextMenu(edit, QStringLiteral("edit-paste")).contains(QStringLiteral("edit-paste")));
        QCOMPARE(Seen(edit), QStringLiteral(" beeps 8"));
    }

    void disabledOrReadOnlyEditorRefusesEditing()
    {
        TCeSpinEdit edit;
        edit.resize(80, 24);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.SetEditorEnabled(false);
        edit.setText(QStringLiteral("12"));
        edit.setCursorPosition(2);
        QSignalSpy changes(&edit, &TCeSpinEdit::OnChange);
        QTest::keyClicks(&edit, QStringLiteral("5"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(Seen(edit), QStringLiteral("12 beeps 3"));
        // Cut and paste are ignored without a beep, and the menu offers neither.
        edit.selectAll();
        Paste(&edit, QStringLiteral("3"));
        QTest::keySequence(&edit, QKeySequence::Cut);
        QCOMPARE(Seen(edit), QStringLiteral("12 beeps 3"));
        const QStringList enabled = ContextMenu(edit);
        QVERIFY(enabled.contains(QStringLiteral("edit-copy")));
        for (const char* name : {"edit-paste", "edit-cut", "edit-delete"})
            QVERIFY2(!enabled.contains(QLatin1String(name)), name);
        QCOMPARE(changes.count(), 0);

        QTest::keyClick(&edit, Qt::Key_Up);
        QCOMPARE(edit.text(), QStringLiteral("13"));
        TCeSpinButton* button = edit.Button();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 3, button->height() - 3));
        QCOMPARE(edit.text(), QStringLiteral("12"));

        // Read-only: typing and pasting do nothing silently, steps only beep.
        edit.SetEditorEnabled(true);
        edit.setReadOnly(true);
        QSignalSpy tops(&edit, &TCeSpinEdit::OnTopClick);
        QTest::keyClicks(&edit, QStringLiteral("5"));
        Paste(&edit, QStringLiteral("3"));
        QCOMPARE(Seen(edit), QStringLiteral("12 beeps 3"));
        QTest::keyClick(&edit, Qt::Key_Up);
        edit.UpClick();
        QVERIFY(Seen(edit) == QStringLiteral("12 beeps 5") && tops.count() == 0);
    }

    void enteringAndLeavingTheField()
    {
        QDialog dialog;
        auto* edit = new TCeSpinEdit(&dialog);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->move(0, 40);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        edit->SetValue(1234);
        // A dialog that has just been shown enters its first field: typing replaces the value.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(edit->hasFocus() && edit->selectedText() == QStringLiteral("1234"));
        // Coming back to the window is no new enter.
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        edit->setCursorPosition(2);
        QApplication::sendEvent(edit, &out);
        QApplication::sendEvent(edit, &in);
        QCOMPARE(edit->selectedText(), QString());
        ok->setFocus();
        edit->setFocus(Qt::OtherFocusReason);
        QCOMPARE(edit->selectedText(), QStringLiteral("1234"));
        ok->setFocus();
        edit->SetAutoSelect(false);
        edit->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit->selectedText(), QString());
        edit->SetAutoSelect(true);

        // Enter and Escape reach the default and cancel buttons, even from a disabled editor;
        // each showing of the dialog is a new enter.
        edit->SetEditorEnabled(false);
        QString selected;
        QCOMPARE(RunModal(dialog, [&] { QTest::keyClick(edit, Qt::Key_Return); }), 1);
        QCOMPARE(RunModal(dialog, [&] {
                     selected = edit->selectedText();
                     QTest::keyClick(edit, Qt::Key_Escape);
                 }),
                 0);
        QVERIFY(selected == QStringLiteral("1234") && Seen(*edit) == QStringLiteral("1234 beeps 0"));

        // Leaving rewrites an unparseable or out-of-range text, with one beep for the former.
        edit->SetEditorEnabled(true);
        edit->SetValueType(vtFloat);
        edit->SetMinValue(1.5L);
        edit->SetMaxValue(10);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QSignalSpy changes(edit, &TCeSpinEdit::OnChange);
        auto leaveWith = [&](const QString& typed) {
            edit->setFocus();
            edit->setText(typed);
            ok->setFocus(Qt::TabFocusReason);
            return Seen(*edit);
        };
        QCOMPARE(leaveWith(QStringLiteral("-")), QStringLiteral("1.50 beeps 1"));
        QCOMPARE(leaveWith(QStringLiteral("50")), QStringLiteral("10.00 beeps 1"));
        QCOMPARE(leaveWith(QStringLiteral("2.5")), QStringLiteral("2.5 beeps 1"));  // in range: as typed
        QCOMPARE(changes.count(), 5);
        // Reading never clamps; leaving for another window (or a popup) is no exit.
        edit->setFocus();
        edit->setText(QStringLiteral("50"));
        QCOMPARE(edit->Value(), 50.0L);
        QApplication::sendEvent(edit, &out);
        QCOMPARE(edit->text(), QStringLiteral("50"));
    }

    void buttonsStepAndKeepTheTextClear()
    {
        TCeSpinEdit edit;
        edit.resize(100, 4);
        // The height never drops below the text.
        QCOMPARE(edit.height(), edit.fontMetrics().height() + 5);
        edit.resize(100, 24);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        // The diagonal button: a square at the right end, the text kept clear of it.
        TCeSpinButton* button = edit.Button();
        QVERIFY(button && !edit.UpDown());
        const QRect window = button->parentWidget()->geometry();
        QVERIFY(window.width() == window.height() && window.right() < edit.width());
        QCOMPARE(edit.textMargins().right(), button->width() + 2);

        // The up-down steps and rests at 0 after each step.
        edit.SetButtonKind(bkStandard);
        TCeUpDown* upDown = edit.UpDown();
        QVERIFY(upDown && !edit.Button());
        for (const char* name : {"next", "next", "previous"})
            upDown->findChild<QToolButton*>(QLatin1String(name))->click();
        QCOMPARE(edit.text(), QStringLiteral("1"));
        upDown->SetPosition(5);
        QVERIFY(edit.text() == QStringLiteral("2") && upDown->Position() == 0);

        edit.setEnabled(false);
        QVERIFY(!upDown->isEnabled());
        edit.SetButtonKind(bkDiagonal);
        QVERIFY(edit.Button() && !edit.UpDown() && !edit.Button()->isEnabled());
    }
};

QTEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
