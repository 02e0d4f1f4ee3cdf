// The firmware library of the .ufw family as the main window loads it (the
// shared library beside the program, by name), against simulated keyboards
// in their update mode: the image examined, the keyboard's volume found by
// its drive letter, the image written and the keyboard's verdict awaited.
// The waits that last seconds run on the library's code in this process.
#include "core/LumtarResources.h"
#include "sdk/firmware/RemovableVolumes.h"
#include "sdk/firmware/UfwImage.h"
#include "sdk/firmware/UfwUpdater.h"
#include "sdk/firmware/UpdateVolume.h"
#include "sdk/include/LumtarUfwLibrary.h"
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimController.h"

#include "support/SimReportReader.h"
#include "support/TempHome.h"

#include <QtTest>

#include <fstream>
#include <mutex>
#include <thread>

using lumtar::sim::SimController;
using lumtar::sim::SimFaults;
namespace fw = lumtar::firmware;

namespace {

std::mutex g_mutex;
std::vector<int> g_percents;

void recordPercent(int percent)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_percents.push_back(percent);
}

QByteArray carried(const QString& name)
{
    QFile f(":/images/UpdateFirmwareFile/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const unsigned char* bytes(const QByteArray& a)
{
    return reinterpret_cast<const unsigned char*>(a.constData());
}

} // namespace

class TestUfwLibrary : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void examinesTheImage();
    void writesTheKeyboardOnItsDrive();
    void anotherModelsImageIsNeverWritten();
    void refusedOrDamagedImage();
    void unreadableVolume();
    void noVerdictOrVolumeGone();

private:
    // The drive letter of the volume at folder, as the library counts.
    static int letterOf(const std::string& folder);
    std::string enterUpdateMode(const std::string& keyboard);

    TempHome m_home;
    QLibrary m_library;
    JL_loadUfwData_t m_load = nullptr;
    JL_getUfwCrc_t m_crc = nullptr;
    JL_getUfwPidVid_t m_pidVid = nullptr;
    JL_queryDevicePidVid_t m_query = nullptr;
    JL_upgradeDevice_t m_upgrade = nullptr;
};

void TestUfwLibrary::initTestCase()
{
    QVERIFY(m_home.isValid());
    QCOMPARE(CLumtarHid_Init(), 0);
    lumtarInitResources();
    m_library.setFileName(QCoreApplication::applicationDirPath() + "/jl_firmware_upgrade");
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    m_load = reinterpret_cast<JL_loadUfwData_t>(m_library.resolve("JL_loadUfwData"));
    m_crc = reinterpret_cast<JL_getUfwCrc_t>(m_library.resolve("JL_getUfwCrc"));
    m_pidVid = reinterpret_cast<JL_getUfwPidVid_t>(m_library.resolve("JL_getUfwPidVid"));
    m_query = reinterpret_cast<JL_queryDevicePidVid_t>(m_library.resolve("JL_queryDevicePidVid"));
    m_upgrade = reinterpret_cast<JL_upgradeDevice_t>(m_library.resolve("JL_upgradeDevice"));
    QVERIFY(m_load && m_crc && m_pidVid && m_query && m_upgrade);
    // Nothing but the five entry points leaves the library.
    QVERIFY(!m_library.resolve("_ZN6lumtar8firmware10UfwUpdater9loadImageEPKhi"));
}

void TestUfwLibrary::init()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_percents.clear();
}

void TestUfwLibrary::cleanup()
{
    SimController::instance().unplugAll();
}

int TestUfwLibrary::letterOf(const std::string& folder)
{
    const auto volumes = fw::RemovableVolumes::list();
    const auto it = std::find(volumes.begin(), volumes.end(), folder);
    return it == volumes.end() ? 0 : 'A' + int(it - volumes.begin());
}

std::string TestUfwLibrary::enterUpdateMode(const std::string& keyboard)
{
    const int h = CLumtarHid_OpenPath(keyboard.c_str());
    const auto r = SimReportReader::report({ { 0, 1 }, { 1, 0x0A } });
    CLumtarHid_HidWriteBuff(h, r.data(), nullptr);
    CLumtarHid_Close(h);
    QElapsedTimer t;
    t.start();
    auto& sim = SimController::instance();
    while (sim.updateVolumes().empty() && t.elapsed() < 5000)
        QTest::qWait(20);
    return sim.updateVolumes().empty() ? std::string() : sim.updateVolumes().front();
}

