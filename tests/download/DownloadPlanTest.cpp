// What an address means before anything is fetched: kind, file name in "Kepler",
// the request, and the addresses refused; the two-line pair test; the address list.

#include "ConfigFile.h"
#include "DownloadAddresses.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kelvora {
namespace {

struct PlanCase {
    const char* Address;
    TDownloadKind Kind;
    const char* FileName;  // nullptr: the address is refused
};

void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.Address; }

class PlanDownloadTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanDownloadTest, GivesKindAndFileNameOrRefuses) {
    const PlanCase& c = GetParam();
    const TDownloadPlan plan = PlanDownload(c.Address);
    EXPECT_EQ(plan.Kind, c.Kind);
    if (c.FileName) {
        EXPECT_EQ(plan.Problem, QString());
        EXPECT_EQ(plan.FileName, QString(c.FileName));
    } else {
        EXPECT_NE(plan.Problem, QString()) << "would store " << plan.FileName.toStdString();
    }
}

constexpr auto File = TDownloadKind::ElementFile;
constexpr auto Group = TDownloadKind::GroupQuery;

INSTANTIATE_TEST_SUITE_P(
    Addresses, PlanDownloadTest,
    ::testing::Values(PlanCase{"http://www.example.org/tle/current/nasabare.txt", File, "nasabare.txt"},
                      PlanCase{"https://www.example.org/tle/current/nasa.all", File, "nasa.all"},
                      PlanCase{"  http://h.example/keps/a.txt  ", File, "a.txt"},
                      PlanCase{"http://h.example/keps\\b.txt", File, "b.txt"},
                      PlanCase{"http://h.example/group.txt", File, "group.txt"},  // "GROUP" is case-sensitive
                      PlanCase{"http://h.example/gp.php?GROUP=amateur&FORMAT=tle", Group, "amateur.tle"},
                      PlanCase{"https://h.example/gp.php?GROUP=amateur&FORMAT=xml", Group, "amateur.xml"},
                      PlanCase{"https://h.example/gp.php?GROUP=weather&FORMAT=csv", Group, "weather.csv"},
                      // Names that would leave "Kepler" or name nothing.
                      PlanCase{"http://h.example/gp.php?GROUP=../../evil&FORMAT=tle", Group, nullptr},
                      PlanCase{"http://h.example/gp.php?GROUP=..&FORMAT=tle/", Group, nullptr},
                      PlanCase{"http://h.example/gp.php?GROUP=amateur", Group, nullptr},
                      PlanCase{"http://h.example/gp.php?a&GROUP=amateur", Group, nullptr},
                      PlanCase{"http://h.example/gp.php?GROUP=&FORMAT=tle", Group, nullptr},
                      PlanCase{"http://h.example/keps/", File, nullptr},
                      PlanCase{"http://h.example/keps/..", File, nullptr},
                      PlanCase{"http://h.example/keps/.", File, nullptr},
                      // Only http and https are fetched.
                      PlanCase{"ftp://h.example/keps/nasa.all", File, nullptr},
                      PlanCase{"file:///etc/nasa.all", File, nullptr}, PlanCase{"nasa.all", File, nullptr}));

TEST(PlanDownload, KeepsHttpsAsHttps) {
    // The old behaviour removed the "s" of a group query and fetched it as http.
    EXPECT_EQ(PlanDownload("https://h.example/gp.php?GROUP=amateur&FORMAT=tle").Request.scheme(), "https");
    EXPECT_EQ(PlanDownload("HTTPS://h.example/nasa.all").Request.scheme(), "https");
}

TEST(PlanDownload, BoundsTheNameLength) {
    const QString longest(MaxDownloadNameLength, 'a');
    EXPECT_EQ(PlanDownload("http://h.example/" + longest).Problem, QString());
    EXPECT_NE(PlanDownload("http://h.example/" + longest + "a").Problem, QString());
}

struct PairCase {
    const char* Name;
    QByteArray Bytes;
    bool TwoLine;
};

void PrintTo(const PairCase& c, std::ostream* os) { *os << c.Name; }

class ContainsTwoLineDataTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(ContainsTwoLineDataTest, FindsAPairOnly) {
    EXPECT_EQ(ContainsTwoLineData(GetParam().Bytes), GetParam().TwoLine);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, ContainsTwoLineDataTest,
    ::testing::Values(PairCase{"three-line CR LF",
                               "ISS (ZARYA)\r\n1 25544U 98067A   24043.5 .00016717  00000-0  10270-3 0  9005\r\n"
                               "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537\r\n",
                               true},
                      PairCase{"two-line LF, no end", "1 25544U 98067A\n2 25544  51.6416", true},
                      PairCase{"OMM XML", "<?xml version=\"1.0\"?>\n<ndm><omm><body/></omm></ndm>\n", false},
                      PairCase{"OMM CSV", "OBJECT_NAME,OBJECT_ID,EPOCH\nISS (ZARYA),1998-067A,2024-02-12T12:00:00\n",
                               false},
                      PairCase{"an HTML page", "<html><body>1 2 3</body></html>\n", false},
                      PairCase{"line 1 at the end", "ISS\n1 25544U 98067A\n", false}, PairCase{"empty", "", false}));

TEST(ReadDownloadAddresses, ListsEveryLineButComments) {
    QTemporaryDir folder;
    QFile file(folder.filePath(DownloadAddressFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; comment\r\nhttp://a.example/x.txt\r\n\r\n;another\r\nhttp://b.example/gp.php?GROUP=a&FORMAT=tle\r\n");
    file.close();
    EXPECT_EQ(ReadDownloadAddresses(folder.path()),
              QStringList({"http://a.example/x.txt", "", "http://b.example/gp.php?GROUP=a&FORMAT=tle"}));
}

TEST(ReadDownloadAddresses, MissingFileIsAFileError) {
    QTemporaryDir folder;
    EXPECT_THROW(ReadDownloadAddresses(folder.path()), ConfigError);
}

}  // namespace
}  // namespace kelvora
