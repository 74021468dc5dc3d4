#include "KitAppFixture.h"
#include "AusgabeU.h"
#include "KelvoraApp.h"

#include <QLabel>
#include <QTimer>
#include "SatGroups.h"
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
    TSatellitePart& satellites = k.app->Satellites();
    EXPECT_GE(satellites.Catalog().Count(), 100);
    ASSERT_EQ(satellites.SelectedSets().size(), 11u);
    EXPECT_EQ(QString::fromLatin1(satellites.Catalog().Name(satellites.ActiveSet())), "ISS");
    EXPECT_EQ(k.app->MainWindow()->SatNameText(), " A: ISS");
    EXPECT_EQ(k.app->MainWindow()->StatusPanel(0), " Group :Standard");
    EXPECT_TRUE(k.app->MainWindow()->StatusPanel(2).startsWith(" Keps: nasa.all "));
    EXPECT_FALSE(satellites.AutoCandidates().empty());
    EXPECT_EQ(satellites.AutoCandidates().front(), satellites.ActiveSet());  // ISS leads "Prior.SQF"
}

TEST(TrackingSatellites, LetterTurnsWhiteInTheCycleItsSatelliteRises) {
    KitApp k;
    k.Create();
    ASSERT_TRUE(k.app->FormShow().Completed);
    const TTrackingState& t = k.app->State().Tracking;
    const std::vector<int> sets = k.app->Satellites().SelectedSets();
    int rises = 0;
    for (int step = 0; step < 3 * 360 && rises < 3; ++step) {  // three hours in 10 s steps
        std::vector<double> before;
        for (int set : sets) before.push_back(t.LastElevation[static_cast<size_t>(set)]);
        k.clock.Advance(10000);
        k.app->Timer1Timer();
        for (size_t letter = 0; letter < sets.size(); ++letter) {
            const double now = t.LastElevation[static_cast<size_t>(sets[letter])];
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
    TSatellitePart& satellites = k.app->Satellites();
    satellites.LetterClick(2);
    EXPECT_EQ(satellites.ActiveSet(), satellites.SelectedSets()[2]);
    EXPECT_TRUE(k.app->MainWindow()->SatNameText().startsWith(" C: "));
}

TEST(TrackingSatellites, SatellitesMenuRunsTheSatelliteBlockAgain) {
    KitApp k;
    k.options.QuitAfterTicks = 1000;  // the selection window is reported, not shown modally
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    TSatellitePart& satellites = app.Satellites();
    satellites.LetterClick(3);
    const int active = satellites.ActiveSet();
    app.menListClick();
    EXPECT_TRUE(app.MainWindow()->Timer1()->isActive());
    EXPECT_EQ(satellites.SelectionWindow()->windowTitle(), "Satellites");
    EXPECT_EQ(satellites.ActiveSet(), active);  // opened from the menu: the active one stays
    EXPECT_EQ(satellites.SelectedSets().size(), 11u);
}

TEST(TrackingSatellites, SetsThatCannotBeComputedAreLeftOutAndReported) {
    KitApp k;
    QByteArray elements = k.data.Read("Kepler/nasa.all");
    // A copy of the ISS set with a mean motion of zero.
    elements +=
        "BROKEN SAT\r\n"
        "1 99999U 98067A   24043.00684501  .00020902  00000+0  37609-3 0  9997\r\n"
        "2 99999  51.6406 220.6676 0001921 228.7563 273.9440  0.00000000438989\r\n";
    k.data.Write("Kepler/nasa.all", elements);
    TKelvoraApp& app = k.Create();
    const ScriptedPrompt& prompt = k.prompt;
    ASSERT_TRUE(app.FormShow().Completed);
    ASSERT_EQ(prompt.Messages.size(), 1);
    EXPECT_TRUE(prompt.Messages.first().contains("BROKEN SAT")) << prompt.Messages.first().toStdString();
    const TElementCatalog& catalog = app.Satellites().Catalog();
    for (int set = 1; set <= catalog.Count(); ++set) EXPECT_NE(catalog.Name(set), "BROKEN SAT");
}

TEST(TrackingSatellites, AutomaticChangeMovesTheActiveLetterWithTheSatellite) {
    KitApp k;
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    TSatellitePart& satellites = app.Satellites();
    const std::vector<int> sets = satellites.SelectedSets();
    ASSERT_GE(sets.size(), 3u);
    int unselected = 1;
    while (std::find(sets.begin(), sets.end(), unselected) != sets.end()) ++unselected;

    struct Case {
        int set;
        int letter;
        const char* shown;
    };
    const Case cases[] = {
        {sets[2], 2, " C: "},
        // A set the selection does not hold is not adopted: letter and name stay.
        {unselected, 2, " C: "},
        {sets[1], 1, " B: "},
    };
    for (const Case& c : cases) {
        satellites.AdoptNewActiveSatellite(c.set);
        EXPECT_EQ(satellites.Selection().ActiveLetter, c.letter) << c.set;
        EXPECT_EQ(satellites.ActiveSet(), sets[static_cast<size_t>(c.letter)]) << c.set;
        EXPECT_TRUE(app.MainWindow()->SatNameText().startsWith(c.shown)) << c.set;
    }
    // The selection window's switch keeps the letter the automatic change chose.
    SwitchActiveSatellite(satellites.Selection(), satellites.Groups().CurrentGroup(), TSelectionHooks{});
    EXPECT_EQ(satellites.ActiveSet(), sets[1]);
}
