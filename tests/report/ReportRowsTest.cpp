#include "report/ReportRows.h"

#include "QStringPrinter.h"
#include "ReportTestItems.h"
#include "calculator/core/ApplicationHandOver.h"
#include "platform/FormatSettings.h"
#include "platform/MessageBeep.h"
#include "transducer/SensorListing.h"

#include <gtest/gtest.h>

#include <QHash>

#include <functional>
#include <string>

namespace {

// The report of a measuring point as the form builds it, on an application without widgets.
class ReportRowsTest : public ::testing::Test {
protected:
    ReportRowsTest() { SetMessageBeepHandler(nullptr), point.SetStandardValues(); }

    // Loads the application, lets tweak change it as the user could, then runs the steps.
    std::vector<TReportRow> Rows(const std::function<void(tApplicationCalc&)>& tweak = {})
    {
        calc.SetInputData(MakeApplicationInput(point, MaterialItems(point), MediumItems(point, options.Oem)));
        if (tweak)
            tweak(calc);
        application = ReportApplicationSteps(point, calc, [this](std::uint8_t code) { calc.SelectSensorType(code); });
        return BuildReportRows(point, application, options);
    }

    // The kept rows as "number name" joined by "; ".
    static std::string Kept(const std::vector<TReportRow>& rows)
    {
        std::string s;
        for (const TReportRow& row : KeptReportRows(rows))
            s += (s.empty() ? "" : "; ") + std::to_string(row.Number) + " " + row.Name.toStdString();
        return s;
    }

    static const TReportRow& Row(const std::vector<TReportRow>& rows, int number) { return rows.at(number); }

