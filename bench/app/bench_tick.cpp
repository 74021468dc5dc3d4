// Start-up to the first tick, and one tick of the main timer, on a data folder
// filled from the default kit, with the real windows on the offscreen platform.

#include "Clock.h"
#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "SatSelection.h"
#include "SatWahlU.h"
#include "ElementFileLoader.h"
#include "OperatorPrompt.h"
#include "SGP_Obs.h"
#include "QuietParts.h"
#include "TrackingCycle.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kelvora;

namespace {
class SilentPrompt : public UnattendedPrompt {
public:
    void Message(const QString&, Icon) override {}
};

void CopyKit(const QString& target) {
    const QString kit = QStringLiteral(KELVORA_SOURCE_DIR) + "/resources/kit";
    QDirIterator it(kit, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString to = target + QDir(kit).relativeFilePath(source);
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::copy(source, to);
    }
}

TAppOptions OptionsFor(const QTemporaryDir& dir) {
    TAppOptions options;
    options.DataFolder = dir.path() + "/";
    options.ProgramFolder = QStringLiteral(KELVORA_BINARY_DIR);
    options.ScreenWidth = 1920;
    return options;
}

void BM_StartupToFirstTick(benchmark::State& state) {
    QTemporaryDir dir;
    CopyKit(dir.path() + "/");
    SilentPrompt prompt;
    SystemClock clock;
    for (auto _ : state) {
        TKelvoraApp app(OptionsFor(dir), prompt, clock);
        app.EndApplication = [](int) {};
        app.CreateWindows();
        app.FormShow();  // ends with the first tick
        benchmark::DoNotOptimize(app.TickCount());
    }
}
BENCHMARK(BM_StartupToFirstTick)->Unit(benchmark::kMillisecond);

// The program started on a data folder filled from the kit, tracking.
struct KitApplication {
    QTemporaryDir dir;
    SilentPrompt prompt;
    SystemClock clock;
    std::unique_ptr<TKelvoraApp> app;
    KitApplication() {
        CopyKit(dir.path() + "/");
        app = std::make_unique<TKelvoraApp>(OptionsFor(dir), prompt, clock);
        app->EndApplication = [](int) {};
        app->CreateWindows();
        app->FormShow();
    }
};

void BM_TickWithKitSatellitesAndRepaint(benchmark::State& state) {
    KitApplication kit;
    for (auto _ : state) {
        kit.app->Timer1Timer();
        QCoreApplication::processEvents();  // includes repainting the date-time box
    }
}
BENCHMARK(BM_TickWithKitSatellitesAndRepaint)->Unit(benchmark::kMicrosecond);

// A full tick that redraws the map: 12 satellites selected, 6 of them marked for the
// map, other satellites, sun, arrows and the continuous ground track on.
void BM_TickWithMapRedraw(benchmark::State& state) {
    KitApplication kit;
    TKelvoraApp& app = *kit.app;
    emit app.MainWindow()->ToggleClicked(TToggle::Spur);  // drawn once
    emit app.MainWindow()->ToggleClicked(TToggle::Spur);  // continuously
    TSatSelection& selection = app.Selection();
    const TElementCatalog& catalog = app.Catalog();
    for (int set = 1; set <= catalog.Count() && selection.Entries.size() < 12; ++set)
        AddEntry(selection, QString::fromLatin1(catalog.Name(set)));
    for (int k = 0; k < selection.Entries.size(); ++k) selection.Entries[k].MapMarker = k % 2 == 0;
    app.SelectionWindow()->ResolveSelection();
    TTrackingState& tracking = app.State().Tracking;
    tracking.MultiSat = tracking.SunOn = tracking.ArrowsOn = true;
    app.Timer1Timer();
    for (auto _ : state) {
        tracking.MapRedrawCounter = 0;  // every tick recomposes the map
        app.Timer1Timer();
        QCoreApplication::processEvents();
    }
    state.counters["selected"] = static_cast<double>(tracking.SelectedSets.size());
}
BENCHMARK(BM_TickWithMapRedraw)->Unit(benchmark::kMillisecond);

// The cycle's own work for 12 satellites, half of them deep-space, without drawing:
// the same orbit calls the application makes for each letter.
struct OrbitOnlyHooks : kelvora::test::QuietParts {
    TOrbitModel& orbit;
    TObserverSite site;
    TTrackState track;
    explicit OrbitOnlyHooks(TOrbitModel& model) : orbit(model) { kelvora::SetupObserver(site, 48.15, 11.58, 520); }
    void SelectSatellite(int set) override { orbit.SelectSatellite(set); }
    double PropagateAndLook(double jd, double dayCount) override {
        kelvora::PropagateAndLook(orbit, site, track, jd, dayCount);
        return track.Elevation;
    }
    void SubSatellitePoint() override { kelvora::SubSatellitePoint(track, 0, 0); }
};

void BM_CycleTwelveSatellitesNoDrawing(benchmark::State& state) {
    TOrbitModel orbit;
    TElementCatalog catalog;
    TNamingOptions naming;
    const std::string path = std::string(KELVORA_SOURCE_DIR) + "/resources/kit/Kepler/nasa.all";
    LoadElementFile(path, naming, TNamesList(), orbit, catalog);
    TTrackingState tracking;
    std::vector<int> nearEarth, deepSpace;
    for (int set = 1; set <= catalog.Count(); ++set)
        (orbit.Slot(set).DeepSpace ? deepSpace : nearEarth).push_back(set);
    for (size_t k = 0; k < 6 && k < nearEarth.size(); ++k) tracking.SelectedSets.push_back(nearEarth[k]);
    for (size_t k = 0; k < 6 && k < deepSpace.size(); ++k) tracking.SelectedSets.push_back(deepSpace[k]);
    tracking.ActiveSet = tracking.SelectedSets.front();
    TTimeScales time;
    OrbitOnlyHooks hooks(orbit);
    TrackingCycle cycle(tracking, time, hooks.Parts());
    cycle.StartTracking(catalog.Count());
    double local = DateTimeToDays(QDateTime(QDate(2024, 3, 13), QTime(12, 0)));  // 30 days after the epochs
    for (auto _ : state) {
        cycle.Tick(local);
        local += 1.0 / 86400.0;
    }
    state.counters["deep_space"] = static_cast<double>(std::min<size_t>(6, deepSpace.size()));
}
BENCHMARK(BM_CycleTwelveSatellitesNoDrawing)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
