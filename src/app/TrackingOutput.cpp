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

std::string DataLineText(const TDataLineValues& v, int layoutSize, char sep) {
    const TField fields[] = {
        {FormatPattern(v.Elevation, "##0.0", sep), 11, 7},
        {FormatPattern(v.MA, "##0.0", sep), 17, 8},
        {FormatPattern(v.Height, "####0", sep), 23, 7},
        {FormatPattern(v.Range, "####0", sep), 29, 7},
        {FormatPattern(v.SubLongitude, "##0", sep), 33, 5},
        {FormatPattern(v.SubLatitude, "##0", sep), 38, 5},
        {FormatPattern(v.OrbitNumber, "####0", sep), 44, 8},
        {v.HasSquint ? FormatPattern(v.Squint, "##0", sep) : std::string("--"), 48, 6},
    };
    const std::string azimuth = FormatPattern(v.Azimuth, "##0.0", sep);
    const size_t count = sizeof fields / sizeof fields[0];
    const std::string line = NarrowLayout(layoutSize) ? NarrowLine(azimuth, fields, count, v.PassTimes)
                                                      : WideLine(azimuth, fields, count, v.PassTimes);
    return line + std::string(30, ' ');
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

std::string CorrectionModeText(int correctionMode) {
    switch (correctionMode) {
    case 1: return " Doppl.Corr.: Uplink";
    case 2: return " Doppl.Corr.: Downlink";
    default: return " Doppl.Corr.: Upl/Dwnl";
    }
}

std::string StepCaptionText(int layoutSize) {
    switch (layoutSize) {
    case 2:
    case 4: return "20   100  500  1K    5K";
    case 5: return "20   100  500   1K   5K";
    default: return "20  100 500  1k   5k";
    }
}

}  // namespace kelvora
