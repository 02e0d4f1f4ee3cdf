// The DKS action grid: the row model's edits as a table of row x gesture,
// where pointer positions land, and the widget under mouse events (what a
// press and a release announce, the handle's cursor, a drag reaching the
// same row however the pointer got there, a removal kept to its row).
#include <QtTest>

#include <QSignalSpy>

#include <cstring>
#include <memory>

#include "core/DDataManager.h"
#include "support/TempHome.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DksGridGeometry.h"
#include "ui/seniorKeys/DksRowModel.h"

using Row = DksRowModel::Row;
Q_DECLARE_METATYPE(Row)

namespace {

enum Gesture { Tap, Removal, Drag };

QString rowText(const Row &row)
{
    return QStringLiteral("(%1,%2,%3,%4)").arg(row[0]).arg(row[1]).arg(row[2]).arg(row[3]);
}

// A grid of 340 x 160: column pitch 85, row pitch 40; points at
// x = 20, 105, 190, 275 and y = 15, 55, 95, 135.
constexpr int kWidth = 340;
constexpr int kHeight = 160;
constexpr int kPitch = 85;
constexpr int kHalf = kPitch / 2 + 5; // 47

QPoint pointOf(int row, int column)
{
    return QPoint(20 + kPitch * column, 15 + 40 * row);
}

} // namespace

class tst_DksGrid : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void rowModel_data();
    void rowModel();
    void freeCellsAndHandles();
    void coveredCells_data();
    void coveredCells();
    void pointerPositions();
    void tinyGrid();

    void tapAnnouncedAtPress();
    void handleCursor();
    void dragAnnouncedAtRelease_data();
    void dragAnnouncedAtRelease();
    void sameEndSameRow();
    void pressOnHandleWithoutMove();
    void removalStaysInPressedRow();
    void nothingBeforeARecord();
    void gridFollowsSize();

private:
    DDksShowWidget *newWidget(const QVector<Row> &rows);
    static Row rowOf(const DDksShowWidget *w, int row);
    static void move(DDksShowWidget *w, const QPoint &pos, Qt::MouseButtons buttons = Qt::NoButton);

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<DDksShowWidget> m_widget;
};

void tst_DksGrid::initTestCase()
{
    m_home = std::make_unique<TempHome>();
    DDataManager::getInstance()->loadThemeConfig(0);
}

void tst_DksGrid::cleanupTestCase()
{
    m_widget.reset();
}

// ---- the row model ------------------------------------------------------------

