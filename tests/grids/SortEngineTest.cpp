#include "grids/SortEngine.h"

#include "platform/FormatSettings.h"
#include "platform/NumberParse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>

namespace {

TFormatSettings DayFirst()
{
    TFormatSettings s;
    s.ShortDateFormat = QStringLiteral("d/M/yyyy");
    return s;
}

constexpr int Year = 2024;  // the clock's year in these tests: never the machine's

std::vector<int> Identity(int n)
{
    std::vector<int> all(static_cast<std::size_t>(n));
    std::iota(all.begin(), all.end(), 0);
    return all;
}

class SortTest : public ::testing::Test {
protected:
    FormatSettingsScope settings_{DayFirst()};
};

TEST_F(SortTest, PairwiseComparisons)
{
    const struct {
        const char* a;
        const char* b;
        TSortStyle style;
        bool caseSensitive;
        int expected;
    } cases[] = {
        {"5 mm", "12 mm", ssNumericExtended, false, -1},
        {"Pos 9", "Pos 10", ssNumericExtended, false, -1},
        {"Pos 10", "Pos 9", ssNumericExtended, false, 1},
        {"x7y", "x7y", ssNumericExtended, false, 0},
        {"", "5", ssNumericExtended, false, -1},  // empty first, consistently
        {"5", "", ssNumericExtended, false, 1},
        {"", "", ssNumericExtended, false, 0},
        {"abc", "abd", ssNumericExtended, false, -1},  // no integer left: text order
        {"9", "10", ssNumeric, false, -1},
        {"1.5", "1.50", ssNumeric, false, 0},
        {"abc", "10", ssNumeric, false, 1},  // letters: text order for this pair
        {"-3", "2", ssNumeric, false, -1},
        {"9", "10", ssNormal, false, 1},
        {"B", "a", ssNormal, false, 1},
        {"B", "a", ssNormal, true, -1},
        {"\xc3\x84", "\xc3\xa4", ssNormal, false, -1},  // only A to Z are folded
        {"B", "a", ssCustom, false, 1},  // no function: text order
        {"31/12/2020", "1/1/2021", ssDateTime, false, -1},
        {"1/1/2021 10:00", "1/1/2021 9:30", ssDateTime, false, 1},
        {"2/1/2021", "1/2/2021", ssDateTime, false, -1},  // day first
        {"9:05", "10:00", ssTime, false, -1},
        {"9:05 PM", "10:00", ssTime, false, 1},
        {"9:05:30", "9:05:30.000", ssTime, false, 0},
        {"25:00", "10:00", ssTime, false, 1},  // no time: text order
        {"1:60", "10:00", ssTime, false, 1},   // minute 60 is none either
        {"1:00:60", "10:00", ssTime, false, 1},
        {"12:45 AM", "0:45", ssTime, false, 0},
        {"12:30 PM", "12:30", ssTime, false, 0},
        {"1:00 pm", "13:00", ssTime, false, 0},
        {"1/1/99", "1/1/00", ssDateTime, false, -1},  // two-digit years: 1950 to 2049
        {"1/1/49", "1/1/50", ssDateTime, false, 1},
        {"1/1/05", "1/1/2005", ssDateTime, false, 0},
        {"1/1/950", "1/1/51", ssDateTime, false, -1},  // three digits are the year itself
        {"30/12/1899", "0:00", ssDateTime, false, 0},  // a time alone lies on the serial's day 0
        {"30/12/1899 6:00", "6:00", ssDateTime, false, 0},
        {"31/12/1899", "23:59", ssDateTime, false, 1},
        {"1/1", "1/1/2024", ssDateTime, false, 0},  // no year: the clock's
        {"31/12", "1/1/2025", ssDateTime, false, -1},
        {"29/2", "1/3", ssDateTime, false, -1},  // 2024 is a leap year
        {"Pos 99999999999999999", "Pos 100000000000000000", ssNumericExtended, false, -1},
        {"Pos 999999999999999999", "Pos 1000000000000000000", ssNumericExtended, false, 1},  // 19 digits: text
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareSortTexts(QString::fromUtf8(c.a), QString::fromUtf8(c.b), c.style, c.caseSensitive, Year),
                  c.expected)
            << c.a << " vs " << c.b << " style " << c.style;
}

// Keys convert numbers, dates and times on paths of their own: they agree with the
// platform's parser and the calendar on every text.
TEST_F(SortTest, KeyConversionsAgreeWithTheParserAndTheCalendar)
{
    std::mt19937 rng(99);
    const auto below = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const QString alphabet = QStringLiteral("0123456789000.,-+ e");
    QString lowered;
    for (int i = 0; i < 200000; ++i) {
        QString text;
        for (int n = below(20); n > 0; --n)
            text += alphabet[below(static_cast<int>(alphabet.size()))];
        double expected = 0;
        const bool valid = TryStrToFloat(text, expected);
        const TSortKeyValue key = ParseSortKey(text, ssNumeric, false, Year, lowered);
        ASSERT_EQ(key.Valid, valid) << text.toStdString();
        ASSERT_TRUE(!valid || std::memcmp(&key.Value, &expected, sizeof expected) == 0) << text.toStdString();
    }
    for (int i = 0; i < 100000; ++i) {
        const int y = below(10000), m = below(14), d = below(33);
        const QDate date(y, m, d);  // invalid ones too
        const QString text = QStringLiteral("%1/%2/%3").arg(d).arg(m).arg(y, 4, 10, QLatin1Char('0'));
        double value = 0;
        ASSERT_EQ(TryStrToDateTime(text, Year, value), date.isValid()) << text.toStdString();
        ASSERT_TRUE(!date.isValid() || value == date.toJulianDay() - QDate(1899, 12, 30).toJulianDay()) << text.toStdString();
    }
}

TEST_F(SortTest, CustomCompareSeesLowerCaseAndItsSignIsNormalised)
{
    QString seen;
    const TSortCompareFunc byLength = [&seen](const QString& a, const QString& b) {
        seen += a;
        return static_cast<int>(a.size() - b.size()) * 10;
    };
    EXPECT_EQ(CompareSortTexts("ZZ", "aaa", ssCustom, false, Year, byLength), -1);
    EXPECT_EQ(CompareSortTexts("aaa", "zz", ssCustom, false, Year, byLength), 1);
    EXPECT_EQ(seen, QStringLiteral("zzaaa"));
}

TEST_F(SortTest, DetectSortStyleTakesTheStyleEveryCellFits)
{
    const struct {
        QStringList cells;
        TSortStyle expected;
    } cases[] = {
        {{"1", "2.5", "-3e2"}, ssNumeric},
        {{"1/2/2020", "3/4/2021 10:00"}, ssDateTime},
        {{"10:00", "9:30:15"}, ssDateTime},  // a time alone is also a date-time
        {{"1", "x"}, ssNormal},
        {{"1", ""}, ssNormal},
        {{"1", "2", "x"}, ssNormal},  // the last row counts too
        {{"28/2", "29/2"}, ssDateTime},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectSortStyle(static_cast<int>(c.cells.size()), Year, [&](int i) { return c.cells[i]; }), c.expected)
            << c.cells.join(QLatin1Char('|')).toStdString();
}

// Times a millisecond apart, as times and as date-times, in either direction: each key is
// converted once and sorted by its value, which must keep the milliseconds.
TEST_F(SortTest, TimeKeysKeepTheirMilliseconds)
{
    const QStringList times{"10:00:00.003", "10:00:00.002", "10:00:00.001", "10:00:00", "9:59:59.999"};
    const std::pair<QString, TSortStyle> cases[] = {{"", ssTime}, {"", ssDateTime}, {"2/1/2021 ", ssDateTime}};
    for (const auto& [day, style] : cases) {
        const auto cell = [&times, day = day](int, int row) { return day + times[row]; };
        TSortSettings settings;
        EXPECT_EQ(SortOrder(5, {{0, style}}, settings, cell), (std::vector<int>{4, 3, 2, 1, 0})) << style;
        settings.Direction = sdDescending;
        EXPECT_EQ(SortOrder(5, {{0, style}}, settings, cell), Identity(5)) << style;
    }
}

// Random tables sorted by the engine and by std::stable_sort on the same prepared keys,
// comparing all keys at once (primary first); equal keys keep their order in both directions.
TEST_F(SortTest, MultiKeySortMatchesTheReference)
{
    std::mt19937 rng(12345);
    const auto below = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const QStringList words{"alpha", "Beta", "beta", "gamma", "Alpha", "", "delta", "b"};
    // Column 0 words, 1 integers, 2 dates, 3 times: each style sees only texts it converts.
    const TSortStyle styleOf[] = {ssNormal, ssNumeric, ssDateTime, ssTime};
    for (int round = 0; round < 200; ++round) {
        std::vector<QStringList> table(static_cast<std::size_t>(below(121)));
        for (auto& row : table)
            row << words[below(8)] << QString::number(below(11) - 5)
                << QStringLiteral("%1/%2/2020").arg(1 + below(3)).arg(1 + round % 12)
                << QStringLiteral("%1:%2").arg(below(3)).arg(round % 60);
        std::vector<TSortPass> keys;
        for (int k = below(3); k >= 0; --k) {
            const int col = below(4);
            keys.push_back({col, styleOf[col]});
        }
        TSortSettings settings;
        settings.CaseSensitive = round % 3 == 0;
        settings.Direction = round % 2 == 0 ? sdAscending : sdDescending;
        const auto cell = [&](int col, int row) { return table[static_cast<std::size_t>(row)][col]; };
        std::vector<int> expected = Identity(static_cast<int>(table.size()));
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            for (const TSortPass& key : keys)
                if (const int r = CompareSortTexts(cell(key.Col, a), cell(key.Col, b), key.Style,
                                                   settings.CaseSensitive, settings.CurrentYear);
                    r != 0)
                    return (settings.Direction == sdDescending ? -r : r) < 0;
            return false;
        });
        ASSERT_EQ(SortOrder(static_cast<int>(table.size()), keys, settings, cell), expected) << "round " << round;
    }
}

