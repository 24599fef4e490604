#pragma once
// Drives a modal dialog as a user would: `act` runs once the dialog's loop is running; a
// dialog that `act` did not close ends with result 7 instead of hanging the test.

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

inline void ActAndClose(QDialog& dialog, const std::function<void()>& act)
{
    act();
    if (dialog.isVisible())
        dialog.done(7);
}

inline int RunModal(QDialog& dialog, const std::function<void()>& act)
{
    QTimer::singleShot(0, &dialog, [&dialog, act] { ActAndClose(dialog, act); });
    return dialog.exec();
}

// The same for the dialog of class T that `open` (a command, a click) shows modally; false
// when none came up.
template <class T>
bool RunModal(const std::function<void()>& open, const std::function<void(T&)>& act)
{
    QObject scope;  // nothing is left pending when `open` shows no dialog
    bool seen = false;
    QTimer::singleShot(0, &scope, [&seen, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            seen = true, ActAndClose(*dialog, [&] { act(*dialog); });
    });
    open();
    return seen;
}

// Replaces the edit's text as typed and confirms it with Enter.
inline void TypeAndEnter(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}
