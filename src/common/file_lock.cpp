#include "common/file_lock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace zep {

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_); // closing the last descriptor releases the flock
}

FileLock FileLock::acquire(const std::filesystem::path& path, std::chrono::milliseconds wait,
                           const std::string& busyMessage) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        throw FileAccessError("Cannot open the lock file \"" + path.string() + "\": " + std::strerror(errno) +
                              ".");
    FileLock lock(fd);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            throw FileAccessError("Cannot lock the file \"" + path.string() + "\": " + std::strerror(errno) +
                                  ".");
        if (std::chrono::steady_clock::now() >= deadline)
            throw LockTimeout(busyMessage);
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    return lock;
}

std::optional<FileLock> FileLock::try_acquire_existing(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    FileLock lock(fd);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        if (errno != EINTR)
            return std::nullopt;
    return lock;
}

} // namespace zep
