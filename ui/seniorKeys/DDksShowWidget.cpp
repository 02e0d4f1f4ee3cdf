#include "ui/seniorKeys/DDksShowWidget.h"

#include "core/DDataManager.h"
#include "widgets/ThemeColorText.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstring>

namespace {

constexpr int kHalfPicture = DksGridGeometry::PictureSize / 2;
constexpr int kBarRadius = 8;
constexpr int kPreviewAlpha = 160;
// Room right of the last point before the row lines end.
constexpr int kLineEndMargin = 50;

} // namespace

DDksShowWidget::DDksShowWidget(QWidget *parent)
    : QWidget(parent)
    , m_addPicture(QStringLiteral(":/images/DKS/addEventDef.png"))
    , m_selectedPicture(QStringLiteral(":/images/DKS/addEventSel.png"))
{
    setMouseTracking(true);
    m_accent = themeRgb(DDataManager::getInstance()->themeColor().TextCheckedColor, 255);
    // A tap takes the theme's accent, like the holds.
    if (!m_selectedPicture.isNull()) {
        QPainter tint(&m_selectedPicture);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(m_selectedPicture.rect(), m_accent);
    }
    std::memset(&m_record, 0, sizeof m_record);
    m_geometry.setSize(width(), height());
}

void DDksShowWidget::setGridSize(int width, int height)
{
    m_geometry.setSize(width, height);
    update();
}

void DDksShowWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setGridSize(width(), height());
}

void DDksShowWidget::setSeniorKeyInfo(SeniorKeyInfoStu info)
{
    m_record = info;
    m_recordSet = true;
    update();
}

DksRowModel::Row DDksShowWidget::row(int index) const
{
    DksRowModel::Row r{};
    for (int c = 0; c < DksRowModel::Columns; ++c)
        r[c] = m_record.dksAction[index][c];
    return r;
}

void DDksShowWidget::setRow(int index, const DksRowModel::Row &r)
{
    for (int c = 0; c < DksRowModel::Columns; ++c)
        m_record.dksAction[index][c] = r[c];
}

void DDksShowWidget::trackHover(const QPoint &pos)
{
    m_hovered = m_geometry.pointAt(pos);
    m_handleArmed = !m_buttonDown && m_recordSet && m_hovered.isValid() && m_geometry.onHandle(m_hovered, pos)
                    && DksRowModel::hasHandle(row(m_hovered.row), m_hovered.column);
    setCursor(m_handleArmed ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void DDksShowWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit sigDksPageMouseMovePointXY(event->x(), event->y());
    if (m_buttonDown && m_dragging)
        dragTo(event->x());
    else
        trackHover(event->pos());
    update();
}

void DDksShowWidget::dragTo(int x)
{
    if (!m_dragPrepared) {
        m_startRow = row(m_origin.row);
        m_freeCells = DksRowModel::freeCells(m_startRow, m_origin.column);
        m_workingRowIndex = m_origin.row;
        m_rowModified = false;
        m_dragPrepared = true;
    }
    // The row follows from where the pointer is, whatever way it took.
    m_barWidth = m_geometry.dragBarWidth(m_origin, x, m_freeCells);
    m_previewWidth = m_geometry.previewBarWidth(m_origin, x, m_freeCells);
    m_preview = m_geometry.showsPreview(m_origin, x);
    if (DksGridGeometry::changesRow(m_barWidth))
        m_rowModified = true;
    m_workingRow = DksRowModel::dragHold(m_startRow, m_origin.column, m_geometry.coveredCells(m_barWidth));
}

void DDksShowWidget::mousePressEvent(QMouseEvent *event)
{
    // The press decides from where it happens, not from the last move.
    trackHover(event->pos());
    m_buttonDown = true;
    m_dragPrepared = false;
    m_dragging = false;
    if (!m_recordSet) {
        update();
        return;
    }

    if (m_handleArmed) {
        // The drag starts with the next move.
        m_dragging = true;
        m_origin = m_hovered;
    } else if (m_hovered.isValid() && !DksRowModel::isHold(row(m_hovered.row)[m_hovered.column])) {
        setRow(m_hovered.row, DksRowModel::toggleTap(row(m_hovered.row), m_hovered.column));
        emit sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    } else {
        const DksGridGeometry::Cell cell = m_geometry.holdCellAt(event->pos());
        if (cell.isValid() && DksRowModel::isHold(row(cell.row)[cell.column])) {
            m_workingRowIndex = cell.row;
            m_workingRow = DksRowModel::removeHold(row(cell.row), cell.column);
            m_rowModified = true;
        }
    }
    update();
}

void DDksShowWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_hovered = DksGridGeometry::Cell();
    m_handleArmed = false;
    m_dragging = false;
    m_dragPrepared = false;
    m_origin = DksGridGeometry::Cell();
    m_buttonDown = false;
    m_preview = false;
    m_barWidth = 0;
    m_previewWidth = 0;
    m_freeCells = 0;
    setCursor(Qt::ArrowCursor);

    if (m_rowModified) {
        m_rowModified = false;
        setRow(m_workingRowIndex, m_workingRow);
        m_workingRowIndex = -1;
        m_workingRow = DksRowModel::Row{};
        emit sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    }
    update();
}

