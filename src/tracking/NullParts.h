#pragma once
// Stand-ins for the radio and the rotor until they are built: each operation says
// what the program does without that subsystem.

#include "Parts.h"

namespace kelvora {

class TNullRadioPart final : public IRadioPart {
public:
    void ReadRadioFamily() override {}
    void ReadRadioDefinitions() override {}
    void InitCat() override {}
    bool OpenCatPort(QString*) override { return true; }  // no port to open
    void ReadCatTuning() override {}
    void ReadDoppler() override {}
    void ReadCorrectionModes() override {}
    void CatOn() override {}
    void CatOff() override {}
    void UpdateDoppler() override {}
    bool HasFrequencyEntry() override { return false; }  // so no Doppler text either
    void BuildDopplerText() override {}
    void DrawDopplerText() override {}
    double DownlinkShift() override { return 0.0; }
    void CycleUpdate() override {}
    void ActiveSatelliteChanged(TSatelliteChange) override {}
    void ClearCatHoldState() override {}
    void ShutDownRadio(TShutdownPath) override {}
};

class TNullRotorPart final : public IRotorPart {
public:
    void ReadRotorFiles() override {}
    void ReadRotorOptions() override {}
    void ReadServerFiles() override {}
    void StartServers() override {}
    void RotorToggleApplied(bool) override {}
    void RotorCycle() override {}
    void DeriveRotorInterval() override {}
    void ActiveSatelliteChanged(TSatelliteChange) override {}
    void ShutDownRotor() override {}
};

}  // namespace kelvora
