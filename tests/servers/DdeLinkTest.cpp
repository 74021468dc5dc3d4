// The D-Bus conversations on a private session bus: names, macros, pokes,
// requests and advise loops, and a caller that never waits for a server.

#include "DdeClient.h"
#include "DdeNames.h"
#include "DdeServer.h"
#include "PollUntil.h"
#include "PrivateSessionBus.h"
#include "TrackingDataServer.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace kelvora {
namespace {

using test::PollUntil;
using test::PrivateSessionBus;

const auto* const kBusEnvironment = ::testing::AddGlobalTestEnvironment(new test::PrivateSessionBusEnvironment);

TEST(DdeNamesTest, ServiceAndTopicBecomeBusNameAndPath) {
    EXPECT_EQ(BusNameOf("kelvoraiss"), "org.kelvora.dde.kelvoraiss");
    EXPECT_EQ(BusNameOf("ServerEGIS"), "org.kelvora.dde.ServerEGIS");
    EXPECT_EQ(BusNameOf("Cat-Server 2.0"), "org.kelvora.dde.Cat_Server_2_0");
    EXPECT_EQ(BusNameOf("32bit"), "org.kelvora.dde._32bit");
    EXPECT_EQ(ObjectPathOf("MiradDdeConv"), "/MiradDdeConv");
    EXPECT_EQ(ObjectPathOf("RCI"), "/RCI");
    EXPECT_EQ(ProgramServiceName("/usr/bin/kelvoraiss"), "kelvoraiss");
    EXPECT_EQ(ProgramServiceName("/opt/Kelvora.bin.exe"), "Kelvora");
}

class DdeLinkTest : public ::testing::Test {
protected:
    void SetUp() override { KELVORA_NEED_SESSION_BUS(); }
};

TEST_F(DdeLinkTest, MacrosAndPokesReachTheServerUnchanged) {
    TDdeServer server(PrivateSessionBus::Connection("rotor-server"), "ServerEGIS", "RotServConv");
    ASSERT_TRUE(server.Registered());
    QStringList macros;
    QList<QByteArray> pokes;
    server.OnExecute = [&](const QString& macro) { macros << macro; };
    server.OnPoke = [&](const QString& item, const QByteArray& value) { pokes << item.toLatin1() + "=" + value; };

    TDdeClient client(PrivateSessionBus::Connection("program"), "ServerEGIS", "RotServConv");
    client.Execute("ClientOn");
    client.Execute("123,40 045,00");
    client.Poke("AZIMUTH", "GA:123");
    ASSERT_TRUE(PollUntil([&] { return macros.size() == 2 && pokes.size() == 1; }));
    EXPECT_EQ(macros, (QStringList{"ClientOn", "123,40 045,00"}));
    EXPECT_EQ(pokes, (QList<QByteArray>{"AZIMUTH=GA:123"}));
    EXPECT_TRUE(PollUntil([&] { return client.Linked(); }));
}

TEST_F(DdeLinkTest, TheTrackingItemIsEmptyFirstThenAdvisedWithCrLf) {
    TTrackingDataServer server(PrivateSessionBus::Connection("tracker"), "kelvoraiss");
    ASSERT_TRUE(server.Registered());
    TDdeClient client(PrivateSessionBus::Connection("logger"), "kelvoraiss", kTrackingTopic);
    QList<QByteArray> advised;
    ASSERT_TRUE(client.StartAdvise([&](const QString& item, const QByteArray& value) {
        if (item == kTrackingItem) advised << value;
    }));
    std::optional<QByteArray> first;
    client.Request(kTrackingItem, [&](const QByteArray& value) { first = value; });
    ASSERT_TRUE(PollUntil([&] { return first.has_value(); }));
    EXPECT_EQ(*first, QByteArray());

    const QByteArray line = "SNISS AZ123.4 EL5.1 UP145200000 UMFM DN145800123 DMFM MA12.3 RR-6.5\r\n";
    server.Publish(line);
    server.Publish(line);  // unchanged, still heard
    ASSERT_TRUE(PollUntil([&] { return advised.size() == 2; }));
    EXPECT_EQ(advised[0], line);
    EXPECT_EQ(advised[1], line);
    std::optional<QByteArray> now;
    client.Request(kTrackingItem, [&](const QByteArray& value) { now = value; });
    ASSERT_TRUE(PollUntil([&] { return now.has_value(); }));
    EXPECT_EQ(*now, line);
}

TEST_F(DdeLinkTest, APokedValueStandsUntilTheNextPublish) {
    TTrackingDataServer server(PrivateSessionBus::Connection("tracker-poke"), "pokedtracker");
    TDdeClient client(PrivateSessionBus::Connection("poker"), "pokedtracker", kTrackingTopic);
    QList<QByteArray> advised;
    client.StartAdvise([&](const QString&, const QByteArray& value) { advised << value; });
    client.Poke(kTrackingItem, "from a client\r\n");
    ASSERT_TRUE(PollUntil([&] { return advised.size() == 1; }));
    EXPECT_EQ(advised[0], "from a client\r\n");
    server.Publish("** NO SATELLITE **\n\r\n");
    ASSERT_TRUE(PollUntil([&] { return advised.size() == 2; }));
    EXPECT_EQ(advised[1], "** NO SATELLITE **\n\r\n");
}

TEST_F(DdeLinkTest, AnAbsentOrSilentServerDoesNotDelayTheSender) {
    TDdeClient absent(PrivateSessionBus::Connection("sender-1"), "NobodyHere", "RotServConv");
    // Registered but never given a turn of the event loop while the sends go out.
    TDdeServer silent(PrivateSessionBus::Connection("silent"), "SilentServer", "RotServConv");
    TDdeClient toSilent(PrivateSessionBus::Connection("sender-2"), "SilentServer", "RotServConv");
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 100; ++i) {
        absent.Execute("123 45");
        absent.Poke("AZIMUTH", "GA:123");
        toSilent.Execute("123 45");
    }
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_FALSE(absent.Linked());
}

TEST(DdeWithoutBusTest, NothingIsSentAndNothingFails) {
    const QDBusConnection none = QDBusConnection::connectToBus("unix:path=/nonexistent/kelvora-bus", "none");
    ASSERT_FALSE(none.isConnected());
    TDdeServer server(none, "kelvoraiss", kTrackingTopic);
    EXPECT_FALSE(server.Registered());
    server.SetItem(kTrackingItem, "line\r\n");
    EXPECT_EQ(server.Item(kTrackingItem), "line\r\n");
    TDdeClient client(none, "ServerEGIS", "RotServConv");
    client.Execute("ClientOn");
    client.Poke("AZIMUTH", "GA:1");
    std::optional<QByteArray> answer;
    client.Request(kTrackingItem, [&](const QByteArray& value) { answer = value; });
    EXPECT_EQ(answer, QByteArray());
    EXPECT_FALSE(client.StartAdvise([](const QString&, const QByteArray&) {}));
}

}  // namespace
}  // namespace kelvora
