// The input hook against a real X server (a private Xvfb): keys and buttons
// faked with XTest reach the hook's signal and the shared state's relays with
// Windows codes, moves are not reported, and the keyboard is grabbed exactly
// while keys are withheld.
#include <QSignalSpy>
#include <QtTest>

#include "core/DDataManager.h"
#include "core/WindowsHookInterface.h"
#include "platform/LowLevelMouseRecord.h"
#include "support/XTestInput.h"
#include "support/XvfbServer.h"

#include <memory>

#include <X11/Xlib.h>

namespace {

constexpr int kWait = 15000; // ms; generous for sanitised builds

// X key codes (evdev numbering).
constexpr int kKeyA = 38;
constexpr int kKeyB = 56;
constexpr int kLeftAlt = 64;

using Report = QList<QVariant>;

} // namespace

class tst_X11Hook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void keysReachSignal_data();
    void keysReachSignal();
    void altHeld();
    void macroModeRelaysKeysAndButtons();
    void grabOnlyWhileWithholding_data();
    void grabOnlyWhileWithholding();
    void refusedGrabLeavesNothing();
    void destructorReleasesGrab();
    void grabGoesWithItsStarter();
    void noDisplay_data();
    void noDisplay();

private:

    XvfbServer m_xvfb;
    XTestInput m_x;
};

void tst_X11Hook::initTestCase()
{
    if (!XvfbServer::available())
        QSKIP("Xvfb is not installed");
    QString error;
    QVERIFY2(m_xvfb.start(&error), qPrintable(error));
    QVERIFY(m_x.open());
}

void tst_X11Hook::cleanupTestCase()
{
    m_x.close();
    m_xvfb.stop();
}

void tst_X11Hook::cleanup()
{
    // Nothing may stay grabbed from one case to the next.
    if (m_x.display())
        QVERIFY(m_x.othersCanGrab());
}

void tst_X11Hook::keysReachSignal_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("xKeyCode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("extended");

    QTest::newRow("A, capture") << 2 << kKeyA << 65 << 0x1E << 0;
    QTest::newRow("F1, combination") << 3 << 67 << 112 << 0x3B << 0;
    QTest::newRow("right Ctrl, capture") << 2 << 105 << 163 << 0x1D << 1;
    QTest::newRow("keypad Enter, light") << 5 << 104 << 13 << 0x1C << 1;
    QTest::newRow("Enter, light") << 5 << 36 << 13 << 0x1C << 0;
    QTest::newRow("Home, capture") << 2 << 110 << 36 << 0x47 << 1;
    QTest::newRow("keypad 7, capture") << 2 << 79 << 103 << 0x47 << 0;
    QTest::newRow("left Windows, light") << 5 << 133 << 91 << 0x5B << 1;
    QTest::newRow("Yen, capture") << 2 << 132 << 981 << 0x7D << 0;
}

void tst_X11Hook::keysReachSignal()
{
    QFETCH(int, mode);
    QFETCH(int, xKeyCode);
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(int, extended);

    WindowsHookInterface hook;
    QSignalSpy spy(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QCOMPARE(hook.startHook(mode), 1);
    m_x.key(xKeyCode, true);
    m_x.key(xKeyCode, false);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, kWait);
    QCOMPARE(spy.at(0), (Report{vk, scan, 1, extended}));
    QCOMPARE(spy.at(1), (Report{vk, scan, 0, extended | 0x80}));
    QCOMPARE(hook.stopHook(), 1);
}

void tst_X11Hook::altHeld()
{
    WindowsHookInterface hook;
    QSignalSpy spy(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QCOMPARE(hook.startHook(5), 1);
    m_x.key(kLeftAlt, true);
    m_x.key(kKeyA, true);
    m_x.key(kKeyA, false);
    m_x.key(kLeftAlt, false);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 4, kWait);
    QCOMPARE(spy.at(0), (Report{164, 0x38, 1, 0x20}));
    QCOMPARE(spy.at(1), (Report{65, 0x1E, 1, 0x20}));
    QCOMPARE(spy.at(2), (Report{65, 0x1E, 0, 0xA0}));
    QCOMPARE(spy.at(3), (Report{164, 0x38, 0, 0x80}));
    hook.stopHook();
}

