#include "CatRunner.h"

#include <algorithm>

namespace kelvora {

TCatRunResult RunCatScript(const TCatLink& link, const TCatScript& script) {
    // A negative pause from a damaged settings file is no pause at all.
    const std::chrono::milliseconds pause = std::max(link.PauseLength, std::chrono::milliseconds(0));
    TCatRunResult result;
    for (const TCatStep& step : script) {
        switch (step.Kind) {
            case TCatStepKind::Write:
                if (!link.Port.Write(step.Bytes)) {
                    result.Ok = false;
                    return result;
                }
                break;
            case TCatStepKind::Pause:
                link.Pauser.Pause(pause);
                break;
            case TCatStepKind::ClearInput:
                link.Port.ClearInput();
                break;
            case TCatStepKind::Await:
                if (!link.Port.WaitForInput(step.MinBytes, pause * std::max(step.Pauses, 0))) {
                    result.Ok = false;
                    return result;
                }
                break;
            case TCatStepKind::ReadAll:
                result.Answer.clear();
                if (!link.Port.ReadAll(&result.Answer)) {
                    result.Ok = false;
                    return result;
                }
                break;
        }
    }
    return result;
}

}  // namespace kelvora
