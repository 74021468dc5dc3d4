// Sending a position to rotctld and frequencies to rigctld through the station's
// server links, with the daemon connected (Hamlib's dummy devices on a loopback
// port) and with nobody listening on the port. One iteration is a tick's share:
// the send and the event loop's turn after it; the rest of the tick (2 ms, not
// timed) lets the daemon's answers or the refused connection come in, as they do
// between two ticks of the program.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "AppState.h"
#include "HamlibDaemon.h"
#include "KitDataFolder.h"
#include "ServerBenchParts.h"
#include "StationServerLinks.h"

namespace kelvora {
namespace {

using test::DummyDaemon;
using test::PollUntil;

constexpr int kTicks = 300;
constexpr int kIdleMs = 2;

class NoPause final : public ICatPause {
public:
    void Pause(std::chrono::milliseconds) override {}
};

// The links as the program makes them from "RotorServer.SQF" and "CatServer.SQF".
struct HamlibLinks {
    QTemporaryDir Folder;
    TAppState State;
    test::ScriptedPrompt Prompt;
    NoPause Pause;
    std::unique_ptr<TStationServerLinks> Links;

    bool Make(int rotorPort, int radioPort) {
        State.DataFolder = Folder.path();
        State.UseRotorServer = State.UseRadioServer = true;
        if (!Write("RotorServer.SQF", "rotctld\r\n127.0.0.1:" + QByteArray::number(rotorPort) + "\r\n") ||
            !Write("CatServer.SQF", "rigctld\r\n127.0.0.1:" + QByteArray::number(radioPort) + "\r\n"))
            return false;
        // No bus: Hamlib's daemons are reached over TCP.
        Links = std::make_unique<TStationServerLinks>(TServerLinksSources{
            State, Prompt, Pause, QDBusConnection::connectToBus("unix:path=/nonexistent/kelvora-bus", "none")});
        Links->ReadServerFiles();
        Links->StartServers();
        Links->RadioLink().Open();
        return true;
    }
    bool Write(const char* name, const QByteArray& bytes) {
        QFile file(Folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    ~HamlibLinks() {
        if (Links) Links->StopServers();
    }
};

// Sends with the daemon at the port, or with nobody there (dead).
template <class Send>
void RunTicks(benchmark::State& state, Send send) {
    for (auto _ : state) {
        send();
        QCoreApplication::processEvents();
        state.PauseTiming();
        bench::IdleFor(kIdleMs);
        state.ResumeTiming();
    }
}

void BM_RotctldPosition(benchmark::State& state) {
    const bool connected = state.range(0) != 0;
    state.SetLabel(connected ? "rotctld connected" : "nobody listening");
    bench::EnsureApplication();
    DummyDaemon rotctld("rotctld");
    if (connected && !rotctld.Installed()) return state.SkipWithError("rotctld is not installed");
    if (connected && !rotctld.Start()) return state.SkipWithError("rotctld did not start");
    HamlibLinks links;
    if (!links.Make(connected ? rotctld.Port() : test::FreeLoopbackPort(), test::FreeLoopbackPort()))
        return state.SkipWithError("the server files could not be written");
    // Connected: the first position reached the daemon when its rotor starts turning.
    links.Links->SendRotorPosition(30.0, 10.0);
    if (connected && !PollUntil([&] { return rotctld.Ask("p", 2).value(0, "0.00") != "0.00"; }, 10000))
        return state.SkipWithError("rotctld did not get the first position");
    int tick = 0;
    RunTicks(state, [&] {
        ++tick;
        links.Links->SendRotorPosition(30.0 + (tick & 1) * 2.5, 10.0 + (tick & 1) * 0.5);
    });
}
BENCHMARK(BM_RotctldPosition)->Arg(1)->Arg(0)->Iterations(kTicks)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_RigctldFrequencies(benchmark::State& state) {
    const bool connected = state.range(0) != 0;
    state.SetLabel(connected ? "rigctld connected" : "nobody listening");
    bench::EnsureApplication();
    DummyDaemon rigctld("rigctld");
    if (connected && !rigctld.Installed()) return state.SkipWithError("rigctld is not installed");
    if (connected && !rigctld.Start()) return state.SkipWithError("rigctld did not start");
    HamlibLinks links;
    if (!links.Make(test::FreeLoopbackPort(), connected ? rigctld.Port() : test::FreeLoopbackPort()))
        return state.SkipWithError("the server files could not be written");
    IRadioServerLink& radio = links.Links->RadioLink();
    radio.SendFrequencies(145800.0, 435100.0);
    if (connected && !PollUntil([&] { return rigctld.Ask("f", 1).value(0) == "145800000"; }, 10000))
        return state.SkipWithError("rigctld did not get the first frequencies");
    int tick = 0;
    RunTicks(state, [&] {
        ++tick;
        radio.SendFrequencies(145800.0 + tick * 0.01, 435100.0 - tick * 0.03);
    });
}
BENCHMARK(BM_RigctldFrequencies)->Arg(1)->Arg(0)->Iterations(kTicks)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvora
