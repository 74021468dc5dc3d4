// The CAT pause waits at least its length on the monotonic clock.
#include <gtest/gtest.h>

#include "SteadyCatPause.h"

namespace kelvora {
namespace {

using namespace std::chrono_literals;

TEST(SteadyCatPause, WaitsItsLengthAndNothingForZero) {
    TSteadyCatPause pause;
    for (const auto length : {0ms, -5ms, 1ms, 30ms}) {
        const auto start = std::chrono::steady_clock::now();
        pause.Pause(length);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_GE(waited, length) << length.count();
        EXPECT_LT(waited, length + 5s) << length.count();  // generous: only that it ends
    }
}

}  // namespace
}  // namespace kelvora
