// The SDK's hidapi backend on the kernel's own HID stack: keyboards made
// through /dev/uhid and served over USB/IP, answered by the simulated
// keyboard's firmware model, enumerated, opened by the main window's device
// page, downloaded to, unplugged and plugged in again; the generated udev
// rule run by udevadm on their nodes. It needs /dev/uhid, which
// tools/kernel-vm.sh provides in a small virtual machine; elsewhere only the
// simulated rows of the conventions table run.
//
// The conventions table runs the same rows against the simulated transport
// and both kernel paths, so the simulated keyboard keeps behaving as a real one.
#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "kernel/ConventionSides.h"
#include "kernel/KernelGuest.h"
#include "kernel/KernelKeyboard.h"
#include "kernel/KeyboardDescriptors.h"
#include "sdk/hid/DevicePathText.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/LogCapture.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "widgets/CbNotice.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <list>
#include <memory>

using lumtar::sim::SimController;

namespace {

constexpr char kModel[] = "LT108HE";
constexpr char kOtherModel[] = "LT104RGB";

const QStringList kKernelNodes{QStringLiteral("/dev/uhid")};

bool haveUhid()
{
    return KernelGuest::haveNodes(kKernelNodes);
}

// Skips the test function where the kernel path cannot run.
#define REQUIRE_KERNEL() KERNEL_GUEST_REQUIRE(kKernelNodes, "kernel_hid")

using KernelGuest::waitFor;

Bytes report(std::initializer_list<std::pair<int, int>> bytes)
{
    Bytes r(64, 0);
    for (const auto &b : bytes)
        r[static_cast<size_t>(b.first)] = static_cast<uint8_t>(b.second);
    return r;
}

QByteArray hex(const Bytes &b)
{
    return QByteArray(reinterpret_cast<const char *>(b.data()), static_cast<int>(b.size())).toHex();
}

enum class Row {
    WriteLedBy01,
    WriteLedBy00,
    RawWriteWithoutReportId,
    RawWriteOfOneByte,
    InputReport,
    ShortInputReport,
    LongInputReport,
    NothingPending,
    InputQueuedAtRemoval,
    WriteAfterRemoval,
    OpenAfterRemoval,
    WaitEndsForInput,
    WaitWithoutInput,
    WaitEndsAtRemoval,
};

} // namespace

Q_DECLARE_METATYPE(Row)

class tst_KernelHid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void conventions_data();
    void conventions();

    void enumeration();
    void usbInterfaceAndRelease();
    void openSequenceAndDownload();
    void udevRule_data();
    void udevRule();

private:
    // Starts the guest's udev daemon, so that hot-plug reaches the main
    // window's device monitor; false when there is none.
    bool startUdevDaemon();
    std::unique_ptr<DMainWidget> m_window;
};

void tst_KernelHid::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    QVERIFY(deviceTable().findModel(kModel) && deviceTable().findModel(kOtherModel));
    qInfo("/dev/uhid %s", haveUhid() ? "present: the kernel path runs" : "missing: only the simulated rows run");
}

void tst_KernelHid::cleanup()
{
    m_window.reset();
    SimController::instance().unplugAll();
}

bool tst_KernelHid::startUdevDaemon()
{
    static bool running = false;
    const QString daemon = QStringLiteral("/lib/systemd/systemd-udevd");
    if (running || !QFile::exists(daemon))
        return running;
    QProcess::execute(daemon, { QStringLiteral("--daemon") });
    running = waitFor([] { return QFile::exists(QStringLiteral("/run/udev/control")); }, 5000);
    return running;
}

