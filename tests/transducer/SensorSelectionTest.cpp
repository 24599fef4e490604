#include "transducer/SensorListing.h"
#include "transducer/SensorSelection.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Wall materials of the three classes.
constexpr std::uint16_t Steel = 1;    // class 0
constexpr std::uint16_t Plastic = 3;  // class 1
constexpr std::uint16_t PP = 14;      // class 2

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

const std::uint16_t OwnOffer = BuildSensorListing(false).OfferedTypes;      // holds 14
const std::uint16_t PartnerOffer = BuildSensorListing(true).OfferedTypes;   // lacks 14

std::uint8_t Recommend(std::uint16_t material, double d, double t = 20.0,
                       std::uint16_t offer = OwnOffer)
{
    return RecommendSensorType(material, offer, d, t);
}

TEST(SensorTemperature, BoundsPassBitsAreSetAndCleared)
{
    std::uint32_t status = SensorStatusStart | SensorTooHot | SensorTooCold;
    EXPECT_TRUE(CheckSensorTemperature(11, 130.0, status));
    EXPECT_EQ(status, SensorStatusStart);
    EXPECT_TRUE(CheckSensorTemperature(11, -30.0, status));
    EXPECT_FALSE(CheckSensorTemperature(11, 130.01, status));
    EXPECT_EQ(status, SensorStatusStart | SensorTooHot);
    EXPECT_FALSE(CheckSensorTemperature(11, -30.01, status));
    EXPECT_EQ(status, SensorStatusStart | SensorTooCold);
    EXPECT_TRUE(CheckSensorTemperature(12, 200.0, status));
    EXPECT_FALSE(CheckSensorTemperature(2, 70.01, status));
    EXPECT_TRUE(IsTooHot(status));

    // Unknown codes use the first entry (-30..130).
    EXPECT_TRUE(CheckSensorTemperature(4, 130.0, status));
    EXPECT_FALSE(CheckSensorTemperature(99, 131.0, status));
    EXPECT_TRUE(IsTooHot(status));

    // NaN is never in range, and neither too hot nor too cold.
    status = SensorStatusStart | SensorTooHot;
    EXPECT_FALSE(CheckSensorTemperature(11, NaN, status));
    EXPECT_EQ(status, SensorStatusStart);

    // Code 0 is never fit and leaves the status alone.
    status = SensorStatusStart | SensorTooHot;
    EXPECT_FALSE(SensorTemperatureOk(0, 20.0, status));
    EXPECT_EQ(status, SensorStatusStart | SensorTooHot);
    EXPECT_TRUE(SensorTemperatureOk(11, 20.0, status));
    EXPECT_EQ(status, SensorStatusStart);
}

// A band edge E (in 0.1 mm) lies at (E - 0.5) / 10 mm.
struct tEdgeCase {
    std::uint16_t material;
    double below;
    std::uint8_t belowType;
    double above;
    std::uint8_t aboveType;
};

TEST(RecommendSensorType, BothSidesOfEveryBandEdge)
{
    const tEdgeCase cases[] = {
        // class 1: S [50,151) 4M [151,801) 1M [801,22001) L [22001,60001)
        {Plastic, 4.94, 0, 4.96, 14},
        {Plastic, 15.04, 14, 15.06, 11},
        {Plastic, 80.04, 11, 80.06, 6},
        {Plastic, 2200.04, 6, 2200.06, 3},
        {Plastic, 6000.04, 3, 6000.06, 0},
        // class 2: S [50,101) 4M [101,501)
        {PP, 4.94, 0, 4.96, 14},
        {PP, 10.04, 14, 10.06, 11},
        {PP, 50.04, 11, 50.06, 6},
        {PP, 2200.04, 6, 2200.06, 3},
        {PP, 6000.04, 3, 6000.06, 0},
        // class 0: S [50,251) 4M [251,1501)
        {Steel, 4.94, 0, 4.96, 14},
        {Steel, 25.04, 14, 25.06, 11},
        {Steel, 150.04, 11, 150.06, 6},
        {Steel, 2200.04, 6, 2200.06, 3},
        {Steel, 6000.04, 3, 6000.06, 0},
    };
    for (const tEdgeCase& c : cases) {
        EXPECT_EQ(Recommend(c.material, c.below), c.belowType) << c.material << " " << c.below;
        EXPECT_EQ(Recommend(c.material, c.above), c.aboveType) << c.material << " " << c.above;
    }
    // The documented edges themselves.
    EXPECT_EQ(Recommend(Steel, 2200.0), 6);
    EXPECT_EQ(Recommend(Steel, 2200.1), 3);
    EXPECT_EQ(Recommend(Steel, 6000.0), 3);
    EXPECT_EQ(Recommend(Steel, 6000.1), 0);
}

