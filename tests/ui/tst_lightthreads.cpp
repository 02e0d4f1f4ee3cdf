// The light engine's tick threads: the frame ticks keep their interval (also
// across the wrap of the clock's digits, with an injected clock), the 30 ms
// ticks keep to the clock, a stop ends a loop and a start right after it
// keeps the thread going; a light without motion and the paint tick on
// demand tick only when asked, and sleep otherwise; a carried thread emits
// nothing and its owner takes the ticks due at the light's pace.
#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadUI.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>

namespace {

// Counts the ticks a thread emits, from the thread itself.
struct TickCount {
    std::atomic<int> n{0};
    void hit() { ++n; }
};

} // namespace

class TestLightThreads : public QObject
{
    Q_OBJECT

private slots:
    void frameTicksKeepTheirInterval_data();
    void frameTicksKeepTheirInterval();
    void periodicTicksKeepToTheClock_data();
    void periodicTicksKeepToTheClock();
    void stopEndsTheLoop();
    void startRightAfterStopGoesOn();
    void frameTicksWithoutMotionOnlyWhenAsked();
    void periodicTicksOnDemandOnlyWhenAsked();
    void carriedThreadsLeaveTheirTicksToTheOwner();
};

void TestLightThreads::frameTicksKeepTheirInterval_data()
{
    QTest::addColumn<bool>("side");
    QTest::addColumn<int>("interval");
    QTest::addColumn<qint64>("offset"); // added to the real clock
    QTest::newRow("keyboard, 12 ms") << false << 12 << qint64(0);
    QTest::newRow("keyboard, 28 ms") << false << 28 << qint64(0);
    QTest::newRow("keyboard, held at 8 ms") << false << 1 << qint64(0);
    QTest::newRow("side, 15 ms") << true << 15 << qint64(0);
    // The last 8 (side: 6) digits wrap 200 ms into the run.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QTest::newRow("keyboard across the wrap") << false << 12 << (100000000LL - now % 100000000LL - 200);
    QTest::newRow("side across the wrap") << true << 12 << (1000000LL - now % 1000000LL - 200);
}

void TestLightThreads::frameTicksKeepTheirInterval()
{
    QFETCH(bool, side);
    QFETCH(int, interval);
    QFETCH(qint64, offset);
    updateLightMainThread keyboard;
    updateLightMainThreadSide sideThread;
    LightFrameTickThread *thread = side ? static_cast<LightFrameTickThread *>(&sideThread) : &keyboard;
    thread->setClock([offset] { return QDateTime::currentMSecsSinceEpoch() + offset; });
    thread->setInterval(interval);
    TickCount ticks;
    if (side)
        connect(&sideThread, &updateLightMainThreadSide::sigDviceUpdateAllKeyColorSide, this,
                [&ticks] { ticks.hit(); }, Qt::DirectConnection);
    else
        connect(&keyboard, &updateLightMainThread::sigDviceUpdateAllKeyColor, this, [&ticks] { ticks.hit(); },
                Qt::DirectConnection);
    QElapsedTimer run;
    run.start();
    thread->setRunning(true);
    thread->start();
    QTest::qWait(600);
    thread->setRunning(false);
    QVERIFY(thread->wait(1000));
    const double expected = static_cast<double>(run.elapsed()) / thread->interval();
    // A loaded machine loses ticks; it never gains any.
    QVERIFY2(ticks.n.load() <= expected + 2, qPrintable(QStringLiteral("%1 ticks, %2 expected").arg(ticks.n).arg(expected)));
    QVERIFY2(ticks.n.load() >= expected / 2, qPrintable(QStringLiteral("%1 ticks, %2 expected").arg(ticks.n).arg(expected)));
}

void TestLightThreads::periodicTicksKeepToTheClock_data()
{
    QTest::addColumn<bool>("paint");
    QTest::newRow("paint") << true;
    QTest::newRow("stream") << false;
}

