// The SDK's hidapi backend on the kernel's own HID stack: keyboards made
// through /dev/uhid, answered by the simulated keyboard's firmware model,
// enumerated, opened by the main window's device page, downloaded to and
// removed; the generated udev rule run by udevadm on their nodes. It needs
// /dev/uhid, which tools/kernel-vm.sh provides in a small virtual machine;
// elsewhere only the simulated half of the conventions table runs.
//
// The conventions table runs the same rows against the simulated transport
// and the kernel, so the simulated keyboard keeps behaving as a real one.
#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "kernel/KernelKeyboard.h"
#include "kernel/KeyboardDescriptors.h"
#include "sdk/hid/DeviceTable.h"
#include "sdk/hid/DevicePathText.h"
#include "sdk/hid/HidapiTransport.h"
#include "sdk/hid/SimTransport.h"
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

#include <unistd.h>

#include <functional>
#include <list>
#include <memory>

using lumtar::sim::SimController;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr char kModel[] = "LT108HE";
constexpr char kOtherModel[] = "LT104RGB";

bool haveUhid()
{
    return access("/dev/uhid", R_OK | W_OK) == 0;
}

// Skips the test function where the kernel path cannot run.
#define REQUIRE_KERNEL()                                                                                      \
    do {                                                                                                      \
        if (!haveUhid())                                                                                      \
            QSKIP("needs /dev/uhid: run through tools/kernel-vm.sh (CTest: kernel_hid)");                     \
    } while (false)

const lumtar::DeviceTable &table()
{
    static lumtar::DeviceTable t;
    static const bool ok = t.parse(lumtar::DeviceTable::builtinJson());
    Q_UNUSED(ok);
    return t;
}

std::list<std::string> listedPaths()
{
    std::list<std::string> paths;
    CLumtarHid_GetHidInfoList(&paths);
    return paths;
}

// The path text the SDK lists for an os path; empty when it lists none.
std::string listedPathOf(const std::string &osPath)
{
    for (const std::string &p : listedPaths()) {
        lumtar::DevicePathText t;
        if (lumtar::DevicePathText::parse(p, &t) && t.osPath == osPath)
            return p;
    }
    return {};
}

bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

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

// One side of the conventions table: a keyboard of kModel that only keeps
// what it receives, on the simulated bus or on the kernel.
class DeviceSide
{
public:
    virtual ~DeviceSide() = default;
    // Plugs the keyboard; returns the path text the SDK lists for it.
    virtual std::string plug() = 0;
    virtual void unplug() = 0;
    virtual bool sendInput(const Bytes &report) = 0;
    // The output reports as the keyboard got them, lengths kept.
    virtual std::vector<Bytes> received() = 0;
    // A transport of this side, for writes below the SDK.
    virtual lumtar::HidTransport &transport() = 0;
};

class SimSide : public DeviceSide
{
public:
    ~SimSide() override { unplug(); }
    std::string plug() override
    {
        m_path = SimController::instance().plug(kModel);
        // Answers would mix with the rows' own input reports.
        lumtar::sim::SimFaults quiet;
        quiet.noSideLightList = true;
        SimController::instance().setFaults(m_path, quiet);
        return m_path;
    }
    void unplug() override { SimController::instance().unplug(m_path); }
    bool sendInput(const Bytes &report) override { return SimController::instance().sendInputBytes(m_path, report); }
    std::vector<Bytes> received() override
    {
        const auto reports = SimController::instance().receivedReports(m_path);
        const auto lengths = SimController::instance().receivedLengths(m_path);
        std::vector<Bytes> out;
        for (size_t i = 0; i < reports.size() && i < lengths.size(); ++i)
            out.emplace_back(reports[i].begin(), reports[i].begin() + static_cast<long>(std::min<size_t>(lengths[i], 64)));
        return out;
    }
    lumtar::HidTransport &transport() override { return m_transport; }

private:
    std::string m_path;
    lumtar::SimTransport m_transport;
};

class KernelSide : public DeviceSide
{
public:
    KernelSide() : m_keyboard(*table().findModel(kModel), "conventions", false) {}
    std::string plug() override
    {
        std::string error;
        if (!m_keyboard.plug(&error)) {
            qWarning("%s", error.c_str());
            return {};
        }
        return listedPathOf(m_keyboard.node());
    }
    void unplug() override { m_keyboard.unplug(); }
    bool sendInput(const Bytes &report) override { return m_keyboard.sendInput(report); }
    std::vector<Bytes> received() override { return m_keyboard.firmware().received(); }
    lumtar::HidTransport &transport() override { return m_transport; }

private:
    KernelKeyboard m_keyboard;
    lumtar::HidapiTransport m_transport;
};

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
    void openSequenceAndDownload();
    void udevRule_data();
    void udevRule();

private:
    std::unique_ptr<KernelKeyboard> plugKernelKeyboard(const char *model, const std::string &serial);
    std::unique_ptr<DMainWidget> m_window;
};

