// Cell storage and scrolling speed of the string grid, and the sort grid's sort beside a bare
// std::stable_sort of row indices on the same keys parsed beforehand: the grid should stay
// within 2x of it and give the same order (checked after each grid benchmark).

#include "grids/MyGrids.h"
#include "grids/SortGrid.h"

#include <QApplication>
#include <QDate>
#include <QImage>
#include <QPainter>
#include <QTime>

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

// Columns: 0 and 3 numbers, 1 few distinct integers, 2 and 5 words, 4 dates over 100 days,
// 6 times, 7 random order. Column 7 shuffles the rows again before each timed sort.
QString SortCell(std::mt19937& rng, int col)
{
    static const QStringList words{"alpha", "Beta", "gamma", "Delta", "epsilon", "zeta", "Eta", "theta"};
    const auto below = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    switch (col) {
    case 1: return QString::number(below(10));
    case 2:
    case 5: return words[below(8)] + QString::number(below(100));
    case 4: return QDate(2023, 11, 1).addDays(below(100)).toString(QStringLiteral("M/d/yyyy"));
    case 6: return QTime(0, 0).addSecs(below(86400)).toString(QStringLiteral("h:mm:ss"));
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
        g->Clock = [] { return QDate(2024, 1, 1); };
        return g;
    }();
    return *grid;
}

void Shuffle(TSortGrid& grid)
{
    grid.OnGetSortStyle = nullptr;
    grid.SortOptions().SortStyle = ssNumeric;
    grid.SortOptions().SecondaryIndex.clear();
    grid.SortByColumn(7);
}

// The keys prepared once, as a bare sort would have them: one column of values per key.
struct PreparedKeys {
    std::vector<std::vector<TSortKeyValue>> values;
    std::vector<QString> texts;
};

void Prepare(const TSortGrid& grid, const std::vector<TSortPass>& keys, PreparedKeys& prepared)
{
    prepared.values.clear();
    prepared.texts.clear();
    prepared.texts.reserve(keys.size() * 2 * SortRows);  // never reallocated: the keys view these
    for (const TSortPass& key : keys) {
        std::vector<TSortKeyValue> column(SortRows);
        for (int r = 0; r < SortRows; ++r) {
            prepared.texts.push_back(grid.Cells(key.Col, r + 1));
            const QString& text = prepared.texts.back();
            prepared.texts.emplace_back();
            column[static_cast<std::size_t>(r)] = ParseSortKey(text, key.Style, false, 2024, prepared.texts.back());
        }
        prepared.values.push_back(std::move(column));
    }
}

// std::stable_sort of row indices, comparing the keys in order of importance.
std::vector<int> BareOrder(const std::vector<TSortPass>& keys, const PreparedKeys& prepared, std::vector<int> order)
{
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const auto& column = prepared.values[k];
            if (const int r = CompareSortKeys(column[static_cast<std::size_t>(a)], column[static_cast<std::size_t>(b)],
                                              keys[k].Style, {});
                r != 0)
                return r < 0;
        }
        return false;
    });
    return order;
}

// The grid's sort and the bare sort of the same keys, each from a shuffled order.
void GridSort(benchmark::State& state, const std::vector<TSortPass>& keys)
{
    TSortGrid& grid = SortGrid();
    QString secondary;
    for (std::size_t k = 1; k < keys.size(); ++k)
        secondary += (k > 1 ? QStringLiteral(",") : QString()) + QString::number(keys[k].Col);
    const auto sortGrid = [&] {
        grid.SortOptions().SecondaryIndex = secondary;
        grid.OnGetSortStyle = [&keys](QObject*, int col, TSortStyle& style) {
            for (const TSortPass& key : keys)
                if (key.Col == col)
                    style = key.Style;
        };
        grid.SortByColumn(keys.front().Col);
    };
    for (auto _ : state) {
        state.PauseTiming();
        Shuffle(grid);
        state.ResumeTiming();
        sortGrid();
    }
    state.SetItemsProcessed(state.iterations() * SortRows);

    // The same order as the bare sort (column 7 names each row).
    Shuffle(grid);
    PreparedKeys prepared;
    Prepare(grid, keys, prepared);
    std::vector<int> identity(SortRows);
    std::iota(identity.begin(), identity.end(), 0);
    QStringList expected;
    for (int row : BareOrder(keys, prepared, identity))
        expected << grid.Cells(7, row + 1);
    sortGrid();
    for (int r = 0; r < SortRows; ++r)
        if (grid.Cells(7, r + 1) != expected[r]) {
            state.SkipWithError("the grid's order differs from the bare sort's");
            break;
        }
}

void BareSort(benchmark::State& state, const std::vector<TSortPass>& keys)
{
    TSortGrid& grid = SortGrid();
    Shuffle(grid);
    PreparedKeys prepared;
    Prepare(grid, keys, prepared);
    std::vector<int> shuffled(SortRows);
    std::iota(shuffled.begin(), shuffled.end(), 0);
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    for (auto _ : state)
        benchmark::DoNotOptimize(BareOrder(keys, prepared, shuffled).data());
    state.SetItemsProcessed(state.iterations() * SortRows);
}

const std::vector<TSortPass> OneKey{{0, ssNumeric}};
const std::vector<TSortPass> ThreeTypedKeys{{1, ssNumeric}, {4, ssDateTime}, {6, ssTime}};

void BM_GridSortOneKey(benchmark::State& state) { GridSort(state, OneKey); }
void BM_BareStableSortOneKey(benchmark::State& state) { BareSort(state, OneKey); }
void BM_GridSortThreeTypedKeys(benchmark::State& state) { GridSort(state, ThreeTypedKeys); }
void BM_BareStableSortThreeTypedKeys(benchmark::State& state) { BareSort(state, ThreeTypedKeys); }
// Side by side, so that one run measures both under the same load.
BENCHMARK(BM_GridSortOneKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareStableSortOneKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridSortThreeTypedKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareStableSortThreeTypedKeys)->Unit(benchmark::kMillisecond);

}  // namespace
