// The built translations of the sixteen languages: the theme names of each,
// fonts that draw each language through the theme's font, and the layout
// direction, which stays left to right in every language.
#include <QtTest>

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QTextLayout>
#include <QTranslator>

#include "core/QtLinguist.h"
#include "platform/FontAliases.h"
#include "translations/ShippedLanguages.h"

using namespace ShippedLanguages;

namespace {

QString builtTranslation(const char *key)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translation/") + QLatin1String(key)
        + QStringLiteral(".qm");
}

// A translation that asks for a right-to-left layout, as Qt's own Arabic and
// Hebrew translations do.
class RightToLeftTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "QGuiApplication") == 0 && qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
            return QStringLiteral("RTL");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

void languageRows()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < all().size(); ++i)
        QTest::newRow(all().at(i).key) << i;
}

} // namespace

class tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void themeNames_data() { languageRows(); }
    void themeNames();
    void fonts_data() { languageRows(); }
    void fonts();
    void leftToRight_data() { languageRows(); }
    void leftToRight();
    void qtOwnTextsBesideOurs_data() { languageRows(); }
    void qtOwnTextsBesideOurs();
    void arabicRunsRightToLeftInside();

private:
    QStringList m_themeFamilies;
};

void tst_Languages::initTestCase()
{
    FontAliases::install();
    m_themeFamilies = FontAliases::families();
}

void tst_Languages::themeNames()
{
    // The settings dialog lists the five themes by name: in every language
    // each name is there and none holds another.
    QFETCH(int, index);
    const Language &language = all().at(index);
    QTranslator translator;
    QVERIFY(translator.load(builtTranslation(language.key)));
    QStringList names;
    for (const char *theme : {"Dark", "Light", "Blue", "Pink", "Other"}) {
        const QString name = translator.translate("DSettingsDia", theme);
        QVERIFY2(!name.isEmpty(), theme);
        names << name;
    }
    for (const QString &name : names) {
        for (const QString &other : names) {
            if (&name != &other)
                QVERIFY2(!name.contains(other), qPrintable(name + QStringLiteral(" holds ") + other));
        }
    }
}

void tst_Languages::fonts()
{
    QFETCH(int, index);
    const Language &language = all().at(index);
    // An installed family covers the language's script ...
    QVERIFY2(!QFontDatabase().families(language.script).isEmpty(), "no font for the script");

    // ... and the theme's font, through its substitutes, draws every
    // character of every translation.
    QVERIFY(!m_themeFamilies.isEmpty());
    QList<QFontMetrics> metrics;
    for (const QString &family : qAsConst(m_themeFamilies))
        metrics << QFontMetrics(QFont(family));
    const TsFile ts = readTs(tsPath(language.key));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QSet<uint> missing;
    for (const Message &m : ts.messages) {
        for (const QString &form : m.forms) {
            for (uint c : form.toUcs4()) {
                if (c < 0x20 || QChar::isSpace(c) || missing.contains(c))
                    continue;
                const bool drawn = std::any_of(metrics.cbegin(), metrics.cend(),
                                               [c](const QFontMetrics &fm) { return fm.inFontUcs4(c); });
                if (!drawn)
                    missing.insert(c);
            }
        }
    }
    QStringList shown;
    for (uint c : qAsConst(missing))
        shown << QStringLiteral("U+%1").arg(c, 4, 16, QLatin1Char('0'));
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no glyph in ") + m_themeFamilies.join(QStringLiteral(", "))
                                            + QStringLiteral(": ") + shown.join(QLatin1Char(' '))));
}

void tst_Languages::leftToRight()
{
    // Pages place things by pixels: every language keeps the application
    // left to right, even when a translation asks for right to left.
    QFETCH(int, index);
    const Language &language = all().at(index);
    RightToLeftTranslator rightToLeft;
    QCoreApplication::installTranslator(&rightToLeft);
    QCOMPARE(qApp->layoutDirection(), Qt::RightToLeft); // what Qt makes of it on its own

    QtLinguist linguist;
    QVERIFY(linguist.setLanguage(QMetaEnum::fromType<QtLinguist::Language>().keyToValue(language.key)));
    QCOMPARE(qApp->layoutDirection(), Qt::LeftToRight);
    QLabel label;
    QCOMPARE(label.layoutDirection(), Qt::LeftToRight);
    QCoreApplication::removeTranslator(&rightToLeft);
    QtLinguist::keepLeftToRight();
}

void tst_Languages::arabicRunsRightToLeftInside()
{
    // Left to right as a whole, Arabic text still runs right to left inside
    // its widget: its first letter is drawn right of its last.
    QtLinguist linguist;
    QVERIFY(linguist.setLanguage(QtLinguist::Arabic));
    QCOMPARE(qApp->layoutDirection(), Qt::LeftToRight);
    const QString text = QString::fromUtf8("\xd8\xa7\xd9\x84\xd9\x84\xd8\xba\xd8\xa9"); // "اللغة"
    QTextLayout layout(text, QLabel().font());
    QTextOption option;
    option.setTextDirection(qApp->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    QVERIFY(line.isValid());
    layout.endLayout();
    QVERIFY(line.cursorToX(0) > line.cursorToX(text.size()));
}

void tst_Languages::qtOwnTextsBesideOurs()
{
    // One file per language holds Qt's own texts (the file dialog the macro
    // export opens, a line edit's menu) next to ours, plural forms intact.
    QFETCH(int, index);
    const Language &language = all().at(index);
    QTranslator translator;
    QVERIFY(translator.load(builtTranslation(language.key)));
    const QString lookIn = translator.translate("QFileDialog", "Look in:");
    const QString cancel = translator.translate("QPlatformTheme", "Cancel");
    if (qstrcmp(language.key, "English") != 0) {
        QVERIFY2(!lookIn.isEmpty() && lookIn != QLatin1String("Look in:"), qPrintable(lookIn));
        QVERIFY2(!cancel.isEmpty() && cancel != QLatin1String("Cancel"), qPrintable(cancel));
    }
    QVERIFY(!translator.translate("DSettingsDia", "Dark").isEmpty());
    const char *macros = "More than %n keys are bound to macros; the keyboard holds %n macros. Nothing was downloaded";
    const QString one = translator.translate("DOnboardDownloader", macros, nullptr, 1);
    const QString five = translator.translate("DOnboardDownloader", macros, nullptr, 5);
    QVERIFY(!one.isEmpty());
    QCOMPARE(one == five, language.numerusForms == 1);
}

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
