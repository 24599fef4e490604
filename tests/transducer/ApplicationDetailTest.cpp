// The detail text of the application: its table rows with and without lining, the sums,
// the capture window and the temperature scan on a copy of the path.

#include "transducer/ApplicationDetail.h"

#include "ApplicationPoint.h"

#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "transducer/ApplicationCalc.h"

#include <gtest/gtest.h>

namespace {

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

class ApplicationDetail : public ::testing::Test {
protected:
    FormatSettingsScope format_;
};

TEST_F(ApplicationDetail, TableDropsTheLiningColumnWithoutLining)
{
    const tAcousticPath path = PathOf(BasePoint());
    const QStringList lines = ApplicationDetailText(path);
    ASSERT_GT(lines.size(), 40);
    EXPECT_EQ(lines[0], QStringLiteral("QUADRANT: \tALPHA(1x)\t BETA(1x)\tGAMMA(1x)\t"));
    EXPECT_EQ(lines[1], Format(QStringLiteral("Temper    \t%9.1f\t%9.1f\t%9.1f\t°C"), {20.0, 20.0, 20.0}));
    EXPECT_EQ(lines[7], Format(QStringLiteral("tlauf     \t%9.3f\t%9.3f\t%9.3f\tµs"),
                               {path.Quadrant(ALPHA).tlauf / 1000.0, path.Quadrant(BETA).tlauf / 1000.0,
                                path.Quadrant(GAMMA).tlauf / 1000.0}));
    EXPECT_EQ(lines[8], QStringLiteral("\t\t\t\t"));
    EXPECT_EQ(lines[9], QStringLiteral("          \tALPHA(2x)\t BETA(2x)\tGAMMA(2x)\t"));
    const int rel = IndexOf(lines, QStringLiteral("tlauf_REL"));
    ASSERT_EQ(rel, 14);
    const double T = path.SumTransitTime();
    EXPECT_EQ(lines[rel], Format(QStringLiteral("tlauf_REL \t%9.1f\t%9.1f\t%9.1f\t%%"),
                                 {200.0 * path.Quadrant(ALPHA).tlauf / T, 200.0 * path.Quadrant(BETA).tlauf / T,
                                  200.0 * path.Quadrant(GAMMA).tlauf / T}));
    // Five sums without a lining, each with its share of the total.
    const int sums = IndexOf(lines, QStringLiteral("--LAUFZEITSUMMEN"));
    EXPECT_EQ(lines[sums + 1].left(17), QStringLiteral("ALPHA            "));
    EXPECT_TRUE(lines[sums + 3].endsWith(QStringLiteral("100.0 %")));
    EXPECT_EQ(lines[sums + 5].left(17), QStringLiteral("           GAMMA "));
    EXPECT_EQ(lines[sums + 6], QStringLiteral("\t\t\t\t"));
}

TEST_F(ApplicationDetail, LiningKeepsSevenColumnsAndSevenSums)
{
    tApplicationInput in = BasePoint();
    in.LiningThickness = 2.0;
    in.LiningMaterial = 1;
    const QStringList lines = ApplicationDetailText(PathOf(in));
    EXPECT_EQ(lines[0], QStringLiteral("QUADRANT: \tALPHA(1x)\t BETA(1x)\tBETA2(1x)\tGAMMA(1x)\t"));
    EXPECT_EQ(lines[8], QString());
    const int sums = IndexOf(lines, QStringLiteral("--LAUFZEITSUMMEN"));
    EXPECT_EQ(lines[sums + 4].left(23), QStringLiteral("ALPHA+BETA+BETA2+GAMMA "));
    EXPECT_TRUE(lines[sums + 4].endsWith(QStringLiteral("100.0 %")));
    EXPECT_EQ(lines[sums + 7].left(23), QStringLiteral("                 GAMMA "));
}

TEST_F(ApplicationDetail, AngleRowStopsAtTotalReflection)
{
    tApplicationInput in = BasePoint();
    in.MaterialItems = Materials(OtherMaterialCode);
    in.WallSpeed = 9000.0;
    const tAcousticPath path = PathOf(in);
    ASSERT_TRUE(path.IsTotalReflection(BETA));
    const QStringList lines = ApplicationDetailText(path);
    EXPECT_EQ(lines[2], Format(QStringLiteral("Winkel    \t%9.1f\tTOTALREFL\t---------\t°"),
                               {path.Quadrant(ALPHA).angle * 180.0 / 3.14159265358979323846}));
}

TEST_F(ApplicationDetail, CaptureWindowAndTemperatureScan)
{
    const tAcousticPath path = PathOf(BasePoint());
    const QStringList lines = ApplicationDetailText(path);
    const int w = path.CaptureWindow();
    const double T0 = path.TotalTransitTime();
    const int window = IndexOf(lines, QStringLiteral("Fangbereiche"));
    ASSERT_GT(window, 0);
    EXPECT_EQ(lines[window], Format(QStringLiteral("Fangbereiche OHNE Fensterkorektur @20.0°C (%d%% of %.3fµs)"),
                                    {w, T0 / 1000.0}));
    const double tLow = (1.0 - w / 200.0) * T0;
    EXPECT_EQ(lines[window + 2], Format(QStringLiteral("WinLow : %9.0f m/s  (%9.3fµs)"),
                                        {SoundSpeedForTotalTime(path, tLow), tLow / 1000.0}));
    const tTemperatureRange range = ScanWindowTemperatures(path, tLow, (1.0 + w / 200.0) * T0);
    EXPECT_EQ(lines[window + 6], Format(QStringLiteral("%.0f..%.0f °C"), {range.Low, range.High}));
    EXPECT_EQ(lines.last(), QStringLiteral("--------------------------------------------\t\t\t\t"));

    // The speed that gives the path's own total is the medium's.
    EXPECT_NEAR(SoundSpeedForTotalTime(path, path.SumTransitTime()), path.Quadrant(GAMMA).c, 1e-6);
    const double rest = 2.0 * (path.Quadrant(ALPHA).tlauf + path.Quadrant(BETA).tlauf + path.Quadrant(BETA2).tlauf);
    EXPECT_EQ(SoundSpeedForTotalTime(path, rest), 0.0);
}

TEST_F(ApplicationDetail, ScanStepsOutwardWithinTheWorkingRange)
{
    tAcousticPath path = PathOf(BasePoint());
    path.Input.MediumTemperature = 20.4;
    const double T = path.SumTransitTime();
    struct Row {
        const char* what;
        double lower, upper, low, high;
    };
    const Row rows[] = {
        {"everything passes: the transducer's range", 0.0, 1e12, -30.0, 130.0},
        {"nothing passes: both ends at the unrounded temperature", 0.0, 0.0, 20.4, 20.4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const tTemperatureRange range = ScanWindowTemperatures(path, r.lower, r.upper);
        EXPECT_EQ(range.Low, r.low);
        EXPECT_EQ(range.High, r.high);
    }
    // A narrow window stops at the first temperature outside it, on both sides.
    const tTemperatureRange narrow = ScanWindowTemperatures(path, 0.999 * T, 1.001 * T);
    EXPECT_LE(narrow.Low, 20.0);
    EXPECT_GE(narrow.High, 20.0);
    EXPECT_GT(narrow.Low, -30.0);
    EXPECT_LT(narrow.High, 130.0);
    EXPECT_EQ(path.Input.MediumTemperature, 20.4);  // the caller's path is untouched
}

}  // namespace
