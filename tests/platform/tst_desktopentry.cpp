// Desktop launchers: reading the [Desktop Entry] group, splitting an Exec
// line by the desktop-entry quoting rules with field codes dropped, and
// HostInput::launch starting a launcher's program with its argument list,
// never through a shell: recorded, and for real with a program that writes
// down the arguments it got.
#include <QtTest>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/hostinput/DesktopEntry.h"
#include "platform/hostinput/HostInput.h"
#include "support/LogCapture.h"
#include "support/RecordingHostInput.h"

namespace {

bool writeFile(const QString &path, const QByteArray &text, bool executable = false)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    file.close();
    return !executable || file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QByteArray launcher(const QByteArray &exec, const QByteArray &type = "Application")
{
    return "[Desktop Entry]\nName=Tool\nType=" + type + "\nExec=" + exec + "\n";
}

} // namespace

class tst_DesktopEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void splitExec_data();
    void splitExec();
    void parse_data();
    void parse();
    void launchRecorded_data();
    void launchRecorded();
    void launchStartsTheProgramWithItsArguments();

private:
    QTemporaryDir m_dir;
    QString m_folder;  // a folder whose name a shell would misread
    QString m_marker;  // where the argument-writing program writes
    QString m_program; // that program
};

void tst_DesktopEntry::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_folder = m_dir.filePath(QStringLiteral("my apps; $(touch x) ünï"));
    QVERIFY(QDir().mkpath(m_folder));
    m_marker = m_dir.filePath(QStringLiteral("arguments"));
    m_program = m_folder + QStringLiteral("/write args");
    // One argument per line, the file put in place whole.
    const QByteArray script = "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + QFile::encodeName(m_marker) + ".tmp'\nmv '"
        + QFile::encodeName(m_marker) + ".tmp' '" + QFile::encodeName(m_marker) + "'\n";
    QVERIFY(writeFile(m_program, script, true));
}

void tst_DesktopEntry::splitExec_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("arguments"); // empty: refused

    QTest::newRow("a program") << "prog" << QStringList{"prog"};
    QTest::newRow("blanks around") << "  prog \t a  " << QStringList{"prog", "a"};
    QTest::newRow("file field code") << "prog %f" << QStringList{"prog"};
    QTest::newRow("every field code") << "prog %f %F %u %U %d %D %n %N %i %c %k %v %m --new"
                                      << QStringList{"prog", "--new"};
    QTest::newRow("a field code inside an argument") << "prog --file=%f" << QStringList{"prog", "--file="};
    QTest::newRow("a percent sign") << "prog 100%% %%U" << QStringList{"prog", "100%", "%U"};
    QTest::newRow("a quoted path with blanks") << "\"/opt/My App/bin/app\" --flag"
                                               << QStringList{"/opt/My App/bin/app", "--flag"};
    QTest::newRow("escapes inside quotes") << "prog \"a \\\"b\\\" \\$HOME \\`x\\` \\\\ \\n c\""
                                           << QStringList{"prog", "a \"b\" $HOME `x` \\ \\n c"};
    QTest::newRow("an empty quoted argument") << "prog \"\" x" << QStringList{"prog", "", "x"};
    QTest::newRow("a quoted field code") << "prog \"%f\"" << QStringList{"prog", ""};
    QTest::newRow("quotes inside a word") << "prog --name=\"a b\"c" << QStringList{"prog", "--name=a bc"};
    QTest::newRow("an escaped blank") << "prog a\\ b" << QStringList{"prog", "a b"};
    QTest::newRow("shell syntax is plain text")
        << "prog ; rm -rf ~ | cat $(id) `id` && x > y < z 'q' #c *"
        << QStringList{"prog", ";", "rm", "-rf", "~", "|", "cat", "$(id)", "`id`", "&&", "x", ">", "y", "<", "z",
                       "'q'", "#c", "*"};
    QTest::newRow("an open quote") << "prog \"abc" << QStringList();
    QTest::newRow("an escape at the end") << "prog \\" << QStringList();
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("blanks only") << "   " << QStringList();
    QTest::newRow("field codes only") << "%U %f" << QStringList();
    QTest::newRow("an empty program") << "\"\" x" << QStringList();
}

void tst_DesktopEntry::splitExec()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, arguments);
    const std::optional<QStringList> split = DesktopEntry::splitExec(exec);
    if (arguments.isEmpty()) {
        QVERIFY2(!split, qPrintable(split ? split->join('|') : QString()));
        return;
    }
    QVERIFY(split);
    QCOMPARE(*split, arguments);
}

