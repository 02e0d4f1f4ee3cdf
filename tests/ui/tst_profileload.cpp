// Loading the current profile of the shown keyboard into the device page:
// the profile box, the marks of keys that carry a function (and of keys with
// a heavy-press function on magnetic keyboards), a current index that names
// no profile, and a profile switch asked for by the keyboard's own key.
#include <QtTest>

#include <QComboBox>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/TempHome.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/CbNotice.h"

#include <memory>

using lumtar::sim::SimController;

namespace {

const int kSettleMs = 40000;
// Key codes (HID usages) of A, B, C, D and Q.
const int kA = 4, kB = 5, kC = 6, kD = 7, kQ = 20;

void addKey(const QByteArray &file, const char *profile, int code, const char *type = "5",
            const char *value = "0")
{
    const QByteArray codeText = QByteArray::number(code);
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(file.constData(), profile, codeText.constData(), "key", type,
                                                      "0", "0", value));
}

QList<int> markedKeys()
{
    QList<int> codes;
    const QMap<int, keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonMap();
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        if (it.value() && it.value()->isMarked())
            codes << it.key();
    return codes;
}

} // namespace

class tst_ProfileLoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void marksFollowTheCurrentProfile();
    void currentIndexNamingNoProfile();
    void keyboardSwitchesTheProfile();
    void busyPageIgnoresSwitchAndRefusesDownload();
    void switchToAMissingProfileChangesNothing();
    void downloadOfAProfileThatIsNotThereFails();

private:
    DDevicePage *startWindow(const char *model);
    std::unique_ptr<DMainWidget> m_window;
    std::string m_path;
};

void tst_ProfileLoad::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_ProfileLoad::cleanup()
{
    m_window.reset();
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

DDevicePage *tst_ProfileLoad::startWindow(const char *model)
{
    m_path = SimController::instance().plug(model);
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    if (!DevicePageProbe(page).waitUntilIdle(kSettleMs))
        qWarning("the first enumeration did not end");
    return page;
}

void tst_ProfileLoad::marksFollowTheCurrentProfile()
{
    DDevicePage *page = startWindow("LT108HE");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    QVERIFY(markedKeys().isEmpty());
    const QByteArray defaults = probe.xmlProfilePath();
    const QByteArray heavy = QFile::encodeName(probe.profileFolder() + "/appProfile_Magnetic.xml");

    addKey(defaults, "1", kA);
    addKey(defaults, "1", kB);
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(defaults.constData(), "2", "Games", 0));
    addKey(defaults, "2", kC);
    addKey(heavy, "1", kD);
    addKey(defaults, "1", 9999); // a code without a key button

    page->loadProfileKeyAndLightInfo();
    QCOMPARE(markedKeys(), QList<int>({kA, kB, kD}));
    const QColor heavyMark = DDataManager::getInstance()->customizedKeyMarkColor();
    // The heavy-press mark has the customised-key colour, the others the theme's.
    const QColor dFill = DDataManager::getInstance()->keyButtonMap().value(kD)->outlinePlan().first().fill;
    const QColor aFill = DDataManager::getInstance()->keyButtonMap().value(kA)->outlinePlan().first().fill;
    QCOMPARE(dFill.rgb() & 0xffffff, heavyMark.rgb() & 0xffffff);
    QVERIFY((aFill.rgb() & 0xffffff) != (heavyMark.rgb() & 0xffffff));
    QCOMPARE(probe.profileBox()->count(), 2);
    QCOMPARE(probe.profileBox()->currentText(), QString("Profile1"));
    QCOMPARE(DDataManager::getInstance()->currentProfileIndex(), 1);

    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(defaults.constData(), 2));
    page->loadProfileKeyAndLightInfo();
    QCOMPARE(markedKeys(), QList<int>({kC, kD}));
    QCOMPARE(probe.currentProfileIndex(), 2);
    QCOMPARE(probe.profileBox()->currentText(), QString("Games"));
    QCOMPARE(probe.profileBox()->currentData().toInt(), 2);
    QCOMPARE(DDataManager::getInstance()->currentProfileIndex(), 2);
    char shared[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copyXmlProfilePath(shared);
    QCOMPARE(QByteArray(shared), defaults);
}

void tst_ProfileLoad::currentIndexNamingNoProfile()
{
    DDevicePage *page = startWindow("LT104RGB");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QByteArray defaults = probe.xmlProfilePath();
    addKey(defaults, "1", kA);
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(defaults.constData(), 7));

    page->loadProfileKeyAndLightInfo();
    QCOMPARE(probe.currentProfileIndex(), 7);
    QVERIFY(markedKeys().isEmpty());
    QCOMPARE(probe.profileBox()->count(), 1);
    // The box names no profile rather than one that is not current, and
    // the listed one can be picked.
    QCOMPARE(probe.profileBox()->currentIndex(), -1);
    QCOMPARE(probe.profileBox()->currentText(), QString());
    probe.profileBox()->setCurrentIndex(0); // as the user picks it
    QCOMPARE(probe.currentProfileIndex(), 1);
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(defaults.constData()), 1);
    QCOMPARE(markedKeys(), QList<int>({kA}));
}

