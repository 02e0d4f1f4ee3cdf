// The firmware library of the .ufw family as the main window loads it (the
// shared library beside the program, by name), against simulated keyboards
// in their update mode: the image examined, the keyboard's volume found by
// its drive letter, the image written and the keyboard's verdict awaited.
// The waits that last seconds run on the library's code in this process.
// A hostile volume (links, FIFOs, folders under the update files' names)
// leaves every file outside it as it was; a write under way neither blocks
// the other calls nor lets a later load change its image, and it ends when
// cancelled.
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

#include <QDir>
#include <QDirIterator>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

// Every file below a folder with its bytes, links as their targets, FIFOs and
// folders by kind: what must stay as it was.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        const QString name = path.mid(root.size());
        if (info.isSymLink())
            out.insert(name, "link to " + info.symLinkTarget().toUtf8());
        else if (info.isDir())
            out.insert(name, "folder");
        else if (!info.isFile())
            out.insert(name, "special");
        else {
            QFile f(path);
            out.insert(name, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable"));
        }
    }
    return out;
}

// What lies under one of the update files' names on a hostile volume.
enum class Planted { LinkOutside, Fifo, Folder, VolumeIsLink };

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
    void hostileVolumeTouchesNothingOutside_data();
    void hostileVolumeTouchesNothingOutside();
    void writeUnderWayBlocksNoOtherCall();
    void cancelEndsTheWrite();

private:
    // The drive letter of the volume at folder, as the library counts.
    static int letterOf(const std::string& folder);
    // Removes a folder, or only the link in its place.
    static void removeVolume(const std::string& folder);
    std::string enterUpdateMode(const std::string& keyboard);

    TempHome m_home;
    QLibrary m_library;
    JL_loadUfwData_t m_load = nullptr;
    JL_getUfwCrc_t m_crc = nullptr;
    JL_getUfwPidVid_t m_pidVid = nullptr;
    JL_queryDevicePidVid_t m_query = nullptr;
    JL_upgradeDevice_t m_upgrade = nullptr;
    JL_cancelUpgrade_t m_cancel = nullptr;
};

