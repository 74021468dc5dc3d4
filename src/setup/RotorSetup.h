#pragma once
// The rotor page: how the rotor follows ("WiRotOpt.SQF"), flip and 450 degrees
// ("Flip.SQF"), park ("Park.SQF", "ParkPos.SQF") and the standard directions
// ("StandPos.SQF").

#include "SetupFiles.h"

namespace kelvora {

struct TDirectionRow {
    QString Name;
    QString Azimuth;
};

struct TRotorFields {
    bool ThresholdMode = false;  // 'w'; otherwise interval mode
    QString IntervalSeconds;  // interval mode
    QString StepDegrees;  // threshold mode
    bool FixedAzimuthStep = true;  // rule "k": the azimuth threshold is the step itself
    bool Flip = false;
    bool Extend450 = false;
    bool Park = false;
    QString ParkAzimuth;
    QString ParkElevation;
    std::vector<TDirectionRow> StandardDirections;
};

TRotorFields RotorFieldsOf(const TSetupFiles& files);
// Puts the fields into the lines and reads the files back with the rotor's readers.
// "StandPos.SQF" keeps its comment lines and gets the rows after them.
TRefusal ApplyRotor(const TRotorFields& fields, TSetupFiles& files);

}  // namespace kelvora
