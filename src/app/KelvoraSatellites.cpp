// The satellite side of the application object: element catalog, groups, selection,
// names and squint, their windows, and how they reach the main window and the
// tracking cycle.

#include "AddGroupU.h"
#include "AusgabeU.h"
#include "ConfigFile.h"
#include "DataFolder.h"
#include "DelGroupU.h"
#include "ElementAge.h"
#include "KelvoraApp.h"
#include "SatFileU.h"
#include "SatGroups.h"
#include "SatNameDlg.h"
#include "SatWahlU.h"
#include "SatfilesIIU.h"
#include "TickTimer.h"
#include "SortSatsU.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace kelvora {

namespace {
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Names in the catalog are Latin-1 bytes, as in the element files.
QString CatalogName(const TElementCatalog& catalog, int set) {
    if (set < 1 || set > catalog.Count()) return QString();
    return QString::fromLatin1(catalog.Name(set));
}
}  // namespace

void TKelvoraApp::CreateSatelliteDialogs(const std::function<void(const char*)>& created) {
    created("NoDoppel");
    satFiles_ = new TSatFiles(*groups_, prompt_, main_);
    created("TSatFiles");
    for (const char* module : {"SonneU", "TrakStarU", "RadioDat", "BandSwitch"}) created(module);
    satName_ = new TSatelliteName(naming_, state_.DataFolder, prompt_, main_);
    created("TSatelliteName");
    created("WindowSize");
    auto* help = new THelpSort(main_);
    sortSats_ = new TSortSats(*groups_, prompt_, help, main_);
    created("TSortSats");
    created("THelpSort");
    created("TDownloadKeps");
    auto* addGroup = new TAddGroup(*groups_, prompt_, main_);
    created("TAddGroup");
    auto* delGroup = new TDelGroup(*groups_, prompt_, main_);
    created("TDelGroup");
    satFilesII_ = new TSatFilesII(*groups_, prompt_, main_);
    created("TSatFilesII");
    satFiles_->UseGroupDialogs(addGroup, delGroup);
    dialogs_ << satFiles_ << satName_ << help << sortSats_ << addGroup << delGroup << satFilesII_;
}

void TKelvoraApp::CreateSelectionWindow() {
    WireSelectionHooks();
    satWahl_ = new TSatWahl(selection_, catalog_, selectionHooks_, prompt_, main_);
    satWahl_->setObjectName("SatWahl");
    creationOrder_ << "TSatWahl";
    dialogs_ << satWahl_;
    outputPart_.AddPlacedDialog(satWahl_);

    satWahl_->GroupName = [this] { return groups_->CurrentGroup(); };
    satWahl_->GroupFile = [this] { return groups_->CurrentGroupFile(); };
    satWahl_->SourcePath = [this] { return groups_->CurrentSource(); };
    satWahl_->PriorityNames = [this] { return state_.PriorityList; };
    satWahl_->LoadElementFile = [this](const QString& path) { return LoadElementsFrom(path); };
    satWahl_->StoreGroupSource = [this](const QString& path, QString* error) {
        return groups_->StoreGroupSource(path, error);
    };
    satWahl_->ShowGroupDialog = [this](QPoint topLeft) {
        satFiles_->move(topLeft);
        satFiles_->exec();
        return satFiles_->Edited();
    };
    satWahl_->ShowSortDialog = [this] {
        sortSats_->PlaceAtSelection(satWahl_->pos());
        sortSats_->exec();
    };
    satWahl_->ShowNamingDialog = [this](QPoint topLeft) {
        satName_->move(topLeft);
        satName_->exec();
    };
    satWahl_->MainWindowGeometry = [this] { return main_->geometry(); };
    satWahl_->SetMainWindowEnabled = [this](bool enabled) { main_->SetInputEnabled(enabled); };
    satWahl_->CurrentSetToActive = [this] { state_.Tracking.CurrentSet = selection_.ActiveSet; };
    satFiles_->ShowChosenGroup = [this](const QString& text) { satWahl_->ShowChosenGroup(text); };
    sortSats_->CloseSelectionWindow = [this] { satWahl_->close(); };
    WireGroupHooks();
}

