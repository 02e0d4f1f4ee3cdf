// Opening a keyboard through the real main window and device page against
// simulated keyboards: the profile folders and files of the first open and
// of a later one, the gamepad-mode folder, the serial number as a folder
// name, the travel values of every key (also when the keyboard answers
// late), that only the shown keyboard acts on the page, and a picture of
// the opened keyboard.
#include <QtTest>

#include <QComboBox>
#include <QDirIterator>
#include <QLabel>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/DeviceSerialNumber.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/TempHome.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/ProfileFolder.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/BatteryItem.h"

#include <array>
#include <memory>

using lumtar::sim::SimController;

namespace {

const int kSettleMs = 40000;

QString qpath(const std::string &path)
{
    return QString::fromStdString(path);
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size());
    files.sort();
    return files;
}

QStringList profilesOf(const QString &file)
{
    LumtarIndexNameList profiles;
    CLumtarXML_SelectProFileAllNodes(QFile::encodeName(file).constData(), &profiles);
    QStringList texts;
    for (const auto &p : profiles)
        texts << QString::fromStdString(p.first + ":" + p.second);
    return texts;
}

// Travel of the n-th key as the test stores it: mode 13, a press travel and
// a rapid-trigger press travel that together name the key.
std::array<int, 3> travelOf(int n)
{
    return {1 + n % 40, 1 + n / 40, 7};
}

} // namespace

class tst_OpenSequence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void firstOpenCreatesProfilesLaterOpenCreatesNothing();
    void gamePadModeFromPath_data();
    void gamePadModeFromPath();
    void gamePadFolderFollowsThePath();
    void keyboardWithoutGamePadMode();
    void unusableSerialNeverNamesAFolder();
    void travelRepliesStayWithTheirKey_data();
    void travelRepliesStayWithTheirKey();
    void onlyTheShownKeyboardActsOnThePage();
    void openWithoutProfileUsesNoOtherKeyboardsFiles();
    void batteryGaugeOnlyForAKeyboardThatReportsOne();
    void pictureOfTheOpenedKeyboard();

private:
    DDevicePage *startWindow();
    std::unique_ptr<DMainWidget> m_window;
};

void tst_OpenSequence::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_OpenSequence::cleanup()
{
    m_window.reset();
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

DDevicePage *tst_OpenSequence::startWindow()
{
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    if (!DevicePageProbe(page).waitUntilIdle(kSettleMs))
        qWarning("the first enumeration did not end");
    return page;
}

void tst_OpenSequence::firstOpenCreatesProfilesLaterOpenCreatesNothing()
{
    const std::string path = SimController::instance().plug("LT108HE");
    const QString serial = QString::fromStdString(SimController::instance().state(path).serialNumber);
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());

    const QString userConfig = DDataManager::getInstance()->userConfigDir();
    const QString folder = userConfig + "/LT108HE/" + serial + "/GamePadDisable";
    QCOMPARE(probe.profileFolder(), folder);
    QCOMPARE(filesBelow(userConfig + "/LT108HE"),
             QStringList({"/" + serial + "/GamePadDisable/appProfile_Default.xml",
                          "/" + serial + "/GamePadDisable/appProfile_FN.xml",
                          "/" + serial + "/GamePadDisable/appProfile_Magnetic.xml"}));
    for (const char *name : {"/appProfile_Default.xml", "/appProfile_FN.xml", "/appProfile_Magnetic.xml"}) {
        const QByteArray file = QFile::encodeName(folder + name);
        QCOMPARE(profilesOf(folder + name), QStringList({"1:Profile1"}));
        QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(file.constData()), 1);
        // The two layer files start with the default light records and schemes.
        const bool layerFile = !file.endsWith("Magnetic.xml");
        QCOMPARE(CLumtarXML_IsProFileAlreadyHaveLightInfo(file.constData(), "1", 2, 2), layerFile);
        std::list<CustomLightNodeStu> nodes;
        CLumtarXML_SelectProFileCustomLightAllNodes(file.constData(), "1", &nodes);
        QCOMPARE(int(nodes.size()), layerFile ? 5 : 0);
    }
    QCOMPARE(probe.xmlProfilePath(), QFile::encodeName(folder + "/appProfile_Default.xml"));
    char heavy[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copyMagneticXmlPath(heavy);
    QCOMPARE(QByteArray(heavy), QFile::encodeName(folder + "/appProfile_Magnetic.xml"));
    QCOMPARE(probe.profileBox()->currentText(), QString("Profile1"));

    // A second profile made current; the next open creates nothing and
    // shows it.
    const QByteArray defaults = QFile::encodeName(folder + "/appProfile_Default.xml");
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(defaults.constData(), "2", "Second", 0));
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(defaults.constData(), 2));
    const QStringList before = filesBelow(userConfig);
    m_window.reset();
    QTest::qWait(50);
    page = startWindow();
    DevicePageProbe again(page);
    QVERIFY(again.isKeyboardShown());
    QCOMPARE(filesBelow(userConfig), before);
    QCOMPARE(profilesOf(folder + "/appProfile_Default.xml"), QStringList({"1:Profile1", "2:Second"}));
    QCOMPARE(profilesOf(folder + "/appProfile_FN.xml"), QStringList({"1:Profile1"}));
    QCOMPARE(again.currentProfileIndex(), 2);
    QCOMPARE(again.profileBox()->count(), 2);
    QCOMPARE(again.profileBox()->currentText(), QString("Second"));
    QCOMPARE(again.profileBox()->currentData().toInt(), 2);
}