void tst_DesktopEntry::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("exec");

    QTest::newRow("plain") << launcher("prog %U") << "Application" << "prog %U";
    QTest::newRow("comments, groups, localised keys, blanks around =")
        << QByteArray("# a launcher\n[Other]\nExec=wrong\n\n[Desktop Entry]\nExec[de]=falsch\n  Type = Application\n"
                      "Exec = prog \\s--a\\\\b\\tc\\q \nExec=second\n[Desktop Action new]\nExec=action\n")
        << "Application" << "prog  --a\\b\tc\\q";
    QTest::newRow("a link") << launcher("", "Link") << "Link" << "";
    QTest::newRow("no entry group") << QByteArray("[Other]\nType=Application\nExec=prog\n") << "" << "";
    QTest::newRow("Windows line ends and UTF-8")
        << QByteArray("[Desktop Entry]\r\nType=Application\r\nExec=\"/opt/\xC3\xBC\" %f\r\n") << "Application"
        << "\"/opt/\xC3\xBC\" %f";
    QTest::newRow("not text") << QByteArray("\x00\xFF[\n=\n", 6) << "" << "";
}

void tst_DesktopEntry::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, type);
    QFETCH(QString, exec);
    const DesktopEntry entry = DesktopEntry::parse(text);
    QCOMPARE(entry.type(), type);
    QCOMPARE(entry.exec(), exec);
    QCOMPARE(entry.isApplication(), type == QLatin1String("Application"));
}

void tst_DesktopEntry::launchRecorded_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("program"); // empty: nothing starts
    QTest::addColumn<QStringList>("arguments");

    const QByteArray program = QFile::encodeName(m_program);
    QTest::newRow("quoted program, field codes")
        << "tool.desktop" << launcher("\"" + program + "\" --x %U -- %f") << false << m_program
        << QStringList{"--x", "--"};
    QTest::newRow("a program on the search path")
        << "true.desktop" << launcher("true --y") << false << QStandardPaths::findExecutable("true")
        << QStringList{"--y"};
    QTest::newRow("a hostile Exec line")
        << "hostile.desktop" << launcher("\"" + program + "\" ; touch /tmp/pwned $(reboot) `id` | sh -c \\\"x\\\"")
        << false << m_program
        << QStringList{";", "touch", "/tmp/pwned", "$(reboot)", "`id`", "|", "sh", "-c", "\"x\""};
    QTest::newRow("an executable launcher is still read") << "exec.desktop" << launcher("\"" + program + "\" a")
                                                          << true << m_program << QStringList{"a"};
    QTest::newRow("upper-case suffix") << "TOOL.DESKTOP" << launcher("\"" + program + "\"") << false << m_program
                                       << QStringList();
    QTest::newRow("a link launcher") << "link.desktop" << launcher("\"" + program + "\"", "Link") << false << QString()
                                     << QStringList();
    QTest::newRow("no Exec line") << "noexec.desktop" << QByteArray("[Desktop Entry]\nType=Application\n") << false
                                  << QString() << QStringList();
    QTest::newRow("an open quote") << "quote.desktop" << launcher("\"" + program) << false << QString()
                                   << QStringList();
    QTest::newRow("a program nowhere") << "none.desktop" << launcher("no-such-program-here x") << false
                                       << QString() << QStringList();
    QTest::newRow("a relative program path") << "relative.desktop" << launcher("bin/tool") << false << QString()
                                             << QStringList();
}

void tst_DesktopEntry::launchRecorded()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, text);
    QFETCH(bool, executable);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const QString path = m_folder + QLatin1Char('/') + fileName;
    QVERIFY(writeFile(path, text, executable));

    RecordingHostInput host;
    LogCapture log;
    QCOMPARE(host.launch(path), !program.isEmpty());
    QVERIFY(host.openedUrls.isEmpty()); // a launcher never goes to the desktop's handler
    if (program.isEmpty()) {
        QVERIFY(host.startedPrograms.isEmpty());
        QVERIFY(log.countContaining(QStringLiteral("Launch")) >= 1);
        return;
    }
    QCOMPARE(host.startedPrograms, QStringList{program});
    QCOMPARE(host.startedArguments, QList<QStringList>{arguments});
}

void tst_DesktopEntry::launchStartsTheProgramWithItsArguments()
{
    const QString path = m_folder + QStringLiteral("/hostile.desktop");
    const QString pwned = m_dir.filePath(QStringLiteral("pwned"));
    const QByteArray exec = "\"" + QFile::encodeName(m_program) + "\" \"two words\" ; touch " + QFile::encodeName(pwned)
        + " $(touch " + QFile::encodeName(pwned) + ") %U \"\\$HOME\"";
    QVERIFY(writeFile(path, launcher(exec)));
    QFile::remove(m_marker);

    QVERIFY(HostInput::systemInput()->launch(path));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_marker), 10000);
    QFile marker(m_marker);
    QVERIFY(marker.open(QIODevice::ReadOnly));
    const QStringList got = QString::fromUtf8(marker.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(got, QStringList({"two words", ";", "touch", QString(pwned), "$(touch", QString(pwned + ")"), "$HOME"}));
    QVERIFY(!QFile::exists(pwned));
}

QTEST_GUILESS_MAIN(tst_DesktopEntry)
#include "tst_desktopentry.moc"
