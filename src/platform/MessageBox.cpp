#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {
std::function<bool(const MessageRequest&)>& Hook()
{
    static std::function<bool(const MessageRequest&)> hook;
    return hook;
}
}  // namespace

bool ShowMessage(const MessageRequest& request)
{
    if (const auto& hook = Hook())
        return hook(request);

    QMessageBox::Icon icon = QMessageBox::Information;
    switch (request.kind) {
    case MessageKind::Information:
        icon = QMessageBox::Information;
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        break;
    case MessageKind::Question:
        icon = QMessageBox::Question;
        break;
    }
    const QString caption = request.caption.isEmpty() ? QApplication::applicationDisplayName() : request.caption;
    const QMessageBox::StandardButtons buttons =
        request.yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(icon, caption, request.text, buttons, request.parent);
    box.setDefaultButton(request.yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

void SetMessageHook(std::function<bool(const MessageRequest&)> hook)
{
    Hook() = std::move(hook);
}
