#pragma once
// One layer of the acoustic path and the outcome of a path calculation. Lengths in mm,
// sound speeds in m/s, transit times in ns, temperatures in °C, angles in radians.

enum tQuadrantId : int {
    ALPHA = 0,  // transducer wedge
    BETA = 1,   // pipe wall
    BETA2 = 2,  // lining
    GAMMA = 3   // medium
};
constexpr int QuadrantCount = 4;

struct tQuadrant {
    double angle = 0.0;   // beam angle against the pipe normal
    double sin = 0.0;
    double cos = 0.0;
    double c = 0.0;       // sound speed at the layer's temperature
    double Lachs = 0.0;   // path component along the pipe axis
    double Lpfad = 0.0;   // true path length in the layer
    double tlauf = 0.0;   // transit time, one pass
    double Temper = 0.0;  // layer temperature
    double Dicke = 0.0;   // thickness; the edge offset in ALPHA, the inner diameter in GAMMA
};

// How a path calculation ended. Only Valid carries usable results.
enum class tPathStatus {
    Valid,
    InvalidPipe,      // inner diameter of 0.001 mm or less, or a negative wall or lining
    TotalReflection,  // the beam does not pass a layer
    MissingValue,     // a layer of positive thickness has no usable sound speed
    ArithmeticFault   // a value that is not finite, or a zero divisor
};

struct tPathResult {
    tPathStatus Status = tPathStatus::Valid;
    double Value = 0.0;
    bool IsValid() const { return Status == tPathStatus::Valid; }
};

// True when the layer has a thickness and its sound speed is at least the Snell invariant.
bool IsTotalReflection(const tQuadrant& q, double snellInvariant);
// A layer the beam does not reach: angle pi, sin 1, cos 0, no lengths or time; keeps c,
// Temper and Dicke.
void MarkQuadrantBlocked(tQuadrant& q);
// Snell's law with the invariant V = c_wedge / sin(incidence). A layer without thickness
// contributes nothing (sin 0, cos 1, angle kept).
void RefractQuadrant(tQuadrant& q, double snellInvariant);
