#include "ServerFiles.h"

#include "ConfigFile.h"
#include "DataFolder.h"

namespace kelvora {

namespace {
TServerFileLines ReadTwoLines(const QString& folder, const char* name) {
    ConfigFile file = ConfigFile::Open(DataFilePath(folder, QString::fromLatin1(name)));
    return ServerFileLinesOf(file);
}

THostPort HostPortOf(const QString& line, const THostPort& defaults) {
    return ParseHostPort(line.toLatin1().toStdString(), defaults);
}
}  // namespace

TServerFileLines ServerFileLinesOf(ConfigFile& file) {
    TServerFileLines lines;
    lines.First = file.ReadText();
    if (!file.AtEnd()) lines.Second = file.ReadText();
    return lines;
}

bool IsRotctld(const QString& path) {
    return RotorServerKindOf(path.toLatin1().toStdString()) == TRotorServerKind::Rotctld;
}

bool IsRigctld(const QString& service) {
    return LowerCase(FileNamePart(service.trimmed().toLatin1().toStdString())) == "rigctld";
}

TServerFiles ServerFilesOf(const TServerFileLines& rotor, const TServerFileLines& radio) {
    TServerFiles files;
    files.RotorServerPath = rotor.First;
    files.RotorDaemon = HostPortOf(rotor.Second, kRotctldDefault);
    files.RadioServerService = radio.First;
    files.RadioDaemon = HostPortOf(radio.Second, kRigctldDefault);
    return files;
}

TServerFiles ReadServerFiles(const QString& dataFolder) {
    return ServerFilesOf(ReadTwoLines(dataFolder, "RotorServer.SQF"), ReadTwoLines(dataFolder, "CatServer.SQF"));
}

QString HostPortText(const THostPort& address) {
    const QString host = QString::fromLatin1(address.Host.c_str());
    return (host.contains(':') ? "[" + host + "]" : host) + ":" + QString::number(address.Port);
}

}  // namespace kelvora
