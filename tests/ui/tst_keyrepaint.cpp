// Repaints of the keyboard view while the light preview runs, with the real
// main window over the simulated LT108HE: a key repaints only when what it
// draws changed and can be seen. On the page shown at start (no light
// colours drawn) no key repaints on a tick of the animated default effect;
// on the lighting page only keys whose drawn colour changed repaint; a
// minimised window repaints nothing; and a theme change on the trigger page
// leaves its keys without light colours.
#include <QtTest>

#include <QHash>

#include "sdk/include/LumtarLight.h"
#include "support/DevicePageProbe.h"
#include "support/SimMainWindow.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QPainter>
#include <QPainterPathStroker>

Q_DECLARE_METATYPE(colorInfoData)

namespace {

const int kSettleMs = 40000;
// Long enough for some thirty paint ticks.
const int kWatchMs = 1000;

colorInfoData keyboardRecord(int mode, int full, int r, int g, int b)
{
    return { LUMTAR_LIGHT_KIND_KEYBOARD, mode, 5, 3, r, g, b, 0, 0, 0, 0, full, 0, 0 };
}

// Counts the paint events of the key buttons, and the repaints of a key
// whose outline is the one it painted last time.
class KeyPaintCounter : public QObject
{
public:
    KeyPaintCounter() { qApp->installEventFilter(this); }
    ~KeyPaintCounter() override { qApp->removeEventFilter(this); }

    void reset()
    {
        paints = 0;
        samePaints = 0;
        groundPaints = 0;
        m_last.clear();
    }

    int paints = 0;
    int samePaints = 0;
    // Paints of the view's ground, which the opaque picture hides under the keys.
    int groundPaints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        if (qobject_cast<hidDeviceJoinFrame *>(watched))
            ++groundPaints;
        auto *key = qobject_cast<keyboardButCustom *>(watched);
        if (!key)
            return false;
        ++paints;
        // A sliver of a neighbour's repaint is not a repaint of this key.
        if (static_cast<QPaintEvent *>(event)->rect() != key->rect())
            return false;
        const QVector<keyboardButCustom::Outline> plan = key->outlinePlan();
        const auto last = m_last.constFind(key);
        if (last != m_last.constEnd() && *last == plan)
            ++samePaints;
        m_last.insert(key, plan);
        return false;
    }

private:
    QHash<QObject *, QVector<keyboardButCustom::Outline>> m_last;
};

// Whether a preview colour of the keys changes within `ms`.
bool previewsMove(const lightDealMain *engine, int ms)
{
    QVector<QColor> before;
    for (int i = 0; i < lightDealMain::KeyCount; ++i)
        before << engine->previewColor(i);
    return QTest::qWaitFor(
        [&] {
            for (int i = 0; i < lightDealMain::KeyCount; ++i) {
                if (engine->previewColor(i) != before.at(i))
                    return true;
            }
            return false;
        },
        ms);
}

} // namespace

class tst_KeyRepaint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void lightOutlineLooksAsAFilledStroke_data();
    void lightOutlineLooksAsAFilledStroke();
    void startPageRepaintsNoKey();
    void lightingPageRepaintsOnlyChangedKeys_data();
    void lightingPageRepaintsOnlyChangedKeys();
    void minimisedWindowRepaintsNoKey();
    void themeChangeKeepsTheTriggerPageWithoutLightColours();

private:
    DDevicePage *openWindow();
    QWidget *window() const { return m_sim.page()->window(); }
    TempHome m_home;
    SimMainWindow m_sim;
};

void tst_KeyRepaint::initTestCase()
{
    QVERIFY(SimMainWindow::initialise());
    QCOMPARE(CLumtarLight_Init(), 0);
}

void tst_KeyRepaint::cleanup()
{
    m_sim.close();
}

DDevicePage *tst_KeyRepaint::openWindow()
{
    DDevicePage *page = m_sim.start("LT108HE");
    window()->setGeometry(0, 0, 1366, 768);
    window()->show();
    if (!QTest::qWaitFor([&] { return DevicePageProbe(page).isKeyboardShown(); }, SimMainWindow::SettleMs))
        qWarning("the keyboard was not shown");
    // The update offer of a fresh home comes up over the window a while
    // after the open: gone before anything is counted.
    if (!m_sim.dismissFirmwareOffer())
        qWarning("no update offer came");
    QTest::qWait(200);
    return page;
}

void tst_KeyRepaint::lightOutlineLooksAsAFilledStroke_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("light");
    QTest::newRow("one unit, preview red") << QSize(34, 38) << QColor(255, 0, 0, 180);
    QTest::newRow("wide, odd colour") << QSize(75, 38) << QColor(12, 200, 99, 77);
    QTest::newRow("tall, opaque") << QSize(34, 80) << QColor(250, 250, 10);
}

