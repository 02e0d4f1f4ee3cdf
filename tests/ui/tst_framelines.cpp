// The feature pages in the dark theme, as a user sees them in the main
// window over a simulated keyboard: no frame draws the style's own light
// panel line where the theme gives it no border (such lines showed around
// the performance page's panels).
#include <QtTest>

#include <QAbstractScrollArea>
#include <QFrame>

#include "support/SimMainWindow.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

class tst_FrameLines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void noLightFrameLine_data();
    void noLightFrameLine();

private:
    SimMainWindow m_window;
    DDevicePage *m_page = nullptr;
};

void tst_FrameLines::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
    m_page = m_window.start("LT108HE");
    QVERIFY(m_page);
    m_page->window()->resize(1366, 768);
    m_page->window()->show();
}

void tst_FrameLines::cleanupTestCase()
{
    m_window.close();
}

void tst_FrameLines::noLightFrameLine_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("key custom") << int(DDevicePage::CustomKeysPage);
    QTest::newRow("performance") << int(DDevicePage::PerformancePage);
    QTest::newRow("trigger") << int(DDevicePage::TriggerSettingPage);
}

void tst_FrameLines::noLightFrameLine()
{
    QFETCH(int, page);
    m_page->onCurIndexChangedMainPage(page);
    QWidget *window = m_page->window();
    QTest::qWait(50); // queued layouts and style sheets settle
    const QImage shot = window->grab().toImage();
    QStringList lined;
    for (QFrame *frame : m_page->findChildren<QFrame *>()) {
        if (!frame->isVisible() || frame->frameWidth() == 0 || frame->width() < 40 || frame->height() < 20)
            continue;
        const QRect r(frame->mapTo(window, QPoint(0, 0)), frame->size());
        if (!shot.rect().contains(r))
            continue;
        // A thin light grey line on the top edge between dark ground outside
        // and inside is the style's own panel line: the theme's borders are a
        // few shades off the ground, or in its accent colour.
        if (r.top() < 3)
            continue;
        int lit = 0;
        int sampled = 0;
        for (int x = r.left() + 12; x < r.right() - 12; x += 3, ++sampled) {
            const QColor edge = shot.pixelColor(x, r.top());
            if (edge.lightness() >= 150 && edge.hslSaturation() < 60 && shot.pixelColor(x, r.top() + 4).lightness() < 100
                && shot.pixelColor(x, r.top() - 3).lightness() < 100)
                ++lit;
        }
        if (sampled > 0 && lit * 2 > sampled)
            lined << QStringLiteral("%1 %2").arg(QLatin1String(frame->metaObject()->className()), frame->objectName());
    }
    QVERIFY2(lined.isEmpty(), qPrintable(lined.join(QStringLiteral(", "))));
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lumtar-test"));
    tst_FrameLines test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_framelines.moc"
