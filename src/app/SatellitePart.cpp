#include "SatellitePart.h"

#include "AusgabeU.h"
#include "ConfigFile.h"
#include "DataFolder.h"
#include "DownloadOffer.h"
#include "ElementAge.h"
#include "InsideEarth.h"
#include "SGP_Time.h"
#include "SatGroups.h"
#include "SatWahlU.h"
#include "TickTimer.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace kelvora {

namespace {
std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
}  // namespace

TSatellitePart::TSatellitePart(TAppState& state, IOperatorPrompt& prompt, bool unattended)
    : state_(state), prompt_(prompt), unattended_(unattended), groups_(std::make_unique<TSatGroups>(state.DataFolder)) {
}

TSatellitePart::~TSatellitePart() = default;

// Names in the catalog are Latin-1 bytes, as in the element files.
QString TSatellitePart::CatalogName(int set) const {
    if (set < 1 || set > catalog_.Count()) return QString();
    return QString::fromLatin1(catalog_.Name(set));
}

std::string TSatellitePart::SatelliteName(int set) const {
    return set >= 1 && set <= catalog_.Count() ? catalog_.Name(set) : std::string();
}

double TSatellitePart::ActiveRevsPerDay() const {
    return TOrbitModel::IsValidSlot(selection_.ActiveSet) ? orbit_.Slot(selection_.ActiveSet).RevsPerDay : 0.0;
}

void TSatellitePart::Notify(TSatelliteChange reason) {
    if (ActiveSatelliteChangedBy) ActiveSatelliteChangedBy(reason);
}

// ---- The tick ----

void TSatellitePart::SetupObserver(double latitude, double longitude, double heightMetres) {
    kelvora::SetupObserver(site_, latitude, longitude, heightMetres);
}

void TSatellitePart::TimeScaleApplied() { orbit_.SetClockOffset(state_.Time.ClockOffset); }

void TSatellitePart::SelectSatellite(int set) { orbit_.SelectSatellite(set); }

double TSatellitePart::PropagateAndLook(double julianDate, double dayCount) {
    const bool valid = kelvora::PropagateAndLook(orbit_, site_, track_, julianDate, dayCount);
    computable_ = valid && !InsideEarth(track_.Position);
    return track_.Elevation;
}

void TSatellitePart::SubSatellitePoint() {
    kelvora::SubSatellitePoint(track_, state_.Time.JulianDate, state_.Time.ClockOffset);
}

std::optional<TSatelliteLook> TSatellitePart::LookAt(int set, double dayCount) {
    if (!TOrbitModel::IsValidSlot(set) || set > catalog_.Count()) return std::nullopt;
    const TTrackState cycleTrack = track_;
    const TObserverSite cycleSite = site_;
    std::optional<TSatelliteLook> look;
    if (orbit_.SelectSatellite(set)) {
        const double julianDate = JulianDateOfDayCount(dayCount);
        if (kelvora::PropagateAndLook(orbit_, site_, track_, julianDate, dayCount) && !InsideEarth(track_.Position)) {
            kelvora::SubSatellitePoint(track_, julianDate, state_.Time.ClockOffset);
            look = TSatelliteLook{track_.Azimuth, track_.Elevation, track_.SubLatitude, track_.SubLongitude};
        }
    }
    track_ = cycleTrack;
    site_ = cycleSite;
    orbit_.SelectSatellite(state_.Tracking.CurrentSet);
    return look;
}

std::optional<TPredictedPass> TSatellitePart::PredictedPass(int set) {
    if (set < 1 || static_cast<size_t>(set) >= passes_.size()) return std::nullopt;
    const TPassInfo& pass = passes_[static_cast<size_t>(set)];
    const bool predicted = pass.Below != 0 || pass.Above != 0;
    if (!predicted || pass.AosText == "-----") return std::nullopt;
    return TPredictedPass{pass.AosTime, pass.AosAzimuth, pass.LosAzimuth};
}

