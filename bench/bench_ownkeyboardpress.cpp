// Our keyboard's press on its way to the light effects without the
// desktop: from the kernel's input event of the press to the light engine's
// press queue, through the reader thread, the queued hand-over, the global
// hook in light interaction and the customise-keys page's routing (target:
// median under 1 ms). The event comes from a virtual keyboard of the kernel
// (uinput) where /dev/uinput can be opened and no desktop is around to take
// its keys (no DISPLAY, no WAYLAND_DISPLAY: run it in the kernel tests'
// machine, tools/kernel-vm.sh), else through a pipe that carries the same
// input events to the same reader. The GUI thread waits in its event loop
// as the application does.
#include <QApplication>
#include <QSocketNotifier>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchGui.h"
#include "core/DDataManager.h"
#include "core/WindowsHookInterface.h"
#include "core/hook/OwnKeyboardInput.h"
#include "platform/evdev/EvdevKeyReader.h"
#include "platform/hostinput/UinputKeyboard.h"
#include "sdk/include/LumtarLight.h"
#include "sdk/lightfx/LightEngine.h"
#include "support/ScriptedHookBackend.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

using namespace bench;
using lumtar::lightfx::LightEngine;

namespace {

constexpr int kRuns = 300;

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    prepareApplication(home, "LT108HE");
    QApplication app(argc, argv);

    // Key A shown at (3, 1), as the device page lays it out.
    DDataManager *data = DDataManager::getInstance();
    QWidget view;
    auto *keyA = new keyboardButCustom(&view);
    keyA->setKeyInfo(4, QStringLiteral("A"));
    keyA->setGridIndex(3, 1);
    data->setKeyButtonMap({{4, keyA}});
    data->setVkToKeyCodeMap({{65, 4}});

    ScriptedHookBackend desktop; // no desktop reports here
    WindowsHookInterface::setBackend(&desktop);
    auto page = std::make_unique<DCustomKeysPage>();
    page->setLightInteractionHook(true);
    if (page->runningHookMode() != 5) {
        std::printf("light interaction did not start\n");
        return 0;
    }

    // The source of the events: a virtual keyboard of the kernel, or a pipe.
    UinputKeyboard keyboard;
    int pipeFds[2] = {-1, -1};
    const char *source = "pipe";
    const bool desktopAround = !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!desktopAround && keyboard.create() && !keyboard.eventNode().isEmpty()) {
        idle(200); // the kernel makes the node
        const int fd = EvdevKeyReader::openNode(keyboard.eventNode());
        if (fd >= 0) {
            OwnKeyboardInput::instance().reader()->readDescriptors({fd});
            source = "uinput (kernel input layer)";
        }
    }
    if (!OwnKeyboardInput::instance().reader()->isReading()) {
        if (::pipe2(pipeFds, O_CLOEXEC) != 0)
            return 0;
        OwnKeyboardInput::instance().reader()->readDescriptors({pipeFds[0]});
    }
    auto send = [&](int value) {
        if (keyboard.isCreated() && pipeFds[1] < 0)
            return keyboard.sendKey(KEY_A, value == 1);
        input_event events[2]{};
        events[0].type = EV_KEY;
        events[0].code = KEY_A;
        events[0].value = value;
        events[1].type = EV_SYN;
        return ::write(pipeFds[1], events, sizeof(events)) == ssize_t(sizeof(events));
    };

    LightEngine::instance().takePresses();
    std::vector<double> latencies;
    int lost = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        if (!send(1))
            break;
        int taken = 0;
        // The event loop waits for the hand-over, as the program idles; the
        // queue is looked at after every event handled.
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, [] {});
        while (taken == 0 && clock.elapsed() < 1000) {
            loop.processEvents(QEventLoop::WaitForMoreEvents);
            taken = LightEngine::instance().takePresses().count;
        }
        if (taken == 0)
            ++lost;
        else
            latencies.push_back(millis(clock));
        send(0);
        idle(2);
    }
    page->setLightInteractionHook(false);
    WindowsHookInterface::setBackend(nullptr);
    if (pipeFds[1] >= 0)
        ::close(pipeFds[1]);

    std::printf("own keyboard press -> light engine queue (%s), %zu presses, %d lost\n", source, latencies.size(),
                lost);
    std::printf("  median %.3f ms, 90th %.3f ms, 99th %.3f ms, max %.3f ms (target: median < 1 ms)\n",
                percentile(latencies, 0.5), percentile(latencies, 0.9), percentile(latencies, 0.99),
                percentile(latencies, 1.0));
    return 0;
}
