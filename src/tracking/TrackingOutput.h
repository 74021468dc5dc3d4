#pragma once
// The texts of the tracking output: the data line of the active satellite and its
// heading, the Doppler text line, the status texts and the step captions. Plain
// values in, text out; the window only draws them.

#include <string>

namespace kelvora {

struct TTrackState;

struct TDataLineValues {
    double Azimuth = 0;  // degrees
    double Elevation = 0;  // degrees
    double MA = 0;  // 0 .. 256
    double Height = 0;  // km
    double Range = 0;  // km
    double SubLongitude = 0;  // degrees east
    double SubLatitude = 0;  // degrees north
    double OrbitNumber = 0;
    bool HasSquint = false;  // false shows "--"
    double Squint = 0;  // degrees
    std::string PassTimes;  // pass-time text of the pass prediction
};

TDataLineValues DataLineValuesOf(const TTrackState& track, bool hasSquint, const std::string& passTimes);

// Layout sizes 1 and 2 use the narrow form, 3 to 5 the wide one.
bool NarrowLayout(int layoutSize);

// WriteDataLine's text: each field ends in its column (narrow) or is right-aligned
// in its width (wide); a field longer than its room pushes the rest right.
std::string DataLineText(const TDataLineValues& values, int layoutSize, char decimalSeparator);
// The data line of a satellite that cannot be computed at the shown instant: dashes
// in every field, in the columns of the numbers they stand for.
std::string NotComputableLineText(int layoutSize);
// White above the horizon, silver below.
inline bool DataLineOnWhite(double elevation) { return elevation > 0; }

// SetDataHeading's text for the layout size.
std::string DataHeadingText(int layoutSize);

// The Doppler text line, shifts in kHz; the uplink shift only for a satellite whose
// nominal uplink is above 0. Ends with one blank.
std::string DopplerLineText(double downShift, double upShift, double nominalUplink, char decimalSeparator);
// The Doppler line is drawn only while the satellite moves measurably.
bool DopplerLineDrawn(double rangeRate);
// What stands in for the Doppler line during warm-up (at (0, 2)) and when a
// preview starts (at (0, 0)); the frequency display gets 27 blanks.
inline constexpr int DopplerBlankWidth = 25;
inline constexpr int FrequencyBlankWidth = 27;

// Status panel 1.
std::string StationText(double longitude, double latitude, char decimalSeparator);
// lblFrStep for the layout size.
std::string StepCaptionText(int layoutSize);

}  // namespace kelvora
