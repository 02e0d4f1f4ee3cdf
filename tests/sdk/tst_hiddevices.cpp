// Enumeration, device information and HID I/O through the SDK's C surface,
// against simulated keyboards.
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimBus.h"
#include "sdk/sim/SimController.h"

#include "support/SimReportReader.h"

#include <QtTest>

#include <QElapsedTimer>

#include <algorithm>
#include <cstring>
#include <thread>

using lumtar::sim::SimController;

namespace {

std::list<std::string> hidPaths()
{
    std::list<std::string> paths;
    CLumtarHid_GetHidInfoList(&paths);
    return paths;
}

bool listed(const std::string& path)
{
    const auto paths = hidPaths();
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

} // namespace

class TestHidDevices : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void versionAndStartup();
    void enumerationFollowsTheTable();
    void deviceAndFirmwareRecords();
    void modelMapAndSupportList();
    void openFailsWithHandleZero_data();
    void openFailsWithHandleZero();
    void severalHandlesAtOnce();
    void readsHonourTheCount();
    void closedHandleRefusesEverything();
    void timerContext();
    void timerWake();
};

void TestHidDevices::initTestCase()
{
    QCOMPARE(CLumtarHid_Init(), 0);
    QCOMPARE(CLumtarLight_Init(), 0);
}

void TestHidDevices::cleanup()
{
    SimController::instance().unplugAll();
}

void TestHidDevices::versionAndStartup()
{
    char buffer[LUMTAR_VERSION_BUFFER_SIZE];
    std::memset(buffer, 'x', sizeof buffer);
    QCOMPARE(CLumtarSDK_VersionStr(buffer), 0);
    QVERIFY(std::memchr(buffer, '\0', sizeof buffer));
    QVERIFY(std::strlen(buffer) > 0);
    QCOMPARE(CLumtarSDK_VersionStr(nullptr), -1);
    QCOMPARE(CLumtarHid_Init(), 0); // a second call gives the first result
}

void TestHidDevices::enumerationFollowsTheTable()
{
    auto& sim = SimController::instance();
    const std::string a = sim.plug("LT108HE");
    const std::string b = sim.plug("LT108HE");
    const std::string r = sim.plug("LT108HE", 1);
    QVERIFY(!a.empty() && !b.empty() && !r.empty());
    QVERIFY(a != b);
    QVERIFY(QByteArray::fromStdString(a).contains("vid_1209&pid_7472&mi_01#"));
    QVERIFY(QByteArray::fromStdString(r).contains("vid_1209&pid_7480"));
    QVERIFY(sim.plug("NoSuchModel").empty());
    QVERIFY(sim.plug("LT68HE", 1).empty()); // the compact model has no receiver

    // A device whose ids the table lacks, and one of ours on another
    // interface, are not listed.
    lumtar::DeviceModel foreign;
    foreign.model = "Foreign";
    foreign.ids.push_back({ 0x1234, 0x5678, 0, -1 });
    const std::string f = lumtar::sim::SimBus::instance().plug(foreign, 0);
    lumtar::DeviceModel otherInterface;
    otherInterface.model = "LT68HE";
    otherInterface.reportInterface = 0;
    otherInterface.ids.push_back({ 0x1209, 0x7476, 0, -1 });
    const std::string o = lumtar::sim::SimBus::instance().plug(otherInterface, 0);
    QVERIFY(!f.empty() && !o.empty());

    const auto paths = hidPaths();
    const std::list<std::string> expected = { a, b, r }; // plug order
    QVERIFY(paths == expected);
    std::list<std::string> appended = { "kept" };
    QCOMPARE(CLumtarHid_GetHidInfoList(&appended), 3);
    QCOMPARE(appended.size(), size_t(4));
    QCOMPARE(CLumtarHid_GetHidInfoList(nullptr), -1);

    QVERIFY(sim.unplug(b));
    QVERIFY(!sim.unplug(b));
    QVERIFY(!listed(b));
    QVERIFY(listed(a));
}

