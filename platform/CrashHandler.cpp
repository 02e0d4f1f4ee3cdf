#include "platform/CrashHandler.h"

#include "platform/ThreadSignalStacks.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace CrashHandler {

namespace {

const char kMarkerName[] = "pending-notice";
const int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

// Everything the handler needs is prepared here at install time: inside a
// signal handler only async-signal-safe calls and plain arithmetic are used.
char g_dumpDir[1024];
long g_utcOffsetSeconds = 0;
// The kernel id of the thread writing the report; 0 while none does.
std::atomic<long> g_reportingThread{0};
static_assert(std::atomic<long>::is_always_lock_free, "the handler needs a lock-free claim");
// How long a second crashing thread waits for the first one's report.
constexpr int kWaitForReportSeconds = 30;

// Small async-signal-safe text helpers.
size_t textLength(const char *s)
{
    size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

void writeText(int fd, const char *s)
{
    size_t left = textLength(s);
    while (left > 0) {
        const ssize_t n = ::write(fd, s, left);
        if (n <= 0) {
            if (n < 0 && errno == EINTR)
                continue;
            return;
        }
        s += n;
        left -= static_cast<size_t>(n);
    }
}

// Formats value in the given base with at least minDigits digits.
void formatNumber(char *out, unsigned long long value, unsigned base, int minDigits)
{
    char digits[32];
    int n = 0;
    do {
        const unsigned d = static_cast<unsigned>(value % base);
        digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
        value /= base;
    } while (value > 0 && n < 31);
    while (n < minDigits && n < 31)
        digits[n++] = '0';
    for (int i = 0; i < n; ++i)
        out[i] = digits[n - 1 - i];
    out[n] = '\0';
}

void writeNumber(int fd, unsigned long long value, unsigned base = 10, int minDigits = 1)
{
    char text[40];
    formatNumber(text, value, base, minDigits);
    writeText(fd, text);
}

void appendText(char *dest, size_t capacity, const char *src)
{
    size_t n = textLength(dest);
    while (*src && n + 1 < capacity)
        dest[n++] = *src++;
    dest[n] = '\0';
}

void appendNumber(char *dest, size_t capacity, unsigned long long value, int minDigits)
{
    char text[40];
    formatNumber(text, value, 10, minDigits);
    appendText(dest, capacity, text);
}

// Civil date from days since 1970-01-01 (proleptic Gregorian calendar).
void civilFromDays(long long z, int &year, int &month, int &day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

void makeFolders(char *path)
{
    // mkdir -p over a writable copy of the path.
    for (char *p = path + 1; *p; ++p) {
        if (*p == '/') {
            *p = '\0';
            ::mkdir(path, 0700);
            *p = '/';
        }
    }
    ::mkdir(path, 0700);
}

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV (invalid memory access)";
    case SIGBUS: return "SIGBUS (bus error)";
    case SIGILL: return "SIGILL (illegal instruction)";
    case SIGFPE: return "SIGFPE (arithmetic error)";
    case SIGABRT: return "SIGABRT (abort)";
    default: return "unknown signal";
    }
}

void copyFile(int out, const char *path)
{
    const int in = ::open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        ssize_t done = 0;
        while (done < n) {
            const ssize_t w = ::write(out, buffer + done, static_cast<size_t>(n - done));
            if (w <= 0)
                break;
            done += w;
        }
    }
    ::close(in);
}