void tst_DksGrid::rowModel_data()
{
    QTest::addColumn<Row>("start");
    QTest::addColumn<int>("gesture");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("cells");
    QTest::addColumn<Row>("expected");

    auto row = [](const char *name, Row start, Gesture g, int column, int cells, Row expected) {
        QTest::newRow(name) << start << int(g) << column << cells << expected;
    };
    // Taps.
    row("tap on empty", {0, 0, 0, 0}, Tap, 2, 0, {0, 0, 1, 0});
    row("tap on tap", {0, 0, 1, 0}, Tap, 2, 0, {0, 0, 0, 0});
    row("tap on a hold", {2, 2, 0, 0}, Tap, 1, 0, {2, 2, 0, 0});
    row("tap on an own hold", {2, 3, 0, 0}, Tap, 1, 0, {2, 3, 0, 0});
    row("tap in the last column", {0, 0, 0, 0}, Tap, 3, 0, {0, 0, 0, 1});
    row("tap outside", {0, 0, 0, 0}, Tap, 4, 0, {0, 0, 0, 0});
    row("tap left of the grid", {0, 0, 0, 0}, Tap, -1, 0, {0, 0, 0, 0});
    // Hold removals.
    row("remove a joined hold at its start", {2, 2, 0, 1}, Removal, 0, 0, {0, 0, 0, 1});
    row("remove a joined hold at its end", {2, 2, 0, 1}, Removal, 1, 0, {0, 0, 0, 1});
    row("remove the first of two holds", {2, 3, 2, 0}, Removal, 0, 0, {0, 2, 2, 0});
    row("remove the second of two holds", {2, 3, 2, 0}, Removal, 1, 0, {2, 0, 0, 0});
    row("remove the second at its end", {2, 3, 2, 0}, Removal, 2, 0, {2, 0, 0, 0});
    row("remove a hold of three", {2, 2, 2, 0}, Removal, 1, 0, {0, 0, 0, 0});
    row("remove before an own hold in column 2", {2, 2, 3, 0}, Removal, 0, 0, {0, 0, 2, 0});
    row("remove a hold ending on a tap", {0, 2, 1, 0}, Removal, 1, 0, {0, 0, 1, 0});
    row("remove on a tap", {0, 0, 1, 0}, Removal, 2, 0, {0, 0, 1, 0});
    row("remove on empty", {0, 0, 0, 0}, Removal, 0, 0, {0, 0, 0, 0});
    // Drags from column 0.
    row("drag 0 to one cell", {1, 0, 0, 0}, Drag, 0, 1, {2, 0, 0, 0});
    row("drag 0 to two cells", {1, 0, 0, 0}, Drag, 0, 2, {2, 2, 0, 0});
    row("drag 0 to three cells", {1, 0, 0, 0}, Drag, 0, 3, {2, 2, 2, 0});
    row("drag 0 shrunk back to the tap", {1, 0, 0, 0}, Drag, 0, 0, {1, 0, 0, 0});
    row("drag 0 against a hold", {1, 2, 0, 0}, Drag, 0, 1, {2, 3, 0, 0});
    row("drag 0 stopped by a tap", {1, 0, 1, 0}, Drag, 0, 3, {2, 2, 1, 0});
    row("drag 0 up to a hold in column 2", {1, 0, 2, 0}, Drag, 0, 2, {2, 2, 3, 0});
    row("drag 0 short of a hold in column 2", {1, 0, 2, 0}, Drag, 0, 1, {2, 0, 2, 0});
    row("drag 0 with a tap in the last column", {1, 0, 0, 1}, Drag, 0, 3, {2, 2, 2, 1});
    // Drags from column 1.
    row("drag 1 to one cell", {0, 1, 0, 0}, Drag, 1, 1, {0, 2, 0, 0});
    row("drag 1 to two cells", {0, 1, 0, 0}, Drag, 1, 2, {0, 2, 2, 0});
    row("drag 1 no further than the last point", {0, 1, 0, 0}, Drag, 1, 3, {0, 2, 2, 0});
    row("drag 1 after a hold", {2, 1, 0, 0}, Drag, 1, 1, {2, 3, 0, 0});
    row("drag 1 after a hold to two cells", {2, 1, 0, 0}, Drag, 1, 2, {2, 3, 2, 0});
    row("drag 1 before a tap", {0, 1, 1, 0}, Drag, 1, 1, {0, 3, 1, 0});
    row("drag 1 before a hold", {0, 1, 2, 0}, Drag, 1, 2, {0, 3, 3, 0});
    // Drags from column 2.
    row("drag 2", {0, 0, 1, 0}, Drag, 2, 1, {0, 0, 2, 0});
    row("drag 2 after a hold", {0, 2, 1, 0}, Drag, 2, 1, {0, 2, 3, 0});
    row("drag 2 after an own hold", {2, 3, 1, 0}, Drag, 2, 1, {2, 3, 3, 0});
    row("drag 2 no further than the last point", {0, 0, 1, 0}, Drag, 2, 2, {0, 0, 2, 0});
    // No handle.
    row("drag from the last column", {0, 0, 0, 1}, Drag, 3, 1, {0, 0, 0, 1});
    row("drag from an empty point", {0, 0, 0, 0}, Drag, 0, 2, {0, 0, 0, 0});
    row("drag from a hold", {2, 0, 0, 0}, Drag, 0, 2, {2, 0, 0, 0});
}

void tst_DksGrid::rowModel()
{
    QFETCH(Row, start);
    QFETCH(int, gesture);
    QFETCH(int, column);
    QFETCH(int, cells);
    QFETCH(Row, expected);
    Row result{};
    switch (gesture) {
    case Tap: result = DksRowModel::toggleTap(start, column); break;
    case Removal: result = DksRowModel::removeHold(start, column); break;
    default: result = DksRowModel::dragHold(start, column, cells); break;
    }
    QCOMPARE(rowText(result), rowText(expected));
}

void tst_DksGrid::freeCellsAndHandles()
{
    QCOMPARE(DksRowModel::freeCells({1, 0, 0, 0}, 0), 4);
    QCOMPARE(DksRowModel::freeCells({1, 0, 1, 0}, 0), 2);
    QCOMPARE(DksRowModel::freeCells({1, 2, 0, 0}, 0), 1);
    QCOMPARE(DksRowModel::freeCells({0, 0, 1, 0}, 2), 2);
    QCOMPARE(DksRowModel::freeCells({0, 0, 0, 0}, 7), 0);
    QVERIFY(DksRowModel::hasHandle({0, 0, 1, 0}, 2));
    QVERIFY(!DksRowModel::hasHandle({0, 0, 0, 1}, 3));
    QVERIFY(!DksRowModel::hasHandle({2, 0, 0, 0}, 0));
    QVERIFY(!DksRowModel::hasHandle({1, 0, 0, 0}, -1));
}

