// The whole program with CAT on against a scripted radio on a pseudo-terminal,
// through the real serial port: the radio is told what the window shows, quitting
// leaves it receiving, and a radio that goes away mid-pass stops CAT, not the tracking.
#include "AusgabeU.h"
#include "CatControl.h"
#include "DateTimeBox.h"
#include "KelvoraApp.h"
#include "KitAppFixture.h"
#include "PtyRadio.h"
#include "TextLineBox.h"

#include <QLabel>
#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace kelvora;
using namespace kelvora::test;

namespace {

struct Radio {
    const char* name;
    TRadioFamily family;
    std::uint8_t address;  // Icom: the CI-V address the radio answers to
    const char* trx;
    const char* parameterFile;
    const char* parameters;
};

const Radio kFt847{"FT-847", TRadioFamily::Yaesu, 0, "Yaesu", "YaesuPar.SQF", "1\r\n1\r\n9600\r\nFT-847\r\n"};
const Radio kIc9700{"IC-9700", TRadioFamily::Icom, 0xA2, "Icom", "IcomPar.SQF", "9600\r\n162 162\r\n"};
const Radio kTs2000{"TS-2000", TRadioFamily::Kenwood, 0,
                    "Kenwood", "KenwoodPar.SQF",      "TS-2000\r\n9600\r\n0\r\nTraceOff\r\n"};

// The kit with the radio on port 1 and that port on the terminal. An Icom or Kenwood
// answer is awaited for a pause or two: the pause must leave the radio time to answer.
void ConnectRadio(KitApp& k, const Radio& r, const PtyRadio& radio) {
    k.data.Write("TRX.SQF", QByteArray(r.trx) + "\r\n");
    k.data.Write(r.parameterFile, r.parameters);
    if (r.family == TRadioFamily::Icom) k.data.Write("IcomName.SQF", "IC-9700\r\n");
    k.data.Write("SerialPorts.SQF", "1=" + QByteArray::fromStdString(radio.SlavePath()) + "\r\n");
    QStringList ini = k.data.Lines("SatIni.SQF");
    ini[4] = "1";  // the CAT port
    ini[5] = "20";  // the CAT pause, ms
    k.data.Write("SatIni.SQF", ini.join("\r\n").toLatin1() + "\r\n");
}

void Ticks(KitApp& k, int count, int stepMs = 1000) {
    for (int tick = 0; tick < count; ++tick) {
        k.clock.Advance(stepMs);
        k.app->Timer1Timer();
    }
}

QString CatText(KitApp& k) { return k.app->MainWindow()->findChild<QLabel*>("lblCat")->text(); }

int Bcd(unsigned char byte) { return (byte >> 4) * 10 + (byte & 0x0F); }

// The receive frequency in Hz of the last frequency command, read as the radio reads it.
std::optional<double> LastReceiveHz(TRadioFamily family, const std::string& bytes) {
    std::optional<double> hz;
    if (family == TRadioFamily::Yaesu) {  // five-byte blocks; opcode 01: the main VFO, BCD in 10 Hz
        for (std::size_t k = 0; k + 5 <= bytes.size(); k += 5) {
            if (bytes[k + 4] != '\x01') continue;
            double value = 0;
            for (int b = 0; b < 4; ++b) value = value * 100 + Bcd(static_cast<unsigned char>(bytes[k + b]));
            hz = value * 10;
        }
    } else if (family == TRadioFamily::Icom) {  // set frequency to the radio, after "select main"
        const std::string main("\xFE\xFE\xA2\x00\x07\x00\xFD\xFE\xFE\xA2\x00\x05", 12);
        for (std::size_t at = bytes.find(main); at != std::string::npos; at = bytes.find(main, at + 1)) {
            double value = 0;
            for (int b = 4; b >= 0; --b) value = value * 100 + Bcd(static_cast<unsigned char>(bytes[at + 12 + b]));
            hz = value;
        }
    } else {  // "FA" + eleven digits of Hz + ";"
        for (std::size_t at = bytes.find("FA"); at != std::string::npos; at = bytes.find("FA", at + 1))
            hz = std::stod(bytes.substr(at + 2, 11));
    }
    return hz;
}

}  // namespace

