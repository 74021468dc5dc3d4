// Each element-file form, read from a fixture that holds the same three real
// sets (AO-7, AO-10, ISS of 12 Feb 2024), must give the elements of the
// two-line form.
#include <gtest/gtest.h>

#include "ElementTestSupport.h"

namespace kelvora {
namespace {

using testing::FixtureBytes;
using testing::Naming;
using testing::TLoaded;

struct TReference {
    const char* SourceName;
    const char* ListName;  // names-list name
    const char* Catalog;
    const char* Designator;
};
const TReference kSets[3] = {{"OSCAR 7 (AO-7)", "AO-7", "07530", "74089B"},
                             {"PHASE 3B (AO-10)", "AO-10", "14129", "83058B"},
                             {"ISS (ZARYA)", "ISS", "25544", "98067A"}};

struct TFormCase {
    const char* File;
    TElementFileFormat Format;
    bool ListNames;  // listed under the names-list names
    bool HasKeys;  // catalog number and designator read
    bool HasBStar;
};

const TFormCase kForms[] = {
    {"three-line.tle", TElementFileFormat::efTwoLine, false, true, true},
    {"two-line.tle", TElementFileFormat::efTwoLine, true, true, true},
    {"verbose.txt", TElementFileFormat::efVerbose, true, false, false},
    {"omm.csv", TElementFileFormat::efCsv, false, true, true},
    {"omm-document.xml", TElementFileFormat::efOmmXml, false, true, true},
    {"omm-per-line.xml", TElementFileFormat::efOmmXml, false, true, true},
    {"omm.kvn", TElementFileFormat::efOmmKvn, false, true, true},
};

TEST(ElementForms, EveryFormGivesTheTwoLineElements) {
    TLoaded reference;
    reference.Load(FixtureBytes("three-line.tle"));
    ASSERT_EQ(reference.Catalog.Count(), 3);

    for (const TFormCase& form : kForms) {
        SCOPED_TRACE(form.File);
        TLoaded loaded;
        loaded.Names = ParseNorvaNames(FixtureBytes("NorvaNames.txt"));
        loaded.Load(FixtureBytes(form.File), std::string("/data/") + form.File);
        ASSERT_EQ(loaded.Result.Format, form.Format);
        ASSERT_EQ(loaded.Catalog.Count(), 3);
        EXPECT_EQ(loaded.Result.RejectedCount, 0);
        EXPECT_EQ(loaded.Catalog.SourceFileName(), form.File);
        for (int n = 1; n <= 3; ++n) {
            const TReference& ref = kSets[n - 1];
            const TCatalogEntry& entry = loaded.Catalog.Entry(n);
            EXPECT_EQ(entry.Name, form.ListNames ? ref.ListName : ref.SourceName);
            EXPECT_EQ(entry.CatalogNumber, form.HasKeys ? ref.Catalog : "");
            EXPECT_EQ(entry.Designator, form.HasKeys ? ref.Designator : "");
            const TElementSet& got = loaded.Model->Slot(n);
            const TElementSet& want = reference.Model->Slot(n);
            EXPECT_DOUBLE_EQ(got.Epoch, want.Epoch);
            EXPECT_NEAR(got.JulianEpoch, want.JulianEpoch, 1e-9);
            EXPECT_DOUBLE_EQ(got.InclinationDeg, want.InclinationDeg);
            EXPECT_DOUBLE_EQ(got.RaanDeg, want.RaanDeg);
            EXPECT_DOUBLE_EQ(got.Eccentricity, want.Eccentricity);
            EXPECT_DOUBLE_EQ(got.ArgPerigeeDeg, want.ArgPerigeeDeg);
            EXPECT_DOUBLE_EQ(got.MeanAnomalyDeg, want.MeanAnomalyDeg);
            EXPECT_DOUBLE_EQ(got.RevsPerDay, want.RevsPerDay);
            EXPECT_EQ(got.DeepSpace, want.DeepSpace);
            EXPECT_NEAR(got.BStar, form.HasBStar ? want.BStar : 0.0, 1e-15);
        }
        // The model's working copy holds the last set, ready to propagate.
        EXPECT_DOUBLE_EQ(loaded.Model->Model().RevsPerDay, reference.Model->Slot(3).RevsPerDay);
    }
}

TEST(ElementForms, OmmRawTextsAreKept) {
    TLoaded csv;
    csv.Load(FixtureBytes("omm.csv"));
    const TRawElementTexts& r = csv.Catalog.Entry(3).Raw;
    EXPECT_EQ(r.Epoch, "24043.00684501");
    EXPECT_EQ(r.NoradCatId, "25544");
    EXPECT_EQ(r.ClassificationType, "U");
    EXPECT_EQ(r.ElementSetNo, "999");
    EXPECT_EQ(r.MeanMotionDot, ".20902E-3");
    EXPECT_EQ(r.MeanMotionDdot, "0");
    EXPECT_DOUBLE_EQ(csv.Model->Slot(3).EpochRev, 43898.0);  // OMM forms: as read

    TLoaded tle;
    tle.Load(FixtureBytes("three-line.tle"));
    EXPECT_EQ(tle.Catalog.Entry(3).Line2.size(), 69u);
    EXPECT_DOUBLE_EQ(tle.Model->Slot(3).EpochRev, 43897.5);
}

TEST(ElementForms, SortedNamesForTheAvailableList) {
    TLoaded loaded;
    loaded.Load("iss\r\n" + FixtureBytes("two-line.tle").substr(0, 142) + "Zeta\r\n" +
                FixtureBytes("two-line.tle").substr(142, 142) + "alpha\r\n" + FixtureBytes("two-line.tle").substr(284));
    ASSERT_EQ(loaded.Catalog.Count(), 3) << loaded.Names1ToN();
    EXPECT_EQ(SortedSetNames(loaded.Catalog), (std::vector<std::string>{"alpha", "iss", "Zeta"}));
}

}  // namespace
}  // namespace kelvora