void DDksShowWidget::paintPicture(QPainter &painter, const QPixmap &picture, const DksGridGeometry::Cell &cell) const
{
    const QPoint p = m_geometry.point(cell);
    painter.drawPixmap(QRect(p.x() - kHalfPicture, p.y() - kHalfPicture, DksGridGeometry::PictureSize,
                             DksGridGeometry::PictureSize),
                       picture);
}

void DDksShowWidget::paintBar(QPainter &painter, int x, int y, int width, int alpha) const
{
    QColor colour = m_accent;
    colour.setAlpha(alpha);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRect(x - kHalfPicture, y - kHalfPicture, width, DksGridGeometry::PictureSize),
                            kBarRadius, kBarRadius);
}

void DDksShowWidget::paintRowBars(QPainter &painter, int rowIndex) const
{
    const DksRowModel::Row r = row(rowIndex);
    const int p = m_geometry.columnPitch();
    const int y = m_geometry.pointY(rowIndex);
    for (int k = 0; k < DksRowModel::Columns - 1; ++k) {
        if (DksRowModel::isHold(r[k]))
            paintBar(painter, m_geometry.pointX(k), y, p, 255);
    }
    // A hold over several cells is one continuous bar.
    using M = DksRowModel;
    if (r[0] == M::Hold && r[1] == M::Hold && r[2] == M::Hold)
        paintBar(painter, m_geometry.pointX(0), y, 3 * p, 255);
    else if (r[0] == M::Hold && r[1] == M::Hold)
        paintBar(painter, m_geometry.pointX(0), y, 2 * p, 255);
    else if ((r[1] == M::Hold && r[2] == M::Hold) || (r[1] == M::OwnHold && r[2] == M::Hold))
        paintBar(painter, m_geometry.pointX(1), y, 2 * p, 255);
}

void DDksShowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // Grid.
    painter.setPen(QPen(QColor(98, 98, 98, 128), 2));
    for (int i = 0; i < DksGridGeometry::Cells; ++i)
        painter.drawLine(0, m_geometry.pointY(i), m_geometry.width() - kLineEndMargin, m_geometry.pointY(i));
    for (int j = 0; j < DksGridGeometry::Cells; ++j)
        painter.drawLine(m_geometry.pointX(j), 0, m_geometry.pointX(j), m_geometry.height());
    for (int i = 0; i < DksGridGeometry::Cells; ++i)
        for (int j = 0; j < DksGridGeometry::Cells; ++j)
            paintPicture(painter, m_addPicture, DksGridGeometry::Cell{i, j});

    // The bars of a drag in progress.
    if (m_buttonDown && m_dragging && m_dragPrepared && m_barWidth > 0) {
        const QPoint origin = m_geometry.point(m_origin);
        if (m_preview && m_previewWidth > 0)
            paintBar(painter, origin.x(), origin.y(), m_previewWidth, kPreviewAlpha);
        paintBar(painter, origin.x(), origin.y(), m_barWidth, 255);
    }

    // The record's actions.
    if (m_recordSet) {
        for (int i = 0; i < DksGridGeometry::Cells; ++i) {
            for (int j = 0; j < DksGridGeometry::Cells; ++j) {
                if (m_record.dksAction[i][j] != DksRowModel::Empty)
                    paintPicture(painter, m_selectedPicture, DksGridGeometry::Cell{i, j});
            }
            paintRowBars(painter, i);
        }
    }

    if (m_hovered.isValid())
        paintPicture(painter, m_selectedPicture, m_hovered);
}
