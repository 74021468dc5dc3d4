// "Sort Selected Satellites" with its help, and "Sat-Namen".
#include "GroupTestSupport.h"
#include "SatNameDlg.h"
#include "SortSatsU.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kelvora {
namespace {

using grouptest::CrLf;
using grouptest::GroupBytes;
using grouptest::KitFolder;
using grouptest::ScriptedPrompt;

QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

TEST(EntriesInNewOrderTest, EachNameKeepsItsMarker) {
    const std::vector<TGroupEntry> old{{"ISS", true}, {"AO-7", false}, {"FO-29", true}, {"AO-7", true}};
    const std::vector<TGroupEntry> sorted = EntriesInNewOrder(old, {"FO-29", "AO-7", "ISS", "NEW"});
    ASSERT_EQ(sorted.size(), 4u);
    EXPECT_TRUE(sorted[0].MapMarker);
    EXPECT_TRUE(sorted[1].MapMarker);  // the last old "AO-7" decides
    EXPECT_TRUE(sorted[2].MapMarker);
    EXPECT_FALSE(sorted[3].MapMarker);
}

class SortDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        kit.Write("ISSFiles8d.SQF", CrLf({"Standard", "Alpha", "; note", "Bravo"}));
        kit.Write("Alpha.ISS", GroupBytes({"ISS+", "SO-50-", "AO-91+", "PO-101-"}));
        kit.Write("Bravo.ISS", GroupBytes({"AO-7+"}));
        groups.ReadGroupList();
        groups.SetListPosition(1);
        sort.CloseSelectionWindow = [this] { ++selectionClosed; };
    }
    QListWidget* List(const char* name) { return sort.findChild<QListWidget*>(name); }

    KitFolder kit;
    ScriptedPrompt prompt;
    TSatGroups groups{kit.Folder()};
    THelpSort help;
    TSortSats sort{groups, prompt, &help};
    int selectionClosed = 0;
};

TEST_F(SortDialogTest, ShowsTheHighlightedGroupInBothOrders) {
    sort.show();
    EXPECT_EQ(Texts(List("lstSatFiles")), QStringList({"Standard", "Alpha", "Bravo"}));  // ";" skipped
    EXPECT_EQ(List("lstSatFiles")->currentRow(), 1);
    EXPECT_EQ(Texts(List("lstOld")), QStringList({"ISS", "SO-50", "AO-91", "PO-101"}));
    EXPECT_EQ(Texts(List("lstNew")), Texts(List("lstOld")));
    QTest::mouseClick(List("lstSatFiles")->viewport(), Qt::LeftButton, {},
                      List("lstSatFiles")->visualItemRect(List("lstSatFiles")->item(2)).center());
    EXPECT_EQ(sort.SortGroup(), "Bravo");
    EXPECT_EQ(Texts(List("lstNew")), QStringList{"AO-7"});
}

TEST_F(SortDialogTest, DraggingMovesTheRow) {
    struct Case {
        int from, to;
        QStringList order;
    } cases[] = {
        {0, 2, {"SO-50", "AO-91", "ISS", "PO-101"}},
        {3, 0, {"PO-101", "ISS", "SO-50", "AO-91"}},
        {1, 1, {"ISS", "SO-50", "AO-91", "PO-101"}},
    };
    sort.show();
    QListWidget* list = List("lstNew");
    for (const auto& c : cases) {
        sort.LoadSortGroup("Alpha");
        list->setCurrentRow(c.from);
        sort.lstNewMouseDown();
        list->setCurrentRow(c.to);
        sort.lstNewMouseUp();
        EXPECT_EQ(Texts(list), c.order) << c.from << "->" << c.to;
        EXPECT_EQ(Texts(List("lstOld")), QStringList({"ISS", "SO-50", "AO-91", "PO-101"}));
    }
}

TEST_F(SortDialogTest, DraggingWithTheMouse) {
    sort.show();
    QListWidget* list = List("lstNew");
    QWidget* viewport = list->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTest::mouseMove(viewport, list->visualItemRect(list->item(2)).center());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(Texts(list), QStringList({"SO-50", "AO-91", "ISS", "PO-101"}));
}

