// The daily log: line format, the split by day, the seven-day clean-up, and
// lines from many threads at once.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include "app/LogHandler.h"
#include "support/TempHome.h"

namespace {

const char kFatalChildFlag[] = "--fatal-child";

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.endsWith("\r\n"))
        return {QStringLiteral("<missing CR LF at the end>")};
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

class tst_LogHandler : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat();
    void everyLevelIsWritten();
    void levelNames_data();
    void levelNames();
    void fatalMessageIsWrittenBeforeTheEnd();
    void linesSplitByDay();
    void oldLogsRemoved_data();
    void oldLogsRemoved();
    void firstRunCreatesTheFolderAndLogs();
    void concurrentLinesNeverInterleave();
};

void tst_LogHandler::lineFormat()
{
    const QDateTime at(QDate(2024, 7, 23), QTime(8, 5, 9));
    QMessageLogContext context;
    QCOMPARE(LogHandler::formatLine(context, QStringLiteral("Größe ✓"), at),
             QStringLiteral("[Debug]-[flie:    line:0    datetime:2024-07-23 08:05:09]--------------------- Größe ✓"));
    QCOMPARE(QFileInfo(LogHandler::logFilePath(QStringLiteral("/x"), at)).fileName(), QStringLiteral("2024-07-23.log"));
}

void tst_LogHandler::everyLevelIsWritten()
{
    QTemporaryDir dir;
    LogHandler::setLogDir(dir.path());
    const QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);
    qDebug() << "kept";
    qInfo() << "an info";
    qWarning() << "a warning";
    qCritical() << "a critical";
    // One of Qt's own warnings.
    QObject::connect(nullptr, SIGNAL(nothing()), nullptr, SLOT(nothing()));
    qInstallMessageHandler(previous);
    LogHandler::setLogDir(QString());

    const QStringList lines = readLines(LogHandler::logFilePath(dir.path(), QDateTime::currentDateTime()));
    QCOMPARE(lines.size(), 5);
    const QStringList levels{"Debug", "Info", "Warning", "Critical", "Warning"};
    const QStringList texts{"kept", "an info", "a warning", "a critical", "QObject::connect: Cannot connect"};
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY2(lines.at(i).startsWith("[" + levels.at(i) + "]-[flie:"), qPrintable(lines.at(i)));
        QVERIFY2(lines.at(i).contains("--------------------- " + texts.at(i)), qPrintable(lines.at(i)));
    }
    QVERIFY(lines.first().startsWith(QLatin1String("[Debug]-[flie:    line:0    datetime:")));
    QVERIFY(lines.first().endsWith(QLatin1String("--------------------- kept")));
}

void tst_LogHandler::fatalMessageIsWrittenBeforeTheEnd()
{
    QTemporaryDir dir;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("handle_abort=0:detect_leaks=0"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kFatalChildFlag), dir.path()});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    const QStringList lines = readLines(LogHandler::logFilePath(dir.path(), QDateTime::currentDateTime()));
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().startsWith(QLatin1String("[Fatal]-[flie:")), qPrintable(lines.first()));
    QVERIFY(lines.first().endsWith(QLatin1String("--------------------- the end 42")));
}

void tst_LogHandler::levelNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("debug") << int(QtDebugMsg) << "Debug";
    QTest::newRow("info") << int(QtInfoMsg) << "Info";
    QTest::newRow("warning") << int(QtWarningMsg) << "Warning";
    QTest::newRow("critical") << int(QtCriticalMsg) << "Critical";
    QTest::newRow("fatal") << int(QtFatalMsg) << "Fatal";
}

void tst_LogHandler::levelNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    const QDateTime at(QDate(2024, 7, 23), QTime(8, 5, 9));
    QCOMPARE(LogHandler::formatLine(QMessageLogContext(), QStringLiteral("x"), at, QtMsgType(type)),
             QStringLiteral("[%1]-[flie:    line:0    datetime:2024-07-23 08:05:09]--------------------- x").arg(name));
}

