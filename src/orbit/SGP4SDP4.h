// SGP4 (near-earth) and SDP4 (deep-space) models of Spacetrack Report No. 3,
// in earth radii and minutes. The names of intermediate quantities follow the
// report (C1, D2, ...).
#pragma once

#include <iosfwd>

#include "SGP_Init.h"
#include "SGP_Math.h"

namespace kelvora {

// WGS-72 constants, earth radius = 1 distance unit.
inline constexpr double kEarthRadiusKm = 6378.135;
// sqrt(1434962880 / 6378.135^3), earth radii^1.5 per minute.
inline constexpr double kKe = 0.07436691613317341;
inline constexpr double kK2 = 0.0005413079;
inline constexpr double kK2x1_5 = 0.00081196185;
inline constexpr double kK2x2 = 0.0010826158;
inline constexpr double kK2x3 = 0.0016239237;
inline constexpr double kK2x0_75 = 0.000405980925;
inline constexpr double kK4x1_25 = 7.762359375e-7;
inline constexpr double kA30OverK2 = 0.004690140306468832;
// ((120 - 78) / 6378.135)^4 and 1 + 78 / 6378.135.
inline constexpr double kQomsDefault = 1.8802791590152705e-9;
inline constexpr double kSDefault = 1.0122292801892716;
inline constexpr double kTwoThirds = 0.6666666666666666;
inline constexpr double kOneThird = 0.33333333333333333334;
inline constexpr double k134Over81 = 1.6543209876543209877;
// Perigee below 220 km runs the simplified drag model.
inline constexpr double kSimplePerigeeRadii = 1.0344928415594840811;

// Farthest a time may lie from the epoch, in minutes (200 years). The models
// mean nothing centuries away, and the deep-space integrator, stepping 720
// minutes at a time from the epoch, would take hours to get there.
inline constexpr double kMaxMinutesFromEpoch = 200.0 * 365.25 * 1440.0;

// A time the models are asked for: finite and within the span above.
inline bool IsPropagationTime(double minutesSinceEpoch) {
    return minutesSinceEpoch >= -kMaxMinutesFromEpoch && minutesSinceEpoch <= kMaxMinutesFromEpoch;
}

// Position (earth radii) and velocity (earth radii per minute). Valid is
// false when the elements cannot be propagated (mean motion <= 0,
// eccentricity outside [0, 1), a time that is not finite or lies farther from
// the epoch than kMaxMinutesFromEpoch) or the result is not finite.
struct TStateVector {
    TVector4 Position;
    TVector4 Velocity;
    bool Valid = true;
};

// Initialisation values, shared by both models for the common part.
struct TNearEarthState {
    double AoDp = 0, NoDp = 0;  // a'' and n''
    double CosI = 0, SinI = 0, Theta2 = 0, Theta4 = 0;
    double X3Thm1 = 0, X1Mth2 = 0, X7Thm1 = 0;
    double Beta0 = 0, Beta0Sq = 0, E0Sq = 0;
    double SinOmega0 = 0, CosOmega0 = 0;
    double S = kSDefault, Qoms4 = kQomsDefault;
    double Xi = 0, Eta = 0, EtaSq = 0, EEta = 0, PsiSq = 0, Coef = 0, Coef1 = 0;
    double C1 = 0, C3 = 0, C4 = 0, C5 = 0;
    double MDot = 0, OmegaDot = 0, NodeDot = 0;
    double OmegaCof = 0, MCof = 0, NodeCof = 0, T2Cof = 0;
    double D2 = 0, D3 = 0, D4 = 0, T3Cof = 0, T4Cof = 0, T5Cof = 0;
    double LCof = 0, AyNCof = 0, DeltaM0 = 0, SinM0 = 0;
    int Simple = 0;
};

// s and (q0 - s)^4 for a perigee height in km.
struct TPerigeeTerms {
    double SStar = 78.0;  // km
    double S = kSDefault;
    double Qoms4 = kQomsDefault;
};
TPerigeeTerms PerigeeTerms(double perigeeKm);
bool IsSimpleModel(double aoDp, double e0);

// Elements that neither model can run with.
bool CanPropagate(const TElementSet& set);

// The part of the initialisation both models share (report's steps 1-2, 4-6,
// 8, 10-11 and the common coefficients).
void InitCommon(const TElementSet& el, TNearEarthState& ne, std::ostream* diagnostics);

// t = minutes since epoch. Runs the initialisation first when
// el.InitPending is set and clears it.
TStateVector Sgp4(TModelElements& el, TNearEarthState& ne, double t, std::ostream* diagnostics = nullptr);

// Shared final steps: long-period terms, Kepler, short-period terms and
// orientation, from a, e, L, omega, node, n and the (perturbed) inclination.
struct TSecularState {
    double A = 0, E = 0, L = 0, Omega = 0, Node = 0, Incl = 0;
};
TStateVector FinishPropagation(const TNearEarthState& ne, const TSecularState& sec, std::ostream* diagnostics);

}  // namespace kelvora