void tst_OpenSequence::gamePadModeFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("mode");
    QTest::newRow("off") << "hid#vid_1209&pid_7472&mi_01#sim/1" << 0;
    QTest::newRow("xbox360") << "hid#vid_1209&pid_7473&mi_01#sim/1" << 1;
    QTest::newRow("classical") << "hid#vid_1209&pid_7474&mi_01#sim/1" << 2;
    QTest::newRow("none") << "hid#vid_1209&pid_7476&mi_01#sim/1" << -1;
    // Only the product id counts, not digits elsewhere in the path.
    QTest::newRow("product id, not the system path") << "hid#vid_1209&pid_7474&mi_01#sim/7473" << 2;
    QTest::newRow("a vendor id that reads like one") << "hid#vid_7473&pid_7476&mi_01#sim/1" << -1;
    QTest::newRow("upper-case ids") << "HID#VID_1209&PID_7473&MI_01#/dev/hidraw3" << 1;
    QTest::newRow("not a path text") << "7473" << -1;
}

void tst_OpenSequence::gamePadModeFromPath()
{
    QFETCH(QString, path);
    QFETCH(int, mode);
    QCOMPARE(ProfileFolder::gamePadModeFromPath(path), mode);
}

void tst_OpenSequence::gamePadFolderFollowsThePath()
{
    auto &sim = SimController::instance();
    const std::string path = sim.plug("LT108HE");
    const QString serial = QString::fromStdString(sim.state(path).serialNumber);
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QVERIFY(probe.profileFolder().endsWith(serial + "/GamePadDisable"));
    QVERIFY(page->findChild<QWidget *>("frame_10")->isHidden());

    // The keyboard restarts as an Xbox360 gamepad under another path.
    QVERIFY(probe.currentLink()->sendSetGamePadMode(1) >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(probe.isKeyboardShown() && probe.profileFolder().endsWith("/GamePadXbox360"), kSettleMs);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.profileFolder(),
             DDataManager::getInstance()->userConfigDir() + "/LT108HE/" + serial + "/GamePadXbox360");
    QVERIFY(QFileInfo(probe.profileFolder() + "/appProfile_Default.xml").isFile());
    QCOMPARE(DDataManager::getInstance()->gamePadMode(), 1);
    QCOMPARE(page->findChild<QLabel *>("label_GamePadMode")->text(), QString("GamePad Xbox360"));
    QVERIFY(!page->findChild<QWidget *>("frame_10")->isHidden());
}