void tst_KernelHid::conventions_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<Row>("row");
    const std::pair<const char *, Row> rows[] = {
        { "report led by 0x01 reaches the keyboard whole", Row::WriteLedBy01 },
        { "report led by 0x00 reaches the keyboard whole", Row::WriteLedBy00 },
        { "raw write without report id loses byte 0", Row::RawWriteWithoutReportId },
        { "raw write of one byte is refused", Row::RawWriteOfOneByte },
        { "input report reads as 64 bytes", Row::InputReport },
        { "short input report is dropped", Row::ShortInputReport },
        { "long input report is cut to 64 bytes", Row::LongInputReport },
        { "nothing pending reads 0", Row::NothingPending },
        { "input queued at removal is lost, read -1", Row::InputQueuedAtRemoval },
        { "write after removal -1", Row::WriteAfterRemoval },
        { "open after removal fails", Row::OpenAfterRemoval },
        { "an idle wait ends for an input report", Row::WaitEndsForInput },
        { "an idle wait without input lasts its interval", Row::WaitWithoutInput },
        { "an idle wait ends at removal", Row::WaitEndsAtRemoval },
    };
    for (const char *side : { "sim", "uhid", "usb" }) {
        for (const auto &row : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(side, row.first))) << side << row.second;
    }
}

