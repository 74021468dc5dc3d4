#include "ServerTexts.h"

#include "PatternFormat.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace kelvora {

namespace {
// Whole degrees, halves to even (122.5 -> 122).
std::string WholeDegrees(double degrees) { return std::to_string(static_cast<long long>(std::nearbyint(degrees))); }

std::string Hz(double kHz) { return std::to_string(std::llround(kHz * 1000.0)); }

// Blanks and control characters (an old editor's end-of-file mark 26) go.
bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Trimmed(std::string_view text) {
    while (!text.empty() && Blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && Blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}
}  // namespace

std::string FileNamePart(std::string_view path) {
    const size_t slash = path.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

TRotorServerKind RotorServerKindOf(std::string_view path) {
    const std::string name = LowerCase(FileNamePart(Trimmed(path)));
    if (name == "arswin" || name == "arswin32") return TRotorServerKind::Arswin;
    if (name == "serveregis") return TRotorServerKind::Hundredths;
    if (name == "serverlabjack" || name == "serverrotix") return TRotorServerKind::Tenths;
    if (name == "rotctld") return TRotorServerKind::Rotctld;
    return TRotorServerKind::WholeDegrees;
}

std::string RotorPositionText(TRotorServerKind kind, double az, double el, char sep) {
    switch (kind) {
        case TRotorServerKind::Hundredths:
            return FormatPattern(az, "000.00", sep) + " " + FormatPattern(el, "000.00", sep);
        case TRotorServerKind::Tenths:
            return FormatPattern(az, "000.0", sep) + " " + FormatPattern(el, "000.0", sep);
        case TRotorServerKind::Rotctld:
            return RotctldPositionCommand(az, el);
        case TRotorServerKind::WholeDegrees:
        case TRotorServerKind::Arswin:
            break;
    }
    return WholeDegrees(az) + " " + WholeDegrees(el);
}

TArswinPokes ArswinPokesOf(double az, double el) { return {"GA:" + WholeDegrees(az), "GE:" + WholeDegrees(el)}; }

std::string RotctldPositionCommand(double az, double el) {
    return "P " + FormatPattern(az, "0.00", '.') + " " + FormatPattern(el, "0.00", '.');
}

std::string RadioFrequencyMacro(double rx, double tx, char sep) {
    return "SF" + FormatPattern(rx, "0000000.000", sep) + " " + FormatPattern(tx, "0000000.000", sep);
}

std::string RadioStepMacro(double rx, char sep) { return "SF" + FormatPattern(rx, "0000000.000", sep); }

std::string RadioModeMacro(std::string_view down, std::string_view up) {
    return "SM" + std::string(down) + " " + std::string(up);
}

std::vector<std::string> RigctldFrequencyCommands(double rx, double tx) {
    // The uplink on the split VFO; a satellite without one leaves split as it is.
    if (tx <= 0) return {"F " + Hz(rx)};
    return {"F " + Hz(rx), "S 1 VFOB", "I " + Hz(tx)};
}

std::vector<std::string> RigctldStepCommands(double rx) { return {"F " + Hz(rx)}; }

std::vector<std::string> RigctldModeCommands(std::string_view down, std::string_view up) {
    // Passband 0: the radio's default for the mode.
    std::vector<std::string> commands;
    if (!Trimmed(down).empty()) commands.push_back("M " + Trimmed(down) + " 0");
    if (!Trimmed(up).empty()) commands.push_back("X " + Trimmed(up) + " 0");
    return commands;
}

std::vector<std::string> RigctldCloseCommands() { return {"S 0 VFOA"}; }

THostPort ParseHostPort(std::string_view text, const THostPort& defaults) {
    const std::string t = Trimmed(text);
    THostPort out = defaults;
    std::string host = t;
    std::string port;
    if (!t.empty() && t.front() == '[') {
        const size_t close = t.find(']');
        if (close == std::string::npos) return defaults;
        host = t.substr(1, close - 1);
        if (close + 1 < t.size() && t[close + 1] == ':') port = t.substr(close + 2);
    } else if (const size_t colon = t.rfind(':'); colon != std::string::npos && t.find(':') == colon) {
        host = t.substr(0, colon);
        port = t.substr(colon + 1);
    }
    if (!host.empty()) out.Host = host;
    int value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (!port.empty() && error == std::errc() && end == port.data() + port.size() && value > 0 && value < 65536)
        out.Port = value;
    return out;
}

int DaemonErrorCode(std::string_view line) {
    const std::string t = Trimmed(line);
    if (t.rfind("RPRT ", 0) != 0) return 0;
    int value = 0;
    const auto [end, error] = std::from_chars(t.data() + 5, t.data() + t.size(), value);
    return error == std::errc() ? value : 0;
}

}  // namespace kelvora
