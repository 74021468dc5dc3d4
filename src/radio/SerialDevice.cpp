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
                                QuotedExcerpt(line,
                                              " is not a port line (port number, \"=\", device path, as in "
                                              "\"1=/dev/serial/by-id/...\")"));
        if (!read.emplace(number, std::string(path)).second)
            return FailFileLine(error, kSerialPortsFileName, lineNumber,
                                std::string("port ").append(std::to_string(number)).append(" has a line already"));
    }
    ports = std::move(read);
    return true;
}

std::string DevicePathFor(const TSerialPortMap& ports, int portNumber) {
    const auto found = ports.find(portNumber);
    if (found != ports.end()) return found->second;
    return std::string("/dev/ttyUSB").append(std::to_string(portNumber - 1));
}

std::string PortOpenFailureMessage(int portNumber, std::string_view devicePath, std::string_view reason,
                                   std::string_view dataFolder) {
    // Built by appending: GCC 12 at -O3 misreads "literal" + std::string as an overlapping copy.
    const std::string com = std::string("COM").append(std::to_string(portNumber));
    std::string message;
    message.append("Could not open ").append(com).append("!\n");
    message.append("Check whether ").append(com).append(" is available on your system.\n");
    message.append(
        "If not,  open menu Setup / Radio Setup of the main program and select and store another COM port.\n");
    message.append(" If no port is available select 0 for the COM port number.");
    message.append("\n\n").append(com).append(" is the device ").append(devicePath);
    if (reason.empty()) message.append(".");
    else message.append(", which could not be opened: ").append(reason).append(".");
    message.append("\nThe device of each COM number is set in the file \"").append(kSerialPortsFileName);
    message.append("\" in the data folder");
    if (!dataFolder.empty()) message.append(" (").append(dataFolder).append(")");
    message.append(", one line per port such as \"").append(std::to_string(portNumber));
    message.append("=/dev/serial/by-id/...\".");
    return message;
}

}  // namespace kelvora
