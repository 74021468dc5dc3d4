// The main window's preview and MA modes, its map switches and its output, with
// the real window and dialogs on the offscreen platform.

#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "KitAppFixture.h"
#include "CalendarTime.h"
#include "DateTimeBox.h"
#include "MAinpU.h"
#include "PreviewControl.h"
#include "QuietParts.h"
#include "TickTimer.h"
#include "TextLineBox.h"
#include "UpDown.h"
#include "VorschauU.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelvora;
using kelvora::test::QuietParts;

namespace {
struct CountingHooks : QuietParts {
    int Snapshots = 0;  // one SelectSatellite per snapshot or MA search
    int Forbidden = 0;  // data server, CAT and rotor
    void SelectSatellite(int) override { ++Snapshots; }
    bool HasFrequencyEntry() override { return true; }
    double RangeRate() override { return 1; }
    void SetDataServerItem() override { ++Forbidden; }
    void CycleUpdate() override { ++Forbidden; }
    void RotorCycle() override { ++Forbidden; }
};

struct PreviewWindow : ::testing::Test {
    TAppState app;
    TAusgabe main;
    TTickTimer ticks{main};
    TVorschau* vorschau = new TVorschau(&main);
    TMAInp* maInp = new TMAInp(15, &main);
    CountingHooks hooks;
    double ma = 192;
    QStringList errors;
    std::unique_ptr<TPreviewControl> control;

    PreviewWindow() {
        app.Tracking.SizeForCatalog(3);
        hooks.Active = 2;
        app.Time.ZoneHours = 1;
        app.Time.TimeScaleLetter = "U";
        app.Time.ApplyTimeScale();
        TPreviewSources sources;
        sources.LocalNow = [] { return ShownTimeOf(2024, 2, 12, 13, 34, 56); };
        sources.ActiveRevsPerDay = [] { return 16.0; };
        sources.ActiveMa = [this] { return ma; };
        sources.ReportError = [this](const QString& text) { errors << text; };
        control = std::make_unique<TPreviewControl>(main, ticks, *vorschau, *maInp, app, hooks.Parts(), sources);
        ticks.Start();
    }
    void Trigger(const char* action) { main.findChild<QAction*>(action)->trigger(); }
    void Click(QWidget* parent, const char* button) { parent->findChild<QPushButton*>(button)->click(); }
    void StepForward() { main.findChild<QToolButton*>("UpDown2Up")->click(); }
    QString ClockText() const { return main.DateTimeBox()->TimeText(); }
    bool Hidden(const char* name) const { return main.findChild<QWidget*>(name)->isHidden(); }
};
}  // namespace

TEST_F(PreviewWindow, StepsOfTwoAndTenMinutesThenBackToRealTime) {
    Trigger("menVorschau");
    EXPECT_EQ(app.Tracking.TimeMode, TTimeMode::Preview);
    EXPECT_FALSE(main.Timer1()->isActive());
    EXPECT_TRUE(vorschau->isVisible());
    EXPECT_EQ(vorschau->windowTitle(), "Start Time (U)");
    EXPECT_EQ(main.FrequencyDisplay()->Text(), QString(27, ' '));
    // The clock less the zone correction, without its seconds; 2 minutes for a fast satellite.
    EXPECT_EQ(vorschau->findChild<QLineEdit*>("txtStunde")->text(), " 12");
    EXPECT_EQ(vorschau->findChild<QLineEdit*>("txtSekunde")->text(), " 00");
    EXPECT_EQ(vorschau->findChild<QLineEdit*>("txtIntVMin")->text(), " 02");
    EXPECT_EQ(vorschau->findChild<QLineEdit*>("txtJahr")->text(), " 2024");

    vorschau->SetInterval({0, 0, 0});
    Click(vorschau, "cmdStartOk");
    EXPECT_FALSE(vorschau->isVisible());
    EXPECT_TRUE(Hidden("lblRotor"));
    EXPECT_FALSE(Hidden("lblVorZur"));
    EXPECT_FALSE(Hidden("UpDown2"));
    EXPECT_EQ(ClockText(), "12:34:00 U");
    EXPECT_EQ(main.DateTimeBox()->DateText(), "12.02.2024");
    StepForward();
    EXPECT_EQ(ClockText(), "12:36:00 U");
    QTest::mouseClick(main.findChild<QLabel*>("lblVorZur"), Qt::LeftButton);
    EXPECT_EQ(main.findChild<QLabel*>("lblVorZur")->text(), "F+");
    StepForward();
    EXPECT_EQ(ClockText(), "12:46:00 U");
    main.findChild<QToolButton*>("UpDown2Down")->click();
    EXPECT_EQ(ClockText(), "12:36:00 U");
    EXPECT_EQ(hooks.Snapshots, 4);
    EXPECT_EQ(hooks.Forbidden, 0);
    EXPECT_FALSE(main.Timer1()->isActive());

    app.Tracking.LastElevation[1] = 12;
    Trigger("menEchtzeit");
    EXPECT_EQ(app.Tracking.TimeMode, TTimeMode::RealTime);
    EXPECT_TRUE(main.Timer1()->isActive());
    EXPECT_EQ(app.Tracking.LastElevation[1], -96);
    EXPECT_FALSE(Hidden("lblRotor"));
    EXPECT_TRUE(Hidden("UpDown2"));
    EXPECT_TRUE(main.InputEnabled());
}

