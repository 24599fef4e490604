#include "transducer/ApplicationCalc.h"

#include "platform/NumberFormat.h"
#include "reference/Units.h"

#include <algorithm>
#include <cmath>

const std::array<tTestPipe, 5> TestPipes = {{
    {75.0, 4.0, 12, "1:  75/4.0"},
    {70.0, 2.5, 2, "2:  70/2.5"},
    {114.2, 2.5, 2, "3: 114/2.5"},
    {33.7, 2.0, 2, "4:  34/2.0"},
    {219.5, 8.5, 2, "5: 219/8.5 "},
}};

namespace {

constexpr int MaxSoundPaths = 8;
constexpr double TestPipeTolerance = 1e-6;  // [mm]

int IndexOfCode(const tCodeItems& items, int code)
{
    for (std::size_t i = 0; i < items.Items.size(); ++i) {
        if (items.Items[i].Code == code)
            return static_cast<int>(i);
    }
    return -1;
}

int CodeOf(const tCodeItems& items, int none)
{
    const int i = items.ItemIndex;
    if (i < 0 || i >= static_cast<int>(items.Items.size()))
        return none;
    return items.Items[static_cast<std::size_t>(i)].Code;
}

bool IsUsableSpeed(double c) { return std::isfinite(c) && c > 0.0; }

// The order of a sorted list: by the caption as shown, with case and accents aside (an "Ä"
// among the "A"s), so that it does not hang on the machine's locale.
QString SortKey(const QString& caption)
{
    const QString decomposed = caption.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            key.append(c.toCaseFolded());
    }
    return key;
}

// Sorts the items by caption; the selection stays on its item.
void SortItems(tCodeItems& items)
{
    const bool selected = items.ItemIndex >= 0 && items.ItemIndex < static_cast<int>(items.Items.size());
    const int code = selected ? items.Items[static_cast<std::size_t>(items.ItemIndex)].Code : 0;
    std::stable_sort(items.Items.begin(), items.Items.end(), [](const tCodeItem& a, const tCodeItem& b) {
        const int byKey = SortKey(a.Caption).compare(SortKey(b.Caption));
        return byKey != 0 ? byKey < 0 : a.Caption < b.Caption;
    });
    items.ItemIndex = selected ? IndexOfCode(items, code) : -1;
}

}  // namespace

tApplicationCalc::tApplicationCalc(bool oemVariant)
    : listing_(BuildSensorListing(oemVariant))
{
    SelectSensorItem(listing_.DefaultItem);
}

QString tApplicationCalc::T(const char* text) const
{
    return Translated(Translate, QString::fromUtf8(text));
}

// ---- Loading

void tApplicationCalc::SetInputData(const tApplicationInput& in)
{
    calcEnabled_ = false;
    liningOn_ = in.LiningThickness > 0.0;
    lining_ = in.LiningThickness;
    wall_ = in.WallThickness;
    viscosity_ = in.KinViscosity;
    inner_ = in.InnerDiameter;
    outer_ = in.InnerDiameter + 2.0 * in.WallThickness + 2.0 * in.LiningThickness;
    handBack_[GAMMA] = in.MediumSpeed;
    handBack_[BETA] = in.WallSpeed;
    handBack_[BETA2] = in.LiningSpeed;
    for (auto [layer, source] : {std::pair{BETA, &in.MaterialItems},
                                 std::pair{BETA2, &in.MaterialItems},
                                 std::pair{GAMMA, &in.MediumItems}}) {
        if (source->Items.empty())
            continue;
        items_[layer] = *source;
        SortItems(items_[layer]);
        const int other = IndexOfCode(items_[layer], OtherCodeOf(layer));
        initialCaption_[layer] =
            other >= 0 ? items_[layer].Items[static_cast<std::size_t>(other)].Caption : QString();
    }
    if (!in.MaterialItems.Items.empty())
        items_[BETA2].ItemIndex = IndexOfCode(items_[BETA2], in.LiningMaterial);
    SetUserMediumSoundSpeed(GetMediumCode(), in.MediumSpeed);
    SetUserLiningSoundSpeed(GetLiningMaterialCode(), in.LiningSpeed);
    SetUserWallSoundSpeed(GetWallMaterialCode(), in.WallSpeed);
    temperature_ = in.Temperature;
    pressure_ = in.Pressure;
    SetTemperatureUnit(in.TempUnit);
    SetLengthUnit(in.LengthUnit);

    calcEnabled_ = true;
    if (in.TypeCode == 0)
        AssignRecommended();
    else
        SelectSensorType(in.TypeCode);
    UserSensorItem(sensorItem_);
    ReopenSoundPaths(in.SoundPaths);
    if (in.SpacingFixed) {
        spacingFixed_ = true;
        fixedSpacing_ = in.FixedSpacing;
        fixedHeld_ = true;
        Recalculate();
    }
}

