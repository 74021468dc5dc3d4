// "Doppler.SQF" and "KorrMod.SQF" read from bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "DopplerFile.h"

namespace kelvora {
namespace {

TEST(DopplerFile, ReadsEntriesInFileOrderWithEitherLineEnd) {
    const std::string bytes =
        "; name,down,up,dmode,umode,sense,doff,uoff\r\n"
        "ISS,145800,145200,FM,FM,nor,0,0\r\n"
        "AO-7,145950.5,432150,USB,LSB,REV,0,0.25\n"
        "QO-100,10489750,2400250,USB,USB,nor,10345000,0";  // no line end at all
    const TDopplerTable table = ParseDopplerTable(bytes);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].Name, "ISS");
    EXPECT_DOUBLE_EQ(table[0].UplinkKHz, 145200);
    EXPECT_EQ(table[1].DownlinkMode, "USB");
    EXPECT_EQ(table[1].UplinkMode, "LSB");
    EXPECT_EQ(table[1].Sense, "REV");
    EXPECT_DOUBLE_EQ(table[1].DownlinkKHz, 145950.5);
    EXPECT_DOUBLE_EQ(table[1].UplinkOffsetKHz, 0.25);
    EXPECT_DOUBLE_EQ(table[2].DownlinkOffsetKHz, 10345000);
}

TEST(DopplerFile, NameStaysExactModesAndSenseLoseTheirBlanks) {
    const TDopplerTable table = ParseDopplerTable("Fox 1B ,145960, 435250 , FM , FM, REV ,0, 0 \r\n");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].Name, "Fox 1B ");
    EXPECT_DOUBLE_EQ(table[0].UplinkKHz, 435250);
    EXPECT_EQ(table[0].DownlinkMode, "FM");
    EXPECT_EQ(table[0].UplinkMode, "FM");
    EXPECT_EQ(table[0].Sense, "REV");
    EXPECT_DOUBLE_EQ(table[0].UplinkOffsetKHz, 0.0);
}

TEST(DopplerFile, BrokenNumbersBecomeNaNAndTheEntryStaysInItsBlock) {
    struct Case {
        const char* line;
        bool downBroken;
        bool upBroken;
        bool upOffsetBroken;
    } cases[] = {
        {"SAT,145,8,435000,FM,FM,nor,0,0", false, false, true},  // "145,8": a decimal comma shifts the fields
        {"SAT,145x800,435000,FM,FM,nor,0,0", true, false, false},
        {"SAT,,435000,FM,FM,nor,0,0", true, false, false},
        {"SAT,145800", false, true, true},  // fields missing
        {"SAT,145800,0,FM,FM,nor,0,0,9", false, false, true},  // the rest of the line "0,9" is no number
        {"SAT,145800,1e,FM,FM,nor,0,0", false, true, false},
    };
    for (const auto& c : cases) {
        const TDopplerTable table = ParseDopplerTable(c.line);
        ASSERT_EQ(table.size(), 1u) << c.line;
        EXPECT_EQ(std::isnan(table[0].DownlinkKHz), c.downBroken) << c.line;
        EXPECT_EQ(std::isnan(table[0].UplinkKHz), c.upBroken) << c.line;
        EXPECT_EQ(std::isnan(table[0].UplinkOffsetKHz), c.upOffsetBroken) << c.line;
    }
}

TEST(DopplerFile, SkipsCommentsAndEmptyLinesAndStopsAt2000Entries) {
    std::string bytes = "\r\n;comment\r\n\n";
    for (int i = 0; i < 2005; ++i) {
        bytes += 'S';
        bytes += std::to_string(i);
        bytes += ",145800,0,FM,FM,nor,0,0\r\n";
    }
    const TDopplerTable table = ParseDopplerTable(bytes);
    ASSERT_EQ(table.size(), 2000u);
    EXPECT_EQ(table.front().Name, "S0");
    EXPECT_EQ(table.back().Name, "S1999");
    EXPECT_TRUE(ParseDopplerTable("").empty());
}

TEST(CorrectionModeFile, ReadsTheModeLikeAConfigurationNumber) {
    struct Case {
        std::string bytes;
        std::optional<int> mode;
    } cases[] = {
        {"1\r\n", 1},
        {"2", 2},
        {"  \r\n 0 trailing\r\n", 0},
        {"", 0},  // past the end a number reads as 0
        {"7\r\n", 0},  // not a mode: both links
        {"-1\r\n", 0},
        {"99999999999999\r\n", 0},
        {"x\r\n", std::nullopt},  // text where a number belongs: file error
        {"1.5\r\n", std::nullopt},
        {"+\r\n", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCorrectionMode(c.bytes), c.mode) << c.bytes;
}

TEST(CorrectionModeFile, WritesOneLineThatReadsBack) {
    for (int mode = 0; mode < 3; ++mode) {
        EXPECT_EQ(CorrectionModeFileText(mode), std::to_string(mode) + "\r\n");
        EXPECT_EQ(ParseCorrectionMode(CorrectionModeFileText(mode)), mode);
    }
}

}  // namespace
}  // namespace kelvora