TEST_F(PreviewWindow, ArrowAtItsEndAndDateThatDoesNotExist) {
    Trigger("menVorschau");
    Click(vorschau, "cmdStartOk");
    const int afterStart = hooks.Snapshots;
    main.UpDown2()->SetPosition(ArrowMaximum - 1);
    StepForward();
    StepForward();  // held at 10000: no step
    EXPECT_EQ(hooks.Snapshots, afterStart + 1);

    // "Later &Preview commands show the values left from before."
    Trigger("menVorschau");
    vorschau->SetStart({31, 2, 2024, 12, 0, 0});
    Click(vorschau, "cmdStartOk");
    EXPECT_EQ(errors, QStringList{"Invalid argument to date encode"});
    EXPECT_EQ(app.Tracking.TimeMode, TTimeMode::Preview);
    EXPECT_EQ(hooks.Snapshots, afterStart + 1);
}

TEST_F(PreviewWindow, CancelAndFrameCloseReturnToRealTime) {
    Trigger("menVorschau");
    vorschau->close();
    EXPECT_FALSE(vorschau->isVisible());
    EXPECT_EQ(app.Tracking.TimeMode, TTimeMode::RealTime);
    EXPECT_TRUE(main.Timer1()->isActive());
    EXPECT_EQ(hooks.Snapshots, 0);
}

TEST_F(PreviewWindow, MaJumpsToTheTargetPhase) {
    SetPreviewDayCount(app.Time, 16843.5);
    Trigger("menMAWert");
    EXPECT_EQ(app.Tracking.TimeMode, TTimeMode::MaStepping);
    EXPECT_FALSE(main.Timer1()->isActive());
    auto* edit = maInp->findChild<QLineEdit*>("txtMA");
    // Where the entry field is once the layout has settled: it must not jump as the
    // warning comes and goes.
    auto editPlace = [&] {
        QCoreApplication::processEvents();
        return edit->pos();
    };
    const QPoint place = editPlace();
    QTest::keyClicks(edit, "300");
    EXPECT_TRUE(maInp->WarningShown());
    EXPECT_EQ(editPlace(), place);
    edit->setText("64");
    EXPECT_FALSE(maInp->WarningShown());
    EXPECT_EQ(editPlace(), place);
    Click(maInp, "cmdOK");
    EXPECT_FALSE(maInp->isVisible());
    EXPECT_NEAR((app.Time.DayCount - 16843.5) * 1440, 45, 1e-6);
    EXPECT_EQ(ClockText(), "12:45:00 U");
    EXPECT_EQ(hooks.Forbidden, 0);

    Trigger("menMAWert");
    Click(maInp, "cmdCancel");
    EXPECT_EQ(app.Tracking.TimeMode, TTimeMode::RealTime);
    EXPECT_TRUE(main.Timer1()->isActive());
}

TEST(MainWindowToggles, MapSwitchesChangeStateAndCallTheMapWork) {
    TAppState app;
    TAusgabe main;
    int loads = 0, tracks = 0, cleared = 0;
    TMapToggleHooks hooks;
    hooks.LoadMapSet = [&] { ++loads; };
    hooks.DrawGroundTrack = [&] { ++tracks; };
    hooks.ClearIllumination = [&] { ++cleared; };
    main.WireMapToggles(app, hooks);
    main.ShowToggleTexts(ToggleTexts(app));
    auto click = [&](const char* name) {
        app.Tracking.MapRedrawCounter = 3;
        QTest::mouseClick(main.findChild<QLabel*>(name), Qt::LeftButton);
        return main.findChild<QLabel*>(name)->text();
    };
    EXPECT_EQ(click("lblSpur"), "Gt");
    EXPECT_EQ(tracks, 1);
    EXPECT_EQ(click("lblSpur"), "G+");
    EXPECT_EQ(app.Tracking.MapRedrawCounter, 0);
    EXPECT_EQ(click("lblSpur"), "G-");
    EXPECT_EQ(tracks, 1);

    EXPECT_EQ(click("lblSun"), "S+");
    EXPECT_EQ(click("lblSun"), "S-");
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(click("lblBlueM"), "BM");
    EXPECT_EQ(app.MapFolder, "BM_Maps2D\\");
    EXPECT_EQ(ToggleTexts(app).BlueM, "BM");
    EXPECT_EQ(click("lblZoom"), "Z2");
    EXPECT_EQ(click("lblZoom"), "Z1");
    EXPECT_EQ(loads, 3);
    EXPECT_EQ(click("lblMulti"), "M+");
    EXPECT_TRUE(app.Tracking.MultiSat);
    EXPECT_EQ(click("lblArrow"), "D+");
    EXPECT_EQ(app.Tracking.MapRedrawCounter, 0);
}

