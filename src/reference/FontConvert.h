#pragma once
// Converts the settings files' font record to and from QFont.

#include "reference/CommTool.h"

#include <QFont>

// Applies the record's name, size, pitch and style to base. Size: Height is pixels at 96 dpi
// (negative: character height; positive: cell height, taken the same way).
QFont FontFromRec(const tFontRec& rec, const QFont& base = QFont());
// A record of font's name, size, pitch and style; Color and Charset come from base, since
// QFont carries neither.
tFontRec FontRecFromFont(const QFont& font, const tFontRec& base = tFontRec());
