// The application sketch as numbers (rings, heads, path, hints, transit-time table, fixing
// box) for pipes small and large, and the detail text (table, sums, capture window, scan).

#include "transducer/SketchLayout.h"

#include "ApplicationPoint.h"

#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "transducer/ApplicationCalc.h"
#include "transducer/ApplicationDetail.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The QT-4 S on water: one traverse 40 mm along the axis, 2.5 mm in the wall.
tSketchInput Base(double outer = 106.0, double wall = 3.0, double lining = 0.0, int paths = 2)
{
    tSketchInput in{.OuterDiameter = outer, .WallThickness = wall, .LiningThickness = lining,
                    .InnerDiameter = outer - 2.0 * (wall + lining), .SoundPaths = paths, .SLen = 42.5, .Sbreit = 18.0,
                    .Shigh = 21.5, .SlenBau = 60.0, .Kantenoffs = 13.9, .Quadrants = {},
                    .Spacing = paths * 40.0 + 5.0 - 2.0 * 13.9, .ResultsValid = true, .UnitName = QStringLiteral("mm")};
    in.Quadrants[ALPHA].tlauf = 10000.0;
    in.Quadrants[BETA] = {.Lachs = 2.5, .tlauf = 2000.0, .Dicke = wall};
    in.Quadrants[BETA2] = {.Lachs = lining > 0.0 ? 0.5 : 0.0, .tlauf = lining > 0.0 ? 500.0 : 0.0, .Dicke = lining};
    in.Quadrants[GAMMA] = {.Lachs = 40.0, .tlauf = 66666.0, .Dicke = in.InnerDiameter};
    return in;
}

double Scale(const tSketchInput& in) { return SketchWallRect.height() / in.OuterDiameter; }

class SketchLayout : public ::testing::Test {
protected:
    FormatSettingsScope format_;
};

TEST_F(SketchLayout, RingsAndHeadsStayVisibleAndCentred)
{
    // outer, wall, lining -> lining ring height (0: none), medium height
    const std::tuple<double, double, double, int, int> rows[] = {
        {106.0, 3.0, 0.0, 0, 74},
        {106.0, 3.0, 1.0, 74, 68},   // a lining under 1 px still gets 3 px a side
        {106.0, 2.0, 1.0, 74, 68},   // thin wall: the lining ring still 3 px from its edge
        {26.0, 3.0, 0.0, 0, 62},     // rings to scale
        {1000.0, 10.0, 0.0, 0, 74},
        {106.0, 52.0, 0.0, 0, 6},    // thick wall: the medium keeps 6 px
        {106.0, 3.0, 49.0, 74, 6},   // thick lining: the medium keeps 6 px
        {106.0, 50.0, 1.0, 12, 6},   // thick wall with lining: lining 12 px
    };
    // Centred in the wall ring, at least 3 px from its edge.
    const auto centred = [](const QRect& ring) {
        const int top = ring.top() - SketchWallRect.top();
        return top == SketchWallRect.bottom() - ring.bottom() && top >= 3;
    };
    for (const auto& [outer, wall, lining, liningHeight, mediumHeight] : rows) {
        SCOPED_TRACE(testing::Message() << outer << "/" << wall << "/" << lining);
        const tSketchLayout out = UpdateSketch(Base(outer, wall, lining));
        ASSERT_TRUE(out.Geometry);
        EXPECT_TRUE(out.Medium.Rect.height() == mediumHeight && centred(out.Medium.Rect));
        EXPECT_EQ(out.Lining.Visible, liningHeight > 0);
        EXPECT_TRUE(liningHeight == 0 || (out.Lining.Rect.height() == liningHeight && centred(out.Lining.Rect)));
    }
    // The heads stand on the pipe, spacing apart, centred.
    const struct {
        const char* what;
        double outer;
        int paths;
        bool fixed;
        QSize head;
    } heads[] = {
        {"100 mm pipe, reflex", 106.0, 2, false, {32, 16}},
        {"26 mm pipe, direct", 26.0, 1, false, {131, 66}},
        {"1000 mm pipe: a head under 20 px is drawn 20 px", 1000.0, 4, false, {20, 10}},
        {"fixed spacing places the heads", 106.0, 2, true, {32, 16}},
    };
    for (const auto& r : heads) {
        SCOPED_TRACE(r.what);
        tSketchInput in = Base(r.outer, 3.0, 0.0, r.paths);
        in.SpacingFixed = r.fixed;
        in.FixedSpacing = 150.0;
        const tSketchLayout out = UpdateSketch(in);
        const QRect v = out.Sender.Rect;
        EXPECT_TRUE(v.size() == r.head && out.Reflex.Rect.size() == r.head && v.bottom() + 1 == SketchWallRect.top());
        EXPECT_EQ(out.Direct.Rect.topLeft(), QPoint(out.Reflex.Rect.left(), SketchDirectRect.top()));
        EXPECT_NEAR(out.Reflex.Rect.left() - (v.right() + 1), Scale(in) * (r.fixed ? in.FixedSpacing : in.Spacing), 1.0);
        EXPECT_NEAR((v.right() + 1 + out.Reflex.Rect.left()) / 2.0, SketchWallRect.left() + SketchWallRect.width() / 2, 1.0);
        EXPECT_EQ(out.Direct.Visible, r.paths % 2 != 0);
        EXPECT_EQ(out.Reflex.Visible, r.paths % 2 == 0);
    }
}

