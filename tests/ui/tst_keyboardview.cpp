// The keyboard view of the shipped models: zoom and its rounding, the key
// table, rectangle selection, hover by row band, toggling single keys, the
// pictures, the drag overlay, and a screenshot check that every key button
// lies on its keycap in the rendered picture.
#include <QtTest>

#include <QDir>
#include <QMouseEvent>
#include <QSignalSpy>

#include <memory>

#include "core/DDataManager.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/KeyboardModelTable.h"
#include "ui/mainwidget/devicePage/dragShowArea.h"
#include "ui/mainwidget/devicePage/hidDeviceJoinFrame.h"
#include "ui/mainwidget/devicePage/keySelectFrame.h"
#include "ui/mainwidget/devicePage/keyboardButCustom.h"
#include "ui/mainwidget/devicePage/keyboardImageFrameItem.h"
#include "ui/mainwidget/devicePage/sideLightButtonCustom.h"

namespace {

using ViewPtr = std::unique_ptr<hidDeviceJoinFrame>;

int R(float v)
{
    return hidDeviceJoinFrame::roundScaled(v);
}

void sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

int brightness(QRgb c)
{
    return (qRed(c) + qGreen(c) + qBlue(c)) / 3;
}

} // namespace

class TestKeyboardView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void rounding_data();
    void rounding();
    void zoomPlacesKeysAndSegments_data();
    void zoomPlacesKeysAndSegments();
    void keyTableAndRowHeads();
    void unknownModelHasTheSmallestCanvas();
    void rectangleSelection();
    void hoverByRowBand();
    void hoverIsFrozenWhileTheMouseIsHeld();
    void leavingAKeyOnTheTriggerPageClearsTheTip();
    void pressingTogglesTheHoveredKey();
    void lightShowModeClearsTheSelection();
    void pictures_data();
    void pictures();
    void screenshotKeysLieOnTheirKeycaps_data();
    void screenshotKeysLieOnTheirKeycaps();

    void overlayDisabledIgnoresEverything();
    void overlayDragsABand();
    void overlayRightPressCancels();
    void overlaySingleKeyMode();

private:
    ViewPtr openView(const char *model, float zoom);
    keyboardButCustom *key(hidDeviceJoinFrame *view, int code) const;
    QPoint keyCorner(hidDeviceJoinFrame *view, int code) const;
    QPoint keyCentre(hidDeviceJoinFrame *view, int code) const;

    std::unique_ptr<TempHome> m_home;
};

void TestKeyboardView::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    DDataManager::getInstance()->loadThemeConfig(0);
}

ViewPtr TestKeyboardView::openView(const char *model, float zoom)
{
    ViewPtr view = std::make_unique<hidDeviceJoinFrame>();
    view->resize(1200, 520);
    hidStructInfoAll info = {};
    lumtarCopyField(info.hidModel, model);
    view->loadKeyboard(info);
    view->setZoom(zoom);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        return nullptr;
    QApplication::processEvents();
    return view;
}

keyboardButCustom *TestKeyboardView::key(hidDeviceJoinFrame *view, int code) const
{
    return view->keyLayer()->keyButtonMap().value(code);
}

// The key's top-left corner in view coordinates, as the selection computes it.
QPoint TestKeyboardView::keyCorner(hidDeviceJoinFrame *view, int code) const
{
    const QPoint c = view->canvas()->mapTo(view, QPoint(0, 0));
    for (const KeyLayoutInfoStu &r : view->keyLayer()->keyLayoutRecords()) {
        if (r.code == code) {
            const float f = view->zoomFactor();
            return QPoint(int(float(r.x) * f + float(c.x()) + 10), int(float(r.y) * f + float(c.y()) + 10));
        }
    }
    return QPoint(-1, -1);
}

QPoint TestKeyboardView::keyCentre(hidDeviceJoinFrame *view, int code) const
{
    keyboardButCustom *k = key(view, code);
    return k->mapTo(view, QPoint(k->width() / 2, k->height() / 2));
}

void TestKeyboardView::rounding_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.35") << 2.35f << 2;
    QTest::newRow("2.39") << 2.39f << 2;
    QTest::newRow("2.4") << 2.4f << 3;
    QTest::newRow("2.95") << 2.95f << 3;
    QTest::newRow("25 x 1.1") << 25 * 1.1f << 28;
    QTest::newRow("25 x 1.01") << 25 * 1.01f << 25;
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("whole") << 7.0f << 7;
    QTest::newRow("9.99") << 9.99f << 10;
    QTest::newRow("723 x 1.4") << 723 * 1.4f << 1012;
}

