#include "SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Plain system calls rather than QSaveFile: a buffered QSaveFile reported success after
// a write had failed with "no space left", and renamed the empty file over the good one.

namespace kelvora {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    bool Close() {
        if (fd_ < 0) return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

// A write that fails for any reason, short writes included, makes the whole file fail.
bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

// Opens a new hidden file beside the target; the mode is the one a new file gets.
int CreateTemporary(const QByteArray& folder, const QByteArray& name, QByteArray& tempPath) {
    static std::atomic<int> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + "/." + name + ".tmp-" + QByteArray::number(::getpid()) + "-" +
                   QByteArray::number(counter++);
        const int fd = ::open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Once the rename is done the file is whole either way; the folder sync only makes the
// rename itself survive a power cut, and some file systems cannot sync a folder.
void SyncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

bool Fail(const QString& path, int err, QString* error) {
    if (error)
        *error = QStringLiteral("Cannot write %1: %2").arg(QFileInfo(path).fileName(),
                                                          QString::fromLocal8Bit(std::strerror(err)));
    return false;
}

}  // namespace

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error) {
    // A link is followed, so that the link stays and the file it names is replaced.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QFileInfo target(canonical.isEmpty() ? path : canonical);
    const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(target.absolutePath());

    struct stat old {};
    const bool replacing = ::stat(targetPath.constData(), &old) == 0;
    if (replacing && ::access(targetPath.constData(), W_OK) != 0) return Fail(path, errno, error);

    QByteArray tempPath;
    Descriptor file(CreateTemporary(folder, QFile::encodeName(target.fileName()), tempPath));
    if (file.Get() < 0) return Fail(path, errno, error);
    auto discard = [&](int err) {
        file.Close();
        ::unlink(tempPath.constData());
        return Fail(path, err, error);
    };
    if (replacing) {
        // Ownership can only be kept by a privileged process; the mode always is.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            (void)!::fchown(file.Get(), old.st_uid, old.st_gid);
        if (::fchmod(file.Get(), old.st_mode & 07777) != 0) return discard(errno);
    }
    if (!WriteAll(file.Get(), bytes)) return discard(errno);
    if (::fsync(file.Get()) != 0) return discard(errno);
    if (!file.Close()) return discard(errno);
    if (::rename(tempPath.constData(), targetPath.constData()) != 0) return discard(errno);
    SyncFolder(folder);
    return true;
}

QByteArray CrLfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace kelvora
