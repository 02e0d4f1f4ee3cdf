// The decision core of the global input hook and the hook object's handling
// of modes, relays, installation failures and its own lifetime, driven
// through a stand-in for the operating system's hook.
#include <QSignalSpy>
#include <QtTest>

#include "core/DDataManager.h"
#include "core/WindowsHookInterface.h"
#include "core/hook/HeldKeyTable.h"
#include "core/hook/HookEventPolicy.h"
#include "platform/InputHookBackend.h"
#include "support/ScriptedHookBackend.h"

#include <memory>

namespace {

constexpr int kUp = LowLevelKeyRecord::ReleaseFlag;
constexpr int kExt = LowLevelKeyRecord::ExtendedFlag;
constexpr int kInjected = LowLevelKeyRecord::InjectedFlag;
constexpr int kAlt = LowLevelKeyRecord::AltDownFlag;

struct KeyStep {
    int vk;
    int flags;
    int route; // HookEventPolicy::Route as int
    int flag;
    bool swallow;
};

constexpr int None = int(HookEventPolicy::Route::None);
constexpr int Relay = int(HookEventPolicy::Route::MacroRelay);
constexpr int Signal = int(HookEventPolicy::Route::KeySignal);

} // namespace

Q_DECLARE_METATYPE(QVector<KeyStep>)

class tst_Hook : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void heldKeyTable();
    void decideKey_data();
    void decideKey();
    void reportsMouse_data();
    void reportsMouse();

    void startInstallsPerMode_data();
    void startInstallsPerMode();
    void keysRouteByMode();
    void mouseReportedInMacroModeOnly();
    void failedStartLeavesNothing_data();
    void failedStartLeavesNothing();
    void modeChangeWhileRunning();
    void stopWithoutStart();
    void startForgetsHeldKeys();
    void destructorStopsAndUnregisters();
    void lastInstanceReceives();
    void theStartingInstanceReleases();

private:
    std::unique_ptr<ScriptedHookBackend> m_backend;
};

void tst_Hook::init()
{
    m_backend = std::make_unique<ScriptedHookBackend>();
    WindowsHookInterface::setBackend(m_backend.get());
}

void tst_Hook::cleanup()
{
    WindowsHookInterface::setBackend(nullptr);
    m_backend.reset();
}

void tst_Hook::heldKeyTable()
{
    HeldKeyTable table;
    QVERIFY(table.add(65));
    QVERIFY(table.add(66));
    QVERIFY(table.add(67));
    QVERIFY(!table.add(66)); // held once only
    QCOMPARE(table.count(), 3);

    table.remove(65); // later keys move up, press order kept
    QCOMPARE(table.count(), 2);
    QCOMPARE(table.at(0), 66);
    QCOMPARE(table.at(1), 67);
    table.remove(99); // not held: nothing changes
    QCOMPARE(table.count(), 2);

    // Codes above one byte stay distinct (the layout's private codes).
    QVERIFY(table.add(2360));
    QVERIFY(!table.contains(2360 & 0xFF));

    table.clear();
    for (int i = 0; i < HeldKeyTable::Capacity; ++i)
        QVERIFY(table.add(1000 + i));
    QVERIFY(!table.add(5000));
    QCOMPARE(table.count(), HeldKeyTable::Capacity);
    QVERIFY(!table.contains(5000));
}

