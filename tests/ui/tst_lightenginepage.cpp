// The lighting engine as the device page runs it with simulated keyboards:
// an opened keyboard's own effect shows on the keyboard view and reaches the
// keyboard as whole frames with light synchronisation; behind a receiver a
// key report in Reactive gives one compact report with the key; switching
// keyboards, unplugging while streaming and closing the window leave the
// next keyboard streaming and the one left out of synchronisation.
#include <QtTest>

#include <memory>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarLight.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/SimReportLog.h"
#include "support/TempHome.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

using lumtar::sim::SimController;

namespace {

const int kSettleMs = 40000;
const int kW = 26; // HID usage of W: row 2, column 2 of the LT108HE layout

QString qpath(const std::string &path)
{
    return QString::fromStdString(path);
}

// The light synchronisation reports the keyboard got (byte 6 of each).
QList<int> syncReports(const std::string &path)
{
    QList<int> out;
    for (const QByteArray &r : SimReportLog::all(path)) {
        if (r.at(1) == 0x16)
            out << r.at(6);
    }
    return out;
}

bool framesGrow(const std::string &path, long more, int timeoutMs = 10000)
{
    const long target = SimController::instance().lightStream(path).wholeFrames + more;
    QElapsedTimer t;
    t.start();
    while (SimController::instance().lightStream(path).wholeFrames < target) {
        if (t.elapsed() > timeoutMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}

} // namespace

class tst_LightEnginePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void openedKeyboardShowsAndStreamsItsEffect();
    void receiverKeyReportInReactive();
    void switchingAndUnpluggingKeepTheNextStreaming();
    void closingTheWindowEndsSynchronisation();
    void quittingEndsSynchronisation();

private:
    DDevicePage *startWindow();
    TempHome m_home;
    std::unique_ptr<DMainWidget> m_window;
};

void tst_LightEnginePage::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    QCOMPARE(CLumtarLight_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_LightEnginePage::cleanup()
{
    m_window.reset();
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

DDevicePage *tst_LightEnginePage::startWindow()
{
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    if (!DevicePageProbe(page).waitUntilIdle(kSettleMs))
        qWarning("the first enumeration did not end");
    return page;
}

void tst_LightEnginePage::openedKeyboardShowsAndStreamsItsEffect()
{
    const std::string path = SimController::instance().plug("LT108HE");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    lightDealMain *engine = page->lightEngine();
    QVERIFY(engine->isKeyboardPreviewRunning());
    QVERIFY(engine->isSynchronizing());
    // The simulated keyboard runs Wave; the open stored it in the profile.
    QCOMPARE(engine->keyboardMode(), int(LightMode_Wave));
    QVERIFY(framesGrow(path, 20));
    QCOMPARE(SimController::instance().lightStream(path).tornFrames, 0L);
    QCOMPARE(syncReports(path).value(0), 1);
    QCOMPARE(SimController::instance().state(path).lightSync, 1);

    // On the lighting page the keys and side segments show the effect.
    page->onCurIndexChangedMainPage(DDevicePage::LightsConfigPage);
    QTest::qWait(300);
    int lit = 0;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column) {
            const keyboardButCustom *key = probe.gridKey(row, column);
            if (key && key->lightColor().alpha() == 180 && key->lightColor() != QColor(0, 0, 0, 180))
                ++lit;
        }
    }
    QVERIFY2(lit > 90, qPrintable(QString::number(lit)));
    const QList<sideLightButtonCustom *> side = DDataManager::getInstance()->currentKeySelectFrame()->sideLightButtons();
    QVERIFY(!side.isEmpty());
    // The simulated side light breathes in green.
    auto sideLit = [&side] {
        for (const sideLightButtonCustom *segment : side) {
            if (segment->lightColor().green() > 0)
                return true;
        }
        return false;
    };
    QTRY_VERIFY(sideLit());
}

void tst_LightEnginePage::receiverKeyReportInReactive()
{
    const std::string path = SimController::instance().plug("LT108HE", LUMTAR_CONNECT_RECEIVER);
    DevicePageProbe probe(startWindow());
    QVERIFY(SimController::instance().setReceiverLink(path, true));
    QTRY_COMPARE_WITH_TIMEOUT(probe.links().key(probe.currentLink()), qpath(path), kSettleMs);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    lightDealMain *engine = m_window->devicePage()->lightEngine();
    QVERIFY(engine->isSynchronizing());
    // The lighting page's choice of Reactive reaches the engine.
    engine->setKeyboardColorInfo({ 0, LightMode_Reactive, 6, 3, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0 });
    QTRY_VERIFY(!SimController::instance().lightStream(path).compactReports.empty());
    QCOMPARE(SimController::instance().lightStream(path).wholeFrames, 0L);

    auto pressReports = [&path] {
        QList<std::array<uint8_t, 64>> out;
        for (const auto &r : SimController::instance().lightStream(path).compactReports) {
            if (r[4] == LightMode_Reactive && (r[5] || r[6] || r[7] || r[8] || r[9]))
                out << r;
        }
        return out;
    };
    QCOMPARE(pressReports().size(), 0);
    QVERIFY(SimController::instance().sendKeyReport(path, { 0, 0, kW, 0, 0, 0, 0, 0 }));
    QTRY_COMPARE(pressReports().size(), 1);
    QVERIFY(SimController::instance().sendKeyReport(path, { 0, 0, 0, 0, 0, 0, 0, 0 }));
    QTest::qWait(300);
    QCOMPARE(pressReports().size(), 1);
    const auto r = pressReports().first();
    QCOMPARE(int(r[5]), 2);
    QCOMPARE(int(r[6]), 2);
    const LightColorStu ripple = CLumtarHid_GetCurrentRippleLightColor();
    QCOMPARE(int(r[7]), ripple.r);
    QCOMPARE(int(r[8]), ripple.g);
    QCOMPARE(int(r[9]), ripple.b);
    QVERIFY(r[7] || r[8] || r[9]);
}

void tst_LightEnginePage::switchingAndUnpluggingKeepTheNextStreaming()
{
    auto &sim = SimController::instance();
    const std::string first = sim.plug("LT108HE");
    const std::string second = sim.plug("LT104RGB");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QCOMPARE(probe.links().key(probe.currentLink()), qpath(first));
    QVERIFY(framesGrow(first, 5));

    // Switching: the first keyboard leaves synchronisation, the second streams.
    QTest::mouseClick(probe.itemMap().value(qpath(second)), Qt::LeftButton);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.links().key(probe.currentLink()), qpath(second));
    QVERIFY(framesGrow(second, 5));
    QTRY_COMPARE(syncReports(first).value(syncReports(first).size() - 1), 0);
    const long firstFrames = sim.lightStream(first).wholeFrames;
    QTest::qWait(200);
    QCOMPARE(sim.lightStream(first).wholeFrames, firstFrames);
    QCOMPARE(syncReports(second).value(0), 1);

