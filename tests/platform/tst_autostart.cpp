// The XDG autostart entry: where it goes, and an Exec line that gives the
// program path back unchanged whatever characters it holds.
#include <QtTest>

#include <QFile>

#include "platform/autostart/AutoStartEntry.h"
#include "support/TempHome.h"

namespace {

// Reads an Exec value back as a desktop environment does: the string-value
// escapes first, then the quoting of the first argument.
QStringList parseExec(const QString &value)
{
    QString unescaped;
    for (int i = 0; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            unescaped += next == QLatin1Char('n') ? QChar('\n') : next == QLatin1Char('t') ? QChar('\t') : next;
        } else {
            unescaped += value.at(i);
        }
    }
    QStringList args;
    QString current;
    bool quoted = false;
    bool any = false;
    for (int i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped.at(i);
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < unescaped.size()) {
                current += unescaped.at(++i);
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            any = true;
        } else if (c == QLatin1Char(' ')) {
            if (any || !current.isEmpty())
                args << current;
            current.clear();
            any = false;
        } else {
            current += c;
        }
    }
    if (any || !current.isEmpty())
        args << current;
    for (QString &arg : args)
        arg.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return args;
}

QString execValue(const QString &entryText)
{
    for (const QString &line : entryText.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    return QString();
}

} // namespace

class tst_AutoStart : public QObject
{
    Q_OBJECT

private slots:
    void execLineKeepsThePath_data();
    void execLineKeepsThePath();
    void entryIsWrittenAndRemoved();
    void applicationNameStaysInsideTheFolder_data();
    void applicationNameStaysInsideTheFolder();

private:
    TempHome m_home;
};

void tst_AutoStart::execLineKeepsThePath_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/usr/bin/lumtar" << "\"/usr/bin/lumtar\" --AutoUp";
    QTest::newRow("blank") << "/opt/My Apps/lumtar" << "\"/opt/My Apps/lumtar\" --AutoUp";
    QTest::newRow("quote") << "/opt/a\"b/lumtar" << "\"/opt/a\\\"b/lumtar\" --AutoUp";
    QTest::newRow("dollar and backtick") << "/opt/$HOME`x`/lumtar" << "\"/opt/\\$HOME\\`x\\`/lumtar\" --AutoUp";
    QTest::newRow("backslash") << "/opt/a\\b/lumtar" << "\"/opt/a\\\\b/lumtar\" --AutoUp";
    QTest::newRow("percent") << "/opt/100%/lumtar" << "\"/opt/100%%/lumtar\" --AutoUp";
}

void tst_AutoStart::execLineKeepsThePath()
{
    QFETCH(QString, program);
    QFETCH(QString, expected);
    QCOMPARE(AutoStartEntry::execLine(program, QStringLiteral("--AutoUp")), expected);

    QVERIFY(AutoStartEntry::write(QStringLiteral("lumtar"), program, QStringLiteral("--AutoUp")));
    QFile file(AutoStartEntry::entryPath(QStringLiteral("lumtar")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QCOMPARE(parseExec(execValue(text)), (QStringList{program, QStringLiteral("--AutoUp")}));
}

void tst_AutoStart::entryIsWrittenAndRemoved()
{
    const QString path = AutoStartEntry::entryPath(QStringLiteral("lumtar"));
    QCOMPARE(path, m_home.configHome() + QStringLiteral("/autostart/lumtar.desktop"));
    QVERIFY(AutoStartEntry::write(QStringLiteral("lumtar"), QStringLiteral("/usr/bin/lumtar"),
                                  QStringLiteral("--AutoUp")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("[Desktop Entry]"));
    QVERIFY(lines.contains(QStringLiteral("Type=Application")));
    QVERIFY(lines.contains(QStringLiteral("Name=lumtar")));
    file.close();

    QVERIFY(AutoStartEntry::remove(QStringLiteral("lumtar")));
    QVERIFY(!QFile::exists(path));
    QVERIFY(AutoStartEntry::remove(QStringLiteral("lumtar")));
}

void tst_AutoStart::applicationNameStaysInsideTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("slash") << "../../evil" << ".._.._evil.desktop";
    QTest::newRow("empty") << "" << "lumtar.desktop";
    QTest::newRow("dot dot") << ".." << "lumtar.desktop";
}

void tst_AutoStart::applicationNameStaysInsideTheFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    const QString path = AutoStartEntry::entryPath(name);
    QCOMPARE(path, m_home.configHome() + QStringLiteral("/autostart/") + fileName);
    QVERIFY(AutoStartEntry::write(name, QStringLiteral("/usr/bin/lumtar"), QStringLiteral("--AutoUp")));
    QVERIFY(QFile::exists(path));
}

QTEST_GUILESS_MAIN(tst_AutoStart)

#include "tst_autostart.moc"
