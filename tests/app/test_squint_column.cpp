#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "KitAppFixture.h"
#include "TextLineBox.h"

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {
// The data line's fields: azimuth, elevation, MA, height, range, sub-satellite longitude
// and latitude, orbit number, squint, pass times.
QStringList DataLineFields(TKelvoraApp& app) {
    const QString line = app.MainWindow()->findChild<TTextLineBox*>("lstAusGabe")->Text();
    return line.split(' ', Qt::SkipEmptyParts);
}

// The station seen from the satellite, off the nadir, from the shown elevation and
// height: the sine rule in the triangle earth centre - station - satellite gives
// sin(nadir) = R cos(elevation) / r.
double OffNadirDegrees(double elevationDeg, double heightKm) {
    const double x = 6378.135 * std::cos(elevationDeg * M_PI / 180.0) / (6378.135 + heightKm);
    return std::asin(std::min(x, 0.9999)) * 180.0 / M_PI;
}
}  // namespace

TEST(SquintColumn, ShowsTheAngleOnlyForASatelliteWithALine) {
    enum class Expect { Dashes, OffNadir, AnAngle };
    struct Case {
        const char* squintLine;
        Expect expect;
    };
    const Case cases[] = {
        {"", Expect::Dashes},        {"ISS (ZARYA),v", Expect::Dashes},  // names match exactly
        {"SO-50,v", Expect::Dashes},  // another satellite's line
        {"ISS,v", Expect::OffNadir}, {"ISS,now     ,0,0", Expect::AnAngle}, {"ISS,01022024,180,-30", Expect::AnAngle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.squintLine);
        KitApp k;
        k.data.Write("Squint.SQF", QByteArray("; test\r\n") + c.squintLine + "\r\n");
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        k.clock.Advance(1000);
        app.Timer1Timer();

        const QStringList fields = DataLineFields(app);
        ASSERT_GT(fields.size(), 8) << fields.join(' ').toStdString();
        const QString field = fields[8];
        bool isNumber = false;
        const double shown = field.toDouble(&isNumber);
        switch (c.expect) {
            case Expect::Dashes:
                EXPECT_EQ(field, "--");
                break;
            case Expect::OffNadir:
                ASSERT_TRUE(isNumber) << field.toStdString();
                // Half a degree of rounding in the field, a little more from the rounded inputs.
                EXPECT_NEAR(shown, OffNadirDegrees(fields[1].toDouble(), fields[3].toDouble()), 0.6);
                break;
            case Expect::AnAngle:
                ASSERT_TRUE(isNumber) << field.toStdString();
                EXPECT_GE(shown, 0.0);
                EXPECT_LE(shown, 180.0);
                break;
        }
    }
}
