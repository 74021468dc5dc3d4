#include "RotorWindow.h"

#include "AusgabeU.h"

#include <QLabel>

namespace kelvora {

void TRotorWindow::ShowRotorSwitch(bool on) { main_.SetToggleText(TToggle::Rotor, on ? "R+" : "R-"); }

// The normal colour is the panel's own.
void TRotorWindow::ShowRotorPassColour(bool yellow) {
    main_.RotorLabel()->setStyleSheet(yellow ? "background: rgb(255,255,0);" : QString());
}

void TRotorWindow::EnableMainWindow(bool enabled) { main_.SetInputEnabled(enabled); }

}  // namespace kelvora
