#pragma once
// A tiny tmpfs mounted on a temporary folder, so that a test can fill a file system for
// real. Mounting needs root (as in CI); where it is not allowed, Mounted() is false and
// Why() says so, and the test skips.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace kelvora::test {

class SmallFileSystem {
public:
    explicit SmallFileSystem(int kibibytes) {
        if (!dir_.isValid()) {
            why_ = "no temporary folder for the mount point";
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0755";
        if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    options.constData()) != 0)
            why_ = QString("cannot mount a small tmpfs here (%1); the full-disk case is not tested")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
        else mounted_ = true;
    }
    ~SmallFileSystem() { Unmount(); }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool Mounted() const { return mounted_; }
    QString Why() const { return why_; }
    QString Folder() const { return dir_.path() + "/"; }

    // Bytes still free for a file's data.
    qint64 FreeBytes() const {
        struct statvfs s {};
        if (::statvfs(QFile::encodeName(dir_.path()).constData(), &s) != 0) return 0;
        return static_cast<qint64>(s.f_bavail) * static_cast<qint64>(s.f_frsize);
    }

    // Takes all space but about leaveBytes with a filler file; true when the file
    // system is then as full as asked.
    bool Fill(qint64 leaveBytes = 0) {
        const int fd = ::open(QFile::encodeName(Folder() + "filler").constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd < 0) return false;
        const QByteArray block(4096, 'x');
        while (FreeBytes() > leaveBytes) {
            const qint64 want = std::min<qint64>(block.size(), FreeBytes() - leaveBytes);
            if (::write(fd, block.constData(), static_cast<size_t>(want)) <= 0) break;
        }
        ::close(fd);
        return FreeBytes() <= leaveBytes;
    }
    void Free() { QFile::remove(Folder() + "filler"); }

    void Unmount() {
        if (!mounted_) return;
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
        mounted_ = false;
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString why_;
};

}  // namespace kelvora::test