void tst_KeyRepaint::lightOutlineLooksAsAFilledStroke()
{
    // The light outline as it was always painted: the key's inner rectangle
    // filled, then the rounded rectangle's 3-pixel stroke filled, both in
    // the light colour.
    QFETCH(QSize, size);
    QFETCH(QColor, light);
    QImage expected(size, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(QRect(QPoint(0, 0), size).adjusted(1, 1, -1, -1), light);
        QPainterPath outline;
        outline.addRoundedRect(QRectF(QPointF(0, 0), size), 6, 6, Qt::AbsoluteSize);
        QPainterPathStroker stroker;
        stroker.setWidth(3);
        stroker.setCapStyle(Qt::SquareCap);
        stroker.setJoinStyle(Qt::BevelJoin);
        painter.fillPath(stroker.createStroke(outline), light);
    }
    keyboardButCustom key;
    key.setKeySize(size.width(), size.height());
    key.setLightColorShow(true);
    key.setLightMode(true);
    key.setHoverEnabled(false);
    key.setLightColor(light);
    // Twice: the second paint reuses what the first one kept.
    for (int i = 0; i < 2; ++i) {
        QImage painted(size, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        key.render(&painted, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(painted, expected);
    }
}

void tst_KeyRepaint::startPageRepaintsNoKey()
{
    DDevicePage *page = openWindow();
    QVERIFY(page->lightEngine()->isKeyboardPreviewRunning());
    QVERIFY(page->currentMainPage() != DDevicePage::LightsConfigPage);
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    KeyPaintCounter counter;
    QTest::qWait(200);
    counter.reset();
    // The default effect is animated: the previews move, the keys stay.
    QVERIFY(previewsMove(page->lightEngine(), kWatchMs));
    QTest::qWait(kWatchMs);
    QCOMPARE(counter.paints, 0);
}

void tst_KeyRepaint::lightingPageRepaintsOnlyChangedKeys_data()
{
    QTest::addColumn<colorInfoData>("record");
    QTest::addColumn<bool>("repaints");
    QTest::newRow("static red") << keyboardRecord(LightMode_Static, 0, 255, 0, 0) << false;
    QTest::newRow("wave, full colour") << keyboardRecord(LightMode_Wave, 1, 255, 0, 0) << true;
}

void tst_KeyRepaint::lightingPageRepaintsOnlyChangedKeys()
{
    QFETCH(colorInfoData, record);
    QFETCH(bool, repaints);
    DDevicePage *page = openWindow();
    page->onCurIndexChangedMainPage(DDevicePage::LightsConfigPage);
    QVERIFY(QTest::qWaitForWindowExposed(window()));
    lightDealMain *engine = page->lightEngine();
    engine->setKeyboardColorInfo(record);
    // The keys show the new light before the count starts; a still light
    // shows it whole.
    DevicePageProbe probe(page);
    QVERIFY(repaints || QTest::qWaitFor(
        [&] {
            for (int i = 0; i < lightDealMain::KeyCount; ++i) {
                const keyboardButCustom *key = probe.gridKey(i / lightDealMain::Columns, i % lightDealMain::Columns);
                if (key && key->keyCode() != 0 && key->lightColor() != engine->previewColor(i))
                    return false;
            }
            return engine->previewColor(0).alpha() > 0;
        },
        kSettleMs));
    QTest::qWait(repaints ? 1000 : 300);
    KeyPaintCounter counter;
    QTest::qWait(100);
    counter.reset();
    const bool moving = previewsMove(engine, kWatchMs);
    QTest::qWait(kWatchMs);
    if (repaints) {
        QVERIFY(moving);
        QVERIFY(counter.paints > 0);
    } else {
        QCOMPARE(counter.paints, 0);
    }
    // A key never repaints what it painted last, and a frame repaints
    // nothing beneath the picture.
    QCOMPARE(counter.samePaints, 0);
    QCOMPARE(counter.groundPaints, 0);
}

void tst_KeyRepaint::minimisedWindowRepaintsNoKey()
{
    DDevicePage *page = openWindow();
    page->onCurIndexChangedMainPage(DDevicePage::LightsConfigPage);
    page->lightEngine()->setKeyboardColorInfo(keyboardRecord(LightMode_Wave, 1, 255, 0, 0));
    window()->showMinimized();
    QTRY_VERIFY(window()->isMinimized());
    QTest::qWait(100);
    KeyPaintCounter counter;
    QVERIFY(previewsMove(page->lightEngine(), kWatchMs));
    QTest::qWait(kWatchMs);
    QCOMPARE(counter.paints, 0);
    // Shown again, the keys show the colours of now.
    window()->showNormal();
    QTRY_VERIFY(counter.paints > 0);
}

void tst_KeyRepaint::themeChangeKeepsTheTriggerPageWithoutLightColours()
{
    DDevicePage *page = openWindow();
    page->onCurIndexChangedMainPage(DDevicePage::TriggerSettingPage);
    page->lightEngine()->setKeyboardColorInfo(keyboardRecord(LightMode_Wave, 1, 255, 0, 0));
    page->updateAppTheme();
    QVERIFY(previewsMove(page->lightEngine(), kWatchMs));
    QTest::qWait(200);
    DevicePageProbe probe(page);
    for (int row = 0; row < lightDealMain::Rows; ++row) {
        for (int column = 0; column < lightDealMain::Columns; ++column) {
            if (keyboardButCustom *key = probe.gridKey(row, column))
                QCOMPARE(key->lightColor(), QColor(0, 0, 0, 0));
        }
    }
}

QTEST_MAIN(tst_KeyRepaint)
#include "tst_keyrepaint.moc"
