// Our keyboards and text keys on the kernel's input layer, below any
// display server: a keyboard made through /dev/uhid (or served over USB/IP)
// presses keys through its boot-keyboard interface, the kernel turns them
// into events of its input nodes, and the light interaction of the
// customise-keys page takes them from there with no X server; a press the
// desktop's hook reports too counts once. The paste chord of a text key goes
// out through a virtual keyboard (/dev/uinput) and is read back from that
// keyboard's own input node, as the keys of the layout. Without access to
// /dev/uinput the keys go through XTest to an X server (a private Xvfb). The
// generated udev rule lets the user at the seat open exactly our keyboards'
// input nodes and /dev/uinput. It needs /dev/uhid and /dev/uinput, which
// tools/kernel-vm.sh provides in a small virtual machine.
#include "core/DDataManager.h"
#include "core/WindowsHookInterface.h"
#include "core/hook/OwnKeyboardInput.h"
#include "device/DDeviceKeyboardLink.h"
#include "kernel/ConventionSides.h"
#include "kernel/KernelGuest.h"
#include "kernel/KernelKeyboard.h"
#include "kernel/KeyboardDescriptors.h"
#include "platform/evdev/EvdevKeyReader.h"
#include "platform/evdev/KeyboardInputNodes.h"
#include "platform/hostinput/KernelHostInput.h"
#include "platform/x11/X11InputHook.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/lightfx/LightEngine.h"
#include "support/LogCapture.h"
#include "support/ProfileFileFixture.h"
#include "support/ScriptedHookBackend.h"
#include "support/XvfbServer.h"
#include "support/XTestInput.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QtTest>

#include <linux/input.h>
#include <poll.h>
#include <unistd.h>

#include <memory>
#include <vector>

using lumtar::lightfx::LightEngine;

namespace {

constexpr char kModel[] = "LT108HE";
// HID usage and virtual-key code of A; its place on the test's view.
constexpr uint8_t kUsageA = 0x04;
constexpr int kVkA = 65;
constexpr int kScanA = 0x1E;
constexpr int kRelease = 0x80;
const QPoint kPlaceA(3, 1);

const QStringList kKernelNodes{QStringLiteral("/dev/uhid"), QStringLiteral("/dev/uinput")};

bool haveKernelInput()
{
    return KernelGuest::haveNodes(kKernelNodes);
}

#define REQUIRE_KERNEL() KERNEL_GUEST_REQUIRE(kKernelNodes, "kernel_input")

using KernelGuest::waitFor;

// The key events read from an input node until count arrived or timeoutMs
// passed, as (code, value); repeats and other events are left out.
QList<QPair<int, int>> readKeys(int fd, int count, int timeoutMs)
{
    QList<QPair<int, int>> keys;
    QDeadlineTimer deadline(timeoutMs);
    while (keys.size() < count && !deadline.hasExpired()) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, int(qMax<qint64>(1, deadline.remainingTime()))) <= 0)
            continue;
        input_event events[16];
        const ssize_t n = ::read(fd, events, sizeof(events));
        for (ssize_t i = 0; n > 0 && i < n / ssize_t(sizeof(input_event)); ++i)
            if (events[i].type == EV_KEY && events[i].value != 2)
                keys << qMakePair(int(events[i].code), int(events[i].value));
    }
    return keys;
}

enum class Order { OwnFirst, DesktopFirst, DesktopAfterRelease, DesktopOnly, OwnTwice };

} // namespace

Q_DECLARE_METATYPE(KernelKeyboard::Bus)
Q_DECLARE_METATYPE(Order)

class tst_KernelInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void inputNodesOfTheKeyboard_data();
    void inputNodesOfTheKeyboard();
    void pressesReachTheLightEngineWithoutX_data();
    void pressesReachTheLightEngineWithoutX();
    void onePressCountsOnce_data();
    void onePressCountsOnce();
    void refusedInputNodesAreToldOnce();
    void pasteChordInTheLayout_data();
    void pasteChordInTheLayout();
    void refusedUinputFallsBackToXTest();
    void udevRuleTagsInputNodes_data();
    void udevRuleTagsInputNodes();

private:
    // A keyboard plugged, opened by a device link and shown with key A on
    // the customise-keys page, light interaction on.
    bool openKeyboard(KernelKeyboard::Bus bus, const std::string &serial);
    int pointsAfterQuiet(int quietMs);

    std::unique_ptr<ProfileFileFixture> m_files;
    std::unique_ptr<DCustomKeysPage> m_host;
    std::unique_ptr<QWidget> m_view;
    std::unique_ptr<QSignalSpy> m_points;
    std::unique_ptr<KernelKeyboard> m_keyboard;
    std::unique_ptr<DDeviceKeyboardLink> m_link;
};

