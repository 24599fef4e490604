#include "reference/FontConvert.h"

#include <cmath>

namespace {
// Font heights in the settings files are pixels at 96 dpi, the resolution every stored
// height assumes, whatever the screen's own.
constexpr double PixelsPerPoint = 96.0 / 72.0;
}  // namespace

QFont FontFromRec(const tFontRec& rec, const QFont& base)
{
    QFont font(base);
    if (!rec.Name.isEmpty())
        font.setFamily(rec.Name);
    const int pixels = rec.Height < 0 ? -rec.Height : rec.Height;
    if (pixels > 0)
        font.setPointSizeF(pixels / PixelsPerPoint);
    if (rec.Pitch == fpFixed)
        font.setFixedPitch(true);
    else if (rec.Pitch == fpVariable)
        font.setFixedPitch(false);
    font.setBold((rec.Style & (1u << fsBold)) != 0);
    font.setItalic((rec.Style & (1u << fsItalic)) != 0);
    font.setUnderline((rec.Style & (1u << fsUnderline)) != 0);
    font.setStrikeOut((rec.Style & (1u << fsStrikeOut)) != 0);
    return font;
}

tFontRec FontRecFromFont(const QFont& font, const tFontRec& base)
{
    tFontRec rec(base);
    rec.Name = font.family();
    if (font.pointSizeF() > 0)
        rec.Height = -static_cast<int>(std::nearbyint(font.pointSizeF() * PixelsPerPoint));
    else if (font.pixelSize() > 0)
        rec.Height = -font.pixelSize();
    rec.Pitch = font.fixedPitch() ? fpFixed : fpDefault;
    std::uint8_t style = 0;
    if (font.bold())
        style = static_cast<std::uint8_t>(style | (1u << fsBold));
    if (font.italic())
        style = static_cast<std::uint8_t>(style | (1u << fsItalic));
    if (font.underline())
        style = static_cast<std::uint8_t>(style | (1u << fsUnderline));
    if (font.strikeOut())
        style = static_cast<std::uint8_t>(style | (1u << fsStrikeOut));
    rec.Style = style;
    return rec;
}
