#include "translation/MlExceptionBox.h"

#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "translation/MlDictio.h"

void InstallTranslatedExceptionBox()
{
    SetReadingOrderHandler([](bool rightToLeft) {
        QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    });
    TApplication* app = Application();
    if (!app || app->OnException)
        return;
    app->OnException = [](const std::exception& error) {
        MessageRequest request;
        request.kind = MessageKind::Error;
        const auto* own = dynamic_cast<const Exception*>(&error);
        request.text = TranslatedExceptionText(own ? own->Message() : QString::fromUtf8(error.what()));
        ShowMessage(request);
    };
}
