#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "CalendarTime.h"
#include "FinishesWithin.h"
#include "OrbitModel.h"
#include "PassScan.h"
#include "SGP_Obs.h"
#include "SGP_Time.h"
#include "SampleElements.h"
#include "TrakStarU.h"

namespace kelvora {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kStart = 16843.0;  // 2024-02-12 00:00 UTC as a day count

class PassTest : public ::testing::Test {
protected:
    TOrbitModel model{2000};
    TObserverSite site;
    TTrackState track;

    void SetUp() override {
        model.TwoLineRecord(1) = {testing::kIssLine1, testing::kIssLine2};
        model.TwoLineRecord(2) = {testing::kEshail2Line1, testing::kEshail2Line2};
        model.ConvertTwoLine(2);
        SetupObserver(site, 48.1, 11.6, 500.0);  // Munich
    }

    // Selects the set in `slot` and looks at it: the fixture's track holds the result.
    double ElevationAt(int slot, double dayCount) {
        return testing::ElevationOfSlot(model, slot, site, dayCount, track);
    }

    // What the tracking cycle does: select, propagate to the cursor, predict.
    void Predict(int slot, TPassInfo& pass, double cursor, int layout = 1) {
        ElevationAt(slot, cursor);
        PredictPass(model, site, track, slot, pass, cursor, layout);
    }
};

TEST_F(PassTest, TenConsecutivePassesAgreeWithAFineScan) {
    std::vector<TPassInfo> passes;
    double cursor = kStart;
    for (int i = 0; i < 10; ++i) {
        TPassInfo pass;
        Predict(1, pass, cursor);
        ASSERT_TRUE(pass.LosFound) << i;
        ASSERT_NE(pass.AosText, "-----") << i;
        ASSERT_NE(pass.AosText, "*****") << i;
        passes.push_back(pass);
        cursor = pass.LastEventTime;
    }

    const testing::TCrossings scan =
        testing::ScanCrossings(model, 1, site, kStart, passes.back().LosTime + 600 * kSecond);
    ASSERT_EQ(scan.rises.size(), passes.size());
    ASSERT_EQ(scan.sets.size(), passes.size());
    for (size_t i = 0; i < passes.size(); ++i) {
        // The stored time is the last 12-second sample before the crossing.
        EXPECT_LE(passes[i].AosTime, scan.rises[i]) << i;
        EXPECT_GE(passes[i].AosTime, scan.rises[i] - 13 * kSecond) << i;
        EXPECT_LE(passes[i].LosTime, scan.sets[i]) << i;
        EXPECT_GE(passes[i].LosTime, scan.sets[i] - 13 * kSecond) << i;
        EXPECT_EQ(passes[i].AosText, HourMinuteText(passes[i].AosTime + kPassDisplayOffset));
        EXPECT_EQ(passes[i].PassTimeText, passes[i].AosText + " " + passes[i].LosText);
        EXPECT_NEAR(passes[i].NextAos, passes[i].AosTime + kPassDisplayOffset, 1e-9);
    }
}

TEST_F(PassTest, SatelliteUpAtTheStart) {
    TPassInfo first;
    Predict(1, first, kStart);
    const double during = first.AosTime + 120 * kSecond;
    TPassInfo pass;
    int hookCalls = 0;
    ElevationAt(1, during);
    ASSERT_GT(track.Elevation, 0.0);
    const double azimuthNow = track.Azimuth;
    PredictPass(model, site, track, 1, pass, during, 3, [&](int slot) {
        EXPECT_EQ(slot, 1);
        ++hookCalls;
    });
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(pass.AosText, "*****");
    EXPECT_EQ(pass.AosTime, during);
    EXPECT_EQ(pass.AosAzimuth, azimuthNow);
    EXPECT_EQ(pass.LosText, first.LosText);
    EXPECT_NEAR(pass.LosTime, first.LosTime, 13 * kSecond);
    EXPECT_EQ(pass.PassTimeText, "*****  " + first.LosText);
    EXPECT_EQ(pass.Above, 1);
    EXPECT_EQ(pass.Below, 0);

    // Same side of the horizon again: nothing is recomputed.
    const TPassInfo kept = pass;
    ElevationAt(1, during + 60 * kSecond);
    PredictPass(model, site, track, 1, pass, during + 60 * kSecond, 3, [&](int) { ++hookCalls; });
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(pass.AosTime, kept.AosTime);
}

TEST_F(PassTest, ElevationExactlyZeroStartsAnAosSearch) {
    ElevationAt(1, kStart);
    ASSERT_LT(track.Elevation, 0.0);
    track.Elevation = 0.0;
    TPassInfo pass;
    PredictPass(model, site, track, 1, pass, kStart);
    EXPECT_EQ(pass.Above, 1);
    EXPECT_EQ(pass.Below, 0);
    EXPECT_NE(pass.AosText, "*****");
    EXPECT_GT(pass.AosTime, kStart);
}

TEST_F(PassTest, GeostationaryAboveTheHorizonReturns) {
    TPassInfo pass;
    Predict(2, pass, kStart);
    EXPECT_EQ(pass.AosText, "*****");
    EXPECT_FALSE(pass.LosFound);
    EXPECT_EQ(pass.LosText, "-----");
    EXPECT_EQ(pass.PassTimeText, "***** -----");
    EXPECT_GT(pass.LastEventTime, kStart + 1.0);
    EXPECT_LT(pass.LastEventTime, kStart + 1.1);
}

TEST_F(PassTest, NoRiseWithinADay) {
    SetupObserver(site, 0.0, 200.0, 0.0);  // the far side of the earth from 25.5 E
    TPassInfo pass;
    pass.LosText = "12:00";
    Predict(2, pass, kStart, 1);
    EXPECT_EQ(pass.AosText, "-----");
    EXPECT_EQ(pass.LosText, "");
    EXPECT_EQ(pass.PassTimeText, "----- ");
    EXPECT_EQ(pass.Below, 1);
}

// Cursors and clock offsets that once kept a search going for ever or for
// hours: a cursor so large that the step no longer moves it (a zone of 1e15 h
// in the station file), a cursor that is not a number, and times so far from
// the epoch that the deep-space integrator stepped there 720 minutes at a time.
TEST_F(PassTest, SearchesEndWhateverTheCursor) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        int slot;
        double cursor, clockOffsetDays;
    } cases[] = {
        {"zone 1e15 h, near earth", 1, -4.17e306, 1e15 / 24},
        {"zone 1e15 h, deep space", 2, -4.17e306, 1e15 / 24},
        {"zone 1e10 h, deep space", 2, kStart, 1e10 / 24},
        {"zone -1e10 h, deep space", 2, kStart, -1e10 / 24},
        {"cursor 1e17", 1, 1e17, 0.0},
        {"cursor -1e300, deep space", 2, -1e300, 0.0},
        {"cursor not a number", 1, nan, 0.0},
        {"cursor +inf, deep space", 2, inf, 0.0},
        {"cursor -inf", 1, -inf, 0.0},
    };
    for (const auto& c : cases) {
        model.SetClockOffset(c.clockOffsetDays);
        const auto pass = testing::ResultWithin(testing::kHangLimit, [m = model, s = site, c]() mutable {
            TTrackState t;
            m.SelectSatellite(c.slot);
            PropagateAndLook(m, s, t, JulianDateOfDayCount(c.cursor), c.cursor);
            TPassInfo p;
            PredictPass(m, s, t, c.slot, p, c.cursor);
            return p;
        });
        ASSERT_TRUE(pass.has_value()) << c.what << ": still searching";
        EXPECT_EQ(pass->AosText, "-----") << c.what;
        EXPECT_EQ(pass->LosText, "") << c.what;
    }
}

TEST(PassTexts, RoundedToTheMinuteTable) {
    struct Case {
        int h, m, s;
        const char* text;
    };
    for (const Case c : {Case{12, 3, 35, "12:04"}, Case{12, 3, 15, "12:03"}, Case{12, 3, 30, "12:04"},
                         Case{23, 59, 45, "00:00"}, Case{0, 0, 0, "00:00"}}) {
        const double t = kStart + (c.h * 3600 + c.m * 60 + c.s) * kSecond;
        EXPECT_EQ(HourMinuteText(t + kPassDisplayOffset), c.text) << c.h << ":" << c.m;
    }
    // Only the time of day counts, also for days outside the calendar.
    EXPECT_EQ(HourMinuteText(-1e6 + 0.75), "18:00");
    EXPECT_EQ(HourMinuteText(1e7 + 0.5), "12:00");
    EXPECT_EQ(HourMinuteText(std::numeric_limits<double>::quiet_NaN()), "00:00");
    EXPECT_EQ(PassTimeSeparator(1), " ");
    EXPECT_EQ(PassTimeSeparator(2), " ");
    EXPECT_EQ(PassTimeSeparator(5), "  ");
}

}  // namespace
}  // namespace kelvora
