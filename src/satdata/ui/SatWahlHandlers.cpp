// TSatWahl: what the operator's actions in the selection window do.
#include "SatWahlU.h"

#include "ReportingFileErrors.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kelvora {

namespace {

QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

template <typename F, typename... Args>
void Call(const F& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

}  // namespace

void TSatWahl::ElementFileLoaded(const TElementLoadResult& result) {
    if (!result.FileRead) {
        ShowInfo(QString::fromLocal8Bit(result.Error.c_str()));
        return;
    }
    lstAlleSat_->clear();
    if (result.NoDataSet) {
        label27_->setText("0");
        selection_.Entries.clear();
        ShowEntries();
        ShowInfo(Latin1(NoDataSetMessage(catalog_.SourceFileName())));
        cmdFileOK_->setEnabled(false);
        button2_->setEnabled(false);
        return;
    }
    for (const std::string& name : SortedSetNames(catalog_)) lstAlleSat_->addItem(Latin1(name));
    label27_->setText(QString::number(catalog_.Count()));
    button2_->setEnabled(result.Count > 0);
    const std::string rejected = ElementLoadNote(result);
    if (!rejected.empty()) ShowInfo(Latin1(rejected));
}

void TSatWahl::ReadGroupSelection() {
    kelvora::ReadGroupSelection(selection_, GroupFile ? GroupFile() : QString(), hooks_);
    ShowEntries();
}

void TSatWahl::ApplyResolveOutcome(const TResolveOutcome& outcome) {
    if (outcome.ShowNoSatelliteInfo) {
        ShowInfo(NoSatelliteFoundInfo());
        // Accepting an emptied list would wipe the group file.
        cmdFileOK_->setEnabled(false);
    }
    if (outcome.EnableOk) {
        cmdFileOK_->setEnabled(true);
        lblInfo_->hide();
    }
}

TResolveOutcome TSatWahl::ResolveSelection() {
    TResolveInput input;
    if (PriorityNames) input.PriorityNames = PriorityNames();
    if (GroupName) input.GroupName = GroupName();
    input.SourceFileDate = FileShortDate(Latin1(catalog_.SourcePath()));
    const TResolveOutcome outcome = kelvora::ResolveSelection(selection_, catalog_, input, hooks_);
    ShowEntries();
    ApplyResolveOutcome(outcome);
    return outcome;
}

int TSatWahl::LoadHighlightedFile() {
    const QString path = HighlightedFilePath();
    if (path.isEmpty() || !LoadElementFile) return static_cast<int>(selection_.Entries.size());
    label26_->setText(FileDateText(path));
    const TElementLoadResult result = LoadElementFile(path);
    ElementFileLoaded(result);
    if (!result.FileRead || result.NoDataSet || result.Count == 0) {
        if (result.FileRead && !result.NoDataSet) label27_->setText("0");
        return static_cast<int>(selection_.Entries.size());
    }
    ReportingFileErrors(prompt_, [this] {
        kelvora::ReadGroupSelection(selection_, GroupFile ? GroupFile() : QString(), hooks_);
        QStringList available;
        for (int row = 0; row < lstAlleSat_->count(); ++row) available << lstAlleSat_->item(row)->text();
        selection_.Entries = FilterByAvailable(selection_.Entries, available);
        ShowEntries();
        ResolveSelection();
    });
    return static_cast<int>(selection_.Entries.size());
}

void TSatWahl::filSourceClick() { LoadHighlightedFile(); }

void TSatWahl::lstAlleSatDblClick() {
    if (selection_.Entries.size() >= MaxSelectedSatellites) {
        prompt_.Message(TooManySatellitesMessage(), IOperatorPrompt::Icon::Information);
        return;
    }
    if (const QListWidgetItem* item = lstAlleSat_->currentItem()) AddEntry(selection_, item->text());
    ShowEntries();
    ResolveSelection();
    lblInfo_->hide();
    cmdFileOK_->setEnabled(!selection_.Entries.isEmpty());
}

void TSatWahl::lstAuswahlClick() { SetEntryButtonsEnabled(lstAuswahl_->currentRow() >= 0); }

// Removing: also any key in lstAuswahl and cmdDelete.
void TSatWahl::lstAuswahlDblClick() {
    if (!RemoveEntry(selection_, lstAuswahl_->currentRow())) return;
    ShowEntries();
    cmdFileOK_->setEnabled(!selection_.Entries.isEmpty());
    SetEntryButtonsEnabled(false);
    ResolveSelection();
}

void TSatWahl::cmdZeigenClick() {
    const int row = lstAuswahl_->currentRow();
    if (!ToggleMarker(selection_, row)) return;
    markers_[row]->setVisible(selection_.Entries[row].MapMarker);
    SetEntryButtonsEnabled(false);
}

void TSatWahl::cmdAktSatClick() {
    if (!ActivateRow(selection_, lstAuswahl_->currentRow(), hooks_)) return;
    hide();
    Call(hooks_.RestartMainTimer);
}

void TSatWahl::cmdFileOKClick() {
    Call(hooks_.ForceLetterColours);
    Call(hooks_.ClearMapRedrawCounter);
    QString error;
    const QString chosen = HighlightedFilePath();
    if (!chosen.isEmpty() && StoreGroupSource && !StoreGroupSource(chosen, &error)) {
        prompt_.Message("ISSSources.SQF could not be written:\n" + error, IOperatorPrompt::Icon::Error);
        return;
    }
    const QString groupFile = GroupFile ? GroupFile() : QString();
    if (!WriteGroupSelection(selection_, groupFile, &error)) {
        prompt_.Message(groupFile + " could not be written:\n" + error, IOperatorPrompt::Icon::Error);
        return;
    }
    if (!ReportingFileErrors(prompt_, [this] { ReadGroupSelection(); })) return;
    ResolveSelection();
    UpdateLetterLabels(selection_, hooks_);
    selection_.ShowRequestedByMenu = false;
    selection_.ShowRequestedEmpty = false;
    hide();
    const int active = selection_.ActiveSet;
    if (active >= 1 && active <= catalog_.Count()) Call(hooks_.LookupSquint, active, Latin1(catalog_.Name(active)));
    SwitchActiveSatellite(selection_, GroupName ? GroupName() : QString(), hooks_);
}

void TSatWahl::cmdFileCancelClick() {
    if (selection_.Entries.isEmpty()) ReturnToRememberedFile();
    Call(SetMainWindowEnabled, true);
    ReportingFileErrors(prompt_, [this] { ReadGroupSelection(); });
    cmdFileOK_->setEnabled(!selection_.Entries.isEmpty());
    Call(hooks_.ClearMapRedrawCounter);
    hide();
    Call(CurrentSetToActive);
    Call(hooks_.RestartMainTimer);
}

void TSatWahl::cmdSatFWechselClick() {
    cmdFileOK_->setEnabled(false);
    cmdFileCancel_->setEnabled(false);
    cmdSatFWechsel_->setEnabled(false);
    const bool edited = ShowGroupDialog ? ShowGroupDialog(DialogPlacement()) : false;
    cmdFileOK_->setEnabled(!selection_.Entries.isEmpty());
    cmdFileCancel_->setEnabled(true);
    cmdSatFWechsel_->setEnabled(true);
    if (edited) show();
    else hide();
}

void TSatWahl::cmdSatNameClick() { Call(ShowNamingDialog, DialogPlacement()); }

void TSatWahl::cmdSortSatsClick() { Call(ShowSortDialog); }

void TSatWahl::Button1Click() {
    rememberedFileRow_ = filSource_->currentRow();
    Call(ShowDownloadDialog, DialogPlacement());
}

}  // namespace kelvora
