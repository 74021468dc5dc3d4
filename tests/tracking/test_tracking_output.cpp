// The texts of the tracking output: number patterns, the data line in both forms,
// the Doppler line and the status texts, under both decimal separators.

#include "PatternFormat.h"
#include "TrackingOutput.h"

#include <gtest/gtest.h>

using namespace kelvora;

namespace {
std::string WithSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

TDataLineValues ExampleValues() {
    TDataLineValues v;
    v.Azimuth = 5.3;
    v.Elevation = -2.7;
    v.MA = 128.0;
    v.Height = 415;
    v.Range = 2250;
    v.SubLongitude = 12;
    v.SubLatitude = 48;
    v.OrbitNumber = 23456;
    v.HasSquint = false;
    v.PassTimes = "14:05 14:16";
    return v;
}
}  // namespace

TEST(PatternFormat, PatternsAndRoundingUnderBothSeparators) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {5.3, "##0.0", "5.3"},
        {-2.7, "##0.0", "-2.7"},
        {128, "##0.0", "128.0"},
        {99.96, "##0.0", "100.0"},
        {0.04, "##0.0", "0.0"},
        {-0.04, "##0.0", "0.0"},
        {0.05, "##0.0", "0.1"},
        {1e-20, "##0.0", "0.0"},
        {0.125, "0.00", "0.13"},
        {1.005, "0.00", "1.01"},
        {415.4, "####0", "415"},
        {415.5, "####0", "416"},
        {2.5, "##0", "3"},
        {-2.5, "##0", "-3"},
        {7, "00", "07"},
        {123, "00", "123"},
        {2024, "0000", "2024"},
        {-3.456, "##0.000", "-3.456"},
        {0.5, "##0.0######", "0.5"},
        {-0.0123456789, "##0.0######", "-0.0123457"},
        {0.5, ".00000000", ".50000000"},
        {145990, "0000000.00", "0145990.00"},
        {123456789012.0, "####0", "123456789012"},
    };
    for (char separator : {'.', ','})
        for (const Case& c : cases)
            EXPECT_EQ(FormatPattern(c.value, c.pattern, separator), WithSeparator(c.expected, separator))
                << c.value << " " << c.pattern << " '" << separator << "'";
}

TEST(DataLine, NarrowFormPutsEachFieldEndInItsColumn) {
    const std::string line = DataLineText(ExampleValues(), 1, '.');
    const std::string fields = "5.3    -2.7 128.0   415  2250  12   48 23456  --";
    ASSERT_EQ(fields.size(), 48u);
    // The blanks left over from the start stay behind the pass times, then 30 more.
    EXPECT_EQ(line, fields + " " + "14:05 14:16" + std::string(26 + 30, ' '));
    EXPECT_EQ(DataLineText(ExampleValues(), 2, '.'), line);
    EXPECT_FALSE(DataLineOnWhite(-2.7));
    EXPECT_TRUE(DataLineOnWhite(0.1));
}

TEST(DataLine, WideFormRightAlignsInFixedWidths) {
    TDataLineValues v = ExampleValues();
    const std::string expected =
        " 5.3   "
        "   -2.7"
        "   128.0"
        "    415"
        "   2250"
        "   12"
        "   48"
        "   23456"
        "    --"
        "  14:05 14:16";
    for (int size : {3, 4, 5}) EXPECT_EQ(DataLineText(v, size, '.'), expected + std::string(30, ' '));
    v.HasSquint = true;
    v.Squint = 37.4;
    EXPECT_EQ(DataLineText(v, 3, ',').substr(7, 8), "   -2,7 ");
    EXPECT_NE(DataLineText(v, 3, ',').find("   23456    37  14:05"), std::string::npos);
}

TEST(DataLine, LongFieldsPushTheRestRightAndNothingIsCut) {
    TDataLineValues v = ExampleValues();
    v.Azimuth = 305.3;
    v.Height = 1234567;  // beyond its room: must neither split "128.0" nor touch "2250"
    v.Range = 123456;  // fills its room exactly
    const std::string narrow = DataLineText(v, 1, '.');
    // Once there is room again the fields are back in their columns.
    EXPECT_EQ(narrow.substr(0, 44), "305.3  -2.7 128.0 1234567 123456 12 48 23456");
    EXPECT_EQ(narrow.substr(44, 16), "  -- 14:05 14:16");
    const std::string wide = DataLineText(v, 5, '.');
    EXPECT_EQ(wide.substr(0, 37), " 305.3    -2.7   128.0 1234567 123456");
}

TEST(DataLine, NotComputableShowsDashesInTheColumnsOfTheNumbers) {
    // Each run of dashes ends where its number would (narrow) or fills its width (wide).
    const std::string narrow = "----- ----- ----- ----- ----- ---  --- -----  -- ----- -----";
    EXPECT_EQ(NotComputableLineText(1), narrow + std::string(45 - 11 + 30, ' '));
    const std::string wide =
        " ----- "
        "  -----"
        "   -----"
        "  -----"
        "  -----"
        "  ---"
        "  ---"
        "   -----"
        "    --"
        "  -----  -----";
    EXPECT_EQ(NotComputableLineText(5), wide + std::string(30, ' '));
}

TEST(DataLine, HeadingsOfBothForms) {
    EXPECT_EQ(DataHeadingText(2), " Azm   Elev   MA Height Range  L SSP B Orbit  Squ Aos   Los  ");
    EXPECT_EQ(DataHeadingText(4), "Azimuth Elevation  MA  Height  Range   L SSP B   Orbit  Squint Aos   Los  ");
}

TEST(DopplerLine, ShiftsLineUpWhateverTheirSigns) {
    struct Case {
        double down, up, uplink;
        char separator;
        const char* expected;
    };
    const Case cases[] = {
        {-3.456, 1.2, 435000, '.', "   -3.456      1.200 "},
        {-3.456, -1.2, 435000, '.', "   -3.456     -1.200 "},
        {-3.456, 0, 435000, ',', "   -3,456      0,000 "},
        {2.1, 0.7, 0, '.', "    2.100 "},  // no uplink: the downlink shift only
        {12.345, -1.2, 145900, '.', "   12.345     -1.200 "},
    };
    for (const Case& c : cases) EXPECT_EQ(DopplerLineText(c.down, c.up, c.uplink, c.separator), c.expected);
    EXPECT_FALSE(DopplerLineDrawn(0.0));
    EXPECT_FALSE(DopplerLineDrawn(-0.001));
    EXPECT_TRUE(DopplerLineDrawn(-0.0011));
}

// The correction-mode texts belong to the Doppler model (tests/radio).
TEST(StatusTexts, StationAndStepCaptions) {
    EXPECT_EQ(StationText(13.5, 48.25, ','), " Obs.: 13,5 / 48,3");
    EXPECT_EQ(StationText(350.04, -33.9, '.'), " Obs.: 350.0 / -33.9");
    EXPECT_EQ(StepCaptionText(3), "20  100 500  1k   5k");
    EXPECT_EQ(StepCaptionText(2), "20   100  500  1K    5K");
    EXPECT_EQ(StepCaptionText(5), "20   100  500   1K   5K");
}
