// The station's server links against recording D-Bus servers on the private bus:
// exact macro texts and pokes, the start of the rotor server program, the
// second-instance rule and the order of the stop.

#include "AppState.h"
#include "DdeServer.h"
#include "KitDataFolder.h"
#include "PollUntil.h"
#include "PrivateSessionBus.h"
#include "StationServerLinks.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <cmath>
#include <limits>

namespace kelvora {
namespace {

using test::PollUntil;
using test::PrivateSessionBus;

// The waits, recorded instead of waited.
class RecordedPause final : public ICatPause {
public:
    std::vector<long> Waits;
    void Pause(std::chrono::milliseconds length) override { Waits.push_back(static_cast<long>(length.count())); }
};

// A server program that records every macro and poke, in order.
struct RecordingServer {
    RecordingServer(const QString& connection, const QString& service, const QString& topic)
        : Server(PrivateSessionBus::Connection(connection), service, topic) {
        Server.OnExecute = [this](const QString& macro) { Heard << macro; };
        Server.OnPoke = [this](const QString& item, const QByteArray& value) {
            Heard << item + "<-" + QString::fromLatin1(value);
        };
    }
    TDdeServer Server;
    QStringList Heard;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class StationServerLinksTest : public ::testing::Test {
protected:
    void SetUp() override {
        KELVORA_NEED_SESSION_BUS();
        State.DataFolder = Folder.path();
        WriteServerFiles("ServerEGIS\r\n", "RadioSrv\r\n");
    }
    void WriteServerFiles(const QByteArray& rotor, const QByteArray& radio) {
        WriteFile(Folder.filePath("RotorServer.SQF"), rotor);
        WriteFile(Folder.filePath("CatServer.SQF"), radio);
    }
    std::unique_ptr<TStationServerLinks> MakeLinks() {
        auto links = std::make_unique<TStationServerLinks>(TServerLinksSources{
            State, Prompt, Pause, PrivateSessionBus::Connection("program-" + QString::number(++connections_)),
            [this](const QString& program, const QString& folder) {
                Launched << program + " in " + folder;
                return true;
            }});
        links->ReadServerFiles();
        return links;
    }

    QTemporaryDir Folder;
    TAppState State;
    test::ScriptedPrompt Prompt;
    RecordedPause Pause;
    QStringList Launched;

private:
    int connections_ = 0;
};

TEST_F(StationServerLinksTest, DecimalServerGetsClientOnPositionsAndCloseWithTheStoredCapitals) {
    RecordingServer rotor("egis", "ServerEGIS", "RotServConv");
    State.UseRotorServer = true;
    State.DecimalSeparator = ',';
    auto links = MakeLinks();
    links->StartServers();
    links->SendRotorPosition(122.5, 44.5);
    links->SendRotorPosition(std::numeric_limits<double>::quiet_NaN(), 10);  // never leaves
    links->SendRotorPosition(200, std::numeric_limits<double>::infinity());
    links->StopServers();
    ASSERT_TRUE(PollUntil([&] { return rotor.Heard.size() >= 3; }));
    PollUntil([] { return false; }, 100);  // anything more would arrive meanwhile
    EXPECT_EQ(rotor.Heard, (QStringList{"ClientOn", "122,50 044,50", "Close"}));
    // Not found: the warning, and no 1.2 s for a program that was never started.
    ASSERT_EQ(Prompt.Messages.size(), 1);
    EXPECT_EQ(Prompt.Messages[0],
              "Server program ServerEGIS.exe not found!\n"
              "Open menu Setup/Rotor Setup and search the server file.");
    EXPECT_EQ(Pause.Waits, (std::vector<long>{1000}));
}

TEST_F(StationServerLinksTest, TheServerProgramStartsInItsOwnFolderAndIsWaitedFor) {
    const QString program = Folder.filePath("bin/ServerLabJack");
    QDir().mkpath(Folder.filePath("bin"));
    WriteFile(program, "#!/bin/sh\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    WriteServerFiles(program.toLatin1() + "\r\n", "RadioSrv\r\n");
    RecordingServer rotor("labjack", "ServerLabJack", "RotServConv");
    State.UseRotorServer = true;
    auto links = MakeLinks();
    links->StartServers();
    links->SendRotorPosition(122.5, 44.5);
    ASSERT_TRUE(PollUntil([&] { return rotor.Heard.size() == 2; }));
    EXPECT_EQ(rotor.Heard[1], "122.5 044.5");
    EXPECT_EQ(Launched, (QStringList{program + " in " + Folder.filePath("bin")}));
    EXPECT_TRUE(Prompt.Messages.isEmpty());
    EXPECT_EQ(Pause.Waits, (std::vector<long>{1200}));
}

TEST(RotorServerProgramTest, IsThePathWhenExecutableElseThePathWithExe) {
    QTemporaryDir folder;
    WriteFile(folder.filePath("plain"), "#!/bin/sh\n");
    QFile::setPermissions(folder.filePath("plain"), QFile::ReadOwner | QFile::ExeOwner);
    WriteFile(folder.filePath("Windows.exe"), "MZ");
    EXPECT_EQ(RotorServerProgram(folder.filePath("plain")), folder.filePath("plain"));
    EXPECT_EQ(RotorServerProgram(folder.filePath("Windows")), folder.filePath("Windows.exe"));
    EXPECT_EQ(RotorServerProgram(folder.filePath("missing")), QString());
    EXPECT_EQ(RotorServerProgram(""), QString());
}

TEST_F(StationServerLinksTest, ArswinIsPokedWithWholeDegreesAndLinksOnceItRuns) {
    WriteServerFiles("C:\\Arswin\\ARSWIN32\r\n", "RadioSrv\r\n");
    State.UseRotorServer = true;
    auto links = MakeLinks();
    links->StartServers();
    links->SendRotorPosition(122.5, 44.5);  // not running yet: lost, no delay
    RecordingServer arswin("arswin", "arswin32", "RCI");
    links->SendRotorPosition(123.4, 45.6);
    ASSERT_TRUE(PollUntil([&] { return arswin.Heard.size() == 2; }));
    EXPECT_EQ(arswin.Heard, (QStringList{"AZIMUTH<-GA:123", "AZIMUTH<-GE:46"}));
    links->StopServers();
    EXPECT_TRUE(Pause.Waits.empty());
    PollUntil([] { return false; }, 100);
    EXPECT_EQ(arswin.Heard.size(), 2);  // no "Close" for ARSWIN
}

TEST_F(StationServerLinksTest, RadioServerMacrosInTheirOrder) {
    RecordingServer radio("radio", "RadioSrv", "CatServConv");
    State.UseRadioServer = true;
    auto links = MakeLinks();
    int radioLinked = 0;
    links->RadioLinked = [&] { ++radioLinked; };
    links->StartServers();
    IRadioServerLink& link = links->RadioLink();
    link.Open();
    link.SendFrequencies(145800.123, 0.0);
    link.SendStep(145800.5);
    link.SendModes("USB", "LSB");
    link.Close();
    link.CloseLink();
    links->StopServers();  // already closed: nothing twice
    link.SendStep(1.0);  // after the end: nothing
    ASSERT_TRUE(PollUntil([&] { return radio.Heard.size() >= 7; }));
    PollUntil([] { return false; }, 100);
    EXPECT_EQ(radio.Heard, (QStringList{"ClientOn", "RaOpen", "SF0145800.123 0000000.000", "SF0145800.500", "SMUSB LSB",
                                        "RaClose", "Close"}));
    EXPECT_EQ(radioLinked, 1);
    EXPECT_EQ(Pause.Waits, (std::vector<long>{1000}));
}

TEST_F(StationServerLinksTest, ASecondInstanceLeavesTheServersToTheFirst) {
    RecordingServer rotor("egis-2", "ServerEGIS", "RotServConv");
    RecordingServer radio("radio-2", "RadioSrv", "CatServConv");
    State.SecondInstance = true;
    State.UseRotorServer = false;  // forced off at start in a second instance
    State.UseRadioServer = true;
    auto links = MakeLinks();
    links->StartServers();
    links->SendRotorPosition(10, 20);
    links->RadioLink().SendModes("FM", "FM");
    links->RadioLink().CloseLink();
    links->StopServers();
    ASSERT_TRUE(PollUntil([&] { return radio.Heard.size() == 2; }));
    PollUntil([] { return false; }, 100);
    // The radio server is used during the run, but never closed by the second instance.
    EXPECT_EQ(radio.Heard, (QStringList{"ClientOn", "SMFM FM"}));
    EXPECT_TRUE(rotor.Heard.isEmpty());
    EXPECT_TRUE(Pause.Waits.empty());
    EXPECT_TRUE(Launched.isEmpty());
}

TEST_F(StationServerLinksTest, OldFilesOfOneLineAndAMissingFile) {
    WriteServerFiles("rotctld\r\n", "rigctld");
    auto links = MakeLinks();
    EXPECT_EQ(links->RotorKind(), TRotorServerKind::Rotctld);
    EXPECT_EQ(links->Files().RotorDaemon.Port, 4533);
    EXPECT_EQ(links->Files().RadioDaemon.Port, 4532);
    WriteServerFiles("/usr/bin/rotctld\r\nrotorpi:4600\r\n", "rigctld\r\n[::1]:4700\r\n");
    links->ReadServerFiles();
    EXPECT_EQ(links->Files().RotorDaemon.Host, "rotorpi");
    EXPECT_EQ(links->Files().RotorDaemon.Port, 4600);
    EXPECT_EQ(links->Files().RadioDaemon.Host, "::1");
    EXPECT_EQ(links->Files().RadioDaemon.Port, 4700);
    QFile::remove(Folder.filePath("CatServer.SQF"));
    EXPECT_ANY_THROW(links->ReadServerFiles());
}

}  // namespace
}  // namespace kelvora
