#include "NamedLock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kelvora;

TEST(NamedLock, LockOfADeadProcessIsTakenOver) {
    QTemporaryDir dir;
    // A process that dies holding the lock, as after kill -9.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        NamedLock lock("Kelvora", dir.path());
        if (lock.TryAcquire()) ::raise(SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child did not get the lock";
    EXPECT_TRUE(QFile::exists(dir.path() + "/Kelvora.lock"));
    EXPECT_FALSE(NamedLock::HeldElsewhere("Kelvora", dir.path()));
    NamedLock lock("Kelvora", dir.path());
    EXPECT_TRUE(lock.TryAcquire());

    // A lock file an earlier version left behind, naming a process that is gone.
    QFile old(dir.path() + "/Pelorix.lock");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("999999\nPelorix\nhost\n");
    old.close();
    EXPECT_FALSE(NamedLock::HeldElsewhere("Pelorix", dir.path()));
}

TEST(NamedLock, ProbesShareAndDoNotCreateTheLockFile) {
    QTemporaryDir dir;
    EXPECT_FALSE(NamedLock::HeldElsewhere("Pelorix", dir.path()));
    EXPECT_FALSE(QFile::exists(dir.path() + "/Pelorix.lock"));
    NamedLock holder("Pelorix", dir.path());
    ASSERT_TRUE(holder.TryAcquire());
    QString error;
    EXPECT_EQ(NamedLock::Probe("Pelorix", dir.path(), &error), NamedLock::TProbe::HeldElsewhere);
    holder.Release();
    EXPECT_EQ(NamedLock::Probe("Pelorix", dir.path(), &error), NamedLock::TProbe::Free);
    EXPECT_TRUE(error.isEmpty());
}

TEST(NamedLock, UnusableFolderIsAnErrorNotAHolder) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString foreign = dir.path() + "/foreign";
    ASSERT_TRUE(QDir().mkdir(foreign));
    const bool canGiveAway = ::chown(QFile::encodeName(foreign).constData(), 65534, 65534) == 0;

    struct Case {
        QString folder;
        bool applies;
    };
    for (const Case& c :
         {Case{dir.path() + "/file", true}, Case{dir.path() + "/file/locks", true}, Case{foreign, canGiveAway}}) {
        if (!c.applies) continue;
        NamedLock lock("Kelvora", c.folder);
        EXPECT_FALSE(lock.TryAcquire()) << c.folder.toStdString();
        EXPECT_FALSE(lock.Error().isEmpty()) << c.folder.toStdString();
        QString error;
        EXPECT_EQ(NamedLock::Probe("Pelorix", c.folder, &error), NamedLock::TProbe::Unusable);
        EXPECT_FALSE(error.isEmpty());
    }

    // A folder made here is private to this user.
    const QString made = dir.path() + "/new/locks";
    QString error;
    ASSERT_TRUE(PrepareLockFolder(made, &error)) << error.toStdString();
    struct stat s {};
    ASSERT_EQ(::stat(QFile::encodeName(made).constData(), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0700u);
}

TEST(NamedLock, FallbackFolderIsPerUserId) {
    const char* names[] = {"KELVORA_LOCK_DIR", "XDG_RUNTIME_DIR", "USER"};
    bool wasSet[3];
    QByteArray keep[3];
    for (int i = 0; i < 3; ++i) {
        wasSet[i] = qEnvironmentVariableIsSet(names[i]);
        keep[i] = qgetenv(names[i]);
        qunsetenv(names[i]);
    }
    const QString folder = LockFolder();
    for (int i = 0; i < 3; ++i)
        if (wasSet[i]) qputenv(names[i], keep[i]);
    EXPECT_EQ(folder, QDir::tempPath() + "/kelvora-locks-" + QString::number(::geteuid()));
}