void tst_X11Hook::macroModeRelaysKeysAndButtons()
{
    WindowsHookInterface hook;
    QSignalSpy own(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy keys(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    QList<QList<int>> mouse; // message, x, y, signed wheel delta
    auto connection = connect(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroMouse, this,
                              [&mouse](int nCode, WPARAM wParam, LPARAM lParam) {
                                  const auto *record = reinterpret_cast<const LowLevelMouseRecord *>(lParam);
                                  QCOMPARE(nCode, 0);
                                  mouse.append({int(wParam), record->x, record->y,
                                                int(int16_t(record->mouseData >> 16))});
                              });
    m_x.moveTo(QPoint(100, 200));
    QCOMPARE(hook.startHook(1), 1);

    m_x.button(1, true);
    m_x.moveTo(QPoint(110, 210)); // moves are not reported
    m_x.button(1, false);
    m_x.button(3, true);
    m_x.button(3, false);
    m_x.button(2, true);
    m_x.button(2, false);
    m_x.button(4, true);
    m_x.button(4, false);
    m_x.button(5, true);
    m_x.button(5, false);
    m_x.key(kKeyB, true);
    m_x.key(kKeyB, false);

    const QList<QList<int>> expected{{513, 100, 200, 0},   {514, 110, 210, 0},  {516, 110, 210, 0},
                                     {517, 110, 210, 0},   {519, 110, 210, 0},  {520, 110, 210, 0},
                                     {0x20A, 110, 210, 120}, {0x20A, 110, 210, -120}};
    QTRY_COMPARE_WITH_TIMEOUT(keys.count(), 2, kWait);
    QTRY_COMPARE_WITH_TIMEOUT(mouse.size(), expected.size(), kWait);
    QCOMPARE(mouse, expected);
    QCOMPARE(keys.at(0), (Report{66, 0x30, 1, 0}));
    QCOMPARE(keys.at(1), (Report{66, 0x30, 0, 0x80}));
    QCOMPARE(own.count(), 0);
    QVERIFY(!m_x.othersCanGrab());

    hook.stopHook();
    disconnect(connection);
    // Stopped: nothing more arrives (a key pressed now, then a new hook that
    // must see only its own key).
    m_x.button(1, true);
    m_x.button(1, false);
    m_x.key(kKeyA, true);
    m_x.key(kKeyA, false);
    QCOMPARE(hook.startHook(5), 1);
    QSignalSpy later(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    m_x.key(kKeyB, true);
    QTRY_COMPARE_WITH_TIMEOUT(later.count(), 1, kWait);
    QCOMPARE(later.at(0).at(0).toInt(), 66);
    m_x.key(kKeyB, false);
    QCOMPARE(keys.count(), 2);
    hook.stopHook();
}

void tst_X11Hook::grabOnlyWhileWithholding_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("grabbed");
    QTest::newRow("macro recording") << 1 << true;
    QTest::newRow("remap capture") << 2 << true;
    QTest::newRow("combination capture") << 3 << true;
    QTest::newRow("light interaction") << 5 << false;
}

void tst_X11Hook::grabOnlyWhileWithholding()
{
    QFETCH(int, mode);
    QFETCH(bool, grabbed);
    WindowsHookInterface hook;
    QVERIFY(m_x.othersCanGrab());
    QCOMPARE(hook.startHook(mode), 1);
    QCOMPARE(m_x.othersCanGrab(), !grabbed);
    QCOMPARE(hook.stopHook(), 1);
    QVERIFY(m_x.othersCanGrab());
}

void tst_X11Hook::refusedGrabLeavesNothing()
{
    WindowsHookInterface hook;
    QSignalSpy spy(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    Display *x = m_x.display();
    QCOMPARE(XGrabKeyboard(x, DefaultRootWindow(x), False, GrabModeAsync, GrabModeAsync, CurrentTime), GrabSuccess);
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=101");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Input hook: cannot grab the keyboard"));
    QCOMPARE(hook.startHook(2), 0);
    XUngrabKeyboard(x, CurrentTime);
    XSync(x, False);

    // The failed start left no observation behind: only keys of the next
    // start are reported, and nothing holds the keyboard.
    m_x.key(kKeyA, true);
    m_x.key(kKeyA, false);
    QVERIFY(m_x.othersCanGrab());
    QCOMPARE(hook.startHook(5), 1);
    m_x.key(kKeyB, true);
    m_x.key(kKeyB, false);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, kWait);
    QCOMPARE(spy.at(0).at(0).toInt(), 66);
    hook.stopHook();
}

void tst_X11Hook::destructorReleasesGrab()
{
    auto hook = std::make_unique<WindowsHookInterface>();
    QCOMPARE(hook->startHook(3), 1);
    QVERIFY(!m_x.othersCanGrab());
    hook.reset();
    QVERIFY(m_x.othersCanGrab());
}

void tst_X11Hook::grabGoesWithItsStarter()
{
    // The page that started key capture goes while another hook object
    // lives (and receives the events): the keyboard must be free again.
    auto starter = std::make_unique<WindowsHookInterface>();
    WindowsHookInterface other;
    QCOMPARE(starter->startHook(2), 1);
    QVERIFY(!m_x.othersCanGrab());
    starter.reset();
    QVERIFY(m_x.othersCanGrab());
}

void tst_X11Hook::noDisplay_data()
{
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no display") << QByteArray() << "no X display";
    QTest::newRow("Wayland without X") << QByteArray("wayland-0") << "Wayland session without an X server";
}

void tst_X11Hook::noDisplay()
{
    QFETCH(QByteArray, wayland);
    QFETCH(QString, reason);
    const QByteArray display = qgetenv("DISPLAY");
    const bool hadWayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    const QByteArray previousWayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("DISPLAY");
    if (wayland.isEmpty())
        qunsetenv("WAYLAND_DISPLAY");
    else
        qputenv("WAYLAND_DISPLAY", wayland);
    WindowsHookInterface hook;
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=1");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Input hook: " + reason));
    const int started = hook.startHook(2);
    qputenv("DISPLAY", display);
    if (hadWayland)
        qputenv("WAYLAND_DISPLAY", previousWayland);
    else
        qunsetenv("WAYLAND_DISPLAY");
    QCOMPARE(started, 0);
    QCOMPARE(hook.stopHook(), 1);
    // Nothing else is affected: the next start on the display works.
    QCOMPARE(hook.startHook(2), 1);
    QVERIFY(!m_x.othersCanGrab());
    hook.stopHook();
}

QTEST_MAIN(tst_X11Hook)
#include "tst_x11hook.moc"
