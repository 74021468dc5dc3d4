// The "Setup" dialog on a copy of the kit: the menu entry opens it, its fields show
// the files, "Store" writes them or names the field it refuses, and its "Test"
// buttons reach a radio on a pseudo-terminal and Hamlib's daemons.
// KELVORA_SETUP_SCREENSHOTS=folder also saves a picture of each page there.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "KitDataFolder.h"
#include "SetupDialog.h"
#include "HamlibDaemon.h"
#include "PtyRadio.h"

namespace kelvora {
namespace {

using namespace std::chrono_literals;
using test::KitDataFolder;

class SetupDialogTest : public ::testing::Test {
protected:
    template <typename W>
    W* Find(const char* name) {
        W* widget = dialog_.findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Type(const char* name, const QString& text) { Find<QLineEdit>(name)->setText(text); }
    void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    QString Label(const char* name) { return Find<QLabel>(name)->text(); }

    KitDataFolder kit_;
    TSetupDialog dialog_{kit_.Folder(), '.'};
};

TEST_F(SetupDialogTest, ShowsTheKitsValues) {
    EXPECT_EQ(Find<QLineEdit>("txtLatitude")->text(), "48.15");
    EXPECT_EQ(Find<QLineEdit>("txtLongitude")->text(), "11.58");
    EXPECT_EQ(Find<QLineEdit>("txtHeight")->text(), "520");
    EXPECT_EQ(Find<QLineEdit>("txtZone")->text(), "auto");
    EXPECT_EQ(Find<QComboBox>("cboFamily")->currentText(), "Yaesu");
    EXPECT_EQ(Find<QComboBox>("cboModel")->currentText(), "Other");
    EXPECT_EQ(Find<QComboBox>("cboBaud")->currentText(), "9600");
    EXPECT_EQ(Find<QLineEdit>("txtCivRx")->text(), "096");
    EXPECT_FALSE(Find<QLineEdit>("txtCivRx")->isEnabled());  // Icom only
    EXPECT_TRUE(Find<QRadioButton>("rdoInterval")->isChecked());
    EXPECT_EQ(Find<QTableWidget>("tblStandPos")->rowCount(), 4);
    EXPECT_EQ(Find<QComboBox>("cboRotorOutput")->currentIndex(), 0);
    EXPECT_EQ(Find<QLineEdit>("txtRotctld")->text(), "127.0.0.1:4533");
    EXPECT_TRUE(Label("lblNextStart").contains("take effect at the next start"));
}

TEST_F(SetupDialogTest, ChoosingTheFamilyShowsItsModelsAndKeepsTheOthersModel) {
    auto* family = Find<QComboBox>("cboFamily");
    auto* model = Find<QComboBox>("cboModel");
    family->setCurrentText("Kenwood");
    EXPECT_EQ(model->currentText(), "Others");
    EXPECT_GE(model->findText("TS-2000"), 0);
    model->setCurrentText("TS-2000");
    family->setCurrentText("Icom");
    EXPECT_TRUE(Find<QLineEdit>("txtCivRx")->isEnabled());
    Type("txtCivRx", "$A4");
    Click("cmdStore");
    EXPECT_EQ(kit_.Lines("TRX.SQF"), QStringList{"Icom"});
    EXPECT_EQ(kit_.Lines("KenwoodPar.SQF")[0], "TS-2000");
    EXPECT_EQ(kit_.Lines("YaesuPar.SQF")[3], "Other");
    EXPECT_EQ(kit_.Lines("IcomPar.SQF")[2], "$A4 096");
    EXPECT_TRUE(dialog_.isHidden());
}

TEST_F(SetupDialogTest, EveryPageStoresItsFieldsAtOnce) {
    Type("txtLatitude", "52.5");
    Find<QComboBox>("cboEndStop")->setCurrentIndex(1);
    Find<QCheckBox>("chkRts")->setChecked(true);
    Type("txtPortNumber", "1");
    Find<QComboBox>("cboDevice")->setCurrentText("/dev/serial/by-id/usb-Radio-if00-port0");
    Find<QRadioButton>("rdoThreshold")->setChecked(true);
    Find<QCheckBox>("chkPark")->setChecked(true);
    Find<QTableWidget>("tblStandPos")->setCurrentCell(0, 0);
    Click("cmdDeleteDirection");
    Find<QComboBox>("cboRadioOutput")->setCurrentIndex(2);
    Type("txtRigctld", "127.0.0.1:5000");
    ASSERT_TRUE(dialog_.Store()) << Label("lblSetupMessage").toStdString();
    EXPECT_EQ(kit_.Lines("SatIni.SQF")[3], "52.5");
    EXPECT_EQ(kit_.Lines("SatIni.SQF")[8], "S");
    EXPECT_EQ(kit_.Lines("SatIni.SQF")[4], "1");
    EXPECT_EQ(kit_.Lines("RTS12.SQF"), (QStringList{"+", "-", "-"}));
    EXPECT_EQ(kit_.Lines("SerialPorts.SQF").last(), "1=/dev/serial/by-id/usb-Radio-if00-port0");
    EXPECT_EQ(kit_.Lines("WiRotOpt.SQF")[0], "w");
    EXPECT_EQ(kit_.Lines("Park.SQF"), QStringList{"+"});
    EXPECT_EQ(kit_.Lines("StandPos.SQF").mid(1), (QStringList{"East,90", "South,180", "West,270"}));
    EXPECT_EQ(kit_.Lines("CatServer.SQF"), (QStringList{"rigctld", "127.0.0.1:5000"}));
    EXPECT_EQ(kit_.Lines("SatStart.SQF")[10], "+");
}

TEST_F(SetupDialogTest, ARefusedValueIsNamedOnItsPageAndNothingIsWritten) {
    const QByteArray before = kit_.Read("SatIni.SQF");
    Find<QTabWidget>("pgcSetup")->setCurrentIndex(3);
    Type("txtMinElevation", "100");
    Click("cmdStore");
    EXPECT_TRUE(Label("lblSetupMessage").startsWith("Minimum elevation: ")) << Label("lblSetupMessage").toStdString();
    EXPECT_EQ(Find<QTabWidget>("pgcSetup")->currentWidget()->objectName(), "tabStation");
    EXPECT_EQ(kit_.Read("SatIni.SQF"), before);
}

TEST_F(SetupDialogTest, RadioTestAsksTheRadioOnTheChosenDevice) {
    const test::PtyRadio radio(TRadioFamily::Kenwood, 0, {{"FA;", "FA00145800000;"}});
    ASSERT_TRUE(radio.Ok());
    dialog_.ProbeWait = 2s;
    Find<QComboBox>("cboFamily")->setCurrentText("Kenwood");
    Type("txtPortNumber", "4");
    Find<QComboBox>("cboDevice")->setCurrentText(QString::fromStdString(radio.SlavePath()));
    Click("cmdRadioTest");
    EXPECT_TRUE(Label("lblRadioTest").endsWith("the radio answers 145800.000 kHz."))
        << Label("lblRadioTest").toStdString();
    Type("txtPortNumber", "0");
    Click("cmdRadioTest");
    EXPECT_TRUE(Label("lblRadioTest").startsWith("CAT port number: ")) << Label("lblRadioTest").toStdString();
}

TEST_F(SetupDialogTest, ServerTestsAskRotctldAndRigctld) {
    test::DummyDaemon rotctld("rotctld");
    test::DummyDaemon rigctld("rigctld");
    KELVORA_START_DAEMON(rotctld);
    KELVORA_START_DAEMON(rigctld);
    dialog_.ProbeWait = 3s;
    Type("txtRotctld", rotctld.Address());
    Type("txtRigctld", rigctld.Address());
    Click("cmdRotctldTest");
    Click("cmdRigctldTest");
    EXPECT_TRUE(Label("lblRotctldTest").startsWith("p: ")) << Label("lblRotctldTest").toStdString();
    EXPECT_TRUE(Label("lblRigctldTest").startsWith("f: ")) << Label("lblRigctldTest").toStdString();
}

TEST_F(SetupDialogTest, TheMenuEntryOpensTheDialogOnTheFilesAsTheyAreNow) {
    QMainWindow main;
    main.menuBar()->addAction("S&etup")->setObjectName("menStationSetup");
    AttachSetupDialog(main, kit_.Folder());
    main.findChild<QAction*>("menStationSetup")->trigger();
    auto* opened = main.findChild<TSetupDialog*>("TSetup");
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());
    opened->hide();
    kit_.Write("SatIni.SQF", kit_.Read("SatIni.SQF").replace("48.15", "47.5"));
    main.findChild<QAction*>("menStationSetup")->trigger();
    EXPECT_EQ(main.findChildren<TSetupDialog*>().size(), 1);
    EXPECT_EQ(opened->findChild<QLineEdit*>("txtLatitude")->text(), "47.5");
}

TEST_F(SetupDialogTest, PicturesOfThePages) {
    const QString folder = qEnvironmentVariable("KELVORA_SETUP_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "KELVORA_SETUP_SCREENSHOTS names no folder";
    auto* pages = Find<QTabWidget>("pgcSetup");
    dialog_.show();
    const char* names[] = {"station", "radio", "rotor", "servers"};
    for (int i = 0; i < 4; ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(0);
        EXPECT_TRUE(dialog_.grab().save(QDir(folder).filePath(QStringLiteral("setup-%1.png").arg(names[i]))));
    }
}

}  // namespace
}  // namespace kelvora
