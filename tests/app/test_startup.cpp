#include "AppTestSupport.h"
#include "AusgabeU.h"
#include "DateTimeBox.h"
#include "FirstRunKit.h"
#include "KelvoraApp.h"
#include "NoDoppel.h"
#include "SatSU.h"
#include "WindowLayout.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {
struct StartupFixture : ::testing::Test {
    KitFolderCopy data;
    ScriptedPrompt prompt;
    FixedClock clock{QDateTime(QDate(2024, 2, 12), QTime(12, 0), Qt::UTC), 1.0};
    TAppOptions options;
    std::unique_ptr<TKelvoraApp> app;
    int endedWith = -1;

    TKelvoraApp& MakeApp() {
        options.DataFolder = data.Folder();
        options.ProgramFolder = ProgramFolder();
        options.ScreenWidth = 1920;
        options.LogicalDpiX = 96;
        app = std::make_unique<TKelvoraApp>(options, prompt, clock);
        app->EndApplication = [this](int code) { endedWith = code; };
        app->CreateWindows();
        return *app;
    }
    QString Label(const char* name) { return app->MainWindow()->findChild<QLabel*>(name)->text(); }
};
}  // namespace

TEST_F(StartupFixture, CompleteKitReachesTrackingWithTheStartToggles) {
    MakeApp();
    const TStartupResult result = app->FormShow();
    EXPECT_TRUE(result.Completed) << result.Message.toStdString();
    EXPECT_TRUE(prompt.Messages.isEmpty()) << prompt.Messages.join("|").toStdString();
    EXPECT_TRUE(app->MainWindow()->Timer1()->isActive());
    EXPECT_EQ(app->MainWindow()->Timer1()->interval(), 1000);
    EXPECT_EQ(app->MainWindow()->Timer2()->interval(), 300);
    EXPECT_TRUE(app->State().StartupDone);
    // The kit starts with rotor, CAT and automatic change off, sun, arrows and
    // other satellites on, political maps, the largest window.
    EXPECT_EQ(Label("lblRotor"), "R-");
    EXPECT_EQ(Label("lblCat"), "C-");
    EXPECT_EQ(Label("lblWechsel"), "W-");
    EXPECT_EQ(Label("lblMulti"), "M+");
    EXPECT_EQ(Label("lblSun"), "S+");
    EXPECT_EQ(Label("lblArrow"), "D+");
    EXPECT_EQ(Label("lblBlueM"), "Pl");
    EXPECT_EQ(Label("lblWinSize"), "W3");
    EXPECT_EQ(app->State().Layout.LayoutSize, 5);
    EXPECT_EQ(app->State().Station.ConfigurationGuard.isEmpty(), false);

    EXPECT_EQ(app->TickCount(), 1);  // the first tick comes with the start of tracking
    EXPECT_EQ(app->MainWindow()->DateTimeBox()->DateText(), "12.02.2024");
    EXPECT_EQ(app->MainWindow()->DateTimeBox()->TimeText(), "12:00:00 U");
}

TEST_F(StartupFixture, MissingOrBadFileStopsAtItsStepAndWritesNothing) {
    struct Case {
        const char* file;
        QByteArray content;
        int step;
        const char* mentions;
    };
    const Case cases[] = {
        {"Prior.SQF", QByteArray(), 9, "Prior.SQF"},
        {"ParPort.SQF", QByteArray(), 4, "ParPort.SQF"},
        {"Program.SQF", QByteArray(), 11, "Program.SQF"},
        {"SatIni.SQF", "520\r\nconfigured\r\neast\r\n", 4, "SatIni.SQF, line 3"},
        {"SatIni.SQF", "high\r\nconfigured\r\n1\r\n2\r\n", 4, "SatIni.SQF, line 1"},
    };
    for (const Case& c : cases) {
        KitFolderCopy folder;
        if (c.content.isNull()) folder.Remove(c.file);
        else folder.Write(c.file, c.content);
        const QByteArray startBefore = folder.Read("SatStartISS.SQF");
        ScriptedPrompt localPrompt;
        TAppOptions o;
        o.DataFolder = folder.Folder();
        o.ProgramFolder = ProgramFolder();
        TKelvoraApp local(o, localPrompt, clock);
        local.EndApplication = [](int) {};
        local.CreateWindows();
        const TStartupResult result = local.FormShow();
        EXPECT_FALSE(result.Completed) << c.file;
        EXPECT_EQ(result.StoppedAtStep, c.step) << c.file;
        ASSERT_EQ(localPrompt.Messages.size(), 1) << c.file;
        EXPECT_TRUE(localPrompt.Messages.first().contains(c.mentions)) << localPrompt.Messages.first().toStdString();
        EXPECT_FALSE(local.MainWindow()->Timer1()->isActive());
        EXPECT_TRUE(local.MainWindow()->isVisible());
        EXPECT_FALSE(QFile::exists(folder.Path("SatPosIss.SQF")));
        EXPECT_EQ(folder.Read("SatStartISS.SQF"), startBefore);
    }
}