void TestKeyboardView::rounding()
{
    QFETCH(float, value);
    QFETCH(int, rounded);
    QCOMPARE(R(value), rounded);
}

void TestKeyboardView::zoomPlacesKeysAndSegments_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<float>("zoom");
    for (const char *model : {"LT108HE", "LT68HE", "LT104RGB"}) {
        for (float zoom : {1.0f, 1.1f, 1.4f, 1.7f})
            QTest::addRow("%s at %.1f", model, double(zoom)) << QByteArray(model) << zoom;
    }
}

void TestKeyboardView::zoomPlacesKeysAndSegments()
{
    QFETCH(QByteArray, model);
    QFETCH(float, zoom);
    ViewPtr view = openView(model.constData(), 1.0f);
    QVERIFY(view);
    hidDeviceJoinFrame *v = view.get();

    // Before any zoom a right-edge segment sits at its layout place plus 10.
    for (const KeyLayoutInfoStu &r : v->keyLayer()->sideLightRecords()) {
        if (r.sidePosition == KeyLayoutInfoStu::SideRight) {
            hidDeviceJoinFrame fresh;
            hidStructInfoAll info = {};
            lumtarCopyField(info.hidModel, model.constData());
            fresh.loadKeyboard(info);
            QCOMPARE(fresh.keyLayer()->sideLightMap().value(r.code)->geometry().topLeft(),
                     QPoint(r.x + 10, r.y + 10));
            break;
        }
    }

    v->setZoom(zoom);
    const QSize base = KeyboardModelTable::canvasBaseSize(QString::fromLatin1(model));
    const int W = R(float(base.width()) * zoom) + 20;
    const int H = R(float(base.height()) * zoom) + 20;
    QCOMPARE(v->canvas()->size(), QSize(W, H));

    int placed = 0;
    for (const KeyLayoutInfoStu &r : v->keyLayer()->keyLayoutRecords()) {
        if (r.code == 0)
            continue;
        const QRect expected(R(float(r.x) * zoom) + 10, R(float(r.y) * zoom) + 10, R(float(r.width) * zoom),
                             R(float(r.height) * zoom));
        keyboardButCustom *k = key(v, r.code);
        QCOMPARE(k->geometry(), expected);
        QCOMPARE(k->keyPos(), expected.topLeft());
        QCOMPARE(k->keySize(), expected.size());
        if (zoom == 1.0f)
            QCOMPARE(expected, QRect(r.x + 10, r.y + 10, r.width, r.height));
        ++placed;
    }
    QVERIFY(placed >= 68);

    for (const KeyLayoutInfoStu &r : v->keyLayer()->sideLightRecords()) {
        const QRect g = v->keyLayer()->sideLightMap().value(r.code)->geometry();
        if (r.sidePosition == KeyLayoutInfoStu::SideRight)
            QCOMPARE(g, QRect(W - 10, R(float(r.y) * zoom) + 10, r.width, R(float(r.height) * zoom)));
        else if (r.sidePosition == KeyLayoutInfoStu::SideLeft && r.x == 0)
            QCOMPARE(g, QRect(0, R(float(r.y) * zoom) + 10, r.width, R(float(r.height) * zoom)));
        // The strip stays in the canvas's margin.
        QVERIFY(QRect(QPoint(0, 0), v->canvas()->size()).contains(g));
    }
}

void TestKeyboardView::keyTableAndRowHeads()
{
    ViewPtr view = openView("LT68HE", 1.4f);
    QVERIFY(view);
    const QVector<KeyLayoutInfoStu> records = view->keyLayer()->keyLayoutRecords();
    for (int n = 0; n < 132; ++n)
        QCOMPARE(view->keyRecordAt(n / 22, n % 22).code, records.at(n).code);
    const QVector<KeyLayoutInfoStu> heads = view->rowHeads();
    QCOMPARE(heads.size(), 6);
    QCOMPARE(heads.at(0).code, 0); // the compact board leaves the top matrix row empty
    QCOMPARE(heads.at(1).code, 41);
    QCOMPARE(heads.at(5).code, 224);
}

