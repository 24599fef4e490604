#include "report/MatchFont.h"

#include <algorithm>

int MatchFontPixels(int room, const std::function<int(int pixels)>& neededWidth)
{
    int widest = neededWidth(1);
    int stalls = 0;
    int pixels = 1;
    while (pixels < MaxMatchFontPixels) {
        ++pixels;
        const int needed = neededWidth(pixels);
        if (room <= needed)
            break;
        stalls = needed > widest ? 0 : stalls + 1;
        if (stalls >= MatchFontStallSteps)
            break;
        widest = std::max(widest, needed);
    }
    return pixels;
}
