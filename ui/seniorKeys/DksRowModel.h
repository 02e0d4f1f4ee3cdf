// One row of the DKS action matrix (one bound key at the four trigger
// points) and the edits the grid makes to it. Pure functions of a row:
//
//   0 no action, 1 a tap at the point, 2 held from the point to the next
//   one (joining a hold on its left), 3 held to the next point as a hold of
//   its own.
//
// A hold is a cell holding 2 or 3 followed by cells holding 2. Edits keep
// the first column free of 3 and the last column free of 2 and 3.
#ifndef DKSROWMODEL_H
#define DKSROWMODEL_H

#include <array>

class DksRowModel
{
public:
    static constexpr int Columns = 4;
    using Row = std::array<int, Columns>;

    enum Cell { Empty = 0, Tap = 1, Hold = 2, OwnHold = 3 };

    static bool isHold(int cell) { return cell == Hold || cell == OwnHold; }
    static bool validColumn(int column) { return column >= 0 && column < Columns; }

    // A tap put on an empty point or taken off a tapped one; a hold is left alone.
    static Row toggleTap(Row row, int column);

    // The whole hold that covers column taken away; a hold of its own right
    // after it then joins nothing and turns into a plain one.
    static Row removeHold(Row row, int column);

    // A tap that is not in the last column can be dragged into a hold.
    static bool hasHandle(const Row &row, int column);

    // Cells a hold dragged from the tap at origin may cover: the origin and
    // the empty cells right after it.
    static int freeCells(const Row &row, int origin);

    // The row of a drag from the tap at origin whose hold covers `cells`
    // cells from the origin (0 keeps the tap), built from the row the drag
    // started from. cells is limited to the free cells.
    static Row dragHold(const Row &start, int origin, int cells);
};

#endif