// A stored count that is the default of its mode reopens in AUTO with that mode; the
// automatic rule follows the preferred mode only when that mode is the preferred one.
void tApplicationCalc::ReopenSoundPaths(int n)
{
    const tSoundPathDefaults d = Defaults();
    if (n == 0) {
        UserPathCountMode(tPathCountMode::Auto);
        return;
    }
    if (n == d.Reflex || n == d.Direct) {
        beam_ = n == d.Reflex ? tBeamMode::Reflex : tBeamMode::Direct;
        const bool preferred = (beam_ == tBeamMode::Reflex) == (d.Preferred == 1);
        mode_ = tPathCountMode::Auto;
        followPreferred_ = preferred;
        AutoSoundPaths();
        Recalculate();
        return;
    }
    mode_ = tPathCountMode::User;
    followPreferred_ = true;
    SetSoundPaths(n);
}

tApplicationResult tApplicationCalc::Result() const
{
    tApplicationResult r;
    r.InnerDiameter = inner_;
    r.LiningThickness = GetLiningThickness();
    r.WallThickness = wall_;
    r.Temperature = temperature_;
    r.TypeCode = GetSensorTypeCode();
    r.SoundPaths = soundPaths_;
    r.WallMaterial = GetWallMaterialCode();
    r.Medium = GetMediumCode();
    r.LiningMaterial = GetLiningMaterialCode();
    r.MediumSpeed = handBack_[GAMMA];
    r.WallSpeed = handBack_[BETA];
    r.LiningSpeed = handBack_[BETA2];
    r.SpacingFixed = spacingFixed_ ? 1 : 0;
    r.FixedSpacing = fixedSpacing_;
    return r;
}

// ---- Units and conversions

double tApplicationCalc::LengthFactor() const
{
    return 10.0 * LengthUnits[static_cast<std::size_t>(lengthUnit_)].Factor;
}

int tApplicationCalc::LengthDigits() const
{
    return UnitDigits(LengthUnits[static_cast<std::size_t>(lengthUnit_)]);
}

QString tApplicationCalc::LengthUnitName() const
{
    return LengthUnits[static_cast<std::size_t>(lengthUnit_)].Name;
}

double tApplicationCalc::TemperatureDisplay() const
{
    return tempUnit_ == 1 ? CelsiusToFahrenheit(temperature_) : temperature_;
}

void tApplicationCalc::SetLengthUnit(int index)
{
    if (index < 0 || index >= static_cast<int>(LengthUnits.size()))
        return;
    lengthUnit_ = index;
    Recalculate();
}

void tApplicationCalc::SetTemperatureUnit(int index)
{
    if (index < 0 || index >= static_cast<int>(TemperatureUnits.size()))
        return;
    tempUnit_ = index;
}

// ---- Pipe, materials, medium

void tApplicationCalc::UpdateInnerDiameter()
{
    inner_ = outer_ - 2.0 * wall_ - 2.0 * GetLiningThickness();
}

void tApplicationCalc::SetOuterDiameter(double mm)
{
    outer_ = mm;
    UpdateInnerDiameter();
    Recalculate();
}

void tApplicationCalc::SetWallThickness(double mm)
{
    wall_ = mm;
    UpdateInnerDiameter();
    Recalculate();
}

void tApplicationCalc::SetLiningThickness(double mm)
{
    lining_ = mm;
    liningOn_ = mm != 0.0;
    UpdateInnerDiameter();
    Recalculate();
}

void tApplicationCalc::SetMediumTemperature(double celsius)
{
    temperature_ = celsius;
    Recalculate();
}

void tApplicationCalc::UserOuterDiameter(double mm)
{
    followPreferred_ = true;
    SetOuterDiameter(mm);
}

void tApplicationCalc::UserWallThickness(double mm)
{
    followPreferred_ = true;
    SetWallThickness(mm);
}

void tApplicationCalc::UserLiningThickness(double mm)
{
    followPreferred_ = true;
    lining_ = mm;
    UpdateInnerDiameter();
    Recalculate();
}

