#pragma once
// Scripts as one line of text so a whole command sequence is one expectation:
// writes as hex bytes (or as ASCII for Kenwood), "P" a CAT pause, "C" clear input,
// "A16/3" wait for more than 16 bytes or 3 pauses, "R" read the answer; " | " between.
#include <sstream>
#include <string>

#include "CatScript.h"

namespace kelvora::testing {

inline std::string ScriptText(const TCatScript& script, bool ascii = false) {
    std::string text;
    for (const TCatStep& step : script) {
        if (!text.empty()) text += " | ";
        switch (step.Kind) {
            case TCatStepKind::Write:
                text += ascii ? step.Bytes : HexBytes(step.Bytes);
                break;
            case TCatStepKind::Pause:
                text += "P";
                break;
            case TCatStepKind::ClearInput:
                text += "C";
                break;
            case TCatStepKind::Await:
                text += 'A';
                text += std::to_string(step.MinBytes);
                text += '/';
                text += std::to_string(step.Pauses);
                break;
            case TCatStepKind::ReadAll:
                text += "R";
                break;
        }
    }
    return text;
}

// "FE FE 60" -> the three bytes.
inline std::string Bytes(const std::string& hex) {
    std::istringstream in(hex);
    std::string bytes;
    for (std::string pair; in >> pair;) bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
    return bytes;
}

}  // namespace kelvora::testing
