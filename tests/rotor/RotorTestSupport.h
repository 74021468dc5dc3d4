#pragma once
// Small helpers for driving the rotor core with fixed look angles.

#include <optional>
#include <vector>

#include "RotorPositioning.h"

namespace kelvora::rotortest {

inline constexpr double kSecond = 1.0 / 86400.0;  // in days
inline constexpr double kDay0 = 16845.25;  // some day count, 06:00

// Returns the same look angles for every instant and remembers the instants asked for.
struct TFixedLook {
    TRotorLook Look;
    std::vector<double> Asked;

    TRotorLookAt Fn() {
        return [this](double dayCount) -> std::optional<TRotorLook> {
            Asked.push_back(dayCount);
            return Look;
        };
    }
};

inline TRotorCycleInputs Inputs(double now, TRotorLookAt look, int slot = 1) {
    TRotorCycleInputs inputs;
    inputs.Now = now;
    inputs.ActiveSlot = slot;
    inputs.Look = std::move(look);
    return inputs;
}

}  // namespace kelvora::rotortest
