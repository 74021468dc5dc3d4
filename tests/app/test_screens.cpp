// The main window at each size with the map, sun, ground track and other satellites.
// With KELVORA_SCREENSHOT_DIR set, the windows are also saved there as W1.png ... W3.png.

#include "KitAppFixture.h"
#include "AusgabeU.h"
#include "KelvoraApp.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {
void SetStartLine(KitFolderCopy& data, int line, char value) {
    QList<QByteArray> lines = data.Read("SatStartISS.SQF").split('\n');
    lines[line - 1] = QByteArray(1, value) + "\r";
    data.Write("SatStartISS.SQF", lines.join('\n'));
}
}  // namespace

TEST(Screens, EverySizeShowsDayInsideTheFootprint) {
    struct Size {
        char option;
        const char* caption;
        int layoutSize;
    };
    for (const Size size : {Size{'-', "W1", 1}, Size{'/', "W2", 3}, Size{'+', "W3", 5}}) {
        KitApp k(QTime(12, 0));
        SetStartLine(k.data, 5, size.option);
        SetStartLine(k.data, 6, '+');  // other satellites
        SetStartLine(k.data, 12, '+');  // sun
        TKelvoraApp& app = k.Create();
        const ScriptedPrompt& prompt = k.prompt;
        FixedClock& clock = k.clock;
        ASSERT_TRUE(app.FormShow().Completed) << prompt.Messages.join("|").toStdString();
        EXPECT_TRUE(prompt.Messages.isEmpty()) << prompt.Messages.join("|").toStdString();
        EXPECT_EQ(app.State().Layout.LayoutSize, size.layoutSize);
        auto* spur = app.MainWindow()->findChild<QLabel*>("lblSpur");
        QTest::mouseClick(spur, Qt::LeftButton);
        QTest::mouseClick(spur, Qt::LeftButton);
        EXPECT_EQ(spur->text(), "G+");
        clock.Advance(1000);
        app.Timer1Timer();

        const TWorldMap& map = app.Map();
        const QPoint sat = map.SatellitePoint().toPoint() + QPoint(4, 4);  // beside the cross
        ASSERT_TRUE(map.Canvas().rect().contains(sat));
        EXPECT_EQ(map.Canvas().pixel(sat), map.DayPicture().pixel(sat)) << size.caption;
        const QImage shown = app.MainWindow()->ShownMap();
        EXPECT_EQ(shown.size(), map.View().size());

        const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) app.MainWindow()->grab().save(folder + "/" + size.caption + ".png");
    }
}

TEST(Screens, WindowSizeChangeReloadsTheMapsForTheNewSize) {
    KitApp k(QTime(12, 0));
    k.options.ScreenWidth = 1920;
    TKelvoraApp& app = k.Create();
    const ScriptedPrompt& prompt = k.prompt;
    FixedClock& clock = k.clock;
    ASSERT_TRUE(app.FormShow().Completed);
    ASSERT_EQ(app.State().Layout.LayoutSize, 5);
    auto* winSize = app.MainWindow()->findChild<QLabel*>("lblWinSize");
    QTest::mouseClick(winSize, Qt::LeftButton);  // W3 -> W1
    EXPECT_EQ(winSize->text(), "W1");
    EXPECT_EQ(app.State().Layout.LayoutSize, 1);
    clock.Advance(1000);
    app.Timer1Timer();
    EXPECT_EQ(app.Map().View().size(), QSize(600, 300));
    EXPECT_EQ(app.MainWindow()->ShownMap().size(), QSize(600, 300));
    EXPECT_TRUE(prompt.Messages.isEmpty()) << prompt.Messages.join("|").toStdString();
}
