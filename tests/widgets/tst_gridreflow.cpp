#include "widgets/GridReflow.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QtTest>

// A form's grid of options in rows of three: texts that no longer fit side
// by side take fewer columns, in reading order, and come back to the form's
// columns when they fit again.
class TestGridReflow : public QObject
{
    Q_OBJECT
private slots:
    void columnsFollowTheRoom_data();
    void columnsFollowTheRoom();
    void textsGrowingAfterALanguageChange();
    void spanningGridIsLeftAlone();
    void hiddenOptionLeavesNoHole();
    void rowsComeCloserInALowHolder();
};

namespace {

struct Options
{
    QWidget host;
    QGridLayout *grid = nullptr;
    QList<QRadioButton *> buttons;

    explicit Options(const QString &text, int count = 7)
    {
        grid = new QGridLayout(&host);
        for (int i = 0; i < count; ++i) {
            auto *button = new QRadioButton(text + QString::number(i), &host);
            buttons << button;
            grid->addWidget(button, i / 3, i % 3);
        }
    }

    int columnOf(int i) const
    {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(buttons.at(i)), &row, &column, &rowSpan, &columnSpan);
        return column;
    }
    int rowOf(int i) const
    {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(buttons.at(i)), &row, &column, &rowSpan, &columnSpan);
        return row;
    }
};

} // namespace

void TestGridReflow::columnsFollowTheRoom_data()
{
    QTest::addColumn<int>("roomInTexts"); // the host's width in widest option widths
    QTest::addColumn<int>("columns");
    QTest::newRow("room for four") << 4 << 3;
    QTest::newRow("room for three") << 3 << 3;
    QTest::newRow("room for two") << 2 << 2;
    QTest::newRow("room for one") << 1 << 1;
}

void TestGridReflow::columnsFollowTheRoom()
{
    QFETCH(int, roomInTexts);
    QFETCH(int, columns);
    Options options(QStringLiteral("A rather long option name "));
    GridReflow *reflow = GridReflow::install(options.grid);
    QVERIFY(reflow);
    const int widest = options.buttons.first()->sizeHint().width();
    const QMargins margins = options.grid->contentsMargins();
    const int spacing = qMax(options.grid->horizontalSpacing(), 0);
    options.host.setFixedWidth(margins.left() + margins.right() + roomInTexts * widest + (roomInTexts - 1) * spacing + 2);
    options.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options.host));
    QTRY_COMPARE_WITH_TIMEOUT(reflow->columns(), columns, 20000);
    for (int i = 0; i < options.buttons.size(); ++i) {
        QCOMPARE(options.rowOf(i), i / columns);
        QCOMPARE(options.columnOf(i), i % columns);
    }
    QTRY_VERIFY_WITH_TIMEOUT(options.buttons.last()->width() >= options.buttons.last()->sizeHint().width(), 20000);
}

void TestGridReflow::textsGrowingAfterALanguageChange()
{
    Options options(QStringLiteral("Short "));
    GridReflow *reflow = GridReflow::install(options.grid);
    const int roomy = options.buttons.first()->sizeHint().width() * 3 + 60;
    options.host.setFixedWidth(roomy);
    options.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options.host));
    QTRY_COMPARE_WITH_TIMEOUT(reflow->columns(), 3, 20000);

    for (QRadioButton *button : qAsConst(options.buttons))
        button->setText(button->text().repeated(3));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&options.host, &change);
    QTRY_VERIFY_WITH_TIMEOUT(reflow->columns() < 3, 20000);
    for (QRadioButton *button : qAsConst(options.buttons))
        QTRY_VERIFY_WITH_TIMEOUT(button->width() >= button->sizeHint().width() || reflow->columns() == 1, 20000);

    for (QRadioButton *button : qAsConst(options.buttons))
        button->setText(QStringLiteral("S"));
    QCoreApplication::sendEvent(&options.host, &change);
    QTRY_COMPARE_WITH_TIMEOUT(reflow->columns(), 3, 20000);
}

void TestGridReflow::spanningGridIsLeftAlone()
{
    QWidget host;
    auto *grid = new QGridLayout(&host);
    grid->addWidget(new QRadioButton(QStringLiteral("one"), &host), 0, 0, 1, 2);
    grid->addWidget(new QRadioButton(QStringLiteral("two"), &host), 1, 0);
    QCOMPARE(GridReflow::install(grid), nullptr);
}

void TestGridReflow::hiddenOptionLeavesNoHole()
{
    Options options(QStringLiteral("Short "));
    options.buttons.at(1)->hide();
    GridReflow *reflow = GridReflow::install(options.grid);
    options.host.setFixedWidth(options.buttons.first()->sizeHint().width() * 3 + 60);
    options.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options.host));
    QTRY_COMPARE_WITH_TIMEOUT(options.columnOf(2), 1, 20000);
    QCOMPARE(reflow->columns(), 3);
    QCOMPARE(options.rowOf(2), 0);
    QCOMPARE(options.rowOf(3), 0);
    QCOMPARE(options.columnOf(3), 2);
    QCOMPARE(options.rowOf(6), 1);
    QCOMPARE(options.columnOf(6), 2);
}

void TestGridReflow::rowsComeCloserInALowHolder()
{
    Options options(QStringLiteral("A rather long option name "));
    options.grid->setVerticalSpacing(10);
    GridReflow *reflow = GridReflow::install(options.grid);
    // Room for one column only: seven rows.
    const QMargins margins = options.grid->contentsMargins();
    const int rowHeight = options.buttons.first()->sizeHint().height();
    options.host.setFixedWidth(margins.left() + margins.right() + options.buttons.first()->sizeHint().width() + 2);
    // Room for the rows 4 px apart, not 10.
    const int low = margins.top() + margins.bottom() + 7 * rowHeight + 6 * 4;
    options.host.setFixedHeight(low);
    options.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options.host));
    QTRY_COMPARE_WITH_TIMEOUT(reflow->columns(), 1, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(options.grid->verticalSpacing(), 4, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(options.buttons.last()->geometry().bottom() < low, 20000);
    for (QRadioButton *button : qAsConst(options.buttons))
        QCOMPARE(button->height(), rowHeight);

    // Room again: the form's spacing comes back.
    options.host.setFixedHeight(low + 6 * 10);
    QTRY_COMPARE_WITH_TIMEOUT(options.grid->verticalSpacing(), 10, 20000);
}

QTEST_MAIN(TestGridReflow)
#include "tst_gridreflow.moc"
