// Every family through the common protocol interface: its own transmit and
// receive bytes and never another family's, and nothing for a frequency that
// must not reach a radio.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "CatTestText.h"
#include "IcomCiv.h"
#include "KenwoodCat.h"
#include "YaesuCat.h"

namespace kelvora {
namespace {

using testing::ScriptText;

struct Family {
    const char* name;
    std::function<std::unique_ptr<TCatProtocol>()> make;
    const char* transmitOn;  // hex
    const char* transmitOff;  // hex
};

const Family kFamilies[] = {
    {"FT-847", [] { return std::make_unique<TYaesuCat>(TYaesuModel::FT847, 0x1E, 0x2E); }, "80 80 80 80 08",
     "80 80 80 80 88"},
    {"FT-736R", [] { return std::make_unique<TYaesuCat>(TYaesuModel::FT736R, 0x1E, 0x2E); }, "80 80 80 80 08",
     "80 80 80 80 88"},
    {"IC-9700", [] { return std::make_unique<TIcomCiv>(TIcomModel::IC9700, 0xA2, 0xA2); }, "FE FE A2 00 1C 00 01 FD",
     "FE FE A2 00 1C 00 00 FD"},
    {"IC-910H", [] { return std::make_unique<TIcomCiv>(TIcomModel::IC910H, 0x60, 0x60); }, "FE FE 60 00 1C 00 01 FD",
     "FE FE 60 00 1C 00 00 FD"},
    {"other Icom", [] { return std::make_unique<TIcomCiv>(TIcomModel::Other, 0x5C, 0x5C); }, "FE FE 5C 00 1C 00 01 FD",
     "FE FE 5C 00 1C 00 00 FD"},
    {"TS-2000", [] { return std::make_unique<TKenwoodCat>(TKenwoodModel::TS2000, '1', "TraceOff"); }, "54 58 3B",
     "52 58 3B"},  // "TX;", "RX;"
    {"TS-790", [] { return std::make_unique<TKenwoodCat>(TKenwoodModel::TS790, '1', "TraceOff"); }, "54 58 3B",
     "52 58 3B"},
};

TEST(CatProtocol, EachFamilySwitchesWithItsOwnBytes) {
    for (const Family& f : kFamilies) {
        const auto radio = f.make();
        EXPECT_EQ(HexBytes(WrittenBytes(radio->TransmitOn())), f.transmitOn) << f.name;
        EXPECT_EQ(HexBytes(WrittenBytes(radio->TransmitOff())), f.transmitOff) << f.name;
    }
}

TEST(CatProtocol, NoFamilyEncodesAFrequencyThatMustNotReachARadio) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const TFrequencyRequest bad[] = {
        {nan, 435000, 0, 0},  {inf, 435000, 0, 0},     {-145800, 0, 0, 0}, {0, 0, 0, 0}, {145800, nan, 0, 0},
        {145800, -inf, 0, 0}, {145800, -435000, 0, 0}, {1e12, 0, 0, 0},  // beyond every family's digits
    };
    for (const Family& f : kFamilies) {
        for (const TFrequencyRequest& r : bad) {
            const auto radio = f.make();
            EXPECT_TRUE(radio->FrequencyUpdate(r).empty()) << f.name << " rx " << r.Rx << " tx " << r.Tx;
            // A step sends the downlink in every family; a bad one stops it.
            const bool rxBad = !(std::isfinite(r.Rx) && r.Rx > 0 && r.Rx < 1e7);
            if (rxBad) {
                EXPECT_TRUE(radio->StepUpdate(r).empty()) << f.name << " step rx " << r.Rx;
            }
        }
    }
}

TEST(CatProtocol, ScriptsWriteOnlyWhatTheyList) {
    // The helper the conductor will use to log or compare: all writes in order.
    TKenwoodCat radio(TKenwoodModel::TS2000, '1', "TraceOff");
    EXPECT_EQ(WrittenBytes(radio.QuitCommands(TQuitPath::WindowClose)), "FT0;RX;");
    EXPECT_EQ(ScriptText(TCatScript{}), "");
}

}  // namespace
}  // namespace kelvora
