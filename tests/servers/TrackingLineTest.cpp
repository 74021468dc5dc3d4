// The tracking data server's line, with the cases other programs parse.

#include "TrackingLine.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

TTrackingLineValues Iss() {
    TTrackingLineValues v;
    v.Name = "ISS";
    v.Azimuth = 123.44;
    v.Elevation = 5.06;
    v.RxKHz = 145800.123;
    v.TxKHz = 145200.0;
    v.DownlinkMode = "FM";
    v.UplinkMode = "FM";
    v.MA = 12.34;
    v.RangeRate = -6.5;
    return v;
}

struct LineCase {
    const char* what;
    void (*change)(TTrackingLineValues&);
    char reportBelowHorizon;
    char separator;
    const char* value;
};

class TrackingItemValueTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(TrackingItemValueTest, IsTheLineOrTheNoSatelliteTextWithCrLf) {
    TTrackingLineValues v = Iss();
    GetParam().change(v);
    EXPECT_EQ(TrackingItemValue(v, GetParam().reportBelowHorizon, GetParam().separator), GetParam().value)
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrackingItemValueTest,
    ::testing::Values(LineCase{"the reference line", [](TTrackingLineValues&) {}, '+', '.',
                               "SNISS AZ123.4 EL5.1 UP145200000 UMFM DN145800123 DMFM MA12.3 RR-6.5\r\n"},
                      LineCase{"the system's comma", [](TTrackingLineValues&) {}, '+', ',',
                               "SNISS AZ123,4 EL5,1 UP145200000 UMFM DN145800123 DMFM MA12,3 RR-6,5\r\n"},
                      LineCase{"below the horizon, not reported", [](TTrackingLineValues& v) { v.Elevation = -0.1; },
                               '-', '.', "** NO SATELLITE **\n\r\n"},
                      LineCase{"below the horizon, reported", [](TTrackingLineValues& v) { v.Elevation = -0.1; }, '+',
                               '.', "SNISS AZ123.4 EL-0.1 UP145200000 UMFM DN145800123 DMFM MA12.3 RR-6.5\r\n"},
                      LineCase{"on the horizon is above it", [](TTrackingLineValues& v) { v.Elevation = 0; }, '-', '.',
                               "SNISS AZ123.4 EL0.0 UP145200000 UMFM DN145800123 DMFM MA12.3 RR-6.5\r\n"},
                      LineCase{"no uplink",
                               [](TTrackingLineValues& v) {
                                   v.TxKHz = 0;
                                   v.UplinkMode = "";
                               },
                               '+', '.', "SNISS AZ123.4 EL5.1 UP0 UM DN145800123 DMFM MA12.3 RR-6.5\r\n"},
                      LineCase{"a name with blanks, range rate to seven decimals",
                               [](TTrackingLineValues& v) {
                                   v.Name = "AO 7";
                                   v.RangeRate = 1.23456789;
                                   v.DownlinkMode = "USB";
                                   v.UplinkMode = "LSB";
                               },
                               '+', '.',
                               "SNAO 7 AZ123.4 EL5.1 UP145200000 UMLSB DN145800123 DMUSB MA12.3 RR1.2345679\r\n"}));

}  // namespace
}  // namespace kelvora
