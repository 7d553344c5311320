#include "ChildProcess.h"

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

const uid_t kNobody = 65534;

// Enters the mode; "" on success, else why not.
std::string enter(ChildProcess::Mode mode)
{
    if (mode == ChildProcess::AsIs)
        return std::string();
    if (mode == ChildProcess::Unprivileged) {
        if (::getuid() != 0)
            return std::string();
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            return std::string("skipped: cannot become nobody: ") + std::strerror(errno);
        return std::string();
    }
    if (::unshare(CLONE_NEWNS) != 0)
        return std::string("skipped: no mount namespace: ") + std::strerror(errno);
    if (::mount("none", "/", "none", MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("skipped: cannot make the mounts private: ") + std::strerror(errno);
    return std::string();
}

void writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

} // namespace

std::string ChildProcess::run(Mode mode, const std::function<std::string()>& body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return std::string("no pipe: ") + std::strerror(errno);
    const pid_t child = ::fork();
    if (child < 0)
        return std::string("no fork: ") + std::strerror(errno);
    if (child == 0) {
        ::close(channel[0]);
        std::string result = enter(mode);
        if (result.empty())
            result = body();
        writeAll(channel[1], result);
        // _exit skips the leak check that ends a sanitized process.
#if defined(__SANITIZE_ADDRESS__)
        ::_exit(__lsan_do_recoverable_leak_check() ? 1 : 0);
#else
        ::_exit(0);
#endif
    }
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(channel[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the child process failed with status " + std::to_string(status) + ": " + result;
    return result;
}
