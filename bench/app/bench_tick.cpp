// Start-up to the first tick, and one tick of the main timer, on a data folder
// filled from the default kit, with the real windows on the offscreen platform.
// The program's clock starts at a fixed instant (kBenchStart) and runs on in real
// time, so that the satellites in view do not depend on the day of the run.

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
#include "PtyRadio.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>
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

// 30 days after the epochs of the kit's element file.
const QDateTime kBenchStart(QDate(2024, 3, 13), QTime(12, 0), Qt::UTC);

TAppOptions OptionsFor(const QTemporaryDir& dir) {
    TAppOptions options;
    options.DataFolder = dir.path() + "/";
    options.ProgramFolder = QStringLiteral(KELVORA_BINARY_DIR);
    options.ScreenWidth = 1920;
    return options;
}

// Construction, CreateWindows and FormShow (which ends with the first tick);
// closing the program again is not timed.
void BM_StartupToFirstTick(benchmark::State& state) {
    QTemporaryDir dir;
    CopyKit(dir.path() + "/");
    SilentPrompt prompt;
    StartedClock clock(kBenchStart);
    for (auto _ : state) {
        auto app = std::make_unique<TKelvoraApp>(OptionsFor(dir), prompt, clock);
        app->EndApplication = [](int) {};
        app->CreateWindows();
        app->FormShow();
        benchmark::DoNotOptimize(app->TickCount());
        state.PauseTiming();
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstTick)->Unit(benchmark::kMillisecond);

// The program started on a data folder filled from the kit, tracking.
// prepare changes the data folder before the program starts.
struct KitApplication {
    QTemporaryDir dir;
    SilentPrompt prompt;
    StartedClock clock{kBenchStart};
    std::unique_ptr<TKelvoraApp> app;
    explicit KitApplication(const std::function<void(const QString& folder)>& prepare = {}) {
        CopyKit(dir.path() + "/");
        if (prepare) prepare(dir.path() + "/");
        app = std::make_unique<TKelvoraApp>(OptionsFor(dir), prompt, clock);
        app->EndApplication = [](int) {};
        app->CreateWindows();
        app->FormShow();
    }
};

// The mean over consecutive ticks with the kit's settings: most of them only
// update the texts, every few (the kit's map interval) also redraw the map.
void BM_TickWithKitSatellitesAndRepaint(benchmark::State& state) {
    KitApplication kit;
    for (auto _ : state) {
        kit.app->Timer1Timer();
        QCoreApplication::processEvents();  // includes repainting the date-time box
    }
    state.SetLabel("mean of ticks with and without a map redraw");
}
BENCHMARK(BM_TickWithKitSatellitesAndRepaint)->Unit(benchmark::kMicrosecond);

// A full tick that redraws the map: 12 satellites selected, 6 of them marked for the
// map, other satellites, sun, arrows and the continuous ground track on.
void SelectTwelveAndDrawEverything(TKelvoraApp& app) {
    emit app.MainWindow()->ToggleClicked(TToggle::Spur);  // drawn once
    emit app.MainWindow()->ToggleClicked(TToggle::Spur);  // continuously
    TSatSelection& selection = app.Satellites().Selection();
    const TElementCatalog& catalog = app.Satellites().Catalog();
    for (int set = 1; set <= catalog.Count() && selection.Entries.size() < 12; ++set)
        AddEntry(selection, QString::fromLatin1(catalog.Name(set)));
    for (int k = 0; k < selection.Entries.size(); ++k) selection.Entries[k].MapMarker = k % 2 == 0;
    app.Satellites().SelectionWindow()->ResolveSelection();
    TTrackingState& tracking = app.State().Tracking;
    tracking.MultiSat = tracking.SunOn = tracking.ArrowsOn = true;
    app.Timer1Timer();
}

void BM_TickWithMapRedraw(benchmark::State& state) {
    KitApplication kit;
    TKelvoraApp& app = *kit.app;
    SelectTwelveAndDrawEverything(app);
    TTrackingState& tracking = app.State().Tracking;
    for (auto _ : state) {
        tracking.MapRedrawCounter = 0;  // every tick recomposes the map
        app.Timer1Timer();
        QCoreApplication::processEvents();
    }
    state.counters["selected"] = static_cast<double>(app.Satellites().SelectedSets().size());
}
BENCHMARK(BM_TickWithMapRedraw)->Unit(benchmark::kMillisecond);

// The same tick with CAT on against a radio on a pseudo-terminal, through the real
// serial port, at a CAT pause of 0 ms. An Icom or Kenwood radio's answer is then not
// awaited, so its update is held: those ticks send the query, not the frequencies.
void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

void BM_TickWithMapRedrawAndCat(benchmark::State& state) {
    struct Radio {
        const char* name;
        TRadioFamily family;
        std::uint8_t address;
        const char* trx;
        const char* parameterFile;
        const char* parameters;
    };
    static const Radio radios[] = {
        {"FT-847", TRadioFamily::Yaesu, 0, "Yaesu", "YaesuPar.SQF", "1\r\n1\r\n9600\r\nFT-847\r\n"},
        {"IC-9700", TRadioFamily::Icom, 0xA2, "Icom", "IcomPar.SQF", "9600\r\n162 162\r\n"},
        {"TS-2000", TRadioFamily::Kenwood, 0, "Kenwood", "KenwoodPar.SQF", "TS-2000\r\n9600\r\n0\r\nTraceOff\r\n"},
    };
    const Radio& r = radios[state.range(0)];
    state.SetLabel(r.name);
    test::PtyRadio radio(r.family, r.address);
    if (!radio.Ok()) return state.SkipWithError("no pseudo-terminal");
    KitApplication kit([&](const QString& folder) {
        WriteFile(folder + "TRX.SQF", QByteArray(r.trx) + "\r\n");
        WriteFile(folder + r.parameterFile, r.parameters);
        WriteFile(folder + "IcomName.SQF", "IC-9700\r\n");
        WriteFile(folder + "SerialPorts.SQF", "1=" + QByteArray::fromStdString(radio.SlavePath()) + "\r\n");
        QFile ini(folder + "SatIni.SQF");
        ini.open(QIODevice::ReadOnly);
        QList<QByteArray> lines = ini.readAll().split('\n');
        ini.close();
        lines[4] = "1\r";  // the CAT port
        lines[5] = "0\r";  // the CAT pause, ms
        WriteFile(folder + "SatIni.SQF", lines.join('\n'));
    });
    TKelvoraApp& app = *kit.app;
    emit app.MainWindow()->ToggleClicked(TToggle::Cat);
    if (!app.State().Tracking.CatOn) return state.SkipWithError("CAT did not go on");
    SelectTwelveAndDrawEverything(app);
    TTrackingState& tracking = app.State().Tracking;
    const long long bytesBefore = radio.Bytes;
    for (auto _ : state) {
        tracking.MapRedrawCounter = 0;
        app.Timer1Timer();
        QCoreApplication::processEvents();
    }
    state.counters["radio_bytes_per_tick"] =
        benchmark::Counter(static_cast<double>(radio.Bytes - bytesBefore) / static_cast<double>(state.iterations()));
    if (!app.State().Tracking.CatOn) state.SkipWithError("CAT went off");
}
BENCHMARK(BM_TickWithMapRedrawAndCat)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The cycle's own work for 12 satellites, up to half of them deep-space (the kit has
// two), without drawing: the same orbit calls the application makes for each letter.
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
    TTimeScales time;
    OrbitOnlyHooks hooks(orbit);
    std::vector<int> nearEarth, deepSpace;
    for (int set = 1; set <= catalog.Count(); ++set) (orbit.Slot(set).DeepSpace ? deepSpace : nearEarth).push_back(set);
    // As many deep-space sets as the kit has, up to six, and near-earth ones up to twelve.
    for (size_t k = 0; k < 6 && k < deepSpace.size(); ++k) hooks.Selected.push_back(deepSpace[k]);
    for (size_t k = 0; hooks.Selected.size() < 12 && k < nearEarth.size(); ++k) hooks.Selected.push_back(nearEarth[k]);
    hooks.Active = hooks.Selected.front();
    TrackingCycle cycle(tracking, time, hooks.Parts());
    cycle.StartTracking(catalog.Count());
    double local = DateTimeToDays(QDateTime(QDate(2024, 3, 13), QTime(12, 0)));  // 30 days after the epochs
    for (auto _ : state) {
        cycle.Tick(local);
        local += 1.0 / 86400.0;
    }
    state.counters["selected"] = static_cast<double>(hooks.Selected.size());
    state.counters["deep_space"] = static_cast<double>(std::min<size_t>(6, deepSpace.size()));
}
BENCHMARK(BM_CycleTwelveSatellitesNoDrawing)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
