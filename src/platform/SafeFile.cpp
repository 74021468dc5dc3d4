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
        tempPath =
            folder + "/." + name + ".tmp-" + QByteArray::number(::getpid()) + "-" + QByteArray::number(counter++);
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
        *error = QStringLiteral("Cannot write %1: %2")
                     .arg(QFileInfo(path).fileName(), QString::fromLocal8Bit(std::strerror(err)));
    return false;
}

// A new file written in full beside its target, not yet renamed over it.
struct TPrepared {
    QString Path;  // as the caller named it, for the messages
    QByteArray TargetPath;  // a link resolved to the file it names
    QByteArray Folder;
    QByteArray TempPath;
    bool Replacing = false;
};

bool Prepare(const QString& path, const QByteArray& bytes, TPrepared& prepared, QString* error) {
    // A link is followed, so that the link stays and the file it names is replaced.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QFileInfo target(canonical.isEmpty() ? path : canonical);
    prepared.Path = path;
    prepared.TargetPath = QFile::encodeName(target.absoluteFilePath());
    prepared.Folder = QFile::encodeName(target.absolutePath());

    struct stat old {};
    prepared.Replacing = ::stat(prepared.TargetPath.constData(), &old) == 0;
    if (prepared.Replacing && ::access(prepared.TargetPath.constData(), W_OK) != 0) return Fail(path, errno, error);

    Descriptor file(CreateTemporary(prepared.Folder, QFile::encodeName(target.fileName()), prepared.TempPath));
    if (file.Get() < 0) {
        prepared.TempPath.clear();
        return Fail(path, errno, error);
    }
    auto discard = [&](int err) {
        file.Close();
        ::unlink(prepared.TempPath.constData());
        prepared.TempPath.clear();
        return Fail(path, err, error);
    };
    if (prepared.Replacing) {
        // Ownership can only be kept by a privileged process; the mode always is.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(file.Get(), old.st_uid, old.st_gid);
        if (::fchmod(file.Get(), old.st_mode & 07777) != 0) return discard(errno);
    }
    if (!WriteAll(file.Get(), bytes)) return discard(errno);
    if (::fsync(file.Get()) != 0) return discard(errno);
    if (!file.Close()) return discard(errno);
    return true;
}

// A second name for the old file, so that it can be put back after its replacement.
// A hard link keeps the very file; where links are not allowed, a synced copy.
bool KeepOldAs(const TPrepared& file, QByteArray& keptPath) {
    static std::atomic<int> counter{0};
    const QByteArray name = QFileInfo(QFile::decodeName(file.TargetPath)).fileName().toLocal8Bit();
    for (int attempt = 0; attempt < 100; ++attempt) {
        keptPath =
            file.Folder + "/." + name + ".old-" + QByteArray::number(::getpid()) + "-" + QByteArray::number(counter++);
        if (::link(file.TargetPath.constData(), keptPath.constData()) == 0) return true;
        if (errno == EEXIST) continue;
        if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK) return false;
        struct stat info {};
        if (::stat(file.TargetPath.constData(), &info) != 0) return false;
        if (!S_ISREG(info.st_mode)) {
            errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
            return false;
        }
        QFile old(QFile::decodeName(file.TargetPath));
        if (!old.open(QIODevice::ReadOnly)) return false;
        const QByteArray bytes = old.readAll();
        Descriptor copy(::open(keptPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 07777));
        if (copy.Get() < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        const bool kept = WriteAll(copy.Get(), bytes) && ::fsync(copy.Get()) == 0 && copy.Close();
        if (!kept) ::unlink(keptPath.constData());
        return kept;
    }
    return false;
}

// The same; keptPath names the kept file only when there is one.
bool KeepOld(const TPrepared& file, QByteArray& keptPath) {
    if (KeepOldAs(file, keptPath)) return true;
    const int err = errno;
    keptPath.clear();
    errno = err;
    return false;
}

}  // namespace

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error) {
    TPrepared file;
    if (!Prepare(path, bytes, file, error)) return false;
    if (::rename(file.TempPath.constData(), file.TargetPath.constData()) != 0) {
        const int err = errno;
        ::unlink(file.TempPath.constData());
        return Fail(path, err, error);
    }
    SyncFolder(file.Folder);
    return true;
}

bool WriteFilesTogether(const std::vector<TFileWrite>& files, QString* error) {
    std::vector<TPrepared> prepared(files.size());
    std::vector<QByteArray> kept(files.size());
    auto unlinkAll = [](const std::vector<QByteArray>& paths, size_t from) {
        for (size_t i = from; i < paths.size(); ++i)
            if (!paths[i].isEmpty()) ::unlink(paths[i].constData());
    };
    auto temps = [&] {
        std::vector<QByteArray> paths;
        for (const TPrepared& p : prepared) paths.push_back(p.TempPath);
        return paths;
    };
    for (size_t i = 0; i < files.size(); ++i) {
        if (!Prepare(files[i].Path, files[i].Bytes, prepared[i], error)) {
            unlinkAll(temps(), 0);
            return false;
        }
    }
    for (size_t i = 0; i < prepared.size(); ++i) {
        const TPrepared& file = prepared[i];
        const bool done = (!file.Replacing || KeepOld(file, kept[i])) &&
                          ::rename(file.TempPath.constData(), file.TargetPath.constData()) == 0;
        if (done) continue;
        const int err = errno;
        // Back to the old state, the latest first: a kept file is renamed back over
        // its replacement, a file that was new goes again.
        for (size_t j = i; j-- > 0;) {
            if (prepared[j].Replacing) {
                if (::rename(kept[j].constData(), prepared[j].TargetPath.constData()) == 0) kept[j].clear();
            } else {
                ::unlink(prepared[j].TargetPath.constData());
            }
        }
        unlinkAll(temps(), i);
        // An old file that could not be put back stays under its hidden name.
        if (!kept[i].isEmpty()) ::unlink(kept[i].constData());
        for (const TPrepared& p : prepared) SyncFolder(p.Folder);
        return Fail(file.Path, err, error);
    }
    unlinkAll(kept, 0);
    for (const TPrepared& p : prepared) SyncFolder(p.Folder);
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
