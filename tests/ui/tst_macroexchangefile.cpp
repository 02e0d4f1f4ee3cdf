// The macro exchange file alone: what export writes, what import takes, and
// the files import refuses whole.
#include "ui/macro/MacroExchangeFile.h"
#include "ui/macro/MacroEventText.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cstring>

namespace {

QString dataDir()
{
    return QString::fromLocal8Bit(qgetenv("LUMTAR_TEST_DATA")) + QStringLiteral("/macro/");
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

KeyOrMouseEventStu ev(const char *mark, const char *delay, const char *type, const char *code, const QString &name,
                      const char *op)
{
    return macroEventRecord(QLatin1String(mark), QLatin1String(delay), QLatin1String(type), QLatin1String(code), name,
                            QLatin1String(op));
}

QStringList describe(const std::list<KeyOrMouseEventStu> &events)
{
    QStringList out;
    for (const KeyOrMouseEventStu &e : events)
        out << QStringLiteral("%1|%2|%3|%4|%5|%6")
                   .arg(macroLatin1Field(e.mark), macroLatin1Field(e.delay), macroLatin1Field(e.type),
                        macroLatin1Field(e.keyCode), macroCodeName(e), macroLatin1Field(e.operateExplain));
    return out;
}

} // namespace

class tst_MacroExchangeFile : public QObject
{
    Q_OBJECT

private slots:
    void writesTheDocumentShape()
    {
        const QByteArray doc = MacroExchangeFile::write(QStringLiteral("3"), QStringLiteral("Macro3"),
                                                        {ev("1", "0", "key", "4", QStringLiteral("A"), "down")});
        QVERIFY(doc.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Parameters profileIndex=\"1\">\n"
                               "    <macro index=\"3\" name=\"Macro3\">\n        <item mark=\"1\" delay=\"0\" "
                               "type=\"key\" keyCode=\"4\" codeName=\"A\" operateExplain=\"down\"/>\n    </macro>\n"));
    }

    void roundTrips_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::newRow("empty macro") << QStringList();
        QTest::newRow("keys and buttons")
            << QStringList{QStringLiteral("1|0|key|4|A|down"), QStringLiteral("2|15|mouse|516|Right Click|down"),
                           QStringLiteral("2|65535|mouse|517|Right Click|up"), QStringLiteral("1||key|4|A|up")};
        QTest::newRow("non-ASCII names")
            << QStringList{QStringLiteral("0|5|key|51|\u00d6 \u20ac \u3042 <&\">|down"),
                           QStringLiteral("0|6|key|51|\u00d6 \u20ac \u3042 <&\">|up")};
    }

    void roundTrips()
    {
        QFETCH(QStringList, events);
        std::list<KeyOrMouseEventStu> records;
        for (const QString &line : events) {
            const QStringList f = line.split(QLatin1Char('|'));
            records.push_back(macroEventRecord(f[0], f[1], f[2], f[3], f[4], f[5]));
        }
        const MacroExchangeFile::ReadResult read =
            MacroExchangeFile::read(MacroExchangeFile::write(QStringLiteral("1"), QStringLiteral("Game.Mode"), records));
        QVERIFY2(read.ok, qPrintable(read.error));
        QCOMPARE(describe(read.events), events);
    }

    void acceptsOtherNamesAndDepths()
    {
        const MacroExchangeFile::ReadResult read =
            MacroExchangeFile::read(fileBytes(dataDir() + QStringLiteral("accepted/otherNamesAndDepth.xml")));
        QVERIFY2(read.ok, qPrintable(read.error));
        QCOMPARE(describe(read.events), (QStringList{QStringLiteral("1||key|4|A|down"), QStringLiteral("1|7|key|4|A|up")}));
        const MacroExchangeFile::ReadResult nested =
            MacroExchangeFile::read(fileBytes(dataDir() + QStringLiteral("accepted/nested.xml")));
        QVERIFY2(nested.ok, qPrintable(nested.error));
        QCOMPARE(nested.events.size(), size_t(4));
    }

    void refusesDamagedAndHostileFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QDir dir(dataDir() + QStringLiteral("refused"));
        const QStringList files = dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() > 20);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << fileBytes(dir.filePath(file));
        // Well-formed and with one good pair, but larger than 1 MiB.
        QByteArray large = "<Parameters><item mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" codeName=\"A\" "
                           "operateExplain=\"down\"/><item mark=\"1\" delay=\"0\" type=\"key\" keyCode=\"4\" "
                           "codeName=\"A\" operateExplain=\"up\"/><!-- ";
        large += QByteArray(MacroExchangeFile::kMaxFileBytes, 'x') + " --></Parameters>";
        QTest::newRow("larger than 1 MiB") << large;
    }

    void refusesDamagedAndHostileFiles()
    {
        QFETCH(QByteArray, data);
        const MacroExchangeFile::ReadResult read = MacroExchangeFile::read(data);
        QVERIFY(!read.ok);
        QVERIFY(!read.error.isEmpty());
        QVERIFY(read.events.empty());
    }

    void importedName_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("/tmp/Macro2.xml") << QStringLiteral("Macro2");
        QTest::newRow("dotted") << QStringLiteral("/a/Game.Mode.xml") << QStringLiteral("Game");
        QTest::newRow("combo.final") << QStringLiteral("combo.final.xml") << QStringLiteral("combo");
        QTest::newRow("no dot") << QStringLiteral("/a/plain") << QStringLiteral("plain");
        QTest::newRow("leading dot") << QStringLiteral("/a/.x.xml") << QStringLiteral("Macro7");
    }

    void importedName()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QCOMPARE(MacroExchangeFile::importedMacroName(file, 7), name);
    }

    void exportName_data()
    {
        QTest::addColumn<QString>("macroName");
        QTest::addColumn<QString>("base");
        QTest::newRow("plain") << QStringLiteral("Macro1") << QStringLiteral("Macro1");
        QTest::newRow("dotted") << QStringLiteral("Game.Mode") << QStringLiteral("Game.Mode");
        QTest::newRow("parent") << QStringLiteral("../x") << QStringLiteral("x");
        QTest::newRow("folders") << QStringLiteral("a/b\\c") << QStringLiteral("abc");
        QTest::newRow("control") << QStringLiteral("a\nb\tc\x01") << QStringLiteral("abc");
        QTest::newRow("hidden") << QStringLiteral(".hidden") << QStringLiteral("hidden");
        QTest::newRow("only dots") << QStringLiteral("..") << QString();
        QTest::newRow("non-ASCII") << QStringLiteral("\u00c4rger") << QStringLiteral("\u00c4rger");
    }

    void exportName()
    {
        QFETCH(QString, macroName);
        QFETCH(QString, base);
        QCOMPARE(MacroExchangeFile::exportBaseName(macroName), base);
    }
};

QTEST_GUILESS_MAIN(tst_MacroExchangeFile)
#include "tst_macroexchangefile.moc"
