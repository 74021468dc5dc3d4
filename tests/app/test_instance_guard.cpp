#include "AppTestSupport.h"
#include "NoDoppel.h"
#include "ProgramRun.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <memory>
#include <vector>

using namespace kelvora;
using namespace kelvora::test;

// Copies started at the same moment used to see each other's look at the "Pelorix"
// lock as Pelorix running. Each pair runs the program through start-up and quits; the
// later one of a pair may run as a second instance (unattended, the question is
// answered Yes), but none may be refused.
TEST(InstanceGuard, PairsStartedTogetherAreNeverTakenForPelorix) {
    KitFolderCopy data;
    QTemporaryDir locks;
    QProcessEnvironment env = ProgramEnvironment(locks.path());
    const QStringList arguments{"--data-dir",          data.Folder(),        "--clock",
                                "2024-02-12T12:00:00", "--quit-after-ticks", "0"};
    for (int pair = 0; pair < 20; ++pair) {
        QProcess copies[2];
        for (QProcess& copy : copies) {
            copy.setProcessEnvironment(env);
            copy.start(QStringLiteral(KELVORA_BINARY_DIR) + "/kelvoraiss", arguments);
        }
        for (QProcess& copy : copies) {
            ASSERT_TRUE(copy.waitForFinished(60000));
            const QString told = QString::fromLocal8Bit(copy.readAllStandardError());
            EXPECT_EQ(copy.exitCode(), 0) << "pair " << pair << ": " << told.toStdString();
            EXPECT_FALSE(told.contains("Pelorix")) << "pair " << pair << ": " << told.toStdString();
        }
    }
}

TEST(InstanceGuard, UnusableLockFolderIsSaidSo) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedPrompt prompt;
    NoDoppel guard(dir.path() + "/file");
    const TInstanceGuardResult result = guard.Check(prompt);
    EXPECT_FALSE(result.Run);
    EXPECT_TRUE(result.LockFailed);
    ASSERT_EQ(prompt.Messages.size(), 1);
    EXPECT_TRUE(prompt.Messages.first().startsWith("KelvoraISS cannot create its lock files in the folder " +
                                                   dir.path() + "/file:\n"))
        << prompt.Messages.first().toStdString();
    EXPECT_TRUE(prompt.Questions.isEmpty());
}

// The companion program "Vostrel" is checked after the own lock, also for a second
// instance; a refused first instance gives the "Kelvora" lock back at once. (Pelorix
// and the answer to the second-instance question: the start-up tests.) The other
// programs' locks are held by this test process through their own open files.
TEST(InstanceGuard, VostrelIsRefusedAndTheOwnLockGivenBack) {
    const QString vostrelText = "KelvoraISS cannot run at the same time with Vostrel,\nthe program will be closed.";
    struct Case {
        const char* what;
        QStringList held;
        bool run, second;
        QStringList told;
        int questions;
    };
    const Case cases[] = {
        {"nothing held", {}, true, false, {}, 0},
        {"Vostrel runs", {"Vostrel"}, false, false, {vostrelText}, 0},
        {"a copy and Vostrel run", {"Kelvora", "Vostrel"}, false, true, {vostrelText}, 1},
    };
    for (const Case& c : cases) {
        QTemporaryDir locks;
        std::vector<std::unique_ptr<NamedLock>> others;
        for (const QString& name : c.held) {
            others.push_back(std::make_unique<NamedLock>(name, locks.path()));
            ASSERT_TRUE(others.back()->TryAcquire()) << name.toStdString();
        }
        ScriptedPrompt prompt;
        prompt.Answers = {IOperatorPrompt::Answer::Yes};
        NoDoppel guard(locks.path());
        const TInstanceGuardResult result = guard.Check(prompt);
        EXPECT_EQ(result.Run, c.run) << c.what;
        EXPECT_EQ(result.SecondInstance, c.second) << c.what;
        EXPECT_FALSE(result.LockFailed) << c.what;
        EXPECT_EQ(prompt.Messages, c.told) << c.what;
        EXPECT_EQ(prompt.Questions.size(), c.questions) << c.what;
        others.clear();
        // Only a first instance that runs keeps the "Kelvora" lock.
        EXPECT_EQ(NamedLock::HeldElsewhere("Kelvora", locks.path()), c.run && !c.second) << c.what;
    }
}

// A copy that died (kill -9) holding the "Kelvora" lock does not count as running:
// the next start takes the lock without asking.
TEST(InstanceGuard, LockOfACopyThatDiedIsTakenOver) {
    KitFolderCopy data;
    QTemporaryDir locks;
    QProcessEnvironment env = ProgramEnvironment(locks.path());
    QProcess copy;
    copy.setProcessEnvironment(env);
    copy.start(QStringLiteral(KELVORA_BINARY_DIR) + "/kelvoraiss",
               {"--data-dir", data.Folder(), "--clock", "2024-02-12T12:00:00", "--quit-after-ticks", "100000"});
    ASSERT_TRUE(copy.waitForStarted(60000));
    QDeadlineTimer deadline(60000);
    while (!NamedLock::HeldElsewhere("Kelvora", locks.path()) && !deadline.hasExpired() &&
           copy.state() == QProcess::Running)
        copy.waitForFinished(20);
    ASSERT_TRUE(NamedLock::HeldElsewhere("Kelvora", locks.path())) << "the copy did not take the lock";
    copy.kill();
    ASSERT_TRUE(copy.waitForFinished(60000));
    ASSERT_EQ(copy.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(QFile::exists(locks.path() + "/Kelvora.lock"));

    ScriptedPrompt prompt;
    NoDoppel guard(locks.path());
    const TInstanceGuardResult result = guard.Check(prompt);
    EXPECT_TRUE(result.Run);
    EXPECT_FALSE(result.SecondInstance);
    EXPECT_TRUE(prompt.Questions.isEmpty());
    EXPECT_TRUE(NamedLock::HeldElsewhere("Kelvora", locks.path()));
}

// The program itself: a refused start ends with status 1 before any window, also when
// the operator declines a second instance (the unattended answer stands in for the
// click on "No").
TEST(InstanceGuard, ProgramEndsWhenItMustNotRun) {
    struct Case {
        const char* what;
        QString held;
        QString answer;
        int status;
        QString told;
    };
    const Case cases[] = {
        {"second instance declined", "Kelvora", "No", 1, "kelvoraiss: answered: No"},
        {"second instance wanted", "Kelvora", "Yes", 0, "kelvoraiss: answered: Yes"},
        {"Vostrel runs", "Vostrel", "", 1, "cannot run at the same time with Vostrel"},
    };
    KitFolderCopy data;
    for (const Case& c : cases) {
        QTemporaryDir locks;
        NamedLock other(c.held, locks.path());
        ASSERT_TRUE(other.TryAcquire());
        QProcessEnvironment env = ProgramEnvironment(locks.path());
        env.remove("KELVORA_UNATTENDED_ANSWER");
        if (!c.answer.isEmpty()) env.insert("KELVORA_UNATTENDED_ANSWER", c.answer);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KELVORA_BINARY_DIR) + "/kelvoraiss",
                      {"--data-dir", data.Folder(), "--clock", "2024-02-12T12:00:00", "--quit-after-ticks", "0"});
        ASSERT_TRUE(program.waitForFinished(60000)) << c.what;
        const QString told = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.what;
        EXPECT_EQ(program.exitCode(), c.status) << c.what << ": " << told.toStdString();
        EXPECT_TRUE(told.contains(c.told)) << c.what << ": " << told.toStdString();
    }
}