TEST_F(StartupFixture, UnattendedRunEndsWithStatusTwoWhenStartupStops) {
    data.Remove("Prior.SQF");
    options.QuitAfterTicks = 3;
    MakeApp();
    app->FormShow();
    EXPECT_EQ(endedWith, 2);
}

TEST_F(StartupFixture, QuitWritesTheWindowPositionAndTheFrameDoesNot) {
    MakeApp();
    app->FormShow();
    app->MainWindow()->close();
    EXPECT_EQ(endedWith, 0);
    EXPECT_FALSE(QFile::exists(data.Path("SatPosIss.SQF")));

    MakeApp();
    app->FormShow();
    app->MainWindow()->move(30, 50);
    app->menBeendenClick();
    EXPECT_EQ(endedWith, 0);
    const QList<QByteArray> lines = data.Read("SatPosIss.SQF").split('\n');
    ASSERT_GE(lines.size(), 4);
    const TWindowPosition carried = ReadWindowPosition(data.Folder());
    EXPECT_EQ(lines[2].trimmed().toInt(), carried.Carried1);
    EXPECT_TRUE(data.Read("SatPosIss.SQF").endsWith("\r\n"));
}

TEST_F(StartupFixture, SecondInstanceRunsWithoutCatPortOrRotorServer) {
    data.Write("SatIni.SQF",
               "520\r\nconfigured\r\n11.58\r\n48.15\r\n3\r\n100\r\n0\r\n0\r\nN\r\n0\r\n0\r\n0\r\n"
               "auto\r\n*.*\r\nKepler\\\r\n");
    QByteArray satStart = data.Read("SatStart.SQF");
    QList<QByteArray> lines = satStart.split('\n');
    lines[3] = "+\r";
    data.Write("SatStart.SQF", lines.join('\n'));
    options.SecondInstance = true;
    MakeApp();
    EXPECT_TRUE(app->FormShow().Completed);
    EXPECT_EQ(app->State().Station.PortNumber, 0);
    EXPECT_FALSE(app->State().UseRotorServer);
    EXPECT_TRUE(app->MainWindow()->Timer1()->isActive());
}

TEST(InstanceGuard, AnswersDecideWhetherASecondCopyRuns) {
    QTemporaryDir locks;
    NamedLock first("Kelvora", locks.path());
    ASSERT_TRUE(first.TryAcquire());
    struct Case {
        IOperatorPrompt::Answer answer;
        bool runs;
    };
    for (const Case& c : {Case{IOperatorPrompt::Answer::No, false}, Case{IOperatorPrompt::Answer::Yes, true}}) {
        ScriptedPrompt prompt;
        prompt.Answers.push_back(c.answer);
        NoDoppel guard(locks.path());
        const TInstanceGuardResult result = guard.Check(prompt);
        EXPECT_EQ(result.Run, c.runs);
        EXPECT_TRUE(result.SecondInstance || !c.runs);
        ASSERT_EQ(prompt.Questions.size(), 1);
        EXPECT_EQ(prompt.Questions.first(),
                  "KelvoraISS currently running!\nDo you want to start a second instance?\n"
                  "(rotor- and cat-control will be deactivated)");
    }
    first.Release();
    NamedLock pelorix("Pelorix", locks.path());
    ASSERT_TRUE(pelorix.TryAcquire());
    ScriptedPrompt prompt;
    NoDoppel guard(locks.path());
    EXPECT_FALSE(guard.Check(prompt).Run);
    EXPECT_EQ(prompt.Messages, QStringList{"KelvoraISS cannot run at the same time with Pelorix!"});
}

