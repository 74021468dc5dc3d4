// The main window's own commands as the operator meets them: the lists filled when
// their menu opens, the help items, "&Info", File "O&pen", lblWechsel and the click
// on the free area.
#include "AusgabeU.h"
#include "KelvoraApp.h"
#include "KitAppFixture.h"
#include "FakeDesktop.h"
#include "MainCommands.h"
#include "SatGroups.h"
#include "SatWahlU.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

using namespace kelvora;
using namespace kelvora::test;

namespace {

struct CommandApp {
    KitApp k;
    FakeDesktop desktop;
    TKelvoraApp* app = nullptr;
    TAusgabe* main = nullptr;

    void Start() {
        k.options.Desktop = &desktop;
        k.options.QuitAfterTicks = 1000;  // the selection window is reported, not shown modally
        app = &k.Create();
        ASSERT_TRUE(app->FormShow().Completed) << k.prompt.Messages.join("|").toStdString();
        main = app->MainWindow();
    }
    // The visible items of a menu after it opens.
    QStringList OpenMenu(const char* name) const {
        auto* menu = main->findChild<QMenu*>(name);
        emit menu->aboutToShow();
        QStringList captions;
        for (QAction* action : menu->actions())
            if (action->isVisible() && !action->menu()) captions << action->text();
        return captions;
    }
    void Trigger(const char* name) const { main->findChild<QAction*>(name)->trigger(); }
};

// A point of the widget where none of its children lies.
std::optional<QPoint> FreePoint(QWidget* widget) {
    for (int y = 2; y < widget->height(); y += 3)
        for (int x = 2; x < widget->width(); x += 3)
            if (!widget->childAt(x, y)) return QPoint(x, y);
    return std::nullopt;
}

}  // namespace

