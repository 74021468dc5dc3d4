#include "RotorFiles.h"

#include "ConfigFile.h"
#include "DataFolder.h"
#include "SafeFile.h"

#include <QFile>

namespace kelvora {

namespace {

// The rotor files are a few lines; anything beyond this is not one of them.
constexpr qint64 kMaxRotorFileBytes = 1 << 20;

std::string RequiredFile(const QString& dataFolder, const QString& name) {
    QFile file(DataFilePath(dataFolder, name));
    if (!file.exists()) throw ConfigError(name, 0, QStringLiteral("File not found"));
    if (!file.open(QIODevice::ReadOnly)) throw ConfigError(name, 0, QStringLiteral("Cannot read the file"));
    return file.read(kMaxRotorFileBytes).toStdString();
}

// The reader's message starts with the file name, which the error adds itself.
void Check(bool ok, const QString& name, const std::string& error) {
    if (ok) return;
    QString message = QString::fromLatin1(error.c_str());
    const QString prefix = name + ", ";
    if (message.startsWith(prefix)) message = message.mid(prefix.size());
    throw ConfigError(name, 0, message);
}

}  // namespace

void LoadRotorFiles(const QString& dataFolder, TRotorSettings& settings) {
    ReadFlipFile(RequiredFile(dataFolder, "Flip.SQF"), settings);
    ReadParkFile(RequiredFile(dataFolder, "Park.SQF"), settings);
    std::string error;
    Check(ReadParkPosFile(RequiredFile(dataFolder, "ParkPos.SQF"), settings, &error), "ParkPos.SQF", error);
}

void LoadWiRotOpt(const QString& dataFolder, TRotorSettings& settings) {
    std::string error;
    Check(ReadWiRotOpt(RequiredFile(dataFolder, "WiRotOpt.SQF"), settings, &error), "WiRotOpt.SQF", error);
}

void LoadRotorOptions(const QString& dataFolder, TRotorSettings& settings) {
    LoadWiRotOpt(dataFolder, settings);
    ReadStandPosFile(RequiredFile(dataFolder, "StandPos.SQF"), settings);
}

bool StoreParkFiles(const QString& dataFolder, const TRotorSettings& settings, QString* error) {
    const std::string park = ParkFileText(settings.ParkOption);
    const std::string parkPos = ParkPosFileText(settings.ParkAzimuth, settings.ParkElevation);
    return WriteFilesTogether({{DataFilePath(dataFolder, "Park.SQF"), QByteArray::fromStdString(park)},
                               {DataFilePath(dataFolder, "ParkPos.SQF"), QByteArray::fromStdString(parkPos)}},
                              error);
}

}  // namespace kelvora
