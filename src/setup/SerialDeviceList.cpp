#include "SerialDeviceList.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace kelvora {

QString StableDeviceName(const QString& systemLocation, const QString& byIdFolder) {
    const QString device = QFileInfo(systemLocation).canonicalFilePath();
    const QDir folder(byIdFolder);
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
        if (!device.isEmpty() && link.canonicalFilePath() == device) return link.absoluteFilePath();
    return systemLocation;
}

std::vector<TSerialDeviceChoice> AvailableSerialDevices() {
    std::vector<TSerialDeviceChoice> choices;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        QStringList about;
        if (!port.description().isEmpty()) about << port.description();
        if (!port.manufacturer().isEmpty() && port.manufacturer() != port.description()) about << port.manufacturer();
        if (!port.serialNumber().isEmpty()) about << port.serialNumber();
        choices.push_back({StableDeviceName(port.systemLocation(), "/dev/serial/by-id"), about.join(", ")});
    }
    return choices;
}

}  // namespace kelvora
