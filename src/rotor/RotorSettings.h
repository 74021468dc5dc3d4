#pragma once
// The rotor's settings: how it follows a satellite, its ranges, the park position
// and the standard directions, and the files they come from ("WiRotOpt.SQF",
// "Flip.SQF", "Park.SQF", "ParkPos.SQF", "StandPos.SQF"), read from bytes.

#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

struct TStandardDirection {
    std::string Name;
    double Azimuth = 0.0;
    std::string AzimuthText;  // as written in the file, for the list
};

inline constexpr std::size_t kMaxStandardDirections = 50;

struct TRotorSettings {
    char RotorMode = '-';  // 'w': threshold mode; anything else: interval mode
    double IntervalSeconds = 0.0;  // interval mode: seconds between moves
    double StepDegrees = 0.0;  // threshold mode: movement threshold
    std::string AzimuthStepRule;  // "k": azimuth threshold = StepDegrees, else by elevation
    char FlipOption = '-';  // '+': elevation 0..180, passes may go over the top
    char Extend450Option = '-';  // '+': azimuth 0..450 (never with FlipOption or end stop 'S')
    char EndStop = 'N';  // 'N' or 'S': the side of the rotor's end stop
    double MinElevation = 0.0;  // tracking starts at this elevation (may be negative)
    int AzimuthOffset = 0;  // calibration added to every position sent
    int ElevationOffset = 0;
    char ParkOption = '-';  // '+': park after each pass
    int ParkAzimuth = 0;
    int ParkElevation = 0;
    std::vector<TStandardDirection> StandardDirections;
    bool SecondInstance = false;  // a second copy of the program never moves the rotor

    bool ThresholdMode() const { return RotorMode == 'w'; }
    bool FlipOn() const { return FlipOption == '+'; }
    bool Extend450On() const { return Extend450Option == '+'; }
    bool ParkOn() const { return ParkOption == '+'; }
    double AzimuthRange() const { return Extend450On() ? 450.0 : 360.0; }
    double ElevationRange() const { return FlipOn() ? 180.0 : 90.0; }
};

// Each reader fills its fields and returns true; false with a message naming the
// file and line (the fields untouched) when text stands where a number belongs.
bool ReadWiRotOpt(std::string_view bytes, TRotorSettings& settings, std::string* error = nullptr);
// The 450-degree option is switched off when the flip option is on.
void ReadFlipFile(std::string_view bytes, TRotorSettings& settings);
void ReadParkFile(std::string_view bytes, TRotorSettings& settings);
bool ReadParkPosFile(std::string_view bytes, TRotorSettings& settings, std::string* error = nullptr);
// ';' starts a comment line; other lines are name ',' azimuth. Lines without a
// comma or without a readable azimuth are left out; at most 50 entries.
void ReadStandPosFile(std::string_view bytes, TRotorSettings& settings);

// The station settings the rotor uses: the end-stop side (an 'S' also switches the
// 450-degree option off), the minimum elevation and the two calibration offsets.
void ApplyStationRotorSettings(TRotorSettings& settings, char endStop, double minElevation, int azimuthOffset,
                               int elevationOffset);

// A line of the standard-direction list: the first eight characters of the name
// padded with blanks, a blank and the azimuth.
std::string StandardDirectionListText(const TStandardDirection& direction);

// What the Park button writes: "Park.SQF" one character, "ParkPos.SQF" the
// azimuth and the elevation, each line ending CR LF.
std::string ParkFileText(char parkOption);
std::string ParkPosFileText(int parkAzimuth, int parkElevation);

}  // namespace kelvora