void tst_KernelHid::conventions()
{
    QFETCH(QString, side);
    QFETCH(Row, row);
    std::unique_ptr<DeviceSide> device;
    if (side == QLatin1String("sim")) {
        device = std::make_unique<SimSide>(kModel);
    } else {
        REQUIRE_KERNEL();
        device = std::make_unique<KernelSide>(kModel, side == QLatin1String("usb") ? KernelKeyboard::Bus::Usb
                                                                                   : KernelKeyboard::Bus::Uhid);
    }
    const std::string path = device->plug();
    QVERIFY(!path.empty());
    lumtar::DevicePathText parsed;
    QVERIFY(lumtar::DevicePathText::parse(path, &parsed));
    const int handle = CLumtarHid_OpenPath(path.c_str());
    QVERIFY(handle > 0);
    auto closeHandle = qScopeGuard([handle] { CLumtarHid_Close(handle); });
    QCOMPARE(CLumtarHid_SetNonblocking(handle, 1), 0);
    unsigned char buffer[64];

    // Reads until a report comes, for at most two seconds.
    auto readOne = [&] {
        int n = 0;
        QDeadlineTimer deadline(2000);
        while ((n = CLumtarHid_HidReadBuff(handle, buffer)) == 0 && !deadline.hasExpired())
            QTest::qSleep(2);
        return n;
    };
    auto receivedAfterWrite = [&](size_t count) {
        waitFor([&] { return device->received().size() >= count; }, 2000);
        return device->received();
    };

    switch (row) {
    case Row::WriteLedBy01:
    case Row::WriteLedBy00: {
        // Light synchronisation and shake hands: neither is answered.
        const Bytes r = row == Row::WriteLedBy01 ? report({ { 0, 0x01 }, { 1, 0x16 }, { 5, 1 }, { 6, 1 } })
                                                 : report({ { 0, 0x00 }, { 1, 0x00 }, { 5, 1 } });
        QCOMPARE(CLumtarHid_HidWriteBuff(handle, r.data(), path.c_str()), 64);
        const std::vector<Bytes> got = receivedAfterWrite(1);
        QCOMPARE(got.size(), size_t(1));
        QCOMPARE(got[0].size(), size_t(64));
        QCOMPARE(hex(got[0]), hex(r));
        break;
    }
    case Row::RawWriteWithoutReportId: {
        // The kernel takes byte 0 for the report id: a leading 0x00 is not sent.
        int error = 0;
        auto connection = device->transport().open(parsed.osPath, &error);
        QVERIFY(connection);
        const Bytes r = report({ { 0, 0x00 }, { 1, 0x14 } });
        QCOMPARE(connection->write(r.data(), r.size()), 64);
        const std::vector<Bytes> got = receivedAfterWrite(1);
        QCOMPARE(got.size(), size_t(1));
        QCOMPARE(hex(got[0]), hex(Bytes(r.begin() + 1, r.end())));
        break;
    }
    case Row::RawWriteOfOneByte: {
        int error = 0;
        auto connection = device->transport().open(parsed.osPath, &error);
        QVERIFY(connection);
        const uint8_t one = 0x01;
        QCOMPARE(connection->write(&one, 1), -1);
        QTest::qWait(100);
        QCOMPARE(device->received().size(), size_t(0));
        break;
    }
    case Row::InputReport: {
        Bytes r(64);
        for (size_t i = 0; i < r.size(); ++i)
            r[i] = static_cast<uint8_t>(i + 1);
        QVERIFY(device->sendInput(r));
        QCOMPARE(readOne(), 64);
        QCOMPARE(hex(Bytes(buffer, buffer + 64)), hex(r));
        break;
    }
    case Row::ShortInputReport: {
        // Older kernels passed it on with its own length; the reader takes
        // either (the count, zeros after it).
        QVERIFY(device->sendInput(Bytes(20, 0xAB)));
        const Bytes marker(64, 0xCD);
        QVERIFY(device->sendInput(marker));
        QCOMPARE(readOne(), 64);
        QCOMPARE(hex(Bytes(buffer, buffer + 64)), hex(marker));
        break;
    }
    case Row::LongInputReport: {
        Bytes r(70);
        for (size_t i = 0; i < r.size(); ++i)
            r[i] = static_cast<uint8_t>(i + 1);
        QVERIFY(device->sendInput(r));
        QCOMPARE(readOne(), 64);
        QCOMPARE(hex(Bytes(buffer, buffer + 64)), hex(Bytes(r.begin(), r.begin() + 64)));
        break;
    }
    case Row::NothingPending:
        QCOMPARE(CLumtarHid_HidReadBuff(handle, buffer), 0);
        break;
    case Row::InputQueuedAtRemoval:
        QVERIFY(device->sendInput(report({ { 0, 0x01 }, { 1, 0x0B } })));
        QTest::qWait(100);
        device->unplug();
        QCOMPARE(CLumtarHid_HidReadBuff(handle, buffer), -1);
        QCOMPARE(CLumtarHid_HidReadBuff(handle, buffer), -1);
        break;
    case Row::WriteAfterRemoval: {
        device->unplug();
        const Bytes r = report({ { 0, 0x01 }, { 1, 0x16 } });
        QCOMPARE(CLumtarHid_HidWriteBuff(handle, r.data(), path.c_str()), -1);
        break;
    }
    case Row::OpenAfterRemoval:
        device->unplug();
        QCOMPARE(CLumtarHid_OpenPath(path.c_str()), 0);
        QVERIFY(listedPathOf(parsed.osPath).empty());
        break;
    case Row::WaitEndsForInput:
    case Row::WaitWithoutInput:
    case Row::WaitEndsAtRemoval: {
        // The I/O thread's idle wait: on the node (or the simulated bus's
        // signal) and the timer's wake at once.
        LumtarTimerContext timer = 0;
        QCOMPARE(CLumtarHid_highPrecisionTimerInit(&timer), 0);
        QCOMPARE(CLumtarHid_highPrecisionTimerStart(timer), 0);
        auto stopTimer = qScopeGuard([timer] { CLumtarHid_highPrecisionTimerStop(timer); });
        constexpr int kSecond = 1000000 / LUMTAR_TIMER_UNIT_US;
        constexpr int kTenth = kSecond / 10;
        QElapsedTimer waited;
        if (row == Row::WaitWithoutInput) {
            waited.start();
            QCOMPARE(CLumtarHid_HidWaitInput(handle, kTenth, timer), 0);
            QVERIFY(waited.elapsed() >= 90);
            // A wake ends it, the next one at once when it came first.
            QCOMPARE(CLumtarHid_highPrecisionTimerWake(timer), 0);
            waited.restart();
            QCOMPARE(CLumtarHid_HidWaitInput(handle, kSecond, timer), 0);
            QVERIFY(waited.elapsed() < 900);
            QCOMPARE(CLumtarHid_HidReadBuff(handle, buffer), 0);
            break;
        }
        if (row == Row::WaitEndsForInput)
            QVERIFY(device->sendInput(report({ { 0, 0x01 }, { 1, 0x0B } })));
        else
            device->unplug();
        waited.start();
        QCOMPARE(CLumtarHid_HidWaitInput(handle, kSecond, timer), 1);
        QVERIFY2(waited.elapsed() < 900, QByteArray::number(waited.elapsed()).constData());
        QCOMPARE(CLumtarHid_HidReadBuff(handle, buffer), row == Row::WaitEndsForInput ? 64 : -1);
        if (row == Row::WaitEndsForInput) {
            // Taken: the next wait lasts its interval again.
            waited.restart();
            QCOMPARE(CLumtarHid_HidWaitInput(handle, kTenth, timer), 0);
            QVERIFY(waited.elapsed() >= 90);
        }
        break;
    }
    }
}