void tst_Hook::decideKey_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QVector<KeyStep>>("steps");

    // A held key: one press, repeats unreported, one release.
    QTest::newRow("capture: held A") << 2 << QVector<KeyStep>{
        {65, 0, Signal, 1, true}, {65, 0, None, 1, true}, {65, 0, None, 1, true}, {65, kUp, Signal, 0, true}};
    // Repeats of a withheld key are withheld too (a held Shift never leaks).
    QTest::newRow("recording: held Shift") << 1 << QVector<KeyStep>{
        {160, 0, Relay, 1, true}, {160, 0, None, 1, true}, {160, kUp, Relay, 0, true}};
    QTest::newRow("combination: held right Alt") << 3 << QVector<KeyStep>{
        {165, kExt | kAlt, Signal, 1, true}, {165, kExt | kAlt, None, 1, true}, {165, kExt | kUp, Signal, 0, true}};
    // Pass-through keys and their repeats reach the system in every mode.
    QTest::newRow("recording: held left Ctrl") << 1 << QVector<KeyStep>{
        {162, 0, Relay, 1, false}, {162, 0, None, 1, false}, {162, kUp, Relay, 0, false}};
    QTest::newRow("capture: lock keys and Ctrl") << 2 << QVector<KeyStep>{
        {20, 0, Signal, 1, false}, {144, kExt, Signal, 1, false}, {145, 0, Signal, 1, false},
        {163, kExt, Signal, 1, false}, {20, kUp, Signal, 0, false}};
    QTest::newRow("capture: Shift, Alt and Windows keys withheld") << 3 << QVector<KeyStep>{
        {160, 0, Signal, 1, true}, {161, 0, Signal, 1, true}, {164, kAlt, Signal, 1, true},
        {91, kExt, Signal, 1, true}, {92, kExt, Signal, 1, true}};
    QTest::newRow("light: nothing withheld") << 5 << QVector<KeyStep>{
        {65, 0, Signal, 1, false}, {65, 0, None, 1, false}, {160, 0, Signal, 1, false},
        {65, kUp, Signal, 0, false}, {160, kUp, Signal, 0, false}};
    // Press or release comes from the release bit alone.
    QTest::newRow("injected and Alt flags") << 2 << QVector<KeyStep>{
        {65, kInjected, Signal, 1, true}, {65, kInjected | kUp, Signal, 0, true},
        {66, kInjected | kExt | kAlt, Signal, 1, true}, {66, kInjected | kExt | kAlt | kUp, Signal, 0, true},
        {67, kAlt | kUp, Signal, 0, true}};
    // A release whose press was never seen is still reported.
    QTest::newRow("release without press") << 5 << QVector<KeyStep>{{66, kUp, Signal, 0, false}};
    // Each key is tracked on its own: releasing one does not end another's hold.
    QTest::newRow("two keys interleaved") << 2 << QVector<KeyStep>{
        {65, 0, Signal, 1, true}, {66, 0, Signal, 1, true}, {65, kUp, Signal, 0, true},
        {66, 0, None, 1, true}, {65, 0, Signal, 1, true}, {66, kUp, Signal, 0, true}};
}

void tst_Hook::decideKey()
{
    QFETCH(int, mode);
    QFETCH(QVector<KeyStep>, steps);
    HeldKeyTable held;
    for (int i = 0; i < steps.size(); ++i) {
        const KeyStep &step = steps.at(i);
        const HookEventPolicy::KeyOutcome outcome = HookEventPolicy::decideKey(mode, held, step.vk, step.flags);
        const QByteArray where = "step " + QByteArray::number(i);
        QVERIFY2(int(outcome.route) == step.route, where);
        if (outcome.route != HookEventPolicy::Route::None)
            QVERIFY2(outcome.flag == step.flag, where);
        QVERIFY2(outcome.swallow == step.swallow, where);
    }
}

void tst_Hook::reportsMouse_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("message");
    QTest::addColumn<bool>("reported");
    for (int message : {0x201, 0x202, 0x204, 0x205, 0x207, 0x208, 0x20A})
        QTest::addRow("recording %x", message) << 1 << message << true;
    QTest::newRow("recording move") << 1 << 0x200 << false;
    QTest::newRow("capture click") << 2 << 0x201 << false;
    QTest::newRow("light click") << 5 << 0x201 << false;
}

void tst_Hook::reportsMouse()
{
    QFETCH(int, mode);
    QFETCH(int, message);
    QFETCH(bool, reported);
    QCOMPARE(HookEventPolicy::reportsMouse(mode, message), reported);
}

void tst_Hook::startInstallsPerMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("mouse");
    QTest::addColumn<bool>("grab");
    QTest::newRow("macro recording") << 1 << true << true;
    QTest::newRow("remap capture") << 2 << false << true;
    QTest::newRow("combination capture") << 3 << false << true;
    QTest::newRow("light interaction") << 5 << false << false;
}

void tst_Hook::startInstallsPerMode()
{
    QFETCH(int, mode);
    QFETCH(bool, mouse);
    QFETCH(bool, grab);
    WindowsHookInterface hook;
    QCOMPARE(hook.hookMode(), 999);
    QCOMPARE(hook.startHook(mode), 1);
    QCOMPARE(hook.hookMode(), mode);
    QVERIFY(m_backend->keyboardInstalled());
    QCOMPARE(m_backend->mouseInstalled(), mouse);
    QCOMPARE(m_backend->keyboardGrabbed(), grab);

    QCOMPARE(hook.stopHook(), 1);
    QVERIFY(!m_backend->keyboardInstalled());
    QVERIFY(!m_backend->mouseInstalled());
    QVERIFY(!m_backend->keyboardGrabbed());
    QCOMPARE(hook.hookMode(), mode); // the mode outlives the stop
}

