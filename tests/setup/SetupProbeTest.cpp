// The "Test" buttons' probes: one read command to a radio played on a
// pseudo-terminal, and one query to Hamlib's rotctld and rigctld started on a free
// loopback port.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <chrono>

#include "QtSerialPort.h"
#include "HamlibDaemon.h"
#include "PtyRadio.h"
#include "SetupProbes.h"

namespace kelvora {
namespace {

using namespace std::chrono_literals;
using test::DummyDaemon;
using test::PtyRadio;

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int v : values) bytes += static_cast<char>(v);
    return bytes;
}

TSerialSettings PortOn(const std::string& path) {
    TSerialSettings settings;
    settings.PortNumber = 1;
    settings.DevicePath = path;
    settings.BaudRate = 9600;
    return settings;
}

TCatRadioSetup Radio(TRadioFamily family) {
    TCatRadioSetup radio;
    radio.Family = family;
    radio.Model = family == TRadioFamily::Icom ? "IC-9700" : "TS-2000";
    radio.IcomRxAddress = 0x60;
    radio.IcomTxAddress = 0x60;
    return radio;
}

TEST(RadioProbe, ReportsWhatTheRadioAnswersToItsReadCommand) {
    const std::string icomQuery = Bytes({0xFE, 0xFE, 0x60, 0x00, 0x03, 0xFD});
    struct TCase {
        TRadioFamily Family;
        std::string Command, Answer;
        const char* Expected;
    };
    const std::vector<TCase> cases = {
        {TRadioFamily::Icom, icomQuery,
         icomQuery + Bytes({0xFE, 0xFE, 0x00, 0x60, 0x03, 0x00, 0x50, 0x80, 0x45, 0x01, 0xFD}),
         "the radio answers 145805.000 kHz"},
        {TRadioFamily::Icom, icomQuery,
         icomQuery + Bytes({0xFE, 0xFE, 0x00, 0x60, 0xFA, 0xFD, 0xFE, 0xFE, 0x00, 0x60, 0xFA, 0xFD}),
         "answer not understood: FE FE 60 00 03 FD FE FE 00 60 FA FD"},
        {TRadioFamily::Kenwood, "FA;", "FA00435300000;", "the radio answers 435300.000 kHz"},
        {TRadioFamily::Kenwood, "FA;", "?;", "answer not understood: ?;"},
        {TRadioFamily::Kenwood, "FA;", "", "no answer to \"FA;\""},
        {TRadioFamily::Yaesu, "", "", "Yaesu radios are not asked anything"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        const PtyRadio radio(c.Family, 0x60, {{c.Command, c.Answer}});
        ASSERT_TRUE(radio.Ok());
        TQtSerialPort port;
        const QString result = ProbeRadio(port, Radio(c.Family), PortOn(radio.SlavePath()), 300ms);
        EXPECT_TRUE(result.contains(QString::fromLatin1(c.Expected))) << result.toStdString();
        EXPECT_TRUE(result.startsWith(QString::fromStdString(radio.SlavePath()) + " opened at 9600 baud"))
            << result.toStdString();
    }
}

TEST(RadioProbe, NamesTheDeviceThatDoesNotOpen) {
    TQtSerialPort port;
    const QString result = ProbeRadio(port, Radio(TRadioFamily::Icom), PortOn("/dev/no-such-radio"), 100ms);
    EXPECT_TRUE(result.startsWith("/dev/no-such-radio could not be opened: ")) << result.toStdString();
}

TEST(KenwoodAnswer, FrequencyOfTheFaAnswer) {
    EXPECT_DOUBLE_EQ(KenwoodFrequencyAnswer("FA00145800500;").value_or(0), 145800.5);
    EXPECT_FALSE(KenwoodFrequencyAnswer("FA0014580050;").has_value());
    EXPECT_FALSE(KenwoodFrequencyAnswer("FA0014580x500;").has_value());
    EXPECT_FALSE(KenwoodFrequencyAnswer("").has_value());
}

TEST(HamlibProbe, RotctldAnswersThePositionQuery) {
    DummyDaemon rotctld("rotctld");
    KELVORA_START_DAEMON(rotctld);
    const QString result = ProbeHamlibServer(rotctld.Address(), "p", 2, 3000ms);
    EXPECT_TRUE(result.contains(QRegularExpression("^p: -?\\d+\\.\\d+ -?\\d+\\.\\d+$"))) << result.toStdString();
}

TEST(HamlibProbe, RigctldAnswersTheFrequencyQuery) {
    DummyDaemon rigctld("rigctld");
    KELVORA_START_DAEMON(rigctld);
    const QString result = ProbeHamlibServer(rigctld.Address(), "f", 1, 3000ms);
    EXPECT_TRUE(result.contains(QRegularExpression("^f: \\d+$"))) << result.toStdString();
}

TEST(HamlibProbe, NoServerOnThePortIsReportedAtOnce) {
    const QString address = QStringLiteral("127.0.0.1:%1").arg(test::FreeLoopbackPort());
    const QString result = ProbeHamlibServer(address, "p", 2, 2000ms);
    EXPECT_TRUE(result.startsWith("No connection to " + address)) << result.toStdString();
    EXPECT_EQ(ProbeHamlibServer("localhost", "p", 2, 100ms), "\"localhost\" is not host:port");
}

TEST(HamlibProbe, AServerThatNeverAnswersEndsAtTheWait) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(silent.serverPort());
    const QString result = ProbeHamlibServer(address, "f", 1, 300ms);
    EXPECT_EQ(result, "No answer to \"f\" from " + address);
}

}  // namespace
}  // namespace kelvora
