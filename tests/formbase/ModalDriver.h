#pragma once
// Drives a modal dialog as a user would: `act` runs once the dialog's loop is running; a
// dialog that `act` did not close ends with result 7 instead of hanging the test.

#include <QApplication>
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

// Runs `command`, which opens a modal dialog of its own (a window's action or button);
// `act` runs with that dialog once its loop is running, and a dialog that `act` did not
// close ends with result 7. False when no modal dialog came up.
inline bool RunModalCommand(const std::function<void()>& command, const std::function<void(QDialog&)>& act)
{
    bool acted = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || acted)
            return;
        acted = true;
        poll.stop();
        act(*dialog);
        if (dialog->isVisible())
            dialog->done(7);
    });
    poll.start();
    command();
    return acted;
}

// Replaces the edit's text as typed and confirms it with Enter.
inline void TypeAndEnter(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}
