#include "transducer/AcousticPath.h"

#include "reference/QlvTabels.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double DegToRad = std::numbers::pi / 180.0;
constexpr double NsPerMmAtMps = 1.0e6;  // mm / (m/s) in ns

bool IsUsableSpeed(double c) { return std::isfinite(c) && c > 0.0; }

bool IsFinite(const tQuadrant& q)
{
    return std::isfinite(q.angle) && std::isfinite(q.sin) && std::isfinite(q.cos)
        && std::isfinite(q.c) && std::isfinite(q.Lachs) && std::isfinite(q.Lpfad)
        && std::isfinite(q.tlauf);
}

// Evaluates a sound speed; ok is false when the evaluation faulted.
double EvalSpeed(const tCoeffSet& set, double T, double p, bool& ok)
{
    bool evaluated = true;
    const double value = EvalProperty(set, T, p, &evaluated);
    ok = evaluated && std::isfinite(value);
    return value;
}

// A constant coefficient set of a value the user typed; a value that is not finite counts
// as none given.
tCoeffSet ConstantSet(double value)
{
    return MakeCoeffSet(1, {std::isfinite(value) ? value : 0.0});
}

}  // namespace

bool IsTotalReflection(const tQuadrant& q, double snellInvariant)
{
    return q.Dicke > 0.0 && q.c / snellInvariant >= 1.0;
}

void MarkQuadrantBlocked(tQuadrant& q)
{
    q.angle = std::numbers::pi;
    q.sin = 1.0;
    q.cos = 0.0;
    q.Lachs = 0.0;
    q.Lpfad = 0.0;
    q.tlauf = 0.0;
}

void RefractQuadrant(tQuadrant& q, double snellInvariant)
{
    if (q.Dicke == 0.0) {
        q.sin = 0.0;
        q.cos = 1.0;
        q.Lachs = 0.0;
        q.Lpfad = 0.0;
        q.tlauf = 0.0;
        return;
    }
    q.sin = q.c / snellInvariant;
    q.angle = std::asin(q.sin);
    q.cos = std::sqrt(1.0 - q.sin * q.sin);
    q.Lachs = q.Dicke * q.sin / q.cos;
    q.Lpfad = q.Dicke / q.cos;
    q.tlauf = NsPerMmAtMps * q.Lpfad / q.c;
}

void tAcousticPath::SelectSensor(const tSensorDatenTableItem& entry)
{
    sensor_ = entry;
    hasSensor_ = true;
}

void tAcousticPath::ClearSensor()
{
    sensor_ = tSensorDatenTableItem{};
    hasSensor_ = false;
}

void tAcousticPath::LoadQuadrantProperties()
{
    // Wedge: the library material, else the mean of the two catalogue speeds.
    if (!hasSensor_ || !GetMaterialSoundSpeed(sensor_.MaterDESC, WaveLongitudinal, wedgeSet_))
        wedgeSet_ = ConstantSet((sensor_.WedgeC1 + sensor_.WedgeC2) / 2.0);

    // Snell invariant: the wedge polynomial divided by sin(incidence), term by term.
    invariantSet_ = tCoeffSet{};
    invariantSet_.FormulaType = 1;
    const double sinIncidence = std::sin(sensor_.EinstrahlWinkel * DegToRad);
    if (std::isfinite(sinIncidence) && sinIncidence > 0.0) {
        for (int k = 0; k < 5; ++k) {
            const long double coefficient = wedgeSet_.Coeff(k) / sinIncidence;
            invariantSet_.SetCoeff(k, std::isfinite(coefficient) ? coefficient : 0.0L);
        }
    }

    if (!GetMaterialSoundSpeed(Input.WallMaterial, WaveDefault, wallSet_))
        wallSet_ = ConstantSet(Input.WallSpeed);
    if (!GetMaterialSoundSpeed(Input.LiningMaterial, WaveDefault, liningSet_))
        liningSet_ = ConstantSet(Input.LiningSpeed);

    tMediumRec medium;
    if (GetMedium(Input.Medium, medium)) {
        mediumSet_ = medium.SoundSpeed;
        viscositySet_ = medium.KinViscosity;
    } else {
        mediumSet_ = ConstantSet(Input.MediumSpeed);
        viscositySet_ = ConstantSet(Input.Viscosity);
    }

    pressure_ = Input.Pressure == 0.0 ? 1.0 : Input.Pressure;
    UpdateQuadrantMedia();
}

