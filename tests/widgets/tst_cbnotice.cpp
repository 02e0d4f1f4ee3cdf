#include "widgets/CbNotice.h"

#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QtTest>

class TestCbNotice : public QObject
{
    Q_OBJECT
private slots:
    void sizeFollowsTheTextAndCentresOnThePoint_data();
    void sizeFollowsTheTextAndCentresOnThePoint();
    void nullPointUsesTheDefaultPoint();
    void newMessageRestartsTheCycle();
    void fadeEndHidesAndSignals();
    void clickHidesAtOnce_data();
    void clickHidesAtOnce();
    void paintsWithoutCrashing();
};

void TestCbNotice::sizeFollowsTheTextAndCentresOnThePoint_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("point");
    QTest::newRow("short") << QStringLiteral("Saved") << QPoint(300, 200);
    QTest::newRow("wider than the parent")
        << QStringLiteral("Download config failed, Please try again, and once more, and again") << QPoint(100, 50);
    QTest::newRow("empty") << QString() << QPoint(10, 10);
}

void TestCbNotice::sizeFollowsTheTextAndCentresOnThePoint()
{
    QFETCH(QString, text);
    QFETCH(QPoint, point);
    QWidget parent;
    parent.resize(400, 300);
    CbNotice notice(&parent);
    notice.setFontPixelSize(24);
    notice.showNotice(text, point);

    const int width = QFontMetrics(notice.font()).horizontalAdvance(text) + 36;
    QCOMPARE(notice.size(), QSize(width, 40));
    QCOMPARE(notice.pos(), QPoint(point.x() - width / 2, point.y() - 20));
    QVERIFY(notice.isVisible() || !parent.isVisible());
    QCOMPARE(notice.text(), text);
}

void TestCbNotice::nullPointUsesTheDefaultPoint()
{
    QWidget parent;
    parent.setGeometry(50, 60, 400, 300);
    CbNotice notice(&parent);
    QCOMPARE(notice.defaultPoint(), QPoint(50 + 200, 200));
    notice.showNotice(QStringLiteral("Hello"), QPoint());
    QCOMPARE(notice.x(), notice.defaultPoint().x() - notice.width() / 2);
    QCOMPARE(notice.y(), notice.defaultPoint().y() - 20);
}

void TestCbNotice::newMessageRestartsTheCycle()
{
    QWidget parent;
    parent.resize(400, 300);
    parent.show();
    CbNotice notice(&parent);
    auto *animation = notice.findChild<QPropertyAnimation *>();
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(notice.graphicsEffect());
    QVERIFY(animation && effect);

    notice.showNotice(QStringLiteral("first"), QPoint(200, 150));
    QCOMPARE(animation->state(), QAbstractAnimation::Running);
    QCOMPARE(animation->duration(), 2300);
    QCOMPARE(animation->startValue().toDouble(), 2.3);
    QCOMPARE(animation->endValue().toDouble(), 0.0);

    // Half way through the fade the second message comes in.
    animation->setCurrentTime(1800);
    QVERIFY(effect->opacity() < 1.0);
    notice.showNotice(QStringLiteral("second"), QPoint(200, 150));
    QCOMPARE(notice.text(), QStringLiteral("second"));
    QCOMPARE(animation->state(), QAbstractAnimation::Running);
    QVERIFY(animation->currentTime() < 100);
    QCOMPARE(effect->opacity(), 1.0);
    QVERIFY(notice.isVisible());

    // The hold phase keeps the toast opaque.
    animation->setCurrentTime(1200);
    QCOMPARE(effect->opacity(), 1.0);
}

void TestCbNotice::fadeEndHidesAndSignals()
{
    QWidget parent;
    parent.show();
    CbNotice notice(&parent);
    QSignalSpy finished(&notice, &CbNotice::sigFinished);
    notice.showNotice(QStringLiteral("bye"), QPoint(100, 100));
    QVERIFY(notice.isVisible());
    notice.findChild<QPropertyAnimation *>()->setCurrentTime(2300);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!notice.isVisible());
}

void TestCbNotice::clickHidesAtOnce_data()
{
    QTest::addColumn<int>("x");
    QTest::newRow("leftmost pixels") << 3;
    QTest::newRow("middle") << 30;
}

void TestCbNotice::clickHidesAtOnce()
{
    QFETCH(int, x);
    QWidget parent;
    parent.show();
    CbNotice notice(&parent);
    notice.showNotice(QStringLiteral("click me"), QPoint(100, 100));
    QVERIFY(notice.isVisible());
    QTest::mouseClick(&notice, Qt::LeftButton, {}, QPoint(x, 20));
    QVERIFY(!notice.isVisible());
}

void TestCbNotice::paintsWithoutCrashing()
{
    CbNotice notice; // without a parent: a frameless tool window
    notice.setBackgroundColor(QColor(52, 52, 86, 200));
    notice.setTextColor(Qt::white);
    notice.setNoticeFont(QFont(QStringLiteral("Microsoft YaHei")));
    notice.showNotice(QStringLiteral("Download config successful"), QPoint());
    QVERIFY(!notice.grab().isNull());
    QVERIFY(notice.windowFlags() & Qt::FramelessWindowHint);
}

QTEST_MAIN(TestCbNotice)
#include "tst_cbnotice.moc"
