// Resetting and restoring the current profile on the device page of the
// real main window, against the simulated keyboard: the question, the
// keyboard's default travel read back onto the key caps (magnetic-switch
// keyboards only), the profile made anew with its defaults, the keyboard's
// reset command; refusals while the keyboard is busy, and failures told as
// failures with nothing sent.
#include <QtTest>

#include <QComboBox>
#include <QPushButton>

#include <list>
#include <string>
#include <sys/stat.h>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/ModalAnswer.h"
#include "support/SimMainWindow.h"
#include "support/SimReportLog.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"

using lumtar::sim::SimController;

namespace {

// Travel mode 13 with press 31, release 32 and rapid 4 / 5 for every key.
void setTravelOnKeyboard(const std::string &path)
{
    const int handle = CLumtarHid_OpenPath(path.c_str());
    QVERIFY(handle > 0);
    unsigned char report[64] = {0x01, 0x29, 0x00, 0x00, 0x00, 0x18, 13};
    for (int column = 0; column < 22; ++column)
        report[7 + column] = 0x3F;
    report[29] = 31;
    report[30] = 32;
    report[31] = 4;
    report[32] = 5;
    QCOMPARE(CLumtarHid_HidWriteBuff(handle, report, path.c_str()), 64);
    CLumtarHid_Close(handle);
}

QStringList travelShown(keyboardButCustom *key)
{
    key->setTravelShow(true);
    QStringList shown;
    for (const auto &line : key->travelPlan())
        shown << line.text;
    key->setTravelShow(false);
    return shown;
}

int reportsOf(const std::string &path, int command, int sub = -1, int byte6 = -1)
{
    int count = 0;
    for (const QByteArray &r : SimReportLog::commands(path))
        if (uchar(r[1]) == command && (sub < 0 || uchar(r[2]) == sub) && (byte6 < 0 || uchar(r[6]) == byte6))
            ++count;
    return count;
}

} // namespace

class tst_ProfileReset : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void resetOnMagneticKeyboard();
    void resetAnsweredNo();
    void resetWithoutTravel();
    void refusedWhileTheKeyboardIsBusy();
    void restoreOfAProfileTheFileLacks();
    void restoreThatCannotBeWritten();

private:
    DDevicePage *startWindow(const char *model)
    {
        m_page = m_window.start(model);
        m_path = m_window.path();
        return m_page;
    }
    QPushButton *resetButton() const { return m_page->findChild<QPushButton *>("pushButton_Reset"); }
    // A profile with something of its own: a key function, a renamed scheme.
    void personalise(const QByteArray &path);
    void checkDefaultsOnly(const QByteArray &path, const QString &name);

    SimMainWindow m_window;
    DDevicePage *m_page = nullptr;
    std::string m_path;
};

void tst_ProfileReset::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
}

void tst_ProfileReset::cleanup()
{
    m_window.close();
    m_page = nullptr;
}

void tst_ProfileReset::personalise(const QByteArray &path)
{
    QVERIFY(CLumtarXML_ModifyProfileNodeInfo(path.constData(), "1", "Mine"));
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", "4", "A", "5", "0", "0", "0"));
    QVERIFY(CLumtarXML_ModifyProFileCustomLightNodeName(path.constData(), "1", "0", "Letters"));
    QVERIFY(CLumtarXML_SetProFileIntoSleepTimeInfo(path.constData(), "1", 600, 45));
    m_page->loadProfileKeyAndLightInfo();
}

