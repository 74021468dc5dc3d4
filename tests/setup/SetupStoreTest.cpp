// The setup's "Store" on a copy of the kit: each field lands on its line in the form
// the program's readers take, every other line stays as it was, and a value the
// start-up would refuse is refused with its field named and nothing written.
#include <gtest/gtest.h>

#include "ConfigFile.h"
#include "GeneralSettings.h"
#include "KitDataFolder.h"
#include "RadioFiles.h"
#include "RotorSettings.h"
#include "ServerFiles.h"
#include "SetupStore.h"

#include <unistd.h>

#include <functional>
#include <map>

namespace kelvora {
namespace {

using test::KitDataFolder;

struct TExpectedLine {
    const char* File;
    int Line;
    const char* Text;
};

struct TFieldCase {
    const char* Field;
    std::function<void(TSetupValues&)> Change;
    std::vector<TExpectedLine> Lines;
    std::function<void(const QString& folder)> ReadBack;
};

std::string FileBytes(const KitDataFolder& kit, const char* name) { return kit.Read(name).toStdString(); }

std::map<QString, QStringList> Snapshot(const KitDataFolder& kit) {
    std::map<QString, QStringList> lines;
    for (const QString& name : kit.FileNames()) lines[name] = kit.Lines(name);
    return lines;
}

TStoreResult StoreOnKit(const KitDataFolder& kit, const std::function<void(TSetupValues&)>& change, QChar decimal = '.',
                        TSetupRefusal* refusal = nullptr) {
    TSetupFiles files = LoadSetupFiles(kit.Folder());
    TSetupValues values = SetupValuesOf(files);
    change(values);
    QString message;
    return StoreSetup(kit.Folder(), files, values, decimal, refusal, &message);
}

TRotorSettings RotorFilesOf(const KitDataFolder& kit) {
    TRotorSettings rotor;
    EXPECT_TRUE(ReadWiRotOpt(FileBytes(kit, "WiRotOpt.SQF"), rotor));
    ReadFlipFile(FileBytes(kit, "Flip.SQF"), rotor);
    ReadParkFile(FileBytes(kit, "Park.SQF"), rotor);
    EXPECT_TRUE(ReadParkPosFile(FileBytes(kit, "ParkPos.SQF"), rotor));
    ReadStandPosFile(FileBytes(kit, "StandPos.SQF"), rotor);
    return rotor;
}

TRadioDefinition RadioFilesOf(const QString& folder) {
    TRadioDefinition radio;
    LoadRadioFamily(folder, radio);
    LoadRadioParameters(folder, radio);
    LoadRtsDtr(folder, radio);
    return radio;
}

TEST(SetupStore, EachFieldLandsOnItsLineAndReadsBackWithTheProgramsReaders) {
    const std::vector<TFieldCase> cases = {
        {"latitude",
         [](TSetupValues& v) { v.Station.Latitude = "-33,9"; },
         {{"SatIni.SQF", 4, "-33.9"}},
         [](const QString& f) { EXPECT_DOUBLE_EQ(ReadSatIni(f).Latitude, -33.9); }},
        {"longitude",
         [](TSetupValues& v) { v.Station.Longitude = "351.25"; },
         {{"SatIni.SQF", 3, "351.25"}},
         [](const QString& f) { EXPECT_DOUBLE_EQ(ReadSatIni(f).Longitude, 351.25); }},
        {"height",
         [](TSetupValues& v) { v.Station.Height = "1234,5"; },
         {{"SatIni.SQF", 1, "1234.5"}},
         [](const QString& f) { EXPECT_DOUBLE_EQ(ConvertStationHeight(ReadSatIni(f).HeightText, '.'), 1234.5); }},
        {"zone hours",
         [](TSetupValues& v) { v.Station.ZoneText = "5,5"; },
         {{"SatIni.SQF", 13, "5.5"}},
         [](const QString& f) { EXPECT_DOUBLE_EQ(StationZoneHours(ReadSatIni(f).ZoneText, 0, '.'), 5.5); }},
        {"zone auto",
         [](TSetupValues& v) { v.Station.ZoneText = "AUTO"; },
         {{"SatIni.SQF", 13, "auto"}},
         [](const QString& f) { EXPECT_DOUBLE_EQ(StationZoneHours(ReadSatIni(f).ZoneText, 2, '.'), 2); }},
        {"minimum elevation",
         [](TSetupValues& v) { v.Station.MinElevation = "-5"; },
         {{"SatIni.SQF", 10, "-5"}},
         [](const QString& f) { EXPECT_DOUBLE_EQ(ReadSatIni(f).MinElevation, -5); }},
        {"end stop",
         [](TSetupValues& v) { v.Station.EndStop = 'S'; },
         {{"SatIni.SQF", 9, "S"}},
         [](const QString& f) { EXPECT_EQ(ReadSatIni(f).FlipSide, 'S'); }},
        {"azimuth offset",
         [](TSetupValues& v) { v.Station.AzimuthOffset = "-12"; },
         {{"SatIni.SQF", 11, "-12"}},
         [](const QString& f) { EXPECT_EQ(ReadSatIni(f).RotorValueA, -12); }},
        {"elevation offset",
         [](TSetupValues& v) { v.Station.ElevationOffset = "3"; },
         {{"SatIni.SQF", 12, "3"}},
         [](const QString& f) { EXPECT_EQ(ReadSatIni(f).RotorValueB, 3); }},
        {"port number",
         [](TSetupValues& v) {
             v.Radio.PortNumber = "3";
             v.Radio.DevicePath = "/dev/ttyUSB2";
         },
         {{"SatIni.SQF", 5, "3"}},
         [](const QString& f) { EXPECT_EQ(ReadSatIni(f).PortNumber, 3); }},
        {"CAT pause",
         [](TSetupValues& v) { v.Radio.CatPause = "40"; },
         {{"SatIni.SQF", 6, "40"}},
         [](const QString& f) { EXPECT_EQ(ReadSatIni(f).CatPauseMs, 40); }},
        {"family",
         [](TSetupValues& v) { v.Radio.Family = "Icom"; },
         {{"TRX.SQF", 1, "Icom"}},
         [](const QString& f) { EXPECT_EQ(RadioFilesOf(f).FamilyKind(), TRadioFamily::Icom); }},
        {"Yaesu model and baud",
         [](TSetupValues& v) {
             v.Radio.SetModel("FT-847");
             v.Radio.SetBaud("4800");
         },
         {{"YaesuPar.SQF", 4, "FT-847"}, {"YaesuPar.SQF", 3, "4800"}},
         [](const QString& f) {
             const TRadioDefinition r = RadioFilesOf(f);
             EXPECT_TRUE(SatModeOffEnabled(r));
             EXPECT_EQ(BaudRateOfText(r.YaesuBaud), 4800);
         }},
        {"Icom model",
         [](TSetupValues& v) { v.Radio.IcomModel = "IC-9700"; },
         {{"IcomName.SQF", 1, "IC-9700"}},
         [](const QString& f) { EXPECT_EQ(RadioFilesOf(f).IcomModel, "IC-9700"); }},
        {"Icom baud",
         [](TSetupValues& v) { v.Radio.IcomBaud = "19200"; },
         {{"IcomPar.SQF", 1, "19200"}},
         [](const QString& f) { EXPECT_EQ(RadioFilesOf(f).IcomBaud, "19200"); }},
        {"CI-V addresses",
         [](TSetupValues& v) {
             v.Radio.IcomRxAddress = "$A2";
             v.Radio.IcomTxAddress = "98";
         },
         {{"IcomPar.SQF", 3, "$A2 098"}},
         [](const QString& f) {
             const TRadioDefinition r = RadioFilesOf(f);
             ASSERT_EQ(r.IcomAddressTable.size(), 1u);
             EXPECT_EQ(r.IcomAddressTable[0].RxAddress, 0xA2);
             EXPECT_EQ(r.IcomAddressTable[0].TxAddress, 98);
         }},
        {"Kenwood model and baud",
         [](TSetupValues& v) {
             v.Radio.KenwoodModel = "TS-2000";
             v.Radio.KenwoodBaud = "57600";
         },
         {{"KenwoodPar.SQF", 1, "TS-2000"}, {"KenwoodPar.SQF", 2, "57600"}},
         [](const QString& f) { EXPECT_EQ(RadioFilesOf(f).KenwoodModel, "TS-2000"); }},
        {"RTS and DTR",
         [](TSetupValues& v) {
             v.Radio.Rts = true;
             v.Radio.Dtr = true;
         },
         {{"RTS12.SQF", 1, "+"}, {"RTS12.SQF", 3, "+"}},
         [](const QString& f) {
             const TRadioDefinition r = RadioFilesOf(f);
             EXPECT_TRUE(r.RtsOn && r.DtrOn);
         }},
        {"serial device",
         [](TSetupValues& v) {
             v.Radio.PortNumber = "2";
             v.Radio.DevicePath = "/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0";
         },
         {{"SatIni.SQF", 5, "2"}, {"SerialPorts.SQF", 9, "2=/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0"}},
         [](const QString& f) {
             EXPECT_EQ(SerialDevicePath(f, 2), "/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0");
         }},
        {"threshold mode",
         [](TSetupValues& v) {
             v.Rotor.ThresholdMode = true;
             v.Rotor.StepDegrees = "2,5";
         },
         {{"WiRotOpt.SQF", 1, "w"}, {"WiRotOpt.SQF", 3, "2.5"}},
         nullptr},
        {"interval", [](TSetupValues& v) { v.Rotor.IntervalSeconds = "30"; }, {{"WiRotOpt.SQF", 2, "30"}}, nullptr},
        {"azimuth rule",
         [](TSetupValues& v) { v.Rotor.FixedAzimuthStep = false; },
         {{"WiRotOpt.SQF", 4, "e"}},
         nullptr},
        {"flip", [](TSetupValues& v) { v.Rotor.Flip = true; }, {{"Flip.SQF", 1, "+"}}, nullptr},
        {"450 degrees", [](TSetupValues& v) { v.Rotor.Extend450 = true; }, {{"Flip.SQF", 2, "+"}}, nullptr},
        {"park", [](TSetupValues& v) { v.Rotor.Park = true; }, {{"Park.SQF", 1, "+"}}, nullptr},
        {"park position",
         [](TSetupValues& v) {
             v.Rotor.ParkAzimuth = "270";
             v.Rotor.ParkElevation = "10";
         },
         {{"ParkPos.SQF", 1, "270"}, {"ParkPos.SQF", 2, "10"}},
         nullptr},
        {"standard directions",
         [](TSetupValues& v) {
             v.Rotor.StandardDirections.erase(v.Rotor.StandardDirections.begin());
             v.Rotor.StandardDirections.push_back({"Repeater", "123,5"});
         },
         {{"StandPos.SQF", 2, "East,90"},
          {"StandPos.SQF", 3, "South,180"},
          {"StandPos.SQF", 4, "West,270"},
          {"StandPos.SQF", 5, "Repeater,123.5"}},
         nullptr},
        {"D-Bus rotor server",
         [](TSetupValues& v) {
             v.Servers.Rotor = TRotorOutput::DbusServer;
             v.Servers.RotorServerPath = "/opt/rotor/ServerRotix.exe";
         },
         {{"RotorServer.SQF", 1, "/opt/rotor/ServerRotix"}, {"SatStart.SQF", 4, "+"}},
         [](const QString& f) {
             TStartSettings start;
             ReadSatStart(f, start);
             EXPECT_EQ(start.RotorServerOption, '+');
         }},
        {"rotctld",
         [](TSetupValues& v) {
             v.Servers.Rotor = TRotorOutput::Rotctld;
             v.Servers.RotctldAddress = "10.0.0.7:4533";
         },
         {{"RotorServer.SQF", 1, "rotctld"}, {"RotorServer.SQF", 2, "10.0.0.7:4533"}, {"SatStart.SQF", 4, "+"}},
         [](const QString& f) {
             const TServerFiles read = ReadServerFiles(f);
             EXPECT_TRUE(IsRotctld(read.RotorServerPath));
             EXPECT_EQ(read.RotorDaemon.Host, "10.0.0.7");
             EXPECT_EQ(read.RotorDaemon.Port, 4533);
         }},
        {"rotctld address written as the program reads it",
         [](TSetupValues& v) {
             v.Servers.Rotor = TRotorOutput::Rotctld;
             v.Servers.RotctldAddress = " rotor.local:5000 ";
         },
         {{"RotorServer.SQF", 1, "rotctld"}, {"RotorServer.SQF", 2, "rotor.local:5000"}, {"SatStart.SQF", 4, "+"}},
         [](const QString& f) {
             const TServerFiles read = ReadServerFiles(f);
             EXPECT_EQ(read.RotorDaemon.Host, "rotor.local");
             EXPECT_EQ(read.RotorDaemon.Port, 5000);
         }},
        {"rigctld",
         [](TSetupValues& v) {
             v.Servers.Radio = TRadioOutput::Rigctld;
             v.Servers.RigctldAddress = "[::1]:4532";
         },
         {{"CatServer.SQF", 1, "rigctld"}, {"CatServer.SQF", 2, "[::1]:4532"}, {"SatStart.SQF", 11, "+"}},
         [](const QString& f) {
             TStartSettings start;
             ReadSatStart(f, start);
             EXPECT_EQ(start.RadioServerOption, '+');
             const TServerFiles read = ReadServerFiles(f);
             EXPECT_TRUE(IsRigctld(read.RadioServerService));
             EXPECT_EQ(read.RadioDaemon.Host, "::1");
             EXPECT_EQ(read.RadioDaemon.Port, 4532);
         }},
    };
    for (const TFieldCase& c : cases) {
        SCOPED_TRACE(c.Field);
        const KitDataFolder kit;
        auto expected = Snapshot(kit);
        for (const TExpectedLine& line : c.Lines) {
            QStringList& lines = expected[line.File];
            while (lines.size() < line.Line) lines << QString();
            lines[line.Line - 1] = line.Text;
        }
        ASSERT_EQ(StoreOnKit(kit, c.Change), TStoreResult::Stored);
        for (const auto& [name, lines] : expected) EXPECT_EQ(kit.Lines(name), lines) << name.toStdString();
        if (c.ReadBack) c.ReadBack(kit.Folder());
        RotorFilesOf(kit);  // the rotor files always read
    }
}

TEST(SetupStore, UnchangedValuesWriteNothing) {
    const KitDataFolder kit;
    const auto before = Snapshot(kit);
    std::map<QString, QByteArray> bytes;
    for (const QString& name : kit.FileNames()) bytes[name] = kit.Read(name);
    ASSERT_EQ(StoreOnKit(kit, [](TSetupValues&) {}), TStoreResult::Stored);
    for (const auto& [name, content] : bytes) EXPECT_EQ(kit.Read(name), content) << name.toStdString();
}

TEST(SetupStore, RotorFilesReadBackAsStored) {
    const KitDataFolder kit;
    ASSERT_EQ(StoreOnKit(kit,
                         [](TSetupValues& v) {
                             v.Rotor.ThresholdMode = true;
                             v.Rotor.StepDegrees = "7.5";
                             v.Rotor.Flip = true;
                             v.Rotor.Extend450 = true;  // never together with the flip
                             v.Rotor.Park = true;
                             v.Rotor.ParkAzimuth = "90";
                             v.Rotor.ParkElevation = "45";
                         }),
              TStoreResult::Stored);
    const TRotorSettings rotor = RotorFilesOf(kit);
    EXPECT_TRUE(rotor.ThresholdMode());
    EXPECT_DOUBLE_EQ(rotor.StepDegrees, 7.5);
    EXPECT_TRUE(rotor.FlipOn());
    EXPECT_FALSE(rotor.Extend450On());
    EXPECT_TRUE(rotor.ParkOn());
    EXPECT_EQ(rotor.ParkAzimuth, 90);
    EXPECT_EQ(rotor.ParkElevation, 45);
    ASSERT_EQ(rotor.StandardDirections.size(), 4u);
    EXPECT_EQ(rotor.StandardDirections[3].Name, "West");
}

TEST(SetupStore, HeightIsStoredInTheSystemsNotation) {
    const KitDataFolder kit;
    ASSERT_EQ(StoreOnKit(
                  kit, [](TSetupValues& v) { v.Station.Height = "520.5"; }, ','),
              TStoreResult::Stored);
    EXPECT_EQ(kit.Lines("SatIni.SQF")[0], "520,5");
    EXPECT_DOUBLE_EQ(ConvertStationHeight(ReadSatIni(kit.Folder()).HeightText, ','), 520.5);
}

TEST(SetupStore, ValuesTheStartUpWouldRefuseAreRefusedWithTheFieldNamedAndNothingWritten) {
    struct TCase {
        std::function<void(TSetupValues&)> Change;
        TSetupPage Page;
        const char* Field;
    };
    const std::vector<TCase> cases = {
        {[](TSetupValues& v) { v.Station.Latitude = "91"; }, TSetupPage::Station, "Latitude"},
        {[](TSetupValues& v) { v.Station.Latitude = ""; }, TSetupPage::Station, "Latitude"},
        {[](TSetupValues& v) { v.Station.Longitude = "east"; }, TSetupPage::Station, "Longitude"},
        {[](TSetupValues& v) { v.Station.Height = "20000"; }, TSetupPage::Station, "Height (m)"},
        {[](TSetupValues& v) { v.Station.Height = "high"; }, TSetupPage::Station, "Height (m)"},
        {[](TSetupValues& v) { v.Station.ZoneText = "15"; }, TSetupPage::Station, "Time zone"},
        {[](TSetupValues& v) { v.Station.MinElevation = "-91"; }, TSetupPage::Station, "Minimum elevation"},
        {[](TSetupValues& v) { v.Station.AzimuthOffset = "400"; }, TSetupPage::Station, "Azimuth offset"},
        {[](TSetupValues& v) { v.Station.ElevationOffset = "1.5"; }, TSetupPage::Station, "Elevation offset"},
        {[](TSetupValues& v) { v.Radio.PortNumber = "256"; }, TSetupPage::Radio, "CAT port number"},
        {[](TSetupValues& v) { v.Radio.CatPause = "20000"; }, TSetupPage::Radio, "CAT pause (ms)"},
        {[](TSetupValues& v) { v.Radio.IcomRxAddress = "300"; }, TSetupPage::Radio, "CI-V address (receive)"},
        {[](TSetupValues& v) { v.Radio.IcomTxAddress = "0x60"; }, TSetupPage::Radio, "CI-V address (transmit)"},
        {[](TSetupValues& v) {
             v.Radio.PortNumber = "1";
             v.Radio.DevicePath = "ttyUSB0";
         },
         TSetupPage::Radio, "Serial device"},
        {[](TSetupValues& v) { v.Rotor.IntervalSeconds = "0"; }, TSetupPage::Rotor, "Interval (s)"},
        {[](TSetupValues& v) { v.Rotor.StepDegrees = "five"; }, TSetupPage::Rotor, "Threshold (degrees)"},
        {[](TSetupValues& v) { v.Rotor.ParkAzimuth = "361"; }, TSetupPage::Rotor, "Park azimuth"},
        {[](TSetupValues& v) { v.Rotor.ParkElevation = "45.5"; }, TSetupPage::Rotor, "Park elevation"},
        {[](TSetupValues& v) {
             v.Rotor.StandardDirections.push_back({"A,B", "10"});
         },
         TSetupPage::Rotor, "Standard direction 5"},
        {[](TSetupValues& v) { v.Rotor.StandardDirections[1].Azimuth = "east"; }, TSetupPage::Rotor,
         "Standard direction 2 azimuth"},
        {[](TSetupValues& v) { v.Servers.Rotor = TRotorOutput::DbusServer; }, TSetupPage::Servers, "Rotor server"},
        {[](TSetupValues& v) {
             v.Servers.Rotor = TRotorOutput::Rotctld;
             v.Servers.RotctldAddress = "localhost";
         },
         TSetupPage::Servers, "rotctld address"},
        {[](TSetupValues& v) {
             v.Servers.Radio = TRadioOutput::Rigctld;
             v.Servers.RigctldAddress = "127.0.0.1:70000";
         },
         TSetupPage::Servers, "rigctld address"},
        {[](TSetupValues& v) { v.Servers.Radio = TRadioOutput::DbusServer; }, TSetupPage::Servers, "Radio server"},
        // The program would read these otherwise than the operator meant them.
        {[](TSetupValues& v) {
             v.Servers.Rotor = TRotorOutput::Rotctld;
             v.Servers.RotctldAddress = "::1:5000";
         },
         TSetupPage::Servers, "rotctld address"},
        {[](TSetupValues& v) {
             v.Servers.Radio = TRadioOutput::DbusServer;
             v.Servers.RadioService = "/usr/bin/rigctld";
         },
         TSetupPage::Servers, "Radio server"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].Field + std::string(" case ") + std::to_string(i));
        const KitDataFolder kit;
        const auto before = Snapshot(kit);
        // A valid change on another page goes unwritten with the refused one.
        const auto change = [&](TSetupValues& v) {
            v.Radio.Family = "Kenwood";
            cases[i].Change(v);
        };
        TSetupRefusal refusal;
        ASSERT_EQ(StoreOnKit(kit, change, '.', &refusal), TStoreResult::Refused);
        EXPECT_EQ(refusal.Field, cases[i].Field) << refusal.Text().toStdString();
        EXPECT_EQ(refusal.Page, cases[i].Page);
        EXPECT_FALSE(refusal.Reason.isEmpty());
        EXPECT_EQ(Snapshot(kit), before);
    }
}

TEST(SetupStore, TheServersPageShowsTheAddressesTheProgramWouldUse) {
    const KitDataFolder kit;
    kit.Write("RotorServer.SQF", "rotctld\r\nrotor.local\r\n");
    kit.Write("CatServer.SQF", "rigctld\r\n:4000\r\n");
    const TServerFields servers = SetupValuesOf(LoadSetupFiles(kit.Folder())).Servers;
    EXPECT_EQ(servers.RotctldAddress, "rotor.local:4533");
    EXPECT_EQ(servers.RigctldAddress, "127.0.0.1:4000");
}

TEST(SetupStore, ServerFilesOfTheOlderFormWithOneLineStayValid) {
    const KitDataFolder kit;
    kit.Write("RotorServer.SQF", "C:\\Rotor\\ServerEGIS\r\n");
    kit.Write("SatStart.SQF", kit.Read("SatStart.SQF").replace("-\r\n-\r\n-\r\n-\r\n", "-\r\n-\r\n-\r\n+\r\n"));
    const TServerFields servers = SetupValuesOf(LoadSetupFiles(kit.Folder())).Servers;
    EXPECT_EQ(servers.Rotor, TRotorOutput::DbusServer);
    EXPECT_EQ(servers.RotorServerPath, "C:\\Rotor\\ServerEGIS");
    EXPECT_EQ(servers.RotctldAddress, kDefaultRotctldAddress);
    ASSERT_EQ(StoreOnKit(kit, [](TSetupValues& v) { v.Station.MinElevation = "2"; }), TStoreResult::Stored);
    EXPECT_EQ(kit.Read("RotorServer.SQF"), "C:\\Rotor\\ServerEGIS\r\n");
}

TEST(SetupStore, AnUnwritableFolderLeavesEveryFileAsItWas) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    const KitDataFolder kit;
    const auto before = Snapshot(kit);
    QFile::setPermissions(kit.Folder(), QFile::ReadOwner | QFile::ExeOwner);
    const TStoreResult result = StoreOnKit(kit, [](TSetupValues& v) {
        v.Station.Latitude = "10";
        v.Rotor.Park = true;
    });
    QFile::setPermissions(kit.Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result, TStoreResult::WriteFailed);
    EXPECT_EQ(Snapshot(kit), before);
}

}  // namespace
}  // namespace kelvora
