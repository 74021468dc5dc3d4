#include "AppTestSupport.h"
#include "ConfigFile.h"
#include "FirstRunKit.h"
#include "GeneralSettings.h"
#include "SmallFileSystem.h"
#include "StationInput.h"

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

// What the station dialog takes: only values the start-up reader accepts, and a
// message naming the field otherwise. Typed values are never cut short.
TEST(FirstRunKit, StationInputIsCheckedAsTheStartupReadsIt) {
    struct Case {
        TStationInput input;
        QChar decimal;
        const char* refusedField;  // null: accepted
    };
    const Case cases[] = {
        {{"48.1", "11.6", "520", "auto"}, '.', nullptr},       {{"-90", "360", "-500", "-14"}, '.', nullptr},
        {{"48,1", "-180", "10000", "5,5"}, ',', nullptr},      {{"95", "11.6", "520", "auto"}, '.', "Latitude"},
        {{"", "11.6", "520", "auto"}, '.', "Latitude"},        {{"48.1", "-200", "520", "auto"}, '.', "Longitude"},
        {{"48.1", "eleven", "520", "auto"}, '.', "Longitude"}, {{"48.1", "11.6", "12000", "auto"}, '.', "Height"},
        {{"48.1", "11.6", "520 m", "auto"}, '.', "Height"},    {{"48.1", "11.6", "520.5", "auto"}, ',', nullptr},
        {{"48.1", "11.6", "520", "15"}, '.', "Time zone"},     {{"48.1", "11.6", "520", "soon"}, '.', "Time zone"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(
            (c.input.Latitude + " " + c.input.Longitude + " " + c.input.Height + " " + c.input.Zone).toStdString());
        IOperatorPrompt::Station station;
        station.heightMetres = "kept";
        const QString refusal = CheckStationInput(c.input, c.decimal, &station);
        if (c.refusedField) {
            EXPECT_TRUE(refusal.startsWith(QString(c.refusedField) + ":")) << refusal.toStdString();
            EXPECT_EQ(station.heightMetres, "kept");  // nothing taken from a refused input
            continue;
        }
        ASSERT_EQ(refusal, QString());
        // The file written from it passes the start-up's own checks.
        ConfigFile file(WithStation(ReadAll(KitFolder() + "/SatIni.SQF"), station), "SatIni.SQF");
        try {
            const TStationSettings read = ReadSatIni(file);
            EXPECT_DOUBLE_EQ(ConvertStationHeight(read.HeightText, c.decimal), c.input.Height.toDouble());
            StationZoneHours(read.ZoneText, 1.0, c.decimal);
            EXPECT_EQ(read.Latitude, QString(c.input.Latitude).replace(',', '.').toDouble());
        } catch (const ConfigError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}
