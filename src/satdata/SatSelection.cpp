#include "SatSelection.h"

#include "ConfigFile.h"
#include "KelvoraVersion.h"
#include "SafeFile.h"

#include <algorithm>
#include <unordered_map>

namespace kelvora {

namespace {

template <typename F, typename... Args>
void Call(const F& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString SatNameText(int letter, const QString& name) {
    return QStringLiteral(" ") + LetterOf(letter) + QStringLiteral(": ") + name;
}

}  // namespace

QString ProgramCaption() { return QStringLiteral(" KelvoraISS V. ") + QLatin1String(kProgramVersion); }
QString NoSatelliteFoundInfo() { return QStringLiteral(" Satellit w\u00e4hlen o. Sourcefile wechseln! ! "); }
QString TooManySatellitesMessage() { return QStringLiteral("zu viele Satelliten!"); }
QChar LetterOf(int letter) { return QChar('A' + letter); }

int TSatSelection::SetOfLetter(int letter) const {
    if (letter < 0 || letter >= ResolvedCount()) return 0;
    return Resolved[static_cast<size_t>(letter)].Set;
}

std::vector<int> TSatSelection::SetNumbers() const {
    std::vector<int> sets;
    sets.reserve(Resolved.size());
    for (const TResolvedSatellite& r : Resolved) sets.push_back(r.Set);
    return sets;
}

// ---- Group file ----

namespace {

QList<TSelectionEntry> ReadEntries(ConfigFile& file) {
    QList<TSelectionEntry> entries;
    // The window has twelve rows; further pairs of a hand-edited file are left out.
    while (!file.AtEnd() && entries.size() < MaxSelectedSatellites) {
        const QString name = file.ReadText();
        const bool marker = file.ReadChar() == '+';
        if (!name.isEmpty()) entries.append({name, marker});
    }
    return entries;
}

QByteArray EntriesBytes(const QList<TSelectionEntry>& entries) {
    QStringList lines;
    for (const TSelectionEntry& e : entries) lines << e.Name << QString(e.MapMarker ? '+' : '-');
    return CrLfLines(lines);
}

}  // namespace

void ReadGroupSelection(TSatSelection& selection, const QString& groupFilePath, const TSelectionHooks& hooks) {
    ConfigFile file = ConfigFile::Open(groupFilePath);
    selection.Entries = ReadEntries(file);
    for (int k = 0; k < selection.Entries.size(); ++k) Call(hooks.SetLetterHint, k, selection.Entries[k].Name);
}

bool WriteGroupSelection(const TSatSelection& selection, const QString& groupFilePath, QString* error) {
    return WriteFileSafely(groupFilePath, EntriesBytes(selection.Entries), error);
}

// ---- Resolving ----

std::vector<TResolvedSatellite> MatchEntries(const QList<TSelectionEntry>& entries, const TElementCatalog& catalog) {
    std::vector<TResolvedSatellite> resolved;
    if (entries.isEmpty()) return resolved;
    // Catalog names are the file's Latin-1 bytes; one pass finds the lowest set
    // number of every wanted name.
    std::unordered_map<std::string, int> lowest;
    for (const TSelectionEntry& e : entries) lowest.emplace(e.Name.toLatin1().toStdString(), 0);
    std::size_t missing = lowest.size();
    for (int n = 1; n <= catalog.Count() && missing > 0; ++n) {
        const auto it = lowest.find(catalog.Name(n));
        if (it != lowest.end() && it->second == 0) {
            it->second = n;
            --missing;
        }
    }
    for (const TSelectionEntry& e : entries) {
        const int set = lowest[e.Name.toLatin1().toStdString()];
        if (set > 0) resolved.push_back({set, e.Name, e.MapMarker});
    }
    return resolved;
}

std::vector<int> BuildAutoCandidates(const std::vector<TResolvedSatellite>& resolved,
                                     const QStringList& priorityNames) {
    std::vector<int> candidates;
    for (const QString& name : priorityNames) {
        for (const TResolvedSatellite& r : resolved)
            if (r.Name == name) candidates.push_back(r.Set);
    }
    return candidates;
}

namespace {

// Per found satellite the squint starts afresh; once per set is enough because a
// name always resolves to the same set.
void ResetFoundSatellites(const std::vector<TResolvedSatellite>& resolved, const TSelectionHooks& hooks) {
    std::vector<int> done;
    for (const TResolvedSatellite& r : resolved) {
        if (std::find(done.begin(), done.end(), r.Set) != done.end()) continue;
        done.push_back(r.Set);
        Call(hooks.LookupSquint, r.Set, r.Name);
    }
}

void ShowResolvedOnMainWindow(const TSatSelection& selection, const TElementCatalog& catalog,
                              const TResolveInput& input, const TSelectionHooks& hooks) {
    if (!selection.OpenedFromMenu) Call(hooks.SetCaption, ProgramCaption());
    Call(hooks.SetStatusPanel, 0, QStringLiteral(" Group :") + input.GroupName);
    const int active = selection.ActiveSet;
    const QString name = active >= 1 && active <= catalog.Count() ? Latin1(catalog.Name(active)) : QString();
    Call(hooks.ShowSatName, SatNameText(0, name));
    Call(hooks.SetStatusPanel, 2,
         QStringLiteral(" Keps: ") + Latin1(catalog.SourceFileName()) + QStringLiteral(" ") + input.SourceFileDate);
}

}  // namespace

TResolveOutcome ResolveSelection(TSatSelection& selection, const TElementCatalog& catalog, const TResolveInput& input,
                                 const TSelectionHooks& hooks) {
    selection.Resolved = MatchEntries(selection.Entries, catalog);
    TResolveOutcome outcome;
    outcome.AnyFound = !selection.Resolved.empty();
    if (!catalog.NoDataSet()) {
        if (outcome.AnyFound) {
            outcome.EnableOk = true;
        } else {
            selection.Entries.clear();
            outcome.ShowNoSatelliteInfo = true;
        }
    }
    if (!selection.OpenedFromMenu) selection.ActiveSet = selection.SetOfLetter(0);
    ResetFoundSatellites(selection.Resolved, hooks);
    selection.AutoCandidates = BuildAutoCandidates(selection.Resolved, input.PriorityNames);
    ShowResolvedOnMainWindow(selection, catalog, input, hooks);
    if (!outcome.AnyFound) selection.ShowRequestedEmpty = true;
    return outcome;
}

QList<TSelectionEntry> FilterByAvailable(const QList<TSelectionEntry>& groupEntries,
                                         const QStringList& availableNames) {
    QList<TSelectionEntry> shown;
    for (const TSelectionEntry& e : groupEntries) {
        for (const QString& available : availableNames) {
            if (available != e.Name) continue;
            if (shown.size() == MaxSelectedSatellites) return shown;
            shown.append(e);
        }
    }
    return shown;
}

// ---- Editing ----

TAddResult AddEntry(TSatSelection& selection, const QString& name) {
    if (selection.Entries.size() >= MaxSelectedSatellites) return TAddResult::TooMany;
    for (const TSelectionEntry& e : selection.Entries)
        if (e.Name == name) return TAddResult::AlreadySelected;
    selection.Entries.append({name, false});
    return TAddResult::Added;
}

bool RemoveEntry(TSatSelection& selection, int row) {
    if (row < 0 || row >= selection.Entries.size()) return false;
    selection.Entries.removeAt(row);
    selection.OpenedFromMenu = false;
    return true;
}

bool ToggleMarker(TSatSelection& selection, int row) {
    if (row < 0 || row >= selection.Entries.size()) return false;
    selection.Entries[row].MapMarker = !selection.Entries[row].MapMarker;
    return true;
}

// ---- Active satellite ----

namespace {

// What every change of the active satellite restarts: the map at the next cycle.
void RestartForNewActive(const TSelectionHooks& hooks) { Call(hooks.ClearMapRedrawCounter); }

}  // namespace

bool SwitchActiveSatellite(TSatSelection& selection, const QString& groupName, const TSelectionHooks& hooks) {
    if (selection.Resolved.empty()) {
        selection.ActiveSet = 0;
        UpdateLetterLabels(selection, hooks);
        return false;
    }
    // A letter left over from a larger selection would name no satellite.
    if (selection.ActiveLetter < 0 || selection.ActiveLetter >= selection.ResolvedCount()) selection.ActiveLetter = 0;
    const TResolvedSatellite& active = selection.Resolved[static_cast<size_t>(selection.ActiveLetter)];

    Call(hooks.BlankFrequencyDisplays);
    selection.ActiveSet = active.Set;
    RestartForNewActive(hooks);
    // The frequency output waits one cycle so that it never carries the former satellite.
    Call(hooks.ClearWarmUp);
    Call(hooks.SetCaption, ProgramCaption());
    Call(hooks.SetStatusPanel, 0, QStringLiteral(" Group :") + groupName);
    Call(hooks.ShowSatName, SatNameText(selection.ActiveLetter, active.Name));
    if (hooks.MeanMotion && hooks.SetPreviewStep) {
        if (hooks.MeanMotion(active.Set) < DeepSpaceMeanMotion) hooks.SetPreviewStep(15, QStringLiteral(" 15"));
        else hooks.SetPreviewStep(2, QStringLiteral(" 02"));
    }
    Call(hooks.ActiveSatelliteChosen);
    UpdateLetterLabels(selection, hooks);
    Call(hooks.RestartMainTimer);
    return true;
}

bool ActivateRow(TSatSelection& selection, int row, const TSelectionHooks& hooks) {
    if (row < 0 || row >= selection.ResolvedCount()) return false;
    const TResolvedSatellite& chosen = selection.Resolved[static_cast<size_t>(row)];
    Call(hooks.BlankFrequencyDisplays);
    selection.ActiveSet = chosen.Set;
    RestartForNewActive(hooks);
    if (!selection.OpenedFromMenu) Call(hooks.SetCaption, ProgramCaption());
    Call(hooks.ShowSatName, SatNameText(row, chosen.Name));
    Call(hooks.ActiveSatelliteChosen);
    return true;
}

void UpdateLetterLabels(const TSatSelection& selection, const TSelectionHooks& hooks) {
    if (hooks.LetterColoursForced && hooks.LetterColoursForced()) Call(hooks.PaintLettersSilver);
    Call(hooks.EnableLetters, selection.ResolvedCount());
}

}  // namespace kelvora