double TSatellitePart::RevsPerDay(int set) {
    return TOrbitModel::IsValidSlot(set) && set <= catalog_.Count() ? orbit_.Slot(set).RevsPerDay : 0.0;
}

void TSatellitePart::PaintLetter(int letter, TLetterColour colour) { main_->PaintLetter(letter, colour); }

void TSatellitePart::EnableLetters() { main_->SetLettersEnabled(selection_.ResolvedCount()); }

// ---- Element files ----

TElementLoadResult TSatellitePart::LoadElementsFrom(const QString& path) {
    TElementLoadResult result = LoadElementFile(LocalPath(path), naming_, names_, orbit_, catalog_);
    loadedElementFile_ = path;
    staleCheckPending_ = result.FileRead;
    squintSlots_.assign(static_cast<size_t>(catalog_.Count()) + 1, TSquintSlot{});
    // A set number of the new file may be another satellite: no pass of the old one stays.
    passes_.assign(static_cast<size_t>(catalog_.Count()) + 1, TPassInfo{});
    state_.Tracking.SizeForCatalog(catalog_.Count());
    // A cut file and sets whose elements cannot be computed (left out of the lists)
    // are told once per load, since the selection window's info line is soon replaced.
    const std::string note = ElementLoadNote(result);
    if (!note.empty()) prompt_.Message(QString::fromLatin1(note.c_str()).trimmed(), IOperatorPrompt::Icon::Warning);
    return result;
}

void TSatellitePart::WarnOfStaleElementsOnce() {
    if (!staleCheckPending_) return;
    staleCheckPending_ = false;
    const int set = selection_.ActiveSet;
    if (!TOrbitModel::IsValidSlot(set) || set > catalog_.Count()) return;
    const double age = ElementAgeDays(orbit_.Slot(set).JulianEpoch, state_.Time.JulianDate - state_.Time.ClockOffset);
    if (!ElementsStale(age, state_.Start.StaleElementDays)) return;
    // The box is modal: the main timer would otherwise tick on behind it.
    const bool ticking = ticks_->Running();
    ticks_->Stop();
    const QString warning = StaleElementsWarning(CatalogName(set), QFileInfo(loadedElementFile_).fileName(), age);
    if (!OfferDownloadOnce(warning)) prompt_.Message(warning, IOperatorPrompt::Icon::Warning);
    if (ticking) ticks_->Start();
}

bool TSatellitePart::OfferDownloadOnce(const QString& staleWarning) {
    // Nobody answers an unattended run: it takes No and the offer stays for the operator.
    if (unattended_ || DownloadOfferMade(state_.DataFolder)) return false;
    const IOperatorPrompt::Answer answer = prompt_.Question(
        DownloadOfferQuestion(staleWarning), IOperatorPrompt::Answer::No, IOperatorPrompt::Icon::Warning);
    QString error;
    if (!RememberDownloadOffer(state_.DataFolder, &error)) prompt_.Message(error, IOperatorPrompt::Icon::Error);
    if (answer == IOperatorPrompt::Answer::Yes) ShowDownloadDialog(main_->geometry().topLeft() + QPoint(40, 80));
    return true;
}

// ---- Start-up steps ----

void TSatellitePart::ReadGroupList() {
    groups_->ElementMask = state_.Station.ElementFileMask.isEmpty() ? "*.*" : state_.Station.ElementFileMask;
    groups_->ReadGroupList();
    // The first group is loaded now: without a name there is no group file to read,
    // and the fault lies in the list, not in a group file called ".ISS".
    if (groups_->CurrentGroup().isEmpty())
        throw ConfigError(GroupListFileName, 1,
                          groups_->Groups().isEmpty() ? QStringLiteral("No group name")
                                                      : QStringLiteral("The first group has no name"));
}

void TSatellitePart::ReadNames() {
    std::string error;
    if (!ReadNorvaNames(LocalPath(DataFilePath(state_.DataFolder, kNorvaNamesFile)), names_, &error))
        throw ConfigError(kNorvaNamesFile, 0, QString::fromStdString(error));
    if (!ReadNameOptions(LocalPath(DataFilePath(state_.DataFolder, kNameOptionsFile)), naming_, &error))
        throw ConfigError(kNameOptionsFile, 0, QString::fromStdString(error));
}

