// One map refresh on the largest canvas (1024/768 preset at zoom 2, 1920 x
// 960): the overlays alone (sun, six marked satellites of twelve with arrows,
// continuous ground track), and the whole refresh with the composition and the
// view copy. Pass searches run only when a satellite changes sides of the
// horizon; the "with pass search" case forces one for each marked satellite.
#include <benchmark/benchmark.h>

#include "MapOverlays.h"
#include "MapOverlaysArrow.h"
#include "MapOverlaysOthers.h"
#include "MapOverlaysSun.h"
#include "OrbitModel.h"
#include "SGP_Obs.h"
#include "SGP_Time.h"
#include "SonneU.h"
#include "ThreeLineFile.h"

#include <QGuiApplication>
#include <string>
#include <vector>

namespace {

using namespace kelvora;

constexpr double kFeb12Noon = 16843.5;  // day count

struct TBench {
    TOrbitModel model{2000};
    TObserverSite site;
    TTrackState track;
    TWorldMap map;
    TSunState sun;
    std::vector<TPassInfo> passes;
    TOtherSatellites others;
    int mapCounter = 0;
    int activeSet = 0;

    QString Error;  // why the set-up failed; the benchmarks then time nothing

    TBench() : map(QStringLiteral(KELVORA_BINARY_DIR)) {
        const std::vector<std::string> names =
            testing::LoadThreeLineFile(model, KELVORA_SOURCE_DIR "/tests/data/amateur-2024-02-12.tle");
        const int count = static_cast<int>(names.size());
        activeSet = testing::SlotOf(names, "ISS (ZARYA)");
        if (activeSet == 0) Error = "no ISS (ZARYA) in the element file";
        passes.resize(static_cast<size_t>(count) + 1);
        SetupObserver(site, 48.1, 11.6, 500.0);
        // Without the pictures the overlays would be timed on a black canvas.
        const QString mapError = map.LoadMapSet(TSizePreset::W1024, true, TMapStyle::Political);
        if (!mapError.isEmpty()) Error = mapError;
        ComputeSun(sun, kFeb12Noon + 28491.0);
        // Twelve selected: the ISS (active) and the next eleven low orbits; every
        // other one marked for the map, six in all besides the active one.
        others.Satellites.push_back({activeSet, "ISS", true});
        for (int set = 1; set <= count && others.Satellites.size() < 12; ++set) {
            if (set == activeSet || model.Slot(set).RevsPerDay < 11) continue;
            const bool marked = others.Satellites.size() % 2 == 1;
            others.Satellites.push_back({set, QString("Sat %1").arg(set), marked});
        }
        others.Passes = &passes;
        others.LayoutSize = 5;
    }

    // True when the set-up failed; the benchmark is then marked as failed.
    bool Failed(benchmark::State& state) const {
        if (!Error.isEmpty()) state.SkipWithError(qPrintable(Error));
        return !Error.isEmpty();
    }

    TOverlayContext Context() {
        const double jd = JulianDateOfDayCount(kFeb12Noon);
        model.SelectSatellite(activeSet);
        PropagateAndLook(model, site, track, jd, kFeb12Noon);
        SubSatellitePoint(track, jd, model.ClockOffset());
        TOverlayContext context{model, site, track, map};
        context.Cursor = kFeb12Noon;
        context.JulianDate = jd;
        context.ActiveSet = activeSet;
        context.ArrowsOn = true;
        context.MapRedrawCounter = &mapCounter;
        return context;
    }

    void Compose() { map.ComposeMap({track.SubLatitude, track.SubLongitude, track.GeocentricRadius, track.Elevation}); }

    void Overlays(TOverlayContext& context) {
        DrawDirectionArrow(context, map.SatellitePoint());
        DrawSunOverlay(context, sun);
        DrawOtherSatellites(context, others);
        FinishMapRefresh(context, TGroundTrackMode::Continuous);
    }
};

void BM_Overlays(benchmark::State& state) {
    TBench bench;
    if (bench.Failed(state)) return;
    TOverlayContext context = bench.Context();
    bench.Compose();
    for (auto _ : state) {
        bench.Overlays(context);
        benchmark::DoNotOptimize(bench.map.View().constBits());
    }
}
BENCHMARK(BM_Overlays)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_OverlaysWithPassSearch(benchmark::State& state) {
    TBench bench;
    if (bench.Failed(state)) return;
    TOverlayContext context = bench.Context();
    bench.Compose();
    for (auto _ : state) {
        for (TPassInfo& pass : bench.passes) pass = TPassInfo{};
        bench.Overlays(context);
        benchmark::DoNotOptimize(bench.map.View().constBits());
    }
}
BENCHMARK(BM_OverlaysWithPassSearch)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// ComposeMap + overlays + ShowMapView (inside FinishMapRefresh and again after the track).
void BM_MapRefresh(benchmark::State& state) {
    TBench bench;
    if (bench.Failed(state)) return;
    TOverlayContext context = bench.Context();
    for (auto _ : state) {
        bench.Compose();
        bench.Overlays(context);
        benchmark::DoNotOptimize(bench.map.View().constBits());
    }
}
BENCHMARK(BM_MapRefresh)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
