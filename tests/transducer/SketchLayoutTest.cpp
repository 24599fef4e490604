// The application sketch as numbers: layer rings, heads, the zigzag path, hints, the
// transit-time table and the fixing box, for pipes small and large.

#include "transducer/SketchLayout.h"

#include "ApplicationPoint.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The QT-4 S on water: one traverse 40 mm along the axis, 2.5 mm in the wall.
tSketchInput Base(double outer = 106.0, double wall = 3.0, double lining = 0.0, int paths = 2)
{
    tSketchInput in;
    in.OuterDiameter = outer;
    in.WallThickness = wall;
    in.LiningThickness = lining;
    in.InnerDiameter = outer - 2.0 * (wall + lining);
    in.SoundPaths = paths;
    in.SLen = 42.5;
    in.Sbreit = 18.0;
    in.Shigh = 21.5;
    in.SlenBau = 60.0;
    in.Kantenoffs = 13.9;
    in.Quadrants[ALPHA].tlauf = 10000.0;
    in.Quadrants[BETA] = {.Lachs = 2.5, .tlauf = 2000.0, .Dicke = wall};
    in.Quadrants[BETA2] = {.Lachs = lining > 0.0 ? 0.5 : 0.0, .tlauf = lining > 0.0 ? 500.0 : 0.0, .Dicke = lining};
    in.Quadrants[GAMMA] = {.Lachs = 40.0, .tlauf = 66666.0, .Dicke = in.InnerDiameter};
    in.Spacing = paths * 40.0 + 5.0 - 2.0 * 13.9;
    in.ResultsValid = true;
    in.UnitName = QStringLiteral("mm");
    in.Digits = 1;
    return in;
}

double Scale(const tSketchInput& in) { return SketchWallRect.height() / in.OuterDiameter; }

class SketchLayout : public ::testing::Test {
protected:
    FormatSettingsScope format_;
};

TEST_F(SketchLayout, RingsStayVisibleAndCentred)
{
    struct Row {
        const char* what;
        double outer, wall, lining;
        bool liningShown;
        int liningHeight, mediumHeight;
    };
    const Row rows[] = {
        {"100 mm pipe, 3 mm wall", 106.0, 3.0, 0.0, false, -1, 74},
        {"1 mm lining scales under 1 px, still 3 px a side", 106.0, 3.0, 1.0, true, 74, 68},
        {"26 mm pipe: rings to scale", 26.0, 3.0, 0.0, false, -1, 62},
        {"1000 mm pipe, 10 mm wall", 1000.0, 10.0, 0.0, false, -1, 78 - 4},
        {"thick wall: the medium keeps 6 px", 106.0, 52.0, 0.0, false, -1, 6},
        {"thick lining: the medium keeps 6 px", 106.0, 3.0, 49.0, true, 74, 6},
        {"thick wall with lining: lining 12 px", 106.0, 50.0, 1.0, true, 12, 6},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const tSketchLayout out = UpdateSketch(Base(r.outer, r.wall, r.lining));
        ASSERT_TRUE(out.Geometry);
        EXPECT_EQ(out.Lining.Visible, r.liningShown);
        EXPECT_EQ(out.Medium.Rect.height(), r.mediumHeight);
        const QRect wall = SketchWallRect;
        EXPECT_EQ(out.Medium.Rect.top() - wall.top(), wall.bottom() - out.Medium.Rect.bottom());
        EXPECT_GE(out.Medium.Rect.top() - wall.top(), 3);
        if (r.liningShown) {
            EXPECT_EQ(out.Lining.Rect.height(), r.liningHeight);
            EXPECT_EQ(out.Lining.Rect.top() - wall.top(), wall.bottom() - out.Lining.Rect.bottom());
            EXPECT_GE(out.Lining.Rect.top() - wall.top(), 3);
        }
    }
}

TEST_F(SketchLayout, HeadsStandOnThePipeSpacingApartCentred)
{
    struct Row {
        const char* what;
        double outer;
        int paths;
        bool fixed;
        int width, height;
    };
    const Row rows[] = {
        {"100 mm pipe, reflex", 106.0, 2, false, 32, 16},
        {"26 mm pipe, direct", 26.0, 1, false, 131, 66},
        {"1000 mm pipe: a head under 20 px is drawn 20 px", 1000.0, 4, false, 20, 10},
        {"fixed spacing places the heads", 106.0, 2, true, 32, 16},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        tSketchInput in = Base(r.outer, 3.0, 0.0, r.paths);
        in.SpacingFixed = r.fixed;
        in.FixedSpacing = 150.0;
        const double k = Scale(in);
        const double d = r.fixed ? in.FixedSpacing : in.Spacing;
        const tSketchLayout out = UpdateSketch(in);
        const QRect v = out.Sender.Rect;
        EXPECT_EQ(v.width(), r.width);
        EXPECT_EQ(v.height(), r.height);
        EXPECT_EQ(v.bottom() + 1, SketchWallRect.top());
        EXPECT_EQ(out.Reflex.Rect.size(), v.size());
        EXPECT_EQ(out.Direct.Rect.top(), SketchDirectRect.top());
        EXPECT_EQ(out.Direct.Rect.left(), out.Reflex.Rect.left());
        EXPECT_NEAR(out.Reflex.Rect.left() - (v.right() + 1), k * d, 1.0);
        EXPECT_NEAR((v.right() + 1 + out.Reflex.Rect.left()) / 2.0, SketchWallRect.left() + SketchWallRect.width() / 2, 1.0);
        const bool odd = r.paths % 2 != 0;
        EXPECT_EQ(out.Direct.Visible, odd);
        EXPECT_EQ(out.Reflex.Visible, !odd);
    }
}

