#include "platform/Application.h"

#include "platform/Exceptions.h"
#include "platform/MessageBeep.h"
#include "platform/MessageBox.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    SetMessageBeepHandler([](unsigned) { QApplication::beep(); });
}

TApplication::~TApplication()
{
    SetMessageBeepHandler(nullptr);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
        // The silent abort ends the operation without a word.
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(std::runtime_error("Unknown exception"));
    }
    return false;
}

void TApplication::HandleException(const std::exception& error)
{
    if (dynamic_cast<const EAbort*>(&error))
        return;
    if (OnException) {
        try {
            OnException(error);
            return;
        } catch (...) {
            // A failing report must not lose the error: fall back to the plain box.
        }
    }
    try {
        ShowException(error);
    } catch (...) {
        // Nothing is left to report with; the event loop must go on.
    }
}

void TApplication::ShowException(const std::exception& error)
{
    MessageRequest request;
    request.kind = MessageKind::Error;
    if (const auto* own = dynamic_cast<const Exception*>(&error))
        request.text = own->Message();
    else
        request.text = QString::fromUtf8(error.what());
    ShowMessage(request);
}

TApplication* Application()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}
