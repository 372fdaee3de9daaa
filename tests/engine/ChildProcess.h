#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a forked child and returns its exit code, for what must not touch
// the test process: dropped privileges, resource limits.
inline int RunInChild(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}
