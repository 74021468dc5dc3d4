// Propagation cost per call: with the initialisation reused (pass search,
// ground track) and with SelectSatellite before each call (tracking tick).
#include <benchmark/benchmark.h>

#include "OrbitModel.h"
#include "SampleElements.h"

namespace {

using kelvora::TOrbitModel;

struct TSet {
    const char* line1;
    const char* line2;
};

constexpr TSet kIss = {kelvora::testing::kIssLine1, kelvora::testing::kIssLine2};
constexpr TSet kEshail2 = {kelvora::testing::kEshail2Line1, kelvora::testing::kEshail2Line2};
// A Molniya-type orbit: 63.4 degrees, e = 0.72, two revolutions a day.
constexpr TSet kMolniya = {"1 99998U 24001A   24043.50000000  .00000100  00000+0  10000-3 0  9990",
                           "2 99998  63.4000 100.0000 7200000 270.0000  10.0000  2.00611000 10000"};
constexpr TSet kAo10 = {"1 14129U 83058B   24040.20323029  .00000238  00000+0  00000+0 0  9993",
                        "2 14129  27.4722 359.4651 6032036 243.3325  44.2265  2.05865131277806"};

constexpr double kThirtyDays = 30.0;

void Load(TOrbitModel& model, const TSet& set) {
    model.TwoLineRecord(1) = {set.line1, set.line2};
    model.ConvertTwoLine(1);
}

// Alternates between two instants an hour apart so that the deep-space
// periodics are recomputed on every call, as in a pass search.
void PropagateReused(benchmark::State& state, const TSet& set) {
    TOrbitModel model;
    Load(model, set);
    const double jd = model.Slot(1).JulianEpoch + kThirtyDays;
    model.Propagate(jd);
    double offset = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.Propagate(jd + offset));
        offset = offset == 0.0 ? 1.0 / 24.0 : 0.0;
    }
}

void SelectAndPropagate(benchmark::State& state, const TSet& set) {
    TOrbitModel model;
    Load(model, set);
    const double jd = model.Slot(1).JulianEpoch + kThirtyDays;
    for (auto _ : state) {
        model.SelectSatellite(1);
        benchmark::DoNotOptimize(model.Propagate(jd));
    }
}

BENCHMARK_CAPTURE(PropagateReused, Sgp4_ISS, kIss);
BENCHMARK_CAPTURE(SelectAndPropagate, Sgp4_ISS, kIss);
BENCHMARK_CAPTURE(PropagateReused, Sdp4_EsHail2, kEshail2);
BENCHMARK_CAPTURE(SelectAndPropagate, Sdp4_EsHail2, kEshail2);
BENCHMARK_CAPTURE(PropagateReused, Sdp4_Molniya, kMolniya);
BENCHMARK_CAPTURE(SelectAndPropagate, Sdp4_Molniya, kMolniya);
BENCHMARK_CAPTURE(PropagateReused, Sdp4_AO10, kAo10);
BENCHMARK_CAPTURE(SelectAndPropagate, Sdp4_AO10, kAo10);

}  // namespace
