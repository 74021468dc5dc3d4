// Element sets the model cannot place above the ground at the shown instant: the
// window shows them as not computable instead of as a satellite at the earth's centre.

#include "KitAppFixture.h"
#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "SampleElements.h"
#include "TextLineBox.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {
const QByteArray kIssLine1 = kelvora::testing::kIssLine1;
const QByteArray kIssLine2 = kelvora::testing::kIssLine2;

// The line with text put at a 1-based column and a fresh check digit.
QByteArray Patched(QByteArray line, int column, const QByteArray& text) {
    line.replace(column - 1, text.size(), text);
    line.truncate(68);
    int sum = 0;
    for (char c : line) sum += c >= '0' && c <= '9' ? c - '0' : c == '-' ? 1 : 0;
    return line + QByteArray::number(sum % 10);
}

void SetStartLine(KitFolderCopy& data, int line, char value) {
    QList<QByteArray> lines = data.Read("SatStartISS.SQF").split('\n');
    lines[line - 1] = QByteArray(1, value) + "\r";
    data.Write("SatStartISS.SQF", lines.join('\n'));
}

struct SetCase {
    const char* what;
    QByteArray line1;
    QByteArray line2;
    bool computable;
};

const SetCase kCases[] = {
    {"good ISS", kIssLine1, kIssLine2, true},
    {"mean motion tiny", kIssLine1, Patched(kIssLine2, 53, "00.00000001"), false},
    {"eccentricity huge", kIssLine1, Patched(kIssLine2, 27, "9999999"), false},
    {"B* huge", Patched(kIssLine1, 54, "-99999+9"), kIssLine2, false},
    // Three years of drag: the model puts the station 128 km below the ground.
    {"decayed", Patched(kIssLine1, 19, "21043.00684501"), kIssLine2, false},
};

QString LetterStyle(TKelvoraApp& app, int k) {
    return app.MainWindow()->findChild<QLabel*>(QStringLiteral("lbl%1").arg(QChar('A' + k)))->styleSheet();
}

// Canvas pixels that differ from the night picture away from the station cross.
int LitPixelsAwayFromStation(const TWorldMap& map) {
    const QRect station(map.StationPixel() - QPoint(12, 12), QSize(25, 25));
    int lit = 0;
    for (int y = 0; y < map.Canvas().height(); ++y)
        for (int x = 0; x < map.Canvas().width(); ++x)
            if (!station.contains(x, y) && map.Canvas().pixel(x, y) != map.NightPicture().pixel(x, y)) ++lit;
    return lit;
}
}  // namespace

TEST(NotComputable, ActiveSetThatCannotBeComputedShowsNoNumbersNoLetterAndNothingOnTheMap) {
    for (const SetCase& c : kCases) {
        SCOPED_TRACE(c.what);
        KitApp k;
        QByteArray elements = k.data.Read("Kepler/nasa.all");
        elements.replace(kIssLine1, c.line1);
        elements.replace(kIssLine2, c.line2);
        k.data.Write("Kepler/nasa.all", elements);
        SetStartLine(k.data, 6, '-');  // no other satellites on the map
        SetStartLine(k.data, 12, '-');  // no sun overlay
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        ASSERT_EQ(QString::fromLatin1(app.Satellites().Catalog().Name(app.Satellites().ActiveSet())), "ISS");
        k.clock.Advance(1000);
        app.Timer1Timer();

        const TTextLineBox* dataLine = app.MainWindow()->findChild<TTextLineBox*>("lstAusGabe");
        const QString line = dataLine->Text();
        EXPECT_EQ(app.State().Tracking.ActiveComputable, c.computable);
        EXPECT_EQ(line.contains(QRegularExpression("[0-9]")), c.computable) << line.toStdString();
        EXPECT_EQ(app.MainWindow()->SatNameText(), " A: ISS");
        if (c.computable) {
            EXPECT_GT(LitPixelsAwayFromStation(app.Map()), 1000);  // day inside the footprint
            continue;
        }
        EXPECT_TRUE(line.trimmed().startsWith("-----")) << line.toStdString();
        EXPECT_FALSE(LetterStyle(app, 0).contains("255"));
        EXPECT_EQ(dataLine->TextBackground(), QColor(192, 192, 192));  // as below the horizon
        EXPECT_EQ(LitPixelsAwayFromStation(app.Map()), 0);
        EXPECT_EQ(app.Map().SatellitePoint().toPoint(), app.Map().StationPixel());

        const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
        if (!folder.isEmpty() && QByteArray(c.what) == "B* huge")
            app.MainWindow()->grab().save(folder + "/not-computable.png");
    }
}

namespace {
QImage ShownMap(TKelvoraApp& app) {
    return app.MainWindow()->findChild<QLabel*>("picKarte")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}
}  // namespace

// A file of garbage, and "Abbruch" in the selection window: no satellite at all. The
// preview and the MA jump have nothing to compute and show what real time shows
// without a satellite, before and after "&Real Time".
TEST(NotComputable, NoSatelliteLoadedPreviewAndMaShowNothing) {
    const char* const modes[] = {"preview", "MA"};
    for (const char* mode : modes) {
        SCOPED_TRACE(mode);
        KitApp k;
        k.data.Write("Kepler/nasa.all", "garbage\r\nno elements here\r\n");
        k.options.QuitAfterTicks = 1000;  // the empty selection is reported, not shown modally
        TKelvoraApp& app = k.Create();
        app.FormShow();
        ASSERT_EQ(app.Satellites().Catalog().Count(), 0);
        k.clock.Advance(1000);
        app.Timer1Timer();
        const TTextLineBox* dataLine = app.MainWindow()->findChild<TTextLineBox*>("lstAusGabe");
        const QString lineBefore = dataLine->Text();
        const QImage mapBefore = ShownMap(app);
        ASSERT_FALSE(lineBefore.contains(QRegularExpression("[0-9]"))) << lineBefore.toStdString();

        if (QByteArray(mode) == "preview") {
            app.MainWindow()->findChild<QAction*>("menVorschau")->trigger();
            app.MainWindow()->findChild<QWidget*>("Vorschau")->findChild<QPushButton*>("cmdStartOk")->click();
            app.MainWindow()->findChild<QToolButton*>("UpDown2Up")->click();
        } else {
            app.MainWindow()->findChild<QAction*>("menMAWert")->trigger();
            QWidget* maInp = app.MainWindow()->findChild<QWidget*>("MAInp");
            ASSERT_NE(maInp, nullptr);
            maInp->findChild<QLineEdit*>("txtMA")->setText("64");
            maInp->findChild<QPushButton*>("cmdOK")->click();
        }
        EXPECT_EQ(dataLine->Text(), lineBefore);
        EXPECT_EQ(ShownMap(app), mapBefore);

        const QString folder = qEnvironmentVariable("KELVORA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) app.MainWindow()->grab().save(folder + "/no-satellite-" + mode + ".png");

        app.MainWindow()->findChild<QAction*>("menEchtzeit")->trigger();
        k.clock.Advance(1000);
        app.Timer1Timer();
        EXPECT_EQ(dataLine->Text(), lineBefore);
        EXPECT_EQ(ShownMap(app), mapBefore);
    }
}
