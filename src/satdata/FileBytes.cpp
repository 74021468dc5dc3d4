#include "FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace kelvora {

namespace {
bool Fail(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
}

bool NotRegular(std::string* error, const std::string& path) {
    if (error) *error = "cannot read " + path + ": not a regular file";
    return false;
}

// Closes the descriptor when the scope ends, whatever path is taken.
struct TFd {
    int fd = -1;
    ~TFd() {
        if (fd >= 0) ::close(fd);
    }
};
}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes, std::string* error, bool* cut) {
    // Only a regular file is read: a FIFO or a device could block for ever or never
    // end. The look before opening spares a device the open; O_NONBLOCK keeps an
    // open from blocking on a FIFO put in the file's place meanwhile.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return Fail(error, "cannot open " + path);
    if (!S_ISREG(info.st_mode)) return NotRegular(error, path);
    TFd file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    if (file.fd < 0) return Fail(error, "cannot open " + path);
    if (::fstat(file.fd, &info) != 0) return Fail(error, "cannot read " + path);
    if (!S_ISREG(info.st_mode)) return NotRegular(error, path);
    std::string out;
    char chunk[65536];
    while (out.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - out.size());
        const ssize_t got = ::read(file.fd, chunk, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            return Fail(error, "cannot read " + path);
        }
        if (got == 0) break;
        out.append(chunk, static_cast<std::size_t>(got));
    }
    if (cut) {
        // One more byte says whether anything was left unread.
        *cut = false;
        if (out.size() >= maxBytes) {
            ssize_t got;
            do got = ::read(file.fd, chunk, 1);
            while (got < 0 && errno == EINTR);
            *cut = got != 0;
        }
    }
    bytes = std::move(out);
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view bytes, std::size_t maxLines) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size() && lines.size() < maxLines) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

bool WriteFileBytesSafely(const std::string& path, std::string_view bytes, std::string* error) {
    std::vector<char> temp(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    temp.insert(temp.end(), suffix, suffix + sizeof suffix);  // with the final NUL
    TFd file{::mkstemp(temp.data())};
    if (file.fd < 0) return Fail(error, "cannot create a temporary file beside " + path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(file.fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            const bool ok = Fail(error, "cannot write " + path);
            ::unlink(temp.data());
            return ok;
        }
        done += static_cast<std::size_t>(put);
    }
    // A rewritten file keeps its permissions; a new one is readable by all.
    struct stat old {};
    ::fchmod(file.fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    if (::fsync(file.fd) != 0 || ::close(file.fd) != 0) {
        file.fd = -1;
        const bool ok = Fail(error, "cannot write " + path);
        ::unlink(temp.data());
        return ok;
    }
    file.fd = -1;
    if (std::rename(temp.data(), path.c_str()) != 0) {
        const bool ok = Fail(error, "cannot replace " + path);
        ::unlink(temp.data());
        return ok;
    }
    return true;
}

}  // namespace kelvora