void TestLightThreads::periodicTicksKeepToTheClock()
{
    QFETCH(bool, paint);
    updateLightMainThreadUI paintThread;
    sendLightUpdataThread streamThread;
    LightPeriodicThread *thread = paint ? static_cast<LightPeriodicThread *>(&paintThread) : &streamThread;
    TickCount ticks;
    if (paint)
        connect(&paintThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this, [&ticks] { ticks.hit(); },
                Qt::DirectConnection);
    else
        connect(&streamThread, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, this,
                [&ticks] { ticks.hit(); }, Qt::DirectConnection);
    QElapsedTimer run;
    run.start();
    thread->setRunning(true);
    thread->start();
    QTest::qWait(1000);
    thread->setRunning(false);
    QVERIFY(thread->wait(1000));
    const double expected = static_cast<double>(run.elapsed()) / LightPeriodicThread::PeriodMs;
    QVERIFY2(ticks.n.load() <= expected + 1, qPrintable(QStringLiteral("%1 ticks, %2 expected").arg(ticks.n).arg(expected)));
    QVERIFY2(ticks.n.load() >= expected / 2, qPrintable(QStringLiteral("%1 ticks, %2 expected").arg(ticks.n).arg(expected)));
}

void TestLightThreads::stopEndsTheLoop()
{
    updateLightMainThread keyboard;
    sendLightUpdataThread stream;
    keyboard.setInterval(28);
    keyboard.setRunning(true);
    stream.setRunning(true);
    keyboard.start();
    stream.start();
    QTest::qWait(100);
    keyboard.setRunning(false);
    stream.setRunning(false);
    // One sleep at most.
    QVERIFY(keyboard.wait(1000));
    QVERIFY(stream.wait(1000));
}

void TestLightThreads::startRightAfterStopGoesOn()
{
    updateLightMainThread keyboard;
    TickCount ticks;
    connect(&keyboard, &updateLightMainThread::sigDviceUpdateAllKeyColor, this, [&ticks] { ticks.hit(); },
            Qt::DirectConnection);
    keyboard.setInterval(28);
    keyboard.setRunning(true);
    keyboard.start();
    for (int round = 0; round < 10; ++round) {
        QTest::qWait(40);
        // Cleared and set again while the loop sleeps: it goes on.
        keyboard.setRunning(false);
        keyboard.setRunning(true);
    }
    const int before = ticks.n.load();
    QTest::qWait(300);
    QVERIFY(keyboard.isRunning());
    QVERIFY(ticks.n.load() > before);
    keyboard.setRunning(false);
    QVERIFY(keyboard.wait(1000));
}

void TestLightThreads::frameTicksWithoutMotionOnlyWhenAsked()
{
    updateLightMainThread keyboard;
    TickCount ticks;
    connect(&keyboard, &updateLightMainThread::sigDviceUpdateAllKeyColor, this, [&ticks] { ticks.hit(); },
            Qt::DirectConnection);
    keyboard.setInterval(8);
    keyboard.setMotion(false);
    keyboard.setRunning(true);
    keyboard.start();
    // A start gives one frame, and then nothing is due.
    QTRY_COMPARE(ticks.n.load(), 1);
    QTest::qWait(200);
    QCOMPARE(ticks.n.load(), 1);
    // Frames asked for at once give one tick.
    keyboard.requestFrame();
    keyboard.requestFrame();
    keyboard.requestFrame();
    QTRY_COMPARE(ticks.n.load(), 2);
    QTest::qWait(200);
    QCOMPARE(ticks.n.load(), 2);
    // Motion starts the ticks at the interval.
    keyboard.setMotion(true);
    QTest::qWait(300);
    QVERIFY2(ticks.n.load() > 10, QByteArray::number(ticks.n.load()).constData());
    // Stopped while asleep without motion: the loop ends at once.
    keyboard.setMotion(false);
    QTest::qWait(50);
    QElapsedTimer stopping;
    stopping.start();
    keyboard.setRunning(false);
    QVERIFY(keyboard.wait(1000));
    QVERIFY2(stopping.elapsed() < 500, QByteArray::number(stopping.elapsed()).constData());
}

