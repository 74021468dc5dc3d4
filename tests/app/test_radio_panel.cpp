// The radio part in the window: the frequency panel and the Doppler line follow the
// active satellite's "Doppler.SQF" entry, and the radio controls reach the radio.
#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "KitAppFixture.h"
#include "TextLineBox.h"
#include "UpDown.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {
QStringList Fields(const TTextLineBox* box) { return box->Text().split(' ', Qt::SkipEmptyParts); }

QString ToggleText(TKelvoraApp& app, const char* name) { return app.MainWindow()->findChild<QLabel*>(name)->text(); }
}  // namespace

// The kit's first ISS entry is 145800 kHz down, 145200 kHz up, a normal transponder,
// correction on both links: each frequency is its nominal value plus its own shift, and
// the uplink shift has the other sign, scaled by the ratio of the two frequencies.
TEST(RadioPanel, FrequenciesAreTheNominalOnesPlusTheirShifts) {
    KitApp k;
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
    for (int tick = 0; tick < 3; ++tick) {  // past the warm-up
        k.clock.Advance(1000);
        app.Timer1Timer();
    }
    const QStringList frequencies = Fields(app.MainWindow()->FrequencyDisplay());
    const QStringList shifts = Fields(app.MainWindow()->DopplerLine());
    ASSERT_EQ(frequencies.size(), 2) << app.MainWindow()->FrequencyDisplay()->Text().toStdString();
    ASSERT_EQ(shifts.size(), 2) << app.MainWindow()->DopplerLine()->Text().toStdString();
    const double down = shifts[0].toDouble();
    const double up = shifts[1].toDouble();
    EXPECT_NEAR(frequencies[0].toDouble(), 145800 + down, 1e-9);
    EXPECT_NEAR(frequencies[1].toDouble(), 145200 + up, 1e-9);
    EXPECT_NEAR(up, -down * 145200 / 145800, 0.002);
    EXPECT_GT(std::abs(down), 0.1);  // the ISS moves several km/s along the line of sight
    EXPECT_EQ(app.MainWindow()->StatusPanel(3), " Doppl.Corr.: Upl/Dwnl");
}

// The tracking data server: nothing during the warm-up, then the line of the tick
// with the tuned frequencies, CR LF behind it.
TEST(RadioPanel, TheDataServerItemFollowsTheTickAfterTheWarmUp) {
    KitApp k;
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    app.State().ReportBelowHorizon = '+';  // the line also while the ISS is below the horizon
    const QByteArray firstTick = app.Servers().DataServer().Value();
    EXPECT_EQ(firstTick, QByteArray());
    for (int tick = 0; tick < 2; ++tick) {
        k.clock.Advance(1000);
        app.Timer1Timer();
    }
    const QString value = QString::fromLatin1(app.Servers().DataServer().Value());
    const QString frequencies = Fields(app.MainWindow()->FrequencyDisplay()).join(' ');
    const QRegularExpression line(
        R"(^SNISS AZ\d{1,3}\.\d EL-?\d{1,2}\.\d UP(\d+) UMFM DN(\d+) DMFM MA-?\d{1,3}\.\d RR-?\d\.\d{1,7}\r\n$)");
    const QRegularExpressionMatch match = line.match(value);
    ASSERT_TRUE(match.hasMatch()) << value.toStdString();
    // The same frequencies as the window shows, in Hz.
    EXPECT_NEAR(match.captured(2).toDouble(), Fields(app.MainWindow()->FrequencyDisplay())[0].toDouble() * 1000, 1)
        << frequencies.toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), Fields(app.MainWindow()->FrequencyDisplay())[1].toDouble() * 1000, 1)
        << frequencies.toStdString();
}

TEST(RadioPanel, CatSwitchAndDialogsWithoutAPort) {
    KitApp k;
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    TAusgabe& main = *app.MainWindow();
    // The kit has no CAT port: the switch still turns, and nothing is opened.
    emit main.ToggleClicked(TToggle::Cat);
    EXPECT_EQ(ToggleText(app, "lblCat"), "C+");
    EXPECT_TRUE(app.State().Tracking.CatOn);
    emit main.ToggleClicked(TToggle::Cat);
    EXPECT_EQ(ToggleText(app, "lblCat"), "C-");
    EXPECT_FALSE(app.State().Tracking.CatOn);

    struct Case {
        const char* menu;
        const char* dialog;
        const char* caption;
    };
    const Case cases[] = {{"menSetUp", "Seiten", "CAT Tuning"}, {"menMode", "Mode", "Mode"}};
    for (const Case& c : cases) {
        main.findChild<QAction*>(c.menu)->trigger();
        auto* dialog = main.findChild<QDialog*>(c.dialog);
        ASSERT_NE(dialog, nullptr) << c.menu;
        EXPECT_TRUE(dialog->isVisible()) << c.menu;
        EXPECT_EQ(dialog->windowTitle(), c.caption);
        dialog->hide();
    }
    // "&Sat mode off" only for a Yaesu radio other than the FT-736R, as the kit's is.
    EXPECT_TRUE(main.findChild<QAction*>("menSatMode")->isEnabled());
    EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
}

