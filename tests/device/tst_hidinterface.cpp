// The per-device I/O thread against the simulated keyboard: the send queues
// and their order, the light batches, reads, closing and unplugging, and
// that it turns only for work: a report to write or one that arrived.
#include "device/MainHidInterFace.h"
#include "sdk/include/LumtarHid.h"
#include "sdk/sim/SimController.h"
#include "support/LogCapture.h"
#include "support/SimReportLog.h"

#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>

using lumtar::sim::SimController;
using SimReportLog::report;

namespace {

QByteArray lightFrame(int number)
{
    return report({{0, 1}, {1, 0x0E}, {4, number}, {5, 54}, {6, number}});
}

// Frame numbers of the light frames the keyboard received, in order.
QList<int> framesReceived(const std::string &path)
{
    QList<int> frames;
    for (const QByteArray &r : SimReportLog::all(path)) {
        if (r.at(1) == 0x0E)
            frames.append(static_cast<unsigned char>(r.at(4)));
    }
    return frames;
}

} // namespace

class tst_HidInterface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void openQueuesSerialInquiryFirst();
    void serialReplyOnlyThroughItsOwnSignal();
    void shakeHandsReport();
    void openFailure();
    void lightFramesGoOutInBatches();
    void lightFramesWaitWhileSendingIsOff();
    void commandsGoBeforeWaitingFrames();
    void writesAfterCloseAreRefused();
    void commandsQueuedBeforeCloseGoOut();
    void closeWhileTheThreadWorks();
    void shortReadsCarryNoStaleBytes();
    void shortSerialReplyIgnored();
    void unplugWhileRunning();
    void idleKeyboardTakesFewTurns();
    void turnsOnlyForWork_data();
    void turnsOnlyForWork();
    void keyReportRelayedAtOnce();

private:
    // Plugs a keyboard and opens and starts its I/O thread. Input reports are
    // collected (and freed) into m_inputs / m_serialReplies.
    void openKeyboard(const char *model = "LT104RGB");
    // Queues a keep-alive and waits until the keyboard got it: everything
    // queued before it has been written by then.
    void sync();

    std::string m_path;
    MainHidInterFace *m_io = nullptr;
    QList<QByteArray> m_inputs;
    QList<int> m_inputLengths;
    QList<QByteArray> m_serialReplies;
};

void tst_HidInterface::initTestCase()
{
    QCOMPARE(CLumtarHid_Init(), 0);
}

void tst_HidInterface::openKeyboard(const char *model)
{
    m_inputs.clear();
    m_inputLengths.clear();
    m_serialReplies.clear();
    m_path = SimController::instance().plug(model);
    QVERIFY(!m_path.empty());
    m_io = new MainHidInterFace(3, QString::fromLatin1(model));
    connect(m_io, &MainHidInterFace::sigHidDataArrived, this, [this](unsigned char *d, int length, int index) {
        QCOMPARE(index, 3);
        m_inputs.append(QByteArray(reinterpret_cast<const char *>(d), 64));
        m_inputLengths.append(length);
        delete[] d;
    });
    connect(m_io, &MainHidInterFace::sigHidSnGetOver, this, [this, model](unsigned char *d, QString name) {
        QCOMPARE(name, QString::fromLatin1(model));
        m_serialReplies.append(QByteArray(reinterpret_cast<const char *>(d), 64));
        delete[] d;
    });
    QCOMPARE(m_io->openHid(QString::fromStdString(m_path)), 0);
    QVERIFY(m_io->isOpen());
    m_io->start();
}

void tst_HidInterface::cleanup()
{
    delete m_io;
    m_io = nullptr;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    SimController::instance().unplugAll();
}

void tst_HidInterface::sync()
{
    const QByteArray marker = report({{0, 0}, {1, 0}, {5, 1}});
    const int before = SimReportLog::all(m_path).count(marker);
    QCOMPARE(m_io->writeHidCmd(marker.constData()), 0);
    QTRY_VERIFY_WITH_TIMEOUT(SimReportLog::all(m_path).count(marker) > before, 5000);
}

