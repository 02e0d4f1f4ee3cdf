// Where the points, handles and bars of the DKS grid lie for a grid of a
// given size, and which cell a pointer position stands for. Every cell it
// hands out lies within the 4 x 4 matrix.
//
// Column j's point lies at x = 20 + p·j and row i's at y = 15 + q·i, with
// the pitches p = width / 4 and q = height / 4 (integer divisions). A point
// is drawn as a 16 x 16 picture centred on it.
#ifndef DKSGRIDGEOMETRY_H
#define DKSGRIDGEOMETRY_H

#include <QPoint>

class DksGridGeometry
{
public:
    static constexpr int Cells = 4;
    static constexpr int MinimumSize = 4;
    static constexpr int PictureSize = 16;
    static constexpr int LeftMargin = 20;
    static constexpr int TopMargin = 15;

    struct Cell
    {
        int row = -1;
        int column = -1;
        bool isValid() const { return row >= 0 && column >= 0; }
    };

    // Sizes below 4 x 4 count as 4 x 4, so the pitches stay positive.
    void setSize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    int columnPitch() const { return m_columnPitch; }
    int rowPitch() const { return m_rowPitch; }

    int pointX(int column) const { return LeftMargin + m_columnPitch * column; }
    int pointY(int row) const { return TopMargin + m_rowPitch * row; }
    QPoint point(const Cell &cell) const { return QPoint(pointX(cell.column), pointY(cell.row)); }

    // The point whose picture the position lies on (the first one, column by
    // column), or an invalid cell.
    Cell pointAt(const QPoint &pos) const;
    // True when the position lies on the handle of the point: the rightmost
    // pixels of its picture.
    bool onHandle(const Cell &point, const QPoint &pos) const;
    // The cell whose hold bar the position lies on: each column owns the
    // stretch from the left edge of its point's picture to that of the next.
    Cell holdCellAt(const QPoint &pos) const;

    // The width of the bar drawn while a tap's handle is dragged from the
    // point at `origin` with the pointer at x: from the origin's picture to
    // the pointer, at most `freeCells` pitches and never past the last point.
    // 0 while the pointer lies left of the origin.
    int dragBarWidth(const Cell &origin, int x, int freeCells) const;
    // The width of the preview bar: the drag rounded to whole pitches.
    int previewBarWidth(const Cell &origin, int x, int freeCells) const;
    // True while the preview is shown: the pointer lies right of the origin
    // and of the first midpoint between two points.
    bool showsPreview(const Cell &origin, int x) const;
    // The number of cells a dragged bar of that width covers: one more for
    // every point the bar's end has passed by more than half a pitch.
    int coveredCells(int barWidth) const;
    // True when a dragged bar of that width counts as a change of the row:
    // longer than the few pixels the handle itself spans.
    static bool changesRow(int barWidth);

private:
    // How far right of the origin's point the pointer drags, no further than
    // the last point allows; -1 while it lies left of the origin or the
    // origin has no point to its right.
    int dragDistance(const Cell &origin, int x) const;

    int m_width = MinimumSize;
    int m_height = MinimumSize;
    int m_columnPitch = 1;
    int m_rowPitch = 1;
};

#endif
