// Quitting while the device page is busy: during the first enumeration
// (links waiting for their keyboards), during an open (reading the travel
// values of every key) and during an onboard download. The event loop ends
// at once and every I/O thread is joined.
#include <QtTest>

#include <QPointer>

#include "core/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/include/LumtarXml.h"
#include "sdk/sim/SimController.h"
#include "support/DevicePageProbe.h"
#include "support/TempHome.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"

#include <memory>

using lumtar::sim::SimController;

namespace {

const int kSettleMs = 40000;
// Far below every wait the busy page was in: a link's 1.3 s, a travel read
// of many seconds, a download of several seconds.
const int kQuitWithinMs = 1000;

} // namespace

class tst_Quit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void quitWhileBusy_data();
    void quitWhileBusy();
};

void tst_Quit::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
    DDataManager::getInstance();
    QCOMPARE(CLumtarXML_Init(), 0);
    QCOMPARE(CLumtarHid_Init(), 0);
    SimController::instance().unplugAll();
}

void tst_Quit::cleanup()
{
    SimController::instance().unplugAll();
    QTest::qWait(50);
}

void tst_Quit::quitWhileBusy_data()
{
    QTest::addColumn<QString>("busyWith");
    QTest::newRow("first enumeration") << "enumeration";
    QTest::newRow("open") << "open";
    QTest::newRow("download") << "download";
}

void tst_Quit::quitWhileBusy()
{
    QFETCH(QString, busyWith);
    auto &sim = SimController::instance();
    lumtar::sim::SimFaults faults;
    if (busyWith == "enumeration")
        faults.noSideLightList = true; // every link waits its whole time
    else if (busyWith == "open")
        faults.replyDelayMs = 300; // the travel values come in slowly
    else
        faults.ackDelayMs = 60; // each macro report is taken slowly
    for (const char *model : {"LT108HE", "LT68HE"}) {
        const std::string path = sim.plug(model);
        QVERIFY(sim.setFaults(path, faults));
    }

    auto window = std::make_unique<DMainWidget>();
    DDevicePage *page = window->devicePage();
    DevicePageProbe probe(page);
    if (busyWith == "enumeration") {
        QTRY_VERIFY_WITH_TIMEOUT(page->roster()->isSettling(), kSettleMs);
    } else if (busyWith == "open") {
        QTRY_VERIFY_WITH_TIMEOUT(!probe.profileFolder().isEmpty(), kSettleMs);
        QVERIFY(page->isDeviceWorkRunning());
    } else {
        QVERIFY(probe.waitUntilIdle(kSettleMs));
        emit page->findChild<DCustomKeysPage *>()->sigTheKeyboardIntoDownloading();
        QTRY_VERIFY(page->isDownloadRunning());
        QTest::qWait(300);
        QVERIFY(page->isDownloadRunning());
    }
    QList<QPointer<DDeviceKeyboardLink>> links;
    QList<QPointer<MainHidInterFace>> threads;
    for (DDeviceKeyboardLink *link : page->roster()->links()) {
        links << link;
        threads << link->hidInterface();
    }
    QCOMPARE(links.size(), 2);

    QElapsedTimer clock;
    QTimer::singleShot(0, window.get(), [&] {
        clock.start();
        window->onQuitApp();
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    const qint64 quitMs = clock.elapsed();
    QVERIFY2(quitMs < kQuitWithinMs, qPrintable(QString::number(quitMs)));
    for (const auto &thread : threads)
        QVERIFY(thread.isNull());
    for (const auto &link : links)
        QVERIFY(link.isNull());
    QVERIFY(page->roster()->links().isEmpty());
    QVERIFY(!page->isDownloadRunning());
    QVERIFY(!page->isDeviceWorkRunning());
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_Quit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quit.moc"
