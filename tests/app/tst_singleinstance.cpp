// Two real copies of the program: the later one hands over and ends with 1,
// the running one raises its window; a key left by a killed copy does not
// block the next start.
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QProcess>

#include "support/TempHome.h"

namespace {

QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/lumtar");
}

QString logText(const TempHome &home)
{
    QString text;
    const QDir logDir(home.dataHome() + QStringLiteral("/lumtar/logDir"));
    for (const QString &name : logDir.entryList({QStringLiteral("*.log")}, QDir::Files)) {
        QFile file(logDir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

// Starts a copy and waits until it listens for later copies: its start-up
// line is the n-th in the log of this home.
bool startFirstCopy(QProcess &process, const TempHome &home, int startsBefore = 0)
{
    process.setProcessEnvironment(home.environment());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(programPath(), QStringList());
    if (!process.waitForStarted(10000))
        return false;
    const QString socket = home.runtimeDir() + QStringLiteral("/lumtar");
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
        if (QFile::exists(socket) && logText(home).count(QLatin1String("server listening")) > startsBefore)
            return true;
        if (process.state() == QProcess::NotRunning)
            return false;
        QTest::qWait(50);
    }
    return false;
}

int runLaterCopy(const TempHome &home, const QStringList &arguments)
{
    QProcess later;
    later.setProcessEnvironment(home.environment());
    later.setProcessChannelMode(QProcess::ForwardedChannels);
    later.start(programPath(), arguments);
    if (!later.waitForFinished(30000)) {
        later.kill();
        later.waitForFinished();
        return -1;
    }
    return later.exitStatus() == QProcess::NormalExit ? later.exitCode() : -2;
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
}

} // namespace

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void laterCopyHandsOverAndRaisesTheFirst();
    void killedCopyDoesNotBlockTheNextStart();
};

void tst_SingleInstance::laterCopyHandsOverAndRaisesTheFirst()
{
    TempHome home;
    QProcess first;
    QVERIFY(startFirstCopy(first, home));

    QCOMPARE(runLaterCopy(home, {QStringLiteral("one"), QStringLiteral("two")}), 1);
    QTRY_VERIFY_WITH_TIMEOUT(logText(home).contains(QLatin1String("main window raised")), 60000);

    // A later copy without arguments hands over an empty text (no bytes)
    // all the same, and the first copy's window is raised again.
    QCOMPARE(runLaterCopy(home, {}), 1);
    QTRY_COMPARE_WITH_TIMEOUT(logText(home).count(QLatin1String("main window raised")), 2, 60000);
    QCOMPARE(first.state(), QProcess::Running);
    stop(first);
}

void tst_SingleInstance::killedCopyDoesNotBlockTheNextStart()
{
    TempHome home;
    QProcess first;
    QVERIFY(startFirstCopy(first, home));
    first.kill(); // no clean-up: the key and the socket file stay behind
    first.waitForFinished();

    QProcess next;
    QVERIFY2(startFirstCopy(next, home, 1), "a new copy must start after a killed one");
    QCOMPARE(runLaterCopy(home, {}), 1);
    stop(next);
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
