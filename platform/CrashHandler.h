// Crash reports: a fatal-signal handler that writes a plain-text report
// (signal, faulting address, backtrace, memory map) into the dump folder and
// then lets the process die of the same signal. The "Software exit" notice is
// shown by the next start, never from inside the crashed process.
#ifndef CRASHHANDLER_H
#define CRASHHANDLER_H

#include <QString>

namespace CrashHandler {

// Installs the handler for SIGSEGV, SIGBUS, SIGILL, SIGFPE and SIGABRT on an
// alternate stack, in this thread and in every thread started afterwards.
// dumpDir is created (with its parents) when a crash happens. One report is
// written per crash: a thread that crashes while another writes the report
// waits for it. Returns false when the folder path is too long or the
// handler cannot be set.
bool install(const QString &dumpDir);

// Name of the report file for a crash at the given broken-down local time and
// process id: "yyyy_MM_dd_hh_mm_ss_<pid>.dmp".
QString reportFileName(int year, int month, int day, int hour, int minute, int second, long pid);

// True when a crash report was written since the last call (the handler
// leaves a marker beside the reports); clears the marker.
bool takePendingNotice(const QString &dumpDir);

} // namespace CrashHandler

#endif