void tst_Hook::keysRouteByMode()
{
    WindowsHookInterface hook;
    QSignalSpy signal(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy relay(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);

    QCOMPARE(hook.startHook(1), 1);
    QVERIFY(m_backend->key(65, 0x1E, 0));
    QVERIFY(m_backend->key(65, 0x1E, kUp));
    QVERIFY(!m_backend->key(163, 0x1D, kExt));
    QCOMPARE(signal.count(), 0);
    QCOMPARE(relay.count(), 3);
    QCOMPARE(relay.at(0), (QList<QVariant>{65, 0x1E, 1, 0}));
    QCOMPARE(relay.at(1), (QList<QVariant>{65, 0x1E, 0, kUp}));
    QCOMPARE(relay.at(2), (QList<QVariant>{163, 0x1D, 1, kExt}));
    hook.stopHook();

    relay.clear();
    QCOMPARE(hook.startHook(5), 1);
    QVERIFY(!m_backend->key(13, 0x1C, kExt));
    QVERIFY(!m_backend->key(13, 0x1C, kExt)); // repeat: not reported
    QVERIFY(!m_backend->key(13, 0x1C, kExt | kUp));
    QCOMPARE(relay.count(), 0);
    QCOMPARE(signal.count(), 2);
    QCOMPARE(signal.at(0), (QList<QVariant>{13, 0x1C, 1, kExt}));
    QCOMPARE(signal.at(1), (QList<QVariant>{13, 0x1C, 0, kExt | kUp}));
    hook.stopHook();

    // Nothing arrives once stopped.
    signal.clear();
    QVERIFY(!m_backend->key(65, 0x1E, 0));
    QCOMPARE(signal.count(), 0);
}

void tst_Hook::mouseReportedInMacroModeOnly()
{
    WindowsHookInterface hook;
    QList<QList<int>> seen; // message, x, y, data
    auto connection = connect(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroMouse, this,
                              [&seen](int nCode, WPARAM wParam, LPARAM lParam) {
                                  // The record is read while the signal is delivered.
                                  const auto *record = reinterpret_cast<const LowLevelMouseRecord *>(lParam);
                                  QCOMPARE(nCode, 0);
                                  seen.append({int(wParam), record->x, record->y, int(record->mouseData)});
                              });
    QCOMPARE(hook.startHook(1), 1);
    m_backend->mouse(0x201, 10, 20);
    m_backend->mouse(0x200, 11, 21); // moves are never reported
    m_backend->mouse(0x202, 12, 22);
    m_backend->mouse(0x20A, 13, 23, 120u << 16);
    QCOMPARE(seen, (QList<QList<int>>{{0x201, 10, 20, 0}, {0x202, 12, 22, 0}, {0x20A, 13, 23, 120 << 16}}));

    // Switched to capture without a stop: the mouse hook stays, reports nothing.
    seen.clear();
    QCOMPARE(hook.startHook(2), 1);
    QVERIFY(m_backend->mouseInstalled());
    m_backend->mouse(0x201, 1, 1);
    QVERIFY(seen.isEmpty());
    disconnect(connection);
}

void tst_Hook::failedStartLeavesNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("logged");
    QTest::newRow("recording, keyboard") << 1 << "keyboard" << "Set keyboard Hook error, error code=4";
    QTest::newRow("recording, mouse") << 1 << "mouse" << "Set mouse Hook error, error code=4";
    QTest::newRow("recording, grab") << 1 << "grab" << "Set keyboard Hook error, error code=101";
    QTest::newRow("capture, keyboard") << 2 << "keyboard" << "Set keyboard Hook error, error code=4";
    QTest::newRow("capture, grab") << 3 << "grab" << "Set keyboard Hook error, error code=101";
    QTest::newRow("light, keyboard") << 5 << "keyboard" << "Set keyboard Hook error, error code=4";
}

