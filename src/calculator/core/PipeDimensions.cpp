#include "calculator/core/PipeDimensions.h"

#include "platform/NumberFormat.h"
#include "reference/Units.h"

#include <algorithm>
#include <cmath>

namespace {
// A value that is no number stays at the lower limit rather than entering the geometry.
double Clamped(double value, TPipeDimensions::TLimits limits)
{
    if (std::isnan(value))
        return limits.Min;
    return std::clamp(value, limits.Min, limits.Max);
}

// A diameter in pixels, rounded halves to even; a value past int's range is treated as
// too large to draw.
int Pixels(double size)
{
    if (!std::isfinite(size) || std::fabs(size) > 1e9)
        return -1;
    return static_cast<int>(std::nearbyint(size));
}

QRect Centred(int outerSize, int size)
{
    const int offset = (outerSize - size) / 2;
    return QRect(offset, offset, size, size);
}
}  // namespace

TPipeDimensions::TLimits TPipeDimensions::MmLimits(TPipeField field)
{
    switch (field) {
    case TPipeField::Outer:
        return {0.1, 10000.0};
    case TPipeField::Wall:
        return {0.1, 9000.0};
    case TPipeField::Lining:
        break;
    }
    return {0.0, 9000.0};
}

void TPipeDimensions::SetGeometry(double innerDiameter, double lining, double wall)
{
    SetOuterDiameter(innerDiameter + 2.0 * lining + 2.0 * wall);
    SetWallThickness(wall);
    SetLiningThickness(lining);
    // Outer - 2 * lining - 2 * wall need not give the loaded value back to the last bit:
    // keep it while nothing is changed, so opening and confirming changes nothing.
    if (innerDiameter + 2.0 * lining + 2.0 * wall == outer_ && wall == wall_ && lining == lining_)
        loadedInner_ = innerDiameter;
}

void TPipeDimensions::Store(double& field, double value)
{
    if (field != value)
        loadedInner_.reset();
    field = value;
}

void TPipeDimensions::SetOuterDiameter(double mm)
{
    Store(outer_, Clamped(mm, MmLimits(TPipeField::Outer)));
}

void TPipeDimensions::SetWallThickness(double mm)
{
    Store(wall_, Clamped(mm, MmLimits(TPipeField::Wall)));
}

void TPipeDimensions::SetLiningThickness(double mm)
{
    Store(lining_, Clamped(mm, MmLimits(TPipeField::Lining)));
    hasLining_ = lining_ > 0.0;
}

void TPipeDimensions::SetHasLining(bool hasLining)
{
    hasLining_ = hasLining;
    if (!hasLining)
        Store(lining_, 0.0);
}

double TPipeDimensions::InnerDiameter() const
{
    if (loadedInner_)
        return *loadedInner_;
    return outer_ - 2.0 * LiningThickness() - 2.0 * wall_;
}

void TPipeDimensions::SetLengthUnit(int unitIndex)
{
    if (unitIndex >= 0 && unitIndex < int(LengthUnits.size()))
        unit_ = unitIndex;
}

double TPipeDimensions::UnitFactor() const
{
    return LengthUnits[unit_].Factor * 10.0;
}

int TPipeDimensions::UnitDecimals() const
{
    return UnitDigits(LengthUnits[unit_]);
}

QString TPipeDimensions::UnitName() const
{
    return LengthUnits[unit_].Name;
}

double TPipeDimensions::DisplayValue(TPipeField field) const
{
    switch (field) {
    case TPipeField::Outer:
        return outer_ * UnitFactor();
    case TPipeField::Wall:
        return wall_ * UnitFactor();
    case TPipeField::Lining:
        break;
    }
    return LiningThickness() * UnitFactor();
}

TPipeDimensions::TLimits TPipeDimensions::DisplayLimits(TPipeField field) const
{
    const TLimits mm = MmLimits(field);
    return {mm.Min * UnitFactor(), mm.Max * UnitFactor()};
}

void TPipeDimensions::SetDisplayValue(TPipeField field, double value)
{
    const double mm = value / UnitFactor();
    switch (field) {
    case TPipeField::Outer:
        SetOuterDiameter(mm);
        return;
    case TPipeField::Wall:
        SetWallThickness(mm);
        return;
    case TPipeField::Lining:
        // Typing into the lining edit keeps the check box as the user set it.
        Store(lining_, Clamped(mm, MmLimits(TPipeField::Lining)));
        return;
    }
}

QString TPipeDimensions::InnerDiameterText() const
{
    return FloatToStrF(InnerDiameter() * UnitFactor(), ffFixed, 4, UnitDecimals());
}

TPipeSketch PipeSketch(const TPipeDimensions& pipe, int outerSize)
{
    TPipeSketch sketch;
    const double wall = pipe.WallThickness();
    const double lining = pipe.LiningThickness();
    sketch.WallSolid = wall > 0.0;
    const double outer = pipe.OuterDiameter();
    if (!(outer > 0.0) || outerSize <= 0)
        return sketch;
    const double scale = outerSize / outer;
    int liningSize = Pixels((outer - 2.0 * wall) * scale);
    int innerSize = Pixels(pipe.InnerDiameter() * scale);
    if (wall > 0.0)
        liningSize = std::min(liningSize, outerSize - 2);
    const bool liningPresent = lining > 0.0;
    innerSize = std::min(innerSize, liningPresent ? liningSize - 2 : liningSize);
    sketch.LiningVisible = liningPresent && liningSize > 0;
    if (sketch.LiningVisible)
        sketch.Lining = Centred(outerSize, liningSize);
    sketch.InnerVisible = innerSize > 0;
    if (sketch.InnerVisible)
        sketch.Inner = Centred(outerSize, innerSize);
    return sketch;
}
