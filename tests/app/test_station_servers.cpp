// The whole program against Hamlib's rotctld and rigctld on loopback ports, chosen
// in "RotorServer.SQF" and "CatServer.SQF" as the Setup writes them: the rotor
// follows the pass and the "Rotor" dialog, the radio is told what the window shows,
// and the end takes it out of split. And the running program's tracking line as
// another program on a private session bus sees it.
#include "AusgabeU.h"
#include "HamlibDaemon.h"
#include "KelvoraApp.h"
#include "KitAppFixture.h"
#include "PrivateSessionBus.h"
#include "ProgramRun.h"
#include "RadioFiles.h"
#include "RotorU.h"
#include "TextLineBox.h"
#include "TrackingDataServer.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <sys/prctl.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {

constexpr double kSecondsPerDay = 86400.0;

const auto* const kBusEnvironment = ::testing::AddGlobalTestEnvironment(new PrivateSessionBusEnvironment);

void SetLine(KitDataFolder& data, const char* name, int line, const QString& text) {
    QStringList lines = data.Lines(name);
    lines[line - 1] = text;
    data.Write(name, lines.join("\r\n").toLatin1() + "\r\n");
}

// A server file of the form the Setup writes: the daemon's name, then its address.
void UseDaemon(KitDataFolder& data, const char* file, const char* name, const DummyDaemon& daemon) {
    data.Write(file, QByteArray(name) + "\r\n" + daemon.Address().toLatin1() + "\r\n");
}

void Ticks(KitApp& k, int count) {
    for (int tick = 0; tick < count; ++tick) {
        k.clock.Advance(1000);
        k.app->Timer1Timer();
    }
}

// The next moment, in whole seconds from now, at which the active satellite is
// well above the horizon a little east of north: the dummy rotor turns at about
// six degrees a second from 0, so it gets there within seconds.
std::optional<int> SecondsToANearbyPosition(TKelvoraApp& app) {
    TSatellitePart& satellites = app.Satellites();
    const double now = app.State().Time.DayCount;
    for (int seconds = 0; seconds < 3 * 86400; seconds += 10) {
        const auto look = satellites.LookAt(satellites.ActiveSet(), now + seconds / kSecondsPerDay);
        if (look && look->Elevation > 5.0 && look->Elevation < 40.0 && look->Azimuth > 5.0 && look->Azimuth < 40.0)
            return seconds;
    }
    return std::nullopt;
}

}  // namespace

TEST(StationServers, RotctldFollowsTheRotorPartAndTheRotorDialog) {
    DummyDaemon rotctld("rotctld");
    KELVORA_START_DAEMON(rotctld);
    KitApp k;
    UseDaemon(k.data, "RotorServer.SQF", "rotctld", rotctld);
    SetLine(k.data, "SatStart.SQF", 4, "+");  // the rotor server is used
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
    ASSERT_TRUE(app.State().UseRotorServer);

    const std::optional<int> wait = SecondsToANearbyPosition(app);
    ASSERT_TRUE(wait) << "no pass of the active satellite in three days";
    k.clock.Advance(qint64(*wait - 6) * 1000);  // the interval step leads by half of its 10 s
    app.Timer1Timer();
    auto* label = app.MainWindow()->findChild<QLabel*>("lblRotor");
    QTest::mouseClick(label, Qt::LeftButton);
    ASSERT_EQ(label->text(), "R+");
    Ticks(k, 1);

    // The interval step sends where the satellite will be half an interval on.
    TSatellitePart& satellites = app.Satellites();
    const auto lead = satellites.LookAt(satellites.ActiveSet(), app.State().Time.DayCount + 5.0 / kSecondsPerDay);
    ASSERT_TRUE(lead);
    EXPECT_TRUE(rotctld.RotorReaches(lead->Azimuth, lead->Elevation))
        << rotctld.Ask("p", 2).join(' ').toStdString() << " for " << lead->Azimuth << " " << lead->Elevation;

    // A manual position from the dialog's "Execute".
    app.MainWindow()->findChild<QAction*>("menHin")->trigger();
    auto* dialog = app.MainWindow()->findChild<THinweise*>("Hinweise");
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("txtAz"), "12");
    QTest::keyClicks(dialog->findChild<QLineEdit*>("txtEl"), "30");
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(rotctld.RotorReaches(12.0, 30.0)) << rotctld.Ask("p", 2).join(' ').toStdString();

    app.menBeendenClick();
    EXPECT_TRUE(app.Ended());
    EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
}

