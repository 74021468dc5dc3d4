#pragma once
// The general settings files of the data folder: station, start settings, window
// position, display options and the priority, program and auxiliary lists.

#include "ElementAge.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

struct TStationSettings {             // "SatIni.SQF" and "ParPort.SQF"
    QString HeightText;               // line 1, metres, in the system's number notation
    QString ConfigurationGuard;       // line 2, only tested for emptiness
    double Longitude = 0;             // line 3, degrees east
    double Latitude = 0;              // line 4, degrees north
    int PortNumber = 0;               // line 5, CAT serial port, 0 = none
    int CatPauseMs = 0;               // line 6
    int ParallelPortChoice = 0;       // line 7, 1-based into the ParPort list
    int Line8 = 0;                    // line 8, carried only
    char FlipSide = 'N';              // line 9, 'N' or 'S'
    double MinElevation = 0;          // line 10, degrees
    int RotorValueA = 0;              // line 11
    int RotorValueB = 0;              // line 12
    QString ZoneText;                 // line 13, "auto" or hours
    QString ElementFileMask;          // line 14
    QString ElementFolder;            // line 15
    std::optional<int> ParallelPortAddress;
};

struct TStartSettings {
    // "SatStart.SQF" (read only)
    char RotorServerOption = '-';     // line 4 -> UseRotorServer
    char RadioServerOption = '-';     // line 11 -> UseRadioServer
    char TimeScaleSwitch = '-';       // line 14, '+' = local time
    // "SatStartISS.SQF" (read and written): start values
    char RotorOnStart = '-';          // 1
    char CatOnStart = '-';            // 2
    char AutoChangeStart = '-';       // 3
    char WindowSizeOption = '-';      // 5: '-' W1, '/' W2, '+' W3
    char MultiSatStart = '-';         // 6
    char MapCentreSwitch = '-';       // 7
    char MapCentreChoice = '-';       // 8: '+' "Obs.", '-' "Grw./Obs.2"
    int MapInterval = 0;              // 9, seconds
    char ZoomStart = '-';             // 10
    char SunOnStart = '-';            // 12
    char ArrowsOnStart = '-';         // 13
    char MapSet = '-';                // 15: '+' Blue-M., '-' Political
    int StaleElementDays = DefaultStaleElementDays;  // 16: elements older than this many days are warned of
};

struct TWindowPosition {              // "SatPos.SQF" read, "SatPosIss.SQF" written
    int Top = 0;
    int Left = 0;
    int Carried1 = 0;
    int Carried2 = 0;
};

inline bool IsOn(char c) { return c == '+'; }
inline char Switch(bool on) { return on ? '+' : '-'; }

// Readers: a missing file or text where a number belongs throws ConfigError.
TStationSettings ReadSatIni(const QString& dataFolder);
void ReadParPort(const QString& dataFolder, TStationSettings& station);
void ReadSatStart(const QString& dataFolder, TStartSettings& start);
void ReadSatStartIss(const QString& dataFolder, TStartSettings& start);
TWindowPosition ReadWindowPosition(const QString& dataFolder);
char ReadReportBelowHorizon(const QString& dataFolder);   // "DivOptions.SQF" line 2

constexpr int MaxPriorityEntries = 50;
constexpr int MaxProgramEntries = 10;
constexpr int MaxAuxiliaryEntries = 15;
QStringList ReadPriorityList(const QString& dataFolder);
QStringList ReadProgramList(const QString& dataFolder);
QStringList ReadAuxiliaryList(const QString& dataFolder);

// Writers: through a temporary file and a rename. Return false with a reason.
QStringList StartSettingsLines(const TStartSettings& start);
bool StoreStartSettings(const QString& dataFolder, const TStartSettings& start, QString* error);
bool SaveWindowPosition(const QString& dataFolder, const TWindowPosition& position, QString* error);

// "auto" in any case gives the system's zone (local − UTC hours, supplied by the
// caller); other text is hours with '.' or the system separator; invalid text gives 0.
double ZoneHoursFromText(const QString& zoneText, double systemZoneHours, QChar systemDecimal);

}  // namespace kelvora
