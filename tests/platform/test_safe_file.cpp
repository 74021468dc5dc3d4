#include "SafeFile.h"
#include "SmallFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Every name in the folder, hidden temporaries included.
QStringList AllNames(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

struct FullDisk : ::testing::Test {
    SmallFileSystem disk{64};
    void SetUp() override {
        if (!disk.Mounted()) GTEST_SKIP() << disk.Why().toStdString();
    }
    void TearDown() override { disk.Unmount(); }
};

}  // namespace

TEST_F(FullDisk, FailedWriteKeepsTheOldFileWholeAndSaysWhy) {
    const QString path = disk.Folder() + "SatPosIss.SQF";
    const QByteArray old = CrLfLines({"120", "80", "0", "0"});
    ASSERT_TRUE(WriteFileSafely(path, old));
    // A disk without any room, and one with room for a part of the new file only.
    struct Case {
        qint64 leave;
        int newSize;
    };
    for (const Case c : {Case{0, 100}, Case{8192, 32768}}) {
        disk.Free();
        ASSERT_TRUE(disk.Fill(c.leave));
        QString error;
        EXPECT_FALSE(WriteFileSafely(path, QByteArray(c.newSize, 'n'), &error)) << c.leave;
        EXPECT_TRUE(error.contains("SatPosIss.SQF")) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << error.toStdString();
        EXPECT_EQ(ReadAll(path), old);
        EXPECT_EQ(AllNames(disk.Folder()), (QStringList{"SatPosIss.SQF", "filler"}));  // no temporary left
    }
    // A new file that does not fit is not created at all.
    EXPECT_FALSE(WriteFileSafely(disk.Folder() + "New.SQF", QByteArray(32768, 'n')));
    EXPECT_FALSE(QFile::exists(disk.Folder() + "New.SQF"));

    disk.Free();
    EXPECT_TRUE(WriteFileSafely(path, QByteArray(100, 'n')));
    EXPECT_EQ(ReadAll(path), QByteArray(100, 'n'));
}

TEST(SafeFile, ReplacedFileKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/SatPosIss.SQF";
    const bool root = ::geteuid() == 0;
    struct Case {
        mode_t mode;
        bool written;
    };
    // A read-only file is refused unless the process may write it anyway (root).
    for (const Case c : {Case{0640, true}, Case{0604, true}, Case{0444, root}}) {
        QFile::remove(path);
        ASSERT_TRUE(WriteFileSafely(path, "old\r\n"));
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), c.mode), 0);
        EXPECT_EQ(WriteFileSafely(path, "new\r\n"), c.written) << std::oct << c.mode;
        EXPECT_EQ(ReadAll(path), c.written ? QByteArray("new\r\n") : QByteArray("old\r\n"));
        struct stat s {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &s), 0);
        EXPECT_EQ(s.st_mode & 07777, c.mode) << std::oct << c.mode;
    }
}

TEST(SafeFile, WritesThroughALinkAndKeepsTheLink) {
    QTemporaryDir dir;
    const QString real = dir.path() + "/real.SQF";
    const QString link = dir.path() + "/SatStartISS.SQF";
    ASSERT_TRUE(WriteFileSafely(real, "old\r\n"));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(WriteFileSafely(link, "new\r\n"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadAll(real), QByteArray("new\r\n"));
}

TEST(SafeFile, FilesWrittenTogetherAreAllNewOrAllAsTheyWere) {
    // A folder where a file should go is a real failure that needs no special rights.
    enum class Before { Old, Missing, Folder };
    struct Case {
        const char* what;
        Before first, second;
        bool written;
    };
    const Case cases[] = {
        {"both replaced", Before::Old, Before::Old, true},
        {"a new file beside an old one", Before::Missing, Before::Old, true},
        {"the second fails: the first is put back", Before::Old, Before::Folder, false},
        {"the second fails: the new first goes again", Before::Missing, Before::Folder, false},
        {"the first fails: nothing is renamed", Before::Folder, Before::Old, false},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString names[] = {"ISSFiles8d.SQF", "ISSSources.SQF"};
        const Before before[] = {c.first, c.second};
        for (int i = 0; i < 2; ++i) {
            const QString path = dir.path() + "/" + names[i];
            if (before[i] == Before::Old) {
                ASSERT_TRUE(WriteFileSafely(path, "old\r\n"));
            } else if (before[i] == Before::Folder) {
                ASSERT_TRUE(QDir().mkdir(path));
            }
        }
        QString error;
        EXPECT_EQ(WriteFilesTogether(
                      {{dir.path() + "/" + names[0], "new 1\r\n"}, {dir.path() + "/" + names[1], "new 2\r\n"}}, &error),
                  c.written)
            << c.what;
        for (int i = 0; i < 2; ++i) {
            const QString path = dir.path() + "/" + names[i];
            if (before[i] == Before::Folder) {
                EXPECT_TRUE(QFileInfo(path).isDir()) << c.what;
                EXPECT_TRUE(error.contains(names[i])) << c.what << ": " << error.toStdString();
            } else if (c.written) {
                EXPECT_EQ(ReadAll(path), QByteArray("new ") + QByteArray::number(i + 1) + "\r\n") << c.what;
            } else if (before[i] == Before::Old) {
                EXPECT_EQ(ReadAll(path), QByteArray("old\r\n")) << c.what;
            } else {
                EXPECT_FALSE(QFileInfo::exists(path)) << c.what;
            }
        }
        // No temporary or kept old file is left behind.
        QStringList expected;
        for (int i = 0; i < 2; ++i)
            if (before[i] != Before::Folder && (c.written || before[i] == Before::Old)) expected << names[i];
        expected.sort();
        EXPECT_EQ(AllNames(dir.path()), expected) << c.what;
    }
}
