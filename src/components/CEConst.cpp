#include "components/CEConst.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>

#include <map>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitResourcesOnce()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(components);
        return true;
    }();
    (void)done;
}

void InitComponentResources()
{
    InitResourcesOnce();
}

QString SNotImplemented()
{
    return QCoreApplication::translate("CEConst", "Function not yet implemented");
}

namespace {

std::map<int, QCursor>& Cursors()
{
    static std::map<int, QCursor> cursors;
    return cursors;
}

QCursor LoadCursor(const char* name, int hotX, int hotY)
{
    const QImage image(QStringLiteral(":/components/") + QLatin1String(name), "XPM");
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

}  // namespace

void RegisterComponentCursors()
{
    if (Cursors().count(crHandCur) != 0)
        return;
    InitResourcesOnce();
    Cursors().emplace(crHandCur, LoadCursor("CE_HANDCUR", 5, 0));
    Cursors().emplace(crDragCur, LoadCursor("CE_DRAGCUR", 8, 8));
}

QCursor ScreenCursor(int id)
{
    const auto it = Cursors().find(id);
    return it != Cursors().end() ? it->second : QCursor(Qt::ArrowCursor);
}
