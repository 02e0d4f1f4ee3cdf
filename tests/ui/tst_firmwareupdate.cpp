// The firmware engine of the main window, end to end with the real window,
// device page, I/O threads, firmware library and simulated keyboards: the
// check and its rules, the update of each image family, retries, the wait
// for a bootloader, unplugging and plugging back, arrivals nobody waits
// for, two bootloaders at once, the window closed or the program quit while
// a write runs (also a .ufw write waiting for its keyboard's verdict), a
// check while a .ufw write runs, and the drive search of the mass-storage
// path.
#include <QtTest>

#include <QPushButton>

#include <atomic>
#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarFirmware.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/include/lumtarSdk.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/LogCapture.h"
#include "support/TempHome.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/FirmwareImageCheck.h"
#include "ui/firmware/FirmwareWorker.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/BootloaderUpdate.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/FirmwareUpgradeCheck.h"
#include "ui/mainwidget/FirmwareWindowHost.h"
#include "ui/mainwidget/UfwVolumeUpdate.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

using lumtar::sim::SimController;
using lumtar::sim::SimFaults;

namespace {

const int kSettleMs = 20000;
// A write of the 512 KB image in this build, with room for a loaded machine.
const int kUpdateMs = 30000;

hidStructInfoAll record(const char *family, const char *code, const char *customer, const char *model,
                        const char *version, int connectType = 0)
{
    hidStructInfoAll r = {};
    lumtarCopyField(r.chipFamily, family);
    lumtarCopyField(r.chipCode, code);
    lumtarCopyField(r.customerCode, customer);
    lumtarCopyField(r.hidModel, model);
    lumtarCopyField(r.firmwareVersion, version);
    r.connectType = connectType;
    return r;
}

QByteArray zone(const QByteArray &infoString, int offset)
{
    QByteArray head(offset, '\xff');
    return head + infoString + QByteArray(50, '\0');
}

int countOf(const std::string &path, uint8_t command)
{
    int n = 0;
    for (const auto &r : SimController::instance().receivedReports(path))
        n += r[1] == command ? 1 : 0;
    return n;
}

// Scripted entry points of the firmware library for the drive search.
struct FakeLibrary
{
    static int foundOn;       // letter of the keyboard, 0: none
    static int searchError;   // returned on letter 'B' instead of -5, 0: none
    static int writeResult;
    static QList<int> asked;
    static QList<int> written;

    static int load(const unsigned char *, int) { return 0; }
    static int query(int letter, char *, int, char *, int)
    {
        asked << letter;
        if (letter == foundOn)
            return JL_OK;
        if (searchError && letter == 'B')
            return searchError;
        return JL_ERR_NOT_THIS_DRIVE;
    }
    static int upgrade(int letter, int, int, JL_progress_t progress)
    {
        written << letter;
        for (int p = 0; p <= 100; p += 25)
            progress(p);
        return writeResult;
    }
    static void reset(int found, int error = 0, int result = 0)
    {
        foundOn = found;
        searchError = error;
        writeResult = result;
        asked.clear();
        written.clear();
    }
};
int FakeLibrary::foundOn = 0;
int FakeLibrary::searchError = 0;
int FakeLibrary::writeResult = 0;
QList<int> FakeLibrary::asked;
QList<int> FakeLibrary::written;

} // namespace

class tst_FirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void infoStringRules_data();
    void infoStringRules();
    void fileNameByFamilyAndConnection();
    void libraryErrorTexts();
    void checkListsTheNewerImages();
    void automaticCheckOpensTheWindowLater();
    void updatesEachFamily_data();
    void updatesEachFamily();
    void retries_data();
    void retries();
    void newUpdateResetsTheRetries();
    void noBootloaderFailsAfterTheWait();
    void unpluggedMidWriteThenPluggedBack();
    void damagedOnTheWayLeavesTheFirmware();
    void anotherModelsBootloaderIsNeverWritten();
    void arrivalWithNothingPendingIsIgnored();
    void twoBootloadersAtOnce();
    void windowClosedMidWrite();
    void quitMidWrite();
    void ufwWriteNeitherBlocksTheCheckNorTheQuit();
    void driveSearch_data();
    void driveSearch();
    void nullEntryPoints();

