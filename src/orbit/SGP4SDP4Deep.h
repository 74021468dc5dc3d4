// Deep-space part of SDP4: lunar-solar secular rates and periodics and the
// geopotential resonance integrator (report's DPINIT, DPSEC, DPPER).
#pragma once

#include <iosfwd>

#include "SGP4SDP4.h"

namespace kelvora {

// Lunar and solar terms for one epoch day; kept across initialisations so an
// unchanged epoch does not redo the lunar set-up.
struct TLunarSolarDay {
    double Day = 0.0;  // days since 1900 Jan 0.5 of the cached set-up
    double ZCosGL = 0, ZSinGL = 0, ZCosIL = 0, ZSinIL = 0, ZCosHL = 0, ZSinHL = 0;
    double ZMoL = 0, ZMoS = 0;
};

// Periodic coefficients of one body (sun or moon).
struct TPeriodicCoefs {
    double E2 = 0, E3 = 0, I2 = 0, I3 = 0, L2 = 0, L3 = 0, L4 = 0;
    double Gh2 = 0, Gh3 = 0, Gh4 = 0, H2 = 0, H3 = 0;
};

enum class TResonance { None, Synchronous, HalfDay };

struct TDeepSpaceState {
    // epoch quantities
    double Eq = 0, Nq = 0, AqNv = 0, Iq = 0, SinIq = 0, CosIq = 0;
    double M0 = 0, Node0 = 0, Omega0 = 0, SinQ = 0, CosQ = 0, ThetaG = 0;
    TLunarSolarDay Lunar;
    // secular rates
    double SsE = 0, SsI = 0, SsL = 0, SsH = 0, SsG = 0;
    TPeriodicCoefs Sun, Moon;
    // resonance
    TResonance Resonance = TResonance::None;
    double Del1 = 0, Del2 = 0, Del3 = 0;
    double D2201 = 0, D2211 = 0, D3210 = 0, D3222 = 0, D4410 = 0, D4422 = 0;
    double D5220 = 0, D5232 = 0, D5421 = 0, D5433 = 0;
    double OmegaDot = 0;  // for the half-day argument of perigee
    double XLamo = 0, XFact = 0;
    // integrator
    double ATime = 0, XLi = 0, XNi = 0;
    double XnDot = 0, XnDdt = 0, XlDot = 0;
    // periodics cache
    double SavTsn = 1e20;
    double Pe = 0, PInc = 0, Pl = 0, Pgh = 0, Ph = 0;
};

// Deep-space initialisation after the common model initialisation.
void DeepInit(const TElementSet& el, const TNearEarthState& ne, int centuryBase, TDeepSpaceState& ds);

// Which resonance a deep-space orbit integrates, from n'' (rad/min) and e.
TResonance ResonanceWindow(double nq, double eq);

// Resonance coefficients, run by DeepInit inside the matching window.
void InitSynchronous(const TNearEarthState& ne, TDeepSpaceState& ds);
void InitHalfDay(const TNearEarthState& ne, TDeepSpaceState& ds);

// Secular effects and resonance: updates mean anomaly, argument of perigee,
// node, eccentricity, inclination and mean motion in place.
struct TDeepMeans {
    double M = 0, Omega = 0, Node = 0, E = 0, Incl = 0, N = 0;
};
void DeepSecular(TDeepSpaceState& ds, double t, TDeepMeans& m);

// Lunar-solar periodics, applied in place to e, i, omega, node and M.
void DeepPeriodics(TDeepSpaceState& ds, double t, TDeepMeans& m);

TStateVector Sdp4(TModelElements& el, TNearEarthState& ne, TDeepSpaceState& ds, int centuryBase, double t,
                  std::ostream* diagnostics = nullptr);

}  // namespace kelvora
