// Form detection, the two-line layouts and the per-form edge cases.
#include <gtest/gtest.h>

#include "ElementFileReaders.h"
#include "ElementTestSupport.h"
#include "SampleElements.h"
#include "TextReplace.h"

namespace kelvora {
namespace {

using testing::FixtureBytes;
using testing::Naming;
using testing::Replaced;
using testing::TLoaded;

const std::string kIss0 = "ISS (ZARYA)";
const std::string kIss1 = testing::kIssLine1;
const std::string kIss2 = testing::kIssLine2;
const std::string kAo7_1 = "1 07530U 74089B   24042.90715712 -.00000045  00000+0  76181-5 0  9994";
const std::string kAo7_2 = "2 07530 101.9722  36.4033 0012082 326.5448 104.0552 12.53672066253211";

std::string Lines(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    return bytes;
}

TEST(ElementDetection, FirstDecidingLineWins) {
    using F = TElementFileFormat;
    const struct {
        std::string bytes;
        F format;
    } cases[] = {
        {"", F::efNone},
        {"just text\r\nmore text", F::efNone},
        {"xx Satellite: AO-7\r\nOBJECT_NAME", F::efVerbose},
        {"header\r\nOBJECT_NAME,OBJECT_ID\r\n<?xml", F::efCsv},
        {"<?xml version=\"1.0\"?>\r\n<OBJECT_NAME>", F::efOmmXml},
        {"CCSDS_OMM_VERS = 2.0\r\nOBJECT_NAME    = X", F::efOmmKvn},
        {"1 a\r\n2 b", F::efTwoLine},
        {"1 a\n2 b\n", F::efTwoLine},  // LF line ends
        {"1 a\r\nx\r\n2 b", F::efNone},  // the 2-line must follow at once
        {"1 a\r\n1 b\r\n2 c", F::efNone},  // a possible line 2 is not tested again
        {"1 a\r\nx\r\n1 b\r\n2 c", F::efTwoLine},  // detection goes on after it
        {" 1 a\r\n2 b", F::efNone},  // prefix, not substring
        {"1 a\r\n2 b\r\nSatellite: X", F::efTwoLine},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectElementFileFormat(c.bytes), c.format) << '"' << c.bytes << '"';
}

TEST(ElementDetection, OmmEpochToTleEpoch) {
    const struct {
        const char* iso;
        const char* tle;
    } cases[] = {
        {"2022-03-01T12:00:00.000000", "22060.50000000"},
        {"2024-03-01T00:00:00.000000", "24061.00000000"},
        {"2100-03-01T00:00:00.000000", "00060.00000000"},  // 2100 is a common year
        {"2000-03-01T00:00:00.000000", "00061.00000000"},
        {"2024-02-12T00:09:51.408864", "24043.00684501"},
        {"2024-01-05T06:00:00", "24005.25000000"},
        {"2024-02-12T23:59:59.9999999", "24044.00000000"},  // rounds into the next day
        {"2024-13-05T00:00:00", "24006.00000000"},  // unknown month: no days before
    };
    for (const auto& c : cases) EXPECT_EQ(OmmEpochToTleEpoch(c.iso), c.tle) << c.iso;
    // Short or garbage texts still give the YYDDD.FFFFFFFF shape and no crash.
    for (const char* junk : {"", "2024", "2024-02-12Txx:yy:zz", "2024-02-12T00:00:1e300"}) {
        const std::string t = OmmEpochToTleEpoch(junk);
        EXPECT_EQ(t.substr(t.size() - 9, 1), ".") << junk;
    }
}

TEST(ElementLayouts, TwoAndThreeLineFiles) {
    const struct {
        const char* what;
        std::string bytes;
        TNamingOptions options;
        std::string listed;
    } cases[] = {
        {"bracketed status dropped", Lines({"AO-07 [P]", kAo7_1, kAo7_2}), {}, "AO-07"},
        {"name line with blanks", Lines({"ISS (ZARYA)    ", kIss1, kIss2}), {}, "ISS (ZARYA)"},
        {"one set without name line is three-line", Lines({kIss1, kIss2}), {}, ""},
        {"... and listed through the names list", Lines({kIss1, kIss2}), Naming('+', '+', 'I'), "ISS"},
        {"two-line layout: only sets of the names list", Lines({kAo7_1, kAo7_2, kIss1, kIss2}), {}, "ISS"},
        {"two-line layout by designator", Lines({kAo7_1, kAo7_2, kIss1, kIss2}), Naming('-', '+', 'D'), "ISS"},
        {"non-digit in column 11 is no set",
         Lines({"X", kIss1, kIss2.substr(0, 10) + "x" + kIss2.substr(11), "Y", kIss1, kIss2}),
         {},
         "Y"},
        {"same name twice is listed twice", Lines({"A", kIss1, kIss2, "A", kAo7_1, kAo7_2}), {}, "A|A"},
    };
    for (const auto& c : cases) {
        TLoaded loaded;
        loaded.Names = TNamesList({{"25544", "98067A", "ISS"}});
        loaded.Options = c.options;
        loaded.Load(c.bytes);
        EXPECT_EQ(loaded.Result.Format, TElementFileFormat::efTwoLine) << c.what;
        EXPECT_FALSE(loaded.Result.NoDataSet) << c.what;
        EXPECT_EQ(loaded.Names1ToN(), c.listed) << c.what;
    }
}

// Prefix and number, appended: "S" + std::to_string(k) trips GCC 12's -Wrestrict at -O3.
std::string Numbered(const char* prefix, int k) {
    std::string name(prefix);
    name += std::to_string(k);
    return name;
}

TEST(ElementLayouts, ReadersStopAtTheirLimits) {
    std::string tle, csv = "OBJECT_NAME\r\n", verbose;
    for (int k = 0; k < 1801; ++k) {
        tle += Lines({Numbered("S", k), kIss1, kIss2});
        csv += Numbered("S", k) + ",1998-067A,2024-02-12T00:09:51.408864,15.49783958\r\n";
    }
    const std::string verboseSet =
        "Epoch time: 24043.00684501\r\nInclination: 51.6\r\nRA of node: 220.6\r\n"
        "Eccentricity: 0.0001921\r\nArg of perigee: 228.7\r\nMean anomaly: 273.9\r\n"
        "Mean motion: 15.49 rev/day\r\nDecay rate: 0\r\nEpoch rev: 43898\r\n";
    verbose = "Satellite: DUP\r\n" + verboseSet;
    for (int k = 0; k < 250; ++k) verbose += Numbered("Satellite: V", k) + "\r\n" + verboseSet;
    verbose += "\r\n";

    // XML with one object per line stops where the model's slots end.
    const std::string perLine = FixtureBytes("omm-per-line.xml");
    const std::size_t issAt = perLine.find("<omm", perLine.find("ISS (ZARYA)") - 300);
    const std::string issObject = perLine.substr(issAt, perLine.find("</omm>", issAt) + 6 - issAt);
    std::string xml = "<?xml\r\n";
    for (int k = 0; k < 2100; ++k) xml += Replaced(issObject, "ISS (ZARYA)", Numbered("X", k)) + "\r\n";
    // The whole document on its second line is cut into at most 301 objects.
    const std::string document = FixtureBytes("omm-document.xml");
    const std::size_t body = document.find("<omm");
    std::string oneLine = document.substr(0, body);
    for (int k = 0; k < 350; ++k) oneLine += Replaced(issObject, "ISS (ZARYA)", Numbered("D", k));
    oneLine += "</ndm>\r\n";

    const struct {
        std::string bytes;
        int count;
        const char* last;
    } cases[] = {{tle, 1800, "S1799"},
                 {csv, 1800, "S1799"},
                 {verbose, 249, "V247"},
                 {xml, 2000, "X1999"},
                 {oneLine, 301, "D300"}};
    for (const auto& c : cases) {
        TLoaded loaded;
        loaded.Load(c.bytes);
        ASSERT_EQ(loaded.Catalog.Count(), c.count) << c.last;
        EXPECT_EQ(loaded.Catalog.Name(c.count), c.last);
    }
}

TEST(ElementLayouts, VerboseSkipsRepeatedNamesAndNeverReadsTheLastLine) {
    const std::string set = FixtureBytes("verbose.txt");
    const std::string iss = set.substr(set.find("Satellite: ISS"));
    TLoaded loaded;
    loaded.Load(iss + iss);
    EXPECT_EQ(loaded.Names1ToN(), "ISS");

    // Without the closing lines the final "Epoch rev:" line is the file's last
    // line, which the reader does not look at: the set is dropped.
    const std::string cut = iss.substr(0, iss.find("Checksum:"));
    loaded.Load(cut.substr(0, cut.size() - 2));
    EXPECT_EQ(loaded.Catalog.Count(), 0);
}

TEST(ElementLayouts, OmmEdgeCases) {
    const std::string csv = FixtureBytes("omm.csv");
    const std::string perLine = FixtureBytes("omm-per-line.xml");
    const std::string kvn = FixtureBytes("omm.kvn");
    std::string indented = perLine;  // every element on its own short line
    for (std::size_t at = 0; (at = indented.find("><", at)) != std::string::npos; at += 4)
        indented.replace(at, 2, ">\r\n  <");
    std::string noArg = FixtureBytes("omm-document.xml");
    const std::size_t argAt = noArg.rfind("<ARG_OF_PERICENTER>");
    noArg.erase(argAt, noArg.find("<MEAN_ANOMALY>", argAt) - argAt);

    const struct {
        const char* what;
        std::string bytes;
        std::string listed;
    } cases[] = {
        {"CSV empty last line", csv + "\r\n", "OSCAR 7 (AO-7)|PHASE 3B (AO-10)|ISS (ZARYA)"},
        {"CSV line without name", csv + ",1998-067A\r\n", "OSCAR 7 (AO-7)|PHASE 3B (AO-10)|ISS (ZARYA)"},
        {"XML indented lists nothing", indented, ""},
        {"XML object without ARG_OF_PERICENTER still listed", noArg, "OSCAR 7 (AO-7)|PHASE 3B (AO-10)|ISS (ZARYA)"},
        {"KVN shorter than one object", kvn.substr(0, kvn.find("OBJECT_NAME")), ""},
        {"KVN one object", kvn.substr(0, kvn.find("OBJECT_NAME    = PHASE")), "OSCAR 7 (AO-7)"},
    };
    for (const auto& c : cases) {
        TLoaded loaded;
        loaded.Load(c.bytes);
        EXPECT_FALSE(loaded.Result.NoDataSet) << c.what;
        EXPECT_EQ(loaded.Names1ToN(), c.listed) << c.what;
    }

    // The object without ARG_OF_PERICENTER takes nothing from the one before it.
    TLoaded loaded;
    loaded.Load(noArg);
    EXPECT_EQ(loaded.Catalog.Entry(3).Raw.MeanAnomaly, "");
    EXPECT_EQ(loaded.Catalog.Entry(3).CatalogNumber, "");
    EXPECT_EQ(loaded.Model->Slot(3).BStar, 0.0);
}

TEST(ElementLayouts, ReadersForceAnUnknownLookupKeyExceptVerbose) {
    const struct {
        const char* file;
        char key;
    } cases[] = {
        {"three-line.tle", 'I'}, {"omm.csv", 'I'}, {"omm-document.xml", 'I'}, {"omm.kvn", 'I'}, {"verbose.txt", 'x'}};
    for (const auto& c : cases) {
        TLoaded loaded;
        loaded.Options.NameLookupKey = 'x';
        loaded.Load(FixtureBytes(c.file));
        EXPECT_EQ(loaded.Options.NameLookupKey, c.key) << c.file;
    }
}

}  // namespace
}  // namespace kelvora
