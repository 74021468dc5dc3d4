#include "NoDoppel.h"

namespace kelvora {

TInstanceGuardResult NoDoppel::Check(IOperatorPrompt& prompt) {
    TInstanceGuardResult result;
    if (NamedLock::HeldElsewhere("Pelorix", lockFolder_)) {
        prompt.Message("KelvoraISS cannot run at the same time with Pelorix!", IOperatorPrompt::Icon::Error);
        return result;
    }
    own_ = std::make_unique<NamedLock>("Kelvora", lockFolder_);
    if (!own_->TryAcquire()) {
        own_.reset();
        const auto answer = prompt.Question(
            "KelvoraISS currently running!\nDo you want to start a second instance?\n"
            "(rotor- and cat-control will be deactivated)",
            IOperatorPrompt::Answer::Yes);
        if (answer != IOperatorPrompt::Answer::Yes) return result;
        result.SecondInstance = true;
    }
    // The companion program's guard is a lock of its own; never rename or delete files.
    if (NamedLock::HeldElsewhere("Vostrel", lockFolder_)) {
        prompt.Message("KelvoraISS cannot run at the same time with Vostrel,\nthe program will be closed.",
                       IOperatorPrompt::Icon::Error);
        own_.reset();
        return result;
    }
    result.Run = true;
    return result;
}

}  // namespace kelvora
