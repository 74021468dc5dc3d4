#pragma once
// The subsystems the tick and the start-up call, one interface per owner. Every
// operation is pure virtual: a part that forgets one does not compile, where a
// default would silently do nothing. TrackingCycle and StartupSequence call them
// in their fixed order; the application creates the parts and hands them over.

#include "TrackingState.h"

#include <QString>
#include <optional>
#include <vector>

namespace kelvora {

// Why the active satellite changed, for the parts that follow it.
enum class TSatelliteChange {
    LetterClick,  // the operator chose it: a letter, "Active Sat.", a new group
    Automatic,  // the automatic change chose another satellite
    NewTrackingRun,  // a tracking run started (start-up, satellite block again)
};

// A set seen at an instant of its own (degrees; sub-satellite longitude east).
struct TSatelliteLook {
    double Azimuth = 0.0;
    double Elevation = 0.0;
    double SubLatitude = 0.0;
    double SubLongitude = 0.0;
};

// A set's next pass as the pass prediction last found it (day counts, degrees).
struct TPredictedPass {
    double AosTime = 0.0;
    double AosAzimuth = 0.0;
    double LosAzimuth = 0.0;
    bool operator==(const TPredictedPass&) const = default;
};

// How the program ends: the radio's last commands differ.
enum class TShutdownPath { QuitMenu, WindowClose };

// The element sets, the selection, the orbit computation and the letters. The
// selection is the one home of the tracked sets and the active satellite.
class ISatellitePart {
public:
    virtual ~ISatellitePart() = default;
    // Start-up.
    virtual void ReadGroupList() = 0;  // "ISSFiles8d.SQF"
    virtual void SetupObserver(double latitude, double longitude, double heightMetres) = 0;
    virtual void ReadNames() = 0;  // "NorvaNames.txt", "SatNameOpt.SQF"
    virtual void ReadSquint() = 0;  // "Squint.SQF"
    virtual void ReadGroupSourcesAndSelection() = 0;  // "ISSSources.SQF", group selection
    virtual void TimeScaleApplied() = 0;  // the clock offset reaches the orbit code
    // Returns false when the source file is not ready.
    virtual bool OpenSourceFile() = 0;
    // Loads the element file and resolves the selection; returns the number of sets.
    virtual int LoadElementsAndResolveSelection() = 0;
    virtual void ShowSelectionWindowIfRequested() = 0;
    virtual void ApplyElementFolderChoice() = 0;
    // The selection: set numbers in letter order (at most 12), the active set (0:
    // none), and the selected sets named in the priority list, in its order.
    virtual std::vector<int> SelectedSets() = 0;
    virtual int ActiveSet() = 0;
    virtual const std::vector<int>& AutoCandidates() = 0;
    // The tick.
    virtual void SelectSatellite(int set) = 0;
    // Computes the current set for the instant; returns its elevation in degrees.
    virtual double PropagateAndLook(double julianDate, double dayCount) = 0;
    // Whether the set just propagated gave a position on or above the earth's surface.
    virtual bool Computable() = 0;
    virtual void SubSatellitePoint() = 0;
    virtual void ComputeSquint() = 0;
    virtual double RangeRate() = 0;
    virtual void PaintLetter(int letter, TLetterColour colour) = 0;
    virtual void EnableLetters() = 0;
    // The automatic change chose this set: it becomes the active satellite.
    virtual void AdoptNewActiveSatellite(int set) = 0;
    // The rotor's lead and its pass decision. LookAt leaves the cycle's own values
    // as they were (the set in the model, the track values); nullopt when the set
    // cannot be computed then. PredictedPass: nullopt before a prediction or when
    // it found no rise.
    virtual std::optional<TSatelliteLook> LookAt(int set, double dayCount) = 0;
    virtual std::optional<TPredictedPass> PredictedPass(int set) = 0;
    virtual double RevsPerDay(int set) = 0;
};

// The world map and what is drawn on it.
class IMapPart {
public:
    virtual ~IMapPart() = default;
    virtual void ShowStationOnMap() = 0;
    virtual void ShowDarkMap() = 0;
    virtual void ZoomApplied(bool zoom2) = 0;
    virtual void MapSetApplied(bool blueMarble) = 0;
    virtual void MapPointAndComposeMap() = 0;
    virtual void ComputeSunNow() = 0;
    virtual void DrawDirectionArrow() = 0;
    virtual void DrawSunOverlay() = 0;
    virtual void DrawOtherSatellites() = 0;
};

// The main window's texts: data line, illumination, station, Doppler line, toggles.
class IOutputPart {
public:
    virtual ~IOutputPart() = default;
    virtual void ShowStationText() = 0;  // status panel 1
    virtual void PlaceDialogs() = 0;
    virtual void ClearIllumination() = 0;
    virtual void ToggleLabelsChanged() = 0;
    virtual void ShowIllumination() = 0;
    virtual void ShowDataLine() = 0;
    virtual void BlankDopplerText() = 0;
    virtual void SetDataServerItem() = 0;
    virtual void Beep() = 0;
};

// The radio: Doppler, frequency entry, CAT.
class IRadioPart {
public:
    virtual ~IRadioPart() = default;
    // Start-up.
    virtual void ReadRadioFamily() = 0;  // "TRX.SQF"
    virtual void ReadRadioDefinitions() = 0;  // "YaesuPar.SQF" ... "KenwoodPar.SQF"
    virtual void InitCat() = 0;  // and "RTS12.SQF"
    // Returns false with the message to show when the port cannot be opened.
    virtual bool OpenCatPort(QString* message) = 0;
    virtual void ReadCatTuning() = 0;  // "IntVCatISS.SQF"
    virtual void ReadDoppler() = 0;  // "Doppler.SQF"
    virtual void ReadCorrectionModes() = 0;  // "KorrMod.SQF"
    virtual void CatOn() = 0;
    virtual void CatOff() = 0;
    // The tick.
    virtual void UpdateDoppler() = 0;
    virtual bool HasFrequencyEntry() = 0;
    virtual void BuildDopplerText() = 0;
    virtual void DrawDopplerText() = 0;
    virtual double DownlinkShift() = 0;
    virtual void CycleUpdate() = 0;  // the CAT cycle
    // A tracking run.
    virtual void ActiveSatelliteChanged(TSatelliteChange reason) = 0;
    virtual void ClearCatHoldState() = 0;
    virtual void ShutDownRadio(TShutdownPath path) = 0;
};

// The rotor and the server links.
class IRotorPart {
public:
    virtual ~IRotorPart() = default;
    // Start-up.
    virtual void ReadRotorFiles() = 0;  // "Flip.SQF", "Park.SQF", "ParkPos.SQF"
    virtual void ReadRotorOptions() = 0;  // "WiRotOpt.SQF", "StandPos.SQF"
    virtual void ReadServerFiles() = 0;  // "RotorServer.SQF", "CatServer.SQF"
    virtual void StartServers() = 0;
    virtual void RotorToggleApplied(bool on) = 0;  // on also clears the rotor's step counter
    // The tick.
    virtual void RotorCycle() = 0;
    // A tracking run.
    virtual void DeriveRotorInterval() = 0;
    virtual void ActiveSatelliteChanged(TSatelliteChange reason) = 0;
    virtual void ShutDownRotor() = 0;
};

// The parts in the order the application creates them.
struct TParts {
    ISatellitePart& Satellite;
    IMapPart& Map;
    IOutputPart& Output;
    IRadioPart& Radio;
    IRotorPart& Rotor;
};

}  // namespace kelvora
