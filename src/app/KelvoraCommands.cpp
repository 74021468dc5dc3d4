// The main window's own commands, created and wired by the application object.

#include "AusgabeU.h"
#include "CommandMenus.h"
#include "KelvoraApp.h"
#include "MainCommands.h"
#include "QtDesktop.h"
#include "SatGroups.h"
#include "TickTimer.h"

namespace kelvora {

void TKelvoraApp::WireMainCommands() {
    IDesktop* desktop = options_.Desktop;
    if (!desktop) {
        ownDesktop_ = std::make_unique<TQtDesktop>();
        desktop = ownDesktop_.get();
    }
    commands_ = std::make_unique<TMainCommands>(state_, prompt_, *desktop);
    TOpenHooks& open = commands_->OpenHooks;
    open.ElementMask = [this] { return satellite_.Groups().ElementMask; };
    open.SourceFileReady = [this] { return satellite_.Groups().SourceFileReady(); };
    open.UseSource = [this](const QString& path) { satellite_.UseOpenedSource(path); };
    open.ClearSourceFileReady = [this] { satellite_.Groups().ClearSourceFileReady(); };
    open.RunSatellitesCommand = [this] { menListClick(); };
    open.StopTracking = [this] { ticks_->Stop(); };
    open.ResumeTracking = [this] { ticks_->Resume(state_); };
    auto* menus = new TCommandMenus(*main_, *commands_, state_);
    menus->BackgroundClicked = [this] { satellite_.ShowQuickGroupSwitch(); };
}

}  // namespace kelvora
