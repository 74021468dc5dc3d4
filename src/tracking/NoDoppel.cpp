#include "NoDoppel.h"

namespace kelvora {

TInstanceGuardResult NoDoppel::LockFailure(IOperatorPrompt& prompt, const QString& reason) {
    own_.reset();
    const QString folder = lockFolder_.isEmpty() ? LockFolder() : lockFolder_;
    prompt.Message("KelvoraISS cannot create its lock files in the folder " + folder + ":\n" + reason,
                   IOperatorPrompt::Icon::Error);
    TInstanceGuardResult result;
    result.LockFailed = true;
    return result;
}

TInstanceGuardResult NoDoppel::Check(IOperatorPrompt& prompt) {
    TInstanceGuardResult result;
    QString error;
    switch (NamedLock::Probe("Pelorix", lockFolder_, &error)) {
        case NamedLock::TProbe::Unusable:
            return LockFailure(prompt, error);
        case NamedLock::TProbe::HeldElsewhere:
            prompt.Message("KelvoraISS cannot run at the same time with Pelorix!", IOperatorPrompt::Icon::Error);
            return result;
        case NamedLock::TProbe::Free:
            break;
    }
    own_ = std::make_unique<NamedLock>("Kelvora", lockFolder_);
    if (!own_->TryAcquire()) {
        if (!own_->Error().isEmpty()) return LockFailure(prompt, own_->Error());
        own_.reset();
        const auto answer = prompt.Question(
            "KelvoraISS currently running!\nDo you want to start a second instance?\n"
            "(rotor- and cat-control will be deactivated)",
            IOperatorPrompt::Answer::Yes);
        if (answer != IOperatorPrompt::Answer::Yes) return result;
        result.SecondInstance = true;
    }
    // The companion program's guard is a lock of its own; never rename or delete files.
    switch (NamedLock::Probe("Vostrel", lockFolder_, &error)) {
        case NamedLock::TProbe::Unusable:
            return LockFailure(prompt, error);
        case NamedLock::TProbe::HeldElsewhere:
            prompt.Message("KelvoraISS cannot run at the same time with Vostrel,\nthe program will be closed.",
                           IOperatorPrompt::Icon::Error);
            own_.reset();
            return result;
        case NamedLock::TProbe::Free:
            break;
    }
    result.Run = true;
    return result;
}

}  // namespace kelvora
