// "Mode": the Icom address list, OK putting the chosen pair in force, the mode
// group and "Store" following the VFO mode, and "KorrMod.SQF" written by "Store".
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "CatRadioSetup.h"
#include "ModeU.h"
#include "RadioDefinition.h"
#include "RadioDialogTestSupport.h"

namespace kelvora {
namespace {

using test::RadioStation;

TRadioDefinition IcomDefinition() {
    TRadioDefinition radio;
    radio.Family = "Icom";
    ReadIcomName("IC-910H\r\n", radio);
    EXPECT_TRUE(ReadIcomPar("9600\r\n096 096\r\n; second radio\r\n$A2 $A0\r\n", radio));
    return radio;
}

const TDopplerEntry kLinear{"OSCAR-TEST", 435800.0, 145900.0, "USB", "LSB", "REV", 0.0, 0.0};

struct ModeFixture : ::testing::Test {
    TRadioDefinition Definition = IcomDefinition();
    RadioStation S{CatRadioSetupOf(Definition, 0), {kLinear}, "OSCAR-TEST"};
    int StatusRefreshes = 0;
    TMode Dialog{S.Cat, S.Doppler, Definition, S.Data.Folder(), S.Prompt, [this] { ++StatusRefreshes; }};

    QListWidget* List() { return Dialog.findChild<QListWidget*>("lstAdress"); }
    QWidget* Group() { return Dialog.findChild<QWidget*>("rdgModeKorr"); }
    QPushButton* Button(const char* name) { return Dialog.findChild<QPushButton*>(name); }
    QRadioButton* Item(int i) { return Dialog.findChild<QRadioButton*>(QString("rdgModeKorrItem%1").arg(i)); }
};

TEST_F(ModeFixture, AddressListAndOkPutTheChosenPairInForce) {
    EXPECT_EQ(Dialog.windowTitle(), "Mode");
    ASSERT_EQ(List()->count(), 2);
    EXPECT_EQ(List()->item(0)->text(), " 096    096");
    EXPECT_EQ(List()->item(1)->text(), " $A2    $A0");
    EXPECT_EQ(List()->currentRow(), 0);
    Dialog.show();
    List()->setCurrentRow(1);
    QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(S.Cat.Setup().IcomRxAddress, 0xA2);
    EXPECT_EQ(S.Cat.Setup().IcomTxAddress, 0xA0);
    EXPECT_TRUE(S.Cat.Fields().SkipThresholdOnce);
    EXPECT_EQ(S.Cat.Fields().LastSentReference, 0.0);
    EXPECT_NE(std::find(S.Display.Log.begin(), S.Display.Log.end(), "warm-up"), S.Display.Log.end());
    EXPECT_FALSE(Dialog.isVisible());
}

TEST_F(ModeFixture, GroupAndStoreOnlyWithTheVfoMode) {
    Dialog.show();
    EXPECT_FALSE(Group()->isEnabled());
    EXPECT_FALSE(Button("cmdStore")->isEnabled());
    EXPECT_TRUE(Item(0)->isChecked());
    Dialog.hide();
    S.Doppler.SetVfoMode(true);
    S.Doppler.SetCorrectionMode(2);
    Dialog.show();
    EXPECT_TRUE(Group()->isEnabled());
    EXPECT_TRUE(Button("cmdStore")->isEnabled());
    EXPECT_TRUE(Item(2)->isChecked());
    EXPECT_EQ(Item(0)->text(), " Uplink +  Downlink ");
}

TEST_F(ModeFixture, ClickChangesTheModeAndStoreWritesItAndCloses) {
    S.Doppler.SetVfoMode(true);
    Dialog.show();
    Item(1)->click();
    EXPECT_EQ(S.Doppler.State().CorrectionMode, 1);
    EXPECT_EQ(StatusRefreshes, 1);
    QTest::mouseClick(Button("cmdStore"), Qt::LeftButton);
    EXPECT_EQ(S.Data.Read("KorrMod.SQF"), QByteArray("1\r\n"));
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_TRUE(S.Prompt.Messages.isEmpty());
}

TEST_F(ModeFixture, StoreThatCannotWriteSaysSoAndStaysOpen) {
    S.Doppler.SetVfoMode(true);
    S.Data.Remove("KorrMod.SQF");
    QDir(S.Data.Folder()).mkdir("KorrMod.SQF");  // nothing can replace a folder
    Dialog.show();
    QTest::mouseClick(Button("cmdStore"), Qt::LeftButton);
    EXPECT_EQ(S.Prompt.Messages.size(), 1);
    EXPECT_TRUE(Dialog.isVisible());
}

TEST_F(ModeFixture, CancelChangesNothing) {
    Dialog.show();
    List()->setCurrentRow(1);
    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(S.Cat.Setup().IcomRxAddress, 0x60);
    EXPECT_FALSE(Dialog.isVisible());
}

}  // namespace
}  // namespace kelvora
