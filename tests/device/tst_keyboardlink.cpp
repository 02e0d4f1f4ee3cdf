// The device link against the simulated keyboard through the real I/O
// thread: the open sequence, the serial number, and the dispatch of every
// reply the keyboard sends.
#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "sdk/store/AtomicFileWriter.h"
#include "support/DeviceLinkFixture.h"
#include "support/LogCapture.h"
#include "support/SimReportLog.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <memory>

using lumtar::sim::SimController;
using SimReportLog::report;

namespace {

// (command, sub-command) of each command the keyboard received, keep-alives left out.
QList<QPair<int, int>> commandIds(const std::string &path)
{
    QList<QPair<int, int>> ids;
    for (const QByteArray &r : SimReportLog::commands(path)) {
        const int command = static_cast<unsigned char>(r.at(1));
        const int sub = command == 0x29 ? static_cast<unsigned char>(r.at(6)) : static_cast<unsigned char>(r.at(2));
        ids.append(qMakePair(command, sub));
    }
    return ids;
}

QByteArray payload(int id, const QList<int> &bytesFrom6, int byte2 = 0)
{
    QByteArray r(64, '\0');
    r[0] = 0x01;
    r[1] = static_cast<char>(id);
    r[2] = static_cast<char>(byte2);
    for (int i = 0; i < bytesFrom6.size() && 6 + i < 64; ++i)
        r[6 + i] = static_cast<char>(bytesFrom6.at(i));
    return r;
}

QList<int> filled(int count, int value)
{
    QList<int> list;
    for (int i = 0; i < count; ++i)
        list << value;
    return list;
}

std::vector<int> toVector(const QList<int> &list)
{
    return std::vector<int>(list.begin(), list.end());
}

} // namespace

class tst_KeyboardLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openSequence_data();
    void openSequence();
    void openFailure();
    void serialNumber_data();
    void serialNumber();

    void statusReport();
    void dongleStatusTracking();
    void keyboardModeOfTheListedModel();
    void modeLists_data();
    void modeLists();
    void lightConfigurationsStoredThenSaved();
    void customSchemeInUse();
    void customKeyListRebuilt();
    void sleepTimes();
    void repliesWithoutProfileFile();
    void simpleReplies();
    void textReply_data();
    void textReply();
    void fullKeyReportRelayed();
    void magneticReplies();
    void oneKeyQueryCollects();
    void shortReportsIgnored_data();
    void shortReportsIgnored();
    void unplugWhileRunning();

private:
    std::unique_ptr<DeviceLinkFixture> m_fx;
};

void tst_KeyboardLink::initTestCase()
{
    QVERIFY(DeviceLinkFixture::prepareEnvironment());
}

void tst_KeyboardLink::init()
{
    m_fx = std::make_unique<DeviceLinkFixture>();
}

void tst_KeyboardLink::cleanup()
{
    m_fx.reset();
}

void tst_KeyboardLink::openSequence_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<bool>("sideLight");
    QTest::newRow("magnetic with side light") << "LT108HE" << true << true;
    QTest::newRow("magnetic compact") << "LT68HE" << true << false;
    QTest::newRow("plain RGB") << "LT104RGB" << false << false;
}

void tst_KeyboardLink::openSequence()
{
    QFETCH(QString, model);
    QFETCH(bool, magnetic);
    QFETCH(bool, sideLight);
    DDataManager *shared = DDataManager::getInstance();
    shared->setHasSideLight(!sideLight);
    shared->setMaxSensitivityNum(-1);

    QVERIFY(m_fx->open(model.toLatin1().constData()));
    QVERIFY(m_fx->waitUntilReady());
    DDeviceKeyboardLink *link = m_fx->link();
    QTRY_VERIFY(!link->customKeyPosList().isEmpty());
    QVERIFY(m_fx->sync());

    // The serial inquiry goes first, then the chain the replies drive.
    QCOMPARE(SimReportLog::all(m_fx->path()).first(), report({{0, 0}, {1, 0x14}}));
    QList<QPair<int, int>> expected{{0x06, 1}, {0x07, 1}, {0x09, 0}};
    if (magnetic)
        expected << qMakePair(0x29, 4) << qMakePair(0x29, 10) << qMakePair(0x29, 9);
    expected << qMakePair(0x01, 0) << qMakePair(0x0D, 0);
    QCOMPARE(commandIds(m_fx->path()), expected);

    const lumtar::sim::SimKeyboardState state = SimController::instance().state(m_fx->path());
    QCOMPARE(link->serialNumber(), QString::fromStdString(state.serialNumber));
    QVERIFY(!link->lightModeList().modeCodes.empty());
    QCOMPARE(!link->sideLightModeList().modeCodes.empty(), sideLight);
    QCOMPARE(shared->hasSideLight(), sideLight);
    if (magnetic)
        QTRY_VERIFY(shared->maxSensitivityNum() > 0);
    else
        QCOMPARE(shared->maxSensitivityNum(), -1);
}

