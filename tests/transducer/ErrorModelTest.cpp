#include "transducer/ErrorModel.h"

#include "platform/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

namespace {

// A model with dvt0 given directly, the limits 500..1500 mm/s and factor F on every axis.
tErrorModel Model(double velocity, double dvt0, double factor = 1.0)
{
    tErrorModel m;
    m.Quantities = {{{"Flow velocity", factor, "mm/s"}, {"Volume flow", factor, "l/s"},
                     {"Mass flow", factor, "kg/s"}}};
    m.Velocity = velocity;
    m.VelocityLaminar = 500.0;
    m.VelocityTurbulent = 1500.0;
    m.dvt0Calc = dvt0;
    m.SetQuantity(QuantityVelocity);
    return m;
}

QString TypicalText(const tErrorModel& m)
{
    QString text = QStringLiteral("?");
    m.GetTypicalErrorText(text);
    return text;
}

TEST(ErrorModel, ZeroPointErrorAndItsFallback)
{
    tErrorModel m;
    m.MediumSection.c = 1482.0;
    m.MediumSection.sin = 0.368;
    m.MediumSection.cos = std::sqrt(1.0 - 0.368 * 0.368);
    m.Sensor.TotZeitAbgleich = 0.25;
    m.SoundPaths = 2;
    m.InnerDiameter = 100.0;
    const double expected = 0.001 * 1482.0 * 1482.0 * m.MediumSection.cos * 0.25 / (2 * 2 * 100.0 * 0.368);
    EXPECT_DOUBLE_EQ(m.CalcZeroPointError(), expected);
    // No paths, no diameter or a beam along the normal: the fixed 15 mm/s.
    for (auto spoil : {+[](tErrorModel& e) { e.SoundPaths = 0; }, +[](tErrorModel& e) { e.InnerDiameter = 0.0; },
                       +[](tErrorModel& e) { e.MediumSection.sin = 0.0; }}) {
        tErrorModel bad = m;
        spoil(bad);
        EXPECT_DOUBLE_EQ(bad.CalcZeroPointError(), FallbackZeroPointError);
    }
    tErrorData data;
    data.Medium = m.MediumSection;
    data.Sensor = m.Sensor;
    data.SoundPaths = 0;
    data.InnerDiameter = 52.5;
    tErrorModel loaded;
    loaded.SetErrorData(data);
    EXPECT_EQ(loaded.ZeroPointHint(), "dvt0=15.000");
}

TEST(ErrorModel, LimitsTypicalErrorAndTexts)
{
    // velocity, dvt0, limit, typical, add-on, memo lines
    struct Row {
        double v, dvt0, limit, typical, addOn;
        QString text;
        int lines;
    };
    const Row rows[] = {
        {1000.0, 10.0, 14.0, 10.3, 10.0, "10.3", 1},  // the middle of the limits: 4 + 10, 2.3 + 8
        {2500.0, 10.0, 3.4, 2.0, 0.0, "2.0", 2},        // turbulent
        {-2500.0, 10.0, 3.4, 2.0, 0.0, "2.0", 2},       // reverse flow: its magnitude
        {500.0, 10.0, 5.0, 2.8, 0.0, "2.8", 2},        // on a limit: no add-on
        {1500.0, 10.0, 10.0 / 15 + 3, 1.8 + 5.0 / 15, 0.0, "2.1", 2},
        {750.0, 10.0, 100.0 / 75 + 3 + 5, 5.0 / 7.5 + 1.8 + 4, 5.0, "6.5", 1},  // half-way up the tent
        {1e6, 0.0, 3.0, 1.8, 0.0, "1.8", 2},
    };
    for (const Row& r : rows) {
        const tErrorModel m = Model(r.v, r.dvt0);
        EXPECT_NEAR(m.TransitionErrorAddOn(), r.addOn, 1e-9) << r.v;
        EXPECT_NEAR(m.ErrorLimit(), r.limit, 1e-9) << r.v;
        EXPECT_NEAR(m.TypicalError(), r.typical, 1e-9) << r.v;
        EXPECT_EQ(TypicalText(m), r.text) << r.v;
        EXPECT_EQ(m.ErrorText().size(), r.lines) << r.v;
    }
    const QStringList two = Model(2500.0, 10.0).ErrorText();
    EXPECT_EQ(two[0], "The estimated error limit is 3.4% ");
    EXPECT_EQ(two[1], "The estimated typical error is 2.0% ");
    EXPECT_EQ(Model(1000.0, 10.0).ErrorText()[0],
              "The estimated error could be increased up to 14%, because the current flow is neither "
              "full turbulent nor full laminar");

    // Standing still there is no relative error at all.
    const tErrorModel still = Model(0.0, 10.0);
    EXPECT_FALSE(still.HasRelativeError());
    EXPECT_TRUE(std::isnan(still.ErrorLimit()));
    EXPECT_EQ(TypicalText(still), "?");
    EXPECT_TRUE(still.ErrorText().isEmpty());
    EXPECT_EQ(tErrorModel::ErrorBase(0.0, 10.0, 3.0), 0.0);
}

TEST(ErrorModel, BandPointsAndAxis)
{
    struct Row {
        double v;
        bool onePercent;
        double factor, step, axis;
        std::size_t band1;
    };
    const Row rows[] = {
        {10000.0, true, 1.0, 100.0, 10100.0, 100},
        {10001.0, false, 1.0, 120.012, 100.0 + 100 * 120.012, 0},
        {-20000.0, false, 0.001, 240.0, (100.0 + 24000.0) * 0.001, 0},
        {1000.0, false, 0.0, 100.0, 1.0, 0},  // a unit that cannot scale: no bands, axis 0..1
    };
    for (const Row& r : rows) {
        tErrorModel m = Model(r.v, 10.0, r.factor);
        m.ShowOnePercentBand = r.onePercent;
        m.SetQuantity(QuantityMass);
        EXPECT_NEAR(m.AxisMaximum, r.axis, 1e-9) << r.v;
        EXPECT_EQ(m.Band1Upper.size(), r.band1) << r.v;
        if (r.factor == 0.0) {
            EXPECT_TRUE(m.Band3Upper.empty());
            continue;
        }
        ASSERT_EQ(m.Band3Upper.size(), 100u);
        EXPECT_NEAR(m.Band3Upper[1].x - m.Band3Upper[0].x, r.step * r.factor, 1e-9) << r.v;
        EXPECT_NEAR(m.Band3Upper[0].y, 10.0 + 3.0, 1e-12);  // x0 = 100 mm/s
        EXPECT_EQ(m.Band3Lower[5].y, -m.Band3Upper[5].y);
    }
    // With dvt0 = 10 the 3 % band lies at +-4 % at 1000 mm/s, the 1 % band at +-2 %.
    tErrorModel m = Model(1000.0, 10.0);
    m.ShowOnePercentBand = 1;
    m.SetQuantity(QuantityVelocity);
    EXPECT_DOUBLE_EQ(m.Band3Upper[9].y, 4.0);
    EXPECT_DOUBLE_EQ(m.Band1Lower[9].y, -2.0);
    EXPECT_DOUBLE_EQ(m.MarkerError3(), 4.0);
    EXPECT_EQ(m.AxisTitle(), "Flow velocity [mm/s]");
}

}  // namespace

// The left axis: "#,##0.0##" in the number format of the language, at 0.1 % or the next
// 1-2-5 step that keeps the labels apart.
TEST(ErrorModel, LeftAxisLabelsAndStep)
{
    TFormatSettings german;
    german.DecimalSeparator = QLatin1Char(',');
    german.ThousandSeparator = QLatin1Char('.');
    for (auto [english, value, text] : {std::tuple{true, -4.0, "-4.0"}, {true, 0.25, "0.25"}, {true, 0.1236, "0.124"},
                                        {true, 1234.5, "1,234.5"}, {false, -0.5, "-0,5"}, {false, 2000.0, "2.000,0"}}) {
        FormatSettingsScope scope{english ? TFormatSettings() : german};
        EXPECT_EQ(tErrorModel::LeftAxisLabel(value), QString::fromLatin1(text)) << value;
    }
    for (auto [span, labels, step] : {std::tuple{1.0, 10, 0.1}, {2.0, 10, 0.2}, {8.0, 10, 1.0}, {30.0, 10, 5.0},
                                      {30.0, 0, 0.1}, {std::nan(""), 10, 0.1}})
        EXPECT_DOUBLE_EQ(tErrorModel::LeftAxisStep(span, labels), step) << span;
}
