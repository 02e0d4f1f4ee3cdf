// A child process that crashes leaves a report in the dump folder and dies of
// the same signal; the next start learns of it once.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <cstdlib>

#include "platform/CrashHandler.h"

namespace {

const char kChildFlag[] = "--crash-child";

[[noreturn]] void crashAsChild(const char *how, const char *dumpDir)
{
    CrashHandler::install(QString::fromLocal8Bit(dumpDir));
    if (qstrcmp(how, "segv") == 0) {
        volatile int *nowhere = nullptr;
        *nowhere = 1;
    } else if (qstrcmp(how, "fpe") == 0) {
        std::raise(SIGFPE);
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
    // Let our handler, not the sanitizer's, see the fault.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("handle_segv=0:handle_abort=0:handle_sigfpe=0:detect_leaks=0"));
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
