// Keyboard play: the arrow keys move a cursor over the cells of a board, Tab
// takes it to the other board, and Return or space act on a cell of the
// player's board as a click there does; L and S only speak. The cursor shows once a key has moved
// or used it, until the next click.

#include <InterfaceDefs.h>

#include <cmath>

#include "colors.h"
#include "tavview.h"

namespace {

Step StepOf(char key)
{
    switch (key) {
    case B_UP_ARROW:
        return Step::Up;
    case B_DOWN_ARROW:
        return Step::Down;
    case B_LEFT_ARROW:
        return Step::Left;
    default:
        return Step::Right;
    }
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
    case B_TAB:
        SwitchBoard();
        break;
    case B_ENTER:
    case B_SPACE:
        UseCursor();
        break;
    case 'l':
    case 'L':
        TellLines();
        break;
    case 's':
    case 'S':
        TellState();
        break;
    default:
        break;
    }
}

// Left and Right keep to the row that Up and Down last left the cursor on.
// At an edge the cursor stays where it is, and readers hear why.
void tavview::MoveCursor(char key)
{
    const Step step = StepOf(key);
    const int16 target = int16(CursorStep(cursorCell, step, fCursorRow));
    const bool shown = cursorShown;
    cursorShown = true;
    if (target < 0) {
        if (!shown)
            RedrawCell(cursorBoard, cursorCell);
        TellEdge(step);
        return;
    }
    if (step == Step::Up || step == Step::Down)
        fCursorRow = kCellGrid[target][1];
    const int16 from = cursorCell;
    cursorCell = target;
    RedrawCell(cursorBoard, from);
    RedrawCell(cursorBoard, cursorCell);
    AccessibleFocusMoved();
}

// Tab and Shift+Tab take the cursor to the same place on the other board.
void tavview::SwitchBoard()
{
    const Board from = cursorBoard;
    const bool shown = cursorShown;
    cursorBoard = from == Board::Player ? Board::Computer : Board::Player;
    cursorShown = true;
    if (shown)
        RedrawCell(from, cursorCell);
    RedrawCell(cursorBoard, cursorCell);
    AccessibleFocusMoved();
}

// The cell's own repaint shows the cursor where the key acts on a free cell
// of the player's board; anywhere else readers hear why nothing happens.
void tavview::UseCursor()
{
    const bool shown = cursorShown;
    cursorShown = true;
    if (cursorBoard == Board::Player && playerBoard[cursorCell] == 0) {
        ClickCell(cursorCell);
        return;
    }
    if (!shown)
        RedrawCell(cursorBoard, cursorCell);
    TellWhyNothing();
}

void tavview::HideCursor()
{
    if (!cursorShown)
        return;
    cursorShown = false;
    RedrawCell(cursorBoard, cursorCell);
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
