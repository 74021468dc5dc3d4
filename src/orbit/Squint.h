#pragma once

// Squint: the angle between a satellite's antenna axis and the direction
// from the satellite to the station. The squint table ("Squint.SQF") says
// per satellite name either "v" (antennas point at the earth's centre) or an
// attitude (longitude and latitude in the orbit frame) valid at a date.
//
// Names and texts are kept as UTF-8; the file itself is Latin-1.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SGP_Init.h"
#include "SGP_Obs.h"

namespace kelvora {

class TOrbitModel;

struct TSquintEntry {
    std::string Name;
    std::string AttitudeText;  // "v" or the eight-character date field
    double AttitudeLon = 0.0;  // degrees
    double AttitudeLat = 0.0;  // degrees
};

using TSquintTable = std::vector<TSquintEntry>;

// Per element slot: what the table says about that satellite, and the
// attitude axis derived from it.
struct TSquintSlot {
    std::string AttitudeText = "-";  // "-": no squint data
    double AttitudeLon = 0.0;
    double AttitudeLat = 0.0;
    double AxisRA = 0.0;  // radians, direction opposite the attitude vector
    double AxisDec = 0.0;  // radians
};

// Reads the table from the file's bytes (Latin-1, lines ending CR LF or LF).
// Lines starting with ";" are comments; lines without a comma, with a short
// date field or with unreadable numbers are left out.
TSquintTable ReadSquintTable(std::string_view bytes);
// nullopt when the file cannot be read.
std::optional<TSquintTable> ReadSquintFile(const std::filesystem::path& path);

// today: the whole day count of the system date, used by "now" entries.
// The set is the slot's elements (after the model selected that slot).
void ComputeAttitudeAxis(TSquintSlot& squint, const TElementSet& set, double todayDayCount);

// Selects the slot in the model (the working satellite changes, as for any
// caller of SelectSatellite) and computes the axis from the slot's elements.
void ComputeAttitudeAxis(TSquintSlot& squint, TOrbitModel& model, int slot, double todayDayCount);

// Resets the slot to "-" and copies the first entry whose name equals name
// exactly (case-sensitive), then computes its axis.
void LookupSquintEntry(const TSquintTable& table, TSquintSlot& squint, TOrbitModel& model, int slot,
                       std::string_view name, double todayDayCount);

// Squint of the active satellite into track.Squint; unchanged for "-".
// Needs track's look angles and geocentric radius of the same instant.
void ComputeSquint(const TSquintSlot& squint, const TObserverSite& site, TTrackState& track, double dayCount,
                   double clockOffset);

}  // namespace kelvora