void tAcousticPath::UpdateQuadrantMedia()
{
    const double T = Input.MediumTemperature;
    tQuadrant& alpha = quadrants_[ALPHA];
    tQuadrant& beta = quadrants_[BETA];
    tQuadrant& beta2 = quadrants_[BETA2];
    tQuadrant& gamma = quadrants_[GAMMA];

    // The wedge sits outside and follows the medium less than the wall does.
    alpha.Temper = (T - 20.0) * 0.75 + 20.0;
    beta.Temper = (T - 20.0) * 0.99 + 20.0;
    beta2.Temper = beta.Temper;
    gamma.Temper = T;

    snellInvariant_ = EvalSpeed(invariantSet_, alpha.Temper, 0.0, invariantEvaluated_);
    bool viscosityOk = true;
    mediumViscosity_ = EvalProperty(viscositySet_, gamma.Temper, pressure_, &viscosityOk);

    alpha.sin = std::sin(sensor_.EinstrahlWinkel * DegToRad);
    alpha.angle = std::asin(alpha.sin);
    alpha.cos = std::cos(alpha.angle);
    alpha.Dicke = sensor_.Kantenoffs;
    alpha.Lpfad = sensor_.Schallweg;
    bool ok = false;
    alpha.c = EvalSpeed(wedgeSet_, alpha.Temper, 0.0, ok);
    evaluated_[ALPHA] = ok;

    beta.Dicke = Input.WallThickness;
    beta.c = EvalSpeed(wallSet_, beta.Temper, 0.0, ok);
    evaluated_[BETA] = ok;

    beta2.Dicke = Input.LiningThickness;
    beta2.c = EvalSpeed(liningSet_, beta2.Temper, 0.0, ok);
    evaluated_[BETA2] = ok;

    gamma.Dicke = Input.InnerDiameter < 0.0 ? 0.0 : Input.InnerDiameter;
    gamma.c = EvalSpeed(mediumSet_, gamma.Temper, pressure_, ok);
    evaluated_[GAMMA] = ok;
    mediumSoundSpeed_ = gamma.c;
}

bool tAcousticPath::IsTotalReflection(tQuadrantId id) const
{
    return ::IsTotalReflection(quadrants_[id], snellInvariant_);
}

void tAcousticPath::MarkQuadrantBlocked(tQuadrantId id)
{
    ::MarkQuadrantBlocked(quadrants_[id]);
}

void tAcousticPath::RefractQuadrant(tQuadrantId id, double snellInvariant)
{
    ::RefractQuadrant(quadrants_[id], snellInvariant);
}

void tAcousticPath::UpdateTotalReflectionFlag()
{
    totalReflection_ = IsTotalReflection(ALPHA) || IsTotalReflection(BETA)
        || IsTotalReflection(BETA2) || IsTotalReflection(GAMMA);
}

// Every layer the beam crosses needs a positive, finite sound speed; the wedge always.
tPathStatus tAcousticPath::CheckLayerValues() const
{
    if (!hasSensor_)
        return tPathStatus::MissingValue;
    // A negative layer would give paths of negative length.
    if (Input.WallThickness < 0.0 || Input.LiningThickness < 0.0)
        return tPathStatus::InvalidPipe;
    for (int id = ALPHA; id < QuadrantCount; ++id) {
        const tQuadrant& q = quadrants_[static_cast<std::size_t>(id)];
        if (id != ALPHA && !(q.Dicke > 0.0))
            continue;
        if (!evaluated_[static_cast<std::size_t>(id)])
            return tPathStatus::ArithmeticFault;
        if (!IsUsableSpeed(q.c))
            return tPathStatus::MissingValue;
    }
    if (!invariantEvaluated_ || !IsUsableSpeed(snellInvariant_))
        return tPathStatus::ArithmeticFault;
    return tPathStatus::Valid;
}

