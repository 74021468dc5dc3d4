#include "DataFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelvora;

namespace {

// Where the kit lies decides where the maps and help files are looked for.
struct Layout {
    const char* name;
    bool kitBesideExecutable;
    bool kitInShare;
    const char* expected;  // relative to the prefix
};

class ProgramFolderLayouts : public ::testing::TestWithParam<Layout> {};

TEST_P(ProgramFolderLayouts, TheFolderThatHoldsTheKitWins) {
    const Layout& c = GetParam();
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin"));
    if (c.kitBesideExecutable) {
        ASSERT_TRUE(root.mkpath("bin/kit"));
    }
    if (c.kitInShare) {
        ASSERT_TRUE(root.mkpath("share/kelvoraiss/kit"));
    }

    EXPECT_EQ(LocateProgramFolder(root.filePath("bin")), QDir(root.filePath(c.expected)).absolutePath());
}

INSTANTIATE_TEST_SUITE_P(All, ProgramFolderLayouts,
                         ::testing::Values(Layout{"BuildTree", true, false, "bin"},
                                           Layout{"Installed", false, true, "share/kelvoraiss"},
                                           Layout{"BuildTreeOverInstalled", true, true, "bin"},
                                           Layout{"NoKitAnywhere", false, false, "bin"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