TEST_F(SortDialogTest, SaveWritesTheNewOrderWithEachMarker) {
    sort.show();
    QListWidget* list = List("lstNew");
    list->setCurrentRow(0);
    sort.lstNewMouseDown();
    list->setCurrentRow(2);
    sort.lstNewMouseUp();
    QTest::mouseClick(sort.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    EXPECT_EQ(kit.Read("Alpha.ISS"), GroupBytes({"SO-50-", "AO-91+", "ISS+", "PO-101-"}));
    EXPECT_EQ(prompt.Messages, QStringList{"Changes require a restart of KelvoraISS to take effect!"});
    EXPECT_EQ(selectionClosed, 1);
    EXPECT_FALSE(sort.isVisible());
}

TEST_F(SortDialogTest, MissingGroupFileLeavesTheListsEmptyAndSavesNothing) {
    QFile::remove(kit.Path("Alpha.ISS"));
    sort.show();
    ASSERT_EQ(prompt.Messages.size(), 1);
    EXPECT_TRUE(prompt.Messages[0].startsWith("Alpha.ISS"));
    EXPECT_EQ(List("lstOld")->count(), 0);
    EXPECT_EQ(List("lstNew")->count(), 0);
    sort.cmdSaveClick();
    EXPECT_FALSE(kit.Exists("Alpha.ISS"));
    EXPECT_EQ(selectionClosed, 0);
}

TEST_F(SortDialogTest, HelpOpensBesideTheDialog) {
    sort.move(300, 200);
    sort.show();
    QTest::mouseClick(sort.findChild<QPushButton*>("cmdHelp"), Qt::LeftButton);
    ASSERT_TRUE(help.isVisible());
    EXPECT_TRUE(help.isModal());  // above the modal sort dialog, and usable
    EXPECT_EQ(help.pos(), sort.pos() - QPoint(50, 50));
    const QString text = help.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    EXPECT_TRUE(text.contains("In the \"New Order\" list, use \"drag and drop\" to rearrange the satellite\n"));
    QTest::mouseClick(help.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
}

TEST(NamingDialogTest, ShowsTheStoredChoice) {
    struct Case {
        char use, keep;
        int item;
    } cases[] = {{'+', '+', 1}, {'+', '-', 2}, {'-', '+', 0}, {'-', '-', 0}};
    KitFolder kit;
    ScriptedPrompt prompt;
    for (const auto& c : cases) {
        TNamingOptions options;
        options.UseNorvaNames = c.use;
        options.KeepSourceNames = c.keep;
        TSatelliteName dialog(options, kit.Folder(), prompt);
        dialog.show();
        auto* item = dialog.findChild<QRadioButton*>(QStringLiteral("RgrpSatNamenItem%1").arg(c.item));
        EXPECT_TRUE(item->isChecked()) << c.use << c.keep;
    }
}

TEST(NamingDialogTest, ClickChangesMemoryAndOnlyStoreWrites) {
    KitFolder kit;
    ScriptedPrompt prompt;
    TNamingOptions options;
    options.UseNorvaNames = '-';
    options.KeepSourceNames = '+';
    options.NameLookupKey = 'X';
    options.ForceValidLookupKey();  // what the readers do with an unknown key
    const QByteArray stored = kit.Read("SatNameOpt.SQF");
    TSatelliteName dialog(options, kit.Folder(), prompt);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QRadioButton*>("RgrpSatNamenItem2"), Qt::LeftButton);
    EXPECT_EQ(options.UseNorvaNames, '+');
    EXPECT_EQ(options.KeepSourceNames, '-');
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(kit.Read("SatNameOpt.SQF"), stored);

    dialog.show();
    QTest::mouseClick(dialog.findChild<QRadioButton*>("RgrpSatNamenItem1"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    EXPECT_EQ(kit.Read("SatNameOpt.SQF"), QByteArray("+\r\n+\r\nI\r\n"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(prompt.Messages.isEmpty());
}

}  // namespace
}  // namespace kelvora