void tst_KernelInput::initTestCase()
{
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    QVERIFY(deviceTable().findModel(kModel));
    // No X server: the desktop's hook cannot start.
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qInfo("/dev/uhid and /dev/uinput %s", haveKernelInput() ? "present" : "missing: every test skips");
}

void tst_KernelInput::init()
{
    m_files.reset(new ProfileFileFixture);
    QVERIFY(m_files->isValid());
    DDataManager *data = DDataManager::getInstance();
    m_host.reset(new DCustomKeysPage);
    m_view.reset(new QWidget);
    auto *keyA = new keyboardButCustom(m_view.get());
    keyA->setKeyInfo(4, QStringLiteral("A"));
    keyA->setGridIndex(kPlaceA.x(), kPlaceA.y());
    data->setKeyButtonMap({{4, keyA}});
    data->setVkToKeyCodeMap({{kVkA, 4}});
    m_host->setCurrentProfileIndex(1);
    m_host->setXmlProfilePath(m_files->profilePath().constData());
    m_host->initCustomKeysStatus(0);
    m_points.reset(new QSignalSpy(m_host.get(), &DCustomKeysPage::sigInteractLightsPointXY));
    LightEngine::instance().takePresses();
}

void tst_KernelInput::cleanup()
{
    m_host->setLightInteractionHook(false);
    QVERIFY(!OwnKeyboardInput::instance().isStarted());
    WindowsHookInterface::setBackend(nullptr);
    m_link.reset();
    m_keyboard.reset();
    QVERIFY(OwnKeyboardInput::instance().openKeyboards().isEmpty());
    m_points.reset();
    m_host.reset();
    DDataManager::getInstance()->setKeyButtonMap({});
    m_view.reset();
    m_files.reset();
    LightEngine::instance().takePresses();
}

bool tst_KernelInput::openKeyboard(KernelKeyboard::Bus bus, const std::string &serial)
{
    m_keyboard = KernelGuest::plugKeyboard(kModel, serial, bus);
    if (!m_keyboard)
        return false;
    const std::string path = listedPathOf(m_keyboard->node());
    if (path.empty())
        return false;
    hidStructInfoAll record{};
    lumtarCopyField(record.hidPath, path.c_str());
    lumtarCopyField(record.hidModel, kModel);
    m_link = std::make_unique<DDeviceKeyboardLink>();
    m_link->openDevice(0, record);
    if (!OwnKeyboardInput::instance().openKeyboards().contains(QString::fromStdString(path)))
        return false;
    // The boot-keyboard interface's input node comes a little after the
    // report interface's hidraw node.
    return waitFor([&] { return !KeyboardInputNodes::forHidraw(QString::fromStdString(m_keyboard->node())).isEmpty(); },
                   5000);
}

int tst_KernelInput::pointsAfterQuiet(int quietMs)
{
    QTest::qWait(quietMs);
    return m_points->count();
}

void tst_KernelInput::inputNodesOfTheKeyboard_data()
{
    QTest::addColumn<KernelKeyboard::Bus>("bus");
    QTest::newRow("uhid") << KernelKeyboard::Bus::Uhid;
    QTest::newRow("usb") << KernelKeyboard::Bus::Usb;
}

void tst_KernelInput::inputNodesOfTheKeyboard()
{
    REQUIRE_KERNEL();
    QFETCH(KernelKeyboard::Bus, bus);
    // Two keyboards of the same model: each has its own node, the one of
    // its boot-keyboard interface.
    const lumtar::DeviceModel &model = *deviceTable().findModel(kModel);
    KernelKeyboard first(model, "nodes-1", bus);
    KernelKeyboard second(model, "nodes-2", bus);
    std::string error;
    QVERIFY2(first.plug(&error), error.c_str());
    QVERIFY2(second.plug(&error), error.c_str());
    QStringList firstNodes, secondNodes;
    QVERIFY(waitFor(
        [&] {
            firstNodes = KeyboardInputNodes::forHidraw(QString::fromStdString(first.node()));
            secondNodes = KeyboardInputNodes::forHidraw(QString::fromStdString(second.node()));
            return !firstNodes.isEmpty() && !secondNodes.isEmpty();
        },
        5000));
    QCOMPARE(firstNodes.size(), 1);
    QCOMPARE(secondNodes.size(), 1);
    QVERIFY(firstNodes != secondNodes);
    // The node is the keyboard's: its presses come out of it.
    const int fd = EvdevKeyReader::openNode(firstNodes.first());
    QVERIFY(fd >= 0);
    QVERIFY(first.sendKeys(0, {kUsageA}));
    QVERIFY(first.sendKeys(0, {}));
    const auto keys = readKeys(fd, 2, 3000);
    ::close(fd);
    QCOMPARE(keys, (QList<QPair<int, int>>{{KEY_A, 1}, {KEY_A, 0}}));
    // The path text the SDK lists leads there too; a simulated keyboard has none.
    QCOMPARE(KeyboardInputNodes::forHidraw(QString::fromStdString(listedPathOf(first.node()))), firstNodes);
    QVERIFY(KeyboardInputNodes::forHidraw(QStringLiteral("hid#vid_1209&pid_7472&mi_01#sim/1")).isEmpty());
}