TEST_F(SketchLayout, PathZigzagsFromTheBeamExit)
{
    for (int paths : {1, 2, 3, 4})
        for (double lining : {0.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << paths << " paths, lining " << lining);
            const tSketchInput in = Base(106.0, 3.0, lining, paths);
            const tSketchLayout out = UpdateSketch(in);
            const int exit = out.Sender.Rect.left() + out.Sender.Rect.width() - int(std::nearbyint(Scale(in) * in.Kantenoffs));
            ASSERT_EQ(out.Wall.Points.size(), 6u);
            EXPECT_EQ(out.Wall.Points[0], QPoint(exit - SketchWallRect.left(), 0));
            // Out through the top for reflection, through the bottom for direct mode.
            EXPECT_EQ(out.Wall.Points[5].y(), paths % 2 == 0 ? 0 : SketchWallRect.height());
            EXPECT_EQ(out.Lining.Points.size(), lining > 0.0 ? 6u : 0u);
            ASSERT_EQ(out.Medium.Points.size(), std::size_t(paths + 1));
            const std::vector<QPoint>& p = out.Medium.Points;
            for (int j = 0; j <= paths; ++j)  // zigzag, each leg forward along the pipe
                EXPECT_TRUE(p[j].y() == (j % 2 == 0 ? 1 : out.Medium.Rect.height() - 2) && (j == 0 || p[j].x() > p[j - 1].x())) << j;
        }
}

// The path through the wall ring of a 106/3 pipe (k = 80/106 px per mm, 2 px of wall): in at
// the beam exit, down the ring, 3 px further along under the inner layers, and out again
// through the top (reflection) or the bottom (direct). x relative to the beam exit.
TEST_F(SketchLayout, PathThroughTheWallRing)
{
    // paths, lining -> the six points
    const std::tuple<int, double, std::vector<QPoint>> rows[] = {
        {2, 0.0, {{0, 0}, {2, 2}, {2, 5}, {62, 5}, {62, 2}, {64, 0}}},
        {1, 0.0, {{0, 0}, {2, 2}, {2, 5}, {32, 5}, {32, 77}, {34, 80}}},
        {2, 2.0, {{0, 0}, {2, 2}, {2, 5}, {70, 5}, {70, 2}, {72, 0}}},  // 5 mm along in the lining, twice
        {3, 2.0, {{0, 0}, {2, 2}, {2, 5}, {100, 5}, {100, 77}, {102, 80}}},
    };
    for (const auto& [paths, lining, points] : rows) {
        SCOPED_TRACE(testing::Message() << paths << " paths, lining " << lining);
        tSketchInput in = Base(106.0, 3.0, lining, paths);
        if (lining > 0.0)
            in.Quadrants[BETA2].Lachs = 5.0;
        const tSketchLayout out = UpdateSketch(in);
        ASSERT_EQ(out.Wall.Points.size(), 6u);
        std::vector<QPoint> relative;
        for (const QPoint& p : out.Wall.Points)
            relative.push_back(p - QPoint(out.Wall.Points[0].x(), 0));
        EXPECT_EQ(relative, points);
    }
}