void tst_KernelHid::enumeration()
{
    REQUIRE_KERNEL();
    auto first = KernelGuest::plugKeyboard(kModel, "enumeration-1");
    auto second = KernelGuest::plugKeyboard(kOtherModel, "enumeration-2");
    QVERIFY(first && second);
    // A device of foreign ids with the same interface is not ours.
    UhidDevice foreign;
    UhidDevice::Config c;
    c.name = "Foreign keyboard";
    c.uniq = "enumeration-foreign";
    c.vendorId = 0x1209;
    c.productId = 0x0001;
    c.descriptor = KeyboardDescriptors::vendorInterface(0xff60);
    std::string error;
    QVERIFY2(foreign.create(c, nullptr, &error), error.c_str());
    QVERIFY(!foreign.waitForNode(10000).empty());

    // One entry per keyboard: the report interface only (the boot-keyboard
    // interface has another usage page); uhid has no USB interface number.
    std::list<std::string> paths = listedPaths();
    for (const std::string &p : paths)
        qInfo("listed %s", p.c_str());
    QCOMPARE(int(paths.size()), 2);
    const std::string a = "hid#vid_1209&pid_7472&mi_00#" + first->node();
    const std::string b = "hid#vid_1209&pid_7478&mi_00#" + second->node();
    QCOMPARE(QString::fromStdString(listedPathOf(first->node())), QString::fromStdString(a));
    QCOMPARE(QString::fromStdString(listedPathOf(second->node())), QString::fromStdString(b));

    HidDeviceInfoStu device;
    FirmwareInfoStu firmware;
    QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(a.c_str(), &device, &firmware));
    QCOMPARE(QString(device.hidModel), QString(kModel));
    QCOMPARE(device.vendorId, 0x1209);
    QCOMPARE(device.productId, 0x7472);
    QCOMPARE(device.interfaceNumber, -1);
    QCOMPARE(QString(device.product), QString("Lumtar LT108 HE"));
    QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(b.c_str(), &device, &firmware));
    QCOMPARE(QString(device.hidModel), QString(kOtherModel));
    QCOMPARE(QString(firmware.chipCode), QString("03"));

    // The user may open them (the guest runs as root); none is refused.
    std::list<std::string> refused;
    QCOMPARE(CLumtarHid_GetInaccessibleList(&refused), 0);
}

void tst_KernelHid::usbInterfaceAndRelease()
{
    REQUIRE_KERNEL();
    // The keyboard as a USB device through the kernel's USB HID driver: the
    // interface number and the release number come from the USB device.
    KernelKeyboard keyboard(*deviceTable().findModel(kModel), "usb-1", KernelKeyboard::Bus::Usb);
    std::string error;
    QVERIFY2(keyboard.plug(&error), error.c_str());
    qInfo("%s over USB/IP is %s", kModel, keyboard.node().c_str());
    const std::list<std::string> paths = listedPaths();
    for (const std::string &p : paths)
        qInfo("listed %s", p.c_str());
    const std::string path = "hid#vid_1209&pid_7472&mi_01#" + keyboard.node();
    QCOMPARE(int(paths.size()), 1);
    QCOMPARE(QString::fromStdString(paths.front()), QString::fromStdString(path));

    HidDeviceInfoStu device;
    FirmwareInfoStu firmware;
    QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(path.c_str(), &device, &firmware));
    QCOMPARE(QString(device.hidModel), QString(kModel));
    QCOMPARE(device.interfaceNumber, 1);
    QCOMPARE(QString(device.manufacturer), QString("Lumtar"));
    QCOMPARE(QString(device.product), QString("Lumtar LT108 HE"));
    QCOMPARE(QString(device.firmwareText), QString("V1.06"));
    QCOMPARE(QString(firmware.firmwareVersion), QString("V1.06"));

    // The serial-number inquiry (byte 0 = 0x00) answered through usbhid.
    std::string serial;
    keyboard.firmware().withKeyboard([&](lumtar::sim::SimKeyboard &k) { serial = k.state().serialNumber; });
    const int handle = CLumtarHid_OpenPath(path.c_str());
    QVERIFY(handle > 0);
    auto closeHandle = qScopeGuard([handle] { CLumtarHid_Close(handle); });
    CLumtarHid_SetNonblocking(handle, 1);
    const Bytes inquiry = report({ { 0, 0x00 }, { 1, 0x14 } });
    QCOMPARE(CLumtarHid_HidWriteBuff(handle, inquiry.data(), path.c_str()), 64);
    unsigned char buffer[64] = {};
    QVERIFY(waitFor([&] { return CLumtarHid_HidReadBuff(handle, buffer) == 64 && buffer[1] == 0x15; }, 5000));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer + 6), 32), QByteArray::fromStdString(serial));
}