void tst_KeyboardLink::openFailure()
{
    LogCapture log;
    DDeviceKeyboardLink link;
    hidStructInfoAll record = {};
    lumtarCopyField(record.hidPath, "hid#vid_1209&pid_7475&mi_01#sim/none");
    lumtarCopyField(record.hidModel, "LT104RGB");
    link.openDevice(0, record);
    QCOMPARE(log.count(QStringLiteral("Open the device-failed")), 1);
    QVERIFY(!link.hidInterface()->isOpen());
    // Without a builder the forwarders send nothing and report failure.
    log.clear();
    link.sendReset();
    link.sendCheckSleepTime();
    link.sendSetSleepTime(1, 2, 0);
    QCOMPARE(link.sendSetGamePadMode(1), -1);
    QCOMPARE(link.sendLockWin(1, 0, 0, 0), -1);
    link.queryDeviceInfo();
    QCOMPARE(log.messages(), QStringList());
}

void tst_KeyboardLink::serialNumber_data()
{
    QTest::addColumn<int>("serialLength");
    QTest::addColumn<QString>("storedSerial");
    QTest::addColumn<bool>("kept");
    QTest::newRow("32 letters and digits kept") << -1 << "A1B2C3D4E5F60718293A4B5C6D7E8F90" << true;
    QTest::newRow("empty replaced") << 0 << QString() << false;
    QTest::newRow("zero byte at 20 replaced") << 20 << QString() << false;
    QTest::newRow("dashes replaced") << -1 << "A1B2C3D4-E5F6-0718-293A-4B5C6D7E" << false;
    QTest::newRow("path characters replaced") << -1 << "../../../../../../../../etc/pwd0" << false;
}

void tst_KeyboardLink::serialNumber()
{
    QFETCH(int, serialLength);
    QFETCH(QString, storedSerial);
    QFETCH(bool, kept);

    const std::string path = SimController::instance().plug("LT104RGB");
    QVERIFY(!path.empty());
    if (!storedSerial.isEmpty())
        QVERIFY(SimController::instance().setSerialNumber(path, storedSerial.toStdString()));
    lumtar::sim::SimFaults faults;
    faults.serialLength = serialLength;
    QVERIFY(SimController::instance().setFaults(path, faults));
    const QString before = QString::fromStdString(SimController::instance().state(path).serialNumber);

    hidStructInfoAll record = {};
    lumtarCopyField(record.hidPath, path.c_str());
    lumtarCopyField(record.hidModel, "LT104RGB");
    DDeviceKeyboardLink link;
    link.openDevice(0, record);
    QTRY_VERIFY_WITH_TIMEOUT(!link.serialNumber().isEmpty(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(link.isDeviceInfoReady(), 5000);
    const QList<QPair<int, int>> ids = commandIds(path);
    const QString serial = link.serialNumber();
    if (kept) {
        QCOMPARE(serial, storedSerial);
        QVERIFY(!ids.contains(qMakePair(0x15, 0)));
        return;
    }
    QVERIFY2(QRegularExpression("^[0-9a-f]{32}$").match(serial).hasMatch(), qPrintable(serial));
    QVERIFY(serial != before);
    QCOMPARE(ids.count(qMakePair(0x15, 0)), 1);
    QCOMPARE(ids.first(), qMakePair(0x15, 0));
    QTRY_COMPARE(QString::fromStdString(SimController::instance().state(path).serialNumber), serial);
}

void tst_KeyboardLink::statusReport()
{
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    DDeviceKeyboardLink *link = m_fx->link();
    QSignalSpy status(link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    QSignalSpy download(link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus);

    // Without its length byte the report is ignored entirely.
    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x01}, {5, 0}, {9, 1}, {10, 55}, {13, 4}}));
    QCOMPARE(status.count(), 0);
    QCOMPARE(download.count(), 0);

    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x01}, {5, 9}, {9, 1}, {10, 55}, {11, 0}, {12, 0}}));
    QCOMPARE(status.count(), 1);
    QCOMPARE(status.first(), (QList<QVariant>{1, 55, 0, 0, link->serialNumber()}));
    QCOMPARE(download.count(), 0);

    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x01}, {5, 9}, {9, 2}, {10, 100}, {13, 3}}));
    QCOMPARE(download.count(), 1);
    QCOMPARE(download.first().first().toInt(), 3);
}

