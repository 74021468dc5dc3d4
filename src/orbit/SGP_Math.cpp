#include "SGP_Math.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <limits>

namespace kelvora {

int Sign(double x) {
    if (x > 0.0) return 1;
    if (x < 0.0) return -1;
    return 0;
}

double Cube(double x) { return x * x * x; }

double Power(double base, double exponent, std::ostream* sink) {
    if (base > 0.0) return std::exp(exponent * std::log(base));
    std::ostream& out = sink != nullptr ? *sink : std::cerr;
    out << "Invalid argument in Function Power!\n";
    return 0.0;
}

double Radians(double deg) { return deg * kPi / 180.0; }
double Degrees(double rad) { return rad * 180.0 / kPi; }
double Tan(double x) { return std::sin(x) / std::cos(x); }

double ArcSin(double x) {
    if (std::fabs(x) >= 1.0) return Sign(x) * kPiHalf;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double Modulus(double value, double divisor) {
    double r = value - std::trunc(value / divisor) * divisor;
    if (r < 0.0) r += divisor;
    return r;
}

double ReduceAngle(double x) { return Modulus(x, kTwoPi); }

double QuadrantArcTan(double s, double c) {
    if (c == 0.0) return s > 0.0 ? kPiHalf : kThreePiHalf;
    if (c > 0.0) return std::atan(s / c);
    return std::atan(s / c) + kPi;
}

void Magnitude(TVector4& v) { v.w = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

double Dot(const TVector4& a, const TVector4& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

double Int(double x) { return std::trunc(x); }
double Frac(double x) { return x - std::trunc(x); }

std::string BlanksToZeros(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        if (ch == ' ') ch = '0';
    }
    return out;
}

namespace {

// Characters count from 1-based column from; a range past the end is cut
// short, as a Pascal Copy would.
std::string_view Piece(std::string_view line, int from, int count) {
    if (from < 1) from = 1;
    if (count <= 0) return {};
    const auto start = static_cast<std::size_t>(from - 1);
    if (start >= line.size()) return {};
    return line.substr(start, static_cast<std::size_t>(count));
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Accepts [sign] digits [. digits] [e [sign] digits] with at least one
// mantissa digit; rejects inf/nan and anything else.
bool IsDecimalReal(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && IsDigit(t[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    return i == t.size();
}

}  // namespace

bool ParseInt(std::string_view text, int& value) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return false;
    }
    if (text.empty()) return false;
    int v = 0;
    const auto* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, v);
    if (res.ec != std::errc() || res.ptr != end) return false;
    value = v;
    return true;
}

bool ParseReal(std::string_view text, double& value) {
    if (!IsDecimalReal(text)) return false;
    if (text.front() == '+') text.remove_prefix(1);
    double v = 0.0;
    const auto* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, v);
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(v)) return false;
    value = v;
    return true;
}

int IntField(std::string_view line, int from, int count) {
    const std::string piece = BlanksToZeros(Piece(line, from, count));
    int value = 0;
    return ParseInt(piece, value) ? value : 0;
}

double RealField(std::string_view line, int from, int count) {
    const std::string piece = BlanksToZeros(Piece(line, from, count));
    if (piece.empty()) return 0.0;
    double value = 0.0;
    return ParseReal(piece, value) ? value : 0.0;
}

std::string TwoDigitText(int n) { return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)}; }

std::string ThreeDigitText(int n) { return static_cast<char>('0' + n / 100) + TwoDigitText(n % 100); }

}  // namespace kelvora
