// Key capture and light interaction on a real X display (a private Xvfb),
// the main window over a simulated keyboard: while the Remap or Key
// Combination pop-up is open the keyboard is grabbed on the hook's own
// connection, the focus changes the grab causes do not close the pop-up,
// keys faked with XTest become the target, and the grab is gone once the
// pop-up closes or the window goes. In light interaction each press calls
// the light engine once and reaches the device page, also when the keyboard
// itself reported a reactive light mode. The macro editor's request
// succeeds here and fails without a display.
#include <QtTest>

#include <QLineEdit>

#include <array>

#include "core/DDataManager.h"
#include "sdk/include/LumtarRecords.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/lightfx/LightEngine.h"
#include "sdk/sim/SimController.h"
#include "support/KeyAssignmentWindow.h"
#include "support/TempHome.h"
#include "support/XTestInput.h"
#include "support/XvfbServer.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/CustomKeysPageTable.h"
#include "ui/mainwidget/devicePage/customKeys/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CustomButton.h"

using Table = CustomKeysPageTable;
using lumtar::lightfx::LightEngine;
using lumtar::sim::SimController;

namespace {

bool g_haveDisplay = false;
constexpr int kWait = 20000;
const int kA = 4;

// X key codes (evdev numbering).
constexpr int kXA = 38, kXC = 54, kXF5 = 71, kXCtrl = 37;
// The key beside left Shift on ISO boards: known to the soft keyboard, not
// on an LT108HE.
constexpr int kXIso = 94;

// The keyboard's report of its light's settings (0x07) in a mode.
std::array<uint8_t, 64> lightReport(int mode)
{
    std::array<uint8_t, 64> report{};
    report[0] = 0x01;
    report[1] = 0x07;
    report[6] = uint8_t(mode);
    report[7] = 3;   // brightness
    report[8] = 2;   // speed
    report[9] = 255; // red
    return report;
}

QByteArray storedValue(int keyCode)
{
    DDataManager *data = DDataManager::getInstance();
    char path[DDataManager::PathBufferSize] = {};
    data->copyXmlProfilePath(path);
    KeyOperateInfoStu item{};
    std::strcpy(item.keyCode, "-1");
    const QByteArray profile = QByteArray::number(data->currentProfileIndex());
    const QByteArray code = QByteArray::number(keyCode);
    CLumtarXML_SelectProFileKeyOperateInfo(path, profile.constData(), code.constData(), &item);
    return QByteArray(item.type) + ":" + QByteArray(item.value);
}

} // namespace

class tst_KeyCaptureXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void remapCaptureUnderTheGrab();
    void combinationCapture();
    void lightInteraction();
    void lightInteractionFromTheKeyboardsMode();
    void macroRecordRequest();

private:
    DTargetKeyPage *openPopup(KeyAssignmentWindow &window, int pageId);

    XTestInput m_x;
};

void tst_KeyCaptureXvfb::initTestCase()
{
    if (!g_haveDisplay)
        QSKIP("no private X server");
    QVERIFY(SimMainWindow::initialise());
    QVERIFY(m_x.open());
}

void tst_KeyCaptureXvfb::cleanupTestCase()
{
    m_x.close();
}

DTargetKeyPage *tst_KeyCaptureXvfb::openPopup(KeyAssignmentWindow &window, int pageId)
{
    KeyAssignmentWindow::viewKey(kA)->click();
    window.host()->functionButton(pageId)->click();
    auto *page = qobject_cast<DTargetKeyPage *>(window.host()->shownFunctionPage());
    if (!page)
        return nullptr;
    // The click reaches an active window, as the window manager makes it.
    QWidget *top = page->window();
    top->activateWindow();
    if (!QTest::qWaitForWindowActive(top))
        return nullptr;
    QTest::mouseClick(page->findChild<QLineEdit *>(), Qt::LeftButton);
    return page;
}

void tst_KeyCaptureXvfb::remapCaptureUnderTheGrab()
{
    KeyAssignmentWindow window;
    QVERIFY(window.start("LT108HE"));
    DTargetKeyPage *page = openPopup(window, Table::RemapKeyPage);
    QVERIFY(page);
    QTRY_VERIFY_WITH_TIMEOUT(page->popup()->isVisible(), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!m_x.othersCanGrab(), kWait);
    QCOMPARE(window.host()->runningHookMode(), 2);

    // F5 on the computer's keyboard becomes the target; the focus changes
    // of the grab have been delivered by then and the pop-up stays.
    m_x.tap(kXF5);
    QTRY_COMPARE_WITH_TIMEOUT(storedValue(kA), QByteArray("0:62"), kWait);
    QCOMPARE(static_cast<DChangeKeyPage *>(page)->fieldText(), QStringLiteral("F5"));
    page->closePopup();
    QTRY_VERIFY_WITH_TIMEOUT(m_x.othersCanGrab(), kWait);
    window.stop();
}

