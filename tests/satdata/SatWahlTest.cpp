// The selection window, driven as the operator would: a file click, double clicks,
// the entry buttons, OK, "Abbruch" and the window-width buttons.
#include "SatWahlU.h"

#include "OrbitModel.h"
#include "SafeFile.h"
#include "SelectionTestSupport.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace kelvora {
namespace {

using namespace selectiontest;

class SatWahlTest : public ::testing::Test {
protected:
    // Writes the element file and the group file, then builds and shows the window.
    void Open(const QStringList& fileNames, const QStringList& groupItems) {
        folder_.Write("Kepler/sats.txt", ThreeLineFile(fileNames));
        folder_.Write("Kepler/empty.txt", "no elements here\r\n");
        folder_.Write("Test.ISS", GroupFileOf(groupItems));
        window_ = std::make_unique<TSatWahl>(selection_, catalog_, rec_.Hooks, prompt_);
        window_->GroupName = [] { return QString("Test"); };
        window_->GroupFile = [this] { return folder_.Path("Test.ISS"); };
        window_->SourcePath = [this] { return folder_.Path("Kepler/sats.txt"); };
        window_->LoadElementFile = [this](const QString& path) {
            return LoadElementFile(path.toStdString(), options_, names_, *model_, catalog_);
        };
        window_->StoreGroupSource = [this](const QString& path, QString*) {
            storedSource_ = path;
            return true;
        };
        window_->SetElementMask("*.txt");
        window_->show();
        ClickFile("sats.txt");
    }
    void ClickFile(const QString& name) {
        auto* files = Find<QListWidget>("filSource");
        const auto found = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        ClickItem(files, found.front());
    }
    static void ClickItem(QListWidget* list, QListWidgetItem* item, bool twice = false) {
        list->setCurrentItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    void ClickRow(int row) { ClickItem(Selected(), Selected()->item(row)); }
    void Click(const char* button) { QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton); }
    template <typename W>
    W* Find(const char* name) const {
        W* widget = window_->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListWidget* Selected() const { return Find<QListWidget>("lstAuswahl"); }
    QString Rows() const {
        QStringList rows;
        for (int r = 0; r < Selected()->count(); ++r) rows << Selected()->item(r)->text();
        return rows.join('|');
    }
    QString VisibleMarkers() const {
        QString marks;
        for (int k = 1; k <= MaxSelectedSatellites; ++k)
            marks += Find<QLabel>(QString("lblMarker%1").arg(k).toLatin1().constData())->isVisible() ? '*' : '.';
        return marks;
    }

    SelectionDataFolder folder_;
    TSatSelection selection_;
    TElementCatalog catalog_;
    std::unique_ptr<TOrbitModel> model_ = std::make_unique<TOrbitModel>();
    TNamingOptions options_;
    TNamesList names_;
    TRecordingHooks rec_;
    ScriptedPrompt prompt_;
    QString storedSource_;
    std::unique_ptr<TSatWahl> window_;
};

TEST_F(SatWahlTest, FileClickShowsOnlyPresentSatellitesWithTheirMarkers) {
    Open({"SO-50", "AO-7", "ISS", "RS-44"}, {"ISS+", "XX-1+", "AO-7-", "SO-50+"});
    EXPECT_EQ(Find<QLabel>("Label27")->text(), "4");
    EXPECT_EQ(Find<QListWidget>("lstAlleSat")->item(0)->text(), "AO-7");  // sorted
    EXPECT_EQ(Rows(), "ISS|AO-7|SO-50");
    EXPECT_EQ(VisibleMarkers(), "*.*.........");
    EXPECT_EQ(selection_.ActiveSet, 3);
    EXPECT_TRUE(Find<QPushButton>("cmdFileOK")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("cmdAktSat")->isEnabled());
}

TEST_F(SatWahlTest, OkRewritesTheGroupFileAndSwitches) {
    Open({"SO-50", "AO-7", "ISS"}, {"ISS+", "XX-1+", "AO-7-", "SO-50+"});
    ClickRow(1);
    Click("cmdZeigen");
    EXPECT_EQ(VisibleMarkers(), "***.........");
    rec_.Take();
    Click("cmdFileOK");
    EXPECT_EQ(folder_.Read("Test.ISS"), QByteArray("ISS\r\n+\r\nAO-7\r\n+\r\nSO-50\r\n+\r\n"));
    EXPECT_EQ(storedSource_, folder_.Path("Kepler/sats.txt"));
    EXPECT_FALSE(window_->isVisible());
    const QStringList log = rec_.Take();
    EXPECT_EQ(log.first(), "ForceLetterColours");
    EXPECT_TRUE(log.contains("SatName( A: ISS)"));
    EXPECT_EQ(log.last(), "RestartMainTimer");
    EXPECT_EQ(selection_.ActiveSet, 3);
}

// The stub above always stores the source; here the real writes meet a folder
// standing where their file should be: the operator is told, the window stays
// open and tracking does not restart.
TEST_F(SatWahlTest, OkThatCannotWriteReportsAndStaysOpen) {
    struct Case {
        const char* blocked;
        const char* message;
    };
    const Case cases[] = {{"ISSSources.SQF", "ISSSources.SQF could not be written:\n"},
                          {"Test.ISS", "Test.ISS could not be written:\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blocked);
        prompt_.Messages.clear();
        Open({"SO-50", "AO-7", "ISS"}, {"ISS+", "AO-7-", "SO-50+"});
        window_->StoreGroupSource = [this](const QString& path, QString* error) {
            return WriteFileSafely(folder_.Path("ISSSources.SQF"), path.toLatin1() + "\r\n", error);
        };
        folder_.Remove(c.blocked);
        ASSERT_TRUE(QDir().mkpath(folder_.Path(c.blocked)));
        ClickRow(0);
        Click("cmdDelete");
        rec_.Take();
        Click("cmdFileOK");
        ASSERT_EQ(prompt_.Messages.size(), 1);
        EXPECT_TRUE(prompt_.Messages.front().contains(c.message)) << prompt_.Messages.front().toStdString();
        EXPECT_GT(prompt_.Messages.front().size(), QString(c.message).size());  // the reason follows
        EXPECT_TRUE(window_->isVisible());
        EXPECT_FALSE(rec_.Take().contains("RestartMainTimer"));
        EXPECT_EQ(Rows(), "AO-7|SO-50");  // the operator's edit is kept for another try
        QDir(folder_.Path(c.blocked)).removeRecursively();
    }
}

TEST_F(SatWahlTest, ThirteenthSatelliteIsRefused) {
    QStringList file, group;
    for (int k = 1; k <= 13; ++k) file << QString("SAT-%1").arg(k, 2, 10, QChar('0'));
    for (int k = 1; k <= 12; ++k) group << file[k - 1] + "-";
    Open(file, group);
    ASSERT_EQ(Selected()->count(), 12);
    auto* available = Find<QListWidget>("lstAlleSat");
    ClickItem(available, available->findItems("SAT-13", Qt::MatchExactly).front(), true);
    EXPECT_EQ(prompt_.Messages, QStringList({"zu viele Satelliten!"}));
    EXPECT_EQ(Selected()->count(), 12);
    EXPECT_FALSE(Rows().contains("SAT-13"));
}

TEST_F(SatWahlTest, AddingByDoubleClickOrKeyAppendsOnce) {
    Open({"SO-50", "AO-7", "ISS"}, {"ISS+"});
    auto* available = Find<QListWidget>("lstAlleSat");
    ClickItem(available, available->findItems("SO-50", Qt::MatchExactly).front(), true);
    available->setCurrentItem(available->findItems("AO-7", Qt::MatchExactly).front());
    QTest::keyClick(available, Qt::Key_A);
    QTest::keyClick(available, Qt::Key_A);
    EXPECT_EQ(Rows(), "ISS|SO-50|AO-7");
    EXPECT_EQ(VisibleMarkers(), "*...........");
    EXPECT_TRUE(prompt_.Messages.isEmpty());
}

TEST_F(SatWahlTest, ActiveSatAfterRemovingRowBActivatesTheFormerC) {
    Open({"SO-50", "AO-7", "ISS", "RS-44"}, {"AO-7-", "ISS+", "SO-50+", "RS-44-"});
    ClickRow(1);
    Click("cmdDelete");
    EXPECT_EQ(Rows(), "AO-7|SO-50|RS-44");
    EXPECT_EQ(VisibleMarkers(), ".*..........");
    EXPECT_FALSE(Find<QPushButton>("cmdAktSat")->isEnabled());
    ClickRow(1);
    rec_.Take();
    Click("cmdAktSat");
    EXPECT_EQ(selection_.ActiveSet, 1);  // SO-50 is the file's first set
    EXPECT_EQ(selection_.ActiveLetter, 0);
    const QStringList log = rec_.Take();
    EXPECT_TRUE(log.contains("SatName( B: SO-50)"));
    EXPECT_EQ(log.last(), "RestartMainTimer");
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(SatWahlTest, RemovingTheLastEntryDisablesOk) {
    Open({"ISS"}, {"ISS+"});
    ClickRow(0);
    QTest::keyClick(Selected(), Qt::Key_X);
    EXPECT_EQ(Selected()->count(), 0);
    EXPECT_FALSE(Find<QPushButton>("cmdFileOK")->isEnabled());
    EXPECT_EQ(Find<QLabel>("lblInfo")->text(), QStringLiteral(" Satellit w\u00e4hlen o. Sourcefile wechseln! ! "));
    EXPECT_EQ(VisibleMarkers(), "............");
}

TEST_F(SatWahlTest, FileWithoutSetsEmptiesBothListsAndBlocksOk) {
    Open({"ISS", "AO-7"}, {"ISS+"});
    ClickFile("empty.txt");
    EXPECT_EQ(Find<QListWidget>("lstAlleSat")->count(), 0);
    EXPECT_EQ(Selected()->count(), 0);
    EXPECT_EQ(Find<QLabel>("lblInfo")->text(), " No Data Set found  in empty.txt ! ");
    EXPECT_FALSE(Find<QPushButton>("cmdFileOK")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("Button2")->isEnabled());
}

TEST_F(SatWahlTest, CancelShowsTheGroupFileAgainWithoutWritingIt) {
    Open({"ISS", "AO-7"}, {"ISS+", "AO-7-"});
    ClickRow(0);
    Click("cmdDelete");
    ClickRow(0);
    Click("cmdDelete");
    bool currentToActive = false;
    window_->CurrentSetToActive = [&] { currentToActive = true; };
    Click("cmdFileCancel");
    EXPECT_EQ(Rows(), "ISS|AO-7");
    EXPECT_EQ(folder_.Read("Test.ISS"), GroupFileOf({"ISS+", "AO-7-"}));
    EXPECT_TRUE(currentToActive);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(Find<QPushButton>("cmdFileOK")->isEnabled());
}

TEST_F(SatWahlTest, WidthButtonsMoveTheSelectedColumn) {
    Open({"ISS"}, {"ISS+"});
    auto* available = Find<QListWidget>("lstAlleSat");
    const int width = window_->width(), listWidth = available->width(), selectedLeft = Selected()->x();
    QTest::mouseClick(Find<QToolButton>("UpDown1Right"), Qt::LeftButton);
    EXPECT_EQ(window_->width(), width + 20);
    EXPECT_EQ(available->width(), listWidth + 10);
    EXPECT_EQ(Selected()->x(), selectedLeft + 10);
    EXPECT_EQ(Selected()->width(), listWidth + 10);
    EXPECT_EQ(Find<QWidget>("Panel1")->x(), available->x() + available->width() + 3);
    EXPECT_EQ(Find<QWidget>("Panel2")->x(), Find<QWidget>("Panel1")->x() + 15);
    // Narrower again; below the design width the buttons set a floor (next test).
    QTest::mouseClick(Find<QToolButton>("UpDown1Left"), Qt::LeftButton);
    EXPECT_EQ(window_->width(), width);
    EXPECT_EQ(available->width(), listWidth);
}

TEST_F(SatWahlTest, GroupDialogEndingWithoutEditClosesTheWindow) {
    Open({"ISS"}, {"ISS+"});
    bool buttonsOffDuringDialog = false;
    window_->ShowGroupDialog = [&](QPoint at) {
        buttonsOffDuringDialog = !Find<QPushButton>("cmdFileOK")->isEnabled() &&
                                 !Find<QPushButton>("cmdFileCancel")->isEnabled() &&
                                 !Find<QPushButton>("cmdSatFWechsel")->isEnabled();
        EXPECT_EQ(at, window_->pos() + QPoint(280, 80));
        return false;
    };
    Click("cmdSatFWechsel");
    EXPECT_TRUE(buttonsOffDuringDialog);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(Find<QPushButton>("cmdSatFWechsel")->isEnabled());
}

// A download lists its file without moving the highlight; leaving the download dialog
// brings back and reloads the file shown when it was opened, though the new file
// moved it down a row.
TEST_F(SatWahlTest, DownloadedFileIsListedAndLeavingReturnsToTheRememberedFile) {
    Open({"ISS", "AO-7"}, {"ISS+"});
    std::optional<QPoint> downloadAt;
    window_->ShowDownloadDialog = [&](QPoint at) { downloadAt = at; };
    Click("Button1");
    ASSERT_TRUE(downloadAt.has_value());
    EXPECT_EQ(*downloadAt, window_->pos() + QPoint(280, 80));
    auto* files = Find<QListWidget>("filSource");

    folder_.Write("Kepler/amateur.txt", ThreeLineFile({"SO-50"}));
    window_->RefreshFileList();
    ASSERT_EQ(files->count(), 3);
    EXPECT_EQ(files->item(0)->text(), "amateur.txt");
    EXPECT_EQ(files->currentItem()->text(), "sats.txt");

    ClickFile("amateur.txt");
    EXPECT_EQ(Find<QLabel>("Label27")->text(), "1");
    window_->ReturnToRememberedFile();
    EXPECT_EQ(files->currentItem()->text(), "sats.txt");
    EXPECT_EQ(Find<QLabel>("Label27")->text(), "2");
}

// "Fenster -" makes the window narrower, never so narrow that a button is cut.
TEST_F(SatWahlTest, NarrowingKeepsEveryButtonInside) {
    Open({"SO-50", "ISS"}, {"ISS+", "SO-50-"});
    for (int click = 0; click < 30; ++click) Find<QToolButton>("UpDown1Left")->click();
    for (const char* name : {"cmdFileOK", "cmdFileCancel", "cmdSatName"}) {
        const QPushButton* button = Find<QPushButton>(name);
        EXPECT_LE(button->geometry().right(), window_->width()) << name;
    }
}

// Letters and markers step with the rows of the selected list, down to the twelfth.
TEST_F(SatWahlTest, LettersStayBesideTheirRows) {
    QStringList twelve;
    for (int k = 1; k <= MaxSelectedSatellites; ++k) twelve << QStringLiteral("SAT-%1").arg(k);
    QStringList group;
    for (const QString& name : twelve) group << name + "+";
    Open(twelve, group);
    window_->show();
    QCoreApplication::processEvents();
    ASSERT_EQ(Selected()->count(), MaxSelectedSatellites);
    for (int k = 0; k < MaxSelectedSatellites; ++k) {
        const QRect row = Selected()->visualItemRect(Selected()->item(k));
        const int rowMiddle = Selected()->viewport()->mapTo(window_.get(), row.center()).y();
        const QLabel* letter = Find<QLabel>(QString("lblLetter%1").arg(k + 1).toLatin1().constData());
        const int letterMiddle = letter->mapTo(window_.get(), letter->rect().center()).y();
        EXPECT_NEAR(letterMiddle, rowMiddle, 4) << "row " << k;
    }
}

}  // namespace
}  // namespace kelvora
