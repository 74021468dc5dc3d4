#include "StationInput.h"

#include "ConfigFile.h"
#include "StationLimits.h"

#include <optional>

namespace kelvora {

namespace {
std::optional<double> NumberOf(const QString& text, QChar systemDecimal) {
    QString dotted = text.trimmed();
    if (systemDecimal != '.') dotted.replace(systemDecimal, '.');
    double value = 0;
    if (dotted.isEmpty() || !ParseDecimal(dotted.toLatin1(), value)) return std::nullopt;
    return value;
}

QString Refused(const QString& field, const QString& text, double low, double high, const QString& unit) {
    return QStringLiteral("%1: \"%2\" is not valid. Please enter a number between %3 and %4%5.")
        .arg(field, text.trimmed())
        .arg(low)
        .arg(high)
        .arg(unit);
}
}  // namespace

QString CheckStationInput(const TStationInput& input, QChar systemDecimal, IOperatorPrompt::Station* station) {
    const std::optional<double> latitude = NumberOf(input.Latitude, systemDecimal);
    if (!latitude || !IsStationLatitude(*latitude))
        return Refused("Latitude", input.Latitude, -kMaxStationLatitude, kMaxStationLatitude, " degrees");
    const std::optional<double> longitude = NumberOf(input.Longitude, systemDecimal);
    if (!longitude || !IsStationLongitude(*longitude))
        return Refused("Longitude", input.Longitude, kMinStationLongitude, kMaxStationLongitude, " degrees");
    const std::optional<double> height = NumberOf(input.Height, systemDecimal);
    if (!height || !IsStationHeight(*height))
        return Refused("Height", input.Height, kMinStationHeightMetres, kMaxStationHeightMetres, " m");
    const QString zone = input.Zone.trimmed().isEmpty() ? QStringLiteral("auto") : input.Zone.trimmed();
    if (zone.toLower() != "auto") {
        const std::optional<double> hours = NumberOf(zone, systemDecimal);
        if (!hours || !IsZoneHours(*hours))
            return Refused("Time zone", input.Zone, -kMaxZoneHours, kMaxZoneHours, " hours, or \"auto\"");
    }
    if (station) {
        station->latitude = *latitude;
        station->eastLongitude = *longitude;
        // "SatIni.SQF" holds the height in the system's number notation.
        station->heightMetres = QString::number(*height, 'f', *height == static_cast<int>(*height) ? 0 : 1);
        if (systemDecimal != '.') station->heightMetres.replace('.', systemDecimal);
        station->zone = zone;
    }
    return QString();
}

}  // namespace kelvora
