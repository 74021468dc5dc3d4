#pragma once
// What the CAT conductor needs from the radio definition files: the family, the
// model text of that family and the few parameters its commands are built from.
// The definition reader fills it; the conductor never reads files.

#include <cstddef>
#include <cstdint>
#include <string>

#include "RadioDefinition.h"
#include "SerialPort.h"

namespace kelvora {

struct TCatRadioSetup {
    TRadioFamily Family = TRadioFamily::None;
    std::string Model;  // the model text of the family's file ("FT-847", "IC-9700", "TS-2000", ...)
    std::string BaudText;  // the family's baud-rate text
    std::uint8_t YaesuRxOpcode = 0;  // manual-step opcodes
    std::uint8_t YaesuTxOpcode = 0;
    std::uint8_t IcomRxAddress = 0;  // the pair chosen in the mode dialog
    std::uint8_t IcomTxAddress = 0;
    char KenwoodSatChar = '0';
    std::string KenwoodTraceOption;  // "TraceOff" or "TraceOn"
    bool RtsOn = false;  // "RTS12.SQF"
    bool DtrOn = false;
};

// The setup of the definition files' family with the Icom address pair at that
// index of the table (the first when the table has no such pair; 0 and 0 when empty).
TCatRadioSetup CatRadioSetupOf(const TRadioDefinition& radio, std::size_t addressPair = 0);

// The port settings for the radio: the family's speed, 8 data bits, no parity,
// 1 stop bit, except 4800 baud and 2 stop bits for the TS-790 and the FT-736R and
// 2 stop bits for a TS-2000 at 4800; RTS and DTR as the setup says.
TSerialSettings CatPortSettings(const TCatRadioSetup& setup, int portNumber, std::string devicePath);

}  // namespace kelvora
