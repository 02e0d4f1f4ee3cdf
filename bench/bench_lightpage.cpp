// Lighting page benchmark: GUI-thread time of one palette colour applied
// (store lookup, one atomic write, one report) against one atomic store
// write measured in the same run (target at most 1.5 x); a Custom colour
// applied to all 108 keys of LT108HE with the scheme rewrite and its nine
// reports (target under 100 ms); reloadLightConfig (target under 30 ms).
#include <QAbstractButton>
#include <QApplication>
#include <QColor>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchGui.h"
#include "BenchMainWindow.h"
#include "core/DDataManager.h"
#include "core/QtLinguist.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"

using namespace bench;

namespace {

constexpr int kRuns = 60;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
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
    auto *lights = page->findChild<DLightsConfigPage *>();
    idle(500);

    // One palette colour applied, against one atomic write of the same record.
    // The page's own part (store lookup, write, report) with its signals
    // held, the whole apply with the device page and the engine taking the
    // record, and one write of a changed record alone.
    std::vector<double> own, apply, write;
    char path[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copyXmlProfilePath(path);
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        {
            const QSignalBlocker blocker(lights);
            t.start();
            lights->onColorItemSelcSignal(QColor(i % 2 ? 255 : 0, 85, 255));
            own.push_back(millis(t));
        }
        idle(5);
        t.restart();
        lights->onColorItemSelcSignal(QColor(i % 2 ? 0 : 255, 85, 255));
        apply.push_back(millis(t));
        colorInfoData r = lights->currentColorInfo();
        r.blue1 = i % 2 ? 10 : 20;
        t.restart();
        CLumtarXML_ModifyProFileLightInfoItem(path, "1", r.lightKind, r.modeCode, r);
        write.push_back(millis(t));
        idle(5);
    }
    const double o = median(own), a = median(apply), w = median(write);
    std::printf("palette colour, page's part %7.3f ms (median of %d)\n", o, kRuns);
    std::printf("one atomic store write      %7.3f ms; ratio %.2f x (target <= 1.5 x)\n", w, w > 0 ? o / w : 0.0);
    std::printf("palette colour with relays  %7.3f ms (device page and engine take the record)\n", a);

    // Custom: all keys selected, one colour applied.
    lights->findChild<QAbstractButton *>(QStringLiteral("toolButton_CustomLed"))->click();
    idle(300);
    auto *view = page->findChild<hidDeviceJoinFrame *>();
    view->selectKeysInRect(-10000, -10000, 10000, 10000);
    std::printf("keys selected               %d\n", int(view->selectedKeys().size()));
    std::vector<double> custom;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer t;
        t.start();
        lights->onColorItemSelcSignal(QColor(0, i % 2 ? 200 : 100, 50));
        custom.push_back(millis(t));
        idle(20);
    }
    std::printf("Custom colour on all keys   %7.3f ms (median of 20; target < 100 ms)\n", median(custom));

    std::vector<double> reload;
    lights->findChild<QAbstractButton *>(QStringLiteral("toolButton_Wave"))->click();
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer t;
        t.start();
        lights->reloadLightConfig();
        reload.push_back(millis(t));
        idle(10);
    }
    std::printf("reloadLightConfig           %7.3f ms (median of 30; target < 30 ms)\n", median(reload));
    window.close();
    return 0;
}
