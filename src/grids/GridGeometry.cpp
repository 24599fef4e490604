#include "grids/GridGeometry.h"

#include <utility>

TGridAxisDrawInfo CalcAxisDrawInfo(TGridExtentFunc extent, int effectiveLineWidth, int fixedCount,
                                   int cellCount, int firstGridCell, int gridExtent)
{
    TGridAxisDrawInfo info;
    info.EffectiveLineWidth = effectiveLineWidth;
    info.FixedCellCount = fixedCount;
    info.FirstGridCell = firstGridCell;
    info.GridCellCount = cellCount;
    info.GridExtent = gridExtent;
    int fixedBoundary = 0;
    for (int i = 0; i < fixedCount; ++i)
        fixedBoundary += extent(i) + effectiveLineWidth;
    info.FixedBoundary = fixedBoundary;
    info.FullVisBoundary = fixedBoundary;
    info.LastFullVisibleCell = firstGridCell - 1;
    info.GridBoundary = fixedBoundary;
    int pos = fixedBoundary;
    for (int i = firstGridCell; i < cellCount; ++i) {
        pos += extent(i) + effectiveLineWidth;
        if (pos > gridExtent + effectiveLineWidth) {
            info.GridBoundary = gridExtent;
            break;
        }
        info.LastFullVisibleCell = i;
        info.FullVisBoundary = pos;
        info.GridBoundary = pos;
    }
    if (info.GridBoundary > gridExtent)
        info.GridBoundary = gridExtent;
    info.Extent = std::move(extent);
    return info;
}

int TGridAxisDrawInfo::CellStart(int index) const
{
    if (index < 0 || index >= GridCellCount)
        return -1;
    int pos = 0;
    int from = 0;
    if (index >= FixedCellCount) {
        if (index < FirstGridCell)
            return -1;
        pos = FixedBoundary;
        from = FirstGridCell;
    }
    for (int i = from; i < index; ++i) {
        pos += Extent(i) + EffectiveLineWidth;
        if (pos >= GridBoundary)
            return -1;
    }
    return pos < GridBoundary ? pos : -1;
}

int TGridAxisDrawInfo::CellAt(int pos) const
{
    if (pos < 0 || pos >= GridBoundary)
        return -1;
    int boundary = 0;
    int i = 0;
    int limit = FixedCellCount;
    if (pos >= FixedBoundary) {
        boundary = FixedBoundary;
        i = FirstGridCell;
        limit = GridCellCount;
    }
    for (; i < limit; ++i) {
        boundary += Extent(i) + EffectiveLineWidth;
        if (pos < boundary)
            return i;
    }
    return -1;
}

int CalcMaxFirstCell(const TGridExtentFunc& extent, int effectiveLineWidth, int fixedCount,
                     int cellCount, int gridExtent)
{
    int fixedBoundary = 0;
    for (int i = 0; i < fixedCount; ++i)
        fixedBoundary += extent(i) + effectiveLineWidth;
    const int available = gridExtent + effectiveLineWidth - fixedBoundary;
    int result = cellCount - 1;
    int used = 0;
    for (int i = cellCount - 1; i >= fixedCount; --i) {
        used += extent(i) + effectiveLineWidth;
        if (used > available)
            break;
        result = i;
    }
    return result < fixedCount ? fixedCount : result;
}
