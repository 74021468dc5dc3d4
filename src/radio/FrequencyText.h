#pragma once
// Frequencies as digit texts. Rounding is half away from zero on the number's
// 15-digit decimal form, the same rule the window's number patterns use, so the
// radio gets the digits the operator sees.

#include <optional>
#include <string>

namespace kelvora {

// The value with exactly integerDigits digits before and decimals digits after the
// point, the point left out (145990 kHz, 7, 3 -> "0145990000"). nullopt when the
// value is not finite, not above zero, rounds to zero or needs more integer digits:
// such a value must never reach a radio.
std::optional<std::string> FrequencyDigits(double kHz, int integerDigits, int decimals);

// At least minIntegerDigits digits before the separator and exactly decimals after
// it ("#000000.000" is 6 and 3); "-" for negative values that do not round to zero,
// "NAN", "INF" and "-INF" for values that are not finite.
std::string FormatFixed(double value, int minIntegerDigits, int decimals, char decimalSeparator);

}  // namespace kelvora