void tst_ProfileReset::checkDefaultsOnly(const QByteArray &path, const QString &name)
{
    LumtarIndexNameList profiles;
    QVERIFY(CLumtarXML_SelectProFileAllNodes(path.constData(), &profiles));
    QCOMPARE(int(profiles.size()), 1);
    QCOMPARE(QString::fromStdString(profiles.front().first), QStringLiteral("1"));
    QCOMPARE(QString::fromUtf8(profiles.front().second.c_str()), name);
    std::list<std::string> codes;
    CLumtarXML_ProFileKeyInfoSelectAll(path.constData(), "1", &codes);
    QVERIFY(codes.empty());
    // The sleep times are the keyboard's, which it reports after its reset.
    const lumtar::sim::SimKeyboardState state = SimController::instance().state(m_path);
    int light = 0, minutes = 0;
    QTRY_VERIFY(CLumtarXML_GetProFileIntoSleepTimeInfo(path.constData(), "1", &light, &minutes));
    QCOMPARE(light, state.lightSleepSeconds);
    QCOMPARE(minutes, state.keyboardSleepSeconds / 60);
    std::list<CustomLightNodeStu> nodes;
    QVERIFY(CLumtarXML_SelectProFileCustomLightAllNodes(path.constData(), "1", &nodes));
    QCOMPARE(int(nodes.size()), 5);
    QCOMPARE(QString::fromUtf8(nodes.front().name), QStringLiteral("Alphabets"));
    for (int kind = 0; kind < 3; ++kind)
        QVERIFY(CLumtarXML_IsProFileAlreadyHaveLightInfo(path.constData(), "1", kind, 2));
}

void tst_ProfileReset::resetOnMagneticKeyboard()
{
    m_path = SimController::instance().plug("LT108HE");
    setTravelOnKeyboard(m_path);
    m_page = m_window.startOver(m_path);
    DevicePageProbe probe(m_page);
    QVERIFY(probe.waitUntilIdle(SimMainWindow::SettleMs));
    QVERIFY(probe.isKeyboardShown());
    const QByteArray path = probe.xmlProfilePath();
    keyboardButCustom *a = DDataManager::getInstance()->keyButtonMap().value(4);
    QVERIFY(a);
    QCOMPARE(travelShown(a), QStringList({"0.4", "0.5", "3.1"}));
    personalise(path);

    resetButton()->click();
    QVERIFY(ModalAnswer::clickButton(QStringLiteral("Yes")));
    // The profile controls wait for the reset to end.
    QVERIFY(m_page->isProfileResetRunning());
    QVERIFY(!resetButton()->isEnabled());
    QVERIFY(!probe.profileBox()->isEnabled());
    QVERIFY(m_page->isDeviceWorkRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isProfileResetRunning(), 20000);
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Operate successful"));
    QVERIFY(resetButton()->isEnabled());
    QVERIFY(probe.profileBox()->isEnabled());

    // The reset command is the last report: the I/O thread may still carry it.
    QTRY_COMPARE(SimController::instance().state(m_path).resetCount, 1);
    const lumtar::sim::SimKeyboardState state = SimController::instance().state(m_path);
    QVERIFY(state.travel.empty()); // its default travel again
    QCOMPARE(reportsOf(m_path, 0x29, -1, 6), 1);
    // Every key cap shows the default travel the keyboard reported back.
    int keys = 0;
    for (keyboardButCustom *key : DDataManager::getInstance()->keyButtonList()) {
        if (!key || key->keyCode() == 0)
            continue;
        ++keys;
        QCOMPARE(travelShown(key), QStringList({"2.0"}));
    }
    QVERIFY(keys > 100);
    checkDefaultsOnly(path, QStringLiteral("Mine"));
    QCOMPARE(probe.profileBox()->currentText(), QStringLiteral("Mine"));
}

void tst_ProfileReset::resetAnsweredNo()
{
    startWindow("LT108HE");
    const QByteArray path = DevicePageProbe(m_page).xmlProfilePath();
    personalise(path);
    SimController::instance().clearReceivedReports(m_path);
    resetButton()->click();
    QVERIFY(ModalAnswer::clickButton(QStringLiteral("No")));
    QTest::qWait(800); // longer than a reset's pauses
    QVERIFY(!m_page->isProfileResetRunning());
    QCOMPARE(SimController::instance().state(m_path).resetCount, 0);
    QCOMPARE(reportsOf(m_path, 0x29), 0);
    std::list<std::string> codes;
    CLumtarXML_ProFileKeyInfoSelectAll(path.constData(), "1", &codes);
    QCOMPARE(int(codes.size()), 1);
}

