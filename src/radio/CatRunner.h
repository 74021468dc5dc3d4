#pragma once
// Carries out a command script on the serial port: writes, CAT pauses, input
// discarded, answers awaited and read. A device that fails (unplugged, closed)
// is reported through the result, never thrown, and the rest of the script is
// dropped so nothing more goes to a radio that is gone.

#include <chrono>

#include "CatScript.h"
#include "SerialPort.h"

namespace kelvora {

struct TCatLink {
    ISerialPort& Port;
    ICatPause& Pauser;
    std::chrono::milliseconds PauseLength{0};
};

struct TCatRunResult {
    bool Ok = true;  // false: a wait or read failed
    TCatBytes Answer;  // what the last ReadAll step returned
};

// An Await of n pauses waits at most n CAT pauses; a pause of 0 ms ends it at once.
TCatRunResult RunCatScript(const TCatLink& link, const TCatScript& script);

}  // namespace kelvora
