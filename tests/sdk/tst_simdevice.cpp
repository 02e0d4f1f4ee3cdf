// The simulated keyboard on its bus, seen through the SDK's handles: hot-plug
// notification, re-enumeration, receiver state, onboard memory and every
// injected fault as a reader meets it.
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimBus.h"
#include "sdk/sim/SimController.h"

#include "support/SimHotplugRecorder.h"
#include "support/SimReportReader.h"

#include <QtTest>

#include <algorithm>

using lumtar::sim::SimController;
using lumtar::sim::SimFaults;

namespace {

bool listed(const std::string& path)
{
    std::list<std::string> paths;
    CLumtarHid_GetHidInfoList(&paths);
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

int openNonblocking(const std::string& path)
{
    const int h = CLumtarHid_OpenPath(path.c_str());
    if (h > 0)
        CLumtarHid_SetNonblocking(h, 1);
    return h;
}

int write(int handle, std::initializer_list<std::pair<int, int>> bytes)
{
    const auto r = SimReportReader::report(bytes);
    return CLumtarHid_HidWriteBuff(handle, r.data(), nullptr);
}

} // namespace

class TestSimDevice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void plugAndUnplugAreNotified();
    void gamepadModeSwitchReenumerates();
    void bootloaderEntry();
    void receiverReportsItsKeyboard();
    void keyEventsAndBattery();
    void unreadInputIsBounded();
    void onboardDownloadReadBack();
    void droppedAndDelayedAcknowledgements();
    void lateRepliesComeAfterLaterReports();
    void shortOrEmptySerialNumber_data();
    void shortOrEmptySerialNumber();
    void missingSideLightList();
    void vanishMidTransfer();
    void closingWhileAReadWaits();
};

void TestSimDevice::initTestCase()
{
    QCOMPARE(CLumtarHid_Init(), 0);
}

void TestSimDevice::cleanup()
{
    SimController::instance().unplugAll();
}

void TestSimDevice::plugAndUnplugAreNotified()
{
    SimHotplugRecorder rec;
    auto& sim = SimController::instance();
    const std::string a = sim.plug("LT68HE");
    const std::string b = sim.plug("LT108HE", 1);
    QVERIFY(sim.unplug(a));
    QVERIFY(rec.waitForCount(3));
    const auto ev = rec.events();
    QVERIFY(ev[0] == std::make_pair(true, a));
    QVERIFY(ev[1] == std::make_pair(true, b));
    QVERIFY(ev[2] == std::make_pair(false, a));

    // An unregistered callback hears nothing more.
    {
        SimHotplugRecorder other;
        QVERIFY(sim.unplug(b));
        QVERIFY(other.waitForCount(1));
    }
    rec.clear();
    SimHotplugRecorder* gone = new SimHotplugRecorder;
    delete gone;
    sim.plug("LT104RGB");
    QVERIFY(rec.waitForCount(1));
    QCOMPARE(rec.events().size(), size_t(1));
    QCOMPARE(CLumtarHid_RegisterHotplugCallback(nullptr, nullptr), 0);
}

void TestSimDevice::gamepadModeSwitchReenumerates()
{
    auto& sim = SimController::instance();
    const std::string before = sim.plug("LT108HE");
    QVERIFY(sim.setSerialNumber(before, std::string(32, 'S')));
    SimHotplugRecorder rec;
    const int h = openNonblocking(before);
    QVERIFY(h > 0);
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x13 }, { 2, 3 }, { 5, 1 }, { 6, 1 } }), 64);
    QVERIFY(rec.waitForCount(2));
    const auto ev = rec.events();
    QVERIFY(ev[0] == std::make_pair(false, before));
    QVERIFY(ev[1].first);
    const std::string after = ev[1].second;
    QVERIFY(QByteArray::fromStdString(after).indexOf("7473", 1) > 0);
    QVERIFY(QByteArray::fromStdString(after).indexOf("7472", 1) < 0);
    QVERIFY(!listed(before));
    QVERIFY(listed(after));

    // The old handle is dead; the keyboard kept its serial number.
    unsigned char buf[64];
    QCOMPARE(CLumtarHid_HidReadBuff(h, buf), -1);
    QCOMPARE(write(h, { { 0, 1 } }), -1);
    QCOMPARE(CLumtarHid_Close(h), 0);
    QCOMPARE(QByteArray::fromStdString(sim.state(after).serialNumber), QByteArray(32, 'S'));
    QCOMPARE(sim.state(after).gamepadMode, 1);
    HidDeviceInfoStu dev;
    FirmwareInfoStu fw;
    QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(after.c_str(), &dev, &fw));
    QCOMPARE(dev.productId, 0x7473);
}