void tApplicationCalc::UserLiningSwitch(bool on)
{
    liningOn_ = on;
    UpdateInnerDiameter();
    Recalculate();
}

void tApplicationCalc::UserViscosity(double mm2s)
{
    followPreferred_ = true;
    viscosity_ = mm2s;
    Recalculate();
}

void tApplicationCalc::UserRoughness(double mm)
{
    followPreferred_ = true;
    roughness_ = mm;
    Recalculate();
}

int tApplicationCalc::GetWallMaterialCode() const { return CodeOf(items_[BETA], OtherMaterialCode); }
int tApplicationCalc::GetLiningMaterialCode() const { return CodeOf(items_[BETA2], OtherMaterialCode); }
int tApplicationCalc::GetMediumCode() const { return CodeOf(items_[GAMMA], OtherMediumCode); }

void tApplicationCalc::SelectCode(tQuadrantId layer, int code)
{
    items_[layer].ItemIndex = IndexOfCode(items_[layer], code);
    Recalculate();
}

void tApplicationCalc::SelectWallMaterial(int code) { SelectCode(BETA, code); }
void tApplicationCalc::SelectLiningMaterial(int code) { SelectCode(BETA2, code); }
void tApplicationCalc::SelectMedium(int code) { SelectCode(GAMMA, code); }

void tApplicationCalc::SetUserSpeed(tQuadrantId layer, int code, double c)
{
    handBack_[layer] = c;
    current_[layer] = c;
    NameOtherItem(layer);
    SortItems(items_[layer]);
    SelectCode(layer, code);
}

// The other-material item names its user speed, or has its first caption without one.
void tApplicationCalc::NameOtherItem(tQuadrantId layer)
{
    tCodeItems& items = items_[layer];
    const int other = IndexOfCode(items, OtherCodeOf(layer));
    if (other < 0)
        return;
    const double c = handBack_[layer];
    items.Items[static_cast<std::size_t>(other)].Caption =
        c == 0.0 ? initialCaption_[layer] : T("Anderes:") + Format(QStringLiteral(" (%.0fm/s)"), {c});
}

void tApplicationCalc::RenameItems(const std::function<QString(tQuadrantId, int)>& name)
{
    for (tQuadrantId layer : {BETA, BETA2, GAMMA}) {
        for (tCodeItem& item : items_[layer].Items) {
            const QString caption = name(layer, item.Code);
            if (caption.isEmpty())
                continue;
            if (item.Code == OtherCodeOf(layer))
                initialCaption_[layer] = caption;
            else
                item.Caption = caption;
        }
        NameOtherItem(layer);
        SortItems(items_[layer]);
    }
}

int tApplicationCalc::LayerCode(tQuadrantId layer) const
{
    return CodeOf(items_[layer], OtherCodeOf(layer));
}

double tApplicationCalc::UserSpeedToEdit(tQuadrantId layer)
{
    if (LayerCode(layer) != OtherCodeOf(layer))
        current_[layer] = path_.Quadrant(layer).c;
    return current_[layer];
}

bool tApplicationCalc::NeedsUserSpeed(tQuadrantId layer) const
{
    return LayerCode(layer) == OtherCodeOf(layer) && current_[layer] == 0.0;
}

double tApplicationCalc::StartUserSpeed(tQuadrantId layer, double fallback)
{
    if (!NeedsUserSpeed(layer) || (layer == BETA2 && !(GetLiningThickness() > 0.0)))
        return 0.0;
    // A hand-back speed is the user's own and counts at once; the fallback only starts the
    // input, so a cancelled input leaves the speed missing.
    if (handBack_[layer] > 0.0) {
        current_[layer] = handBack_[layer];
        Recalculate();
        return handBack_[layer];
    }
    return fallback;
}

void tApplicationCalc::UserSelectItem(tQuadrantId layer, int item)
{
    followPreferred_ = true;
    items_[layer].ItemIndex = item;
    Recalculate();
}

// ---- Transducer and sound paths

std::uint8_t tApplicationCalc::GetSensorTypeCode() const
{
    return SensorTypeCodeOfItem(listing_, sensorItem_);
}

void tApplicationCalc::SelectSensorItem(int item)
{
    if (item < 0 || item >= static_cast<int>(listing_.Items.size()))
        return;
    sensorItem_ = item;
    const int entry = listing_.Items[static_cast<std::size_t>(item)].CatalogueIndex;
    path_.SelectSensor(SensorCatalogue[static_cast<std::size_t>(entry)]);
}

