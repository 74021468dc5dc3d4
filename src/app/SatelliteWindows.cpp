// The satellite part's windows: the selection window and the group, sort and naming
// dialogs, and how they reach the main window and the tracking state.

#include "AddGroupU.h"
#include "AusgabeU.h"
#include "DelGroupU.h"
#include "DownlKepsU.h"
#include "SatFileU.h"
#include "SatGroups.h"
#include "SatNameDlg.h"
#include "SatWahlU.h"
#include "SatellitePart.h"
#include "SatfilesIIU.h"
#include "SortSatsU.h"
#include "TickTimer.h"

namespace kelvora {

void TSatellitePart::CreateWindows(TAusgabe& main, TTickTimer& ticks) {
    main_ = &main;
    ticks_ = &ticks;
    CreateSatelliteDialogs();
    CreateSelectionWindow();
}

void TSatellitePart::CreateSatelliteDialogs() {
    satFiles_ = new TSatFiles(*groups_, prompt_, main_);
    satName_ = new TSatelliteName(naming_, state_.DataFolder, prompt_, main_);
    auto* help = new THelpSort(main_);
    sortSats_ = new TSortSats(*groups_, prompt_, help, main_);
    auto* addGroup = new TAddGroup(*groups_, prompt_, main_);
    auto* delGroup = new TDelGroup(*groups_, prompt_, main_);
    satFilesII_ = new TSatFilesII(*groups_, prompt_, main_);
    satFiles_->UseGroupDialogs(addGroup, delGroup);
    downloadKeps_ = new TDownloadKeps(state_.DataFolder, prompt_, main_);
}

void TSatellitePart::ShowDownloadDialog(QPoint topLeft) {
    downloadKeps_->move(topLeft);
    downloadKeps_->show();
    downloadKeps_->raise();
    downloadKeps_->activateWindow();
}

void TSatellitePart::CreateSelectionWindow() {
    WireSelectionHooks();
    satWahl_ = new TSatWahl(selection_, catalog_, selectionHooks_, prompt_, main_);
    satWahl_->setObjectName("SatWahl");

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
    satWahl_->ShowDownloadDialog = [this](QPoint topLeft) { ShowDownloadDialog(topLeft); };
    downloadKeps_->FileStored = [this](const QString&) { satWahl_->RefreshFileList(); };
    downloadKeps_->ReturnToRememberedFile = [this] { satWahl_->ReturnToRememberedFile(); };
    satWahl_->MainWindowGeometry = [this] { return main_->geometry(); };
    satWahl_->SetMainWindowEnabled = [this](bool enabled) { main_->SetInputEnabled(enabled); };
    satWahl_->CurrentSetToActive = [this] { state_.Tracking.CurrentSet = selection_.ActiveSet; };
    satFiles_->ShowChosenGroup = [this](const QString& text) { satWahl_->ShowChosenGroup(text); };
    sortSats_->CloseSelectionWindow = [this] { satWahl_->close(); };
    WireGroupHooks();
}

void TSatellitePart::WireSelectionHooks() {
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
    h.RestartMainTimer = [this] { ticks_->Resume(state_); };
    h.LookupSquint = [this](int set, const QString& name) {
        if (set < 1 || static_cast<size_t>(set) >= squintSlots_.size()) return;
        LookupSquintEntry(squintTable_, squintSlots_[static_cast<size_t>(set)], orbit_, set,
                          name.toLatin1().toStdString(), state_.Time.DayCount);
    };
    h.ActiveSatelliteChosen = [this] { Notify(TSatelliteChange::LetterClick); };
    h.MeanMotion = [this](int set) { return TOrbitModel::IsValidSlot(set) ? orbit_.Slot(set).RevsPerDay : 0.0; };
}

void TSatellitePart::WireGroupHooks() {
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
    };
    h.SetApplicationTitle = [this](const QString& title) { applicationTitle_ = title; };
}

void TSatellitePart::UseOpenedSource(const QString& path) {
    groups_->UseOpenedSource(path);
    satWahl_->ShowSourceInFileList(groups_->SourceFolder(), groups_->SourceFileName(), true);
}

void TSatellitePart::ShowQuickGroupSwitch() {
    satFilesII_->PlaceAtLabel(main_->pos(), main_->ToggleTopLeft(TToggle::Cw));
    satFilesII_->show();
    satFilesII_->raise();
    satFilesII_->activateWindow();
}

}  // namespace kelvora
