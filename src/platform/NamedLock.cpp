#include "NamedLock.h"

#include <QDir>
#include <QLockFile>

namespace kelvora {

QString LockFolder() {
    const QString fromEnv = qEnvironmentVariable("KELVORA_LOCK_DIR");
    if (!fromEnv.isEmpty()) return fromEnv;
    // The user's runtime folder when the session has one; the temporary folder otherwise.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QDir::tempPath() + "/kelvora-locks-" + qEnvironmentVariable("USER", "user") : runtime;
}

NamedLock::NamedLock(const QString& name, const QString& folder) {
    const QString dir = folder.isEmpty() ? LockFolder() : folder;
    QDir().mkpath(dir);
    file_ = std::make_unique<QLockFile>(dir + "/" + name + ".lock");
    file_->setStaleLockTime(0);  // only a live process keeps the lock
}

NamedLock::~NamedLock() { Release(); }

bool NamedLock::TryAcquire() {
    if (held_) return true;
    held_ = file_->tryLock(0);
    return held_;
}

void NamedLock::Release() {
    if (held_) file_->unlock();
    held_ = false;
}

bool NamedLock::HeldElsewhere(const QString& name, const QString& folder) {
    NamedLock probe(name, folder);
    if (!probe.TryAcquire()) return true;
    probe.Release();
    return false;
}

}  // namespace kelvora