void tst_KeyboardLink::dongleStatusTracking()
{
    QVERIFY(m_fx->open("LT108HE", 1));
    QVERIFY(m_fx->waitUntilReady());
    DDeviceKeyboardLink *link = m_fx->link();
    QSignalSpy dongle(link, &DDeviceKeyboardLink::sigDongleStatus);
    const QMap<int, int> unreachable{{0, 1}, {1, 0x01}, {5, 9}, {11, 1}, {12, 1}};
    const QMap<int, int> reachable{{0, 1}, {1, 0x01}, {5, 9}, {11, 1}, {12, 0}};

    // Tracking off: nothing.
    QVERIFY(m_fx->deliver(unreachable));
    QCOMPARE(dongle.count(), 0);

    link->setDongleTracking(true);
    QVERIFY(m_fx->deliver(unreachable));
    QCOMPARE(dongle.count(), 1);
    QCOMPARE(dongle.last(), (QList<QVariant>{1, QString::fromStdString(m_fx->path()), QStringLiteral("LT108HE")}));
    QVERIFY(m_fx->deliver(unreachable));
    QCOMPARE(dongle.count(), 1);
    QVERIFY(m_fx->deliver(reachable));
    QCOMPARE(dongle.count(), 2);
    QCOMPARE(dongle.last().first().toInt(), 0);
    // A cable report does not announce, but its state is remembered.
    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x01}, {5, 9}, {11, 0}, {12, 1}}));
    QCOMPARE(dongle.count(), 2);
    QVERIFY(m_fx->deliver(unreachable));
    QCOMPARE(dongle.count(), 2);
}

void tst_KeyboardLink::keyboardModeOfTheListedModel()
{
    QVERIFY(m_fx->open("LT108HE"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    // The keyboard's own status reports may have set a mode already; 5 and 6 are new.
    QSignalSpy mode(m_fx->link(), &DDeviceKeyboardLink::sigTheKeyboardModeChanged);
    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x01}, {5, 9}, {14, 5}}));
    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x01}, {5, 9}, {14, 5}}));
    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x01}, {5, 9}, {14, 6}}));
    QCOMPARE(mode.count(), 2);
    QCOMPARE(mode.at(0).first().toInt(), 5);
    QCOMPARE(mode.at(1).first().toInt(), 6);

    DeviceLinkFixture other;
    QVERIFY(other.open("LT104RGB"));
    QVERIFY(other.waitUntilReady());
    QSignalSpy otherMode(other.link(), &DDeviceKeyboardLink::sigTheKeyboardModeChanged);
    QVERIFY(other.deliver({{0, 1}, {1, 0x01}, {5, 9}, {14, 2}}));
    QCOMPARE(otherMode.count(), 0);
}