// Comparisons that are no order at all: the sort still ends, within its bound, with a
// permutation, and the same answers give the same result.
TEST_F(SortTest, MergeSortSurvivesAnyComparison)
{
    for (int n : {0, 1, 15, 17, 100, 1000}) {
        for (int mode = 0; mode < 3; ++mode) {
            auto run = [&] {
                std::vector<int> items = Identity(n);
                std::mt19937 rng(static_cast<unsigned>(n * 7 + mode));
                long calls = 0;
                StableMergeSort(items, [&](int a, int b) {  // random, everything smaller, a cycle
                    EXPECT_TRUE(a >= 0 && a < n && b >= 0 && b < n && ++calls <= 16L * n + 2L * n * 12);
                    return mode == 0 ? (rng() & 1u) != 0 : mode == 1 || (a + 1) % 3 == b % 3;
                });
                return items;
            };
            const std::vector<int> first = run();
            EXPECT_TRUE(std::is_permutation(first.begin(), first.end(), Identity(n).begin()) && run() == first);
        }
    }
    // A numeric column with texts among the numbers is no strict weak order either.
    const QStringList mixed{"10", "b", "9", "a", "100", "", "x1", "2"};
    const std::vector<int> order = SortOrder(400, {{0, ssNumeric}, {1, ssNumericExtended}}, {},
                                             [&](int, int row) { return mixed[row % mixed.size()]; });
    EXPECT_TRUE(std::is_permutation(order.begin(), order.end(), Identity(400).begin()));
}

}  // namespace