void TestSimDevice::bootloaderEntry()
{
    auto& sim = SimController::instance();
    const std::string kb = sim.plug("LT108HE");
    SimHotplugRecorder rec;
    const int h = openNonblocking(kb);
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x0A } }), 64);
    QVERIFY(rec.waitForCount(2));
    const auto ev = rec.events();
    QVERIFY(ev[0] == std::make_pair(false, kb));
    QVERIFY(ev[1].first);
    QVERIFY(QByteArray::fromStdString(ev[1].second).contains("vid_0416&pid_3f00"));
    QCOMPARE(sim.bootloaderPaths(), std::vector<std::string>{ ev[1].second });
    QVERIFY(sim.paths().empty());
    QVERIFY(!listed(ev[1].second)); // a bootloader is not a supported keyboard
    CLumtarHid_Close(h);
}

void TestSimDevice::receiverReportsItsKeyboard()
{
    auto& sim = SimController::instance();
    const std::string rx = sim.plug("LT108HE", 1);
    const int h = openNonblocking(rx);
    QVERIFY(sim.setReceiverLink(rx, false));
    SimReadReport status = SimReportReader::waitFor(h, 0x01);
    QCOMPARE(status.count, 64);
    QCOMPARE(int(status.bytes[11]), 1);
    QCOMPARE(int(status.bytes[12]), 1);
    // The keyboard is out of reach: its queries go unanswered.
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x09 } }), 64);
    QVERIFY(sim.setReceiverLink(rx, true));
    status = SimReportReader::waitFor(h, 0x01);
    QCOMPARE(int(status.bytes[12]), 0);
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x09 } }), 64);
    const auto all = SimReportReader::collect(h, 2000, 1);
    QCOMPARE(all.size(), size_t(1));
    QCOMPARE(int(all[0].bytes[1]), 0x0A);
    QVERIFY(!sim.setReceiverLink(sim.plug("LT68HE"), false)); // not a receiver
    CLumtarHid_Close(h);
}

void TestSimDevice::keyEventsAndBattery()
{
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT104RGB");
    const int h = openNonblocking(p);
    QVERIFY(sim.sendKeyReport(p, { 2, 0, 4, 5, 0, 0, 0, 0 }));
    QVERIFY(sim.sendFullKeyReport(p, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 }));
    QVERIFY(sim.sendFunctionKey(p, 2, 17, true));
    QVERIFY(sim.setBattery(p, 42, 1));
    const auto got = SimReportReader::collect(h, 2000, 4);
    QCOMPARE(got.size(), size_t(4));
    QCOMPARE(int(got[0].bytes[1]), 0x04);
    QCOMPARE(int(got[0].bytes[6]), 2);
    QCOMPARE(int(got[0].bytes[8]), 4);
    QCOMPARE(int(got[1].bytes[1]), 0x05);
    QCOMPARE(int(got[1].bytes[18]), 13);
    QCOMPARE(int(got[2].bytes[1]), 0x20);
    QCOMPARE(int(got[2].bytes[6]), 2);
    QCOMPARE(int(got[2].bytes[9]), 17);
    QCOMPARE(int(got[2].bytes[10]), 1);
    QCOMPARE(int(got[3].bytes[1]), 0x01);
    QCOMPARE(int(got[3].bytes[9]), 1);
    QCOMPARE(int(got[3].bytes[10]), 42);
    QVERIFY(!sim.sendFunctionKey("hid#vid_1209&pid_7478&mi_01#sim/0", 0, 1, true));
    CLumtarHid_Close(h);
}