void tApplicationCalc::SelectSensorType(std::uint8_t code)
{
    const int item = ComboIndexOfType(listing_, code);
    if (item < 0)
        return;
    SelectSensorItem(item);
    Recalculate();
}

void tApplicationCalc::UserSensorItem(int item)
{
    followPreferred_ = true;
    SelectSensorItem(item);
    Recalculate();
}

tSoundPathDefaults tApplicationCalc::Defaults() const
{
    tSoundPathDefaults d;
    if (path_.HasSensor())
        DefaultSoundPaths(FrequencyClassOfSelected(path_.Sensor()), d, inner_);
    return d;
}

// Count and mode without a recalculation; the count stays within the spin edit's 1..8.
void tApplicationCalc::ApplySoundPaths(int n)
{
    soundPaths_ = std::clamp(n, 1, MaxSoundPaths);
    beam_ = soundPaths_ % 2 == 1 ? tBeamMode::Direct : tBeamMode::Reflex;
}

void tApplicationCalc::SetSoundPaths(int n)
{
    if (n == 0) {
        mode_ = tPathCountMode::Auto;
        return;
    }
    ApplySoundPaths(n);
    Recalculate();
}

void tApplicationCalc::UserSoundPaths(int n)
{
    ApplySoundPaths(n);
    Recalculate();
}

void tApplicationCalc::AutoSoundPaths()
{
    if (mode_ != tPathCountMode::Auto)
        return;
    const tSoundPathDefaults d = Defaults();
    if (followPreferred_)
        beam_ = d.Preferred == 1 ? tBeamMode::Reflex : tBeamMode::Direct;
    ApplySoundPaths(beam_ == tBeamMode::Reflex ? d.Reflex : d.Direct);
    if (beam_ != tBeamMode::Reflex)
        return;
    // Heads that would overlap: more traverses move them apart.
    tAcousticPath probe = path_;
    while (soundPaths_ < MaxSoundPaths) {
        probe.Input.SoundPaths = soundPaths_;
        const tPathResult s = probe.SpacingForValue(probe.MediumSoundSpeed());
        if (!s.IsValid() || s.Value >= 0.0)
            break;
        ApplySoundPaths(soundPaths_ + 2);
    }
}

void tApplicationCalc::UserPathCountMode(tPathCountMode mode)
{
    followPreferred_ = true;
    mode_ = mode;
    if (mode == tPathCountMode::Auto) {
        AutoSoundPaths();
        Recalculate();
    }
}

void tApplicationCalc::UserBeamMode(tBeamMode mode)
{
    followPreferred_ = false;
    const tSoundPathDefaults d = Defaults();
    SetSoundPaths(mode == tBeamMode::Direct ? d.Direct : d.Reflex);
}

// ---- Fixed spacing

void tApplicationCalc::UserSpacingFixed(bool fixed)
{
    spacingFixed_ = fixed;
    const tPathResult s = path_.SpacingForValue(path_.MediumSoundSpeed());
    fixedSpacing_ = s.IsValid() ? s.Value : 0.0;
    Recalculate();
}

double tApplicationCalc::FixedSpacingToEdit()
{
    if (!fixedHeld_) {
        const tPathResult s = path_.SpacingForValue(path_.MediumSoundSpeed());
        fixedSpacing_ = s.IsValid() ? s.Value : 0.0;
    }
    return fixedSpacing_;
}

void tApplicationCalc::UserFixedSpacing(double mm)
{
    spacingFixed_ = true;
    fixedSpacing_ = mm;
    fixedHeld_ = true;
    Recalculate();
}

// ---- Recommendation and test pipes

std::uint8_t tApplicationCalc::RecommendedSensorType() const
{
    return RecommendSensorType(static_cast<std::uint16_t>(GetWallMaterialCode()),
                               listing_.OfferedTypes, inner_, temperature_);
}

void tApplicationCalc::AssignRecommended()
{
    SelectSensorType(RecommendedSensorType());
}

void tApplicationCalc::UpdateRecommendation()
{
    tRecommendationView& r = view_.Recommendation;
    r.Recommended = RecommendedSensorType();
    if (r.Recommended == 0) {
        r = {0, T("SORRY, NO TRANSDUCER"), T("SORRY, NO TRANSDUCER\rTO SOLVE THIS PROBLEM"), false};
    } else if (r.Recommended == GetSensorTypeCode()) {
        r = {r.Recommended, T("This is the recommended transd."),
             T("Selected transducer is the recommended transducer"), false};
    } else {
        r = {r.Recommended, T("Assign recommended transducer"), QString(), true};
    }
}

