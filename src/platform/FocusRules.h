#pragma once
// The focus rules every form and control shares.
// - Enter and exit handlers run on focus-in and focus-out, but a focus change caused by
//   window activation or a popup (a dialog, a menu, a drop-down coming or going) is not the
//   user entering or leaving a control.
// - "Return the focus to the control" from inside a focus change happens after the current
//   event, and only one such return is pending or running at a time: two invalid edits
//   would otherwise hand the focus back and forth for ever. While a return is pending or
//   running, the focus changes it causes are not the user's either: the control the focus
//   only passed through runs neither its enter nor its exit handler.

#include <qnamespace.h>

class QFocusEvent;
class QWidget;

// False for window activation and popup reasons.
bool IsUserFocusReason(Qt::FocusReason reason);
// The same for a focus event, and false while a focus return is pending or running.
bool IsUserFocusChange(const QFocusEvent* event);

enum class TFocusReturn { KeepSelection, SelectAll };

// Returns the focus to target after the current event (nothing when a return is already
// pending or running, or when target is gone by then). A drop-down that the click leaving
// the control opened belongs to a control the user never reached: it is closed first.
void ReturnFocusLater(QWidget* target, TFocusReturn selection = TFocusReturn::KeepSelection);
// A focus return is pending or running.
bool FocusReturnActive();
