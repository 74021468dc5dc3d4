#include "SGP4SDP4.h"

#include <cmath>

namespace kelvora {

namespace {

// Below this eccentricity the 1/e0 drag terms (C3, M-cof) blow up; they are
// left at zero, as circular orbits have no perigee to drag-shift anyway.
constexpr double kMinDragEccentricity = 1.0e-4;
// Keeps L-cof finite for inclinations of (nearly) 180 degrees.
constexpr double kMinOnePlusCosI = 1.5e-12;

TStateVector Invalid() {
    TStateVector s;
    s.Valid = false;
    return s;
}

void InitSgp4Only(const TElementSet& el, TNearEarthState& ne, std::ostream* diagnostics) {
    const double e0 = el.Eccentricity;
    const double bstar = el.BStar;
    ne.Simple = IsSimpleModel(ne.AoDp, e0) ? 1 : 0;
    ne.C3 = e0 > kMinDragEccentricity ? ne.Coef * ne.Xi * kA30OverK2 * ne.NoDp * ne.SinI / e0 : 0.0;
    ne.C5 = 2.0 * ne.Coef1 * ne.AoDp * ne.Beta0Sq * (1.0 + 2.75 * (ne.EtaSq + ne.EEta) + ne.EEta * ne.EtaSq);
    ne.OmegaCof = bstar * ne.C3 * ne.CosOmega0;
    ne.MCof = e0 > kMinDragEccentricity ? -kTwoThirds * ne.Coef * bstar / ne.EEta : 0.0;
    ne.DeltaM0 = Power(1.0 + ne.Eta * std::cos(el.MeanAnomaly), 3.0, diagnostics);
    ne.SinM0 = std::sin(el.MeanAnomaly);
    ne.D2 = ne.D3 = ne.D4 = ne.T3Cof = ne.T4Cof = ne.T5Cof = 0.0;
    if (ne.Simple != 0) return;
    const double c1sq = ne.C1 * ne.C1;
    ne.D2 = 4.0 * ne.AoDp * ne.Xi * c1sq;
    const double temp = ne.D2 * ne.Xi * ne.C1 / 3.0;
    ne.D3 = (17.0 * ne.AoDp + ne.S) * temp;
    ne.D4 = 0.5 * temp * ne.AoDp * ne.Xi * (221.0 * ne.AoDp + 31.0 * ne.S) * ne.C1;
    ne.T3Cof = ne.D2 + 2.0 * c1sq;
    ne.T4Cof = 0.25 * (3.0 * ne.D3 + ne.C1 * (12.0 * ne.D2 + 10.0 * c1sq));
    ne.T5Cof = 0.2 * (3.0 * ne.D4 + 12.0 * ne.C1 * ne.D3 + 6.0 * ne.D2 * ne.D2 + 15.0 * c1sq * (2.0 * ne.D2 + c1sq));
}

// Solves Kepler's equation for E; returns sin E and cos E of the last E that
// entered an iteration.
void SolveKepler(double capU, double axn, double ayn, double& sinE, double& cosE) {
    double e = capU;
    for (int i = 0; i < 10; ++i) {
        sinE = std::sin(e);
        cosE = std::cos(e);
        const double next = (capU - ayn * cosE + axn * sinE - e) / (1.0 - axn * cosE - ayn * sinE) + e;
        if (std::fabs(next - e) <= 1.0e-6) break;
        e = next;
    }
}

}  // namespace

TPerigeeTerms PerigeeTerms(double perigeeKm) {
    TPerigeeTerms terms;
    if (perigeeKm < 156.0) {
        terms.SStar = perigeeKm <= 98.0 ? 20.0 : perigeeKm - 78.0;
        const double q = (120.0 - terms.SStar) / kEarthRadiusKm;
        terms.Qoms4 = q * q * q * q;
        terms.S = terms.SStar / kEarthRadiusKm + 1.0;
    }
    return terms;
}

bool IsSimpleModel(double aoDp, double e0) { return aoDp * (1.0 - e0) < kSimplePerigeeRadii; }

bool CanPropagate(const TElementSet& set) {
    return set.MeanMotion > 0.0 && std::isfinite(set.MeanMotion) && set.Eccentricity >= 0.0 && set.Eccentricity < 1.0 &&
           std::isfinite(set.JulianEpoch) && std::isfinite(set.BStar);
}

namespace {

// Recovers the original mean motion n'' and semi-major axis a'' (steps 1-2).
void RecoverMeanMotion(const TElementSet& el, TNearEarthState& ne, std::ostream* diagnostics) {
    const double e0 = el.Eccentricity;
    const double a1 = Power(kKe / el.MeanMotion, kTwoThirds, diagnostics);
    ne.CosI = std::cos(el.Inclination);
    ne.Theta2 = ne.CosI * ne.CosI;
    ne.X3Thm1 = 3.0 * ne.Theta2 - 1.0;
    ne.E0Sq = e0 * e0;
    ne.Beta0Sq = 1.0 - ne.E0Sq;
    ne.Beta0 = std::sqrt(ne.Beta0Sq);
    const double del1 = kK2x1_5 * ne.X3Thm1 / (a1 * a1 * ne.Beta0 * ne.Beta0Sq);
    const double ao = a1 * (1.0 - del1 * (kOneThird + del1 * (1.0 + k134Over81 * del1)));
    const double delo = kK2x1_5 * ne.X3Thm1 / (ao * ao * ne.Beta0 * ne.Beta0Sq);
    ne.NoDp = el.MeanMotion / (1.0 + delo);
    ne.AoDp = ao / (1.0 - delo);
}

// Drag coefficients C1 and C4 with the perigee-dependent s (steps 4-8).
void DragCoefficients(const TElementSet& el, TNearEarthState& ne, std::ostream* diagnostics) {
    const double e0 = el.Eccentricity;
    const TPerigeeTerms perigee = PerigeeTerms((ne.AoDp * (1.0 - e0) - 1.0) * kEarthRadiusKm);
    ne.S = perigee.S;
    ne.Qoms4 = perigee.Qoms4;

    ne.Xi = 1.0 / (ne.AoDp - ne.S);
    ne.Eta = ne.AoDp * e0 * ne.Xi;
    ne.EtaSq = ne.Eta * ne.Eta;
    ne.EEta = e0 * ne.Eta;
    ne.PsiSq = std::fabs(1.0 - ne.EtaSq);
    const double xi2 = ne.Xi * ne.Xi;
    ne.Coef = ne.Qoms4 * xi2 * xi2;
    ne.Coef1 = ne.Coef / Power(ne.PsiSq, 3.5, diagnostics);
    const double c2 = ne.Coef1 * ne.NoDp *
                      (ne.AoDp * (1.0 + 1.5 * ne.EtaSq + ne.EEta * (4.0 + ne.EtaSq)) +
                       kK2x0_75 * ne.Xi / ne.PsiSq * ne.X3Thm1 * (8.0 + 3.0 * ne.EtaSq * (8.0 + ne.EtaSq)));
    ne.C1 = el.BStar * c2;

    ne.SinI = std::sin(el.Inclination);
    ne.X1Mth2 = 1.0 - ne.Theta2;
    ne.SinOmega0 = std::sin(el.ArgPerigee);
    ne.CosOmega0 = std::cos(el.ArgPerigee);
    ne.C4 = 2.0 * ne.NoDp * ne.Coef1 * ne.AoDp * ne.Beta0Sq *
            (ne.Eta * (2.0 + 0.5 * ne.EtaSq) + e0 * (0.5 + 2.0 * ne.EtaSq) -
             kK2x2 * ne.Xi / (ne.AoDp * ne.PsiSq) *
                 (-3.0 * ne.X3Thm1 * (1.0 - 2.0 * ne.EEta + ne.EtaSq * (1.5 - 0.5 * ne.EEta)) +
                  0.75 * ne.X1Mth2 * (2.0 * ne.EtaSq - ne.EEta * (1.0 + ne.EtaSq)) * std::cos(2.0 * el.ArgPerigee)));
}

// Secular rates and the coefficients both models share (steps 10-12).
void SecularRates(TNearEarthState& ne) {
    const double pinvsq = 1.0 / (ne.AoDp * ne.AoDp * ne.Beta0Sq * ne.Beta0Sq);
    ne.Theta4 = ne.Theta2 * ne.Theta2;
    const double t1 = kK2x3 * pinvsq * ne.NoDp;
    const double t2 = t1 * kK2 * pinvsq;
    const double t3 = kK4x1_25 * pinvsq * pinvsq * ne.NoDp;
    ne.MDot = ne.NoDp + 0.5 * t1 * ne.Beta0 * ne.X3Thm1 +
              0.0625 * t2 * ne.Beta0 * (13.0 - 78.0 * ne.Theta2 + 137.0 * ne.Theta4);
    ne.OmegaDot = -0.5 * t1 * (1.0 - 5.0 * ne.Theta2) + 0.0625 * t2 * (7.0 - 114.0 * ne.Theta2 + 395.0 * ne.Theta4) +
                  t3 * (3.0 - 36.0 * ne.Theta2 + 49.0 * ne.Theta4);
    const double xhdot1 = -t1 * ne.CosI;
    ne.NodeDot = xhdot1 + (0.5 * t2 * (4.0 - 19.0 * ne.Theta2) + 2.0 * t3 * (3.0 - 7.0 * ne.Theta2)) * ne.CosI;

    ne.NodeCof = 3.5 * ne.Beta0Sq * xhdot1 * ne.C1;
    ne.T2Cof = 1.5 * ne.C1;
    double onePlusCos = 1.0 + ne.CosI;
    if (std::fabs(onePlusCos) < kMinOnePlusCosI) onePlusCos = kMinOnePlusCosI;
    ne.LCof = 0.125 * kA30OverK2 * ne.SinI * (3.0 + 5.0 * ne.CosI) / onePlusCos;
    ne.AyNCof = 0.25 * kA30OverK2 * ne.SinI;
    ne.X7Thm1 = 7.0 * ne.Theta2 - 1.0;
}

}  // namespace

void InitCommon(const TElementSet& el, TNearEarthState& ne, std::ostream* diagnostics) {
    RecoverMeanMotion(el, ne, diagnostics);
    DragCoefficients(el, ne, diagnostics);
    SecularRates(ne);
}

TStateVector Sgp4(TModelElements& el, TNearEarthState& ne, double t, std::ostream* diagnostics) {
    if (el.InitPending != 0) {
        InitCommon(el, ne, diagnostics);
        InitSgp4Only(el, ne, diagnostics);
        el.InitPending = 0;
    }
    const double xmdf = el.MeanAnomaly + ne.MDot * t;
    const double omgadf = el.ArgPerigee + ne.OmegaDot * t;
    const double xnoddf = el.Raan + ne.NodeDot * t;
    double omega = omgadf;
    double xmp = xmdf;
    const double tsq = t * t;
    const double xnode = xnoddf + ne.NodeCof * tsq;
    double tempa = 1.0 - ne.C1 * t;
    double tempe = el.BStar * ne.C4 * t;
    double templ = ne.T2Cof * tsq;
    if (ne.Simple == 0) {
        const double delomg = ne.OmegaCof * t;
        const double delm = ne.MCof * (Cube(1.0 + ne.Eta * std::cos(xmdf)) - ne.DeltaM0);
        const double temp = delomg + delm;
        xmp = xmdf + temp;
        omega = omgadf - temp;
        const double tcube = tsq * t;
        const double tfour = t * tcube;
        tempa = tempa - ne.D2 * tsq - ne.D3 * tcube - ne.D4 * tfour;
        tempe = tempe + el.BStar * ne.C5 * (std::sin(xmp) - ne.SinM0);
        templ = templ + ne.T3Cof * tcube + tfour * (ne.T4Cof + t * ne.T5Cof);
    }
    TSecularState sec;
    sec.A = ne.AoDp * tempa * tempa;
    sec.E = el.Eccentricity - tempe;
    sec.L = xmp + omega + xnode + ne.NoDp * templ;
    sec.Omega = omega;
    sec.Node = xnode;
    sec.Incl = el.Inclination;
    return FinishPropagation(ne, sec, diagnostics);
}

TStateVector FinishPropagation(const TNearEarthState& ne, const TSecularState& sec, std::ostream* diagnostics) {
    const double a = sec.A;
    const double e = sec.E;
    // Decayed or broken: no real orbit left to compute.
    if (!(a > 0.0) || !(std::fabs(e) < 1.0)) return Invalid();
    const double beta = std::sqrt(1.0 - e * e);
    const double xn = kKe / Power(a, 1.5, diagnostics);

    // Long-period periodics.
    const double axn = e * std::cos(sec.Omega);
    double temp = 1.0 / (a * beta * beta);
    const double xll = temp * ne.LCof * axn;
    const double aynl = temp * ne.AyNCof;
    const double xlt = sec.L + xll;
    const double ayn = e * std::sin(sec.Omega) + aynl;

    const double capU = ReduceAngle(xlt - sec.Node);
    double sinE = 0.0;
    double cosE = 1.0;
    SolveKepler(capU, axn, ayn, sinE, cosE);

    // Short-period preliminary quantities.
    const double ecose = axn * cosE + ayn * sinE;
    const double esine = axn * sinE - ayn * cosE;
    const double elsq = axn * axn + ayn * ayn;
    const double pl = a * (1.0 - elsq);
    if (!(pl > 0.0)) return Invalid();
    const double r = a * (1.0 - ecose);
    const double rdot = kKe * std::sqrt(a) * esine / r;
    const double rfdot = kKe * std::sqrt(pl) / r;
    const double betal = std::sqrt(1.0 - elsq);
    const double temp3 = 1.0 / (1.0 + betal);
    const double cosu = a / r * (cosE - axn + ayn * esine * temp3);
    const double sinu = a / r * (sinE - ayn - axn * esine * temp3);
    const double u = QuadrantArcTan(sinu, cosu);
    const double sin2u = 2.0 * sinu * cosu;
    const double cos2u = 2.0 * cosu * cosu - 1.0;

    // Short-period periodics.
    const double temp1 = kK2 / pl;
    const double temp2 = temp1 / pl;
    const double rk = r * (1.0 - 1.5 * temp2 * betal * ne.X3Thm1) + 0.5 * temp1 * ne.X1Mth2 * cos2u;
    const double uk = u - 0.25 * temp2 * ne.X7Thm1 * sin2u;
    const double xnodek = sec.Node + 1.5 * temp2 * ne.CosI * sin2u;
    const double xinck = sec.Incl + 1.5 * temp2 * ne.CosI * ne.SinI * cos2u;
    const double rdotk = rdot - xn * temp1 * ne.X1Mth2 * sin2u;
    const double rfdotk = rfdot + xn * temp1 * (ne.X1Mth2 * cos2u + 1.5 * ne.X3Thm1);

    // Orientation vectors.
    const double sinuk = std::sin(uk);
    const double cosuk = std::cos(uk);
    const double sinik = std::sin(xinck);
    const double cosik = std::cos(xinck);
    const double sinnok = std::sin(xnodek);
    const double cosnok = std::cos(xnodek);
    const double xmx = -sinnok * cosik;
    const double xmy = cosnok * cosik;
    const double ux = xmx * sinuk + cosnok * cosuk;
    const double uy = xmy * sinuk + sinnok * cosuk;
    const double uz = sinik * sinuk;
    const double vx = xmx * cosuk - cosnok * sinuk;
    const double vy = xmy * cosuk - sinnok * sinuk;
    const double vz = sinik * cosuk;

    TStateVector out;
    out.Position = {rk * ux, rk * uy, rk * uz, 0.0};
    out.Velocity = {rdotk * ux + rfdotk * vx, rdotk * uy + rfdotk * vy, rdotk * uz + rfdotk * vz, 0.0};
    out.Valid = std::isfinite(out.Position.x) && std::isfinite(out.Position.y) && std::isfinite(out.Position.z) &&
                std::isfinite(out.Velocity.x) && std::isfinite(out.Velocity.y) && std::isfinite(out.Velocity.z);
    return out;
}

}  // namespace kelvora