void TestKeyboardView::unknownModelHasTheSmallestCanvas()
{
    hidDeviceJoinFrame view;
    hidStructInfoAll info = {};
    lumtarCopyField(info.hidModel, "NoSuchModel");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("fp == NULL")));
    view.loadKeyboard(info);
    QCOMPARE(view.canvas()->size(), QSize(20, 20));
    view.setZoom(1.4f);
    QCOMPARE(view.canvas()->size(), QSize(20, 20));
    QVERIFY(view.rowHeads().isEmpty());
    QSignalSpy moved(&view, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
    view.hoverKeyAt(15, 15, 1);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toBool(), false);
    QVERIFY(view.pictureLayer()->shownPicture().isEmpty());
}

void TestKeyboardView::rectangleSelection()
{
    ViewPtr view = openView("LT104RGB", 1.4f);
    QVERIFY(view);
    hidDeviceJoinFrame *v = view.get();
    QSignalSpy changed(v, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
    const QList<QVariant> rectangleDone{0, -1, -1, -1};

    // A key whose corner lies exactly on the rectangle's corner is in it.
    const QPoint esc = keyCorner(v, 41);
    v->selectKeysInRect(esc.x(), esc.y(), esc.x(), esc.y());
    QCOMPARE(v->selectedKeys(), QList<keyboardButCustom *>{key(v, 41)});
    QVERIFY(key(v, 41)->isKeySelected());
    QCOMPARE(changed.takeFirst(), rectangleDone);

    // Q to T by their corners, given either way round, replaces the selection.
    const QPoint q = keyCorner(v, 20), t = keyCorner(v, 23);
    v->selectKeysInRect(q.x(), q.y(), t.x(), t.y());
    const QList<keyboardButCustom *> forward = v->selectedKeys();
    QCOMPARE(forward.size(), 5);
    QVERIFY(!key(v, 41)->isKeySelected());
    v->selectKeysInRect(t.x(), t.y(), q.x(), q.y());
    QCOMPARE(v->selectedKeys(), forward);
    for (keyboardButCustom *k : forward)
        QVERIFY(k->isKeySelected());

    // A corner one pixel outside keeps the key out, however much of it is in.
    v->selectKeysInRect(q.x() + 1, q.y(), t.x() + 200, t.y() + 10);
    QVERIFY(!v->selectedKeys().contains(key(v, 20)));
    QVERIFY(v->selectedKeys().contains(key(v, 23)));

    // (0, 0, 0, 0) selects nothing and only clears.
    changed.clear();
    v->selectKeysInRect(0, 0, 0, 0);
    QVERIFY(v->selectedKeys().isEmpty());
    for (keyboardButCustom *k : forward)
        QVERIFY(!k->isKeySelected());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0), rectangleDone);

    // The whole canvas takes every key once.
    const QRect canvas(v->canvas()->mapTo(v, QPoint(0, 0)), v->canvas()->size());
    v->selectKeysInRect(canvas.right(), canvas.bottom(), canvas.left(), canvas.top());
    QCOMPARE(v->selectedKeys().size(), 104);
}

void TestKeyboardView::hoverByRowBand()
{
    ViewPtr view = openView("LT104RGB", 1.4f);
    QVERIFY(view);
    hidDeviceJoinFrame *v = view.get();
    QSignalSpy moved(v, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);

    const QPoint a = keyCentre(v, 4);
    v->hoverKeyAt(a.x(), a.y(), 1);
    QCOMPARE(v->hoveredKey(), key(v, 4));
    QVERIFY(key(v, 4)->isHovered());
    QCOMPARE(moved.takeFirst().at(0).toBool(), true);

    // Moving onto the next key moves the highlight.
    const QPoint s = keyCentre(v, 22);
    v->hoverKeyAt(s.x(), s.y(), 1);
    QCOMPARE(v->hoveredKey(), key(v, 22));
    QVERIFY(!key(v, 4)->isHovered());
    QCOMPARE(moved.takeFirst().at(0).toBool(), true);

    // A point exactly on a key's left edge is not on it.
    const QPoint d = keyCorner(v, 7);
    v->hoverKeyAt(d.x(), s.y(), 1);
    QVERIFY(!v->hoveredKey());
    QVERIFY(!key(v, 22)->isHovered());
    QCOMPARE(moved.takeFirst().at(0).toBool(), false);

    // The lower half of the tall keypad "+" lies in the next row's band, and
    // only that row is searched.
    keyboardButCustom *plus = key(v, 87);
    const QPoint upper = plus->mapTo(v, QPoint(plus->width() / 2, plus->height() / 4));
    const QPoint lower = plus->mapTo(v, QPoint(plus->width() / 2, plus->height() * 3 / 4));
    v->hoverKeyAt(upper.x(), upper.y(), 1);
    QCOMPARE(v->hoveredKey(), plus);
    v->hoverKeyAt(lower.x(), lower.y(), 1);
    QVERIFY(!v->hoveredKey());

    // Outside the canvas nothing is hit.
    v->hoverKeyAt(2, a.y(), 1);
    QCOMPARE(moved.last().at(0).toBool(), false);
}

