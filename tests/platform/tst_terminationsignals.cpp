// Termination signals reach the program as a Qt signal in its own thread;
// a second one while the first is handled ends the program.
#include "platform/TerminationSignalNotifier.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>

namespace {

const char kChildFlag[] = "--second-signal-child";

} // namespace

class tst_TerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void signalReachesTheEventLoop_data();
    void signalReachesTheEventLoop();
    void secondSignalEndsAtOnce();
    void earlierActionsComeBack();
};

void tst_TerminationSignals::signalReachesTheEventLoop_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("name");
    QTest::newRow("SIGTERM") << int(SIGTERM) << "SIGTERM";
    QTest::newRow("SIGINT") << int(SIGINT) << "SIGINT";
    QTest::newRow("SIGHUP") << int(SIGHUP) << "SIGHUP";
}

void tst_TerminationSignals::signalReachesTheEventLoop()
{
    QFETCH(int, signal);
    QFETCH(QString, name);
    TerminationSignalNotifier notifier;
    QVERIFY(notifier.isActive());
    QSignalSpy requested(&notifier, &TerminationSignalNotifier::sigTerminationRequested);
    std::raise(signal);
    QTRY_COMPARE(requested.count(), 1);
    QCOMPARE(requested.first().first().toInt(), signal);
    QCOMPARE(TerminationSignalNotifier::signalName(signal), name);
}

void tst_TerminationSignals::secondSignalEndsAtOnce()
{
    // The child takes the first SIGTERM, does not quit, and gets a second.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kChildFlag)});
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForReadyRead(30000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
    ::kill(pid_t(child.processId()), SIGTERM);
    QVERIFY(child.waitForReadyRead(30000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("asked to end by SIGTERM"));
    ::kill(pid_t(child.processId()), SIGTERM);
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(child.exitCode(), int(SIGTERM));
}

void tst_TerminationSignals::earlierActionsComeBack()
{
    struct sigaction before = {};
    sigaction(SIGHUP, nullptr, &before);
    {
        TerminationSignalNotifier notifier;
        // One notifier at a time: a second one stays inactive.
        TerminationSignalNotifier second;
        QVERIFY(notifier.isActive());
        QVERIFY(!second.isActive());
    }
    struct sigaction after = {};
    sigaction(SIGHUP, nullptr, &after);
    QVERIFY(after.sa_handler == before.sa_handler);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], kChildFlag) == 0) {
        TerminationSignalNotifier notifier;
        QObject::connect(&notifier, &TerminationSignalNotifier::sigTerminationRequested, [](int signal) {
            std::printf("asked to end by %s\n", qPrintable(TerminationSignalNotifier::signalName(signal)));
            std::fflush(stdout);
        });
        std::printf("ready\n");
        std::fflush(stdout);
        return app.exec();
    }
    tst_TerminationSignals test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_terminationsignals.moc"
