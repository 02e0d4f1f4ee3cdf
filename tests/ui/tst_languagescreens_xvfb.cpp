// The three languages with the longest texts on a real X display (a private
// Xvfb, the installed fonts): every page and dialog of the language walk is
// photographed into the build tree ("screenshots/languages/<language>") to
// be looked at, and no label or button may be too small for its text.
#include <QtTest>

#include <QDir>
#include <QMetaEnum>

#include <algorithm>

#include "core/QtLinguist.h"
#include "support/LanguageWalk.h"
#include "support/SimMainWindow.h"
#include "support/TempHome.h"
#include "support/TranslationCatalog.h"
#include "support/XvfbServer.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

namespace {

bool g_haveDisplay = false;

QString fileName(int index, QString view)
{
    view.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("%1-%2.png").arg(index, 2, 10, QLatin1Char('0')).arg(view);
}

} // namespace

class tst_LanguageScreensXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void longestLanguages_data();
    void longestLanguages();

private:
    SimMainWindow m_window;
    QtLinguist *m_linguist = nullptr;
};

void tst_LanguageScreensXvfb::initTestCase()
{
    if (!g_haveDisplay)
        QSKIP("no private X server");
    QVERIFY(SimMainWindow::initialise());
    m_linguist = new QtLinguist(qApp);
    DDevicePage *page = m_window.start("LT108HE");
    QVERIFY(page);
    page->window()->resize(1366, 768);
}

void tst_LanguageScreensXvfb::cleanupTestCase()
{
    m_window.close();
}

void tst_LanguageScreensXvfb::longestLanguages_data()
{
    QTest::addColumn<QString>("language");
    if (!g_haveDisplay)
        return;
    const QFontMetrics metrics(QApplication::font());
    QVector<QPair<double, QString>> widths;
    for (const QString &language : TranslationCatalog::languages()) {
        TranslationCatalog catalog;
        if (catalog.load(language))
            widths.append({catalog.widthAgainstSource(metrics), language});
    }
    std::sort(widths.begin(), widths.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (int i = 0; i < qMin(3, widths.size()); ++i)
        QTest::newRow(qPrintable(widths.at(i).second)) << widths.at(i).second;
}

void tst_LanguageScreensXvfb::longestLanguages()
{
    QFETCH(QString, language);
    const int id = QMetaEnum::fromType<QtLinguist::Language>().keyToValue(qPrintable(language));
    QVERIFY2(m_linguist->setLanguage(id), "the built translation does not load");

    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots/languages/")
                           + language;
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));

    QStringList clipped;
    int shot = 0;
    LanguageWalk walk(qobject_cast<DMainWidget *>(m_window.page()->window()));
    walk.run([&](const QString &view) {
        ++shot;
        const QWidgetList tops = QApplication::topLevelWidgets();
        int part = 0;
        for (QWidget *top : tops) {
            if (!top->isVisible() || top->width() < 40)
                continue;
            // The firmware window may open on its own; it is photographed when the walk opens it.
            if (qobject_cast<DUpdateFirmwareDia *>(top) && view != QLatin1String("firmware window"))
                continue;
            const QString name = fileName(shot, part++ ? view + QStringLiteral(" ") + QString::number(part) : view);
            top->grab().save(folder + QLatin1Char('/') + name);
        }
        for (const QString &line : LanguageWalk::clippedTexts())
            clipped << view + QStringLiteral(": ") + line;
    });
    clipped.removeDuplicates();
    // Qt Test cuts a failure message short: the whole list goes to the log first.
    for (const QString &line : qAsConst(clipped))
        qInfo().noquote() << "cut off:" << line;
    QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("\ncut off (%1):\n  ").arg(clipped.size())
                                           + clipped.mid(0, 40).join(QStringLiteral("\n  "))));
}

int main(int argc, char **argv)
{
    TempHome home;
    XvfbServer xvfb(QSize(1366, 768));
    g_haveDisplay = xvfb.startForApplication();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_LanguageScreensXvfb test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languagescreens_xvfb.moc"