    FormatSettingsScope scope{TFormatSettings()};
    TMeasuringPoint point;
    tApplicationCalc calc{false};
    TReportOptions options;
    TReportApplication application;
};

TEST_F(ReportRowsTest, RowOrderAndRemovalWithDetailsOnAndOff)
{
    const std::string common = "0 Rohr-Material; 1 Aussendurchmesser; 2 Wanddicke; 3 Auskleidung; 5 DN; "
                               "6 Rauhigkeit; 7 Querschnitt; 8 _Medium; 9 Temperatur; 11 Dichte; "
                               "12 kin. Viskosität; 13 dyn. Viskosität; 14 Strömung; 15 Volumenfluss; "
                               "16 Massefluss; ";
    const std::string transducer = "26 ; 27 Recom. transducer; 29 Soundpath; 30 Transducer distance; "
                                   "32 Free pipe space";
    options.Details = true;
    EXPECT_EQ(Kept(Rows()), common +
                                "17 ; 18 Unkorr. Strömung; 19 Kalfaktor; 20 Reynoldzahl; 21 Flow profile; "
                                "22 Laminare   R*-Schwelle; 23 Turbolente R*-Schwelle; 24 Laminar    ab v<; "
                                "25 Turbolent  ab v>; " + transducer);
    options.Details = false;
    // Every row is there, in order, whatever is removed.
    const auto rows = Rows();
    EXPECT_EQ(Kept(rows), common + "20 Reynoldzahl; 21 Flow profile; " + transducer);
    EXPECT_EQ(rows.size(), std::size_t(ReportRowCount));
}

// The standard point as an English user sees it: only the program's own texts are
// translated (names, units, fixed values), never what the user or a list supplied (the
// captions "Stahl (Normal)" and "Wasser" here).
TEST_F(ReportRowsTest, ValuesAndUnitsOfTheStandardPoint)
{
    options.Details = true;
    Rows();
    const QHash<QString, QString> en = {
        {"no lining", "No lining"}, {"Wasser", "Water"}, {"full turbulent", "Turbulent"}, {"mm", "MM"},
        {"Rohr-Material", "Pipe material"}, {"Stahl (Normal)", "Steel"}};
    const auto rows = BuildReportRows(point, application, options, [&](const QString& t) { return en.value(t, t); });
    const struct {
        int number;
        const char *value, *unit;
    } cases[] = {{0, "Stahl (Normal)", "[00001]"}, {1, "106.0", "MM"},     {2, "3.0", "MM"},      {3, "No lining", ""},
                 {5, "100.0", "MM"},              {7, "78.5", "cm²"},     {8, "Wasser", "[10001]"}, {9, "20.0", "°C"},
                 {14, "1.000", "m/s"},            {15, "28.274", "m³/h"}, {19, "0.939", ""},     {20, "101,297.0", ""},
                 {21, "Turbulent", ""},           {22, "1000", ""},       {23, "6000", ""},      {24, "0.010", "m/s"},
                 {25, "0.059", "m/s"},            {29, "Reflex (2)", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(Row(rows, c.number).Value, QString::fromUtf8(c.value)) << c.number;
        EXPECT_EQ(Row(rows, c.number).Unit, QString::fromUtf8(c.unit)) << c.number;
    }
    EXPECT_EQ(Row(rows, rrMaterial).Name, QStringLiteral("Pipe material"));
}

TEST_F(ReportRowsTest, LiningPressureGroupAndPartnerVariant)
{
    EXPECT_TRUE(Row(Rows(), rrLiningThickness).Remove);
    point.LiningThickness = 2.0;
    auto rows = Rows();
    const tCodeItems& lining = calc.LiningItems();
    EXPECT_EQ(Row(rows, rrLining).Value + Row(rows, rrLining).Unit,
              lining.Items.at(lining.ItemIndex).Caption + "[00016]");
    EXPECT_FALSE(Row(rows, rrLiningThickness).Remove);
    EXPECT_EQ(Row(rows, rrLiningThickness).Value, QStringLiteral("2.0"));
    EXPECT_EQ(Row(rows, 1).Value, QStringLiteral("110.0"));  // 100 + 2 x (3 + 2)
    EXPECT_TRUE(Row(rows, rrPressure).Remove);
    const auto media = TMeasuringPoint::ListedMediumIds(false);
    for (auto id = media.begin(); id != media.end() && !point.PressureGroupVisible(); ++id)
        point.SelectMedium(*id);
    EXPECT_FALSE(Row(Rows(), rrPressure).Remove);
    EXPECT_EQ(Row(Rows(), rrPressure).Unit, QStringLiteral("bar"));
    options.Oem = true;
    rows = Rows();
    for (int number : {rrMaterial, rrLining, rrMedium})
        EXPECT_TRUE(Row(rows, number).Unit.isEmpty()) << number;
    EXPECT_TRUE(Row(rows, rrCrossSection).Remove);
}

TEST_F(ReportRowsTest, TransducerRows)
{
    auto rows = Rows();
    const std::uint8_t recommended = application.Recommended;
    ASSERT_NE(recommended, 0);
    const tSensorListing& listing = calc.Listing();
    EXPECT_EQ(Row(rows, rrRecommended).Value, listing.Items[ComboIndexOfType(listing, recommended)].Name);
    EXPECT_EQ(Row(rows, rrSpacing).Value + Row(rows, rrSpacing).Unit, calc.View().SpacingNumber + "mm");
    // Selected: another listed type stored in the point, or what the dialog selected for a
    // type without a catalogue entry, named only when it differs from the recommendation.
    const std::uint8_t other = SensorTypeCodeOfItem(listing, ComboIndexOfType(listing, recommended) == 0 ? 1 : 0);
    for (const std::uint8_t stored : {other, std::uint8_t(4)}) {
        point.SensorType = stored;
        rows = Rows();
        EXPECT_TRUE(stored != other || calc.GetSensorTypeCode() == other);
        EXPECT_EQ(Row(rows, rrSelected).Remove, calc.GetSensorTypeCode() == recommended);
        EXPECT_EQ(Row(rows, rrSelected).Value, listing.Items[calc.SensorItem()].Name);
    }
    point.SensorType = 0;
    // Fixed: shown when it differs from the spacing, gone when it equals it, and only while
    // the spacing is fixed.
    EXPECT_TRUE(Row(Rows([](tApplicationCalc& c) { c.UserSpacingFixed(true); }), rrFixedSpacing).Remove);
    rows = Rows([](tApplicationCalc& c) { c.UserFixedSpacing(-20.5); });
    EXPECT_FALSE(Row(rows, rrFixedSpacing).Remove);
    EXPECT_EQ(Row(rows, rrFixedSpacing).Value, QStringLiteral("-20.5"));
    application.SpacingFixed = false;
    EXPECT_TRUE(Row(BuildReportRows(point, application, options), rrFixedSpacing).Remove);
}

// The flow kind at the profile limits: at R*lam still laminar, at R*turb already turbulent.
TEST_F(ReportRowsTest, FlowProfileAtTheLimits)
{
    const double re = point.GetReynoldsNumber();
    const struct {
        double lam, turb;
        const char* kind;
    } cases[] = {{re, re + 1, "full laminar"}, {re - 1, re, "full turbulent"}, {re - 1, re + 1, "laminar/turbulent"}};
    for (const auto& c : cases) {
        point.SetReynoldsLimits(c.lam, c.turb);
        ASSERT_EQ(point.GetReynoldsNumber(), re);
        EXPECT_EQ(Row(BuildReportRows(point, {}, options), rrFlowProfile).Value, QString::fromLatin1(c.kind));
    }
}

TEST_F(ReportRowsTest, InvalidResultsAndNoTransducer)
{
    // The other wall material without a sound speed: no valid results.
    point.SelectMaterial(0);
    Rows();
    ASSERT_FALSE(calc.ResultsValid());
    application.ErrorEstimation = true;
    application.TypicalError = QStringLiteral("1.2");
    auto rows = BuildReportRows(point, application, options);
    for (int number : {rrSpacing, rrFreeSpace, rrTypicalError})
        EXPECT_EQ(Row(rows, number).Value, QStringLiteral("?")) << number;
    EXPECT_TRUE(Row(rows, rrFixedSpacing).Remove);
    EXPECT_FALSE(Row(rows, rrTypicalError).Remove);
    // A pipe no transducer fits; a recommendation missing from the list.
    point.SetStandardValues();
    point.ApplyValue(TQuantity::InnerDiameter, 90000.0);
    rows = Rows();
    EXPECT_EQ(Row(rows, rrRecommended).Value, QStringLiteral("Sorry, no transducer"));
    EXPECT_EQ(Kept(rows).substr(Kept(rows).find("26 ")), "26 ; 27 Recom. transducer");
    application.Recommended = 3;
    application.RecommendedName.clear();
    EXPECT_EQ(Row(BuildReportRows(point, application, options), rrRecommended).Value, QStringLiteral("?"));
}

TEST(ReportCellAlignment, ByColumnAndReportRow)
{
    using A = TReportAlignment;
    const struct {
        int column, number;
        A expected;
    } cases[] = {{1, 0, A::Left},    {1, 14, A::Left},   {3, 0, A::Center},  {3, 30, A::Center}, {2, 0, A::Center},
                 {2, 3, A::Center},  {2, 8, A::Center},  {2, 21, A::Center}, {2, 27, A::Center}, {2, 28, A::Center},
                 {2, 29, A::Center}, {2, 17, A::Left},   {2, 26, A::Left},   {2, 1, A::Right},   {2, 33, A::Right}};
    for (const auto& c : cases)
        EXPECT_EQ(ReportCellAlignment(c.column, c.number), c.expected) << c.column << "/" << c.number;
}

}  // namespace