void TestUfwLibrary::examinesTheImage()
{
    const QByteArray image = carried("LT68HE.ufw");
    QVERIFY(!image.isEmpty());
    QCOMPARE(m_load(bytes(image), image.size()), int(JL_OK));
    unsigned short crc = 0;
    unsigned int value = 0;
    QCOMPARE(m_crc(&crc, &value), int(JL_OK));
    fw::UfwImage parsed;
    QVERIFY(fw::UfwImage::parse(bytes(image), size_t(image.size()), &parsed));
    QCOMPARE(crc, parsed.headerCrc);
    QCOMPARE(value, parsed.payloadCrc);
    char id[17] = {};
    char version[4] = {};
    QCOMPARE(m_pidVid(id, 17, version, 4), int(JL_OK));
    QCOMPARE(QByteArray(id), QByteArray("LT68HE"));
    QCOMPARE(QByteArray(version, 4), QByteArray("V104"));
    QCOMPARE(m_pidVid(id, 15, version, 4), int(JL_ERR_ARGUMENT));
    QCOMPARE(m_pidVid(id, 17, version, 3), int(JL_ERR_ARGUMENT));
    QCOMPARE(m_crc(nullptr, &value), int(JL_ERR_ARGUMENT));

    // A damaged image is refused and the one loaded before is not kept.
    QByteArray damaged = image;
    damaged[100] = char(damaged[100] ^ 1);
    QCOMPARE(m_load(bytes(damaged), damaged.size()), int(JL_ERR_IMAGE));
    QCOMPARE(m_pidVid(id, 17, version, 4), int(JL_ERR_NO_IMAGE));
    QCOMPARE(m_crc(&crc, &value), int(JL_ERR_NO_IMAGE));
    QCOMPARE(m_load(nullptr, 10), int(JL_ERR_ARGUMENT));
    QCOMPARE(m_upgrade('A', 1, 1, nullptr), int(JL_ERR_NO_IMAGE));
}

void TestUfwLibrary::writesTheKeyboardOnItsDrive()
{
    auto& sim = SimController::instance();
    const std::string keyboard = sim.plug("LT68HE");
    const std::string serial = sim.state(keyboard).serialNumber;
    const std::string folder = enterUpdateMode(keyboard);
    QVERIFY(!folder.empty());
    QVERIFY(sim.bootloaderPaths().empty()); // a volume, not a HID bootloader
    const int letter = letterOf(folder);
    QVERIFY(letter >= 'A' && letter <= 'Z');

    // Every letter before it answers "not this drive", as do the letters after the last volume.
    char id[16] = {};
    char version[8] = {};
    for (int l = 'A'; l < letter; ++l)
        QCOMPARE(m_query(l, id, 16, version, 8), int(JL_ERR_NOT_THIS_DRIVE));
    QCOMPARE(m_query(letter, id, 16, version, 8), int(JL_OK));
    QCOMPARE(QByteArray(id), QByteArray("LT68HE"));
    QCOMPARE(QByteArray(version), QByteArray("V103"));
    QCOMPARE(m_query(letter + 1, id, 16, version, 8), int(JL_ERR_NOT_THIS_DRIVE));
    QCOMPARE(m_query('Z' + 1, id, 16, version, 8), int(JL_ERR_ARGUMENT));
    QCOMPARE(m_query(letter, id, 15, version, 8), int(JL_ERR_ARGUMENT));

    const QByteArray image = carried("LT68HE.ufw");
    QCOMPARE(m_load(bytes(image), image.size()), int(JL_OK));
    QCOMPARE(m_upgrade(letter, 1, 0, &recordPercent), int(JL_ERR_ARGUMENT));
    QCOMPARE(m_upgrade(letter, 1, 1, &recordPercent), int(JL_OK));
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        QVERIFY(g_percents.size() >= 3);
        QCOMPARE(g_percents.front(), 0);
        QCOMPARE(g_percents.back(), 100);
        QVERIFY(std::is_sorted(g_percents.begin(), g_percents.end()));
    }
    // The keyboard restarts with the image's version.
    QTRY_VERIFY_WITH_TIMEOUT(!sim.paths().empty(), 5000);
    const auto state = sim.state(sim.paths().front());
    QCOMPARE(QString::fromStdString(state.firmwareVersion), QString("V104"));
    QCOMPARE(QString::fromStdString(state.firmwareDate), QString("Dec 01 2024,11:20:03"));
    QCOMPARE(state.serialNumber, serial);
    QVERIFY(sim.updateVolumes().empty());
    QVERIFY(!QFileInfo::exists(QString::fromStdString(folder)));
}