void TestKeyboardView::hoverIsFrozenWhileTheMouseIsHeld()
{
    ViewPtr view = openView("LT68HE", 1.4f);
    QVERIFY(view);
    hidDeviceJoinFrame *v = view.get();
    const QPoint a = keyCentre(v, 4);
    v->hoverKeyAt(a.x(), a.y(), 1);
    v->toggleHoveredKey(true);
    QVERIFY(v->isMouseHeld());
    QSignalSpy moved(v, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
    const QPoint s = keyCentre(v, 22);
    v->hoverKeyAt(s.x(), s.y(), 1);
    v->hoverKeyAt(1, 1, 1);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(v->hoveredKey(), key(v, 4));
    v->toggleHoveredKey(false);
    v->hoverKeyAt(s.x(), s.y(), 1);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(v->hoveredKey(), key(v, 22));
}

void TestKeyboardView::leavingAKeyOnTheTriggerPageClearsTheTip()
{
    ViewPtr view = openView("LT68HE", 1.4f);
    QVERIFY(view);
    hidDeviceJoinFrame *v = view.get();
    const QPoint a = keyCentre(v, 4);
    key(v, 4)->click();
    QCOMPARE(v->keyLayer()->clickedKey(), key(v, 4));

    v->hoverKeyAt(a.x(), a.y(), 1);
    v->hoverKeyAt(1, 1, 1); // another page: the layer keeps its clicked key
    QCOMPARE(v->keyLayer()->clickedKey(), key(v, 4));

    v->hoverKeyAt(a.x(), a.y(), 4);
    v->hoverKeyAt(1, 1, 4); // the trigger page
    QVERIFY(!v->keyLayer()->clickedKey());
}

void TestKeyboardView::pressingTogglesTheHoveredKey()
{
    ViewPtr view = openView("LT108HE", 1.4f);
    QVERIFY(view);
    hidDeviceJoinFrame *v = view.get();
    QSignalSpy changed(v, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
    keyboardButCustom *k = key(v, 9); // F: matrix row 3
    const QPoint p = keyCentre(v, 9);
    v->hoverKeyAt(p.x(), p.y(), 4);

    v->toggleHoveredKey(true);
    QVERIFY(k->isKeySelected());
    QCOMPARE(v->selectedKeys(), QList<keyboardButCustom *>{k});
    QCOMPARE(changed.takeFirst(), (QList<QVariant>{1, 1, k->gridRow(), k->gridColumn()}));
    QCOMPARE(k->gridRow(), 3);
    v->toggleHoveredKey(false);
    QCOMPARE(changed.count(), 0);

    v->toggleHoveredKey(true);
    QVERIFY(!k->isKeySelected());
    QVERIFY(v->selectedKeys().isEmpty());
    QCOMPARE(changed.takeFirst(), (QList<QVariant>{1, -1, k->gridRow(), k->gridColumn()}));
    v->toggleHoveredKey(false);

    // Without a hovered key a press only holds the mouse.
    v->hoverKeyAt(1, 1, 4);
    v->toggleHoveredKey(true);
    QCOMPARE(changed.count(), 0);
    QVERIFY(v->isMouseHeld());
}

void TestKeyboardView::lightShowModeClearsTheSelection()
{
    ViewPtr view = openView("LT104RGB", 1.4f);
    QVERIFY(view);
    hidDeviceJoinFrame *v = view.get();
    const QRect canvas(v->canvas()->mapTo(v, QPoint(0, 0)), v->canvas()->size());
    v->selectKeysInRect(canvas.left(), canvas.top(), canvas.right(), canvas.bottom());
    QVERIFY(!v->selectedKeys().isEmpty());
    v->setLightShowMode(false);
    QVERIFY(!v->selectedKeys().isEmpty());
    v->setLightShowMode(true);
    QVERIFY(v->selectedKeys().isEmpty());
    for (keyboardButCustom *k : v->keyLayer()->keyButtonList())
        QVERIFY(!k->isKeySelected());
}

void TestKeyboardView::pictures_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("0") << 0 << "_0";
    QTest::newRow("1") << 1 << "_1";
    QTest::newRow("2") << 2 << "_2";
    QTest::newRow("3 is plain") << 3 << "";
    QTest::newRow("-1 is plain") << -1 << "";
}

void TestKeyboardView::pictures()
{
    QFETCH(int, variant);
    QFETCH(QString, suffix);
    ViewPtr view = openView("LT108HE", 1.4f);
    QVERIFY(view);
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/images/hidImages/");
    QCOMPARE(view->pictureLayer()->shownPicture(), dir + QStringLiteral("Keyboard_LT108HE.png"));
    view->setPictureVariant(variant);
    const QString expected = dir + QStringLiteral("Keyboard_LT108HE%1.png").arg(suffix);
    QCOMPARE(view->pictureLayer()->shownPicture(), expected);
    QVERIFY(QFileInfo(expected).isFile());
}

void TestKeyboardView::screenshotKeysLieOnTheirKeycaps_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::newRow("LT108HE") << QByteArray("LT108HE");
    QTest::newRow("LT68HE") << QByteArray("LT68HE");
    QTest::newRow("LT104RGB") << QByteArray("LT104RGB");
}

