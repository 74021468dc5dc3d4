#include "CatInterval.h"

#include <array>
#include <charconv>

#include "ConfigText.h"
#include "FileMessage.h"

namespace kelvora {

bool ReadIntervalFile(std::string_view bytes, double& intervalHz, TFileError* error) {
    TConfigText text{std::string(bytes)};
    const std::string_view token = text.ReadNumberToken();
    double value = 0.0;
    if (!token.empty() && !ParseDecimalText(token, value))
        return FailFileLine(error, "IntVCatISS.SQF", text.TokenLine(), NotANumberText(token));
    intervalHz = value;
    return true;
}

std::string IntervalFileText(double intervalHz) {
    // The shortest text that reads back as the same number, never in the desktop's notation.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), intervalHz);
    return std::string(buffer.data(), result.ptr) + "\r\n";
}

}  // namespace kelvora