TEST_F(SketchLayout, PathZigzagsFromTheBeamExit)
{
    for (int paths : {1, 2, 3, 4}) {
        SCOPED_TRACE(paths);
        for (double lining : {0.0, 2.0}) {
            const tSketchInput in = Base(106.0, 3.0, lining, paths);
            const double k = Scale(in);
            const tSketchLayout out = UpdateSketch(in);
            const int exit = out.Sender.Rect.left() + out.Sender.Rect.width() - int(std::nearbyint(k * in.Kantenoffs));
            ASSERT_EQ(out.Wall.Points.size(), 6u);
            EXPECT_EQ(out.Wall.Points[0], QPoint(exit - SketchWallRect.left(), 0));
            ASSERT_EQ(out.Medium.Points.size(), std::size_t(paths + 1));
            for (int j = 0; j <= paths; ++j)
                EXPECT_EQ(out.Medium.Points[j].y(), j % 2 == 0 ? 1 : out.Medium.Rect.height() - 2);
            // Out through the top for reflection, through the bottom for direct mode.
            EXPECT_EQ(out.Wall.Points[5].y(), paths % 2 == 0 ? 0 : SketchWallRect.height());
            EXPECT_EQ(out.Lining.Points.size(), lining > 0.0 ? 6u : 0u);
            // The legs go forward along the pipe.
            for (std::size_t i = 1; i < out.Medium.Points.size(); ++i)
                EXPECT_GT(out.Medium.Points[i].x(), out.Medium.Points[i - 1].x());
        }
    }
}

TEST_F(SketchLayout, HatchesForOverlapAndMissingWall)
{
    tSketchInput overlap = Base();
    overlap.Spacing = -5.0;
    tSketchLayout out = UpdateSketch(overlap);
    EXPECT_EQ(out.Reflex.Fill, tSketchFill::DiagCross);
    EXPECT_EQ(out.Reflex.Colour, SketchRed);
    EXPECT_EQ(out.Sender.Fill, tSketchFill::DiagCross);
    EXPECT_LT(out.Reflex.Rect.left(), out.Sender.Rect.right());

    overlap.SoundPaths = 1;  // direct mode: nothing overlaps on top
    out = UpdateSketch(overlap);
    EXPECT_EQ(out.Reflex.Fill, tSketchFill::Solid);
    EXPECT_EQ(out.Sender.Fill, tSketchFill::Solid);

    tSketchInput bare = Base(100.0, 0.0);
    bare.Quadrants[BETA].Dicke = 0.0;
    out = UpdateSketch(bare);
    EXPECT_EQ(out.Wall.Fill, tSketchFill::DiagCross);
    EXPECT_EQ(out.Wall.Points[1].y(), 1);
    EXPECT_EQ(UpdateSketch(Base()).Wall.Fill, tSketchFill::Solid);
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
    EXPECT_EQ(out.Table.Alpha, QStringLiteral("2x   10.000"));
    EXPECT_EQ(out.Table.Gamma, QStringLiteral("2x   66.666"));
    EXPECT_EQ(out.Table.SumAlphaBeta, QStringLiteral("  24.000"));
    EXPECT_EQ(out.Table.SumAll, QStringLiteral(" 157.332"));
    EXPECT_EQ(out.FixCaption, QStringLiteral("Abstand fixieren"));
    EXPECT_TRUE(out.FixHint.isEmpty());

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

TEST_F(SketchLayout, InvalidStatesShowNoStaleTextsOrPaths)
{
    tSketchInput in = Base();
    in.ResultsValid = false;
    tSketchLayout out = UpdateSketch(in);
    EXPECT_TRUE(out.PipeValid && out.Wall.Visible && out.Lining.Visible && out.Medium.Visible);
    EXPECT_FALSE(out.Geometry || out.Sender.Visible || out.Reflex.Visible || out.Direct.Visible);
    in.InnerDiameter = 0.001;
    EXPECT_FALSE(UpdateSketch(in).PipeValid);
    // Values beyond any screen are clamped; values that are not numbers hide the path.
    in = Base();
    in.Quadrants[GAMMA].Lachs = 1e300;
    in.Spacing = -1e300;
    out = UpdateSketch(in);
    for (const QPoint& p : out.Medium.Points)
        EXPECT_LE(std::abs(p.x()), SketchPixelLimit);
    in = Base();
    in.Quadrants[BETA].Lachs = std::numeric_limits<double>::quiet_NaN();
    out = UpdateSketch(in);
    EXPECT_TRUE(out.Wall.Points.empty() && out.Medium.Points.empty() && out.Lining.Points.empty());
}

}  // namespace
