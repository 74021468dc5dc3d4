#include "NamedLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

namespace {

QString Reason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString LockFilePath(const QString& folder, const QString& name) { return folder + "/" + name + ".lock"; }

QString FolderOrDefault(const QString& folder) { return folder.isEmpty() ? LockFolder() : folder; }

}  // namespace

QString LockFolder() {
    const QString fromEnv = qEnvironmentVariable("KELVORA_LOCK_DIR");
    if (!fromEnv.isEmpty()) return fromEnv;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) return runtime;
    // One folder per user id: a shared name could belong to another user.
    return QDir::tempPath() + "/kelvora-locks-" + QString::number(::geteuid());
}

bool PrepareLockFolder(const QString& folder, QString* error) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat s {};
    if (::lstat(path.constData(), &s) != 0) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
            if (error) *error = Reason(errno);
            return false;
        }
        if (::lstat(path.constData(), &s) != 0) {
            if (error) *error = Reason(errno);
            return false;
        }
    }
    if (!S_ISDIR(s.st_mode)) {
        if (error) *error = QStringLiteral("it is not a folder");
        return false;
    }
    if (s.st_uid != ::geteuid()) {
        if (error) *error = QStringLiteral("the folder belongs to another user");
        return false;
    }
    if (::access(path.constData(), W_OK | X_OK) != 0) {
        if (error) *error = Reason(errno);
        return false;
    }
    return true;
}

NamedLock::NamedLock(const QString& name, const QString& folder)
    : folder_(FolderOrDefault(folder)), path_(LockFilePath(folder_, name)) {}

NamedLock::~NamedLock() { Release(); }

bool NamedLock::TryAcquire() {
    if (Held()) return true;
    error_.clear();
    if (!PrepareLockFolder(folder_, &error_)) return false;
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        error_ = Reason(errno);
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) error_ = Reason(errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void NamedLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

NamedLock::TProbe NamedLock::Probe(const QString& name, const QString& folder, QString* error) {
    const QString dir = FolderOrDefault(folder);
    if (!PrepareLockFolder(dir, error)) return TProbe::Unusable;
    // No file: nobody ever held it. The probe never creates one.
    const int fd = ::open(QFile::encodeName(LockFilePath(dir, name)).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return TProbe::Free;
        if (error) *error = Reason(errno);
        return TProbe::Unusable;
    }
    // A shared lock is refused only by a holder's exclusive one; probes share.
    TProbe result = TProbe::Free;
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0) ::flock(fd, LOCK_UN);
    else if (errno == EWOULDBLOCK) result = TProbe::HeldElsewhere;
    else {
        if (error) *error = Reason(errno);
        result = TProbe::Unusable;
    }
    ::close(fd);
    return result;
}

bool NamedLock::HeldElsewhere(const QString& name, const QString& folder) {
    return Probe(name, folder, nullptr) == TProbe::HeldElsewhere;
}

}  // namespace kelvora