void tst_Hook::failedStartLeavesNothing()
{
    QFETCH(int, mode);
    QFETCH(QString, failing);
    QFETCH(QString, logged);
    m_backend->failKeyboard = failing == "keyboard";
    m_backend->failMouse = failing == "mouse";
    m_backend->failGrab = failing == "grab";
    WindowsHookInterface hook;
    QSignalSpy signal(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy relay(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);

    QTest::ignoreMessage(QtDebugMsg, logged.toLatin1());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Input hook: scripted"));
    QCOMPARE(hook.startHook(mode), 0);
    QVERIFY(!m_backend->keyboardInstalled());
    QVERIFY(!m_backend->mouseInstalled());
    QVERIFY(!m_backend->keyboardGrabbed());
    QVERIFY(!m_backend->key(65, 0x1E, 0));
    QCOMPARE(signal.count() + relay.count(), 0);

    // The next start succeeds once the system allows it.
    m_backend->failKeyboard = m_backend->failMouse = m_backend->failGrab = false;
    QCOMPARE(hook.startHook(mode), 1);
    hook.stopHook();
}

void tst_Hook::modeChangeWhileRunning()
{
    WindowsHookInterface hook;
    QSignalSpy signal(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy relay(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);

    QCOMPARE(hook.startHook(1), 1);
    QCOMPARE(hook.startHook(2), 1);
    QCOMPARE(m_backend->keyboardInstalls, 1); // the keyboard hook was not reinstalled
    QVERIFY(m_backend->mouseInstalled());
    QVERIFY(m_backend->keyboardGrabbed());
    m_backend->key(65, 0x1E, 0);
    QCOMPARE(signal.count(), 1);
    QCOMPARE(relay.count(), 0);

    // Light interaction never withholds keys.
    QCOMPARE(hook.startHook(5), 1);
    QVERIFY(!m_backend->keyboardGrabbed());
    QVERIFY(!m_backend->key(66, 0x30, 0));

    // Back to capture: withheld again; a grab refused now stops everything.
    m_backend->failGrab = true;
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=101");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Input hook: scripted"));
    QCOMPARE(hook.startHook(3), 0);
    QVERIFY(!m_backend->keyboardInstalled());
    QVERIFY(!m_backend->mouseInstalled());
}

void tst_Hook::stopWithoutStart()
{
    WindowsHookInterface hook;
    QCOMPARE(hook.stopHook(), 1);
    QCOMPARE(hook.stopHook(), 1);
    QVERIFY(!m_backend->keyboardInstalled());
}

void tst_Hook::startForgetsHeldKeys()
{
    WindowsHookInterface hook;
    QSignalSpy signal(&hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QCOMPARE(hook.startHook(2), 1);
    m_backend->key(65, 0x1E, 0); // released while no hook ran
    hook.stopHook();
    QCOMPARE(hook.startHook(2), 1);
    m_backend->key(65, 0x1E, 0);
    QCOMPARE(signal.count(), 2);
    QCOMPARE(signal.at(1).at(2).toInt(), 1);
}

void tst_Hook::destructorStopsAndUnregisters()
{
    auto hook = std::make_unique<WindowsHookInterface>();
    QCOMPARE(hook->startHook(1), 1);
    hook.reset();
    QVERIFY(!m_backend->keyboardInstalled());
    QVERIFY(!m_backend->mouseInstalled());
    QVERIFY(!m_backend->keyboardGrabbed());

    // A destroyed instance is no longer registered: with the hooks started
    // again by an older instance, events reach nobody (and nothing touches
    // the destroyed one).
    WindowsHookInterface other;
    auto last = std::make_unique<WindowsHookInterface>();
    last.reset();
    QCOMPARE(other.startHook(5), 1);
    QSignalSpy signal(&other, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(!m_backend->key(65, 0x1E, 0));
    QCOMPARE(signal.count(), 0);
    other.stopHook();
}

void tst_Hook::lastInstanceReceives()
{
    WindowsHookInterface first;
    WindowsHookInterface second;
    QSignalSpy firstSpy(&first, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy secondSpy(&second, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QCOMPARE(first.startHook(5), 1);
    m_backend->key(65, 0x1E, 0);
    // The instance constructed last receives, under its own mode (none yet).
    QCOMPARE(firstSpy.count(), 0);
    QCOMPARE(secondSpy.count(), 1);
    first.stopHook();
}

void tst_Hook::theStartingInstanceReleases()
{
    // An instance that is not the receiver takes the grab; when it goes,
    // nothing stays grabbed or installed although another instance lives.
    auto starter = std::make_unique<WindowsHookInterface>();
    WindowsHookInterface receiver;
    QCOMPARE(starter->startHook(2), 1);
    QVERIFY(m_backend->keyboardGrabbed());
    starter.reset();
    QVERIFY(!m_backend->keyboardGrabbed());
    QVERIFY(!m_backend->keyboardInstalled());

    // Hooks another instance started stay when a bystander goes.
    auto bystander = std::make_unique<WindowsHookInterface>();
    QCOMPARE(receiver.startHook(1), 1);
    bystander.reset();
    QVERIFY(m_backend->keyboardGrabbed());
    QVERIFY(m_backend->mouseInstalled());
    receiver.stopHook();
    QVERIFY(!m_backend->keyboardGrabbed());
}

QTEST_MAIN(tst_Hook)
#include "tst_hook.moc"
