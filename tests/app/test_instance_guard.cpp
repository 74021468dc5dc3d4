#include "AppTestSupport.h"
#include "NoDoppel.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

// Copies started at the same moment used to see each other's look at the "Pelorix"
// lock as Pelorix running. Each pair runs the program through start-up and quits; the
// later one of a pair may run as a second instance (unattended, the question is
// answered Yes), but none may be refused.
TEST(InstanceGuard, PairsStartedTogetherAreNeverTakenForPelorix) {
    KitFolderCopy data;
    QTemporaryDir locks;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("KELVORA_LOCK_DIR", locks.path());
    const QStringList arguments{"--data-dir", data.Folder(), "--clock", "2024-02-12T12:00:00", "--quit-after-ticks", "0"};
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
