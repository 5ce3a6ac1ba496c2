#pragma once
// Another program that holds a lock of the workspace: a child process takes the flock of a file and
// keeps it until release() (or the end of the holder), or for a fixed time and then ends. The child
// makes system calls only, so it may be forked from a process that runs threads (a window test).
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zep::test {

class LockHolder {
public:
    // Returns once the child holds the lock of `file` (created when missing).
    explicit LockHolder(const std::filesystem::path& file,
                        std::optional<std::chrono::milliseconds> holdFor = std::nullopt) {
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            throw std::runtime_error("cannot make the pipes of a lock holder");
        pid_ = ::fork();
        if (pid_ < 0)
            throw std::runtime_error("cannot start a lock holder");
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(file.c_str(), O_RDWR | O_CREAT, 0644);
            if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
                ::_exit(1);
            const char held = 1;
            if (::write(ready[1], &held, 1) != 1)
                ::_exit(1);
            pollfd until{release[0], POLLIN, 0};
            ::poll(&until, 1, holdFor ? static_cast<int>(holdFor->count()) : -1);
            ::_exit(0); // the lock goes with the process
        }
        ::close(ready[1]);
        ::close(release[0]);
        release_ = release[1];
        char held = 0;
        const bool ok = ::read(ready[0], &held, 1) == 1;
        ::close(ready[0]);
        if (!ok) {
            this->release();
            throw std::runtime_error("the lock holder did not take the lock of " + file.string());
        }
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    ~LockHolder() { release(); }

    // Ends the child (at once, or when its time is up) and waits for it: the lock is free afterwards.
    void release() {
        if (pid_ <= 0)
            return;
        ::close(release_);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
};

} // namespace zep::test
