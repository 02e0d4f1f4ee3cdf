// The travel scale: its geometry and snapping, one report per drawn marker,
// the release that always ends an edit, the locked dual markers, the live
// bar's colours, and a step count below two.
#include <QtTest>

#include <QSignalSpy>

#include "ui/mainwidget/devicePage/trigger/DSensitivityShowWidget.h"

class tst_SensitivityShow : public QObject
{
    Q_OBJECT

private slots:
    void geometryAndSnapping_data();
    void geometryAndSnapping();
    void oneReportPerDrawnMarker();
    void releaseAlwaysEndsAnEdit();
    void lockedDualMarkers();
    void liveBarColours();
    void fewerThanTwoSteps_data();
    void fewerThanTwoSteps();
};

namespace {

// A scale as the trigger page sizes it.
struct Scale {
    DSensitivityShowWidget w;
    Scale(int width, int height, int steps)
    {
        w.resize(width, height);
        w.setWidgetSize(width, height);
        w.setStepCount(steps);
        w.setBarWidth(38);
    }
    // The steps reported while the widget draws itself once.
    QList<QList<QVariant>> draw()
    {
        QSignalSpy spy(&w, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
        w.grab();
        return spy;
    }
};

// A drag step of the pointer with the left button held.
void dragTo(QWidget *w, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

void tst_SensitivityShow::geometryAndSnapping_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("pressY");
    QTest::addColumn<int>("step");
    QTest::newRow("N41 at 66") << 41 << 66 << 20;
    QTest::newRow("N41 at the top") << 41 << 0 << 1;
    QTest::newRow("N41 at the bottom") << 41 << 139 << 40;
    QTest::newRow("N11 tie at 23 goes down") << 11 << 23 << 2;
    QTest::newRow("N11 nearer the upper") << 11 << 22 << 1;
}

void tst_SensitivityShow::geometryAndSnapping()
{
    QFETCH(int, steps);
    QFETCH(int, pressY);
    QFETCH(int, step);
    Scale s(200, 140, steps);
    if (steps == 41) {
        QCOMPARE(s.w.pitch(), 1);
        QCOMPARE(s.w.positions().first(), 8);
        QCOMPARE(s.w.positions().last(), 125);
        QCOMPARE(s.w.positions().at(19), 65);
        QCOMPARE(s.w.columnLeft(), 81);
        QCOMPARE(s.w.columnRight(), 119);
    } else {
        QCOMPARE(s.w.pitch(), 10);
        QCOMPARE(s.w.positions().first(), 17);
        QCOMPARE(s.w.positions().last(), 125);
    }
    QTest::mousePress(&s.w, Qt::LeftButton, Qt::NoModifier, QPoint(100, pressY));
    const auto reports = s.draw();
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.first(), (QList<QVariant>{int(DSensitivityShowWidget::Center), step}));
    QTest::mouseRelease(&s.w, Qt::LeftButton, Qt::NoModifier, QPoint(100, pressY));
    QCOMPARE(DSensitivityShowWidget::mmText(step), QString::number(step / 10.0, 'f', 1) + QStringLiteral("mm"));
}

void tst_SensitivityShow::oneReportPerDrawnMarker()
{
    Scale s(200, 140, 41);
    s.w.setCenterStep(20);
    QCOMPARE(s.draw().size(), 1);
    QCOMPARE(s.draw().size(), 1); // nothing moved: reported again
    s.w.setDualMarkerMode(true);
    s.w.setPressStep(30);
    s.w.setReleaseStep(10);
    const auto dual = s.draw();
    QCOMPARE(dual.size(), 2);
    QCOMPARE(dual.at(0), (QList<QVariant>{int(DSensitivityShowWidget::Left), 30}));
    QCOMPARE(dual.at(1), (QList<QVariant>{int(DSensitivityShowWidget::Right), 10}));
}

void tst_SensitivityShow::releaseAlwaysEndsAnEdit()
{
    Scale s(200, 140, 41);
    QSignalSpy released(&s.w, &DSensitivityShowWidget::sigMouseReleaseOperate);
    QTest::mouseClick(&s.w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    s.w.setDualMarkerMode(true);
    QTest::mouseClick(&s.w, Qt::LeftButton, Qt::NoModifier, QPoint(199, 70)); // outside both zones
    QCOMPARE(released.size(), 2);
}

void tst_SensitivityShow::lockedDualMarkers()
{
    Scale s(200, 140, 41);
    s.w.setDualMarkerMode(true);
    s.w.setMarkerOrderLocked(true);
    s.w.setPressStep(30);   // y 95
    s.w.setReleaseStep(10); // y 35
    s.draw();
    // Dragging LEFT up to the RIGHT marker's height is refused.
    const int handleX = s.w.columnLeft() - 15;
    QTest::mousePress(&s.w, Qt::LeftButton, Qt::NoModifier, QPoint(handleX, 95));
    dragTo(&s.w, QPoint(handleX, 35));
    const auto moved = s.draw();
    QCOMPARE(moved.at(0), (QList<QVariant>{int(DSensitivityShowWidget::Left), 30}));
    QTest::mouseRelease(&s.w, Qt::LeftButton, Qt::NoModifier, QPoint(handleX, 35));
    // Below it, it moves.
    QTest::mousePress(&s.w, Qt::LeftButton, Qt::NoModifier, QPoint(handleX, 95));
    dragTo(&s.w, QPoint(handleX, 65));
    QCOMPARE(s.draw().at(0), (QList<QVariant>{int(DSensitivityShowWidget::Left), 20}));
    QTest::mouseRelease(&s.w, Qt::LeftButton, Qt::NoModifier, QPoint(handleX, 65));
}

void tst_SensitivityShow::liveBarColours()
{
    // Tall enough for segments of 10 px, so their middle shows the fill.
    Scale s(200, 492, 41);
    const QColor c1(200, 100, 60);
    s.w.setThemeColors(QColor(92, 92, 126), c1, QColor(70, 70, 70), c1, QColor(26, 27, 49));
    s.w.setDynamicShow(true);
    s.w.setDynamicValue(3);
    // (200 / 2) / 41 = 2, (100 / 2) / 41 = 1, 30 is not above 41: 0.
    QCOMPARE(s.w.liveColor(0), c1);
    QCOMPARE(s.w.liveColor(1), QColor(198, 99, 60));
    QCOMPARE(s.w.liveColor(2), QColor(196, 98, 60));
    // Drawn over the column's first three segments.
    const QImage image = s.w.grab().toImage();
    const int x = s.w.columnLeft() + 19;
    const auto segmentTop = [&](int i) { return 5 + i * (s.w.pitch() + 2) + s.w.pitch() / 2; };
    QCOMPARE(image.pixelColor(x, segmentTop(0)), c1);
    QCOMPARE(image.pixelColor(x, segmentTop(2)), QColor(196, 98, 60));
    QVERIFY(image.pixelColor(x, segmentTop(3)) != QColor(194, 97, 60));
}

void tst_SensitivityShow::fewerThanTwoSteps_data()
{
    QTest::addColumn<int>("steps");
    QTest::newRow("none reported") << 1;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
}

void tst_SensitivityShow::fewerThanTwoSteps()
{
    QFETCH(int, steps);
    Scale s(200, 140, steps);
    QCOMPARE(s.w.stepCount(), 2);
    QCOMPARE(s.w.positions().size(), 1);
    // Steps outside 1 .. N - 1 read no position beyond the list.
    s.w.setCenterStep(0);
    s.w.setPressStep(-1);
    s.w.setReleaseStep(99);
    const auto reports = s.draw();
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.first().at(1).toInt(), 1);
}

QTEST_MAIN(tst_SensitivityShow)
#include "tst_sensitivityshow.moc"
