// "New Group" and "Delete": the three files of the groups change together.
#include "SatGroups.h"

#include "DataFolder.h"
#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>

namespace kelvora {

namespace {

QStringList SourcesOfTwelve(const QString& dataFolder) {
    QStringList lines = ReadSourceLines(dataFolder);
    while (lines.size() < MaxGroups) lines << QString();
    return lines;
}

QStringList TemplateLines(const QString& dataFolder) {
    QStringList lines = ReadTextLines(GroupFilePath(dataFolder, StandardGroupName)).mid(0, GroupFileTemplateLines);
    while (lines.size() < GroupFileTemplateLines) lines << QString();
    return lines;
}

}  // namespace

// The group list and the source list are read by the same positions: a failure must
// leave both as they were, or every later group would open another group's source.
bool TSatGroups::WriteTogether(const std::vector<std::pair<QString, QStringList>>& files, IOperatorPrompt& prompt) {
    std::vector<TFileWrite> writes;
    for (const auto& [fileName, lines] : files)
        writes.push_back({DataFilePath(dataFolder_, fileName), CrLfLines(lines)});
    QString error;
    if (WriteFilesTogether(writes, &error)) return true;
    prompt.Message(error, IOperatorPrompt::Icon::Error);
    return false;
}

bool TSatGroups::AddGroup(const QString& name, IOperatorPrompt& prompt) {
    const TGroupNameProblem problem = CheckNewGroupName(name, groups_);
    if (problem != TGroupNameProblem::None) {
        prompt.Message(GroupNameProblemText(problem, name), IOperatorPrompt::Icon::Warning);
        return false;
    }
    // Everything is read before anything is written, so a missing file changes nothing.
    const int at = static_cast<int>(groups_.size());
    QStringList list = ReadTextLines(DataFilePath(dataFolder_, GroupListFileName));
    list.insert(std::min(at, static_cast<int>(list.size())), name);
    const QStringList groupFile = TemplateLines(dataFolder_);
    QStringList sources = SourcesOfTwelve(dataFolder_);
    sources.insert(at, NewGroupSource);
    sources = sources.mid(0, MaxGroups);

    // The list is renamed last: until it names the group, the other two are not used.
    if (!WriteTogether({{name + ".ISS", groupFile}, {SourceListFileName, sources}, {GroupListFileName, list}}, prompt))
        return false;
    ReloadListKeepingCurrent();
    return true;
}

bool TSatGroups::DeleteGroup(int position, IOperatorPrompt& prompt) {
    if (position < 0 || position >= groups_.size()) return false;
    const QString group = groups_[position];
    if (group == StandardGroupName) {
        prompt.Message(QStringLiteral("This group must not be deleted!"));
        return false;
    }
    if (prompt.Question(QStringLiteral("Are you sure?"), IOperatorPrompt::Answer::No, IOperatorPrompt::Icon::Warning) != IOperatorPrompt::Answer::Yes)
        return false;

    QStringList list = ReadTextLines(DataFilePath(dataFolder_, GroupListFileName));
    if (position < list.size()) list.removeAt(position);
    QStringList sources = SourcesOfTwelve(dataFolder_);
    sources.removeAt(position);
    if (!WriteTogether({{GroupListFileName, list}, {SourceListFileName, sources}}, prompt)) return false;
    QFile::remove(GroupFilePath(dataFolder_, group));

    const bool wasCurrent = group == currentGroup_;
    ReloadListKeepingCurrent();
    if (wasCurrent && !groups_.isEmpty()) {
        // The loaded selection belonged to the deleted group: load the first group's,
        // so that the selection window cannot store it under another group's name.
        sources_ = ReadSourceLines(dataFolder_);
        SetCurrentSource(ResolveSourcePath(dataFolder_, sources_.value(0)));
        sourceFileReady_ = QFileInfo(currentSource_).isFile();
        RememberCurrent();
        SwitchGroup(0, TSwitchVariant::GroupDialog, prompt);
    }
    return true;
}

// After an add or a delete the group that is loaded stays current (and highlighted):
// making the first group current while another group's selection and source are
// loaded would let the selection window store them under the wrong name.
void TSatGroups::ReloadListKeepingCurrent() {
    groups_ = ReadGroupNames(dataFolder_);
    listPosition_ = static_cast<int>(groups_.indexOf(currentGroup_));
    if (listPosition_ < 0) {
        listPosition_ = groups_.isEmpty() ? -1 : 0;
        currentGroup_ = groups_.value(0);
        SetTitle(GroupTitle(currentGroup_));
    }
    const int remembered = static_cast<int>(groups_.indexOf(remembered_.Group));
    if (remembered >= 0) remembered_.Position = remembered;
    else RememberCurrent();
    if (QFileInfo::exists(DataFilePath(dataFolder_, SourceListFileName))) sources_ = ReadSourceLines(dataFolder_);
}

}  // namespace kelvora
