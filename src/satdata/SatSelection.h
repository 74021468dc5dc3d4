#pragma once
// The satellites the operator tracks: up to twelve names of the current group
// (letters A to L), resolved to set numbers of the loaded element file after every
// load, and the active one. Plain values in and out; whatever belongs to other parts
// of the program (main window labels, squint, tracking counters, the one notice that
// the operator chose another active satellite) is reached through TSelectionHooks,
// each of which does nothing while it is empty.
//
// Satellites are matched by their exact, case-sensitive name throughout.

#include "ElementCatalog.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kelvora {

constexpr int MaxSelectedSatellites = 12;  // letters A..L
// Below this mean motion (rev/day) a satellite is deep-space; the preview steps in
// 15 minutes instead of 2 for it.
constexpr double DeepSpaceMeanMotion = 6.4;

QString ProgramCaption();  // " KelvoraISS V. " and the program version
QString NoSatelliteFoundInfo();  // " Satellit wählen o. Sourcefile wechseln! ! "
QString TooManySatellitesMessage();  // "zu viele Satelliten!"
QChar LetterOf(int letter);  // 0 -> 'A' ... 11 -> 'L'

struct TSelectionEntry {
    QString Name;
    bool MapMarker = false;  // the map also shows this satellite (stored "+" / "-")
    bool operator==(const TSelectionEntry&) const = default;
};

// One letter: the k-th entry whose name was found in the catalog.
struct TResolvedSatellite {
    int Set = 0;  // set number of the loaded element file (1..count)
    QString Name;
    bool MapMarker = false;
};

struct TSatSelection {
    QList<TSelectionEntry> Entries;  // as shown in lstAuswahl, at most 12
    std::vector<TResolvedSatellite> Resolved;  // letter k stands for Resolved[k]
    int ActiveLetter = 0;  // 0..11, changed by letter clicks and group changes
    int ActiveSet = 0;  // 0 = none
    // The selected satellites named in the priority list, in the list's order.
    std::vector<int> AutoCandidates;
    // Set by the "Satellites" menu; keeps the caption and the active satellite while
    // the selection is resolved again; cleared when an entry is removed.
    bool OpenedFromMenu = false;
    bool ShowRequestedByMenu = false;  // the menu asked for the selection window
    bool ShowRequestedEmpty = false;  // nothing resolved: the window must be shown

    int ResolvedCount() const { return static_cast<int>(Resolved.size()); }
    // Set number of a letter; 0 when the letter has no satellite.
    int SetOfLetter(int letter) const;
    std::vector<int> SetNumbers() const;
    bool ShowRequested() const { return ShowRequestedByMenu || ShowRequestedEmpty; }
};

// Effects on parts owned by others, in the words of their owners.
struct TSelectionHooks {
    // Main window.
    std::function<void(int letter, const QString& hint)> SetLetterHint;  // lblA..lblL hint
    std::function<void()> PaintLettersSilver;  // all twelve letters C0C0C0
    std::function<void(int count)> EnableLetters;  // letters 0..count-1 on, the rest off
    std::function<void(const QString&)> SetCaption;
    std::function<void(int panel, const QString&)> SetStatusPanel;
    std::function<void(const QString&)> ShowSatName;  // lblSatName, width cut to PanSchalter
    std::function<void()> BlankFrequencyDisplays;  // ptbRxTx 27 blanks, ptbRxTx2 25 blanks
    std::function<void(int minutes, const QString& text)> SetPreviewStep;  // UpDIntVMin, txtIntVMin
    // Tracking cycle state.
    std::function<bool()> LetterColoursForced;  // reads ForceLetterColours
    std::function<void()> ForceLetterColours;  // sets it
    std::function<void()> ClearMapRedrawCounter;
    std::function<void()> ClearWarmUp;  // WarmUp1 and WarmUp2
    std::function<void()> RestartMainTimer;  // only when the timer may run
    // The operator made another satellite active (a letter, "Active Sat.", a new
    // group): the radio and the rotor start afresh for it.
    std::function<void()> ActiveSatelliteChosen;
    // Squint and orbit.
    // LookupSquintEntry: the set's squint data back to "-", then the table entry of
    // exactly that name, if any, with its attitude axis.
    std::function<void(int set, const QString& name)> LookupSquint;
    std::function<double(int set)> MeanMotion;  // rev/day of a set
};

// ---- The group file (GroupFilePath of SatGroups.h names it) ----

// ReadGroupSelection: entries from the group file, pairs of a name line and a marker
// line ("+" on); pairs with an empty name are skipped and at most 12 are kept. Each
// entry's letter gets its name as hint. A missing file throws ConfigError.
void ReadGroupSelection(TSatSelection& selection, const QString& groupFilePath, const TSelectionHooks& hooks);
// WriteGroupSelection: through a temporary file, so a failure never truncates it.
bool WriteGroupSelection(const TSatSelection& selection, const QString& groupFilePath, QString* error = nullptr);

// ---- Resolving against the loaded catalog ----

// What the resolution shows besides the catalog's own source file name.
struct TResolveInput {
    QStringList PriorityNames;  // "Prior.SQF" names, in priority order
    QString GroupName;
    QString SourceFileDate;  // modification date, short date format
};

struct TResolveOutcome {
    bool AnyFound = false;
    bool ShowNoSatelliteInfo = false;  // lblInfo with NoSatelliteFoundInfo(), list emptied
    bool EnableOk = false;  // cmdFileOK on, lblInfo hidden
};

// Lowest set number whose name equals each entry's name, in entry order; entries
// not in the catalog are skipped.
std::vector<TResolvedSatellite> MatchEntries(const QList<TSelectionEntry>& entries, const TElementCatalog& catalog);
// For each priority name in order, every resolved satellite of that name.
std::vector<int> BuildAutoCandidates(const std::vector<TResolvedSatellite>& resolved, const QStringList& priorityNames);
// ResolveSelection: the catalog's NoDataSet decides whether an empty result empties
// the list; the catalog's source file name goes to status panel 2.
TResolveOutcome ResolveSelection(TSatSelection& selection, const TElementCatalog& catalog, const TResolveInput& input,
                                 const TSelectionHooks& hooks);

// Rebuilds the entries from the group's entries in their order, one per available
// name that equals the entry name, each with that entry's marker (at most 12).
QList<TSelectionEntry> FilterByAvailable(const QList<TSelectionEntry>& groupEntries, const QStringList& availableNames);

// ---- Editing the entries ----

enum class TAddResult { Added, TooMany, AlreadySelected };
TAddResult AddEntry(TSatSelection& selection, const QString& name);
// Removes a row; rows below move up with their markers. Clears OpenedFromMenu.
bool RemoveEntry(TSatSelection& selection, int row);
bool ToggleMarker(TSatSelection& selection, int row);

// ---- The active satellite ----

// SwitchActiveSatellite: makes the satellite of ActiveLetter active. A letter beyond
// the resolved satellites falls back to A. Returns false when nothing is resolved.
bool SwitchActiveSatellite(TSatSelection& selection, const QString& groupName, const TSelectionHooks& hooks);
// "Active Sat." on a row of the selected list: that row's letter becomes the active
// set, without changing the active letter. Returns false for a row without a satellite.
bool ActivateRow(TSatSelection& selection, int row, const TSelectionHooks& hooks);
// UpdateLetterLabels: silver when forced, letters in use enabled.
void UpdateLetterLabels(const TSatSelection& selection, const TSelectionHooks& hooks);

}  // namespace kelvora
