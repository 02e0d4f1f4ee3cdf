// The device-change monitor: the interface names it makes of udev events,
// and the simulated keyboard's plug and unplug arriving through it in the
// monitor's own thread, once each.
#include <QtTest>

#include <QThread>

#include "platform/udev/DeviceChangeMonitor.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"
#include "support/TempHome.h"

using lumtar::sim::SimController;

class tst_Udev : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void interfaceName_data();
    void interfaceName();
    void simulatedPlugAndUnplug();
    void noEventsAfterDestruction();
};

void tst_Udev::initTestCase()
{
    QCOMPARE(CLumtarHid_Init(), 0);
}

void tst_Udev::cleanup()
{
    SimController::instance().unplugAll();
}

void tst_Udev::interfaceName_data()
{
    QTest::addColumn<QString>("subsystem");
    QTest::addColumn<QString>("devtype");
    QTest::addColumn<QString>("devpath");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("name");
    const QString hidPath =
        QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:1209:7472.0005/hidraw/hidraw3");
    QTest::newRow("hidraw") << "hidraw" << "" << hidPath << ""
                            << QStringLiteral("hidraw#vid_1209&pid_7472#") + hidPath;
    QTest::newRow("hidraw upper-case hex")
        << "hidraw" << "" << "/devices/x/0003:1FC9:F7DF.000A/hidraw/hidraw0" << ""
        << "hidraw#vid_1fc9&pid_f7df#/devices/x/0003:1FC9:F7DF.000A/hidraw/hidraw0";
    QTest::newRow("hidraw without ids") << "hidraw" << "" << "/devices/virtual/misc/uhid/hidraw/hidraw1" << ""
                                        << "";
    QTest::newRow("usb device") << "usb" << "usb_device" << "/devices/pci0000:00/usb1/1-2" << "1209/7472/100"
                                << "usb#vid_1209&pid_7472#/devices/pci0000:00/usb1/1-2";
    QTest::newRow("usb ids without leading zeros") << "usb" << "usb_device" << "/d/1-3" << "46d/c52b/1203"
                                                   << "usb#vid_046d&pid_c52b#/d/1-3";
    QTest::newRow("usb interface") << "usb" << "usb_interface" << "/d/1-3/1-3:1.0" << "46d/c52b/1203" << "";
    QTest::newRow("usb product not hex") << "usb" << "usb_device" << "/d/1-3" << "zz/c52b/1" << "";
    QTest::newRow("usb product too wide") << "usb" << "usb_device" << "/d/1-3" << "12345/c52b/1" << "";
    QTest::newRow("usb product missing") << "usb" << "usb_device" << "/d/1-3" << "" << "";
    QTest::newRow("other subsystem") << "input" << "" << "/devices/x/0003:1209:7472.0005/input/input9" << "" << "";
}

void tst_Udev::interfaceName()
{
    QFETCH(QString, subsystem);
    QFETCH(QString, devtype);
    QFETCH(QString, devpath);
    QFETCH(QString, product);
    QFETCH(QString, name);
    QCOMPARE(DeviceChangeMonitor::interfaceName(subsystem, devtype, devpath, product), name);
}

void tst_Udev::simulatedPlugAndUnplug()
{
    DeviceChangeMonitor monitor;
    // udev may be out of reach (no netlink in a container); the simulated
    // devices are reported all the same.
    if (!monitor.start())
        QVERIFY(!monitor.errorText().isEmpty());
    QSignalSpy changes(&monitor, &DeviceChangeMonitor::sigDeviceChanged);
    QList<QThread *> threads;
    connect(&monitor, &DeviceChangeMonitor::sigDeviceChanged, this,
            [&threads] { threads << QThread::currentThread(); }, Qt::DirectConnection);

    auto &sim = SimController::instance();
    std::string path;
    // Plugged from another thread, as the simulator's own events come.
    QThread *plugger = QThread::create([&] { path = sim.plug("LT108HE"); });
    plugger->start();
    QVERIFY(plugger->wait(5000));
    delete plugger;
    QVERIFY(!path.empty());
    QTRY_COMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toBool(), true);
    QCOMPARE(changes.at(0).at(1).toString(), QString::fromStdString(path));
    QVERIFY(changes.at(0).at(1).toString().contains(QStringLiteral("vid_1209&pid_7472")));

    QVERIFY(sim.unplug(path));
    QTRY_COMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1).at(0).toBool(), false);
    QCOMPARE(changes.at(1).at(1).toString(), QString::fromStdString(path));

    QTest::qWait(100);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(threads, (QList<QThread *>{QThread::currentThread(), QThread::currentThread()}));
}

void tst_Udev::noEventsAfterDestruction()
{
    auto *monitor = new DeviceChangeMonitor;
    monitor->start();
    QSignalSpy changes(monitor, &DeviceChangeMonitor::sigDeviceChanged);
    const std::string path = SimController::instance().plug("LT68HE");
    QVERIFY(!path.empty());
    // Destroyed with the arrival still queued: nothing is delivered and
    // nothing dangles.
    delete monitor;
    QVERIFY(SimController::instance().unplug(path));
    QTest::qWait(50);
    QCOMPARE(changes.count(), 0);
}

QTEST_GUILESS_MAIN(tst_Udev)

#include "tst_udev.moc"