// Whatever the radio family's shut-down steps (a Yaesu's keep CAT on), the end takes
// the daemon's radio out of split.
TEST(StationServers, RigctldIsToldWhatTheWindowShowsAndTheEndTakesTheRadioOutOfSplit) {
    struct Case {
        const char* family;
        bool windowClose;
    };
    for (const Case c : {Case{"Kenwood", false}, Case{"Icom", true}, Case{"Yaesu", false}}) {
        SCOPED_TRACE(c.family);
        DummyDaemon rigctld("rigctld");
        KELVORA_START_DAEMON(rigctld);
        KitApp k;
        k.data.Write("TRX.SQF", QByteArray(c.family) + "\r\n");
        UseDaemon(k.data, "CatServer.SQF", "rigctld", rigctld);
        SetLine(k.data, "SatStart.SQF", 11, "+");  // the radio server is used
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        ASSERT_TRUE(app.State().UseRadioServer);
        emit app.MainWindow()->ToggleClicked(TToggle::Cat);
        ASSERT_EQ(app.MainWindow()->findChild<QLabel*>("lblCat")->text(), "C+");
        Ticks(k, 3);

        // What went out at the last send is within the threshold of what is shown now.
        const double thresholdHz = LoadInterval(k.data.Folder());
        const QStringList shown = app.MainWindow()->FrequencyDisplay()->Text().split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(shown.size(), 2);
        const auto near = [&](const char* query, const QString& kHz) {
            const QStringList answer = rigctld.Ask(query, 1);
            return answer.size() == 1 && std::abs(answer[0].toDouble() - kHz.toDouble() * 1000) <= thresholdHz;
        };
        EXPECT_TRUE(PollUntil([&] { return near("f", shown[0]) && near("i", shown[1]); }))
            << rigctld.Ask("f", 1).join(' ').toStdString() << " / " << rigctld.Ask("i", 1).join(' ').toStdString()
            << " for " << shown.join(' ').toStdString();
        EXPECT_EQ(rigctld.Ask("s", 2), (QStringList{"1", "VFOB"}));

        if (c.windowClose) app.FormCloseQuery();
        else app.menBeendenClick();
        EXPECT_TRUE(app.Ended());
        EXPECT_TRUE(PollUntil([&] { return rigctld.Ask("s", 1) == QStringList{"0"}; }))
            << rigctld.Ask("s", 2).join(' ').toStdString();
        EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
    }
}

TEST(StationServers, TheRunningProgramsTrackingLineIsSeenFromOutside) {
    // The bus of this test alone: the program under test gets its address, the
    // other tests in this process keep the environment they had.
    const QByteArray before = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QString bus = PrivateSessionBus::Address();
    if (before.isEmpty()) qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else qputenv("DBUS_SESSION_BUS_ADDRESS", before);
    if (bus.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed (scripts/setup-deps installs it)";

    KitFolderCopy data;
    QTemporaryDir locks;
    QProcessEnvironment environment = ProgramEnvironment(locks.path());
    environment.insert("DBUS_SESSION_BUS_ADDRESS", bus);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    program.start(QStringLiteral(KELVORA_BINARY_DIR) + "/kelvoraiss",
                  {"--data-dir", data.Folder(), "--clock", "2024-02-12T12:00:00", "--quit-after-ticks", "60"});
    ASSERT_TRUE(program.waitForStarted(10000));

    TDdeClient logger(PrivateSessionBus::Connection("logger"), "kelvoraiss", kTrackingTopic);
    QByteArray requested;
    QElapsedTimer sinceAsked;
    const bool answered = PollUntil(
        [&] {
            if (requested.isEmpty() && (!sinceAsked.isValid() || sinceAsked.elapsed() > 200)) {
                sinceAsked.start();
                logger.Request(kTrackingItem, [&](const QByteArray& value) { requested = value; });
            }
            return !requested.isEmpty();
        },
        30000);
    ASSERT_TRUE(answered) << program.readAllStandardError().toStdString();
    QList<QByteArray> advised;
    ASSERT_TRUE(logger.StartAdvise([&](const QString&, const QByteArray& value) { advised << value; }));
    EXPECT_TRUE(PollUntil([&] { return !advised.isEmpty(); }, 10000));

    // The line other programs parse, or the text for no satellite in view.
    const QRegularExpression line(R"(^(SN\S+ AZ-?\d+[.,]\d EL-?\d+[.,]\d UP\d+ UM\S* DN\d+ DM\S* MA\S+ RR\S+\r\n)"
                                  R"(|\*\* NO SATELLITE \*\*\n\r\n)$)");
    EXPECT_TRUE(line.match(QString::fromLatin1(requested)).hasMatch()) << requested.toStdString();
    for (const QByteArray& value : advised)
        EXPECT_TRUE(line.match(QString::fromLatin1(value)).hasMatch()) << value.toStdString();
    program.terminate();
    program.waitForFinished(5000);
}
