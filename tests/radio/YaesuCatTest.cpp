// Yaesu five-byte blocks, byte for byte.
#include <gtest/gtest.h>

#include <limits>

#include "CatTestText.h"
#include "YaesuCat.h"

namespace kelvora {
namespace {

using testing::ScriptText;

TYaesuCat Radio(TYaesuModel model) { return TYaesuCat(model, 0x1E, 0x2E); }

TFrequencyRequest Request(double rx, double tx, double rxOffset = 0.0, double txOffset = 0.0) {
    return {rx, tx, rxOffset, txOffset};
}

TEST(YaesuEncode, FrequencyDigitsBecomeTheFourParameterBytes) {
    // "0000000.00" without the point; characters 2-9 as hex pairs; 1.2 GHz: "12" -> nibble C.
    struct Case {
        double kHz;
        const char* bytes;
    } cases[] = {
        {145990.00, "14 59 90 00 01"},  // worked example
        {1296000.00, "C9 60 00 00 01"},  // worked example
        {435000.00, "43 50 00 00 01"},  {29500.00, "02 95 00 00 01"},   {145990.004, "14 59 90 00 01"},  // 10 Hz steps
        {145990.005, "14 59 90 01 01"},  // half up at the 10 Hz digit
        {999999.99, "99 99 99 99 01"},  {1299999.99, "C9 99 99 99 01"},
    };
    for (const auto& c : cases) {
        TYaesuCat radio = Radio(TYaesuModel::FT847);
        EXPECT_EQ(HexBytes(radio.EncodeFrequency(c.kHz, 0x01)), c.bytes) << c.kHz;
    }
}

TEST(YaesuEncode, RefusesWhatTheFormatCannotHold) {
    const double refused[] = {0.0,
                              -145990.0,
                              0.001,  // rounds to nothing at 10 Hz
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              999999.996,  // rounds to 1000000.00: the leading 1 would be lost
                              1000000.0,
                              1199999.99,
                              1300000.0,
                              2400000.0,  // "24" is no C band
                              10000000.0};
    for (double kHz : refused) {
        TYaesuCat radio = Radio(TYaesuModel::FT847);
        EXPECT_TRUE(radio.EncodeFrequency(kHz, 0x01).empty()) << kHz;
    }
}

TEST(YaesuEncode, ModeKeepsTheBytesThePreviousCommandLeft) {
    TYaesuCat radio = Radio(TYaesuModel::Other);
    radio.EncodeFrequency(145990.0, 0x01);
    EXPECT_EQ(HexBytes(radio.EncodeMode("USB")), "01 59 90 00 07");
    EXPECT_EQ(HexBytes(radio.EncodeMode("CWN")), "82 59 90 00 07");
    EXPECT_EQ(HexBytes(radio.EncodeMode("FMN")), "88 59 90 00 07");
    EXPECT_EQ(HexBytes(radio.EncodeMode("USB-D")), "88 59 90 00 07");  // no code: byte 1 stays
    struct Case {
        const char* mode;
        const char* code;
    } codes[] = {{"LSB", "00"}, {"USB", "01"}, {"CW", "02"}, {"CWN", "82"}, {"FM", "08"}, {"FMN", "88"}};
    for (const auto& c : codes) EXPECT_EQ(HexBytes(radio.EncodeMode(c.mode)).substr(0, 2), c.code) << c.mode;
}

TEST(YaesuScripts, FixedSequencesPerModel) {
    struct Case {
        TYaesuModel model;
        bool selected;  // an entry 145800 down / 435000 up was chosen (down below up: 49)
        const char* catOn;
        const char* catOff;
        const char* quit;
        const char* satModeOff;
    } cases[] = {
        {TYaesuModel::FT847, false, "00 00 00 00 00 | P | 89 00 00 00 09 | P", "P | 80 80 80 80 80",
         "89 00 00 00 89 | P | 80 80 80 80 8E | P | 80 80 80 80 80 | P", "80 80 80 80 8E"},
        {TYaesuModel::FT847, true, "00 00 00 00 00 | P | 00 00 00 00 49 | P", "P | 80 80 80 80 80",
         "00 00 00 00 89 | P | 80 80 80 80 8E | P | 80 80 80 80 80 | P", "80 80 80 80 8E"},
        {TYaesuModel::FT736R, false, "00 00 00 00 00 | P | P", "00 00 00 00 89 | P | 80 80 80 80 80",
         "P | 80 80 80 80 80 | P", "80 80 80 80 80 | P | 80 80 80 80 80"},
        {TYaesuModel::FT736R, true, "00 00 00 00 00 | P | 00 00 00 00 49 | P", "00 00 00 00 89 | P | 80 80 80 80 80",
         "00 00 00 00 89 | P | 80 80 80 80 80 | P", "80 80 80 80 80 | P | 80 80 80 80 80"},
        {TYaesuModel::Other, true, "00 00 00 00 00 | P | 00 00 00 00 49 | P", "",
         "00 00 00 00 89 | P | 80 80 80 80 8E | P", "80 80 80 80 8E | P | 80 80 80 80 80"},
    };
    for (const auto& c : cases) {
        TYaesuCat radio = Radio(c.model);
        if (c.selected) radio.EntrySelected(145800, 435000);
        EXPECT_EQ(ScriptText(radio.CatOnCommands()), c.catOn);
        EXPECT_EQ(ScriptText(radio.CatOffCommands()), c.catOff);
        EXPECT_EQ(ScriptText(radio.QuitCommands(TQuitPath::QuitMenu)), c.quit);
        EXPECT_EQ(ScriptText(radio.QuitCommands(TQuitPath::WindowClose)), c.quit);
        EXPECT_EQ(ScriptText(radio.SatModeOff()), c.satModeOff);
    }
}

TEST(YaesuScripts, TransmitAndReceiveAreYaesuBlocks) {
    TYaesuCat radio = Radio(TYaesuModel::FT847);
    EXPECT_EQ(ScriptText(radio.TransmitOn()), "80 80 80 80 08");
    EXPECT_EQ(ScriptText(radio.TransmitOff()), "80 80 80 80 88");
    EXPECT_EQ(ScriptText(radio.PttOff()), "00 00 00 00 88");
    EXPECT_EQ(ScriptText(radio.ForceReceive()), "80 80 80 80 88 | P");
    EXPECT_TRUE(radio.PortInitCommands().empty());
}

TEST(YaesuShift, SelectionChoosesTheDirectionByTheEntrysPair) {
    TYaesuCat radio = Radio(TYaesuModel::Other);
    EXPECT_TRUE(radio.ShiftCommand().empty());  // not the FT-847: unknown until an entry is chosen
    radio.EntrySelected(435800, 145900);
    EXPECT_EQ(HexBytes(radio.ShiftCommand()), "00 00 00 00 09");
    radio.EntrySelected(145900, 435800);
    EXPECT_EQ(HexBytes(radio.ShiftCommand()), "00 00 00 00 49");
    radio.EntrySelected(145900, 0.0);  // no uplink: the downlink is above it
    EXPECT_EQ(HexBytes(radio.ShiftCommand()), "00 00 00 00 09");
}

TEST(YaesuUpdate, FrequencyUpdatePerModel) {
    struct Case {
        const char* what;
        TYaesuModel model;
        TFrequencyRequest request;
        const char* script;
    } cases[] = {
        // FT-736R, 145900 down / 435900 up, 290000 apart: the shift chosen at selection stays, F9 carries
        // the 290000.00 kHz offset.
        {"736 apart", TYaesuModel::FT736R, Request(145900, 435900),
         "00 00 00 00 49 | P | 14 59 00 00 01 | P | 29 00 00 00 F9 | P"},
        // Both within 50 kHz (mode B on one band): rx above tx -> 09, the offset 30 kHz.
        {"736 close", TYaesuModel::FT736R, Request(435930, 435900),
         "00 00 00 00 09 | P | 43 59 30 00 01 | P | 00 00 30 00 F9 | P"},
        // The offsets come off each path; the F9 offset is tx' against rx without its offset.
        {"736 converters", TYaesuModel::FT736R, Request(145900, 1268100, 0, 1000000),
         "00 00 00 00 49 | P | 14 59 00 00 01 | P | 12 22 00 00 F9 | P"},
        // Only the FT-736R sends a shift or an uplink in the per-cycle update.
        {"847", TYaesuModel::FT847, Request(145900, 435900), "14 59 00 00 01 | P | P"},
        {"other, no uplink", TYaesuModel::Other, Request(145800.004, 0.0), "14 58 00 00 01 | P | P"},
        {"rx below its offset stays", TYaesuModel::Other, Request(28000, 0.0, 116000), "02 80 00 00 01 | P | P"},
    };
    for (const auto& c : cases) {
        TYaesuCat radio = Radio(c.model);
        radio.EntrySelected(145900, 435900);
        EXPECT_EQ(ScriptText(radio.FrequencyUpdate(c.request)), c.script) << c.what;
    }
}

TEST(YaesuUpdate, NothingGoesOutForALockedFt847OrAnUnusableFrequency) {
    TYaesuCat ft847 = Radio(TYaesuModel::FT847);
    ft847.SetTransmitLock(true);
    EXPECT_TRUE(ft847.FrequencyUpdate(Request(145900, 435900)).empty());
    ft847.SetTransmitLock(false);
    EXPECT_FALSE(ft847.FrequencyUpdate(Request(145900, 435900)).empty());

    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (TYaesuModel model : {TYaesuModel::FT847, TYaesuModel::FT736R, TYaesuModel::Other}) {
        TYaesuCat radio = Radio(model);
        EXPECT_TRUE(radio.FrequencyUpdate(Request(nan, 435900)).empty());
        EXPECT_TRUE(radio.FrequencyUpdate(Request(-1.0, 0.0)).empty());
        EXPECT_TRUE(radio.StepUpdate(Request(145900, nan)).empty());
        EXPECT_TRUE(radio.StepUpdate(Request(145900, -435900)).empty());
    }
    TYaesuCat ft736 = Radio(TYaesuModel::FT736R);
    EXPECT_TRUE(ft736.FrequencyUpdate(Request(145900, nan)).empty());
}

TEST(YaesuStep, UsesTheOpcodesOfTheParameterFile) {
    TYaesuCat radio = Radio(TYaesuModel::Other);  // opcodes 0x1E and 0x2E
    EXPECT_EQ(ScriptText(radio.StepUpdate(Request(145901, 435899))), "P | 14 59 01 00 1E | P | 43 58 99 00 2E");
    EXPECT_EQ(ScriptText(radio.StepUpdate(Request(145901, 0.0))), "P | 14 59 01 00 1E");
}

TEST(YaesuModes, DownlinkModeOnlyAndTheFt736RepeatsItsShift) {
    TYaesuCat ft736 = Radio(TYaesuModel::FT736R);
    ft736.EntrySelected(145900, 435900);
    ft736.EncodeFrequency(145900, 0x01);
    TModeRequest m{"USB", "LSB", true, true, true};
    EXPECT_EQ(ScriptText(ft736.ModeCommands(m)), "01 59 00 00 07 | P | 00 00 00 00 49 | P");
    TYaesuCat ft847 = Radio(TYaesuModel::FT847);
    EXPECT_EQ(ScriptText(ft847.ModeCommands(m)), "01 00 00 00 07 | P | P");
}

TEST(YaesuModel, ModelTextsAreExact) {
    EXPECT_EQ(YaesuModelOf("FT-736R"), TYaesuModel::FT736R);
    EXPECT_EQ(YaesuModelOf("FT-847"), TYaesuModel::FT847);
    EXPECT_EQ(YaesuModelOf("ft-847"), TYaesuModel::Other);
    EXPECT_EQ(YaesuModelOf("FT-817"), TYaesuModel::Other);
}

}  // namespace
}  // namespace kelvora
