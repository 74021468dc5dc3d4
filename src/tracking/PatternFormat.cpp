#include "PatternFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kelvora {

namespace {
struct TPatternShape {
    int MinInteger = 0;  // '0' placeholders before the point
    int MinDecimals = 0;  // '0' placeholders after it
    int MaxDecimals = 0;  // '0' and '#' placeholders after it
};

TPatternShape ShapeOf(std::string_view pattern) {
    TPatternShape shape;
    const size_t point = pattern.find('.');
    for (size_t i = 0; i < pattern.size() && i < point; ++i)
        if (pattern[i] == '0') ++shape.MinInteger;
    if (point == std::string_view::npos) return shape;
    for (size_t i = point + 1; i < pattern.size(); ++i) {
        if (pattern[i] != '0' && pattern[i] != '#') continue;
        ++shape.MaxDecimals;
        if (pattern[i] == '0') shape.MinDecimals = shape.MaxDecimals;
    }
    return shape;
}

// The 15 significant digits of |value| and the count of digits before the point.
struct TDecimalDigits {
    std::string Digits;
    int IntegerCount = 0;
};

TDecimalDigits DigitsOf(double magnitude) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    TDecimalDigits d;
    for (const char* p = buffer; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.Digits += *p;
    const char* e = buffer;
    while (*e && *e != 'e') ++e;
    d.IntegerCount = (*e ? std::atoi(e + 1) : 0) + 1;
    return d;
}

// Keeps `keep` leading digits, rounding half away from zero on the next one.
void RoundTo(TDecimalDigits& d, int keep) {
    if (keep >= static_cast<int>(d.Digits.size())) return;
    if (keep < 0) {
        d.Digits.clear();
        return;
    }
    const bool up = d.Digits[static_cast<size_t>(keep)] >= '5';
    d.Digits.resize(static_cast<size_t>(keep));
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0; --i) {
        char& c = d.Digits[static_cast<size_t>(i)];
        if (c != '9') {
            ++c;
            break;
        }
        c = '0';
    }
    if (i < 0) {
        d.Digits.insert(d.Digits.begin(), '1');
        ++d.IntegerCount;
    }
}

// Digit at position k counted from the first significant one; zeros outside.
char DigitAt(const TDecimalDigits& d, int k) {
    return k >= 0 && k < static_cast<int>(d.Digits.size()) ? d.Digits[static_cast<size_t>(k)] : '0';
}
}  // namespace

std::string FormatPattern(double value, std::string_view pattern, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const TPatternShape shape = ShapeOf(pattern);
    TDecimalDigits d = DigitsOf(std::fabs(value));
    RoundTo(d, d.IntegerCount + shape.MaxDecimals);

    std::string integer;
    for (int k = 0; k < d.IntegerCount; ++k) integer += DigitAt(d, k);
    std::string decimals;
    for (int k = 0; k < shape.MaxDecimals; ++k) decimals += DigitAt(d, d.IntegerCount + k);

    const bool zero =
        integer.find_first_not_of('0') == std::string::npos && decimals.find_first_not_of('0') == std::string::npos;
    const size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
    if (static_cast<int>(integer.size()) < shape.MinInteger)
        integer.insert(0, static_cast<size_t>(shape.MinInteger) - integer.size(), '0');
    while (static_cast<int>(decimals.size()) > shape.MinDecimals && decimals.back() == '0') decimals.pop_back();

    std::string out = (value < 0 && !zero) ? "-" : "";
    out += integer;
    if (!decimals.empty()) {
        out += decimalSeparator;
        out += decimals;
    }
    return out;
}

std::string PadLeft(std::string text, size_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string PadRight(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

}  // namespace kelvora