private:
    // The window with the keyboards of these models, after the first
    // enumeration, without the automatic check.
    DMainWidget *startWindow(const QStringList &models);
    DUpdateFirmwareDia *openUpdateWindow();
    // An update window of no candidates, as if the window were open.
    DUpdateFirmwareDia *bareUpdateWindow(DMainWidget *w);
    UpdateFirmwareInfoItem *rowOf(DUpdateFirmwareDia *dialog, const QString &model);
    // Presses a row's button and waits for the window's verdict: 1 success, 0 failure, -1 none.
    int pressAndWait(DUpdateFirmwareDia *dialog, UpdateFirmwareInfoItem *row, int timeoutMs = kUpdateMs);
    QString listedVersion(const QString &model);
    std::string pathOf(const QString &model);

    TempHome m_home;
    std::unique_ptr<DMainWidget> m_window;
};

void tst_FirmwareUpdate::initTestCase()
{
    QVERIFY(m_home.isValid());
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_FirmwareUpdate::cleanup()
{
    m_window.reset();
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

DMainWidget *tst_FirmwareUpdate::startWindow(const QStringList &models)
{
    for (const QString &m : models) {
        const QStringList parts = m.split('@');
        SimController::instance().plug(parts[0].toStdString(), parts.size() > 1 ? 1 : 0);
    }
    m_window.reset(new DMainWidget);
    if (!DevicePageProbe(m_window->devicePage()).waitUntilIdle(kSettleMs))
        qWarning("the first enumeration did not end");
    m_window->m_upgradeCheckTimer->stop();
    return m_window.get();
}

DUpdateFirmwareDia *tst_FirmwareUpdate::openUpdateWindow()
{
    if (!m_window->checkUpgradeableDevices(true))
        return nullptr;
    return m_window->updateFirmwareDia();
}

DUpdateFirmwareDia *tst_FirmwareUpdate::bareUpdateWindow(DMainWidget *w)
{
    auto *dialog = new DUpdateFirmwareDia(w);
    w->m_firmwareWindow->m_dialog = dialog;
    return dialog;
}

UpdateFirmwareInfoItem *tst_FirmwareUpdate::rowOf(DUpdateFirmwareDia *dialog, const QString &model)
{
    for (UpdateFirmwareInfoItem *row : dialog->rows())
        if (row->hidName() == model)
            return row;
    return nullptr;
}

int tst_FirmwareUpdate::pressAndWait(DUpdateFirmwareDia *dialog, UpdateFirmwareInfoItem *row, int timeoutMs)
{
    QSignalSpy success(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QSignalSpy failure(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QTest::mouseClick(row->findChild<QPushButton *>(QStringLiteral("pushButton_Update")), Qt::LeftButton);
    QDeadlineTimer deadline(timeoutMs);
    while (success.isEmpty() && failure.isEmpty() && !deadline.hasExpired())
        QTest::qWait(20);
    return success.isEmpty() ? (failure.isEmpty() ? -1 : 0) : 1;
}

QString tst_FirmwareUpdate::listedVersion(const QString &model)
{
    for (const hidStructInfoAll &r : m_window->devicePage()->deviceInfoMap())
        if (QString::fromLatin1(r.hidModel) == model)
            return QString::fromLatin1(r.firmwareVersion);
    return QString();
}

std::string tst_FirmwareUpdate::pathOf(const QString &model)
{
    for (const std::string &p : SimController::instance().paths())
        if (QString::fromStdString(SimController::instance().state(p).model) == model)
            return p;
    return {};
}

void tst_FirmwareUpdate::infoStringRules_data()
{
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("offered");
    QTest::newRow("newer") << QByteArray("AB,01,KB,CD,M1,V1.00.07") << "V1.00.06" << true;
    QTest::newRow("equal") << QByteArray("AB,01,KB,CD,M1,V1.00.06") << "V1.00.06" << false;
    QTest::newRow("older") << QByteArray("AB,01,KB,CD,M1,V1.00.05") << "V1.00.06" << false;
    QTest::newRow("versions differ in case only") << QByteArray("AB,01,KB,CD,M1,v1.00.06") << "V1.00.06" << false;
    QTest::newRow("identity in other case") << QByteArray("ab,01,kb,cd,m1,V1.00.07") << "V1.00.06" << true;
    QTest::newRow("text, not numbers") << QByteArray("AB,01,KB,CD,M1,V1_10_05") << "V1.99.99" << true;
    QTest::newRow("under six fields") << QByteArray("AB,01,KB,CD,M1") << "V1.00.06" << false;
    QTest::newRow("another class") << QByteArray("AB,01,MS,CD,M1,V1.00.07") << "V1.00.06" << true;
    QTest::newRow("chip family off") << QByteArray("AX,01,KB,CD,M1,V1.00.07") << "V1.00.06" << false;
    QTest::newRow("two-digit code off") << QByteArray("AB,02,KB,CD,M1,V1.00.07") << "V1.00.06" << false;
    QTest::newRow("customer off") << QByteArray("AB,01,KB,CX,M1,V1.00.07") << "V1.00.06" << false;
    QTest::newRow("model off") << QByteArray("AB,01,KB,CD,M2,V1.00.07") << "V1.00.06" << false;
    QTest::newRow("nothing there") << QByteArray() << "" << false;
}

void tst_FirmwareUpdate::infoStringRules()
{
    QFETCH(QByteArray, info);
    QFETCH(QString, version);
    QFETCH(bool, offered);
    FirmwareFamilyStu family = {};
    family.format = LUMTAR_IMAGE_BIN;
    family.infoOffset = 100;
    family.imageSize = 4096;
    QString found = QStringLiteral("untouched");
    const bool matched = FirmwareImageCheck::infoStringMatches(
        zone(info, 100), family, record("AB", "01", "CD", "M1", version.toLatin1().constData()), &found);
    QCOMPARE(matched, offered);
    QCOMPARE(found, offered ? QString::fromLatin1(info.split(',').value(5)) : QStringLiteral("untouched"));
    // A file shorter than the info string's place offers nothing.
    QVERIFY(!FirmwareImageCheck::infoStringMatches(QByteArray(50, 'x'), family, record("AB", "01", "CD", "M1", ""),
                                                   nullptr));
}

void tst_FirmwareUpdate::fileNameByFamilyAndConnection()
{
    FirmwareFamilyStu family;
    QVERIFY(FirmwareImageCheck::familyOf(QStringLiteral("LT108HE"), &family));
    QCOMPARE(FirmwareImageCheck::imageFileName(family, 0), QStringLiteral("LT108HE.bin"));
    QCOMPARE(FirmwareImageCheck::imageFileName(family, 1), QStringLiteral("LT108HE_Dongle.bin"));
    QVERIFY(FirmwareImageCheck::familyOf(QStringLiteral("LT104RGB"), &family));
    // The 256 KB family uses one file whatever the connection, for the check and the write.
    QCOMPARE(FirmwareImageCheck::imageFileName(family, 1), QStringLiteral("LT104RGB.bin"));
    QVERIFY(FirmwareImageCheck::familyOf(QStringLiteral("LT68HE"), &family));
    QCOMPARE(FirmwareImageCheck::imageFileName(family, 1), QStringLiteral("LT68HE_Dongle.ufw"));
    QVERIFY(!FirmwareImageCheck::familyOf(QStringLiteral("lt108he"), &family));
}

void tst_FirmwareUpdate::libraryErrorTexts()
{
    for (int code : {0, -3, -5, -6, -9, -10, -18, -20, -21, -22, -23, -24, -25, -26})
        QCOMPARE(FirmwareImageCheck::libraryErrorText(code, false), QStringLiteral("Error %1").arg(code));
    for (int code : {-1, -2, -4, -7, -11, -19, -27, 5, 100})
        QCOMPARE(FirmwareImageCheck::libraryErrorText(code, false), QStringLiteral("Error -1"));
    QCOMPARE(FirmwareImageCheck::libraryErrorText(-10, true), QStringLiteral("Error -1"));
    QCOMPARE(FirmwareImageCheck::libraryErrorText(-5, true), QStringLiteral("Error -5"));
}

void tst_FirmwareUpdate::checkListsTheNewerImages()
{
    DMainWidget *w = startWindow({"LT104RGB", "LT68HE", "LT108HE"});
    DUpdateFirmwareDia *dialog = openUpdateWindow();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(w->m_isShowUpgradeNow);
    // In the order of the device paths.
    QStringList models;
    for (UpdateFirmwareInfoItem *row : dialog->rows())
        models << row->hidName();
    QCOMPARE(models, QStringList({"LT108HE", "LT68HE", "LT104RGB"}));
    QStringList versions;
    for (const hidStructInfoAll &r : w->m_upgradeableHidList)
        versions << QString::fromLatin1(r.newFirmwareVersion);
    QCOMPARE(versions, QStringList({"V1.00.07", "V104", "V2.01.01"}));
    // A second check does not open a second window.
    QVERIFY(w->checkUpgradeableDevices(true));
    QCOMPARE(w->findChildren<DUpdateFirmwareDia *>().size(), 1);

    // A keyboard as new as its image is no candidate.
    const std::string rgb = pathOf("LT104RGB");
    hidStructInfoAll same = w->devicePage()->deviceInfoMap().value(QString::fromStdString(rgb));
    lumtarCopyField(same.firmwareVersion, "V2.01.01");
    QVERIFY(!w->selectFirmwareImage(same));
    lumtarCopyField(same.hidModel, "LT999");
    QVERIFY(!w->selectFirmwareImage(same));
}

void tst_FirmwareUpdate::automaticCheckOpensTheWindowLater()
{
    SimController::instance().plug("LT104RGB");
    m_window.reset(new DMainWidget);
    m_window->show();
    QVERIFY(DevicePageProbe(m_window->devicePage()).waitUntilIdle(kSettleMs));
    if (!DDataManager::getInstance()->isVersionChanged())
        QSKIP("the program version was stored before");
    QTRY_VERIFY_WITH_TIMEOUT(m_window->updateFirmwareDia(), 10000);
    QVERIFY(!m_window->m_isShowUpgradeNow);
    QVERIFY(m_window->m_firmwareWindow->overlay() && m_window->m_firmwareWindow->overlay()->isVisible());
    QCOMPARE(m_window->updateFirmwareDia()->rows().size(), 1);
}

void tst_FirmwareUpdate::updatesEachFamily_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("version");
    QTest::newRow("512 KB .bin by its bootloader") << "LT108HE" << "V1.00.07";
    QTest::newRow("512 KB .bin on the receiver") << "LT108HE@receiver" << "V1.00.07";
    QTest::newRow("256 KB .bin by its bootloader") << "LT104RGB" << "V2.01.01";
    QTest::newRow(".ufw by its update volume") << "LT68HE" << "V104";
}

void tst_FirmwareUpdate::updatesEachFamily()
{
    QFETCH(QString, model);
    QFETCH(QString, version);
    const QString name = model.section('@', 0, 0);
    startWindow({model});
    const std::string before = pathOf(name);
    if (model.contains('@'))
        SimController::instance().setReceiverLink(before, true);
    const std::string serial = SimController::instance().state(before).serialNumber;
    DUpdateFirmwareDia *dialog = openUpdateWindow();
    QVERIFY(dialog);
    UpdateFirmwareInfoItem *row = rowOf(dialog, name);
    QVERIFY(row);
    QSignalSpy progress(dialog, &DUpdateFirmwareDia::sigUpgradeProgress);
    QCOMPARE(pressAndWait(dialog, row), 1);
    // Progress rose to the end.
    QVERIFY(progress.size() >= 2);
    for (int i = 1; i < progress.size(); ++i)
        QVERIFY(progress.at(i).at(0).toInt() > progress.at(i - 1).at(0).toInt());
    QCOMPARE(progress.last().at(0).toInt(), 100);
    // The keyboard comes back, listed with the new version and its own serial number.
    QTRY_COMPARE_WITH_TIMEOUT(listedVersion(name), version, 10000);
    QCOMPARE(SimController::instance().state(pathOf(name)).serialNumber, serial);
}

void tst_FirmwareUpdate::retries_data()
{
    QTest::addColumn<int>("refusals");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("attempts");
    QTest::newRow("fail, fail, success") << 2 << 1 << 3;
    QTest::newRow("four failures, one report") << -1 << 0 << 4;
}

void tst_FirmwareUpdate::retries()
{
    QFETCH(int, refusals);
    QFETCH(int, outcome);
    QFETCH(int, attempts);
    startWindow({"LT104RGB"});
    SimFaults faults;
    faults.refuseImages = refusals; // kept by the keyboard into its bootloader
    QVERIFY(SimController::instance().setFaults(pathOf("LT104RGB"), faults));
    DUpdateFirmwareDia *dialog = openUpdateWindow();
    QSignalSpy failures(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QSignalSpy successes(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    QCOMPARE(pressAndWait(dialog, rowOf(dialog, "LT104RGB")), outcome);
    QTest::qWait(500);
    QCOMPARE(failures.size(), 1 - outcome);
    QCOMPARE(successes.size(), outcome);
    if (!outcome) {
        // Each attempt asked once and began once, and was refused.
        const std::string boot = SimController::instance().bootloaderPaths().front();
        QCOMPARE(countOf(boot, 0x41), attempts);
    }
}

void tst_FirmwareUpdate::newUpdateResetsTheRetries()
{
    startWindow({"LT104RGB"});
    SimFaults faults;
    faults.refuseImages = 7; // four of the first update, three of the second
    QVERIFY(SimController::instance().setFaults(pathOf("LT104RGB"), faults));
    DUpdateFirmwareDia *dialog = openUpdateWindow();
    UpdateFirmwareInfoItem *row = rowOf(dialog, "LT104RGB");
    QCOMPARE(pressAndWait(dialog, row), 0);
    // The keyboard waits in its bootloader; the same row starts again and
    // has its four attempts anew.
    QCOMPARE(pressAndWait(dialog, row), 1);
    QTRY_COMPARE_WITH_TIMEOUT(listedVersion("LT104RGB"), QStringLiteral("V2.01.01"), 10000);
}

void tst_FirmwareUpdate::noBootloaderFailsAfterTheWait()
{
    DMainWidget *w = startWindow({});
    w->m_bootloaderUpdate->setWaitMs(1500);
    auto *dialog = bareUpdateWindow(w);
    QSignalSpy failures(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QElapsedTimer t;
    t.start();
    w->onStartHidUpgrade(QString(), QString(), QStringLiteral("LT104RGB"), 0);
    QVERIFY(w->m_bootloaderUpdate->isPending());
    QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 1, 10000);
    QVERIFY(t.elapsed() >= 1400);
    QVERIFY(!w->m_bootloaderUpdate->isPending());
}

void tst_FirmwareUpdate::unpluggedMidWriteThenPluggedBack()
{
    DMainWidget *w = startWindow({"LT108HE"});
    w->m_bootloaderUpdate->setWaitMs(2000);
    const std::string keyboard = pathOf("LT108HE");
    // Its bootloader is the same device under the bootloader's ids.
    const std::string boot = "hid#vid_0416&pid_3f00&mi_00#" + keyboard.substr(keyboard.find("#sim/") + 1);
    SimFaults faults;
    faults.vanishAfterImageBytes = 200000;
    QVERIFY(SimController::instance().setFaults(keyboard, faults));
    DUpdateFirmwareDia *dialog = openUpdateWindow();
    UpdateFirmwareInfoItem *row = rowOf(dialog, "LT108HE");
    QSignalSpy progress(dialog, &DUpdateFirmwareDia::sigUpgradeProgress);
    QCOMPARE(pressAndWait(dialog, row), 0);
    QVERIFY(!progress.isEmpty());
    QVERIFY(SimController::instance().bootloaderPaths().empty());

    // Plugged back it is still the bootloader. The same row finishes: the
    // keyboard is not listed, so no report goes out, and the bootloader
    // there is written at once.
    QCOMPARE(SimController::instance().replug(boot), boot);
    QVERIFY(!SimController::instance().state(boot).validImage);
    QCOMPARE(pressAndWait(dialog, row), 1);
    QTRY_COMPARE_WITH_TIMEOUT(listedVersion("LT108HE"), QStringLiteral("V1.00.07"), 10000);
}

void tst_FirmwareUpdate::damagedOnTheWayLeavesTheFirmware()
{
    startWindow({"LT108HE"});
    SimFaults faults;
    faults.corruptBlock = 5000; // every attempt
    QVERIFY(SimController::instance().setFaults(pathOf("LT108HE"), faults));
    DUpdateFirmwareDia *dialog = openUpdateWindow();
    QCOMPARE(pressAndWait(dialog, rowOf(dialog, "LT108HE")), 0);
    const std::string boot = SimController::instance().bootloaderPaths().front();
    const auto state = SimController::instance().state(boot);
    QCOMPARE(QString::fromStdString(state.firmwareVersion), QStringLiteral("V1.00.06"));
    QCOMPARE(state.imagesWritten, 0);
    QVERIFY(!state.validImage); // waiting, recoverable, in its bootloader
}

void tst_FirmwareUpdate::anotherModelsBootloaderIsNeverWritten()
{
    // Only another model's bootloader is there: the update fails after its
    // wait and that bootloader is only asked who it is.
    DMainWidget *w = startWindow({});
    w->m_bootloaderUpdate->setWaitMs(1500);
    const std::string other = SimController::instance().plugInUpdateMode("LT108HE");
    auto *dialog = bareUpdateWindow(w);
    QSignalSpy failures(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    w->onStartHidUpgrade(QString(), QString(), QStringLiteral("LT104RGB"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 1, 10000);
    QVERIFY(countOf(other, 0x40) >= 1);
    QCOMPARE(countOf(other, 0x41), 0);
    QCOMPARE(SimController::instance().state(other).imagesWritten, 0);
}

void tst_FirmwareUpdate::arrivalWithNothingPendingIsIgnored()
{
    DMainWidget *w = startWindow({});
    LogCapture log;
    const std::string boot = SimController::instance().plugInUpdateMode("LT104RGB");
    QTRY_VERIFY(log.countContaining(QStringLiteral("arrived while no update waits for it")) >= 1);
    QVERIFY(!w->m_bootloaderUpdate->m_arrivalTimer->isActive());
    QTest::qWait(1000);
    QCOMPARE(SimController::instance().receivedReports(boot).size(), size_t(0));
}

void tst_FirmwareUpdate::twoBootloadersAtOnce()
{
    DMainWidget *w = startWindow({});
    // Another model's bootloader comes first in the list, and is left alone.
    const std::string other = SimController::instance().plugInUpdateMode("LT108HE");
    const std::string mine = SimController::instance().plugInUpdateMode("LT104RGB");
    auto *dialog = bareUpdateWindow(w);
    QSignalSpy success(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc);
    w->onStartHidUpgrade(QString(), QString(), QStringLiteral("LT104RGB"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(success.size(), 1, kUpdateMs);
    QCOMPARE(countOf(other, 0x40), 1); // asked who it is
    QCOMPARE(countOf(other, 0x41), 0); // never written
    QVERIFY(!SimController::instance().state(other).validImage);
    QTRY_VERIFY(!pathOf("LT104RGB").empty());
    Q_UNUSED(mine);
}

void tst_FirmwareUpdate::windowClosedMidWrite()
{
    DMainWidget *w = startWindow({"LT108HE"});
    SimFaults slow;
    slow.replyDelayMs = 5;
    QVERIFY(SimController::instance().setFaults(pathOf("LT108HE"), slow));
    QPointer<DUpdateFirmwareDia> dialog = openUpdateWindow();
    QSignalSpy progress(dialog.data(), &DUpdateFirmwareDia::sigUpgradeProgress);
    QTest::mouseClick(rowOf(dialog, "LT108HE")->findChild<QPushButton *>(QStringLiteral("pushButton_Update")),
                      Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() > 2, kUpdateMs);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
    QTRY_VERIFY(!dialog);
    QVERIFY(!w->updateFirmwareDia());
    // The write goes on; its result is dropped.
    QTRY_COMPARE_WITH_TIMEOUT(listedVersion("LT108HE"), QStringLiteral("V1.00.07"), kUpdateMs);
    QVERIFY(!w->m_bootloaderUpdate->isPending());
}

void tst_FirmwareUpdate::quitMidWrite()
{
    DMainWidget *w = startWindow({"LT108HE"});
    SimFaults slow;
    slow.replyDelayMs = 5;
    QVERIFY(SimController::instance().setFaults(pathOf("LT108HE"), slow));
    DUpdateFirmwareDia *dialog = openUpdateWindow();
    QSignalSpy progress(dialog, &DUpdateFirmwareDia::sigUpgradeProgress);
    QTest::mouseClick(rowOf(dialog, "LT108HE")->findChild<QPushButton *>(QStringLiteral("pushButton_Update")),
                      Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() > 2, kUpdateMs);
    QVERIFY(w->m_bootloaderUpdate->isWriting());
    QElapsedTimer t;
    t.start();
    m_window.reset(); // the window goes: the write ends at a block and its thread is joined
    QVERIFY(t.elapsed() < 5000);
    // The keyboard waits, recoverable, in its bootloader.
    QCOMPARE(SimController::instance().bootloaderPaths().size(), size_t(1));
    QVERIFY(!SimController::instance().state(SimController::instance().bootloaderPaths().front()).validImage);
}

void tst_FirmwareUpdate::ufwWriteNeitherBlocksTheCheckNorTheQuit()
{
    DMainWidget *w = startWindow({"LT68HE"});
    SimFaults silent;
    silent.silentAfterReports = 0; // the keyboard never gives its verdict
    QVERIFY(SimController::instance().setFaults(pathOf("LT68HE"), silent));
    QPointer<DUpdateFirmwareDia> dialog = openUpdateWindow();
    QVERIFY(dialog);
    QSignalSpy progress(dialog.data(), &DUpdateFirmwareDia::sigUpgradeProgress);
    QTest::mouseClick(rowOf(dialog, "LT68HE")->findChild<QPushButton *>(QStringLiteral("pushButton_Update")),
                      Qt::LeftButton);
    // The image lies on the volume: the write waits for the verdict.
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0).toInt() == 90, kUpdateMs);
    QVERIFY(w->m_ufwUpdate->isWriting());
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close")), Qt::LeftButton);
    QTRY_VERIFY(!dialog);

    // A check now neither waits for the write nor loads another image into
    // the library: what it knows of the carried images it examined before,
    // and an image not examined yet waits for the next check.
    const std::string volume = SimController::instance().updateVolumes().front();
    QFile written(QString::fromStdString(volume) + QStringLiteral("/FIRMWARE.UFW"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray image = written.readAll();
    written.close();
    QElapsedTimer t;
    t.start();
    w->checkUpgradeableDevices(false);
    hidStructInfoAll another = {};
    lumtarCopyField(another.hidModel, "LT68HE");
    lumtarCopyField(another.firmwareVersion, "V100");
    FirmwareUpgradeCheck fresh(&w->m_ufwLibrary); // has examined nothing yet
    LogCapture log;
    QString version;
    QVERIFY(!fresh.selectFirmwareImage(another, &version));
    QVERIFY(log.countContaining(QStringLiteral("not examined while a firmware write runs")) == 1);
    QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
    QVERIFY(w->m_ufwUpdate->isWriting());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), image);
    written.close();

    // Quitting ends the write at once rather than after the keyboard's 15 s.
    t.start();
    m_window.reset();
    QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
}

void tst_FirmwareUpdate::driveSearch_data()
{
    QTest::addColumn<int>("foundOn");
    QTest::addColumn<int>("searchError");
    QTest::addColumn<int>("writeResult");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<int>("asked");
    QTest::newRow("found on the third letter") << int('C') << 0 << 0 << true << QString() << 3;
    QTest::newRow("not on any drive") << 0 << 0 << 0 << false
                                      << "JL m_queryDevicePidVid()  csErrorText: \"Error -5\"" << 26;
    QTest::newRow("-10 in the search") << 0 << -10 << 0 << false
                                       << "JL m_queryDevicePidVid()  csErrorText: \"Error -1\"" << 2;
    QTest::newRow("-10 from the write") << int('A') << 0 << -10 << false
                                        << "JL m_upgradeDevice()  csErrorText: \"Error -10\"" << 1;
}

void tst_FirmwareUpdate::driveSearch()
{
    QFETCH(int, foundOn);
    QFETCH(int, searchError);
    QFETCH(int, writeResult);
    QFETCH(bool, success);
    QFETCH(QString, logged);
    QFETCH(int, asked);
    DMainWidget *w = startWindow({});
    // Not found: no second search.
    w->m_ufwUpdate->setWaitMs(0);
    w->m_ufwLibrary.loadUfwData = &FakeLibrary::load;
    w->m_ufwLibrary.queryDevicePidVid = &FakeLibrary::query;
    w->m_ufwLibrary.upgradeDevice = &FakeLibrary::upgrade;
    FakeLibrary::reset(foundOn, searchError, writeResult);
    auto *dialog = bareUpdateWindow(w);
    QSignalSpy done(dialog, success ? &DUpdateFirmwareDia::sigUpgradeFirmwareSuc
                                    : &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    QSignalSpy progress(dialog, &DUpdateFirmwareDia::sigUpgradeProgress);
    LogCapture log;
    w->onStartHidUpgrade(QString(), QString(), QStringLiteral("LT68HE"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 10000);
    QCOMPARE(FakeLibrary::asked.size(), asked);
    QCOMPARE(FakeLibrary::asked.first(), int('A'));
    if (!logged.isEmpty())
        QVERIFY2(log.countContaining(logged) == 1, qPrintable(log.messages().join('\n')));
    if (success) {
        QCOMPARE(FakeLibrary::written, QList<int>{int('C')});
        QTRY_COMPARE(progress.size(), 5); // 0, 25, 50, 75, 100 of 100
    }
}

void tst_FirmwareUpdate::nullEntryPoints()
{
    DMainWidget *w = startWindow({"LT68HE"});
    w->m_ufwLibrary.loadUfwData = nullptr;
    w->m_ufwLibrary.getUfwCrc = nullptr;
    w->m_ufwLibrary.getUfwPidVid = nullptr;
    w->m_ufwLibrary.queryDevicePidVid = nullptr;
    w->m_ufwLibrary.upgradeDevice = nullptr;
    // The .ufw family is never offered, nor written.
    QVERIFY(!w->checkUpgradeableDevices(true));
    auto *dialog = bareUpdateWindow(w);
    QSignalSpy failures(dialog, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed);
    w->onStartHidUpgrade(QString(), QString(), QStringLiteral("LT68HE"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 1, 10000);
}

QTEST_MAIN(tst_FirmwareUpdate)
#include "tst_firmwareupdate.moc"