void tst_HidInterface::openQueuesSerialInquiryFirst()
{
    openKeyboard();
    QTRY_VERIFY(!SimReportLog::all(m_path).isEmpty());
    QCOMPARE(SimReportLog::all(m_path).first(), report({{0, 0}, {1, 0x14}}));
}

void tst_HidInterface::serialReplyOnlyThroughItsOwnSignal()
{
    openKeyboard();
    QTRY_COMPARE(m_serialReplies.size(), 1);
    QCOMPARE(int(m_serialReplies.first().at(1)), 0x15);
    QVERIFY(!m_serialReplies.first().mid(6, 32).contains('\0'));
    // Ask for something else so that regular input flows too.
    QCOMPARE(m_io->writeHidCmd(report({{0, 1}, {1, 0x06}, {2, 1}}).constData()), 0);
    QTRY_VERIFY(!m_inputs.isEmpty());
    for (const QByteArray &r : qAsConst(m_inputs))
        QVERIFY(r.at(1) != 0x15);
}

void tst_HidInterface::shakeHandsReport()
{
    openKeyboard();
    m_io->onShakeHandsRuning();
    QTRY_VERIFY(SimReportLog::all(m_path).contains(report({{0, 0}, {1, 0}, {5, 1}, {6, 0}})));
}

void tst_HidInterface::openFailure()
{
    LogCapture log;
    MainHidInterFace io(0, QStringLiteral("LT104RGB"));
    QCOMPARE(io.openHid(QStringLiteral("hid#vid_1209&pid_0000&mi_01#sim/999")), -1);
    QCOMPARE(log.count(QStringLiteral("Unable to open device [Error]")), 1);
    QVERIFY(!io.isOpen());
    QCOMPARE(io.writeHidCmd(report({{0, 1}, {1, 9}}).constData()), -1);
    QCOMPARE(io.closeHid(), 0);
}

