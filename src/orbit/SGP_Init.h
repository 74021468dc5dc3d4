// Element sets in model and display units, the raw records the element-file
// readers leave per slot, and the conversions from those records.
#pragma once

#include <iosfwd>
#include <string>

namespace kelvora {

// One satellite's mean elements. Angles in radians with a degree copy as
// read; mean motion in radians per minute with the revolutions per day as read.
struct TElementSet {
    double Epoch = 0.0;  // YYDDD.DDDDDDDD as written
    double JulianEpoch = 0.0;
    double BStar = 0.0;  // 1/earth radii
    double Inclination = 0.0;
    double InclinationDeg = 0.0;
    double Raan = 0.0;
    double RaanDeg = 0.0;
    double Eccentricity = 0.0;
    double ArgPerigee = 0.0;
    double ArgPerigeeDeg = 0.0;
    double MeanAnomaly = 0.0;
    double MeanAnomalyDeg = 0.0;
    double MeanMotion = 0.0;  // rad/min
    double RevsPerDay = 0.0;
    int DeepSpace = 0;  // 1 below 6.4 rev/day
    int NeedsInit = 1;
    double EpochRev = 0.0;
    double PerigeeDay = 0.0;  // day count of the reference perigee
    double SemiMajorAxis = 0.0;  // earth radii
    double NodeRate = 0.0;  // degrees per day
    double PerigeeRate = 0.0;  // degrees per day
};

// The single working copy the models initialise from and propagate.
struct TModelElements : TElementSet {
    int InitPending = 1;
};

// Raw two-line record of one slot: lines 1 and 2 of a NASA set.
struct TTwoLineRecord {
    std::string Line1;
    std::string Line2;
};

// Raw OMM values of one slot, as texts (CSV, XML and KVN forms).
struct TOmmTexts {
    std::string Epoch;
    std::string Inclination;
    std::string RaOfAscNode;
    std::string Eccentricity;
    std::string ArgOfPericenter;
    std::string MeanAnomaly;
    std::string MeanMotion;
    std::string RevAtEpoch;
    std::string BStar;
};

// The nine numbers the verbose-format reader delivers, in its order.
struct TVerboseValues {
    double Epoch = 0.0;
    double InclinationDeg = 0.0;
    double RaanDeg = 0.0;
    double Eccentricity = 0.0;
    double ArgPerigeeDeg = 0.0;
    double MeanAnomalyDeg = 0.0;
    double RevsPerDay = 0.0;
    double DecayRate = 0.0;  // delivered but not used by the models
    double EpochRev = 0.0;
};

inline constexpr double kDeepSpaceRevsPerDay = 6.4;

// Field-level conversions; each fills the elements of one set (no summary,
// no deep-space flag: FinishConversion does that).
void ElementsFromTwoLine(const TTwoLineRecord& record, int centuryBase, TElementSet& set,
                         std::ostream* diagnostics = nullptr);
// All three OMM forms (CSV, XML, KVN) carry the same B*, read from its text.
void ElementsFromOmm(const TOmmTexts& texts, int centuryBase, TElementSet& set);
void ElementsFromVerbose(const TVerboseValues& values, int centuryBase, TElementSet& set);

// DeepSpace and NeedsInit from the mean motion as read.
void MarkDeepSpace(TElementSet& set);
// PerigeeDay, SemiMajorAxis, NodeRate, PerigeeRate.
void ComputeOrbitSummary(TElementSet& set);

// OMM epoch text YYDDD.FFFFFFFF to the Julian date of that instant.
double JulianEpochOfOmmText(const std::string& epochText, int centuryBase);

}  // namespace kelvora
