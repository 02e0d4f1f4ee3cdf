// The keyboard roster on its own, against simulated keyboards: the order of
// the first enumeration, links that wait for their keyboards side by side
// without blocking, a link that cannot open (dropped at once, tried again at
// the next change), a device that goes while its link waits, closing every
// link, the "like" names, the rule for a replacement keyboard, and device
// work that waits its turn.
#include <QtTest>

#include <QPointer>

#include <cstring>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"
#include "support/TempHome.h"
#include "device/RecordFieldText.h"
#include "ui/mainwidget/devicePage/KeyboardRoster.h"

using lumtar::sim::SimController;
using Task = KeyboardRoster::Task;
using Work = KeyboardRoster::Work;

namespace {

QString qpath(const std::string &path)
{
    return QString::fromStdString(path);
}

QString pathOf(const hidStructInfoAll &record)
{
    return QString::fromLatin1(recordFieldText(record.hidPath));
}

hidStructInfoAll recordOf(KeyboardRoster &roster, const std::string &path)
{
    roster.enumerateAll();
    return roster.record(qpath(path));
}

// A record of a device that is not attached, for the rules that only read records.
hidStructInfoAll fakeRecord(const char *path, int connectType)
{
    hidStructInfoAll record = {};
    lumtarCopyField(record.hidPath, path);
    lumtarCopyField(record.hidModel, "LT108HE");
    record.connectType = connectType;
    record.isOnline = 1;
    return record;
}

} // namespace

class tst_KeyboardRoster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void firstEnumerationOrder();
    void linksWaitSideBySide();
    void linkThatCannotOpenIsDroppedAndTriedAgain();
    void deviceGoneWhileItsLinkWaits();
    void closeAllJoinsEveryThread();
    void likeNamesStopAtTheirField();
    void replacementRule_data();
    void replacementRule();
    void deferredTasksWaitTheirTurn();
};