void tst_KeyboardLink::modeLists_data()
{
    QTest::addColumn<int>("replyId");
    QTest::addColumn<QList<int>>("bytes");
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<int>("value1");
    QTest::addColumn<int>("value2");

    for (int id : {0x0A, 0x02}) {
        const QByteArray tag = id == 0x0A ? "keyboard: " : "side: ";
        QTest::newRow(tag + "marker A5") << id << QList<int>{3, 5, 0xA5, 4, 2} << QList<int>{3, 5} << 4 << 2;
        QTest::newRow(tag + "markers 5A A5") << id << QList<int>{1, 0x5A, 0xA5, 7, 8} << QList<int>{1} << 7 << 8;
        QTest::newRow(tag + "zero modes kept") << id << QList<int>{0, 0, 2, 0xA5, 5, 5} << QList<int>{0, 0, 2} << 5 << 5;
        QTest::newRow(tag + "empty list") << id << QList<int>{0x5A, 3, 4} << QList<int>{} << 3 << 4;
        QList<int> full;
        for (int i = 0; i < 58; ++i)
            full << (i % 11) + 1;
        QTest::newRow(tag + "no marker: all 58 bytes") << id << full << full << 0 << 0;
        QList<int> lateMarker = filled(56, 1) << 0xA5 << 9;
        QTest::newRow(tag + "second value past byte 63") << id << lateMarker << filled(56, 1) << 9 << 0;
        QList<int> lastMarker = filled(57, 2) << 0xA5;
        QTest::newRow(tag + "both values past byte 63") << id << lastMarker << filled(57, 2) << 0 << 0;
    }
}

void tst_KeyboardLink::modeLists()
{
    QFETCH(int, replyId);
    QFETCH(QList<int>, bytes);
    QFETCH(QList<int>, modes);
    QFETCH(int, value1);
    QFETCH(int, value2);

    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    SimController::instance().clearReceivedReports(m_fx->path());
    DDataManager::getInstance()->setHasSideLight(modes.isEmpty());

    QVERIFY(m_fx->deliver(payload(replyId, bytes)));
    DDeviceKeyboardLink *link = m_fx->link();
    const LightSupportInfo list = replyId == 0x0A ? link->lightModeList() : link->sideLightModeList();
    QCOMPARE(list.modeCodes, toVector(modes));
    QCOMPARE(list.speedLevels, value1);
    QCOMPARE(list.brightnessLevels, value2);
    // Each list asks for the next step of the chain.
    const int next = replyId == 0x0A ? 0x01 : 0x0D;
    QTRY_COMPARE(commandIds(m_fx->path()).value(0), qMakePair(next, 0));
    if (replyId == 0x02)
        QCOMPARE(DDataManager::getInstance()->hasSideLight(), !modes.isEmpty());
}

void tst_KeyboardLink::lightConfigurationsStoredThenSaved()
{
    QVERIFY(m_fx->open("LT108HE"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    DDeviceKeyboardLink *link = m_fx->link();
    QSignalSpy changed(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    const QByteArray profile = m_fx->profilePath();

    // Before the page prepared the profile: stored, not saved.
    QVERIFY(m_fx->deliver(payload(0x07, {4, 2, 1, 10, 20, 30, 40, 50, 60, 1, 1, 7})));
    colorInfoData kb = link->keyboardLightConfig();
    const colorInfoData expectedKb = {0, 4, 3, 2, 10, 20, 30, 40, 50, 60, 1, 1, 7, 0};
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&kb), sizeof kb),
             QByteArray(reinterpret_cast<const char *>(&expectedKb), sizeof expectedKb));
    QVERIFY(!CLumtarXML_IsProFileAlreadyHaveLightInfo(profile.constData(), "1", 0, 4));
    QCOMPARE(changed.count(), 0);

    // The page saves both kinds once; that announces nothing yet.
    link->saveLightInfoToProFile(0);
    QCOMPARE(changed.count(), 0);
    QVERIFY(CLumtarXML_IsProFileAlreadyHaveLightInfo(profile.constData(), "1", 0, 4));
    QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(profile.constData(), "1", 0), 4);

    // From now on every reply is saved and announced; the record and the
    // current mode reach the disk in one write (a file and a folder flush).
    const unsigned long long syncs = lumtar::store::AtomicFileWriter::syncCount();
    QVERIFY(m_fx->deliver(payload(0x08, {3, 4, 0, 1, 2, 3, 0, 0, 0, 2, 0, 0})));
    QCOMPARE(lumtar::store::AtomicFileWriter::syncCount() - syncs, 2ULL);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last(), (QList<QVariant>{1, 3}));
    colorInfoData side = {};
    QVERIFY(CLumtarXML_SelectProfileColorDataInfo(profile.constData(), "1", 1, 3, &side));
    const colorInfoData expectedSide = {1, 3, 5, 1, 1, 2, 3, 0, 0, 0, 2, 0, 0, 0};
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&side), sizeof side),
             QByteArray(reinterpret_cast<const char *>(&expectedSide), sizeof expectedSide));
    QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(profile.constData(), "1", 1), 3);

    // A changed keyboard record replaces the stored one of its mode.
    QVERIFY(m_fx->deliver(payload(0x07, {4, 0, 0, 99, 98, 97, 0, 0, 0, 0, 1, 0})));
    QCOMPARE(changed.count(), 2);
    QVERIFY(CLumtarXML_SelectProfileColorDataInfo(profile.constData(), "1", 0, 4, &kb));
    QCOMPARE(kb.red1, 99);
    QCOMPARE(kb.brightness, 1);
}

