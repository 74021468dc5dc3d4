#pragma once
// The CAT pause of the running program: a real wait on the monotonic clock, so a
// pause that spans midnight or a change of the computer's clock lasts exactly as
// long as any other. The program does nothing else meanwhile (one thread).

#include "SerialPort.h"

namespace kelvora {

class TSteadyCatPause final : public ICatPause {
public:
    // Returns once the length has passed; at once for 0 or less.
    void Pause(std::chrono::milliseconds length) override;
};

}  // namespace kelvora
