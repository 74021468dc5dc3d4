#pragma once

// Sun position (Meeus' low-precision solar theory with nutation and
// aberration), the sub-solar point, and the sunlit/eclipsed decision for the
// active satellite with a cylindrical earth shadow.
//
// All degree/radian conversions here use the tracking pi 3.1415928, as the
// rest of the tracking-side code (map, squint, pass search) does.

#include <string>

#include "SGP_Math.h"

namespace kelvora {

// Degree helpers (take and give degrees).
double DegSin(double deg);
double DegCos(double deg);
double DegTan(double deg);  // 5729578 for exactly 90 or 270
double DegArcSin(double x);  // clamps to +-90 outside (-1, 1)
double DegArcCos(double x);  // 0 for x >= 1, 180 for x <= -1
double DegArcTan(double x);
double DegArcTan2(double y, double x);  // [0, 360)
// x - Int(x/360)*360, plus 360 for negative x: -360 gives 360, 720 gives 0.
double Norm360(double x);
// Angle in degrees between two points given as latitude/longitude degrees.
double CentralAngle(double lat1, double lon1, double lat2, double lon2);

struct TSunState {
    int Day = 0, Month = 0, Year = 0, Hour = 0, Minute = 0, Second = 0;
    double SubSolarLat = 0.0;  // degrees, geodetic
    double SubSolarLon = 0.0;  // degrees east, (-180, 180]
    double RightAscension = 0.0;  // degrees
    double Declination = 0.0;  // degrees
    double ApparentLongitude = 0.0;
    double TrueObliquity = 0.0;
    double Nutation = 0.0;  // nutation in longitude, degrees
    double SiderealAngle = 0.0;  // Greenwich mean sidereal angle, degrees
    double SunDistance = 0.0;  // km
};

// Intermediate values of the solar theory for one Julian date.
struct TSolarPosition {
    double TrueLongitude = 0.0;  // degrees, 0..360
    double ApparentLongitude = 0.0;  // degrees
    double TrueObliquity = 0.0;  // degrees
    double Nutation = 0.0;  // degrees
    double Distance = 0.0;  // km
};

TSolarPosition SolarPosition(double jd);

// Fills the sun state for an instant given as shown time (UTC, days since
// 1899-12-30). Milliseconds are dropped.
void ComputeSun(TSunState& sun, double shownTimeUtc);

// The tick's sun: clock value minus the display zone offset (both shown-time
// days) minus the clock offset. Returns clock minus display offset, which the
// tracking cycle keeps as its shown time.
double ComputeSunNow(TSunState& sun, double clockValue, double displayOffset, double clockOffset);

// Preview/MA stepping: the cycle's day count less the clock offset.
void ComputeSunAtCursor(TSunState& sun, double dayCount, double clockOffset);

struct TRgb {
    int R = 0, G = 0, B = 0;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

// What the illumination label shows; the window paints it.
struct TIllumination {
    bool Sunlit = false;
    std::string Text;
    TRgb LabelColour;
    TRgb TextColour;
};

// Sunlit when the sub-satellite point lies farther than the shadow radius
// from the anti-solar point. A geocentric radius at or below the earth's
// radius (or not finite) counts as on the surface: shadow radius 90 degrees.
TIllumination ShowIllumination(const TSunState& sun, double subLatitude, double subLongitude, double geocentricRadius);

// The label when the sun display is switched off.
TIllumination IlluminationOff();

}  // namespace kelvora
