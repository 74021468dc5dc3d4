#include "RadioFiles.h"

#include <QFile>

#include "CatInterval.h"
#include "ConfigFile.h"
#include "DataFolder.h"
#include "DopplerFile.h"
#include "SafeFile.h"
#include "SerialDevice.h"

namespace kelvora {

namespace {

// The radio files are a few lines; anything beyond this is not one of them.
constexpr qint64 kMaxRadioFileBytes = 1 << 20;

std::string ReadBytes(QFile& file, const QString& name) {
    if (!file.open(QIODevice::ReadOnly)) throw ConfigError(name, 0, QStringLiteral("Cannot read the file"));
    const QByteArray bytes = file.read(kMaxRadioFileBytes);
    return bytes.toStdString();
}

std::string RequiredFile(const QString& dataFolder, const QString& name) {
    QFile file(DataFilePath(dataFolder, name));
    if (!file.exists()) throw ConfigError(name, 0, QStringLiteral("File not found"));
    return ReadBytes(file, name);
}

bool OptionalFile(const QString& dataFolder, const QString& name, std::string& bytes) {
    QFile file(DataFilePath(dataFolder, name));
    if (!file.exists()) return false;
    bytes = ReadBytes(file, name);
    return true;
}

void Check(bool ok, const TFileError& error) {
    if (!ok)
        throw ConfigError(QString::fromLatin1(error.FileName.c_str()), error.Line,
                          QString::fromLatin1(error.Message.c_str()));
}

}  // namespace

void LoadRadioFamily(const QString& dataFolder, TRadioDefinition& radio) {
    ReadTrxFile(RequiredFile(dataFolder, "TRX.SQF"), radio);
}

void LoadRadioParameters(const QString& dataFolder, TRadioDefinition& radio) {
    TFileError error;
    Check(ReadYaesuPar(RequiredFile(dataFolder, "YaesuPar.SQF"), radio, &error), error);
    Check(ReadIcomPar(RequiredFile(dataFolder, "IcomPar.SQF"), radio, &error), error);
    ReadIcomName(RequiredFile(dataFolder, "IcomName.SQF"), radio);
    ReadKenwoodPar(RequiredFile(dataFolder, "KenwoodPar.SQF"), radio);
}

void LoadRtsDtr(const QString& dataFolder, TRadioDefinition& radio) {
    ReadRts12(RequiredFile(dataFolder, "RTS12.SQF"), radio);
}

TDopplerTable LoadDopplerTable(const QString& dataFolder) {
    return ParseDopplerTable(RequiredFile(dataFolder, "Doppler.SQF"));
}

int LoadCorrectionMode(const QString& dataFolder) {
    const std::optional<int> mode = ParseCorrectionMode(RequiredFile(dataFolder, "KorrMod.SQF"));
    if (!mode) throw ConfigError("KorrMod.SQF", 1, QStringLiteral("The correction mode is not a whole number"));
    return *mode;
}

std::optional<int> StoredCorrectionMode(const QString& dataFolder) {
    try {
        std::string bytes;
        if (!OptionalFile(dataFolder, "KorrMod.SQF", bytes)) return std::nullopt;
        return ParseCorrectionMode(bytes);
    } catch (const ConfigError&) {
        return std::nullopt;
    }
}

double LoadInterval(const QString& dataFolder) {
    std::string bytes;
    if (!OptionalFile(dataFolder, "IntVCatISS.SQF", bytes)) return kDefaultIntervalHz;
    double intervalHz = kDefaultIntervalHz;
    TFileError error;
    Check(ReadIntervalFile(bytes, intervalHz, &error), error);
    return intervalHz;
}

bool StoreInterval(const QString& dataFolder, double intervalHz, QString* error) {
    const std::string text = IntervalFileText(intervalHz);
    return WriteFileSafely(DataFilePath(dataFolder, "IntVCatISS.SQF"), QByteArray::fromStdString(text), error);
}

bool StoreCorrectionMode(const QString& dataFolder, int mode, QString* error) {
    const std::string text = CorrectionModeFileText(mode);
    return WriteFileSafely(DataFilePath(dataFolder, "KorrMod.SQF"), QByteArray::fromStdString(text), error);
}

std::string SerialDevicePath(const QString& dataFolder, int portNumber) {
    TSerialPortMap ports;
    std::string bytes;
    if (OptionalFile(dataFolder, kSerialPortsFileName, bytes)) {
        TFileError error;
        Check(ReadSerialPortsFile(bytes, ports, &error), error);
    }
    return DevicePathFor(ports, portNumber);
}

}  // namespace kelvora