void tst_KernelHid::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    QVERIFY(table().findModel(kModel) && table().findModel(kOtherModel));
    qInfo("/dev/uhid %s", haveUhid() ? "present: the kernel path runs" : "missing: only the simulated rows run");
}

void tst_KernelHid::cleanup()
{
    m_window.reset();
    SimController::instance().unplugAll();
}

std::unique_ptr<KernelKeyboard> tst_KernelHid::plugKernelKeyboard(const char *model, const std::string &serial)
{
    auto keyboard = std::make_unique<KernelKeyboard>(*table().findModel(model), serial);
    std::string error;
    if (!keyboard->plug(&error)) {
        qWarning("%s", error.c_str());
        return nullptr;
    }
    qInfo("%s (%s) is %s", model, serial.c_str(), keyboard->node().c_str());
    return keyboard;
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
    };
    for (const char *side : { "sim", "kernel" }) {
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
        device = std::make_unique<SimSide>();
    } else {
        REQUIRE_KERNEL();
        device = std::make_unique<KernelSide>();
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
    }
}

void tst_KernelHid::enumeration()
{
    REQUIRE_KERNEL();
    auto first = plugKernelKeyboard(kModel, "enumeration-1");
    auto second = plugKernelKeyboard(kOtherModel, "enumeration-2");
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

void tst_KernelHid::openSequenceAndDownload()
{
    REQUIRE_KERNEL();
    auto keyboard = plugKernelKeyboard(kModel, "page-1");
    auto other = plugKernelKeyboard(kOtherModel, "page-2");
    QVERIFY(keyboard && other);
    const std::string path = listedPathOf(keyboard->node());
    std::string serial;
    keyboard->firmware().withKeyboard([&](lumtar::sim::SimKeyboard &k) { serial = k.state().serialNumber; });

    LogCapture log;
    QElapsedTimer clock;
    clock.start();
    m_window.reset(new DMainWidget);
    m_window->show();
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

    // The download from the key-assignment page.
    keyboard->firmware().clearReceived();
    clock.restart();
    auto *customKeys = page->findChild<DCustomKeysPage *>();
    QVERIFY(customKeys);
    emit customKeys->sigTheKeyboardIntoDownloading();
    QStringList shown;
    for (const CbNotice *notice : page->findChildren<CbNotice *>()) {
        if (notice->isVisible())
            shown << notice->text();
    }
    QCOMPARE(shown, QStringList{ QStringLiteral("Download config successful") });
    qInfo("download done in %lld ms", static_cast<long long>(clock.elapsed()));

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

    // Unplugged: the I/O thread's reads end and the page lets it go.
    MainHidInterFace *io = probe.currentLink()->hidInterface();
    QVERIFY(io);
    keyboard->unplug();
    QVERIFY(waitFor([&] { return log.countContaining(QStringLiteral("HID read failed, the device is gone")) > 0; },
                    5000));
    QVERIFY(listedPathOf(keyboard->node()).empty());
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
    const QString udevadm = QStandardPaths::findExecutable(QStringLiteral("udevadm"));
    if (udevadm.isEmpty())
        QSKIP("udevadm (package udev) is missing");
    // The generated rule among the system's: /run/udev/rules.d is the guest's own.
    const QString rules = qEnvironmentVariable("LUMTAR_BIN_DIR") + QStringLiteral("/70-lumtar.rules");
    QVERIFY(QDir().mkpath(QStringLiteral("/run/udev/rules.d")));
    QFile::remove(QStringLiteral("/run/udev/rules.d/70-lumtar.rules"));
    QVERIFY2(QFile::copy(rules, QStringLiteral("/run/udev/rules.d/70-lumtar.rules")), qPrintable(rules));

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

    QProcess udev;
    udev.start(udevadm, { QStringLiteral("test"), QString::fromStdString(sysPath) });
    QVERIFY(udev.waitForFinished(30000));
    const QString out = QString::fromLocal8Bit(udev.readAllStandardOutput() + udev.readAllStandardError());
    // What tells: the rule files read, what they did with tags, the tags.
    QStringList relevant;
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("lumtar")) || line.contains(QStringLiteral("uaccess"))
            || line.startsWith(QStringLiteral("TAGS=")) || line.startsWith(QStringLiteral("CURRENT_TAGS=")))
            relevant << line;
    }
    const QString summary = relevant.join(QLatin1Char('\n'));
    QCOMPARE(udev.exitCode(), 0);
    QVERIFY2(out.contains(QStringLiteral("/run/udev/rules.d/70-lumtar.rules")), qPrintable(summary));
    // TAGS keeps the tags of an earlier device on the same node number;
    // CURRENT_TAGS are this event's.
    const bool hasTag = QRegularExpression(QStringLiteral("^CURRENT_TAGS=.*:uaccess:"), QRegularExpression::MultilineOption)
                            .match(out)
                            .hasMatch();
    QVERIFY2(hasTag == tagged, qPrintable(summary));
}

QTEST_MAIN(tst_KernelHid)
#include "tst_kernelhid.moc"
