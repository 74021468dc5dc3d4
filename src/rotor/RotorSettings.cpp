#include "RotorSettings.h"

#include "RotorFileReader.h"

namespace kelvora {

namespace {
bool Report(const TRotorFileReader& reader, std::string* error) {
    if (reader.Ok()) return true;
    if (error) *error = reader.Error();
    return false;
}
}  // namespace

bool ReadWiRotOpt(std::string_view bytes, TRotorSettings& settings, std::string* error) {
    TRotorFileReader reader(bytes, "WiRotOpt.SQF");
    const char mode = reader.ReadChar();
    const double interval = reader.ReadDouble();
    const double step = reader.ReadDouble();
    const std::string rule = reader.ReadText();
    if (!Report(reader, error)) return false;
    settings.RotorMode = mode;
    settings.IntervalSeconds = interval;
    settings.StepDegrees = step;
    settings.AzimuthStepRule = rule;
    return true;
}

void ReadFlipFile(std::string_view bytes, TRotorSettings& settings) {
    TRotorFileReader reader(bytes, "Flip.SQF");
    settings.FlipOption = reader.ReadChar();
    settings.Extend450Option = reader.ReadChar();
    if (settings.FlipOn() || settings.EndStop == 'S') settings.Extend450Option = '-';
}

void ReadParkFile(std::string_view bytes, TRotorSettings& settings) {
    TRotorFileReader reader(bytes, "Park.SQF");
    settings.ParkOption = reader.ReadChar();
}

bool ReadParkPosFile(std::string_view bytes, TRotorSettings& settings, std::string* error) {
    TRotorFileReader reader(bytes, "ParkPos.SQF");
    const int azimuth = reader.ReadInt();
    const int elevation = reader.ReadInt();
    if (!Report(reader, error)) return false;
    settings.ParkAzimuth = azimuth;
    settings.ParkElevation = elevation;
    return true;
}

void ReadStandPosFile(std::string_view bytes, TRotorSettings& settings) {
    settings.StandardDirections.clear();
    TRotorFileReader lines(bytes, "StandPos.SQF");
    while (!lines.AtEnd() && settings.StandardDirections.size() < kMaxStandardDirections) {
        const std::string line = lines.ReadText();
        if (line.empty() || line.front() == ';') continue;
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos) continue;
        // The azimuth is a number of the file rules: the token after the comma.
        TRotorFileReader azimuth(std::string_view(line).substr(comma + 1), "StandPos.SQF");
        TStandardDirection direction;
        direction.Azimuth = azimuth.ReadDouble();
        if (!azimuth.Ok()) continue;
        const std::string_view rest = TrimBlanks(std::string_view(line).substr(comma + 1));
        if (rest.empty()) continue;
        direction.Name = line.substr(0, comma);
        direction.AzimuthText = std::string(rest.substr(0, rest.find_first_of(" \t")));
        settings.StandardDirections.push_back(std::move(direction));
    }
}

void ApplyStationRotorSettings(TRotorSettings& settings, char endStop, double minElevation, int azimuthOffset,
                               int elevationOffset) {
    settings.EndStop = endStop;
    if (endStop == 'S') settings.Extend450Option = '-';
    settings.MinElevation = minElevation;
    settings.AzimuthOffset = azimuthOffset;
    settings.ElevationOffset = elevationOffset;
}

std::string StandardDirectionListText(const TStandardDirection& direction) {
    std::string name = direction.Name.substr(0, 8);
    name.resize(8, ' ');
    return name + " " + direction.AzimuthText;
}

// Only a switch is written: a file that read past its end is stored as off.
std::string ParkFileText(char parkOption) { return parkOption == '+' ? "+\r\n" : "-\r\n"; }

std::string ParkPosFileText(int parkAzimuth, int parkElevation) {
    return std::to_string(parkAzimuth) + "\r\n" + std::to_string(parkElevation) + "\r\n";
}

}  // namespace kelvora
