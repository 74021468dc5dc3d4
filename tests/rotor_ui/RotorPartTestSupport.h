#pragma once
// A station behind the rotor part: the kit's rotor files in a temporary data
// folder, a satellite whose look angles a test scripts, server links that record
// every position, and the main window's rotor label as texts.

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "KitDataFolder.h"
#include "QuietParts.h"
#include "RotorPart.h"

namespace kelvora::test {

inline constexpr double kSecond = 1.0 / 86400.0;  // in days
inline constexpr double kDay0 = 16845.25;  // some day count, 06:00

struct RecordingLinks : IServerLinks {
    std::vector<std::pair<double, double>> Positions;
    int FilesRead = 0, Started = 0, Stopped = 0;
    void ReadServerFiles() override { ++FilesRead; }
    void StartServers() override { ++Started; }
    void SendRotorPosition(double azimuth, double elevation) override { Positions.emplace_back(azimuth, elevation); }
    void StopServers() override { ++Stopped; }
};

// The satellite part as the rotor sees it: look angles by day count, a pass.
struct ScriptedSatellite : QuietParts {
    std::function<std::optional<TSatelliteLook>(int set, double dayCount)> Look;
    std::optional<TPredictedPass> Pass;  // of every set
    double Revs = 15.5;
    int LookCalls = 0;

    std::optional<TSatelliteLook> LookAt(int set, double dayCount) override {
        ++LookCalls;
        return Look ? Look(set, dayCount) : std::nullopt;
    }
    std::optional<TPredictedPass> PredictedPass(int) override { return Pass; }
    double RevsPerDay(int) override { return Revs; }
};

struct RecordingRotorWindow : IRotorWindow {
    QStringList Log;
    bool MainEnabled = true;
    void ShowRotorSwitch(bool on) override { Log << (on ? "R+" : "R-"); }
    void ShowRotorPassColour(bool yellow) override { Log << (yellow ? "yellow" : "normal"); }
    void EnableMainWindow(bool enabled) override { MainEnabled = enabled; }
};

// A satellite standing still at (azimuth, elevation) that moves by the given
// degrees per second from kDay0 on.
inline std::function<std::optional<TSatelliteLook>(int, double)> Moving(double azimuth, double elevation,
                                                                        double azimuthPerSecond = 0.0,
                                                                        double elevationPerSecond = 0.0) {
    return [=](int, double dayCount) -> std::optional<TSatelliteLook> {
        const double seconds = (dayCount - kDay0) / kSecond;
        TSatelliteLook look;
        look.Azimuth = std::fmod(azimuth + azimuthPerSecond * seconds + 3600.0, 360.0);
        look.Elevation = elevation + elevationPerSecond * seconds;
        look.SubLatitude = 60.0;  // north of the station
        look.SubLongitude = 10.0;
        return look;
    };
}

struct RotorStation {
    KitDataFolder Data;
    ScriptedPrompt Prompt;
    TAppState State;
    ScriptedSatellite Satellite;
    RecordingLinks Links;

    explicit RotorStation(bool secondInstance = false) {
        State.DataFolder = Data.Folder();
        State.SecondInstance = secondInstance;
        State.Station.Latitude = 48.0;
        State.Station.Longitude = 10.0;
        Satellite.Active = 1;
    }

    // The kit's files with some lines changed, read as the start-up reads them.
    void Write(const QString& name, const QByteArray& bytes) { Data.Write(name, bytes); }
    void ReadFiles(TRotorPart& part) {
        part.ReadRotorFiles();
        part.ReadRotorOptions();
        part.ReadServerFiles();
    }

    // One tick of the tracking cycle at kDay0 + second seconds.
    void Tick(TRotorPart& part, int second) {
        State.Time.DayCount = kDay0 + second * kSecond;
        part.RotorCycle();
    }
};

}  // namespace kelvora::test