    // Unplugging the keyboard shown mid-stream: the other one is shown and streams.
    QVERIFY(sim.unplug(second));
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QTRY_COMPARE_WITH_TIMEOUT(probe.links().key(probe.currentLink()), qpath(first), kSettleMs);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QVERIFY(framesGrow(first, 5));
    QCOMPARE(sim.lightStream(first).tornFrames, 0L);
    QCOMPARE(syncReports(first).last(), 1);
}

void tst_LightEnginePage::closingTheWindowEndsSynchronisation()
{
    const std::string path = SimController::instance().plug("LT108HE");
    DDevicePage *page = startWindow();
    QVERIFY(framesGrow(path, 3));
    m_window->close();
    QVERIFY(!page->lightEngine()->isSynchronizing());
    QVERIFY(!page->lightEngine()->isKeyboardPreviewRunning());
    // A stopped engine holds no interface.
    QCOMPARE(page->lightEngine()->hidInterface(), nullptr);
    QTRY_COMPARE(SimController::instance().state(path).lightSync, 0);
    const long frames = SimController::instance().lightStream(path).wholeFrames;
    QTest::qWait(200);
    QVERIFY(SimController::instance().lightStream(path).wholeFrames <= frames + 1);
    m_window.reset();
}

void tst_LightEnginePage::quittingEndsSynchronisation()
{
    const std::string path = SimController::instance().plug("LT108HE");
    DDevicePage *page = startWindow();
    QVERIFY(framesGrow(path, 3));
    // What quitting does: the engine stops, then every device is closed at once.
    page->stopBeforeClose();
    page->closeAllDevices();
    QCOMPARE(syncReports(path).last(), 0);
    // The keyboard applies the report on its own thread after taking it.
    QTRY_COMPARE(SimController::instance().state(path).lightSync, 0);
}

QTEST_MAIN(tst_LightEnginePage)
#include "tst_lightenginepage.moc"
