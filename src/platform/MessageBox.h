#pragma once
// Message boxes go through one hook so tests can answer them without blocking.

#include <QString>

#include <functional>

class QWidget;

enum class MessageKind { Information, Warning, Error, Question };

struct MessageRequest {
    QWidget* parent = nullptr;
    QString caption;
    QString text;
    MessageKind kind = MessageKind::Information;
    bool yesNo = false;  // Yes/No buttons instead of OK
};

// Shows the box (or asks the installed hook); returns true for OK / Yes.
bool ShowMessage(const MessageRequest& request);
// Replaces the box; nullptr restores the real one. Tests install a recorder.
void SetMessageHook(std::function<bool(const MessageRequest&)> hook);
