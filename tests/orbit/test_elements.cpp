// Element-set conversions from stored two-line records and OMM texts, the
// deep-space decision and the reference-perigee summary.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "OrbitModel.h"
#include "SampleElements.h"
#include "SGP_Time.h"

namespace kelvora {
namespace {

const char* const kIss1 = testing::kIssLine1;
const char* const kIss2 = testing::kIssLine2;
const char* const kAo10_1 = "1 14129U 83058B   24040.20323029  .00000238  00000+0  00000+0 0  9993";
const char* const kAo10_2 = "2 14129  27.4722 359.4651 6032036 243.3325  44.2265  2.05865131277806";

TVerboseValues Verbose(double revsPerDay, double meanAnomalyDeg = 0.0, double ecc = 0.0) {
    TVerboseValues v;
    v.Epoch = 24043.5;
    v.InclinationDeg = 51.6;
    v.RaanDeg = 100.0;
    v.Eccentricity = ecc;
    v.ArgPerigeeDeg = 90.0;
    v.MeanAnomalyDeg = meanAnomalyDeg;
    v.RevsPerDay = revsPerDay;
    v.DecayRate = 0.001;
    v.EpochRev = 123.0;
    return v;
}

TEST(Elements, TwoLineFileConvertsEverySlotAndLeavesLastSelected) {
    TOrbitModel model;
    model.TwoLineRecord(1) = {kIss1, kIss2};
    model.TwoLineRecord(2) = {kAo10_1, kAo10_2};
    model.ConvertTwoLine(2);

    const TElementSet& iss = model.Slot(1);
    EXPECT_DOUBLE_EQ(iss.Epoch, 24043.00684501);
    EXPECT_DOUBLE_EQ(iss.JulianEpoch, JulianDateOfEpoch(24043.00684501, 2000));
    EXPECT_DOUBLE_EQ(iss.BStar, 0.37609e-3);
    EXPECT_DOUBLE_EQ(iss.InclinationDeg, 51.6406);
    EXPECT_DOUBLE_EQ(iss.Inclination, Radians(51.6406));
    EXPECT_DOUBLE_EQ(iss.RaanDeg, 220.6676);
    EXPECT_DOUBLE_EQ(iss.Eccentricity, 0.0001921);
    EXPECT_DOUBLE_EQ(iss.ArgPerigeeDeg, 228.7563);
    EXPECT_DOUBLE_EQ(iss.MeanAnomalyDeg, 273.9440);
    EXPECT_DOUBLE_EQ(iss.RevsPerDay, 15.49783958);
    EXPECT_DOUBLE_EQ(iss.MeanMotion, 15.49783958 * kTwoPi / 1440.0);
    EXPECT_DOUBLE_EQ(iss.EpochRev, 43897.5);
    EXPECT_EQ(iss.DeepSpace, 0);
    EXPECT_EQ(model.Slot(2).DeepSpace, 1);
    EXPECT_DOUBLE_EQ(model.Slot(2).Eccentricity, 0.6032036);

    EXPECT_DOUBLE_EQ(model.Model().Epoch, model.Slot(2).Epoch);
    EXPECT_EQ(model.Model().InitPending, 1);
}

TEST(Elements, TwoLineBStarField) {
    struct Case {
        const char* field;  // columns 54-61
        double expected;
    };
    const Case cases[] = {
        {" 34123-3", 0.34123e-3}, {"-11606-4", -0.11606e-4}, {" 00000+0", 0.0},
        {"        ", 0.0},        {"x1z3?-3 ", 0.0},         {" 12345 0", 0.12345},
    };
    for (const auto& c : cases) {
        TOrbitModel model;
        std::string line1 = kIss1;
        line1.replace(53, 8, c.field);
        model.TwoLineRecord(1) = {line1, kIss2};
        model.ConvertTwoLine(1);
        EXPECT_NEAR(model.Slot(1).BStar, c.expected, 1e-15) << '"' << c.field << '"';
    }
}

TEST(Elements, TwoLineRevolutionNumber) {
    struct Case {
        std::string line2;
        double expected;
    };
    const std::string base = std::string(kIss2).substr(0, 63);
    const Case cases[] = {
        {base + "123457", 12344.5},  // checksum digit 7 in column 69
        {base, -0.5},  // line ends before column 64
        {base.substr(0, 40), -0.5},
    };
    for (const auto& c : cases) {
        TOrbitModel model;
        model.TwoLineRecord(1) = {kIss1, c.line2};
        model.ConvertTwoLine(1);
        EXPECT_DOUBLE_EQ(model.Slot(1).EpochRev, c.expected) << c.line2;
    }
}

TEST(Elements, DeepSpaceBoundary) {
    struct Case {
        double revsPerDay;
        int deep;
    };
    const Case cases[] = {{6.4, 0}, {6.3999, 1}, {6.42557805, 0}, {1.00271527, 1}, {15.5, 0}};
    TOrbitModel model;
    for (const auto& c : cases) {
        model.ConvertVerbose(7, Verbose(c.revsPerDay));
        EXPECT_EQ(model.Slot(7).DeepSpace, c.deep) << c.revsPerDay;
        EXPECT_EQ(model.Model().DeepSpace, c.deep) << c.revsPerDay;
    }
}

TOmmTexts IssOmm() {
    TOmmTexts t;
    t.Epoch = "24043.00684501";
    t.Inclination = "51.6406";
    t.RaOfAscNode = "220.6676";
    t.Eccentricity = ".0001921";
    t.ArgOfPericenter = "228.7563";
    t.MeanAnomaly = "273.9440";
    t.MeanMotion = "15.49783958";
    t.RevAtEpoch = "43898";
    t.BStar = ".37609E-3";
    return t;
}

TEST(Elements, OmmFormsAndBStar) {
    // CSV, XML and KVN carry the same B*; all three must use it.
    TOrbitModel model;
    for (int slot = 1; slot <= 3; ++slot) model.OmmTexts(slot) = IssOmm();
    model.ConvertCsv(1);
    model.ConvertXml(2);
    model.ConvertKvn(3);
    for (int slot = 1; slot <= 3; ++slot) EXPECT_DOUBLE_EQ(model.Slot(slot).BStar, 0.37609e-3);
    EXPECT_DOUBLE_EQ(model.Slot(1).EpochRev, 43898.0);
    EXPECT_DOUBLE_EQ(model.Slot(1).Eccentricity, 0.0001921);

    // Every OMM form propagates like the two-line set, drag included.
    TOrbitModel twoLine;
    twoLine.TwoLineRecord(1) = {kIss1, kIss2};
    std::string noDrag = kIss1;
    noDrag.replace(53, 8, " 00000+0");
    twoLine.TwoLineRecord(2) = {noDrag, kIss2};
    twoLine.ConvertTwoLine(2);
    auto positionAt = [](TOrbitModel& m, int slot) {
        m.SelectSatellite(slot);
        return m.PropagateMinutes(2880.0).Position;
    };
    const TVector4 tle = positionAt(twoLine, 1), tleNoDrag = positionAt(twoLine, 2);
    for (int slot = 1; slot <= 3; ++slot) EXPECT_NEAR(positionAt(model, slot).x, tle.x, 1e-9);
    EXPECT_GT(std::fabs(tle.x - tleNoDrag.x), 1e-4);
}

TEST(Elements, OmmEpochText) {
    TOrbitModel model;
    TOmmTexts t = IssOmm();
    t.Epoch = "22123.51234567";
    model.OmmTexts(1) = t;
    model.ConvertXml(1);
    EXPECT_DOUBLE_EQ(model.Slot(1).Epoch, 22123.51234567);
    EXPECT_NEAR(model.Slot(1).JulianEpoch, JulianDateOfEpoch(22123.51234567, 2000), 1e-9);
    EXPECT_NEAR(model.Slot(1).JulianEpoch, 2459703.01234567, 1e-9);
}

// The summary's own rounded formulas (not the standard J2 rates): semi-major axis
// a = 42220 km * n^(-2/3) in earth radii (6378.135 km); node rate -9.98 cos i / k and
// perigee rate 5.0 (5 cos^2 i - 1) / k deg/day with k = a^3.5 (1 - e^2)^2. For n = 15.5,
// i = 51.6, e = 0: a = 1.064805, -4.9760 and 3.7290 (the J2 coefficients 9.964 and 4.982
// would give -4.968 and 3.716). The perigee lies M / (360 n) days before the epoch for
// M up to 180 deg, (360 - M) / (360 n) days after it beyond.
TEST(Elements, OrbitSummary) {
    TOrbitModel model;
    model.ConvertVerbose(1, Verbose(15.5));
    const TElementSet& s = model.Slot(1);
    EXPECT_NEAR(s.SemiMajorAxis, 1.06480, 5e-6);
    EXPECT_NEAR(s.NodeRate, -4.976, 5e-4);
    EXPECT_NEAR(s.PerigeeRate, 3.729, 5e-4);

    struct Case {
        double meanAnomaly;
        double perigeeDayOffset;  // in revolutions relative to the epoch
    };
    const Case cases[] = {{0.0, 0.0}, {90.0, -0.25}, {180.0, -0.5}, {180.0001, 179.9999 / 360.0}, {270.0, 0.25}};
    const double epochDay = EpochDayCount(24043.5);
    for (const auto& c : cases) {
        model.ConvertVerbose(1, Verbose(15.5, c.meanAnomaly));
        EXPECT_NEAR(model.Slot(1).PerigeeDay, epochDay + c.perigeeDayOffset / 15.5, 1e-9) << c.meanAnomaly;
    }
}

TEST(Elements, BrokenSetsStayQuiet) {
    TOrbitModel model;
    model.ConvertVerbose(1, Verbose(0.0));
    const TElementSet& s = model.Slot(1);
    EXPECT_EQ(s.SemiMajorAxis, 0.0);
    EXPECT_EQ(s.PerigeeDay, 0.0);
    EXPECT_FALSE(model.PropagateMinutes(10.0).Valid);

    model.ConvertVerbose(2, Verbose(15.5, 0.0, 1.0));
    EXPECT_TRUE(std::isfinite(model.Slot(2).NodeRate));
    EXPECT_FALSE(model.PropagateMinutes(10.0).Valid);

    model.TwoLineRecord(3) = {"garbage", ""};
    model.ConvertTwoLine(3);
    EXPECT_EQ(model.Slot(3).RevsPerDay, 0.0);
    EXPECT_FALSE(model.PropagateMinutes(0.0).Valid);
}

// An epoch field that is no YYDDD.DDDDDDDD (digits where the point belongs)
// has no date: the set cannot be propagated, in every form.
TEST(Elements, EpochWithoutDateCannotBePropagated) {
    TOrbitModel model;
    std::string line1 = kIss1;
    line1.replace(23, 1, "0");  // 24043000684501 instead of 24043.00684501
    model.TwoLineRecord(1) = {line1, kIss2};
    model.ConvertTwoLine(1);
    TOmmTexts omm = IssOmm();
    omm.Epoch = "24043.99999999999999";  // the fraction read as a whole number
    model.OmmTexts(2) = omm;
    model.ConvertKvn(2);
    TVerboseValues v = Verbose(15.5);
    v.Epoch = -1.0;
    model.ConvertVerbose(3, v);
    for (int slot = 1; slot <= 3; ++slot) {
        EXPECT_FALSE(std::isfinite(model.Slot(slot).JulianEpoch)) << slot;
        model.SelectSatellite(slot);
        EXPECT_FALSE(model.PropagateMinutes(0.0).Valid) << slot;
    }
}

TEST(Elements, SlotBounds) {
    TOrbitModel model;
    model.ConvertVerbose(5, Verbose(15.5));
    EXPECT_FALSE(model.SelectSatellite(0));
    EXPECT_FALSE(model.SelectSatellite(TOrbitModel::kMaxSlots + 1));
    EXPECT_DOUBLE_EQ(model.Model().RevsPerDay, 15.5);
    EXPECT_TRUE(model.SelectSatellite(TOrbitModel::kMaxSlots));
    EXPECT_EQ(model.Model().RevsPerDay, 0.0);
    EXPECT_THROW(model.Slot(0), std::out_of_range);
    EXPECT_THROW(model.TwoLineRecord(2001), std::out_of_range);
    model.ConvertVerbose(2001, Verbose(15.5));  // ignored
    model.ConvertTwoLine(5000);  // converts 1..2000 only
    EXPECT_EQ(model.Slot(5).RevsPerDay, 0.0);  // its stored record was empty
}

TEST(Elements, PropagateUsesClockOffset) {
    TOrbitModel model;
    model.TwoLineRecord(1) = {kIss1, kIss2};
    model.ConvertTwoLine(1);
    const double jd = model.Slot(1).JulianEpoch + 0.5;
    const TVector4 direct = model.PropagateMinutes(0.5 * 1440.0 - 60.0).Position;
    model.SetClockOffset(1.0 / 24.0);
    const TVector4 viaJd = model.Propagate(jd).Position;
    EXPECT_NEAR(direct.x, viaJd.x, 1e-7);
    EXPECT_NEAR(direct.y, viaJd.y, 1e-7);
    EXPECT_NEAR(direct.z, viaJd.z, 1e-7);
}

}  // namespace
}  // namespace kelvora
