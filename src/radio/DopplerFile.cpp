#include "DopplerFile.h"

#include <charconv>
#include <limits>

#include "ConfigText.h"

namespace kelvora {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A decimal number with "."; the whole field must be the number.
double ReadNumber(std::string_view field) {
    field = TrimBlanks(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    double value = kNaN;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || field.empty()) return kNaN;
    return value;
}

TDopplerEntry ParseEntry(std::string_view line) {
    // Seven fields split at commas, the eighth is the rest of the line.
    std::string_view fields[8];
    int count = 0;
    while (count < 7) {
        const size_t comma = line.find(',');
        if (comma == std::string_view::npos) break;
        fields[count++] = line.substr(0, comma);
        line.remove_prefix(comma + 1);
    }
    fields[count++] = line;
    auto number = [&](int i) { return i < count ? ReadNumber(fields[i]) : kNaN; };
    auto text = [&](int i) { return i < count ? std::string(TrimBlanks(fields[i])) : std::string(); };

    TDopplerEntry entry;
    entry.Name = std::string(fields[0]);
    entry.DownlinkKHz = number(1);
    entry.UplinkKHz = number(2);
    entry.DownlinkMode = text(3);
    entry.UplinkMode = text(4);
    entry.Sense = text(5);
    entry.DownlinkOffsetKHz = number(6);
    entry.UplinkOffsetKHz = number(7);
    return entry;
}
}  // namespace

TDopplerTable ParseDopplerTable(std::string_view bytes) {
    TDopplerTable table;
    TConfigText text{std::string(bytes)};
    while (!text.AtEnd() && table.size() < kDopplerTableSize) {
        const std::string_view line = text.ReadLine();
        if (line.empty() || line.front() == ';') continue;
        table.push_back(ParseEntry(line));
    }
    return table;
}

std::optional<int> ParseCorrectionMode(std::string_view bytes) {
    TConfigText text{std::string(bytes)};
    std::string_view token = text.ReadNumberToken();
    if (token.empty()) return 0;
    if (token.front() == '+') token.remove_prefix(1);
    int mode = 0;
    const auto [last, error] = std::from_chars(token.data(), token.data() + token.size(), mode);
    if (error == std::errc::result_out_of_range) return 0;
    if (error != std::errc() || last != token.data() + token.size()) return std::nullopt;
    return mode >= 0 && mode <= 2 ? mode : 0;
}

std::string CorrectionModeFileText(int mode) {
    if (mode < 0 || mode > 2) mode = 0;
    return std::to_string(mode) + "\r\n";
}

}  // namespace kelvora
