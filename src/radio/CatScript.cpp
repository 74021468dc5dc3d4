#include "CatScript.h"

namespace kelvora {

TCatBytes WrittenBytes(const TCatScript& script) {
    TCatBytes bytes;
    for (const TCatStep& step : script)
        if (step.Kind == TCatStepKind::Write) bytes += step.Bytes;
    return bytes;
}

std::string HexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!text.empty()) text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

double RadioFrequency(double kHz, double offsetKHz) { return kHz > offsetKHz ? kHz - offsetKHz : kHz; }

}  // namespace kelvora
