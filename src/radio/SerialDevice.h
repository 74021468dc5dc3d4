#pragma once
// Which device a CAT port number stands for. The general settings name the port by
// its number (COM1, COM2, ...); this system has device paths instead. The data-folder
// file "SerialPorts.SQF" maps numbers to paths, one line per port:
//
//     1=/dev/serial/by-id/usb-Example_USB_Serial_A1B2C3D4-if00-port0
//
// A /dev/serial/by-id/ path names the adapter itself and stays the same whatever
// order the adapters are plugged in. Lines starting with ";" are comments, empty
// lines are skipped, blanks around the number and the path do not count.
// A number without a line is /dev/ttyUSB(N-1): COM1 is /dev/ttyUSB0, COM2
// /dev/ttyUSB1, ... (the first USB serial adapter for COM1).

#include <map>
#include <string>
#include <string_view>

#include "FileMessage.h"

namespace kelvora {

inline constexpr const char* kSerialPortsFileName = "SerialPorts.SQF";

using TSerialPortMap = std::map<int, std::string>;

// The lines of "SerialPorts.SQF"; false with a message naming the line when a line
// is not "N=path" with a port number from 1 up and a path, or a number comes twice.
bool ReadSerialPortsFile(std::string_view bytes, TSerialPortMap& ports, TFileError* error = nullptr);

// The device of port number 1 and up: the file's line, else /dev/ttyUSB(N-1).
std::string DevicePathFor(const TSerialPortMap& ports, int portNumber);

// The message shown when the CAT port does not open. The first four lines are the
// program's long-standing words; the last ones name the device that failed, why,
// and where the device of a COM number is set. dataFolder may be empty.
std::string PortOpenFailureMessage(int portNumber, std::string_view devicePath, std::string_view reason,
                                   std::string_view dataFolder);

}  // namespace kelvora
