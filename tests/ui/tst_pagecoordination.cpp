// The device page's coordination on the real main window, against the
// simulated keyboard: sleep times (the rule, the confirmation waited for on
// a timer, one request at a time), the gamepad question, the Windows-key
// lock, a profile switch asked for by the keyboard, the refresh of a
// macro's copy, the light-mode relays and custom-light schemes rewritten
// after the keyboard reported the scheme in use.
#include <QtTest>

#include <QComboBox>

#include <list>
#include <string>

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
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/DLightsConfigPage.h"

using lumtar::sim::SimController;

namespace {

int reportsOf(const std::string &path, int command, int sub)
{
    int count = 0;
    for (const QByteArray &r : SimReportLog::commands(path))
        if (uchar(r[1]) == command && uchar(r[2]) == sub)
            ++count;
    return count;
}

QByteArray fileBytes(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

KeyOrMouseEventStu keyEvent(const char *mark, const char *code, const char *explain)
{
    KeyOrMouseEventStu e{};
    lumtarCopyField(e.mark, mark);
    lumtarCopyField(e.delay, "10");
    lumtarCopyField(e.type, "key");
    lumtarCopyField(e.keyCode, code);
    lumtarCopyField(e.codeName, "K");
    lumtarCopyField(e.operateExplain, explain);
    return e;
}

QStringList copyCodes(const QByteArray &path, const char *macro)
{
    std::list<KeyOrMouseEventStu> events;
    CLumtarXML_ProFileMacroWithKeyInfoSelectAll(path.constData(), "1", macro, "", &events);
    QStringList codes;
    for (const KeyOrMouseEventStu &e : events)
        codes << QString::fromLatin1(e.keyCode);
    return codes;
}

colorInfoData keyboardRecord(int mode, int r = 0, int g = 0, int b = 0)
{
    colorInfoData data = lumtarDefaultColorInfo(LUMTAR_LIGHT_KIND_KEYBOARD);
    data.modeCode = mode;
    data.red1 = r;
    data.green1 = g;
    data.blue1 = b;
    return data;
}

} // namespace

class tst_PageCoordination : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void sleepTimes_data();
    void sleepTimes();
    void secondSleepRequestIsRefused();
    void nothingWithoutAShownKeyboard();
    void gamePadQuestion();
    void windowsKeyLock();
    void keyboardSwitchesProfile();
    void macroCopyRefresh();
    void lightRelays_data();
    void lightRelays();
    void schemeRewrittenAfterTheKeyboardReport();

private:
    DDevicePage *startWindow(const char *model)
    {
        m_page = m_window.start(model);
        m_path = m_window.path();
        return m_page;
    }
    QByteArray profilePath() const { return DevicePageProbe(m_page).xmlProfilePath(); }

    SimMainWindow m_window;
    DDevicePage *m_page = nullptr;
    std::string m_path;
};

void tst_PageCoordination::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
}

void tst_PageCoordination::cleanup()
{
    m_window.close();
    m_page = nullptr;
}

void tst_PageCoordination::sleepTimes_data()
{
    QTest::addColumn<int>("light");
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<int>("replyDelayMs");
    QTest::addColumn<QString>("told");
    QTest::addColumn<int>("storedMinutes"); // -1: nothing stored
    QTest::newRow("300 s / 300 s") << 300 << 300 << 0 << "Sleep time has been set" << 5;
    QTest::newRow("60000 s") << 600 << 60000 << 0 << "Sleep time has been set" << 1000;
    QTest::newRow("359 s") << 60 << 359 << 0 << "Sleep time has been set" << 5;
    QTest::newRow("299 s") << 60 << 299 << 0 << "Keyboard enters sleep time is too short" << -1;
    QTest::newRow("light longer")
        << 600 << 300 << 0 << "The time when the light enters sleep cannot be longer than the keyboard enters sleep"
        << -1;
    QTest::newRow("confirmation too late") << 300 << 300 << 4000 << "Sleep time set failed" << -1;
}