void tst_DksGrid::coveredCells_data()
{
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("cells");
    QTest::newRow("handle only") << 10 << 0;
    QTest::newRow("short bar") << kHalf << 0;
    QTest::newRow("past half a pitch") << kHalf + 1 << 1;
    QTest::newRow("one pitch") << kPitch << 1;
    QTest::newRow("up to the next half") << kPitch + kHalf << 1;
    QTest::newRow("past the next half") << kPitch + kHalf + 1 << 2;
    QTest::newRow("two pitches") << 2 * kPitch << 2;
    QTest::newRow("past the third half") << 2 * kPitch + kHalf + 1 << 3;
    QTest::newRow("three pitches") << 3 * kPitch << 3;
}

void tst_DksGrid::coveredCells()
{
    QFETCH(int, barWidth);
    DksGridGeometry g;
    g.setSize(kWidth, kHeight);
    QTEST(g.coveredCells(barWidth), "cells");
    QCOMPARE(DksGridGeometry::changesRow(barWidth), barWidth > 10);
}

void tst_DksGrid::pointerPositions()
{
    DksGridGeometry g;
    g.setSize(kWidth, kHeight);
    QCOMPARE(g.columnPitch(), kPitch);
    QCOMPARE(g.rowPitch(), 40);

    const DksGridGeometry::Cell on = g.pointAt(pointOf(2, 3) + QPoint(7, -7));
    QCOMPARE(on.row, 2);
    QCOMPARE(on.column, 3);
    QVERIFY(!g.pointAt(pointOf(2, 3) + QPoint(8, 0)).isValid());
    QVERIFY(!g.pointAt(QPoint(60, 35)).isValid());

    QVERIFY(g.onHandle(on, pointOf(2, 3) + QPoint(5, 0)));
    QVERIFY(g.onHandle(on, pointOf(2, 3) + QPoint(7, 0)));
    QVERIFY(!g.onHandle(on, pointOf(2, 3) + QPoint(4, 0)));
    QVERIFY(!g.onHandle(on, pointOf(2, 3)));

    // Each column's bar stretch runs from just left of its point to just
    // left of the next point.
    const DksGridGeometry::Cell bar = g.holdCellAt(QPoint(20 + kPitch - 9, 55 + 8));
    QCOMPARE(bar.row, 1);
    QCOMPARE(bar.column, 0);
    QCOMPARE(g.holdCellAt(QPoint(20 + kPitch - 8, 55)).column, 1);
    QCOMPARE(g.holdCellAt(QPoint(20 - 8, 55)).column, 0);
    QVERIFY(!g.holdCellAt(QPoint(20 - 9, 55)).isValid());
    QVERIFY(!g.holdCellAt(QPoint(60, 55 + 9)).isValid());

    // The drag bar: from the origin's picture to 6 pixels past the pointer,
    // within the free cells and the last point.
    const DksGridGeometry::Cell origin{0, 0};
    QCOMPARE(g.dragBarWidth(origin, 19, 4), 0);
    QCOMPARE(g.dragBarWidth(origin, 20 + 50, 4), 56);
    QCOMPARE(g.dragBarWidth(origin, 20 + 1000, 4), 3 * kPitch);
    QCOMPARE(g.dragBarWidth(origin, 20 + 1000, 2), 2 * kPitch);
    QCOMPARE(g.dragBarWidth(DksGridGeometry::Cell{0, 3}, 400, 1), 0);
    QCOMPARE(g.previewBarWidth(origin, 20 + kPitch / 2 + 1, 4), kPitch);
    QCOMPARE(g.previewBarWidth(origin, 20 + kPitch / 2, 4), 0);
    QVERIFY(g.showsPreview(origin, 20 + kPitch / 2 + 1));
    QVERIFY(!g.showsPreview(origin, 20 + kPitch / 2));
}

void tst_DksGrid::tinyGrid()
{
    // A host not laid out yet may be 0 x 0: the grid stays 4 x 4 and never
    // hands out a cell outside the matrix, wherever the pointer is.
    DksGridGeometry g;
    g.setSize(0, -5);
    QCOMPARE(g.width(), 4);
    QCOMPARE(g.columnPitch(), 1);
    for (int x = -50; x < 100; x += 3) {
        for (int y = -50; y < 100; y += 3) {
            for (const DksGridGeometry::Cell &c : {g.pointAt(QPoint(x, y)), g.holdCellAt(QPoint(x, y))}) {
                if (c.isValid()) {
                    QVERIFY(c.row >= 0 && c.row < 4);
                    QVERIFY(c.column >= 0 && c.column < 4);
                }
            }
        }
    }
}

