#include "StationSetup.h"

#include "ConfigFile.h"
#include "GeneralSettings.h"

namespace kelvora {

namespace {
struct TLineField {
    int Line;
    TSetupPage Page;
    const char* Field;
};
// The captions of the dialog's fields, by the line of "SatIni.SQF" they fill.
constexpr TLineField kSatIniFields[] = {
    {1, TSetupPage::Station, "Height (m)"},      {3, TSetupPage::Station, "Longitude"},
    {4, TSetupPage::Station, "Latitude"},        {5, TSetupPage::Radio, "CAT port number"},
    {6, TSetupPage::Radio, "CAT pause (ms)"},    {10, TSetupPage::Station, "Minimum elevation"},
    {11, TSetupPage::Station, "Azimuth offset"}, {12, TSetupPage::Station, "Elevation offset"},
    {13, TSetupPage::Station, "Time zone"},
};

TSetupRefusal RefusalOf(const ConfigError& error) {
    for (const TLineField& f : kSatIniFields)
        if (f.Line == error.Line()) return {f.Page, QString::fromLatin1(f.Field), error.Message()};
    // A line the dialog does not show: named by file and line.
    return {TSetupPage::Station, QStringLiteral("SatIni.SQF line %1").arg(error.Line()), error.Message()};
}

// The height in the notation the start-up converts it with: the system's separator.
QString HeightInSystemNotation(const QString& typed, QChar systemDecimal) {
    QString text = typed.trimmed();
    text.replace(',', systemDecimal);
    text.replace('.', systemDecimal);
    return text;
}
}  // namespace

TStationFields StationFieldsOf(const TSetupFiles& files) {
    const TLineFile& f = files.SatIni;
    TStationFields s;
    s.Height = f.Line(1).trimmed();
    s.Longitude = f.Line(3).trimmed();
    s.Latitude = f.Line(4).trimmed();
    s.EndStop = f.Line(9).startsWith('S') ? 'S' : 'N';
    s.MinElevation = f.Line(10).trimmed();
    s.AzimuthOffset = f.Line(11).trimmed();
    s.ElevationOffset = f.Line(12).trimmed();
    s.ZoneText = f.Line(13).trimmed();
    return s;
}

void ApplyStation(const TStationFields& s, QChar systemDecimal, TSetupFiles& files) {
    TLineFile& f = files.SatIni;
    f.SetLine(1, HeightInSystemNotation(s.Height, systemDecimal));
    f.SetLine(3, DottedNumber(s.Longitude));
    f.SetLine(4, DottedNumber(s.Latitude));
    f.SetLine(9, QString(QChar(s.EndStop == 'S' ? 'S' : 'N')));
    f.SetLine(10, DottedNumber(s.MinElevation));
    f.SetLine(11, s.AzimuthOffset.trimmed());
    f.SetLine(12, s.ElevationOffset.trimmed());
    const QString zone = s.ZoneText.trimmed();
    f.SetLine(13, zone.compare("auto", Qt::CaseInsensitive) == 0 ? QStringLiteral("auto") : DottedNumber(zone));
    // Lines 14 and 15 are read as texts: a file that ended before them keeps 15 lines.
    if (f.Lines.size() < 15) f.SetLine(15, f.Line(15));
}

TRefusal CheckSatIni(const TLineFile& satIni, QChar systemDecimal) {
    // A blank number line would make the reader take the next line's number.
    for (const TLineField& f : kSatIniFields)
        if (f.Line != 1 && f.Line != 13 && satIni.Line(f.Line).trimmed().isEmpty())
            return TSetupRefusal{f.Page, QString::fromLatin1(f.Field), QStringLiteral("a number is needed")};
    try {
        ConfigFile file(satIni.Bytes(), satIni.Name);
        const TStationSettings read = ReadSatIni(file);
        ConvertStationHeight(read.HeightText, systemDecimal);
        StationZoneHours(read.ZoneText, 0.0, systemDecimal);
    } catch (const ConfigError& error) {
        return RefusalOf(error);
    }
    return std::nullopt;
}

}  // namespace kelvora
