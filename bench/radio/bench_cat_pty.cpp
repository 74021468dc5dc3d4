// How long one tracking cycle blocks the window with CAT on, against a radio on a
// pseudo-terminal through the real serial port, per family and at a CAT pause of
// 0 ms and of 10 ms (real waits on the monotonic clock). Wall time per cycle is
// the figure; the pauses a cycle makes and what reaches the radio are counted.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <chrono>
#include <string>

#include "CatBenchParts.h"
#include "CatControl.h"
#include "PtyRadio.h"
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
    test::PtyRadio radio(f.setup.Family, f.setup.IcomRxAddress);
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
