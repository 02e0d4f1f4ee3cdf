// Figures of the per-device I/O thread against the simulated keyboard:
// CPU time of idle open keyboards (in this process, and in the whole
// application with its window), the round trip from writeHidCmd to the
// reply's signal in the GUI thread, and the drain rate of light frames.
//
// Targets, idle for 30 s, whole application: 0.1 % of one core with no
// keyboard, 0.3 % with one, 0.8 % with four; an idle I/O thread takes no
// turns but those of the keep-alive (2 a second); the round trip no slower
// than the 5 ms of two paced turns it took before the idle thread waited on
// the HID node.
#include "device/HidReportBuff.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"

#include "BenchCpu.h"
#include "BenchGui.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <memory>
#include <vector>

using bench::idle;
using bench::processCpuSeconds;
using bench::threadCpuSeconds;
using lumtar::sim::SimController;

namespace {

struct OpenKeyboard {
    std::string path;
    std::unique_ptr<MainHidInterFace> io;
    std::vector<std::vector<unsigned char>> replies;
};

std::unique_ptr<OpenKeyboard> openKeyboard(const char *model, int index)
{
    auto kb = std::make_unique<OpenKeyboard>();
    kb->path = SimController::instance().plug(model);
    kb->io = std::make_unique<MainHidInterFace>(index, QString::fromLatin1(model));
    OpenKeyboard *raw = kb.get();
    QObject::connect(kb->io.get(), &MainHidInterFace::sigHidDataArrived, [raw](unsigned char *d, int, int) {
        raw->replies.emplace_back(d, d + HidReportBuff::Size);
        delete[] d;
    });
    QObject::connect(kb->io.get(), &MainHidInterFace::sigHidSnGetOver, [](unsigned char *d, QString) { delete[] d; });
    if (kb->path.empty() || kb->io->openHid(QString::fromStdString(kb->path)) != 0) {
        std::printf("cannot open a simulated %s\n", model);
        return nullptr;
    }
    kb->io->start();
    return kb;
}

double idleCpuPercent(int keyboards, int ms, double *ioThreadsPercent, double *turnsPerSecond)
{
    std::vector<std::unique_ptr<OpenKeyboard>> open;
    for (int i = 0; i < keyboards; ++i) {
        open.push_back(openKeyboard("LT108HE", i));
        if (!open.back())
            return -1;
    }
    idle(300); // let the serial inquiry and its replies pass
    const double cpu0 = processCpuSeconds();
    const double io0 = threadCpuSeconds("MainHidInterFac");
    long turns0 = 0;
    for (const auto &kb : open)
        turns0 += kb->io->turns();
    QElapsedTimer wall;
    wall.start();
    idle(ms);
    const double cpu = processCpuSeconds() - cpu0;
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    *ioThreadsPercent = 100.0 * (threadCpuSeconds("MainHidInterFac") - io0) / seconds;
    long turns = -turns0;
    for (const auto &kb : open)
        turns += kb->io->turns();
    *turnsPerSecond = keyboards ? static_cast<double>(turns) / seconds / keyboards : 0;
    open.clear();
    SimController::instance().unplugAll();
    return 100.0 * cpu / seconds;
}

// The whole application, started with its window on the offscreen platform
// and the given simulated keyboards: CPU of the process over `ms` once it has
// settled, and of its I/O threads.
void applicationIdle(const QString &program, const QString &devices, int ms)
{
    QTemporaryDir home;
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LUMTAR_SIMULATED_DEVICES"), devices);
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.setStandardOutputFile(QProcess::nullDevice());
    app.start(program, QStringList());
    if (!app.waitForStarted(10000)) {
        std::printf("application idle: cannot start %s\n", qPrintable(program));
        return;
    }
    const QString pid = QString::number(app.processId());
    idle(8000); // start-up, enumeration, the open sequence
    const double cpu0 = threadCpuSeconds(QByteArray(), pid);
    const double io0 = threadCpuSeconds("MainHidInterFac", pid);
    QElapsedTimer wall;
    wall.start();
    idle(ms);
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = threadCpuSeconds(QByteArray(), pid) - cpu0;
    const double io = threadCpuSeconds("MainHidInterFac", pid) - io0;
    std::printf("application idle %.0f s, keyboards [%s]: process %.2f%% of one core, I/O threads %.2f%%, "
                "the rest %.2f%%\n",
                seconds, qPrintable(devices), 100.0 * cpu / seconds, 100.0 * io / seconds,
                100.0 * (cpu - io) / seconds);
    app.terminate();
    if (!app.waitForFinished(10000)) {
        app.kill();
        app.waitForFinished(5000);
    }
}

double baselineCpuPercent(int keyboards, int ms)
{
    for (int i = 0; i < keyboards; ++i)
        SimController::instance().plug("LT108HE");
    const double cpu0 = processCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    idle(ms);
    const double cpu = processCpuSeconds() - cpu0;
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    SimController::instance().unplugAll();
    return 100.0 * cpu / seconds;
}

// From writeHidCmd to the reply's signal. With `pauseMs` 0 each command
// follows the last reply at once (a busy keyboard); with a pause the I/O
// thread has gone idle before each command.
void roundTrip(int samples, int pauseMs)
{
    auto kb = openKeyboard("LT108HE", 0);
    if (!kb)
        return;
    idle(300);
    HidReportBuff inquiry(0x06, 1, 0);
    std::vector<double> ms;
    for (int i = 0; i < samples; ++i) {
        if (pauseMs > 0)
            idle(pauseMs);
        kb->replies.clear();
        QElapsedTimer t;
        t.start();
        kb->io->writeHidCmd(inquiry.constData());
        bool got = false;
        while (!got && t.elapsed() < 1000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            for (const auto &r : kb->replies)
                got = got || r[1] == 0x07;
        }
        if (got)
            ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) {
        std::printf("round trip: no replies\n");
        return;
    }
    auto at = [&ms](double q) { return ms[std::min(ms.size() - 1, static_cast<size_t>(q * static_cast<double>(ms.size())))]; };
    std::printf("writeHidCmd -> reply signal, %s (%zu of %d): median %.2f ms, p95 %.2f ms, max %.2f ms\n",
                pauseMs > 0 ? "each after an idle pause" : "back to back", ms.size(), samples, at(0.5), at(0.95),
                ms.back());
    kb.reset();
    SimController::instance().unplugAll();
}

void lightDrain(int ms)
{
    auto kb = openKeyboard("LT104RGB", 0);
    if (!kb)
        return;
    idle(300);
    SimController::instance().clearReceivedReports(kb->path);
    kb->io->setLightSendEnabled(true);
    HidReportBuff frame(0x0E, 0, 54);
    long offered = 0;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        // The lighting engine offers a frame every few milliseconds.
        kb->io->writeHidLightCmd(frame.constData());
        ++offered;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(1000);
    }
    const double seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    kb->io->setLightSendEnabled(false);
    long sent = 0;
    for (const auto &r : SimController::instance().receivedReports(kb->path))
        sent += r[1] == 0x0E ? 1 : 0;
    std::printf("light frames: offered %.0f/s, reached the keyboard %.0f/s (%.0f%% of offered; batch limit %d)\n",
                static_cast<double>(offered) / seconds, static_cast<double>(sent) / seconds,
                offered ? 100.0 * static_cast<double>(sent) / static_cast<double>(offered) : 0.0,
                kb->io->lightBatchLimit());
    kb.reset();
    SimController::instance().unplugAll();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (CLumtarHid_Init() != 0) {
        std::printf("the SDK did not start\n");
        return 0;
    }
    const int ms = 30000;
    for (int n : {0, 1, 4}) {
        const double base = baselineCpuPercent(n, ms);
        double ioThreads = 0;
        double turns = 0;
        const double open = idleCpuPercent(n, ms, &ioThreads, &turns);
        std::printf("idle 30 s, %d open keyboard(s): process %.2f%% of one core (%.2f%% with them plugged but "
                    "closed); I/O threads %.2f%%, %.2f%% and %.0f turns/s per keyboard\n",
                    n, open, base, ioThreads, n ? ioThreads / n : 0.0, turns);
    }
    roundTrip(300, 0);
    roundTrip(50, 100);
    lightDrain(10000);

    // The application beside this program's folder, or the one named.
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                     : QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/lumtar");
    for (const char *devices : {"", "LT108HE", "LT108HE,LT108HE,LT68HE,LT104RGB"})
        applicationIdle(program, QString::fromLatin1(devices), ms);
    return 0;
}
