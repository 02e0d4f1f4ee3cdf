// The whole program as a user starts it, measured from outside: the built
// bin/lumtar with simulated keyboards (LUMTAR_SIMULATED_DEVICES, as the
// README starts it), each run in a fresh home, on a private Xvfb.
//   - Start to the window mapped on the X server, beside a plain Qt window
//     program started the same way in the same run (median of three).
//   - Idle on the page shown at start, after 10 s to settle, over 30 s: the
//     process's CPU (utime + stime of /proc/<pid>/stat) and the context
//     switches of all its threads (voluntary + nonvoluntary of
//     /proc/<pid>/task/*/status), with the busiest threads by name, for one
//     and for four keyboards, and the plain window's idle as the floor. A
//     thread woken without cause shows here at once.
//
// Targets: mapped within 1.5 x the plain window; idle with one LT108HE and
// its animated default effect at most 0.5 % of one core, with four at most
// 1.5 % (a plain Qt window idles at about 0.07 %).
//
// The floor beside them comes from the protocol, on this machine: a process
// that only waits as the keyboard's stream makes the I/O thread wait (a
// frame every stream tick, as many reports as the model's light batch, the
// I/O thread's least spacing between two writes) and does nothing else. The
// program cannot idle below it while it streams to a keyboard.
//
// Usage: bench_idleprocess [measure-seconds [settle-seconds]]
#include "device/DeviceModelLists.h"
#include "device/MainHidInterFace.h"
#include "support/ChildProcess.h"
#include "support/XvfbServer.h"
#include "ui/mainwidget/devicePage/lightDeal/LightPeriodicThread.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QVector>

#include <X11/Xlib.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

const char *const kOneKeyboard = "LT108HE";
const char *const kFourKeyboards = "LT108HE,LT104RGB,LT68HE,LT108HE";

// Waits for the first top-level window an X client maps (override-redirect
// popups aside). The connection listens before the child starts.
class MapWatch
{
public:
    bool open()
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return false;
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
        XSync(m_display, True);
        return true;
    }
    ~MapWatch()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    void drain() { XSync(m_display, True); }

    // Milliseconds of `clock` when a window was mapped; -1 after timeoutMs.
    double waitForMap(const QElapsedTimer &clock, int timeoutMs)
    {
        while (clock.elapsed() < timeoutMs) {
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == MapNotify && !event.xmap.override_redirect) {
                    m_first = event.xmap.window;
                    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
                }
            }
            pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
            poll(&fd, 1, 5);
        }
        return -1;
    }

    // Top-level windows shown now (the main window, and the firmware
    // update window when it came up).
    QVector<Window> shownWindows()
    {
        Window root = 0, parent = 0;
        Window *children = nullptr;
        unsigned count = 0;
        QVector<Window> shown;
        if (XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count)) {
            for (unsigned i = 0; i < count; ++i) {
                XWindowAttributes a;
                if (XGetWindowAttributes(m_display, children[i], &a) && a.map_state == IsViewable
                    && !a.override_redirect)
                    shown << children[i];
            }
            XFree(children);
        }
        return shown;
    }

    // Asks every shown window but the first one mapped to close, as a
    // window manager's close button does; how many were asked.
    int closeOthers()
    {
        const Atom protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
        const Atom deleteWindow = XInternAtom(m_display, "WM_DELETE_WINDOW", False);
        int asked = 0;
        for (Window w : shownWindows()) {
            if (w == m_first)
                continue;
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = w;
            event.xclient.message_type = protocols;
            event.xclient.format = 32;
            event.xclient.data.l[0] = static_cast<long>(deleteWindow);
            event.xclient.data.l[1] = CurrentTime;
            XSendEvent(m_display, w, False, NoEventMask, &event);
            ++asked;
        }
        XFlush(m_display);
        return asked;
    }

private:
    Display *m_display = nullptr;
    Window m_first = 0;
};

