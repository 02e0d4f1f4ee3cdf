// Key presses of the shown keyboard drive the reactive light effects: a key
// report (0x04) from the simulated keyboard travels through the I/O thread
// and the device link to the device page, which finds the key's place in
// the key grid and hands it to the light-effect engine. By cable and behind
// the receiver; keys the layout lacks and keyboards not shown start nothing.
#include <QtTest>

#include <array>
#include <memory>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarLight.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/TempHome.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

using lumtar::sim::SimController;

namespace {

const int kSettleMs = 40000;
const int kW = 26;   // HID usage of W: row 2, column 2 of the LT108HE layout
const int kF13 = 104; // not on the LT108HE layout
const int kWKey = 2 * LUMTAR_LIGHT_COLUMNS + 2;

std::array<LightFramePointStu, LUMTAR_LIGHT_KEY_POINTS> g_frame;

void keepFrame(const LightFramePointStu *points)
{
    std::copy(points, points + LUMTAR_LIGHT_KEY_POINTS, g_frame.begin());
}

void step()
{
    CLumtarHid_keyboardLightColorRuning(&keepFrame);
}

int litKeys()
{
    int n = 0;
    for (const auto &p : g_frame)
        n += p.intensity > 0 ? 1 : 0;
    return n;
}

void startReactive()
{
    const colorInfoData reactive = { LUMTAR_LIGHT_KIND_KEYBOARD, LightMode_Reactive, 3, 3, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
    CLumtarHid_SetKeyboardColorInfoDataStu(reactive, 1, "LT108HE", 1);
}

std::array<uint8_t, 8> holding(int usage)
{
    return { 0, 0, static_cast<uint8_t>(usage), 0, 0, 0, 0, 0 };
}

const std::array<uint8_t, 8> kReleased{};

// Sends the report, then lets the link deliver it: the engine takes what
// arrived at its next step. True once the W key lit.
bool pressAndWaitForLight(const std::string &path, int usage)
{
    if (!SimController::instance().sendKeyReport(path, holding(usage)))
        return false;
    for (int i = 0; i < 100; ++i) {
        QTest::qWait(20);
        step();
        if (litKeys() > 0)
            return true;
    }
    return false;
}

} // namespace

class tst_LightPressFeed : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pressStartsReactiveLight_data();
    void pressStartsReactiveLight();
    void keyboardNotShownStartsNothing();

private:
    DDevicePage *startWindow();
    TempHome m_home;
    std::unique_ptr<DMainWidget> m_window;
};

void tst_LightPressFeed::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    QCOMPARE(CLumtarLight_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_LightPressFeed::cleanup()
{
    m_window.reset();
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

DDevicePage *tst_LightPressFeed::startWindow()
{
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    if (!DevicePageProbe(page).waitUntilIdle(kSettleMs))
        qWarning("the first enumeration did not end");
    return page;
}

void tst_LightPressFeed::pressStartsReactiveLight_data()
{
    QTest::addColumn<int>("connection");
    QTest::newRow("cable") << int(LUMTAR_CONNECT_USB);
    QTest::newRow("receiver") << int(LUMTAR_CONNECT_RECEIVER);
}

void tst_LightPressFeed::pressStartsReactiveLight()
{
    QFETCH(int, connection);
    const std::string path = SimController::instance().plug("LT108HE", connection);
    QVERIFY(!path.empty());
    DevicePageProbe probe(startWindow());
    if (connection == LUMTAR_CONNECT_RECEIVER) {
        // The receiver reports its keyboard reachable: the page opens it.
        QVERIFY(SimController::instance().setReceiverLink(path, true));
        QTRY_COMPARE_WITH_TIMEOUT(probe.links().key(probe.currentLink()), QString::fromStdString(path), kSettleMs);
        QVERIFY(probe.waitUntilIdle(kSettleMs));
    }
    QVERIFY(probe.isKeyboardShown());
    QCOMPARE(probe.links().key(probe.currentLink()), QString::fromStdString(path));
    // The test steps the light itself: the page's light engine would take
    // the presses in its own steps.
    m_window->devicePage()->stopLightEngine();

    // The keyboard offers every light mode of the engine.
    QCOMPARE(probe.currentLink()->lightModeList().modeCodes,
             (std::vector<int>{ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16 }));
    QCOMPARE(probe.currentLink()->sideLightModeList().modeCodes, (std::vector<int>{ 0, 1, 2, 3, 4, 5 }));

    // A key the layout lacks starts nothing (nor does its release).
    startReactive();
    QVERIFY(SimController::instance().sendKeyReport(path, holding(kF13)));
    QVERIFY(SimController::instance().sendKeyReport(path, kReleased));
    QTest::qWait(300);
    for (int i = 0; i < 5; ++i) {
        step();
        QCOMPARE(litKeys(), 0);
    }

    // W lights its key, at full strength first, and fades.
    QVERIFY(pressAndWaitForLight(path, kW));
    QCOMPARE(litKeys(), 1);
    QCOMPARE(g_frame[kWKey].intensity, 255);
    QCOMPARE(g_frame[kWKey].stage, 1);
    const LightColorStu c = CLumtarHid_lightColorMix(2, 2);
    QCOMPARE(c.r, 255);
    int last = g_frame[kWKey].intensity;
    for (int i = 0; i < 60; ++i) {
        step();
        QVERIFY(g_frame[kWKey].intensity <= last);
        last = g_frame[kWKey].intensity;
    }
    QCOMPARE(last, 0);

    // Holding W is no new press; releasing and pressing again is.
    QVERIFY(SimController::instance().sendKeyReport(path, holding(kW)));
    QTest::qWait(300);
    step();
    QCOMPARE(litKeys(), 0);
    QVERIFY(SimController::instance().sendKeyReport(path, kReleased));
    QVERIFY(pressAndWaitForLight(path, kW));
    QCOMPARE(g_frame[kWKey].stage, 1);
}

void tst_LightPressFeed::keyboardNotShownStartsNothing()
{
    const std::string shown = SimController::instance().plug("LT108HE");
    const std::string other = SimController::instance().plug("LT104RGB");
    DevicePageProbe probe(startWindow());
    QVERIFY(probe.isKeyboardShown());
    QCOMPARE(probe.links().key(probe.currentLink()), QString::fromStdString(shown));
    m_window->devicePage()->stopLightEngine();
    startReactive();
    QVERIFY(SimController::instance().sendKeyReport(other, holding(kW)));
    QTest::qWait(500);
    for (int i = 0; i < 5; ++i) {
        step();
        QCOMPARE(litKeys(), 0);
    }
    QVERIFY(pressAndWaitForLight(shown, kW));
}

QTEST_MAIN(tst_LightPressFeed)
#include "tst_lightpressfeed.moc"
