#pragma once
// The "Test" buttons: one read command to the radio on its serial port, and one
// query to Hamlib's rotctld or rigctld. Each waits a bounded time and leaves
// nothing open behind it; the result is a line for the operator.

#include "CatRadioSetup.h"
#include "SerialPort.h"

#include <QString>
#include <chrono>

namespace kelvora {

// Opens the port with the settings, sends the family's read command (Icom: read
// frequency; Kenwood: "FA;") and reports the answer that came within `wait`, the
// missing answer, or why the port did not open. Yaesu radios are only opened: they
// have no read command the program uses. The caller closes the port (destroys it).
QString ProbeRadio(ISerialPort& port, const TCatRadioSetup& radio, const TSerialSettings& settings,
                   std::chrono::milliseconds wait);

// The frequency of a Kenwood "FA;" answer ("FA00145800000;"), in kHz.
std::optional<double> KenwoodFrequencyAnswer(std::string_view answer);

// Connects to host:port, sends the command line and reads `answerLines` lines within
// `wait`; the answer, "RPRT" errors included, or the failure.
QString ProbeHamlibServer(const QString& address, const QByteArray& command, int answerLines,
                          std::chrono::milliseconds wait);

}  // namespace kelvora
