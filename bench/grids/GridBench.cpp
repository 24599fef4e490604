// Cell storage and scrolling speed of the string grid, and the sort grid's sort beside a bare
// std::stable_sort of row indices on the same prepared keys (the grid should stay within 2x).

#include "grids/MyGrids.h"
#include "grids/SortGrid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

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

constexpr int SortRows = 100000;
constexpr int SortCols = 8;

// Columns: 0 and 4 numbers, 1 few distinct integers, 2 and 5 words, 3 and 6 numbers, 7 random
// order. Column 7 shuffles the rows again before each timed sort.
QString SortCell(std::mt19937& rng, int col)
{
    static const QStringList words{"alpha", "Beta", "gamma", "Delta", "epsilon", "zeta", "Eta", "theta"};
    switch (col) {
    case 1: return QString::number(std::uniform_int_distribution<int>(0, 9)(rng));
    case 2:
    case 5: return words[std::uniform_int_distribution<int>(0, 7)(rng)] + QString::number(rng() % 100);
    default: return QString::number(std::uniform_real_distribution<double>(0, 100000)(rng), 'f', 2);
    }
}

TSortGrid& SortGrid()
{
    App();
    static TSortGrid* grid = [] {
        auto* g = new TSortGrid;
        g->SetColCount(SortCols);
        g->SetRowCount(SortRows + 1);
        std::mt19937 rng(42);
        for (int r = 1; r <= SortRows; ++r)
            for (int c = 0; c < SortCols; ++c)
                g->SetCells(c, r, SortCell(rng, c));
        g->SortOptions().SortStyle = ssNumeric;
        return g;
    }();
    return *grid;
}

void Shuffle(TSortGrid& grid)
{
    grid.SortOptions().SecondaryIndex.clear();
    grid.SortByColumn(7);
}

void BM_GridSortOneKey(benchmark::State& state)
{
    TSortGrid& grid = SortGrid();
    for (auto _ : state) {
        state.PauseTiming();
        Shuffle(grid);
        state.ResumeTiming();
        grid.SortByColumn(0);
    }
    state.SetItemsProcessed(state.iterations() * SortRows);
}
BENCHMARK(BM_GridSortOneKey)->Unit(benchmark::kMillisecond);

void BM_GridSortThreeKeys(benchmark::State& state)
{
    TSortGrid& grid = SortGrid();
    grid.OnGetSortStyle = [](QObject*, int col, TSortStyle& style) { style = col == 2 ? ssNormal : ssNumeric; };
    for (auto _ : state) {
        state.PauseTiming();
        Shuffle(grid);
        grid.SortOptions().SecondaryIndex = QStringLiteral("2,3");
        state.ResumeTiming();
        grid.SortByColumn(1);
    }
    grid.OnGetSortStyle = nullptr;
    state.SetItemsProcessed(state.iterations() * SortRows);
}
BENCHMARK(BM_GridSortThreeKeys)->Unit(benchmark::kMillisecond);

// The same keys prepared once, outside the timing; only std::stable_sort is timed.
void BareStableSort(benchmark::State& state, const std::vector<TSortPass>& keys)
{
    TSortGrid& grid = SortGrid();
    std::vector<std::vector<TSortKeyValue>> values;
    std::vector<QString> texts;
    texts.reserve(keys.size() * 2 * SortRows);  // never reallocated: the keys view these
    for (const TSortPass& key : keys) {
        std::vector<TSortKeyValue> column(SortRows);
        for (int r = 0; r < SortRows; ++r) {
            texts.push_back(grid.Cells(key.Col, r + 1));
            const QString& text = texts.back();
            texts.emplace_back();
            column[static_cast<std::size_t>(r)] = ParseSortKey(text, key.Style, false, 2000, texts.back());
        }
        values.push_back(std::move(column));
    }
    std::vector<int> shuffled(SortRows);
    std::iota(shuffled.begin(), shuffled.end(), 0);
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    for (auto _ : state) {
        std::vector<int> order = shuffled;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            for (std::size_t k = 0; k < keys.size(); ++k) {
                const auto& column = values[k];
                if (const int r = CompareSortKeys(column[static_cast<std::size_t>(a)], column[static_cast<std::size_t>(b)],
                                                  keys[k].Style, {});
                    r != 0)
                    return r < 0;
            }
            return false;
        });
        benchmark::DoNotOptimize(order.data());
    }
    state.SetItemsProcessed(state.iterations() * SortRows);
}

void BM_BareStableSortOneKey(benchmark::State& state)
{
    BareStableSort(state, {{0, ssNumeric}});
}
BENCHMARK(BM_BareStableSortOneKey)->Unit(benchmark::kMillisecond);

void BM_BareStableSortThreeKeys(benchmark::State& state)
{
    BareStableSort(state, {{1, ssNumeric}, {2, ssNormal}, {3, ssNumeric}});
}
BENCHMARK(BM_BareStableSortThreeKeys)->Unit(benchmark::kMillisecond);

}  // namespace
