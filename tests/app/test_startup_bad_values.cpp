// The start-up over damaged files: each bad value stops it at once with a message that
// names the file and line; the values at the edge of what is allowed still start.
#include "AusgabeU.h"
#include "GeneralSettings.h"
#include "KitAppFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The kit file with one line replaced (line 0: the whole file).
QByteArray WithLine(const QByteArray& file, int line, const QByteArray& value) {
    if (line == 0) return value;
    QList<QByteArray> lines = file.split('\n');
    while (lines.size() < line) lines << QByteArray();
    lines[line - 1] = value + '\r';
    return lines.join('\n');
}

struct BadValue {
    const char* file;
    int line;
    QByteArray value;
    const char* message;  // fragment of what the operator is told; nullptr: it starts
};

QByteArray Nuls(int count) { return QByteArray(count, '\0'); }

const BadValue kCases[] = {
    // The station: numbers that hang the first tick or show values that cannot be.
    {"SatIni.SQF", 13, "1e10", "SatIni.SQF, line 13: \"1e10\""},
    {"SatIni.SQF", 13, "1e15", "SatIni.SQF, line 13"},
    {"SatIni.SQF", 13, "-14.5", "SatIni.SQF, line 13"},
    {"SatIni.SQF", 4, "1e308", "SatIni.SQF, line 4: \"1e308\" is not a valid number"},
    {"SatIni.SQF", 4, "91", "SatIni.SQF, line 4"},
    {"SatIni.SQF", 4, "-91", "SatIni.SQF, line 4"},
    {"SatIni.SQF", 4, "180", "SatIni.SQF, line 4"},
    {"SatIni.SQF", 4, Nuls(3), "SatIni.SQF, line 4: \"\\x00\\x00\\x00\" is not a valid number"},
    {"SatIni.SQF", 1, "1e308", "SatIni.SQF, line 1"},
    {"SatIni.SQF", 1, "-501", "SatIni.SQF, line 1"},
    {"SatIni.SQF", 1, "10001", "SatIni.SQF, line 1"},
    {"SatIni.SQF", 3, "361", "SatIni.SQF, line 3"},
    {"SatIni.SQF", 3, "-1e308", "SatIni.SQF, line 3"},
    {"SatIni.SQF", 5, "-1", "SatIni.SQF, line 5"},
    {"SatIni.SQF", 5, "2147483647", "SatIni.SQF, line 5"},
    {"SatIni.SQF", 6, "-5", "SatIni.SQF, line 6"},
    {"SatIni.SQF", 6, "86400000", "SatIni.SQF, line 6"},
    {"SatIni.SQF", 10, "90.5", "SatIni.SQF, line 10"},
    {"SatIni.SQF", 10, "-1e308", "SatIni.SQF, line 10"},
    {"SatIni.SQF", 11, "2147483647", "SatIni.SQF, line 11"},
    {"SatIni.SQF", 12, "-361", "SatIni.SQF, line 12"},
    // The edges that must still start.
    {"SatIni.SQF", 4, "90", nullptr},
    {"SatIni.SQF", 4, "-90", nullptr},
    {"SatIni.SQF", 13, "auto", nullptr},
    {"SatIni.SQF", 13, "AuTo", nullptr},
    {"SatIni.SQF", 13, "-12", nullptr},
    {"SatIni.SQF", 13, "14", nullptr},
    {"SatIni.SQF", 13, "not a zone", nullptr},  // unreadable text is zone 0
    {"SatIni.SQF", 1, "-400", nullptr},
    {"SatIni.SQF", 3, "360", nullptr},
    {"SatIni.SQF", 3, "-180", nullptr},
    {"SatIni.SQF", 5, "255", nullptr},
    {"SatIni.SQF", 10, "-90", nullptr},
    {"SatIni.SQF", 11, "-360", nullptr},
    {"ParPort.SQF", 3, "99999999999999999999", nullptr},  // unreadable: address 0
    // The window position is clamped, whatever the file says.
    {"SatPos.SQF", 1, "2147483647", nullptr},
    {"SatPos.SQF", 2, "-2147483648", nullptr},
    {"SatPos.SQF", 0, Nuls(64), "SatPos.SQF, line 1: \"\\x00\\x00"},
    {"SatPos.SQF", 1, QByteArray(1 << 20, 'x'), "SatPos.SQF, line 1: \"xxxxxxxx"},
    {"SatPos.SQF", 1, "99999999999", "SatPos.SQF, line 1"},
    // The start settings.
    {"SatStartISS.SQF", 9, "2147483647", "SatStartISS.SQF, line 9"},
    {"SatStartISS.SQF", 9, "-86400", nullptr},
    {"SatStart.SQF", 9, "nine", "SatStart.SQF, line 9"},
    {"DivOptions.SQF", 0, Nuls(8), nullptr},
    {"Prior.SQF", 1, "AO-7,99999999999999999999", nullptr},  // the number is never used
    // The groups: the file at fault is named, and no name leads out of the data folder.
    {"ISSFiles8d.SQF", 0, "", "ISSFiles8d.SQF, line 1"},
    {"ISSFiles8d.SQF", 1, "", "ISSFiles8d.SQF, line 1"},
    {"ISSFiles8d.SQF", 1, "../../../../etc/hostname", "ISSFiles8d.SQF, line 1: \"../../../../etc/hostname\""},
    {"ISSFiles8d.SQF", 2, "..", "ISSFiles8d.SQF, line 2"},
    {"ISSFiles8d.SQF", 1,
     "Stan\x01"
     "dard",
     "ISSFiles8d.SQF, line 1: \"Stan\\x01dard\""},
    {"ISSSources.SQF", 1, QByteArray("Kepler\\nasa\0.all", 16), "ISSSources.SQF, line 1"},
    {"ISSSources.SQF", 0, Nuls(100), "ISSSources.SQF, line 1"},
};

}  // namespace