void TestUfwLibrary::initTestCase()
{
    QVERIFY(m_home.isValid());
    // A write that a hostile FIFO let through ends with EPIPE, not the signal.
    std::signal(SIGPIPE, SIG_IGN);
    QCOMPARE(CLumtarHid_Init(), 0);
    lumtarInitResources();
    m_library.setFileName(QCoreApplication::applicationDirPath() + "/jl_firmware_upgrade");
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    m_load = reinterpret_cast<JL_loadUfwData_t>(m_library.resolve("JL_loadUfwData"));
    m_crc = reinterpret_cast<JL_getUfwCrc_t>(m_library.resolve("JL_getUfwCrc"));
    m_pidVid = reinterpret_cast<JL_getUfwPidVid_t>(m_library.resolve("JL_getUfwPidVid"));
    m_query = reinterpret_cast<JL_queryDevicePidVid_t>(m_library.resolve("JL_queryDevicePidVid"));
    m_upgrade = reinterpret_cast<JL_upgradeDevice_t>(m_library.resolve("JL_upgradeDevice"));
    m_cancel = reinterpret_cast<JL_cancelUpgrade_t>(m_library.resolve("JL_cancelUpgrade"));
    QVERIFY(m_load && m_crc && m_pidVid && m_query && m_upgrade && m_cancel);
    // Nothing but the entry points leaves the library.
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

void TestUfwLibrary::hostileVolumeTouchesNothingOutside_data()
{
    QTest::addColumn<int>("planted");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected"); // on the volume's letter; 0: not listed at all
    const auto row = [](const char* tag, Planted p, const char* name, int expected) {
        QTest::newRow(tag) << int(p) << QString::fromLatin1(name) << expected;
    };
    row("link as the partial image", Planted::LinkOutside, fw::volume::kPartialImageFile, JL_ERR_VOLUME);
    row("link as the image", Planted::LinkOutside, fw::volume::kImageFile, JL_ERR_VOLUME);
    row("link as the verdict", Planted::LinkOutside, fw::volume::kVerdictFile, JL_ERR_VOLUME);
    row("link as the identity", Planted::LinkOutside, fw::volume::kIdentityFile, JL_ERR_VOLUME);
    row("FIFO as the identity", Planted::Fifo, fw::volume::kIdentityFile, JL_ERR_VOLUME);
    row("FIFO as the verdict", Planted::Fifo, fw::volume::kVerdictFile, JL_ERR_VOLUME);
    row("FIFO as the partial image", Planted::Fifo, fw::volume::kPartialImageFile, JL_ERR_VOLUME);
    row("folder as the identity", Planted::Folder, fw::volume::kIdentityFile, JL_ERR_VOLUME);
    row("folder as the partial image", Planted::Folder, fw::volume::kPartialImageFile, JL_ERR_VOLUME);
    row("folder as the image", Planted::Folder, fw::volume::kImageFile, JL_ERR_VOLUME);
    row("folder as the verdict", Planted::Folder, fw::volume::kVerdictFile, JL_ERR_VOLUME);
    row("the volume a link to a folder outside", Planted::VolumeIsLink, "", 0);
}

void TestUfwLibrary::hostileVolumeTouchesNothingOutside()
{
    QFETCH(int, planted);
    QFETCH(QString, name);
    QFETCH(int, expected);
    const Planted kind = Planted(planted);

    // Outside: a user's folder with a file of their own, and what a link may
    // name. The identity it holds would pass for the keyboard's.
    QTemporaryDir outside;
    QVERIFY(outside.isValid());
    const std::string mine = outside.path().toStdString() + "/notes.txt";
    std::ofstream(mine) << "model=LT68HE\nversion=V103\n";
    const QMap<QString, QByteArray> before = snapshot(outside.path());

    // The hostile volume: a numbered folder where the library looks.
    const std::string root = fw::volume::simulatedVolumeRoot();
    QVERIFY(QDir().mkpath(QString::fromStdString(root)));
    const std::string folder = root + "/900";
    removeVolume(folder);
    const std::string place = folder + "/" + name.toStdString();
    if (kind == Planted::VolumeIsLink) {
        std::ofstream(outside.path().toStdString() + "/" + fw::volume::kIdentityFile) << "model=LT68HE\nversion=V103\n";
        QVERIFY(symlink(outside.path().toLocal8Bit().constData(), folder.c_str()) == 0);
    } else {
        QVERIFY(QDir().mkpath(QString::fromStdString(folder)));
        if (name != fw::volume::kIdentityFile)
            QVERIFY(fw::volume::writeIdentity(folder, { "LT68HE", "V103" }));
        switch (kind) {
        case Planted::LinkOutside: QVERIFY(symlink(mine.c_str(), place.c_str()) == 0); break;
        case Planted::Fifo: QVERIFY(mkfifo(place.c_str(), 0600) == 0); break;
        default: QVERIFY(QDir().mkpath(QString::fromStdString(place))); break;
        }
    }
    const QMap<QString, QByteArray> outsideNow = snapshot(outside.path());
    const int letter = letterOf(folder);
    QCOMPARE(letter != 0, expected != 0);

    const QByteArray image = carried("LT68HE.ufw");
    QCOMPARE(m_load(bytes(image), image.size()), int(JL_OK));
    // Every letter is tried, on a thread of its own: a FIFO must not hang it.
    std::atomic<bool> done{ false };
    QMap<int, int> queried, written;
    std::thread worker([&] {
        char id[16] = {};
        char version[8] = {};
        for (int l = 'A'; l <= 'Z'; ++l) {
            queried[l] = m_query(l, id, 16, version, 8);
            written[l] = m_upgrade(l, 1, 1, nullptr);
        }
        done = true;
    });
    QDeadlineTimer deadline(10000);
    while (!done && !deadline.hasExpired())
        QTest::qWait(20);
    const bool hung = !done;
    while (!done) {
        // Free a call that hangs on the FIFO, as reader or as writer, so the
        // test can end.
        const int reader = ::open(place.c_str(), O_RDONLY | O_NONBLOCK);
        const int writer = ::open(place.c_str(), O_WRONLY | O_NONBLOCK);
        char sink[4096];
        while (reader >= 0 && ::read(reader, sink, sizeof sink) > 0) {
        }
        for (int fd : { reader, writer })
            if (fd >= 0)
                ::close(fd);
        QTest::qWait(20);
    }
    worker.join();
    const QMap<QString, QByteArray> after = snapshot(outside.path());
    removeVolume(folder);
    QCOMPARE(after, outsideNow);
    if (kind != Planted::VolumeIsLink)
        QCOMPARE(after, before);
    QVERIFY2(!hung, "a call hung on the volume");
    for (int l = 'A'; l <= 'Z'; ++l) {
        QVERIFY(queried[l] != JL_OK);
        QVERIFY(written[l] != JL_OK);
    }
    if (letter) {
        QCOMPARE(queried[letter], expected);
        QCOMPARE(written[letter], expected);
    }
}

void TestUfwLibrary::removeVolume(const std::string& folder)
{
    QFileInfo info(QString::fromStdString(folder));
    if (info.isSymLink())
        ::unlink(folder.c_str());
    else
        QDir(info.filePath()).removeRecursively();
}

void TestUfwLibrary::writeUnderWayBlocksNoOtherCall()
{
    auto& sim = SimController::instance();
    const std::string folder = sim.plugInUpdateMode("LT68HE");
    const int letter = letterOf(folder);
    SimFaults silent;
    silent.silentAfterReports = 0; // the keyboard never takes the image
    QVERIFY(sim.setFaults(folder, silent));
    const QByteArray first = carried("LT68HE.ufw");
    QCOMPARE(m_load(bytes(first), first.size()), int(JL_OK));
    std::atomic<int> result{ 1 };
    std::thread writer([&] { result = m_upgrade(letter, 1, 1, nullptr); });
    const QString written = QString::fromStdString(folder + "/" + fw::volume::kImageFile);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(written), 5000);

    // While it waits for the verdict: the check's calls answer at once, and
    // another image loaded does not change the one written.
    QElapsedTimer t;
    t.start();
    const std::vector<uint8_t> other = fw::UfwImage::build("LT68HE", "V105", "", std::vector<uint8_t>(2048, 9));
    QCOMPARE(m_load(other.data(), int(other.size())), int(JL_OK));
    char id[17] = {};
    char version[8] = {};
    QCOMPARE(m_pidVid(id, 17, version, 4), int(JL_OK));
    QCOMPARE(QByteArray(version, 4), QByteArray("V105"));
    unsigned short crc = 0;
    unsigned int value = 0;
    QCOMPARE(m_crc(&crc, &value), int(JL_OK));
    QCOMPARE(m_query(letter, id, 16, version, 8), int(JL_OK));
    QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    QVERIFY(result == 1); // still waiting
    QFile file(written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), first);
    file.close();

    m_cancel();
    writer.join();
    QCOMPARE(result.load(), int(JL_ERR_CANCELLED));
}