void tAcousticPath::ClearPath()
{
    for (tQuadrant& q : quadrants_) {
        q.Lachs = 0.0;
        q.tlauf = 0.0;
    }
    for (int id = BETA; id < QuadrantCount; ++id)
        quadrants_[static_cast<std::size_t>(id)].Lpfad = 0.0;
    totalReflection_ = false;
    axialLength_ = 0.0;
    spacing_ = 0.0;
}

tPathStatus tAcousticPath::ComputeSoundPath()
{
    pathStatus_ = ComputeSoundPathSteps();
    return pathStatus_;
}

tPathStatus tAcousticPath::ComputeSoundPathSteps()
{
    const tPathStatus values = CheckLayerValues();
    if (values != tPathStatus::Valid) {
        ClearPath();
        return values;
    }
    UpdateTotalReflectionFlag();

    tQuadrant& alpha = quadrants_[ALPHA];
    // The wedge path's component along the pipe axis.
    alpha.Lachs = alpha.Lpfad * alpha.sin;
    alpha.tlauf = NsPerMmAtMps * alpha.Lpfad / alpha.c;

    const double V = snellInvariant_;
    const bool wallBlocks = IsTotalReflection(BETA);
    const bool liningBlocks = wallBlocks || IsTotalReflection(BETA2);
    const bool mediumBlocks = liningBlocks || IsTotalReflection(GAMMA);
    if (wallBlocks)
        MarkQuadrantBlocked(BETA);
    else
        RefractQuadrant(BETA, V);
    if (liningBlocks)
        MarkQuadrantBlocked(BETA2);
    else
        RefractQuadrant(BETA2, V);
    if (mediumBlocks)
        MarkQuadrantBlocked(GAMMA);
    else
        RefractQuadrant(GAMMA, V);

    const tQuadrant& beta = quadrants_[BETA];
    const tQuadrant& beta2 = quadrants_[BETA2];
    const tQuadrant& gamma = quadrants_[GAMMA];
    axialLength_ = Input.SoundPaths * gamma.Lachs + 2.0 * (alpha.Lachs + beta.Lachs + beta2.Lachs);
    spacing_ = axialLength_ - 2.0 * (alpha.Dicke + alpha.Lachs);

    for (const tQuadrant& q : quadrants_) {
        if (!IsFinite(q)) {
            ClearPath();
            return tPathStatus::ArithmeticFault;
        }
    }
    if (!std::isfinite(axialLength_) || !std::isfinite(spacing_)) {
        ClearPath();
        return tPathStatus::ArithmeticFault;
    }
    return totalReflection_ ? tPathStatus::TotalReflection : tPathStatus::Valid;
}

tPathResult tAcousticPath::SpacingForValue(double c) const
{
    if (!hasSensor_)
        return {tPathStatus::MissingValue, 0.0};
    // Wall and lining results of a failed or blocked path are no geometry to build on; a
    // medium that reflects leaves them usable for other sound speeds.
    if (pathStatus_ != tPathStatus::Valid && !(pathStatus_ == tPathStatus::TotalReflection && !WallOrLiningBlocked()))
        return {pathStatus_, 0.0};
    if (!IsUsableSpeed(snellInvariant_))
        return {tPathStatus::ArithmeticFault, 0.0};
    if (!IsUsableSpeed(c))
        return {tPathStatus::MissingValue, 0.0};
    const double ratio = c / snellInvariant_;
    if (ratio >= 1.0)
        return {tPathStatus::TotalReflection, 0.0};

    const tQuadrant& alpha = quadrants_[ALPHA];
    const double layers = alpha.Lachs + quadrants_[BETA].Lachs + quadrants_[BETA2].Lachs;
    const double spacing = Input.SoundPaths * Input.InnerDiameter * std::tan(std::asin(ratio))
        + 2.0 * layers - 2.0 * (sensor_.Kantenoffs + alpha.Lachs);
    if (!std::isfinite(spacing))
        return {tPathStatus::ArithmeticFault, 0.0};
    return {tPathStatus::Valid, spacing};
}