void tst_KernelHid::openSequenceAndDownload()
{
    REQUIRE_KERNEL();
    auto keyboard = KernelGuest::plugKeyboard(kModel, "page-1");
    auto other = KernelGuest::plugKeyboard(kOtherModel, "page-2");
    QVERIFY(keyboard && other);
    const std::string path = listedPathOf(keyboard->node());
    std::string serial;
    keyboard->firmware().withKeyboard([&](lumtar::sim::SimKeyboard &k) { serial = k.state().serialNumber; });
    const bool hotplug = startUdevDaemon();

    LogCapture log;
    QElapsedTimer clock;
    clock.start();
    m_window.reset(new DMainWidget);
    m_window->show();
    qInfo("main window built in %lld ms", static_cast<long long>(clock.elapsed()));
    DDevicePage *page = m_window->devicePage();
    DevicePageProbe probe(page);
    QVERIFY(probe.waitUntilIdle(30000));
    qInfo("open sequence done in %lld ms", static_cast<long long>(clock.elapsed()));

    // Both keyboards listed and linked, the one on the first path shown,
    // its serial number read through the kernel.
    QVERIFY(probe.isKeyboardShown());
    QCOMPARE(probe.links().size(), 2);
    QVERIFY(probe.links().contains(QString::fromStdString(path)));
    QCOMPARE(probe.currentSerialNumber(), QString::fromStdString(serial));
    QCOMPARE(probe.infoMap().value(QString::fromStdString(path)).hidModel, QByteArray(kModel));
    const QString folder = DDataManager::getInstance()->userConfigDir() + "/" + kModel + "/"
                           + QString::fromStdString(serial) + "/GamePadDisable";
    QCOMPARE(probe.profileFolder(), folder);
    QVERIFY(QFile::exists(folder + "/appProfile_Default.xml"));

    // The download from the key-assignment page; every reply the I/O thread
    // reads (the acknowledgements of the macro reports) is 64 bytes long.
    MainHidInterFace *io = probe.currentLink()->hidInterface();
    QVERIFY(io);
    QSignalSpy arrived(io, &MainHidInterFace::sigHidDataArrived);
    keyboard->firmware().clearReceived();
    clock.restart();
    auto *customKeys = page->findChild<DCustomKeysPage *>();
    QVERIFY(customKeys);
    emit customKeys->sigTheKeyboardIntoDownloading();
    // The download runs from the event loop; its outcome is told at the end.
    auto shown = [page] {
        QStringList texts;
        for (const CbNotice *notice : page->findChildren<CbNotice *>()) {
            if (notice->isVisible())
                texts << notice->text();
        }
        return texts;
    };
    QTRY_VERIFY_WITH_TIMEOUT(!page->isDownloadRunning(), 30000);
    QCOMPARE(shown(), QStringList{ QStringLiteral("Download config successful") });
    qInfo("download done in %lld ms", static_cast<long long>(clock.elapsed()));
    QVERIFY(arrived.count() >= 50);
    for (const QList<QVariant> &args : qAsConst(arrived))
        QCOMPARE(args.at(1).toInt(), 64);

    // What the keyboard holds: the key records of both layers, ten macro
    // slots and forty advanced-key records written empty.
    QVERIFY(waitFor([&] {
        bool done = false;
        keyboard->firmware().withKeyboard([&](lumtar::sim::SimKeyboard &k) { done = !k.onboardSeniorKey(39).empty(); });
        return done;
    }, 5000));
    keyboard->firmware().withKeyboard([&](lumtar::sim::SimKeyboard &k) {
        QCOMPARE(int(k.onboardKeys(0).size()), 4 * 132);
        QCOMPARE(int(k.onboardKeys(2).size()), 4 * 132);
        for (int slot = 0; slot < lumtar::sim::SimKeyboard::kMacroSlots; ++slot)
            QCOMPARE(k.onboardMacro(slot), Bytes(256, 0));
        for (int i = 0; i < lumtar::sim::SimKeyboard::kSeniorKeys; ++i)
            QCOMPARE(int(k.onboardSeniorKey(i).size()), 64);
    });
    // Every report reached the keyboard at its full length.
    for (const Bytes &r : keyboard->firmware().received())
        QCOMPARE(r.size(), size_t(64));

    // Unplugged: the I/O thread's reads end; with the udev daemon the main
    // window hears of it and the page lets the keyboard go.
    keyboard->unplug();
    QVERIFY(waitFor([&] { return log.countContaining(QStringLiteral("HID read failed, the device is gone")) > 0; },
                    5000));
    QVERIFY(listedPathOf(keyboard->node()).empty());
    if (!hotplug) {
        qInfo("no udev daemon in this machine: hot-plug not checked");
        return;
    }
    QVERIFY(waitFor([&] { return !probe.links().contains(QString::fromStdString(path)) && probe.isIdle(); }, 20000));
    QCOMPARE(probe.links().size(), 1);
    qInfo("the device page let the unplugged keyboard go");

    // Plugged in again: listed and linked again.
    std::string error;
    QVERIFY2(keyboard->plug(&error), error.c_str());
    const QString again = QString::fromStdString(listedPathOf(keyboard->node()));
    QVERIFY(waitFor([&] { return probe.links().contains(again) && probe.isIdle(); }, 20000));
    QCOMPARE(probe.links().size(), 2);
    qInfo("the device page took the keyboard plugged in again");
}