void TestUfwLibrary::cancelEndsTheWrite()
{
    auto& sim = SimController::instance();
    const std::string folder = sim.plugInUpdateMode("LT68HE");
    const int letter = letterOf(folder);
    SimFaults silent;
    silent.silentAfterReports = 0;
    QVERIFY(sim.setFaults(folder, silent));
    const QByteArray image = carried("LT68HE.ufw");
    QCOMPARE(m_load(bytes(image), image.size()), int(JL_OK));
    // Two writes: the second waits for the first; one cancel ends both.
    std::atomic<int> first{ 1 }, second{ 1 };
    std::thread a([&] { first = m_upgrade(letter, 1, 1, nullptr); });
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QString::fromStdString(folder + "/" + fw::volume::kImageFile)), 5000);
    std::thread b([&] { second = m_upgrade(letter, 1, 1, nullptr); });
    QTest::qWait(100);
    QElapsedTimer t;
    t.start();
    QCOMPARE(m_cancel(), int(JL_OK));
    a.join();
    b.join();
    QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(first.load(), int(JL_ERR_CANCELLED));
    QCOMPARE(second.load(), int(JL_ERR_CANCELLED));
    // A write started after the cancel is not touched by it.
    fw::UfwUpdater updater;
    updater.setVerdictWaitMs(200);
    QCOMPARE(updater.loadImage(bytes(image), image.size()), int(JL_OK));
    QCOMPARE(updater.upgrade(letter, 1, 1, nullptr), int(JL_ERR_TIMEOUT));
}

QTEST_GUILESS_MAIN(TestUfwLibrary)
#include "tst_ufwlibrary.moc"