TEST_F(SketchLayout, HatchesAndStatesThatAreNotValid)
{
    tSketchInput overlap = Base();
    overlap.Spacing = -5.0;
    tSketchLayout out = UpdateSketch(overlap);
    EXPECT_TRUE(out.Reflex.Fill == tSketchFill::DiagCross && out.Sender.Fill == tSketchFill::DiagCross);
    EXPECT_EQ(out.Reflex.Colour, SketchRed);
    EXPECT_LT(out.Reflex.Rect.left(), out.Sender.Rect.right());
    overlap.SoundPaths = 1;  // direct mode: nothing overlaps on top
    out = UpdateSketch(overlap);
    EXPECT_TRUE(out.Reflex.Fill == tSketchFill::Solid && out.Sender.Fill == tSketchFill::Solid);
    tSketchInput bare = Base(100.0, 0.0);
    bare.Quadrants[BETA].Dicke = 0.0;
    out = UpdateSketch(bare);
    EXPECT_TRUE(out.Wall.Fill == tSketchFill::DiagCross && out.Wall.Points[1].y() == 1);
    EXPECT_EQ(UpdateSketch(Base()).Wall.Fill, tSketchFill::Solid);
    // Results that are not valid show the pipe only.
    tSketchInput in = Base();
    in.ResultsValid = false;
    out = UpdateSketch(in);
    EXPECT_TRUE(out.PipeValid && out.Wall.Visible && out.Lining.Visible && out.Medium.Visible);
    EXPECT_FALSE(out.Geometry || out.Sender.Visible || out.Reflex.Visible || out.Direct.Visible);
    in.InnerDiameter = 0.001;
    EXPECT_FALSE(UpdateSketch(in).PipeValid);
    // Values beyond any screen are clamped; values that are not numbers hide the path.
    in = Base();
    in.Quadrants[GAMMA].Lachs = 1e300;
    in.Spacing = -1e300;
    for (const QPoint& p : UpdateSketch(in).Medium.Points)
        EXPECT_LE(std::abs(p.x()), SketchPixelLimit);
    in.Quadrants[BETA].Lachs = std::numeric_limits<double>::quiet_NaN();
    out = UpdateSketch(in);
    EXPECT_TRUE(out.Wall.Points.empty() && out.Medium.Points.empty() && out.Lining.Points.empty());
}

