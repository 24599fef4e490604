#include "platform/Exceptions.h"

#include <QCoreApplication>

Exception::Exception(const QString& message) : std::runtime_error(message.toStdString()), message_(message)
{
}

EAbort::EAbort() : Exception(QStringLiteral("Operation aborted"))
{
}

void Abort()
{
    throw EAbort();
}

QString SReadError()
{
    return QCoreApplication::translate("Classes", "Stream read error");
}