TEST(CommandMenus, ListsAreFilledWhenTheirMenuOpens) {
    CommandApp c;
    QTemporaryDir tools;
    QFile program(tools.filePath("logbook"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    c.k.data.Write("Program.SQF",
                   ("; programs\r\n" + tools.filePath("logbook") + "\r\nC:\\Ham\\Cluster\r\n").toLatin1());
    c.Start();
    ASSERT_NE(c.main, nullptr);

    EXPECT_EQ(c.OpenMenu("menProg"), (QStringList{"logbook", "Cluster"}));
    c.Trigger("menProg1");
    EXPECT_EQ(c.desktop.Started, QStringList{tools.filePath("logbook") + "|" + tools.path()});
    c.Trigger("menProg2");  // no such program here: told, nothing started
    EXPECT_EQ(c.desktop.Started.size(), 1);
    ASSERT_EQ(c.k.prompt.Messages.size(), 1);
    EXPECT_TRUE(c.k.prompt.Messages[0].contains("Cluster not found!")) << c.k.prompt.Messages[0].toStdString();

    // The kit lists four auxiliary files, all in the data folder.
    const QStringList aux{"Celestrak.SQF", "Doppler.SQF", "Prior.SQF", "Squint.SQF"};
    EXPECT_EQ(c.OpenMenu("Auxiliaryfiles1"), aux);
    c.Trigger("menAux3");
    EXPECT_EQ(c.desktop.Opened, QStringList{c.k.data.Folder() + "Prior.SQF"});

    // A shorter list at the next opening hides what it no longer holds.
    c.app->State().AuxiliaryList = {"Squint.SQF"};
    EXPECT_EQ(c.OpenMenu("Auxiliaryfiles1"), QStringList{"Squint.SQF"});
}

TEST(CommandMenus, HelpItemsOpenTheirFilesAndInfoShowsTheBox) {
    CommandApp c;
    c.Start();
    ASSERT_NE(c.main, nullptr);
    const std::pair<const char*, const char*> items[] = {
        {"KelvoraISS1", "MiradISS.txt"},
        {"Readme2", "Readme.txt"},
        {"Manual1", "Manual.htm"},
        {"FAQs1", "FAQ.htm"},
        {"Yaesuusers1", "Yaesu/Readme(Yaesu).txt"},
        {"ICOMusers1", "Icom/Readme(Icom).txt"},
        {"Kenwoodusers1", "Kenwood/Readme(Kenw).txt"},
    };
    for (const auto& [item, file] : items) {
        SCOPED_TRACE(item);
        c.desktop.Opened.clear();
        c.Trigger(item);
        // The files travel with the program: each exists where it is opened.
        ASSERT_EQ(c.desktop.Opened, QStringList{QDir::cleanPath(ProgramFolder() + "/" + file)});
        EXPECT_TRUE(QFileInfo(c.desktop.Opened[0]).isFile());
    }
    EXPECT_TRUE(c.k.prompt.Messages.isEmpty()) << c.k.prompt.Messages.join("|").toStdString();
    c.Trigger("menInfo");
    ASSERT_EQ(c.k.prompt.Messages.size(), 1);
    EXPECT_TRUE(c.k.prompt.Messages[0].startsWith("KelvoraISS V.12.10\nRelease March/2022\n"));
}

TEST(CommandMenus, OpenLoadsTheChosenFileThroughSatellites) {
    CommandApp c;
    QByteArray elements = c.k.data.Read("Kepler/nasa.all");
    c.Start();
    ASSERT_NE(c.main, nullptr);
    QTemporaryDir other;
    QFile copy(other.filePath("fresh.txt"));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(elements);
    copy.close();
    c.k.prompt.FileAnswer = copy.fileName();
    c.k.prompt.Messages.clear();
    c.Trigger("menOpen");
    EXPECT_EQ(c.k.prompt.FileDialogFolders.last(), c.k.data.Folder() + "Kepler");
    EXPECT_EQ(c.app->Satellites().Groups().CurrentSource(), copy.fileName());
    EXPECT_EQ(c.app->State().Station.ElementFolder, other.path() + "/");
    EXPECT_EQ(c.app->Satellites().SelectionWindow()->findChild<QLabel*>("lblPfad")->text(),
              "Path: " + other.path() + "/");
    EXPECT_GT(c.app->Satellites().Catalog().Count(), 0);
    // Satellites ran: the selection window was asked for and the tracking goes on.
    EXPECT_TRUE(c.k.prompt.Messages.contains("Satellites")) << c.k.prompt.Messages.join("|").toStdString();
    EXPECT_TRUE(c.main->Timer1()->isActive());

    c.k.prompt.FileAnswer.clear();  // cancelled with a file in use: nothing to say
    c.k.prompt.Messages.clear();
    c.Trigger("menOpen");
    EXPECT_TRUE(c.k.prompt.Messages.isEmpty()) << c.k.prompt.Messages.join("|").toStdString();
    EXPECT_TRUE(c.main->Timer1()->isActive());
}

TEST(CommandMenus, WechselTogglesAutoChangeAndTheFreeAreaShowsTheQuickSwitch) {
    CommandApp c;
    c.Start();
    ASSERT_NE(c.main, nullptr);
    auto* wechsel = c.main->findChild<QLabel*>("lblWechsel");
    const bool before = c.app->State().Tracking.AutoChange;
    QTest::mouseClick(wechsel, Qt::LeftButton);
    EXPECT_EQ(c.app->State().Tracking.AutoChange, !before);
    EXPECT_EQ(wechsel->text(), before ? "W-" : "W+");
    QTest::mouseClick(wechsel, Qt::LeftButton);
    EXPECT_EQ(c.app->State().Tracking.AutoChange, before);
    EXPECT_EQ(wechsel->text(), before ? "W+" : "W-");

    auto* quick = c.main->findChild<QDialog*>("SatFilesII");
    ASSERT_NE(quick, nullptr);
    // A click on a control is not one on the free area.
    QTest::mouseClick(c.main->findChild<QLabel*>("lblSatName"), Qt::LeftButton);
    EXPECT_FALSE(quick->isVisible());

    auto* area = c.main->findChild<QWidget*>("LowerPanel");
    const std::optional<QPoint> free = FreePoint(area);
    ASSERT_TRUE(free.has_value());
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, *free);
    EXPECT_TRUE(quick->isVisible());
    EXPECT_FALSE(quick->isModal());
    auto* list = quick->findChild<QListWidget*>("lstSatFilesII");
    EXPECT_GT(list->count(), 0);
    EXPECT_EQ(list->currentItem()->text(), c.app->Satellites().Groups().CurrentGroup());
    const QPoint cw = c.main->findChild<QLabel*>("lblCW")->mapTo(c.main, QPoint());
    EXPECT_EQ(quick->pos(), c.main->pos() + cw + QPoint(0, 150));
    quick->hide();
}
