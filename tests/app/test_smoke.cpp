#include "AppTestSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kelvora::test;

namespace {
struct RunResult {
    int exitCode;
    QString errors;
};

RunResult RunProgram(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir locks;
    env.insert("KELVORA_LOCK_DIR", locks.path());  // never meets a copy the operator runs
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(KELVORA_BINARY_DIR) + "/kelvoraiss", arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError())};
}
}  // namespace

TEST(Smoke, FirstRunFillsTheFolderTicksAndQuits) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/Kelvora";
    const RunResult run = RunProgram({"--data-dir", folder, "--clock", "2024-02-12T12:00:00", "--quit-after-ticks", "3"});
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
