#include "transducer/SensorListing.h"
#include "transducer/SensorSelection.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

// Wall materials of the three classes.
constexpr std::uint16_t Steel = 1;    // class 0
constexpr std::uint16_t Plastic = 3;  // class 1
constexpr std::uint16_t PP = 14;      // class 2

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr std::uint32_t Start = SensorStatusStart;
constexpr std::uint32_t Hot = SensorTooHot;
constexpr std::uint32_t Cold = SensorTooCold;

const std::uint16_t OwnOffer = BuildSensorListing(false).OfferedTypes;      // holds 14
const std::uint16_t PartnerOffer = BuildSensorListing(true).OfferedTypes;   // lacks 14

TEST(SensorTemperature, BoundsPassBitsAreSetAndCleared)
{
    const std::tuple<std::uint8_t, double, bool, std::uint32_t> cases[] = {
        {11, 130.0, true, Start},   {11, -30.0, true, Start},        {11, 130.01, false, Start | Hot},
        {11, -30.01, false, Start | Cold}, {12, 200.0, true, Start},
        // Unknown codes use the first entry (-30..130); NaN is never in range, nor hot or cold.
        {4, 130.0, true, Start},    {99, 131.0, false, Start | Hot}, {11, NaN, false, Start},
    };
    for (const auto& [code, t, ok, expected] : cases) {
        std::uint32_t status = Start | Hot | Cold;
        EXPECT_EQ(CheckSensorTemperature(code, t, status), ok) << int{code} << " " << t;
        EXPECT_EQ(status, expected) << int{code} << " " << t;
    }
    // Code 0 is never fit and leaves the status alone.
    std::uint32_t status = Start | Hot;
    EXPECT_FALSE(SensorTemperatureOk(0, 20.0, status));
    EXPECT_EQ(status, Start | Hot);
    EXPECT_TRUE(SensorTemperatureOk(11, 20.0, status));
    EXPECT_EQ(status, Start);
}

TEST(RecommendSensorType, BandsTemperaturesAndTheEightMegahertzHead)
{
    struct {
        std::uint16_t material;
        double d;
        std::uint8_t type;
        double t = 20.0;
        std::uint32_t status = Start;  // describes the chosen type
        std::uint16_t offer = OwnOffer;
    } const cases[] = {
        // A band edge E (in 0.1 mm) lies at (E - 0.5) / 10 mm. Class 1: S [50,151) 4M [151,801)
        // 1M [801,22001) L [22001,60001); class 2: S [50,101) 4M [101,501); class 0: S [50,251)
        // 4M [251,1501); an unknown material counts as class 0.
        {Plastic, 4.96, 14}, {Plastic, 15.04, 14}, {Plastic, 15.06, 11}, {Plastic, 80.06, 6}, {Plastic, 2200.04, 6},
        {Plastic, 2200.06, 3}, {Plastic, 6000.06, 0}, {PP, 10.04, 14}, {PP, 10.06, 11}, {PP, 50.04, 11},
        {PP, 50.06, 6}, {PP, 2200.06, 3}, {PP, 6000.04, 3}, {Steel, 25.04, 14}, {Steel, 25.06, 11},
        {Steel, 150.04, 11}, {Steel, 150.06, 6}, {Steel, 2200.0, 6}, {Steel, 2200.1, 3}, {Steel, 6000.0, 3},
        {Steel, 6000.1, 0}, {99, 25.04, 14}, {0, 150.06, 6},
        // D x 10 is exactly x.5: halves round to even, rounding up would cross the edge.
        {Plastic, 15.05, 14}, {Plastic, 80.05, 11}, {Steel, 25.05, 14}, {Steel, 2200.05, 6}, {Steel, 6000.05, 3},
        {Steel, 4.95, 14},
        // Without the 8 MHz head class 2 has nothing for small pipes; class 1 takes the 4 MHz
        // head from 10 mm, class 0 from 15 mm (compared unrounded).
        {PP, 5.0, 0, 20.0, Start, PartnerOffer}, {PP, 10.04, 0, 20.0, Start, PartnerOffer},
        {Plastic, 9.99, 0, 20.0, Start, PartnerOffer}, {Plastic, 10.0, 11, 20.0, Start, PartnerOffer},
        {Steel, 14.99, 0, 20.0, Start, PartnerOffer}, {Steel, 15.01, 11, 20.0, Start, PartnerOffer}, {Plastic, 9.9, 14},
        // Too hot for the standard head: the hot variant. Too cold keeps the standard head.
        {Plastic, 50.0, 12, 131.0}, {Plastic, 50.0, 12, 200.01, Start | Hot}, {Steel, 500.0, 7, 131.0},
        {Plastic, 50.0, 11, -31.0, Start | Cold}, {Steel, 500.0, 6, -40.0, Start | Cold},
        // A too hot 8 MHz head falls back to the 4 MHz rule, which may find nothing.
        {Plastic, 12.0, 12, 131.0}, {Plastic, 8.0, 0, 131.0, Start | Hot},
        // The large head has no hot variant: it stays, with the too-hot bit.
        {Steel, 3000.0, 3, 131.0, Start | Hot}, {Steel, 3000.0, 3, -31.0, Start | Cold, PartnerOffer},
        {Steel, 100.0, 0, NaN},
    };
    for (const auto& c : cases) {
        std::uint32_t status = 0;
        EXPECT_EQ(RecommendSensorType(c.material, c.offer, status, c.d, c.t), c.type)
            << c.material << " " << c.d << " " << c.t << " " << c.offer;
        EXPECT_EQ(status, c.status) << c.material << " " << c.d << " " << c.t;
    }
    for (double d : {NaN, Inf, -Inf, -1.0, -2200.0, 0.0, 4.9, 4.94, 6000.1, 1e300}) {
        for (std::uint16_t material : {Steel, Plastic, PP}) {
            std::uint32_t status = 0;
            EXPECT_EQ(RecommendSensorType(material, OwnOffer, status, d, 20.0), 0) << d;
            EXPECT_EQ(status, Start) << d;
        }
    }
}

