// The rotor part in the window: lblRotor turns the rotor control, "&Rotor" opens the
// "Rotor" dialog below a waiting main window, and the satellite part computes the
// rotor's other instants without disturbing the tick's values.
#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "KitAppFixture.h"
#include "RotorU.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

TEST(RotorPanel, SwitchAndDialog) {
    KitApp k;
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
    TAusgabe& main = *app.MainWindow();
    auto* label = main.findChild<QLabel*>("lblRotor");
    const bool on = app.State().Tracking.RotorOn;
    EXPECT_EQ(label->text(), on ? "R+" : "R-");
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(app.State().Tracking.RotorOn, !on);
    EXPECT_EQ(label->text(), on ? "R-" : "R+");

    main.findChild<QAction*>("menHin")->trigger();
    auto* dialog = main.findChild<THinweise*>("Hinweise");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Rotor");
    EXPECT_FALSE(main.InputEnabled());
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(main.InputEnabled());
    EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
}

TEST(RotorPanel, LookAtLeavesTheTickAsItWas) {
    KitApp k(QTime(12, 0));
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    k.clock.Advance(1000);
    app.Timer1Timer();
    TSatellitePart& satellites = app.Satellites();
    const int active = satellites.ActiveSet();
    const double now = app.State().Time.DayCount;
    const TTrackState before = satellites.Track();

    // Ten minutes on the satellite is elsewhere; the tick's values stay.
    const std::optional<TSatelliteLook> later = satellites.LookAt(active, now + 10.0 / 1440.0);
    ASSERT_TRUE(later);
    EXPECT_EQ(satellites.Track().Azimuth, before.Azimuth);
    EXPECT_EQ(satellites.Track().Elevation, before.Elevation);
    EXPECT_EQ(satellites.Track().SubLongitude, before.SubLongitude);
    EXPECT_GT(std::abs(later->SubLongitude - before.SubLongitude), 1.0);

    // At the tick's own instant it sees what the tick saw for the active satellite.
    satellites.SelectSatellite(active);
    satellites.PropagateAndLook(app.State().Time.JulianDate, now);
    const std::optional<TSatelliteLook> atTick = satellites.LookAt(active, now);
    ASSERT_TRUE(atTick);
    EXPECT_NEAR(atTick->Azimuth, satellites.Track().Azimuth, 1e-9);
    EXPECT_NEAR(atTick->Elevation, satellites.Track().Elevation, 1e-9);

    EXPECT_FALSE(satellites.LookAt(0, now));
    // The data line predicted the active satellite's pass at the tick.
    const std::optional<TPredictedPass> pass = satellites.PredictedPass(active);
    ASSERT_TRUE(pass);
    EXPECT_GE(pass->AosAzimuth, 0.0);
    EXPECT_GT(satellites.RevsPerDay(active), 15.0);  // the ISS
}
