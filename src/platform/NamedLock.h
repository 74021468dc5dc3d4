#pragma once
#include <QString>

namespace kelvora {

// A system-wide named lock, standing in for a named mutex: an advisory lock (flock) on
// a file in a folder of this user. The lock goes with the process, so a lock left by a
// crashed process is simply taken over. Files are never renamed or deleted.
class NamedLock {
public:
    explicit NamedLock(const QString& name, const QString& folder = QString());
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;

    // True when this process now holds the lock; false when another holds it or the
    // lock file cannot be made (then Error() says why).
    bool TryAcquire();
    void Release();
    bool Held() const { return fd_ >= 0; }
    QString Error() const { return error_; }

    enum class TProbe { Free, HeldElsewhere, Unusable };
    // Looks whether another process holds the lock, without taking it: two programs
    // probing at the same moment never see each other as the holder.
    static TProbe Probe(const QString& name, const QString& folder, QString* error);
    static bool HeldElsewhere(const QString& name, const QString& folder = QString());

private:
    QString folder_;
    QString path_;
    int fd_ = -1;
    QString error_;
};

// KELVORA_LOCK_DIR, else the session's runtime folder, else a folder of this user id
// in the temporary folder.
QString LockFolder();

// Creates the folder (0700) when missing and checks that it is a real folder of this
// user that can be written. False with a reason.
bool PrepareLockFolder(const QString& folder, QString* error);

}  // namespace kelvora