void TestHidDevices::deviceAndFirmwareRecords()
{
    auto& sim = SimController::instance();
    const std::string usb = sim.plug("LT108HE");
    const std::string rx = sim.plug("LT108HE", 1);
    QVERIFY(sim.setFirmwareVersion(usb, "V1.02.03"));

    HidDeviceInfoStu dev;
    FirmwareInfoStu fw;
    QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(usb.c_str(), &dev, &fw));
    QCOMPARE(QByteArray(dev.hidPath), QByteArray::fromStdString(usb));
    QCOMPARE(QByteArray(dev.hidModel), QByteArray("LT108HE"));
    QCOMPARE(dev.vendorId, 0x1209);
    QCOMPARE(dev.productId, 0x7472);
    QCOMPARE(dev.connectType, 0);
    QCOMPARE(dev.interfaceNumber, 1);
    QCOMPARE(QByteArray(fw.firmwareVersion), QByteArray("V1.02.03"));
    QCOMPARE(QByteArray(fw.chipFamily), QByteArray("LTK32"));
    QCOMPARE(QByteArray(fw.chipCode), QByteArray("01"));
    QCOMPARE(QByteArray(fw.customerCode), QByteArray("LUMTAR"));
    QCOMPARE(QByteArray(fw.model), QByteArray("LT108HE"));

    QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(rx.c_str(), &dev, &fw));
    QCOMPARE(dev.connectType, 1);

    // Unknown or vanished paths give false and zeroed records.
    std::memset(&dev, 'x', sizeof dev);
    std::memset(&fw, 'x', sizeof fw);
    QVERIFY(!CLumtarHid_GetHidAndFirmwareInfoStu("hid#vid_1209&pid_7472&mi_01#/dev/none", &dev, &fw));
    QCOMPARE(dev.hidPath[0], '\0');
    QCOMPARE(fw.firmwareVersion[0], '\0');
    QVERIFY(sim.unplug(usb));
    QVERIFY(!CLumtarHid_GetHidAndFirmwareInfoStu(usb.c_str(), &dev, &fw));
    QVERIFY(!CLumtarHid_GetHidAndFirmwareInfoStu(nullptr, &dev, &fw));
}

void TestHidDevices::modelMapAndSupportList()
{
    std::map<std::string, HidInfoStu> models;
    QCOMPARE(CLumtarHid_GetHidInfoStuMapList(&models), 3);
    QCOMPARE(models.size(), size_t(3));
    const HidInfoStu& full = models.at("LT108HE");
    QCOMPARE(QByteArray(full.deviceKind), QByteArray("keyboard"));
    QCOMPARE(QByteArray(full.hidModel), QByteArray("LT108HE"));
    QCOMPARE(full.keyCount, 108);
    QCOMPARE(full.modelValue2, 108);
    QVERIFY(std::strlen(full.productName) > 0);
    QVERIFY(std::strlen(full.likeName) > 0);

    std::list<SupportInfoStu> supported;
    QCOMPARE(CLumtarHid_GetSupportInfoList(&supported), 6);
    bool xbox = false;
    for (const SupportInfoStu& s : supported) {
        // The application reads the id texts at these offsets.
        const char* base = reinterpret_cast<const char*>(&s);
        QCOMPARE(QByteArray(base + 128), QByteArray("1209"));
        QCOMPARE(std::strlen(base + 144), size_t(4));
        if (QByteArray(s.productId) == "7473") {
            xbox = true;
            QCOMPARE(s.gamepadMode, 1);
            QCOMPARE(QByteArray(s.hidModel), QByteArray("LT108HE"));
        }
    }
    QVERIFY(xbox);
}

void TestHidDevices::openFailsWithHandleZero_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("not a path text") << QByteArray("/dev/hidraw0");
    QTest::newRow("no such node") << QByteArray("hid#vid_1209&pid_7472&mi_01#/dev/lumtar-none");
    QTest::newRow("no such simulated device") << QByteArray("hid#vid_1209&pid_7472&mi_01#sim/99999");
    QTest::newRow("unknown transport") << QByteArray("hid#vid_1209&pid_7472&mi_01#usb:1");
}