void tst_LogHandler::linesSplitByDay()
{
    QTemporaryDir dir;
    const QDateTime beforeMidnight(QDate(2025, 12, 31), QTime(23, 59, 59));
    const QDateTime afterMidnight(QDate(2026, 1, 1), QTime(0, 0, 0));
    QVERIFY(LogHandler::appendLine(dir.path(), beforeMidnight, QStringLiteral("old year")));
    QVERIFY(LogHandler::appendLine(dir.path(), afterMidnight, QStringLiteral("new year")));
    QCOMPARE(readLines(dir.filePath(QStringLiteral("2025-12-31.log"))), QStringList{QStringLiteral("old year")});
    QCOMPARE(readLines(dir.filePath(QStringLiteral("2026-01-01.log"))), QStringList{QStringLiteral("new year")});
}

void tst_LogHandler::oldLogsRemoved_data()
{
    QTest::addColumn<int>("daysLater");
    QTest::addColumn<bool>("removed");
    QTest::newRow("six days old stays") << 6 << false;
    QTest::newRow("seven days less a minute stays") << 7 << false;
    QTest::newRow("eight days old goes") << 8 << true;
}

void tst_LogHandler::oldLogsRemoved()
{
    QFETCH(int, daysLater);
    QFETCH(bool, removed);

    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("2020-01-01.log"));
    QFile file(log);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("keep")));

    // The file is born now: look at it from the future instead of ageing it.
    QDateTime now = QDateTime::currentDateTime().addDays(daysLater);
    if (daysLater == 7)
        now = now.addSecs(-60);
    QCOMPARE(LogHandler::removeOldLogs(dir.path(), now), removed ? 1 : 0);
    QCOMPARE(QFile::exists(log), !removed);
    QVERIFY(QDir(dir.filePath(QStringLiteral("keep"))).exists());
}

void tst_LogHandler::firstRunCreatesTheFolderAndLogs()
{
    TempHome home;
    cleanLogDir(QStringLiteral("freshapp"));
    const QString dir = home.dataHome() + QStringLiteral("/freshapp/logDir");
    QVERIFY(QDir(dir).exists());
    QCOMPARE(LogHandler::logDir(), QDir::toNativeSeparators(dir));

    const QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);
    qDebug() << "first run";
    qInstallMessageHandler(previous);
    LogHandler::setLogDir(QString());
    QCOMPARE(readLines(LogHandler::logFilePath(dir, QDateTime::currentDateTime())).size(), 1);
}

void tst_LogHandler::concurrentLinesNeverInterleave()
{
    QTemporaryDir dir;
    LogHandler::setLogDir(dir.path());
    const QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);

    constexpr int threads = 8;
    constexpr int perThread = 200;
    QList<QThread *> workers;
    for (int t = 0; t < threads; ++t) {
        workers << QThread::create([t] {
            const QString filler(300, QLatin1Char('a' + t));
            for (int i = 0; i < perThread; ++i)
                qDebug().noquote() << QStringLiteral("thread %1 line %2 %3").arg(t).arg(i).arg(filler);
        });
        workers.last()->start();
    }
    for (QThread *worker : workers) {
        worker->wait();
        delete worker;
    }
    qInstallMessageHandler(previous);
    LogHandler::setLogDir(QString());

    const QStringList lines = readLines(LogHandler::logFilePath(dir.path(), QDateTime::currentDateTime()));
    QCOMPARE(lines.size(), threads * perThread);
    static const QRegularExpression whole(QStringLiteral(
        "^\\[Debug\\]-\\[flie:    line:0    datetime:[-0-9: ]{19}\\]--------------------- thread (\\d) line \\d+ ([a-h])\\2{299}$"));
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = whole.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(120)));
        QCOMPARE(match.captured(2).at(0).toLatin1() - 'a', match.captured(1).toInt());
    }
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], kFatalChildFlag) == 0) {
        LogHandler::setLogDir(QString::fromLocal8Bit(argv[2]));
        qInstallMessageHandler(logMessageHandler);
        qFatal("the end %d", 42);
    }
    QCoreApplication app(argc, argv);
    tst_LogHandler test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_loghandler.moc"
