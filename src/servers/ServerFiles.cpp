#include "ServerFiles.h"

#include "ConfigFile.h"
#include "DataFolder.h"

namespace kelvora {

namespace {
struct TTwoLines {
    QString First;
    QString Second;
};

TTwoLines ReadTwoLines(const QString& folder, const char* name) {
    ConfigFile file = ConfigFile::Open(DataFilePath(folder, QString::fromLatin1(name)));
    TTwoLines lines;
    lines.First = file.ReadText();
    if (!file.AtEnd()) lines.Second = file.ReadText();
    return lines;
}

THostPort HostPortOf(const QString& line, const THostPort& defaults) {
    return ParseHostPort(line.toLatin1().toStdString(), defaults);
}
}  // namespace

bool IsRigctld(const QString& service) {
    return LowerCase(FileNamePart(service.trimmed().toLatin1().toStdString())) == "rigctld";
}

TServerFiles ReadServerFiles(const QString& dataFolder) {
    TServerFiles files;
    const TTwoLines rotor = ReadTwoLines(dataFolder, "RotorServer.SQF");
    files.RotorServerPath = rotor.First;
    files.RotorDaemon = HostPortOf(rotor.Second, kRotctldDefault);
    const TTwoLines radio = ReadTwoLines(dataFolder, "CatServer.SQF");
    files.RadioServerService = radio.First;
    files.RadioDaemon = HostPortOf(radio.Second, kRigctldDefault);
    return files;
}

}  // namespace kelvora
