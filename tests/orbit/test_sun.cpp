#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "CalendarTime.h"
#include "SGP_Time.h"
#include "SonneU.h"

namespace kelvora {
namespace {

TEST(SunDegreeHelpers, Norm360Table) {
    struct Case {
        double in, out;
    };
    for (const Case c :
         {Case{-30, 330}, Case{-360, 360}, Case{720, 0}, Case{370, 10}, Case{-390, 330}, Case{359.5, 359.5}}) {
        EXPECT_DOUBLE_EQ(Norm360(c.in), c.out) << c.in;
    }
}

TEST(SunDegreeHelpers, ClampsAndSpecialValues) {
    EXPECT_EQ(DegTan(90), 5729578.0);
    EXPECT_EQ(DegTan(270), 5729578.0);
    EXPECT_EQ(DegArcSin(1.5), 90.0);
    EXPECT_EQ(DegArcSin(-1.0), -90.0);
    EXPECT_EQ(DegArcCos(1.0000001), 0.0);
    EXPECT_EQ(DegArcCos(-2.0), 180.0);
    struct Case {
        double y, x, deg;
    };
    for (const Case c :
         {Case{0, 0, 90}, Case{-1, 0, 270}, Case{1, 1, 45}, Case{1, -1, 135}, Case{-1, -1, 225}, Case{-1, 1, 315}}) {
        EXPECT_NEAR(DegArcTan2(c.y, c.x), c.deg, 1e-5) << c.y << "," << c.x;
    }
    EXPECT_NEAR(CentralAngle(0, 0, 0, 90), 90.0, 1e-5);
    EXPECT_NEAR(CentralAngle(10, 20, 10, 20), 0.0, 1e-3);
}

// Meeus, Astronomical Algorithms, example 25.a: 1992 October 13, 0h TD.
TEST(SunPosition, MeeusExample25a) {
    const TSolarPosition p = SolarPosition(2448908.5);
    EXPECT_NEAR(p.TrueLongitude, 199.90988, 0.01);
    EXPECT_NEAR(p.ApparentLongitude, 199.90895, 0.01);

    TSunState sun;
    ComputeSun(sun, ShownTimeOf(1992, 10, 13, 0, 0, 0));
    EXPECT_NEAR(sun.ApparentLongitude, 199.90895, 0.01);
    EXPECT_NEAR(sun.RightAscension, 198.38083, 0.01);
    EXPECT_NEAR(sun.Declination, -7.78507, 0.01);
    EXPECT_NEAR(sun.SunDistance / 149599650.0, 0.99766, 1e-4);
}

TEST(SunPosition, MarchEquinox2024) {
    TSunState sun;
    ComputeSun(sun, ShownTimeOf(2024, 3, 20, 3, 6, 0));  // equinox instant
    EXPECT_NEAR(sun.SubSolarLat, 0.0, 0.02);
    // At 12:00 UTC the sun is just east of Greenwich (equation of time -7.5 min).
    ComputeSun(sun, ShownTimeOf(2024, 3, 20, 12, 0, 0));
    EXPECT_NEAR(sun.SubSolarLon, 1.85, 0.15);
    ComputeSun(sun, ShownTimeOf(2024, 3, 20, 0, 0, 0));
    EXPECT_NEAR(sun.SubSolarLon, -178.15, 0.15);  // (-180, 180]
}

TEST(SunPosition, DropsMillisecondsAndSplitsTheInstant) {
    TSunState sun;
    ComputeSun(sun, ShownTimeOf(2024, 2, 12, 23, 59, 59.999));
    EXPECT_EQ(sun.Year, 2024);
    EXPECT_EQ(sun.Month, 2);
    EXPECT_EQ(sun.Day, 12);
    EXPECT_EQ(sun.Hour, 23);
    EXPECT_EQ(sun.Minute, 59);
    EXPECT_EQ(sun.Second, 59);
}

TEST(SunPosition, CursorAndNowAgree) {
    TSunState a;
    TSunState b;
    const double shown = ShownTimeOf(2024, 6, 1, 10, 0, 0);
    const double offset = 2.0 / 24.0;
    EXPECT_DOUBLE_EQ(ComputeSunNow(a, shown + offset, offset, 0.5 / 24), shown);
    ComputeSunAtCursor(b, shown - kShownTimeToDayCount, 0.5 / 24);
    EXPECT_DOUBLE_EQ(a.SubSolarLon, b.SubSolarLon);
    EXPECT_EQ(a.Hour, 9);
    EXPECT_EQ(a.Minute, 30);
}

TEST(Illumination, ShadowCylinderTable) {
    TSunState sun;  // sub-solar point at 0N 0E, anti-solar point at 0N 180E
    const double r400 = 6378.135 + 400.0;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double lat, lon, r;
        bool sunlit;
    };
    for (const Case c : {Case{0, 180, r400, false}, Case{0, 0, r400, true},
                         Case{0, 250, r400, false},  // 70 deg from the anti-solar point
                         Case{0, 251, r400, true},  // 71 deg, outside 70.2
                         Case{-70, 180, r400, false}, Case{0, 180, 42164, false},
                         Case{0, 175, 42164, false},  // geostationary: shadow radius 8.7 deg
                         Case{0, 160, 42164, true}, Case{0, 180, 6000, false},  // below the surface: night side dark
                         Case{0, 80, 6000, true}, Case{0, 180, nan, false}}) {
        const TIllumination ill = ShowIllumination(sun, c.lat, c.lon, c.r);
        EXPECT_EQ(ill.Sunlit, c.sunlit) << c.lat << " " << c.lon << " " << c.r;
    }
}

TEST(Illumination, TextsAndColours) {
    TSunState sun;
    const TIllumination lit = ShowIllumination(sun, 0, 0, 6778);
    EXPECT_EQ(lit.Text, "Sat in Sun");
    EXPECT_EQ(lit.LabelColour, (TRgb{128, 128, 128}));
    EXPECT_EQ(lit.TextColour, (TRgb{255, 255, 0}));
    const TIllumination dark = ShowIllumination(sun, 0, 180, 6778);
    EXPECT_EQ(dark.Text, "Eclipsed");
    EXPECT_EQ(dark.LabelColour, (TRgb{0, 0, 0}));
    EXPECT_EQ(dark.TextColour, (TRgb{255, 255, 255}));
    const TIllumination off = IlluminationOff();
    EXPECT_EQ(off.Text, "");
    EXPECT_EQ(off.LabelColour, (TRgb{192, 192, 192}));
}

}  // namespace
}  // namespace kelvora
