// Whole passes flown by the program against Hamlib's rotctld on a loopback port,
// the clock stepped through the pass: what the daemon is told, line by line
// through a relay, in threshold mode with park after the pass; a daemon that dies
// mid-pass and comes back; and the window during a pass flown over the top.
#include "AusgabeU.h"
#include "HamlibDaemon.h"
#include "KelvoraApp.h"
#include "KitAppFixture.h"
#include "LineTap.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

using namespace kelvora;
using namespace kelvora::test;

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kStep = 2.0;  // "WiRotOpt.SQF": threshold mode, 2 degrees, the same for azimuth
constexpr int kParkAzimuth = 123;
constexpr int kParkElevation = 4;

void SetLine(KitDataFolder& data, const char* name, int line, const QString& text) {
    QStringList lines = data.Lines(name);
    lines[line - 1] = text;
    data.Write(name, lines.join("\r\n").toLatin1() + "\r\n");
}

// The rotor on rotctld at address, following by threshold, parking after each pass.
void ThresholdRotorOn(KitDataFolder& data, const QString& address) {
    data.Write("RotorServer.SQF", "rotctld\r\n" + address.toLatin1() + "\r\n");
    SetLine(data, "SatStart.SQF", 4, "+");  // the rotor server is used
    data.Write("WiRotOpt.SQF", "w\r\n10\r\n" + QByteArray::number(kStep) + "\r\nk\r\n");
    data.Write("Park.SQF", "+\r\n");
    data.Write("ParkPos.SQF", QByteArray::number(kParkAzimuth) + "\r\n" + QByteArray::number(kParkElevation) + "\r\n");
}

std::optional<TSatelliteLook> ActiveLook(TKelvoraApp& app, double dayCount) {
    return app.Satellites().LookAt(app.Satellites().ActiveSet(), dayCount);
}

// A pass of the active satellite in whole seconds from now: the first sample above
// the horizon, the first below it again, and the highest sample.
struct Pass {
    int Rise = 0;
    int Set = 0;
    int Top = 0;
};

// The passes of the next three days, sampled every ten seconds, that climb above
// minTop degrees.
std::vector<Pass> Passes(TKelvoraApp& app, double minTop) {
    std::vector<Pass> passes;
    const double now = app.State().Time.DayCount;
    std::optional<Pass> current;
    double top = -90.0;
    for (int seconds = 0; seconds < 3 * 86400; seconds += 10) {
        const auto look = ActiveLook(app, now + seconds / kSecondsPerDay);
        if (!look) continue;
        const bool up = look->Elevation > 0.0;
        if (up && !current && seconds > 0) {
            current = Pass{seconds, 0, seconds};
            top = look->Elevation;
        } else if (up && current && look->Elevation > top) {
            current->Top = seconds;
            top = look->Elevation;
        } else if (!up && current) {
            current->Set = seconds;
            if (top >= minTop) passes.push_back(*current);
            current.reset();
        }
    }
    return passes;
}

void Tick(KitApp& k, int seconds) {
    k.clock.Advance(qint64(seconds) * 1000);
    k.app->Timer1Timer();
}

void SwitchRotorOn(TKelvoraApp& app) {
    QLabel* label = app.MainWindow()->RotorLabel();
    QTest::mouseClick(label, Qt::LeftButton);
    ASSERT_EQ(label->text(), "R+");
}

std::optional<std::pair<double, double>> Position(const QString& line) {
    const QStringList words = line.split(' ');
    if (words.size() != 3 || words[0] != "P") return std::nullopt;
    return std::make_pair(words[1].toDouble(), words[2].toDouble());
}

