#pragma once
// Satellite groups: the group list "ISSFiles8d.SQF", the source list "ISSSources.SQF",
// the group files <group>.ISS with the template "Standard.ISS", and the current group
// with its source file. No widgets here: the group dialogs only call this, and the
// window-side effects of a switch go through the hooks the application wires.
//
// Reading a file that must exist (group list, source list, "Standard.ISS") throws
// ConfigError naming the file; writing goes through a temporary file and a rename.

#include "OperatorPrompt.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace kelvora {

constexpr int MaxGroups = 12;
constexpr int GroupFileTemplateLines = 12;  // lines of "Standard.ISS" a new group starts with

inline const QString GroupListFileName = QStringLiteral("ISSFiles8d.SQF");
inline const QString SourceListFileName = QStringLiteral("ISSSources.SQF");
inline const QString StandardGroupName = QStringLiteral("Standard");
inline const QString NewGroupSource = QStringLiteral("Kepler\\nasa.all");

// One satellite of a group file: a name line and a marker line ("+" on).
struct TGroupEntry {
    QString Name;
    bool MapMarker = false;
};

// Data folder + group + ".ISS".
QString GroupFilePath(const QString& dataFolder, const QString& group);

class ConfigFile;

// Every line of a text file (CR LF or LF, Latin-1); ConfigError when it is missing.
QStringList ReadTextLines(const QString& path);
QStringList ReadTextLines(ConfigFile& file);

// The group names of "ISSFiles8d.SQF": at most 12, ending at the first line that
// begins with ";" (empty lines count as names). A name that is not empty and fails the
// check of typed names (IsUsableGroupName) is a ConfigError naming the file and line.
QStringList ReadGroupNames(const QString& dataFolder);
QStringList ReadGroupNames(ConfigFile& file);
// The same list as the sort dialog reads it: ";" lines are skipped, not the end.
QStringList ReadGroupNamesSkippingComments(const QString& dataFolder);
// The stored source lines of "ISSSources.SQF", at most 12; a line with control
// characters is a ConfigError naming the file and line.
QStringList ReadSourceLines(const QString& dataFolder);
QStringList ReadSourceLines(ConfigFile& file);
// A stored source whose first 6 characters are "Kepler" lies in the data folder;
// any other text is a full path. Backslashes mean '/'.
QString ResolveSourcePath(const QString& dataFolder, const QString& storedSource);

// Every pair of a group file, in file order, empty names included; a missing marker
// line reads as off. Throws ConfigError when the file is missing.
std::vector<TGroupEntry> ReadGroupFile(const QString& path);
std::vector<TGroupEntry> ReadGroupFile(ConfigFile& file);
// Name line and "+"/"-" line per entry, CR LF.
QByteArray GroupFileBytes(const std::vector<TGroupEntry>& entries);
bool WriteGroupFile(const QString& path, const std::vector<TGroupEntry>& entries, QString* error);

// Why a name typed for a new group cannot be used.
enum class TGroupNameProblem { None, Empty, Duplicate, Unusable, ListFull };
// Group names become file names and lines of the group list: not empty, no folder
// separators, not "." or "..", no control characters, nothing outside Latin-1, and no
// leading ";" (which would end the list).
bool IsUsableGroupName(const QString& name);
TGroupNameProblem CheckNewGroupName(const QString& name, const QStringList& groups);
QString GroupNameProblemText(TGroupNameProblem problem, const QString& name);

// "KelvoraISS [" + group + "]".
QString GroupTitle(const QString& group);

// What the group logic needs from the rest of the program. Each hook may stay empty
// (then nothing happens, or the neutral value is used).
struct TGroupHooks {
    // Tracking state: set ForceLetterColours and MapRedrawCounter := 0.
    std::function<void()> ResetTrackingDisplay;
    // Selection window: list the folder in the file list with the element-file mask
    // and highlight the file (SelectSourceInFileList); with showPath, lblPfad shows
    // "Path: " + folder.
    std::function<void(const QString& folder, const QString& fileName, bool showPath)> ShowSourceInFileList;
    // Selection window: load the current source and filter the group's selection
    // against it as a click on the file does (filSourceClick). Returns the number of
    // entries in the selected list afterwards.
    std::function<int()> LoadSourceAndFilter;
    // Active letter := A, SwitchActiveSatellite, LookupSquintEntry for the active set.
    std::function<void()> ActivateFirstLetter;
    // The application title (task bar).
    std::function<void(const QString& title)> SetApplicationTitle;
};

