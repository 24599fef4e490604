#pragma once
// Drives a modal dialog as a user would: `act` runs once the dialog's loop is running; a
// dialog that `act` did not close ends with result 7 instead of hanging the test.

#include <QApplication>
#include <QDialog>
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

// The same for the dialog of class T that `open` (a window's command, a click) shows
// modally; false when none came up. It waits for the dialog, since a command may run the
// event loop before it opens one.
template <class T>
bool RunModal(const std::function<void()>& open, const std::function<void(T&)>& act)
{
    bool seen = false;
    QTimer poll;  // stops with this scope, so nothing is left pending when no dialog came up
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || seen)
            return;
        seen = true;
        poll.stop();
        ActAndClose(*dialog, [&] { act(*dialog); });
    });
    poll.start();
    open();
    return seen;
}

inline bool RunModalCommand(const std::function<void()>& command, const std::function<void(QDialog&)>& act)
{
    return RunModal<QDialog>(command, act);
}

// Replaces the edit's text as typed and confirms it with Enter.
inline void TypeAndEnter(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}
