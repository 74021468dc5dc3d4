#pragma once
// The main window's rotor label as the rotor part sees it.

#include "RotorPart.h"

namespace kelvora {

class TAusgabe;

class TRotorWindow final : public IRotorWindow {
public:
    explicit TRotorWindow(TAusgabe& main) : main_(main) {}

    void ShowRotorSwitch(bool on) override;
    void ShowRotorPassColour(bool yellow) override;
    void EnableMainWindow(bool enabled) override;

private:
    TAusgabe& main_;
};

}  // namespace kelvora
