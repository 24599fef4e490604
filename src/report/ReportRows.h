#pragma once
// The report table as a pure function of the measuring point and what the application
// dialog computed for it: 34 rows of name, value and unit in a fixed order, each with its
// own removal flag. The report form shows the rows that stay; the text for file and
// clipboard is built from the same rows (ReportText.h), never read back from the grid.
//
// Texts are translated here, but only the program's own: names, units and the fixed value
// texts ("no lining", "?", the flow kinds ...). Values the user or a list supplied (numbers,
// material and medium captions, transducer names) are written as they are.

#include "calculator/core/MeasuringPoint.h"
#include "transducer/ApplicationCalc.h"
#include "transducer/Translate.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

inline constexpr int ReportRowCount = 34;

// Report rows whose removal depends on the rules below.
enum TReportRowNumber : int {
    rrMaterial = 0,
    rrLining = 3,
    rrLiningThickness = 4,
    rrCrossSection = 7,
    rrMedium = 8,
    rrPressure = 10,
    rrSeparator = 17,
    rrFlowProfile = 21,
    rrSpacer = 26,
    rrRecommended = 27,
    rrSelected = 28,
    rrSoundPath = 29,
    rrSpacing = 30,
    rrFixedSpacing = 31,
    rrFreeSpace = 32,
    rrTypicalError = 33
};

struct TReportRow {
    int Number = 0;  // report row 0..33; the cell format follows it after rows are removed
    QString Name;    // column 1
    QString Value;   // column 2
    QString Unit;    // column 3
    bool Remove = false;
};

// What the report reads of a fresh application dialog after it was loaded with the
// measuring point and its transducer type was selected.
struct TReportApplication {
    QString Material;                // COM_Material text
    QString Lining;                  // COM_Auskleidung text
    QString Medium;                  // COM_Medium text
    std::uint8_t Recommended = 0;    // recommended type code; 0 = no transducer fits
    QString RecommendedName;         // its item in CBX_SensorTyp; empty when not listed
    std::uint8_t Selected = 0;       // the type the dialog actually has selected
    QString SelectedName;            // CBX_SensorTyp text
    QString Beam;                    // CBX_ReflDurch text
    int SoundPaths = 0;
    bool ResultsValid = false;
    QString Spacing;                 // LAB_SensorAbst
    QString FixedSpacing;            // LAB_SensorAbstFixed
    QString FreeSpace;               // LAB_FreiAbst
    QString LengthUnit;              // the dialog's ME_IDM text
    bool SpacingFixed = false;
    bool ErrorEstimation = false;    // the error estimation is enabled
    QString TypicalError;            // "?" when the estimation has no result
};

struct TReportOptions {
    bool Details = false;  // the full view: uncorrected flow, calibration factor, limits
    bool Oem = false;      // partner brand: no library ids, no cross-section row
};

// The type the report selects in the dialog: the stored one, else the recommended one.
std::uint8_t ReportSensorType(std::uint8_t storedType, std::uint8_t recommended);

// The type recommended for the measuring point among the types the dialog offers.
std::uint8_t ReportRecommendedType(const TMeasuringPoint& point, const tApplicationCalc& calc);

// What the loaded application shows, with the recommended type r; the error-estimation
// fields stay for the caller, who runs the estimation.
TReportApplication ReadReportApplication(const tApplicationCalc& calc, std::uint8_t recommended,
                                         const tTranslate& translate = {});

// The transducer steps on an application loaded with the point: the recommendation, then,
// when there is one, selectType with the point's stored type (else the recommended one),
// then what the application shows.
using TSelectSensorType = std::function<void(std::uint8_t code)>;
TReportApplication ReportApplicationSteps(const TMeasuringPoint& point, const tApplicationCalc& calc,
                                          const TSelectSensorType& selectType, const tTranslate& translate = {});

// All 34 rows in report order; removed rows carry Remove.
std::vector<TReportRow> BuildReportRows(const TMeasuringPoint& point, const TReportApplication& application,
                                        const TReportOptions& options, const tTranslate& translate = {});

// The rows that are not removed, in order.
std::vector<TReportRow> KeptReportRows(const std::vector<TReportRow>& rows);

// Horizontal alignment of a table cell; column 1..3, number = report row (0 for the title).
enum class TReportAlignment { Left, Right, Center };
TReportAlignment ReportCellAlignment(int column, int number);
