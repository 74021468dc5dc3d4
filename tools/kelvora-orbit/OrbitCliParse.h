#pragma once

// Text helpers of the kelvora-orbit tool: strict parsing of its arguments and
// locale-independent number and time output.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora::cli {

// Whole-text decimal number with "." as the point; nullopt otherwise.
std::optional<double> ParseNumber(std::string_view text);
std::optional<long long> ParseCount(std::string_view text);
// Comma-separated numbers, at least one.
std::optional<std::vector<double>> ParseNumberList(std::string_view text);

struct TStation {
    double LatitudeDeg = 0.0;
    double EastLongitudeDeg = 0.0;
    double HeightMetres = 0.0;
};
// LAT,EAST_LON,HEIGHT_M within the station limits (StationLimits.h).
std::optional<TStation> ParseStation(std::string_view text);

// YYYY-MM-DDTHH:MM:SS with optional fraction of a second and a trailing Z,
// to the shown time (days since 1899-12-30).
std::optional<double> ParseUtc(std::string_view text);
// Shown time to YYYY-MM-DDTHH:MM:SS.mmm.
std::string FormatUtc(double shownTime);

// Shortest text that reads back as the same double.
std::string FormatNumber(double value);

// Empty when the pair looks like a two-line set (line numbers, catalog
// numbers, numeric fields, checksums where present); else the reason.
std::string CheckTwoLine(std::string_view line1, std::string_view line2);

}  // namespace kelvora::cli
