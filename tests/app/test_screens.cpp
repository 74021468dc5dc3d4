// The main window at each size with the map, sun, ground track and other satellites.
// With KELVORA_SCREENSHOT_DIR set, the windows are also saved there as W1.png ... W3.png.

#include "KitAppFixture.h"
#include "AusgabeU.h"
#include "KelvoraApp.h"

#include "TextLineBox.h"
#include "TrackingOutput.h"
#include "UpDown.h"

#include <QLabel>
#include <QRegularExpression>
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

QRect InWindow(const QWidget* widget) { return QRect(widget->mapTo(widget->window(), QPoint()), widget->size()); }

int Advance(const QWidget* widget, const QString& text) { return QFontMetrics(widget->font()).horizontalAdvance(text); }
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

// The frequency panel shares its row with the toggles, letters and date-time box; at
// every size the widest frequency pair and every caption must stay whole, and each
// dial up-down must stand under its number of the step caption.
TEST(Screens, FrequencyPanelShowsEveryCaptionWhole) {
    struct Size {
        char option;
        const char* caption;
    };
    for (const Size size : {Size{'-', "W1"}, Size{'/', "W2"}, Size{'+', "W3"}}) {
        SCOPED_TRACE(size.caption);
        KitApp k(QTime(12, 0));
        SetStartLine(k.data, 5, size.option);
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        TAusgabe& main = *app.MainWindow();
        main.ShowCorrection("-100", true);  // a per-satellite correction on both labels
        for (int round = 0; round < 3; ++round) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

        const TTextLineBox* frequency = main.FrequencyDisplay();
        EXPECT_GE(frequency->width(), Advance(frequency, "1296000.000  2400000.000"));
        const TTextLineBox* doppler = main.DopplerLine();
        EXPECT_GE(doppler->width(), Advance(doppler, QString(DopplerBlankWidth, '0')));
        EXPECT_LT(InWindow(frequency).right(), InWindow(main.findChild<QWidget*>("PanSchalter")).left());

        const auto* captions = main.findChild<QWidget*>("panUeberRxTx");
        for (const char* name : {"lblDown", "lblVorKorr", "lblUp", "lblRevNorRx", "lblRevNor", "lblFrStep"}) {
            const auto* label = main.findChild<QLabel*>(name);
            EXPECT_GE(label->width(), Advance(label, label->text())) << name;
            EXPECT_LE(label->geometry().right(), captions->width() - 1) << name;
        }

        // The centre of each number of the step caption lies over its up-down.
        const auto* steps = main.findChild<QLabel*>("lblFrStep");
        const QString text = steps->text();
        const char* upDowns[] = {"SpnVfo10", "SpnVfo100", "SpnVfo400", "SpnVfo1000", "SpnVfo5000"};
        int step = 0;
        for (const QRegularExpressionMatch& number : QRegularExpression("\\S+").globalMatch(text)) {
            ASSERT_LT(step, 5) << text.toStdString();
            const int centre = InWindow(steps).left() + (Advance(steps, text.left(number.capturedStart())) +
                                                         Advance(steps, text.left(number.capturedEnd()))) /
                                                            2;
            const QRect upDown = InWindow(main.findChild<TUpDown*>(upDowns[step]));
            EXPECT_GE(centre, upDown.left()) << upDowns[step];
            EXPECT_LE(centre, upDown.right()) << upDowns[step];
            ++step;
        }
        EXPECT_EQ(step, 5);
    }
}
