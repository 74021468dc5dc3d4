// How long one tracking cycle blocks the window with CAT on, against a radio on a
// pseudo-terminal through the real serial port, per family and at a CAT pause of
// 0 ms and of 10 ms (real waits on the monotonic clock). Wall time per cycle is
// the figure; the pauses a cycle makes and what reaches the radio are counted.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>

#include "CatBenchParts.h"
#include "CatControl.h"
#include "QtSerialPort.h"
#include "SteadyCatPause.h"

namespace kelvora {
namespace {

// The serial port's notifiers expect the application object the program always has.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_radio";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);  // lives until the process ends
}

// The real pause, counted.
class CountedSteadyPause final : public ICatPause {
public:
    void Pause(std::chrono::milliseconds length) override {
        ++Count;
        Steady_.Pause(length);
    }
    long long Count = 0;

private:
    TSteadyCatPause Steady_;
};

// The radio on the master side of a pseudo-terminal, served by its own thread:
// an Icom interface echoes every frame, answers the frequency and transmit-state
// queries and acknowledges other commands (FB); a Kenwood answers "IF;" with
// receive; a Yaesu is silent. It counts the commands it received.
class PtyRadio {
public:
    PtyRadio(TRadioFamily family, std::uint8_t address) : Family_(family), Address_(address) {
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

private:
    void Serve() {
        std::string input;
        while (!Stop_) {
            pollfd p{Master_, POLLIN, 0};
            if (::poll(&p, 1, 5) <= 0) continue;
            char buffer[512];
            const ssize_t n = ::read(Master_, buffer, sizeof buffer);
            if (n <= 0) continue;
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
            AnswerIcom(std::string_view(frame).substr(start));
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
            if (command == "IF;") Send("IF00435800000     +0000000000020000080;");
        }
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
    std::string Main_ = std::string("\x00\x00\x90\x45\x01", 5);  // the main band's BCD digits
    int Master_ = -1;
    int Slave_ = -1;  // kept open so the terminal stays while the port reopens it by name
    bool Ok_ = false;
    std::string SlavePath_;
    std::atomic<bool> Stop_{false};
    std::thread Thread_;
};

struct Family {
    const char* name;
    TCatRadioSetup setup;
};

const Family kFamilies[] = {
    {"FT-847", bench::Setup(TRadioFamily::Yaesu, "FT-847")},
    {"IC-9700", bench::Setup(TRadioFamily::Icom, "IC-9700")},
    {"TS-2000", bench::Setup(TRadioFamily::Kenwood, "TS-2000")},
};

void BM_CycleUpdatePty(benchmark::State& state) {
    const Family& f = kFamilies[state.range(0)];
    const std::chrono::milliseconds pause(state.range(1));
    state.SetLabel(std::string(f.name) + ", pause " + std::to_string(pause.count()) + " ms");
    EnsureApplication();
    PtyRadio radio(f.setup.Family, f.setup.IcomRxAddress);
    if (!radio.Ok()) return state.SkipWithError("no pseudo-terminal");
    TDopplerModel doppler;
    TQtSerialPort port;
    CountedSteadyPause pauser;
    bench::SilentDisplay display;
    TNullRadioServerLink server;
    TCatControl cat(doppler, port, pauser, display, server);
    cat.SetCatPause(pause);
    if (!bench::StartCat(cat, doppler, f.setup, radio.SlavePath())) return state.SkipWithError("port did not open");
    pauser.Count = 0;
    const long long commandsBefore = radio.Commands, bytesBefore = radio.Bytes;
    // Each cycle moves the downlink by kilohertz, so every cycle sends.
    bool up = false;
    for (auto _ : state) {
        up = !up;
        doppler.UpdateDoppler(up ? -3.0 : 3.0, 1);
        cat.CycleUpdate();
    }
    const auto perCycle = [&](double total) {
        return benchmark::Counter(total / static_cast<double>(state.iterations()));
    };
    state.counters["pauses_per_cycle"] = perCycle(static_cast<double>(pauser.Count));
    // What the radio had received when the last cycle ended; the radio's thread
    // may still be reading the last few bytes.
    state.counters["commands_per_cycle"] = perCycle(static_cast<double>(radio.Commands - commandsBefore));
    state.counters["bytes_per_cycle"] = perCycle(static_cast<double>(radio.Bytes - bytesBefore));
    if (cat.Fields().CatError) state.SkipWithError("the radio failed");
}
BENCHMARK(BM_CycleUpdatePty)->ArgsProduct({{0, 1, 2}, {0, 10}})->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvora
