// Positions and frequencies to Hamlib's dummy rotator and radio, read back with
// the daemons' own queries; a daemon that is down, comes back or refuses.

#include "AppState.h"
#include "HamlibLink.h"
#include "KitDataFolder.h"
#include "HamlibDaemon.h"
#include "StationServerLinks.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kelvora {
namespace {

using test::DummyDaemon;
using test::PollUntil;

class NoPause final : public ICatPause {
public:
    void Pause(std::chrono::milliseconds) override {}
};

class HamlibLinksTest : public ::testing::Test {
protected:
    void SetUp() override { State.DataFolder = Folder.path(); }
    std::unique_ptr<TStationServerLinks> MakeLinks(int rotorPort, int radioPort) {
        Write("RotorServer.SQF", "rotctld\r\n127.0.0.1:" + QByteArray::number(rotorPort) + "\r\n");
        Write("CatServer.SQF", "rigctld\r\n127.0.0.1:" + QByteArray::number(radioPort) + "\r\n");
        // No bus needed: Hamlib's daemons are reached over TCP.
        auto links = std::make_unique<TStationServerLinks>(TServerLinksSources{
            State, Prompt, Pause, QDBusConnection::connectToBus("unix:path=/nonexistent/kelvora-bus", "none")});
        links->ReadServerFiles();
        return links;
    }
    void Write(const char* name, const QByteArray& bytes) {
        QFile file(Folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir Folder;
    TAppState State;
    test::ScriptedPrompt Prompt;
    NoPause Pause;
};

TEST_F(HamlibLinksTest, RotctldReceivesThePositionAndNothingIsStarted) {
    DummyDaemon rotctld("rotctld");
    KELVORA_NEED_DAEMON(rotctld);
    ASSERT_TRUE(rotctld.Start());
    State.UseRotorServer = true;
    auto links = MakeLinks(rotctld.Port(), test::FreeLoopbackPort());
    links->StartServers();
    links->SendRotorPosition(4.0, 2.0);
    // The dummy turns at a few degrees a second: poll until it is there.
    EXPECT_TRUE(rotctld.RotorReaches(4.0, 2.0)) << rotctld.Ask("p", 2).join(' ').toStdString();
    EXPECT_TRUE(Prompt.Messages.isEmpty());
    links->StopServers();
}

TEST_F(HamlibLinksTest, RigctldReceivesSplitFrequenciesAndModes) {
    DummyDaemon rigctld("rigctld");
    KELVORA_NEED_DAEMON(rigctld);
    ASSERT_TRUE(rigctld.Start());
    State.UseRadioServer = true;
    auto links = MakeLinks(test::FreeLoopbackPort(), rigctld.Port());
    links->StartServers();
    IRadioServerLink& link = links->RadioLink();
    link.Open();
    link.SendFrequencies(145800.123, 435100.0);
    link.SendModes("USB", "LSB");
    ASSERT_TRUE(PollUntil([&] { return rigctld.Ask("x", 1) == QStringList{"LSB"}; }));
    EXPECT_EQ(rigctld.Ask("f", 1), QStringList{"145800123"});
    EXPECT_EQ(rigctld.Ask("i", 1), QStringList{"435100000"});
    EXPECT_EQ(rigctld.Ask("m", 1), QStringList{"USB"});
    EXPECT_EQ(rigctld.Ask("s", 2), (QStringList{"1", "VFOB"}));
    link.SendStep(145801.0);
    link.Close();
    ASSERT_TRUE(PollUntil([&] { return rigctld.Ask("s", 1) == QStringList{"0"}; }));
    EXPECT_EQ(rigctld.Ask("f", 1), QStringList{"145801000"});
    link.CloseLink();
}

TEST_F(HamlibLinksTest, ADaemonThatIsDownCostsNothingAndIsReachedOnceItRuns) {
    DummyDaemon rotctld("rotctld");
    KELVORA_NEED_DAEMON(rotctld);
    const int port = test::FreeLoopbackPort();
    State.UseRotorServer = true;
    auto links = MakeLinks(port, test::FreeLoopbackPort());
    links->StartServers();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 100; ++i) {
        links->SendRotorPosition(3.0, 1.0);
        QCoreApplication::processEvents();  // the refusals come in between, as between ticks
    }
    EXPECT_LT(timer.elapsed(), 500);
    // Positions go on as the ticks send them; the dummy rotor is asked where it is
    // only every quarter second, since asked more often it hardly turns.
    const auto positionsReach = [&](double azimuth, double elevation) {
        return PollUntil(
            [&] {
                links->SendRotorPosition(azimuth, elevation);
                QCoreApplication::processEvents();
                return rotctld.RotorReaches(azimuth, elevation, 300);
            },
            20000);
    };
    ASSERT_TRUE(rotctld.Start(port));
    // The next positions after the daemon came up reach it.
    EXPECT_TRUE(positionsReach(3.0, 1.0)) << rotctld.Ask("p", 2).join(' ').toStdString();
    // Killed mid-pass and started again: positions resume.
    rotctld.Stop();
    for (int i = 0; i < 5; ++i) {
        links->SendRotorPosition(2.0, 1.0);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(rotctld.Start(port));
    EXPECT_TRUE(positionsReach(2.0, 1.0)) << rotctld.Ask("p", 2).join(' ').toStdString();
}

// A daemon that takes the connection and then never reads or answers: the
// commands pile up in the buffers, the sender goes on.
TEST(HamlibLinkTest, ADaemonThatHangsDoesNotHoldTheSenderUp) {
    QTcpServer hung;
    ASSERT_TRUE(hung.listen(QHostAddress::LocalHost, 0));
    THamlibLink link("rotctld", {"127.0.0.1", hung.serverPort()});
    link.Open();
    ASSERT_TRUE(PollUntil([&] { return link.Connected(); }));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 20000; ++i) link.Send({"P 123.40 45.00"});
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(HamlibLinkTest, AWrongAnswerIsCountedAndLoggedNotThrown) {
    DummyDaemon rotctld("rotctld");
    KELVORA_NEED_DAEMON(rotctld);
    ASSERT_TRUE(rotctld.Start());
    THamlibLink link("rotctld", {"127.0.0.1", rotctld.Port()});
    link.Send({"P 210.00 110.00"});  // beyond the dummy's elevation range: "RPRT -1"
    EXPECT_TRUE(PollUntil([&] { return link.ErrorAnswers() == 1; }));
    link.Send({"P 1.00 1.00"});
    PollUntil([] { return false; }, 200);
    EXPECT_EQ(link.ErrorAnswers(), 1);
}

}  // namespace
}  // namespace kelvora
