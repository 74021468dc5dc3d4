#include "OrbitCli.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

#include "CalendarTime.h"
#include "OrbitCliElements.h"
#include "OrbitCliParse.h"
#include "OrbitModel.h"
#include "SGP_Obs.h"
#include "SGP_Time.h"
#include "SonneU.h"
#include "StationLimits.h"
#include "TrakStarU.h"

namespace kelvora {

namespace {
using namespace cli;

// Enough rows or passes for any real use, few enough to end in reasonable time.
constexpr long long kMaxCount = 100000;
// Look steps beyond ten days sample nothing a pass needs.
constexpr double kMaxStepSeconds = 10.0 * 86400.0;
constexpr double kRadiusKm = 6378.135;

const char* const kHelp =
    "usage: kelvora-orbit COMMAND [OPTIONS]\n"
    "  eci    --tle1 L1 --tle2 L2 --minutes M[,M...]\n"
    "  look   --tle1 L1 --tle2 L2 --station LAT,EAST_LON,HEIGHT_M --utc T\n"
    "         [--step SECONDS] [--count N]\n"
    "  passes --tle1 L1 --tle2 L2 --station LAT,EAST_LON,HEIGHT_M --utc T --count N\n"
    "  sun    --utc T\n"
    "  list   --elements FILE\n"
    "--elements FILE --sat NAME may replace --tle1 L1 --tle2 L2: the first set\n"
    "of that name in an element file (two-line, verbose, OMM CSV, XML or KVN).\n"
    "T is UTC as YYYY-MM-DDTHH:MM:SS. Limits: --minutes within 105192000 (200\n"
    "years) of the epoch, --step up to 864000 seconds either way, --count up to\n"
    "100000, every instant within the years 100 to 9999, the station within\n"
    "latitude -90..90, east longitude -180..360, height -500..10000 m.\n"
    "Every command takes --century-base N\n"
    "(default from the system date). Output is CSV with one header line.\n"
    "Exit status 0 done, 1 propagation failed, 2 bad arguments.\n";

using TOptions = std::map<std::string, std::string>;

TOptions ParseOptions(const std::vector<std::string>& args, const std::set<std::string>& allowed) {
    TOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        const size_t eq = name.find('=');
        if (name.rfind("--", 0) != 0) throw TUsageError{"unexpected argument '" + name + "'"};
        if (eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw TUsageError{"option " + name + " needs a value"};
        }
        if (!allowed.count(name)) throw TUsageError{"unknown option " + name + " for " + args[0]};
        if (options.count(name)) throw TUsageError{"option " + name + " given twice"};
        options[name] = value;
    }
    return options;
}

const std::string& Required(const TOptions& o, const std::string& name) {
    const auto it = o.find(name);
    if (it == o.end()) throw TUsageError{"missing " + name};
    return it->second;
}

double UtcOption(const TOptions& o) {
    const auto t = ParseUtc(Required(o, "--utc"));
    if (!t) throw TUsageError{"--utc must be YYYY-MM-DDTHH:MM:SS"};
    return *t;
}

long long CountOption(const TOptions& o, bool required) {
    if (!required && !o.count("--count")) return 1;
    const auto n = ParseCount(Required(o, "--count"));
    if (!n || *n < 1 || *n > kMaxCount)
        throw TUsageError{"--count must be a whole number from 1 to " + std::to_string(kMaxCount)};
    return *n;
}

int CenturyBase(const TOptions& o, int fallback) {
    if (!o.count("--century-base")) return fallback;
    const auto n = ParseCount(o.at("--century-base"));
    if (!n || *n < 0 || *n > 9900 || *n % 100 != 0)
        throw TUsageError{"--century-base must be a whole century such as 1900 or 2000"};
    return static_cast<int>(*n);
}

// Loads the set into slot 1 and checks that it propagates at its epoch.
void LoadSet(TOrbitModel& model, const TOptions& o, const TCliElementLoader& loader) {
    const bool lines = o.count("--tle1") || o.count("--tle2");
    if (lines && (o.count("--elements") || o.count("--sat")))
        throw TUsageError{"give either --tle1/--tle2 or --elements/--sat"};
    if (!lines && (o.count("--elements") || o.count("--sat"))) {
        LoadNamedSet(model, Required(o, "--elements"), Required(o, "--sat"), loader);
    } else {
        const std::string& l1 = Required(o, "--tle1");
        const std::string& l2 = Required(o, "--tle2");
        const std::string problem = CheckTwoLine(l1, l2);
        if (!problem.empty()) throw TUsageError{problem};
        model.TwoLineRecord(1) = {l1, l2};
        model.ConvertTwoLine(1);
        model.SelectSatellite(1);
    }
    if (!model.PropagateMinutes(0.0).Valid) throw TUsageError{"the element set cannot be propagated"};
}

TObserverSite StationOption(const TOptions& o) {
    const auto s = ParseStation(Required(o, "--station"));
    if (!s)
        throw TUsageError{"--station must be LAT,EAST_LON,HEIGHT_M with latitude " +
                          FormatNumber(-kMaxStationLatitude) + " to " + FormatNumber(kMaxStationLatitude) +
                          ", east longitude " + FormatNumber(kMinStationLongitude) + " to " +
                          FormatNumber(kMaxStationLongitude) + " and height " + FormatNumber(kMinStationHeightMetres) +
                          " to " + FormatNumber(kMaxStationHeightMetres) + " m"};
    TObserverSite site;
    SetupObserver(site, s->LatitudeDeg, s->EastLongitudeDeg, s->HeightMetres);
    return site;
}

void Row(std::ostream& out, std::initializer_list<std::string> cells) {
    bool first = true;
    for (const std::string& c : cells) {
        if (!first) out << ',';
        out << c;
        first = false;
    }
    out << '\n';
}

int RunEci(const TOptions& o, std::ostream& out, TOrbitModel& model, const TCliElementLoader& loader) {
    const auto minutes = ParseNumberList(Required(o, "--minutes"));
    if (!minutes) throw TUsageError{"--minutes must be numbers separated by commas"};
    for (const double m : *minutes)
        if (!IsPropagationTime(m))
            throw TUsageError{"--minutes must lie within " + FormatNumber(kMaxMinutesFromEpoch) +
                              " minutes (200 years) of the epoch"};
    LoadSet(model, o, loader);
    out << "minutes,x_km,y_km,z_km,vx_km_s,vy_km_s,vz_km_s\n";
    for (const double m : *minutes) {
        model.SelectSatellite(1);
        const TStateVector sv = model.PropagateMinutes(m);
        if (!sv.Valid) throw std::runtime_error("propagation failed at minute " + FormatNumber(m));
        const double v = kRadiusKm / 60.0;
        Row(out, {FormatNumber(m), FormatNumber(sv.Position.x * kRadiusKm), FormatNumber(sv.Position.y * kRadiusKm),
                  FormatNumber(sv.Position.z * kRadiusKm), FormatNumber(sv.Velocity.x * v),
                  FormatNumber(sv.Velocity.y * v), FormatNumber(sv.Velocity.z * v)});
    }
    return 0;
}

int RunLook(const TOptions& o, std::ostream& out, TOrbitModel& model, const TCliElementLoader& loader) {
    const double start = UtcOption(o);
    TObserverSite site = StationOption(o);
    double step = 60.0;
    if (o.count("--step")) {
        const auto s = ParseNumber(o.at("--step"));
        if (!s || std::fabs(*s) > kMaxStepSeconds)
            throw TUsageError{"--step must be a number of seconds from " + FormatNumber(-kMaxStepSeconds) + " to " +
                              FormatNumber(kMaxStepSeconds)};
        step = *s;
    }
    const long long count = CountOption(o, false);
    if (count > 1 && step == 0.0) throw TUsageError{"--step must not be 0 with a --count above 1"};
    if (!IsCalendarShownTime(start + static_cast<double>(count - 1) * step / 86400.0))
        throw TUsageError{"--step and --count lead beyond the years 100 to 9999"};
    LoadSet(model, o, loader);
    out << "utc,azimuth,elevation,range_km,range_rate_km_s,sub_lat,sub_lon,height_km,ma,orbit\n";
    TTrackState track;
    for (long long k = 0; k < count; ++k) {
        const double shown = start + static_cast<double>(k) * step / 86400.0;
        const double jd = JulianDateOfShownTime(shown);
        model.SelectSatellite(1);
        if (!PropagateAndLook(model, site, track, jd, DayCountOfShownTime(shown)))
            throw std::runtime_error("propagation failed at " + FormatUtc(shown));
        SubSatellitePoint(track, jd, model.ClockOffset());
        Row(out,
            {FormatUtc(shown), FormatNumber(track.Azimuth), FormatNumber(track.Elevation), FormatNumber(track.Range),
             FormatNumber(track.RangeRate), FormatNumber(track.SubLatitude), FormatNumber(track.SubLongitude),
             FormatNumber(track.Height), FormatNumber(track.MA), FormatNumber(track.OrbitNumber)});
    }
    return 0;
}

int RunPasses(const TOptions& o, std::ostream& out, TOrbitModel& model, const TCliElementLoader& loader) {
    double cursor = DayCountOfShownTime(UtcOption(o));
    TObserverSite site = StationOption(o);
    const long long count = CountOption(o, true);
    LoadSet(model, o, loader);
    out << "aos_utc,aos_azimuth,los_utc,los_azimuth\n";
    TTrackState track;
    for (long long k = 0; k < count; ++k) {
        TPassInfo pass;
        model.SelectSatellite(1);
        PropagateAndLook(model, site, track, JulianDateOfDayCount(cursor), cursor);
        PredictPass(model, site, track, 1, pass, cursor);
        if (pass.AosText == "-----") break;  // no rise within a day
        const double toShown = kShownTimeToDayCount;
        if (!IsCalendarShownTime(pass.AosTime + toShown)) break;  // beyond the year 9999
        const bool los = pass.LosFound && IsCalendarShownTime(pass.LosTime + toShown);
        Row(out, {FormatUtc(pass.AosTime + toShown), FormatNumber(pass.AosAzimuth),
                  los ? FormatUtc(pass.LosTime + toShown) : std::string(),
                  los ? FormatNumber(pass.LosAzimuth) : std::string()});
        if (!los) break;  // does not set within a day
        cursor = pass.LastEventTime;
    }
    return 0;
}

int RunSun(const TOptions& o, std::ostream& out) {
    TSunState sun;
    ComputeSun(sun, UtcOption(o));
    out << "sub_solar_lat,sub_solar_lon,right_ascension,declination,distance_km\n";
    Row(out, {FormatNumber(sun.SubSolarLat), FormatNumber(sun.SubSolarLon), FormatNumber(sun.RightAscension),
              FormatNumber(sun.Declination), FormatNumber(sun.SunDistance)});
    return 0;
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, int defaultCenturyBase,
             const TCliElementLoader& loader) {
    const std::string& command = args[0];
    const std::set<std::string> set{"--tle1", "--tle2", "--elements", "--sat", "--century-base"};
    std::set<std::string> allowed{"--century-base"};
    if (command == "eci") {
        allowed = set;
        allowed.insert("--minutes");
    } else if (command == "look" || command == "passes") {
        allowed = set;
        allowed.insert({"--station", "--utc", "--count"});
        if (command == "look") allowed.insert("--step");
    } else if (command == "sun") {
        allowed.insert("--utc");
    } else if (command == "list") {
        allowed.insert("--elements");
    } else {
        throw TUsageError{"unknown command '" + command + "' (try --help)"};
    }
    const TOptions options = ParseOptions(args, allowed);
    TOrbitModel model(CenturyBase(options, defaultCenturyBase));
    if (command == "eci") return RunEci(options, out, model, loader);
    if (command == "look") return RunLook(options, out, model, loader);
    if (command == "passes") return RunPasses(options, out, model, loader);
    if (command == "list") {
        ListElementFile(Required(options, "--elements"), model, loader, out, err);
        return 0;
    }
    return RunSun(options, out);
}
}  // namespace

int RunOrbitCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, int defaultCenturyBase,
                const TCliElementLoader& loader) {
    if (args.empty()) {
        err << "kelvora-orbit: missing command (try --help)\n";
        return 2;
    }
    const auto isHelp = [](const std::string& a) { return a == "--help" || a == "-h"; };
    if (args[0] == "help" || std::any_of(args.begin(), args.end(), isHelp)) {
        out << kHelp;
        return 0;
    }
    try {
        return Dispatch(args, out, err, defaultCenturyBase, loader);
    } catch (const TUsageError& e) {
        err << "kelvora-orbit: " << e.message << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << "kelvora-orbit: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace kelvora
