// Geopotential resonance (synchronous and half-day orbits), the secular
// deep-space effects with the resonance integrator, and the lunar-solar
// periodics.
#include <cmath>

#include "SGP4SDP4Deep.h"

namespace kelvora {

namespace {

constexpr double kThDt = 4.3752691e-3;
constexpr double kQ22 = 1.7891679e-6, kQ31 = 2.1460748e-6, kQ33 = 2.2123015e-7;
constexpr double kFasx2 = 0.13130908, kFasx4 = 2.8843198, kFasx6 = 0.37448087;
constexpr double kRoot22 = 1.7891679e-6, kRoot32 = 3.7393792e-7, kRoot44 = 7.3636953e-9;
constexpr double kRoot52 = 1.1428639e-7, kRoot54 = 2.1765803e-9;
constexpr double kG22 = 5.7686396, kG32 = 0.95240898, kG44 = 1.8014998;
constexpr double kG52 = 1.0508330, kG54 = 4.4108898;
constexpr double kStep = 720.0;
constexpr double kStep2 = 259200.0;
constexpr double kNs = 1.19459e-5, kEs = 0.01675;
constexpr double kNl = 1.5835218e-4, kEl = 0.05490;
constexpr double kLyddaneInclination = 0.2;
constexpr double kMinSinI = 1.0e-12;

struct TGFactors {
    double G201, G211, G310, G322, G410, G422, G520, G521, G532, G533;
};

TGFactors HalfDayG(double eq) {
    const double eqsq = eq * eq;
    const double eoc = eq * eqsq;
    TGFactors g{};
    g.G201 = -0.306 - (eq - 0.64) * 0.440;
    if (eq <= 0.65) {
        g.G211 = 3.616 - 13.247 * eq + 16.290 * eqsq;
        g.G310 = -19.302 + 117.390 * eq - 228.419 * eqsq + 156.591 * eoc;
        g.G322 = -18.9068 + 109.7927 * eq - 214.6334 * eqsq + 146.5816 * eoc;
        g.G410 = -41.122 + 242.694 * eq - 471.094 * eqsq + 313.953 * eoc;
        g.G422 = -146.407 + 841.880 * eq - 1629.014 * eqsq + 1083.435 * eoc;
        g.G520 = -532.114 + 3017.977 * eq - 5740.0 * eqsq + 3708.276 * eoc;
    } else {
        g.G211 = -72.099 + 331.819 * eq - 508.738 * eqsq + 266.724 * eoc;
        g.G310 = -346.844 + 1582.851 * eq - 2415.925 * eqsq + 1246.113 * eoc;
        g.G322 = -342.585 + 1554.908 * eq - 2366.899 * eqsq + 1215.972 * eoc;
        g.G410 = -1052.797 + 4758.686 * eq - 7193.992 * eqsq + 3651.957 * eoc;
        g.G422 = -3581.69 + 16178.11 * eq - 24462.77 * eqsq + 12422.52 * eoc;
        g.G520 = eq <= 0.715 ? 1464.74 - 4664.75 * eq + 3763.64 * eqsq
                             : -5149.66 + 29936.92 * eq - 54087.36 * eqsq + 31324.56 * eoc;
    }
    if (eq < 0.7) {
        g.G533 = -919.2277 + 4988.61 * eq - 9064.77 * eqsq + 5542.21 * eoc;
        g.G521 = -822.71072 + 4568.6173 * eq - 8491.4146 * eqsq + 5337.524 * eoc;
        g.G532 = -853.666 + 4690.25 * eq - 8624.77 * eqsq + 5341.4 * eoc;
    } else {
        g.G533 = -37995.78 + 161616.52 * eq - 229838.2 * eqsq + 109377.94 * eoc;
        g.G521 = -51752.104 + 218913.95 * eq - 309468.16 * eqsq + 146349.42 * eoc;
        g.G532 = -40023.88 + 170470.89 * eq - 242699.48 * eqsq + 115605.82 * eoc;
    }
    return g;
}

// Rates of the mean motion at the integrator's current longitude.
void DotTerms(TDeepSpaceState& ds) {
    const double xli = ds.XLi;
    if (ds.Resonance == TResonance::Synchronous) {
        ds.XnDot = ds.Del1 * std::sin(xli - kFasx2) + ds.Del2 * std::sin(2.0 * (xli - kFasx4)) +
                   ds.Del3 * std::sin(3.0 * (xli - kFasx6));
        ds.XnDdt = ds.Del1 * std::cos(xli - kFasx2) + 2.0 * ds.Del2 * std::cos(2.0 * (xli - kFasx4)) +
                   3.0 * ds.Del3 * std::cos(3.0 * (xli - kFasx6));
    } else {
        const double xomi = ds.Omega0 + ds.OmegaDot * ds.ATime;
        const double x2omi = xomi + xomi;
        const double x2li = xli + xli;
        ds.XnDot = ds.D2201 * std::sin(x2omi + xli - kG22) + ds.D2211 * std::sin(xli - kG22) +
                   ds.D3210 * std::sin(xomi + xli - kG32) + ds.D3222 * std::sin(-xomi + xli - kG32) +
                   ds.D4410 * std::sin(x2omi + x2li - kG44) + ds.D4422 * std::sin(x2li - kG44) +
                   ds.D5220 * std::sin(xomi + xli - kG52) + ds.D5232 * std::sin(-xomi + xli - kG52) +
                   ds.D5421 * std::sin(xomi + x2li - kG54) + ds.D5433 * std::sin(-xomi + x2li - kG54);
        ds.XnDdt = ds.D2201 * std::cos(x2omi + xli - kG22) + ds.D2211 * std::cos(xli - kG22) +
                   ds.D3210 * std::cos(xomi + xli - kG32) + ds.D3222 * std::cos(-xomi + xli - kG32) +
                   ds.D5220 * std::cos(xomi + xli - kG52) + ds.D5232 * std::cos(-xomi + xli - kG52) +
                   2.0 * (ds.D4410 * std::cos(x2omi + x2li - kG44) + ds.D4422 * std::cos(x2li - kG44) +
                          ds.D5421 * std::cos(xomi + x2li - kG54) + ds.D5433 * std::cos(-xomi + x2li - kG54));
    }
    ds.XlDot = ds.XNi + ds.XFact;
    ds.XnDdt *= ds.XlDot;
}

void IntegratorStep(TDeepSpaceState& ds, double delt) {
    DotTerms(ds);
    ds.XLi += ds.XlDot * delt + ds.XnDot * kStep2;
    ds.XNi += ds.XnDot * delt + ds.XnDdt * kStep2;
    ds.ATime += delt;
}

bool NeedsRestart(double t, double atime) {
    return atime == 0.0 || (t >= 0.0 && atime < 0.0) || (t < 0.0 && atime >= 0.0);
}

// Brings the integrator to within one step of t, from its last state or
// from the epoch.
void Integrate(TDeepSpaceState& ds, double t) {
    double delt = 0.0;
    for (;;) {
        if (NeedsRestart(t, ds.ATime)) {
            ds.ATime = 0.0;
            ds.XNi = ds.Nq;
            ds.XLi = ds.XLamo;
            delt = t >= 0.0 ? kStep : -kStep;
            break;
        }
        if (std::fabs(t) >= std::fabs(ds.ATime)) {
            delt = t > 0.0 ? kStep : -kStep;
            break;
        }
        IntegratorStep(ds, t >= 0.0 ? -kStep : kStep);
    }
    while (std::fabs(t - ds.ATime) >= kStep) IntegratorStep(ds, delt);
    DotTerms(ds);
}

struct TBodyPeriodics {
    double E, I, L, Gh, H;
};

TBodyPeriodics BodyPeriodics(const TPeriodicCoefs& c, double zm, double ze) {
    const double zf = zm + 2.0 * ze * std::sin(zm);
    const double sinzf = std::sin(zf);
    const double f2 = 0.5 * sinzf * sinzf - 0.25;
    const double f3 = -0.5 * sinzf * std::cos(zf);
    return {c.E2 * f2 + c.E3 * f3, c.I2 * f2 + c.I3 * f3, c.L2 * f2 + c.L3 * f3 + c.L4 * sinzf,
            c.Gh2 * f2 + c.Gh3 * f3 + c.Gh4 * sinzf, c.H2 * f2 + c.H3 * f3};
}

}  // namespace

void InitSynchronous(const TNearEarthState& ne, TDeepSpaceState& ds) {
    ds.Resonance = TResonance::Synchronous;
    const double eqsq = ne.E0Sq;
    const double g200 = 1.0 + eqsq * (-2.5 + 0.8125 * eqsq);
    const double g310 = 1.0 + 2.0 * eqsq;
    const double g300 = 1.0 + eqsq * (-6.0 + 6.60937 * eqsq);
    const double f220 = 0.75 * (1.0 + ds.CosIq) * (1.0 + ds.CosIq);
    const double f311 = 0.9375 * ds.SinIq * ds.SinIq * (1.0 + 3.0 * ds.CosIq) - 0.75 * (1.0 + ds.CosIq);
    double f330 = 1.0 + ds.CosIq;
    f330 = 1.875 * f330 * f330 * f330;
    const double del1 = 3.0 * ds.Nq * ds.Nq * ds.AqNv * ds.AqNv;
    ds.Del2 = 2.0 * del1 * f220 * g200 * kQ22;
    ds.Del3 = 3.0 * del1 * f330 * g300 * kQ33 * ds.AqNv;
    ds.Del1 = del1 * f311 * g310 * kQ31 * ds.AqNv;
    ds.XLamo = ds.M0 + ds.Node0 + ds.Omega0 - ds.ThetaG;
    const double bfact = ne.MDot + (ne.OmegaDot + ne.NodeDot) - kThDt + ds.SsL + ds.SsG + ds.SsH;
    ds.XFact = bfact - ds.Nq;
}

void InitHalfDay(const TNearEarthState& ne, TDeepSpaceState& ds) {
    ds.Resonance = TResonance::HalfDay;
    const TGFactors g = HalfDayG(ds.Eq);
    const double sini = ds.SinIq, cosi = ds.CosIq, cosq2 = ne.Theta2;
    const double sini2 = sini * sini;
    const double f220 = 0.75 * (1.0 + 2.0 * cosi + cosq2);
    const double f221 = 1.5 * sini2;
    const double f321 = 1.875 * sini * (1.0 - 2.0 * cosi - 3.0 * cosq2);
    const double f322 = -1.875 * sini * (1.0 + 2.0 * cosi - 3.0 * cosq2);
    const double f441 = 35.0 * sini2 * f220;
    const double f442 = 39.3750 * sini2 * sini2;
    const double f522 =
        9.84375 * sini * (sini2 * (1.0 - 2.0 * cosi - 5.0 * cosq2) + 0.33333333 * (-2.0 + 4.0 * cosi + 6.0 * cosq2));
    const double f523 = sini * (4.92187512 * sini2 * (-2.0 - 4.0 * cosi + 10.0 * cosq2) +
                                6.56250012 * (1.0 + 2.0 * cosi - 3.0 * cosq2));
    const double f542 = 29.53125 * sini * (2.0 - 8.0 * cosi + cosq2 * (-12.0 + 8.0 * cosi + 10.0 * cosq2));
    const double f543 = 29.53125 * sini * (-2.0 - 8.0 * cosi + cosq2 * (12.0 + 8.0 * cosi - 10.0 * cosq2));
    const double xno2 = ds.Nq * ds.Nq;
    const double ainv2 = ds.AqNv * ds.AqNv;
    double temp1 = 3.0 * xno2 * ainv2;
    double temp = temp1 * kRoot22;
    ds.D2201 = temp * f220 * g.G201;
    ds.D2211 = temp * f221 * g.G211;
    temp1 *= ds.AqNv;
    temp = temp1 * kRoot32;
    ds.D3210 = temp * f321 * g.G310;
    ds.D3222 = temp * f322 * g.G322;
    temp1 *= ds.AqNv;
    temp = 2.0 * temp1 * kRoot44;
    ds.D4410 = temp * f441 * g.G410;
    ds.D4422 = temp * f442 * g.G422;
    temp1 *= ds.AqNv;
    temp = temp1 * kRoot52;
    ds.D5220 = temp * f522 * g.G520;
    ds.D5232 = temp * f523 * g.G532;
    temp = 2.0 * temp1 * kRoot54;
    ds.D5421 = temp * f542 * g.G521;
    ds.D5433 = temp * f543 * g.G533;
    ds.XLamo = ds.M0 + ds.Node0 + ds.Node0 - ds.ThetaG - ds.ThetaG;
    const double bfact = ne.MDot + ne.NodeDot + ne.NodeDot - kThDt - kThDt + ds.SsL + ds.SsH + ds.SsH;
    ds.XFact = bfact - ds.Nq;
}

void DeepSecular(TDeepSpaceState& ds, double t, TDeepMeans& m) {
    m.M += ds.SsL * t;
    m.Omega += ds.SsG * t;
    m.Node += ds.SsH * t;
    m.E = ds.Eq + ds.SsE * t;
    m.Incl = ds.Iq + ds.SsI * t;
    if (m.Incl < 0.0) {
        m.Incl = -m.Incl;
        m.Node += kPi;
        m.Omega -= kPi;
    }
    if (ds.Resonance == TResonance::None) return;
    Integrate(ds, t);
    const double ft = t - ds.ATime;
    m.N = ds.XNi + ds.XnDot * ft + ds.XnDdt * ft * ft * 0.5;
    const double xl = ds.XLi + ds.XlDot * ft + ds.XnDot * ft * ft * 0.5;
    const double temp = -m.Node + ds.ThetaG + t * kThDt;
    m.M = ds.Resonance == TResonance::Synchronous ? xl - m.Omega + temp : xl + temp + temp;
}

void DeepPeriodics(TDeepSpaceState& ds, double t, TDeepMeans& m) {
    const double sinis = std::sin(m.Incl);
    const double cosis = std::cos(m.Incl);
    if (std::fabs(ds.SavTsn - t) >= 30.0) {
        ds.SavTsn = t;
        const TBodyPeriodics s = BodyPeriodics(ds.Sun, ds.Lunar.ZMoS + kNs * t, kEs);
        const TBodyPeriodics l = BodyPeriodics(ds.Moon, ds.Lunar.ZMoL + kNl * t, kEl);
        ds.Pe = s.E + l.E;
        ds.PInc = s.I + l.I;
        ds.Pl = s.L + l.L;
        ds.Pgh = s.Gh + l.Gh;
        ds.Ph = s.H + l.H;
    }
    m.Incl += ds.PInc;
    m.E += ds.Pe;
    if (ds.Iq >= kLyddaneInclination) {
        const double ph = std::fabs(ds.SinIq) < kMinSinI ? 0.0 : ds.Ph / ds.SinIq;
        m.Omega += ds.Pgh - ds.CosIq * ph;
        m.Node += ph;
        m.M += ds.Pl;
        return;
    }
    // Lyddane's form avoids the 1/sin(i) singularity at low inclination.
    const double sinok = std::sin(m.Node);
    const double cosok = std::cos(m.Node);
    const double alfdp = sinis * sinok + ds.Ph * cosok + ds.PInc * cosis * sinok;
    const double betdp = sinis * cosok - ds.Ph * sinok + ds.PInc * cosis * cosok;
    const double xls = m.M + m.Omega + cosis * m.Node + ds.Pl + ds.Pgh - ds.PInc * m.Node * sinis;
    m.Node = QuadrantArcTan(alfdp, betdp);
    m.M += ds.Pl;
    m.Omega = xls - m.M - std::cos(m.Incl) * m.Node;
}

}  // namespace kelvora
