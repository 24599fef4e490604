#pragma once
// A string grid that records what the grid family does through its overridable hooks.

#include "GridErrorText.h"
#include "grids/MyGrids.h"

#include <QApplication>
#include <QSet>
#include <QString>
#include <QTest>

#include <functional>
#include <utility>
#include <vector>

class ProbeGrid : public TMyStringGrid {
public:
    using TMyStringGrid::TMyStringGrid;
    using TMyCustomGrid::AdjustSize;
    using TMyCustomGrid::CanEditShow;
    using TMyCustomGrid::ScrollTimerActive;
    using TMyCustomGrid::ScrollTimerInterval;
    using TMyCustomGrid::TimedScroll;

    std::vector<std::pair<int, int>> sizeChanges;  // old counts per SizeChanged
    std::vector<std::pair<int, int>> newCounts;    // counts seen inside SizeChanged
    QSet<QPair<int, int>> painted;                 // cells drawn, column and row
    int editLimit = 0;
    int widthChanges = 0;
    bool digitsOnly = false;  // the editor takes digits only
    std::function<bool(int, int)> selectable;

protected:
    void SizeChanged(int OldColCount, int OldRowCount) override
    {
        sizeChanges.emplace_back(OldColCount, OldRowCount);
        newCounts.emplace_back(ColCount(), RowCount());
        TMyStringGrid::SizeChanged(OldColCount, OldRowCount);
    }
    void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override
    {
        painted.insert({ACol, ARow});
        TMyStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    int GetEditLimit() override { return editLimit; }
    bool CanEditAcceptKey(QChar key) const override { return !digitsOnly || key.isDigit(); }
    void ColWidthsChanged() override
    {
        ++widthChanges;
        TMyStringGrid::ColWidthsChanged();
    }
    bool SelectCell(int ACol, int ARow) override
    {
        return selectable ? selectable(ACol, ARow) : TMyStringGrid::SelectCell(ACol, ARow);
    }
};
