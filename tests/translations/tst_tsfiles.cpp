// The translation sources as one table over the sixteen languages: every
// message finished, with the source's arguments, plural forms and markup,
// translated unless listed as kept, and none missing from the code.
#include <QtTest>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "translations/ShippedLanguages.h"

using namespace ShippedLanguages;

namespace {

QStringList tokens(const QString &text, const QRegularExpression &pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = pattern.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    found.sort();
    return found;
}

// %1 to %9 (also %L1), the markup tags by name and the entities.
QStringList arguments(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?[1-9]"));
    return tokens(text, pattern);
}

QStringList markup(const QString &text)
{
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z][A-Za-z0-9]*"));
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|[A-Za-z]+);"));
    return tokens(text, tag) + tokens(text, entity);
}

bool hasCount(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?n"));
    return text.contains(pattern);
}

QSet<QString> messageKeys(const TsFile &ts)
{
    QSet<QString> keys;
    for (const Message &m : ts.messages)
        keys.insert(m.context + QLatin1Char('\t') + m.source);
    return keys;
}

QString lupdateProgram()
{
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("lupdate"));
    return onPath.isEmpty() ? QStringLiteral("/usr/lib/qt5/bin/lupdate") : onPath;
}

} // namespace

class tst_TsFiles : public QObject
{
    Q_OBJECT

private slots:
    void sixteenFiles();
    void messages_data();
    void messages();
    void keptTextsAreKept();
    void lupdateFindsNothingNew();
};

void tst_TsFiles::sixteenFiles()
{
    QStringList expected;
    for (const Language &language : all())
        expected << QLatin1String(language.key) + QStringLiteral(".ts");
    expected.sort();
    QStringList present = QDir(sourceDir()).entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    QCOMPARE(present, expected);

    const TsFile english = readTs(tsPath("English"));
    QVERIFY2(english.error.isEmpty(), qPrintable(english.error));
    QVERIFY(!english.messages.isEmpty());
    for (const Language &language : all()) {
        const TsFile ts = readTs(tsPath(language.key));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QCOMPARE(ts.language, QLatin1String(language.code));
        // One set of texts, the code's, in every language.
        QCOMPARE(messageKeys(ts), messageKeys(english));
    }
}

void tst_TsFiles::messages_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < all().size(); ++i)
        QTest::newRow(all().at(i).key) << i;
}

void tst_TsFiles::messages()
{
    QFETCH(int, index);
    const Language &language = all().at(index);
    const bool english = qstrcmp(language.key, "English") == 0;
    QString listError;
    const QSet<QString> kept = sameAsSource(&listError);
    QVERIFY2(listError.isEmpty(), qPrintable(listError));
    const TsFile ts = readTs(tsPath(language.key));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));

    QStringList faults;
    const auto fault = [&faults](const Message &m, const QString &what) {
        faults << QStringLiteral("%1 / \"%2\": %3").arg(m.context, m.source.left(60), what);
    };
    for (const Message &m : ts.messages) {
        if (!m.type.isEmpty()) {
            fault(m, m.type);
            continue;
        }
        const int forms = m.numerus ? language.numerusForms : 1;
        if (m.forms.size() != forms) {
            fault(m, QStringLiteral("%1 forms instead of %2").arg(m.forms.size()).arg(forms));
            continue;
        }
        for (const QString &form : m.forms) {
            if (form.trimmed().isEmpty())
                fault(m, QStringLiteral("empty"));
            else if (arguments(form) != arguments(m.source))
                fault(m, QStringLiteral("arguments %1").arg(arguments(form).join(QLatin1Char(' '))));
            else if (hasCount(form) != hasCount(m.source))
                fault(m, QStringLiteral("%n differs: \"%1\"").arg(form));
            else if (markup(form) != markup(m.source))
                fault(m, QStringLiteral("markup %1").arg(markup(form).join(QLatin1Char(' '))));
        }
        if (english) {
            if (!m.numerus && m.forms.constFirst() != m.source)
                fault(m, QStringLiteral("English differs from its source"));
        } else if (!m.numerus && m.forms.constFirst() == m.source && !kept.contains(sameAsSourceKey(language.key, m))) {
            fault(m, QStringLiteral("left as the source, not listed in same-as-source.txt"));
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, first: \n").arg(faults.size())
                                          + faults.mid(0, 25).join(QLatin1Char('\n'))));
}

void tst_TsFiles::keptTextsAreKept()
{
    // Every line of the list names a message of its language that is indeed
    // left as the source: the list holds nothing stale.
    QString listError;
    const QSet<QString> kept = sameAsSource(&listError);
    QVERIFY2(listError.isEmpty(), qPrintable(listError));
    QSet<QString> keptNow;
    for (const Language &language : all()) {
        if (qstrcmp(language.key, "English") == 0)
            continue;
        for (const Message &m : readTs(tsPath(language.key)).messages) {
            if (!m.numerus && m.type.isEmpty() && m.forms.value(0) == m.source)
                keptNow.insert(sameAsSourceKey(language.key, m));
        }
    }
    QStringList stale = (kept - keptNow).values();
    stale.sort();
    QVERIFY2(stale.isEmpty(), qPrintable(stale.mid(0, 25).join(QLatin1Char('\n'))));
}

void tst_TsFiles::lupdateFindsNothingNew()
{
    // lupdate, run over the code into a copy of a committed file, finds no
    // text the committed files lack and drops none they hold.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("English.ts"));
    QVERIFY(QFile::copy(tsPath("English"), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setWorkingDirectory(sourceDir() + QStringLiteral("/.."));
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    // As tools/update-translations.sh runs it.
    QStringList arguments = {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none")};
    arguments << QStringLiteral("app") << QStringLiteral("core") << QStringLiteral("widgets")
              << QStringLiteral("device") << QStringLiteral("ui") << QStringLiteral("-ts") << copy;
    lupdate.start(lupdateProgram(), arguments);
    QVERIFY2(lupdate.waitForFinished(300000), qPrintable(lupdate.errorString()));
    QCOMPARE(lupdate.exitCode(), 0);

    const QSet<QString> committed = messageKeys(readTs(tsPath("English")));
    const QSet<QString> fromCode = messageKeys(readTs(copy));
    QStringList missing = (fromCode - committed).values();
    QStringList gone = (committed - fromCode).values();
    missing.sort();
    gone.sort();
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("not in the .ts files:\n") + missing.join(QLatin1Char('\n'))));
    QVERIFY2(gone.isEmpty(), qPrintable(QStringLiteral("no longer in the code:\n") + gone.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(tst_TsFiles)
#include "tst_tsfiles.moc"
