#pragma once
// The stand-in for the rotor until it is built: each operation says what the
// program does without it.

#include "Parts.h"

namespace kelvora {

class TNullRotorPart final : public IRotorPart {
public:
    void ReadRotorFiles() override {}
    void ReadRotorOptions() override {}
    void ReadServerFiles() override {}
    void StartServers() override {}
    void RotorToggleApplied(bool) override {}
    void RotorCycle() override {}
    void DeriveRotorInterval() override {}
    void ActiveSatelliteChanged(TSatelliteChange) override {}
    void ShutDownRotor() override {}
};

}  // namespace kelvora
