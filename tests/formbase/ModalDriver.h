#pragma once
// Drives a modal dialog as a user would: `act` runs once the dialog's loop is running; a
// dialog that `act` did not close ends with result 7 instead of hanging the test.

#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

inline int RunModal(QDialog& dialog, const std::function<void()>& act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        act();
        if (dialog.isVisible())
            dialog.done(7);
    });
    return dialog.exec();
}

// Replaces the edit's text as typed and confirms it with Enter.
inline void TypeAndEnter(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}
