// Light interaction with two sources of our keyboards' presses: the
// desktop's hook (the scripted double) and the keyboards' own input nodes,
// stood in for by a pipe that carries the kernel's input events to the real
// reader thread. A press both sources report is reported once, in either
// order and also when the desktop's report comes after the release;
// repeats count never; another keyboard's presses (the desktop's alone)
// all count. The rule itself is checked over time as a table.
#include <QtTest>

#include "core/WindowsHookInterface.h"
#include "core/hook/OwnKeyboardInput.h"
#include "core/hook/PressDeduplicator.h"
#include "platform/evdev/EvdevKeyReader.h"
#include "support/ScriptedHookBackend.h"

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

namespace {

constexpr int kVkA = 65, kScanA = 0x1E, kVkB = 66, kScanB = 0x30;
constexpr int kUp = 0x80;

using Source = PressDeduplicator::Source;

// One step of a two-source sequence: who reports what.
struct Step {
    enum Kind { OwnDown, OwnUp, OwnRepeat, DesktopDown, DesktopUp, Wait } kind;
    int key = KEY_A; // the kernel's code; the desktop's report is of the same key
    int ms = 0;      // for Wait
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class tst_OwnKeyboardPresses : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deduplicatorOverTime_data();
    void deduplicatorOverTime();
    void twoSourcesOnePress_data();
    void twoSourcesOnePress();
    void onlyLightInteractionReadsTheKeyboards();
    void aVanishedNodeEndsQuietly();

private:
    void ownEvent(int code, int value);
    // Presses the hook reported so far.
    int presses() const;

    ScriptedHookBackend m_desktop;
    std::unique_ptr<WindowsHookInterface> m_hook;
    std::unique_ptr<QSignalSpy> m_keys;
    int m_pipe[2] = {-1, -1};
};

void tst_OwnKeyboardPresses::init()
{
    WindowsHookInterface::setBackend(&m_desktop);
    m_hook.reset(new WindowsHookInterface);
    m_keys.reset(new QSignalSpy(m_hook.get(), &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key));
    QCOMPARE(m_hook->startHook(5), 1);
    QVERIFY(OwnKeyboardInput::instance().isStarted());
    QVERIFY(::pipe2(m_pipe, O_CLOEXEC) == 0);
    OwnKeyboardInput::instance().reader()->readDescriptors({m_pipe[0]});
}

void tst_OwnKeyboardPresses::cleanup()
{
    m_hook->stopHook();
    QVERIFY(!OwnKeyboardInput::instance().isStarted());
    QVERIFY(!OwnKeyboardInput::instance().reader()->isReading());
    if (m_pipe[1] >= 0)
        ::close(m_pipe[1]);
    m_pipe[0] = m_pipe[1] = -1; // the reader closed the reading end
    m_keys.reset();
    m_hook.reset();
    WindowsHookInterface::setBackend(nullptr);
}

void tst_OwnKeyboardPresses::ownEvent(int code, int value)
{
    input_event events[2]{};
    events[0].type = EV_KEY;
    events[0].code = static_cast<__u16>(code);
    events[0].value = value;
    events[1].type = EV_SYN;
    events[1].code = SYN_REPORT;
    QCOMPARE(::write(m_pipe[1], events, sizeof(events)), ssize_t(sizeof(events)));
}

int tst_OwnKeyboardPresses::presses() const
{
    int count = 0;
    for (const QList<QVariant> &signal : *m_keys)
        count += signal.at(2).toInt() == 1 ? 1 : 0;
    return count;
}

void tst_OwnKeyboardPresses::deduplicatorOverTime_data()
{
    QTest::addColumn<QList<int>>("times");
    QTest::addColumn<QList<int>>("sources"); // 0 desktop, 1 own keyboard
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QList<bool>>("admitted");
    QTest::newRow("echo within the window") << QList<int>{0, 5} << QList<int>{1, 0} << QList<int>{kVkA, kVkA}
                                            << QList<bool>{true, false};
    QTest::newRow("echo at the window's edge")
        << QList<int>{0, int(PressDeduplicator::WindowMs)} << QList<int>{0, 1} << QList<int>{kVkA, kVkA}
        << QList<bool>{true, false};
    QTest::newRow("too late to be an echo")
        << QList<int>{0, int(PressDeduplicator::WindowMs) + 1} << QList<int>{1, 0} << QList<int>{kVkA, kVkA}
        << QList<bool>{true, true};
    QTest::newRow("same source twice") << QList<int>{0, 5} << QList<int>{1, 1} << QList<int>{kVkA, kVkA}
                                       << QList<bool>{true, true};
    QTest::newRow("another key") << QList<int>{0, 5} << QList<int>{1, 0} << QList<int>{kVkA, kVkB}
                                 << QList<bool>{true, true};
    QTest::newRow("two presses, two echoes")
        << QList<int>{0, 30, 40, 60} << QList<int>{1, 1, 0, 0} << QList<int>{kVkA, kVkA, kVkA, kVkA}
        << QList<bool>{true, true, false, false};
    QTest::newRow("an echo is used once")
        << QList<int>{0, 5, 10} << QList<int>{1, 0, 0} << QList<int>{kVkA, kVkA, kVkA}
        << QList<bool>{true, false, true};
}

void tst_OwnKeyboardPresses::deduplicatorOverTime()
{
    QFETCH(QList<int>, times);
    QFETCH(QList<int>, sources);
    QFETCH(QList<int>, keys);
    QFETCH(QList<bool>, admitted);
    PressDeduplicator presses;
    for (int i = 0; i < times.size(); ++i)
        QCOMPARE(presses.admit(sources[i] ? Source::OwnKeyboard : Source::Desktop, keys[i], times[i]), admitted[i]);
}

void tst_OwnKeyboardPresses::twoSourcesOnePress_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<int>("expected");
    using S = Step;
    QTest::newRow("own keyboard first")
        << QList<Step>{{S::OwnDown}, {S::DesktopDown}, {S::OwnUp}, {S::DesktopUp}} << 1;
    QTest::newRow("desktop first") << QList<Step>{{S::DesktopDown}, {S::OwnDown}, {S::DesktopUp}, {S::OwnUp}} << 1;
    QTest::newRow("desktop after the release")
        << QList<Step>{{S::OwnDown}, {S::OwnUp}, {S::DesktopDown}, {S::DesktopUp}} << 1;
    QTest::newRow("held: repeats of both sources")
        << QList<Step>{{S::OwnDown}, {S::DesktopDown}, {S::OwnRepeat}, {S::DesktopDown}, {S::OwnRepeat},
                       {S::DesktopDown}, {S::OwnUp}, {S::DesktopUp}}
        << 1;
    QTest::newRow("pressed again after a repeat")
        << QList<Step>{{S::OwnDown}, {S::DesktopDown}, {S::DesktopDown}, {S::OwnUp}, {S::DesktopUp},
                       {S::OwnDown}, {S::DesktopDown}, {S::OwnUp}, {S::DesktopUp}}
        << 2;
    QTest::newRow("a Wayland program has the focus") << QList<Step>{{S::OwnDown}, {S::OwnUp}, {S::OwnDown}, {S::OwnUp}}
                                                     << 2;
    QTest::newRow("another keyboard")
        << QList<Step>{{S::DesktopDown}, {S::DesktopUp}, {S::DesktopDown}, {S::DesktopUp}} << 2;
    QTest::newRow("another keyboard, long after ours")
        << QList<Step>{{S::OwnDown}, {S::OwnUp}, {S::Wait, KEY_A, int(PressDeduplicator::WindowMs) + 50},
                       {S::DesktopDown}, {S::DesktopUp}}
        << 2;
    QTest::newRow("two keys at once")
        << QList<Step>{{S::OwnDown, KEY_A}, {S::OwnDown, KEY_B}, {S::DesktopDown, KEY_B}, {S::DesktopDown, KEY_A},
                       {S::OwnUp, KEY_A}, {S::OwnUp, KEY_B}, {S::DesktopUp, KEY_A}, {S::DesktopUp, KEY_B}}
        << 2;
}