void tst_PageCoordination::sleepTimes()
{
    QFETCH(int, light);
    QFETCH(int, keyboard);
    QFETCH(int, replyDelayMs);
    QFETCH(QString, told);
    QFETCH(int, storedMinutes);
    startWindow("LT108HE");
    const QByteArray path = profilePath();
    QVERIFY(CLumtarXML_SetProFileIntoSleepTimeInfo(path.constData(), "1", 120, 30));
    lumtar::sim::SimFaults faults;
    faults.replyDelayMs = replyDelayMs;
    QVERIFY(SimController::instance().setFaults(m_path, faults));
    SimController::instance().clearReceivedReports(m_path);

    m_page->onEveryPageBackTip(QStringLiteral("-"));
    m_page->onLightAndKeyboardSleepTime(light, keyboard, 1);
    QTRY_COMPARE_WITH_TIMEOUT(ModalAnswer::notice(m_page), told, 10000);
    int storedLight = 0, minutes = 0;
    QVERIFY(CLumtarXML_GetProFileIntoSleepTimeInfo(path.constData(), "1", &storedLight, &minutes));
    if (storedMinutes < 0) {
        QCOMPARE(storedLight, 120);
        QCOMPARE(minutes, 30);
    } else {
        QCOMPARE(storedLight, light);
        QCOMPARE(minutes, storedMinutes);
        QCOMPARE(SimController::instance().state(m_path).keyboardSleepSeconds, keyboard);
    }
    const bool sent = told == QLatin1String("Sleep time has been set") || replyDelayMs > 0;
    QCOMPARE(reportsOf(m_path, 0x13, 1), sent ? 1 : 0);
}

void tst_PageCoordination::secondSleepRequestIsRefused()
{
    startWindow("LT108HE");
    lumtar::sim::SimFaults faults;
    faults.replyDelayMs = 600;
    QVERIFY(SimController::instance().setFaults(m_path, faults));
    SimController::instance().clearReceivedReports(m_path);
    m_page->onLightAndKeyboardSleepTime(300, 600, 0);
    m_page->onLightAndKeyboardSleepTime(300, 900, 0);
    QCOMPARE(ModalAnswer::notice(m_page), QStringLiteral("The keyboard is busy, please try again"));
    QTRY_COMPARE_WITH_TIMEOUT(ModalAnswer::notice(m_page), QStringLiteral("Sleep time has been set"), 10000);
    QCOMPARE(reportsOf(m_path, 0x13, 1), 1);
    int light = 0, minutes = 0;
    QVERIFY(CLumtarXML_GetProFileIntoSleepTimeInfo(profilePath().constData(), "1", &light, &minutes));
    QCOMPARE(minutes, 10);
}

void tst_PageCoordination::nothingWithoutAShownKeyboard()
{
    DDevicePage page;
    page.onEveryPageBackTip(QStringLiteral("-"));
    page.onLightAndKeyboardSleepTime(300, 300, 0);
    page.onSetCurrentGamePadModeIndex(1);
    page.onLockWinKeyAbout(1, 1, 1, 1);
    page.onProfileCreate();
    QCOMPARE(ModalAnswer::wait(300), nullptr);
    QCOMPARE(ModalAnswer::notice(&page), QStringLiteral("Device not connected"));
}

void tst_PageCoordination::gamePadQuestion()
{
    startWindow("LT108HE");
    DevicePageProbe probe(m_page);
    QVERIFY(probe.profileFolder().endsWith(QLatin1String("/GamePadDisable")));
    SimController::instance().clearReceivedReports(m_path);

    m_page->onSetCurrentGamePadModeIndex(1);
    QVERIFY(ModalAnswer::clickButton(QStringLiteral("No")));
    QTest::qWait(200);
    QCOMPARE(reportsOf(m_path, 0x13, 3), 0);
    QCOMPARE(SimController::instance().paths().size(), size_t(1));

    m_page->onSetCurrentGamePadModeIndex(1);
    QVERIFY(ModalAnswer::clickButton(QStringLiteral("Yes")));
    // The keyboard restarts as another device and comes back through hot-plug.
    QTRY_VERIFY_WITH_TIMEOUT(probe.isKeyboardShown() && probe.isIdle()
                                 && probe.profileFolder().endsWith(QLatin1String("/GamePadXbox360")),
                             SimMainWindow::SettleMs);
    QCOMPARE(SimController::instance().state(SimController::instance().paths().front()).gamepadMode, 1);
}

