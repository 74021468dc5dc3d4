#pragma once
// Guard against running beside another copy of this program or a program that
// shares its station hardware.

#include "NamedLock.h"
#include "OperatorPrompt.h"

#include <memory>

namespace kelvora {

struct TInstanceGuardResult {
    bool Run = false;
    bool SecondInstance = false;
    bool LockFailed = false;  // the lock files could not be made: a start-up error
};

class NoDoppel {
public:
    explicit NoDoppel(QString lockFolder = QString()) : lockFolder_(std::move(lockFolder)) {}
    // Takes the "Kelvora" lock for the life of this object unless the operator
    // confirmed a second instance.
    TInstanceGuardResult Check(IOperatorPrompt& prompt);

private:
    TInstanceGuardResult LockFailure(IOperatorPrompt& prompt, const QString& reason);

    QString lockFolder_;
    std::unique_ptr<NamedLock> own_;
};

}  // namespace kelvora
