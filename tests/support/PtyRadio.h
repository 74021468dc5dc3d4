#pragma once
// A scripted radio on the master side of a pseudo-terminal: the program opens the
// slave side by its path through the real serial port.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "RadioDefinition.h"

namespace kelvora::test {

// The radio on the master side of a pseudo-terminal, served by its own thread:
// an Icom interface echoes every frame, answers the frequency and transmit-state
// queries and acknowledges other commands (FB); a Kenwood answers "IF;" with
// receive; a Yaesu is silent. It counts the commands it received.
// Scripted answers replace the radio's own for the commands they name (a whole
// Icom frame, echo included in the answer, or a Kenwood command with its ";"); an
// empty answer is silence.
class PtyRadio {
public:
    using TScript = std::map<std::string, std::string>;
    PtyRadio(TRadioFamily family, std::uint8_t address, TScript script = {})
        : Family_(family), Address_(address), Script_(std::move(script)) {
        char name[256] = {};
        Ok_ = ::openpty(&Master_, &Slave_, name, nullptr, nullptr) == 0;
        SlavePath_ = name;
        if (Ok_) Thread_ = std::thread([this] { Serve(); });
    }
    ~PtyRadio() {
        Stop_ = true;
        if (Thread_.joinable()) Thread_.join();
        if (Master_ >= 0) ::close(Master_);
        if (Slave_ >= 0) ::close(Slave_);
    }
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    bool Ok() const { return Ok_; }
    const std::string& SlavePath() const { return SlavePath_; }
    std::atomic<long long> Commands{0};
    std::atomic<long long> Bytes{0};

    // Every byte received so far, in order.
    std::string Received() const {
        std::lock_guard<std::mutex> lock(ReceivedLock_);
        return Received_;
    }
    // Every byte received once the line has been quiet for 100 ms (5 s at most):
    // the radio's thread reads a little after the program wrote.
    std::string ReceivedWhenQuiet() const {
        using namespace std::chrono;
        const auto end = steady_clock::now() + seconds(5);
        long long seen = -1;
        for (auto quietSince = steady_clock::now(); steady_clock::now() < end;) {
            if (Bytes != seen) {
                seen = Bytes;
                quietSince = steady_clock::now();
            } else if (steady_clock::now() - quietSince > milliseconds(100)) {
                break;
            }
            std::this_thread::sleep_for(milliseconds(5));
        }
        return Received();
    }
    // The cable is pulled: both ends of the terminal go, the device path with them.
    void Unplug() {
        Stop_ = true;
        if (Thread_.joinable()) Thread_.join();
        ::close(Master_);
        ::close(Slave_);
        Master_ = Slave_ = -1;
    }

private:
    void Serve() {
        std::string input;
        while (!Stop_) {
            pollfd p{Master_, POLLIN, 0};
            if (::poll(&p, 1, 5) <= 0) continue;
            char buffer[512];
            const ssize_t n = ::read(Master_, buffer, sizeof buffer);
            if (n <= 0) continue;
            {
                std::lock_guard<std::mutex> lock(ReceivedLock_);
                Received_.append(buffer, static_cast<std::size_t>(n));
            }
            Bytes += n;
            input.append(buffer, static_cast<std::size_t>(n));
            if (Family_ == TRadioFamily::Icom) ServeIcom(input);
            else if (Family_ == TRadioFamily::Kenwood) ServeKenwood(input);
            else {
                Commands += static_cast<long long>(input.size() / 5);
                input.erase(0, input.size() - input.size() % 5);
            }
        }
    }
    void ServeIcom(std::string& input) {
        for (std::size_t end; (end = input.find('\xFD')) != std::string::npos;) {
            const std::string frame = input.substr(0, end + 1);
            input.erase(0, end + 1);
            const std::size_t start = frame.find("\xFE\xFE");
            if (start == std::string::npos || frame.size() < start + 6) continue;
            ++Commands;
            if (!Scripted(frame.substr(start))) AnswerIcom(std::string_view(frame).substr(start));
        }
    }
    void AnswerIcom(std::string_view frame) {
        const char to = frame[2], from = frame[3], command = frame[4];
        std::string reply(frame);  // the interface's echo
        reply += "\xFE\xFE";
        reply += from;
        reply += to;
        if (command == '\x03' && frame.size() == 6) reply += '\x03' + Main_;
        else if (command == '\x1C' && frame.size() == 7) reply += std::string("\x1C\x00\x00", 3);
        else reply += '\xFB';
        if (command == '\x05' && frame.size() == 11 && static_cast<std::uint8_t>(to) == Address_)
            Main_ = std::string(frame.substr(5, 5));
        reply += '\xFD';
        Send(reply);
    }
    void ServeKenwood(std::string& input) {
        for (std::size_t end; (end = input.find(';')) != std::string::npos;) {
            const std::string command = input.substr(0, end + 1);
            input.erase(0, end + 1);
            ++Commands;
            if (Scripted(command)) continue;
            if (command == "IF;") Send("IF00435800000     +0000000000020000080;");
        }
    }
    bool Scripted(const std::string& command) {
        const auto answer = Script_.find(command);
        if (answer == Script_.end()) return false;
        Send(answer->second);
        return true;
    }
    void Send(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(Master_, bytes.data(), bytes.size());
            if (n <= 0) return;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }

    TRadioFamily Family_;
    std::uint8_t Address_;
    const TScript Script_;
    std::string Main_ = std::string("\x00\x00\x90\x45\x01", 5);  // the main band's BCD digits
    int Master_ = -1;
    int Slave_ = -1;  // kept open so the terminal stays while the port reopens it by name
    bool Ok_ = false;
    std::string SlavePath_;
    std::atomic<bool> Stop_{false};
    mutable std::mutex ReceivedLock_;
    std::string Received_;
    std::thread Thread_;
};

}  // namespace kelvora::test
