#pragma once
// The sketch of the application dialog as plain numbers: a longitudinal section through the
// pipe (wall, lining, medium) with the transducer heads on the outside, the sound path as a
// zigzag through the layers, the hints of the shapes, the transit-time table and the caption
// of the check box that fixes the spacing. The dialog applies the result to its shapes.
//
// Pixels are in the coordinates of the sketch panel; the wall rectangle is fixed (it is the
// scale: the outer diameter spans its height). Every pixel value is computed in double,
// clamped to +-16383 and rounded halves to even; a value that is not finite hides the path
// instead of drawing garbage.

#include "transducer/Quadrant.h"
#include "transducer/Translate.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The designed rectangles of the sketch shapes.
inline constexpr QRect SketchWallRect{37, 81, 393, 80};
inline constexpr QRect SketchLiningRect{37, 93, 393, 55};
inline constexpr QRect SketchMediumRect{36, 104, 395, 33};
inline constexpr QRect SketchSenderRect{69, 56, 57, 25};
inline constexpr QRect SketchDirectRect{223, 161, 57, 25};
inline constexpr QRect SketchReflexRect{221, 56, 57, 25};
inline constexpr int SketchPixelLimit = 16383;

// Colours as 0x00BBGGRR values.
using tSketchColour = std::uint32_t;
inline constexpr tSketchColour SketchGrey = 0x808080;
inline constexpr tSketchColour SketchRed = 0x0000FF;
inline constexpr tSketchColour SketchYellow = 0x00FFFF;
inline constexpr tSketchColour SketchGreen = 0x008000;
inline constexpr tSketchColour SketchLightBlue = 0xFED4A9;  // red 169, green 212, blue 254

enum class tSketchFill { Solid, DiagCross };

// Everything the sketch reads of the dialog and its path model.
struct tSketchInput {
    double OuterDiameter = 0.0;    // [mm]
    double WallThickness = 0.0;    // [mm]
    double LiningThickness = 0.0;  // [mm], 0 without lining
    double InnerDiameter = 0.0;    // [mm]
    int SoundPaths = 2;
    // Of the selected catalogue entry [mm].
    double SLen = 0.0, Sbreit = 0.0, Shigh = 0.0, SlenBau = 0.0, Kantenoffs = 0.0;
    std::array<tQuadrant, QuadrantCount> Quadrants{};
    double Spacing = 0.0;  // s for the medium sound speed [mm]
    bool ResultsValid = false;
    bool SpacingFixed = false;
    double FixedSpacing = 0.0;   // [mm]
    double LengthFactor = 1.0;   // display units per mm
    QString UnitName;
    int Digits = 1;
};

struct tSketchShape {
    bool Visible = false;
    QRect Rect;
    tSketchFill Fill = tSketchFill::Solid;
    tSketchColour Colour = SketchGrey;
    std::vector<QPoint> Points;  // in the shape's own coordinates; empty draws nothing
    QString Hint;
};

// The transit-time table "Laufzeiten [µs]".
struct tTransitTable {
    QString Alpha, Beta, Gamma;                      // LAB_LZAlpha, LAB_LZBETA, LAB_LZGamma
    QString SumAlpha, SumAlphaBeta, SumAll;          // LZ_SumAlpha, LZ_SumAlphaBeta, LAB_SumAlphaBetaGamma
};

struct tSketchLayout {
    // False for an invalid pipe: every shape hidden. Whenever the results are not valid the
    // hints, paths and table are empty, so that nothing of an earlier state is shown.
    bool PipeValid = false;
    // False when the results are not valid: sizes and positions keep their last state.
    bool Geometry = false;
    tSketchShape Wall, Lining, Medium, Sender, Direct, Reflex;
    tTransitTable Table;
    bool FixEnabled = false;  // CB_SabstFixed
    QString FixCaption;
    QString FixHint;
};

class tApplicationCalc;
// The sketch's view of the application dialog's state after a recalculation.
tSketchInput SketchInput(const tApplicationCalc& calc);

// The sketch for this state (UpdateSketch without the widgets).
tSketchLayout UpdateSketch(const tSketchInput& in, const tTranslate& translate = {});

// Places the sender and the reflection head d [mm] apart (inner edges), centred on the wall
// rectangle, at k px per mm; the direct head takes the reflection head's left. False when a
// position was not finite.
bool PositionTransducers(tSketchLayout& layout, double d, double k);
