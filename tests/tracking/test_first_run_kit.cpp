#include "AppTestSupport.h"
#include "FirstRunKit.h"
#include "SmallFileSystem.h"

#include <QDirIterator>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The kit files the data folder lacks or holds with other content.
QStringList DifferentFromKit(const QString& folder) {
    QStringList different;
    QDirIterator it(KitFolder(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(KitFolder()).relativeFilePath(source);
        if (relative != "SatIni.SQF" && ReadAll(folder + relative) != ReadAll(source)) different << relative;
    }
    return different;
}

QStringList EmptyFiles(const QString& folder) {
    QStringList empty;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (QFileInfo(it.next()).size() == 0) empty << it.filePath();
    return empty;
}

}  // namespace

TEST(FirstRunKit, HalfInstalledKitIsCompletedAndOperatorFilesKept) {
    KitFolderCopy data;
    data.Write("SatIni.SQF", "");
    data.Write("Doppler.SQF", "");
    data.Write("Kepler/nasa.all", "");
    data.Write("Prior.SQF", "AO-7,1\r\n");
    ASSERT_TRUE(NeedsFirstRunKit(data.Folder()));
    ScriptedPrompt prompt;
    QString error;
    ASSERT_TRUE(InstallFirstRunKit(KitFolder(), data.Folder(), prompt, &error)) << error.toStdString();
    EXPECT_FALSE(NeedsFirstRunKit(data.Folder()));
    EXPECT_EQ(DifferentFromKit(data.Folder()), QStringList{"Prior.SQF"});
    EXPECT_EQ(data.Read("Prior.SQF"), QByteArray("AO-7,1\r\n"));
    EXPECT_EQ(data.Read("SatIni.SQF"), ReadAll(KitFolder() + "/SatIni.SQF"));
}

TEST(FirstRunKit, FullDiskFailsWithoutEmptyFilesAndTheNextStartCompletes) {
    SmallFileSystem disk(1024);
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why().toStdString();
    const QString folder = disk.Folder() + "Kelvora/";
    ASSERT_TRUE(disk.Fill(40 * 1024));
    ScriptedPrompt prompt;
    QString error;
    EXPECT_FALSE(InstallFirstRunKit(KitFolder(), folder, prompt, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(EmptyFiles(folder), QStringList());
    EXPECT_TRUE(NeedsFirstRunKit(folder));

    disk.Free();
    ASSERT_TRUE(InstallFirstRunKit(KitFolder(), folder, prompt, &error)) << error.toStdString();
    EXPECT_EQ(DifferentFromKit(folder), QStringList());
    EXPECT_FALSE(NeedsFirstRunKit(folder));
    disk.Unmount();
}
