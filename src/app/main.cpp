// KelvoraISS: satellite tracking and station control.

#include "AusgabeU.h"
#include "Clock.h"
#include "DataFolder.h"
#include "ExitCodes.h"
#include "FirstRunKit.h"
#include "KelvoraApp.h"
#include "KelvoraVersion.h"
#include "NoDoppel.h"
#include "OperatorPrompt.h"
#include "QtOperatorPrompt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <memory>

using namespace kelvora;

namespace {

struct CommandLine {
    QString dataDir;
    QDateTime clockStart;
    int quitAfterTicks = -1;
};

// Returns false (after printing why) when the arguments are not usable.
bool ParseCommandLine(const QApplication& app, CommandLine& out) {
    QCommandLineParser parser;
    parser.setApplicationDescription("KelvoraISS: satellite tracking and station control");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"data-dir", "Use DIR as the data folder.", "DIR"});
    parser.addOption({"clock", "Start the computer clock at this UTC instant (YYYY-MM-DDTHH:MM:SS).", "UTC"});
    parser.addOption(
        {"quit-after-ticks", "Run N ticks of the main timer, then quit; nothing waits for the operator.", "N"});
    // parse() rather than process(): process() ends the program with status 1 on an
    // unknown option or a missing value, where every command-line error gives 2.
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "kelvoraiss: %s\n", qPrintable(parser.errorText()));
        return false;
    }
    if (parser.isSet("help")) parser.showHelp(ExitNormal);
    if (parser.isSet("version")) parser.showVersion();
    out.dataDir = parser.value("data-dir");
    if (parser.isSet("clock")) {
        out.clockStart = QDateTime::fromString(parser.value("clock"), "yyyy-MM-ddTHH:mm:ss");
        if (!out.clockStart.isValid()) {
            std::fprintf(stderr, "kelvoraiss: --clock wants YYYY-MM-DDTHH:MM:SS, got \"%s\"\n",
                         qPrintable(parser.value("clock")));
            return false;
        }
        out.clockStart = QDateTime(out.clockStart.date(), out.clockStart.time(), Qt::UTC);
    }
    if (parser.isSet("quit-after-ticks")) {
        bool ok = false;
        out.quitAfterTicks = parser.value("quit-after-ticks").toInt(&ok);
        if (!ok || out.quitAfterTicks < 0) {
            std::fprintf(stderr, "kelvoraiss: --quit-after-ticks wants a whole number of 0 or more\n");
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    CommandLine commandLine;
    if (!ParseCommandLine(application, commandLine)) return ExitStartupError;

    const bool unattended = commandLine.quitAfterTicks >= 0;
    UnattendedPrompt unattendedPrompt;
    QtOperatorPrompt windowPrompt;
    IOperatorPrompt& prompt = unattended ? static_cast<IOperatorPrompt&>(unattendedPrompt) : windowPrompt;

    const QString dataFolder = LocateDataFolder(commandLine.dataDir);
    const QString programFolder = LocateProgramFolder(QCoreApplication::applicationDirPath());
    NoDoppel guard;
    const TInstanceGuardResult instance = guard.Check(prompt);
    if (!instance.Run) return instance.LockFailed ? ExitStartupError : ExitNotStarted;

    if (NeedsFirstRunKit(dataFolder)) {
        QString error;
        const QString kit = LocateKitFolder(programFolder);
        if (!InstallFirstRunKit(kit, dataFolder, prompt, &error)) {
            prompt.Message("The data folder " + dataFolder + " could not be prepared:\n" + error,
                           IOperatorPrompt::Icon::Error);
            return ExitStartupError;
        }
    }

    std::unique_ptr<IClock> clock;
    if (commandLine.clockStart.isValid()) clock = std::make_unique<StartedClock>(commandLine.clockStart);
    else clock = std::make_unique<SystemClock>();

    TAppOptions options;
    options.DataFolder = dataFolder;
    options.ProgramFolder = programFolder;
    options.SecondInstance = instance.SecondInstance;
    options.QuitAfterTicks = commandLine.quitAfterTicks;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        options.ScreenWidth = screen->geometry().width();
        options.LogicalDpiX = screen->logicalDotsPerInchX();
    }

    TKelvoraApp app(options, prompt, *clock);
    app.CreateWindows();
    windowPrompt.SetParent(app.MainWindow());
    // Shown from inside the event loop, so that an early end can leave the loop.
    QTimer::singleShot(0, &app, [&app] { app.FormShow(); });
    return application.exec();
}