void TKelvoraApp::WireSelectionHooks() {
    TSelectionHooks& h = selectionHooks_;
    h.SetLetterHint = [this](int letter, const QString& hint) { main_->SetLetterHint(letter, hint); };
    h.PaintLettersSilver = [this] {
        for (int k = 0; k < LetterCount; ++k) main_->PaintLetter(k, TLetterColour::Silver);
    };
    h.EnableLetters = [this](int count) { main_->SetLettersEnabled(count); };
    h.SetCaption = [this](const QString& caption) { main_->setWindowTitle(caption); };
    h.SetStatusPanel = [this](int panel, const QString& text) { main_->SetStatusPanel(panel, text); };
    h.ShowSatName = [this](const QString& text) { main_->ShowSatName(text); };
    h.LetterColoursForced = [this] { return state_.Tracking.ForceLetterColours; };
    h.ForceLetterColours = [this] { state_.Tracking.ForceLetterColours = true; };
    h.ClearMapRedrawCounter = [this] { state_.Tracking.MapRedrawCounter = 0; };
    h.ClearWarmUp = [this] { state_.Tracking.ResetWarmUp(); };
    h.RestartMainTimer = [this] {
        SyncSelectionToTracking();
        if (state_.Tracking.TimeMode == TTimeMode::RealTime && state_.StartupDone) ticks_->Start();
    };
    h.LookupSquint = [this](int set, const QString& name) {
        if (set < 1 || static_cast<size_t>(set) >= squintSlots_.size()) return;
        LookupSquintEntry(squintTable_, squintSlots_[static_cast<size_t>(set)], orbit_, set,
                          name.toLatin1().toStdString(), state_.Time.DayCount);
    };
    h.MeanMotion = [this](int set) {
        return TOrbitModel::IsValidSlot(set) ? orbit_.Slot(set).RevsPerDay : 0.0;
    };
}

void TKelvoraApp::WireGroupHooks() {
    TGroupHooks& h = groups_->Hooks;
    h.ResetTrackingDisplay = [this] {
        state_.Tracking.ForceLetterColours = true;
        state_.Tracking.MapRedrawCounter = 0;
    };
    h.ShowSourceInFileList = [this](const QString& folder, const QString& file, bool showPath) {
        satWahl_->ShowSourceInFileList(folder, file, showPath);
    };
    h.LoadSourceAndFilter = [this] { return satWahl_->LoadHighlightedFile(); };
    h.ActivateFirstLetter = [this] {
        selection_.ActiveLetter = 0;
        SwitchActiveSatellite(selection_, groups_->CurrentGroup(), selectionHooks_);
        SyncSelectionToTracking();
    };
    h.SetApplicationTitle = [this](const QString& title) { applicationTitle_ = title; };
}

TElementLoadResult TKelvoraApp::LoadElementsFrom(const QString& path) {
    TElementLoadResult result = LoadElementFile(LocalPath(path), naming_, names_, orbit_, catalog_);
    loadedElementFile_ = path;
    staleCheckPending_ = result.FileRead;
    squintSlots_.assign(static_cast<size_t>(catalog_.Count()) + 1, TSquintSlot{});
    state_.Tracking.SizeForCatalog(catalog_.Count());
    // Sets whose elements cannot be computed are left out of the lists; say so once
    // per load, since the selection window's info line is soon replaced.
    const std::string rejected = RejectedSetsMessage(result);
    if (!rejected.empty()) prompt_.Message(QString::fromLatin1(rejected.c_str()).trimmed(), IOperatorPrompt::Icon::Warning);
    return result;
}

void TKelvoraApp::WarnOfStaleElements() {
    staleCheckPending_ = false;
    const int set = state_.Tracking.ActiveSet;
    if (!TOrbitModel::IsValidSlot(set) || set > catalog_.Count()) return;
    const double age =
        ElementAgeDays(orbit_.Slot(set).JulianEpoch, state_.Time.JulianDate - state_.Time.ClockOffset);
    if (!ElementsStale(age, state_.Start.StaleElementDays)) return;
    // The box is modal: the main timer would otherwise tick on behind it.
    const bool ticking = ticks_->Running();
    ticks_->Stop();
    prompt_.Message(StaleElementsWarning(CatalogName(catalog_, set), QFileInfo(loadedElementFile_).fileName(), age),
                    IOperatorPrompt::Icon::Warning);
    if (ticking && !ended_) ticks_->Start();
}

void TKelvoraApp::SyncSelectionToTracking() {
    TTrackingState& t = state_.Tracking;
    t.SelectedSets = selection_.SetNumbers();
    t.ActiveSet = selection_.ActiveSet;
    t.AutoCandidates = selection_.AutoCandidates;
    if (t.LastElevation.size() != static_cast<size_t>(catalog_.Count()) + 1) t.SizeForCatalog(catalog_.Count());
}

// ---- Start-up steps ----

void TKelvoraApp::ReadGroupList() {
    groups_->ElementMask = state_.Station.ElementFileMask.isEmpty() ? "*.*" : state_.Station.ElementFileMask;
    groups_->ReadGroupList();
    // The first group is loaded now: without a name there is no group file to read,
    // and the fault lies in the list, not in a group file called ".ISS".
    if (groups_->CurrentGroup().isEmpty())
        throw ConfigError(GroupListFileName, 1,
                          groups_->Groups().isEmpty() ? QStringLiteral("No group name") : QStringLiteral("The first group has no name"));
}