void TSatellitePart::ReadSquint() {
    const auto table = ReadSquintFile(LocalPath(DataFilePath(state_.DataFolder, "Squint.SQF")));
    if (!table) throw ConfigError("Squint.SQF", 0, "File not found");
    squintTable_ = *table;
}

void TSatellitePart::ComputeSquint() {
    const int set = selection_.ActiveSet;
    if (set < 1 || static_cast<size_t>(set) >= squintSlots_.size() || !state_.Tracking.ActiveComputable) return;
    kelvora::ComputeSquint(squintSlots_[static_cast<size_t>(set)], site_, track_, state_.Time.DayCount,
                           state_.Time.ClockOffset);
}

void TSatellitePart::ReadGroupSourcesAndSelection() {
    groups_->ElementMask = state_.Station.ElementFileMask.isEmpty() ? "*.*" : state_.Station.ElementFileMask;
    satWahl_->SetElementMask(groups_->ElementMask);
    satWahl_->SetFontScale(state_.Layout.FontScale);
    groups_->ReadGroupSources();
    satWahl_->ReadGroupSelection();
}

bool TSatellitePart::OpenSourceFile() {
    groups_->OpenGroupSource(prompt_);
    return groups_->SourceFileReady();
}

int TSatellitePart::LoadElementsAndResolveSelection() {
    const TElementLoadResult result = LoadElementsFrom(groups_->CurrentSource());
    satWahl_->ElementFileLoaded(result);
    if (!result.FileRead) prompt_.Message(QString::fromStdString(result.Error), IOperatorPrompt::Icon::Warning);
    satWahl_->ResolveSelection();
    return catalog_.Count();
}

void TSatellitePart::ShowSelectionWindowIfRequested() {
    if (selection_.ShowRequested() && !satWahl_->isVisible()) {
        if (unattended_) {
            prompt_.Message(
                selection_.ShowRequestedEmpty ? NoSatelliteFoundInfo().trimmed() : QStringLiteral("Satellites"),
                IOperatorPrompt::Icon::Information);
        } else {
            satWahl_->exec();
        }
    }
    selection_.ShowRequestedEmpty = false;
    selection_.ShowRequestedByMenu = false;
}

void TSatellitePart::ApplyElementFolderChoice() {
    if (groups_->SourceChosenByOperator()) state_.Station.ElementFolder = groups_->SourceFolder();
    satWahl_->ShowSourceInFileList(groups_->SourceFolder(), groups_->SourceFileName(), true);
}

// ---- Operator commands ----

void TSatellitePart::RequestSelectionWindow() {
    satWahl_->DisableEntryButtons();
    satWahl_->setWindowTitle("Satellites");
    selection_.OpenedFromMenu = true;
    selection_.ShowRequestedByMenu = true;
}

void TSatellitePart::LetterClick(int letter) {
    selection_.ActiveLetter = letter;
    SwitchActiveSatellite(selection_, groups_->CurrentGroup(), selectionHooks_);
}

void TSatellitePart::AdoptNewActiveSatellite(int set) {
    const std::vector<int> sets = selection_.SetNumbers();
    const auto found = std::find(sets.begin(), sets.end(), set);
    // A set the selection no longer holds cannot become active: its letter would
    // name another satellite.
    if (found == sets.end()) return;
    const int letter = static_cast<int>(found - sets.begin());
    selection_.ActiveSet = set;
    selection_.ActiveLetter = letter;
    state_.Tracking.MapRedrawCounter = 0;
    main_->setWindowTitle(ProgramCaption());
    const QString text = QStringLiteral(" %1: %2").arg(LetterOf(letter)).arg(CatalogName(set));
    main_->SetStatusPanel(0, text);
    main_->ShowSatName(text);
    Notify(TSatelliteChange::Automatic);
}

}  // namespace kelvora
