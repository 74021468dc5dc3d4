// The rotor's share of the tracking cycle during a pass flown over the top: the
// flip decision for a newly predicted pass (a search along the ground track for
// the station's meridian) and the threshold cycle that follows the satellite.
// Look angles and sub-satellite points are scripted, so the figures are the rotor
// core's own; the orbit work the program does for them is measured in bench_orbit.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "PassRotation.h"
#include "RotorPositioning.h"

namespace kelvora {
namespace {

constexpr double kSecond = 1.0 / 86400.0;  // in days
constexpr double kCrossing = 16845.5;  // day count at the station's meridian
constexpr double kAos = kCrossing - 247 * kSecond;
constexpr int kSlot = 5;
const TRotorStation kStation{50, 10};
const TPassGeometry kPass{kAos, 300, 60};  // rises in the north-west, sets in the north-east

// North of the station when it crosses the meridian, moving east at 4 degrees a
// minute: with the end stop in the north the pass is flown over the top.
std::optional<TSubPoint> SubPointAt(double dayCount) {
    const double s = (dayCount - kCrossing) / kSecond;
    return TSubPoint{kStation.Latitude + 2 - 0.1 * s, std::fmod(kStation.Longitude + 4.0 * s / 60.0 + 720.0, 360.0)};
}

// The satellite crossing the north: azimuth from 300 through 0 to 60 in ten
// minutes, elevation up to 70 at the middle.
std::optional<TRotorLook> LookAt(double dayCount) {
    const double s = (dayCount - kAos) / kSecond;
    const double azimuth = std::fmod(300.0 + 120.0 * s / 600.0 + 360.0, 360.0);
    const double elevation = 70.0 * std::sin(std::numbers::pi * std::clamp(s / 600.0, 0.0, 1.0));
    return TRotorLook{azimuth, elevation};
}

TRotorSettings FlipSettings() {
    TRotorSettings settings;
    settings.RotorMode = 'w';
    settings.StepDegrees = 5;
    settings.FlipOption = '+';
    settings.EndStop = 'N';
    settings.ParkOption = '+';
    return settings;
}

TRotorCycleInputs CycleAt(double now) {
    TRotorCycleInputs inputs;
    inputs.Now = now;
    inputs.ActiveSlot = kSlot;
    inputs.NextAos = kAos;
    inputs.Look = LookAt;
    return inputs;
}

// One iteration: the flip decision alone.
void BM_DecidePassRotationFlipped(benchmark::State& state) {
    const TRotorSettings settings = FlipSettings();
    TRotorState rotor;
    const TSubPointAt subPointAt = SubPointAt;
    for (auto _ : state) {
        DecidePassRotation(settings, rotor, kSlot, 15.5, kPass, kStation, subPointAt);
        benchmark::DoNotOptimize(rotor.PassFlip[kSlot]);
    }
    if (!PassFlipOf(rotor, kSlot)) state.SkipWithError("the pass was not flown over the top");
}
BENCHMARK(BM_DecidePassRotationFlipped)->Unit(benchmark::kMicrosecond);

// One iteration: the cycle of a tick during the flipped pass, one second after
// the last; the satellite has moved past the threshold, so every cycle sends.
void BM_RotorCycleFlipped(benchmark::State& state) {
    const TRotorSettings settings = FlipSettings();
    TRotorState rotor;
    rotor.RotorOn = true;
    DecidePassRotation(settings, rotor, kSlot, 15.5, kPass, kStation, SubPointAt);
    long long sent = 0, flipped = 0;
    int second = 60;
    for (auto _ : state) {
        // Ten seconds of pass per cycle (two degrees of azimuth); back to the
        // start of the pass after its high part.
        second = second >= 540 ? 60 : second + 10;
        const TRotorDecision decision = RotorCycle(settings, rotor, CycleAt(kAos + second * kSecond));
        if (decision) {
            ++sent;
            flipped += decision->Flipped;
        }
        benchmark::DoNotOptimize(decision);
    }
    state.counters["sent_per_cycle"] =
        benchmark::Counter(static_cast<double>(sent) / static_cast<double>(state.iterations()));
    if (flipped == 0) state.SkipWithError("no position was sent over the top");
}
BENCHMARK(BM_RotorCycleFlipped)->Unit(benchmark::kMicrosecond);

// One iteration: what the tick does when the prediction has found the next pass
// (the flip decision) and the cycle that follows in the same tick.
void BM_RotorCycleWithPassDecision(benchmark::State& state) {
    const TRotorSettings settings = FlipSettings();
    TRotorState rotor;
    rotor.RotorOn = true;
    const TSubPointAt subPointAt = SubPointAt;
    long long flipped = 0;
    for (auto _ : state) {
        DecidePassRotation(settings, rotor, kSlot, 15.5, kPass, kStation, subPointAt);
        rotor.StepCounter = 0;  // the first move of the pass
        const TRotorDecision decision = RotorCycle(settings, rotor, CycleAt(kAos + 60 * kSecond));
        if (decision) flipped += decision->Flipped;
        benchmark::DoNotOptimize(decision);
    }
    if (flipped == 0) state.SkipWithError("no position was sent over the top");
}
BENCHMARK(BM_RotorCycleWithPassDecision)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvora
