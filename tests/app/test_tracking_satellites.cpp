#include "KitAppFixture.h"
#include "AusgabeU.h"
#include "KelvoraApp.h"

#include <QLabel>
#include <QTimer>
#include "SatWahlU.h"
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {
QString LetterStyle(TKelvoraApp& app, int k) {
    return app.MainWindow()->findChild<QLabel*>(QStringLiteral("lbl%1").arg(QChar('A' + k)))->styleSheet();
}
}  // namespace

TEST(TrackingSatellites, KitComesUpTrackingIssByItsCommunityName) {
    KitApp k;
    k.Create();
    ASSERT_TRUE(k.app->FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
    EXPECT_GE(k.app->Catalog().Count(), 100);
    const TTrackingState& t = k.app->State().Tracking;
    ASSERT_EQ(t.SelectedSets.size(), 11u);
    EXPECT_EQ(QString::fromLatin1(k.app->Catalog().Name(t.ActiveSet)), "ISS");
    EXPECT_EQ(k.app->MainWindow()->SatNameText(), " A: ISS");
    EXPECT_EQ(k.app->MainWindow()->StatusPanel(0), " Group :Standard");
    EXPECT_TRUE(k.app->MainWindow()->StatusPanel(2).startsWith(" Keps: nasa.all "));
    EXPECT_FALSE(t.AutoCandidates.empty());
    EXPECT_EQ(t.AutoCandidates.front(), t.ActiveSet);  // ISS leads "Prior.SQF"
}

TEST(TrackingSatellites, LetterTurnsWhiteInTheCycleItsSatelliteRises) {
    KitApp k;
    k.Create();
    ASSERT_TRUE(k.app->FormShow().Completed);
    const TTrackingState& t = k.app->State().Tracking;
    int rises = 0;
    for (int step = 0; step < 3 * 360 && rises < 3; ++step) {  // three hours in 10 s steps
        std::vector<double> before;
        for (int set : t.SelectedSets) before.push_back(t.LastElevation[static_cast<size_t>(set)]);
        k.clock.Advance(10000);
        k.app->Timer1Timer();
        for (size_t letter = 0; letter < t.SelectedSets.size(); ++letter) {
            const double now = t.LastElevation[static_cast<size_t>(t.SelectedSets[letter])];
            const bool white = LetterStyle(*k.app, static_cast<int>(letter)).contains("255");
            if (before[letter] <= 0 && now > 0) {
                ++rises;
                EXPECT_TRUE(white) << "letter " << letter << " at step " << step;
            }
            if (before[letter] > 0 && now <= 0) {
                EXPECT_FALSE(white) << "letter " << letter << " at step " << step;
            }
        }
    }
    EXPECT_GE(rises, 1);
}

TEST(TrackingSatellites, LetterClickMakesThatSatelliteActive) {
    KitApp k;
    k.Create();
    ASSERT_TRUE(k.app->FormShow().Completed);
    k.app->LetterClick(2);
    const TTrackingState& t = k.app->State().Tracking;
    EXPECT_EQ(t.ActiveSet, t.SelectedSets[2]);
    EXPECT_TRUE(k.app->MainWindow()->SatNameText().startsWith(" C: "));
}

TEST(TrackingSatellites, SatellitesMenuRunsTheSatelliteBlockAgain) {
    KitApp k;
    k.options.QuitAfterTicks = 1000;  // the selection window is reported, not shown modally
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    app.LetterClick(3);
    const int active = app.State().Tracking.ActiveSet;
    app.menListClick();
    EXPECT_TRUE(app.MainWindow()->Timer1()->isActive());
    EXPECT_EQ(app.SelectionWindow()->windowTitle(), "Satellites");
    EXPECT_EQ(app.State().Tracking.ActiveSet, active);  // opened from the menu: the active one stays
    EXPECT_EQ(app.State().Tracking.SelectedSets.size(), 11u);
}

TEST(TrackingSatellites, SetsThatCannotBeComputedAreLeftOutAndReported) {
    KitApp k;
    QByteArray elements = k.data.Read("Kepler/nasa.all");
    // A copy of the ISS set with a mean motion of zero.
    elements += "BROKEN SAT\r\n"
                "1 99999U 98067A   24043.00684501  .00020902  00000+0  37609-3 0  9997\r\n"
                "2 99999  51.6406 220.6676 0001921 228.7563 273.9440  0.00000000438989\r\n";
    k.data.Write("Kepler/nasa.all", elements);
    TKelvoraApp& app = k.Create();
    const ScriptedPrompt& prompt = k.prompt;
    ASSERT_TRUE(app.FormShow().Completed);
    ASSERT_EQ(prompt.Messages.size(), 1);
    EXPECT_TRUE(prompt.Messages.first().contains("BROKEN SAT")) << prompt.Messages.first().toStdString();
    for (int set = 1; set <= app.Catalog().Count(); ++set) EXPECT_NE(app.Catalog().Name(set), "BROKEN SAT");
}
