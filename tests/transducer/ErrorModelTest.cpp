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
    m.Quantities = {{{"Flow velocity", factor, "mm/s"}, {"Volume flow", factor, "l/s"}, {"Mass flow", factor, "kg/s"}}};
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

TEST(ErrorModel, ZeroPointErrorLimitsTypicalErrorAndTexts)
{
    // velocity, dvt0 -> limit, typical error, add-on, typical error text, memo lines
    const std::tuple<double, double, double, double, double, QString, int> rows[] = {
        {1000.0, 10.0, 14.0, 10.3, 10.0, "10.3", 1},  // the middle of the limits: 4 + 10, 2.3 + 8
        {2500.0, 10.0, 3.4, 2.0, 0.0, "2.0", 2},        // turbulent
        {-2500.0, 10.0, 3.4, 2.0, 0.0, "2.0", 2},       // reverse flow: its magnitude
        {500.0, 10.0, 5.0, 2.8, 0.0, "2.8", 2},        // on a limit: no add-on
        {1500.0, 10.0, 10.0 / 15 + 3, 1.8 + 5.0 / 15, 0.0, "2.1", 2},
        {750.0, 10.0, 100.0 / 75 + 3 + 5, 5.0 / 7.5 + 1.8 + 4, 5.0, "6.5", 1},  // half-way up the tent
        {1e6, 0.0, 3.0, 1.8, 0.0, "1.8", 2},
    };
    for (const auto& [v, dvt0, limit, typical, addOn, text, lines] : rows) {
        const tErrorModel m = Model(v, dvt0);
        EXPECT_NEAR(m.TransitionErrorAddOn(), addOn, 1e-9) << v;
        EXPECT_NEAR(m.ErrorLimit(), limit, 1e-9) << v;
        EXPECT_NEAR(m.TypicalError(), typical, 1e-9) << v;
        EXPECT_EQ(TypicalText(m), text) << v;
        EXPECT_EQ(m.ErrorText().size(), lines) << v;
    }
    EXPECT_EQ(Model(1000.0, 10.0).ErrorText()[0],
              "The estimated error could be increased up to 14%, because the current flow is neither "
              "full turbulent nor full laminar");

    // Standing still there is no relative error at all.
    const tErrorModel still = Model(0.0, 10.0);
    EXPECT_TRUE(!still.HasRelativeError() && std::isnan(still.ErrorLimit()) && still.ErrorText().isEmpty());
    EXPECT_EQ(TypicalText(still), "?");
    EXPECT_EQ(tErrorModel::ErrorBase(0.0, 10.0, 3.0), 0.0);
    tErrorModel zero;
    zero.MediumSection = {.sin = 0.368, .cos = std::sqrt(1.0 - 0.368 * 0.368), .c = 1482.0};
    zero.Sensor.TotZeitAbgleich = 0.25;
    zero.SoundPaths = 2;
    zero.InnerDiameter = 100.0;
    EXPECT_DOUBLE_EQ(zero.CalcZeroPointError(), 0.001 * 1482.0 * 1482.0 * zero.MediumSection.cos * 0.25 / (4 * 100.0 * 0.368));
    // No paths, no diameter or a beam along the normal: the fixed 15 mm/s.
    for (auto spoil : {+[](tErrorModel& e) { e.SoundPaths = 0; }, +[](tErrorModel& e) { e.InnerDiameter = 0.0; },
                       +[](tErrorModel& e) { e.MediumSection.sin = 0.0; }}) {
        tErrorModel bad = zero;
        spoil(bad);
        EXPECT_DOUBLE_EQ(bad.CalcZeroPointError(), FallbackZeroPointError);
    }
}

TEST(ErrorModel, BandPointsAndAxes)
{
    // velocity, 1 % band, unit factor -> x step, axis maximum, 1 % band points
    const std::tuple<double, bool, double, double, double, std::size_t> rows[] = {
        {10000.0, true, 1.0, 100.0, 10100.0, 100},
        {10001.0, false, 1.0, 120.012, 100.0 + 100 * 120.012, 0},
        {-20000.0, false, 0.001, 240.0, (100.0 + 24000.0) * 0.001, 0},
        {1000.0, false, 0.0, 100.0, 1.0, 0},  // a unit that cannot scale: no bands, axis 0..1
    };
    for (const auto& [v, onePercent, factor, step, axis, band1] : rows) {
        tErrorModel m = Model(v, 10.0, factor);
        m.ShowOnePercentBand = onePercent;
        m.SetQuantity(QuantityMass);
        EXPECT_NEAR(m.AxisMaximum, axis, 1e-9) << v;
        EXPECT_EQ(m.Band1Upper.size(), band1) << v;
        ASSERT_EQ(m.Band3Upper.size(), factor == 0.0 ? 0u : 100u);
        if (factor == 0.0)
            continue;
        EXPECT_NEAR(m.Band3Upper[1].x - m.Band3Upper[0].x, step * factor, 1e-9) << v;
        EXPECT_NEAR(m.Band3Upper[0].y, 10.0 + 3.0, 1e-12);  // x0 = 100 mm/s
        EXPECT_EQ(m.Band3Lower[5].y, -m.Band3Upper[5].y);
    }
    // With dvt0 = 10 the 3 % band lies at +-4 % at 1000 mm/s, the 1 % band at +-2 %.
    tErrorModel m = Model(1000.0, 10.0);
    m.ShowOnePercentBand = 1;
    m.SetQuantity(QuantityVelocity);
    EXPECT_TRUE(m.Band3Upper[9].y == 4.0 && m.Band1Lower[9].y == -2.0 && m.MarkerError3() == 4.0);
    // The left axis: "#,##0.0##" in the number format of the language, at 0.1 % or the next
    // 1-2-5 step that keeps the labels apart.
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

}  // namespace
