#include "calculator/MeasuringPoint.h"

#include "calculator/ProfileFactor.h"
#include "platform/Exceptions.h"
#include "platform/MessageBeep.h"
#include "platform/NumberFormat.h"
#include "reference/CommTool.h"
#include "reference/QlvTabels.h"
#include "reference/Units.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr int NoUnitDigits = 1;  // the pressure's decimals

const QString InvalidValueText = QStringLiteral("INVALID VALUE ");

int Index(TQuantity q)
{
    return static_cast<int>(q);
}

int Index(TPanel p)
{
    return static_cast<int>(p);
}

struct TUnitRow {
    QString Name;
    double Factor = 1.0;
    int Digits = 1;
};

template <typename Table>
bool TableRow(const Table& table, int index, TUnitRow& row)
{
    if (index < 0 || index >= static_cast<int>(table.size()))
        return false;
    row = {table[index].Name, table[index].Factor, UnitDigits(table[index])};
    return true;
}

bool UnitRow(TQuantity q, int index, TUnitRow& row)
{
    switch (q) {
    case TQuantity::Velocity:
        return TableRow(VelocityUnits, index, row);
    case TQuantity::VolumeFlow:
        return TableRow(VolumeFlowUnits, index, row);
    case TQuantity::MassFlow:
        return TableRow(MassFlowUnits, index, row);
    case TQuantity::InnerDiameter:
        return TableRow(LengthUnits, index, row);
    case TQuantity::CrossSection:
        return TableRow(AreaUnits, index, row);
    case TQuantity::Roughness:
        return TableRow(SmallLengthUnits, index, row);
    case TQuantity::Density:
        return TableRow(DensityUnits, index, row);
    case TQuantity::KinViscosity:
        return TableRow(KinViscosityUnits, index, row);
    case TQuantity::DynViscosity:
        return TableRow(DynViscosityUnits, index, row);
    case TQuantity::Temperature:
        if (!TableRow(TemperatureUnits, index, row))
            return false;
        row.Factor = 1.0;  // °F goes through the conversion routines
        return true;
    case TQuantity::Pressure:
        if (index != 0)
            return false;
        row = {QString(), 1.0, NoUnitDigits};
        return true;
    }
    return false;
}

TUnitRow UnitRowOrFirst(TQuantity q, int index)
{
    TUnitRow row;
    if (!UnitRow(q, index, row))
        UnitRow(q, 0, row);
    return row;
}

bool Positive(double x)
{
    return std::isfinite(x) && x > 0.0;
}

// The pressure group belongs to media whose properties depend on the pressure.
bool PressureDependent(const tMediumRec& medium)
{
    // Types 6, 7, 8 and 10 read the pressure; a density or viscosity without data (type 5)
    // has always shown the group too.
    auto pressureType = [](std::uint8_t type) { return type == 6 || type == 7 || type == 8 || type == 10; };
    auto propertyType = [&](std::uint8_t type) { return type == 5 || pressureType(type); };
    return propertyType(medium.Density.FormulaType) || propertyType(medium.KinViscosity.FormulaType)
           || pressureType(medium.SoundSpeed.FormulaType);
}

} // namespace

TPanel PanelOf(TQuantity quantity)
{
    switch (quantity) {
    case TQuantity::Velocity:
        return TPanel::Veloc;
    case TQuantity::VolumeFlow:
        return TPanel::Volume;
    case TQuantity::MassFlow:
        return TPanel::MassFl;
    case TQuantity::InnerDiameter:
        return TPanel::IDM;
    case TQuantity::CrossSection:
        return TPanel::QUER;
    case TQuantity::Roughness:
        return TPanel::Rauh;
    case TQuantity::Density:
        return TPanel::Dichte;
    case TQuantity::KinViscosity:
        return TPanel::Visk;
    case TQuantity::DynViscosity:
        return TPanel::ViskDYN;
    case TQuantity::Temperature:
    case TQuantity::Pressure:
        return TPanel::FluidTempDruck;
    }
    return TPanel::Veloc;
}

// Collects the notifications of one operation and sends them when the outermost operation
// ends, so the window sees each edit once, with the final value.
class TMeasuringPoint::TBatch {
public:
    explicit TBatch(TMeasuringPoint& point) : point_(point) { ++point_.batchDepth_; }
    ~TBatch()
    {
        if (--point_.batchDepth_ == 0)
            point_.Flush();
    }
    TBatch(const TBatch&) = delete;
    TBatch& operator=(const TBatch&) = delete;

private:
    TMeasuringPoint& point_;
};

TMeasuringPoint::TMeasuringPoint(IMeasuringPointView* view) : view_(view)
{
    s_.Units = {0, 0, 0, 2, 1, 1, 0, 0, 0, 0, 0};
}

void TMeasuringPoint::SetTranslator(std::function<QString(const QString&)> translate)
{
    translate_ = std::move(translate);
}

void TMeasuringPoint::SetReynoldsLimitsSource(std::function<TReynoldsLimits()> source)
{
    limitsSource_ = std::move(source);
}

