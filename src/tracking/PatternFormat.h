#pragma once
// Numbers as the window shows them: "#" an optional digit, "0" a required one, the
// decimal separator in force. Rounding is half away from zero on the number's
// 15-digit decimal form, so 0.125 with "0.00" gives "0.13" and 1.005 gives "1.01".

#include <string>
#include <string_view>

namespace kelvora {

// pattern: optional integer placeholders, then optionally "." and decimal
// placeholders ("##0.0", "####0", "00", "0000", "##0.000", "##0.0######", ".00000000").
// A value that rounds to zero shows no minus sign.
std::string FormatPattern(double value, std::string_view pattern, char decimalSeparator);

// Blanks in front up to width; a longer text is kept whole.
std::string PadLeft(std::string text, size_t width);
// Blanks behind up to width; a longer text is kept whole.
std::string PadRight(std::string text, size_t width);

}  // namespace kelvora