// Which dialog asks for the switch: the messages and the title differ.
enum class TSwitchVariant { GroupDialog, QuickSwitch };

enum class TSwitchResult {
    GroupFileMissing,  // told; nothing switched; the dialog closes
    SourceNotReady,  // no source chosen; back to the remembered group; dialog stays open
    NoSatellites,  // told; the group is current and its file loaded
    Switched,
};

// The group list, the sources and the current group with its source file.
class TSatGroups {
public:
    explicit TSatGroups(QString dataFolder);

    const QString& DataFolder() const { return dataFolder_; }
    const QStringList& Groups() const { return groups_; }
    const QStringList& Sources() const { return sources_; }
    const QString& CurrentGroup() const { return currentGroup_; }
    QString CurrentGroupFile() const { return GroupFilePath(dataFolder_, currentGroup_); }
    // The group highlighted in the group dialog (lstSatFiles); -1 with an empty list.
    int ListPosition() const { return listPosition_; }
    void SetListPosition(int position);
    QString HighlightedGroup() const;

    // Full path of the current source, its folder (ending in '/') and its file name.
    const QString& CurrentSource() const { return currentSource_; }
    QString SourceFolder() const;
    QString SourceFileName() const;
    // The current source exists or was chosen by the operator.
    bool SourceFileReady() const { return sourceFileReady_; }
    // The operator picked the source in the file dialog (the element folder follows it).
    bool SourceChosenByOperator() const { return sourceChosenByOperator_; }
    // Used for the file list and the file dialog; set from the general settings.
    QString ElementMask = QStringLiteral("*.*");

    TGroupHooks Hooks;

    // Reads the group list; the first group is highlighted and current; sets the title.
    void ReadGroupList();
    // Reads the source list; the current source is that of the highlighted group.
    void ReadGroupSources();
    // Makes sure the current source exists, asking for a file when it does not.
    bool OpenGroupSource(IOperatorPrompt& prompt);
    // The file chosen in the selection window becomes the highlighted group's source;
    // "ISSSources.SQF" is rewritten with 12 lines. False with a reason on a write error.
    bool StoreGroupSource(const QString& chosenPath, QString* error);
    // File "O&pen": the chosen file is the current source until a group switch.
    void UseOpenedSource(const QString& fullPath);
    void ClearSourceFileReady() { sourceFileReady_ = false; }

    // Saved when a group dialog opens, restored by its Cancel and by a failed switch.
    void RememberCurrent();
    void RestoreRemembered();

    // The OK of the group dialogs for the group at that list position.
    TSwitchResult SwitchGroup(int position, TSwitchVariant variant, IOperatorPrompt& prompt);

    // "New Group": false (and the operator told why) when the name cannot be used.
    bool AddGroup(const QString& name, IOperatorPrompt& prompt);
    // "Delete" for the group at that list position, after asking "Are you sure?".
    bool DeleteGroup(int position, IOperatorPrompt& prompt);

private:
    struct TRemembered {
        QString Group;
        int Position = 0;
        QString Source;
        bool SourceReady = false;
    };
    void SetCurrentSource(const QString& fullPath);
    void SetTitle(const QString& title);
    void ReloadListKeepingCurrent();
    bool WriteTogether(const std::vector<std::pair<QString, QStringList>>& files, IOperatorPrompt& prompt);

    QString dataFolder_;
    QStringList groups_;
    QStringList sources_;
    QString currentGroup_;
    int listPosition_ = -1;
    QString currentSource_;
    bool sourceFileReady_ = false;
    bool sourceChosenByOperator_ = false;
    TRemembered remembered_;
};

}  // namespace kelvora