TEST_F(SketchLayout, TextsOfHintsTableAndFixingBox)
{
    tSketchInput in = Base();
    tSketchLayout out = UpdateSketch(in);
    EXPECT_EQ(out.Medium.Hint, QStringLiteral("Innendurchmesser = 100.0 mm\nSignallaufzeit 2x Medium = 133.3 µs"));
    EXPECT_EQ(out.Wall.Hint, QStringLiteral("Signallaufzeit 2x Rohrwand = 4.0 µs"));
    EXPECT_EQ(out.Sender.Hint, QStringLiteral("Masze Sensorkopf(LxBxH) = 43x18x22 mm\nEinbaulänge Sensorkopf = 60 mm\n"
                                              "Signallaufzeit 2x Sensor = 20.0 µs"));
    EXPECT_EQ(out.Reflex.Hint, out.Sender.Hint);
    EXPECT_EQ(QStringList({out.Table.Alpha, out.Table.Gamma, out.Table.SumAlphaBeta, out.Table.SumAll}),
              QStringList({"2x   10.000", "2x   66.666", "  24.000", " 157.332"}));
    EXPECT_TRUE(out.FixCaption == QStringLiteral("Abstand fixieren") && out.FixHint.isEmpty());
    // The lining counts in the sums though it has no row.
    out = UpdateSketch(Base(106.0, 3.0, 1.0));
    EXPECT_EQ(out.Table.SumAlphaBeta, QStringLiteral("  25.000"));
    EXPECT_EQ(out.Lining.Hint, QStringLiteral("Signallaufzeit 2x Auskleidung = 1.0 µs"));
    in.SpacingFixed = true;
    in.FixedSpacing = 50.0;
    in.LengthFactor = 1.0 / 25.4;
    in.UnitName = QStringLiteral("inch");
    in.Digits = 2;
    out = UpdateSketch(in, [](const QString& t) { return t == QLatin1String("Fixed at ") ? QStringLiteral("Fixiert: ") : t; });
    EXPECT_EQ(out.FixCaption, QStringLiteral("Fixiert: 1.97 inch"));
    EXPECT_EQ(out.FixHint, QStringLiteral("Abweichung zum Optimum = -0.28 inch"));
}

tAcousticPath PathOf(const tApplicationInput& in)
{
    tApplicationCalc calc(false);
    calc.SetInputData(in);
    return calc.Path();
}

int IndexOf(const QStringList& lines, const QString& start)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start))
            return i;
    return -1;
}

using ApplicationDetail = SketchLayout;

