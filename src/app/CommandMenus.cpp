#include "CommandMenus.h"

#include "AusgabeU.h"

#include <QAction>
#include <QMenu>

namespace kelvora {

TCommandMenus::TCommandMenus(TAusgabe& main, TMainCommands& commands, TAppState& state)
    : QObject(&main), main_(main), commands_(commands), state_(state) {
    connect(main_.findChild<QAction*>("menOpen"), &QAction::triggered, this, [this] { commands_.OpenElementFile(); });
    connect(main_.findChild<QAction*>("menInfo"), &QAction::triggered, this, [this] { commands_.ShowInformation(); });
    connect(&main_, &TAusgabe::ToggleClicked, this, [this](TToggle toggle) {
        if (toggle == TToggle::Wechsel) main_.SetToggleText(toggle, ClickAutoChange(state_.Tracking));
    });
    connect(&main_, &TAusgabe::BackgroundClicked, this, [this] {
        if (BackgroundClicked) BackgroundClicked();
    });
    WireLists();
    WireHelpItems();
}

void TCommandMenus::WireLists() {
    struct List {
        const char* menu;
        const char* itemPrefix;
        int itemCount;
        std::function<QStringList()> captions;
        std::function<void(int)> choose;
    };
    const List lists[] = {
        {"menProg", "menProg", MaxProgramEntries, [this] { return commands_.ProgramCaptions(); },
         [this](int i) { commands_.StartProgram(i); }},
        {"Auxiliaryfiles1", "menAux", MaxAuxiliaryEntries, [this] { return commands_.AuxiliaryCaptions(); },
         [this](int i) { commands_.OpenAuxiliaryFile(i); }},
    };
    for (const List& list : lists) {
        auto* menu = main_.findChild<QMenu*>(list.menu);
        connect(menu, &QMenu::aboutToShow, this,
                [menu, list] { FillMenu(menu, list.itemPrefix, list.itemCount, list.captions()); });
        for (int i = 1; i <= list.itemCount; ++i) {
            auto* item = menu->findChild<QAction*>(list.itemPrefix + QString::number(i));
            connect(item, &QAction::triggered, this, [choose = list.choose, i] { choose(i - 1); });
        }
    }
}

void TCommandMenus::FillMenu(QMenu* menu, const QString& itemPrefix, int itemCount, const QStringList& captions) {
    for (int i = 1; i <= itemCount; ++i) {
        auto* item = menu->findChild<QAction*>(itemPrefix + QString::number(i));
        const bool used = i <= captions.size();
        if (used) item->setText(QString(captions[i - 1]).replace('&', "&&"));
        item->setVisible(used);
    }
}

void TCommandMenus::WireHelpItems() {
    for (const THelpItem& help : HelpItems) {
        const QString file = help.File;
        connect(main_.findChild<QAction*>(help.Name), &QAction::triggered, this,
                [this, file] { commands_.OpenHelpFile(file); });
    }
}

}  // namespace kelvora