TEST(RadioPanel, SatModeOffOnlyForYaesuRadiosButTheFt736r) {
    struct Case {
        const char* family;
        const char* yaesuModel;
        bool enabled;
    };
    const Case cases[] = {{"Yaesu", "FT-847", true}, {"Yaesu", "FT-736R", false}, {"Icom", "FT-847", false}};
    for (const Case& c : cases) {
        KitApp k;
        k.data.Write("TRX.SQF", QByteArray(c.family) + "\r\n");
        k.data.Write("YaesuPar.SQF", "1\r\n1\r\n9600\r\n" + QByteArray(c.yaesuModel) + "\r\n");
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << c.family << " " << c.yaesuModel;
        EXPECT_EQ(app.MainWindow()->findChild<QAction*>("menSatMode")->isEnabled(), c.enabled)
            << c.family << " " << c.yaesuModel;
    }
}

TEST(RadioPanel, TransmitLabelsStatusBarAndKeys) {
    KitApp k;
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    TAusgabe& main = *app.MainWindow();
    auto* label = main.findChild<QLabel*>("lblTxRx2");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isHidden());
    auto press = [&main](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(&main, &event);
    };

    emit main.StatusBarClicked();  // shows the three labels, on receive
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->text(), "RX");
    emit main.TransmitLabelClicked();
    EXPECT_EQ(label->text(), "TX");
    press(Qt::Key_Space);  // the space key alternates
    EXPECT_EQ(label->text(), "RX");
    press(Qt::Key_Space);
    EXPECT_EQ(label->text(), "TX");
    // A preview's frequencies are not the sky's now: the switches rest until real time.
    main.findChild<QAction*>("menVorschau")->trigger();
    main.findChild<QPushButton*>("cmdStartOk")->click();
    press(Qt::Key_Space);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(label->text(), "TX");
    main.findChild<QAction*>("menEchtzeit")->trigger();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(label->text(), "RX");
    press(Qt::Key_Space);
    EXPECT_EQ(label->text(), "TX");
    emit main.StatusBarClicked();  // hiding switches to receive first
    EXPECT_TRUE(label->isHidden());
    EXPECT_EQ(label->text(), "RX");

    // The correction keys act on the active satellite: = is +10 Hz, numeric-pad plus +100.
    auto* correction = main.findChild<QLabel*>("lblRevNor");
    press(Qt::Key_Equal);
    EXPECT_EQ(correction->text().trimmed(), "10");
    press(Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(correction->text().trimmed(), "110");
    // The dial keys only in VFO mode, which an FM entry keeps off.
    press(Qt::Key_PageUp);
    EXPECT_EQ(main.findChild<TUpDown*>("SpnVfo5000")->Position(), 0);
    EXPECT_TRUE(k.prompt.Messages.isEmpty()) << k.prompt.Messages.join("|").toStdString();
}

// A satellite without a "Doppler.SQF" entry shows no frequencies, not the previous one's.
TEST(RadioPanel, SatelliteWithoutAnEntryBlanksThePanel) {
    KitApp k;
    QByteArray table;
    for (const QByteArray& line : k.data.Read("Doppler.SQF").split('\n'))
        if (!line.startsWith("QO-100")) table += line + '\n';
    k.data.Write("Doppler.SQF", table);
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    for (int tick = 0; tick < 3; ++tick) {
        k.clock.Advance(1000);
        app.Timer1Timer();
    }
    TAusgabe& main = *app.MainWindow();
    ASSERT_EQ(Fields(main.FrequencyDisplay()).size(), 2);
    const std::vector<int> sets = app.Satellites().SelectedSets();
    const auto qo100 = std::find_if(sets.begin(), sets.end(),
                                    [&app](int set) { return app.Satellites().SatelliteName(set) == "QO-100"; });
    ASSERT_NE(qo100, sets.end());
    app.Satellites().LetterClick(static_cast<int>(qo100 - sets.begin()));
    for (int tick = 0; tick < 3; ++tick) {
        k.clock.Advance(1000);
        app.Timer1Timer();
    }
    EXPECT_TRUE(Fields(main.FrequencyDisplay()).isEmpty()) << main.FrequencyDisplay()->Text().toStdString();
    EXPECT_TRUE(Fields(main.DopplerLine()).isEmpty()) << main.DopplerLine()->Text().toStdString();
}