void TestLightThreads::periodicTicksOnDemandOnlyWhenAsked()
{
    updateLightMainThreadUI paintThread;
    TickCount ticks;
    connect(&paintThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this, [&ticks] { ticks.hit(); },
            Qt::DirectConnection);
    paintThread.setOnDemand(true);
    paintThread.setRunning(true);
    paintThread.start();
    QTest::qWait(200);
    QCOMPARE(ticks.n.load(), 0);
    // Asked three times before the tick: one tick.
    paintThread.requestTick();
    paintThread.requestTick();
    paintThread.requestTick();
    QTRY_COMPARE(ticks.n.load(), 1);
    QTest::qWait(200);
    QCOMPARE(ticks.n.load(), 1);
    // Asked again and again: never more often than the period.
    QElapsedTimer run;
    run.start();
    while (run.elapsed() < 600) {
        paintThread.requestTick();
        QTest::qWait(5);
    }
    const int asked = ticks.n.load() - 1;
    QVERIFY2(asked <= 600 / LightPeriodicThread::PeriodMs + 2, QByteArray::number(asked).constData());
    QVERIFY2(asked >= 5, QByteArray::number(asked).constData());
    QTest::qWait(100);
    QElapsedTimer stopping;
    stopping.start();
    paintThread.setRunning(false);
    QVERIFY(paintThread.wait(1000));
    QVERIFY2(stopping.elapsed() < 500, QByteArray::number(stopping.elapsed()).constData());
}

void TestLightThreads::carriedThreadsLeaveTheirTicksToTheOwner()
{
    updateLightMainThread keyboard;
    updateLightMainThreadUI paintThread;
    TickCount frames;
    TickCount paints;
    connect(&keyboard, &updateLightMainThread::sigDviceUpdateAllKeyColor, this, [&frames] { frames.hit(); },
            Qt::DirectConnection);
    connect(&paintThread, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this, [&paints] { paints.hit(); },
            Qt::DirectConnection);
    keyboard.setInterval(10);
    paintThread.setOnDemand(true);
    // Carried from the start: the first frame is the owner's too.
    keyboard.setCarried(true);
    paintThread.setCarried(true);
    keyboard.setRunning(true);
    paintThread.setRunning(true);
    keyboard.start();
    paintThread.start();
    QCOMPARE(keyboard.takeDueTicks(), 1);

    // Moving and asked for paints, for 300 ms: the threads emit nothing,
    // and the owner finds the ticks of 300 ms at 10 ms and the one paint.
    QElapsedTimer run;
    run.start();
    paintThread.requestTick();
    paintThread.requestTick();
    QTest::qWait(300);
    QCOMPARE(frames.n.load(), 0);
    QCOMPARE(paints.n.load(), 0);
    const int due = keyboard.takeDueTicks();
    const qint64 elapsed = run.elapsed();
    QVERIFY2(due >= 28 && due <= elapsed / 10 + 1, QByteArray::number(due).constData());
    QVERIFY(paintThread.takeDueTick());
    QVERIFY(!paintThread.takeDueTick());
    QCOMPARE(keyboard.ticks(), long(1 + due));
    QCOMPARE(paintThread.ticks(), 1L);
    // A frame asked for without motion is one tick.
    keyboard.setMotion(false);
    keyboard.takeDueTicks();
    keyboard.requestFrame();
    keyboard.requestFrame();
    QCOMPARE(keyboard.takeDueTicks(), 1);
    QCOMPARE(keyboard.takeDueTicks(), 0);
    keyboard.setMotion(true);

    // No longer carried: the threads tick on their own again, from the
    // last tick taken.
    keyboard.setCarried(false);
    paintThread.setCarried(false);
    paintThread.requestTick();
    QTRY_VERIFY(frames.n.load() > 10);
    QTRY_COMPARE(paints.n.load(), 1);
    // Stopped threads have no ticks to take.
    keyboard.setRunning(false);
    paintThread.setRunning(false);
    QVERIFY(keyboard.wait(1000));
    QVERIFY(paintThread.wait(1000));
    paintThread.requestTick();
    QCOMPARE(keyboard.takeDueTicks(), 0);
    QVERIFY(!paintThread.takeDueTick());
}

QTEST_MAIN(TestLightThreads)
#include "tst_lightthreads.moc"