void tst_PageCoordination::windowsKeyLock()
{
    startWindow("LT104RGB");
    m_page->onLockWinKeyAbout(1, 2, 3, 4);
    QTRY_COMPARE(SimController::instance().state(m_path).lockFlags, (std::array<int, 4>{1, 2, 4, 3}));
}

void tst_PageCoordination::keyboardSwitchesProfile()
{
    startWindow("LT104RGB");
    DevicePageProbe probe(m_page);
    const QByteArray path = profilePath();
    for (const char *index : {"2", "3"})
        QVERIFY(CLumtarXML_CreateProFileXmlParentNode(path.constData(), index,
                                                      (QByteArray("Profile") + index).constData(), 0));
    // Q switches to profile 3; there B switches to profile 9, which the file lacks.
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", "20", "Q", "7", "0", "0", "3"));
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "3", "5", "B", "7", "0", "0", "9"));
    m_page->loadProfileKeyAndLightInfo();

    QVERIFY(SimController::instance().sendFunctionKey(m_path, 0, 20, true));
    QTRY_COMPARE(probe.currentProfileIndex(), 3);
    QCOMPARE(probe.profileBox()->currentText(), QStringLiteral("Profile3"));
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), 3);

    QVERIFY(SimController::instance().sendFunctionKey(m_path, 0, 5, true));
    QTest::qWait(300);
    QCOMPARE(probe.currentProfileIndex(), 3);
    QCOMPARE(probe.profileBox()->currentText(), QStringLiteral("Profile3"));
    QCOMPARE(CLumtarXML_GetCreateXMLFileProfileIndex(path.constData()), 3);
}

void tst_PageCoordination::macroCopyRefresh()
{
    startWindow("LT104RGB");
    const QByteArray path = profilePath();
    char macroPath[DDataManager::PathBufferSize] = {};
    DDataManager::getInstance()->copyMacroXmlPath(macroPath);
    QVERIFY(CLumtarXML_CreateMacroXmlParentNode(macroPath, "3", "Macro3"));
    QVERIFY(CLumtarXML_AddKeyOrMouseEventItem(macroPath, {keyEvent("0", "6", "down"), keyEvent("0", "6", "up")}, "3"));
    // Keys A and B play macro 3, whose copy in the profile is older.
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", "4", "A", "1", "1", "1", "3"));
    QVERIFY(CLumtarXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", "5", "B", "1", "1", "1", "3"));
    QVERIFY(CLumtarXML_AddProFileBindMacroItem(path.constData(), "1", {keyEvent("0", "4", "down")}, "3", "Macro3"));

    // A macro no key uses changes nothing.
    const QByteArray before = fileBytes(path);
    emit m_page->sigMacroListHaveChangedSendToDevice(QStringLiteral("5"), QStringLiteral("Macro5"));
    QCOMPARE(fileBytes(path), before);

    emit m_page->sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("Macro3"));
    QCOMPARE(copyCodes(path, "3"), QStringList({"6", "6"}));

    // A macro that cannot be read keeps the copy the keys play.
    QVERIFY(CLumtarXML_DeleteMacroNode(macroPath, "3"));
    emit m_page->sigMacroListHaveChangedSendToDevice(QStringLiteral("3"), QStringLiteral("Macro3"));
    QCOMPARE(copyCodes(path, "3"), QStringList({"6", "6"}));
}

void tst_PageCoordination::lightRelays_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("selectionKept");
    QTest::addColumn<bool>("dragEnabled");
    QTest::newRow("Custom to Wave") << 10 << 2 << false << false;
    QTest::newRow("Custom to Custom") << 10 << 10 << true << true;
    QTest::newRow("Wave to Custom") << 2 << 10 << true << true;
    QTest::newRow("Wave to Reactive") << 2 << 6 << true << false;
}

