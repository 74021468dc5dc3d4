// Start-up to the first tick, and one tick of the main timer, on a data folder
// filled from the default kit, with the real windows on the offscreen platform.

#include "Clock.h"
#include "KelvoraApp.h"
#include "OperatorPrompt.h"

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

void BM_TickWithoutSatellites(benchmark::State& state) {
    QTemporaryDir dir;
    CopyKit(dir.path() + "/");
    SilentPrompt prompt;
    SystemClock clock;
    TKelvoraApp app(OptionsFor(dir), prompt, clock);
    app.EndApplication = [](int) {};
    app.CreateWindows();
    app.FormShow();
    for (auto _ : state) {
        app.Timer1Timer();
        QCoreApplication::processEvents();  // includes repainting the date-time box
    }
}
BENCHMARK(BM_TickWithoutSatellites)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
