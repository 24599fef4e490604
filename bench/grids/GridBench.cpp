// Cell storage and scrolling speed of the string grid.

#include "grids/MyGrids.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

QApplication& App()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qv_grids_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down in static destruction crashes.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

constexpr int Side = 1000;  // Side x Side = 10^6 cells

void FillGrid(TMyStringGrid& grid)
{
    const QString text = QStringLiteral("12.345");
    for (int r = 0; r < Side; ++r)
        for (int c = 0; c < Side; ++c)
            grid.SetCells(c, r, text);
}

void BM_WriteMillionCells(benchmark::State& state)
{
    App();
    for (auto _ : state) {
        TMyStringGrid grid;
        grid.SetColCount(Side);
        grid.SetRowCount(Side);
        FillGrid(grid);
        benchmark::DoNotOptimize(grid.Cells(Side - 1, Side - 1));
    }
    state.SetItemsProcessed(state.iterations() * Side * Side);
}
BENCHMARK(BM_WriteMillionCells)->Unit(benchmark::kMillisecond);

void BM_ReadMillionCells(benchmark::State& state)
{
    App();
    TMyStringGrid grid;
    grid.SetColCount(Side);
    grid.SetRowCount(Side);
    FillGrid(grid);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                total += grid.Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * Side * Side);
}
BENCHMARK(BM_ReadMillionCells)->Unit(benchmark::kMillisecond);

// One step down a 10^5-row grid and a repaint of what is then shown.
void BM_ScrollHundredThousandRows(benchmark::State& state)
{
    App();
    constexpr int Rows = 100000;
    TMyStringGrid grid;
    grid.resize(640, 480);
    grid.SetColCount(6);
    grid.SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < 6; ++c)
            grid.SetCells(c, r, QStringLiteral("r%1").arg(r));
    grid.show();
    QApplication::processEvents();
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    int top = 1;
    for (auto _ : state) {
        top = top + 1 >= Rows - 20 ? 1 : top + 1;
        grid.SetTopRow(top);
        QPainter painter(&image);
        grid.viewport()->render(&painter);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScrollHundredThousandRows)->Unit(benchmark::kMicrosecond);

}  // namespace
