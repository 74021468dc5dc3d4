// Elements far from their epoch put the ISS kilometres off, in time below the
// ground: the operator is warned once per element-file load.

#include "KitAppFixture.h"
#include "AusgabeU.h"
#include "KelvoraApp.h"

#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {
// The kit's ISS set has its epoch on 2024-02-12 at 00:09:51 UTC; at noon the age
// is the whole number of days plus about half a day.
constexpr qint64 kDay = 86400 * 1000LL;

// The warning, or the question that carries it when the download is offered.
QStringList StaleWarnings(const ScriptedPrompt& prompt) {
    return (prompt.Messages + prompt.Questions).filter("days old");
}

void SetLine16(KitFolderCopy& data, const QByteArray& text) {
    QByteArray start = data.Read("SatStartISS.SQF");
    data.Write("SatStartISS.SQF", start + text + "\r\n");
}
}  // namespace

TEST(StaleElements, WarnedOnceWhenOlderThanTheThresholdOfLine16) {
    struct Case {
        int days;
        const char* line16;
        bool warned;
    };  // line16 null: the kit's 15 lines
    const Case cases[] = {
        {40, nullptr, true}, {10, nullptr, false}, {29, nullptr, false}, {40, "50", false}, {10, "5", true},
        {40, "0", true},     {40, "", true},       {40, "many", true},   {40, "-3", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.days << " days, line 16 " << (c.line16 ? c.line16 : "missing"));
        KitApp k(QTime(12, 0));
        k.clock.Advance(c.days * kDay);
        if (c.line16) SetLine16(k.data, c.line16);
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        const QStringList warnings = StaleWarnings(k.prompt);
        ASSERT_EQ(warnings.size(), c.warned ? 1 : 0) << k.prompt.Messages.join("|").toStdString();
        if (c.warned) {
            EXPECT_TRUE(warnings.first().contains("ISS")) << warnings.first().toStdString();
            EXPECT_TRUE(warnings.first().contains("nasa.all")) << warnings.first().toStdString();
            EXPECT_TRUE(warnings.first().contains(QStringLiteral(" %1 days old").arg(c.days)))
                << warnings.first().toStdString();
        }
        for (int tick = 0; tick < 3; ++tick) {
            k.clock.Advance(1000);
            app.Timer1Timer();
        }
        EXPECT_EQ(StaleWarnings(k.prompt).size(), warnings.size());
    }
}

TEST(StaleElements, AgainAfterTheNextLoadButNotForALetterClick) {
    KitApp k(QTime(12, 0));
    k.clock.Advance(40 * kDay);
    k.options.QuitAfterTicks = 1000;  // the selection window is reported, not shown modally
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed);
    ASSERT_EQ(StaleWarnings(k.prompt).size(), 1);
    app.Satellites().LetterClick(1);
    app.Timer1Timer();
    app.Satellites().LetterClick(0);
    app.Timer1Timer();
    EXPECT_EQ(StaleWarnings(k.prompt).size(), 1);
    app.menListClick();  // "Satellites" loads the element file again
    app.Timer1Timer();
    EXPECT_EQ(StaleWarnings(k.prompt).size(), 2);
    EXPECT_TRUE(app.MainWindow()->Timer1()->isActive());  // the warning leaves the timer running
}

TEST(StaleElements, AgeCountsFromTheShownTimeInLocalMode) {
    // Two hours east of UTC with the local time scale: the elements' age is still
    // taken in UTC, so a day's difference in the zone cannot tip it.
    KitApp k(QTime(12, 0));
    k.clock = FixedClock(QDateTime(QDate(2024, 3, 13), QTime(0, 5), Qt::UTC), 2.0);  // 29.99 days
    QList<QByteArray> satStart = k.data.Read("SatStart.SQF").split('\n');
    satStart[13] = "+\r";
    k.data.Write("SatStart.SQF", satStart.join('\n'));
    TKelvoraApp& app = k.Create();
    ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
    ASSERT_EQ(app.State().Time.TimeScaleLetter, "L");
    EXPECT_TRUE(StaleWarnings(k.prompt).isEmpty()) << k.prompt.Messages.join("|").toStdString();
}

// A new data folder holds the kit's elements, soon old: the first stale warning
// offers the download, once ever; an unattended run takes No without asking.
TEST(StaleElements, DownloadOfferedOnceForANewDataFolder) {
    struct Case {
        const char* what;
        int days;
        bool offeredBefore;
        bool unattended;
        IOperatorPrompt::Answer answer;
        bool asked;
    };
    using A = IOperatorPrompt::Answer;
    const Case cases[] = {
        {"stale, No", 40, false, false, A::No, true},       {"stale, Yes", 40, false, false, A::Yes, true},
        {"offered before", 40, true, false, A::Yes, false}, {"unattended", 40, false, true, A::Yes, false},
        {"not stale", 10, false, false, A::Yes, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KitApp k(QTime(12, 0));
        k.clock.Advance(c.days * kDay);
        if (c.offeredBefore) k.data.Write("DownloadOffer.SQF", "+\r\n");
        if (c.unattended) k.options.QuitAfterTicks = 1000;
        k.prompt.Answers.push_back(c.answer);
        TKelvoraApp& app = k.Create();
        ASSERT_TRUE(app.FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        const QStringList offers = k.prompt.Questions.filter("Download current elements now?");
        ASSERT_EQ(offers.size(), c.asked ? 1 : 0) << k.prompt.Questions.join("|").toStdString();
        // The warning is there all the same: in the question, or as its own box.
        EXPECT_EQ(StaleWarnings(k.prompt).size(), c.days > 30 ? 1 : 0);
        if (c.asked) {
            EXPECT_TRUE(offers.first().contains(" 40 days old")) << offers.first().toStdString();
        }
        EXPECT_EQ(QFile::exists(k.data.Folder() + "DownloadOffer.SQF"), c.asked || c.offeredBefore);
        const QWidget* download = app.MainWindow()->findChild<QWidget*>("DownloadKeps");
        ASSERT_NE(download, nullptr);
        EXPECT_EQ(download->isVisible(), c.asked && c.answer == A::Yes);
        EXPECT_TRUE(app.MainWindow()->Timer1()->isActive());
    }
}
