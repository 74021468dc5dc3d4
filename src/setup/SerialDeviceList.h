#pragma once
// The serial devices the operator can choose from: the ports that exist, each under
// its /dev/serial/by-id/ name when it has one (that name stays with the adapter
// whatever order adapters are plugged in), with the adapter's description.

#include <QString>
#include <vector>

namespace kelvora {

struct TSerialDeviceChoice {
    QString Path;  // /dev/serial/by-id/... or the device itself
    QString Description;  // the adapter's description and maker, may be empty
};

std::vector<TSerialDeviceChoice> AvailableSerialDevices();

// The name in byIdFolder that links to the device, or the device itself.
QString StableDeviceName(const QString& systemLocation, const QString& byIdFolder);

}  // namespace kelvora