// ---- the widget ------------------------------------------------------------------

DDksShowWidget *tst_DksGrid::newWidget(const QVector<Row> &rows)
{
    m_widget = std::make_unique<DDksShowWidget>();
    m_widget->resize(kWidth, kHeight);
    SeniorKeyInfoStu record;
    std::memset(&record, 0, sizeof record);
    record.id = 1;
    record.kind = LUMTAR_SENIOR_DKS;
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 4; ++c)
            record.dksAction[r][c] = rows.at(r)[c];
    m_widget->setSeniorKeyInfo(record);
    m_widget->show();
    return m_widget.get();
}

Row tst_DksGrid::rowOf(const DDksShowWidget *w, int row)
{
    const SeniorKeyInfoStu r = w->seniorKeyInfo();
    return Row{r.dksAction[row][0], r.dksAction[row][1], r.dksAction[row][2], r.dksAction[row][3]};
}

void tst_DksGrid::move(DDksShowWidget *w, const QPoint &pos, Qt::MouseButtons buttons)
{
    // QTest::mouseMove does not carry the buttons held down.
    QMouseEvent event(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void tst_DksGrid::tapAnnouncedAtPress()
{
    DDksShowWidget *w = newWidget({});
    QSignalSpy changed(w, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    move(w, pointOf(1, 2));
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, pointOf(1, 2));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(w->seniorKeyInfo().dksAction[1][2], 1);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, pointOf(1, 2));
    QCOMPARE(changed.count(), 1);

    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, pointOf(1, 2));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(w->seniorKeyInfo().dksAction[1][2], 0);

    // A press away from any point or bar changes nothing.
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(60, 35));
    QCOMPARE(changed.count(), 2);
}

void tst_DksGrid::handleCursor()
{
    DDksShowWidget *w = newWidget({{1, 0, 0, 1}});
    QSignalSpy pointer(w, &DDksShowWidget::sigDksPageMouseMovePointXY);
    move(w, pointOf(0, 0) + QPoint(6, 0));
    QCOMPARE(w->cursor().shape(), Qt::SizeHorCursor);
    QCOMPARE(pointer.count(), 1);
    QCOMPARE(pointer.at(0).at(0).toInt(), 26);
    QCOMPARE(pointer.at(0).at(1).toInt(), 15);
    move(w, pointOf(0, 0));
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    // A tap in the last column has no handle; an empty point neither.
    move(w, pointOf(0, 3) + QPoint(6, 0));
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
    move(w, pointOf(0, 1) + QPoint(6, 0));
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
}

void tst_DksGrid::dragAnnouncedAtRelease_data()
{
    QTest::addColumn<Row>("start");
    QTest::addColumn<int>("origin");
    QTest::addColumn<int>("pointerX");
    QTest::addColumn<Row>("expected");
    // The bar is 6 pixels longer than the pointer's way from the origin.
    const int x0 = 20;
    QTest::newRow("into the first half") << Row{1, 0, 0, 0} << 0 << x0 + kHalf + 1 - 6 << Row{2, 0, 0, 0};
    QTest::newRow("as far as possible") << Row{1, 0, 0, 0} << 0 << 339 << Row{2, 2, 2, 0};
    QTest::newRow("stopped by a tap") << Row{1, 0, 1, 0} << 0 << 339 << Row{2, 2, 1, 0};
    QTest::newRow("against a hold") << Row{1, 2, 0, 0} << 0 << x0 + kHalf + 10 << Row{2, 3, 0, 0};
    QTest::newRow("back to a tap") << Row{1, 0, 0, 0} << 0 << x0 + 10 << Row{1, 0, 0, 0};
    QTest::newRow("left of the origin") << Row{0, 1, 0, 0} << 1 << 30 << Row{0, 1, 0, 0};
    QTest::newRow("from column 2") << Row{0, 0, 1, 0} << 2 << 339 << Row{0, 0, 2, 0};
}