// The threshold rule, followed from the satellite's own track: the first position
// above the minimum elevation, then a new one whenever elevation or azimuth moved
// more than the step since the last move (half a step ahead on the axis that
// moved), and the park position once the satellite went below it.
class ThresholdRule {
public:
    std::optional<std::pair<double, double>> Next(const TSatelliteLook& look) {
        if (look.Elevation < 0.0) {
            if (parked_) return std::nullopt;
            parked_ = true;
            return std::make_pair(double(kParkAzimuth), double(kParkElevation));
        }
        if (parked_) {
            parked_ = false;
            lastAz_ = targetAz_ = look.Azimuth;
            lastEl_ = targetEl_ = look.Elevation;
            return Sent();
        }
        bool due = false;
        const double dEl = look.Elevation - lastEl_;
        if (std::fabs(dEl) > kStep) {
            targetEl_ = look.Elevation + std::copysign(kStep / 2, dEl);
            lastEl_ = look.Elevation;
            due = true;
        }
        const double dAz = look.Azimuth - lastAz_;
        if (std::fabs(dAz) > kStep) {
            const double ahead = std::fabs(dAz) > 180.0 ? -dAz : dAz;  // crossing north
            targetAz_ = look.Azimuth + std::copysign(kStep / 2, ahead);
            lastAz_ = look.Azimuth;
            due = true;
        }
        if (!due) return std::nullopt;
        return Sent();
    }

private:
    std::pair<double, double> Sent() const {
        return {std::fmod(targetAz_ + 360.0, 360.0), std::clamp(targetEl_, 0.0, 90.0)};
    }
    bool parked_ = true;
    double lastAz_ = 0.0, lastEl_ = 0.0, targetAz_ = 0.0, targetEl_ = 0.0;
};

}  // namespace

TEST(RotorPass, APassFollowsTheThresholdRuleAndParksAfterLos) {
    DummyDaemon rotctld("rotctld");
    KELVORA_START_DAEMON(rotctld);
    LineTap tap;
    ASSERT_TRUE(tap.Start(rotctld.Port()));
    KitApp k;
    ThresholdRotorOn(k.data, tap.Address());
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
    const std::vector<Pass> passes = Passes(app, 20.0);
    ASSERT_FALSE(passes.empty()) << "no pass of the active satellite in three days";
    const Pass pass = passes.front();

    k.clock.Advance(qint64(pass.Rise - 60) * 1000);
    app.Timer1Timer();
    SwitchRotorOn(app);
    ThresholdRule rule;
    int expected = 0;
    for (int seconds = -55; seconds <= pass.Set - pass.Rise + 60; seconds += 5) {
        Tick(k, 5);
        const auto look = ActiveLook(app, app.State().Time.DayCount);
        ASSERT_TRUE(look);
        const auto position = rule.Next(*look);
        SCOPED_TRACE(testing::Message() << seconds << " s after the rise, satellite at " << look->Azimuth << " "
                                        << look->Elevation);
        if (position) ++expected;
        ASSERT_TRUE(PollUntil([&] { return tap.Sent().size() >= expected; }, 3000))
            << "sent " << tap.Sent().size() << " of " << expected;
        ASSERT_EQ(tap.Sent().size(), expected) << tap.Sent().join(" | ").toStdString();
        if (!position) continue;
        const auto sent = Position(tap.Sent().back());
        ASSERT_TRUE(sent) << tap.Sent().back().toStdString();
        EXPECT_NEAR(sent->first, position->first, 0.006);
        EXPECT_NEAR(sent->second, position->second, 0.006);
    }
    EXPECT_GT(expected, 10) << "the pass moved the rotor only a few times";
    EXPECT_EQ(tap.Sent().back(), QString("P %1.00 %2.00").arg(kParkAzimuth).arg(kParkElevation));
    // The daemon took every position, the park position last.
    EXPECT_TRUE(PollUntil([&] { return tap.Answers().size() == expected; }));
    EXPECT_EQ(tap.Answers().filter("RPRT 0").size(), expected) << tap.Answers().join(" | ").toStdString();
    EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
}