void tst_KeyboardLink::customSchemeInUse()
{
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    QSignalSpy custom(m_fx->link(), &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);
    QVERIFY(m_fx->deliver(payload(0x09, {}, 3)));
    QCOMPARE(custom.count(), 1);
    QCOMPARE(custom.first(), (QList<QVariant>{0, 10, 3}));
    QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(m_fx->profilePath().constData(), "1", 0), 10);
}

void tst_KeyboardLink::customKeyListRebuilt()
{
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    QList<int> columns = filled(22, 0);
    columns[0] = 0x3F; // all six rows of column 0
    columns[5] = 0x04; // row 2
    QVERIFY(m_fx->deliver(payload(0x0E, columns)));
    const QList<QPair<int, int>> expected{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {2, 5}};
    QCOMPARE(m_fx->link()->customKeyPosList(), expected);
    QVERIFY(m_fx->deliver(payload(0x0E, columns)));
    QCOMPARE(m_fx->link()->customKeyPosList(), expected);
    QVERIFY(m_fx->deliver(payload(0x0E, filled(22, 0))));
    QCOMPARE(m_fx->link()->customKeyPosList(), (QList<QPair<int, int>>{}));
}

void tst_KeyboardLink::sleepTimes()
{
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    DDeviceKeyboardLink *link = m_fx->link();
    QSignalSpy accepted(link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful);
    DDataManager::getInstance()->setProhibitSleepStatus(0);

    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x14}, {2, 2}, {9, 0x02}, {10, 0x58}, {11, 0x07}, {12, 0x08}, {13, 1}}));
    int light = -1;
    int keyboard = -1;
    QVERIFY(CLumtarXML_GetProFileIntoSleepTimeInfo(m_fx->profilePath().constData(), "1", &light, &keyboard));
    QCOMPARE(light, 600);
    QCOMPARE(keyboard, 30);
    QCOMPARE(DDataManager::getInstance()->prohibitSleepStatus(), 1);
    QCOMPARE(accepted.count(), 0);

    // 1799 seconds: the minutes are cut, not rounded.
    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x14}, {2, 2}, {9, 0}, {10, 30}, {11, 0x07}, {12, 0x07}, {13, 0}}));
    QVERIFY(CLumtarXML_GetProFileIntoSleepTimeInfo(m_fx->profilePath().constData(), "1", &light, &keyboard));
    QCOMPARE(light, 30);
    QCOMPARE(keyboard, 29);
    QCOMPARE(DDataManager::getInstance()->prohibitSleepStatus(), 0);

    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x14}, {2, 0}}));
    QCOMPARE(accepted.count(), 1);
    // The keyboard's own round trip: set, then the acknowledgement.
    link->sendSetSleepTime(120, 600, 0);
    QTRY_COMPARE(accepted.count(), 2);
}