TEST(StartupBadValues, EachStopsNamingFileAndLineAndTheEdgesStart) {
    for (const BadValue& c : kCases) {
        KitApp kit;
        const QByteArray original = kit.data.Read(c.file);
        kit.data.Write(c.file, WithLine(original, c.line, c.value));
        kit.options.QuitAfterTicks = 1;
        kit.Create();
        int exitCode = -1;
        kit.app->EndApplication = [&exitCode](int code) { exitCode = code; };
        const TStartupResult result = kit.app->FormShow();

        const std::string what = std::string(c.file) + " line " + std::to_string(c.line) + " = " +
                                 c.value.left(30).toPercentEncoding().toStdString();
        const QString told = kit.prompt.Messages.join(" | ");
        for (const QString& message : kit.prompt.Messages)
            // A short excerpt, never the whole value; the longest fixed text is the
            // serial port's open failure (port 255 names its device and file).
            EXPECT_LT(message.size(), 600) << what;
        if (c.message) {
            EXPECT_FALSE(result.Completed) << what;
            EXPECT_TRUE(told.contains(QString::fromLatin1(c.message))) << what << ": " << told.toStdString();
            EXPECT_FALSE(told.contains("\".ISS")) << what;
            EXPECT_FALSE(kit.app->MainWindow()->Timer1()->isActive()) << what;
            EXPECT_EQ(exitCode, 2) << what;
        } else {
            EXPECT_TRUE(result.Completed) << what << ": " << told.toStdString();
            EXPECT_EQ(kit.app->TickCount(), 1) << what;
            EXPECT_EQ(exitCode, 0) << what;
        }
    }
}

TEST(StartupBadValues, WindowPositionIsClampedToTheScreenAndSavedSo) {
    for (const QByteArray& top : {QByteArray("2147483647"), QByteArray("-2147483648")}) {
        KitApp kit;
        kit.data.Write("SatPos.SQF", top + "\r\n" + top + "\r\n7\r\n-8\r\n");
        kit.Create();
        ASSERT_TRUE(kit.app->FormShow().Completed);
        kit.app->menBeendenClick();
        const QStringList saved = kit.data.Lines("SatPosIss.SQF");
        ASSERT_EQ(saved.size(), 4);
        const QRect screen = QGuiApplication::primaryScreen()->availableVirtualGeometry();
        EXPECT_TRUE(screen.contains(saved[1].toInt(), saved[0].toInt()))
            << top.toStdString() << ": " << saved.join(',').toStdString();
        EXPECT_EQ(saved[2], "7");  // the carried numbers go back unchanged
        EXPECT_EQ(saved[3], "-8");
    }
}

TEST(StartupBadValues, PlaceOnScreenKeepsACornerVisible) {
    const QRect screen(-1280, 0, 3200, 1200);
    struct Case {
        int left, top;
        QPoint placed;
    };
    const Case cases[] = {
        {40, 40, {40, 40}},
        {-1000, 10, {-1000, 10}},  // a screen left of the primary one
        {kMaxWindowCoordinate, kMaxWindowCoordinate, {1820, 1100}},
        {-kMaxWindowCoordinate, -5, {-1280, 0}},
    };
    for (const Case& c : cases) {
        TWindowPosition p;
        p.Left = c.left;
        p.Top = c.top;
        EXPECT_EQ(PlaceOnScreen(p, screen), c.placed) << c.left << "," << c.top;
    }
}