TEST_F(StartupFixture, OptionsStoreWritesTheStartSettingsAndOkDoesNot) {
    MakeApp();
    app->FormShow();
    const QByteArray before = data.Read("SatStartISS.SQF");
    app->ShowOptions();
    TSatSetup* dialog = app->OptionsDialog();
    EXPECT_FALSE(app->MainWindow()->InputEnabled());
    auto* rotor = dialog->findChild<QCheckBox*>("chkStartOptR");
    ASSERT_NE(rotor, nullptr);
    EXPECT_EQ(rotor->text(), "Rotor control");
    rotor->click();
    dialog->findChild<QPushButton*>("Abbrechen")->click();
    EXPECT_EQ(data.Read("SatStartISS.SQF"), before);
    EXPECT_TRUE(app->MainWindow()->InputEnabled());

    app->ShowOptions();
    dialog->findChild<QPushButton*>("cmdOK")->click();
    const QByteArray after = data.Read("SatStartISS.SQF");
    EXPECT_EQ(after.count("\r\n"), 15);
    EXPECT_TRUE(after.startsWith("+\r\n"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Label("lblRotor"), "R-");  // start values act at the next start
}

TEST(WindowSize, ScreenRuleAndLayoutTable) {
    struct Rule {
        int item;
        int screen;
        int fontScale;
        int result;
    };
    const Rule rules[] = {{0, 1920, 15, 0}, {0, 1920, 18, 1}, {1, 1920, 15, 1}, {1, 640, 15, 0},
                          {2, 1024, 15, 2}, {2, 800, 15, 1},  {2, 700, 15, 0}};
    for (const Rule& r : rules)
        EXPECT_EQ(ScreenSizeRule(r.item, r.screen, r.fontScale), r.result) << r.item << " " << r.screen;

    struct Layout {
        char stored;
        int screen;
        double dpi;
        int size;
        double scale;
        char option;
    };
    const Layout layouts[] = {{'-', 1920, 96, 1, 1.0, '-'},  {'-', 1920, 120, 2, 1.25, '/'},
                              {'/', 1920, 96, 3, 1.25, '/'}, {'+', 1920, 120, 4, 1.6, '+'},
                              {'+', 1920, 96, 5, 1.6, '+'},  {'+', 1000, 96, 3, 1.25, '/'},
                              {'+', 700, 96, 1, 1.0, '-'},   {'x', 1920, 96, 1, 1.0, '-'}};
    for (const Layout& l : layouts) {
        const TLayout layout = ComputeLayout(l.stored, l.screen, l.dpi);
        EXPECT_EQ(layout.LayoutSize, l.size) << l.stored << " " << l.screen;
        EXPECT_DOUBLE_EQ(layout.MapScale, l.scale);
        EXPECT_EQ(layout.WindowSizeOption, l.option);
    }
}

TEST(FirstRunKit, FillsANewFolderAndWritesTheStation) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/new/Kelvora/";
    ScriptedPrompt prompt;
    prompt.StationAnswered = true;
    prompt.StationAnswer = {51.5, 359.25, "35", "1.5"};
    ASSERT_TRUE(NeedsFirstRunKit(folder));
    QString error;
    ASSERT_TRUE(InstallFirstRunKit(KitFolder(), folder, prompt, &error)) << error.toStdString();
    EXPECT_FALSE(NeedsFirstRunKit(folder));
    EXPECT_TRUE(QFile::exists(folder + "Kepler/nasa.all"));
    const TStationSettings s = ReadSatIni(folder);
    EXPECT_EQ(s.HeightText, "35");
    EXPECT_DOUBLE_EQ(s.Latitude, 51.5);
    EXPECT_DOUBLE_EQ(s.Longitude, 359.25);
    EXPECT_EQ(s.ZoneText, "1.5");
    EXPECT_FALSE(s.ConfigurationGuard.isEmpty());  // other lines kept

    // An operator's own file is never replaced by the kit.
    QFile::remove(folder + "SatIni.SQF");
    QFile prior(folder + "Prior.SQF");
    ASSERT_TRUE(prior.open(QIODevice::WriteOnly | QIODevice::Truncate));
    prior.write("AO-7,1\r\n");
    prior.close();
    ASSERT_TRUE(InstallFirstRunKit(KitFolder(), folder, prompt, &error));
    EXPECT_EQ(ReadPriorityList(folder), QStringList{"AO-7"});
}

TEST(FirstRunKit, UnwritableFolderIsReported) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedPrompt prompt;
    QString error;
    EXPECT_FALSE(InstallFirstRunKit(KitFolder(), dir.path() + "/file/Kelvora/", prompt, &error));
    EXPECT_FALSE(error.isEmpty());
}