TEST(RecommendSensorType, ExactHalvesRoundToEven)
{
    // D x 10 is exactly x.5 here; rounding halves up would cross the edge.
    EXPECT_EQ(Recommend(Plastic, 15.05), 14);   // 150
    EXPECT_EQ(Recommend(Plastic, 80.05), 11);   // 800
    EXPECT_EQ(Recommend(Steel, 25.05), 14);     // 250
    EXPECT_EQ(Recommend(Steel, 2200.05), 6);    // 22000
    EXPECT_EQ(Recommend(Steel, 6000.05), 3);    // 60000
    EXPECT_EQ(Recommend(Steel, 4.95), 14);      // 50
}

TEST(RecommendSensorType, SmallBandWithoutTheEightMegahertzHead)
{
    // Class 2 has nothing else for small pipes.
    EXPECT_EQ(Recommend(PP, 5.0, 20.0, PartnerOffer), 0);
    EXPECT_EQ(Recommend(PP, 10.04, 20.0, PartnerOffer), 0);
    // Class 1 takes the 4 MHz head from 10 mm, class 0 from 15 mm (compared unrounded).
    EXPECT_EQ(Recommend(Plastic, 9.9, 20.0, PartnerOffer), 0);
    EXPECT_EQ(Recommend(Plastic, 9.99, 20.0, PartnerOffer), 0);
    EXPECT_EQ(Recommend(Plastic, 10.0, 20.0, PartnerOffer), 11);
    EXPECT_EQ(Recommend(Steel, 14.99, 20.0, PartnerOffer), 0);
    EXPECT_EQ(Recommend(Steel, 15.01, 20.0, PartnerOffer), 11);
    EXPECT_EQ(Recommend(Plastic, 9.9, 20.0, OwnOffer), 14);
}

TEST(RecommendSensorType, HotAndColdMedia)
{
    std::uint32_t status = 0;
    // Too hot for the standard head: the hot variant, whose status is clean.
    EXPECT_EQ(RecommendSensorType(Plastic, OwnOffer, status, 50.0, 131.0), 12);
    EXPECT_EQ(status, SensorStatusStart);
    EXPECT_EQ(RecommendSensorType(Plastic, OwnOffer, status, 50.0, 200.01), 12);
    EXPECT_EQ(status, SensorStatusStart | SensorTooHot);
    EXPECT_EQ(RecommendSensorType(Steel, OwnOffer, status, 500.0, 131.0), 7);
    EXPECT_EQ(status, SensorStatusStart);
    // Too cold keeps the standard head and says so.
    EXPECT_EQ(RecommendSensorType(Plastic, OwnOffer, status, 50.0, -31.0), 11);
    EXPECT_EQ(status, SensorStatusStart | SensorTooCold);
    EXPECT_EQ(RecommendSensorType(Steel, OwnOffer, status, 500.0, -40.0), 6);
    EXPECT_EQ(status, SensorStatusStart | SensorTooCold);
    // A too hot 8 MHz head falls back to the 4 MHz rule.
    EXPECT_EQ(RecommendSensorType(Plastic, OwnOffer, status, 12.0, 131.0), 12);
    EXPECT_EQ(RecommendSensorType(Plastic, OwnOffer, status, 8.0, 131.0), 0);
    // The large head has no hot variant: it stays, with the too-hot bit.
    EXPECT_EQ(RecommendSensorType(Steel, OwnOffer, status, 3000.0, 131.0), 3);
    EXPECT_EQ(status, SensorStatusStart | SensorTooHot);
    EXPECT_EQ(RecommendSensorType(Steel, PartnerOffer, status, 3000.0, -31.0), 3);
    EXPECT_EQ(status, SensorStatusStart | SensorTooCold);
}

