#pragma once
// The satellite part: the element file and its catalog, the orbit model, the
// observer, the groups, the selection with the active satellite, names, squint and
// the pass cache, and the satellite windows. The selection is the one home of the
// tracked sets and the active satellite; the tick and the start-up ask this part.

#include "AppState.h"
#include "ElementCatalog.h"
#include "ElementFileLoader.h"
#include "OperatorPrompt.h"
#include "OrbitModel.h"
#include "Parts.h"
#include "SGP_Obs.h"
#include "SatNameU.h"
#include "SatSelection.h"
#include "Squint.h"
#include "TrakStarU.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace kelvora {

class TAusgabe;
class TSatGroups;
class TSatWahl;
class TSatFiles;
class TSatFilesII;
class TSortSats;
class TSatelliteName;
class TDownloadKeps;
class TTickTimer;

class TSatellitePart final : public ISatellitePart {
public:
    // unattended: nothing waits for the operator (the selection window is announced,
    // not shown).
    TSatellitePart(TAppState& state, IOperatorPrompt& prompt, bool unattended);
    ~TSatellitePart() override;

    // The satellite windows, children of the main window; the tick timer is stopped
    // behind modal boxes and restarted when the selection allows.
    void CreateWindows(TAusgabe& main, TTickTimer& ticks);
    // The radio and the rotor follow the active satellite.
    std::function<void(TSatelliteChange)> ActiveSatelliteChangedBy;

    // Operator commands.
    void LetterClick(int letter);
    // "&Satellites": the selection window is shown by the next start-up run.
    void RequestSelectionWindow();
    // File "O&pen": the chosen file becomes the current source; the selection
    // window lists its folder with the file highlighted.
    void UseOpenedSource(const QString& path);
    // A click on the main window's free area: the quick group switch, not modal.
    void ShowQuickGroupSwitch();
    // Once after each element-file load, at the first tick: elements of the active
    // satellite older than the start setting are warned of. The first time ever
    // (a new data folder with the kit's elements) the warning offers the download.
    void WarnOfStaleElementsOnce();

    // What the other parts read.
    TOrbitModel& Orbit() { return orbit_; }
    TObserverSite& Site() { return site_; }
    TTrackState& Track() { return track_; }
    const TElementCatalog& Catalog() const { return catalog_; }
    TSatSelection& Selection() { return selection_; }
    std::vector<TPassInfo>& Passes() { return passes_; }
    const std::vector<TSquintSlot>& SquintSlots() const { return squintSlots_; }
    TSatGroups& Groups() { return *groups_; }
    TSatWahl* SelectionWindow() const { return satWahl_; }
    double ActiveRevsPerDay() const;
    // The name of a set as the element file has it (Latin-1 bytes); empty for none.
    std::string SatelliteName(int set) const;

    // ISatellitePart.
    void ReadGroupList() override;
    void SetupObserver(double latitude, double longitude, double heightMetres) override;
    void ReadNames() override;
    void ReadSquint() override;
    void ReadGroupSourcesAndSelection() override;
    void TimeScaleApplied() override;
    bool OpenSourceFile() override;
    int LoadElementsAndResolveSelection() override;
    void ShowSelectionWindowIfRequested() override;
    void ApplyElementFolderChoice() override;
    std::vector<int> SelectedSets() override { return selection_.SetNumbers(); }
    int ActiveSet() override { return selection_.ActiveSet; }
    const std::vector<int>& AutoCandidates() override { return selection_.AutoCandidates; }
    void SelectSatellite(int set) override;
    double PropagateAndLook(double julianDate, double dayCount) override;
    bool Computable() override { return computable_; }
    void SubSatellitePoint() override;
    void ComputeSquint() override;
    double RangeRate() override { return track_.RangeRate; }
    void PaintLetter(int letter, TLetterColour colour) override;
    void EnableLetters() override;
    void AdoptNewActiveSatellite(int set) override;
    std::optional<TSatelliteLook> LookAt(int set, double dayCount) override;
    std::optional<TPredictedPass> PredictedPass(int set) override;
    double RevsPerDay(int set) override;

private:
    void CreateSatelliteDialogs();
    void CreateSelectionWindow();
    void ShowDownloadDialog(QPoint topLeft);  // "Download Keps", not modal
    // Asks, carrying the warning, whether to download, unless that was asked before
    // or nobody is there to answer; false when the warning still needs its own box.
    bool OfferDownloadOnce(const QString& staleWarning);
    void WireSelectionHooks();
    void WireGroupHooks();
    TElementLoadResult LoadElementsFrom(const QString& path);
    void Notify(TSatelliteChange reason);
    QString CatalogName(int set) const;

    TAppState& state_;
    IOperatorPrompt& prompt_;
    const bool unattended_;
    TAusgabe* main_ = nullptr;
    TTickTimer* ticks_ = nullptr;

    TOrbitModel orbit_;
    TObserverSite site_;
    TTrackState track_;
    bool computable_ = true;  // the set last propagated, see Computable()
    bool staleCheckPending_ = false;  // an element file was loaded since the last tick
    QString loadedElementFile_;
    TElementCatalog catalog_;
    TNamesList names_;
    TNamingOptions naming_;
    std::unique_ptr<TSatGroups> groups_;
    TSatSelection selection_;
    TSelectionHooks selectionHooks_;
    TSquintTable squintTable_;
    std::vector<TSquintSlot> squintSlots_;
    std::vector<TPassInfo> passes_;  // per set: the pass the data line and the map show
    QString applicationTitle_;

    TSatWahl* satWahl_ = nullptr;
    TSatFiles* satFiles_ = nullptr;
    TSatFilesII* satFilesII_ = nullptr;
    TSortSats* sortSats_ = nullptr;
    TSatelliteName* satName_ = nullptr;
    TDownloadKeps* downloadKeps_ = nullptr;
};

}  // namespace kelvora
