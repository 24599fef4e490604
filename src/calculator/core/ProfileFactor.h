#pragma once
// Reynolds number and flow-profile calibration factor.
//
// A transit-time meter sees the velocity averaged along its sound path, which differs from
// the mean velocity over the cross-section by the flow profile. The calibration factor K
// relates the two (uncorrected velocity = true velocity / K); it comes from a laminar /
// turbulent profile model blended between two Reynolds limits R*lam and R*turb.
//
// Units: velocity mm/s, inner diameter D and roughness k in 0.1 mm, kinematic viscosity
// mm²/s.
//
// Every routine here is total: it never hangs and never returns a non-finite factor as a
// valid one. A failed calculation is NaN (factor functions) or the failure flag
// (SolveProfileCorrection).

// The flowmeter firmware's Reynolds limits.
inline constexpr double FirmwareReynoldsLam = 1000.0;
inline constexpr double FirmwareReynoldsTurb = 6000.0;
// The fixed threshold below which the main window calls the flow laminar.
inline constexpr double LaminarReynoldsThreshold = 2320.0;

// Re = |v| * D * 0.1 / nu (not finite when nu is 0).
double ReynoldsNumber(double velocity, double innerDiameter, double kinViscosity);

// The turbulent profile factor at Reynolds number Re for the relative roughness k/D, by a
// fixed-point iteration. NaN when the iteration does not converge within its round limit,
// meets a non-finite value, or ends with K <= 0 or K > 1.
double TurbulentProfileFactor(double reynolds, double relativeRoughness);

// The profile factor for velocity v; reynolds receives Re of v. K = 0.75 up to R*lam, the
// turbulent factor from R*turb on, a straight blend in between. NaN on failure (see
// TurbulentProfileFactor; also a diameter of 0 or a non-finite input).
double ProfileCalFactor(double& reynolds, double velocity, double innerDiameter, double kinViscosity,
                        double roughness, double reynoldsLam, double reynoldsTurb);

// Solves v_raw * K(v_raw) = v for the measuring point. Returns true when the calculation
// failed: a viscosity of 0, no convergence within 200 rounds, any non-finite intermediate
// or a factor K <= 0 or K > 1. reynolds receives Re of the true velocity whenever that is finite;
// factor and rawVelocity are written only on success and keep their values otherwise.
bool SolveProfileCorrection(double& factor, double& reynolds, double& rawVelocity, double velocity,
                            double innerDiameter, double kinViscosity, double roughness,
                            double reynoldsLam, double reynoldsTurb);
