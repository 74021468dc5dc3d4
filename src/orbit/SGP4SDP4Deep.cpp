#include "SGP4SDP4Deep.h"

#include <cmath>

#include "SGP_Time.h"

namespace kelvora {

namespace {

// Solar terms.
constexpr double kZCosGS = 0.1945905;
constexpr double kZSinGS = -0.98088458;
constexpr double kZCosIS = 0.91744867;
constexpr double kZSinIS = 0.39785416;
constexpr double kC1SS = 2.9864797e-6;
constexpr double kZNS = 1.19459e-5;
constexpr double kZES = 0.01675;
// Lunar terms.
constexpr double kZNL = 1.5835218e-4;
constexpr double kC1L = 4.7968065e-7;
constexpr double kZEL = 0.05490;
constexpr double kLowInclination = 5.2359877e-2;  // 3 degrees
// Below this sin(i) the node terms that divide by it are taken as zero.
constexpr double kMinSinI = 1.0e-12;

double OverSinI(double x, double sinI) { return std::fabs(sinI) < kMinSinI ? 0.0 : x / sinI; }

void SetUpLunarDay(double day, TLunarSolarDay& lu) {
    lu.Day = day;
    const double xnodce = 4.5236020 - 9.2422029e-4 * day;
    const double stem = std::sin(xnodce);
    const double ctem = std::cos(xnodce);
    lu.ZCosIL = 0.91375164 - 0.03568096 * ctem;
    lu.ZSinIL = std::sqrt(1.0 - lu.ZCosIL * lu.ZCosIL);
    lu.ZSinHL = 0.089683511 * stem / lu.ZSinIL;
    lu.ZCosHL = std::sqrt(1.0 - lu.ZSinHL * lu.ZSinHL);
    const double c = 4.7199672 + 0.22997150 * day;
    const double gam = 5.8351514 + 0.0019443680 * day;
    lu.ZMoL = ReduceAngle(c - gam);
    double zx = 0.39785416 * stem / lu.ZSinIL;
    const double zy = lu.ZCosHL * ctem + 0.91744867 * lu.ZSinHL * stem;
    zx = gam + QuadrantArcTan(zx, zy) - xnodce;
    lu.ZCosGL = std::cos(zx);
    lu.ZSinGL = std::sin(zx);
    lu.ZMoS = ReduceAngle(6.2565837 + 0.017201977 * day);
}

// Orientation of the perturbing body for one pass of the solar-lunar loop.
struct TBody {
    double ZCosG, ZSinG, ZCosI, ZSinI, ZCosH, ZSinH, Cc, Zn, Ze;
};

struct TPassResult {
    double Se = 0, Si = 0, Sl = 0, Sgh = 0, Sh = 0;
    TPeriodicCoefs Coefs;
};

TPassResult SolarLunarPass(const TBody& b, const TNearEarthState& ne, const TDeepSpaceState& ds) {
    const double eqsq = ne.E0Sq;
    const double a1 = b.ZCosG * b.ZCosH + b.ZSinG * b.ZCosI * b.ZSinH;
    const double a3 = -b.ZSinG * b.ZCosH + b.ZCosG * b.ZCosI * b.ZSinH;
    const double a7 = -b.ZCosG * b.ZSinH + b.ZSinG * b.ZCosI * b.ZCosH;
    const double a8 = b.ZSinG * b.ZSinI;
    const double a9 = b.ZSinG * b.ZSinH + b.ZCosG * b.ZCosI * b.ZCosH;
    const double a10 = b.ZCosG * b.ZSinI;
    const double a2 = ds.CosIq * a7 + ds.SinIq * a8;
    const double a4 = ds.CosIq * a9 + ds.SinIq * a10;
    const double a5 = -ds.SinIq * a7 + ds.CosIq * a8;
    const double a6 = -ds.SinIq * a9 + ds.CosIq * a10;
    const double so = ne.SinOmega0, co = ne.CosOmega0;
    const double x1 = a1 * co + a2 * so, x2 = a3 * co + a4 * so;
    const double x3 = -a1 * so + a2 * co, x4 = -a3 * so + a4 * co;
    const double x5 = a5 * so, x6 = a6 * so, x7 = a5 * co, x8 = a6 * co;
    const double z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
    const double z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
    const double z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
    double z1 = 3.0 * (a1 * a1 + a2 * a2) + z31 * eqsq;
    double z2 = 6.0 * (a1 * a3 + a2 * a4) + z32 * eqsq;
    double z3 = 3.0 * (a3 * a3 + a4 * a4) + z33 * eqsq;
    const double z11 = -6.0 * a1 * a5 + eqsq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
    const double z12 = -6.0 * (a1 * a6 + a3 * a5) + eqsq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
    const double z13 = -6.0 * a3 * a6 + eqsq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
    const double z21 = 6.0 * a2 * a5 + eqsq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
    const double z22 = 6.0 * (a4 * a5 + a2 * a6) + eqsq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
    const double z23 = 6.0 * a4 * a6 + eqsq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
    z1 = z1 + z1 + ne.Beta0Sq * z31;
    z2 = z2 + z2 + ne.Beta0Sq * z32;
    z3 = z3 + z3 + ne.Beta0Sq * z33;
    const double s3 = b.Cc / ds.Nq;
    const double s2 = -0.5 * s3 / ne.Beta0;
    const double s4 = s3 * ne.Beta0;
    const double s1 = -15.0 * ds.Eq * s4;
    const double s5 = x1 * x3 + x2 * x4;
    const double s6 = x2 * x3 + x1 * x4;
    const double s7 = x2 * x4 - x1 * x3;
    TPassResult r;
    r.Se = s1 * b.Zn * s5;
    r.Si = s2 * b.Zn * (z11 + z13);
    r.Sl = -b.Zn * s3 * (z1 + z3 - 14.0 - 6.0 * eqsq);
    r.Sgh = s4 * b.Zn * (z31 + z33 - 6.0);
    r.Sh = ds.Iq < kLowInclination ? 0.0 : -b.Zn * s2 * (z21 + z23);
    TPeriodicCoefs& c = r.Coefs;
    c.E2 = 2.0 * s1 * s6;
    c.E3 = 2.0 * s1 * s7;
    c.I2 = 2.0 * s2 * z12;
    c.I3 = 2.0 * s2 * (z13 - z11);
    c.L2 = -2.0 * s3 * z2;
    c.L3 = -2.0 * s3 * (z3 - z1);
    c.L4 = -2.0 * s3 * (-21.0 - 9.0 * eqsq) * b.Ze;
    c.Gh2 = 2.0 * s4 * z32;
    c.Gh3 = 2.0 * s4 * (z33 - z31);
    c.Gh4 = -18.0 * s4 * b.Ze;
    c.H2 = -2.0 * s2 * z22;
    c.H3 = -2.0 * s2 * (z23 - z21);
    return r;
}

void SolarLunarTerms(const TNearEarthState& ne, TDeepSpaceState& ds) {
    const TBody sun{kZCosGS, kZSinGS, kZCosIS, kZSinIS, ds.CosQ, ds.SinQ, kC1SS, kZNS, kZES};
    const TPassResult s = SolarLunarPass(sun, ne, ds);
    ds.SsE = s.Se;
    ds.SsI = s.Si;
    ds.SsL = s.Sl;
    ds.SsH = OverSinI(s.Sh, ds.SinIq);
    ds.SsG = s.Sgh - ds.CosIq * ds.SsH;
    ds.Sun = s.Coefs;

    const TLunarSolarDay& lu = ds.Lunar;
    const TBody moon{lu.ZCosGL,
                     lu.ZSinGL,
                     lu.ZCosIL,
                     lu.ZSinIL,
                     lu.ZCosHL * ds.CosQ + lu.ZSinHL * ds.SinQ,
                     ds.SinQ * lu.ZCosHL - ds.CosQ * lu.ZSinHL,
                     kC1L,
                     kZNL,
                     kZEL};
    const TPassResult m = SolarLunarPass(moon, ne, ds);
    ds.SsE += m.Se;
    ds.SsI += m.Si;
    ds.SsL += m.Sl;
    ds.SsG += m.Sgh - ds.CosIq * OverSinI(m.Sh, ds.SinIq);
    ds.SsH += OverSinI(m.Sh, ds.SinIq);
    ds.Moon = m.Coefs;
}

}  // namespace

TResonance ResonanceWindow(double nq, double eq) {
    if (nq < 0.0052359877 && nq > 0.0034906585) return TResonance::Synchronous;
    if (nq >= 8.26e-3 && nq <= 9.24e-3 && eq >= 0.5) return TResonance::HalfDay;
    return TResonance::None;
}

void DeepInit(const TElementSet& el, const TNearEarthState& ne, int centuryBase, TDeepSpaceState& ds) {
    const TSiderealAtEpoch st = SiderealTimeAtEpoch(el.Epoch, centuryBase);
    ds.ThetaG = st.angle;
    ds.Eq = el.Eccentricity;
    ds.Nq = ne.NoDp;
    ds.AqNv = 1.0 / ne.AoDp;
    ds.Iq = el.Inclination;
    ds.SinIq = ne.SinI;
    ds.CosIq = ne.CosI;
    ds.M0 = el.MeanAnomaly;
    ds.Node0 = el.Raan;
    ds.Omega0 = el.ArgPerigee;
    ds.SinQ = std::sin(el.Raan);
    ds.CosQ = std::cos(el.Raan);
    ds.OmegaDot = ne.OmegaDot;

    const double day = st.daysSince1950 + 18261.5;
    if (day != ds.Lunar.Day) SetUpLunarDay(day, ds.Lunar);
    ds.SavTsn = 1e20;
    ds.Pe = ds.PInc = ds.Pl = ds.Pgh = ds.Ph = 0.0;
    SolarLunarTerms(ne, ds);

    ds.Resonance = TResonance::None;
    ds.XLamo = 0.0;
    ds.XFact = 0.0;
    switch (ResonanceWindow(ds.Nq, ds.Eq)) {
        case TResonance::Synchronous:
            InitSynchronous(ne, ds);
            break;
        case TResonance::HalfDay:
            InitHalfDay(ne, ds);
            break;
        case TResonance::None:
            break;
    }
    ds.XLi = ds.XLamo;
    ds.XNi = ds.Nq;
    ds.ATime = 0.0;
    ds.XnDot = ds.XnDdt = ds.XlDot = 0.0;
}

TStateVector Sdp4(TModelElements& el, TNearEarthState& ne, TDeepSpaceState& ds, int centuryBase, double t,
                  std::ostream* diagnostics) {
    TStateVector invalid;
    invalid.Valid = false;
    // The resonance integrator steps from the epoch: a far time would not end.
    if (!IsPropagationTime(t)) return invalid;
    if (el.InitPending != 0) {
        InitCommon(el, ne, diagnostics);
        el.InitPending = 0;
        DeepInit(el, ne, centuryBase, ds);
    }
    const double tsq = t * t;
    TDeepMeans m;
    m.M = el.MeanAnomaly + ne.MDot * t;
    m.Omega = el.ArgPerigee + ne.OmegaDot * t;
    m.Node = el.Raan + ne.NodeDot * t + ne.NodeCof * tsq;
    m.N = ne.NoDp;
    const double tempa = 1.0 - ne.C1 * t;
    const double tempe = el.BStar * ne.C4 * t;
    const double templ = ne.T2Cof * tsq;
    DeepSecular(ds, t, m);
    if (!(m.N > 0.0)) return invalid;
    TSecularState sec;
    sec.A = Power(kKe / m.N, kTwoThirds, diagnostics) * tempa * tempa;
    m.E -= tempe;
    m.M += ne.NoDp * templ;
    DeepPeriodics(ds, t, m);
    sec.E = m.E;
    sec.L = m.M + m.Omega + m.Node;
    sec.Omega = m.Omega;
    sec.Node = m.Node;
    sec.Incl = m.Incl;
    return FinishPropagation(ne, sec, diagnostics);
}

}  // namespace kelvora
