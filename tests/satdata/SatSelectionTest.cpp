// The selection model: group file pairs, resolution by exact name, priority
// candidates, editing limits and what a switch of the active satellite resets.
#include "SatSelection.h"

#include "ConfigFile.h"
#include "SelectionTestSupport.h"

#include <gtest/gtest.h>

namespace kelvora {
namespace {

using selectiontest::CatalogOf;
using selectiontest::EntriesOf;
using selectiontest::GroupFileOf;
using selectiontest::SelectionDataFolder;
using selectiontest::TRecordingHooks;

QString Describe(const QList<TSelectionEntry>& entries) {
    QStringList parts;
    for (const TSelectionEntry& e : entries) parts << e.Name + (e.MapMarker ? "+" : "-");
    return parts.join('|');
}

QString Describe(const std::vector<int>& sets) {
    QStringList parts;
    for (int s : sets) parts << QString::number(s);
    return parts.join(',');
}

TEST(GroupSelectionFile, ReadsPairsSkippingEmptyNamesAndKeepsTwelve) {
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* expected;
    };
    QByteArray thirteen;
    for (int k = 0; k < 13; ++k) thirteen += "S" + QByteArray::number(k) + "\r\n+\r\n";
    const Case cases[] = {
        {"markers: only a leading '+' is on", "ISS\r\n+\r\nSO-50\r\n-\r\nAO-7\r\n+x\r\nFO-29\r\nx+\r\n",
         "ISS+|SO-50-|AO-7+|FO-29-"},
        {"empty name line skipped", "ISS\r\n+\r\n\r\n+\r\nAO-7\r\n-\r\n", "ISS+|AO-7-"},
        {"missing last marker line is off", "ISS\r\n+\r\nAO-7", "ISS+|AO-7-"},
        {"LF line ends", "ISS\n+\nAO-7\n+\n", "ISS+|AO-7+"},
        {"names keep inner blanks", "ISS (ZARYA)\r\n+\r\n", "ISS (ZARYA)+"},
        {"thirteen pairs keep the first twelve", thirteen, "S0+|S1+|S2+|S3+|S4+|S5+|S6+|S7+|S8+|S9+|S10+|S11+"},
    };
    SelectionDataFolder folder;
    for (const Case& c : cases) {
        folder.Write("G.ISS", c.bytes);
        TSatSelection selection;
        selection.Entries = EntriesOf({"old"});
        ReadGroupSelection(selection, folder.Path("G.ISS"), {});
        EXPECT_EQ(Describe(selection.Entries), c.expected) << c.what;
    }
}

TEST(GroupSelectionFile, HintsGoToTheLettersAndMissingFileThrows) {
    SelectionDataFolder folder;
    folder.Write("G.ISS", GroupFileOf({"ISS+", "AO-7-"}));
    TRecordingHooks rec;
    TSatSelection selection;
    ReadGroupSelection(selection, folder.Path("G.ISS"), rec.Hooks);
    EXPECT_EQ(rec.Take().join(';'), "Hint(0,ISS);Hint(1,AO-7)");
    EXPECT_THROW(ReadGroupSelection(selection, folder.Path("Missing.ISS"), rec.Hooks), ConfigError);
}

TEST(GroupSelectionFile, WritesNameAndMarkerLinesWithCrLf) {
    SelectionDataFolder folder;
    TSatSelection selection;
    selection.Entries = {{"ISS", true}, {"SO-50", false}};
    ASSERT_TRUE(WriteGroupSelection(selection, folder.Path("G.ISS")));
    EXPECT_EQ(folder.Read("G.ISS"), QByteArray("ISS\r\n+\r\nSO-50\r\n-\r\n"));
    QString error;
    EXPECT_FALSE(WriteGroupSelection(selection, folder.Path("no/such/folder/G.ISS"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ResolveSelection, MatchesExactNamesLowestSetFirst) {
    struct Case {
        const char* what;
        QStringList catalog;
        QStringList entries;
        const char* sets;
    };
    const Case cases[] = {
        {"entries in their own order", {"AO-7", "ISS", "SO-50"}, {"SO-50", "AO-7"}, "3,1"},
        {"names missing from the catalog drop out", {"AO-7", "ISS"}, {"XX-1", "ISS", "YY-2", "AO-7"}, "2,1"},
        {"a duplicate catalog name resolves to the lower set", {"AO-7", "ISS", "ISS"}, {"ISS"}, "2"},
        {"letter case counts", {"iss", "ISS"}, {"ISS", "Iss"}, "2"},
        {"no partial or trimmed match", {"ISS (ZARYA)", "ISS "}, {"ISS"}, ""},
        {"an entry listed twice takes the same set twice", {"AO-7", "ISS"}, {"ISS", "ISS"}, "2,2"},
    };
    for (const Case& c : cases) {
        TSatSelection selection;
        selection.Entries = EntriesOf(c.entries);
        ResolveSelection(selection, CatalogOf(c.catalog), {}, {});
        EXPECT_EQ(Describe(selection.SetNumbers()), c.sets) << c.what;
    }
}

TEST(ResolveSelection, ActiveSetFirstFoundUnlessOpenedFromMenu) {
    const TElementCatalog catalog = CatalogOf({"AO-7", "ISS", "SO-50"});
    TSatSelection selection;
    selection.Entries = EntriesOf({"XX", "SO-50", "ISS"});
    const TResolveOutcome outcome = ResolveSelection(selection, catalog, {}, {});
    EXPECT_TRUE(outcome.AnyFound);
    EXPECT_TRUE(outcome.EnableOk);
    EXPECT_EQ(selection.ActiveSet, 3);
    EXPECT_FALSE(selection.ShowRequestedEmpty);

    selection.OpenedFromMenu = true;
    selection.ActiveSet = 2;
    ResolveSelection(selection, catalog, {}, {});
    EXPECT_EQ(selection.ActiveSet, 2);
}

TEST(ResolveSelection, NothingFoundEmptiesTheListAndAsksForTheWindow) {
    TSatSelection selection;
    selection.Entries = EntriesOf({"XX", "YY"});
    const TResolveOutcome outcome = ResolveSelection(selection, CatalogOf({"ISS"}), {}, {});
    EXPECT_TRUE(outcome.ShowNoSatelliteInfo);
    EXPECT_FALSE(outcome.EnableOk);
    EXPECT_TRUE(selection.Entries.isEmpty());
    EXPECT_EQ(selection.ActiveSet, 0);
    EXPECT_TRUE(selection.ShowRequestedEmpty);

    // A file without any set leaves the list to the no-data handling.
    TSatSelection noData;
    noData.Entries = EntriesOf({"XX"});
    TElementCatalog empty = CatalogOf({});
    empty.SetNoDataSet(true);
    const TResolveOutcome quiet = ResolveSelection(noData, empty, {}, {});
    EXPECT_FALSE(quiet.ShowNoSatelliteInfo);
    EXPECT_EQ(noData.Entries.size(), 1);
    EXPECT_TRUE(noData.ShowRequestedEmpty);
}

TEST(ResolveSelection, PriorityCandidatesFollowThePriorityOrderByExactName) {
    // ReadPriorityList keeps the text before the first comma, so "FOO" stands for the
    // line "FOO,BAR,3" and never matches the satellite "FOO,BAR".
    const TElementCatalog catalog = CatalogOf({"AO-7", "ISS", "SO-50", "FOO,BAR", "RS-44"});
    TSatSelection selection;
    selection.Entries = EntriesOf({"ISS", "AO-7", "SO-50", "FOO,BAR", "RS-44"});
    TResolveInput input;
    input.PriorityNames = {"SO-50", "iss", "FOO", "XX", "AO-7", "ISS"};
    ResolveSelection(selection, catalog, input, {});
    EXPECT_EQ(Describe(selection.AutoCandidates), "3,1,2");

    selection.Entries = EntriesOf({"ISS", "ISS"});
    input.PriorityNames = {"ISS"};
    ResolveSelection(selection, catalog, input, {});
    EXPECT_EQ(Describe(selection.AutoCandidates), "2,2");
}

TEST(ResolveSelection, ResetsFoundSatellitesAndShowsGroupAndSource) {
    const TElementCatalog catalog = CatalogOf({"AO-7", "ISS"}, "/data/Kepler/nasa.all");
    TSatSelection selection;
    selection.Entries = EntriesOf({"ISS", "XX", "AO-7", "ISS"});
    TResolveInput input;
    input.GroupName = "Standard";
    input.SourceFileDate = "12.02.2024";
    TRecordingHooks rec;
    ResolveSelection(selection, catalog, input, rec.Hooks);
    EXPECT_EQ(rec.Take().join(';'),
              "LookupSquint(2,ISS);LookupSquint(1,AO-7);"
              "Caption( KelvoraISS V. 12.10);Panel0( Group :Standard);SatName( A: ISS);"
              "Panel2( Keps: nasa.all 12.02.2024)");

    selection.OpenedFromMenu = true;
    ResolveSelection(selection, catalog, input, rec.Hooks);
    EXPECT_FALSE(rec.Take().join(';').contains("Caption"));
}

TEST(FilterByAvailable, KeepsPresentEntriesWithTheirOwnMarkers) {
    const QList<TSelectionEntry> group = {{"ISS", true}, {"XX", true}, {"AO-7", false}, {"SO-50", true}};
    EXPECT_EQ(Describe(FilterByAvailable(group, {"AO-7", "ISS", "SO-50"})), "ISS+|AO-7-|SO-50+");
    EXPECT_EQ(Describe(FilterByAvailable(group, {"ISS", "ISS"})), "ISS+|ISS+");
    QStringList many;
    for (int k = 0; k < 13; ++k) many << "ISS";
    EXPECT_EQ(FilterByAvailable(group, many).size(), MaxSelectedSatellites);
}

TEST(EditEntries, TwelveAtMostAndNoDuplicateNames) {
    TSatSelection selection;
    for (int k = 0; k < 12; ++k) ASSERT_EQ(AddEntry(selection, QString("S%1").arg(k)), TAddResult::Added);
    const QString before = Describe(selection.Entries);
    EXPECT_EQ(AddEntry(selection, "S12"), TAddResult::TooMany);
    EXPECT_EQ(Describe(selection.Entries), before);

    TSatSelection small;
    AddEntry(small, "ISS");
    EXPECT_EQ(AddEntry(small, "ISS"), TAddResult::AlreadySelected);
    EXPECT_EQ(AddEntry(small, "iss"), TAddResult::Added);
}

TEST(EditEntries, RemovingMovesLowerRowsUpWithTheirMarkers) {
    TSatSelection selection;
    selection.Entries = {{"A", false}, {"B", true}, {"C", true}, {"D", false}};
    selection.OpenedFromMenu = true;
    EXPECT_FALSE(RemoveEntry(selection, -1));
    EXPECT_FALSE(RemoveEntry(selection, 4));
    EXPECT_TRUE(selection.OpenedFromMenu);
    ASSERT_TRUE(RemoveEntry(selection, 1));
    EXPECT_EQ(Describe(selection.Entries), "A-|C+|D-");
    EXPECT_FALSE(selection.OpenedFromMenu);
    ASSERT_TRUE(ToggleMarker(selection, 2));
    EXPECT_EQ(Describe(selection.Entries), "A-|C+|D+");
}

}  // namespace
}  // namespace kelvora
