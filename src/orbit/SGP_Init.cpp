#include "SGP_Init.h"

#include <cmath>
#include <limits>

#include "SGP_Math.h"
#include "SGP_Time.h"

namespace kelvora {

namespace {

std::string_view Trimmed(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
    return t;
}

// A plain decimal number; anything else reads as 0.
double OmmNumber(std::string_view text) {
    double value = 0.0;
    return ParseReal(Trimmed(text), value) ? value : 0.0;
}

void SetAngles(TElementSet& set, double inclDeg, double raanDeg, double argpDeg, double mDeg) {
    set.InclinationDeg = inclDeg;
    set.Inclination = Radians(inclDeg);
    set.RaanDeg = raanDeg;
    set.Raan = Radians(raanDeg);
    set.ArgPerigeeDeg = argpDeg;
    set.ArgPerigee = Radians(argpDeg);
    set.MeanAnomalyDeg = mDeg;
    set.MeanAnomaly = Radians(mDeg);
}

void SetMeanMotion(TElementSet& set, double revsPerDay) {
    set.RevsPerDay = revsPerDay;
    set.MeanMotion = revsPerDay * kTwoPi / 1440.0;
}

// An epoch is YYDDD.DDDDDDDD. Anything else has no date: the Julian date is
// left NaN so the set counts as one the models cannot run on, instead of the
// year overflowing.
double JulianEpochOf(double epoch, int centuryBase) {
    if (!(epoch >= 0.0 && epoch < 100000.0)) return std::numeric_limits<double>::quiet_NaN();
    return JulianDateOfEpoch(epoch, centuryBase);
}

}  // namespace

void ElementsFromTwoLine(const TTwoLineRecord& record, int centuryBase, TElementSet& set, std::ostream* diagnostics) {
    const std::string& l1 = record.Line1;
    const std::string& l2 = record.Line2;
    set.Epoch = RealField(l1, 19, 14);
    set.JulianEpoch = JulianEpochOf(set.Epoch, centuryBase);
    // Mantissa with an implied leading point, sign in column 54.
    const double mantissa = RealField(l1, 54, 6) * 1e-5;
    const int exponent = IntField(l1, 60, 2);
    set.BStar = mantissa * Power(10.0, exponent, diagnostics);
    SetAngles(set, RealField(l2, 9, 8), RealField(l2, 18, 8), RealField(l2, 35, 8), RealField(l2, 44, 8));
    set.Eccentricity = RealField(l2, 27, 7) * 1e-7;
    SetMeanMotion(set, RealField(l2, 53, 11));
    set.EpochRev = RealField(l2, 64, 5) - 0.5;
}

double JulianEpochOfOmmText(const std::string& epochText, int centuryBase) {
    const std::string_view text = Trimmed(epochText);
    const double yearAndDay = OmmNumber(text.substr(0, 5));
    const double fraction = text.size() > 6 ? OmmNumber(text.substr(6)) * 1e-8 : 0.0;
    return JulianEpochOf(yearAndDay + fraction, centuryBase);
}

void ElementsFromOmm(const TOmmTexts& texts, int centuryBase, TElementSet& set) {
    set.Epoch = OmmNumber(texts.Epoch);
    set.JulianEpoch = JulianEpochOfOmmText(texts.Epoch, centuryBase);
    SetAngles(set, OmmNumber(texts.Inclination), OmmNumber(texts.RaOfAscNode), OmmNumber(texts.ArgOfPericenter),
              OmmNumber(texts.MeanAnomaly));
    set.Eccentricity = OmmNumber(texts.Eccentricity);
    SetMeanMotion(set, OmmNumber(texts.MeanMotion));
    set.EpochRev = OmmNumber(texts.RevAtEpoch);
    set.BStar = OmmNumber(texts.BStar);
}

void ElementsFromVerbose(const TVerboseValues& v, int centuryBase, TElementSet& set) {
    set.Epoch = v.Epoch;
    set.JulianEpoch = JulianEpochOf(v.Epoch, centuryBase);
    SetAngles(set, v.InclinationDeg, v.RaanDeg, v.ArgPerigeeDeg, v.MeanAnomalyDeg);
    set.Eccentricity = v.Eccentricity;
    SetMeanMotion(set, v.RevsPerDay);
    set.EpochRev = v.EpochRev;
    set.BStar = 0.0;
}

void MarkDeepSpace(TElementSet& set) {
    set.DeepSpace = set.RevsPerDay < kDeepSpaceRevsPerDay ? 1 : 0;
    set.NeedsInit = 1;
}

void ComputeOrbitSummary(TElementSet& set) {
    const double m = set.MeanAnomalyDeg;
    const double n = set.RevsPerDay;
    const double e = set.Eccentricity;
    set.PerigeeDay = 0.0;
    set.SemiMajorAxis = 0.0;
    set.NodeRate = 0.0;
    set.PerigeeRate = 0.0;
    // A set without a positive mean motion has no orbit to summarise.
    if (!(n > 0.0)) return;
    const double d = EpochDayCount(set.Epoch);
    set.PerigeeDay = m <= 180.0 ? d - m / (360.0 * n) : d + (360.0 - m) / (360.0 * n);
    const double a = std::exp(std::log(n) * (-2.0 / 3.0)) * 42220.0 / 6378.135;
    set.SemiMajorAxis = a;
    const double oneMinusE2 = 1.0 - e * e;
    const double k = std::sqrt(a) * a * a * a * oneMinusE2 * oneMinusE2;
    if (!(k > 0.0)) return;
    const double cosI = std::cos(set.InclinationDeg * kTrackDegToRad);
    set.NodeRate = -9.98 * cosI / k;
    set.PerigeeRate = 5.0 * (5.0 * cosI * cosI - 1.0) / k;
}

}  // namespace kelvora