void tst_HidInterface::lightFramesGoOutInBatches()
{
    openKeyboard();
    QCOMPARE(m_io->lightBatchLimit(), 9);
    m_io->setLightSendEnabled(true);
    // Frames 1..9 wait for the batch to fill.
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(m_io->writeHidLightCmd(lightFrame(i).constData()), 0);
    sync();
    QCOMPARE(framesReceived(m_path), QList<int>());
    // The 10th closes the batch; what comes while it drains is dropped.
    for (int i = 10; i <= 15; ++i)
        QCOMPARE(m_io->writeHidLightCmd(lightFrame(i).constData()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(framesReceived(m_path).size(), 10, 5000);
    sync();
    QCOMPARE(framesReceived(m_path), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // Once the queue ran empty the next frame opens a new batch.
    for (int i = 16; i <= 25; ++i)
        QCOMPARE(m_io->writeHidLightCmd(lightFrame(i).constData()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(framesReceived(m_path).size(), 20, 5000);
    sync();
    QCOMPARE(framesReceived(m_path).mid(10), (QList<int>{16, 17, 18, 19, 20, 21, 22, 23, 24, 25}));
}

void tst_HidInterface::lightFramesWaitWhileSendingIsOff()
{
    openKeyboard("LT108HE");
    QCOMPARE(m_io->lightBatchLimit(), 10);
    // Sending off: frames are refused without queuing, and without an error.
    for (int i = 1; i <= 12; ++i)
        QCOMPARE(m_io->writeHidLightCmd(lightFrame(i).constData()), 0);
    sync();
    QCOMPARE(framesReceived(m_path), QList<int>());

    m_io->setLightSendEnabled(true);
    for (int i = 1; i <= 11; ++i)
        QCOMPARE(m_io->writeHidLightCmd(lightFrame(i).constData()), 0);
    m_io->setLightSendEnabled(false);
    sync();
    const int sentBeforeOff = framesReceived(m_path).size();
    sync();
    QCOMPARE(framesReceived(m_path).size(), sentBeforeOff);
    m_io->setLightSendEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(framesReceived(m_path).size(), 11, 5000);
    QCOMPARE(framesReceived(m_path), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

void tst_HidInterface::commandsGoBeforeWaitingFrames()
{
    openKeyboard();
    sync();
    m_io->setLightSendEnabled(true);
    for (int i = 1; i <= 10; ++i)
        m_io->writeHidLightCmd(lightFrame(i).constData());
    const QByteArray commands[3] = {report({{0, 1}, {1, 0x09}}), report({{0, 1}, {1, 0x0D}}),
                                    report({{0, 1}, {1, 0x13}, {2, 2}, {5, 1}})};
    for (const QByteArray &c : commands)
        QCOMPARE(m_io->writeHidCmd(c.constData()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(framesReceived(m_path).size(), 10, 5000);
    const QList<QByteArray> all = SimReportLog::all(m_path);
    const int first = all.indexOf(commands[0]);
    QVERIFY(first >= 0);
    QCOMPARE(all.indexOf(commands[1]), first + 1);
    QCOMPARE(all.indexOf(commands[2]), first + 2);
    QVERIFY(all.indexOf(lightFrame(10)) > first + 2);
}

void tst_HidInterface::commandsQueuedBeforeCloseGoOut()
{
    // The last report before closing (the light engine's "synchronisation
    // off") reaches the keyboard, also behind a batch of light frames.
    openKeyboard("LT108HE");
    sync();
    m_io->setLightSendEnabled(true);
    for (int i = 1; i <= 11; ++i)
        m_io->writeHidLightCmd(lightFrame(i).constData());
    const QByteArray last = report({{0, 1}, {1, 0x16}, {5, 1}});
    const QByteArray first = report({{0, 1}, {1, 0x09}});
    QCOMPARE(m_io->writeHidCmd(first.constData()), 0);
    QCOMPARE(m_io->writeHidCmd(last.constData()), 0);
    QCOMPARE(m_io->closeHid(), 0);
    const QList<QByteArray> got = SimReportLog::all(m_path);
    QVERIFY(got.contains(first));
    QVERIFY(got.indexOf(last) > got.indexOf(first));
    QCOMPARE(m_io->writeHidCmd(first.constData()), -1);
}

void tst_HidInterface::writesAfterCloseAreRefused()
{
    openKeyboard();
    sync();
    QCOMPARE(m_io->closeHid(), 0);
    QVERIFY(!m_io->isOpen());
    QVERIFY(!m_io->isRunning());
    const int before = SimReportLog::all(m_path).size();
    QCOMPARE(m_io->writeHidCmd(report({{0, 1}, {1, 9}}).constData()), -1);
    m_io->setLightSendEnabled(true);
    QCOMPARE(m_io->writeHidLightCmd(lightFrame(1).constData()), -1);
    m_io->onShakeHandsRuning();
    QCOMPARE(m_io->closeHid(), 0);
    QCOMPARE(SimReportLog::all(m_path).size(), before);
}

void tst_HidInterface::closeWhileTheThreadWorks()
{
    // The handle is released only after the thread left its loop: closing in
    // the middle of traffic, again and again, must never touch a released handle.
    for (int round = 0; round < 20; ++round) {
        openKeyboard();
        m_io->setLightSendEnabled(true);
        for (int i = 0; i < 30; ++i) {
            m_io->writeHidCmd(report({{0, 1}, {1, 0x06}, {2, 1}}).constData());
            m_io->writeHidLightCmd(lightFrame(i).constData());
        }
        QTest::qWait(round % 5);
        QCOMPARE(m_io->closeHid(), 0);
        QVERIFY(!m_io->isRunning());
        QCOMPARE(m_io->closeHid(), 0);
        cleanup();
    }
}

void tst_HidInterface::shortReadsCarryNoStaleBytes()
{
    openKeyboard();
    QTRY_COMPARE(m_serialReplies.size(), 1);
    lumtar::sim::SimFaults faults;
    faults.shortReadBytes = 10;
    QVERIFY(SimController::instance().setFaults(m_path, faults));
    // The light-configuration reply is a full report; only 10 bytes arrive.
    sync();
    m_inputs.clear();
    m_inputLengths.clear();
    QCOMPARE(m_io->writeHidCmd(report({{0, 1}, {1, 0x06}, {2, 1}}).constData()), 0);
    auto replyAt = [this] {
        for (int i = 0; i < m_inputs.size(); ++i) {
            if (m_inputs.at(i).at(1) == 0x07)
                return i;
        }
        return -1;
    };
    QTRY_VERIFY(replyAt() >= 0);
    QCOMPARE(m_inputLengths.at(replyAt()), 10);
    QCOMPARE(m_inputs.at(replyAt()).mid(10), QByteArray(54, '\0'));
}

void tst_HidInterface::shortSerialReplyIgnored()
{
    openKeyboard();
    QTRY_COMPARE(m_serialReplies.size(), 1);
    lumtar::sim::SimFaults faults;
    faults.shortReadBytes = 20; // the serial number needs bytes 6..37
    QVERIFY(SimController::instance().setFaults(m_path, faults));
    LogCapture log;
    QCOMPARE(m_io->writeHidCmd(report({{0, 0}, {1, 0x14}}).constData()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(log.countContaining(QStringLiteral("Short serial number report ignored")), 1, 5000);
    QCOMPARE(m_serialReplies.size(), 1);
    for (const QByteArray &r : qAsConst(m_inputs))
        QVERIFY(r.at(1) != 0x15);
}

void tst_HidInterface::unplugWhileRunning()
{
    openKeyboard();
    sync();
    LogCapture log;
    QVERIFY(SimController::instance().unplug(m_path));
    QTRY_COMPARE_WITH_TIMEOUT(log.countContaining(QStringLiteral("HID read failed")), 1, 5000);
    // Writes are still accepted until the owner closes; they go nowhere.
    QCOMPARE(m_io->writeHidCmd(report({{0, 1}, {1, 9}}).constData()), 0);
    QTest::qWait(50);
    QCOMPARE(log.countContaining(QStringLiteral("HID read failed")), 1);
    QCOMPARE(m_io->closeHid(), 0);
    QVERIFY(!m_io->isRunning());
}

void tst_HidInterface::idleKeyboardTakesFewTurns()
{
    openKeyboard();
    QTRY_COMPARE(m_serialReplies.size(), 1);
    sync();
    QTest::qWait(100);
    // An idle thread turns only for the keep-alive (turnsOnlyForWork counts
    // them exactly); a thread that looked every 2.5 ms would take 240.
    const long before = m_io->turns();
    QTest::qWait(600);
    const long idleTurns = m_io->turns() - before;
    QVERIFY2(idleTurns <= 100, QByteArray::number(qlonglong(idleTurns)).constData());

    // A command queued while the thread idles is written and answered.
    m_inputs.clear();
    QCOMPARE(m_io->writeHidCmd(report({{0, 1}, {1, 0x06}, {2, 1}}).constData()), 0);
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(m_inputs.cbegin(), m_inputs.cend(),
                                         [](const QByteArray &r) { return r.at(1) == 0x07; }),
                             5000);
}

void tst_HidInterface::turnsOnlyForWork_data()
{
    QTest::addColumn<bool>("lightSending");
    QTest::addColumn<bool>("streaming");
    QTest::newRow("nothing queued") << false << false;
    QTest::newRow("light sending on, no frame offered") << true << false;
    QTest::newRow("a whole frame every 30 ms") << true << true;
}

void tst_HidInterface::turnsOnlyForWork()
{
    // Each report written takes its write turn and the read turn after it;
    // each report read at most two pairs of turns. Between them the thread
    // sleeps: a thread that looked for work by the clock (every 2.5 ms while
    // frames stream, every 20 ms when idle) takes far more.
    QFETCH(bool, lightSending);
    QFETCH(bool, streaming);
    openKeyboard("LT108HE");
    QTRY_COMPARE(m_serialReplies.size(), 1);
    sync();
    m_io->setLightSendEnabled(lightSending);
    // As the lighting engine streams: one whole frame, a batch, each tick,
    // offered only while no batch drains.
    QTimer ticks;
    long offered = 0;
    connect(&ticks, &QTimer::timeout, this, [this, &offered] {
        if (!m_io->isLightQueueEmpty())
            return;
        for (int i = 0; i <= m_io->lightBatchLimit(); ++i)
            m_io->writeHidLightCmd(lightFrame(i).constData());
        ++offered;
    });
    if (streaming)
        ticks.start(30);
    QTest::qWait(100);

    auto arrived = [this] { return long(m_inputs.size() + m_serialReplies.size()); };
    const long turns0 = m_io->turns();
    const long written0 = long(SimReportLog::all(m_path).size());
    const long arrived0 = arrived();
    const long offered0 = offered;
    QTest::qWait(1000);
    const long turns = m_io->turns() - turns0;
    const long written = long(SimReportLog::all(m_path).size()) - written0;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    const long read = arrived() - arrived0;
    ticks.stop();
    const QByteArray figures = QStringLiteral("%1 turns, %2 reports written, %3 read")
                                   .arg(turns)
                                   .arg(written)
                                   .arg(read)
                                   .toLatin1();
    QVERIFY2(turns <= 2 * written + 4 * read + 6, figures.constData());
    if (streaming) {
        QVERIFY2(offered - offered0 >= 10, figures.constData());
        QVERIFY2(written >= (offered - offered0 - 1) * (m_io->lightBatchLimit() + 1), figures.constData());
    } else {
        // The keep-alive (once a second) and nothing else.
        QVERIFY2(written <= 2, figures.constData());
    }
}

void tst_HidInterface::keyReportRelayedAtOnce()
{
    // A key report that arrives while the thread waits is relayed at once,
    // not at the thread's next look (an idle thread that looked every 20 ms
    // kept it 10 ms on average).
    openKeyboard("LT108HE");
    QTRY_COMPARE(m_serialReplies.size(), 1);
    sync();
    using Clock = std::chrono::steady_clock;
    std::atomic<long long> relayedAt{0};
    // Seen in the I/O thread as it emits; the queued slot frees the copy later.
    const QMetaObject::Connection seen = connect(m_io, &MainHidInterFace::sigHidDataArrived, this,
            [&relayedAt](unsigned char *d, int, int) {
                if (d[1] == 0x04)
                    relayedAt.store(Clock::now().time_since_epoch().count());
            },
            Qt::DirectConnection);
    std::vector<double> latenciesMs;
    for (int press = 0; press < 15; ++press) {
        QTest::qWait(40); // the thread has gone idle
        relayedAt.store(0);
        const Clock::time_point sent = Clock::now();
        QVERIFY(SimController::instance().sendKeyReport(m_path, {0, 0, 26, 0, 0, 0, 0, 0}));
        QTRY_VERIFY_WITH_TIMEOUT(relayedAt.load() != 0, 5000);
        const Clock::time_point relayed{Clock::duration(relayedAt.load())};
        latenciesMs.push_back(std::chrono::duration<double, std::milli>(relayed - sent).count());
    }
    disconnect(seen);
    std::sort(latenciesMs.begin(), latenciesMs.end());
    const double median = latenciesMs[latenciesMs.size() / 2];
    QVERIFY2(median < 4.0, QByteArray::number(median).constData());
    QTRY_VERIFY(std::count_if(m_inputs.cbegin(), m_inputs.cend(), [](const QByteArray &r) { return r.at(1) == 0x04; })
                == 15);
}

QTEST_GUILESS_MAIN(tst_HidInterface)
#include "tst_hidinterface.moc"
