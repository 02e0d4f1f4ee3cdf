// A child process that crashes leaves a report in the dump folder and dies of
// the same signal; the next start learns of it once.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QProcess>

#include <QThread>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <thread>

#include "platform/CrashHandler.h"

namespace {

const char kChildFlag[] = "--crash-child";

// Deep enough to run off any thread's stack.
volatile int g_depthLimit = 1 << 30;

int recurse(int depth)
{
    if (depth >= g_depthLimit)
        return 0;
    volatile char frame[4096];
    frame[depth % 4096] = static_cast<char>(depth);
    return recurse(depth + 1) + frame[0];
}

void invalidAccess()
{
    volatile int *nowhere = nullptr;
    *nowhere = 1;
}

class OverflowThread : public QThread
{
protected:
    void run() override { recurse(0); }
};

[[noreturn]] void crashAsChild(const char *how, const char *dumpDir)
{
    int argc = 1;
    char name[] = "crash-child";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    CrashHandler::install(QString::fromLocal8Bit(dumpDir));
    if (qstrcmp(how, "segv") == 0) {
        invalidAccess();
    } else if (qstrcmp(how, "fpe") == 0) {
        std::raise(SIGFPE);
    } else if (qstrcmp(how, "overflow-qthread") == 0) {
        OverflowThread thread;
        thread.start();
        thread.wait();
    } else if (qstrcmp(how, "overflow-thread") == 0) {
        std::thread([] { recurse(0); }).join();
    } else if (qstrcmp(how, "two-threads") == 0) {
        // Both fault at once; the second waits for the first's report.
        std::atomic<int> ready{0};
        auto crash = [&ready] {
            ++ready;
            while (ready.load() < 2) {
            }
            invalidAccess();
        };
        std::thread first(crash);
        std::thread second(crash);
        first.join();
        second.join();
    }
    std::abort();
}

} // namespace

class tst_CrashReport : public QObject
{
    Q_OBJECT

private slots:
    void crashLeavesReport_data();
    void crashLeavesReport();
    void reportNameCarriesTimeAndProcess();
};

void tst_CrashReport::crashLeavesReport_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("signal");
    QTest::newRow("invalid memory access") << "segv" << int(SIGSEGV);
    QTest::newRow("abort") << "abort" << int(SIGABRT);
    QTest::newRow("arithmetic") << "fpe" << int(SIGFPE);
    QTest::newRow("stack overflow in a QThread") << "overflow-qthread" << int(SIGSEGV);
    QTest::newRow("stack overflow in a std::thread") << "overflow-thread" << int(SIGSEGV);
    QTest::newRow("two threads at once") << "two-threads" << int(SIGSEGV);
}

void tst_CrashReport::crashLeavesReport()
{
    QFETCH(QString, how);
    QFETCH(int, signal);

    QTemporaryDir home;
    // The dump folder and its parents do not exist yet.
    const QString dumpDir = home.path() + QStringLiteral("/data/app/dump");

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Let our handler, not the sanitizer's, see the fault, on the signal
    // stacks a program without the sanitizer has.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("handle_segv=0:handle_abort=0:handle_sigfpe=0:detect_leaks=0:"
                                                              "use_sigaltstack=0:detect_stack_use_after_return=0"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kChildFlag), how, dumpDir});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(child.exitCode(), signal);

    const QStringList reports = QDir(dumpDir).entryList({QStringLiteral("*.dmp")}, QDir::Files);
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.first().contains(QString::number(child.processId())));
    QFile report(QDir(dumpDir).filePath(reports.first()));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray text = report.readAll();
    QVERIFY(text.contains("signal: " + QByteArray::number(signal)));
    QVERIFY(text.contains("fault address: 0x"));
    QVERIFY(text.contains("backtrace:"));
    QVERIFY(text.contains("memory map:"));
    QVERIFY(text.contains("[stack]"));
    QVERIFY(text.endsWith("end of report\n"));

    QVERIFY(CrashHandler::takePendingNotice(dumpDir));
    QVERIFY(!CrashHandler::takePendingNotice(dumpDir));
}

void tst_CrashReport::reportNameCarriesTimeAndProcess()
{
    QCOMPARE(CrashHandler::reportFileName(2026, 3, 7, 9, 5, 1, 4242), QStringLiteral("2026_03_07_09_05_01_4242.dmp"));
}

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], kChildFlag) == 0)
        crashAsChild(argv[2], argv[3]);
    QCoreApplication app(argc, argv);
    tst_CrashReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashreport.moc"