// Without lining the BETA2 column and two of the seven sums are left out.
TEST_F(ApplicationDetail, TableSumsCaptureWindowAndTemperatureScan)
{
    tApplicationInput in = BasePoint();
    tAcousticPath path = PathOf(in);
    QStringList lines = ApplicationDetailText(path);
    EXPECT_EQ(lines[0], QStringLiteral("QUADRANT: \tALPHA(1x)\t BETA(1x)\tGAMMA(1x)\t"));
    EXPECT_EQ(lines[8], QStringLiteral("\t\t\t\t"));
    EXPECT_EQ(lines[9], QStringLiteral("          \tALPHA(2x)\t BETA(2x)\tGAMMA(2x)\t"));
    int sums = IndexOf(lines, QStringLiteral("--LAUFZEITSUMMEN"));
    EXPECT_EQ(lines[sums + 1].left(17), QStringLiteral("ALPHA            "));
    EXPECT_TRUE(lines[sums + 3].endsWith(QStringLiteral("100.0 %")));
    EXPECT_EQ(lines[sums + 5].left(17), QStringLiteral("           GAMMA "));
    EXPECT_EQ(lines[sums + 6], QStringLiteral("\t\t\t\t"));
    in.LiningThickness = 2.0;
    in.LiningMaterial = 1;
    lines = ApplicationDetailText(PathOf(in));
    EXPECT_EQ(lines[0], QStringLiteral("QUADRANT: \tALPHA(1x)\t BETA(1x)\tBETA2(1x)\tGAMMA(1x)\t"));
    EXPECT_EQ(lines[8], QString());
    sums = IndexOf(lines, QStringLiteral("--LAUFZEITSUMMEN"));
    EXPECT_EQ(lines[sums + 4].left(23), QStringLiteral("ALPHA+BETA+BETA2+GAMMA "));
    EXPECT_TRUE(lines[sums + 4].endsWith(QStringLiteral("100.0 %")));
    EXPECT_EQ(lines[sums + 7].left(23), QStringLiteral("                 GAMMA "));
    // The angle row stops at a totally reflecting wall.
    const tApplicationInput reflecting = With([](auto& in) { in.MaterialItems = Materials(0); in.WallSpeed = 9000.0; });
    EXPECT_EQ(ApplicationDetailText(PathOf(reflecting))[2], QStringLiteral("Winkel    \t     39.0\tTOTALREFL\t---------\t°"));
    path = PathOf(BasePoint());
    lines = ApplicationDetailText(path);
    const int w = path.CaptureWindow();
    const double T0 = path.TotalTransitTime();
    const int window = IndexOf(lines, QStringLiteral("Fangbereiche"));
    ASSERT_GT(window, 0);
    EXPECT_EQ(lines[window], Format(QStringLiteral("Fangbereiche OHNE Fensterkorektur @20.0°C (%d%% of %.3fµs)"),
                                    {w, T0 / 1000.0}));
    const double tLow = (1.0 - w / 200.0) * T0;
    const tTemperatureRange range = ScanWindowTemperatures(path, tLow, (1.0 + w / 200.0) * T0);
    EXPECT_EQ(lines[window + 6], Format(QStringLiteral("%.0f..%.0f °C"), {range.Low, range.High}));
    EXPECT_EQ(lines.last(), QStringLiteral("--------------------------------------------\t\t\t\t"));
    // The speed that gives the path's own total is the medium's; the rest alone gives none.
    EXPECT_NEAR(SoundSpeedForTotalTime(path, path.SumTransitTime()), path.Quadrant(GAMMA).c, 1e-6);
    const double rest = 2.0 * (path.Quadrant(ALPHA).tlauf + path.Quadrant(BETA).tlauf + path.Quadrant(BETA2).tlauf);
    EXPECT_EQ(SoundSpeedForTotalTime(path, rest), 0.0);

    // The scan steps outward within the transducer's range and stops at the first
    // temperature outside the window; nothing passing leaves the unrounded temperature.
    path.Input.MediumTemperature = 20.4;
    const double T = path.SumTransitTime();
    for (auto [lower, upper, low, high] : {std::tuple{0.0, 1e12, -30.0, 130.0}, {0.0, 0.0, 20.4, 20.4}}) {
        const tTemperatureRange r = ScanWindowTemperatures(path, lower, upper);
        EXPECT_TRUE(r.Low == low && r.High == high) << r.Low << ".." << r.High;
    }
    const tTemperatureRange narrow = ScanWindowTemperatures(path, 0.999 * T, 1.001 * T);
    EXPECT_TRUE(narrow.Low <= 20.0 && narrow.Low > -30.0) << narrow.Low;
    EXPECT_TRUE(narrow.High >= 20.0 && narrow.High < 130.0) << narrow.High;
    EXPECT_EQ(path.Input.MediumTemperature, 20.4);  // the caller's path is untouched
}

// The single-pass and relative rows without lining: three columns each, the lining's left out.
TEST_F(ApplicationDetail, TableDropsTheLiningColumnWithoutLining)
{
    const tAcousticPath path = PathOf(BasePoint());
    const QStringList lines = ApplicationDetailText(path);
    ASSERT_GT(lines.size(), 40);
    EXPECT_EQ(lines[1], Format(QStringLiteral("Temper    \t%9.1f\t%9.1f\t%9.1f\t°C"), {20.0, 20.0, 20.0}));
    EXPECT_EQ(lines[7], Format(QStringLiteral("tlauf     \t%9.3f\t%9.3f\t%9.3f\tµs"),
                               {path.Quadrant(ALPHA).tlauf / 1000.0, path.Quadrant(BETA).tlauf / 1000.0,
                                path.Quadrant(GAMMA).tlauf / 1000.0}));
    const int rel = IndexOf(lines, QStringLiteral("tlauf_REL"));
    ASSERT_EQ(rel, 14);
    const double T = path.SumTransitTime();
    EXPECT_EQ(lines[rel], Format(QStringLiteral("tlauf_REL \t%9.1f\t%9.1f\t%9.1f\t%%"),
                                 {200.0 * path.Quadrant(ALPHA).tlauf / T, 200.0 * path.Quadrant(BETA).tlauf / T,
                                  200.0 * path.Quadrant(GAMMA).tlauf / T}));
}

