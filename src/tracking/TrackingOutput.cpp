#include "TrackingOutput.h"

#include "PatternFormat.h"
#include "SGP_Obs.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {
struct TField {
    std::string Text;
    size_t NarrowEnd;  // 1-based column the field ends in (narrow form)
    size_t WideWidth;  // right-aligned width (wide form)
};

// Insertion, not overwriting: what stands after the point moves right.
void InsertAt(std::string& line, size_t column, const std::string& text) {
    const size_t index = column > 0 ? column - 1 : 0;
    line.insert(std::min(index, line.size()), text);
}

// Each field ends in its column, but starts no earlier than one blank after the
// field before it: a field too long for its room pushes the rest right instead of
// splitting its neighbour or running into it.
std::string NarrowLine(const std::string& azimuth, const TField* fields, size_t count, const std::string& pass) {
    std::string line = azimuth + std::string(45, ' ');
    size_t previousEnd = azimuth.size();
    auto place = [&line, &previousEnd](size_t fixedStart, const std::string& text) {
        const size_t start = std::max(fixedStart, previousEnd + 2);
        InsertAt(line, start, text);
        previousEnd = start + text.size() - 1;
    };
    for (size_t i = 0; i < count; ++i) {
        const TField& f = fields[i];
        place(f.NarrowEnd + 1 > f.Text.size() ? f.NarrowEnd + 1 - f.Text.size() : 1, f.Text);
    }
    place(50, pass);
    return line;
}

// Right-aligned in its width, with at least one blank in front so that a long field
// widens the line without running into its neighbour.
std::string WideLine(const std::string& azimuth, const TField* fields, size_t count, const std::string& pass) {
    std::string line = PadRight(" " + azimuth, 7);
    for (size_t i = 0; i < count; ++i)
        line += PadLeft(fields[i].Text, std::max(fields[i].WideWidth, fields[i].Text.size() + 1));
    return line + "  " + pass;
}
}  // namespace

TDataLineValues DataLineValuesOf(const TTrackState& track, bool hasSquint, const std::string& passTimes) {
    TDataLineValues v;
    v.Azimuth = track.Azimuth;
    v.Elevation = track.Elevation;
    v.MA = track.MA;
    v.Height = track.Height;
    v.Range = track.Range;
    v.SubLongitude = track.SubLongitude;
    v.SubLatitude = track.SubLatitude;
    v.OrbitNumber = track.OrbitNumber;
    v.HasSquint = hasSquint;
    v.Squint = track.Squint;
    v.PassTimes = passTimes;
    return v;
}

bool NarrowLayout(int layoutSize) { return layoutSize <= 2; }

namespace {

// The texts after the azimuth: elevation, MA, height, range, longitude, latitude,
// orbit number, squint.
constexpr size_t kFieldCount = 8;

std::string AssembledLine(const std::string& azimuth, const std::string (&texts)[kFieldCount], const std::string& pass,
                          int layoutSize) {
    static constexpr size_t narrowEnds[kFieldCount] = {11, 17, 23, 29, 33, 38, 44, 48};
    static constexpr size_t wideWidths[kFieldCount] = {7, 8, 7, 7, 5, 5, 8, 6};
    TField fields[kFieldCount];
    for (size_t i = 0; i < kFieldCount; ++i) fields[i] = {texts[i], narrowEnds[i], wideWidths[i]};
    const std::string line = NarrowLayout(layoutSize) ? NarrowLine(azimuth, fields, kFieldCount, pass)
                                                      : WideLine(azimuth, fields, kFieldCount, pass);
    return line + std::string(30, ' ');
}
}  // namespace

std::string DataLineText(const TDataLineValues& v, int layoutSize, char sep) {
    const std::string texts[kFieldCount] = {
        FormatPattern(v.Elevation, "##0.0", sep),
        FormatPattern(v.MA, "##0.0", sep),
        FormatPattern(v.Height, "####0", sep),
        FormatPattern(v.Range, "####0", sep),
        FormatPattern(v.SubLongitude, "##0", sep),
        FormatPattern(v.SubLatitude, "##0", sep),
        FormatPattern(v.OrbitNumber, "####0", sep),
        v.HasSquint ? FormatPattern(v.Squint, "##0", sep) : std::string("--"),
    };
    return AssembledLine(FormatPattern(v.Azimuth, "##0.0", sep), texts, v.PassTimes, layoutSize);
}

std::string NotComputableLineText(int layoutSize) {
    // Dashes as wide as the usual numbers, so that the columns stay under the heading.
    const std::string texts[kFieldCount] = {"-----", "-----", "-----", "-----", "---", "---", "-----", "--"};
    const std::string pass = std::string("-----") + (NarrowLayout(layoutSize) ? " " : "  ") + "-----";
    return AssembledLine("-----", texts, pass, layoutSize);
}

std::string DataHeadingText(int layoutSize) {
    if (NarrowLayout(layoutSize)) return " Azm   Elev   MA Height Range  L SSP B Orbit  Squ Aos   Los  ";
    return "Azimuth Elevation  MA  Height  Range   L SSP B   Orbit  Squint Aos   Los  ";
}

std::string DopplerLineText(double downShift, double upShift, double nominalUplink, char sep) {
    std::string t = PadLeft(FormatPattern(downShift, "##0.000", sep), 9);
    if (nominalUplink > 0) {
        // One blank more for a positive shift, so the digits of both signs line up.
        if (upShift >= 0) t += ' ';
        t += "     " + FormatPattern(upShift, "##0.000", sep);
    }
    return t + " ";
}

bool DopplerLineDrawn(double rangeRate) { return std::fabs(rangeRate) > 0.001; }

std::string StationText(double longitude, double latitude, char sep) {
    return " Obs.: " + FormatPattern(longitude, "##0.0", sep) + " / " + FormatPattern(latitude, "##0.0", sep);
}

std::string StepCaptionText(int layoutSize) {
    switch (layoutSize) {
        case 2:
        case 4:
            return "20   100  500  1K    5K";
        case 5:
            return "20   100  500   1K   5K";
        default:
            return "20  100 500  1k   5k";
    }
}

}  // namespace kelvora
