#include "ui/seniorKeys/DksRowModel.h"

#include <algorithm>

DksRowModel::Row DksRowModel::toggleTap(Row row, int column)
{
    if (!validColumn(column))
        return row;
    if (row[column] == Empty)
        row[column] = Tap;
    else if (row[column] == Tap)
        row[column] = Empty;
    return row;
}

DksRowModel::Row DksRowModel::removeHold(Row row, int column)
{
    if (!validColumn(column) || !isHold(row[column]))
        return row;
    // A 2 joins the hold on its left: walk back to the cell the hold starts at.
    int first = column;
    while (row[first] == Hold && first > 0 && isHold(row[first - 1]))
        --first;
    int last = column;
    while (last + 1 < Columns && row[last + 1] == Hold)
        ++last;
    for (int c = first; c <= last; ++c)
        row[c] = Empty;
    const int next = last + 1;
    if (next < Columns - 1 && row[next] == OwnHold)
        row[next] = Hold;
    return row;
}

bool DksRowModel::hasHandle(const Row &row, int column)
{
    return validColumn(column) && column < Columns - 1 && row[column] == Tap;
}

int DksRowModel::freeCells(const Row &row, int origin)
{
    if (!validColumn(origin))
        return 0;
    int cells = 1;
    for (int c = origin + 1; c < Columns && row[c] == Empty; ++c)
        ++cells;
    return cells;
}

DksRowModel::Row DksRowModel::dragHold(const Row &start, int origin, int cells)
{
    if (!hasHandle(start, origin))
        return start;
    cells = std::clamp(cells, 0, std::min(freeCells(start, origin), Columns - 1 - origin));
    Row row = start;
    // Each further cell the hold reaches, in order from the origin.
    for (int step = 1; step <= cells; ++step) {
        const int c = origin + step - 1; // the cell the hold now covers
        if (step == 1) {
            // The origin turns into the hold's first cell. It starts a hold of
            // its own when a hold ends at it, or when what follows it would
            // otherwise read as part of it.
            if (origin == 0) {
                row[0] = Hold;
            } else if (origin == 1) {
                row[1] = (row[0] == Hold || row[2] == Hold || row[2] == Tap) ? OwnHold : Hold;
            } else {
                row[2] = isHold(row[1]) ? OwnHold : Hold;
            }
        } else {
            row[c] = Hold;
        }
        // A hold right after the one being drawn stays separate.
        if (c + 1 < Columns - 1 && row[c + 1] == Hold)
            row[c + 1] = OwnHold;
    }
    return row;
}
