#pragma once
// Splits the tool's CSV output into lines and numeric cells.

#include <sstream>
#include <string>
#include <vector>

namespace kelvora::testing {

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Empty cells read as 0.
inline std::vector<double> Cells(const std::string& line) {
    std::vector<double> cells;
    std::istringstream in(line);
    for (std::string c; std::getline(in, c, ',');) cells.push_back(c.empty() ? 0 : std::stod(c));
    return cells;
}

}  // namespace kelvora::testing
