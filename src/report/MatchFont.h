#pragma once
// "Match Font": the table font grows one pixel at a time until the table fills the grid's
// width. The growth stops at a maximum size, and when a few larger fonts in a row make the
// table no wider (a grid that no font can fill would otherwise be grown for ever).

#include <functional>

inline constexpr int MaxMatchFontPixels = 144;
// Steps without growth after which the search gives up.
inline constexpr int MatchFontStallSteps = 3;

// neededWidth(pixels) lays the table out with a font that many pixels high and returns the
// width the table then needs. Starts at 1 pixel; returns the first size whose table reaches
// room, else the size at which the search stopped.
int MatchFontPixels(int room, const std::function<int(int pixels)>& neededWidth);
