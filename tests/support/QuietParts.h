#pragma once
// Every part at once, doing nothing and answering as a program without that part
// would; a fake overrides the operations it records or steers.

#include "Parts.h"

namespace kelvora::test {

struct QuietParts : ISatellitePart, IMapPart, IOutputPart, IRadioPart, IRotorPart {
    TParts Parts() { return {*this, *this, *this, *this, *this}; }

    // The selection a test steers.
    std::vector<int> Selected;  // set numbers in letter order
    int Active = 0;
    std::vector<int> Candidates;  // the automatic change's, in priority order

    // Satellite.
    void ReadGroupList() override {}
    void SetupObserver(double, double, double) override {}
    void ReadNames() override {}
    void ReadSquint() override {}
    void ReadGroupSourcesAndSelection() override {}
    void TimeScaleApplied() override {}
    bool OpenSourceFile() override { return true; }
    int LoadElementsAndResolveSelection() override { return 0; }
    void ShowSelectionWindowIfRequested() override {}
    void ApplyElementFolderChoice() override {}
    std::vector<int> SelectedSets() override { return Selected; }
    int ActiveSet() override { return Active; }
    const std::vector<int>& AutoCandidates() override { return Candidates; }
    void SelectSatellite(int) override {}
    double PropagateAndLook(double, double) override { return -90.0; }
    bool Computable() override { return true; }
    void SubSatellitePoint() override {}
    void ComputeSquint() override {}
    double RangeRate() override { return 0.0; }
    void PaintLetter(int, TLetterColour) override {}
    void EnableLetters() override {}
    void AdoptNewActiveSatellite(int) override {}
    std::optional<TSatelliteLook> LookAt(int, double) override { return std::nullopt; }
    std::optional<TPredictedPass> PredictedPass(int) override { return std::nullopt; }
    double RevsPerDay(int) override { return 0.0; }
    // Map.
    void ShowStationOnMap() override {}
    void ShowDarkMap() override {}
    void ZoomApplied(bool) override {}
    void MapSetApplied(bool) override {}
    void MapPointAndComposeMap() override {}
    void ComputeSunNow() override {}
    void DrawDirectionArrow() override {}
    void DrawSunOverlay() override {}
    void DrawOtherSatellites() override {}
    // Output.
    void ShowStationText() override {}
    void PlaceDialogs() override {}
    void ClearIllumination() override {}
    void ToggleLabelsChanged() override {}
    void ShowIllumination() override {}
    void ShowDataLine() override {}
    void BlankDopplerText() override {}
    void SetDataServerItem() override {}
    void Beep() override {}
    // Radio.
    void ReadRadioFamily() override {}
    void ReadRadioDefinitions() override {}
    void InitCat() override {}
    bool OpenCatPort(QString*) override { return true; }
    void ReadCatTuning() override {}
    void ReadDoppler() override {}
    void ReadCorrectionModes() override {}
    void CatOn() override {}
    void CatOff() override {}
    void UpdateDoppler() override {}
    bool HasFrequencyEntry() override { return false; }
    void BuildDopplerText() override {}
    void DrawDopplerText() override {}
    double DownlinkShift() override { return 0.0; }
    void CycleUpdate() override {}
    void ClearCatHoldState() override {}
    void ShutDownRadio(TShutdownPath) override {}
    // Rotor.
    void ReadRotorFiles() override {}
    void ReadRotorOptions() override {}
    void ReadServerFiles() override {}
    void StartServers() override {}
    void RotorToggleApplied(bool) override {}
    void RotorCycle() override {}
    void DeriveRotorInterval() override {}
    void ShutDownRotor() override {}
    // Radio and rotor.
    void ActiveSatelliteChanged(TSatelliteChange) override {}
};

}  // namespace kelvora::test
