#pragma once
// The station as the operator types it into the first-run dialog, checked against
// the ranges the start-up reader of "SatIni.SQF" accepts, so that the file written
// from it never stops the next start.

#include "OperatorPrompt.h"

#include <QString>

namespace kelvora {

struct TStationInput {
    QString Latitude;  // degrees, north positive
    QString Longitude;  // degrees, east positive
    QString Height;  // metres above sea level
    QString Zone;  // hours, or "auto"
};

// Empty when every field holds a value the start-up accepts, and then *station holds
// them; otherwise the message for the first bad field, naming it, and *station is
// left as it was. Numbers take "." or the system's decimal separator.
QString CheckStationInput(const TStationInput& input, QChar systemDecimal, IOperatorPrompt::Station* station);

}  // namespace kelvora