void tst_KeyboardLink::repliesWithoutProfileFile()
{
    // The page took the profile file back (another keyboard is opening):
    // replies still count for the keyboard, but no file is written.
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    DDeviceKeyboardLink *link = m_fx->link();
    const QByteArray profile = m_fx->profilePath();
    link->saveLightInfoToProFile(0);
    const int usingBefore = CLumtarXML_SelectProFileMouseLightTypeUsingIndex(profile.constData(), "1", 0);
    QFile file(QFile::decodeName(profile));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    link->setXmlProfilePath("");
    QSignalSpy changed(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    QSignalSpy custom(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);
    QVERIFY(m_fx->deliver(payload(0x07, {5, 2, 1, 10, 20, 30, 40, 50, 60, 1, 1, 7})));
    QVERIFY(m_fx->deliver(payload(0x09, {}, 2)));
    QVERIFY(m_fx->deliver({{0, 1}, {1, 0x14}, {2, 2}, {9, 0x02}, {10, 0x58}, {11, 0x07}, {12, 0x08}, {13, 1}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(custom.count(), 1);
    QCOMPARE(link->keyboardLightConfig().modeCode, 5);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(CLumtarXML_SelectProFileMouseLightTypeUsingIndex(profile.constData(), "1", 0), usingBefore);
}

void tst_KeyboardLink::simpleReplies()
{
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    DDeviceKeyboardLink *link = m_fx->link();
    QSignalSpy ack(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);
    QSignalSpy macro(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd);
    QSignalSpy count(link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd);
    QSignalSpy text(link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    QSignalSpy custom(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);

    QVERIFY(m_fx->deliver(payload(0x19, {})));
    QVERIFY(m_fx->deliver(payload(0x18, {})));
    QVERIFY(m_fx->deliver(payload(0x19, {})));
    QCOMPARE(ack.count(), 2);
    QCOMPARE(macro.count(), 1);
    const int countsBefore = count.count();
    QVERIFY(m_fx->deliver(payload(0x0B, {}, 0x42)));
    QVERIFY(count.count() > countsBefore);
    QCOMPARE(count.at(countsBefore).first().toInt(), 0x42);
    // Ignored: 0x06 and ids outside the table.
    const int before = count.count();
    QVERIFY(m_fx->deliver(payload(0x06, {1, 2, 3})));
    QVERIFY(m_fx->deliver(payload(0x33, {1, 2, 3})));
    QVERIFY(m_fx->deliver(payload(0xFF, {1, 2, 3})));
    QCOMPARE(count.count(), before + 3); // only the three sync markers
    QCOMPARE(text.count(), 0);
    QCOMPARE(custom.count(), 0);
}

void tst_KeyboardLink::textReply_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("fifth field") << QByteArray("a,b,c,d,FIFTH,f") << "FIFTH";
    QTest::newRow("fifth is last") << QByteArray("1,2,3,4,V2.3") << "V2.3";
    QTest::newRow("fewer commas") << QByteArray("1,2,3,4") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("58 bytes without end") << QByteArray("1,2,3,4,").append(QByteArray(50, 'x')) << QString(50, 'x');
}

void tst_KeyboardLink::textReply()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, field);
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    QSignalSpy reply(m_fx->link(), &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    QList<int> bytes;
    for (char c : text)
        bytes << static_cast<unsigned char>(c);
    QVERIFY(m_fx->deliver(payload(0x0D, bytes)));
    QCOMPARE(reply.count(), 1);
    QCOMPARE(reply.first(), (QList<QVariant>{QString::fromStdString(m_fx->path()), field}));
}

void tst_KeyboardLink::fullKeyReportRelayed()
{
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    SimController::instance().clearReceivedReports(m_fx->path());
    QList<int> keys;
    for (int i = 0; i < 13; ++i)
        keys << 0x20 + i;
    keys << 0x77 << 0x77; // past byte 18: not relayed
    QVERIFY(m_fx->deliver(payload(0x05, keys)));
    QMap<int, int> expected{{0, 1}, {1, 0x04}, {5, 21}};
    for (int i = 0; i < 13; ++i)
        expected[6 + i] = 0x20 + i;
    QTRY_VERIFY(SimReportLog::commands(m_fx->path()).contains(report(expected)));
}

void tst_KeyboardLink::magneticReplies()
{
    QVERIFY(m_fx->open("LT108HE"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    DDataManager *shared = DDataManager::getInstance();
    QSignalSpy travel(shared, &DDataManager::sigBackDynamicDisplaySensitivityNum);
    QSignalSpy clicked(shared, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy calibration(shared, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);
    QSignalSpy allKeys(shared, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack);
    QSignalSpy oneKey(m_fx->link(), &DDeviceKeyboardLink::sigQueryMagneticAxisOneKeyDataBack);

    QVERIFY(m_fx->deliver(payload(0x21, {1, 2, 5, 17})));
    QCOMPARE(travel.count(), 1);
    QCOMPARE(travel.first(), (QList<QVariant>{2, 5, 17}));

    QVERIFY(m_fx->deliver(payload(0x21, {4, 38})));
    QCOMPARE(shared->maxSensitivityNum(), 38);

    shared->queryDynamicDisplaySensitivityNum(1, 3, 4);
    QVERIFY(m_fx->deliver(payload(0x21, {5, 13, 15, 20, 3, 5})));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first(), (QList<QVariant>{13, 15, 20, 3, 5}));
    QCOMPARE(oneKey.count(), 0);

    QVERIFY(m_fx->deliver(payload(0x21, {7, 2})));
    QCOMPARE(calibration.count(), 1);
    QCOMPARE(calibration.first().first().toInt(), 2);

    QList<int> running{8, 1};
    for (int c = 0; c < 22; ++c)
        running << (c == 3 ? 0x05 : c == 21 ? 0x20 : 0);
    QVERIFY(m_fx->deliver(payload(0x21, running)));
    QCOMPARE(allKeys.count(), 1);
    QCOMPARE(allKeys.last().first().toInt(), 1);
    QCOMPARE(m_fx->link()->allKeysCalibrationMap(), (QMap<int, int>{{3, 0x05}, {21, 0x20}}));
    running[1] = 2; // failed: the map is cleared, not refilled
    QVERIFY(m_fx->deliver(payload(0x21, running)));
    QCOMPARE(allKeys.last().first().toInt(), 2);
    QCOMPARE(m_fx->link()->allKeysCalibrationMap(), (QMap<int, int>{}));

    QVERIFY(m_fx->deliver(payload(0x21, {9, 8})));
    QCOMPARE(shared->keyRateOfReturnNum(), 8);
    QVERIFY(m_fx->deliver(payload(0x21, {10, 6})));
    QCOMPARE(shared->keyAntiShakeNum(), 6);

    // Sub-commands outside the table change nothing.
    QVERIFY(m_fx->deliver(payload(0x21, {3, 9, 9, 9})));
    QVERIFY(m_fx->deliver(payload(0x21, {11, 9, 9, 9})));
    QCOMPARE(shared->keyAntiShakeNum(), 6);
    QCOMPARE(shared->maxSensitivityNum(), 38);
    QCOMPARE(travel.count(), 1);
    QCOMPARE(calibration.count(), 1);
    QCOMPARE(allKeys.count(), 2);
}

void tst_KeyboardLink::oneKeyQueryCollects()
{
    QVERIFY(m_fx->open("LT108HE"));
    QVERIFY(m_fx->waitUntilReady());
    QVERIFY(m_fx->sync());
    DDeviceKeyboardLink *link = m_fx->link();
    QSignalSpy clicked(DDataManager::getInstance(), &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy enter(DDataManager::getInstance(), &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo);
    QSignalSpy collected(link, &DDeviceKeyboardLink::sigQueryMagneticAxisOneKeyDataBack);

    link->setOneKeyQueryPending(true);
    link->setOneKeyQueryContext(41, 1, 2);
    QVERIFY(m_fx->deliver(payload(0x21, {5, 13, 15, 20, 3, 5})));
    link->setOneKeyQueryContext(42, 1, 3);
    QVERIFY(m_fx->deliver(payload(0x21, {5, 0, 12, 12, 0, 0})));
    QCOMPARE(collected.count(), 2);
    QCOMPARE(clicked.count() + enter.count(), 0);
    QCOMPARE(link->oneKeySensitivityList(),
             (QList<QVector<int>>{{41, 1, 2, 13, 15, 20, 3, 3, 5}, {42, 1, 3, 0, 12, 12, 0, 0, 0}}));

    // A new query starts with an empty list; without one, replies go to the shared state.
    link->setOneKeyQueryPending(true);
    QCOMPARE(link->oneKeySensitivityList().size(), 0);
    link->setOneKeyQueryPending(false);
    QVERIFY(m_fx->deliver(payload(0x21, {5, 1, 2, 3, 4, 5})));
    QCOMPARE(collected.count(), 2);
    QCOMPARE(clicked.count() + enter.count(), 1);
}

void tst_KeyboardLink::shortReportsIgnored_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("delivered");
    QTest::newRow("light configuration in 12 bytes")
        << payload(0x07, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}) << 12;
    QTest::newRow("custom keys in 20 bytes") << payload(0x0E, filled(22, 0x3F)) << 20;
    QTest::newRow("side mode list without its values") << payload(0x02, {1, 2, 0xA5, 5, 5}) << 9;
    QTest::newRow("keyboard mode list without marker") << payload(0x0A, {1, 2, 3, 4, 5, 6}) << 12;
    QTest::newRow("text without its end") << payload(0x0D, filled(40, 'x')) << 30;
    QTest::newRow("sleep times in 12 bytes") << payload(0x14, {0, 0, 0, 9, 9, 9, 9, 1}, 2) << 12;
    QTest::newRow("all-keys calibration in 20 bytes") << payload(0x21, QList<int>{8, 1} << filled(22, 1)) << 20;
    QTest::newRow("function key in 10 bytes") << payload(0x20, {0, 0, 0, 4, 1}) << 10;
}

void tst_KeyboardLink::shortReportsIgnored()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, delivered);
    QVERIFY(m_fx->open("LT104RGB"));
    QVERIFY(m_fx->waitUntilReady());
    QTRY_VERIFY(!m_fx->link()->customKeyPosList().isEmpty());
    QVERIFY(m_fx->sync());
    DDeviceKeyboardLink *link = m_fx->link();
    const colorInfoData kbBefore = link->keyboardLightConfig();
    const auto customBefore = link->customKeyPosList();
    const auto sideBefore = link->sideLightModeList().modeCodes;
    const auto kbListBefore = link->lightModeList().modeCodes;
    QSignalSpy text(link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    SimController::instance().clearReceivedReports(m_fx->path());

    LogCapture log;
    lumtar::sim::SimFaults faults;
    faults.shortReadBytes = delivered;
    QVERIFY(SimController::instance().setFaults(m_fx->path(), faults));
    std::array<uint8_t, 64> r{};
    std::copy(reply.begin(), reply.end(), r.begin());
    QVERIFY(SimController::instance().sendInputReport(m_fx->path(), r));
    QTRY_VERIFY_WITH_TIMEOUT(log.countContaining(QStringLiteral("ignored")) >= 1, 5000);
    QVERIFY(SimController::instance().setFaults(m_fx->path(), lumtar::sim::SimFaults()));
    QVERIFY(m_fx->sync());

    const colorInfoData kbAfter = link->keyboardLightConfig();
    QCOMPARE(std::memcmp(&kbBefore, &kbAfter, sizeof kbAfter), 0);
    QCOMPARE(link->customKeyPosList(), customBefore);
    QCOMPARE(link->sideLightModeList().modeCodes, sideBefore);
    QCOMPARE(link->lightModeList().modeCodes, kbListBefore);
    QCOMPARE(text.count(), 0);
    // Nothing was sent in answer.
    QCOMPARE(SimReportLog::commands(m_fx->path()).size(), 0);
}

void tst_KeyboardLink::unplugWhileRunning()
{
    QVERIFY(m_fx->open("LT108HE"));
    QVERIFY(m_fx->waitUntilReady());
    LogCapture log;
    // Keep the thread busy while the keyboard goes away under it.
    for (int i = 0; i < 50; ++i)
        m_fx->link()->sendCheckSleepTime();
    QVERIFY(SimController::instance().unplug(m_fx->path()));
    QTRY_VERIFY_WITH_TIMEOUT(log.countContaining(QStringLiteral("HID read failed")) == 1, 5000);
    MainHidInterFace *io = m_fx->link()->hidInterface();
    QCOMPARE(io->closeHid(), 0);
    QVERIFY(!io->isRunning());
    log.clear();
    m_fx->link()->sendReset();
    QCOMPARE(log.count(QStringLiteral("---------- *** [Reset] Failed *** ----------")), 1);
    m_fx->closeLink();
}

QTEST_GUILESS_MAIN(tst_KeyboardLink)
#include "tst_keyboardlink.moc"