void tst_KeyCaptureXvfb::combinationCapture()
{
    KeyAssignmentWindow window;
    QVERIFY(window.start("LT108HE"));
    DTargetKeyPage *page = openPopup(window, Table::CombinationKeyPage);
    QVERIFY(page);
    QTRY_VERIFY_WITH_TIMEOUT(!m_x.othersCanGrab(), kWait);
    m_x.key(kXCtrl, true);
    m_x.tap(kXC);
    m_x.key(kXCtrl, false);
    QTRY_COMPARE_WITH_TIMEOUT(storedValue(kA), QByteArray("2:1,6"), kWait);
    QCOMPARE(static_cast<DKeyCombinationPage *>(page)->fieldText(), QStringLiteral("L_CTRL+C"));
    QVERIFY(page->isPopupOpen());
    page->closePopup();
    QTRY_VERIFY_WITH_TIMEOUT(m_x.othersCanGrab(), kWait);
    window.stop();
}

void tst_KeyCaptureXvfb::lightInteraction()
{
    KeyAssignmentWindow window;
    QVERIFY(window.start("LT108HE"));
    DCustomKeysPage *host = window.host();
    QSignalSpy points(host, &DCustomKeysPage::sigInteractLightsPointXY);
    host->setLightInteractionHook(true);
    QCOMPARE(host->runningHookMode(), 5);
    QVERIFY(m_x.othersCanGrab()); // nothing withheld

    const keyboardButCustom *keyA = KeyAssignmentWindow::viewKey(kA);
    for (int press = 1; press <= 3; ++press) {
        m_x.tap(kXA);
        QTRY_COMPARE_WITH_TIMEOUT(points.count(), press, kWait);
        QCOMPARE(points.last(), (QList<QVariant>{keyA->gridRow(), keyA->gridColumn()}));
    }

    // The Remap pop-up takes the hook, and gives it back when it closes.
    DTargetKeyPage *page = openPopup(window, Table::RemapKeyPage);
    QTRY_COMPARE_WITH_TIMEOUT(host->runningHookMode(), 2, kWait);
    page->closePopup();
    QCOMPARE(host->runningHookMode(), 5);
    m_x.tap(kXA);
    QTRY_COMPARE_WITH_TIMEOUT(points.count(), 4, kWait);
    host->setLightInteractionHook(false);
    window.stop();
}

void tst_KeyCaptureXvfb::lightInteractionFromTheKeyboardsMode()
{
    KeyAssignmentWindow window;
    QVERIFY(window.start("LT108HE"));
    DCustomKeysPage *host = window.host();
    // The test reads the engine's waiting presses itself; the page's own
    // light steps would take them.
    window.page()->stopLightEngine();
    LightEngine::instance().takePresses();
    QSignalSpy points(host, &DCustomKeysPage::sigInteractLightsPointXY);

    QVERIFY(SimController::instance().sendInputReport(window.path(), lightReport(LightMode_Reactive)));
    QTRY_COMPARE_WITH_TIMEOUT(host->runningHookMode(), 5, kWait);
    QVERIFY(m_x.othersCanGrab());

    const keyboardButCustom *keyA = KeyAssignmentWindow::viewKey(kA);
    for (int press = 1; press <= 2; ++press) {
        m_x.tap(kXA);
        QTRY_COMPARE_WITH_TIMEOUT(points.count(), press, kWait);
        const lumtar::lightfx::PressQueue::Batch queued = LightEngine::instance().takePresses();
        QCOMPARE(queued.count, 1);
        QCOMPARE(queued.presses[0].row, keyA->gridRow());
        QCOMPARE(queued.presses[0].column, keyA->gridColumn());
    }
    // A key the keyboard lacks queues nothing; the A after it shows that it
    // has been handled.
    m_x.tap(kXIso);
    m_x.tap(kXA);
    QTRY_COMPARE_WITH_TIMEOUT(points.count(), 3, kWait);
    QCOMPARE(LightEngine::instance().takePresses().count, 1);

    // The keyboard changes to a mode that does not react to keys.
    QVERIFY(SimController::instance().sendInputReport(window.path(), lightReport(LightMode_Static)));
    QTRY_COMPARE_WITH_TIMEOUT(host->runningHookMode(), 999, kWait);
    window.stop();
}

void tst_KeyCaptureXvfb::macroRecordRequest()
{
    KeyAssignmentWindow window;
    QVERIFY(window.start("LT108HE"));
    DDataManager *data = DDataManager::getInstance();
    QVERIFY(data->emitHookRuningStrtusCtrlMacroRecord(true));
    QVERIFY(!m_x.othersCanGrab());
    QVERIFY(data->emitHookRuningStrtusCtrlMacroRecord(false));
    QVERIFY(m_x.othersCanGrab());

    // Without a display the hook cannot start; the pop-up still opens and
    // its keyboard still works.
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    QVERIFY(!data->emitHookRuningStrtusCtrlMacroRecord(true));
    DTargetKeyPage *page = openPopup(window, Table::RemapKeyPage);
    QTRY_VERIFY_WITH_TIMEOUT(page->popup()->isVisible(), kWait);
    QCOMPARE(window.host()->runningHookMode(), 999);
    page->onSoftKeyboardClicked_VirtualKB(41);
    QCOMPARE(storedValue(kA), QByteArray("0:41"));
    page->closePopup();
    qputenv("DISPLAY", display);
    window.stop();
}

int main(int argc, char **argv)
{
    TempHome home;
    XvfbServer xvfb(QSize(1600, 900));
    g_haveDisplay = xvfb.startForApplication();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_KeyCaptureXvfb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keycapture_xvfb.moc"
