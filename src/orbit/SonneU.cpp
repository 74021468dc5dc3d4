#include "SonneU.h"

#include <cmath>

#include "CalendarTime.h"
#include "SGP_Time.h"

namespace kelvora {

namespace {
constexpr double kAuKm = 149599650.0;
constexpr double kEarthRadiusKm = 6378.135;
}  // namespace

double DegSin(double deg) { return std::sin(deg * kTrackDegToRad); }
double DegCos(double deg) { return std::cos(deg * kTrackDegToRad); }

double DegTan(double deg) {
    if (deg == 90.0 || deg == 270.0) return 5729578.0;
    return std::tan(deg * kTrackDegToRad);
}

double DegArcSin(double x) {
    if (x >= 1.0) return 90.0;
    if (x <= -1.0) return -90.0;
    return std::asin(x) * kTrackRadToDeg;
}

double DegArcCos(double x) {
    if (x >= 1.0) return 0.0;
    if (x <= -1.0) return 180.0;
    return std::acos(x) * kTrackRadToDeg;
}

double DegArcTan(double x) { return std::atan(x) * kTrackRadToDeg; }

double DegArcTan2(double y, double x) {
    double a;
    if (x == 0.0) {
        a = y >= 0.0 ? 90.0 : -90.0;
    } else {
        a = DegArcTan(y / x);
    }
    if (x < 0.0) a += 180.0;
    if (a < 0.0) a += 360.0;
    return a;
}

double Norm360(double x) {
    double r = x - Int(x / 360.0) * 360.0;
    if (x < 0.0) r += 360.0;
    return r;
}

double CentralAngle(double lat1, double lon1, double lat2, double lon2) {
    return Norm360(DegArcCos(DegCos(lon2 - lon1) * DegCos(lat2) * DegCos(lat1) + DegSin(lat1) * DegSin(lat2)));
}

TSolarPosition SolarPosition(double jd) {
    const double t = (jd - 2451545.0) / 36525.0;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double m = 357.52901 + 35999.0503 * t - 0.0001559 * t2 - 0.00000048 * t3;
    const double e = 0.016708617 - 0.000042037 * t - 0.0000001236 * t2;
    const double c = (1.9146 - 0.004817 * t - 0.000014 * t2) * DegSin(m) + (0.019993 - 0.000101 * t) * DegSin(2.0 * m) +
                     0.00029 * DegSin(3.0 * m);

    TSolarPosition out;
    out.Distance = 1.000001018 * (1.0 - e * e) / (1.0 + e * DegCos(Norm360(m + c))) * kAuKm;

    const double moonLon = Norm360(218.3164591 + 481267.88134236 * t - 0.00136268 * t2 + t3 / 538841.0);
    const double node = Norm360(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0);
    const double l0 = 280.46645 + 36000.76983 * t + 0.0003032 * t2;

    out.Nutation =
        (-17.2 * DegSin(node) - 1.32 * DegSin(2.0 * l0) - 0.23 * DegSin(2.0 * moonLon) + 0.21 * DegSin(2.0 * node)) /
        3600.0;
    out.TrueObliquity =
        23.43929111 - 0.013004166666666667 * t - 1.6388888888888888e-7 * t2 + 5.036111111111111e-7 * t3 +
        (9.2 * DegCos(node) + 0.57 * DegCos(2.0 * l0) + 0.1 * DegCos(2.0 * moonLon) - 0.09 * DegCos(2.0 * node)) /
            3600.0;
    out.TrueLongitude = Norm360(c + l0);
    out.ApparentLongitude = out.TrueLongitude + out.Nutation - 0.005691611111111111 / (out.Distance / kAuKm);
    return out;
}

void ComputeSun(TSunState& sun, double shownTimeUtc) {
    const TCalendarInstant at = SplitShownTime(shownTimeUtc);
    sun.Year = at.Year;
    sun.Month = at.Month;
    sun.Day = at.Day;
    sun.Hour = at.Hour;
    sun.Minute = at.Minute;
    sun.Second = at.Second;

    int y = at.Year;
    int mo = at.Month;
    if (mo <= 2) {
        y -= 1;
        mo += 12;
    }
    const double a = Int(y / 100.0);
    const double b = 2.0 - a + Int(a / 4.0);
    const double jd0 = Int(365.25 * (y + 4716)) + Int(30.60001 * (mo + 1)) + at.Day + b - 1524.5;
    const double f = ((at.Minute + at.Second / 60.0) / 60.0 + at.Hour) / 24.0;
    const double jd = jd0 + f;

    const TSolarPosition p = SolarPosition(jd);
    sun.SunDistance = p.Distance;
    sun.Nutation = p.Nutation;
    sun.TrueObliquity = p.TrueObliquity;
    sun.ApparentLongitude = p.ApparentLongitude;

    const double lambda = p.ApparentLongitude;
    const double eps = p.TrueObliquity;
    sun.Declination = DegArcSin(DegSin(lambda) * DegSin(eps));
    sun.RightAscension = DegArcTan2(DegSin(lambda) * DegCos(eps), DegCos(lambda));

    const double t0 = (jd0 - 2451545.0) / 36525.0;
    sun.SiderealAngle = Norm360(100.460618375 + 36000.77005360833 * t0 + 0.0003879333 * t0 * t0 -
                                t0 * t0 * t0 / 38710000.0 + 360.98564736629 * f);

    sun.SubSolarLat = DegArcTan(DegTan(sun.Declination) / 0.993305525);
    const double k = Norm360(sun.SiderealAngle - sun.RightAscension);
    sun.SubSolarLon = k >= 180.0 ? 360.0 - k : -k;
}

double ComputeSunNow(TSunState& sun, double clockValue, double displayOffset, double clockOffset) {
    const double shown = clockValue - displayOffset;
    ComputeSun(sun, shown - clockOffset);
    return shown;
}

void ComputeSunAtCursor(TSunState& sun, double dayCount, double clockOffset) {
    ComputeSun(sun, dayCount - clockOffset + kShownTimeToDayCount);
}

TIllumination ShowIllumination(const TSunState& sun, double subLatitude, double subLongitude, double geocentricRadius) {
    // On or below the ellipsoid the ratio would reach 1 or more; the shadow
    // then covers the whole night hemisphere.
    double ratio = 1.0;
    if (std::isfinite(geocentricRadius) && geocentricRadius > kEarthRadiusKm) {
        ratio = kEarthRadiusKm / geocentricRadius;
    }
    const double shadowRadius = std::asin(ratio);

    double lon = subLongitude;
    if (lon > 180.0) lon -= 360.0;
    const double gamma = CentralAngle(-sun.SubSolarLat, sun.SubSolarLon + 180.0, subLatitude, lon) * kTrackDegToRad;

    TIllumination out;
    out.Sunlit = gamma > shadowRadius;
    if (out.Sunlit) {
        out.Text = "Sat in Sun";
        out.LabelColour = {128, 128, 128};
        out.TextColour = {255, 255, 0};
    } else {
        out.Text = "Eclipsed";
        out.LabelColour = {0, 0, 0};
        out.TextColour = {255, 255, 255};
    }
    return out;
}

TIllumination IlluminationOff() {
    TIllumination out;
    out.LabelColour = {192, 192, 192};
    out.TextColour = {0, 0, 0};
    return out;
}

}  // namespace kelvora
