// The texts drawn every tick for the active satellite: the data line and the
// Doppler line, in both forms and with the comma separator.

#include "TrackingOutput.h"

#include <benchmark/benchmark.h>

using namespace kelvora;

namespace {
TDataLineValues Values() {
    TDataLineValues v;
    v.Azimuth = 231.47;
    v.Elevation = 12.36;
    v.MA = 87.2;
    v.Height = 418.6;
    v.Range = 1532.4;
    v.SubLongitude = 14.2;
    v.SubLatitude = 47.9;
    v.OrbitNumber = 44123;
    v.HasSquint = true;
    v.Squint = 23.4;
    v.PassTimes = "*****  14:16";
    return v;
}

void BM_DataLine(benchmark::State& state) {
    const TDataLineValues v = Values();
    const int layout = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(DataLineText(v, layout, ','));
}
BENCHMARK(BM_DataLine)->Arg(1)->Arg(5);

void BM_DopplerLine(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(DopplerLineText(-3.456, 1.2, 435000, '.'));
}
BENCHMARK(BM_DopplerLine);
}  // namespace
