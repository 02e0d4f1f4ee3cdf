// Responsiveness of the GUI thread while the device page works, with the
// real main window against simulated keyboards. A 1 ms heartbeat timer in
// the GUI thread records the longest gap between two of its beats while
//   (a) a keyboard is plugged (with the burst of four device-change notices
//       a real plug makes, one per interface) and unplugged,
//   (b) an LT108HE is opened the first time (its profile files are made;
//       the flushes of the stores are counted),
//   (c) a full onboard download runs (both layers, ten macro keys, the
//       empty macro slots and advanced-key records).
// Then, each in a fresh process, the time from the start of the program to
// the first paint of a keyboard with one and with four keyboards attached,
// and the memory (RSS) of the idle program with one keyboard.
//
// Targets: the longest gap under 50 ms in each of (a) to (c); no more
// flushes than files changed in (b); the first keyboard painted within
// 300 ms with one keyboard and with four; idle RSS under 80 MB. (Start to
// the window mapped on an X server, and the idle program's CPU, are
// measured from outside the process by bench_idleprocess.)
//
// Usage: bench_responsiveness            all figures
//        bench_responsiveness --startup N    one start with N keyboards (child)
#include "bench/BenchMacroEvent.h"
#include "core/DDataManager.h"
#include "device/ProfileFileNames.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "sdk/store/AtomicFileWriter.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/KeyboardRoster.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <list>
#include <memory>

using lumtar::sim::SimController;

namespace {

QElapsedTimer g_sinceStart;

qint64 threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Beats every millisecond and keeps the longest gap since the last reset,
// and the most processor time the GUI thread spent within one gap: on a
// busy machine a gap may be long only because the thread waited for a
// processor.
class Heartbeat : public QObject
{
public:
    Heartbeat()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            const qint64 cpu = threadCpuNs();
            m_longest = qMax(m_longest, now - m_last);
            m_longestCpu = qMax(m_longestCpu, cpu - m_lastCpu);
            m_last = now;
            m_lastCpu = cpu;
        });
        m_clock.start();
        m_timer.start();
    }
    void reset()
    {
        m_last = m_clock.nsecsElapsed();
        m_lastCpu = threadCpuNs();
        m_longest = 0;
        m_longestCpu = 0;
    }
    double longestMs() const { return qMax(m_longest, m_clock.nsecsElapsed() - m_last) / 1e6; }
    double longestCpuMs() const { return m_longestCpu / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_lastCpu = 0;
    qint64 m_longest = 0;
    qint64 m_longestCpu = 0;
};

// Runs the event loop until done() or the time limit.
bool runUntil(const std::function<bool()> &done, int limitMs)
{
    QDeadlineTimer deadline(limitMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void privateHome(QTemporaryDir &home)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + QStringLiteral("/cache")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// The four notices of one interface family, as a real plug announces them.
void announce(DMainWidget &window, bool arrived, const char *product)
{
    for (const char *kind : {"usb", "input", "hid", "hidraw"})
        window.onDeviceChangeNotify(arrived, QStringLiteral("%1#vid_1209&pid_%2#/sys/x").arg(QLatin1String(kind),
                                                                                            QLatin1String(product)));
}

// Ten macro keys, half of them on each layer of the shown keyboard's profile.
void bindMacroKeys(const QString &folder)
{
    const QByteArray layers[2] = {
        QFile::encodeName(folder + QLatin1String(ProfileFileNames::fileName(ProfileFileNames::DefaultLayer))),
        QFile::encodeName(folder + QLatin1String(ProfileFileNames::fileName(ProfileFileNames::FnLayer)))};
    for (int m = 0; m < 10; ++m) {
        const QByteArray &path = layers[m % 2];
        std::list<KeyOrMouseEventStu> events;
        for (int e = 0; e < 20; ++e)
            events.push_back(benchKeyEvent(4 + e / 2, e % 2 == 0, e == 0 ? 0 : 20));
        const QByteArray index = QByteArray::number(m + 1);
        CLumtarXML_AddProFileBindMacroItem(path.constData(), "1", events, index.constData(),
                                           ("Macro" + index).constData());
        CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", QByteArray::number(20 + m).constData(),
                                                  "K", "1", "1", "1", index.constData());
    }
}

// A child process: start, plug `count` keyboards, and report when the first
// key of a keyboard view is painted; then, idle, the memory in use.
int startOnce(int argc, char **argv, int count)
{
    g_sinceStart.start();
    QTemporaryDir home;
    privateHome(home);
    const char *models[] = {"LT108HE", "LT104RGB", "LT68HE", "LT108HE"};
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QLatin1String(models[i]);
    qputenv("LUMTAR_SIMULATED_DEVICES", names.join(QLatin1Char(',')).toLatin1());

    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    qint64 paintedMs = -1;
    struct PaintWatch : QObject {
        qint64 *painted;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (*painted < 0 && event->type() == QEvent::Paint && qobject_cast<keyboardButCustom *>(watched))
                *painted = g_sinceStart.elapsed();
            return false;
        }
    } watch;
    watch.painted = &paintedMs;
    app.installEventFilter(&watch);

    DMainWidget window;
    window.resize(1517, 960);
    window.show();
    runUntil([&] { return paintedMs >= 0; }, 20000);
    runUntil([&] { return window.devicePage()->roster()->isIdle(); }, 60000);
    idle(3000);
    std::printf("painted %lld rss %.1f\n", static_cast<long long>(paintedMs), residentMegabytes());
    std::fflush(stdout);
    return 0;
}