TEST(MainWindowToggles, NextWindowSize) {
    EXPECT_EQ(NextWindowSizeItem('-', 15), 1);
    EXPECT_EQ(NextWindowSizeItem('/', 15), 2);
    EXPECT_EQ(NextWindowSizeItem('+', 15), 0);
    EXPECT_EQ(NextWindowSizeItem('+', 18), 1);
}

TEST(MainWindowOutput, HeadingDataLineAndSizeRule) {
    TAusgabe main;
    TLayout layout;
    layout.LayoutSize = 3;
    layout.MapScale = 1.25;
    main.ApplyLayout(layout);
    EXPECT_TRUE(main.DataHeading().startsWith("Azimuth Elevation"));
    EXPECT_EQ(main.findChild<QLabel*>("lblFrStep")->text(), "20  100 500  1k   5k");
    const QSize full = main.size();
    main.resize(full.width() + 100, full.height() + 100);
    EXPECT_EQ(main.size(), full);
    main.resize(full.width() - 100, full.height() - 50);
    EXPECT_EQ(main.size(), QSize(full.width() - 100, full.height() - 50));

    main.DrawDataLine("5.3 ...", false);
    EXPECT_EQ(main.DataLine()->TextBackground(), QColor(192, 192, 192));
    main.DrawDataLine("5.3 ...", true);
    EXPECT_EQ(main.DataLine()->TextBackground(), QColor(255, 255, 255));
    main.BlankDopplerText();
    EXPECT_EQ(main.DopplerLine()->Text(), QString(25, ' '));
    EXPECT_EQ(main.DopplerLine()->TextPosition(), QPoint(0, 2));
}

TEST(MainWindowOutput, LettersBeyondTheSelectionAreDisabledAndSilver) {
    TAusgabe main;
    auto letter = [&main](char c) { return main.findChild<QLabel*>(QStringLiteral("lbl%1").arg(QChar(c))); };
    main.SetLettersEnabled(3);
    for (char c = 'A'; c <= 'L'; ++c) {
        EXPECT_EQ(letter(c)->isEnabled(), c <= 'C') << c;
        if (c > 'C') {
            EXPECT_TRUE(letter(c)->styleSheet().contains("192,192,192")) << c;
        }
    }
    main.SetLettersEnabled(0);
    EXPECT_TRUE(letter('A')->isEnabled());
    EXPECT_FALSE(letter('B')->isEnabled());
}

namespace {
// What the operator sees of a box: its text and whether a grey bar is behind it.
struct Drawn {
    QString Text;
    bool GreyBar;
    bool operator==(const Drawn&) const = default;
};
Drawn Seen(const TTextLineBox* box) {
    return {box->Text().trimmed(), !box->Text().isEmpty() && box->TextBackground() != QColor(Qt::white)};
}
std::pair<Drawn, Drawn> FrequencyArea(const TAusgabe& main) {
    return {Seen(main.FrequencyDisplay()), Seen(main.DopplerLine())};
}
}  // namespace

// A satellite without a frequency entry leaves the frequency area white; the blanks
// a preview or MA jump draws there must not stay behind in real time.
TEST(PreviewLeaves, NoGreyBarsInTheFrequencyAreaAfterwards) {
    const char* const paths[] = {"preview, Real Time", "preview, Cancel", "MA, Real Time", "MA, Cancel"};
    for (const char* path : paths) {
        SCOPED_TRACE(path);
        kelvora::test::KitApp k(QTime(12, 0));
        QByteArray doppler = k.data.Read("Doppler.SQF");
        doppler.replace("ISS,", "XSS,");  // the active ISS has no entry
        k.data.Write("Doppler.SQF", doppler);
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed);
        TAusgabe& main = *app.MainWindow();
        auto tick = [&] {
            k.clock.Advance(1000);
            app.Timer1Timer();
        };
        tick();
        const auto before = FrequencyArea(main);
        EXPECT_EQ(before, std::make_pair(Drawn{"", false}, Drawn{"", false}));
        const QString p(path);
        if (p.startsWith("preview")) {
            main.findChild<QAction*>("menVorschau")->trigger();
            auto* vorschau = main.findChild<QWidget*>("Vorschau");
            vorschau->findChild<QPushButton*>(p.endsWith("Cancel") ? "cmdStartCancel" : "cmdStartOk")->click();
        } else {
            main.findChild<QAction*>("menMAWert")->trigger();
            main.findChild<QWidget*>("MAInp")
                ->findChild<QPushButton*>(p.endsWith("Cancel") ? "cmdCancel" : "cmdOK")
                ->click();
        }
        if (p.endsWith("Real Time")) {
            EXPECT_NE(FrequencyArea(main), before);  // blanked while the mode is on
            main.findChild<QAction*>("menEchtzeit")->trigger();
        }
        for (int i = 0; i < 3; ++i) tick();
        EXPECT_EQ(FrequencyArea(main), before);
        const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
        if (!folder.isEmpty() && p == "preview, Real Time") main.grab().save(folder + "/after-preview-no-entry.png");
    }
}
