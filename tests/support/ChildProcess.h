// Ending a server process a fixture started: a signal, then a bounded wait
// for it to be reaped, and SIGKILL when it does not go.
#ifndef CHILDPROCESS_H
#define CHILDPROCESS_H

#include <csignal>

#include <sys/types.h>

namespace ChildProcess {

// Sends signal (SIGTERM unless told) and reaps the child; SIGKILL after
// timeoutMs.
void end(pid_t pid, int signal = SIGTERM, int timeoutMs = 5000);

} // namespace ChildProcess

#endif
