#pragma once
// Colours in the design are 0x00BBGGRR values (red in the low byte).

#include <QColor>

using TColor = unsigned int;

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

QColor ColorFromTColor(TColor color);
TColor TColorFromColor(const QColor& color);