void tst_KernelHid::udevRule_data()
{
    QTest::addColumn<int>("productId");
    QTest::addColumn<bool>("tagged");
    QTest::newRow("a keyboard of the table") << 0x7472 << true;
    QTest::newRow("foreign ids") << 0x0001 << false;
}

void tst_KernelHid::udevRule()
{
    REQUIRE_KERNEL();
    QFETCH(int, productId);
    QFETCH(bool, tagged);
    if (QStandardPaths::findExecutable(QStringLiteral("udevadm")).isEmpty())
        QSKIP("udevadm (package udev) is missing");
    // The generated rule among the system's: /run/udev/rules.d is the guest's own.
    QString rules;
    QVERIFY2(KernelGuest::installUdevRule(&rules), qPrintable(rules));

    UhidDevice device;
    UhidDevice::Config c;
    c.name = "Rule check";
    c.uniq = "rule-" + std::to_string(productId);
    c.vendorId = 0x1209;
    c.productId = static_cast<uint16_t>(productId);
    c.descriptor = KeyboardDescriptors::vendorInterface(0xff60);
    std::string error;
    QVERIFY2(device.create(c, nullptr, &error), error.c_str());
    std::string sysPath;
    QVERIFY(!device.waitForNode(10000, &sysPath).empty());

    const KernelGuest::UdevTest udev = KernelGuest::udevTest(QString::fromStdString(sysPath));
    QVERIFY(udev.finished);
    QCOMPARE(udev.exitCode, 0);
    QVERIFY2(udev.output.contains(QStringLiteral("/run/udev/rules.d/70-lumtar.rules")), qPrintable(udev.summary));
    QVERIFY2(udev.uaccess == tagged, qPrintable(udev.summary));
}

QTEST_MAIN(tst_KernelHid)
#include "tst_kernelhid.moc"
