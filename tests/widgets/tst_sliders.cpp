#include "widgets/MySlider.h"
#include "widgets/sliderCustomWidget.h"

#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

class TestSliders : public QObject
{
    Q_OBJECT
private slots:
    void stepsBuildTicks_data();
    void stepsBuildTicks();
    void zeroStepsKeepTheTicks();
    void setCurrentIndexPlacesTheKnobSilently();
    void pressSnapsOrSteps_data();
    void pressSnapsOrSteps();
    void dragEmitsAtEachTick();
    void stepSliderPaints();

    void handleFollowsTheStyleGeometry_data();
    void handleFollowsTheStyleGeometry();
    void pressAwayFromTheHandleIsIgnored_data();
    void pressAwayFromTheHandleIsIgnored();
    void dragFromTheHandleMovesTheValue();
    void wheelNeverChangesTheValue();
    void emptyRangeDoesNotDivideByZero();
};

static void configure(sliderCustomWidget &s, int w, int h, int margin, int steps)
{
    s.setSliderSize(w, h);
    s.setMargin(margin);
    s.setSteps(steps);
}

void TestSliders::stepsBuildTicks_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<int>("rightEnd");
    QTest::newRow("lighting 140/6/5") << 140 << 6 << 5 << QList<int>{6, 31, 56, 81, 106, 131} << 131;
    QTest::newRow("trigger 220/6/7") << 220 << 6 << 7 << QList<int>{6, 35, 64, 93, 122, 151, 180, 209} << 209;
    QTest::newRow("trigger 220/6/3") << 220 << 6 << 3 << QList<int>{6, 75, 144, 213} << 213;
    QTest::newRow("exact multiple") << 120 << 10 << 5 << QList<int>{10, 30, 50, 70, 90, 110} << 110;
}

void TestSliders::stepsBuildTicks()
{
    QFETCH(int, width);
    QFETCH(int, margin);
    QFETCH(int, steps);
    sliderCustomWidget s;
    configure(s, width, 40, margin, steps);
    QTEST(s.ticks(), "ticks");
    QTEST(s.rightEnd(), "rightEnd");
    QCOMPARE(s.lineY(), 20);
    QCOMPARE(s.knobY(), 19);
    QCOMPARE(s.size(), QSize(width, 40));
}

void TestSliders::zeroStepsKeepTheTicks()
{
    sliderCustomWidget s;
    configure(s, 140, 40, 6, 5);
    s.setSteps(0);
    QCOMPARE(s.ticks(), (QList<int>{6, 31, 56, 81, 106, 131}));
    QCOMPARE(s.steps(), 5);
}

void TestSliders::setCurrentIndexPlacesTheKnobSilently()
{
    sliderCustomWidget s;
    configure(s, 140, 40, 6, 5);
    QSignalSpy spy(&s, &sliderCustomWidget::sigBackCurrentPositionNum);
    s.setCurrentIndex(3);
    QCOMPARE(s.knobX(), 81);
    QCOMPARE(spy.count(), 0);
}

void TestSliders::pressSnapsOrSteps_data()
{
    QTest::addColumn<int>("pressX");
    QTest::addColumn<int>("knobX");
    QTest::addColumn<int>("signal"); // -1: none
    // Ticks 6, 31, 56, 81, 106, 131 with the knob at 56.
    QTest::newRow("near the knob's tick") << 59 << 56 << 2;
    QTest::newRow("right, not near a tick") << 100 << 81 << 3;
    QTest::newRow("near the first tick") << 10 << 6 << 0;
    QTest::newRow("left, not near a tick") << 20 << 31 << 1;
    QTest::newRow("5 away is not near") << 111 << 81 << 3;
    QTest::newRow("4 away is near") << 110 << 106 << 4;
}

void TestSliders::pressSnapsOrSteps()
{
    QFETCH(int, pressX);
    sliderCustomWidget s;
    configure(s, 140, 40, 6, 5);
    s.setCurrentIndex(2);
    QSignalSpy spy(&s, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(pressX, 20));
    QTEST(s.knobX(), "knobX");
    QFETCH(int, signal);
    if (signal < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), signal);
    }
}

void TestSliders::dragEmitsAtEachTick()
{
    sliderCustomWidget s;
    configure(s, 140, 40, 6, 5);
    s.setCurrentIndex(0);
    QSignalSpy spy(&s, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(6, 20));
    QList<int> seen;
    for (int x = 6; x <= 90; x += 4) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 20), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&s, &move);
        if (x == 44)
            QCOMPARE(s.knobX(), 31); // between ticks the knob stays
    }
    for (const QList<QVariant> &args : qAsConst(spy)) {
        if (seen.isEmpty() || seen.last() != args.at(0).toInt())
            seen.append(args.at(0).toInt());
    }
    QCOMPARE(seen, (QList<int>{0, 1, 2, 3}));
    QCOMPARE(s.knobX(), 81);
}