TEST(DefaultSoundPaths, RowsOfEveryFrequencyClass)
{
    const std::tuple<std::uint8_t, double, std::uint8_t, std::uint8_t, std::uint8_t> cases[] = {
        {2, 0.0, 5, 4, 0}, {2, 100.05, 5, 4, 0}, {2, 100.06, 1, 2, 0}, {4, 0.0, 1, 8, 1}, {4, 11.94, 1, 8, 1},
        {4, 11.96, 1, 6, 1}, {4, 24.94, 1, 6, 1}, {4, 24.96, 1, 4, 1}, {4, 59.94, 1, 4, 1}, {4, 59.96, 1, 2, 1},
        {4, 299.94, 1, 2, 1}, {4, 299.96, 1, 2, 0}, {5, 0.01, 7, 8, 1}, {5, 10.04, 7, 8, 1}, {5, 10.06, 5, 6, 1},
        {5, 15.05, 5, 6, 1}, {5, 15.06, 3, 4, 1}, {5, 25.04, 3, 4, 1}, {5, 25.06, 1, 2, 1}, {1, 5.0, 1, 2, 1},
        {3, 10.0, 1, 2, 1}, {0, 10.0, 1, 2, 1}, {9, 10.0, 1, 2, 1},
        // 6553.55 mm is 65536 tenths: large pipes must not wrap to small ones.
        {5, 6553.55, 1, 2, 1}, {2, 6553.55, 1, 2, 0}, {4, 6553.55, 1, 2, 0}, {5, 1e300, 1, 2, 1}, {5, Inf, 1, 2, 1},
        {2, Inf, 1, 2, 0},
        // No pipe keeps the plain defaults.
        {5, -5.0, 1, 2, 1}, {5, -1e300, 1, 2, 1}, {5, NaN, 1, 2, 1}, {2, NaN, 1, 2, 1},
    };
    for (const auto& [cls, d, direct, reflex, preferred] : cases) {
        tSoundPathDefaults defaults{99, 99, 99};
        DefaultSoundPaths(cls, defaults, d);
        SCOPED_TRACE(testing::Message() << int{cls} << " " << d);
        EXPECT_EQ(defaults.Direct, direct);
        EXPECT_EQ(defaults.Reflex, reflex);
        EXPECT_EQ(defaults.Preferred, preferred);
    }
}

}  // namespace