void tst_ProfileLoad::keyboardSwitchesTheProfile()
{
    DDevicePage *page = startWindow("LT104RGB");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QByteArray defaults = probe.xmlProfilePath();
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(defaults.constData(), "2", "Work", 0));
    addKey(defaults, "1", kQ, "7", "2"); // Q switches to profile 2
    addKey(defaults, "2", kB);
    page->loadProfileKeyAndLightInfo();
    QCOMPARE(markedKeys(), QList<int>({kQ}));

    QVERIFY(SimController::instance().sendFunctionKey(m_path, 0, kQ, true));
    QTRY_COMPARE(probe.currentProfileIndex(), 2);
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(defaults.constData()), 2);
    QCOMPARE(markedKeys(), QList<int>({kB}));
    QCOMPARE(probe.profileBox()->currentText(), QString("Work"));
}

void tst_ProfileLoad::busyPageIgnoresSwitchAndRefusesDownload()
{
    // An open that takes its time: every reply of the magnetic keyboard
    // comes late, so reading the travel values of its keys lasts long.
    m_path = SimController::instance().plug("LT108HE");
    lumtar::sim::SimFaults slow;
    slow.replyDelayMs = 300;
    QVERIFY(SimController::instance().setFaults(m_path, slow));
    m_window.reset(new DMainWidget);
    DDevicePage *page = m_window->devicePage();
    DevicePageProbe probe(page);
    // The profile files are made before the travel values are read.
    QTRY_VERIFY_WITH_TIMEOUT(!probe.xmlProfilePath().isEmpty(), kSettleMs);
    QVERIFY(page->isDeviceWorkRunning());
    const QByteArray defaults = probe.xmlProfilePath();
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(defaults.constData(), "2", "Work", 0));
    addKey(defaults, "1", kQ, "7", "2"); // Q switches to profile 2

    QVERIFY(SimController::instance().sendFunctionKey(m_path, 0, kQ, true));
    QTest::qWait(300); // the key report has long been dispatched
    QVERIFY(page->isDeviceWorkRunning());
    QCOMPARE(probe.currentProfileIndex(), 1);
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(defaults.constData()), 1);

    auto *customKeys = page->findChild<DCustomKeysPage *>();
    QVERIFY(customKeys);
    emit customKeys->sigTheKeyboardIntoDownloading();
    QStringList told; // the window is not shown here: read the toast's text
    for (const CbNotice *notice : page->findChildren<CbNotice *>())
        told << notice->text();
    QVERIFY2(told.contains(QStringLiteral("The keyboard is busy, please try again")), qPrintable(told.join('|')));
    QVERIFY(!page->isDownloadRunning());
    QTest::qWait(100);
    QVERIFY(SimController::instance().onboardKeys(m_path, 0).empty());
}

void tst_ProfileLoad::switchToAMissingProfileChangesNothing()
{
    DDevicePage *page = startWindow("LT104RGB");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    const QByteArray defaults = probe.xmlProfilePath();
    addKey(defaults, "1", kA, "0", "5"); // A types B
    addKey(defaults, "1", kQ, "7", "9"); // Q switches to profile 9, which is not there
    page->loadProfileKeyAndLightInfo();

    QVERIFY(SimController::instance().sendFunctionKey(m_path, 0, kQ, true));
    QTest::qWait(300); // the key report has long been dispatched
    QCOMPARE(probe.currentProfileIndex(), 1);
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(defaults.constData()), 1);
    QCOMPARE(probe.profileBox()->currentText(), QString("Profile1"));
    QCOMPARE(markedKeys(), QList<int>({kA, kQ}));

    // The download sends profile 1 as it is, and says so.
    auto *customKeys = page->findChild<DCustomKeysPage *>();
    QVERIFY(customKeys);
    emit customKeys->sigTheKeyboardIntoDownloading();
    QTRY_VERIFY_WITH_TIMEOUT(!page->isDownloadRunning(), kSettleMs);
    QStringList told;
    for (const CbNotice *notice : page->findChildren<CbNotice *>())
        told << notice->text();
    QVERIFY2(told.contains(QStringLiteral("Download config successful")), qPrintable(told.join('|')));
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    int position = -1;
    for (int i = 0; i < keys.size(); ++i)
        if (keys.at(i) && keys.at(i)->keyCode() == kA)
            position = i;
    QVERIFY(position >= 0);
    QTRY_VERIFY(SimController::instance().onboardKeys(m_path, 0).size() >= size_t(4 * (position + 1)));
    const std::vector<uint8_t> onboard = SimController::instance().onboardKeys(m_path, 0);
    const QByteArray record(reinterpret_cast<const char *>(onboard.data()) + 4 * position, 4);
    QCOMPARE(record.toHex(), QByteArray("00050000"));
}

void tst_ProfileLoad::downloadOfAProfileThatIsNotThereFails()
{
    // A hand-edited file whose current profile is not listed: nothing is
    // sent, and the user is told it failed.
    DDevicePage *page = startWindow("LT104RGB");
    DevicePageProbe probe(page);
    QVERIFY(probe.isKeyboardShown());
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(probe.xmlProfilePath().constData(), 7));
    SimController::instance().clearReceivedReports(m_path);
    auto *customKeys = page->findChild<DCustomKeysPage *>();
    emit customKeys->sigTheKeyboardIntoDownloading();
    QTRY_VERIFY_WITH_TIMEOUT(!page->isDownloadRunning(), kSettleMs);
    QStringList told;
    for (const CbNotice *notice : page->findChildren<CbNotice *>())
        told << notice->text();
    QVERIFY2(told.contains(QStringLiteral("Download config failed, Please try again")), qPrintable(told.join('|')));
    for (const auto &report : SimController::instance().receivedReports(m_path))
        QVERIFY(report[1] != 0x17 && report[1] != 0x18 && report[1] != 0x2A);
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_ProfileLoad test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profileload.moc"
