#include "StartupSequence.h"

#include "ConfigFile.h"
#include "StartSettingsApply.h"

#include <QLocale>

namespace kelvora {

template <typename F> void StartupSequence::Step(int number, F&& action) {
    step_ = number;
    action();
}

void StartupSequence::ReadStationSettings(double systemZoneHours) {
    TStationSettings station = ReadSatIni(app_.DataFolder);
    app_.DecimalSeparator = QLocale::system().decimalPoint().at(0);
    const double height = ConvertStationHeight(station.HeightText, app_.DecimalSeparator);
    app_.Time.ZoneHours = StationZoneHours(station.ZoneText, systemZoneHours, app_.DecimalSeparator);
    hooks_.SetupObserver(station.Latitude, station.Longitude, height);
    if (app_.SecondInstance) station.PortNumber = 0;
    ReadParPort(app_.DataFolder, station);
    if (station.FlipSide == 'S') app_.FlipOption = false;
    app_.Station = station;
    app_.Tracking.MinElevation = station.MinElevation;
}

void StartupSequence::RunConfigurationBlock() {
    Step(1, [&] { hooks_.ReadRadioFamily(); });
    Step(2, [&] { hooks_.ReadRotorFiles(); });
    Step(3, [&] { hooks_.ReadGroupList(); });
    Step(4, [&] { ReadStationSettings(SystemZoneHours ? SystemZoneHours() : 0.0); });
    Step(5, [&] { hooks_.ReadRadioDefinitions(); });
    Step(6, [&] { hooks_.ReadNames(); });
    Step(7, [&] { hooks_.InitCat(); });
    Step(8, [&] {
        QString message;
        if (!hooks_.OpenCatPort(&message)) {
            prompt_.Message(message, IOperatorPrompt::Icon::Error);
            app_.Station.PortNumber = 0;
        }
    });
    Step(9, [&] {
        hooks_.ReadSquintAndCatTuning();
        hooks_.ReadGroupSourcesAndSelection();
        hooks_.ReadDoppler();
        app_.PriorityList = ReadPriorityList(app_.DataFolder);
    });
    Step(10, [&] { ReadStartSettings(app_, hooks_); });
    Step(11, [&] {
        hooks_.ReadRotorOptions();
        app_.ProgramList = ReadProgramList(app_.DataFolder);
        app_.AuxiliaryList = ReadAuxiliaryList(app_.DataFolder);
        hooks_.ReadServerFiles();
        hooks_.ReadCorrectionModes();
    });
    Step(12, [&] {
        app_.Time.ApplyTimeScale();
        hooks_.TimeScaleApplied();
    });
    Step(13, [&] { hooks_.ShowStation(); });
    Step(14, [&] { hooks_.StartServers(); });
}

bool StartupSequence::RunSatelliteBlock(TStartupResult& result) {
    step_ = 16;
    if (!hooks_.OpenSourceFile()) {
        result.StoppedAtStep = 16;
        return false;
    }
    int setCount = 0;
    Step(17, [&] { setCount = hooks_.LoadElementsAndResolveSelection(); });
    Step(18, [&] { hooks_.PlaceDialogs(); });
    Step(19, [&] { hooks_.ShowDarkMap(); });
    Step(20, [&] { hooks_.ShowSelectionWindowIfRequested(); });
    Step(21, [&] { hooks_.ApplyElementFolderChoice(); });
    step_ = 22;
    app_.StartupDone = true;
    result.StartTimer = cycle_.StartTracking(setCount);
    return true;
}

TStartupResult StartupSequence::Run() {
    TStartupResult result;
    try {
        if (app_.Station.ConfigurationGuard.isEmpty()) RunConfigurationBlock();
        result.Completed = RunSatelliteBlock(result);
    } catch (const ConfigError& error) {
        result.StoppedAtStep = step_;
        result.Message = QString::fromStdString(error.what());
        prompt_.Message(result.Message, IOperatorPrompt::Icon::Error);
    }
    return result;
}

}  // namespace kelvora
