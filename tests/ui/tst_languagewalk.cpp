// Every language as a user meets it: the main window over a simulated
// keyboard switched to each of the sixteen in turn, then every feature page,
// key-assignment page and dialog shown. Nothing visible may still be the
// English source, nothing may be left over from the language before, and no
// label or button may be too small for its text.
#include <QtTest>

#include <QMetaEnum>

#include "core/QtLinguist.h"
#include "support/LanguageWalk.h"
#include "support/SimMainWindow.h"
#include "support/TempHome.h"
#include "support/TranslationCatalog.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

namespace {

// How many lines of each kind a failure lists before it stops counting.
const int kListed = 40;

QString listed(const QString &heading, QStringList lines)
{
    if (lines.isEmpty())
        return QString();
    lines.removeDuplicates();
    const int all = lines.size();
    if (all > kListed)
        lines = lines.mid(0, kListed) << QStringLiteral("... and %1 more").arg(all - kListed);
    return heading + QStringLiteral(" (%1):\n  ").arg(all) + lines.join(QStringLiteral("\n  ")) + QLatin1Char('\n');
}

} // namespace

class tst_LanguageWalk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyLanguage_data();
    void everyLanguage();

private:
    SimMainWindow m_window;
    QtLinguist *m_linguist = nullptr;
    TranslationCatalog m_previous;
};

void tst_LanguageWalk::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
    m_linguist = new QtLinguist(qApp);
    DDevicePage *page = m_window.start("LT108HE");
    QVERIFY(page);
    page->window()->resize(1366, 768);
}

void tst_LanguageWalk::cleanupTestCase()
{
    m_window.close();
}

void tst_LanguageWalk::everyLanguage_data()
{
    QTest::addColumn<QString>("language");
    // English first, then each language switched to from the one before.
    QStringList order = TranslationCatalog::languages();
    order.removeAll(QStringLiteral("English"));
    order.prepend(QStringLiteral("English"));
    for (const QString &language : qAsConst(order))
        QTest::newRow(qPrintable(language)) << language;
}

void tst_LanguageWalk::everyLanguage()
{
    QFETCH(QString, language);
    TranslationCatalog catalog;
    QString error;
    QVERIFY2(catalog.load(language, &error), qPrintable(error));

    const int id = QMetaEnum::fromType<QtLinguist::Language>().keyToValue(qPrintable(language));
    QVERIFY2(m_linguist->setLanguage(id), "the built translation does not load");

    QStringList untranslated, leftOver, clipped;
    LanguageWalk walk(qobject_cast<DMainWidget *>(m_window.page()->window()));
    walk.run([&](const QString &view) {
        const QVector<LanguageWalk::ShownText> texts = LanguageWalk::shownTexts();
        for (const LanguageWalk::ShownText &shown : texts) {
            if (catalog.isUntranslated(shown.text))
                untranslated << view + QStringLiteral(": ") + shown.where + QStringLiteral(" \"") + shown.text
                                    + QLatin1Char('"');
            if (!m_previous.language().isEmpty() && m_previous.isOwnTranslation(shown.text)
                && !catalog.translations().contains(shown.text))
                leftOver << view + QStringLiteral(": ") + shown.where + QStringLiteral(" \"") + shown.text
                                + QLatin1Char('"');
        }
        for (const QString &line : LanguageWalk::clippedTexts())
            clipped << view + QStringLiteral(": ") + line;
    });
    m_previous = catalog;

    const QString report = listed(QStringLiteral("still in English"), untranslated)
                           + listed(QStringLiteral("left from the language before"), leftOver)
                           + listed(QStringLiteral("cut off"), clipped);
    // Qt Test cuts a failure message short: the whole report goes to the log first.
    for (const QString &line : report.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        qInfo().noquote() << line;
    QVERIFY2(report.isEmpty(), qPrintable(QLatin1Char('\n') + report));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_LanguageWalk test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languagewalk.moc"
