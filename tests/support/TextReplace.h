#pragma once

#include <string>

namespace kelvora::testing {

// The text with the first occurrence of `from` replaced by `to` (unchanged
// when there is none).
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

}  // namespace kelvora::testing