// The capture window's lower end as a sound speed and a time.
TEST_F(ApplicationDetail, CaptureWindowAndTemperatureScan)
{
    const tAcousticPath path = PathOf(BasePoint());
    const QStringList lines = ApplicationDetailText(path);
    const int w = path.CaptureWindow();
    const double T0 = path.TotalTransitTime();
    const int window = IndexOf(lines, QStringLiteral("Fangbereiche"));
    ASSERT_GT(window, 0);
    const double tLow = (1.0 - w / 200.0) * T0;
    EXPECT_EQ(lines[window + 2], Format(QStringLiteral("WinLow : %9.0f m/s  (%9.3fµs)"),
                                        {SoundSpeedForTotalTime(path, tLow), tLow / 1000.0}));
    const tTemperatureRange range = ScanWindowTemperatures(path, tLow, (1.0 + w / 200.0) * T0);
    EXPECT_EQ(lines[window + 6], Format(QStringLiteral("%.0f..%.0f °C"), {range.Low, range.High}));
}

// The whole path counts the wedge, the wall and the lining twice and the medium N times, and
// the relative times of all four add up to 100 %.
TEST_F(ApplicationDetail, WholePathCountsTheLiningTwice)
{
    tApplicationInput in = BasePoint();
    in.LiningThickness = 2.0;
    in.LiningMaterial = 1;
    const tAcousticPath path = PathOf(in);
    const QStringList lines = ApplicationDetailText(path);
    const tQuadrant& a = path.Quadrant(ALPHA);
    const tQuadrant& b = path.Quadrant(BETA);
    const tQuadrant& l = path.Quadrant(BETA2);
    const tQuadrant& g = path.Quadrant(GAMMA);
    const double N = path.Input.SoundPaths;
    ASSERT_GT(l.Dicke, 0.0);
    ASSERT_GT(l.tlauf, 0.0);
    EXPECT_EQ(lines[9], QStringLiteral("          \tALPHA(2x)\t BETA(2x)\tBETA2(2x)\tGAMMA(2x)\t"));
    EXPECT_EQ(lines[10], Format(QStringLiteral("Dicke/Kofs\t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm"),
                                {2 * a.Dicke, 2 * b.Dicke, 2 * l.Dicke, N * g.Dicke}));
    EXPECT_EQ(lines[11], Format(QStringLiteral("Lachs     \t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm"),
                                {2 * a.Lachs, 2 * b.Lachs, 2 * l.Lachs, N * g.Lachs}));
    EXPECT_EQ(lines[12], Format(QStringLiteral("Lpfad     \t%9.1f\t%9.1f\t%9.1f\t%9.1f\tmm"),
                                {2 * a.Lpfad, 2 * b.Lpfad, 2 * l.Lpfad, N * g.Lpfad}));
    EXPECT_EQ(lines[13], Format(QStringLiteral("tlauf     \t%9.3f\t%9.3f\t%9.3f\t%9.3f\tµs"),
                                {2e-3 * a.tlauf, 2e-3 * b.tlauf, 2e-3 * l.tlauf, 1e-3 * N * g.tlauf}));
    const double T = 2 * (a.tlauf + b.tlauf + l.tlauf) + N * g.tlauf;
    EXPECT_EQ(lines[14], Format(QStringLiteral("tlauf_REL \t%9.1f\t%9.1f\t%9.1f\t%9.1f\t%%"),
                                {200 * a.tlauf / T, 200 * b.tlauf / T, 200 * l.tlauf / T, 100 * N * g.tlauf / T}));
}

}  // namespace
