#pragma once
// The grid family's exception and its fixed German messages, shown to the user unchanged.

#include "platform/Exceptions.h"

#include <QString>

class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list (the sparse storage).
class EListError : public Exception {
public:
    using Exception::Exception;
};

namespace GridMessages {
inline const QString IndexOutOfRange = QStringLiteral("Gitterindex außerhalb des zulässigen Bereichs");
inline const QString FixedColTooBig = QStringLiteral("Die Anzahl fester Spalten muß kleiner sein als die Spaltenanzahl");
inline const QString FixedRowTooBig = QStringLiteral("Die Anzahl fester Zeilen muß kleiner sein als die Zeilenanzahl");
inline const QString TooManyDeleted = QStringLiteral("Zu viele Zeilen oder Spalten gelöscht");
inline const QString GridTooLarge = QStringLiteral("Gitter zu groß für Operation");
inline const QString CannotInsertDelete =
    QStringLiteral("Es können keine Zeilen des Tabellengitters gelöscht oder eingefügt werden");
}  // namespace GridMessages

[[noreturn]] void RaiseGridError(const QString& message);
// "Der Index der Liste überschreitet das Maximum (<index>)".
[[noreturn]] void RaiseListIndexError(long long index);
