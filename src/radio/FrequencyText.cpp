#include "FrequencyText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kelvora {

namespace {
// |value| rounded to `decimals` places: all digits before the point (at least
// one) followed by the decimal digits, no point.
struct TRoundedDigits {
    std::string Integer;
    std::string Decimals;
};

TRoundedDigits RoundedDigits(double magnitude, int decimals) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    int integerCount = (*p ? std::atoi(p + 1) : 0) + 1;

    // Round half away from zero at `keep` significant digits.
    const int keep = integerCount + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<size_t>(keep)] >= '5';
        digits.resize(static_cast<size_t>(keep));
        int i = keep - 1;
        for (; up && i >= 0; --i) {
            char& c = digits[static_cast<size_t>(i)];
            if (c != '9') {
                ++c;
                break;
            }
            c = '0';
        }
        if (up && i < 0) {
            digits.insert(digits.begin(), '1');
            ++integerCount;
        }
    }
    auto digitAt = [&](int k) {
        return k >= 0 && k < static_cast<int>(digits.size()) ? digits[static_cast<size_t>(k)] : '0';
    };
    TRoundedDigits out;
    for (int k = 0; k < integerCount; ++k) out.Integer += digitAt(k);
    for (int k = 0; k < decimals; ++k) out.Decimals += digitAt(integerCount + k);
    const size_t first = out.Integer.find_first_not_of('0');
    out.Integer = first == std::string::npos ? "0" : out.Integer.substr(first);
    return out;
}
}  // namespace

std::optional<std::string> FrequencyDigits(double kHz, int integerDigits, int decimals) {
    if (!std::isfinite(kHz) || kHz <= 0.0 || integerDigits < 1 || decimals < 0) return std::nullopt;
    const TRoundedDigits d = RoundedDigits(kHz, decimals);
    if (static_cast<int>(d.Integer.size()) > integerDigits) return std::nullopt;
    std::string text(static_cast<size_t>(integerDigits) - d.Integer.size(), '0');
    text += d.Integer;
    text += d.Decimals;
    if (text.find_first_not_of('0') == std::string::npos) return std::nullopt;
    return text;
}

std::string FormatFixed(double value, int minIntegerDigits, int decimals, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    TRoundedDigits d = RoundedDigits(std::fabs(value), decimals);
    const bool zero = d.Integer == "0" && d.Decimals.find_first_not_of('0') == std::string::npos;
    if (d.Integer == "0") d.Integer.clear();
    if (static_cast<int>(d.Integer.size()) < minIntegerDigits)
        d.Integer.insert(0, static_cast<size_t>(minIntegerDigits) - d.Integer.size(), '0');
    std::string out = (value < 0 && !zero) ? "-" : "";
    out += d.Integer;
    if (decimals > 0) {
        out += decimalSeparator;
        out += d.Decimals;
    }
    return out;
}

}  // namespace kelvora