void TestKeyboardView::screenshotKeysLieOnTheirKeycaps()
{
    QFETCH(QByteArray, model);
    ViewPtr view = openView(model.constData(), 1.4f);
    QVERIFY(view);
    hidDeviceJoinFrame *v = view.get();
    QVERIFY(!v->pictureLayer()->shownPicture().isEmpty());
    const QImage shot = v->grab().toImage();
    const QString outDir = qEnvironmentVariable("LUMTAR_BIN_DIR") + QStringLiteral("/../screenshots");
    QVERIFY(QDir().mkpath(outDir));
    QVERIFY(shot.save(outDir + QStringLiteral("/keyboardview_%1.png").arg(QString::fromLatin1(model))));

    const QRect picture(v->pictureLayer()->mapTo(v, QPoint(0, 0)), v->pictureLayer()->size());
    QCOMPARE(picture, QRect(v->canvas()->mapTo(v, QPoint(0, 0)), v->canvas()->size()));
    QVERIFY(QRect(QPoint(0, 0), v->size()).contains(picture));

    int checked = 0;
    for (keyboardButCustom *k : v->keyLayer()->keyButtonList()) {
        if (k->keyCode() == 0)
            continue;
        const QRect r(k->mapTo(v, QPoint(0, 0)), k->size());
        QVERIFY2(picture.contains(r), qPrintable(k->keyCaption()));
        // The keycap's face (lighter than the plate) lies under the button,
        // and the plate shows just left of it.
        const QPoint face = r.topLeft() + QPoint(r.width() / 5, r.height() / 6);
        QVERIFY2(brightness(shot.pixel(face)) > 38,
                 qPrintable(QStringLiteral("%1 at %2,%3: %4")
                                .arg(k->keyCaption())
                                .arg(face.x())
                                .arg(face.y())
                                .arg(brightness(shot.pixel(face)))));
        ++checked;
    }
    QVERIFY(checked >= 68);

    // The outlines of marked keys over the picture, to look at.
    for (keyboardButCustom *k : v->keyLayer()->keyButtonList())
        k->setMarked(k->keyCode() != 0);
    v->keyLayer()->setSideLightsVisible(true);
    QVERIFY(v->grab().save(outDir + QStringLiteral("/keyboardview_%1_marked.png").arg(QString::fromLatin1(model))));

    // Between F4 and F5 (half a key apart) the plate shows.
    if (keyboardButCustom *f4 = key(v, 61)) {
        const QRect a(f4->mapTo(v, QPoint(0, 0)), f4->size());
        const QRect b(key(v, 62)->mapTo(v, QPoint(0, 0)), key(v, 62)->size());
        const QPoint gap((a.right() + b.left()) / 2, a.center().y());
        QVERIFY(brightness(shot.pixel(gap)) < 34);
    }
}

