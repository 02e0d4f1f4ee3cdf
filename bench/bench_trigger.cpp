// Trigger page benchmark on LT108HE, every key of the keyboard selected:
// (a) GUI-thread time of one apply of trigger settings (key bitmap, the
// values put on every selected key cap, one report queued; target under
// 16 ms), also with the key caps repainted; (b) the time from the apply
// until the simulated keyboard holds the new travel of every key, against
// the floor measured in the same run: one 0x29 report from the GUI thread
// to the keyboard (target at most 1.5 x the floor).
#include <QApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchGui.h"
#include "BenchMainWindow.h"
#include "core/QtLinguist.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MagneticCommands.h"
#include "device/MainHidInterFace.h"
#include "sdk/sim/SimController.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"

using namespace bench;
using lumtar::sim::SimController;

namespace {

constexpr int kRuns = 100;
constexpr int kWaitMs = 5000;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Polls, without the event loop, until `done` holds; the I/O thread
// delivers on its own. Milliseconds from `clock`'s start, or -1.
template <typename Done> double whenDone(const QElapsedTimer &clock, Done done)
{
    while (!done()) {
        if (clock.elapsed() > kWaitMs)
            return -1.0;
        QThread::usleep(20);
    }
    return millis(clock);
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
    SimController &sim = SimController::instance();
    const std::string path = sim.paths().front();
    sim.setSelfPressing(path, false);
    page->onCurIndexChangedMainPage(DDevicePage::TriggerSettingPage);
    idle(300);

    auto *view = page->findChild<hidDeviceJoinFrame *>();
    view->selectKeysInRect(-10000, -10000, 10000, 10000);
    const QList<keyboardButCustom *> keys = view->selectedKeys();
    QVector<QPoint> positions;
    for (const keyboardButCustom *key : keys)
        positions.append(QPoint(key->gridRow(), key->gridColumn()));
    std::printf("keys selected               %d of the 132 matrix positions\n", int(keys.size()));
    idle(300);
    MainHidInterFace *hid = page->currentKeyboardLink()->hidInterface();

    auto holds = [&](int press) {
        const auto travel = sim.state(path).travel;
        for (const QPoint &p : positions) {
            const auto it = travel.find(p.x() * 22 + p.y());
            if (it == travel.end() || it->second[1] != press)
                return false;
        }
        return true;
    };

    std::vector<double> slot, slotPainted, delivery, floor;
    for (int i = 0; i < kRuns; ++i) {
        // The floor: one 0x29 report, written straight to the I/O thread,
        // until the keyboard holds it (the travel of one key).
        sim.clearReceivedReports(path);
        const int single = i % 2 ? 30 : 31;
        const QPoint first = positions.first();
        QElapsedTimer clock;
        clock.start();
        hid->writeHidCmd(MagneticCommands::apply(0, MagneticCommands::keyBitmap({first}), single, single, 5, 5)
                             .constData());
        floor.push_back(whenDone(clock, [&] {
            const auto travel = sim.state(path).travel;
            const auto it = travel.find(first.x() * 22 + first.y());
            return it != travel.end() && it->second[1] == single;
        }));
        idle(5);

        // The apply of the trigger page, and the keyboard holding it.
        const int press = i % 2 ? 12 : 14;
        clock.restart();
        page->onMagnetsKeysApplyConfig(0, press, press, 5, 5);
        slot.push_back(millis(clock));
        delivery.push_back(whenDone(clock, [&] { return holds(press); }));
        idle(5);

        // The same apply with the key caps painted before it returns.
        const int again = i % 2 ? 13 : 15;
        clock.restart();
        page->onMagnetsKeysApplyConfig(0, again, again, 5, 5);
        view->repaint();
        slotPainted.push_back(millis(clock));
        whenDone(clock, [&] { return holds(again); });
        idle(5);
    }
    const double f = median(floor), d = median(delivery);
    std::printf("apply, GUI thread           %7.3f ms (median of %d; target < 16 ms)\n", median(slot), kRuns);
    std::printf("apply with caps repainted   %7.3f ms (target < 16 ms)\n", median(slotPainted));
    std::printf("one 0x29 report delivered   %7.3f ms (the floor)\n", f);
    std::printf("apply held by the keyboard  %7.3f ms; ratio %.2f x (target <= 1.5 x)\n", d, f > 0 ? d / f : 0.0);
    window.close();
    return 0;
}
