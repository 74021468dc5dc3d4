// Tracking-cycle cost per satellite (SelectSatellite + PropagateAndLook, the
// model re-initialised each time) and pass prediction for every set of a
// real amateur element file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "OrbitModel.h"
#include "SGP_Obs.h"
#include "SGP_Time.h"
#include "ThreeLineFile.h"
#include "TrakStarU.h"

namespace {

using namespace kelvora;

constexpr double kCursor = 16843.5;  // 2024-02-12 12:00 UTC as a day count

int LoadElementFile(TOrbitModel& model, const std::string& path) {
    return static_cast<int>(testing::LoadThreeLineFile(model, path).size());
}

const std::string kFile = std::string(KELVORA_SOURCE_DIR) + "/tests/data/amateur-2024-02-12.tle";

int SlotOfCatalogNumber(const TOrbitModel& model, int count, const std::string& number) {
    for (int s = 1; s <= count; ++s) {
        if (model.TwoLineRecord(s).Line1.substr(2, 5) == number) return s;
    }
    return 0;
}

void SelectAndLook(benchmark::State& state, const std::string& catalogNumber) {
    TOrbitModel model;
    const int count = LoadElementFile(model, kFile);
    const int slot = SlotOfCatalogNumber(model, count, catalogNumber);
    if (slot == 0) {
        state.SkipWithError("set not in the element file");
        return;
    }
    TObserverSite site;
    SetupObserver(site, 48.1, 11.6, 500.0);
    TTrackState track;
    const double dayCount = EpochDayCount(model.Slot(slot).Epoch) + 30.0;
    const double jd = JulianDateOfDayCount(dayCount);
    for (auto _ : state) {
        model.SelectSatellite(slot);
        PropagateAndLook(model, site, track, jd, dayCount);
        benchmark::DoNotOptimize(track.Elevation);
    }
}

BENCHMARK_CAPTURE(SelectAndLook, Sgp4_ISS, std::string("25544"));
BENCHMARK_CAPTURE(SelectAndLook, Sdp4_EsHail2, std::string("43700"));
BENCHMARK_CAPTURE(SelectAndLook, Sdp4_AO10, std::string("14129"));

void PredictPassAllSets(benchmark::State& state) {
    TOrbitModel model;
    const int count = LoadElementFile(model, kFile);
    if (count == 0) {
        state.SkipWithError("no sets read from the element file");
        return;
    }
    TObserverSite site;
    SetupObserver(site, 48.1, 11.6, 500.0);
    TTrackState track;
    const double jd = JulianDateOfDayCount(kCursor);
    std::vector<TPassInfo> passes(static_cast<size_t>(count) + 1);
    for (auto _ : state) {
        for (int slot = 1; slot <= count; ++slot) {
            TPassInfo& pass = passes[static_cast<size_t>(slot)];
            pass = TPassInfo{};
            model.SelectSatellite(slot);
            PropagateAndLook(model, site, track, jd, kCursor);
            PredictPass(model, site, track, slot, pass, kCursor);
        }
        benchmark::DoNotOptimize(passes.data());
    }
    state.counters["sets"] = count;
}

BENCHMARK(PredictPassAllSets)->Unit(benchmark::kMillisecond);

}  // namespace
