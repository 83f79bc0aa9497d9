// Keyboard play on the player's board: the arrow keys move a cursor over its
// cells, and Return or space act on the cursor's cell as a click there does.
// The cursor shows once a key has moved or used it, until the next click.

#include <InterfaceDefs.h>

#include <cmath>
#include <cstdlib>

#include "colors.h"
#include "tavview.h"

namespace {

int16 CellAt(int column, int row)
{
    for (int16 cell = 0; cell < kCellCount; cell++) {
        if (kCellGrid[cell][0] == column && kCellGrid[cell][1] == row)
            return cell;
    }
    return -1;
}

// The cell of a column nearest to the row; of two as near, the upper one.
int16 NearestInColumn(int column, int row)
{
    int16 nearest = -1;
    for (int16 cell = 0; cell < kCellCount; cell++) {
        if (kCellGrid[cell][0] != column)
            continue;
        if (nearest < 0
            || std::abs(kCellGrid[cell][1] - row) < std::abs(kCellGrid[nearest][1] - row))
            nearest = cell;
    }
    return nearest;
}

} // namespace

void tavview::KeyDown(const char* bytes, int32 numBytes)
{
    if (numBytes != 1)
        return;
    switch (bytes[0]) {
    case B_LEFT_ARROW:
    case B_RIGHT_ARROW:
    case B_UP_ARROW:
    case B_DOWN_ARROW:
        MoveCursor(bytes[0]);
        break;
    case B_ENTER:
    case B_SPACE:
        UseCursor();
        break;
    default:
        break;
    }
}

// Up and Down stay in the column; Left and Right go to the neighbouring
// column, to its cell nearest the row the cursor keeps to. At an edge the
// cursor stays where it is.
void tavview::MoveCursor(char key)
{
    const int column = kCellGrid[cursorCell][0], row = kCellGrid[cursorCell][1];
    const bool vertical = key == B_UP_ARROW || key == B_DOWN_ARROW;
    const int16 target = vertical
        ? CellAt(column, row + (key == B_UP_ARROW ? -2 : 2))
        : NearestInColumn(column + (key == B_LEFT_ARROW ? -3 : 3), fCursorRow);
    if (target >= 0 && vertical)
        fCursorRow = kCellGrid[target][1];
    if ((target < 0 || target == cursorCell) && cursorShown)
        return;
    const int16 left = cursorCell;
    cursorShown = true;
    if (target >= 0)
        cursorCell = target;
    if (left != cursorCell)
        RedrawPlayerCell(left);
    RedrawPlayerCell(cursorCell);
    AccessibleFocusMoved();
}

// The cell's own repaint shows the cursor where the key acts on a free cell.
void tavview::UseCursor()
{
    const bool shown = cursorShown;
    cursorShown = true;
    if (playerBoard[cursorCell] == 0)
        ClickCell(cursorCell);
    else if (!shown)
        RedrawPlayerCell(cursorCell);
}

void tavview::HideCursor()
{
    if (!cursorShown)
        return;
    cursorShown = false;
    RedrawPlayerCell(cursorCell);
}

// Six short white arms at the corners of a smaller hexagon: plain on an
// empty cell, a preview and a placed tile, and clear of the numbers.
void tavview::DrawCursor(int32 x, int32 y)
{
    BPoint corners[6];
    HexagonCorners(x, y, kCursorHalfWidth, kCursorHalfHeight, corners);
    SetHighColor(ToRgb(kCursorColor));
    SetPenSize(kCursorPen);
    for (int i = 0; i < 6; i++) {
        const BPoint at = corners[i];
        for (const BPoint& toward : {corners[(i + 5) % 6], corners[(i + 1) % 6]}) {
            const float dx = toward.x - at.x, dy = toward.y - at.y;
            const float length = std::hypot(dx, dy);
            // Each arm starts half a pen behind the corner, so that two meet.
            const float back = kCursorPen / 2 / length, ahead = kCursorArm / length;
            StrokeLine(BPoint(at.x - dx * back, at.y - dy * back),
                BPoint(at.x + dx * ahead, at.y + dy * ahead), B_SOLID_HIGH);
        }
    }
}
