// The device-change router without a window: which notices count, a burst
// passed on once it has settled (each notice restarting the wait), runs of
// one kind folded, the order kept, bootloaders told at once, and pending
// notices dropped when the program quits.
#include <QtTest>

#include <memory>

#include "ui/mainwidget/DeviceChangeRouter.h"

namespace {

const QList<QPair<QString, QString>> kSupported = {{"1A2B", "4c5d"}, {"1209", "7472"}, {"1FC9", "F7DF"}};
const QList<QPair<QString, QString>> kBootloaders = {{"0416", "3f00"}, {"1FC9", "F7DF"}, {"0416", "3f01"}};

} // namespace

class tst_DeviceChangeRouter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void matching_data();
    void matching();
    void burstPassedOnOnceSettled();
    void runsOfOneKindFoldedOrderKept();
    void clearDropsPendingNotices();

private:
    // Records what the router passes on, as "into x", "remove x", "boot x".
    QStringList m_told;
    std::unique_ptr<DeviceChangeRouter> m_router;
};

void tst_DeviceChangeRouter::init()
{
    m_told.clear();
    m_router = std::make_unique<DeviceChangeRouter>();
    m_router->setSupportedIds(kSupported);
    m_router->setBootloaderIds(kBootloaders);
    connect(m_router.get(), &DeviceChangeRouter::sigDeviceArrived, this,
            [this](const QString &name) { m_told << "into " + name; });
    connect(m_router.get(), &DeviceChangeRouter::sigDeviceRemoved, this,
            [this](const QString &name) { m_told << "remove " + name; });
    connect(m_router.get(), &DeviceChangeRouter::sigBootloaderArrived, this,
            [this](const QString &name) { m_told << "boot " + name; });
}

void tst_DeviceChangeRouter::matching_data()
{
    QTest::addColumn<bool>("arrived");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("told");
    const QString lower = "hidraw#vid_1a2b&pid_4c5d#/devices/x";
    const QString upper = "USB#VID_1A2B&PID_4C5D#X";
    const QString removal = "hid#vid_1209&pid_7472&mi_01#sim/4";
    const QString bootloader = "usb#vid_0416&pid_3f00#/d";
    const QString supportedBootloader = "usb#vid_1fc9&pid_f7df#/d";
    QTest::newRow("lower-case ids") << true << lower << QStringList{"into " + lower};
    QTest::newRow("upper-case ids") << true << upper << QStringList{"into " + upper};
    QTest::newRow("removal") << false << removal << QStringList{"remove " + removal};
    QTest::newRow("vendor only") << true << "usb#vid_1209&pid_0001#/d" << QStringList{};
    QTest::newRow("bootloader") << true << bootloader << QStringList{"boot " + bootloader};
    QTest::newRow("supported bootloader") << true << supportedBootloader
                                          << QStringList{"boot " + supportedBootloader, "into " + supportedBootloader};
    QTest::newRow("bootloader gone") << false << "usb#vid_0416&pid_3f01#/d" << QStringList{};
    QTest::newRow("0416 alone") << true << "usb#vid_0416&pid_3f02#/d" << QStringList{};
}

void tst_DeviceChangeRouter::matching()
{
    QFETCH(bool, arrived);
    QFETCH(QString, name);
    QFETCH(QStringList, told);
    m_router->onDeviceChangeNotify(arrived, name);
    // A bootloader is told at once, a device change once it has settled.
    for (const QString &line : qAsConst(m_told))
        QVERIFY2(line.startsWith("boot "), qPrintable(line));
    if (told.size() > m_told.size())
        QTRY_COMPARE(m_told.size(), told.size());
    else
        QTest::qWait(2 * DeviceChangeRouter::SettleDelayMs);
    QCOMPARE(m_told, told);
}

void tst_DeviceChangeRouter::burstPassedOnOnceSettled()
{
    // A plug announces four interfaces, 100 ms apart: each notice restarts
    // the wait, so nothing is passed on before the burst is over.
    const QStringList burst = {"usb#vid_1209&pid_7472#/a", "input#vid_1209&pid_7472#/a",
                               "hid#vid_1209&pid_7472#/a", "hidraw#vid_1209&pid_7472#/a"};
    QElapsedTimer clock;
    clock.start();
    qint64 lastNotice = 0;
    qint64 longestGap = 0;
    for (const QString &name : burst) {
        if (lastNotice > 0 || name != burst.first())
            QTest::qWait(100);
        longestGap = qMax(longestGap, clock.elapsed() - lastNotice);
        lastNotice = clock.elapsed();
        m_router->onDeviceChangeNotify(true, name);
    }
    const bool toldDuringBurst = !m_told.isEmpty();
    QTRY_VERIFY(!m_told.isEmpty());
    const qint64 toldAfter = clock.elapsed() - lastNotice;
    if (longestGap >= DeviceChangeRouter::SettleDelayMs)
        QSKIP("the machine was too slow to send the burst within the settling time");
    QVERIFY(!toldDuringBurst);
    QVERIFY2(toldAfter >= DeviceChangeRouter::SettleDelayMs - 5, qPrintable(QString::number(toldAfter)));
    // The whole burst is one arrival, named by its first notice.
    QTest::qWait(DeviceChangeRouter::SettleDelayMs);
    QCOMPARE(m_told, QStringList{"into " + burst.first()});
    QVERIFY(!m_router->hasPendingChanges());
}

void tst_DeviceChangeRouter::runsOfOneKindFoldedOrderKept()
{
    // A replug and another keyboard within one burst: the page looks at the
    // devices once per change of kind, in the order the changes came.
    const QString a = "usb#vid_1209&pid_7472#/a";
    const QString b = "usb#vid_1209&pid_7472#/b";
    m_router->onDeviceChangeNotify(true, a);
    m_router->onDeviceChangeNotify(false, b);
    m_router->onDeviceChangeNotify(false, b);
    m_router->onDeviceChangeNotify(true, b);
    QTRY_COMPARE(m_told.size(), 3);
    QCOMPARE(m_told, (QStringList{"into " + a, "remove " + b, "into " + b}));
    QTest::qWait(2 * DeviceChangeRouter::SettleDelayMs);
    QCOMPARE(m_told.size(), 3);
}

void tst_DeviceChangeRouter::clearDropsPendingNotices()
{
    m_router->onDeviceChangeNotify(true, "usb#vid_1209&pid_7472#/a");
    QVERIFY(m_router->hasPendingChanges());
    m_router->clear();
    QTest::qWait(2 * DeviceChangeRouter::SettleDelayMs);
    QVERIFY(m_told.isEmpty());
}

QTEST_GUILESS_MAIN(tst_DeviceChangeRouter)
#include "tst_devicechangerouter.moc"
