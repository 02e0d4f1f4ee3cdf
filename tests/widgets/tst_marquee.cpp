// What a moving warning line costs: on an opaque background a step paints
// only the strip it uncovers and nothing behind the line, on a translucent
// one the text's places with what lies beneath; the line rests while its
// window is minimised and moves again when the window comes back. Steps are
// driven by hand (updatePos) where the figures are counted.
#include "widgets/TextMoveWidget.h"

#include <QLabel>
#include <QPaintEvent>
#include <QtTest>

namespace {

// Paint events of some widgets and the width of the widest painted rect.
class PaintLog : public QObject
{
public:
    void watch(QWidget *w) { w->installEventFilter(this); }
    void clear()
    {
        events.clear();
        widest.clear();
    }
    QMap<QObject *, int> events;
    QMap<QObject *, int> widest;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++events[watched];
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                widest[watched] = qMax(widest.value(watched), r.width());
        }
        return false;
    }
};

} // namespace

class TestMarquee : public QObject
{
    Q_OBJECT
private slots:
    void stepRepaints_data();
    void stepRepaints();
    void restsWhileItsWindowIsMinimised();
};

void TestMarquee::stepRepaints_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("opaque");
    QTest::newRow("opaque background") << QColor(34, 34, 58) << true;
    QTest::newRow("translucent background") << QColor(0, 0, 0, 1) << false;
}

void TestMarquee::stepRepaints()
{
    QFETCH(QColor, background);
    QFETCH(bool, opaque);
    QWidget window;
    window.resize(700, 60);
    window.setStyleSheet(QStringLiteral("QWidget#behind{background-color: rgb(34, 34, 58);}"));
    auto *behind = new QWidget(&window);
    behind->setObjectName(QStringLiteral("behind"));
    behind->setAttribute(Qt::WA_StyledBackground);
    behind->setGeometry(0, 0, 700, 60);
    auto *marquee = new TextMoveWidget(behind);
    marquee->setGeometry(12, 10, 676, 40);
    marquee->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    marquee->setForeground(QColor(255, 50, 0));
    marquee->setBackground(background);
    marquee->setText(QStringLiteral("If the firmware is being updated, do not unplug the device!"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *label = marquee->findChild<QLabel *>();
    QVERIFY(label);

    PaintLog log;
    log.watch(behind);
    log.watch(marquee);
    log.watch(label);
    QCoreApplication::processEvents();
    const QImage before = window.grab().toImage();
    int largestStep = 0;
    for (int i = 0; i < 10; ++i) {
        log.clear();
        const int x = marquee->textX();
        marquee->updatePos();
        QCoreApplication::processEvents();
        const int moved = qAbs(marquee->textX() - x);
        QVERIFY(moved > 0);
        largestStep = qMax(largestStep, moved);
        if (opaque) {
            // The pixels were moved; only the uncovered strip is painted, and
            // nothing behind the line.
            QCOMPARE(log.events.value(behind), 0);
            QVERIFY2(log.widest.value(marquee) <= largestStep,
                     qPrintable(QStringLiteral("painted %1 px wide for steps up to %2")
                                    .arg(log.widest.value(marquee))
                                    .arg(largestStep)));
        } else {
            // What lies beneath shows through: it is painted where the text was and goes.
            QVERIFY(log.events.value(behind) > 0);
        }
    }
    // Either way it looks as a line whose text moved: the text is where the
    // marquee says, drawn as a label there would draw it.
    QCOMPARE(label->pos().x(), marquee->textX());
    QVERIFY(window.grab().toImage() != before);
}

void TestMarquee::restsWhileItsWindowIsMinimised()
{
    QWidget window;
    window.resize(300, 60);
    auto *marquee = new TextMoveWidget(&window);
    marquee->setGeometry(0, 0, 300, 40);
    marquee->setBackground(QColor(34, 34, 58));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(marquee->isMoving());
    window.showMinimized();
    QTRY_VERIFY(!marquee->isMoving());
    const int rested = marquee->textX();
    QTest::qWait(100);
    QCOMPARE(marquee->textX(), rested);
    window.showNormal();
    QTRY_VERIFY(marquee->isMoving());
    QTRY_VERIFY(marquee->textX() != rested);
}

QTEST_MAIN(TestMarquee)
#include "tst_marquee.moc"