void writeReport(int sig, const siginfo_t *info)
{
    char dir[sizeof g_dumpDir];
    std::memcpy(dir, g_dumpDir, sizeof dir);
    makeFolders(dir);

    const long long local = static_cast<long long>(::time(nullptr)) + g_utcOffsetSeconds;
    long long days = local / 86400;
    long long secs = local % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    int year, month, day;
    civilFromDays(days, year, month, day);

    char path[sizeof g_dumpDir + 64] = {};
    appendText(path, sizeof path, g_dumpDir);
    appendText(path, sizeof path, "/");
    appendNumber(path, sizeof path, static_cast<unsigned long long>(year), 4);
    appendText(path, sizeof path, "_");
    appendNumber(path, sizeof path, static_cast<unsigned long long>(month), 2);
    appendText(path, sizeof path, "_");
    appendNumber(path, sizeof path, static_cast<unsigned long long>(day), 2);
    appendText(path, sizeof path, "_");
    appendNumber(path, sizeof path, static_cast<unsigned long long>(secs / 3600), 2);
    appendText(path, sizeof path, "_");
    appendNumber(path, sizeof path, static_cast<unsigned long long>((secs / 60) % 60), 2);
    appendText(path, sizeof path, "_");
    appendNumber(path, sizeof path, static_cast<unsigned long long>(secs % 60), 2);
    appendText(path, sizeof path, "_");
    appendNumber(path, sizeof path, static_cast<unsigned long long>(::getpid()), 1);
    appendText(path, sizeof path, ".dmp");

    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeText(fd, "Crash report\nsignal: ");
        writeNumber(fd, static_cast<unsigned long long>(sig));
        writeText(fd, " ");
        writeText(fd, signalName(sig));
        writeText(fd, "\nfault address: 0x");
        writeNumber(fd, reinterpret_cast<unsigned long long>(info ? info->si_addr : nullptr), 16);
        writeText(fd, "\nprocess id: ");
        writeNumber(fd, static_cast<unsigned long long>(::getpid()));
        writeText(fd, "\n\nbacktrace:\n");
        void *frames[64];
        const int count = ::backtrace(frames, 64);
        ::backtrace_symbols_fd(frames, count, fd);
        writeText(fd, "\nmemory map:\n");
        copyFile(fd, "/proc/self/maps");
        writeText(fd, "end of report\n");
        ::close(fd);
    }

    char marker[sizeof g_dumpDir + 32] = {};
    appendText(marker, sizeof marker, g_dumpDir);
    appendText(marker, sizeof marker, "/");
    appendText(marker, sizeof marker, kMarkerName);
    const int mfd = ::open(marker, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (mfd >= 0) {
        writeText(mfd, path);
        writeText(mfd, "\n");
        ::close(mfd);
    }
}

void onFatalSignal(int sig, siginfo_t *info, void *)
{
    // The first thread to crash writes the report. Another one that crashes
    // meanwhile waits: the first ends the process once its report is out.
    // A fault while writing the report ends the process at once.
    const long self = ::syscall(SYS_gettid);
    long reporting = 0;
    if (g_reportingThread.compare_exchange_strong(reporting, self)) {
        writeReport(sig, info);
    } else if (reporting != self) {
        for (int tenth = 0; tenth < kWaitForReportSeconds * 10; ++tenth) {
            const timespec pause{0, 100 * 1000 * 1000};
            ::nanosleep(&pause, nullptr);
        }
    }
    // Die of the same signal: restore the default action and raise it again.
    ::signal(sig, SIG_DFL);
    ::raise(sig);
}

} // namespace

QString reportFileName(int year, int month, int day, int hour, int minute, int second, long pid)
{
    return QString::asprintf("%04d_%02d_%02d_%02d_%02d_%02d_%ld.dmp", year, month, day, hour, minute, second, pid);
}

bool install(const QString &dumpDir)
{
    const QByteArray dir = QFile::encodeName(QDir::cleanPath(dumpDir));
    if (dir.isEmpty() || static_cast<size_t>(dir.size()) >= sizeof g_dumpDir - 64)
        return false;
    std::memcpy(g_dumpDir, dir.constData(), static_cast<size_t>(dir.size()) + 1);

    const time_t now = ::time(nullptr);
    struct tm localTm;
    ::localtime_r(&now, &localTm);
    g_utcOffsetSeconds = localTm.tm_gmtoff;

    // backtrace() loads its unwinder on first use: do that now, not in the handler.
    void *warmUp[1];
    ::backtrace(warmUp, 1);

    // The handler runs on a stack of its own in every thread, so that a
    // thread that ran off its stack still gets its report.
    if (!ThreadSignalStacks::enable())
        return false;

    struct sigaction action = {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    bool ok = true;
    for (int sig : kSignals)
        ok = ::sigaction(sig, &action, nullptr) == 0 && ok;
    return ok;
}

bool takePendingNotice(const QString &dumpDir)
{
    QFile marker(dumpDir + QLatin1Char('/') + QLatin1String(kMarkerName));
    if (!marker.exists())
        return false;
    marker.remove();
    return true;
}

} // namespace CrashHandler
