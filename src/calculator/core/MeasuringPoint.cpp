#include "calculator/core/MeasuringPoint.h"

#include "calculator/core/FlowProfileLimits.h"
#include "calculator/core/ProfileFactor.h"
#include "platform/Exceptions.h"
#include "platform/MessageBeep.h"
#include "platform/NumberFormat.h"
#include "reference/CommTool.h"
#include "reference/QlvTabels.h"

#include <algorithm>
#include <cmath>

namespace {

const QString InvalidValueText = QStringLiteral("INVALID VALUE ");

int Index(TPanel p)
{
    return static_cast<int>(p);
}

bool Positive(double x)
{
    return std::isfinite(x) && x > 0.0;
}

bool MediumQuantity(TQuantity q)
{
    return q == TQuantity::Temperature || q == TQuantity::Pressure;
}

bool PropertyQuantity(TQuantity q)
{
    return q == TQuantity::Density || q == TQuantity::KinViscosity || q == TQuantity::DynViscosity;
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

bool Listed(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
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

TMeasuringPoint::TMeasuringPoint()
{
    s_.ReynoldsLam = FirmwareReynoldsLam;
    s_.ReynoldsTurb = FirmwareReynoldsTurb;
}

void TMeasuringPoint::SetOemVariant(bool oem)
{
    oemVariant_ = oem;
}

double TMeasuringPoint::Value(TQuantity quantity) const
{
    switch (quantity) {
    case TQuantity::Velocity:
        return s_.Flow.Velocity;
    case TQuantity::VolumeFlow:
        return s_.Flow.VolumeFlow;
    case TQuantity::MassFlow:
        return s_.Flow.MassFlow;
    case TQuantity::InnerDiameter:
        return s_.Flow.InnerDiameter;
    case TQuantity::CrossSection:
        return s_.Flow.CrossSection;
    case TQuantity::Roughness:
        return s_.Roughness;
    case TQuantity::Density:
        return s_.Flow.Density;
    case TQuantity::KinViscosity:
        return s_.Flow.KinViscosity;
    case TQuantity::DynViscosity:
        return s_.Flow.DynViscosity;
    case TQuantity::Temperature:
        return s_.Temperature;
    case TQuantity::Pressure:
        return s_.Pressure;
    }
    return 0.0;
}

// ---------------------------------------------------------------- formatting and units

QString TMeasuringPoint::EditText(TQuantity quantity) const
{
    return FormatQuantity(quantity, Value(quantity), UnitIndex(quantity), false);
}

QString TMeasuringPoint::FormatVelocity(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::Velocity, s_.Flow.Velocity, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatInnerDiameter(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::InnerDiameter, s_.Flow.InnerDiameter, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatCrossSection(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::CrossSection, s_.Flow.CrossSection, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatRoughness(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::Roughness, s_.Roughness, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatVolumeFlow(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::VolumeFlow, s_.Flow.VolumeFlow, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatDensity(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::Density, s_.Flow.Density, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatKinViscosity(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::KinViscosity, s_.Flow.KinViscosity, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatDynViscosity(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::DynViscosity, s_.Flow.DynViscosity, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatMassFlow(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::MassFlow, s_.Flow.MassFlow, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatTemperature(int unitIndex, bool withUnit) const
{
    return FormatQuantity(TQuantity::Temperature, s_.Temperature, unitIndex, withUnit);
}

QString TMeasuringPoint::FormatPressure() const
{
    return FormatQuantity(TQuantity::Pressure, s_.Pressure, 0, false);
}

QString TMeasuringPoint::FormatUncorrectedVelocity() const
{
    const int unit = UnitIndex(TQuantity::Velocity);
    return Format(QStringLiteral("%.*f"), {UnitDecimals(TQuantity::Velocity, unit),
                                           s_.UncorrectedVelocity * UnitFactor(TQuantity::Velocity, unit)});
}

void TMeasuringPoint::SelectUnit(TQuantity quantity, int unitIndex)
{
    if (ValidUnit(quantity, unitIndex))
        s_.Units[QuantityIndex(quantity)] = unitIndex;
}

void TMeasuringPoint::SetDefaultUnits()
{
    s_.Units = DefaultUnits;
}

// ---------------------------------------------------------------- stores

void TMeasuringPoint::StoreValue(TQuantity quantity, double value)
{
    switch (quantity) {
    case TQuantity::Velocity:
        s_.Flow.Velocity = RoundVelocity(value);
        break;
    case TQuantity::VolumeFlow:
        s_.Flow.VolumeFlow = value;
        break;
    case TQuantity::MassFlow:
        s_.Flow.MassFlow = value;
        break;
    case TQuantity::InnerDiameter:
        s_.Flow.InnerDiameter = value;
        break;
    case TQuantity::CrossSection:
        s_.Flow.CrossSection = value;
        break;
    case TQuantity::Roughness:
        s_.Roughness = value;
        break;
    case TQuantity::Density:
        StoreDensity(value);
        break;
    case TQuantity::KinViscosity:
        StoreKinViscosity(value);
        break;
    case TQuantity::DynViscosity:
        StoreDynViscosity(value);
        break;
    case TQuantity::Temperature:
        s_.Temperature = value;
        break;
    case TQuantity::Pressure:
        s_.Pressure = value;
        break;
    }
}

// The viscosity shown in the edit (the menu's choice) stays; the other one follows.
void TMeasuringPoint::StoreDensity(double value)
{
    SetDensity(s_.Flow, value);
}

void TMeasuringPoint::StoreKinViscosity(double value)
{
    SetKinViscosity(s_.Flow, value);
    s_.ViscosityInvalid = false;
}

// The kinematic viscosity follows through the density: a stale one leaves it stale.
void TMeasuringPoint::StoreDynViscosity(double value)
{
    SetDynViscosity(s_.Flow, value);
    if (s_.Flow.DensityValid)
        s_.ViscosityInvalid = false;
}

// ---------------------------------------------------------------- input

bool TMeasuringPoint::StoreAndRecompute(TQuantity quantity, double value, bool keepMedium)
{
    if (PropertyQuantity(quantity) && !keepMedium)
        ReleaseMedium();
    StoreValue(quantity, value);
    if (MediumQuantity(quantity))
        Medium2Properties();
    if (!Recalculate(s_.Flow, quantity, s_.Hold))
        return false;
    RefreshResults();
    return PointValid();
}

TInputResult TMeasuringPoint::Accept(TQuantity quantity, double value, bool keepMedium)
{
    const TState saved = s_;
    if (!std::isfinite(value) || !StoreAndRecompute(quantity, value, keepMedium)) {
        s_ = saved;
        return Reject(quantity, InvalidValueText, false);
    }
    if (MediumQuantity(quantity))
        s_.Messages[Index(TPanel::FluidTempDruck)] = {};
    TInputResult result;
    result.Panel = PanelOf(quantity);
    result.Stored = true;
    return result;
}

TInputResult TMeasuringPoint::Reject(TQuantity quantity, const QString& message, bool replaceEmpty)
{
    TInputResult result;
    result.Accepted = false;
    result.Panel = PanelOf(quantity);
    result.Message = message;
    result.ReplaceEmptyText = replaceEmpty;
    result.FocusBack = true;
    s_.Messages[Index(result.Panel)] = {message, PanelRed};
    MessageBeep(0xFFFF);
    return result;
}

TInputResult TMeasuringPoint::CommitEdit(TQuantity quantity, const QString& text)
{
    const int unit = UnitIndex(quantity);
    const QString shown = EditText(quantity);
    // Nothing to store; leaving the temperature or pressure still takes the medium's
    // properties again (a density the mass flow gave gives way to the library's).
    auto unchanged = [&](bool replaceEmpty) {
        if (MediumQuantity(quantity)) {
            Medium2Properties();
            s_.Messages[Index(TPanel::FluidTempDruck)] = {};
        }
        RefreshResults();
        TInputResult result;
        result.Panel = PanelOf(quantity);
        result.ReplaceEmptyText = replaceEmpty;
        return result;
    };
    if (text == shown)
        return unchanged(false);

    const TInputLimits limits = DisplayLimits(quantity, unit);
    const tCheckEditResult check = CheckEditValue(text, limits.Minimum, limits.Maximum, QString(), true);
    if (!check.Ok) {
        // The medium follows the stored temperature and pressure even after a bad input.
        if (MediumQuantity(quantity)) {
            Medium2Properties();
            RefreshResults();
        }
        return Reject(quantity, check.LabelCaption, check.ReplaceEmptyText);
    }
    // The same value as shown (for example "1.0" for "1.000"): keep the precise one.
    const tCheckEditResult same = CheckEditValue(shown, -HUGE_VAL, HUGE_VAL, QString(), false);
    if (same.Ok && same.Value == check.Value)
        return unchanged(check.ReplaceEmptyText);

    TInputResult result = Accept(quantity, ToInternal(quantity, unit, check.Value), false);
    result.ReplaceEmptyText = check.ReplaceEmptyText;
    return result;
}

void TMeasuringPoint::DiscardInput(TQuantity quantity)
{
    s_.Messages[Index(PanelOf(quantity))] = {};
}

TInputResult TMeasuringPoint::ApplyValue(TQuantity quantity, double value)
{
    // A dialog's value obeys the limits of typed input.
    const TInputLimits limits = InputLimits(quantity);
    if (value < limits.Minimum || value > limits.Maximum) {
        const bool low = value < limits.Minimum;
        const TInputLimits shown = DisplayLimits(quantity, UnitIndex(quantity));
        return Reject(quantity,
                      (low ? QStringLiteral("MIN: ") : QStringLiteral("MAX: "))
                          + FloatToStrF(low ? shown.Minimum : shown.Maximum, ffGeneral, 10, 0) + QLatin1Char(' '),
                      false);
    }
    // An unchanged property keeps the medium.
    const bool keepMedium = PropertyQuantity(quantity) && Value(quantity) == value;
    return Accept(quantity, value, keepMedium);
}

TInputResult TMeasuringPoint::ApplyPipeGeometry(double innerDiameterMm, double wallThickness,
                                                double liningThickness)
{
    EnterControl(TFocusTarget::InnerDiameter);
    TInputResult result = ApplyValue(TQuantity::InnerDiameter, innerDiameterMm * 10.0);
    // Wall and lining do not depend on the diameter: they are taken even when it is not.
    WallThickness = wallThickness;
    LiningThickness = liningThickness;
    ClickHold(THold::CrossSection, true);
    return result;
}

bool TMeasuringPoint::PointValid() const
{
    const TFlow& f = s_.Flow;
    const double values[] = {f.Velocity,   f.VolumeFlow,      f.InnerDiameter,   f.CrossSection,
                             s_.Roughness, f.Density,         f.KinViscosity,    f.DynViscosity,
                             f.MassFlow,   s_.Temperature,    s_.Pressure};
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return f.CrossSection > 0.0 && f.InnerDiameter > 0.0 && f.Density > 0.0;
}

// ---------------------------------------------------------------- hold and markers

void TMeasuringPoint::ClickHold(THold box, bool checked)
{
    s_.Hold = ::ClickHold(s_.Hold, box, checked);
    AnyEditGetFocus(TFocusTarget::Other);
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
    case TFocusTarget::Material:  // COM_MaterialDropDown: a new material may change the pipe
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
    s_.Focus = target;
    return Markers();
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

void TMeasuringPoint::SetMediumSelection(int id)
{
    s_.MediumId = Listed(ListedMediumIds(oemVariant_), id) ? id : OtherMediumId;
}

void TMeasuringPoint::SetMaterialSelection(int id)
{
    s_.MaterialId = Listed(ListedMaterialIds(), id) ? id : OtherMaterialId;
}

void TMeasuringPoint::SelectMedium(int id)
{
    SetMediumSelection(id);
    Medium2Properties();
    RefreshResults();
}

void TMeasuringPoint::SelectMaterial(int id)
{
    SetMaterialSelection(id);
    Material2Rauh();
    RefreshResults();
}

// A typed property makes the medium the user's own. A property the library could not give
// stays invalid until the user types it: the typed density does not vouch for it.
void TMeasuringPoint::ReleaseMedium()
{
    s_.MediumId = OtherMediumId;
}

void TMeasuringPoint::Medium2Properties()
{
    tMediumRec medium;
    if (!GetMedium(static_cast<std::uint16_t>(s_.MediumId), medium))
        return;
    s_.PressureGroupVisible = PressureDependent(medium);

    bool densityOk = false;
    bool viscosityOk = false;
    const double density = EvalProperty(medium.Density, s_.Temperature, s_.Pressure, &densityOk);
    const double viscosity = EvalProperty(medium.KinViscosity, s_.Temperature, s_.Pressure, &viscosityOk);
    densityOk = densityOk && Positive(density);
    viscosityOk = viscosityOk && Positive(viscosity);
    // Without a usable value the previous one stays, marked invalid; the beep comes when
    // a value turns invalid, not on every re-evaluation while it stays so.
    const bool newlyInvalid = (!densityOk && s_.Flow.DensityValid) || (!viscosityOk && !s_.ViscosityInvalid);
    if (densityOk)
        StoreDensity(density);
    else
        s_.Flow.DensityValid = false;
    if (viscosityOk)
        StoreKinViscosity(viscosity);
    else
        s_.ViscosityInvalid = true;
    if (newlyInvalid)
        MessageBeep(0xFFFF);
    // The density's consequences; a step it cannot take is no input error.
    if (densityOk)
        Recalculate(s_.Flow, TQuantity::Density, s_.Hold);
}

void TMeasuringPoint::Material2Rauh()
{
    tMaterialRec material;
    if (GetMaterial(static_cast<std::uint16_t>(s_.MaterialId), material))
        s_.Roughness = static_cast<std::uint16_t>(material.RoughnessUm) / 1000.0 * 10.0;
    else
        s_.Roughness = 0.0;
}

void TMeasuringPoint::SetDynViscosityVisible(bool visible)
{
    s_.Flow.KeepDynViscosity = visible;
}

void TMeasuringPoint::SetCrossSectionGroupVisible(bool visible)
{
    s_.CrossSectionGroupVisible = visible;
}

void TMeasuringPoint::SetReynoldsLimits(double lam, double turb)
{
    s_.ReynoldsLam = ClampReynoldsLimit(lam);
    s_.ReynoldsTurb = ClampReynoldsLimit(turb);
    RefreshResults();
}

// ---------------------------------------------------------------- standard values

void TMeasuringPoint::SetStandardValues()
{
    SetDefaultUnits();
    LiningId = 16;
    SetMaterialSelection(1);
    SetMediumSelection(10001);
    // Checked from code: the focus stays where it is.
    const TFocusTarget focus = s_.Focus;
    if (s_.Hold != THold::CrossSection)
        ClickHold(THold::CrossSection, true);
    s_.Focus = focus;

    TFlow& f = s_.Flow;
    f.Velocity = 1000.0;
    f.InnerDiameter = 1000.0;
    f.CrossSection = CrossSectionOfDiameter(f.InnerDiameter);
    f.VolumeFlow = 1.0;
    f.MassFlow = 1.0;
    s_.Roughness = 1.0;
    s_.Flow.KinViscosity = 1.0;
    s_.Flow.DynViscosity = 1.0;
    s_.Temperature = 20.0;
    s_.Pressure = 1.0;
    NormTemperature = 20.0;
    NormPressure = 1.01325;
    Compressibility = 1.0;

    f.VolumeFlow = f.CrossSection * f.Velocity;
    Medium2Properties();
    f.MassFlow = f.VolumeFlow * f.Density;
    Material2Rauh();

    WallThickness = 3.0;
    LiningThickness = 0.0;
    s_.ReynoldsLam = FirmwareReynoldsLam;
    s_.ReynoldsTurb = FirmwareReynoldsTurb;
    SensorType = 0;
    SoundPaths = 0;
    SpacingFixed = 0;
    FixedSpacing = 0.0;
    MediumCUser = 0.0;
    WallCUser = 0.0;
    LiningCUser = 0.0;
    s_.Messages = {};
    RefreshResults();
}

// ---------------------------------------------------------------- results and display

void TMeasuringPoint::ComputeProfileFactor()
{
    // A viscosity the library could not give is no basis for a Reynolds number.
    if (s_.ViscosityInvalid) {
        s_.ResultFail = true;
        return;
    }
    s_.ResultFail = SolveProfileCorrection(s_.ProfileFactor, s_.Reynolds, s_.UncorrectedVelocity, s_.Flow.Velocity,
                                           s_.Flow.InnerDiameter, s_.Flow.KinViscosity, s_.Roughness, s_.ReynoldsLam,
                                           s_.ReynoldsTurb);
}

void TMeasuringPoint::RefreshResults()
{
    ComputeProfileFactor();
    if (!s_.ResultFail)
        s_.Laminar = s_.Reynolds < LaminarReynoldsThreshold;
    for (int p = 0; p < PanelCount; ++p)
        if (p != Index(TPanel::FluidTempDruck))
            s_.Messages[p] = {};
}

TPointSnapshot TMeasuringPoint::Snapshot(const std::function<QString(const QString&)>& translate) const
{
    TPointSnapshot snapshot;
    for (int q = 0; q < QuantityCount; ++q) {
        const auto quantity = static_cast<TQuantity>(q);
        snapshot.EditTexts[q] = EditText(quantity);
        snapshot.ReadOnly[q] = ReadOnly(quantity);
    }
    snapshot.Units = s_.Units;
    FillPanels(snapshot, translate);
    FillResultPane(snapshot.Result, translate);
    snapshot.Markers = Markers();
    snapshot.Hold = s_.Hold;
    snapshot.MediumId = s_.MediumId;
    snapshot.MaterialId = s_.MaterialId;
    snapshot.PressureGroupVisible = s_.PressureGroupVisible;
    snapshot.DynViscosityVisible = s_.Flow.KeepDynViscosity;
    snapshot.CrossSectionGroupVisible = s_.CrossSectionGroupVisible;
    return snapshot;
}

// After the edit texts.
void TMeasuringPoint::FillPanels(TPointSnapshot& snapshot, const std::function<QString(const QString&)>& translate) const
{
    auto panel = [&](TPanel p, const QString& caption) { snapshot.Panels[Index(p)] = {caption, PanelBlack}; };
    // A translation with a broken pattern must not take the display down.
    auto format = [&](const QString& pattern, const QString& value) {
        try {
            return Format(translate ? translate(pattern) : pattern, {value});
        } catch (const Exception&) {
            return Format(pattern, {value});
        }
    };
    // A panel in the edit's own unit reuses the edit's text: formatting is most of the cost.
    auto shown = [&](TQuantity q, int unit) {
        const int i = QuantityIndex(q);
        const QString number = unit == s_.Units[i] ? snapshot.EditTexts[i] : FormatQuantity(q, Value(q), unit, false);
        return number + QLatin1Char(' ') + UnitName(q, unit);
    };
    panel(TPanel::Veloc, shown(TQuantity::Velocity, 1));
    QString idm = shown(TQuantity::InnerDiameter, 2);
    if (!s_.CrossSectionGroupVisible) {
        const double area = s_.Flow.CrossSection;
        const int areaUnit = area > 100000.0 ? 0 : area < 100.0 ? 2 : 1;
        idm = Format(QStringLiteral("%s / A=%s"), {idm, shown(TQuantity::CrossSection, areaUnit)});
    }
    panel(TPanel::IDM, idm);
    panel(TPanel::QUER, shown(TQuantity::CrossSection, 1));
    panel(TPanel::Rauh, shown(TQuantity::Roughness, 1));
    panel(TPanel::Volume, shown(TQuantity::VolumeFlow, 0));
    panel(TPanel::Dichte, shown(TQuantity::Density, 1));
    panel(TPanel::Visk, format(QStringLiteral("dynamic = %s"), shown(TQuantity::DynViscosity, 0)));
    panel(TPanel::ViskDYN, format(QStringLiteral("kinematic =%s"), shown(TQuantity::KinViscosity, 0)));
    panel(TPanel::MassFl, shown(TQuantity::MassFlow, 0));

    // Values that rest on a stale property say so; the dynamic viscosity rests on both.
    const TPanelText invalid{InvalidValueText, PanelRed};
    if (DensityInvalid()) {
        for (TPanel p : {TPanel::Dichte, TPanel::MassFl, TPanel::Visk})
            snapshot.Panels[Index(p)] = invalid;
    }
    if (s_.ViscosityInvalid) {
        snapshot.Panels[Index(TPanel::Visk)] = invalid;
        snapshot.Panels[Index(TPanel::ViskDYN)] = invalid;
    }
    for (int p = 0; p < PanelCount; ++p)
        if (!s_.Messages[p].Caption.isEmpty())
            snapshot.Panels[p] = s_.Messages[p];
}

void TMeasuringPoint::FillResultPane(TResultPane& pane, const std::function<QString(const QString&)>& translate) const
{
    if (s_.ResultFail) {
        pane.LamiTurbo = QStringLiteral("---- ITERATION FAIL ---");
        pane.LamiTurboColor = PanelRed;
        return;
    }
    const QString kind = s_.Laminar ? QStringLiteral("---- LAMINARE STRÖMUNG ---")
                                    : QStringLiteral("--- TURBOLENTE STRÖMUNG --");
    pane.LamiTurbo = translate ? translate(kind) : kind;
    pane.ValuesVisible = true;
    pane.Veloc = Format(QStringLiteral("%s %s"),
                        {FormatUncorrectedVelocity(), UnitName(TQuantity::Velocity, UnitIndex(TQuantity::Velocity))});
    pane.Kalfaktor = Format(QStringLiteral("%s "), {FloatToStrF(s_.ProfileFactor, ffNumber, 10, 3)});
    pane.Reynold = Format(QStringLiteral("%s "), {FloatToStrF(s_.Reynolds, ffNumber, 10, 1)});
    pane.Reynold2 = pane.Reynold;
}

// ---------------------------------------------------------------- files

TMeasuringPointRecord TMeasuringPoint::Record() const
{
    TMeasuringPointRecord r;
    r.DynViscosityVisible = s_.Flow.KeepDynViscosity;
    r.Hold = s_.Hold;
    r.MaterialId = s_.MaterialId;
    r.InnerDiameterMm = s_.Flow.InnerDiameter / 10.0;
    r.LiningThickness = LiningThickness;
    r.WallThickness = WallThickness;
    r.WallCUser = WallCUser;
    r.LiningCUser = LiningCUser;
    r.LiningId = LiningId;
    r.Roughness = s_.Roughness;
    r.MediumId = s_.MediumId;
    r.Temperature = s_.Temperature;
    r.Pressure = s_.Pressure;
    r.Density = s_.Flow.Density;
    r.KinViscosity = s_.Flow.KinViscosity;
    r.DynViscosity = s_.Flow.DynViscosity;
    r.ReynoldsLam = s_.ReynoldsLam;
    r.ReynoldsTurb = s_.ReynoldsTurb;
    r.MediumCUser = MediumCUser;
    r.Velocity = s_.Flow.Velocity;
    r.VolumeFlow = s_.Flow.VolumeFlow;
    r.MassFlow = s_.Flow.MassFlow;
    r.Units = s_.Units;
    r.SensorType = SensorType;
    r.SoundPaths = SoundPaths;
    r.SpacingFixed = SpacingFixed != 0;
    r.FixedSpacing = FixedSpacing;
    r.NormTemperature = NormTemperature;
    r.NormPressure = NormPressure;
    r.Compressibility = Compressibility;
    return r;
}

// The name of the first value the record cannot take, empty when there is none.
QString TMeasuringPoint::CheckRecord(const TMeasuringPointRecord& r) const
{
    auto inRange = [](TQuantity q, double v) {
        const TInputLimits limits = InputLimits(q);
        return std::isfinite(v) && v >= limits.Minimum && v <= limits.Maximum;
    };
    auto atLeastZero = [](double v) { return std::isfinite(v) && v >= 0.0; };
    for (int q = 0; q < QuantityIndex(TQuantity::Pressure); ++q)
        if (!ValidUnit(static_cast<TQuantity>(q), r.Units[q]))
            return QStringLiteral("Units");
    const bool otherMedium = !Listed(ListedMediumIds(oemVariant_), r.MediumId) || r.MediumId == OtherMediumId;
    const struct {
        bool ok;
        const char* name;
    } checks[] = {
        {inRange(TQuantity::Temperature, r.Temperature), "Temperature"},
        {inRange(TQuantity::Pressure, r.Pressure), "Pressure"},
        {!otherMedium || inRange(TQuantity::Density, r.Density), "Density"},
        // One viscosity follows from the other through the density, beyond the input range.
        {!otherMedium || Positive(r.KinViscosity), "KinViscosity"},
        {!otherMedium || Positive(r.DynViscosity), "DynViscosity"},
        {inRange(TQuantity::Roughness, r.Roughness), "Roughness"},
        {inRange(TQuantity::InnerDiameter, r.InnerDiameterMm * 10.0), "InnerDiameterMm"},
        {inRange(TQuantity::VolumeFlow, r.VolumeFlow), "VolumeFlow"},
        {atLeastZero(r.WallThickness), "WallThickness"},
        {atLeastZero(r.LiningThickness), "LiningThickness"},
        {atLeastZero(r.WallCUser), "WallCUser"},
        {atLeastZero(r.LiningCUser), "LiningCUser"},
        {atLeastZero(r.MediumCUser), "MediumCUser"},
        {r.LiningId >= 0 && r.LiningId <= 0xFFFF, "LiningId"},
        {!std::isnan(r.ReynoldsLam), "ReynoldsLam"},
        {!std::isnan(r.ReynoldsTurb), "ReynoldsTurb"},
        {r.SoundPaths >= 0, "SoundPaths"},
        {!r.SpacingFixed || std::isfinite(r.FixedSpacing), "FixedSpacing"},
        {std::isfinite(r.NormTemperature), "NormTemperature"},
        {Positive(r.NormPressure), "NormPressure"},
        {Positive(r.Compressibility), "Compressibility"},
    };
    for (const auto& check : checks)
        if (!check.ok)
            return QString::fromLatin1(check.name);
    return QString();
}

// In the order of a file load: units before values, the medium before its own values, the
// material before the roughness. The pipe is held while the volume flow is taken.
bool TMeasuringPoint::ApplyRecord(const TMeasuringPointRecord& r)
{
    s_.Flow.KeepDynViscosity = r.DynViscosityVisible;
    for (int q = 0; q < QuantityIndex(TQuantity::Pressure); ++q)
        s_.Units[q] = r.Units[q];
    MediumCUser = r.MediumCUser;
    s_.Temperature = r.Temperature;
    s_.Pressure = r.Pressure;
    SetMediumSelection(r.MediumId);
    Medium2Properties();
    if (s_.MediumId == OtherMediumId) {
        StoreDensity(r.Density);
        StoreKinViscosity(r.KinViscosity);
        StoreDynViscosity(r.DynViscosity);
    }
    WallCUser = r.WallCUser;
    LiningCUser = r.LiningCUser;
    SetMaterialSelection(r.MaterialId);
    s_.Roughness = r.Roughness;

    s_.Hold = THold::CrossSection;
    s_.Focus = TFocusTarget::Volume;
    s_.Flow.InnerDiameter = r.InnerDiameterMm * 10.0;
    s_.Flow.CrossSection = CrossSectionOfDiameter(s_.Flow.InnerDiameter);
    s_.Flow.VolumeFlow = r.VolumeFlow;
    const bool flowOk = Recalculate(s_.Flow, TQuantity::VolumeFlow, s_.Hold);

    s_.ReynoldsLam = ClampReynoldsLimit(r.ReynoldsLam);
    s_.ReynoldsTurb = ClampReynoldsLimit(r.ReynoldsTurb);
    NormTemperature = r.NormTemperature;
    NormPressure = r.NormPressure;
    Compressibility = r.Compressibility;
    WallThickness = r.WallThickness;
    LiningId = static_cast<std::uint16_t>(r.LiningId);
    LiningThickness = r.LiningThickness;
    SensorType = r.SensorType < 0 || r.SensorType >= 15 ? 0 : static_cast<std::uint8_t>(r.SensorType);
    SoundPaths = r.SoundPaths;
    SpacingFixed = r.SpacingFixed ? 1 : 0;
    if (r.SpacingFixed)
        FixedSpacing = r.FixedSpacing;
    s_.Messages = {};
    RefreshResults();
    return flowOk && PointValid();
}

bool TMeasuringPoint::Apply(const TMeasuringPointRecord& record, QString* error)
{
    QString reason = CheckRecord(record);
    if (reason.isEmpty()) {
        const TMeasuringPoint saved = *this;
        if (!ApplyRecord(record)) {
            *this = saved;
            reason = QStringLiteral("VolumeFlow");
        }
    }
    if (error)
        *error = reason;
    return reason.isEmpty();
}
