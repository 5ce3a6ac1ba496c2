#include "common/atomic_file.h"

#include "common/errors.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>

namespace zep {

namespace {

void refuse_directory(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileAccessError("\"" + path.string() + "\" is a directory, not a file.");
}

} // namespace

std::vector<std::uint8_t> read_whole_file(const std::filesystem::path& path) {
    refuse_directory(path);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileAccessError("Cannot open the file \"" + path.string() + "\" for reading.");
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw FileAccessError("Cannot read the file \"" + path.string() + "\".");
    return data;
}

namespace {

// "<name>.<pid>-<n>.tmp" beside `path`: every writer, in any process or thread, has a name of its own,
// so two writers of one file never write into each other's temporary file.
std::filesystem::path unique_neighbour(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path tmp = path;
    tmp += "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    return tmp;
}

} // namespace

void write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    auto fail = [&](const char* what) {
        throw FileAccessError(std::string("Cannot ") + what + " the file \"" + path.string() +
                              "\": " + std::strerror(errno) + ".");
    };
    refuse_directory(path);
    std::filesystem::path tmp;
    int fd = -1;
    do {
        tmp = unique_neighbour(path);
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EEXIST);
    if (fd < 0)
        fail("write");
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int saved = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            errno = saved;
            fail("write");
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        int saved = errno;
        ::unlink(tmp.c_str());
        errno = saved;
        fail("write");
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        int saved = errno;
        ::unlink(tmp.c_str());
        errno = saved;
        fail("replace");
    }
}

FileRestore::FileRestore(std::vector<std::filesystem::path> paths) {
    for (auto& path : paths) {
        Saved s{std::move(path)};
        std::error_code ec;
        s.existed = std::filesystem::is_regular_file(s.path, ec);
        if (s.existed)
            s.bytes = read_whole_file(s.path);
        saved_.push_back(std::move(s));
    }
}

FileRestore::~FileRestore() {
    if (kept_)
        return;
    for (const Saved& s : saved_) {
        std::error_code ec;
        try {
            if (s.existed)
                write_file_atomically(s.path, s.bytes);
            else
                std::filesystem::remove(s.path, ec);
        } catch (const std::exception&) {
            // Best effort: the error that undoes the change is already on its way to the user.
        }
    }
}

} // namespace zep
