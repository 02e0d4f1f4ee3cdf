// The program ended by SIGTERM, SIGINT or SIGHUP (logout, kill, Ctrl+C)
// with a keyboard open: it quits through its normal path, closing the
// keyboard and joining its I/O thread, and logs the normal exit.
#include <QtTest>

#include <QDate>
#include <QFile>
#include <QProcess>

#include <csignal>

#include "support/TempHome.h"

class tst_Termination : public QObject
{
    Q_OBJECT

private slots:
    void quitsThroughTheNormalPath_data();
    void quitsThroughTheNormalPath();
};

void tst_Termination::quitsThroughTheNormalPath_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("name");
    QTest::newRow("SIGTERM") << int(SIGTERM) << "SIGTERM";
    QTest::newRow("SIGINT") << int(SIGINT) << "SIGINT";
    QTest::newRow("SIGHUP") << int(SIGHUP) << "SIGHUP";
}

void tst_Termination::quitsThroughTheNormalPath()
{
    QFETCH(int, signal);
    QFETCH(QString, name);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/lumtar");
    QVERIFY2(QFile::exists(program), "build the program first");

    TempHome home;
    QProcessEnvironment env = home.environment();
    env.insert(QStringLiteral("LUMTAR_SIMULATED_DEVICES"), QStringLiteral("LT108HE"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess app;
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(program, QStringList());
    QVERIFY(app.waitForStarted(30000));

    // The log shows when the keyboard is open.
    QFile log(home.dataHome() + QStringLiteral("/lumtar/logDir/")
              + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log"));
    auto logText = [&log] {
        if (!log.open(QIODevice::ReadOnly))
            return QByteArray();
        const QByteArray text = log.readAll();
        log.close();
        return text;
    };
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains("Open device success; HidName: LT108HE"), 60000);

    ::kill(pid_t(app.processId()), signal);
    QVERIFY(app.waitForFinished(60000));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QCOMPARE(app.exitCode(), 0);
    const QByteArray text = logText();
    const int ended = text.indexOf("Ended by " + name.toLatin1());
    QVERIFY(ended > 0);
    QVERIFY(text.indexOf("*** App Exit (Normal) ***", ended) > ended);
    QVERIFY(text.indexOf("MainHidInterFace::~MainHidInterFace()", ended) > ended);
}

QTEST_GUILESS_MAIN(tst_Termination)
#include "tst_termination.moc"
