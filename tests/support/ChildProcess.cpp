#include "support/ChildProcess.h"

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool waitForExit(pid_t pid, int timeoutMs)
{
    for (int waited = 0; waited <= timeoutMs; waited += 10) {
        const pid_t result = waitpid(pid, nullptr, WNOHANG);
        if (result == pid || (result < 0 && errno == ECHILD))
            return true;
        usleep(10 * 1000);
    }
    return false;
}

} // namespace

void ChildProcess::end(pid_t pid, int signal, int timeoutMs)
{
    if (pid <= 0)
        return;
    kill(pid, signal);
    if (!waitForExit(pid, timeoutMs)) {
        kill(pid, SIGKILL);
        waitForExit(pid, timeoutMs);
    }
}
