#include "calculator/mainwindow/OemDetect.h"

#include "transducer/OemVariant.h"

bool DetectOemVariant(const QString& programPath)
{
    QString name = programPath;
    const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    name = name.mid(slash + 1).toUpper();
    if (name.endsWith(QStringLiteral(".EXE")))
        name.chop(4);
    if (name == QStringLiteral("BRANDOLFLOW")) {
        IsOemVariant = 1;
        return false;
    }
    return true;
}
