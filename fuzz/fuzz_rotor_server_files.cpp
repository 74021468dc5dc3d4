// libFuzzer target: the rotor's settings files and the server links' files and
// answers. The first byte picks which reader gets the rest: "WiRotOpt.SQF",
// "Flip.SQF", "ParkPos.SQF", "StandPos.SQF" (the Qt-free rotor core),
// "RotorServer.SQF", "CatServer.SQF" (read as the program reads them, then taken
// apart into server, host and port) or the lines a Hamlib daemon answers. Besides
// crashes, each result is held to what its callers rely on; a broken promise
// traps. Built and run by scripts/fuzz.
#include <QByteArray>
#include <QString>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "ConfigFile.h"
#include "RotorSettings.h"
#include "ServerFiles.h"
#include "ServerTexts.h"

namespace {

using namespace kelvora;
using fuzz::OneLine;
using fuzz::Require;

// A refusal names its file and a line, in a short text without control characters
// (the message goes into a dialog).
void CheckRefusal(const std::string& error, std::string_view fileName) {
    Require(error.rfind(std::string(fileName) + ", line ", 0) == 0, "the error names file and line");
    Require(error.size() < 400, "short error text");
    for (const char c : error) Require(static_cast<unsigned char>(c) >= 0x20, "printable error text");
}

// A refused file leaves the settings as they were.
bool SameSettings(const TRotorSettings& a, const TRotorSettings& b) {
    return a.RotorMode == b.RotorMode && a.IntervalSeconds == b.IntervalSeconds && a.StepDegrees == b.StepDegrees &&
           a.AzimuthStepRule == b.AzimuthStepRule && a.ParkAzimuth == b.ParkAzimuth &&
           a.ParkElevation == b.ParkElevation;
}

TRotorSettings Before() {
    TRotorSettings settings;
    settings.RotorMode = 'w';
    settings.IntervalSeconds = 7;
    settings.StepDegrees = 3;
    settings.AzimuthStepRule = "before";
    settings.ParkAzimuth = 123;
    settings.ParkElevation = 45;
    return settings;
}

void WiRotOpt(std::string_view bytes) {
    TRotorSettings settings = Before();
    std::string error;
    if (!ReadWiRotOpt(bytes, settings, &error)) {
        CheckRefusal(error, "WiRotOpt.SQF");
        Require(SameSettings(settings, Before()), "a refused file leaves the settings");
        return;
    }
    Require(std::isfinite(settings.IntervalSeconds) && std::isfinite(settings.StepDegrees), "finite numbers");
    Require(OneLine(settings.AzimuthStepRule), "the rule is one line");
}

void FlipFile(std::string_view bytes) {
    for (const char endStop : {'N', 'S'}) {
        TRotorSettings settings;
        settings.EndStop = endStop;
        ReadFlipFile(bytes, settings);
        if (settings.FlipOn() || endStop == 'S') Require(!settings.Extend450On(), "450 degrees never with the flip");
        Require(settings.AzimuthRange() == 360.0 || settings.AzimuthRange() == 450.0, "an azimuth range");
    }
}

void ParkPosFile(std::string_view bytes) {
    TRotorSettings settings = Before();
    std::string error;
    if (!ReadParkPosFile(bytes, settings, &error)) {
        CheckRefusal(error, "ParkPos.SQF");
        Require(SameSettings(settings, Before()), "a refused file leaves the settings");
        return;
    }
    // What the Park button stores reads back alike.
    TRotorSettings again;
    Require(ReadParkPosFile(ParkPosFileText(settings.ParkAzimuth, settings.ParkElevation), again) &&
                again.ParkAzimuth == settings.ParkAzimuth && again.ParkElevation == settings.ParkElevation,
            "the stored park position reads back");
}

void StandPosFile(std::string_view bytes) {
    TRotorSettings settings;
    settings.StandardDirections.push_back({"old", 1, "1"});
    ReadStandPosFile(bytes, settings);
    TRotorSettings fresh;
    ReadStandPosFile(bytes, fresh);
    Require(settings.StandardDirections.size() == fresh.StandardDirections.size(), "the list is read anew");
    Require(settings.StandardDirections.size() <= kMaxStandardDirections, "at most 50 directions");
    for (const TStandardDirection& d : settings.StandardDirections) {
        Require(std::isfinite(d.Azimuth), "a finite azimuth");
        Require(!d.AzimuthText.empty() && OneLine(d.AzimuthText) && OneLine(d.Name), "texts of one line");
        Require(d.AzimuthText.find_first_of(" \t") == std::string::npos, "the azimuth text is one word");
        Require(StandardDirectionListText(d).size() == 9 + d.AzimuthText.size(), "list line of eight and one");
    }
}

void CheckAddress(const THostPort& address, const THostPort& defaults) {
    Require(address.Port >= 1 && address.Port <= 65535, "a port of TCP");
    Require(!address.Host.empty(), "a host");
    Require(OneLine(address.Host), "a host of one line");
    // Line 2 as the setup shows it reads back as the same address, for a host that
    // can name a machine (a name, an IPv4 or IPv6 address); other bytes are not kept.
    for (const char c : address.Host)
        if (!std::isalnum(static_cast<unsigned char>(c)) && std::string_view(".-_:%").find(c) == std::string_view::npos)
            return;
    const THostPort again = ParseHostPort(HostPortText(address).toLatin1().toStdString(), defaults);
    Require(again.Host == address.Host && again.Port == address.Port, "the written address reads back");
}

void ServerFile(std::string_view bytes, bool rotor) {
    const char* name = rotor ? "RotorServer.SQF" : "CatServer.SQF";
    ConfigFile file(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), QString::fromLatin1(name));
    const TServerFileLines lines = ServerFileLinesOf(file);
    const TServerFileLines other{rotor ? "rigctld" : "rotctld", lines.Second};
    const TServerFiles files = rotor ? ServerFilesOf(lines, other) : ServerFilesOf(other, lines);
    CheckAddress(files.RotorDaemon, kRotctldDefault);
    CheckAddress(files.RadioDaemon, kRigctldDefault);
    (void)IsRotctld(files.RotorServerPath);
    (void)IsRigctld(files.RadioServerService);
    (void)RotorServerKindOf(files.RotorServerPath.toLatin1().toStdString());
}

// Each line as a daemon's answer.
void DaemonAnswers(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        const int code = DaemonErrorCode(line);
        if (code != 0) Require(line.find("RPRT ") != std::string_view::npos, "only a report carries an error");
        if (line == "RPRT 0") Require(code == 0, "RPRT 0 is no error");
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t which = data[0] % 7;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (which) {
        case 0:
            WiRotOpt(bytes);
            break;
        case 1:
            FlipFile(bytes);
            break;
        case 2:
            ParkPosFile(bytes);
            break;
        case 3:
            StandPosFile(bytes);
            break;
        case 4:
            ServerFile(bytes, true);
            break;
        case 5:
            ServerFile(bytes, false);
            break;
        default:
            DaemonAnswers(bytes);
            break;
    }
    return 0;
}