void tst_DksGrid::dragAnnouncedAtRelease()
{
    QFETCH(Row, start);
    QFETCH(int, origin);
    QFETCH(int, pointerX);
    QFETCH(Row, expected);
    DDksShowWidget *w = newWidget({Row{}, start});
    QSignalSpy changed(w, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint handle = pointOf(1, origin) + QPoint(6, 0);
    move(w, handle);
    QCOMPARE(w->cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, handle);
    QCOMPARE(changed.count(), 0);
    // Far right first, then where the drag ends: only the end counts.
    move(w, QPoint(339, handle.y()), Qt::LeftButton);
    move(w, QPoint(pointerX, handle.y()), Qt::LeftButton);
    QCOMPARE(rowText(rowOf(w, 1)), rowText(start)); // written at the release
    QCOMPARE(changed.count(), 0);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(pointerX, handle.y()));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(rowText(rowOf(w, 1)), rowText(expected));
    QCOMPARE(rowText(rowOf(w, 0)), rowText(Row{}));
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
}

void tst_DksGrid::sameEndSameRow()
{
    // Just past p + h from the tap at column 0: two cells, whether the
    // pointer crept there or jumped in one move.
    const int end = 20 + kPitch + kHalf + 2 - 6;
    Row results[2];
    for (int jump = 0; jump < 2; ++jump) {
        DDksShowWidget *w = newWidget({{1, 0, 0, 0}});
        const QPoint handle = pointOf(0, 0) + QPoint(6, 0);
        move(w, handle);
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, handle);
        if (!jump) {
            for (int x = handle.x() + 1; x < end; x += 3)
                move(w, QPoint(x, handle.y()), Qt::LeftButton);
        }
        move(w, QPoint(end, handle.y()), Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(end, handle.y()));
        results[jump] = rowOf(w, 0);
    }
    QCOMPARE(rowText(results[0]), rowText(Row{2, 2, 0, 0}));
    QCOMPARE(rowText(results[1]), rowText(results[0]));
}

void tst_DksGrid::pressOnHandleWithoutMove()
{
    DDksShowWidget *w = newWidget({{1, 0, 0, 0}});
    QSignalSpy changed(w, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint handle = pointOf(0, 0) + QPoint(6, 0);
    move(w, handle);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, handle);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(rowText(rowOf(w, 0)), rowText(Row{1, 0, 0, 0}));

    // A move that draws a bar longer than the handle counts as an edit,
    // even when the row ends as it was.
    move(w, handle);
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, handle);
    move(w, handle + QPoint(1, 0), Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, handle + QPoint(1, 0));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(rowText(rowOf(w, 0)), rowText(Row{1, 0, 0, 0}));
}

void tst_DksGrid::removalStaysInPressedRow()
{
    DDksShowWidget *w = newWidget({{0, 0, 1, 0}, {2, 2, 0, 1}, Row{}, {1, 0, 0, 0}});
    QSignalSpy changed(w, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint onBar = pointOf(1, 0) + QPoint(40, 3);
    move(w, onBar);
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, onBar);
    QCOMPARE(changed.count(), 0);
    // The pointer wanders over other points and onto a tap's handle.
    move(w, pointOf(0, 2), Qt::LeftButton);
    move(w, pointOf(3, 0) + QPoint(6, 0), Qt::LeftButton);
    move(w, pointOf(3, 0) + QPoint(200, 0), Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, pointOf(3, 0) + QPoint(200, 0));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(rowText(rowOf(w, 1)), rowText(Row{0, 0, 0, 1}));
    QCOMPARE(rowText(rowOf(w, 0)), rowText(Row{0, 0, 1, 0}));
    QCOMPARE(rowText(rowOf(w, 3)), rowText(Row{1, 0, 0, 0}));
}

void tst_DksGrid::nothingBeforeARecord()
{
    m_widget = std::make_unique<DDksShowWidget>();
    m_widget->resize(kWidth, kHeight);
    m_widget->show();
    QSignalSpy changed(m_widget.get(), &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    QTest::mouseClick(m_widget.get(), Qt::LeftButton, Qt::NoModifier, pointOf(0, 0));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_widget->seniorKeyInfo().dksAction[0][0], 0);
    QVERIFY(!m_widget->grab().isNull()); // paints the grid alone
}

void tst_DksGrid::gridFollowsSize()
{
    DDksShowWidget *w = newWidget({});
    w->resize(400, 200);
    QCOMPARE(w->gridGeometry().columnPitch(), 100);
    QCOMPARE(w->gridGeometry().rowPitch(), 50);
    w->resize(0, 0);
    QCOMPARE(w->gridGeometry().columnPitch(), 1);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(2000, -30));
    w->repaint();
}

QTEST_MAIN(tst_DksGrid)
#include "tst_dksgrid.moc"
