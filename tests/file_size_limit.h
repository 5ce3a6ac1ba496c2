#pragma once
// A write that fails half-way, as on a full disk or a quota, which even root meets: `work` runs in a
// child process whose files may not grow past `limit` bytes.
#include "common/errors.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zep::test {

// True when `work`, run under the limit, ended with a FileAccessError (and nothing else).
inline bool fails_to_write_under_limit(rlim_t limit, const std::function<void()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        try {
            work();
        } catch (const FileAccessError&) {
            _exit(0);
        } catch (...) {
        }
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace zep::test
