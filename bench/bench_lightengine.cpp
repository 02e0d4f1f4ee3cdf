// Figures of the lighting engine as the application runs it: the main window
// offscreen with the simulated LT108HE open on the lighting page, 20 s per
// light mode (Static, Wave in full colour, Ripple with 10 key presses a
// second) and once with the engine stopped (the floor); then the same
// keyboard behind its receiver.
//
// Targets: whole-process CPU at most 3 % of one core in Wave at full colour,
// 0.5 % in Static, under 5 % in every mode; at most 500 context switches a
// second in the whole process while one keyboard streams; by cable at least
// 99.5 % of the streaming ticks reach the keyboard as whole frames, no frame
// torn, the ticks within 2 % of 33.3 a second over the run; behind the
// receiver one 0x28 report a tick and at most 2 commands waiting at once.
// Also printed: the ticks of the frame and paint threads (a light without
// motion has none, a paint only follows a changed preview) and the threads
// that switch most.
// "not painted" is Wave with the previews computed and streamed but not
// painted into the keyboard view: the engine's own share.
#include "BenchCpu.h"
#include "BenchGui.h"
#include "BenchMainWindow.h"
#include "core/QtLinguist.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

using lumtar::sim::SimController;
using namespace bench;

namespace {

constexpr int kRunMs = 20000;
constexpr int kW = 26; // HID usage of W

colorInfoData keyboardRecord(int mode, int full)
{
    return { 0, mode, 6, 3, 255, 0, 0, 0, 0, 0, mode == LightMode_Ripple ? 4 : 0, full, 0, 0 };
}

struct Run {
    double seconds = 0;
    double cpuPercent = 0;
    double ioPercent = 0;
    double ticksPerSecond = 0;
    long wholeFrames = 0;
    long tornFrames = 0;
    long ticks = 0;
    long compactReports = 0;
    int commandPeak = 0;
    double switchesPerSecond = 0;
    QByteArray busiestThreads;
    double keyboardTicksPerSecond = 0;
    double sideTicksPerSecond = 0;
    double paintTicksPerSecond = 0;
};

// Switches a second of the whole process, and the three threads that switch most.
double switchesPerSecond(const QMap<QByteArray, long> &before, const QMap<QByteArray, long> &after, double seconds,
                         QByteArray *busiest)
{
    QList<QPair<long, QByteArray>> byThread;
    long total = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const long n = it.value() - before.value(it.key());
        total += n;
        byThread.append({ n, it.key() });
    }
    std::sort(byThread.begin(), byThread.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    busiest->clear();
    for (int i = 0; i < byThread.size() && i < 3; ++i)
        *busiest += byThread.at(i).second + ' ' + QByteArray::number(static_cast<double>(byThread.at(i).first) / seconds, 'f', 0)
                    + (i < 2 ? ", " : "");
    return static_cast<double>(total) / seconds;
}

// Runs the event loop for kRunMs; with presses, W goes down and up 10 times a second.
Run measure(lightDealMain *engine, MainHidInterFace *io, const std::string &path, bool presses)
{
    QTimer pressTimer;
    bool down = false;
    QObject::connect(&pressTimer, &QTimer::timeout, [&] {
        down = !down;
        SimController::instance().sendKeyReport(path, { 0, 0, static_cast<uint8_t>(down ? kW : 0), 0, 0, 0, 0, 0 });
    });
    if (presses)
        pressTimer.start(50);
    if (io)
        io->resetCommandQueuePeak();
    const auto stream0 = SimController::instance().lightStream(path);
    const long ticks0 = engine->streamTicks();
    const double cpu0 = processCpuSeconds();
    const double io0 = threadCpuSeconds("MainHidInterFac");
    const QMap<QByteArray, long> switches0 = threadContextSwitches();
    const long keyTicks0 = engine->keyboardFrameTicks();
    const long sideTicks0 = engine->sideFrameTicks();
    const long paintTicks0 = engine->paintTicks();
    QElapsedTimer wall;
    wall.start();
    idle(kRunMs);
    Run r;
    r.seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    r.cpuPercent = 100.0 * (processCpuSeconds() - cpu0) / r.seconds;
    r.ioPercent = 100.0 * (threadCpuSeconds("MainHidInterFac") - io0) / r.seconds;
    r.switchesPerSecond = switchesPerSecond(switches0, threadContextSwitches(), r.seconds, &r.busiestThreads);
    r.keyboardTicksPerSecond = static_cast<double>(engine->keyboardFrameTicks() - keyTicks0) / r.seconds;
    r.sideTicksPerSecond = static_cast<double>(engine->sideFrameTicks() - sideTicks0) / r.seconds;
    r.paintTicksPerSecond = static_cast<double>(engine->paintTicks() - paintTicks0) / r.seconds;
    pressTimer.stop();
    const auto stream = SimController::instance().lightStream(path);
    r.ticks = engine->streamTicks() - ticks0;
    r.ticksPerSecond = static_cast<double>(r.ticks) / r.seconds;
    r.wholeFrames = stream.wholeFrames - stream0.wholeFrames;
    r.tornFrames = stream.tornFrames - stream0.tornFrames;
    r.compactReports = static_cast<long>(stream.compactReports.size()) - static_cast<long>(stream0.compactReports.size());
    if (stream.compactReports.size() >= lumtar::sim::SimLightStream::kKeepLimit) {
        // The keyboard keeps the newest reports only: count those of the run by their time.
        const int64_t since = stream.compactTimesUs.back() - static_cast<int64_t>(r.seconds * 1e6);
        r.compactReports = 0;
        for (int64_t t : stream.compactTimesUs)
            r.compactReports += t >= since ? 1 : 0;
    }
    r.commandPeak = io ? io->commandQueuePeak() : -1;
    return r;
}

void printThreads(const Run &r)
{
    std::printf("%-32s context switches %4.0f/s (most: %s); frame ticks keyboard %4.1f/s, side %4.1f/s; "
                "paint ticks %4.1f/s\n",
                "", r.switchesPerSecond, r.busiestThreads.constData(), r.keyboardTicksPerSecond, r.sideTicksPerSecond,
                r.paintTicksPerSecond);
}

void printCable(const char *what, const Run &r)
{
    const double framesPerSecond = static_cast<double>(r.wholeFrames) / r.seconds;
    std::printf("%-32s CPU %5.2f%% of one core (I/O thread %4.2f%%); ticks %5.2f/s (%+.1f%% of 33.33); "
                "whole frames %5.2f/s = %5.1f%% of ticks; torn %ld\n",
                what, r.cpuPercent, r.ioPercent, r.ticksPerSecond, 100.0 * (r.ticksPerSecond / (1000.0 / 30) - 1),
                framesPerSecond, r.ticks ? 100.0 * static_cast<double>(r.wholeFrames) / static_cast<double>(r.ticks) : 0.0,
                r.tornFrames);
    printThreads(r);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    prepareApplication(home, "LT108HE");

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    new QtLinguist(&app);

    DMainWidget window;
    DDevicePage *page = showWithOpenKeyboard(window);
    if (!page)
        return 1;
    page->onCurIndexChangedMainPage(DDevicePage::LightsConfigPage);
    lightDealMain *engine = page->lightEngine();
    std::string path = SimController::instance().paths().front();
    std::printf("LT108HE by cable, lighting page shown, %d s per mode\n", kRunMs / 1000);

    struct Mode {
        const char *name;
        int mode;
        int full;
        bool presses;
    };
    for (const Mode &m : { Mode{ "Static", LightMode_Static, 0, false }, Mode{ "Wave, full colour", LightMode_Wave, 1, false },
                           Mode{ "Ripple, 10 presses/s", LightMode_Ripple, 0, true } }) {
        engine->setKeyboardColorInfo(keyboardRecord(m.mode, m.full));
        idle(1000);
        printCable(m.name, measure(engine, nullptr, path, m.presses));
    }
    // What of it is painting: the same without the previews painted.
    engine->setKeyboardColorInfo(keyboardRecord(LightMode_Wave, 1));
    engine->setPreviewPaintEnabled(false);
    idle(1000);
    printCable("Wave, full colour, not painted", measure(engine, nullptr, path, false));
    engine->setPreviewPaintEnabled(true);
    page->stopLightEngine();
    idle(1000);
    const Run floor = measure(engine, nullptr, path, false);
    std::printf("%-32s CPU %5.2f%% of one core (I/O thread %4.2f%%)\n", "engine stopped (floor)", floor.cpuPercent,
                floor.ioPercent);
    printThreads(floor);

    // The same keyboard behind its receiver.
    SimController::instance().unplugAll();
    idleUntil([page] { return page->currentKeyboardLink() == nullptr && !page->isDeviceWorkRunning(); }, 20000);
    path = SimController::instance().plug("LT108HE", LUMTAR_CONNECT_RECEIVER);
    SimController::instance().setReceiverLink(path, true);
    if (!idleUntil([page] { return page->currentKeyboardLink() != nullptr && !page->isDeviceWorkRunning(); }, 20000)) {
        std::printf("the keyboard behind its receiver did not open\n");
        return 1;
    }
    page->onCurIndexChangedMainPage(DDevicePage::LightsConfigPage);
    for (const Mode &m : { Mode{ "receiver, Wave, full colour", LightMode_Wave, 1, false },
                           Mode{ "receiver, Ripple, 10 presses/s", LightMode_Ripple, 0, true } }) {
        engine->setKeyboardColorInfo(keyboardRecord(m.mode, m.full));
        idle(1000);
        const Run r = measure(engine, page->currentKeyboardLink()->hidInterface(), path, m.presses);
        std::printf("%-32s CPU %5.2f%% of one core; ticks %5.2f/s; 0x28 reports %5.2f/s (%.1f%% of ticks); "
                    "longest command queue %d\n",
                    m.name, r.cpuPercent, r.ticksPerSecond, static_cast<double>(r.compactReports) / r.seconds,
                    r.ticks ? 100.0 * static_cast<double>(r.compactReports) / static_cast<double>(r.ticks) : 0.0,
                    r.commandPeak);
        printThreads(r);
    }
    window.close();
    SimController::instance().unplugAll();
    return 0;
}
