// Every language as a user meets it: the main window over a simulated
// keyboard switched to each of the sixteen in turn, then every feature page,
// key-assignment page and dialog shown. Nothing visible may still be the
// English source, nothing may be left over from the language before, and no
// label or button may be too small for its text.
#include <QtTest>

#include <QLabel>
#include <QMetaEnum>
#include <QRadioButton>
#include <QToolButton>

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
    void cutTextsAsPainted();
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

// What the check takes for cut, on small widgets of known sizes: text too
// high for its widget, text wider in the bold font a style sheet gives the
// checked state, and what it must leave alone.
void tst_LanguageWalk::cutTextsAsPainted()
{
    QWidget window;
    window.resize(600, 400);
    QFont font = window.font();
    font.setPixelSize(20);
    const QFontMetrics fm(font);
    const auto label = [&](const char *name, const QString &text, int height) {
        auto *l = new QLabel(text, &window);
        l->setObjectName(QLatin1String(name));
        l->setFont(font);
        l->setGeometry(0, 0, fm.horizontalAdvance(text) + 10, height);
        return l;
    };
    // Descenders below a box as high as the font's cap height.
    label("fixtureDescendersCut", QStringLiteral("Delay Setting"), fm.capHeight() + 2);
    // The same height holds capitals without accents or descenders.
    label("fixtureCapitalsFit", QStringLiteral("HELD"), fm.capHeight() + 4);
    label("fixtureDescendersFit", QStringLiteral("Delay Setting"), fm.height());
    label("fixtureHiddenCut", QStringLiteral("Delay Setting"), 4)->hide();
    QLabel *wrapped = label("fixtureWrappedCut", QStringLiteral("A text long enough to take three lines here"), fm.height());
    wrapped->setWordWrap(true);
    wrapped->setFixedWidth(fm.horizontalAdvance(QStringLiteral("A text long")));

    auto *radio = new QRadioButton(QStringLiteral("Insert event before"), &window);
    radio->setObjectName(QStringLiteral("fixtureRadioCut"));
    radio->setGeometry(0, 0, radio->sizeHint().width(), radio->sizeHint().height() / 3);
    // Squeezed below what its layout owes it: the indicator is cut first.
    auto *squeezed = new QRadioButton(QStringLiteral("Insert event after"), &window);
    squeezed->setObjectName(QStringLiteral("fixtureRadioSqueezed"));
    squeezed->setGeometry(0, 0, squeezed->sizeHint().width(), squeezed->sizeHint().height() - 3);

    const QString sheet = QStringLiteral("QToolButton{font: 10pt; border: none; padding: 0px;}"
                                         "QToolButton:checked{%1}");
    const auto tool = [&](const char *name, const QString &checked) {
        auto *b = new QToolButton(&window);
        b->setObjectName(QLatin1String(name));
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setText(QStringLiteral("Performance"));
        b->setStyleSheet(sheet.arg(checked));
        b->ensurePolished();
        // Room for the regular text and a little more.
        b->setGeometry(0, 0, b->fontMetrics().horizontalAdvance(b->text()) + 4, 60);
        return b;
    };
    tool("fixtureBoldWhenCheckedCut", QStringLiteral("font: bold 16pt;"));
    tool("fixtureColourWhenCheckedFits", QStringLiteral("color: red;"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList cut;
    for (const QString &line : LanguageWalk::clippedTexts()) {
        if (line.startsWith(QLatin1String("fixture")))
            cut << line.section(QLatin1Char(':'), 0, 0);
    }
    cut.removeDuplicates();
    cut.sort();
    const QStringList expected = {QStringLiteral("fixtureBoldWhenCheckedCut"),
                                  QStringLiteral("fixtureDescendersCut"), QStringLiteral("fixtureRadioCut"),
                                  QStringLiteral("fixtureRadioSqueezed"),
                                  QStringLiteral("fixtureWrappedCut")};
    QCOMPARE(cut, expected);
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
