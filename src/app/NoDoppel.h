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
};

class NoDoppel {
public:
    explicit NoDoppel(QString lockFolder = QString()) : lockFolder_(std::move(lockFolder)) {}
    // Takes the "Kelvora" lock for the life of this object unless the operator
    // confirmed a second instance.
    TInstanceGuardResult Check(IOperatorPrompt& prompt);

private:
    QString lockFolder_;
    std::unique_ptr<NamedLock> own_;
};

}  // namespace kelvora
