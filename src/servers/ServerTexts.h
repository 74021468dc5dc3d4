#pragma once
// The texts that go to the rotor and radio servers: macros and pokes of the
// D-Bus servers, command lines of Hamlib's rotctld and rigctld. Plain values in,
// text out.

#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// Told apart by the server's file name, in lower case.
enum class TRotorServerKind {
    WholeDegrees,  // any other server: "123 45"
    Hundredths,  // "serveregis": "123.40 045.00"
    Tenths,  // "serverlabjack", "serverrotix": "123.4 045.0"
    Arswin,  // "arswin", "arswin32": pokes "GA:123", "GE:45"
    Rotctld,  // Hamlib's daemon over TCP: "P 123.40 45.00"
};

// The file name part of a stored path: after the last "\" or "/".
std::string FileNamePart(std::string_view path);
std::string LowerCase(std::string_view text);
TRotorServerKind RotorServerKindOf(std::string_view path);

// The position text of a server; for ARSWIN and the default the whole degrees,
// halves to even.
std::string RotorPositionText(TRotorServerKind kind, double azimuth, double elevation, char decimalSeparator);
struct TArswinPokes {
    std::string Azimuth;  // "GA:" + whole degrees
    std::string Elevation;  // "GE:" + whole degrees
};
TArswinPokes ArswinPokesOf(double azimuth, double elevation);
// rotctld's set-position command, "." always, no line end.
std::string RotctldPositionCommand(double azimuth, double elevation);

// The radio server's macros; frequencies in kHz with converter offsets taken off.
std::string RadioFrequencyMacro(double rxKHz, double txKHz, char decimalSeparator);
std::string RadioStepMacro(double rxKHz, char decimalSeparator);
std::string RadioModeMacro(std::string_view downlinkMode, std::string_view uplinkMode);

// The same decisions as rigctld command lines (no line ends).
std::vector<std::string> RigctldFrequencyCommands(double rxKHz, double txKHz);
std::vector<std::string> RigctldStepCommands(double rxKHz);
std::vector<std::string> RigctldModeCommands(std::string_view downlinkMode, std::string_view uplinkMode);
std::vector<std::string> RigctldCloseCommands();

// "host:port", "host", ":port", "[v6]:port" or empty; what is missing or not a
// port comes from the defaults.
struct THostPort {
    std::string Host;
    int Port = 0;
};
THostPort ParseHostPort(std::string_view text, const THostPort& defaults);

// A daemon's answer line "RPRT n": the n when it is not 0, else 0 (also for any
// other line).
int DaemonErrorCode(std::string_view line);

}  // namespace kelvora
