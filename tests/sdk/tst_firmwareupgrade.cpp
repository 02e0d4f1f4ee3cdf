// Firmware writing through the SDK's C surface into the simulated keyboards:
// the keyboard enters its bootloader, the bootloader is listed and opened,
// the image is written and verified, and the keyboard comes back with the
// image's version and its own serial number. Faults on the way: unplugged
// mid-write and plugged back, a damaged block, silence, slowness, a handle
// closed from another thread.
#include "core/LumtarResources.h"
#include "sdk/firmware/BinImage.h"
#include "sdk/include/LumtarFirmware.h"
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimController.h"

#include "support/SimHotplugRecorder.h"
#include "support/SimReportReader.h"

#include <QtTest>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

using lumtar::sim::SimController;
using lumtar::sim::SimFaults;

namespace {

std::mutex g_progressMutex;
std::vector<std::pair<int, int>> g_progress;

void recordProgress(int total, int done)
{
    std::lock_guard<std::mutex> lock(g_progressMutex);
    g_progress.emplace_back(total, done);
}

std::vector<std::pair<int, int>> progress()
{
    std::lock_guard<std::mutex> lock(g_progressMutex);
    return g_progress;
}

std::vector<std::string> listedBootloaders()
{
    std::list<std::string> paths;
    CLumtarHid_GetBootloaderList(&paths);
    return std::vector<std::string>(paths.begin(), paths.end());
}

} // namespace

class TestFirmwareUpgrade : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keyboardIsWrittenThroughItsBootloader();
    void receiverIsWrittenWithItsOwnImage();
    void unpluggedMidWriteStaysABootloader();
    void damagedBlockLeavesTheFirmware();
    void slowBootloaderStillFinishes();
    void silentBootloaderEndsTheWrite();
    void closingTheHandleEndsTheWriteAtABlock();
    void badArguments();

private:
    // The bootloader the keyboard at path becomes after 0x0A.
    std::string enterBootloader(const std::string& keyboard);
    QString imageFile(const QString& name);
    int write(const std::string& bootloader, const QString& image, int receiverFlag = 0);
    std::string waitForKeyboard(const std::string& model);

    QTemporaryDir m_dir;
};

void TestFirmwareUpgrade::initTestCase()
{
    QCOMPARE(CLumtarHid_Init(), 0);
    lumtarInitResources();
    QVERIFY(m_dir.isValid());
}

void TestFirmwareUpgrade::init()
{
    std::lock_guard<std::mutex> lock(g_progressMutex);
    g_progress.clear();
}

void TestFirmwareUpgrade::cleanup()
{
    SimController::instance().unplugAll();
}

QString TestFirmwareUpgrade::imageFile(const QString& name)
{
    const QString path = m_dir.filePath(name);
    if (!QFile::exists(path))
        QFile::copy(":/images/UpdateFirmwareFile/" + name, path);
    return path;
}

std::string TestFirmwareUpgrade::enterBootloader(const std::string& keyboard)
{
    auto& sim = SimController::instance();
    const int h = CLumtarHid_OpenPath(keyboard.c_str());
    if (h <= 0)
        return {};
    const auto r = SimReportReader::report({ { 0, 1 }, { 1, 0x0A } });
    CLumtarHid_HidWriteBuff(h, r.data(), nullptr);
    CLumtarHid_Close(h);
    QElapsedTimer t;
    t.start();
    while (sim.bootloaderPaths().empty() && t.elapsed() < 5000)
        QTest::qWait(20);
    return sim.bootloaderPaths().empty() ? std::string() : sim.bootloaderPaths().front();
}

int TestFirmwareUpgrade::write(const std::string& bootloader, const QString& image, int receiverFlag)
{
    const int h = CLumtarHid_OpenPath(bootloader.c_str());
    if (h <= 0)
        return 1;
    const int r = CLumtarHid_FirmwareUpgrade(h, QFile::encodeName(image).constData(), 262144, 0, receiverFlag,
                                             &recordProgress);
    CLumtarHid_Close(h);
    return r;
}

std::string TestFirmwareUpgrade::waitForKeyboard(const std::string& model)
{
    auto& sim = SimController::instance();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000) {
        for (const std::string& p : sim.paths())
            if (sim.state(p).model == model)
                return p;
        QTest::qWait(20);
    }
    return {};
}

