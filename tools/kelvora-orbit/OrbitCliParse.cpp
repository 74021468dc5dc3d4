#include "OrbitCliParse.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "CalendarTime.h"
#include "SGP_Math.h"
#include "StationLimits.h"

namespace kelvora::cli {

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0.0;
    if (!ParseReal(text, value)) return std::nullopt;
    return value;
}

std::optional<long long> ParseCount(std::string_view text) {
    long long value = 0;
    const auto* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, value);
    if (text.empty() || res.ec != std::errc() || res.ptr != end) return std::nullopt;
    return value;
}

std::optional<std::vector<double>> ParseNumberList(std::string_view text) {
    std::vector<double> out;
    for (;;) {
        const size_t comma = text.find(',');
        const auto value = ParseNumber(text.substr(0, comma));
        if (!value) return std::nullopt;
        out.push_back(*value);
        if (comma == std::string_view::npos) return out;
        text.remove_prefix(comma + 1);
    }
}

std::optional<TStation> ParseStation(std::string_view text) {
    const auto values = ParseNumberList(text);
    if (!values || values->size() != 3) return std::nullopt;
    const TStation s{(*values)[0], (*values)[1], (*values)[2]};
    if (!IsStationLatitude(s.LatitudeDeg) || !IsStationLongitude(s.EastLongitudeDeg) ||
        !IsStationHeight(s.HeightMetres))
        return std::nullopt;
    return s;
}

namespace {
bool Digits(std::string_view text, size_t from, size_t count, int& value) {
    if (from + count > text.size()) return false;
    value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}
}  // namespace

std::optional<double> ParseUtc(std::string_view text) {
    if (!text.empty() && text.back() == 'Z') text.remove_suffix(1);
    int y, mo, d, h, mi, s;
    if (text.size() < 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    if (!Digits(text, 0, 4, y) || !Digits(text, 5, 2, mo) || !Digits(text, 8, 2, d) || !Digits(text, 11, 2, h) ||
        !Digits(text, 14, 2, mi) || !Digits(text, 17, 2, s))
        return std::nullopt;
    if (y < 1900 || mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo) || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    double fraction = 0.0;
    if (text.size() > 19) {
        int digit = 0;
        if (text[19] != '.' || text.size() == 20) return std::nullopt;
        double scale = 0.1;
        for (size_t i = 20; i < text.size(); ++i, scale *= 0.1) {
            if (!Digits(text, i, 1, digit)) return std::nullopt;
            fraction += digit * scale;
        }
    }
    return ShownTimeOf(y, mo, d, h, mi, s + fraction);
}

std::string FormatUtc(double shownTime) {
    const TCalendarInstant t = SplitShownTime(shownTime);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", t.Year, t.Month, t.Day, t.Hour, t.Minute,
                  t.Second, t.Millisecond);
    return buf;
}

std::string FormatNumber(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

namespace {
bool ChecksumOk(std::string_view line) {
    if (line.size() < 69 || line[68] < '0' || line[68] > '9') return true;  // none given
    int sum = 0;
    for (size_t i = 0; i < 68; ++i) {
        if (line[i] >= '0' && line[i] <= '9') sum += line[i] - '0';
        if (line[i] == '-') sum += 1;
    }
    return sum % 10 == line[68] - '0';
}

// A fixed-column field (1-based) that must read as a number, blanks allowed
// around it.
bool NumericField(std::string_view line, size_t from, size_t count) {
    std::string_view f = line.substr(from - 1, count);
    while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
    while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
    double v = 0.0;
    return !f.empty() && ParseReal(f, v);
}
}  // namespace

std::string CheckTwoLine(std::string_view line1, std::string_view line2) {
    while (!line1.empty() && (line1.back() == '\r' || line1.back() == ' ')) line1.remove_suffix(1);
    while (!line2.empty() && (line2.back() == '\r' || line2.back() == ' ')) line2.remove_suffix(1);
    // Long enough for the last field the model reads: B* on line 1 (columns 54-61),
    // the mean motion on line 2 (53-63); what follows may be missing.
    if (line1.size() < 61 || line1.substr(0, 2) != "1 ") return "line 1 is not a two-line element line";
    if (line2.size() < 63 || line2.substr(0, 2) != "2 ") return "line 2 is not a two-line element line";
    if (line1.substr(2, 5) != line2.substr(2, 5)) return "the two lines have different catalog numbers";
    if (!ChecksumOk(line1)) return "line 1 checksum does not match";
    if (!ChecksumOk(line2)) return "line 2 checksum does not match";
    if (!NumericField(line1, 19, 14)) return "line 1 epoch is not a number";
    struct Field {
        size_t from, count;
        const char* name;
    };
    for (const Field f :
         {Field{9, 8, "inclination"}, Field{18, 8, "right ascension"}, Field{27, 7, "eccentricity"},
          Field{35, 8, "argument of perigee"}, Field{44, 8, "mean anomaly"}, Field{53, 11, "mean motion"}}) {
        if (!NumericField(line2, f.from, f.count)) return std::string("line 2 ") + f.name + " is not a number";
    }
    double motion = 0.0;
    std::string_view mm = line2.substr(52, 11);
    while (!mm.empty() && mm.front() == ' ') mm.remove_prefix(1);
    if (!ParseReal(mm, motion) || motion <= 0.0) return "line 2 mean motion must be positive";
    return {};
}

}  // namespace kelvora::cli
