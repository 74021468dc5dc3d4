#pragma once
// The general settings files of the data folder: station, start settings, window
// position, display options and the priority, program and auxiliary lists.

#include "ElementAge.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

class ConfigFile;

// Ranges of the settings a wild value could do harm with (the station's own ranges
// are those of StationLimits.h). A value outside is refused like text where a
// number belongs: the file and line are named and the start-up stops there.
constexpr int kMaxSerialPortNumber = 255;  // "SatIni.SQF" line 5, 0 = none
constexpr int kMaxCatPauseMs = 10000;  // line 6: each pause blocks the window
constexpr double kMaxMinElevation = 90.0;  // line 10, either way
constexpr int kMaxRotorOffset = 360;  // lines 11 and 12, degrees either way
constexpr int kMaxMapInterval = 86400;  // "SatStartISS.SQF" line 9, seconds either way
// A window coordinate from "SatPos.SQF" is clamped to this (the X11 coordinate range);
// the window is then placed on the screen.
constexpr int kMaxWindowCoordinate = 32767;

struct TStationSettings {  // "SatIni.SQF" and "ParPort.SQF"
    QString HeightText;  // line 1, metres, in the system's number notation
    QString ConfigurationGuard;  // line 2, only tested for emptiness
    double Longitude = 0;  // line 3, degrees east
    double Latitude = 0;  // line 4, degrees north
    int PortNumber = 0;  // line 5, CAT serial port, 0 = none
    int CatPauseMs = 0;  // line 6
    int ParallelPortChoice = 0;  // line 7, 1-based into the ParPort list
    int Line8 = 0;  // line 8, carried only
    char FlipSide = 'N';  // line 9, 'N' or 'S'
    double MinElevation = 0;  // line 10, degrees
    int RotorValueA = 0;  // line 11
    int RotorValueB = 0;  // line 12
    QString ZoneText;  // line 13, "auto" or hours
    QString ElementFileMask;  // line 14
    QString ElementFolder;  // line 15
    std::optional<int> ParallelPortAddress;
};

struct TStartSettings {
    // "SatStart.SQF" (read only)
    char RotorServerOption = '-';  // line 4 -> UseRotorServer
    char RadioServerOption = '-';  // line 11 -> UseRadioServer
    char TimeScaleSwitch = '-';  // line 14, '+' = local time
    // "SatStartISS.SQF" (read and written): start values
    char RotorOnStart = '-';  // 1
    char CatOnStart = '-';  // 2
    char AutoChangeStart = '-';  // 3
    char StoredRotorServerOption = '-';  // 4: the copy of "SatStart.SQF" line 4 kept here
    char WindowSizeOption = '-';  // 5: '-' W1, '/' W2, '+' W3
    char MultiSatStart = '-';  // 6
    char MapCentreSwitch = '-';  // 7
    char MapCentreChoice = '-';  // 8: '+' "Obs.", '-' "Grw./Obs.2"
    int MapInterval = 0;  // 9, seconds
    char ZoomStart = '-';  // 10
    char SunOnStart = '-';  // 12
    char ArrowsOnStart = '-';  // 13
    char MapSet = '-';  // 15: '+' Blue-M., '-' Political
    int StaleElementDays = DefaultStaleElementDays;  // 16: elements older than this many days are warned of
};

struct TWindowPosition {  // "SatPos.SQF" read, "SatPosIss.SQF" written
    int Top = 0;
    int Left = 0;
    int Carried1 = 0;
    int Carried2 = 0;
};

// The window's top-left corner from "SatPos.SQF" moved onto the screen area, so that
// at least a corner of the window can be seen and grabbed.
QPoint PlaceOnScreen(const TWindowPosition& position, const QRect& screenArea);

inline bool IsOn(char c) { return c == '+'; }
inline char Switch(bool on) { return on ? '+' : '-'; }

// Readers: a missing file, text where a number belongs or a number outside its range
// throws ConfigError. Each reads the file of the data folder, or the bytes already in
// a ConfigFile.
TStationSettings ReadSatIni(const QString& dataFolder);
TStationSettings ReadSatIni(ConfigFile& file);
void ReadParPort(const QString& dataFolder, TStationSettings& station);
void ReadParPort(ConfigFile& file, TStationSettings& station);
void ReadSatStart(const QString& dataFolder, TStartSettings& start);
void ReadSatStart(ConfigFile& file, TStartSettings& start);
void ReadSatStartIss(const QString& dataFolder, TStartSettings& start);
void ReadSatStartIss(ConfigFile& file, TStartSettings& start);
TWindowPosition ReadWindowPosition(const QString& dataFolder);
TWindowPosition ReadWindowPosition(ConfigFile& file);
char ReadReportBelowHorizon(const QString& dataFolder);  // "DivOptions.SQF" line 2
char ReadReportBelowHorizon(ConfigFile& file);

constexpr int MaxPriorityEntries = 50;
constexpr int MaxProgramEntries = 10;
constexpr int MaxAuxiliaryEntries = 15;
QStringList ReadPriorityList(const QString& dataFolder);
QStringList ReadPriorityList(ConfigFile& file);
QStringList ReadProgramList(const QString& dataFolder);
QStringList ReadProgramList(ConfigFile& file);
QStringList ReadAuxiliaryList(const QString& dataFolder);
QStringList ReadAuxiliaryList(ConfigFile& file);

// Writers: through a temporary file and a rename. Return false with a reason.
QStringList StartSettingsLines(const TStartSettings& start);
bool StoreStartSettings(const QString& dataFolder, const TStartSettings& start, QString* error);
bool SaveWindowPosition(const QString& dataFolder, const TWindowPosition& position, QString* error);

// "auto" in any case gives the system's zone (local − UTC hours, supplied by the
// caller); other text is hours with '.' or the system separator; invalid text gives 0.
double ZoneHoursFromText(const QString& zoneText, double systemZoneHours, QChar systemDecimal);
// The same, refusing (ConfigError on "SatIni.SQF" line 13) hours no time zone has.
double StationZoneHours(const QString& zoneText, double systemZoneHours, QChar systemDecimal);
// The height text of the station in the system's number notation, metres within the
// station's range; throws ConfigError on "SatIni.SQF" line 1.
double ConvertStationHeight(const QString& text, QChar decimalSeparator);

}  // namespace kelvora