void TestSimDevice::unreadInputIsBounded()
{
    // A keyboard typed on while nobody reads keeps only the latest reports.
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT104RGB");
    const int h = openNonblocking(p);
    const int sent = int(lumtar::sim::SimBus::kInputLimit) + 100;
    for (int i = 0; i < sent; ++i) {
        std::array<uint8_t, 64> r{};
        r[0] = 0x01;
        r[1] = 0x20;
        r[6] = uint8_t(i >> 8);
        r[7] = uint8_t(i);
        QVERIFY(sim.sendInputReport(p, r));
    }
    unsigned char buffer[64];
    int count = 0, first = -1, last = -1;
    while (CLumtarHid_HidReadBuff(h, buffer) > 0) {
        last = buffer[6] * 256 + buffer[7];
        if (first < 0)
            first = last;
        ++count;
    }
    QCOMPARE(count, int(lumtar::sim::SimBus::kInputLimit));
    QCOMPARE(first, sent - count);
    QCOMPARE(last, sent - 1);
    CLumtarHid_Close(h);
}

void TestSimDevice::onboardDownloadReadBack()
{
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    const int h = openNonblocking(p);
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x17 }, { 2, 0 }, { 4, 0 }, { 5, 4 }, { 6, 0x10 }, { 7, 4 }, { 8, 2 } }), 64);
    for (int packet = 0; packet < 5; ++packet) {
        QCOMPARE(write(h, { { 0, 1 }, { 1, 0x18 }, { 2, 0 }, { 4, packet }, { 5, packet < 4 ? 58 : 24 }, { 6, 0x20 + packet } }), 64);
        const SimReadReport ack = SimReportReader::waitFor(h, 0x19);
        QCOMPARE(ack.count, 64);
        QCOMPARE(int(ack.bytes[4]), packet);
    }
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x2A }, { 2, 0 }, { 5, 50 }, { 6, 2 }, { 15, 15 } }), 64);
    QTRY_COMPARE(sim.onboardSeniorKey(p, 0).size(), size_t(64));
    QCOMPARE(sim.onboardKeys(p, 0), (std::vector<uint8_t>{ 0x10, 4, 2, 0 }));
    const auto slot = sim.onboardMacro(p, 0);
    QCOMPARE(slot.size(), size_t(256));
    QCOMPARE(int(slot[0]), 0x20);
    QCOMPARE(int(slot[58]), 0x21);
    QCOMPARE(int(slot[232]), 0x24);
    QCOMPARE(int(sim.onboardSeniorKey(p, 0)[15]), 15);
    const auto received = sim.receivedReports(p);
    QCOMPARE(received.size(), size_t(7));
    QCOMPARE(int(received[0][1]), 0x17);
    sim.clearReceivedReports(p);
    QVERIFY(sim.receivedReports(p).empty());
    CLumtarHid_Close(h);
}

void TestSimDevice::droppedAndDelayedAcknowledgements()
{
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    SimFaults f;
    f.dropAcks = 2;
    QVERIFY(sim.setFaults(p, f));
    const int h = openNonblocking(p);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(write(h, { { 0, 1 }, { 1, 0x18 }, { 2, 1 }, { 4, i }, { 5, 58 } }), 64);
    const auto acks = SimReportReader::collect(h, 1000);
    QCOMPARE(acks.size(), size_t(1)); // only the third one was acknowledged
    QCOMPARE(int(acks[0].bytes[4]), 2);

    f.dropAcks = -1;
    QVERIFY(sim.setFaults(p, f));
    for (int i = 0; i < 3; ++i)
        write(h, { { 0, 1 }, { 1, 0x18 }, { 2, 1 }, { 4, i }, { 5, 58 } });
    QVERIFY(SimReportReader::collect(h, 300).empty());

    // A delayed acknowledgement still comes, after a report sent later.
    f.dropAcks = 0;
    f.ackDelayMs = 400;
    QVERIFY(sim.setFaults(p, f));
    write(h, { { 0, 1 }, { 1, 0x18 }, { 2, 1 }, { 4, 0 }, { 5, 58 } });
    write(h, { { 0, 1 }, { 1, 0x29 }, { 5, 24 }, { 6, 4 } });
    const auto both = SimReportReader::collect(h, 3000, 2);
    QCOMPARE(both.size(), size_t(2));
    QCOMPARE(int(both[0].bytes[1]), 0x21);
    QCOMPARE(int(both[1].bytes[1]), 0x19);
    CLumtarHid_Close(h);
}

