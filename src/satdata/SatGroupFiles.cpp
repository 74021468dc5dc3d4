// The file formats of the groups: group list, source list and group files.
#include "SatGroups.h"

#include "ConfigFile.h"
#include "DataFolder.h"
#include "SafeFile.h"

namespace kelvora {

namespace {
bool IsComment(const QString& line) { return line.startsWith(';'); }

bool HasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return true;
    return false;
}

QString Quoted(const QString& text) { return '"' + Excerpt(text.toLatin1()) + '"'; }

// The names of the group list. Every name that is not empty gets the check of a typed
// name, since it becomes a file name; an empty line keeps its place in the list.
QStringList GroupNamesOf(const QStringList& lines, bool commentEndsList) {
    QStringList names;
    for (int i = 0; i < lines.size() && names.size() < MaxGroups; ++i) {
        const QString& line = lines[i];
        if (IsComment(line)) {
            if (commentEndsList) break;
            continue;
        }
        if (!line.isEmpty() && !IsUsableGroupName(line))
            throw ConfigError(GroupListFileName, i + 1, Quoted(line) + " cannot be used as a group name");
        names << line;
    }
    return names;
}

}  // namespace

QStringList ReadTextLines(const QString& path) {
    ConfigFile file = ConfigFile::Open(path);
    return ReadTextLines(file);
}

QStringList ReadTextLines(ConfigFile& file) {
    QStringList lines;
    while (!file.AtEnd()) lines << file.ReadText();
    return lines;
}

QString GroupFilePath(const QString& dataFolder, const QString& group) {
    return DataFilePath(dataFolder, group + ".ISS");
}

QStringList ReadGroupNames(const QString& dataFolder) {
    return GroupNamesOf(ReadTextLines(DataFilePath(dataFolder, GroupListFileName)), true);
}

QStringList ReadGroupNames(ConfigFile& file) { return GroupNamesOf(ReadTextLines(file), true); }

QStringList ReadGroupNamesSkippingComments(const QString& dataFolder) {
    return GroupNamesOf(ReadTextLines(DataFilePath(dataFolder, GroupListFileName)), false);
}

QStringList ReadSourceLines(const QString& dataFolder) {
    ConfigFile file = ConfigFile::Open(DataFilePath(dataFolder, SourceListFileName));
    return ReadSourceLines(file);
}

QStringList ReadSourceLines(ConfigFile& file) {
    const QStringList lines = ReadTextLines(file).mid(0, MaxGroups);
    // A path holds no control characters: such a line is damage, said as such rather
    // than as a missing source file of the group.
    for (int i = 0; i < lines.size(); ++i)
        if (HasControlCharacter(lines[i]))
            throw ConfigError(SourceListFileName, i + 1, Quoted(lines[i]) + " cannot be used as a file name");
    return lines;
}

QString ResolveSourcePath(const QString& dataFolder, const QString& storedSource) {
    if (storedSource.left(6) == QLatin1String("Kepler")) return DataFilePath(dataFolder, storedSource);
    return NativeStoredPath(storedSource);
}

std::vector<TGroupEntry> ReadGroupFile(const QString& path) {
    ConfigFile file = ConfigFile::Open(path);
    return ReadGroupFile(file);
}

std::vector<TGroupEntry> ReadGroupFile(ConfigFile& file) {
    std::vector<TGroupEntry> entries;
    while (!file.AtEnd()) {
        TGroupEntry entry;
        entry.Name = file.ReadText();
        entry.MapMarker = file.ReadChar() == '+';
        entries.push_back(entry);
    }
    return entries;
}

QByteArray GroupFileBytes(const std::vector<TGroupEntry>& entries) {
    QStringList lines;
    for (const TGroupEntry& entry : entries) lines << entry.Name << (entry.MapMarker ? "+" : "-");
    return CrLfLines(lines);
}

bool WriteGroupFile(const QString& path, const std::vector<TGroupEntry>& entries, QString* error) {
    return WriteFileSafely(path, GroupFileBytes(entries), error);
}

bool IsUsableGroupName(const QString& name) {
    if (name.isEmpty() || name == "." || name == ".." || name.startsWith(';')) return false;
    for (const QChar c : name) {
        if (c == '/' || c == '\\' || c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() > 0xff) return false;
    }
    return true;
}

TGroupNameProblem CheckNewGroupName(const QString& name, const QStringList& groups) {
    if (name.isEmpty()) return TGroupNameProblem::Empty;
    if (groups.contains(name)) return TGroupNameProblem::Duplicate;
    if (!IsUsableGroupName(name)) return TGroupNameProblem::Unusable;
    if (groups.size() >= MaxGroups) return TGroupNameProblem::ListFull;
    return TGroupNameProblem::None;
}

QString GroupNameProblemText(TGroupNameProblem problem, const QString& name) {
    switch (problem) {
        case TGroupNameProblem::Empty:
            return QStringLiteral("Please enter a name for the new group.");
        case TGroupNameProblem::Duplicate:
            return "The group " + name + " already exists!";
        case TGroupNameProblem::Unusable:
            return "The name " + name + " cannot be used as a group name!";
        case TGroupNameProblem::ListFull:
            return QStringLiteral("No more than %1 groups are possible!").arg(MaxGroups);
        case TGroupNameProblem::None:
            break;
    }
    return QString();
}

QString GroupTitle(const QString& group) { return "KelvoraISS [" + group + "]"; }

}  // namespace kelvora
