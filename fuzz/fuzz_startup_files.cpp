// libFuzzer target: arbitrary bytes as each of the fifteen files the start-up reads,
// through the reader of that file. A reader either refuses the bytes with a
// ConfigError (whose message is short and printable) or returns values within their
// ranges; anything else stops the run. Built and run by scripts/fuzz.
#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "ConfigFile.h"
#include "GeneralSettings.h"
#include "SatGroups.h"
#include "SatNameU.h"
#include "Squint.h"
#include "StationLimits.h"

namespace {

using namespace kelvora;
using fuzz::Require;

bool Within(int value, int low, int high) { return value >= low && value <= high; }

// A refusal names the file and quotes at most a short excerpt, without control
// characters (a NUL would cut the message short).
void CheckRefusal(const ConfigError& error) {
    const std::string text = error.what();
    Require(text.size() < 400, "short message");
    for (const QChar c : error.Message()) Require(c.unicode() >= 0x20, "printable message");
}

template <typename F>
void Reading(const QByteArray& bytes, const char* name, F&& read) {
    ConfigFile file(bytes, QString::fromLatin1(name));
    try {
        read(file);
    } catch (const ConfigError& error) {
        CheckRefusal(error);
    }
}

template <typename F>
void Refusing(F&& convert) {
    try {
        convert();
    } catch (const ConfigError& error) {
        CheckRefusal(error);
    }
}

void StationFile(const QByteArray& bytes) {
    Reading(bytes, "SatIni.SQF", [](ConfigFile& f) {
        TStationSettings s = ReadSatIni(f);
        Require(IsStationLatitude(s.Latitude), "latitude");
        Require(IsStationLongitude(s.Longitude), "longitude");
        Require(Within(s.PortNumber, 0, kMaxSerialPortNumber), "port number");
        Require(Within(s.CatPauseMs, 0, kMaxCatPauseMs), "CAT pause");
        Require(s.MinElevation >= -kMaxMinElevation && s.MinElevation <= kMaxMinElevation, "minimum elevation");
        Require(Within(s.RotorValueA, -kMaxRotorOffset, kMaxRotorOffset), "rotor azimuth offset");
        Require(Within(s.RotorValueB, -kMaxRotorOffset, kMaxRotorOffset), "rotor elevation offset");
        for (const QChar decimal : {QChar('.'), QChar(',')}) {
            Refusing([&] { Require(IsStationHeight(ConvertStationHeight(s.HeightText, decimal)), "height"); });
            Refusing([&] { Require(IsZoneHours(StationZoneHours(s.ZoneText, 2.0, decimal)), "zone"); });
        }
    });
    Reading(bytes, "ParPort.SQF", [](ConfigFile& f) {
        TStationSettings s;
        s.ParallelPortChoice = 1;
        ReadParPort(f, s);
    });
}

void StartAndWindowFiles(const QByteArray& bytes) {
    Reading(bytes, "SatStart.SQF", [](ConfigFile& f) {
        TStartSettings s;
        ReadSatStart(f, s);
    });
    Reading(bytes, "SatStartISS.SQF", [](ConfigFile& f) {
        TStartSettings s;
        ReadSatStartIss(f, s);
        Require(Within(s.MapInterval, -kMaxMapInterval, kMaxMapInterval), "map interval");
    });
    Reading(bytes, "SatPos.SQF", [](ConfigFile& f) {
        const TWindowPosition p = ReadWindowPosition(f);
        Require(Within(p.Top, -kMaxWindowCoordinate, kMaxWindowCoordinate), "window top");
        Require(Within(p.Left, -kMaxWindowCoordinate, kMaxWindowCoordinate), "window left");
        const QRect screen(-1920, 0, 3840, 1080);
        Require(screen.contains(PlaceOnScreen(p, screen)), "on the screen");
    });
    Reading(bytes, "DivOptions.SQF", [](ConfigFile& f) { (void)ReadReportBelowHorizon(f); });
}

void ListFiles(const QByteArray& bytes) {
    Reading(bytes, "Prior.SQF",
            [](ConfigFile& f) { Require(ReadPriorityList(f).size() <= MaxPriorityEntries, "priority entries"); });
    Reading(bytes, "Program.SQF",
            [](ConfigFile& f) { Require(ReadProgramList(f).size() <= MaxProgramEntries, "program entries"); });
    Reading(bytes, "Auxiliary.SQF",
            [](ConfigFile& f) { Require(ReadAuxiliaryList(f).size() <= MaxAuxiliaryEntries, "auxiliary entries"); });
}

void GroupFiles(const QByteArray& bytes) {
    Reading(bytes, "ISSFiles8d.SQF", [](ConfigFile& f) {
        const QStringList names = ReadGroupNames(f);
        Require(names.size() <= MaxGroups, "at most twelve groups");
        for (const QString& name : names) Require(name.isEmpty() || IsUsableGroupName(name), "usable group name");
    });
    Reading(bytes, "ISSSources.SQF", [](ConfigFile& f) {
        const QStringList sources = ReadSourceLines(f);
        Require(sources.size() <= MaxGroups, "at most twelve sources");
        for (const QString& source : sources) (void)ResolveSourcePath("/data/", source);
    });
    Reading(bytes, "Standard.ISS", [](ConfigFile& f) { (void)ReadGroupFile(f); });
}

void NameAndSquintFiles(std::string_view bytes) {
    (void)ParseNorvaNames(bytes);
    (void)ParseNameOptions(bytes);
    for (const TSquintEntry& entry : ReadSquintTable(bytes))
        Require(std::isfinite(entry.AttitudeLon) && std::isfinite(entry.AttitudeLat), "finite attitude");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    StationFile(bytes);
    StartAndWindowFiles(bytes);
    ListFiles(bytes);
    GroupFiles(bytes);
    NameAndSquintFiles(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return 0;
}