void tApplicationCalc::SelectTestPipe(int index)
{
    if (index < 0 || index >= static_cast<int>(TestPipes.size()))
        return;
    const tTestPipe& pipe = TestPipes[static_cast<std::size_t>(index)];
    SetOuterDiameter(pipe.OuterDiameter);
    SetWallThickness(pipe.WallThickness);
    SetLiningThickness(0.0);
    SelectWallMaterial(pipe.WallMaterial);
    SelectMedium(TestMediumCode);
}

// The last test pipe the dialog's model values match within TestPipeTolerance.
void tApplicationCalc::SyncTestPipe()
{
    view_.TestPipe = -1;
    if (GetLiningThickness() != 0.0 || GetMediumCode() != TestMediumCode)
        return;
    for (std::size_t i = 0; i < TestPipes.size(); ++i) {
        const tTestPipe& pipe = TestPipes[i];
        if (std::fabs(pipe.OuterDiameter - outer_) <= TestPipeTolerance
            && std::fabs(pipe.WallThickness - wall_) <= TestPipeTolerance
            && pipe.WallMaterial == GetWallMaterialCode())
            view_.TestPipe = static_cast<int>(i);
    }
}

void tApplicationCalc::UpdateTemperatureColour()
{
    view_.TemperatureColour = tTemperatureColour::Normal;
    if (!path_.HasSensor())
        return;
    const tSensorRange& range = path_.Sensor().Temp;
    if (temperature_ > range.bis)
        view_.TemperatureColour = tTemperatureColour::TooHot;
    else if (temperature_ < range.von)
        view_.TemperatureColour = tTemperatureColour::TooCold;
}

// ---- Recalculation

tPathInput tApplicationCalc::PathInput() const
{
    tPathInput in;
    in.SoundPaths = soundPaths_;
    in.InnerDiameter = inner_;
    in.WallThickness = wall_;
    in.LiningThickness = GetLiningThickness();
    in.MediumTemperature = temperature_;
    in.Pressure = pressure_;
    in.WallMaterial = static_cast<std::uint16_t>(GetWallMaterialCode());
    in.LiningMaterial = static_cast<std::uint16_t>(GetLiningMaterialCode());
    in.Medium = static_cast<std::uint16_t>(GetMediumCode());
    in.WallSpeed = current_[BETA];
    in.LiningSpeed = current_[BETA2];
    in.MediumSpeed = current_[GAMMA];
    in.Viscosity = viscosity_;
    return in;
}

// A layer the beam must cross whose sound speed is not known.
bool tApplicationCalc::MissingSoundSpeed() const
{
    const bool crossed[] = {false, wall_ > 0.0, GetLiningThickness() > 0.0, inner_ > 0.0};
    for (tQuadrantId id : {BETA, BETA2, GAMMA}) {
        if (crossed[id] && !IsUsableSpeed(path_.Quadrant(id).c))
            return true;
    }
    return false;
}

void tApplicationCalc::Recalculate()
{
    if (!calcEnabled_)
        return;
    RunPathSteps();
    UpdateRecommendation();
    if (!path_.IsValidPipe())
        return;
    UpdateTemperatureColour();
    SyncTestPipe();
}

bool tApplicationCalc::RecomputePath()
{
    const tPathStatus status = path_.ComputeSoundPath();
    if (status == tPathStatus::MissingValue) {
        view_.Spacing = T(TextNeedValues);
        return false;
    }
    if (status == tPathStatus::ArithmeticFault
        || path_.ComputeCaptureWindow() != tPathStatus::Valid) {
        view_.Spacing = T(TextFault);
        return false;
    }
    if (status == tPathStatus::TotalReflection) {
        view_.Spacing = T(TextTotalReflexion);
        return false;
    }
    return true;
}

