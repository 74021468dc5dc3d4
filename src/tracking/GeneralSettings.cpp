#include "GeneralSettings.h"

#include "ConfigFile.h"
#include "DataFolder.h"
#include "SafeFile.h"
#include "StationLimits.h"

#include <algorithm>

namespace kelvora {

namespace {
ConfigFile OpenData(const QString& folder, const char* name) {
    return ConfigFile::Open(DataFilePath(folder, QString::fromLatin1(name)));
}

// Lines of a list file; comment lines (starting with ';') are left out when asked,
// empty lines always.
QStringList ListLines(ConfigFile& file, bool skipComments, int limit) {
    QStringList entries;
    while (!file.AtEnd() && entries.size() < limit) {
        const QString line = file.ReadText();
        if (line.isEmpty()) continue;
        if (skipComments && line.startsWith(';')) continue;
        entries << line;
    }
    return entries;
}

QString Between(double low, double high) { return QStringLiteral("between %1 and %2").arg(low).arg(high); }

double ReadDoubleIf(ConfigFile& f, bool (*ok)(double), const QString& what, double low, double high) {
    const double value = f.ReadDouble();
    if (!ok(value)) f.RefuseLastNumber(what + " must lie " + Between(low, high));
    return value;
}

int ReadIntWithin(ConfigFile& f, int low, int high, const QString& what) {
    const int value = f.ReadInt();
    if (value < low || value > high) f.RefuseLastNumber(what + " must lie " + Between(low, high));
    return value;
}

bool IsMinElevation(double degrees) { return InRange(degrees, -kMaxMinElevation, kMaxMinElevation); }

template <typename F>
auto FromFile(const QString& folder, const char* name, F&& read) {
    ConfigFile file = OpenData(folder, name);
    return read(file);
}
}  // namespace

TStationSettings ReadSatIni(const QString& dataFolder) {
    return FromFile(dataFolder, "SatIni.SQF", [](ConfigFile& f) { return ReadSatIni(f); });
}

TStationSettings ReadSatIni(ConfigFile& f) {
    TStationSettings s;
    s.HeightText = f.ReadText();
    s.ConfigurationGuard = f.ReadText();
    s.Longitude = ReadDoubleIf(f, IsStationLongitude, "the longitude", kMinStationLongitude, kMaxStationLongitude);
    s.Latitude = ReadDoubleIf(f, IsStationLatitude, "the latitude", -kMaxStationLatitude, kMaxStationLatitude);
    s.PortNumber = ReadIntWithin(f, 0, kMaxSerialPortNumber, "the CAT port number");
    s.CatPauseMs = ReadIntWithin(f, 0, kMaxCatPauseMs, "the CAT pause (ms)");
    s.ParallelPortChoice = f.ReadInt();
    s.Line8 = f.ReadInt();
    s.FlipSide = f.ReadChar();
    s.MinElevation = ReadDoubleIf(f, IsMinElevation, "the minimum elevation", -kMaxMinElevation, kMaxMinElevation);
    s.RotorValueA = ReadIntWithin(f, -kMaxRotorOffset, kMaxRotorOffset, "the rotor's azimuth offset");
    s.RotorValueB = ReadIntWithin(f, -kMaxRotorOffset, kMaxRotorOffset, "the rotor's elevation offset");
    s.ZoneText = f.ReadText();
    s.ElementFileMask = f.ReadText();
    s.ElementFolder = f.ReadText();
    return s;
}

void ReadParPort(const QString& dataFolder, TStationSettings& station) {
    ConfigFile f = OpenData(dataFolder, "ParPort.SQF");
    ReadParPort(f, station);
}

void ReadParPort(ConfigFile& f, TStationSettings& station) {
    QList<int> addresses;
    while (!f.AtEnd()) {
        const QString line = f.ReadText();
        if (line.startsWith(';')) continue;
        int value = 0;
        if (!ParseWholeNumber(line.trimmed().toLatin1(), value)) value = 0;
        addresses << value;
    }
    station.ParallelPortAddress.reset();
    const int choice = station.ParallelPortChoice;
    if (choice > 0 && choice <= addresses.size()) station.ParallelPortAddress = addresses[choice - 1];
}

void ReadSatStart(const QString& dataFolder, TStartSettings& start) {
    ConfigFile f = OpenData(dataFolder, "SatStart.SQF");
    ReadSatStart(f, start);
}

void ReadSatStart(ConfigFile& f, TStartSettings& start) {
    for (int line = 1; line <= 3; ++line) f.ReadText();
    start.RotorServerOption = f.ReadChar();  // 4
    for (int line = 5; line <= 8; ++line) f.ReadText();
    f.ReadInt();  // 9: carried by the companion program only
    f.ReadText();  // 10
    start.RadioServerOption = f.ReadChar();  // 11
    f.ReadText();  // 12
    f.ReadText();  // 13
    start.TimeScaleSwitch = f.ReadChar();  // 14
}

void ReadSatStartIss(const QString& dataFolder, TStartSettings& start) {
    ConfigFile f = OpenData(dataFolder, "SatStartISS.SQF");
    ReadSatStartIss(f, start);
}

void ReadSatStartIss(ConfigFile& f, TStartSettings& start) {
    start.RotorOnStart = f.ReadChar();
    start.CatOnStart = f.ReadChar();
    start.AutoChangeStart = f.ReadChar();
    start.StoredRotorServerOption = f.ReadChar();  // 4: copy of "SatStart.SQF" line 4
    start.WindowSizeOption = f.ReadChar();
    start.MultiSatStart = f.ReadChar();
    start.MapCentreSwitch = f.ReadChar();
    start.MapCentreChoice = f.ReadChar();
    start.MapInterval = ReadIntWithin(f, -kMaxMapInterval, kMaxMapInterval, "the map interval (s)");
    start.ZoomStart = f.ReadChar();
    f.ReadChar();  // 11: copy of "SatStart.SQF" line 11
    start.SunOnStart = f.ReadChar();
    start.ArrowsOnStart = f.ReadChar();
    f.ReadChar();  // 14: copy of "SatStart.SQF" line 14
    start.MapSet = f.ReadChar();
    start.StaleElementDays = StaleElementDaysOf(f.ReadText());  // 16: missing in older files
}

TWindowPosition ReadWindowPosition(const QString& dataFolder) {
    return FromFile(dataFolder, "SatPos.SQF", [](ConfigFile& f) { return ReadWindowPosition(f); });
}

TWindowPosition ReadWindowPosition(ConfigFile& f) {
    // Top and left are clamped rather than refused: any of them is a place for the
    // window, and sums with them (dialogs below the window) must not overflow.
    const auto coordinate = [&f] { return std::clamp(f.ReadInt(), -kMaxWindowCoordinate, kMaxWindowCoordinate); };
    TWindowPosition p;
    p.Top = coordinate();
    p.Left = coordinate();
    p.Carried1 = f.ReadInt();
    p.Carried2 = f.ReadInt();
    return p;
}

QPoint PlaceOnScreen(const TWindowPosition& position, const QRect& area) {
    constexpr int kVisible = 100;  // pixels of the window kept on the screen
    const auto into = [](int value, int low, int size) {
        return std::clamp(value, low, low + std::max(0, size - kVisible));
    };
    return {into(position.Left, area.left(), area.width()), into(position.Top, area.top(), area.height())};
}

char ReadReportBelowHorizon(const QString& dataFolder) {
    return FromFile(dataFolder, "DivOptions.SQF", [](ConfigFile& f) { return ReadReportBelowHorizon(f); });
}

char ReadReportBelowHorizon(ConfigFile& f) {
    f.ReadChar();
    return f.ReadChar();
}

QStringList ReadPriorityList(const QString& dataFolder) {
    return FromFile(dataFolder, "Prior.SQF", [](ConfigFile& f) { return ReadPriorityList(f); });
}

QStringList ReadPriorityList(ConfigFile& f) {
    // Only the text before the first comma is the name; the number after it is unused.
    QStringList names;
    for (const QString& line : ListLines(f, true, MaxPriorityEntries)) names << line.section(',', 0, 0);
    return names;
}

QStringList ReadProgramList(const QString& dataFolder) {
    return FromFile(dataFolder, "Program.SQF", [](ConfigFile& f) { return ReadProgramList(f); });
}

QStringList ReadProgramList(ConfigFile& f) { return ListLines(f, true, MaxProgramEntries); }

QStringList ReadAuxiliaryList(const QString& dataFolder) {
    return FromFile(dataFolder, "Auxiliary.SQF", [](ConfigFile& f) { return ReadAuxiliaryList(f); });
}

QStringList ReadAuxiliaryList(ConfigFile& f) { return ListLines(f, false, MaxAuxiliaryEntries); }

QStringList StartSettingsLines(const TStartSettings& s) {
    auto c = [](char ch) { return QString(QLatin1Char(ch)); };
    QStringList lines{c(s.RotorOnStart),      c(s.CatOnStart),        c(s.AutoChangeStart),
                      c(s.RotorServerOption), c(s.WindowSizeOption),  c(s.MultiSatStart),
                      c(s.MapCentreSwitch),   c(s.MapCentreChoice),   QString::number(s.MapInterval),
                      c(s.ZoomStart),         c(s.RadioServerOption), c(s.SunOnStart),
                      c(s.ArrowsOnStart),     c(s.TimeScaleSwitch),   c(s.MapSet)};
    // Line 16 only when it differs from its default, so that the file stays as the
    // companion setup and older versions write it.
    if (s.StaleElementDays != DefaultStaleElementDays) lines << QString::number(s.StaleElementDays);
    return lines;
}

bool StoreStartSettings(const QString& dataFolder, const TStartSettings& start, QString* error) {
    return WriteFileSafely(DataFilePath(dataFolder, "SatStartISS.SQF"), CrLfLines(StartSettingsLines(start)), error);
}

bool SaveWindowPosition(const QString& dataFolder, const TWindowPosition& p, QString* error) {
    const QStringList lines{QString::number(p.Top), QString::number(p.Left), QString::number(p.Carried1),
                            QString::number(p.Carried2)};
    return WriteFileSafely(DataFilePath(dataFolder, "SatPosIss.SQF"), CrLfLines(lines), error);
}

double ZoneHoursFromText(const QString& zoneText, double systemZoneHours, QChar systemDecimal) {
    const QString text = zoneText.trimmed();
    if (text.toLower() == "auto") return systemZoneHours;
    QString dotted = text;
    if (systemDecimal != '.') dotted.replace(systemDecimal, '.');
    double hours = 0;
    return ParseDecimal(dotted.toLatin1(), hours) ? hours : 0.0;
}

double StationZoneHours(const QString& zoneText, double systemZoneHours, QChar systemDecimal) {
    const double hours = ZoneHoursFromText(zoneText, systemZoneHours, systemDecimal);
    if (!IsZoneHours(hours))
        throw ConfigError("SatIni.SQF", 13,
                          QStringLiteral("\"%1\" is not a valid number: the time zone must lie %2 hours")
                              .arg(Excerpt(zoneText.toLatin1()), Between(-kMaxZoneHours, kMaxZoneHours)));
    return hours;
}

double ConvertStationHeight(const QString& text, QChar decimalSeparator) {
    QString dotted = text.trimmed();
    if (decimalSeparator != '.') {
        if (dotted.contains('.')) dotted.clear();  // not a number in this notation
        dotted.replace(decimalSeparator, '.');
    }
    double height = 0;
    const QString quoted = Excerpt(text.toLatin1());
    if (!ParseDecimal(dotted.toLatin1(), height))
        throw ConfigError("SatIni.SQF", 1, QStringLiteral("\"%1\" is not a valid floating point value").arg(quoted));
    if (!IsStationHeight(height))
        throw ConfigError("SatIni.SQF", 1,
                          QStringLiteral("\"%1\" is not a valid number: the height must lie %2 m")
                              .arg(quoted, Between(kMinStationHeightMetres, kMaxStationHeightMetres)));
    return height;
}

}  // namespace kelvora