void TestHidDevices::openFailsWithHandleZero()
{
    QFETCH(QByteArray, path);
    QCOMPARE(CLumtarHid_OpenPath(path.constData()), 0);
    QCOMPARE(CLumtarHid_OpenPath(nullptr), 0);
    // A path whose ids no longer match the device it names.
    const std::string p = SimController::instance().plug("LT68HE");
    std::string wrong = p;
    wrong.replace(wrong.find("7476"), 4, "7478");
    QCOMPARE(CLumtarHid_OpenPath(wrong.c_str()), 0);
    // An unplugged keyboard cannot be opened.
    QVERIFY(SimController::instance().unplug(p));
    QCOMPARE(CLumtarHid_OpenPath(p.c_str()), 0);
}

void TestHidDevices::severalHandlesAtOnce()
{
    auto& sim = SimController::instance();
    const std::string a = sim.plug("LT108HE");
    const std::string b = sim.plug("LT68HE");
    QVERIFY(sim.setSerialNumber(a, std::string(32, 'A')));
    QVERIFY(sim.setSerialNumber(b, std::string(32, 'B')));
    const int ha = CLumtarHid_OpenPath(a.c_str());
    const int hb = CLumtarHid_OpenPath(b.c_str());
    const int ha2 = CLumtarHid_OpenPath(a.c_str());
    QVERIFY(ha > 0 && hb > 0 && ha2 > 0);
    QVERIFY(ha != hb && ha != ha2 && hb != ha2);
    QCOMPARE(CLumtarHid_SetNonblocking(ha, 1), 0);
    QCOMPARE(CLumtarHid_SetNonblocking(hb, 1), 0);

    const auto inquiry = SimReportReader::report({ { 0, 0x00 }, { 1, 0x14 } });
    QCOMPARE(CLumtarHid_HidWriteBuff(hb, inquiry.data(), b.c_str()), 64);
    QCOMPARE(CLumtarHid_HidWriteBuff(ha, inquiry.data(), a.c_str()), 64);
    const SimReadReport ra = SimReportReader::waitFor(ha, 0x15);
    const SimReadReport rb = SimReportReader::waitFor(hb, 0x15);
    QCOMPARE(ra.count, 64);
    QCOMPARE(rb.count, 64);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(ra.bytes.data() + 6), 32), QByteArray(32, 'A'));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(rb.bytes.data() + 6), 32), QByteArray(32, 'B'));

    QCOMPARE(CLumtarHid_Close(ha), 0);
    QCOMPARE(CLumtarHid_Close(hb), 0);
    QCOMPARE(CLumtarHid_Close(ha2), 0);
}

// A read copies what the device delivered and zeroes the rest of the
// caller's buffer: nothing of an earlier report survives.
void TestHidDevices::readsHonourTheCount()
{
    auto& sim = SimController::instance();
    const std::string p = sim.plug("LT108HE");
    const int h = CLumtarHid_OpenPath(p.c_str());
    QVERIFY(h > 0);
    QCOMPARE(CLumtarHid_SetNonblocking(h, 1), 0);

    unsigned char buffer[64];
    std::memset(buffer, 0xEE, sizeof buffer);
    QCOMPARE(CLumtarHid_HidReadBuff(h, buffer), 0); // nothing pending
    for (unsigned char c : buffer)
        QCOMPARE(c, 0);

    lumtar::sim::SimFaults faults;
    faults.shortReadBytes = 10;
    QVERIFY(sim.setFaults(p, faults));
    std::array<uint8_t, 64> report;
    report.fill(0x77);
    report[1] = 0x33;
    QVERIFY(sim.sendInputReport(p, report));
    std::memset(buffer, 0xEE, sizeof buffer);
    int n = 0;
    for (int i = 0; i < 2000 && n == 0; ++i) {
        n = CLumtarHid_HidReadBuff(h, buffer);
        if (n == 0)
            QTest::qSleep(1);
    }
    QCOMPARE(n, 10);
    for (int i = 0; i < 64; ++i)
        QCOMPARE(int(buffer[i]), i == 1 ? 0x33 : (i < 10 ? 0x77 : 0));
    QCOMPARE(CLumtarHid_Close(h), 0);
}

