#include "Squint.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>

#include "OrbitModel.h"
#include "SGP_Time.h"

namespace kelvora {

namespace {
constexpr double kClamp = 0.9999;
constexpr double kRadius = 6378.135;

std::string Latin1ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool ReadNumber(std::string_view text, double& value) { return ParseReal(Trimmed(text), value); }

// One table line (without its line end); false when it is not an entry.
bool ParseSquintLine(std::string_view line, TSquintEntry& entry) {
    if (line.empty() || line.front() == ';') return false;
    const size_t k = line.find(',');
    if (k == std::string_view::npos || k + 1 >= line.size()) return false;
    entry.Name = Latin1ToUtf8(line.substr(0, k));
    if (line[k + 1] == 'v') {
        entry.AttitudeText.assign(1, 'v');
        return true;
    }
    if (line.size() < k + 10 || line[k + 9] != ',') return false;
    entry.AttitudeText = Latin1ToUtf8(line.substr(k + 1, 8));
    const std::string_view rest = line.substr(k + 10);
    const size_t c2 = rest.find(',');
    if (c2 == std::string_view::npos) return false;
    return ReadNumber(rest.substr(0, c2), entry.AttitudeLon) && ReadNumber(rest.substr(c2 + 1, 6), entry.AttitudeLat);
}

// Clamped arcsine in the form the squint formulas use: arctan(x / sqrt(1 - x^2)).
double ClampedArcSin(double x) {
    const double x2 = std::min(x * x, kClamp);
    return std::atan(x / std::sqrt(1.0 - x2));
}

double IntoDegreeRange(double deg) {
    if (deg > 359.99) return deg - 360.0;
    if (deg < 0.0) return deg + 360.0;
    return deg;
}

bool StartsWithNow(std::string_view text) {
    if (text.size() < 3) return false;
    std::string head(text.substr(0, 3));
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return head == "now";
}
}  // namespace

TSquintTable ReadSquintTable(std::string_view bytes) {
    TSquintTable table;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        TSquintEntry entry;
        if (ParseSquintLine(line, entry)) table.push_back(std::move(entry));
        start = end + 1;
    }
    return table;
}

std::optional<TSquintTable> ReadSquintFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return ReadSquintTable(bytes);
}

void ComputeAttitudeAxis(TSquintSlot& squint, const TElementSet& set, double todayDayCount) {
    if (squint.AttitudeText == "v" || squint.AttitudeText == "-") return;
    const double reference =
        StartsWithNow(squint.AttitudeText) ? Int(todayDayCount) : DayCountOfDate(squint.AttitudeText);
    const double epochDay = DayCountOfDate(EpochDateText(set.Epoch));
    const double delta = reference - epochDay;
    const double node = IntoDegreeRange(set.RaanDeg + delta * set.NodeRate);
    const double perigee = IntoDegreeRange(set.ArgPerigeeDeg + delta * set.PerigeeRate);

    const double a = (450.0 - perigee - squint.AttitudeLon) * kTrackDegToRad;
    const double inc = set.InclinationDeg * kTrackDegToRad;
    const double lat = squint.AttitudeLat * kTrackDegToRad;

    const double sinDec =
        std::clamp(std::cos(a) * std::sin(inc) * std::cos(lat) + std::sin(lat) * std::cos(inc), -1.0, 1.0);
    const double dec = std::asin(sinDec);
    const double cosDec = std::cos(dec);

    // The hour angle from the node, written without dividing by sin i so that
    // equatorial orbits work; at a pole the right ascension is arbitrary.
    double h = 0.0;
    if (cosDec > 1e-12) {
        const double cosH = std::clamp(
            (std::sin(lat) * std::sin(inc) - std::cos(lat) * std::cos(a) * std::cos(inc)) / cosDec, -1.0, 1.0);
        h = std::acos(cosH);
        if (std::sin(a) < 0.0) h = kTrackTwoPi - h;
    }

    double alpha = h * kTrackRadToDeg + node - 90.0;
    alpha -= Int(alpha / 360.0) * 360.0;
    alpha = alpha >= 180.0 ? alpha - 180.0 : alpha + 180.0;
    squint.AxisRA = alpha * kTrackDegToRad;
    squint.AxisDec = -dec;
}

void ComputeAttitudeAxis(TSquintSlot& squint, TOrbitModel& model, int slot, double todayDayCount) {
    if (squint.AttitudeText == "v" || squint.AttitudeText == "-") return;
    if (!model.SelectSatellite(slot)) return;
    ComputeAttitudeAxis(squint, model.Slot(slot), todayDayCount);
}

void LookupSquintEntry(const TSquintTable& table, TSquintSlot& squint, TOrbitModel& model, int slot,
                       std::string_view name, double todayDayCount) {
    squint.AttitudeText.assign(1, '-');
    const auto found = std::find_if(table.begin(), table.end(), [&](const TSquintEntry& e) { return e.Name == name; });
    if (found == table.end()) return;
    squint.AttitudeText = found->AttitudeText;
    squint.AttitudeLon = found->AttitudeLon;
    squint.AttitudeLat = found->AttitudeLat;
    ComputeAttitudeAxis(squint, model, slot, todayDayCount);
}

void ComputeSquint(const TSquintSlot& squint, const TObserverSite& site, TTrackState& track, double dayCount,
                   double clockOffset) {
    if (squint.AttitudeText == "-") return;
    if (squint.AttitudeText == "v") {
        double x = std::sin((track.Elevation + 90.0) * kTrackDegToRad) * kRadius / track.GeocentricRadius;
        if (!(x <= kClamp)) x = kClamp;  // also a radius of 0 or NaN
        track.Squint = std::atan(x / std::sqrt(1.0 - x * x)) * kTrackRadToDeg;
        return;
    }
    const double az = track.LookSet.Azimuth;
    const double el = track.LookSet.Elevation;
    const double phi = site.LatitudeDeg * kTrackDegToRad;

    const double sinD = std::sin(el) * std::sin(phi) + std::cos(el) * std::cos(phi) * std::cos(az) - 1e-5;
    const double d = ClampedArcSin(sinD);
    const double den = std::cos(phi) * std::cos(d);
    const double cosH = den != 0.0 ? (std::sin(el) - std::sin(phi) * std::sin(d)) / den : 0.0;
    double hourAngle = kTrackPiHalf - ClampedArcSin(cosH);
    if (az < kTrackPi) hourAngle = kTrackTwoPi - hourAngle;

    const double whole = Int(dayCount);
    const double sidereal =
        (dayCount - clockOffset - whole) * 360.985647 + whole * 0.985647335 + 100.2907 + site.LongitudeDeg;
    const double raLos = sidereal * kTrackDegToRad - hourAngle;
    const double g = std::sin(squint.AxisDec) * std::sin(d) +
                     std::cos(squint.AxisDec) * std::cos(d) * std::cos(squint.AxisRA - raLos);
    track.Squint = (kTrackPiHalf - ClampedArcSin(g)) * kTrackRadToDeg;
}

}  // namespace kelvora