void TestFirmwareUpgrade::keyboardIsWrittenThroughItsBootloader()
{
    auto& sim = SimController::instance();
    const std::string keyboard = sim.plug("LT108HE");
    const std::string serial = sim.state(keyboard).serialNumber;
    SimHotplugRecorder rec;
    const std::string boot = enterBootloader(keyboard);
    QVERIFY(QByteArray::fromStdString(boot).contains("vid_0416&pid_3f00"));
    QCOMPARE(listedBootloaders(), std::vector<std::string>{ boot });
    std::list<std::string> keyboards;
    CLumtarHid_GetHidInfoList(&keyboards);
    QVERIFY(keyboards.empty()); // a bootloader is no keyboard
    QVERIFY(!sim.state(boot).validImage);
    QCOMPARE(sim.state(boot).serialNumber, serial);

    QCOMPARE(write(boot, imageFile("LT108HE.bin")), int(LUMTAR_FW_OK));
    const std::string back = waitForKeyboard("LT108HE");
    QVERIFY(!back.empty());
    const auto state = sim.state(back);
    QCOMPARE(QString::fromStdString(state.firmwareVersion), QString("V1.00.07"));
    QCOMPARE(QString::fromStdString(state.firmwareDate), QString("Nov 18 2024,09:30:12"));
    QCOMPARE(state.serialNumber, serial);
    QVERIFY(state.validImage);
    QVERIFY(listedBootloaders().empty());

    // The SDK reports the new version as the keyboard's.
    HidDeviceInfoStu device;
    FirmwareInfoStu firmware;
    QVERIFY(CLumtarHid_GetHidAndFirmwareInfoStu(back.c_str(), &device, &firmware));
    QCOMPARE(QByteArray(firmware.firmwareVersion), QByteArray("V1.00.07"));
    QCOMPARE(QByteArray(firmware.dateTime), QByteArray("Nov 18 2024,09:30:12"));

    // Removal of the keyboard, arrival and removal of its bootloader, arrival of the keyboard.
    QVERIFY(rec.waitForCount(4));
    const auto ev = rec.events();
    QVERIFY(ev[0] == std::make_pair(false, keyboard));
    QVERIFY(ev[1] == std::make_pair(true, boot));
    QVERIFY(ev[2] == std::make_pair(false, boot));
    QVERIFY(ev[3] == std::make_pair(true, back));

    const auto p = progress();
    QVERIFY(!p.empty());
    QCOMPARE(p.back(), std::make_pair(524288, 524288));
}

void TestFirmwareUpgrade::receiverIsWrittenWithItsOwnImage()
{
    auto& sim = SimController::instance();
    const std::string boot = enterBootloader(sim.plug("LT108HE", 1));
    QVERIFY(QByteArray::fromStdString(boot).contains("vid_1fc9&pid_f7df"));
    QCOMPARE(write(boot, imageFile("LT108HE.bin"), 0), int(LUMTAR_FW_OTHER_DEVICE));
    QVERIFY(progress().empty()); // not a byte was sent
    QCOMPARE(write(boot, imageFile("LT108HE_Dongle.bin"), 1), int(LUMTAR_FW_OK));
    const std::string back = waitForKeyboard("LT108HE");
    QCOMPARE(sim.state(back).connectType, 1);
    QCOMPARE(QString::fromStdString(sim.state(back).firmwareDate), QString("Nov 18 2024,09:31:40"));
}

void TestFirmwareUpgrade::unpluggedMidWriteStaysABootloader()
{
    auto& sim = SimController::instance();
    const std::string boot = sim.plugInUpdateMode("LT104RGB");
    QVERIFY(QByteArray::fromStdString(boot).contains("vid_0416&pid_3f01"));
    SimFaults faults;
    faults.vanishAfterImageBytes = 100000;
    QVERIFY(sim.setFaults(boot, faults));
    QCOMPARE(write(boot, imageFile("LT104RGB.bin")), int(LUMTAR_FW_DEVICE_GONE));
    QVERIFY(sim.bootloaderPaths().empty());

    // Plugged back, and again, it is still the bootloader: nothing valid to start.
    QCOMPARE(sim.replug(boot), boot);
    QVERIFY(sim.unplug(boot));
    QCOMPARE(sim.replug(boot), boot);
    QVERIFY(!sim.state(boot).validImage);
    QCOMPARE(QString::fromStdString(sim.state(boot).firmwareVersion), QString("V2.01.00"));
    QCOMPARE(sim.replug("hid#vid_0416&pid_3f01&mi_00#sim/999"), std::string());

    QCOMPARE(write(boot, imageFile("LT104RGB.bin")), int(LUMTAR_FW_OK));
    const std::string back = waitForKeyboard("LT104RGB");
    QCOMPARE(QString::fromStdString(sim.state(back).firmwareVersion), QString("V2.01.01"));

    // A keyboard with valid firmware comes back as the keyboard.
    QVERIFY(sim.unplug(back));
    QCOMPARE(sim.replug(back), back);
    QVERIFY(sim.bootloaderPaths().empty());
}

