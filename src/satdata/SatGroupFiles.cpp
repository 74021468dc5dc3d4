// The file formats of the groups: group list, source list and group files.
#include "SatGroups.h"

#include "ConfigFile.h"
#include "DataFolder.h"
#include "SafeFile.h"

namespace kelvora {

namespace {
bool IsComment(const QString& line) { return line.startsWith(';'); }

}  // namespace

QStringList ReadTextLines(const QString& path) {
    ConfigFile file = ConfigFile::Open(path);
    QStringList lines;
    while (!file.AtEnd()) lines << file.ReadText();
    return lines;
}

QString GroupFilePath(const QString& dataFolder, const QString& group) {
    return DataFilePath(dataFolder, group + ".ISS");
}

QStringList ReadGroupNames(const QString& dataFolder) {
    QStringList names;
    for (const QString& line : ReadTextLines(DataFilePath(dataFolder, GroupListFileName))) {
        if (names.size() == MaxGroups || IsComment(line)) break;
        names << line;
    }
    return names;
}

QStringList ReadGroupNamesSkippingComments(const QString& dataFolder) {
    QStringList names;
    for (const QString& line : ReadTextLines(DataFilePath(dataFolder, GroupListFileName))) {
        if (names.size() == MaxGroups) break;
        if (!IsComment(line)) names << line;
    }
    return names;
}

QStringList ReadSourceLines(const QString& dataFolder) {
    return ReadTextLines(DataFilePath(dataFolder, SourceListFileName)).mid(0, MaxGroups);
}

QString ResolveSourcePath(const QString& dataFolder, const QString& storedSource) {
    if (storedSource.left(6) == QLatin1String("Kepler")) return DataFilePath(dataFolder, storedSource);
    return NativeStoredPath(storedSource);
}

std::vector<TGroupEntry> ReadGroupFile(const QString& path) {
    ConfigFile file = ConfigFile::Open(path);
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

TGroupNameProblem CheckNewGroupName(const QString& name, const QStringList& groups) {
    if (name.isEmpty()) return TGroupNameProblem::Empty;
    if (groups.contains(name)) return TGroupNameProblem::Duplicate;
    if (name == "." || name == ".." || name.startsWith(';')) return TGroupNameProblem::Unusable;
    for (const QChar c : name) {
        if (c == '/' || c == '\\' || c.unicode() < 0x20 || c.unicode() == 0x7f || c.unicode() > 0xff)
            return TGroupNameProblem::Unusable;
    }
    if (groups.size() >= MaxGroups) return TGroupNameProblem::ListFull;
    return TGroupNameProblem::None;
}

QString GroupNameProblemText(TGroupNameProblem problem, const QString& name) {
    switch (problem) {
        case TGroupNameProblem::Empty: return QStringLiteral("Please enter a name for the new group.");
        case TGroupNameProblem::Duplicate: return "The group " + name + " already exists!";
        case TGroupNameProblem::Unusable: return "The name " + name + " cannot be used as a group name!";
        case TGroupNameProblem::ListFull:
            return QStringLiteral("No more than %1 groups are possible!").arg(MaxGroups);
        case TGroupNameProblem::None: break;
    }
    return QString();
}

QString GroupTitle(const QString& group) { return "KelvoraISS [" + group + "]"; }

}  // namespace kelvora