void TestKeyboardView::overlayDisabledIgnoresEverything()
{
    dragShowArea area;
    area.resize(300, 200);
    QSignalSpy band(&area, &dragShowArea::sigDragArea);
    QSignalSpy moved(&area, &dragShowArea::sigDragShowAreaMouseMovePoint);
    QSignalSpy pressed(&area, &dragShowArea::sigDragAreaMousePressOrRelease);
    const QImage before = area.grab().toImage();
    sendMouse(&area, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&area, QEvent::MouseMove, {100, 100}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(area.grab().toImage(), before);
    sendMouse(&area, QEvent::MouseButtonRelease, {100, 100}, Qt::LeftButton, Qt::NoButton);
    sendMouse(&area, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
    QVERIFY(!area.isDragging());
    QCOMPARE(band.count() + moved.count() + pressed.count(), 0);
}

void TestKeyboardView::overlayDragsABand()
{
    dragShowArea area;
    area.resize(300, 200);
    area.setDragEnabled(true);
    area.setColor(10, 200, 30);
    QSignalSpy band(&area, &dragShowArea::sigDragArea);
    QSignalSpy moved(&area, &dragShowArea::sigDragShowAreaMouseMovePoint);

    sendMouse(&area, QEvent::MouseMove, {20, 30}, Qt::NoButton, Qt::NoButton);
    QCOMPARE(moved.takeFirst(), (QList<QVariant>{20, 30}));

    const QImage idle = area.grab().toImage();
    sendMouse(&area, QEvent::MouseButtonPress, {50, 40}, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(area.isDragging());
    sendMouse(&area, QEvent::MouseMove, {120, 90}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(moved.count(), 0);
    QCOMPARE(area.bandRect(), QRect(50, 40, 68, 48)); // 2 pixels short of the pointer
    const QImage dragging = area.grab().toImage();
    QVERIFY(dragging != idle);
    const QColor inside = dragging.pixelColor(80, 60);
    QVERIFY(inside.green() > inside.red() && inside.green() > inside.blue());

    // Dragged back over the start: the band is reversed, still 2 pixels short.
    sendMouse(&area, QEvent::MouseMove, {10, 5}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(area.bandRect(), QRect(50, 40, -38, -33));
    // Outside the overlay the band stops at its edge.
    sendMouse(&area, QEvent::MouseMove, {900, -50}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(area.bandRect(), QRect(50, 40, 248, -38));

    sendMouse(&area, QEvent::MouseButtonRelease, {900, -50}, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!area.isDragging());
    QCOMPARE(band.count(), 1);
    QCOMPARE(band.at(0), (QList<QVariant>{50, 40, 300, 0}));
    QCOMPARE(area.grab().toImage(), idle);
}

void TestKeyboardView::overlayRightPressCancels()
{
    dragShowArea area;
    area.resize(300, 200);
    area.setDragEnabled(true);
    QSignalSpy band(&area, &dragShowArea::sigDragArea);
    sendMouse(&area, QEvent::MouseButtonPress, {50, 40}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&area, QEvent::MouseButtonPress, {60, 50}, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(band.count(), 1);
    QCOMPARE(band.at(0), (QList<QVariant>{0, 0, 0, 0}));
    // A right release or a middle press reports nothing.
    sendMouse(&area, QEvent::MouseButtonRelease, {60, 50}, Qt::RightButton, Qt::LeftButton);
    sendMouse(&area, QEvent::MouseButtonPress, {60, 50}, Qt::MiddleButton, Qt::LeftButton | Qt::MiddleButton);
    QCOMPARE(band.count(), 1);
}

void TestKeyboardView::overlaySingleKeyMode()
{
    dragShowArea area;
    area.resize(300, 200);
    area.setDragEnabled(true);
    area.setSingleKeyMode(true);
    QSignalSpy band(&area, &dragShowArea::sigDragArea);
    QSignalSpy moved(&area, &dragShowArea::sigDragShowAreaMouseMovePoint);
    QSignalSpy pressed(&area, &dragShowArea::sigDragAreaMousePressOrRelease);

    sendMouse(&area, QEvent::MouseButtonPress, {50, 40}, Qt::LeftButton, Qt::LeftButton);
    QVERIFY(!area.isDragging());
    QCOMPARE(pressed.takeFirst(), QList<QVariant>{true});
    sendMouse(&area, QEvent::MouseButtonRelease, {55, 42}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(pressed.takeFirst(), QList<QVariant>{false});
    QCOMPARE(moved.takeFirst(), (QList<QVariant>{55, 42}));
    QCOMPARE(band.count(), 0);
}

QTEST_MAIN(TestKeyboardView)
#include "tst_keyboardview.moc"
