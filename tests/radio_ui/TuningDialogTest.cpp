// "CAT Tuning": the manual frequencies and their OK, the threshold and correction
// up-downs and their texts, the entry list and "Store Interval".
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "CatSteuerU.h"
#include "CatTuningTexts.h"
#include "RadioDialogTestSupport.h"

namespace kelvora {
namespace {

using test::RadioStation;

const TDopplerTable kTable{
    {"RS-44", 435640.0, 145965.0, "USB", "LSB", "REV", 0.0, 0.0},
    {"AO-7", 145975.5, 432125.0, "USB", "LSB", "REV", 0.0, 0.0},
    {"AO-7", 29502.5, 0.0, "CW", "CW", "nor", 0.0, 0.0},
    {"FO-29", 435850.0, 145950.0, "USB", "LSB", "REV", 0.0, 0.0},
};

struct TuningFixture : ::testing::Test {
    RadioStation S{test::KenwoodTs2000(), kTable, "AO-7"};
    std::vector<std::string> Timer;
    TSeiten Dialog{S.Cat, S.Doppler, S.Data.Folder(), S.Prompt,
                   TTuningTimerHooks{[this] { Timer.push_back("stop"); }, [this] { Timer.push_back("resume"); }}};

    template <class T = QWidget>
    T* Find(const char* name) {
        return Dialog.findChild<T*>(name);
    }
    QString Text(const char* field) { return Find<QLineEdit>(field)->text(); }
    void Type(const char* field, const char* text) {
        Find<QLineEdit>(field)->clear();
        QTest::keyClicks(Find<QLineEdit>(field), text);
    }
    void Click(const char* upDown, bool up) {
        QTest::mouseClick(Dialog.findChild<QToolButton*>(QString(upDown) + (up ? "Up" : "Down")), Qt::LeftButton);
    }
    QStringList Items() {
        QStringList items;
        for (int i = 0; i < Find<QListWidget>("lstFre")->count(); ++i)
            items << Find<QListWidget>("lstFre")->item(i)->text();
        return items;
    }
};

TEST_F(TuningFixture, ReceiveFieldEnablesOk) {
    Dialog.OpenTuningDialog("AO-7", 1, '.');
    struct Case {
        const char* text;
        bool enabled;
    } cases[] = {{"145990", true}, {"146000", false}, {"144000", true}, {"435", false}, {"1299999.5", true}};
    for (const Case& c : cases) {
        Type("txtRx", c.text);
        EXPECT_EQ(Find<QPushButton>("cmdCatOk")->isEnabled(), c.enabled) << c.text;
    }
}

TEST_F(TuningFixture, OkSendsAtOnceThenSwitchesCatOff) {
    Dialog.OpenTuningDialog("AO-7", 1, '.');
    S.Cat.SendFrequencies(145990.0, 435000.0);  // the same frequencies went out before: forced anyway
    S.Port.Written.clear();
    Type("txtRx", "145990");
    Type("txtTx", "435000");
    QTest::mouseClick(Find<QPushButton>("cmdCatOk"), Qt::LeftButton);
    EXPECT_EQ(S.Port.Written, "FA00145990000;FB00435000000;SA0110000;");
    EXPECT_FALSE(S.Cat.Fields().CatOn);
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_EQ(Timer, (std::vector<std::string>{"stop", "resume"}));
    EXPECT_TRUE(S.Prompt.Messages.isEmpty());
}

TEST_F(TuningFixture, OkRefusesWithTheMessagesAndSendsNothing) {
    Dialog.OpenTuningDialog("AO-7", 1, '.');
    Dialog.cmdCatOkClick();  // nothing typed: OK is disabled, the handler still asks
    Type("txtRx", "145990");
    Type("txtTx", "4350");
    QTest::mouseClick(Find<QPushButton>("cmdCatOk"), Qt::LeftButton);
    Type("txtTx", "1e999");
    EXPECT_EQ(S.Prompt.Messages, (QStringList{"Please, enter a valid Rx-Frequency!",
                                              "Please, enter a valid Tx-Frequency ein!", "Invalid input!"}));
    EXPECT_EQ(S.Port.Written, "");
    EXPECT_TRUE(S.Cat.Fields().CatOn);
    EXPECT_TRUE(Dialog.isVisible());
}

TEST_F(TuningFixture, IntervalUpDownsAndStore) {
    S.Cat.Fields().IntervalHz = 0.0;
    Dialog.OpenTuningDialog("AO-7", 1, '.');
    EXPECT_EQ(Text("txtIntv"), "     0");
    Click("SpnIntv10", false);
    EXPECT_EQ(Text("txtIntv"), "     0");
    Click("SpnIntv1000", true);
    Click("SpnIntv100", true);
    Click("SpnIntv10", false);
    EXPECT_EQ(Text("txtIntv"), "     1090");
    QTest::mouseClick(Find<QPushButton>("cmdIntvStore"), Qt::LeftButton);
    EXPECT_EQ(S.Data.Read("IntVCatISS.SQF"), QByteArray("1090\r\n"));
}

TEST_F(TuningFixture, CorrectionUpDownsLimitAndShow) {
    S.Doppler.SetSatCorrectionHz(1, 49500.0);
    Dialog.OpenTuningDialog("AO-7", 1, '.');
    EXPECT_EQ(Text("txtKorr"), "    49500");
    Click("SpnKorr1000", true);
    EXPECT_EQ(S.Doppler.State().SatCorrectionHz[1], 50000.0);
    EXPECT_EQ(S.Doppler.SatCorrectionKHz(1), 50.0);
    EXPECT_EQ(Text("txtKorr"), "     50000");
    EXPECT_EQ(S.Display.Log.front(), "correction 50000");
    Click("SpnKorr10", false);
    EXPECT_EQ(Text("txtKorr"), "      49990");
    S.Doppler.SetSatCorrectionHz(1, 0.0);
    Dialog.OpenTuningDialog("AO-7", 1, '.');
    EXPECT_EQ(Text("txtKorr"), "    ");
}

TEST_F(TuningFixture, EntryListChoosesAndKeepsItsPosition) {
    Dialog.OpenTuningDialog("AO-7", 1, ',');
    EXPECT_EQ(Items(), (QStringList{"145975,5/432125 USB/LSB", "29502,5/ CW/CW"}));
    EXPECT_EQ(Find<QListWidget>("lstFre")->currentRow(), 0);
    auto* list = Find<QListWidget>("lstFre");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(S.Doppler.Set().DownlinkKHz, 29502.5);
    EXPECT_EQ(Dialog.ListPosition(), 1);
    EXPECT_EQ(Timer, std::vector<std::string>{"resume"});
    QTest::mouseClick(Find<QPushButton>("cmdCancel"), Qt::LeftButton);  // "Continue"
    EXPECT_FALSE(Dialog.isVisible());
    Dialog.OpenTuningDialog("AO-7", 1, '.');
    EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(TuningFixture, SatelliteWithoutEntriesShowsOneBlankItem) {
    S.Cat.SatelliteChanged("NO-84", 2);
    Dialog.ResetListPosition();
    Dialog.OpenTuningDialog("NO-84", 2, '.');
    EXPECT_EQ(Items(), QStringList{" "});
    EXPECT_EQ(Find<QListWidget>("lstFre")->currentRow(), -1);
}

TEST_F(TuningFixture, CaptionsAndNote) {
    EXPECT_EQ(Dialog.windowTitle(), "CAT Tuning");
    EXPECT_EQ(Find<QPushButton>("cmdCatOk")->text(), "OK");
    EXPECT_EQ(Find<QPushButton>("cmdIntvStore")->text(), "Store Interval");
    EXPECT_EQ(Find<QPushButton>("cmdCancel")->text(), "Continue");
    for (const char* name : {"txtIntv", "txtKorr", "txtRx", "txtTx", "SpnIntv10", "SpnIntv100", "SpnIntv1000",
                             "SpnKorr10", "SpnKorr100", "SpnKorr1000"})
        EXPECT_NE(Find(name), nullptr) << name;
    EXPECT_NE(Dialog.findChild<QLabel*>("lblValid"), nullptr);
    EXPECT_EQ(Dialog.findChild<QLabel*>("lblValid")->text(),
              "Valid frequencies: 144000 - 146000,  430000 - 440000,  1260000 - 1300000");
}

}  // namespace
}  // namespace kelvora
