// The running copy's side of the hand-over, in one process: a connection to
// the hand-over socket, whatever it sends or does not send, never holds up
// the GUI thread, and each one raises the window once: at once when the
// later copy sends its argument or closes (an empty argument is no bytes),
// after the wait otherwise.
#include <QtTest>

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

#include "app/DAppllication.h"
#include "support/TempHome.h"

namespace {

constexpr int kHandOverWaitMs = DAppllication::HandOverWaitMs;

// Ticks on the GUI thread and keeps the longest gap between two ticks; also
// notes when the watched window first stops being minimized.
class Heartbeat : public QObject
{
public:
    explicit Heartbeat(QWidget *window)
        : m_window(window)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
    }

    void start()
    {
        m_longestGapMs = 0;
        m_raisedAfterMs = -1;
        m_since.start();
        m_lastTick.start();
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    qint64 longestGapMs() const { return m_longestGapMs; }
    qint64 raisedAfterMs() const { return m_raisedAfterMs; }

private:
    void tick()
    {
        m_longestGapMs = qMax(m_longestGapMs, m_lastTick.restart());
        if (m_raisedAfterMs < 0 && !(m_window->windowState() & Qt::WindowMinimized))
            m_raisedAfterMs = m_since.elapsed();
    }

    QWidget *m_window;
    QTimer m_timer;
    QElapsedTimer m_since;
    QElapsedTimer m_lastTick;
    qint64 m_longestGapMs = 0;
    qint64 m_raisedAfterMs = -1;
};

} // namespace

class tst_HandOverWait : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void connectionNeverHoldsTheWindow_data();
    void connectionNeverHoldsTheWindow();
    void manyConnectionsAtOnce();

private:
    std::unique_ptr<QWidget> m_window;
};

void tst_HandOverWait::initTestCase()
{
    DAppllication *app = DAppllication::instance();
    QVERIFY(app);
    QVERIFY(!app->isConnectedToRunningInstance());
    m_window = std::make_unique<QWidget>();
    m_window->show();
    app->setActivationWindow(m_window.get(), true);
    // The main window finishes its start-up from the event loop first.
    Heartbeat settle(m_window.get());
    QElapsedTimer waited;
    waited.start();
    do {
        settle.start();
        QTest::qWait(300);
    } while (settle.longestGapMs() > 50 && waited.elapsed() < 30000);
}

void tst_HandOverWait::connectionNeverHoldsTheWindow_data()
{
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("raisedAtOnce");
    QTest::newRow("empty argument") << QByteArray() << true << true;
    QTest::newRow("an argument") << QByteArray("--AutoUp") << true << true;
    QTest::newRow("an argument, left open") << QByteArray("two") << false << true;
    QTest::newRow("silent, left open") << QByteArray() << false << false;
}

void tst_HandOverWait::connectionNeverHoldsTheWindow()
{
    QFETCH(QByteArray, argument);
    QFETCH(bool, closes);
    QFETCH(bool, raisedAtOnce);
    m_window->setWindowState(Qt::WindowMinimized);
    Heartbeat heartbeat(m_window.get());
    heartbeat.start();

    QLocalSocket later;
    later.connectToServer(DAppllication::localServerName());
    QTRY_COMPARE(later.state(), QLocalSocket::ConnectedState);
    if (!argument.isEmpty()) {
        later.write(argument);
        later.flush();
    }
    if (closes)
        later.disconnectFromServer();

    QTRY_VERIFY_WITH_TIMEOUT(heartbeat.raisedAfterMs() >= 0, 5000);
    // The wait ends once; the window stays as the user leaves it.
    QTest::qWait(kHandOverWaitMs + 200);
    heartbeat.stop();
    QVERIFY2(heartbeat.longestGapMs() < 250, qPrintable(QString::number(heartbeat.longestGapMs())));
    const QString raisedAfter = QString::number(heartbeat.raisedAfterMs());
    if (raisedAtOnce)
        QVERIFY2(heartbeat.raisedAfterMs() < kHandOverWaitMs - 200, qPrintable(raisedAfter));
    else
        QVERIFY2(heartbeat.raisedAfterMs() >= kHandOverWaitMs - 50, qPrintable(raisedAfter));
}

void tst_HandOverWait::manyConnectionsAtOnce()
{
    // A burst of silent connections: each waits on its own, none in turn.
    Heartbeat heartbeat(m_window.get());
    heartbeat.start();
    QElapsedTimer took;
    took.start();
    std::vector<std::unique_ptr<QLocalSocket>> sockets;
    for (int i = 0; i < 20; ++i) {
        sockets.push_back(std::make_unique<QLocalSocket>());
        sockets.back()->connectToServer(DAppllication::localServerName());
    }
    for (const auto &socket : sockets)
        QTRY_COMPARE(socket->state(), QLocalSocket::ConnectedState);
    // All are dropped by the running copy within the one wait.
    for (const auto &socket : sockets)
        QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QLocalSocket::UnconnectedState, 30000);
    QVERIFY2(took.elapsed() < 2 * kHandOverWaitMs, qPrintable(QString::number(took.elapsed())));
    heartbeat.stop();
    QVERIFY2(heartbeat.longestGapMs() < 250, qPrintable(QString::number(heartbeat.longestGapMs())));
}

int main(int argc, char **argv)
{
    TempHome home;
    DAppllication app(QStringLiteral("Z770-Q28V2.0_1.2.0.1"), argc, argv, false);
    tst_HandOverWait test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_handoverwait.moc"