void tst_ProfileReset::resetWithoutTravel()
{
    startWindow("LT104RGB");
    const QByteArray path = DevicePageProbe(m_page).xmlProfilePath();
    personalise(path);
    SimController::instance().clearReceivedReports(m_path);
    QElapsedTimer clock;
    clock.start();
    resetButton()->click();
    QVERIFY(ModalAnswer::clickButton(QStringLiteral("Yes")));
    QTRY_VERIFY_WITH_TIMEOUT(!m_page->isProfileResetRunning(), 20000);
    // Both pauses, but no travel read-back on a keyboard without magnetic switches.
    QVERIFY(clock.elapsed() >= 2 * 250);
    QCOMPARE(reportsOf(m_path, 0x29), 0);
    QTRY_COMPARE(SimController::instance().state(m_path).resetCount, 1);
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Operate successful"));
    checkDefaultsOnly(path, QStringLiteral("Mine"));
}

void tst_ProfileReset::refusedWhileTheKeyboardIsBusy()
{
    // An open that takes its time: every reply comes late, so reading the
    // travel values of the keys lasts long.
    m_path = SimController::instance().plug("LT108HE");
    lumtar::sim::SimFaults slow;
    slow.replyDelayMs = 300;
    QVERIFY(SimController::instance().setFaults(m_path, slow));
    m_page = m_window.startOver(m_path);
    DevicePageProbe probe(m_page);
    QTRY_VERIFY_WITH_TIMEOUT(!probe.xmlProfilePath().isEmpty() && probe.currentLink(), SimMainWindow::SettleMs);
    QVERIFY(m_page->isDeviceWorkRunning());
    const QByteArray path = probe.xmlProfilePath();
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", "4", "A", "5", "0", "0", "0"));

    m_page->onResetoreCurrentProfile();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("The keyboard is busy, please try again"));
    resetButton()->click();
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(SimController::instance().state(m_path).resetCount, 0);
    std::list<std::string> codes;
    CLumtarXML_ProFileKeyInfoSelectAll(path.constData(), "1", &codes);
    QCOMPARE(int(codes.size()), 1);
}

void tst_ProfileReset::restoreOfAProfileTheFileLacks()
{
    startWindow("LT104RGB");
    DevicePageProbe probe(m_page);
    const QByteArray path = probe.xmlProfilePath();
    QVERIFY(CLumtarXML_CreateProFileXmlParentNode(path.constData(), "2", "Two", 0));
    QVERIFY(CLumtarXML_ModifyXMLFileProfileIndex(path.constData(), 7));
    m_page->loadProfileKeyAndLightInfo();
    QCOMPARE(probe.currentProfileIndex(), 7);

    m_page->onResetoreCurrentProfile();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Operate failed"));
    QTest::qWait(100);
    QCOMPARE(SimController::instance().state(m_path).resetCount, 0);
    // No profile 7 was made up; the page is on one the file has.
    LumtarIndexNameList profiles;
    QVERIFY(CLumtarXML_SelectProFileAllNodes(path.constData(), &profiles));
    QCOMPARE(int(profiles.size()), 2);
    QCOMPARE(probe.currentProfileIndex(), 1);
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), 1);
}

void tst_ProfileReset::restoreThatCannotBeWritten()
{
    startWindow("LT104RGB");
    DevicePageProbe probe(m_page);
    const QByteArray path = probe.xmlProfilePath();
    personalise(path);
    QFile file(QFile::decodeName(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    // No write bit: the store refuses the file.
    QVERIFY(::chmod(path.constData(), 0444) == 0);

    m_page->onResetoreCurrentProfile();
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("Operate failed"));
    QTest::qWait(100);
    QCOMPARE(SimController::instance().state(m_path).resetCount, 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();
    QCOMPARE(probe.currentProfileIndex(), 1);
    QVERIFY(::chmod(path.constData(), 0644) == 0);
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_ProfileReset test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_profilereset.moc"
