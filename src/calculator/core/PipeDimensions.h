#pragma once
// The engineering behind the pipe geometry dialog TDLG_Rohrgeometrie: outer diameter, wall
// and lining, the inner diameter they leave, and the to-scale sketch of the cross-section.
//
// Units: every value is held in mm as a double. The length unit (a row of LengthUnits: m,
// cm, mm, inch) only changes how the values are shown; a unit switch never touches them, so
// switching units back and forth leaves the geometry unchanged to the last digit. The
// factor from mm to the unit is the row's factor times 10 (the rows are per 0.1 mm).
//
// Order: a value set in mm (or from the user's display value) is clamped to its field's mm
// limits; the inner diameter is always computed from the three values as they are now.

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

// The three edits of the dialog.
enum class TPipeField : std::uint8_t { Outer, Wall, Lining };

class TPipeDimensions {
public:
    struct TLimits {
        double Min = 0.0;
        double Max = 0.0;
    };
    // The limits of a field in mm (outer 0.1 .. 10000, wall 0.1 .. 9000, lining 0 .. 9000).
    static TLimits MmLimits(TPipeField field);

    // The designed dialog: outer 106 mm, wall 3 mm, no lining, unit mm.
    TPipeDimensions() = default;

    // Loads inner diameter, lining and wall [mm]: the outer diameter becomes inner + 2 *
    // lining + 2 * wall; the lining is switched on exactly when it is greater than 0.
    void SetGeometry(double innerDiameter, double lining, double wall);
    void SetOuterDiameter(double mm);
    void SetWallThickness(double mm);
    // Also switches the lining on exactly when mm > 0.
    void SetLiningThickness(double mm);
    // Switching the lining off sets its thickness to 0.
    void SetHasLining(bool hasLining);

    double OuterDiameter() const { return outer_; }
    double WallThickness() const { return wall_; }
    // 0 while the lining is switched off.
    double LiningThickness() const { return hasLining_ ? lining_ : 0.0; }
    bool HasLining() const { return hasLining_; }
    // Outer diameter - 2 * lining - 2 * wall [mm]; 0 or less when wall and lining are too
    // thick for the outer diameter.
    double InnerDiameter() const;
    // OK is allowed, and the inner diameter shown black, only while it is above 0.
    bool InnerDiameterValid() const { return InnerDiameter() > 0.0; }

    // The length unit; an index outside the table is ignored.
    void SetLengthUnit(int unitIndex);
    int LengthUnit() const { return unit_; }
    double UnitFactor() const;  // mm -> unit
    int UnitDecimals() const;
    QString UnitName() const;

    // A field's value and limits in the current unit.
    double DisplayValue(TPipeField field) const;
    TLimits DisplayLimits(TPipeField field) const;
    // The user entered `value` in the current unit: stored in mm, clamped.
    void SetDisplayValue(TPipeField field, double value);

    // The inner diameter in the current unit, fixed notation with 4 significant digits and
    // the unit's decimals.
    QString InnerDiameterText() const;

private:
    void Store(double& field, double value);

    std::optional<double> loadedInner_;  // the loaded inner diameter, until a value changes
    double outer_ = 106.0;
    double wall_ = 3.0;
    double lining_ = 0.0;
    bool hasLining_ = false;
    int unit_ = 2;
};

// The sketch: three concentric circles. The outer circle (SHP_Wall) keeps its size and
// stands for the outer diameter; the lining circle (SHP_Lining, diameter outer - 2 * wall)
// and the inner circle (SHP_IDM, the inner diameter) are scaled to it.
struct TPipeSketch {
    bool WallSolid = true;       // solid fill while the wall is above 0, hatched otherwise
    bool LiningVisible = false;  // SHP_Lining
    QRect Lining;                // relative to the outer circle's top left corner
    bool InnerVisible = false;   // SHP_IDM
    QRect Inner;
};

// The sketch for an outer circle `outerSize` pixels wide and high. The inner circles are
// drawn only while the outer diameter is above 0 and their sizes come out above 0; a wall
// or lining above 0 keeps its circle at least 2 pixels smaller than the one around it, so
// the ring stays visible.
TPipeSketch PipeSketch(const TPipeDimensions& pipe, int outerSize);