TEST(RecommendSensorType, NoTransducerForOutOfRangeInput)
{
    std::uint32_t status = 0;
    for (double d : {NaN, Inf, -Inf, -1.0, -2200.0, 0.0, 4.9, 6000.1, 1e300}) {
        for (std::uint16_t material : {Steel, Plastic, PP}) {
            EXPECT_EQ(RecommendSensorType(material, OwnOffer, status, d, 20.0), 0) << d;
            EXPECT_EQ(status, SensorStatusStart) << d;
        }
    }
    EXPECT_EQ(RecommendSensorType(Steel, OwnOffer, status, 100.0, NaN), 0);
    EXPECT_EQ(status, SensorStatusStart);
    // An unknown wall material counts as class 0.
    EXPECT_EQ(Recommend(99, 25.04), 14);
    EXPECT_EQ(Recommend(0, 150.06), 6);
}

struct tPathCase {
    std::uint8_t cls;
    double d;
    std::uint8_t direct;
    std::uint8_t reflex;
    std::uint8_t preferred;
};

TEST(DefaultSoundPaths, RowsOfEveryFrequencyClass)
{
    const tPathCase cases[] = {
        {2, 0.0, 5, 4, 0},     {2, 100.04, 5, 4, 0},  {2, 100.05, 5, 4, 0},  {2, 100.06, 1, 2, 0},
        {4, 0.0, 1, 8, 1},     {4, 11.94, 1, 8, 1},   {4, 11.96, 1, 6, 1},   {4, 24.94, 1, 6, 1},
        {4, 24.96, 1, 4, 1},   {4, 30.0, 1, 4, 1},    {4, 59.94, 1, 4, 1},   {4, 59.96, 1, 2, 1},
        {4, 299.9, 1, 2, 1},   {4, 299.94, 1, 2, 1},  {4, 299.96, 1, 2, 0},  {4, 300.0, 1, 2, 0},
        {5, 0.01, 7, 8, 1},    {5, 10.04, 7, 8, 1},   {5, 10.06, 5, 6, 1},   {5, 15.04, 5, 6, 1},
        {5, 15.05, 5, 6, 1},   {5, 15.06, 3, 4, 1},   {5, 25.04, 3, 4, 1},   {5, 25.06, 1, 2, 1},
        {1, 5.0, 1, 2, 1},     {3, 10.0, 1, 2, 1},    {0, 10.0, 1, 2, 1},    {9, 10.0, 1, 2, 1},
    };
    for (const tPathCase& c : cases) {
        tSoundPathDefaults defaults{99, 99, 99};
        DefaultSoundPaths(c.cls, defaults, c.d);
        EXPECT_EQ(defaults.Direct, c.direct) << int{c.cls} << " " << c.d;
        EXPECT_EQ(defaults.Reflex, c.reflex) << int{c.cls} << " " << c.d;
        EXPECT_EQ(defaults.Preferred, c.preferred) << int{c.cls} << " " << c.d;
    }
}

TEST(DefaultSoundPaths, LargePipesNeverWrapAndNoPipeKeepsThePlainDefaults)
{
    // 6553.55 mm is 65536 tenths: one past a 16-bit count.
    for (double d : {6553.5, 6553.55, 6553.6, 10000.0, 1e300, Inf}) {
        tSoundPathDefaults defaults;
        DefaultSoundPaths(5, defaults, d);
        EXPECT_EQ(defaults.Direct, 1) << d;
        EXPECT_EQ(defaults.Reflex, 2) << d;
        DefaultSoundPaths(2, defaults, d);
        EXPECT_EQ(defaults.Direct, 1) << d;
        DefaultSoundPaths(4, defaults, d);
        EXPECT_EQ(defaults.Preferred, 0) << d;
    }
    for (double d : {-5.0, -1e300, NaN}) {
        tSoundPathDefaults defaults{7, 8, 0};
        DefaultSoundPaths(5, defaults, d);
        EXPECT_EQ(defaults.Direct, 1) << d;
        EXPECT_EQ(defaults.Reflex, 2) << d;
        EXPECT_EQ(defaults.Preferred, 1) << d;
    }
}

}  // namespace