void tst_PageCoordination::lightRelays()
{
    QFETCH(int, previous);
    QFETCH(int, chosen);
    QFETCH(bool, selectionKept);
    QFETCH(bool, dragEnabled);
    startWindow("LT104RGB");
    auto *view = m_page->findChild<hidDeviceJoinFrame *>();
    auto *drag = m_page->findChild<dragShowArea *>();
    QVERIFY(view && drag);
    m_page->onSelectCurrentLightTypeIndex_KB(previous, keyboardRecord(previous));
    view->selectKeysInRect(0, 0, 100000, 100000);
    QVERIFY(!view->selectedKeys().isEmpty());
    m_page->onSelectCurrentLightTypeIndex_KB(chosen, keyboardRecord(chosen));
    QCOMPARE(!view->selectedKeys().isEmpty(), selectionKept);
    QCOMPARE(drag->isDragEnabled(), dragEnabled);
}

void tst_PageCoordination::schemeRewrittenAfterTheKeyboardReport()
{
    startWindow("LT108HE");
    const QByteArray path = profilePath();
    auto *lights = m_page->findChild<DLightsConfigPage *>();
    QVERIFY(lights);

    // No scheme reported in use yet: nothing is written.
    const QByteArray before = fileBytes(path);
    emit lights->sigLightConfigHaveChanged_Custom(0, keyboardRecord(10, 1, 2, 3));
    QCOMPARE(fileBytes(path), before);

    // The keyboard reports custom slot 1: the scheme "WASD+Arrows".
    std::array<uint8_t, 64> report{};
    report[0] = 0x01;
    report[1] = 0x09;
    report[2] = 1;
    QVERIFY(SimController::instance().sendInputReport(m_path, report));
    QTRY_COMPARE(lights->currentCustomLightIndex(), 1);

    // The scheme shown on the keys: its eight red keys, every other key black.
    emit lights->sigCustomLightItemHaveChanged(1, QStringLiteral("1"), QStringLiteral("WASD+Arrows"));
    const QMap<int, keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonMap();
    QCOMPARE(keys.value(4)->customLightColor(), QColor(255, 0, 0));
    QCOMPARE(keys.value(20)->customLightColor(), QColor(0, 0, 0));

    // Esc painted green while the engine shows it darkened; W made black.
    keys.value(41)->setCustomLightColor(QColor(0, 255, 0));
    keys.value(41)->setLightColor(QColor(0, 64, 0));
    keys.value(26)->setCustomLightColor(QColor(0, 0, 0));
    emit lights->sigLightConfigHaveChanged_Custom(0, keyboardRecord(10, 0, 255, 0));
    std::list<CustomLightItemStu> items;
    QVERIFY(CLumtarXML_ProFileCustomLightInfoSelectAll(path.constData(), "1", "1", &items));
    QMap<int, QColor> stored;
    for (const CustomLightItemStu &item : items)
        stored.insert(QByteArray(item.keyCode).toInt(), QColor(item.colorR, item.colorG, item.colorB));
    QCOMPARE(stored.size(), 8);
    QVERIFY(!stored.contains(26));
    QCOMPARE(stored.value(41), QColor(0, 255, 0));
    for (int code : {4, 22, 7, 82, 80, 81, 79})
        QCOMPARE(stored.value(code), QColor(255, 0, 0));
    // The other schemes stay as they were.
    items.clear();
    QVERIFY(CLumtarXML_ProFileCustomLightInfoSelectAll(path.constData(), "1", "0", &items));
    QCOMPARE(int(items.size()), 34);

    // Keys selected in the view take the colour applied.
    auto *view = m_page->findChild<hidDeviceJoinFrame *>();
    view->selectKeysInRect(0, 0, 100000, 100000);
    const int selected = view->selectedKeys().size();
    emit lights->sigLightConfigHaveChanged_Custom(0, keyboardRecord(10, 9, 8, 7));
    items.clear();
    QVERIFY(CLumtarXML_ProFileCustomLightInfoSelectAll(path.constData(), "1", "1", &items));
    QCOMPARE(int(items.size()), selected);
    for (const CustomLightItemStu &item : items)
        QCOMPARE(QColor(item.colorR, item.colorG, item.colorB), QColor(9, 8, 7));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_PageCoordination test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagecoordination.moc"
