#pragma once
// Drawing and window helpers shared by the component extras.

#include "components/MaxMin.h"
#include "components/VclGeometry.h"
#include "components/VclMemory.h"
#include "platform/Colors.h"

#include <QRect>

class QImage;
class QPainter;

// The colour's RGB value marked palette-relative (0x02000000 added).
TColor PaletteColor(TColor color);

// Draws the source rectangle of `source` stretched into the destination rectangle, leaving
// the destination untouched where the source has `maskColor` (an RGB colour). Pixels are
// picked, not blended, when stretching. The source rectangle is clipped to the bitmap.
void StretchBltTransparent(QPainter& dest, int dstX, int dstY, int dstW, int dstH, const QImage& source,
                           int srcX, int srcY, int srcW, int srcH, TColor maskColor);

// Draws a bitmap with one colour transparent:
// - `transparentColor` clNone draws the bitmap opaque, clDefault takes the bitmap's
//   bottom-left pixel, any other value is an RGB colour;
// - a monochrome bitmap always has white transparent (unless drawn opaque).
void DrawBitmapTransparent(QPainter& dest, int x, int y, const QImage& bitmap, TColor transparentColor);

// As above, stretched into `destRect` from `sourceRect`. A source width or height below 1
// means the whole bitmap; a destination width or height below 1 means the bitmap's size.
// The source rectangle is clipped to the bitmap.
void DrawBitmapTransparent(QPainter& dest, const QRect& destRect, const QRect& sourceRect, const QImage& bitmap,
                           TColor transparentColor);

// The stop for operations that are not available: resets the cursor, shows "Function not
// yet implemented" and ends the current operation with the silent abort.
[[noreturn]] void NotImplemented();

// True when the program's own window is the active one.
bool IsForegroundTask();
