#pragma once
#include <QString>
#include <memory>

class QLockFile;

namespace kelvora {

// A system-wide named lock, standing in for a named mutex: a lock file in the user's
// runtime folder. It never renames or deletes anything but its own lock file, and a
// lock left behind by a crashed process is taken over.
class NamedLock {
public:
    explicit NamedLock(const QString& name, const QString& folder = QString());
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    // True when this process now holds the lock; false when another process holds it.
    bool TryAcquire();
    void Release();
    bool Held() const { return held_; }

    // True when another process holds the lock of that name (taken and let go at once).
    static bool HeldElsewhere(const QString& name, const QString& folder = QString());

private:
    std::unique_ptr<QLockFile> file_;
    bool held_ = false;
};

QString LockFolder();

}  // namespace kelvora