void TMeasuringPoint::SetOemVariant(bool oem)
{
    oemVariant_ = oem;
}

QString TMeasuringPoint::Translate(const QString& text) const
{
    return translate_ ? translate_(text) : text;
}

double TMeasuringPoint::Value(TQuantity quantity) const
{
    switch (quantity) {
    case TQuantity::Velocity:
        return s_.Velocity;
    case TQuantity::VolumeFlow:
        return s_.VolumeFlow;
    case TQuantity::MassFlow:
        return s_.MassFlow;
    case TQuantity::InnerDiameter:
        return s_.InnerDiameter;
    case TQuantity::CrossSection:
        return s_.CrossSection;
    case TQuantity::Roughness:
        return s_.Roughness;
    case TQuantity::Density:
        return s_.Density;
    case TQuantity::KinViscosity:
        return s_.KinViscosity;
    case TQuantity::DynViscosity:
        return s_.DynViscosity;
    case TQuantity::Temperature:
        return s_.Temperature;
    case TQuantity::Pressure:
        return s_.Pressure;
    }
    return 0.0;
}

// ---------------------------------------------------------------- notifications

void TMeasuringPoint::TouchEdit(TQuantity quantity)
{
    pending_.Edits[Index(quantity)] = true;
}

void TMeasuringPoint::RequestRefresh()
{
    pending_.Refresh = true;
}

void TMeasuringPoint::Flush()
{
    // Sending may call back into the model (a window reacting to a text); take the list first.
    const TPending pending = pending_;
    pending_ = TPending();
    ++batchDepth_;
    for (int q = 0; q < QuantityCount; ++q)
        if (pending.Units[q] && view_)
            view_->UnitSelected(static_cast<TQuantity>(q), s_.Units[q]);
    if (pending.Hold && view_)
        view_->HoldChanged(s_.Hold);
    if (pending.Material && view_)
        view_->MaterialSelectionChanged(s_.MaterialId);
    if (pending.Medium && view_)
        view_->MediumSelectionChanged(s_.MediumId);
    if (pending.PressureGroup && view_)
        view_->PressureGroupVisibilityChanged(s_.PressureGroupVisible);
    for (int q = 0; q < QuantityCount; ++q) {
        if (!pending.Edits[q])
            continue;
        const auto quantity = static_cast<TQuantity>(q);
        s_.EditTexts[q] = FormatQuantity(quantity, s_.Units[q], false);
        if (view_)
            view_->EditWritten(quantity, s_.EditTexts[q]);
    }
    if (pending.Refresh)
        RefreshAllDisplays();
    if (pending.Markers && view_)
        view_->MarkersChanged(pending.MarkerState);
    --batchDepth_;
    // Notifications raised by the view's reactions go out now.
    if (batchDepth_ == 0) {
        const TPending none;
        const bool more = pending_.Refresh || pending_.Medium || pending_.Material || pending_.Hold
                          || pending_.PressureGroup || pending_.Markers || pending_.Edits != none.Edits
                          || pending_.Units != none.Units;
        if (more)
            Flush();
    }
}

// ---------------------------------------------------------------- formatting

QString TMeasuringPoint::FormatQuantity(TQuantity quantity, int unitIndex, bool withUnit) const
{
    const TUnitRow row = UnitRowOrFirst(quantity, unitIndex);
    QString text;
    if (quantity == TQuantity::Pressure) {
        text = FloatToStrF(s_.Pressure, ffFixed, 8, NoUnitDigits);
    } else if (quantity == TQuantity::Temperature) {
        const double t = unitIndex == 1 ? CelsiusToFahrenheit(s_.Temperature) : s_.Temperature;
        text = FloatToStrF(t, ffFixed, 4, row.Digits);
    } else {
        text = FloatToStrF(Value(quantity) * row.Factor, ffFixed, 8, row.Digits);
    }
    if (withUnit)
        text += QLatin1Char(' ') + row.Name;
    return text;
}