void TestSliders::stepSliderPaints()
{
    sliderCustomWidget s;
    configure(s, 220, 35, 6, 7);
    s.setLineColor(Qt::gray);
    s.setTickColor(Qt::gray);
    s.setKnobColor(QColor(56, 149, 245));
    s.setCurrentIndex(4);
    QVERIFY(!s.grab().isNull());
}

static void setUpSlider(MySlider &slider, int minimum, int maximum, int value)
{
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(minimum, maximum);
    slider.setValue(value);
    slider.resize(300, 24);
}

void TestSliders::handleFollowsTheStyleGeometry_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("from zero") << 0 << 40;
    QTest::newRow("hold time from 100") << 100 << 1000;
}

void TestSliders::handleFollowsTheStyleGeometry()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    MySlider slider;
    setUpSlider(slider, minimum, maximum, minimum);
    const int atMinimum = slider.handlePosition();
    slider.setValue(maximum);
    const int atMaximum = slider.handlePosition();
    slider.setValue((minimum + maximum) / 2);
    const int inMiddle = slider.handlePosition();

    // The handle stays on the widget over the whole range and moves with the value.
    QVERIFY(atMinimum >= 0 && atMinimum < slider.width() / 4);
    QVERIFY(atMaximum <= slider.width() && atMaximum > slider.width() * 3 / 4);
    QVERIFY(qAbs(inMiddle - (atMinimum + atMaximum) / 2) <= 2);
}

void TestSliders::pressAwayFromTheHandleIsIgnored_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("offset"); // from the handle position
    QTest::addColumn<bool>("accepted");
    QTest::newRow("20 left, tolerance 18") << 20 << -20 << false;
    QTest::newRow("18 left") << 20 << -18 << true;
    QTest::newRow("on the handle") << 20 << 0 << true;
    QTest::newRow("5 right") << 20 << 5 << true;
    QTest::newRow("6 right") << 20 << 6 << false;
    QTest::newRow("at the maximum") << 40 << 0 << true;
    QTest::newRow("at the minimum") << 0 << 0 << true;
}

void TestSliders::pressAwayFromTheHandleIsIgnored()
{
    QFETCH(int, value);
    QFETCH(int, offset);
    QFETCH(bool, accepted);
    MySlider slider;
    setUpSlider(slider, 0, 40, value);
    slider.setHandleTolerance(18, 5);
    QSignalSpy pressed(&slider, &QSlider::sliderPressed);
    const QPoint at(slider.handlePosition() + offset, slider.height() / 2);
    QTest::mousePress(&slider, Qt::LeftButton, {}, at);
    QCOMPARE(slider.value(), value); // a press never makes the value jump
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, at);
    QCOMPARE(slider.value(), value);
    if (!accepted)
        QCOMPARE(pressed.count(), 0);
}

void TestSliders::dragFromTheHandleMovesTheValue()
{
    MySlider slider;
    setUpSlider(slider, 0, 40, 0);
    slider.setHandleTolerance(18, 5);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    const QPoint start(slider.handlePosition(), slider.height() / 2);
    QTest::mousePress(&slider, Qt::LeftButton, {}, start);
    QVERIFY(slider.isSliderDown());
    QMouseEvent move(QEvent::MouseMove, QPointF(slider.width() - 2, start.y()), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &move);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(slider.width() - 2, start.y()));
    QCOMPARE(slider.value(), 40);
}

void TestSliders::wheelNeverChangesTheValue()
{
    MySlider slider;
    setUpSlider(slider, 0, 40, 20);
    QWheelEvent wheel(QPointF(150, 12), QPointF(150, 12), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&slider, &wheel);
    QCOMPARE(slider.value(), 20);
    QVERIFY(wheel.isAccepted());
}

void TestSliders::emptyRangeDoesNotDivideByZero()
{
    for (bool fromZero : {true, false}) {
        MySlider slider;
        slider.setHandleFromZero(fromZero);
        setUpSlider(slider, 0, 0, 0);
        const int h = slider.handlePosition();
        QVERIFY(h >= 0 && h <= slider.width());
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(h, 12));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(h, 12));
        setUpSlider(slider, 5, 5, 5);
        QVERIFY(slider.handlePosition() >= 0);
        QVERIFY(!slider.grab().isNull());
    }
}

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"