void tst_KeyboardRoster::initTestCase()
{
    qRegisterMetaType<KeyboardRoster::Task>();
    DDataManager::getInstance();
    QCOMPARE(CLumtarHid_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_KeyboardRoster::cleanup()
{
    SimController::instance().unplugAll();
    QTest::qWait(20);
}

void tst_KeyboardRoster::firstEnumerationOrder()
{
    auto &sim = SimController::instance();
    const std::string receiver = sim.plug("LT108HE", 1);
    const std::string cable = sim.plug("LT104RGB");
    KeyboardRoster roster;
    const QList<hidStructInfoAll> listed = roster.enumerateAll();

    // Keyboards by cable, then receivers, then a placeholder per model left.
    QCOMPARE(listed.size(), 3);
    QCOMPARE(pathOf(listed.at(0)), qpath(cable));
    QCOMPARE(pathOf(listed.at(1)), qpath(receiver));
    QCOMPARE(listed.at(1).isOnline, 0);
    QCOMPARE(pathOf(listed.at(2)), QString());
    QCOMPARE(QByteArray(listed.at(2).hidModel), QByteArray("LT68HE"));
    QCOMPARE(roster.deviceInfoMap().keys().size(), 2);
    // The receiver's keyboard counts absent until the receiver reports it.
    QCOMPARE(roster.dongleStatus(qpath(receiver)), int(KeyboardRoster::DongleAbsent));
    QVERIFY(roster.links().isEmpty());
}

void tst_KeyboardRoster::linksWaitSideBySide()
{
    auto &sim = SimController::instance();
    const std::string slow = sim.plug("LT108HE");
    const std::string prompt = sim.plug("LT68HE");
    lumtar::sim::SimFaults faults;
    faults.noSideLightList = true; // this link waits its whole time
    QVERIFY(sim.setFaults(slow, faults));
    KeyboardRoster roster;
    roster.enumerateAll();
    QSignalSpy settled(&roster, &KeyboardRoster::linksSettled);
    QSignalSpy created(&roster, &KeyboardRoster::linkCreated);

    QElapsedTimer clock;
    clock.start();
    roster.createLink(roster.record(qpath(slow)));
    roster.createLink(roster.record(qpath(prompt)));
    // Creating them does not wait for either keyboard.
    QVERIFY2(clock.elapsed() < KeyboardRoster::LinkReadyWaitMs / 2, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(created.count(), 2);
    QVERIFY(roster.isSettling());

    QTRY_VERIFY(roster.link(qpath(prompt))->isDeviceInfoReady());
    QVERIFY(roster.isSettling()); // the slow one still waits
    QVERIFY(settled.wait(5000));
    QCOMPARE(settled.count(), 1);
    QVERIFY(!roster.isSettling());
    QVERIFY(clock.elapsed() >= KeyboardRoster::LinkReadyWaitMs - 50);
    // Both stay listed and open; the slow one only stopped being waited for.
    QCOMPARE(roster.links().size(), 2);
    QVERIFY(roster.link(qpath(slow))->hidInterface()->isOpen());
}

void tst_KeyboardRoster::linkThatCannotOpenIsDroppedAndTriedAgain()
{
    auto &sim = SimController::instance();
    const std::string path = sim.plug("LT104RGB");
    lumtar::sim::SimFaults refused;
    refused.openRefused = true;
    QVERIFY(sim.setFaults(path, refused));
    KeyboardRoster roster;
    const hidStructInfoAll record = recordOf(roster, path);
    QSignalSpy settled(&roster, &KeyboardRoster::linksSettled);

    roster.createLink(record);
    // Nothing listens to a keyboard that is not open: no link, no wait.
    QVERIFY(roster.links().isEmpty());
    QVERIFY(!roster.isSettling());
    QVERIFY(roster.contains(qpath(path)));
    roster.relinkUnlinked(); // still refused: still nothing
    QVERIFY(roster.links().isEmpty());

    // The user was given access: the next change opens it.
    QVERIFY(sim.setFaults(path, lumtar::sim::SimFaults()));
    roster.relinkUnlinked();
    QVERIFY(roster.link(qpath(path)));
    QVERIFY(roster.link(qpath(path))->hidInterface()->isOpen());
    QVERIFY(settled.wait(5000));
    QVERIFY(roster.link(qpath(path))->isDeviceInfoReady());
}

void tst_KeyboardRoster::deviceGoneWhileItsLinkWaits()
{
    auto &sim = SimController::instance();
    const std::string path = sim.plug("LT108HE");
    lumtar::sim::SimFaults faults;
    faults.noSideLightList = true;
    QVERIFY(sim.setFaults(path, faults));
    KeyboardRoster roster;
    roster.createLink(recordOf(roster, path));
    QSignalSpy settled(&roster, &KeyboardRoster::linksSettled);
    QVERIFY(roster.isSettling());

    roster.giveUpVanished(); // still attached: it goes on waiting
    QVERIFY(roster.isSettling());
    QVERIFY(sim.unplug(path));
    roster.giveUpVanished();
    QCOMPARE(settled.count(), 1);
    QVERIFY(!roster.isSettling());

    // Unlisting it retires the link: closed now, deleted from the event loop.
    QPointer<DDeviceKeyboardLink> link = roster.link(qpath(path));
    QPointer<MainHidInterFace> io = link->hidInterface();
    roster.removeDevice(qpath(path));
    QVERIFY(roster.links().isEmpty());
    QVERIFY(!io->isOpen());
    QTRY_VERIFY(link.isNull());
}

void tst_KeyboardRoster::closeAllJoinsEveryThread()
{
    auto &sim = SimController::instance();
    const std::string first = sim.plug("LT108HE");
    const std::string second = sim.plug("LT68HE");
    lumtar::sim::SimFaults faults;
    faults.noSideLightList = true;
    QVERIFY(sim.setFaults(first, faults));
    KeyboardRoster roster;
    roster.enumerateAll();
    QSignalSpy settled(&roster, &KeyboardRoster::linksSettled);
    QList<QPointer<MainHidInterFace>> threads;
    QList<QPointer<DDeviceKeyboardLink>> links;
    for (const std::string &path : {first, second}) {
        roster.createLink(roster.record(qpath(path)));
        DDeviceKeyboardLink *link = roster.link(qpath(path));
        QVERIFY(link);
        QTRY_VERIFY(link->hidInterface()->isRunning());
        threads << link->hidInterface();
        links << link;
    }
    QVERIFY(roster.isSettling());

    roster.closeAll();

    QVERIFY(roster.links().isEmpty());
    QVERIFY(roster.deviceInfoMap().isEmpty());
    QVERIFY(!roster.isSettling());
    for (const auto &link : links)
        QVERIFY(!link);
    for (const auto &thread : threads)
        QVERIFY(!thread);
    // A wait that was ended tells nothing afterwards.
    QTest::qWait(KeyboardRoster::LinkReadyWaitMs + 100);
    QCOMPARE(settled.count(), 0);
}

void tst_KeyboardRoster::likeNamesStopAtTheirField()
{
    // A record whose name fills its whole field, without a closing NUL: the
    // name ends with the field, nothing of the next field is taken in.
    KeyboardRoster roster;
    hidStructInfoAll record = fakeRecord("/dev/hidraw9", LUMTAR_CONNECT_USB);
    std::memset(record.likeName, 'K', sizeof record.likeName);
    std::memset(record.firmwareVersion, 'V', sizeof record.firmwareVersion);
    roster.addDevice(record);
    hidStructInfoAll plain = fakeRecord("/dev/hidraw8", LUMTAR_CONNECT_USB);
    lumtarCopyField(plain.likeName, "Board");
    roster.addDevice(plain);

    const QMap<QString, QString> names = roster.likeNameMap();
    QCOMPARE(names.value(QStringLiteral("/dev/hidraw9")), QString(int(sizeof record.likeName), QLatin1Char('K')));
    QCOMPARE(names.value(QStringLiteral("/dev/hidraw8")), QStringLiteral("Board"));
}

void tst_KeyboardRoster::replacementRule_data()
{
    QTest::addColumn<int>("receiverStatus"); // what the receiver "a" last reported; -1 nothing
    QTest::addColumn<bool>("withCable");     // a keyboard by cable "b" is listed too
    QTest::addColumn<QString>("chosen");
    QTest::newRow("receiver without report, cable") << -1 << true << "b";
    QTest::newRow("receiver keyboard absent, cable") << 1 << true << "b";
    QTest::newRow("receiver keyboard present comes first") << 0 << true << "a";
    QTest::newRow("receiver keyboard present alone") << 0 << false << "a";
    QTest::newRow("nothing usable") << 1 << false << "";
}

void tst_KeyboardRoster::replacementRule()
{
    QFETCH(int, receiverStatus);
    QFETCH(bool, withCable);
    QFETCH(QString, chosen);
    KeyboardRoster roster;
    roster.addDevice(fakeRecord("a", LUMTAR_CONNECT_RECEIVER));
    if (receiverStatus >= 0)
        roster.setDongleStatus(QStringLiteral("a"), receiverStatus);
    if (withCable)
        roster.addDevice(fakeRecord("b", LUMTAR_CONNECT_USB));
    // A receiver is listed offline until its keyboard is reported.
    QCOMPARE(roster.record(QStringLiteral("a")).isOnline, 0);

    hidStructInfoAll replacement = {};
    QCOMPARE(roster.findReplacement(&replacement), !chosen.isEmpty());
    QCOMPARE(pathOf(replacement), chosen);
}

void tst_KeyboardRoster::deferredTasksWaitTheirTurn()
{
    KeyboardRoster roster;
    QList<Task> due;
    connect(&roster, &KeyboardRoster::taskDue, this, [&](Task task) { due << task; });

    // Device changes wait for the first enumeration; the enumeration itself
    // may run at once.
    roster.defer(Task::Arrival);
    QTest::qWait(20);
    QVERIFY(due.isEmpty());
    roster.defer(Task::LoadList);
    QTRY_COMPARE(due, QList<Task>{Task::LoadList});
    QVERIFY(!roster.isIdle());
    roster.setListLoaded();
    QTRY_COMPARE(due, (QList<Task>{Task::LoadList, Task::Arrival}));
    QVERIFY(roster.isIdle());

    // While work runs everything waits, each task once, then in their order.
    due.clear();
    roster.setWorking(Work::Opening, true);
    roster.defer(Task::DongleRecheck);
    roster.defer(Task::Removal);
    roster.defer(Task::Removal);
    roster.defer(Task::Arrival);
    QTest::qWait(20);
    QVERIFY(due.isEmpty());
    QVERIFY(roster.isBusy());
    roster.setWorking(Work::Opening, false);
    QTRY_COMPARE(due, (QList<Task>{Task::Arrival, Task::Removal, Task::DongleRecheck}));
    QVERIFY(roster.isIdle());
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_KeyboardRoster test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyboardroster.moc"
