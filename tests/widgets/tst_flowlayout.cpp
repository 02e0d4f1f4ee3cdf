#include "widgets/FlowLayout.h"

#include <QPushButton>
#include <QSpacerItem>
#include <QtTest>

class TestFlowLayout : public QObject
{
    Q_OBJECT
private slots:
    void wrapsAtTheRightEdge_data();
    void wrapsAtTheRightEdge();
    void emptyLayoutHeightIsItsMargins();
    void outOfRangeItemsAreNull();
    void wideItemStandsAloneOnItsRow();
    void itemsWithoutWidgetAreSkipped();
    void minimumSizeIsTheLargestItemPlusMargins();
    void styleSpacingWhenNegative();
};

static QWidget *fixedWidget(QWidget *parent, int w, int h)
{
    auto *widget = new QWidget(parent);
    widget->setFixedSize(w, h);
    return widget;
}

void TestFlowLayout::wrapsAtTheRightEdge_data()
{
    QTest::addColumn<int>("layoutWidth");
    QTest::addColumn<int>("rows");
    // Three 30-pixel items with 5 pixels between them and 4-pixel margins end
    // at x = 4 + 100; the rectangle's right edge is at width - 1 - 4.
    QTest::newRow("exact fit") << 109 << 1;
    QTest::newRow("one pixel short") << 108 << 2;
    QTest::newRow("roomy") << 300 << 1;
    QTest::newRow("one per row") << 40 << 3;
}

void TestFlowLayout::wrapsAtTheRightEdge()
{
    QFETCH(int, layoutWidth);
    QFETCH(int, rows);
    QWidget host;
    auto *layout = new FlowLayout(&host, 4, 5, 7);
    QList<QWidget *> items;
    for (int i = 0; i < 3; ++i) {
        items.append(fixedWidget(&host, 30, 20));
        layout->addWidget(items.last());
    }
    const int expectedHeight = 4 + rows * 20 + (rows - 1) * 7 + 4;
    QCOMPARE(layout->heightForWidth(layoutWidth), expectedHeight);

    layout->setGeometry(QRect(0, 0, layoutWidth, expectedHeight));
    QCOMPARE(items.at(0)->geometry(), QRect(4, 4, 30, 20));
    QCOMPARE(items.at(2)->y(), 4 + (rows - 1) * 27);
    if (rows == 2) {
        QCOMPARE(items.at(1)->geometry(), QRect(39, 4, 30, 20));
        QCOMPARE(items.at(2)->geometry(), QRect(4, 31, 30, 20));
    }
}

void TestFlowLayout::emptyLayoutHeightIsItsMargins()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 6, 2, 2);
    QCOMPARE(layout->heightForWidth(200), 12);
    QVERIFY(layout->hasHeightForWidth());
    QCOMPARE(layout->expandingDirections(), Qt::Orientations());
}

void TestFlowLayout::outOfRangeItemsAreNull()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 0, 0, 0);
    layout->addWidget(fixedWidget(&host, 10, 10));
    QCOMPARE(layout->count(), 1);
    QVERIFY(layout->itemAt(0));
    QVERIFY(!layout->itemAt(1));
    QVERIFY(!layout->itemAt(-1));
    QVERIFY(!layout->takeAt(1));
    QVERIFY(!layout->takeAt(-1));
    QLayoutItem *taken = layout->takeAt(0);
    QVERIFY(taken);
    delete taken;
    QCOMPARE(layout->count(), 0);
}

void TestFlowLayout::wideItemStandsAloneOnItsRow()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 0, 0, 0);
    QWidget *wide = fixedWidget(&host, 500, 10);
    QWidget *next = fixedWidget(&host, 10, 10);
    layout->addWidget(wide);
    layout->addWidget(next);
    layout->setGeometry(QRect(0, 0, 100, 20));
    QCOMPARE(wide->pos(), QPoint(0, 0));
    QCOMPARE(next->pos(), QPoint(0, 10));
}

void TestFlowLayout::itemsWithoutWidgetAreSkipped()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 0, -1, -1); // style spacing: needs a widget to ask
    layout->addItem(new QSpacerItem(40, 40));
    QWidget *widget = fixedWidget(&host, 10, 10);
    layout->addWidget(widget);
    QCOMPARE(layout->count(), 2);
    QCOMPARE(layout->heightForWidth(100), 10);
    layout->setGeometry(QRect(0, 0, 100, 10));
    QCOMPARE(widget->pos(), QPoint(0, 0));
}

void TestFlowLayout::minimumSizeIsTheLargestItemPlusMargins()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 3, 0, 0);
    layout->addWidget(fixedWidget(&host, 40, 10));
    layout->addWidget(fixedWidget(&host, 20, 30));
    QCOMPARE(layout->minimumSize(), QSize(46, 36));
    QCOMPARE(layout->sizeHint(), layout->minimumSize());
}

void TestFlowLayout::styleSpacingWhenNegative()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, -1, -1, -1);
    QCOMPARE(layout->horizontalSpacing(), host.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &host));
    FlowLayout orphan(nullptr, 0, -1, -1);
    QCOMPARE(orphan.horizontalSpacing(), -1);
    auto *button = new QPushButton(QStringLiteral("A"), &host);
    layout->addWidget(button);
    layout->addWidget(new QPushButton(QStringLiteral("B"), &host));
    host.resize(300, 100);
    host.show();
    QVERIFY(!host.grab().isNull());
}

QTEST_MAIN(TestFlowLayout)
#include "tst_flowlayout.moc"