void TKelvoraApp::ReadNames() {
    std::string error;
    if (!ReadNorvaNames(LocalPath(DataFilePath(state_.DataFolder, kNorvaNamesFile)), names_, &error))
        throw ConfigError(kNorvaNamesFile, 0, QString::fromStdString(error));
    if (!ReadNameOptions(LocalPath(DataFilePath(state_.DataFolder, kNameOptionsFile)), naming_, &error))
        throw ConfigError(kNameOptionsFile, 0, QString::fromStdString(error));
}

void TKelvoraApp::ReadSquint() {
    const auto table = ReadSquintFile(LocalPath(DataFilePath(state_.DataFolder, "Squint.SQF")));
    if (!table) throw ConfigError("Squint.SQF", 0, "File not found");
    squintTable_ = *table;
}

void TKelvoraApp::ComputeSquint() {
    const int set = state_.Tracking.ActiveSet;
    if (set < 1 || static_cast<size_t>(set) >= squintSlots_.size() || !state_.Tracking.ActiveComputable) return;
    kelvora::ComputeSquint(squintSlots_[static_cast<size_t>(set)], site_, track_, state_.Time.DayCount,
                           state_.Time.ClockOffset);
}

void TKelvoraApp::ReadGroupSourcesAndSelection() {
    groups_->ElementMask = state_.Station.ElementFileMask.isEmpty() ? "*.*" : state_.Station.ElementFileMask;
    satWahl_->SetElementMask(groups_->ElementMask);
    satWahl_->SetFontScale(state_.Layout.FontScale);
    groups_->ReadGroupSources();
    satWahl_->ReadGroupSelection();
}

bool TKelvoraApp::OpenSourceFile() {
    groups_->OpenGroupSource(prompt_);
    return groups_->SourceFileReady();
}

int TKelvoraApp::LoadElementsAndResolveSelection() {
    const TElementLoadResult result = LoadElementsFrom(groups_->CurrentSource());
    satWahl_->ElementFileLoaded(result);
    if (!result.FileRead)
        prompt_.Message(QString::fromStdString(result.Error), IOperatorPrompt::Icon::Warning);
    satWahl_->ResolveSelection();
    SyncSelectionToTracking();
    return catalog_.Count();
}

void TKelvoraApp::ShowSelectionWindowIfRequested() {
    if (selection_.ShowRequested() && !satWahl_->isVisible()) {
        if (Unattended()) {
            prompt_.Message(selection_.ShowRequestedEmpty ? NoSatelliteFoundInfo().trimmed()
                                                          : QStringLiteral("Satellites"),
                            IOperatorPrompt::Icon::Information);
        } else {
            satWahl_->exec();
        }
    }
    selection_.ShowRequestedEmpty = false;
    selection_.ShowRequestedByMenu = false;
    SyncSelectionToTracking();
}

void TKelvoraApp::ApplyElementFolderChoice() {
    if (groups_->SourceChosenByOperator()) state_.Station.ElementFolder = groups_->SourceFolder();
    satWahl_->ShowSourceInFileList(groups_->SourceFolder(), groups_->SourceFileName(), true);
}

// ---- Operator commands ----

void TKelvoraApp::menListClick() {
    satWahl_->DisableEntryButtons();
    ticks_->Stop();
    satWahl_->setWindowTitle("Satellites");
    selection_.OpenedFromMenu = true;
    selection_.ShowRequestedByMenu = true;
    RunStartupSequence();
}

void TKelvoraApp::LetterClick(int letter) {
    selection_.ActiveLetter = letter;
    const bool switched = SwitchActiveSatellite(selection_, groups_->CurrentGroup(), selectionHooks_);
    SyncSelectionToTracking();
    if (switched) NotifySatelliteChanged(TSatelliteChange::LetterClick);
}

void TKelvoraApp::NotifySatelliteChanged(TSatelliteChange reason) {
    radio_.ActiveSatelliteChanged(reason);
    rotor_.ActiveSatelliteChanged(reason);
}

void TKelvoraApp::AdoptNewActiveSatellite() {
    TTrackingState& t = state_.Tracking;
    t.ActiveSet = t.CurrentSet;
    selection_.ActiveSet = t.CurrentSet;
    t.MapRedrawCounter = 0;
    int letter = 0;
    const std::vector<int> sets = selection_.SetNumbers();
    for (size_t k = 0; k < sets.size(); ++k)
        if (sets[k] == t.ActiveSet) letter = static_cast<int>(k);
    main_->setWindowTitle(ProgramCaption());
    const QString text = QStringLiteral(" %1: %2").arg(LetterOf(letter)).arg(CatalogName(catalog_, t.ActiveSet));
    main_->SetStatusPanel(0, text);
    main_->ShowSatName(text);
    NotifySatelliteChanged(TSatelliteChange::Automatic);
}

}  // namespace kelvora
