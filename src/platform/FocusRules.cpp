#include "platform/FocusRules.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace {
bool ReturnPending = false;
bool Returning = false;
}  // namespace

bool IsUserFocusReason(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool IsUserFocusChange(const QFocusEvent* event)
{
    return IsUserFocusReason(event->reason()) && !FocusReturnActive();
}

bool FocusReturnActive()
{
    return ReturnPending || Returning;
}

void ReturnFocusLater(QWidget* target, TFocusReturn selection)
{
    if (FocusReturnActive() || !target)
        return;
    ReturnPending = true;
    QPointer<QWidget> guarded(target);
    // The application is the timer's context: a pending return must always end.
    QTimer::singleShot(0, qApp, [guarded, selection] {
        ReturnPending = false;
        if (!guarded)
            return;
        Returning = true;
        while (QWidget* popup = QApplication::activePopupWidget()) {
            if (!popup->close())
                break;
        }
        guarded->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(guarded.data()); edit && selection == TFocusReturn::SelectAll)
            edit->selectAll();
        Returning = false;
    });
}
