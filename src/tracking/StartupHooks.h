#pragma once
// The operations the start-up sequence calls in other parts of the program, and the
// window-side effects of applying the start settings. Each does nothing until its
// owner fills it in.

#include <QString>

namespace kelvora {

class IStartupHooks {
public:
    virtual ~IStartupHooks() = default;

    // Configuration block.
    virtual void ReadRadioFamily() {}                       // "TRX.SQF"
    virtual void ReadRotorFiles() {}                        // "Flip.SQF", "Park.SQF", "ParkPos.SQF"
    virtual void ReadGroupList() {}                         // "ISSFiles8d.SQF"
    virtual void SetupObserver(double /*latitude*/, double /*longitude*/, double /*heightMetres*/) {}
    virtual void ReadRadioDefinitions() {}                  // "YaesuPar.SQF" ... "KenwoodPar.SQF"
    virtual void ReadNames() {}                             // "NorvaNames.txt", "SatNameOpt.SQF"
    virtual void InitCat() {}                               // and "RTS12.SQF"
    // Returns false with the message to show when the port cannot be opened.
    virtual bool OpenCatPort(QString* /*message*/) { return true; }
    virtual void ReadSquintAndCatTuning() {}                // "Squint.SQF", "IntVCatISS.SQF"
    virtual void ReadGroupSourcesAndSelection() {}          // "ISSSources.SQF", group selection
    virtual void ReadDoppler() {}                           // "Doppler.SQF"
    virtual void ReadRotorOptions() {}                      // "WiRotOpt.SQF", "StandPos.SQF"
    virtual void ReadServerFiles() {}                       // "RotorServer.SQF", "CatServer.SQF"
    virtual void ReadCorrectionModes() {}                   // "KorrMod.SQF"
    virtual void TimeScaleApplied() {}                      // the clock offset reaches the orbit code
    virtual void ShowStation() {}                           // status panel, map station, list heading
    virtual void StartServers() {}

    // Satellite block.
    // Until element groups exist, the source file counts as ready with no satellites.
    virtual bool OpenSourceFile() { return true; }
    // Loads the element file and resolves the selection; returns the number of sets.
    virtual int LoadElementsAndResolveSelection() { return 0; }
    virtual void PlaceDialogs() {}
    virtual void ShowDarkMap() {}
    virtual void ShowSelectionWindowIfRequested() {}
    virtual void ApplyElementFolderChoice() {}

    // Start toggles, applied in this order.
    virtual void RotorToggleApplied(bool /*on*/) {}         // on also clears the rotor's step counter
    virtual void CatOn() {}
    virtual void CatOff() {}
    virtual void ZoomApplied(bool /*zoom2*/) {}
    virtual void ClearIllumination() {}
    virtual void ToggleLabelsChanged() {}
    virtual void MapSetApplied(bool /*blueMarble*/) {}
};

}  // namespace kelvora
