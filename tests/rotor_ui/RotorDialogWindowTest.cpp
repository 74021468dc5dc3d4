// "Rotor" on the screen: Execute, a standard direction, Park and the correction
// up-downs reach the server links; the range labels and the entry checks follow
// the rotor's options; the main window waits while the dialog is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "RotorPartTestSupport.h"
#include "RotorU.h"
#include "UpDown.h"

namespace kelvora {
namespace {

using test::RotorStation;

struct RotorDialogFixture : ::testing::Test {
    RotorStation S;
    test::RecordingRotorWindow Window;
    TRotorPart Part{{S.State, S.Prompt, S.Satellite, S.Links}};
    int Beeps = 0;

    void SetUp() override {
        Part.AttachWindow(Window, nullptr);
        S.ReadFiles(Part);
        Dialog()->Beep = [this] { ++Beeps; };
        Part.RotorToggleApplied(true);
        Part.OpenRotorDialog();
    }
    THinweise* Dialog() { return Part.Dialog(); }
    template <typename T>
    T* Child(const char* name) {
        T* child = Dialog()->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Type(const char* field, const char* text) {
        QLineEdit* edit = Child<QLineEdit>(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
};

TEST_F(RotorDialogFixture, ExecuteSendsTheEnteredPositionAndSwitchesTrackingOff) {
    EXPECT_TRUE(Dialog()->isVisible());
    EXPECT_FALSE(Window.MainEnabled);
    EXPECT_FALSE(Child<QPushButton>("cmdOK")->isEnabled());  // both fields empty
    Type("txtAz", "123");
    Type("txtEl", "45");
    EXPECT_TRUE(Child<QPushButton>("cmdOK")->isEnabled());
    const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
    if (!folder.isEmpty()) Dialog()->grab().save(folder + "/rotor-dialog.png");
    QTest::mouseClick(Child<QPushButton>("cmdOK"), Qt::LeftButton);
    ASSERT_EQ(S.Links.Positions.size(), 1u);
    EXPECT_EQ(S.Links.Positions[0], std::make_pair(123.0, 45.0));
    EXPECT_FALSE(Dialog()->isVisible());
    EXPECT_TRUE(Window.MainEnabled);
    EXPECT_FALSE(S.State.Tracking.RotorOn);
    EXPECT_EQ(Beeps, 0);
}

TEST_F(RotorDialogFixture, EntriesOutsideTheRangeBeepAndTheAzimuthIsLimited) {
    Type("txtEl", "95");
    EXPECT_EQ(Beeps, 1);
    Type("txtAz", "400");
    EXPECT_EQ(Child<QLineEdit>("txtAz")->text(), "360");
    EXPECT_EQ(Beeps, 2);
    Child<QLineEdit>("txtEl")->clear();
    Child<QLineEdit>("txtAz")->clear();
    Dialog()->cmdOKClick();  // both empty
    EXPECT_EQ(Beeps, 3);
    EXPECT_TRUE(S.Links.Positions.empty());
    EXPECT_EQ(Child<QLabel>("Label1")->text(), "0 - 90");
    EXPECT_EQ(Child<QLabel>("Label2")->text(), "0 - 360");
}

TEST_F(RotorDialogFixture, StandardDirectionsFromTheFile) {
    QListWidget* list = Child<QListWidget>("lstStandR");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(1)->text(), "East     90");
    EXPECT_EQ(list->currentRow(), 0);
    const QRect row = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_EQ(S.Links.Positions.size(), 1u);
    EXPECT_EQ(S.Links.Positions[0], std::make_pair(90.0, 0.0));
    EXPECT_FALSE(Dialog()->isVisible());
}

TEST_F(RotorDialogFixture, ParkSendsAndStoresTheParkPosition) {
    EXPECT_EQ(Child<QLineEdit>("edParkAz")->text(), "180");
    Type("edParkAz", "275");
    Type("edParkEl", "95");  // taken all the same, with a beep
    EXPECT_EQ(Beeps, 1);
    QTest::mouseClick(Child<QPushButton>("cmdPark"), Qt::LeftButton);
    ASSERT_EQ(S.Links.Positions.size(), 1u);
    EXPECT_EQ(S.Links.Positions[0], std::make_pair(275.0, 90.0));  // within the rotor's range
    EXPECT_EQ(S.Data.Lines("ParkPos.SQF"), QStringList({"275", "95"}));
    EXPECT_FALSE(Dialog()->isVisible());

    Part.OpenRotorDialog();
    Child<QLineEdit>("edParkAz")->clear();
    Child<QLineEdit>("edParkEl")->clear();
    Dialog()->cmdParkClick();  // no text: a beep, the files are written all the same
    EXPECT_EQ(Beeps, 2);
    EXPECT_EQ(S.Links.Positions.size(), 1u);
    EXPECT_TRUE(Dialog()->isVisible());
}

TEST_F(RotorDialogFixture, CorrectionsMoveAtOnce) {
    S.Satellite.Look = test::Moving(100, 30);
    S.Write("WiRotOpt.SQF", "w\r\n10\r\n5\r\nk\r\n");
    Part.RereadRotorOptions();
    S.Tick(Part, 0);
    ASSERT_EQ(S.Links.Positions.size(), 1u);
    EXPECT_EQ(Child<QLineEdit>("txtKorrH")->text(), " 0");
    Child<TUpDown>("SpinAzim")->Click(true);
    Child<TUpDown>("SpinAzim")->Click(true);
    Child<TUpDown>("SpinElev")->Click(false);
    EXPECT_EQ(Child<QLineEdit>("txtKorrH")->text(), " 2");
    EXPECT_EQ(Child<QLineEdit>("txtKorrV")->text(), " -1");
    ASSERT_EQ(S.Links.Positions.size(), 4u);
    EXPECT_EQ(S.Links.Positions.back(), std::make_pair(102.0, 29.0));
    EXPECT_TRUE(Dialog()->isVisible());  // corrections keep it open
}

TEST(RotorDialog, RangesFollowTheFlipOption) {
    RotorStation s;
    s.Write("Flip.SQF", "+\r\n-\r\n");
    test::RecordingRotorWindow window;
    TRotorPart part({s.State, s.Prompt, s.Satellite, s.Links});
    part.AttachWindow(window, nullptr);
    s.ReadFiles(part);
    part.OpenRotorDialog();
    EXPECT_EQ(part.Dialog()->findChild<QLabel*>("Label1")->text(), "0 - 180");
    EXPECT_EQ(part.Dialog()->findChild<QLabel*>("Label2")->text(), "0 - 360");
    part.Dialog()->hide();
}

}  // namespace
}  // namespace kelvora
