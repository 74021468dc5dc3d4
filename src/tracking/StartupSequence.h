#pragma once
// Reads every setting and data file in a fixed order and hands over to tracking.
// A missing file or a bad number stops the sequence at its step; tracking does not start.

#include "AppState.h"
#include "OperatorPrompt.h"
#include "Parts.h"
#include "TrackingCycle.h"

#include <functional>

namespace kelvora {

struct TStartupResult {
    bool Completed = false;  // reached StartTracking
    bool StartTimer = false;  // the main timer is to run
    int StoppedAtStep = 0;  // 1..22 when it stopped early
    QString Message;  // what the operator was told
};

class StartupSequence {
public:
    StartupSequence(TAppState& app, TParts parts, IOperatorPrompt& prompt, TrackingCycle& cycle)
        : app_(app), parts_(parts), prompt_(prompt), cycle_(cycle) {}

    TStartupResult Run();

    // Local minus UTC hours of the computer clock now; used for the zone "auto".
    std::function<double()> SystemZoneHours;

    // Station settings: "SatIni.SQF" and "ParPort.SQF", the system decimal separator,
    // the zone and the station. systemZoneHours is local − UTC of the computer now.
    void ReadStationSettings(double systemZoneHours);

private:
    void RunConfigurationBlock();
    bool RunSatelliteBlock(TStartupResult& result);
    template <typename F>
    void Step(int number, F&& action);

    TAppState& app_;
    TParts parts_;
    IOperatorPrompt& prompt_;
    TrackingCycle& cycle_;
    int step_ = 0;
};

}  // namespace kelvora