void tApplicationCalc::RunPathSteps()
{
    resultsValid_ = false;
    view_.SpacingRed = false;
    // Results that are not valid show no numbers of an earlier state.
    view_.FreeLength.clear();
    view_.SpacingNumber.clear();
    view_.FixedNumber.clear();
    view_.FreeNumber.clear();
    path_.Input = PathInput();
    path_.LoadQuadrantProperties();
    if (std::isfinite(path_.MediumViscosity()))
        viscosity_ = path_.MediumViscosity();
    const bool validPipe = path_.IsValidPipe();
    view_.SmallPipe = validPipe && path_.IsLambdaSmallPipe();
    if (!validPipe) {
        view_.Spacing = T(TextInvalidPipe);
        return;
    }
    if (MissingSoundSpeed()) {
        view_.Spacing = T(TextNeedValues);
        return;
    }
    if (!RecomputePath())
        return;
    calcEnabled_ = false;
    AutoSoundPaths();
    calcEnabled_ = true;
    if (soundPaths_ != path_.Input.SoundPaths) {
        path_.Input.SoundPaths = soundPaths_;
        if (!RecomputePath())
            return;
    }
    const tPathResult s = path_.SpacingForValue(path_.MediumSoundSpeed());
    if (!s.IsValid()) {
        view_.Spacing = T(TextFault);
        return;
    }
    ShowSpacing(s.Value);
    resultsValid_ = true;
    UpdateTimeGroup();
}

void tApplicationCalc::ShowSpacing(double s)
{
    const double f = LengthFactor();
    const int d = LengthDigits();
    const QString unit = LengthUnitName();
    view_.SpacingNumber = Format(QStringLiteral("%.*f"), {d, s * f});
    view_.FixedNumber =
        spacingFixed_ ? Format(QStringLiteral("%.*f"), {d, fixedSpacing_ * f}) : QString();
    view_.Spacing = Format(QStringLiteral("T= %.*f %s"), {d, s * f, unit});
    view_.SpacingRed = soundPaths_ % 2 == 0 && s < 0.0;
    freeLength_ = (spacingFixed_ ? fixedSpacing_ : s) + 2.0 * path_.Sensor().SlenBau;
    const int d1 = std::max(0, d - 1);
    view_.FreeNumber = Format(QStringLiteral("%.*f"), {d1, freeLength_ * f});
    if (d - 1 <= 0)
        view_.FreeNumber += QStringLiteral("  ");
    view_.FreeLength = T("Zur Montage benötigte freie Rohrlänge")
        + Format(QStringLiteral(" = %.*f %s"), {d1, freeLength_ * f, unit});
}

// ---- Time group

void tApplicationCalc::SetVelocity(double mmPerS)
{
    velocity_ = mmPerS;
    Recalculate();
}

void tApplicationCalc::SetVelocityUnit(int index)
{
    if (index < 0 || index >= static_cast<int>(VelocityUnits.size()))
        return;
    velocityUnit_ = index;
    Recalculate();
}

void tApplicationCalc::SetTimeUnit(int index)
{
    if (index < 0 || index >= static_cast<int>(TimeUnits.size()))
        return;
    timeUnit_ = index;
    Recalculate();
}

void tApplicationCalc::SetProfileCorrected(bool on)
{
    profileCorrected_ = on;
    Recalculate();
}

// The flow the meter sees, and the transit-time difference it causes. A failed flow-profile
// calculation or a viscosity that is not positive gives no time difference.
void tApplicationCalc::UpdateTimeGroup()
{
    tTimeGroupView& t = view_.Time;
    t.ViscosityEnabled = GetMediumCode() == OtherMediumCode && profileCorrected_;
    t.RoughnessEnabled = profileCorrected_;
    const tQlvMeTabsItem& unit = VelocityUnits[static_cast<std::size_t>(velocityUnit_)];
    double raw = velocity_;
    if (profileCorrected_) {
        double k = 0.0;
        double re = 0.0;
        const bool failed = !(viscosity_ > 0.0) || !ProfileSolver
            || ProfileSolver(k, re, raw, velocity_, inner_ * 10.0, viscosity_, roughness_ * 10.0,
                             ReynoldsLam, ReynoldsTurb);
        if (failed) {
            t.UncorrectedFlow = QString::fromUtf8(TextIterationFail);
            t.TimeValid = false;
            return;
        }
    }
    t.UncorrectedFlow = Format(QStringLiteral("%.2f %s"), {raw * unit.Factor, unit.Name});
    const tPathResult dt = path_.TransitTimeDifference(raw);
    t.TimeValid = dt.IsValid();
    timeDifference_ = dt.IsValid() ? dt.Value : 0.0;
    const tMeUnitRec& time = TimeUnits[static_cast<std::size_t>(timeUnit_)];
    t.TimeOffset = timeDifference_ * time.Factor;
    t.TimeDigits = UnitDigits(time);
}
