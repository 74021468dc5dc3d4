#pragma once
// The station page: the lines of "SatIni.SQF" that hold the station, and the CAT
// port number and pause (lines 5 and 6) that the radio page shows.

#include "SetupFiles.h"

namespace kelvora {

struct TStationFields {
    QString Latitude;  // line 4, degrees north
    QString Longitude;  // line 3, degrees east
    QString Height;  // line 1, metres, stored in the system's number notation
    QString ZoneText;  // line 13, "auto" or hours
    QString MinElevation;  // line 10
    char EndStop = 'N';  // line 9, 'N' or 'S'
    QString AzimuthOffset;  // line 11
    QString ElevationOffset;  // line 12
};

TStationFields StationFieldsOf(const TSetupFiles& files);
// Puts the fields into the lines; checked with the other lines by CheckSatIni.
void ApplyStation(const TStationFields& fields, QChar systemDecimal, TSetupFiles& files);
// Reads the whole "SatIni.SQF" as the start-up does; a refusal names the field of
// the line in error.
TRefusal CheckSatIni(const TLineFile& satIni, QChar systemDecimal);

}  // namespace kelvora
