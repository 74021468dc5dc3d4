#include "StartupSequence.h"

#include "ConfigFile.h"
#include "StartSettingsApply.h"

#include <QLocale>

namespace kelvora {

template <typename F>
void StartupSequence::Step(int number, F&& action) {
    step_ = number;
    action();
}

void StartupSequence::ReadStationSettings(double systemZoneHours) {
    TStationSettings station = ReadSatIni(app_.DataFolder);
    app_.DecimalSeparator = QLocale::system().decimalPoint().at(0);
    const double height = ConvertStationHeight(station.HeightText, app_.DecimalSeparator);
    app_.Time.ZoneHours = StationZoneHours(station.ZoneText, systemZoneHours, app_.DecimalSeparator);
    parts_.Satellite.SetupObserver(station.Latitude, station.Longitude, height);
    if (app_.SecondInstance) station.PortNumber = 0;
    ReadParPort(app_.DataFolder, station);
    app_.Station = station;
    app_.Tracking.MinElevation = station.MinElevation;
}

void StartupSequence::RunConfigurationBlock() {
    Step(1, [&] { parts_.Radio.ReadRadioFamily(); });
    Step(2, [&] { parts_.Rotor.ReadRotorFiles(); });
    Step(3, [&] { parts_.Satellite.ReadGroupList(); });
    Step(4, [&] { ReadStationSettings(SystemZoneHours ? SystemZoneHours() : 0.0); });
    Step(5, [&] { parts_.Radio.ReadRadioDefinitions(); });
    Step(6, [&] { parts_.Satellite.ReadNames(); });
    Step(7, [&] { parts_.Radio.InitCat(); });
    Step(8, [&] {
        QString message;
        if (!parts_.Radio.OpenCatPort(&message)) {
            prompt_.Message(message, IOperatorPrompt::Icon::Error);
            app_.Station.PortNumber = 0;
        }
    });
    Step(9, [&] {
        parts_.Satellite.ReadSquint();
        parts_.Radio.ReadCatTuning();
        parts_.Satellite.ReadGroupSourcesAndSelection();
        parts_.Radio.ReadDoppler();
        app_.PriorityList = ReadPriorityList(app_.DataFolder);
    });
    Step(10, [&] { ReadStartSettings(app_, parts_); });
    Step(11, [&] {
        parts_.Rotor.ReadRotorOptions();
        app_.ProgramList = ReadProgramList(app_.DataFolder);
        app_.AuxiliaryList = ReadAuxiliaryList(app_.DataFolder);
        parts_.Rotor.ReadServerFiles();
        parts_.Radio.ReadCorrectionModes();
    });
    Step(12, [&] {
        app_.Time.ApplyTimeScale();
        parts_.Satellite.TimeScaleApplied();
    });
    Step(13, [&] {
        parts_.Map.ShowStationOnMap();
        parts_.Output.ShowStationText();
    });
    Step(14, [&] { parts_.Rotor.StartServers(); });
}

bool StartupSequence::RunSatelliteBlock(TStartupResult& result) {
    step_ = 16;
    if (!parts_.Satellite.OpenSourceFile()) {
        result.StoppedAtStep = 16;
        return false;
    }
    int setCount = 0;
    Step(17, [&] { setCount = parts_.Satellite.LoadElementsAndResolveSelection(); });
    Step(18, [&] { parts_.Output.PlaceDialogs(); });
    Step(19, [&] { parts_.Map.ShowDarkMap(); });
    Step(20, [&] { parts_.Satellite.ShowSelectionWindowIfRequested(); });
    Step(21, [&] { parts_.Satellite.ApplyElementFolderChoice(); });
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
