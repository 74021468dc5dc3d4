#include "AppTestSupport.h"
#include "ConfigFile.h"
#include "GeneralSettings.h"

#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

TEST(GeneralSettings, StationSettingsFromTheKit) {
    KitFolderCopy data;
    data.Write("SatIni.SQF",
               "520\r\nconfigured\r\n11.58\r\n48.15\r\n3\r\n100\r\n2\r\n0\r\nS\r\n-1.5\r\n7\r\n8\r\n"
               "Auto\r\n*.txt\r\nKepler\\\r\n");
    data.Write("ParPort.SQF", ";comment\r\n888\r\n632\r\nbad\r\n");
    TStationSettings s = ReadSatIni(data.Folder());
    ReadParPort(data.Folder(), s);
    EXPECT_EQ(s.HeightText, "520");
    EXPECT_DOUBLE_EQ(s.Longitude, 11.58);
    EXPECT_DOUBLE_EQ(s.Latitude, 48.15);
    EXPECT_EQ(s.PortNumber, 3);
    EXPECT_EQ(s.CatPauseMs, 100);
    EXPECT_EQ(s.FlipSide, 'S');
    EXPECT_DOUBLE_EQ(s.MinElevation, -1.5);
    EXPECT_EQ(s.RotorValueB, 8);
    EXPECT_EQ(s.ZoneText, "Auto");
    EXPECT_EQ(s.ElementFolder, "Kepler\\");
    ASSERT_TRUE(s.ParallelPortAddress.has_value());
    EXPECT_EQ(*s.ParallelPortAddress, 632);
}

TEST(GeneralSettings, ZoneText) {
    struct Case {
        const char* text;
        QChar decimal;
        double expected;
    };
    const Case cases[] = {{"auto", '.', 5.5}, {"Auto", '.', 5.5}, {"AUTO", ',', 5.5},
                          {"1", '.', 1.0},    {"1.5", '.', 1.5},  {"1,5", ',', 1.5},
                          {"-3", '.', -3.0},  {"east", '.', 0.0}, {"", '.', 0.0}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(ZoneHoursFromText(c.text, 5.5, c.decimal), c.expected) << c.text;
}

TEST(GeneralSettings, ShortStartFileLeavesLaterSwitchesOff) {
    KitFolderCopy data;
    data.Write("SatStartISS.SQF", "+\r\n+\r\n+\r\n+\r\n/\r\n");
    TStartSettings s;
    s.SunOnStart = s.ArrowsOnStart = s.MultiSatStart = '+';
    s.MapInterval = 9;
    ReadSatStartIss(data.Folder(), s);
    EXPECT_EQ(s.RotorOnStart, '+');
    EXPECT_EQ(s.WindowSizeOption, '/');
    EXPECT_FALSE(IsOn(s.MultiSatStart));
    EXPECT_FALSE(IsOn(s.SunOnStart));
    EXPECT_FALSE(IsOn(s.ArrowsOnStart));
    EXPECT_EQ(s.MapInterval, 0);
}

TEST(GeneralSettings, ListFilesKeepOrderSkipCommentsAndStopAtTheirLimits) {
    KitFolderCopy data;
    QByteArray prior = ";comment\r\nISS,1\r\nAO-91,2,x\r\nSAT, WITH COMMA,3\r\n";
    for (int i = 0; i < 60; ++i) prior += "S" + QByteArray::number(i) + ",0\r\n";
    data.Write("Prior.SQF", prior);
    const QStringList names = ReadPriorityList(data.Folder());
    ASSERT_EQ(names.size(), MaxPriorityEntries);
    EXPECT_EQ(names.mid(0, 3), QStringList({"ISS", "AO-91", "SAT"}));

    QByteArray programs = ";c\r\n", aux = ";not a comment here\r\n";
    for (int i = 0; i < 20; ++i) {
        programs += "/opt/prog" + QByteArray::number(i) + "\r\n";
        aux += "/home/file" + QByteArray::number(i) + ".txt\r\n";
    }
    data.Write("Program.SQF", programs);
    data.Write("Auxiliary.SQF", aux);
    const QStringList p = ReadProgramList(data.Folder());
    const QStringList a = ReadAuxiliaryList(data.Folder());
    EXPECT_EQ(p.size(), MaxProgramEntries);
    EXPECT_EQ(p.first(), "/opt/prog0");
    EXPECT_EQ(a.size(), MaxAuxiliaryEntries);
    EXPECT_EQ(a.first(), ";not a comment here");

    data.Write("Program.SQF", "");
    EXPECT_TRUE(ReadProgramList(data.Folder()).isEmpty());
    data.Remove("Auxiliary.SQF");
    EXPECT_THROW(ReadAuxiliaryList(data.Folder()), ConfigError);
}

TEST(GeneralSettings, StaleElementDaysFromLine16AndBack) {
    struct Case {
        const char* line16;
        int days;
    };  // null: the file ends after line 15
    const Case cases[] = {{nullptr, 30}, {"", 30},     {"0", 30},  {"-5", 30},
                          {"2.5", 30},   {"soon", 30}, {"45", 45}, {" 7 ", 7}};
    for (const Case& c : cases) {
        KitFolderCopy data;
        QByteArray start = data.Read("SatStartISS.SQF");
        ASSERT_EQ(start.count("\r\n"), 15);
        if (c.line16) start += QByteArray(c.line16) + "\r\n";
        data.Write("SatStartISS.SQF", start);
        TStartSettings s;
        ReadSatStartIss(data.Folder(), s);
        EXPECT_EQ(s.StaleElementDays, c.days) << (c.line16 ? c.line16 : "missing");
    }
    // Store keeps a chosen value as line 16, after the fifteen lines as they were.
    KitFolderCopy data;
    TStartSettings s;
    ReadSatStartIss(data.Folder(), s);
    const QStringList fifteen = StartSettingsLines(s);
    s.StaleElementDays = 60;
    ASSERT_TRUE(StoreStartSettings(data.Folder(), s, nullptr));
    EXPECT_EQ(data.Lines("SatStartISS.SQF"), QStringList(fifteen) << "60");
    TStartSettings back;
    ReadSatStartIss(data.Folder(), back);
    EXPECT_EQ(back.StaleElementDays, 60);
}

TEST(GeneralSettings, StoreWritesFifteenLinesMirroringTheCompanionSwitches) {
    KitFolderCopy data;
    TStartSettings s;
    s.RotorServerOption = '+';
    s.RadioServerOption = '-';
    s.TimeScaleSwitch = '+';
    s.RotorOnStart = '+';
    s.WindowSizeOption = '/';
    s.MapInterval = -2;
    s.MapSet = '+';
    ASSERT_TRUE(StoreStartSettings(data.Folder(), s, nullptr));
    EXPECT_EQ(data.Read("SatStartISS.SQF"),
              QByteArray("+\r\n-\r\n-\r\n+\r\n/\r\n-\r\n-\r\n-\r\n-2\r\n-\r\n-\r\n-\r\n-\r\n+\r\n+\r\n"));
    TStartSettings back;
    ReadSatStartIss(data.Folder(), back);
    EXPECT_EQ(StartSettingsLines(back).mid(4, 6), StartSettingsLines(s).mid(4, 6));
}