QByteArray childRun(const QString &program, int count)
{
    QProcess child;
    child.start(program, {QStringLiteral("--startup"), QString::number(count)});
    child.waitForFinished(120000);
    return child.readAllStandardOutput().trimmed();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--startup") == 0)
        return startOnce(argc, argv, std::atoi(argv[2]));

    g_sinceStart.start();
    QTemporaryDir home;
    privateHome(home);
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    auto &sim = SimController::instance();

    DMainWidget window;
    window.resize(1517, 960);
    window.show();
    DDevicePage *page = window.devicePage();
    const KeyboardRoster *roster = page->roster();
    runUntil([&] { return roster->isIdle(); }, 20000);
    Heartbeat beat;
    idle(200);

    std::printf("GUI thread, longest gap between two beats of a 1 ms timer (target < 50 ms),\n"
                "and in brackets the most processor time the thread spent within one gap\n");
    // (a) plug and unplug, with the burst of notices of a real plug.
    beat.reset();
    const std::string plain = sim.plug("LT104RGB");
    announce(window, true, "7478");
    runUntil([&] { return page->currentKeyboardLink() && roster->isIdle(); }, 30000);
    idle(200);
    const double plugMs = beat.longestMs();
    const double plugCpuMs = beat.longestCpuMs();
    beat.reset();
    sim.unplug(plain);
    announce(window, false, "7478");
    runUntil([&] { return roster->links().isEmpty() && roster->isIdle(); }, 30000);
    idle(200);
    const double unplugMs = beat.longestMs();
    std::printf("  (a) plug, burst of 4 notices, open   %7.1f ms (%.1f)\n", plugMs, plugCpuMs);
    std::printf("  (a) unplug, burst of 4 notices       %7.1f ms (%.1f)\n", unplugMs, beat.longestCpuMs());

    // (b) the first open of an LT108HE: folders, three files, travel values.
    const unsigned long long syncsBefore = lumtar::store::AtomicFileWriter::syncCount();
    beat.reset();
    QElapsedTimer openClock;
    openClock.start();
    sim.plug("LT108HE");
    runUntil([&] { return page->currentKeyboardLink() && roster->isIdle(); }, 60000);
    const double openWallMs = openClock.elapsed();
    idle(200);
    const double openMs = beat.longestMs();
    const double openCpuMs = beat.longestCpuMs();
    const unsigned long long syncs = lumtar::store::AtomicFileWriter::syncCount() - syncsBefore;
    const int files = QDir(page->profileFolder()).entryList(QDir::Files).size();
    std::printf("  (b) first open of an LT108HE         %7.1f ms (%.1f), the open over after %.0f ms\n", openMs,
                openCpuMs, openWallMs);
    std::printf("      store flushes %llu for %d new files (file and folder flush per write)\n", syncs, files);

    // (c) a full download.
    bindMacroKeys(page->profileFolder());
    page->loadProfileKeyAndLightInfo();
    idle(200);
    beat.reset();
    QElapsedTimer downloadClock;
    downloadClock.start();
    emit page->findChild<DCustomKeysPage *>()->sigTheKeyboardIntoDownloading();
    runUntil([&] { return !page->isDownloadRunning(); }, 60000);
    const double downloadWallMs = downloadClock.elapsed();
    idle(200);
    std::printf("  (c) full onboard download            %7.1f ms (%.1f), the download over after %.0f ms\n",
                beat.longestMs(), beat.longestCpuMs(), downloadWallMs);

    window.onQuitApp();

    std::printf("start to the first keyboard painted (target 300 ms with one and with four, median of 3)\n");
    // Each start in a fresh process, three times, the middle figure: one
    // start on a shared machine says little.
    double rss = 0;
    for (int count : {1, 4}) {
        QList<double> painted;
        for (int run = 0; run < 3; ++run) {
            const QList<QByteArray> fields = childRun(QCoreApplication::applicationFilePath(), count).split(' ');
            if (fields.size() < 4)
                continue;
            painted << fields.at(1).toDouble();
            if (count == 1)
                rss = fields.at(3).toDouble();
        }
        if (painted.isEmpty()) {
            std::printf("  %d keyboard(s): the child did not report\n", count);
            continue;
        }
        std::sort(painted.begin(), painted.end());
        std::printf("  %d keyboard(s)                        %7.0f ms (of %d starts: %.0f to %.0f)\n", count,
                    painted.at(painted.size() / 2), int(painted.size()), painted.first(), painted.last());
    }
    std::printf("idle memory (RSS) with one keyboard    %7.1f MB (target < 80 MB)\n", rss);
    std::fflush(stdout);
    sim.unplugAll();
    return 0;
}