void TestHidDevices::closedHandleRefusesEverything()
{
    const std::string p = SimController::instance().plug("LT104RGB");
    const int h = CLumtarHid_OpenPath(p.c_str());
    QVERIFY(h > 0);
    QCOMPARE(CLumtarHid_Close(h), 0);
    unsigned char buffer[64];
    std::memset(buffer, 0xEE, sizeof buffer);
    QCOMPARE(CLumtarHid_HidReadBuff(h, buffer), -1);
    QCOMPARE(int(buffer[0]), 0);
    const auto r = SimReportReader::report({ { 0, 1 } });
    QCOMPARE(CLumtarHid_HidWriteBuff(h, r.data(), p.c_str()), -1);
    QCOMPARE(CLumtarHid_SetNonblocking(h, 1), -1);
    QCOMPARE(CLumtarHid_Close(h), -1);
    QCOMPARE(CLumtarHid_HidReadBuff(0, buffer), -1);
    QCOMPARE(CLumtarHid_HidWriteBuff(h, nullptr, nullptr), -1);
}

void TestHidDevices::timerContext()
{
    unsigned char context[8];
    std::memset(context, 0, sizeof context);
    QCOMPARE(CLumtarHid_highPrecisionTimerInit(context), 0);
    LumtarTimerContext c;
    std::memcpy(&c, context, sizeof c);
    QVERIFY(c != 0);
    LumtarTimerContext other = 0;
    QCOMPARE(CLumtarHid_highPrecisionTimerInit(&other), 0);
    QVERIFY(other != c);
    QCOMPARE(CLumtarHid_highPrecisionTimerRuning(100, c), -1); // not started yet: waits all the same
    QCOMPARE(CLumtarHid_highPrecisionTimerStart(c), 0);
    QCOMPARE(CLumtarHid_highPrecisionTimerRuning(100, c), 0);
    QCOMPARE(CLumtarHid_highPrecisionTimerRuning(0, c), 0);
    QCOMPARE(CLumtarHid_highPrecisionTimerStop(c), 0);
    QCOMPARE(CLumtarHid_highPrecisionTimerStop(c), -1);
    QCOMPARE(CLumtarHid_highPrecisionTimerRuning(1, c), -1);
    QCOMPARE(CLumtarHid_highPrecisionTimerStart(c), -1);
    QCOMPARE(CLumtarHid_highPrecisionTimerInit(nullptr), -1);
    QCOMPARE(CLumtarHid_highPrecisionTimerStop(other), 0);
}

void TestHidDevices::timerWake()
{
    // A long wait ends as soon as another thread wakes or stops the timer; a
    // wake that finds no wait ends the next one, once.
    constexpr int kSecond = 1000000 / LUMTAR_TIMER_UNIT_US;
    LumtarTimerContext c = 0;
    QCOMPARE(CLumtarHid_highPrecisionTimerInit(&c), 0);
    QCOMPARE(CLumtarHid_highPrecisionTimerStart(c), 0);
    QElapsedTimer waited;

    std::thread waker([c] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        CLumtarHid_highPrecisionTimerWake(c);
    });
    waited.start();
    QCOMPARE(CLumtarHid_highPrecisionTimerRuning(kSecond, c), 0);
    waker.join();
    QVERIFY2(waited.elapsed() < 900, QByteArray::number(waited.elapsed()).constData());

    QCOMPARE(CLumtarHid_highPrecisionTimerWake(c), 0);
    QCOMPARE(CLumtarHid_highPrecisionTimerWake(c), 0); // wakes do not add up
    waited.restart();
    QCOMPARE(CLumtarHid_highPrecisionTimerRuning(kSecond, c), 0);
    QVERIFY(waited.elapsed() < 900);
    waited.restart();
    QCOMPARE(CLumtarHid_highPrecisionTimerRuning(400, c), 0); // 10 ms, not cut short
    QVERIFY(waited.elapsed() >= 9);

    std::thread stopper([c] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        CLumtarHid_highPrecisionTimerStop(c);
    });
    waited.restart();
    CLumtarHid_highPrecisionTimerRuning(kSecond, c);
    stopper.join();
    QVERIFY(waited.elapsed() < 900);
    QCOMPARE(CLumtarHid_highPrecisionTimerWake(c), -1);
    QCOMPARE(CLumtarHid_highPrecisionTimerWake(0), -1);
}

QTEST_GUILESS_MAIN(TestHidDevices)
#include "tst_hiddevices.moc"
