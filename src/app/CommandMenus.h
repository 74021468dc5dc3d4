#pragma once
// The main window's side of its own commands: File "O&pen", "&Programs", "&Info",
// the items of "?" with "Auxiliary files", lblWechsel and the click on the free
// area. The two lists are filled each time their menu opens.

#include "MainCommands.h"

#include <QObject>
#include <functional>

class QMenu;

namespace kelvora {

class TAusgabe;

class TCommandMenus : public QObject {
    Q_OBJECT
public:
    TCommandMenus(TAusgabe& main, TMainCommands& commands, TAppState& state);

    // The free area of the window was clicked.
    std::function<void()> BackgroundClicked;

private:
    void WireLists();
    void WireHelpItems();
    // Hidden items beyond the list; captions are file names, "&" shown as itself.
    static void FillMenu(QMenu* menu, const QString& itemPrefix, int itemCount, const QStringList& captions);

    TAusgabe& main_;
    TMainCommands& commands_;
    TAppState& state_;
};

}  // namespace kelvora