TEST(RotorPass, RotctldKilledMidPassAndStartedAgainOnTheSamePort) {
    DummyDaemon rotctld("rotctld");
    KELVORA_START_DAEMON(rotctld);
    KitApp k;
    ThresholdRotorOn(k.data, rotctld.Address());
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
    const std::vector<Pass> passes = Passes(app, 30.0);
    ASSERT_FALSE(passes.empty()) << "no high pass of the active satellite in three days";
    const Pass pass = passes.front();

    // Where the dummy rotor stands now, and whether it turns from there: it moves
    // only towards a position it was sent.
    const auto rotorMoves = [&] {
        const QStringList from = rotctld.Ask("p", 2);
        QElapsedTimer sinceAsked;
        sinceAsked.start();
        return from.size() == 2 && PollUntil(
                                       [&] {
                                           if (sinceAsked.elapsed() < 250) return false;
                                           sinceAsked.start();
                                           return rotctld.Ask("p", 2) != from;
                                       },
                                       1500);
    };

    k.clock.Advance(qint64(pass.Rise + 10) * 1000);
    app.Timer1Timer();
    SwitchRotorOn(app);
    Tick(k, 5);
    ASSERT_TRUE(rotorMoves()) << "the first position did not reach the daemon";

    rotctld.Stop();
    const int ticksBefore = app.TickCount();
    for (int tick = 0; tick < 12; ++tick) {
        Tick(k, 5);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(app.TickCount(), ticksBefore + 12);
    ASSERT_TRUE(rotctld.Start(rotctld.Port())) << "the daemon did not start again on port " << rotctld.Port();

    // The link tries again with the next position: a few ticks bring one.
    bool resumed = false;
    for (int tick = 0; tick < 20 && !resumed && pass.Rise + 80 + 5 * tick < pass.Set; ++tick) {
        Tick(k, 5);
        resumed = rotorMoves();
    }
    EXPECT_TRUE(resumed) << "no position reached the daemon started again";
    EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
    app.menBeendenClick();
    EXPECT_TRUE(app.Ended());
}

// A pass that would cross the end stop is flown over the top: lblRotor yellow, the
// positions turned by 180 degrees with the elevation beyond 90. With
// KELVORA_SCREENSHOT_DIR set, the window is saved there during that pass.
TEST(RotorPass, APassOverTheTopShowsAYellowRotorLabel) {
    DummyDaemon rotctld("rotctld");
    KELVORA_START_DAEMON(rotctld);
    LineTap tap;
    ASSERT_TRUE(tap.Start(rotctld.Port()));
    KitApp k;
    ThresholdRotorOn(k.data, tap.Address());
    k.data.Write("Flip.SQF", "+\r\n-\r\n");
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
    const std::vector<Pass> passes = Passes(app, 20.0);
    QLabel* label = app.MainWindow()->RotorLabel();
    SwitchRotorOn(app);

    int at = 0;  // seconds from the start
    bool flipped = false;
    for (const Pass& pass : passes) {
        Tick(k, std::max(pass.Rise - 60 - at, 0));
        at = std::max(pass.Rise - 60, at);
        for (; at < pass.Top; at += 5) Tick(k, 5);
        flipped = label->styleSheet().contains("255,255,0");
        if (flipped) break;
    }
    ASSERT_TRUE(flipped) << "no pass over the top in three days";
    EXPECT_EQ(label->text(), "R+");
    ASSERT_TRUE(PollUntil([&] { return !tap.Sent().isEmpty(); }));
    const auto sent = Position(tap.Sent().back());
    ASSERT_TRUE(sent) << tap.Sent().back().toStdString();
    // Sent as it is; Hamlib's dummy rotor turns 0..90 only and answers "RPRT -1" to it.
    EXPECT_GT(sent->second, 90.0) << "the highest point of a pass over the top is sent beyond 90";

    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    if (!folder.isEmpty()) app.MainWindow()->grab().save(folder + "/main-window-rotor.png");
    app.menBeendenClick();
    EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
}
