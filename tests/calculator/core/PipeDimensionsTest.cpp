#include "calculator/core/PipeDimensions.h"

#include "platform/FormatSettings.h"
#include "../../platform/QStringPrinter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr int Mm = 2;
constexpr int Inch = 3;

TEST(PipeDimensions, InnerDiameterWithAndWithoutLining)
{
    const FormatSettingsScope format{TFormatSettings{}};
    struct Case {
        const char* what;
        double inner, lining, wall;  // loaded with SetGeometry
        bool liningOff;              // then the user unchecks "Mit Auskleidung"
        double outer;
        const char* innerText;
        bool ok;
    };
    const Case cases[] = {
        {"plain pipe", 100.0, 0.0, 3.0, false, 106.0, "100.0", true},
        {"lined pipe", 100.0, 2.0, 5.0, false, 114.0, "100.0", true},
        {"lining unchecked", 100.0, 2.0, 5.0, true, 114.0, "104.0", true},
        {"4 significant digits", 1234.56, 0.0, 10.0, false, 1254.56, "1235.0", true},
        {"below the outer minimum", -50.0, 1.0, 2.0, false, 0.1, "-5.9", false},
        {"wall eats the pipe", 0.0, 0.0, 5.0, false, 10.0, "0.0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TPipeDimensions pipe;
        pipe.SetGeometry(c.inner, c.lining, c.wall);
        if (c.liningOff)
            pipe.SetHasLining(false);
        EXPECT_DOUBLE_EQ(pipe.OuterDiameter(), c.outer);
        EXPECT_EQ(pipe.InnerDiameterText(), c.innerText);
        EXPECT_EQ(pipe.InnerDiameterValid(), c.ok);
        EXPECT_EQ(pipe.HasLining(), c.lining > 0 && !c.liningOff);
    }
}

TEST(PipeDimensions, UnitSwitchesLeaveTheGeometryToTheLastDigit)
{
    TPipeDimensions pipe;
    pipe.SetGeometry(101.23456789, 0.3333333, 4.7777777);
    pipe.SetDisplayValue(TPipeField::Wall, 4.1234567);
    const double outer = pipe.OuterDiameter();
    const double wall = pipe.WallThickness();
    const double lining = pipe.LiningThickness();
    for (const int unit : {Inch, Mm, 0, 1, Inch, Mm}) {
        pipe.SetLengthUnit(unit);
        EXPECT_TRUE(pipe.OuterDiameter() == outer && pipe.WallThickness() == wall && pipe.LiningThickness() == lining);
    }
    pipe.SetLengthUnit(Inch);
    EXPECT_NEAR(pipe.DisplayLimits(TPipeField::Outer).Max, 10000.0 / 25.4, 1e-9);
    pipe.SetDisplayValue(TPipeField::Outer, 10.0);  // typed in inch, stored in mm
    EXPECT_NEAR(pipe.OuterDiameter(), 254.0, 1e-9);
}

// outer - 2 * lining - 2 * wall does not always give the loaded inner diameter back to the
// last bit: opening the dialog and confirming must leave the measuring point alone.
TEST(PipeDimensions, LoadedInnerDiameterComesBackUntilAValueChanges)
{
    TPipeDimensions pipe;
    const double inner = 50.1, lining = 1.3, wall = 5.6;
    ASSERT_NE(inner + 2.0 * lining + 2.0 * wall - 2.0 * lining - 2.0 * wall, inner);
    pipe.SetGeometry(inner, lining, wall);
    pipe.SetLengthUnit(Inch);
    pipe.SetHasLining(true);
    EXPECT_EQ(pipe.InnerDiameter(), inner);
    pipe.SetDisplayValue(TPipeField::Wall, pipe.DisplayValue(TPipeField::Wall) * 2.0);
    EXPECT_DOUBLE_EQ(pipe.InnerDiameter(), inner - 2.0 * wall);
}

TEST(PipeDimensions, ValuesStayWithinTheirLimits)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<TPipeField, double, double> cases[] = {  // field, typed [mm], stored
        {TPipeField::Outer, 20000.0, 10000.0}, {TPipeField::Outer, 0.0, 0.1},     {TPipeField::Outer, nan, 0.1},
        {TPipeField::Wall, 9500.0, 9000.0},    {TPipeField::Wall, -1.0, 0.1},     {TPipeField::Lining, -3.0, 0.0},
        {TPipeField::Lining, 1e300, 9000.0},
    };
    for (const auto& [field, typed, want] : cases) {
        TPipeDimensions pipe;
        pipe.SetLiningThickness(1.0);
        pipe.SetDisplayValue(field, typed);
        EXPECT_EQ(pipe.DisplayValue(field), want) << "field " << int(field) << " typed " << typed;
    }
    // Typing a lining of 0 keeps the check box; loading a lining of 0 clears it.
    TPipeDimensions pipe;
    pipe.SetLiningThickness(2.0);
    pipe.SetDisplayValue(TPipeField::Lining, 0.0);
    const bool typed = pipe.HasLining();
    pipe.SetLiningThickness(0.0);
    EXPECT_TRUE(typed && !pipe.HasLining());
}

// Circles in pixels of a sketch `size` wide; an empty rectangle is a hidden circle.
TEST(PipeDimensions, SketchCirclesAndTheirGuard)
{
    struct Case {
        const char* what;
        double outer, wall, lining;
        int size;
        QRect liningCircle, innerCircle;
    };
    const Case cases[] = {
        {"designed pipe", 106.0, 3.0, 0.0, 106, {}, {3, 3, 100, 100}},
        {"lined", 114.0, 5.0, 2.0, 114, {5, 5, 104, 104}, {7, 7, 100, 100}},
        {"halves round to even", 100.0, 1.25, 0.0, 100, {}, {1, 1, 98, 98}},
        {"thin wall stays a ring", 10000.0, 0.1, 0.1, 100, {1, 1, 98, 98}, {2, 2, 96, 96}},
        {"wall too thick", 10.0, 6.0, 0.0, 100, {}, {}},
        {"lining too thick", 10.0, 2.0, 4.0, 100, {20, 20, 60, 60}, {}},
        {"no room to draw", 106.0, 3.0, 0.0, 0, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TPipeDimensions pipe;
        pipe.SetOuterDiameter(c.outer);
        pipe.SetWallThickness(c.wall);
        pipe.SetLiningThickness(c.lining);
        const TPipeSketch sketch = PipeSketch(pipe, c.size);
        EXPECT_EQ(sketch.LiningVisible ? sketch.Lining : QRect(), c.liningCircle);
        EXPECT_EQ(sketch.InnerVisible ? sketch.Inner : QRect(), c.innerCircle);
    }
}

} // namespace
