#pragma once
// The application object: owns the process-wide records, creates the windows in
// their order, runs the start-up sequence, drives the tracking cycle from the main
// timer and shuts the program down.

#include "AppState.h"
#include "Clock.h"
#include "ExitCodes.h"
#include "OperatorPrompt.h"
#include "ElementCatalog.h"
#include "ElementFileLoader.h"
#include "OrbitModel.h"
#include "SatNameU.h"
#include "SatSelection.h"
#include "Squint.h"
#include "SonneU.h"
#include "TrakStarU.h"
#include "MapPart.h"
#include "OutputPart.h"
#include "SGP_Obs.h"
#include "NullParts.h"
#include "Parts.h"
#include "StartupSequence.h"
#include "TrackingCycle.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

namespace kelvora {

class TAusgabe;
class TSatSetup;
class TSatGroups;
class TSatWahl;
class TSatFiles;
class TSatFilesII;
class TSortSats;
class TSatelliteName;
class TVorschau;
class TMAInp;
class TPreviewControl;
class TTickTimer;

struct TAppOptions {
    QString DataFolder;
    QString ProgramFolder;
    bool SecondInstance = false;
    int QuitAfterTicks = -1;     // -1: run until the operator quits; >= 0: nothing waits for the operator
    int ScreenWidth = 1920;
    double LogicalDpiX = 96;
};

class TKelvoraApp : public QObject, public ISatellitePart {
    Q_OBJECT
public:
    TKelvoraApp(const TAppOptions& options, IOperatorPrompt& prompt, IClock& clock);
    ~TKelvoraApp() override;

    // Window creation in the program's fixed order; the main window first.
    void CreateWindows();
    // The main window being shown: placed from "SatPos.SQF", then the start-up sequence.
    TStartupResult FormShow();
    TStartupResult RunStartupSequence();

    void Timer1Timer();
    void Timer2Timer();
    void menBeendenClick();
    bool FormCloseQuery();
    void ShowOptions();
    void menListClick();                  // "&Satellites"
    void LetterClick(int letter);         // lblA .. lblL

    TAppState& State() { return state_; }
    TAusgabe* MainWindow() const { return main_; }
    TSatSetup* OptionsDialog() const { return satSetup_; }
    const QStringList& CreationOrder() const { return creationOrder_; }
    bool Ended() const { return ended_; }
    int ExitCode() const { return exitCode_; }
    int TickCount() const { return tickCount_; }

    // How the application ends (default: leave the event loop with the exit code).
    std::function<void(int exitCode)> EndApplication;

    // The satellite part (start-up and tick).
    void SetupObserver(double latitude, double longitude, double heightMetres) override;
    void ReadGroupList() override;
    void ReadNames() override;
    void ReadSquint() override;
    void ReadGroupSourcesAndSelection() override;
    bool OpenSourceFile() override;
    int LoadElementsAndResolveSelection() override;
    void ShowSelectionWindowIfRequested() override;
    void ApplyElementFolderChoice() override;
    void TimeScaleApplied() override;
    void SelectSatellite(int set) override;
    double PropagateAndLook(double julianDate, double dayCount) override;
    bool Computable() override { return computable_; }
    void SubSatellitePoint() override;
    void PaintLetter(int letter, TLetterColour colour) override;
    void EnableLetters() override;
    void AdoptNewActiveSatellite() override;
    void ComputeSquint() override;
    double RangeRate() override { return track_.RangeRate; }
    TWorldMap& Map() { return mapPart_.Map(); }

    TOrbitModel& Orbit() { return orbit_; }
    const TElementCatalog& Catalog() const { return catalog_; }
    TSatSelection& Selection() { return selection_; }
    TSatGroups& Groups() { return *groups_; }
    TSatWahl* SelectionWindow() const { return satWahl_; }
    const TTrackState& Track() const { return track_; }
    const TObserverSite& Site() const { return site_; }

private:
    void lstAusGabeReset();
    void ApplyWindowSize(char option);
    void End(int exitCode);
    void StopUnattended(int exitCode);
    void ShutdownRadioAndServers();
    TParts Parts() { return {*this, mapPart_, outputPart_, radio_, rotor_}; }
    // The radio and the rotor follow the active satellite (a new tracking run is told
    // them by the tracking cycle).
    void NotifySatelliteChanged(TSatelliteChange reason);
    // The satellite windows and their wiring (KelvoraSatellites.cpp).
    void CreateSatelliteDialogs(const std::function<void(const char*)>& created);
    void CreateSelectionWindow();
    void WireSelectionHooks();
    void WireGroupHooks();
    TElementLoadResult LoadElementsFrom(const QString& path);
    // Once after each element-file load, at the first tick: elements of the active
    // satellite older than the start setting are warned of.
    void WarnOfStaleElements();
    // The tracking cycle follows the selection: letters, set numbers, active set.
    void SyncSelectionToTracking();
    bool Unattended() const { return options_.QuitAfterTicks >= 0; }
    // The preview dialogs and the map toggles (KelvoraMap.cpp).
    void CreatePreviewDialogs();
    void WireMapToggles();

    TAppOptions options_;
    IOperatorPrompt& prompt_;
    IClock& clock_;
    TAppState state_;
    TOrbitModel orbit_;
    TObserverSite site_;
    TTrackState track_;
    bool computable_ = true;             // the set last propagated, see Computable()
    bool staleCheckPending_ = false;     // an element file was loaded since the last tick
    QString loadedElementFile_;
    TElementCatalog catalog_;
    TNamesList names_;
    TNamingOptions naming_;
    std::unique_ptr<TSatGroups> groups_;
    TSatSelection selection_;
    TSelectionHooks selectionHooks_;
    TSquintTable squintTable_;
    std::vector<TSquintSlot> squintSlots_;
    QString applicationTitle_;
    TSatWahl* satWahl_ = nullptr;
    TSatFiles* satFiles_ = nullptr;
    TSatFilesII* satFilesII_ = nullptr;
    TSortSats* sortSats_ = nullptr;
    TSatelliteName* satName_ = nullptr;
    std::vector<TPassInfo> passes_;
    TVorschau* vorschau_ = nullptr;
    TMAInp* maInp_ = nullptr;
    std::unique_ptr<TPreviewControl> preview_;
    TMapPart mapPart_;
    TOutputPart outputPart_;
    // Until the radio and the rotor are built.
    TNullRadioPart radio_;
    TNullRotorPart rotor_;
    TrackingCycle cycle_;
    StartupSequence sequence_;
    TAusgabe* main_ = nullptr;
    std::unique_ptr<TTickTimer> ticks_;   // the main timer's start and stop
    TSatSetup* satSetup_ = nullptr;
    QList<QWidget*> dialogs_;
    QStringList creationOrder_;
    bool creationFailed_ = false;
    bool ended_ = false;
    int exitCode_ = 0;
    int tickCount_ = 0;
};

}  // namespace kelvora