void TestUfwLibrary::anotherModelsImageIsNeverWritten()
{
    auto& sim = SimController::instance();
    const std::string folder = sim.plugInUpdateMode("LT68HE");
    const int letter = letterOf(folder);
    QVERIFY(letter);
    std::vector<uint8_t> payload(4096, 7);
    const std::vector<uint8_t> other = fw::UfwImage::build("LT108HE", "V999", "", payload);
    QCOMPARE(m_load(other.data(), int(other.size())), int(JL_OK));
    QCOMPARE(m_upgrade(letter, 1, 1, &recordPercent), int(JL_ERR_IMAGE));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(folder + "/" + fw::volume::kImageFile)));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(folder + "/" + fw::volume::kPartialImageFile)));
    QCOMPARE(sim.updateVolumes(), std::vector<std::string>{ folder });
}

void TestUfwLibrary::refusedOrDamagedImage()
{
    auto& sim = SimController::instance();
    const std::string folder = sim.plugInUpdateMode("LT68HE");
    const int letter = letterOf(folder);
    const QByteArray image = carried("LT68HE.ufw");
    QCOMPARE(m_load(bytes(image), image.size()), int(JL_OK));
    SimFaults faults;
    faults.refuseImages = 1;
    QVERIFY(sim.setFaults(folder, faults));
    QCOMPARE(m_upgrade(letter, 1, 1, nullptr), int(JL_ERR_REFUSED));
    faults = SimFaults();
    faults.corruptBlock = 0;
    QVERIFY(sim.setFaults(folder, faults));
    QCOMPARE(m_upgrade(letter, 1, 1, nullptr), int(JL_ERR_REFUSED));
    QCOMPARE(QString::fromStdString(sim.state(folder).firmwareVersion), QString("V103"));
    QVERIFY(!sim.state(folder).validImage);

    // Unplugged and plugged back it is still in its update mode, and takes the image.
    QVERIFY(sim.unplug(folder));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(folder)));
    QCOMPARE(sim.replug(folder), folder);
    QVERIFY(sim.setFaults(folder, SimFaults()));
    QCOMPARE(m_upgrade(letterOf(folder), 1, 1, nullptr), int(JL_OK));
}

void TestUfwLibrary::unreadableVolume()
{
    auto& sim = SimController::instance();
    const std::string folder = sim.plugInUpdateMode("LT68HE");
    std::ofstream(folder + "/" + fw::volume::kIdentityFile, std::ios::trunc) << "garbage";
    char id[16] = {};
    char version[8] = {};
    QCOMPARE(m_query(letterOf(folder), id, 16, version, 8), int(JL_ERR_VOLUME));
}

void TestUfwLibrary::noVerdictOrVolumeGone()
{
    auto& sim = SimController::instance();
    const std::string folder = sim.plugInUpdateMode("LT68HE");
    const int letter = letterOf(folder);
    SimFaults silent;
    silent.silentAfterReports = 0;
    QVERIFY(sim.setFaults(folder, silent));
    const QByteArray image = carried("LT68HE.ufw");

    fw::UfwUpdater updater;
    updater.setVerdictWaitMs(300);
    QCOMPARE(updater.loadImage(bytes(image), image.size()), int(JL_OK));
    QCOMPARE(updater.upgrade(letter, 1, 1, nullptr), int(JL_ERR_TIMEOUT));

    // The image it did not take still lies there.
    const QString written = QString::fromStdString(folder + "/" + fw::volume::kImageFile);
    QVERIFY(QFile::remove(written));
    updater.setVerdictWaitMs(10000);
    int result = 0;
    std::thread writer([&] { result = updater.upgrade(letter, 1, 1, nullptr); });
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(written), 5000);
    QVERIFY(sim.unplug(folder));
    writer.join();
    QCOMPARE(result, int(JL_ERR_VANISHED));
}

QTEST_GUILESS_MAIN(TestUfwLibrary)
#include "tst_ufwlibrary.moc"
