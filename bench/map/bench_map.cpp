// One map refresh without overlays: ComposeMap and ShowMapView at the largest
// canvas (1024/768, zoom 2) and the smallest (640/480, zoom 1), with the
// generated pictures of the build tree.
#include "WorldMap.h"

#include <benchmark/benchmark.h>

namespace kelvora {
namespace {

void MapRefresh(benchmark::State& state, TSizePreset preset, bool zoom2, TMapStyle style) {
    TWorldMap map(KELVORA_BINARY_DIR);
    map.SetStation(48.0, 11.0);
    const QString error = map.LoadMapSet(preset, zoom2, style);
    if (!error.isEmpty()) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    double lon = 0.0;
    for (auto _ : state) {
        // The satellite moves on a little every refresh, across the date line too.
        lon = lon >= 359.0 ? 0.0 : lon + 1.0;
        map.ComposeMap({51.6 * (lon - 180.0) / 180.0, lon, kFootprintEarthRadius + 420.0, 5.0});
        map.ShowMapView(TMapCentre::Satellite);
        benchmark::DoNotOptimize(map.View().constBits());
    }
}

BENCHMARK_CAPTURE(MapRefresh, W1024_Zoom2_BM, TSizePreset::W1024, true, TMapStyle::BlueMarble)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MapRefresh, W1024_Zoom2_Pl, TSizePreset::W1024, true, TMapStyle::Political)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MapRefresh, W640_Zoom1_BM, TSizePreset::W640, false, TMapStyle::BlueMarble)
    ->Unit(benchmark::kMillisecond);

// A geostationary footprint covers a third of the map: the most day pixels to copy.
void LargeFootprint(benchmark::State& state) {
    TWorldMap map(KELVORA_BINARY_DIR);
    if (!map.LoadMapSet(TSizePreset::W1024, true, TMapStyle::BlueMarble).isEmpty()) {
        state.SkipWithError("map pictures missing");
        return;
    }
    for (auto _ : state) {
        map.ComposeMap({0.0, 350.0, kFootprintEarthRadius + 35786.0, 5.0});
        map.ShowMapView(TMapCentre::Observer);
        benchmark::DoNotOptimize(map.View().constBits());
    }
}
BENCHMARK(LargeFootprint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kelvora