void tst_KernelInput::pressesReachTheLightEngineWithoutX_data()
{
    inputNodesOfTheKeyboard_data();
}

void tst_KernelInput::pressesReachTheLightEngineWithoutX()
{
    REQUIRE_KERNEL();
    QFETCH(KernelKeyboard::Bus, bus);
    QVERIFY(openKeyboard(bus, "light-" + std::to_string(int(bus))));
    LogCapture log;
    m_host->setLightInteractionHook(true);
    QCOMPARE(m_host->runningHookMode(), 5);
    QCOMPARE(log.countContaining(QStringLiteral("Input hook: no X display")), 1);
    QCOMPARE(OwnKeyboardInput::instance().nodes().size(), 1);

    // Press, hold (the kernel repeats it), release; then press again.
    QVERIFY(m_keyboard->sendKeys(0, {kUsageA}));
    QVERIFY(waitFor([&] { return m_points->count() == 1; }, 3000));
    QCOMPARE(m_points->first(), (QList<QVariant>{kPlaceA.x(), kPlaceA.y()}));
    lumtar::lightfx::PressQueue::Batch queued = LightEngine::instance().takePresses();
    QCOMPARE(queued.count, 1);
    QCOMPARE(queued.presses[0].row, kPlaceA.x());
    QCOMPARE(queued.presses[0].column, kPlaceA.y());
    QTest::qWait(700);
    QVERIFY(m_keyboard->sendKeys(0, {}));
    QCOMPARE(pointsAfterQuiet(100), 1);
    QVERIFY(m_keyboard->sendKeys(0, {kUsageA}));
    QVERIFY(m_keyboard->sendKeys(0, {}));
    QVERIFY(waitFor([&] { return m_points->count() == 2; }, 3000));

    // Light interaction off: the nodes are no longer read.
    m_host->setLightInteractionHook(false);
    QVERIFY(OwnKeyboardInput::instance().nodes().isEmpty());
    QVERIFY(m_keyboard->sendKeys(0, {kUsageA}));
    QVERIFY(m_keyboard->sendKeys(0, {}));
    QCOMPARE(pointsAfterQuiet(300), 2);
}

void tst_KernelInput::onePressCountsOnce_data()
{
    QTest::addColumn<Order>("order");
    QTest::addColumn<int>("presses");
    // The desktop's report of one press comes a few milliseconds after the
    // kernel's, or (rarely) before it, or once the key is up again.
    QTest::newRow("own keyboard first") << Order::OwnFirst << 1;
    QTest::newRow("desktop first") << Order::DesktopFirst << 1;
    QTest::newRow("desktop after the release") << Order::DesktopAfterRelease << 1;
    // Another keyboard's press reaches the desktop only.
    QTest::newRow("another keyboard") << Order::DesktopOnly << 1;
    // Two quick presses both sources saw are two presses.
    QTest::newRow("two presses, both seen twice") << Order::OwnTwice << 2;
}

