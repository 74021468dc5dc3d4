#include "AppTestSupport.h"
#include "ProgramRun.h"
#include "NamedLock.h"
#include "SmallFileSystem.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace kelvora::test;

TEST(Smoke, FirstRunFillsTheFolderTicksAndQuits) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/Kelvora";
    const RunResult run =
        RunProgram({"--data-dir", folder, "--clock", "2024-02-12T12:00:00", "--quit-after-ticks", "3"});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    for (const char* file : {"SatIni.SQF", "SatStartISS.SQF", "Prior.SQF", "Doppler.SQF", "Standard.ISS",
                             "Kepler/nasa.all", "NorvaNames.txt", "SatPosIss.SQF"})
        EXPECT_TRUE(QFile::exists(folder + "/" + file)) << file;
}

TEST(Smoke, StartupErrorEndsWithStatusTwo) {
    KitFolderCopy data;
    data.Remove("Prior.SQF");
    const RunResult run = RunProgram({"--data-dir", data.Folder(), "--quit-after-ticks", "3"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains("Prior.SQF")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(data.Path("SatPosIss.SQF")));
}

TEST(Smoke, BadArgumentsAreRefused) {
    EXPECT_EQ(RunProgram({"--clock", "yesterday"}).exitCode, 2);
    EXPECT_EQ(RunProgram({"--quit-after-ticks", "-1"}).exitCode, 2);
}

// The status codes README.md promises: 0 normal end, 1 not started beside another
// program, 2 start-up or command-line error, 3 the window position not saved at quit.
TEST(Smoke, StatusCodesAsDocumented) {
    QTemporaryDir scratch;
    QFile blocker(scratch.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QTemporaryDir locks;
    kelvora::NamedLock pelorix("Pelorix", locks.path());
    ASSERT_TRUE(pelorix.TryAcquire());
    // A kit cut short by an earlier version: "SatIni.SQF" and another kit file empty.
    KitFolderCopy halfInstalled;
    halfInstalled.Write("SatIni.SQF", "");
    halfInstalled.Write("Doppler.SQF", "");
    KitFolderCopy data;

    struct Case {
        QString name;
        QStringList arguments;
        QString lockFolder;
        int status;
        QString told;  // part of what standard error must say
    };
    const QStringList ticks{"--clock", "2024-02-12T12:00:00", "--quit-after-ticks", "1"};
    const Case cases[] = {
        {"half-installed kit is completed", QStringList{"--data-dir", halfInstalled.Folder()} + ticks, {}, 0, {}},
        {"Pelorix runs", QStringList{"--data-dir", data.Folder()} + ticks, locks.path(), 1, "Pelorix"},
        {"option without its value", {"--data-dir"}, {}, 2, "data-dir"},
        {"unknown option", {"--no-such-option"}, {}, 2, "no-such-option"},
        {"lock folder is a file", QStringList{"--data-dir", data.Folder()} + ticks, scratch.path() + "/file", 2,
         "cannot create its lock files in the folder " + scratch.path() + "/file"},
        {"data folder cannot be made",
         QStringList{"--data-dir", scratch.path() + "/file/Kelvora"} + ticks,
         {},
         2,
         "could not be prepared"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunProgram(c.arguments, c.lockFolder);
        EXPECT_EQ(run.exitCode, c.status) << c.name.toStdString() << ": " << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(c.told)) << c.name.toStdString() << ": " << run.errors.toStdString();
    }
    EXPECT_FALSE(halfInstalled.Read("Doppler.SQF").isEmpty());
    EXPECT_FALSE(halfInstalled.Read("SatIni.SQF").isEmpty());
}

TEST(Smoke, QuitOnAFullDiskKeepsTheOldPositionAndSaysSo) {
    SmallFileSystem disk(1024);
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why().toStdString();
    CopyKitInto(disk.Folder());
    QFile old(disk.Folder() + "SatPosIss.SQF");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("120\r\n80\r\n0\r\n0\r\n");
    old.close();
    ASSERT_TRUE(disk.Fill());
    const RunResult run =
        RunProgram({"--data-dir", disk.Folder(), "--clock", "2024-02-12T12:00:00", "--quit-after-ticks", "1"});
    EXPECT_EQ(run.exitCode, 3) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("SatPosIss.SQF")) << run.errors.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("120\r\n80\r\n0\r\n0\r\n"));
    old.close();
    disk.Unmount();
}