void tst_OwnKeyboardPresses::twoSourcesOnePress()
{
    QFETCH(QList<Step>, steps);
    QFETCH(int, expected);
    // The own keyboard's events go through a thread and a queued call: each
    // is waited for before the next step, so the order is the table's.
    auto deliverOwn = [&](int code, int value) {
        const int delivered = OwnKeyboardInput::instance().eventsDelivered();
        ownEvent(code, value);
        if (value == 2) // a repeat is not handed on
            QTest::qWait(20);
        else
            QTRY_VERIFY(OwnKeyboardInput::instance().eventsDelivered() > delivered);
    };
    for (const Step &step : steps) {
        const int vk = step.key == KEY_B ? kVkB : kVkA;
        const int scan = step.key == KEY_B ? kScanB : kScanA;
        switch (step.kind) {
        case Step::OwnDown: deliverOwn(step.key, 1); break;
        case Step::OwnUp: deliverOwn(step.key, 0); break;
        case Step::OwnRepeat: deliverOwn(step.key, 2); break;
        case Step::DesktopDown: QVERIFY(!m_desktop.key(vk, scan, 0)); break;
        case Step::DesktopUp: QVERIFY(!m_desktop.key(vk, scan, kUp)); break;
        case Step::Wait: QTest::qWait(step.ms); break;
        }
    }
    QTest::qWait(50);
    QCOMPARE(presses(), expected);
}

void tst_OwnKeyboardPresses::onlyLightInteractionReadsTheKeyboards()
{
    // Key capture and macro recording take keys from the desktop only.
    for (int mode : {1, 2, 3}) {
        QCOMPARE(m_hook->startHook(mode), 1);
        QVERIFY(!OwnKeyboardInput::instance().isStarted());
        QVERIFY(!OwnKeyboardInput::instance().reader()->isReading());
    }
    QCOMPARE(m_hook->startHook(5), 1);
    QVERIFY(OwnKeyboardInput::instance().isStarted());
    // No keyboard is open here: there is no node to read.
    QVERIFY(OwnKeyboardInput::instance().nodes().isEmpty());
    // The pipe was closed with the reader; cleanup must not write to it.
    ::close(m_pipe[1]);
    m_pipe[1] = -1;
}

void tst_OwnKeyboardPresses::aVanishedNodeEndsQuietly()
{
    ownEvent(KEY_A, 1);
    QTRY_COMPARE(presses(), 1);
    // The keyboard goes: the node ends; the reader goes on until stopped.
    ::close(m_pipe[1]);
    m_pipe[1] = -1;
    QTest::qWait(50);
    QVERIFY(OwnKeyboardInput::instance().reader()->isReading());
    QVERIFY(!m_desktop.key(kVkB, kScanB, 0));
    QCOMPARE(presses(), 2);
}

QTEST_MAIN(tst_OwnKeyboardPresses)
#include "tst_ownkeyboardpresses.moc"
