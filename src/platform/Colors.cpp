#include "platform/Colors.h"

QColor ColorFromTColor(TColor color)
{
    // Values with a high byte (the "none" and "default" markers, system colours) name no
    // concrete colour.
    if (color & 0xFF000000u)
        return QColor();
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

TColor TColorFromColor(const QColor& color)
{
    if (!color.isValid())
        return clDefault;
    return static_cast<TColor>(color.red()) | (static_cast<TColor>(color.green()) << 8)
           | (static_cast<TColor>(color.blue()) << 16);
}
