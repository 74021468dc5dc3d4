#include "SteadyCatPause.h"

#include <thread>

namespace kelvora {

void TSteadyCatPause::Pause(std::chrono::milliseconds length) {
    if (length <= std::chrono::milliseconds::zero()) return;
    const auto end = std::chrono::steady_clock::now() + length;
    // A sleep may end early on a signal; the clock decides.
    while (std::chrono::steady_clock::now() < end) std::this_thread::sleep_until(end);
}

}  // namespace kelvora
