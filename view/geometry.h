#pragma once

// Where the cells of a board lie: their column and place in it, the cell a
// cursor step leads to, the cell under a point and the frames that screen
// readers are given. The painting, the pointer, the keys, the words readers
// hear and the tests all go by this, and it needs no display.

#include "layout.h"
#include "tables.h"

enum class Board { Player, Computer };

inline constexpr int kColumnCount = 5;

// Columns count 0..4 from the left, places 0.. from the top of a column.
constexpr int CellColumn(int cell)
{
    return (kCellGrid[cell][0] + 6) / 3;
}

constexpr int CellPlace(int cell)
{
    int place = 0;
    for (int other = 0; other < cell; other++)
        place += CellColumn(other) == CellColumn(cell);
    return place;
}

// The cell at a column (0..4) and a row of the grid; -1 where there is none.
constexpr int CellAt(int column, int row)
{
    for (int cell = 0; cell < kCellCount; cell++) {
        if (CellColumn(cell) == column && kCellGrid[cell][1] == row)
            return cell;
    }
    return -1;
}

// The pixel centre of a cell on the board view.
constexpr CellPoint CellCenter(Board board, int cell)
{
    const CellPoint origin = board == Board::Player ? kPlayerBoardCentre : kComputerBoardCentre;
    return {kCellGrid[cell][0] * kColumnUnit + origin.x, kCellGrid[cell][1] * kRowUnit + origin.y};
}

// The cell of a board whose centre lies within the hit radius of the point;
// -1 when there is none. Centres are at least 59 pixels apart, so no point
// hits two cells.
int CellUnder(Board board, float x, float y);

enum class Step { Up, Down, Left, Right };

// Where the keyboard's cursor goes from a cell: Up and Down within the
// column, Left and Right to the neighbouring column's cell nearest the row
// the cursor keeps to (of two as near, the upper). -1 at the board's edge.
int CursorStep(int cell, Step step, int keptRow);

// What screen readers are told of where things lie, in view coordinates.
ViewRect CellFrame(Board board, int cell);
ViewRect OfferFrame();
ViewRect ScoreFrame(Board board);
// The result message stands between the two score fields.
ViewRect ResultFrame();
