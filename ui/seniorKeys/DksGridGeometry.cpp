#include "ui/seniorKeys/DksGridGeometry.h"

#include <algorithm>

namespace {

constexpr int kHalfPicture = DksGridGeometry::PictureSize / 2;
// The handle: the pointer lies between 4 and 8 pixels right of the point.
constexpr int kHandleFrom = 4;
// A hold bar takes the pointer within 9 pixels above or below its row.
constexpr int kBarReach = 9;
// The end of the drag bar lies this far right of the pointer.
constexpr int kBarEndPast = 6;
// Bars this short change nothing: the pointer has barely left the handle.
constexpr int kShortestBar = 10;

} // namespace

void DksGridGeometry::setSize(int width, int height)
{
    m_width = std::max(width, int(MinimumSize));
    m_height = std::max(height, int(MinimumSize));
    m_columnPitch = m_width / Cells;
    m_rowPitch = m_height / Cells;
}

DksGridGeometry::Cell DksGridGeometry::pointAt(const QPoint &pos) const
{
    for (int column = 0; column < Cells; ++column) {
        for (int row = 0; row < Cells; ++row) {
            const int px = pointX(column);
            const int py = pointY(row);
            if (px - kHalfPicture < pos.x() && pos.x() < px + kHalfPicture && py - kHalfPicture < pos.y()
                && pos.y() < py + kHalfPicture)
                return Cell{row, column};
        }
    }
    return Cell();
}

bool DksGridGeometry::onHandle(const Cell &point, const QPoint &pos) const
{
    if (!point.isValid())
        return false;
    const int px = pointX(point.column);
    return px + kHandleFrom < pos.x() && pos.x() < px + kHalfPicture;
}

DksGridGeometry::Cell DksGridGeometry::holdCellAt(const QPoint &pos) const
{
    Cell cell;
    for (int row = 0; row < Cells; ++row) {
        const int py = pointY(row);
        if (py - kBarReach < pos.y() && pos.y() < py + kBarReach) {
            cell.row = row;
            break;
        }
    }
    for (int column = 0; column < Cells; ++column) {
        const int px = pointX(column);
        if (px - kHalfPicture <= pos.x() && pos.x() < px + m_columnPitch - kHalfPicture) {
            cell.column = column;
            break;
        }
    }
    return cell.isValid() ? cell : Cell();
}

int DksGridGeometry::dragDistance(const Cell &origin, int x) const
{
    if (!origin.isValid())
        return -1;
    const int reach = Cells - 1 - origin.column;
    const int d = x - pointX(origin.column);
    if (d < 0 || reach <= 0)
        return -1;
    return std::min(d, reach * m_columnPitch - kBarEndPast);
}

int DksGridGeometry::dragBarWidth(const Cell &origin, int x, int freeCells) const
{
    const int drag = dragDistance(origin, x);
    if (drag < 0)
        return 0;
    return std::max(0, std::min(drag + kBarEndPast, m_columnPitch * freeCells));
}

int DksGridGeometry::previewBarWidth(const Cell &origin, int x, int freeCells) const
{
    const int drag = dragDistance(origin, x);
    if (drag < 0)
        return 0;
    int pitches = drag / m_columnPitch;
    if (drag % m_columnPitch > m_columnPitch / 2)
        ++pitches;
    return std::max(0, std::min(m_columnPitch * pitches, m_columnPitch * freeCells));
}

bool DksGridGeometry::showsPreview(const Cell &origin, int x) const
{
    return origin.isValid() && x > pointX(origin.column) && x > LeftMargin + m_columnPitch / 2;
}

bool DksGridGeometry::changesRow(int barWidth)
{
    return barWidth > kShortestBar;
}

int DksGridGeometry::coveredCells(int barWidth) const
{
    if (!changesRow(barWidth))
        return 0;
    const int half = m_columnPitch / 2 + 5;
    int cells = 0;
    for (int passed = 0; passed < Cells - 1; ++passed) {
        if (barWidth > m_columnPitch * passed + half)
            ++cells;
    }
    return cells;
}
