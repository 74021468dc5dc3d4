#pragma once
// What the fuzz targets check their readers with: a broken promise stops the run
// there, with the promise named.

#include <cstdio>
#include <string_view>

namespace kelvora::fuzz {

inline void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    __builtin_trap();
}

inline bool OneLine(std::string_view text) { return text.find('\n') == std::string_view::npos; }

}  // namespace kelvora::fuzz