void tst_OpenSequence::keyboardWithoutGamePadMode()
{
    const std::string path = SimController::instance().plug("LT104RGB");
    const QString serial = QString::fromStdString(SimController::instance().state(path).serialNumber);
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QString folder = DDataManager::getInstance()->userConfigDir() + "/LT104RGB/" + serial;
    QCOMPARE(probe.profileFolder(), folder);
    // Not a magnetic keyboard: the two layer files only.
    QCOMPARE(filesBelow(folder), QStringList({"/appProfile_Default.xml", "/appProfile_FN.xml"}));
    QCOMPARE(DDataManager::getInstance()->gamePadMode(), -1);
    QVERIFY(page->findChild<QWidget *>("frame_10")->isHidden());
    QVERIFY(page->findChild<QWidget *>("toolButton_TriggerSetting")->isHidden());
}

void tst_OpenSequence::unusableSerialNeverNamesAFolder()
{
    QVERIFY(!DeviceSerialNumber::isUsable(QString()));
    QVERIFY(!DeviceSerialNumber::isUsable("../../etc"));
    QVERIFY(!DeviceSerialNumber::isUsable("AB CD"));
    QVERIFY(DeviceSerialNumber::isUsable("0123456789abcdefABCDEF0123456789"));

    // A keyboard reporting a cut serial number gets a new one, and the new
    // one names the folder.
    auto &sim = SimController::instance();
    const std::string path = sim.plug("LT104RGB");
    lumtar::sim::SimFaults faults;
    faults.serialLength = 5;
    QVERIFY(sim.setFaults(path, faults));
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QString serial = probe.currentSerialNumber();
    QCOMPARE(serial.size(), 32);
    QVERIFY(DeviceSerialNumber::isUsable(serial));
    QCOMPARE(probe.profileFolder(), DDataManager::getInstance()->userConfigDir() + "/LT104RGB/" + serial);
}

void tst_OpenSequence::travelRepliesStayWithTheirKey_data()
{
    QTest::addColumn<int>("replyDelayMs");
    QTest::newRow("prompt replies") << 0;
    QTest::newRow("every reply later than the wait") << 300;
}

void tst_OpenSequence::travelRepliesStayWithTheirKey()
{
    QFETCH(int, replyDelayMs);
    auto &sim = SimController::instance();
    const std::string path = sim.plug("LT68HE");

    // Give every matrix position travel values of its own.
    const int handle = CLumtarHid_OpenPath(path.c_str());
    QVERIFY(handle > 0);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column) {
            unsigned char report[64] = {0x01, 0x29, 0x00, 0x00, 0x00, 0x18, 13};
            report[7 + column] = static_cast<unsigned char>(1u << row);
            const std::array<int, 3> t = travelOf(row * 22 + column);
            report[29] = static_cast<unsigned char>(t[0]);
            report[30] = static_cast<unsigned char>(t[0]);
            report[31] = static_cast<unsigned char>(t[1]);
            report[32] = static_cast<unsigned char>(t[2]);
            QCOMPARE(CLumtarHid_HidWriteBuff(handle, report, path.c_str()), 64);
        }
    }
    CLumtarHid_Close(handle);
    lumtar::sim::SimFaults faults;
    faults.replyDelayMs = replyDelayMs;
    QVERIFY(sim.setFaults(path, faults));

    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    int checked = 0;
    int matching = 0;
    for (keyboardButCustom *key : DDataManager::getInstance()->keyButtonList()) {
        if (!key || key->keyCode() == 0)
            continue;
        ++checked;
        key->setTravelShow(true);
        const QVector<keyboardButCustom::TravelLine> lines = key->travelPlan();
        const std::array<int, 3> t = travelOf(key->gridRow() * 22 + key->gridColumn());
        const QStringList expected = {keyboardButCustom::travelText(t[1]), keyboardButCustom::travelText(t[2]),
                                      keyboardButCustom::travelText(t[0])};
        QStringList shown;
        for (const auto &line : lines)
            shown << line.text;
        if (shown == expected)
            ++matching;
        else if (replyDelayMs == 0)
            QCOMPARE(shown, expected);
        key->setTravelShow(false);
    }
    QVERIFY(checked > 60);
    // Late replies keep their own key: none is shown on its neighbour.
    QCOMPARE(matching, checked);
}