void TestFirmwareUpgrade::damagedBlockLeavesTheFirmware()
{
    auto& sim = SimController::instance();
    const std::string boot = sim.plugInUpdateMode("LT108HE");
    SimFaults faults;
    faults.corruptBlock = 1234;
    QVERIFY(sim.setFaults(boot, faults));
    QCOMPARE(write(boot, imageFile("LT108HE.bin")), int(LUMTAR_FW_VERIFY_FAILED));
    const auto state = sim.state(boot);
    QCOMPARE(QString::fromStdString(state.firmwareVersion), QString("V1.00.06"));
    QCOMPARE(state.imagesWritten, 0);
    QCOMPARE(state.imageCrc, 0u);
    QCOMPARE(sim.bootloaderPaths(), std::vector<std::string>{ boot });
    // The damage was on the way: with a sound cable the next attempt goes through.
    QVERIFY(sim.setFaults(boot, SimFaults()));
    QCOMPARE(write(boot, imageFile("LT108HE.bin")), int(LUMTAR_FW_OK));
}

void TestFirmwareUpgrade::slowBootloaderStillFinishes()
{
    auto& sim = SimController::instance();
    const std::string boot = sim.plugInUpdateMode("LT104RGB");
    SimFaults faults;
    faults.replyDelayMs = 30;
    QVERIFY(sim.setFaults(boot, faults));
    QCOMPARE(write(boot, imageFile("LT104RGB.bin")), int(LUMTAR_FW_OK));
    QVERIFY(!waitForKeyboard("LT104RGB").empty());
}

void TestFirmwareUpgrade::silentBootloaderEndsTheWrite()
{
    auto& sim = SimController::instance();
    const std::string boot = sim.plugInUpdateMode("LT104RGB");
    SimFaults faults;
    faults.silentAfterReports = 500;
    QVERIFY(sim.setFaults(boot, faults));
    QElapsedTimer t;
    t.start();
    QCOMPARE(write(boot, imageFile("LT104RGB.bin")), int(LUMTAR_FW_NO_ANSWER));
    QVERIFY(t.elapsed() < 8000);
    QVERIFY(!sim.state(boot).validImage);
}

void TestFirmwareUpgrade::closingTheHandleEndsTheWriteAtABlock()
{
    auto& sim = SimController::instance();
    const std::string boot = sim.plugInUpdateMode("LT108HE");
    SimFaults faults;
    faults.replyDelayMs = 20; // long enough to close it midway
    QVERIFY(sim.setFaults(boot, faults));
    const int h = CLumtarHid_OpenPath(boot.c_str());
    QVERIFY(h > 0);
    const QByteArray image = QFile::encodeName(imageFile("LT108HE.bin"));
    std::atomic<int> result{ 1 };
    std::thread writer([&] { result = CLumtarHid_FirmwareUpgrade(h, image.constData(), 262144, 0, 0, &recordProgress); });
    QTRY_VERIFY_WITH_TIMEOUT(progress().size() > 3, 10000);
    QElapsedTimer t;
    t.start();
    QCOMPARE(CLumtarHid_Close(h), 0);
    writer.join();
    QVERIFY(t.elapsed() < 2000);
    QCOMPARE(result.load(), int(LUMTAR_FW_DEVICE_GONE));
    QVERIFY(!sim.state(boot).validImage);
    QCOMPARE(sim.bootloaderPaths(), std::vector<std::string>{ boot });
}

void TestFirmwareUpgrade::badArguments()
{
    auto& sim = SimController::instance();
    const std::string boot = sim.plugInUpdateMode("LT104RGB");
    const int h = CLumtarHid_OpenPath(boot.c_str());
    QVERIFY(h > 0);
    const QByteArray image = QFile::encodeName(imageFile("LT104RGB.bin"));
    QCOMPARE(CLumtarHid_FirmwareUpgrade(h, nullptr, 262144, 0, 0, nullptr), int(LUMTAR_FW_BAD_ARGUMENT));
    QCOMPARE(CLumtarHid_FirmwareUpgrade(h, image.constData(), 262144, 1, 0, nullptr), int(LUMTAR_FW_BAD_ARGUMENT));
    QCOMPARE(CLumtarHid_FirmwareUpgrade(0, image.constData(), 262144, 0, 0, nullptr), int(LUMTAR_FW_BAD_ARGUMENT));
    QCOMPARE(CLumtarHid_FirmwareUpgrade(h, "/nonexistent/LT104RGB.bin", 262144, 0, 0, nullptr),
             int(LUMTAR_FW_IMAGE_UNREADABLE));
    QCOMPARE(CLumtarHid_FirmwareUpgrade(h, m_dir.path().toLocal8Bit().constData(), 262144, 0, 0, nullptr),
             int(LUMTAR_FW_IMAGE_UNREADABLE)); // a folder
    QCOMPARE(CLumtarHid_FirmwareUpgrade(h + 1000, image.constData(), 262144, 0, 0, nullptr),
             int(LUMTAR_FW_DEVICE_GONE)); // no such handle
    CLumtarHid_Close(h);
    QCOMPARE(CLumtarHid_GetBootloaderList(nullptr), -1);
}

QTEST_GUILESS_MAIN(TestFirmwareUpgrade)
#include "tst_firmwareupgrade.moc"