void tst_KernelInput::onePressCountsOnce()
{
    REQUIRE_KERNEL();
    QFETCH(Order, order);
    QFETCH(int, presses);
    ScriptedHookBackend desktop;
    WindowsHookInterface::setBackend(&desktop);
    // The hook lets go of the scripted desktop before it goes.
    auto release = qScopeGuard([this] {
        m_host->setLightInteractionHook(false);
        WindowsHookInterface::setBackend(nullptr);
    });
    QVERIFY(openKeyboard(KernelKeyboard::Bus::Uhid, "once"));
    m_host->setLightInteractionHook(true);
    QVERIFY(desktop.keyboardInstalled());
    QCOMPARE(OwnKeyboardInput::instance().nodes().size(), 1);

    // The kernel's event as the test sees it on the node, and once the
    // program has taken it.
    const int observer = EvdevKeyReader::openNode(OwnKeyboardInput::instance().nodes().first());
    QVERIFY(observer >= 0);
    auto closeObserver = qScopeGuard([observer] { ::close(observer); });
    auto ownSent = [&](bool press) {
        QVERIFY(m_keyboard->sendKeys(0, press ? std::initializer_list<uint8_t>{kUsageA} : std::initializer_list<uint8_t>{}));
        QCOMPARE(readKeys(observer, 1, 3000).size(), 1);
    };
    auto ownTaken = [&](bool press) {
        const int delivered = OwnKeyboardInput::instance().eventsDelivered();
        ownSent(press);
        QVERIFY(waitFor([&] { return OwnKeyboardInput::instance().eventsDelivered() > delivered; }, 3000));
    };
    switch (order) {
    case Order::OwnFirst:
        ownTaken(true);
        desktop.key(kVkA, kScanA, 0);
        ownTaken(false);
        desktop.key(kVkA, kScanA, kRelease);
        break;
    case Order::DesktopFirst: {
        // The program takes the kernel's event only when this thread next
        // waits: the desktop's report is first.
        const int delivered = OwnKeyboardInput::instance().eventsDelivered();
        ownSent(true);
        desktop.key(kVkA, kScanA, 0);
        QCOMPARE(m_points->count(), 1);
        QVERIFY(waitFor([&] { return OwnKeyboardInput::instance().eventsDelivered() > delivered; }, 3000));
        desktop.key(kVkA, kScanA, kRelease);
        ownTaken(false);
        break;
    }
    case Order::DesktopAfterRelease:
        ownTaken(true);
        ownTaken(false);
        desktop.key(kVkA, kScanA, 0);
        desktop.key(kVkA, kScanA, kRelease);
        break;
    case Order::DesktopOnly:
        desktop.key(kVkA, kScanA, 0);
        desktop.key(kVkA, kScanA, kRelease);
        break;
    case Order::OwnTwice:
        ownTaken(true);
        ownTaken(false);
        ownTaken(true);
        ownTaken(false);
        desktop.key(kVkA, kScanA, 0);
        desktop.key(kVkA, kScanA, kRelease);
        desktop.key(kVkA, kScanA, 0);
        desktop.key(kVkA, kScanA, kRelease);
        break;
    }
    QCOMPARE(pointsAfterQuiet(200), presses);
}

void tst_KernelInput::refusedInputNodesAreToldOnce()
{
    REQUIRE_KERNEL();
    QVERIFY(openKeyboard(KernelKeyboard::Bus::Uhid, "refused"));
    LogCapture log;
    for (int attempt = 0; attempt < 2; ++attempt) {
        // The user at the seat without the rule: the input nodes are root's.
        QVERIFY(seteuid(65534) == 0);
        m_host->setLightInteractionHook(true);
        QVERIFY(seteuid(0) == 0);
        // Nothing sees the keys: no X server, no readable node.
        QCOMPARE(m_host->runningHookMode(), 999);
        QVERIFY(OwnKeyboardInput::instance().nodes().isEmpty());
        m_host->setLightInteractionHook(false);
    }
    QCOMPARE(log.countContaining(QStringLiteral("Own keyboard input: cannot read /dev/input/event")), 1);
    QCOMPARE(log.countContaining(QStringLiteral("(Permission denied)")), 1);
}

void tst_KernelInput::pasteChordInTheLayout_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("vKey");
    QTest::newRow("us") << "us" << "" << int(KEY_V);
    QTest::newRow("fr (AZERTY)") << "fr" << "" << int(KEY_V);
    QTest::newRow("de (QWERTZ)") << "de" << "" << int(KEY_V);
    QTest::newRow("us dvorak") << "us" << "dvorak" << int(KEY_DOT);
    // A layout without Latin letters: programs take the US key.
    QTest::newRow("ru") << "ru" << "" << int(KEY_V);
    QTest::newRow("dvorak first, ru second") << "us,ru" << "dvorak," << int(KEY_DOT);
}

