// The script runner: every wait gets its deadline of n CAT pauses and no more,
// and a device that fails ends the script with a report instead of a throw.
#include <gtest/gtest.h>

#include <algorithm>

#include "CatRunner.h"
#include "FakeRadio.h"

namespace kelvora {
namespace {

using namespace std::chrono_literals;
using testing::TCountingPause;
using testing::TFakeFamily;
using testing::TFakeRadioPort;

TEST(CatRunner, WaitsGetNPausesAsDeadlineAndTheAnswerIsReturned) {
    struct Case {
        std::chrono::milliseconds pause;
        int pauses;
        std::chrono::milliseconds deadline;
    } cases[] = {{0ms, 2, 0ms}, {10ms, 3, 30ms}, {7ms, 1, 7ms}, {-5ms, 2, 0ms}};
    for (const Case& c : cases) {
        TFakeRadioPort port(TFakeFamily::Kenwood);
        TCountingPause pauser;
        const TCatScript script =
            TCatScriptBuilder().ClearInput().Write("IF;").Await(30, c.pauses).ReadAll().Pause().Take();
        const TCatRunResult r = RunCatScript({port, pauser, c.pause}, script);
        EXPECT_TRUE(r.Ok);
        EXPECT_EQ(r.Answer, port.KenwoodIf());
        ASSERT_EQ(port.Deadlines.size(), 1u);
        EXPECT_EQ(port.Deadlines[0], c.deadline) << c.pause.count() << " x " << c.pauses;
        EXPECT_EQ(pauser.Count, 1);
        EXPECT_EQ(pauser.Total, std::max(c.pause, 0ms));
    }
}

TEST(CatRunner, AFailedWaitOrReadStopsTheScript) {
    TFakeRadioPort port(TFakeFamily::Icom, 0x60);
    port.Unplugged = true;
    TCountingPause pauser;
    const TCatScript script = TCatScriptBuilder().Write("A").Await(16, 2).ReadAll().Write("B").Pause().Take();
    TCatRunResult r;
    EXPECT_NO_THROW(r = RunCatScript({port, pauser, 10ms}, script));
    EXPECT_FALSE(r.Ok);
    EXPECT_EQ(port.Written, "A");
    EXPECT_EQ(pauser.Count, 0);

    const TCatScript readOnly = TCatScriptBuilder().ReadAll().Write("C").Take();
    EXPECT_FALSE(RunCatScript({port, pauser, 10ms}, readOnly).Ok);
    EXPECT_EQ(port.Written, "A");
}

}  // namespace
}  // namespace kelvora