void tst_OpenSequence::onlyTheShownKeyboardActsOnThePage()
{
    auto &sim = SimController::instance();
    const std::string shown = sim.plug("LT108HE");
    const std::string other = sim.plug("LT104RGB");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QCOMPARE(probe.currentLink(), probe.links().value(qpath(shown)));
    auto *battery = page->findChild<BatteryItem *>("label_ElectricityNum");
    QVERIFY(battery);
    QTRY_VERIFY(probe.links().value(qpath(other))->isDeviceInfoReady());
    const int level = battery->batteryLevel();

    // The other keyboard's battery report and sleep acknowledgement.
    probe.clearSleepAcknowledged();
    QVERIFY(sim.setBattery(other, 17, 0));
    std::array<uint8_t, 64> ack{};
    ack[0] = 0x01;
    ack[1] = 0x14;
    QVERIFY(sim.sendInputReport(other, ack));
    QTest::qWait(300);
    QCOMPARE(battery->batteryLevel(), level);
    QVERIFY(!probe.sleepAcknowledged());

    // The same from the shown keyboard.
    QVERIFY(sim.setBattery(shown, 42, 0));
    QTRY_COMPARE(battery->batteryLevel(), 42);
    QVERIFY(sim.sendInputReport(shown, ack));
    QTRY_VERIFY(probe.sleepAcknowledged());
}

void tst_OpenSequence::openWithoutProfileUsesNoOtherKeyboardsFiles()
{
    auto &sim = SimController::instance();
    const std::string first = sim.plug("LT104RGB");
    const std::string second = sim.plug("LT68HE");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QCOMPARE(probe.currentLink(), probe.links().value(qpath(first)));
    const QByteArray firstFile = probe.xmlProfilePath();
    QVERIFY(!firstFile.isEmpty());
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(firstFile.constData(), "2", "Second", 0));

    // The second device is opened as something that is not a keyboard: it
    // gets no profile files, and keeps none of the first one's.
    hidStructInfoAll record = probe.infoMap().value(qpath(second));
    lumtarCopyField(record.deviceKind, "mouse");
    page->onHidItemMouseClicked(record);
    QVERIFY(probe.waitUntilIdle(kSettleMs));
    QCOMPARE(probe.currentLink(), probe.links().value(qpath(second)));
    QCOMPARE(probe.profileFolder(), QString());
    QCOMPARE(probe.xmlProfilePath(), QByteArray());
    char shared[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copyXmlProfilePath(shared);
    QCOMPARE(QByteArray(shared), QByteArray());

    // A profile switch and a download of the device shown now leave the
    // first keyboard's files alone.
    emit probe.currentLink()->sigCustomEventChangProfile(2);
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(firstFile.constData()), 1);
    sim.clearReceivedReports(second);
    emit page->findChild<DCustomKeysPage *>()->sigTheKeyboardIntoDownloading();
    QTRY_VERIFY_WITH_TIMEOUT(!page->isDownloadRunning(), kSettleMs);
    QTest::qWait(100);
    for (const auto &report : sim.receivedReports(second))
        QVERIFY(report[1] != 0x17);
}

void tst_OpenSequence::batteryGaugeOnlyForAKeyboardThatReportsOne()
{
    // A keyboard by cable that runs on no battery reports none.
    auto &sim = SimController::instance();
    const std::string path = sim.plug("LT104RGB");
    DDevicePage *page = startWindow();
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    QWidget *gauge = page->findChild<QWidget *>("frame_Battery");
    QVERIFY(gauge->isHidden());
    QVERIFY(sim.setBattery(path, 80, 0));
    QTest::qWait(300); // the status report has long been dispatched
    QVERIFY(gauge->isHidden());

    // Charging tells of a battery.
    QVERIFY(sim.setBattery(path, 55, 1));
    QTRY_VERIFY(!gauge->isHidden());
}

void tst_OpenSequence::pictureOfTheOpenedKeyboard()
{
    SimController::instance().plug("LT108HE");
    DDevicePage *page = startWindow();
    QVERIFY(DevicePageProbe(page).isKeyboardShown());
    m_window->resize(1517, 960);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::qWait(200);
    const QString dir = qEnvironmentVariable("LUMTAR_BIN_DIR", QDir::tempPath()) + "/screenshots";
    QVERIFY(QDir().mkpath(dir));
    const QImage picture = m_window->grab().toImage();
    QVERIFY(!picture.isNull());
    QVERIFY(picture.save(dir + "/opened_LT108HE.png"));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_OpenSequence test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_opensequence.moc"