double tAcousticPath::SumTransitTime() const
{
    return Input.SoundPaths * quadrants_[GAMMA].tlauf
        + 2.0 * (quadrants_[ALPHA].tlauf + quadrants_[BETA].tlauf + quadrants_[BETA2].tlauf);
}

tPathStatus tAcousticPath::ComputeCaptureWindow()
{
    const int n = Input.SoundPaths;
    if (n < 1)
        return tPathStatus::Valid;
    int window = n <= 4 ? 40 : 20;
    const double total = SumTransitTime();
    const double medium = quadrants_[GAMMA].tlauf;
    if (!std::isfinite(total))
        return tPathStatus::ArithmeticFault;
    // The window must not reach past one transit of the medium.
    if (window * total / 100.0 > medium) {
        if (!(total > 0.0))
            return tPathStatus::ArithmeticFault;
        const double cut = std::nearbyint(90.0 * medium / total);
        if (!(cut >= 0.0 && cut <= 100.0))
            return tPathStatus::ArithmeticFault;
        window = static_cast<int>(cut);
        if (window == 0)
            window = 1;
    }
    captureWindow_ = window;
    totalTransitTime_ = total;
    return tPathStatus::Valid;
}

bool tAcousticPath::IsLambdaSmallPipe() const
{
    if (!hasSensor_ || sensor_.MainFreqKHZ == 0)
        return false;
    const double f = sensor_.MainFreqKHZ;
    const double lambdaMedium = quadrants_[GAMMA].c / f;  // [mm]
    const double lambdaWall = quadrants_[BETA].c / f;
    if (!IsUsableSpeed(lambdaMedium) || !IsUsableSpeed(lambdaWall))
        return false;
    const double mediumRatio = Input.InnerDiameter / lambdaMedium;
    const double wallRatio = Input.WallThickness / lambdaWall;
    if (!std::isfinite(mediumRatio) || !std::isfinite(wallRatio))
        return false;
    return mediumRatio < 40.0 && wallRatio < 4.0;
}

tPathResult tAcousticPath::TransitTimeDifference(double velocity) const
{
    if (pathStatus_ != tPathStatus::Valid)
        return {pathStatus_, 0.0};
    if (!IsUsableSpeed(snellInvariant_))
        return {tPathStatus::ArithmeticFault, 0.0};
    const double dt =
        2.0 * Input.SoundPaths * quadrants_[GAMMA].tlauf * velocity * 0.001 / snellInvariant_;
    if (!std::isfinite(dt))
        return {tPathStatus::ArithmeticFault, 0.0};
    return {tPathStatus::Valid, dt};
}

bool tAcousticPath::IsValidPipe() const
{
    return Input.InnerDiameter > 0.001 && !(Input.WallThickness < 0.0) && !(Input.LiningThickness < 0.0);
}

bool tAcousticPath::WallOrLiningBlocked() const
{
    return IsTotalReflection(BETA) || IsTotalReflection(BETA2);
}

tPathResult tAcousticPath::Recalculate()
{
    LoadQuadrantProperties();
    if (!IsValidPipe()) {
        ClearPath();
        pathStatus_ = tPathStatus::InvalidPipe;
        return {pathStatus_, 0.0};
    }
    const tPathStatus path = ComputeSoundPath();
    if (path == tPathStatus::MissingValue || path == tPathStatus::ArithmeticFault)
        return {path, 0.0};
    const tPathStatus window = ComputeCaptureWindow();
    if (window != tPathStatus::Valid)
        return {window, 0.0};
    if (path == tPathStatus::TotalReflection)
        return {path, 0.0};
    return SpacingForValue(mediumSoundSpeed_);
}
