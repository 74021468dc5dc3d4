#include "SerialDevice.h"

#include "ConfigText.h"
#include "FileMessage.h"

namespace kelvora {

bool ReadSerialPortsFile(std::string_view bytes, TSerialPortMap& ports, TFileError* error) {
    TConfigText text{std::string(bytes)};
    TSerialPortMap read;
    while (!text.AtEnd()) {
        const int lineNumber = text.CurrentLine();
        const std::string_view line = TrimBlanks(text.ReadLine());
        if (line.empty() || line.front() == ';') continue;
        const std::size_t equals = line.find('=');
        int number = 0;
        const std::string_view path =
            equals == std::string_view::npos ? std::string_view() : TrimBlanks(line.substr(equals + 1));
        if (equals == std::string_view::npos || !ParseWholeNumberText(TrimBlanks(line.substr(0, equals)), number) ||
            number < 1 || path.empty())
            return FailFileLine(error, kSerialPortsFileName, lineNumber,
                                "\"" + TextExcerpt(line) +
                                    "\" is not a port line (port number, \"=\", device path, as in "
                                    "\"1=/dev/serial/by-id/...\")");
        if (!read.emplace(number, std::string(path)).second)
            return FailFileLine(error, kSerialPortsFileName, lineNumber,
                                "port " + std::to_string(number) + " has a line already");
    }
    ports = std::move(read);
    return true;
}

std::string DevicePathFor(const TSerialPortMap& ports, int portNumber) {
    const auto found = ports.find(portNumber);
    if (found != ports.end()) return found->second;
    return "/dev/ttyUSB" + std::to_string(portNumber - 1);
}

std::string PortOpenFailureMessage(int portNumber, std::string_view devicePath, std::string_view reason,
                                   std::string_view dataFolder) {
    const std::string com = "COM" + std::to_string(portNumber);
    std::string message = "Could not open " + com + "!" + "\n" + "Check whether " + com +
                          " is available on your system." + "\n" +
                          "If not,  open menu Setup / Radio Setup of the main program and select and store "
                          "another COM port." +
                          "\n" + " If no port is available select 0 for the COM port number.";
    message += "\n\n" + com + " is the device " + std::string(devicePath);
    message += reason.empty() ? std::string(".") : ", which could not be opened: " + std::string(reason) + ".";
    message += "\nThe device of each COM number is set in the file \"" + std::string(kSerialPortsFileName) +
               "\" in the data folder";
    if (!dataFolder.empty()) message += " (" + std::string(dataFolder) + ")";
    message += ", one line per port such as \"" + std::to_string(portNumber) + "=/dev/serial/by-id/...\".";
    return message;
}

}  // namespace kelvora
