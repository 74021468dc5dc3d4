// Small numeric helpers shared by the propagators, the observer code and the
// element-file readers: angle constants, angle reduction, a guarded power,
// vector magnitude and the fixed-column field readers of two-line sets.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace kelvora {

// Full-precision angles for the models and the observer geometry.
inline constexpr double kPi = 3.1415926535897932385;
inline constexpr double kTwoPi = 6.283185307179586477;
inline constexpr double kPiHalf = 1.5707963267948966;
inline constexpr double kThreePiHalf = 4.71238898038469;

// The tracking side (squint, sun, pass search, map) works with this shorter pi
// and the values derived from it; never mix it with kPi in one formula.
inline constexpr double kTrackPi = 3.1415928;
inline constexpr double kTrackDegToRad = kTrackPi / 180.0;
inline constexpr double kTrackRadToDeg = 180.0 / kTrackPi;
inline constexpr double kTrackTwoPi = 6.2831856;
inline constexpr double kTrackPiHalf = 1.5707964;

// x, y, z and the magnitude w, which only Magnitude fills.
struct TVector4 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;
};

int Sign(double x);
double Cube(double x);
// e^(exponent * ln base) for base > 0. Otherwise writes
// "Invalid argument in Function Power!" to sink (standard error when null)
// and returns 0.
double Power(double base, double exponent, std::ostream* sink = nullptr);
double Radians(double deg);
double Degrees(double rad);
double Tan(double x);
double ArcSin(double x);
// Result in [0, divisor) for a positive divisor.
double Modulus(double value, double divisor);
double ReduceAngle(double x);
// Angle whose sine and cosine are proportional to s and c, in (-pi/2, 3pi/2).
double QuadrantArcTan(double s, double c);
void Magnitude(TVector4& v);
double Dot(const TVector4& a, const TVector4& b);

// Truncation helpers with the usual Pascal meaning: Int truncates toward
// zero, Frac keeps the sign of its argument.
double Int(double x);
double Frac(double x);

// Fixed-column readers; columns are 1-based, as in element-file layouts.
std::string BlanksToZeros(std::string_view text);
int IntField(std::string_view line, int from, int count);
double RealField(std::string_view line, int from, int count);
std::string TwoDigitText(int n);
std::string ThreeDigitText(int n);

// Strict whole-text conversions used by the field readers; they report
// failure instead of guessing so that a malformed field becomes 0.
bool ParseInt(std::string_view text, int& value);
bool ParseReal(std::string_view text, double& value);

}  // namespace kelvora
