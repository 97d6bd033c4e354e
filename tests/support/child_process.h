#pragma once

// Runs a piece of a test in a forked child: to kill it midway, to limit it
// (file size, privileges) without touching the test itself, or to measure
// the memory it used.

#include <QByteArray>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing {

// The unprivileged user that a child becomes when the tests run as root,
// so that a read-only file or folder really refuses a write.
inline constexpr uid_t Nobody = 65534;

struct ChildResult {
    int exitCode = -1;  // -1 when the child did not exit normally
    QByteArray message; // what the child wrote to its message pipe
    long maxResidentKb = 0;
};

// Forks; the child becomes Nobody if `unprivileged` and the test runs as
// root, then runs `body`, which may write a message to the given pipe, and
// exits with its result.
inline ChildResult runInChild(const std::function<int(int messageFd)>& body, bool unprivileged = false)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        if (unprivileged && ::getuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                ::_exit(125);
        }
        ::_exit(body(pipeFds[1]));
    }
    ::close(pipeFds[1]);
    ChildResult result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        result.message.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.maxResidentKb = usage.ru_maxrss;
    return result;
}

inline void sendMessage(int fd, const std::string& text)
{
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n <= 0)
            return;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

} // namespace testing