TEST(RadioOnTerminal, TheRadioIsToldWhatTheWindowShowsAndQuittingLeavesItReceiving) {
    struct Case {
        const Radio& radio;
        bool windowClose;
        std::string quitBytes;
    };
    const Case cases[] = {
        // receive (PTT off), shift off, satellite mode off, CAT off
        {kFt847, false, std::string("\x80\x80\x80\x80\x88\0\0\0\0\x89\x80\x80\x80\x80\x8E\x80\x80\x80\x80\x80", 20)},
        // receive at shutdown to the transmit address, split off
        {kIc9700, false, std::string("\xFE\xFE\xA2\x00\x1C\x00\x00\xFD\xFE\xFE\xA2\x00\x0F\x00\xFD", 15)},
        {kTs2000, false, ";RX;FT0;"},
        {kTs2000, true, ";RX;FT0;RX;"},  // closing the window adds a last "RX;"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.radio.name) + (c.windowClose ? ", window closed" : ", quit"));
        PtyRadio radio(c.radio.family, c.radio.address);
        ASSERT_TRUE(radio.Ok());
        KitApp k;
        ConnectRadio(k, c.radio, radio);
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        emit app.MainWindow()->ToggleClicked(TToggle::Cat);
        EXPECT_EQ(CatText(k), "C+");
        Ticks(k, 4);

        // The ISS's downlink moves by about a hertz a second here: what went out at the
        // last send is within a few hertz of what the window shows now.
        const QStringList shown = app.MainWindow()->FrequencyDisplay()->Text().split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(shown.size(), 2);
        const std::string sent = radio.ReceivedWhenQuiet();
        const std::optional<double> receiveHz = LastReceiveHz(c.radio.family, sent);
        ASSERT_TRUE(receiveHz) << "no frequency reached the radio";
        EXPECT_NEAR(*receiveHz, shown[0].toDouble() * 1000, 20);
        // With KELVORA_SCREENSHOT_DIR set, the window with CAT on is saved there.
        const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
        if (!folder.isEmpty() && !c.windowClose)
            app.MainWindow()->grab().save(folder + "/main-window-cat-on-" + c.radio.name + ".png");

        if (c.windowClose) app.FormCloseQuery();
        else app.menBeendenClick();
        const std::string atQuit = radio.ReceivedWhenQuiet().substr(sent.size());
        EXPECT_EQ(atQuit, c.quitBytes);
        EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
    }
}

// The cable is pulled during a pass: CAT goes off, the clock and the map go on, the
// next "C+" says why CAT stays off, and quitting neither hangs nor complains.
TEST(RadioOnTerminal, RadioUnpluggedMidPass) {
    for (const Radio* r : {&kFt847, &kIc9700, &kTs2000}) {
        SCOPED_TRACE(r->name);
        auto radio = std::make_unique<PtyRadio>(r->family, r->address);
        ASSERT_TRUE(radio->Ok());
        KitApp k;
        ConnectRadio(k, *r, *radio);
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        emit app.MainWindow()->ToggleClicked(TToggle::Cat);
        Ticks(k, 3);
        ASSERT_EQ(CatText(k), "C+");

        radio->Unplug();
        const QString before = app.MainWindow()->DateTimeBox()->TimeText();
        // Twenty-minute steps move the downlink past the threshold: a Yaesu, which never
        // answers, is found gone when the next frequency does not go out.
        Ticks(k, 3, 1200000);
        EXPECT_EQ(CatText(k), "C-");
        EXPECT_FALSE(app.State().Tracking.CatOn);
        EXPECT_NE(app.MainWindow()->DateTimeBox()->TimeText(), before);  // tracking goes on
        EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();

        emit app.MainWindow()->ToggleClicked(TToggle::Cat);
        EXPECT_EQ(CatText(k), "C-");
        ASSERT_EQ(k.prompt.Messages.size(), 1);
        EXPECT_EQ(k.prompt.Messages[0].toStdString(), kCatDisabledMessage);
        app.menBeendenClick();
        EXPECT_TRUE(app.Ended());
        EXPECT_EQ(k.prompt.Messages.size(), 1);
    }
}
