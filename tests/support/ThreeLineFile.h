#pragma once
// Reads a three-line element file (name, line 1, line 2) straight into the
// model's slots, without the program's readers: for tests and benchmarks that
// need real sets but test something else.

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "OrbitModel.h"

namespace kelvora::testing {

// Fills slots 1.. (at most the model's slot count), converts them and returns
// the names, trailing blanks and CR removed.
inline std::vector<std::string> LoadThreeLineFile(TOrbitModel& model, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> names;
    const auto trimmed = [](std::string s) {
        while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) s.pop_back();
        return s;
    };
    std::string name, line1, line2;
    while (names.size() < static_cast<size_t>(TOrbitModel::kMaxSlots) && std::getline(in, name) &&
           std::getline(in, line1) && std::getline(in, line2)) {
        names.push_back(trimmed(name));
        model.TwoLineRecord(static_cast<int>(names.size())) = {trimmed(line1), trimmed(line2)};
    }
    model.ConvertTwoLine(static_cast<int>(names.size()));
    return names;
}

// The slot of the first set of that name, 0 when there is none.
inline int SlotOf(const std::vector<std::string>& names, const std::string& name) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? 0 : static_cast<int>(it - names.begin()) + 1;
}

}  // namespace kelvora::testing