// One program started in a home of its own, its output dropped.
class Child
{
public:
    bool start(const QByteArray &program, const char *models)
    {
        if (!m_home.isValid())
            return false;
        const QByteArray home = QFile::encodeName(m_home.path());
        QDir(m_home.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(m_home.path() + QStringLiteral("/run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                         | QFileDevice::ExeOwner);
        QList<QByteArray> env;
        for (char **e = environ; *e; ++e) {
            const QByteArray entry(*e);
            if (!entry.startsWith("HOME=") && !entry.startsWith("XDG_") && !entry.startsWith("LUMTAR_")
                && !entry.startsWith("QT_QPA_PLATFORM="))
                env << entry;
        }
        env << "HOME=" + home << "XDG_CONFIG_HOME=" + home + "/.config" << "XDG_DATA_HOME=" + home + "/.local/share"
            << "XDG_CACHE_HOME=" + home + "/.cache" << "XDG_RUNTIME_DIR=" + home + "/run";
        if (models)
            env << QByteArray("LUMTAR_SIMULATED_DEVICES=") + models;
        std::vector<char *> envp;
        for (QByteArray &entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        QByteArray path = program;
        char *argv[] = {path.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const int failed = posix_spawn(&m_pid, path.constData(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (failed)
            m_pid = -1;
        return m_pid > 0;
    }
    ~Child() { stop(); }
    void stop()
    {
        if (m_pid > 0)
            ChildProcess::end(m_pid, SIGTERM, 10000);
        m_pid = -1;
    }
    pid_t pid() const { return m_pid; }

private:
    QTemporaryDir m_home;
    pid_t m_pid = -1;
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// utime + stime in clock ticks of a /proc stat line.
double statTicks(const QByteArray &line)
{
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields.at(11).toDouble() + fields.at(12).toDouble() : 0;
}

struct ThreadSample {
    QByteArray name;
    double ticks = 0;
    long switches = 0;
};

struct Sample {
    double processTicks = 0;
    QMap<QByteArray, ThreadSample> threads; // by thread id
};

Sample sample(pid_t pid)
{
    Sample s;
    const QString proc = QStringLiteral("/proc/%1").arg(pid);
    s.processTicks = statTicks(readFile(proc + QStringLiteral("/stat")));
    const QDir tasks(proc + QStringLiteral("/task"));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        ThreadSample t;
        t.name = readFile(tasks.filePath(tid + QStringLiteral("/comm"))).trimmed();
        t.ticks = statTicks(readFile(tasks.filePath(tid + QStringLiteral("/stat"))));
        for (const QByteArray &line : readFile(tasks.filePath(tid + QStringLiteral("/status"))).split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                t.switches += line.mid(line.indexOf(':') + 1).trimmed().toLong();
        }
        s.threads.insert(tid.toLatin1(), t);
    }
    return s;
}

void idleFor(int ms)
{
    usleep(static_cast<useconds_t>(ms) * 1000);
}

double median(QVector<double> v)
{
    if (v.isEmpty())
        return -1;
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// Start to mapped of one program; -1 when it did not map.
double mappedMs(MapWatch &watch, const QByteArray &program, const char *models)
{
    watch.drain();
    Child child;
    QElapsedTimer clock;
    clock.start();
    if (!child.start(program, models))
        return -1;
    return watch.waitForMap(clock, 20000);
}

// CPU and context switches of a running program over measureS.
void measureRunning(const char *what, pid_t pid, int measureS)
{
    const Sample before = sample(pid);
    QElapsedTimer wall;
    wall.start();
    idleFor(measureS * 1000);
    const Sample after = sample(pid);
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double hz = static_cast<double>(sysconf(_SC_CLK_TCK));

    long switches = 0;
    struct Busy {
        QByteArray name;
        double cpu;
        double switchesPerSecond;
    };
    QVector<Busy> busy;
    for (auto it = after.threads.cbegin(); it != after.threads.cend(); ++it) {
        const ThreadSample start = before.threads.value(it.key());
        const long s = it->switches - start.switches;
        switches += s;
        busy.append({it->name, 100.0 * (it->ticks - start.ticks) / hz / seconds, static_cast<double>(s) / seconds});
    }
    std::sort(busy.begin(), busy.end(), [](const Busy &a, const Busy &b) {
        return a.switchesPerSecond + 100 * a.cpu > b.switchesPerSecond + 100 * b.cpu;
    });
    std::printf("  %-34s CPU %5.2f%% of one core, %7.1f context switches/s, %d threads\n", what,
                100.0 * (after.processTicks - before.processTicks) / hz / seconds,
                static_cast<double>(switches) / seconds, after.threads.size());
    for (int i = 0; i < busy.size() && i < 5; ++i) {
        if (busy.at(i).switchesPerSecond < 0.05 && busy.at(i).cpu < 0.005)
            break;
        std::printf("      %-18s CPU %5.2f%%  %7.1f switches/s\n", busy.at(i).name.constData(), busy.at(i).cpu,
                    busy.at(i).switchesPerSecond);
    }
    std::fflush(stdout);
}

// Idle of one program after settleS: as it stands, and when the settling
// brought up another window (the firmware update window), once more after
// closing it.
void measureIdle(MapWatch &watch, const QByteArray &what, const QByteArray &program, const char *models, int settleS,
                 int measureS)
{
    watch.drain();
    Child child;
    QElapsedTimer clock;
    clock.start();
    if (!child.start(program, models) || watch.waitForMap(clock, 20000) < 0) {
        std::printf("  %-34s did not show its window\n", what.constData());
        return;
    }
    idleFor(settleS * 1000);
    const bool others = watch.shownWindows().size() > 1;
    measureRunning((what + (others ? ", update window open" : "")).constData(), child.pid(), measureS);
    if (others && watch.closeOthers() > 0) {
        idleFor(2000);
        measureRunning((what + ", update window closed").constData(), child.pid(), measureS);
    }
}

// The waits of the stream alone, in a child process: every stream tick one
// frame of `reports` reports, each write at least the I/O thread's spacing
// after the one before.
void measurePacingFloor(int measureS)
{
    const int reports = DeviceModelLists::lightBatchLimit(QString::fromLatin1(kOneKeyboard)) + 1;
    const long spacingNs = 1000000L * MainHidInterFace::WriteSpacingUnits / 40; // 40 timer units a millisecond
    const long periodNs = 1000000L * LightPeriodicThread::PeriodMs;
    const pid_t pid = fork();
    if (pid < 0)
        return;
    if (pid == 0) {
        timespec next{};
        clock_gettime(CLOCK_MONOTONIC, &next);
        for (;;) {
            for (int r = 0; r < reports; ++r) {
                const timespec spacing{0, spacingNs};
                ppoll(nullptr, 0, &spacing, nullptr);
            }
            next.tv_nsec += periodNs;
            while (next.tv_nsec >= 1000000000L) {
                next.tv_nsec -= 1000000000L;
                ++next.tv_sec;
            }
            clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        }
    }
    idleFor(1000);
    const QByteArray what = QByteArrayLiteral("stream's waits alone (floor), ") + QByteArray::number(reports)
                            + " reports a tick";
    measureRunning(what.constData(), pid, measureS);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int measureS = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const int settleS = argc > 2 ? std::max(0, std::atoi(argv[2])) : 10;
    const QByteArray program = LUMTAR_PROGRAM;
    const QByteArray plain = PLAIN_QT_WINDOW;

    XvfbServer xvfb(QSize(1920, 1080));
    QString error;
    if (!xvfb.start(&error)) {
        std::printf("no private X server: %s\n", qPrintable(error));
        return 0;
    }
    MapWatch watch;
    if (!watch.open()) {
        std::printf("cannot watch the private X server\n");
        return 0;
    }

    std::printf("start to the window mapped on the X server, median of 3 (target <= 1.5 x the plain window)\n");
    QVector<double> plainMs, oneMs, fourMs;
    for (int i = 0; i < 3; ++i) {
        plainMs << mappedMs(watch, plain, nullptr);
        oneMs << mappedMs(watch, program, kOneKeyboard);
        fourMs << mappedMs(watch, program, kFourKeyboards);
    }
    const double plainMedian = median(plainMs);
    std::printf("  plain Qt window          %7.1f ms\n", plainMedian);
    for (const auto &row : {std::make_pair("lumtar, 1 keyboard", median(oneMs)),
                            std::make_pair("lumtar, 4 keyboards", median(fourMs))})
        std::printf("  %-24s %7.1f ms = %.2f x the plain window\n", row.first, row.second,
                    plainMedian > 0 ? row.second / plainMedian : 0.0);
    std::fflush(stdout);

    std::printf("idle on the page shown at start: %d s to settle, then %d s (targets 0.5 %% with one keyboard, "
                "1.5 %% with four)\n",
                settleS, measureS);
    measureIdle(watch, "plain Qt window", plain, nullptr, 2, measureS);
    measurePacingFloor(measureS);
    measureIdle(watch, "lumtar, 1 keyboard", program, kOneKeyboard, settleS, measureS);
    measureIdle(watch, "lumtar, 4 keyboards", program, kFourKeyboards, settleS, measureS);
    return 0;
}
