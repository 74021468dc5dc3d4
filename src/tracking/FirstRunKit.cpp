#include "FirstRunKit.h"

#include "ConfigFile.h"
#include "DataFolder.h"
#include "SafeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace kelvora {

namespace {
const char* const kStationFile = "SatIni.SQF";

QList<QByteArray> SplitLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    return lines;
}

// A file that a failed write of an earlier version left empty counts as missing.
bool MissingOrEmpty(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.size() == 0);
}

QString Number(double value) {
    return QString::number(value, 'f', 6).remove(QRegularExpression("0+$")).remove(QRegularExpression("\\.$"));
}

bool CopyKitFiles(const QString& kitFolder, const QString& dataFolder, QString* error) {
    QDirIterator it(kitFolder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(kitFolder).relativeFilePath(source);
        if (relative == kStationFile || QFileInfo(source).fileName() == ".keep") continue;
        const QString target = dataFolder + relative;
        if (!MissingOrEmpty(target)) continue;
        if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
            if (error) *error = QStringLiteral("Cannot create the folder %1").arg(QFileInfo(target).absolutePath());
            return false;
        }
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly) || !WriteFileSafely(target, in.readAll(), error)) {
            if (error && error->isEmpty()) *error = QStringLiteral("Cannot read the kit file %1").arg(source);
            return false;
        }
    }
    return true;
}
}  // namespace

bool NeedsFirstRunKit(const QString& dataFolder) { return MissingOrEmpty(DataFilePath(dataFolder, kStationFile)); }

QString LocateKitFolder(const QString& programFolder) {
    const QStringList candidates{programFolder + "/kit", programFolder + "/../share/kelvoraiss/kit"};
    for (const QString& folder : candidates)
        if (QFileInfo(folder + "/" + kStationFile).isFile()) return QDir(folder).absolutePath();
    return QString();
}

IOperatorPrompt::Station StationOf(const QByteArray& satIni) {
    ConfigFile f(satIni, kStationFile);
    IOperatorPrompt::Station station;
    try {
        station.heightMetres = f.ReadText();
        f.ReadText();
        station.eastLongitude = f.ReadDouble();
        station.latitude = f.ReadDouble();
        for (int line = 5; line <= 12; ++line) f.ReadText();
        station.zone = f.ReadText();
    } catch (const ConfigError&) {
        // A damaged template only loses the prefilled values.
    }
    if (station.zone.isEmpty()) station.zone = "auto";
    return station;
}

QByteArray WithStation(const QByteArray& satIni, const IOperatorPrompt::Station& station) {
    QList<QByteArray> lines = SplitLines(satIni);
    while (lines.size() < 15) lines.append(QByteArray());
    lines[0] = station.heightMetres.toLatin1();
    lines[2] = Number(station.eastLongitude).toLatin1();
    lines[3] = Number(station.latitude).toLatin1();
    lines[12] = station.zone.toLatin1();
    QByteArray out;
    for (const QByteArray& line : lines) out += line + "\r\n";
    return out;
}

bool InstallFirstRunKit(const QString& kitFolder, const QString& dataFolder, IOperatorPrompt& prompt, QString* error) {
    if (kitFolder.isEmpty()) {
        if (error) *error = QStringLiteral("The default kit of the program was not found.");
        return false;
    }
    if (!QDir().mkpath(dataFolder)) {
        if (error) *error = QStringLiteral("Cannot create the data folder %1").arg(dataFolder);
        return false;
    }
    if (!CopyKitFiles(kitFolder, dataFolder, error)) return false;

    QFile templateFile(kitFolder + "/" + kStationFile);
    if (!templateFile.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("Cannot read the kit file %1").arg(templateFile.fileName());
        return false;
    }
    QByteArray satIni = templateFile.readAll();
    IOperatorPrompt::Station station = StationOf(satIni);
    if (prompt.AskStation(station)) satIni = WithStation(satIni, station);
    return WriteFileSafely(DataFilePath(dataFolder, kStationFile), satIni, error);
}

}  // namespace kelvora
