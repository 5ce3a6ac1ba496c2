#pragma once
// Exclusive advisory locks (flock) shared by every process that works in a workspace: the lock of the
// task register and the claim of a task input by an optimisation run. A lock is held while its object
// lives and is released when the process ends in any way, so a crashed holder never blocks the others.
#include "common/errors.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace zep {

// The wait for a lock ran out: another process holds it.
class LockTimeout : public FileAccessError {
public:
    using FileAccessError::FileAccessError;
};

class FileLock {
public:
    FileLock(FileLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Locks `path` (created when missing), waiting up to `wait`; throws LockTimeout with `busyMessage`
    // when the wait runs out, FileAccessError when the file cannot be opened.
    static FileLock acquire(const std::filesystem::path& path, std::chrono::milliseconds wait,
                            const std::string& busyMessage);
    // Locks the existing file `path` unless another process holds it (nullopt); nullopt too when the
    // file is gone.
    static std::optional<FileLock> try_acquire_existing(const std::filesystem::path& path);

    // The locked file, open for reading.
    int fd() const { return fd_; }

private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

} // namespace zep
