// What radio control costs per tracking cycle: the Doppler update with the
// encoding of one frequency update per family, and one cycle's CAT update
// against a radio that answers at once, at a CAT pause of 0 ms. The pauses a
// cycle makes are counted: at a real pause each costs its length.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "CatBenchParts.h"
#include "CatControl.h"

namespace kelvora {
namespace {

using bench::kEntry;
using bench::Setup;
using bench::SilentDisplay;

struct Family {
    const char* name;
    TCatRadioSetup setup;
};

const Family kFamilies[] = {
    {"FT-847", Setup(TRadioFamily::Yaesu, "FT-847")},
    {"FT-736R", Setup(TRadioFamily::Yaesu, "FT-736R")},
    {"IC-9700", Setup(TRadioFamily::Icom, "IC-9700")},
    {"TS-2000", Setup(TRadioFamily::Kenwood, "TS-2000")},
};

// A radio that answers at once: the Icom transmit-state query with "receive",
// "IF;" with a receiving Kenwood; everything else is swallowed.
class AnsweringPort final : public ISerialPort {
public:
    bool Open(const TSerialSettings&, std::string*) override { return Open_ = true; }
    bool IsOpen() const override { return Open_; }
    void SetRts(bool) override {}
    void SetDtr(bool) override {}
    bool Write(const TCatBytes& bytes) override {
        if (bytes == "IF;") Input_ = "IF00435800000     +0000000000020000080;";
        else if (bytes.size() == 7 && bytes[4] == '\x1C') Input_ = std::string("\xFE\xFE\x00\xA2\x1C\x00\x00\xFD", 8);
        return true;
    }
    bool WaitForInput(int, std::chrono::milliseconds) override {
        ++Waits;
        return true;
    }
    long long Waits = 0;
    bool ReadAll(TCatBytes* bytes) override {
        bytes->swap(Input_);
        Input_.clear();
        return true;
    }
    void ClearInput() override { Input_.clear(); }
    bool LineOn() override { return true; }

private:
    bool Open_ = false;
    TCatBytes Input_;
};

class CountingPause final : public ICatPause {
public:
    long long Count = 0;
    void Pause(std::chrono::milliseconds) override { ++Count; }
};

std::unique_ptr<TCatProtocol> MakeProtocol(const TCatRadioSetup& s) {
    switch (s.Family) {
        case TRadioFamily::Yaesu:
            return std::make_unique<TYaesuCat>(YaesuModelOf(s.Model), s.YaesuRxOpcode, s.YaesuTxOpcode);
        case TRadioFamily::Icom:
            return std::make_unique<TIcomCiv>(IcomModelOf(s.Model), s.IcomRxAddress, s.IcomTxAddress);
        default:
            return std::make_unique<TKenwoodCat>(KenwoodModelOf(s.Model), s.KenwoodSatChar, s.KenwoodTraceOption);
    }
}

void BM_DopplerAndEncode(benchmark::State& state) {
    const Family& f = kFamilies[state.range(0)];
    state.SetLabel(f.name);
    TDopplerModel doppler;
    doppler.SetTable({kEntry});
    doppler.SelectFrequencySet(kEntry.Name);
    const auto protocol = MakeProtocol(f.setup);
    double rangeRate = -6.5;
    for (auto _ : state) {
        rangeRate = rangeRate > 6.5 ? -6.5 : rangeRate + 0.001;
        doppler.UpdateDoppler(rangeRate, 1);
        const TDopplerState& s = doppler.State();
        TCatScript script = protocol->FrequencyUpdate({s.RxFrequency, s.TxFrequency, 0.0, 0.0});
        benchmark::DoNotOptimize(script);
    }
}
BENCHMARK(BM_DopplerAndEncode)->DenseRange(0, 3);

void BM_CycleUpdate(benchmark::State& state) {
    const Family& f = kFamilies[state.range(0)];
    state.SetLabel(f.name);
    TDopplerModel doppler;
    AnsweringPort port;
    CountingPause pauser;
    SilentDisplay display;
    TNullRadioServerLink server;
    TCatControl cat(doppler, port, pauser, display, server);
    bench::StartCat(cat, doppler, f.setup, "/dev/null");
    pauser.Count = 0;
    port.Waits = 0;
    // Each cycle moves the downlink by kilohertz, so every cycle sends.
    bool up = false;
    for (auto _ : state) {
        up = !up;
        doppler.UpdateDoppler(up ? -3.0 : 3.0, 1);
        cat.CycleUpdate();
    }
    state.counters["pauses_per_cycle"] =
        benchmark::Counter(static_cast<double>(pauser.Count) / static_cast<double>(state.iterations()));
    // Answer waits end when the radio has answered, at the latest after their pauses.
    state.counters["waits_per_cycle"] =
        benchmark::Counter(static_cast<double>(port.Waits) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_CycleUpdate)->DenseRange(0, 3);

}  // namespace
}  // namespace kelvora
