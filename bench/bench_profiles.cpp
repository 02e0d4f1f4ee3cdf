// Figures of profile work on the device page of the main window with a
// simulated LT108HE open, each beside its floor measured in the same run:
//   (a) rewriting a custom-light scheme of every coloured key after a colour
//       was applied (GUI-thread time) against one atomic write of the same
//       profile file (target: 3 x), and the same keys written one call
//       each, as a write per key would cost;
//   (b) creating a profile (three light records, five schemes, the 42
//       default keys) against the same write (target: 15 x);
//   (c) resetting the profile, from "Yes" to the end, against its two
//       pauses of 250 ms plus 108 one-key travel round trips of the median
//       time measured here (target: 1.2 x).
#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarXml.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"

#include "BenchGui.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <list>
#include <vector>

using bench::idle;
using bench::idleUntil;
using bench::millis;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char *what, const std::vector<double> &ms, double floorMs, double target)
{
    const double m = median(ms);
    std::printf("%-46s median %8.2f ms  max %8.2f ms  = %5.2f x floor %.2f ms (target %.1f x, %zu runs)\n", what, m,
                *std::max_element(ms.begin(), ms.end()), m / floorMs, floorMs, target, ms.size());
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    bench::prepareApplication(home, "LT108HE");

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    DMainWidget window;
    window.setGeometry(0, 0, 1366, 768);
    window.show();
    DDevicePage *page = window.devicePage();
    if (!idleUntil([page] { return page->currentKeyboardLink() && !page->isDeviceWorkRunning(); }, 20000)) {
        std::printf("the keyboard did not open\n");
        return 1;
    }
    const QByteArray path = page->xmlProfilePath();
    DDataManager *data = DDataManager::getInstance();
    std::printf("profile file: %s\n", path.constData());

    // The floor: one atomic write of the profile file (a rename).
    const int runs = 25;
    std::vector<double> floorRuns;
    for (int i = 0; i < runs; ++i) {
        const QByteArray name = "Profile1-" + QByteArray::number(i % 2);
        QElapsedTimer t;
        t.start();
        CLumtarXML_ModifyProfileNodeInfo(path.constData(), "1", name.constData());
        floorRuns.push_back(millis(t));
    }
    const double floorMs = median(floorRuns);
    std::printf("%-46s median %8.2f ms\n", "one atomic write of the profile file", floorMs);

    // (a) The scheme in custom slot 1, every key coloured.
    auto *lights = page->findChild<DLightsConfigPage *>();
    lights->showCustomLightFromDevice(0, 10, 1);
    int coloured = 0;
    for (keyboardButCustom *key : data->keyButtonList()) {
        if (key && key->keyCode() != 0) {
            key->setCustomLightColor(QColor(10, 20 + coloured % 200, 30));
            ++coloured;
        }
    }
    colorInfoData applied = lumtarDefaultColorInfo(0);
    applied.modeCode = 10;
    std::vector<double> rewriteRuns;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        emit lights->sigLightConfigHaveChanged_Custom(0, applied);
        rewriteRuns.push_back(millis(t));
    }
    std::list<CustomLightItemStu> items;
    CLumtarXML_ProFileCustomLightInfoSelectAll(path.constData(), "1", "1", &items);
    std::printf("scheme rewritten with %zu of %d coloured keys\n", items.size(), coloured);
    report("(a) scheme rewrite after a colour", rewriteRuns, floorMs, 3);
    std::vector<double> perKeyRuns;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        CLumtarXML_ClearProFileCustomLightNode(path.constData(), "1", "1");
        for (const CustomLightItemStu &item : items)
            CLumtarXML_AddProFileCustomLightDataInfo(path.constData(), "1", "1", item);
        perKeyRuns.push_back(millis(t));
    }
    report("    the same keys, one write each", perKeyRuns, floorMs, 3);

    // (b) Creating a profile; it is deleted again outside the measurement.
    std::vector<double> createRuns;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        page->onProfileCreate();
        createRuns.push_back(millis(t));
        LumtarIndexNameList profiles;
        CLumtarXML_SelectProFileAllNodes(path.constData(), &profiles);
        if (profiles.size() > 1)
            CLumtarXML_DeleteProFileSelectedNode(path.constData(), profiles.back().first.c_str());
    }
    report("(b) profile creation", createRuns, floorMs, 15);

    // (c) One-key travel round trips, then resets.
    DDeviceKeyboardLink *link = page->currentKeyboardLink();
    std::vector<double> roundTrips;
    link->setOneKeyQueryPending(true);
    for (int i = 0; i < 40; ++i) {
        bool replied = false;
        const QMetaObject::Connection c = QObject::connect(link, &DDeviceKeyboardLink::sigQueryMagneticAxisOneKeyDataBack,
                                                           [&replied] { replied = true; });
        QElapsedTimer t;
        t.start();
        page->onQueryDynamicDisplaySensitivityNum(3, 1 + i % 10);
        idleUntil([&replied] { return replied; }, 2000);
        roundTrips.push_back(millis(t));
        QObject::disconnect(c);
    }
    link->setOneKeyQueryPending(false);
    const double roundTrip = median(roundTrips);
    const double resetFloor = 2 * 250 + 108 * roundTrip;
    std::printf("%-46s median %8.2f ms\n", "one-key travel round trip", roundTrip);

    auto *resetButton = page->findChild<QAbstractButton *>(QStringLiteral("pushButton_Reset"));
    std::vector<double> resetRuns;
    for (int i = 0; i < 5; ++i) {
        resetButton->click();
        QMessageBox *box = nullptr;
        idleUntil([&box] { return (box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())); }, 5000);
        QAbstractButton *yes = nullptr;
        for (QAbstractButton *button : box ? box->buttons() : QList<QAbstractButton *>())
            if (button->text() == QLatin1String("Yes"))
                yes = button;
        if (!yes) {
            std::printf("no question\n");
            return 1;
        }
        QElapsedTimer t;
        t.start();
        yes->click();
        idleUntil([page] { return !page->isProfileResetRunning(); }, 30000);
        resetRuns.push_back(millis(t));
        idle(100);
    }
    report("(c) profile reset", resetRuns, resetFloor, 1.2);
    return 0;
}
