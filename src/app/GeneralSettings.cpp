#include "GeneralSettings.h"

#include "ConfigFile.h"
#include "DataFolder.h"
#include "SafeFile.h"

namespace kelvora {

namespace {
ConfigFile OpenData(const QString& folder, const char* name) {
    return ConfigFile::Open(DataFilePath(folder, QString::fromLatin1(name)));
}

// Lines of a list file; comment lines (starting with ';') are left out when asked,
// empty lines always.
QStringList ListLines(ConfigFile file, bool skipComments, int limit) {
    QStringList entries;
    while (!file.AtEnd() && entries.size() < limit) {
        const QString line = file.ReadText();
        if (line.isEmpty()) continue;
        if (skipComments && line.startsWith(';')) continue;
        entries << line;
    }
    return entries;
}
}  // namespace

TStationSettings ReadSatIni(const QString& dataFolder) {
    ConfigFile f = OpenData(dataFolder, "SatIni.SQF");
    TStationSettings s;
    s.HeightText = f.ReadText();
    s.ConfigurationGuard = f.ReadText();
    s.Longitude = f.ReadDouble();
    s.Latitude = f.ReadDouble();
    s.PortNumber = f.ReadInt();
    s.CatPauseMs = f.ReadInt();
    s.ParallelPortChoice = f.ReadInt();
    s.Line8 = f.ReadInt();
    s.FlipSide = f.ReadChar();
    s.MinElevation = f.ReadDouble();
    s.RotorValueA = f.ReadInt();
    s.RotorValueB = f.ReadInt();
    s.ZoneText = f.ReadText();
    s.ElementFileMask = f.ReadText();
    s.ElementFolder = f.ReadText();
    return s;
}

void ReadParPort(const QString& dataFolder, TStationSettings& station) {
    ConfigFile f = OpenData(dataFolder, "ParPort.SQF");
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
    for (int line = 1; line <= 3; ++line) f.ReadText();
    start.RotorServerOption = f.ReadChar();         // 4
    for (int line = 5; line <= 8; ++line) f.ReadText();
    f.ReadInt();                                    // 9: carried by the companion program only
    f.ReadText();                                   // 10
    start.RadioServerOption = f.ReadChar();         // 11
    f.ReadText();                                   // 12
    f.ReadText();                                   // 13
    start.TimeScaleSwitch = f.ReadChar();           // 14
}

void ReadSatStartIss(const QString& dataFolder, TStartSettings& start) {
    ConfigFile f = OpenData(dataFolder, "SatStartISS.SQF");
    start.RotorOnStart = f.ReadChar();
    start.CatOnStart = f.ReadChar();
    start.AutoChangeStart = f.ReadChar();
    f.ReadChar();                                   // 4: copy of "SatStart.SQF" line 4
    start.WindowSizeOption = f.ReadChar();
    start.MultiSatStart = f.ReadChar();
    start.MapCentreSwitch = f.ReadChar();
    start.MapCentreChoice = f.ReadChar();
    start.MapInterval = f.ReadInt();
    start.ZoomStart = f.ReadChar();
    f.ReadChar();                                   // 11: copy of "SatStart.SQF" line 11
    start.SunOnStart = f.ReadChar();
    start.ArrowsOnStart = f.ReadChar();
    f.ReadChar();                                   // 14: copy of "SatStart.SQF" line 14
    start.MapSet = f.ReadChar();
    start.StaleElementDays = StaleElementDaysOf(f.ReadText());   // 16: missing in older files
}

TWindowPosition ReadWindowPosition(const QString& dataFolder) {
    ConfigFile f = OpenData(dataFolder, "SatPos.SQF");
    TWindowPosition p;
    p.Top = f.ReadInt();
    p.Left = f.ReadInt();
    p.Carried1 = f.ReadInt();
    p.Carried2 = f.ReadInt();
    return p;
}

char ReadReportBelowHorizon(const QString& dataFolder) {
    ConfigFile f = OpenData(dataFolder, "DivOptions.SQF");
    f.ReadChar();
    return f.ReadChar();
}

QStringList ReadPriorityList(const QString& dataFolder) {
    // Only the text before the first comma is the name; the number after it is unused.
    QStringList names;
    for (const QString& line : ListLines(OpenData(dataFolder, "Prior.SQF"), true, MaxPriorityEntries))
        names << line.section(',', 0, 0);
    return names;
}

QStringList ReadProgramList(const QString& dataFolder) {
    return ListLines(OpenData(dataFolder, "Program.SQF"), true, MaxProgramEntries);
}

QStringList ReadAuxiliaryList(const QString& dataFolder) {
    return ListLines(OpenData(dataFolder, "Auxiliary.SQF"), false, MaxAuxiliaryEntries);
}

QStringList StartSettingsLines(const TStartSettings& s) {
    auto c = [](char ch) { return QString(QLatin1Char(ch)); };
    QStringList lines{c(s.RotorOnStart),    c(s.CatOnStart),      c(s.AutoChangeStart), c(s.RotorServerOption),
            c(s.WindowSizeOption), c(s.MultiSatStart),  c(s.MapCentreSwitch), c(s.MapCentreChoice),
            QString::number(s.MapInterval), c(s.ZoomStart), c(s.RadioServerOption), c(s.SunOnStart),
            c(s.ArrowsOnStart),   c(s.TimeScaleSwitch), c(s.MapSet)};
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

}  // namespace kelvora