void tst_KernelInput::pasteChordInTheLayout()
{
    REQUIRE_KERNEL();
    QFETCH(QString, layout);
    QFETCH(QString, variant);
    QFETCH(int, vKey);
    KernelHostInput host;
    QVERIFY(host.usesUinput());
    host.setLayout({layout, variant, QString(), QString()});
    const QString node = host.eventNode();
    QVERIFY(!node.isEmpty());
    const int fd = EvdevKeyReader::openNode(node);
    QVERIFY2(fd >= 0, qPrintable(node));
    QVERIFY(host.typeText(QStringLiteral("Grüße")));
    const auto keys = readKeys(fd, 4, 3000);
    ::close(fd);
    QCOMPARE(keys, (QList<QPair<int, int>>{{KEY_LEFTCTRL, 1}, {vKey, 1}, {vKey, 0}, {KEY_LEFTCTRL, 0}}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Grüße"));
}

void tst_KernelInput::refusedUinputFallsBackToXTest()
{
    REQUIRE_KERNEL();
    if (!XvfbServer::available())
        QSKIP("Xvfb (package xvfb) is missing");
    XvfbServer xvfb;
    QString error;
    QVERIFY2(xvfb.start(&error), qPrintable(error));
    // What reaches the X server, as the desktop's hook sees it.
    X11InputHook recorder;
    QList<QPair<int, int>> seen;
    QVERIFY(recorder.installKeyboard([&](const LowLevelKeyRecord &r) {
        seen << qMakePair(r.vkCode, (r.flags & kRelease) ? 0 : 1);
        return false;
    }));

    LogCapture log;
    std::unique_ptr<KernelHostInput> host;
    {
        // The user at the seat without the rule: /dev/uinput is root's.
        QVERIFY(seteuid(65534) == 0);
        auto restore = qScopeGuard([] { QVERIFY(seteuid(0) == 0); });
        host = std::make_unique<KernelHostInput>();
    }
    QVERIFY(!host->usesUinput());
    QCOMPARE(log.countContaining(QStringLiteral("Host input: cannot open /dev/uinput (Permission denied)")), 1);
    QVERIFY(host->typeText(QStringLiteral("text")));
    // The server hands recorded events over when it next answers a client.
    XTestInput other;
    QVERIFY(other.open());
    QVERIFY(other.othersCanGrab());
    const QList<QPair<int, int>> chord{{162, 1}, {'V', 1}, {'V', 0}, {162, 0}};
    QVERIFY(waitFor([&] { return seen.size() >= chord.size(); }, 5000));
    QCOMPARE(seen, chord);
    QCOMPARE(log.countContaining(QStringLiteral("Host input: cannot open")), 1);
    recorder.uninstallKeyboard();
}

void tst_KernelInput::udevRuleTagsInputNodes_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("tagged");
    QTest::newRow("input node of a keyboard of the table") << "ours" << true;
    QTest::newRow("input node of a keyboard of foreign ids") << "foreign" << false;
    QTest::newRow("/dev/uinput") << "uinput" << true;
    QTest::newRow("/dev/uhid") << "uhid" << false;
}

void tst_KernelInput::udevRuleTagsInputNodes()
{
    REQUIRE_KERNEL();
    QFETCH(QString, device);
    QFETCH(bool, tagged);
    if (QStandardPaths::findExecutable(QStringLiteral("udevadm")).isEmpty())
        QSKIP("udevadm (package udev) is missing");
    // The generated rule among the system's: /run/udev/rules.d is the guest's own.
    QString rules;
    QVERIFY2(KernelGuest::installUdevRule(&rules), qPrintable(rules));

    std::unique_ptr<KernelKeyboard> keyboard;
    UhidDevice foreign;
    QString sysPath;
    if (device == QLatin1String("ours")) {
        keyboard = KernelGuest::plugKeyboard(kModel, "rule-input");
        QVERIFY(keyboard);
        QStringList nodes;
        QVERIFY(waitFor([&] { return !(nodes = KeyboardInputNodes::forHidraw(QString::fromStdString(keyboard->node()))).isEmpty(); },
                        5000));
        sysPath = QStringLiteral("/sys/class/input/") + nodes.first().section(QLatin1Char('/'), -1);
    } else if (device == QLatin1String("foreign")) {
        UhidDevice::Config c;
        c.name = "Foreign keyboard";
        c.uniq = "rule-foreign";
        c.vendorId = 0x1209;
        c.productId = 0x0001;
        c.descriptor = KeyboardDescriptors::bootKeyboard();
        std::string error;
        QVERIFY2(foreign.create(c, nullptr, &error), error.c_str());
        const QString node = QString::fromStdString(foreign.waitForNode(10000));
        QVERIFY(!node.isEmpty());
        QStringList nodes;
        QVERIFY(waitFor([&] { return !(nodes = KeyboardInputNodes::forHidraw(node)).isEmpty(); }, 5000));
        sysPath = QStringLiteral("/sys/class/input/") + nodes.first().section(QLatin1Char('/'), -1);
    } else {
        sysPath = QStringLiteral("/sys/class/misc/") + device;
    }
    const KernelGuest::UdevTest udev = KernelGuest::udevTest(sysPath);
    QCOMPARE(udev.uaccess, tagged);
    qInfo("%s", qPrintable(udev.summary));
}

QTEST_MAIN(tst_KernelInput)
#include "tst_kernelinput.moc"
