// The main window's own commands on plain values: which program an entry starts and
// where, which file an auxiliary entry or a help item opens, what the operator is
// told when nothing can be started or opened, and File "O&pen".
#include "KitDataFolder.h"
#include "FakeDesktop.h"
#include "MainCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

using namespace kelvora;
using namespace kelvora::test;

namespace {

void MakeFile(const QString& path, bool executable) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

std::string S(const QString& text) { return text.toStdString(); }

}  // namespace

TEST(MainCommands, ProgramEntryStartsThePathOrThePathWithExe) {
    struct Case {
        const char* what;
        const char* entry;
        std::vector<std::pair<const char*, bool>> files;  // relative path, executable
        const char* program;  // relative to the folder; empty: nothing to start
        const char* workingFolder;
    };
    const Case cases[] = {
        {"executable", "tools/logbook", {{"tools/logbook", true}}, "tools/logbook", "tools"},
        {"executable before .exe",
         "tools/logbook",
         {{"tools/logbook", true}, {"tools/logbook.exe", false}},
         "tools/logbook",
         "tools"},
        {"not executable: .exe",
         "tools/logbook",
         {{"tools/logbook", false}, {"tools/logbook.exe", false}},
         "tools/logbook.exe",
         "tools"},
        {"only .exe", "tools/logbook", {{"tools/logbook.exe", false}}, "tools/logbook.exe", "tools"},
        {"stored with \\", "tools\\sub\\logbook", {{"tools/sub/logbook", true}}, "tools/sub/logbook", "tools/sub"},
        {"neither", "tools/logbook", {}, "", ""},
        {"not executable, no .exe", "tools/logbook", {{"tools/logbook", false}}, "", ""},
        {"a folder", "tools", {{"tools/logbook", true}}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        for (const auto& [file, executable] : c.files) MakeFile(dir.filePath(file), executable);
        // Relative entries lie in the program folder; absolute ones stand for themselves.
        for (const QString& entry : {QString(c.entry), dir.path() + "/" + c.entry}) {
            const TProgramLaunch launch = ProgramLaunchOf(entry, dir.path());
            if (*c.program) {
                EXPECT_EQ(S(launch.Program), S(dir.filePath(c.program)));
                EXPECT_EQ(S(launch.WorkingFolder), S(dir.filePath(c.workingFolder)));
                EXPECT_TRUE(launch.Error.isEmpty());
            } else {
                EXPECT_TRUE(launch.Program.isEmpty());
                EXPECT_TRUE(launch.Error.startsWith("Program ")) << S(launch.Error);
                EXPECT_TRUE(launch.Error.contains(" not found!")) << S(launch.Error);
            }
        }
    }
}

TEST(MainCommands, MenuCaptionsAreFileNamesUpToTheLimit) {
    QStringList many;
    for (int i = 1; i <= 17; ++i) many << QStringLiteral("C:\\Notes\\note%1.txt").arg(i);
    struct Case {
        QStringList entries;
        int max;
        QStringList captions;
    };
    const Case cases[] = {
        {{"C:\\Ham\\Logbook", "/opt/ham/cluster", "Celestrak.SQF"}, 10, {"Logbook", "cluster", "Celestrak.SQF"}},
        {many.mid(0, 12), 15,
         [&] {
             QStringList c;
             for (int i = 1; i <= 12; ++i) c << QStringLiteral("note%1.txt").arg(i);
             return c;
         }()},
        {{}, 10, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(MenuCaptions(c.entries, c.max), c.captions);
    EXPECT_EQ(MenuCaptions(many, 15).size(), 15);
    EXPECT_EQ(MenuCaptions(many, 15).last(), "note15.txt");
}

TEST(MainCommands, StartOpenAndTheirFailuresAreTold) {
    QTemporaryDir programFolder;
    QTemporaryDir dataFolder;
    MakeFile(programFolder.filePath("logbook"), true);
    MakeFile(programFolder.filePath("Yaesu/Readme(Yaesu).txt"), false);
    MakeFile(dataFolder.filePath("Prior.SQF"), false);
    TAppState state;
    state.ProgramFolder = programFolder.path();
    state.DataFolder = dataFolder.path() + "/";
    state.ProgramList = {"logbook", "missing"};
    state.AuxiliaryList = {"Prior.SQF", "gone.txt"};
    ScriptedPrompt prompt;
    FakeDesktop desktop;
    TMainCommands commands(state, prompt, desktop);

    commands.StartProgram(0);
    EXPECT_EQ(desktop.Started, QStringList{programFolder.filePath("logbook") + "|" + programFolder.path()});
    commands.OpenAuxiliaryFile(0);
    commands.OpenHelpFile("Yaesu\\Readme(Yaesu).txt");
    EXPECT_EQ(desktop.Opened,
              (QStringList{dataFolder.filePath("Prior.SQF"), programFolder.filePath("Yaesu/Readme(Yaesu).txt")}));
    EXPECT_TRUE(prompt.Messages.isEmpty()) << S(prompt.Messages.join("|"));
    commands.StartProgram(2);  // past the list: nothing
    commands.OpenAuxiliaryFile(-1);
    EXPECT_TRUE(prompt.Messages.isEmpty());

    // Missing files are told without asking the desktop.
    desktop.Started.clear();
    desktop.Opened.clear();
    commands.StartProgram(1);
    commands.OpenAuxiliaryFile(1);
    commands.OpenHelpFile("FAQ.htm");
    EXPECT_TRUE(desktop.Started.isEmpty());
    EXPECT_TRUE(desktop.Opened.isEmpty());
    ASSERT_EQ(prompt.Messages.size(), 3);
    EXPECT_TRUE(prompt.Messages[0].startsWith("Program " + programFolder.filePath("missing") + " not found!"));
    EXPECT_EQ(S(prompt.Messages[1]), S("File " + dataFolder.filePath("gone.txt") + " not found!"));
    EXPECT_EQ(S(prompt.Messages[2]), S("File " + programFolder.filePath("FAQ.htm") + " not found!"));

    // The desktop refuses: told as well.
    prompt.Messages.clear();
    desktop.Succeeds = false;
    commands.StartProgram(0);
    commands.OpenAuxiliaryFile(0);
    ASSERT_EQ(prompt.Messages.size(), 2);
    EXPECT_EQ(S(prompt.Messages[0]), S("Program " + programFolder.filePath("logbook") + " could not be started."));
    EXPECT_EQ(S(prompt.Messages[1]), S("No application could open\n" + dataFolder.filePath("Prior.SQF")));
}

TEST(MainCommands, OpenTakesAChosenFileOrTellsWhatIsMissing) {
    const QString notFound = "The file was not found,\nplease, check the filename and call \nagain menu File|Open!\n";
    const QString noSource = "No source file chosen!,\nCall menu  File | Open\nand choose a file.";
    struct Case {
        const char* what;
        const char* answer;  // relative to the data folder; empty: cancelled
        bool sourceReady;
        bool taken;
        QStringList messages;
    };
    const Case cases[] = {
        {"chosen", "Kepler/amateur.txt", false, true, {}},
        {"cancelled, a source in use", "", true, false, {}},
        {"cancelled, no source", "", false, false, {noSource}},
        {"missing file, a source in use", "Kepler/none.txt", true, false, {notFound}},
        {"missing file, no source", "Kepler/none.txt", false, false, {notFound, noSource}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir data;
        MakeFile(data.filePath("Kepler/amateur.txt"), false);
        TAppState state;
        state.DataFolder = data.path() + "/";
        state.Station.ElementFolder = "old/";
        ScriptedPrompt prompt;
        prompt.FileAnswer = *c.answer ? data.filePath(c.answer) : QString();
        FakeDesktop desktop;
        TMainCommands commands(state, prompt, desktop);
        QStringList calls;
        bool ready = c.sourceReady;
        TOpenHooks& h = commands.OpenHooks;
        h.ElementMask = [] { return QStringLiteral("*.txt"); };
        h.SourceFileReady = [&ready] { return ready; };
        h.UseSource = [&calls](const QString& path) { calls << "use " + path; };
        h.ClearSourceFileReady = [&] {
            ready = false;
            calls << "clear";
        };
        h.RunSatellitesCommand = [&calls] { calls << "satellites"; };
        h.StopTracking = [&calls] { calls << "stop"; };
        h.ResumeTracking = [&calls] { calls << "resume"; };

        EXPECT_EQ(commands.OpenElementFile(), c.taken);
        EXPECT_EQ(prompt.FileDialogFolders, QStringList{data.path() + "/Kepler"});
        EXPECT_EQ(prompt.Messages, c.messages);
        QStringList expected{"stop"};
        if (c.taken) expected << "use " + data.filePath(c.answer) << "satellites";
        else if (!c.sourceReady)
            expected << "clear"
                     << "resume";
        else expected << "resume";
        EXPECT_EQ(calls, expected);
        EXPECT_EQ(S(state.Station.ElementFolder), c.taken ? S(data.path() + "/Kepler/") : "old/");
    }
    EXPECT_EQ(S(OpenDialogFilter("*.txt")), "Kepler files (*.txt);;All files (*)");
    EXPECT_EQ(S(OpenDialogFilter("*.txt;*.tle")), "Kepler files (*.txt *.tle);;All files (*)");
}

TEST(MainCommands, AutoChangeAndInformation) {
    TTrackingState tracking;
    tracking.AutoChange = false;
    EXPECT_EQ(S(ClickAutoChange(tracking)), "W+");
    EXPECT_TRUE(tracking.AutoChange);
    EXPECT_EQ(S(ClickAutoChange(tracking)), "W-");
    EXPECT_FALSE(tracking.AutoChange);
    EXPECT_TRUE(InformationText().startsWith("KelvoraISS V.12.10\nRelease March/2022\n\n"));
}
