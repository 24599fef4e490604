#pragma once
// The layout of one grid axis (columns across, rows down) in client pixels: where the fixed
// cells end, which scrolling cells are fully visible and where the grid ends.

#include <functional>

using TGridExtentFunc = std::function<int(int index)>;

struct TGridAxisDrawInfo {
    int EffectiveLineWidth = 0;  // the line width when a line of the axis is drawn, else 0
    int FixedBoundary = 0;       // end of the fixed cells, lines included
    int GridBoundary = 0;        // end of the last cell, or the client extent when cut off
    int GridExtent = 0;          // the client extent
    int LastFullVisibleCell = 0; // FirstGridCell - 1 when not even the first fits
    int FullVisBoundary = 0;     // end of the last fully visible cell
    int FixedCellCount = 0;
    int FirstGridCell = 0;       // the first scrolling cell shown (LeftCol / TopRow)
    int GridCellCount = 0;
    TGridExtentFunc Extent;

    // Number of fully visible scrolling cells.
    int VisibleCount() const { return LastFullVisibleCell - FirstGridCell + 1; }
    // Start pixel of a cell, or -1 when it is scrolled out (before FirstGridCell) or lies
    // at or beyond the grid boundary.
    int CellStart(int index) const;
    // The cell under a pixel, or -1 outside the cells.
    int CellAt(int pos) const;
};

TGridAxisDrawInfo CalcAxisDrawInfo(TGridExtentFunc extent, int effectiveLineWidth, int fixedCount,
                                   int cellCount, int firstGridCell, int gridExtent);

// The largest first scrolling cell that still fills the client extent (at least fixedCount).
int CalcMaxFirstCell(const TGridExtentFunc& extent, int effectiveLineWidth, int fixedCount,
                     int cellCount, int gridExtent);
