// The current group and its source file; switching, adding and deleting groups.
#include "SatGroups.h"

#include "DataFolder.h"
#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace kelvora {

namespace {

QString MissingSourceText(const QString& group) {
    return "No source file was found for group " + group +
           ".\n"
           "Please select a source file for this group after the 'OK'.\n\n"
           "IMPORTANT: In order to store the filename for later starts\n"
           "open the menu 'Satellites' and click the 'OK' button.";
}

// Qt's file dialog wants "Name (patterns);;Name (patterns)" with blanks between patterns.
QString SourceFilter(const QString& mask) {
    QString patterns = mask;
    patterns.replace(';', ' ');
    return "All Files (*);;Kepler Files (" + patterns + ")";
}

QStringList PaddedSources(const QString& dataFolder) {
    QStringList lines;
    if (QFileInfo::exists(DataFilePath(dataFolder, SourceListFileName))) lines = ReadSourceLines(dataFolder);
    while (lines.size() < MaxGroups) lines << QString();
    return lines;
}

}  // namespace

TSatGroups::TSatGroups(QString dataFolder) : dataFolder_(std::move(dataFolder)) {}

void TSatGroups::SetListPosition(int position) {
    if (position >= 0 && position < groups_.size()) listPosition_ = position;
}

QString TSatGroups::HighlightedGroup() const { return groups_.value(listPosition_); }

QString TSatGroups::SourceFolder() const {
    const QString folder = QFileInfo(currentSource_).path();
    return folder.endsWith('/') ? folder : folder + '/';
}

QString TSatGroups::SourceFileName() const { return QFileInfo(currentSource_).fileName(); }

void TSatGroups::SetCurrentSource(const QString& fullPath) { currentSource_ = fullPath; }

void TSatGroups::SetTitle(const QString& title) {
    if (Hooks.SetApplicationTitle) Hooks.SetApplicationTitle(title);
}

void TSatGroups::ReadGroupList() {
    groups_ = ReadGroupNames(dataFolder_);
    listPosition_ = groups_.isEmpty() ? -1 : 0;
    currentGroup_ = groups_.value(0);
    SetTitle(GroupTitle(currentGroup_));
}

void TSatGroups::ReadGroupSources() {
    sources_ = ReadSourceLines(dataFolder_);
    SetCurrentSource(ResolveSourcePath(dataFolder_, sources_.value(listPosition_)));
}

bool TSatGroups::OpenGroupSource(IOperatorPrompt& prompt) {
    sourceChosenByOperator_ = false;
    if (!currentSource_.isEmpty() && QFileInfo(currentSource_).isFile()) {
        sourceFileReady_ = true;
        if (Hooks.ShowSourceInFileList) Hooks.ShowSourceInFileList(SourceFolder(), SourceFileName(), false);
        return true;
    }
    prompt.Message(MissingSourceText(currentGroup_), IOperatorPrompt::Icon::Warning);
    const QString chosen = prompt.OpenFile(QStringLiteral("Open"), SourceFolder(), SourceFilter(ElementMask));
    sourceFileReady_ = false;
    if (chosen.isEmpty()) return false;
    if (!QFileInfo(chosen).isFile()) {
        prompt.Message("The file was not found,\nplease, check the filename\nand call the menu File|Open.\n",
                       IOperatorPrompt::Icon::Warning);
        return false;
    }
    SetCurrentSource(chosen);
    sourceChosenByOperator_ = true;
    sourceFileReady_ = true;
    if (Hooks.ShowSourceInFileList) Hooks.ShowSourceInFileList(SourceFolder(), SourceFileName(), false);
    return true;
}

bool TSatGroups::StoreGroupSource(const QString& chosenPath, QString* error) {
    if (listPosition_ < 0 || listPosition_ >= MaxGroups) {
        if (error) *error = QStringLiteral("No group is highlighted.");
        return false;
    }
    QStringList lines = PaddedSources(dataFolder_).mid(0, MaxGroups);
    lines[listPosition_] = chosenPath;
    if (!WriteFileSafely(DataFilePath(dataFolder_, SourceListFileName), CrLfLines(lines), error)) return false;
    sources_ = lines;
    SetCurrentSource(chosenPath);
    return true;
}

void TSatGroups::UseOpenedSource(const QString& fullPath) {
    SetCurrentSource(fullPath);
    sourceChosenByOperator_ = true;
    sourceFileReady_ = true;
}

void TSatGroups::RememberCurrent() { remembered_ = {currentGroup_, listPosition_, currentSource_, sourceFileReady_}; }

void TSatGroups::RestoreRemembered() {
    currentGroup_ = remembered_.Group;
    listPosition_ = remembered_.Position;
    currentSource_ = remembered_.Source;
    sourceFileReady_ = remembered_.SourceReady;
}

TSwitchResult TSatGroups::SwitchGroup(int position, TSwitchVariant variant, IOperatorPrompt& prompt) {
    const bool quick = variant == TSwitchVariant::QuickSwitch;
    if (Hooks.ResetTrackingDisplay) Hooks.ResetTrackingDisplay();
    SetListPosition(position);
    const QString group = HighlightedGroup();
    if (!QFileInfo(GroupFilePath(dataFolder_, group)).isFile()) {
        prompt.Message((quick ? "File " : "Datei ") + group + ".Sat not found!");
        // The highlight goes back to the group that stays current, so that storing a
        // source from the selection window cannot land on the missing group's line.
        listPosition_ = groups_.indexOf(currentGroup_);
        return TSwitchResult::GroupFileMissing;
    }
    currentGroup_ = group;
    try {
        ReadGroupSources();
    } catch (...) {
        RestoreRemembered();
        throw;
    }
    if (!OpenGroupSource(prompt)) {
        RestoreRemembered();
        return TSwitchResult::SourceNotReady;
    }
    if (Hooks.ShowSourceInFileList) Hooks.ShowSourceInFileList(SourceFolder(), SourceFileName(), !quick);
    const int selected = Hooks.LoadSourceAndFilter ? Hooks.LoadSourceAndFilter() : 0;
    if (selected == 0) {
        prompt.Message(quick ? QStringLiteral("No datas in source file for chosen satellite!\n"
                                              "Edit the group in menu Satellites.\n"
                                              "The window will now be closed")
                             : QStringLiteral("No datas in source file\n for chosen satellite!"));
        return TSwitchResult::NoSatellites;
    }
    if (Hooks.ActivateFirstLetter) Hooks.ActivateFirstLetter();
    SetTitle(quick ? "Kelvora [" + group + "]" : GroupTitle(group));
    return TSwitchResult::Switched;
}

}  // namespace kelvora