QString TMeasuringPoint::FormatVelocity(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::Velocity, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatInnerDiameter(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::InnerDiameter, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatCrossSection(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::CrossSection, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatRoughness(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::Roughness, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatVolumeFlow(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::VolumeFlow, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatDensity(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::Density, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatKinViscosity(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::KinViscosity, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatDynViscosity(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::DynViscosity, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatMassFlow(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::MassFlow, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatTemperature(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::Temperature, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatPressure() const
{
    return FormatQuantity(TQuantity::Pressure, 0, false);
}

QString TMeasuringPoint::FormatUncorrectedVelocity() const
{
    const TUnitRow row = UnitRowOrFirst(TQuantity::Velocity, s_.Units[Index(TQuantity::Velocity)]);
    return Format(QStringLiteral("%.*f"), {row.Digits, s_.UncorrectedVelocity * row.Factor});
}

// ---------------------------------------------------------------- units

int TMeasuringPoint::UnitIndex(TQuantity quantity) const
{
    return s_.Units[Index(quantity)];
}

int TMeasuringPoint::UnitCount(TQuantity quantity)
{
    int n = 0;
    TUnitRow row;
    while (UnitRow(quantity, n, row))
        ++n;
    return n;
}

double TMeasuringPoint::UnitFactor(TQuantity quantity, int unitIndex)
{
    return UnitRowOrFirst(quantity, unitIndex).Factor;
}

int TMeasuringPoint::UnitDecimals(TQuantity quantity, int unitIndex)
{
    return UnitRowOrFirst(quantity, unitIndex).Digits;
}

QString TMeasuringPoint::UnitName(TQuantity quantity, int unitIndex)
{
    return UnitRowOrFirst(quantity, unitIndex).Name;
}

void TMeasuringPoint::SelectUnit(TQuantity quantity, int unitIndex)
{
    TUnitRow row;
    if (!UnitRow(quantity, unitIndex, row))
        return;
    TBatch batch(*this);
    s_.Units[Index(quantity)] = unitIndex;
    RewriteEdit(quantity);
}

void TMeasuringPoint::SetDefaultUnits()
{
    TBatch batch(*this);
    // m/s, m³/h, t/h, mm, cm², mm, kg/m³, mm²/s, mPa·s, °C.
    const std::array<int, QuantityCount> defaults = {0, 0, 0, 2, 1, 1, 0, 0, 0, 0, 0};
    for (int q = 0; q < QuantityCount; ++q) {
        s_.Units[q] = defaults[q];
        pending_.Units[q] = true;
        pending_.Edits[q] = true;
    }
}

// ---------------------------------------------------------------- edits

QString TMeasuringPoint::EditText(TQuantity quantity) const
{
    return s_.EditTexts[Index(quantity)];
}

void TMeasuringPoint::RewriteEdit(TQuantity quantity)
{
    TBatch batch(*this);
    TouchEdit(quantity);
    if (quantity == TQuantity::Velocity)
        RequestRefresh();
}

void TMeasuringPoint::RewriteAllEdits()
{
    TBatch batch(*this);
    for (int q = 0; q < QuantityCount; ++q)
        TouchEdit(static_cast<TQuantity>(q));
    RequestRefresh();
}

// ---------------------------------------------------------------- setters

void TMeasuringPoint::SetVelocity(double value)
{
    TBatch batch(*this);
    s_.Velocity = std::nearbyint(value) + 0.0;  // + 0.0: no "-0" text
    TouchEdit(TQuantity::Velocity);
    RequestRefresh();
}

void TMeasuringPoint::SetInnerDiameter(double value)
{
    TBatch batch(*this);
    s_.InnerDiameter = value;
    s_.InnerDiameterMm = value / 10.0;
    TouchEdit(TQuantity::InnerDiameter);
    RequestRefresh();
}

void TMeasuringPoint::SetCrossSection(double value)
{
    TBatch batch(*this);
    s_.CrossSection = value;
    TouchEdit(TQuantity::CrossSection);
    RequestRefresh();
}

void TMeasuringPoint::SetRoughness(double value)
{
    TBatch batch(*this);
    s_.Roughness = value;
    TouchEdit(TQuantity::Roughness);
    RequestRefresh();
}

void TMeasuringPoint::SetVolumeFlow(double value)
{
    TBatch batch(*this);
    s_.VolumeFlow = value;
    TouchEdit(TQuantity::VolumeFlow);
    RequestRefresh();
}

void TMeasuringPoint::SetDensity(double value)
{
    TBatch batch(*this);
    s_.Density = value;
    s_.DensityInvalid = false;
    if (s_.DynViscosityVisible) {
        const double kin = s_.DynViscosity / s_.Density;
        s_.KinViscosity = std::isfinite(kin) ? kin : 0.0;
        TouchEdit(TQuantity::KinViscosity);
    } else {
        const double dyn = s_.KinViscosity * s_.Density;
        s_.DynViscosity = std::isfinite(dyn) ? dyn : 0.0;
        TouchEdit(TQuantity::DynViscosity);
    }
    TouchEdit(TQuantity::Density);
    RequestRefresh();
}

void TMeasuringPoint::SetKinViscosity(double value)
{
    TBatch batch(*this);
    s_.KinViscosity = value;
    s_.ViscosityInvalid = false;
    const double dyn = s_.KinViscosity * s_.Density;
    s_.DynViscosity = std::isfinite(dyn) ? dyn : 0.0;
    TouchEdit(TQuantity::KinViscosity);
    TouchEdit(TQuantity::DynViscosity);
    RequestRefresh();
}

void TMeasuringPoint::SetDynViscosity(double value)
{
    TBatch batch(*this);
    s_.DynViscosity = value;
    s_.ViscosityInvalid = false;
    const double kin = s_.DynViscosity / s_.Density;
    s_.KinViscosity = std::isfinite(kin) ? kin : 0.0;
    TouchEdit(TQuantity::DynViscosity);
    TouchEdit(TQuantity::KinViscosity);
    RequestRefresh();
}

void TMeasuringPoint::SetMassFlow(double value)
{
    TBatch batch(*this);
    s_.MassFlow = value;
    TouchEdit(TQuantity::MassFlow);
    RequestRefresh();
}

void TMeasuringPoint::SetTemperature(double value)
{
    TBatch batch(*this);
    s_.Temperature = value;
    TouchEdit(TQuantity::Temperature);
    RequestRefresh();
}

void TMeasuringPoint::SetPressure(double value)
{
    TBatch batch(*this);
    s_.Pressure = value;
    TouchEdit(TQuantity::Pressure);
    RequestRefresh();
}

// ---------------------------------------------------------------- recalculation

bool TMeasuringPoint::CalcAreaFromFlow()
{
    const double area = s_.VolumeFlow / s_.Velocity;
    const double diameter = std::sqrt(400.0 * area / Pi);
    if (!Positive(area) || !Positive(diameter)) {
        s_.StepRefused = true;
        return false;
    }
    TBatch batch(*this);
    SetCrossSection(area);
    SetInnerDiameter(diameter);
    return true;
}

bool TMeasuringPoint::CalcVelocityFromFlow()
{
    const double velocity = s_.VolumeFlow / s_.CrossSection;
    if (!std::isfinite(velocity) || !std::isfinite(std::nearbyint(velocity))) {
        s_.StepRefused = true;
        return false;
    }
    SetVelocity(velocity);
    return true;
}

bool TMeasuringPoint::CalcVolumeFromVelocity()
{
    const double volume = s_.CrossSection * s_.Velocity;
    if (!std::isfinite(volume)) {
        s_.StepRefused = true;
        return false;
    }
    SetVolumeFlow(volume);
    return true;
}

bool TMeasuringPoint::CalcVolumeFromMass()
{
    const double volume = s_.MassFlow / s_.Density;
    if (!std::isfinite(volume)) {
        s_.StepRefused = true;
        return false;
    }
    SetVolumeFlow(volume);
    return true;
}

bool TMeasuringPoint::CalcMassFromVolume()
{
    const double mass = s_.VolumeFlow * s_.Density;
    if (!std::isfinite(mass)) {
        s_.StepRefused = true;
        return false;
    }
    SetMassFlow(mass);
    return true;
}

bool TMeasuringPoint::CalcDensityFromMass()
{
    const double density = std::fabs(s_.MassFlow / s_.VolumeFlow);
    if (!Positive(density)) {
        s_.StepRefused = true;
        return false;
    }
    SetDensity(density);
    return true;
}

void TMeasuringPoint::VolumeRule()
{
    if (s_.Hold == THold::Velocity)
        CalcAreaFromFlow();
    else
        CalcVelocityFromFlow();
}

void TMeasuringPoint::CrossSectionRule()
{
    if (s_.Hold == THold::Velocity)
        CalcVolumeFromVelocity();
    else
        CalcVelocityFromFlow();
}

void TMeasuringPoint::VelocityRule()
{
    if (s_.Hold == THold::Volume)
        CalcAreaFromFlow();
    else
        CalcVolumeFromVelocity();
}

void TMeasuringPoint::MassRule()
{
    if (s_.Hold == THold::Volume)
        CalcDensityFromMass();
    else
        CalcVolumeFromMass();
}

// What a changed density updates: the mass flow, or with the volume free the flow again.
void TMeasuringPoint::DensityChain()
{
    CalcMassFromVolume();
    if (s_.Hold != THold::Volume)
        VolumeRule();
}

void TMeasuringPoint::ReleaseMedium()
{
    if (s_.Updating || s_.MediumId == OtherMediumId)
        return;
    s_.MediumId = OtherMediumId;
    pending_.Medium = true;
    ForgetInvalidProperties();
}

// The other medium's values are the user's: no library value can be missing for it.
void TMeasuringPoint::ForgetInvalidProperties()
{
    if (s_.DensityInvalid || s_.ViscosityInvalid) {
        s_.DensityInvalid = false;
        s_.ViscosityInvalid = false;
        RequestRefresh();
    }
}

bool TMeasuringPoint::PointValid() const
{
    const double values[] = {s_.Velocity,     s_.VolumeFlow,   s_.InnerDiameter, s_.CrossSection,
                             s_.Roughness,    s_.Density,      s_.KinViscosity,  s_.DynViscosity,
                             s_.MassFlow,     s_.Temperature,  s_.Pressure};
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return s_.CrossSection > 0.0 && s_.InnerDiameter > 0.0 && s_.Density > 0.0;
}

// The store of one input and the recalculation that follows it.
void TMeasuringPoint::StoreAndRecompute(TQuantity quantity, double value)
{
    const bool volumeHeld = s_.Hold == THold::Volume;
    switch (quantity) {
    case TQuantity::InnerDiameter:
        SetInnerDiameter(value);
        SetCrossSection(Pi * s_.InnerDiameter * s_.InnerDiameter / 400.0);
        CrossSectionRule();
        if (!volumeHeld)
            CalcMassFromVolume();
        break;
    case TQuantity::CrossSection:
        SetCrossSection(value);
        SetInnerDiameter(std::sqrt(400.0 * s_.CrossSection / Pi));
        CrossSectionRule();
        if (!volumeHeld)
            CalcMassFromVolume();
        break;
    case TQuantity::Velocity:
        SetVelocity(value);
        VelocityRule();
        if (!volumeHeld)
            CalcMassFromVolume();
        break;
    case TQuantity::VolumeFlow:
        SetVolumeFlow(value);
        VolumeRule();
        CalcMassFromVolume();
        break;
    case TQuantity::MassFlow:
        SetMassFlow(value);
        MassRule();
        if (!volumeHeld)
            VolumeRule();
        break;
    case TQuantity::Density:
        ReleaseMedium();
        SetDensity(value);
        DensityChain();
        break;
    case TQuantity::KinViscosity:
        ReleaseMedium();
        SetKinViscosity(value);
        break;
    case TQuantity::DynViscosity:
        ReleaseMedium();
        SetDynViscosity(value);
        break;
    case TQuantity::Roughness:
        SetRoughness(value);
        break;
    case TQuantity::Temperature:
        SetTemperature(value);
        Medium2Properties();
        break;
    case TQuantity::Pressure:
        SetPressure(value);
        Medium2Properties();
        break;
    }
}

TInputLimits TMeasuringPoint::InputLimits(TQuantity quantity)
{
    switch (quantity) {
    case TQuantity::InnerDiameter:
        return {1.0, 200000.0};
    case TQuantity::CrossSection:
        // The areas of the smallest and the largest inner diameter.
        return {0.0078539816339744831, 314159265.35897932};
    case TQuantity::Velocity:
        return {-1e38, 1e38};
    case TQuantity::VolumeFlow:
    case TQuantity::MassFlow:
        return {-1e20, 1e20};
    case TQuantity::Density:
        return {0.001, 10000.0};
    case TQuantity::KinViscosity:
    case TQuantity::DynViscosity:
        return {0.00001, 1e10};
    case TQuantity::Roughness:
        return {0.0, 1000.0};
    case TQuantity::Temperature:
        return {-200.0, 300.0};
    case TQuantity::Pressure:
        return {0.5, 600.0};
    }
    return {0.0, 0.0};
}

TInputLimits TMeasuringPoint::DisplayLimits(TQuantity quantity) const
{
    const TInputLimits limits = InputLimits(quantity);
    if (quantity == TQuantity::Temperature && s_.Units[Index(quantity)] == 1)
        return {CelsiusToFahrenheit(limits.Minimum), CelsiusToFahrenheit(limits.Maximum)};
    const double factor = UnitRowOrFirst(quantity, s_.Units[Index(quantity)]).Factor;
    return {limits.Minimum * factor, limits.Maximum * factor};
}

TInputResult TMeasuringPoint::Reject(TQuantity quantity, const QString& message, bool replaceEmpty)
{
    TInputResult result;
    result.Accepted = false;
    result.Panel = PanelOf(quantity);
    result.Message = message;
    result.MessageColor = PanelRed;
    result.ReplaceEmptyText = replaceEmpty;
    result.FocusBack = true;
    result.Beeped = true;
    s_.Panels[Index(result.Panel)] = {message, PanelRed};
    MessageBeep(0xFFFF);
    return result;
}

TInputResult TMeasuringPoint::CommitEdit(TQuantity quantity, const QString& text)
{
    TBatch batch(*this);
    const int q = Index(quantity);
    const TPanel panel = PanelOf(quantity);
    const bool temperature = quantity == TQuantity::Temperature;
    const bool fahrenheit = temperature && s_.Units[q] == 1;
    const TUnitRow row = UnitRowOrFirst(quantity, s_.Units[q]);
    const TInputLimits limits = DisplayLimits(quantity);
    const double minimum = limits.Minimum;
    const double maximum = limits.Maximum;

    TInputResult accepted;
    accepted.Panel = panel;
    // The text the program wrote: nothing to store, only a message to clear.
    auto unchanged = [&]() {
        if (panel == TPanel::FluidTempDruck)
            s_.Panels[Index(panel)] = {};
        RequestRefresh();
        return accepted;
    };
    if (text == s_.EditTexts[q])
        return unchanged();

    const tCheckEditResult check = CheckEditValue(text, minimum, maximum, QString(), true);
    if (!check.Ok) {
        TInputResult result = Reject(quantity, check.LabelCaption, check.ReplaceEmptyText);
        // The medium follows the stored temperature and pressure even after a bad input.
        if (quantity == TQuantity::Temperature || quantity == TQuantity::Pressure)
            Medium2Properties();
        return result;
    }
    accepted.ReplaceEmptyText = check.ReplaceEmptyText;

    // The same value as shown (for example "1.0" for "1.000"): keep the precise one.
    const tCheckEditResult shown = CheckEditValue(s_.EditTexts[q], -HUGE_VAL, HUGE_VAL, QString(), false);
    if (shown.Ok && shown.Value == check.Value) {
        TouchEdit(quantity);
        return unchanged();
    }

    const double value = fahrenheit ? FahrenheitToCelsius(check.Value) : check.Value / row.Factor;
    const TState saved = s_;
    const TPending savedPending = pending_;
    s_.StepRefused = false;
    StoreAndRecompute(quantity, value);
    if (s_.StepRefused || !PointValid()) {
        s_ = saved;
        pending_ = savedPending;
        return Reject(quantity, InvalidValueText, check.ReplaceEmptyText);
    }
    if (panel == TPanel::FluidTempDruck)
        s_.Panels[Index(panel)] = {};
    TouchEdit(quantity);
    accepted.Stored = true;
    return accepted;
}

TInputResult TMeasuringPoint::ApplyValue(TQuantity quantity, double value)
{
    TBatch batch(*this);
    // A dialog's value obeys the limits of typed input.
    const TInputLimits limits = InputLimits(quantity);
    if (value < limits.Minimum || value > limits.Maximum) {
        const bool low = value < limits.Minimum;
        const TInputLimits shown = DisplayLimits(quantity);
        return Reject(quantity,
                      (low ? QStringLiteral("MIN: ") : QStringLiteral("MAX: "))
                          + FloatToStrF(low ? shown.Minimum : shown.Maximum, ffGeneral, 10, 0) + QLatin1Char(' '),
                      false);
    }
    const TState saved = s_;
    const TPending savedPending = pending_;
    s_.StepRefused = false;
    const bool same = Value(quantity) == value;
    if (same && (quantity == TQuantity::Density || quantity == TQuantity::KinViscosity
                 || quantity == TQuantity::DynViscosity))
        s_.Updating = true;  // an unchanged property keeps the medium
    StoreAndRecompute(quantity, value);
    s_.Updating = saved.Updating;
    if (!std::isfinite(value) || s_.StepRefused || !PointValid()) {
        s_ = saved;
        pending_ = savedPending;
        return Reject(quantity, InvalidValueText, false);
    }
    TInputResult result;
    result.Panel = PanelOf(quantity);
    result.Stored = true;
    return result;
}

TInputResult TMeasuringPoint::ApplyPipeGeometry(double innerDiameterMm, double wallThickness,
                                                double liningThickness)
{
    TBatch batch(*this);
    EnterControl(TFocusTarget::InnerDiameter);
    TInputResult result = ApplyValue(TQuantity::InnerDiameter, innerDiameterMm * 10.0);
    // Wall and lining do not depend on the diameter: they are taken even when it is not.
    WallThickness = wallThickness;
    LiningThickness = liningThickness;
    ClickHold(THold::CrossSection, true);
    return result;
}

// ---------------------------------------------------------------- hold and markers

void TMeasuringPoint::ClickHold(THold box, bool checked)
{
    TBatch batch(*this);
    const THold hold = ::ClickHold(s_.Hold, box, checked);
    if (hold != s_.Hold) {
        s_.Hold = hold;
        pending_.Hold = true;
    }
    AnyEditGetFocus(TFocusTarget::Other);
}

void TMeasuringPoint::SetHold(THold hold)
{
    TBatch batch(*this);
    s_.Hold = hold;
    pending_.Hold = true;
}

bool TMeasuringPoint::ReadOnly(TQuantity quantity) const
{
    switch (quantity) {
    case TQuantity::Velocity:
        return VelocityReadOnly(s_.Hold);
    case TQuantity::InnerDiameter:
    case TQuantity::CrossSection:
        return CrossSectionReadOnly(s_.Hold);
    case TQuantity::VolumeFlow:
        return VolumeReadOnly(s_.Hold);
    default:
        return false;
    }
}

TMarkerState TMeasuringPoint::EnterControl(TFocusTarget target)
{
    TBatch batch(*this);
    switch (target) {
    case TFocusTarget::Velocity:
        if (s_.Hold == THold::Velocity)
            ClickHold(THold::Velocity, false);
        break;
    case TFocusTarget::Volume:
        if (s_.Hold == THold::Volume)
            ClickHold(THold::Volume, false);
        break;
    case TFocusTarget::InnerDiameter:
    case TFocusTarget::CrossSection:
        if (s_.Hold == THold::CrossSection)
            ClickHold(THold::CrossSection, false);
        break;
    case TFocusTarget::Material:
        // COM_MaterialDropDown: a new material may change the pipe.
        if (s_.Hold == THold::CrossSection)
            ClickHold(THold::CrossSection, false);
        break;
    default:
        break;
    }
    return AnyEditGetFocus(target);
}

TMarkerState TMeasuringPoint::AnyEditGetFocus(TFocusTarget target)
{
    TBatch batch(*this);
    const TMarkerState markers = ComputeMarkers(target, s_.Hold);
    s_.MarkerCount = markers.MarkerCount;
    pending_.Markers = true;
    pending_.MarkerState = markers;
    return markers;
}

// ---------------------------------------------------------------- material and medium

std::vector<int> TMeasuringPoint::ListedMaterialIds()
{
    std::vector<int> ids{OtherMaterialId};
    for (int n = 1; n <= MaterialCount(); ++n) {
        const int id = MaterialIdAt(n);
        if (id != 15)  // repeats the name of material 9
            ids.push_back(id);
    }
    return ids;
}

std::vector<int> TMeasuringPoint::ListedMediumIds(bool oemVariant)
{
    std::vector<int> ids{OtherMediumId};
    for (int n = 1; n <= MediumCount(); ++n) {
        const int id = MediumIdAt(n);
        if (!oemVariant)
            ids.push_back(id);
        else if ((id >= 10001 && id <= 10008) || id == 10014 || id == 10017 || (id >= 10020 && id <= 10022)
                 || (id >= 10040 && id <= 10043) || (id >= 10050 && id <= 10056))
            ids.push_back(id);
    }
    return ids;
}

bool TMeasuringPoint::MediumListed(int id, bool oemVariant)
{
    for (int listed : ListedMediumIds(oemVariant))
        if (listed == id)
            return true;
    return false;
}

bool TMeasuringPoint::MaterialListed(int id)
{
    for (int listed : ListedMaterialIds())
        if (listed == id)
            return true;
    return false;
}

void TMeasuringPoint::SetMediumSelection(int id)
{
    TBatch batch(*this);
    s_.MediumId = MediumListed(id, oemVariant_) ? id : OtherMediumId;
    pending_.Medium = true;
    if (s_.MediumId == OtherMediumId)
        ForgetInvalidProperties();
}

void TMeasuringPoint::SetMaterialSelection(int id)
{
    TBatch batch(*this);
    s_.MaterialId = MaterialListed(id) ? id : OtherMaterialId;
    pending_.Material = true;
}

void TMeasuringPoint::SelectMedium(int id)
{
    TBatch batch(*this);
    SetMediumSelection(id);
    Medium2Properties();
}

void TMeasuringPoint::SelectMaterial(int id)
{
    TBatch batch(*this);
    SetMaterialSelection(id);
    Material2Rauh();
}

void TMeasuringPoint::Medium2Properties()
{
    tMediumRec medium;
    if (!GetMedium(static_cast<std::uint16_t>(s_.MediumId), medium))
        return;
    TBatch batch(*this);
    s_.PressureGroupVisible = PressureDependent(medium);
    pending_.PressureGroup = true;

    s_.Updating = true;
    bool densityOk = false;
    bool viscosityOk = false;
    const double density = EvalProperty(medium.Density, s_.Temperature, s_.Pressure, &densityOk);
    const double viscosity = EvalProperty(medium.KinViscosity, s_.Temperature, s_.Pressure, &viscosityOk);
    densityOk = densityOk && Positive(density);
    viscosityOk = viscosityOk && Positive(viscosity);
    if (densityOk)
        SetDensity(density);
    if (viscosityOk) {
        SetKinViscosity(viscosity);
        const double dyn = s_.KinViscosity * s_.Density;
        SetDynViscosity(std::isfinite(dyn) ? dyn : 0.0);
    }
    // The medium has no usable value here: keep the previous one and say so.
    if (!densityOk || !viscosityOk) {
        s_.DensityInvalid = s_.DensityInvalid || !densityOk;
        s_.ViscosityInvalid = s_.ViscosityInvalid || !viscosityOk;
        RequestRefresh();
        MessageBeep(0xFFFF);
    }
    // A re-derivation that keeps the volume flow: a step it cannot take is no input error.
    const bool refused = s_.StepRefused;
    if (densityOk)
        DensityChain();
    s_.StepRefused = refused;
    s_.Updating = false;
}

void TMeasuringPoint::Material2Rauh()
{
    TBatch batch(*this);
    tMaterialRec material;
    if (GetMaterial(static_cast<std::uint16_t>(s_.MaterialId), material))
        SetRoughness(static_cast<std::uint16_t>(material.RoughnessUm) / 1000.0 * 10.0);
    else
        SetRoughness(0.0);
    if (view_)
        view_->MaterialChosen(s_.MaterialId);
}

void TMeasuringPoint::SetDynViscosityVisible(bool visible)
{
    TBatch batch(*this);
    s_.DynViscosityVisible = visible;
    RequestRefresh();
}

void TMeasuringPoint::SetCrossSectionGroupVisible(bool visible)
{
    TBatch batch(*this);
    s_.CrossSectionGroupVisible = visible;
    RequestRefresh();
}

// ---------------------------------------------------------------- standard values

void TMeasuringPoint::SetStandardValues()
{
    TBatch batch(*this);
    SetDefaultUnits();

    LiningId = 16;
    SetMaterialSelection(1);
    SetMediumSelection(10001);
    // Once the window stands, checking the box is a click: the markers follow it.
    if (CreateFinished && s_.Hold != THold::CrossSection)
        ClickHold(THold::CrossSection, true);
    else
        SetHold(THold::CrossSection);

    s_.Velocity = 1000.0;
    s_.InnerDiameter = 1000.0;
    s_.CrossSection = s_.InnerDiameter * s_.InnerDiameter * Pi / 400.0;
    s_.Roughness = 1.0;
    s_.VolumeFlow = 1.0;
    s_.KinViscosity = 1.0;
    s_.DynViscosity = 1.0;
    s_.MassFlow = 1.0;

    SetTemperature(20.0);
    SetPressure(1.0);
    NormTemperature = 20.0;
    NormPressure = 1.01325;
    Compressibility = 1.0;

    CalcVolumeFromVelocity();
    Medium2Properties();
    CalcMassFromVolume();
    Material2Rauh();

    for (int q = 0; q < QuantityCount; ++q)
        TouchEdit(static_cast<TQuantity>(q));

    s_.InnerDiameterMm = s_.InnerDiameter / 10.0;
    WallThickness = 3.0;
    LiningThickness = 0.0;
    if (view_) {
        view_->PipeGeometryChanged({s_.InnerDiameterMm, WallThickness, LiningThickness, UnitIndex(TQuantity::InnerDiameter)});
        view_->FlowProfileLimitsReset();
    }

    SensorType = 0;
    SoundPaths = 0;
    SpacingFixed = 0;
    FixedSpacing = 0.0;
    MediumCUser = 0.0;
    WallCUser = 0.0;
    LiningCUser = 0.0;
    s_.StepRefused = false;
    RequestRefresh();

    if (view_)
        view_->DefaultValuesRequested();
}

// ---------------------------------------------------------------- displays

const TPanelText& TMeasuringPoint::Panel(TPanel panel) const
{
    return s_.Panels[Index(panel)];
}

void TMeasuringPoint::ComputeProfileFactor()
{
    const TReynoldsLimits limits = limitsSource_ ? limitsSource_() : TReynoldsLimits{};
    s_.ResultFail = SolveProfileCorrection(s_.ProfileFactor, s_.Reynolds, s_.UncorrectedVelocity, s_.Velocity,
                                           s_.InnerDiameter, s_.KinViscosity, s_.Roughness, limits.Lam, limits.Turb);
}

void TMeasuringPoint::RefreshAllDisplays()
{
    auto panel = [this](TPanel p, const QString& caption) { s_.Panels[Index(p)] = {caption, PanelBlack}; };
    // A translation with a broken pattern must not take the display down.
    auto format = [this](const QString& pattern, const QString& value) {
        try {
            return Format(Translate(pattern), {value});
        } catch (const Exception&) {
            return Format(pattern, {value});
        }
    };

    panel(TPanel::Veloc, FormatVelocity(1, true));
    QString idm = FormatInnerDiameter(2, true);
    if (!s_.CrossSectionGroupVisible) {
        const int areaUnit = s_.CrossSection > 100000.0 ? 0 : s_.CrossSection < 100.0 ? 2 : 1;
        idm = Format(QStringLiteral("%s / A=%s"), {idm, FormatCrossSection(areaUnit, true)});
    }
    panel(TPanel::IDM, idm);
    panel(TPanel::QUER, FormatCrossSection(1, true));
    panel(TPanel::Rauh, FormatRoughness(1, true));
    panel(TPanel::Volume, FormatVolumeFlow(0, true));
    panel(TPanel::Dichte, FormatDensity(1, true));
    panel(TPanel::Visk, format(QStringLiteral("dynamic = %s"), FormatDynViscosity(0, true)));
    panel(TPanel::ViskDYN, format(QStringLiteral("kinematic =%s"), FormatKinViscosity(0, true)));
    panel(TPanel::MassFl, FormatMassFlow(0, true));
    if (s_.DensityInvalid)
        s_.Panels[Index(TPanel::Dichte)] = {InvalidValueText, PanelRed};
    if (s_.ViscosityInvalid) {
        s_.Panels[Index(TPanel::Visk)] = {InvalidValueText, PanelRed};
        s_.Panels[Index(TPanel::ViskDYN)] = {InvalidValueText, PanelRed};
    }

    ComputeProfileFactor();
    TResultPane& pane = s_.Result;
    if (s_.ResultFail) {
        pane.LamiTurbo = QStringLiteral("---- ITERATION FAIL ---");
        pane.LamiTurboColor = PanelRed;
        pane.ValuesVisible = false;
    } else {
        s_.Laminar = s_.Reynolds < LaminarReynoldsThreshold;
        pane.LamiTurboColor = PanelBlack;
        pane.ValuesVisible = true;
        pane.LamiTurbo = Translate(s_.Laminar ? QStringLiteral("---- LAMINARE STRÖMUNG ---")
                                              : QStringLiteral("--- TURBOLENTE STRÖMUNG --"));
        const int velocityUnit = s_.Units[Index(TQuantity::Velocity)];
        pane.Veloc = Format(QStringLiteral("%s %s"), {FormatUncorrectedVelocity(), UnitName(TQuantity::Velocity, velocityUnit)});
        pane.Kalfaktor = Format(QStringLiteral("%s "), {FloatToStrF(s_.ProfileFactor, ffNumber, 10, 3)});
        pane.Reynold = Format(QStringLiteral("%s "), {FloatToStrF(s_.Reynolds, ffNumber, 10, 1)});
        pane.Reynold2 = pane.Reynold;
    }
    if (view_)
        view_->DisplaysRefreshed();
}