void TestSimDevice::lateRepliesComeAfterLaterReports()
{
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT68HE");
    SimFaults f;
    f.replyDelayMs = 400;
    QVERIFY(sim.setFaults(p, f));
    const int h = openNonblocking(p);
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x09 } }), 64);
    QVERIFY(sim.sendFunctionKey(p, 0, 1, true));
    const auto got = SimReportReader::collect(h, 3000, 2);
    QCOMPARE(got.size(), size_t(2));
    QCOMPARE(int(got[0].bytes[1]), 0x20);
    QCOMPARE(int(got[1].bytes[1]), 0x0A);
    CLumtarHid_Close(h);
}

void TestSimDevice::shortOrEmptySerialNumber_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("twenty characters") << 20;
    QTest::newRow("complete") << -1;
}

void TestSimDevice::shortOrEmptySerialNumber()
{
    QFETCH(int, length);
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    QVERIFY(sim.setSerialNumber(p, std::string(32, 'Q')));
    SimFaults f;
    f.serialLength = length;
    QVERIFY(sim.setFaults(p, f));
    const int h = openNonblocking(p);
    write(h, { { 0, 0 }, { 1, 0x14 } });
    const SimReadReport r = SimReportReader::waitFor(h, 0x15);
    QCOMPARE(r.count, 64);
    const int kept = length < 0 ? 32 : length;
    for (int i = 0; i < 32; ++i)
        QCOMPARE(int(r.bytes[static_cast<size_t>(6 + i)]), i < kept ? int('Q') : 0);
    CLumtarHid_Close(h);
}

void TestSimDevice::missingSideLightList()
{
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    SimFaults f;
    f.noSideLightList = true;
    QVERIFY(sim.setFaults(p, f));
    const int h = openNonblocking(p);
    write(h, { { 0, 1 }, { 1, 0x01 } });
    write(h, { { 0, 1 }, { 1, 0x0D } });
    const auto got = SimReportReader::collect(h, 1000, 1);
    QCOMPARE(got.size(), size_t(1));
    QCOMPARE(int(got[0].bytes[1]), 0x0E); // the inquiry after it is still answered
    QVERIFY(SimReportReader::collect(h, 300).empty());
    CLumtarHid_Close(h);
}

void TestSimDevice::vanishMidTransfer()
{
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    SimFaults f;
    f.vanishAfterWrites = 2;
    QVERIFY(sim.setFaults(p, f));
    SimHotplugRecorder rec;
    const int h = openNonblocking(p);
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x18 }, { 4, 0 }, { 5, 58 } }), 64);
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x18 }, { 4, 1 }, { 5, 58 } }), 64);
    QCOMPARE(write(h, { { 0, 1 }, { 1, 0x18 }, { 4, 2 }, { 5, 58 } }), -1);
    unsigned char buf[64];
    QCOMPARE(CLumtarHid_HidReadBuff(h, buf), -1);
    QVERIFY(rec.waitForCount(1));
    QVERIFY(rec.events()[0] == std::make_pair(false, p));
    QVERIFY(!listed(p));
    QCOMPARE(CLumtarHid_OpenPath(p.c_str()), 0);
    QCOMPARE(CLumtarHid_Close(h), 0);
}

// A blocking read on one thread ends when another thread closes the handle.
void TestSimDevice::closingWhileAReadWaits()
{
    const std::string p = SimController::instance().plug("LT68HE");
    const int h = CLumtarHid_OpenPath(p.c_str());
    QVERIFY(h > 0);
    std::atomic<int> result{ 99 };
    std::thread reader([&] {
        unsigned char buf[64];
        result = CLumtarHid_HidReadBuff(h, buf);
    });
    QTest::qSleep(50);
    QCOMPARE(CLumtarHid_Close(h), 0);
    reader.join();
    QVERIFY(result <= 0);
}

QTEST_GUILESS_MAIN(TestSimDevice)
#include "tst_simdevice.moc"
