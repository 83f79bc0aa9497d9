#include "tavview.h"

tavview::tavview(BRect frame, const char* name)
    : BView(frame, name, B_FOLLOW_ALL_SIDES, B_WILL_DRAW)
{
    // The first tile is dealt before the view is ever shown.
    NewGame();
}

tavview::~tavview() = default;

// The cursor is part of its cell, painted over whatever the cell shows.
void tavview::DrawCell(Board board, int cell, int16 tile, bool placed)
{
    const CellPoint center = CellCenter(board, cell);
    DrawTile(center.x, center.y, tile, placed);
    if (board == Board::Player && cursorShown && cell == cursorCell)
        DrawCursor(center.x, center.y);
}

// A cell of the player's board as a full repaint leaves it.
void tavview::RedrawPlayerCell(int16 cell)
{
    DrawCell(Board::Player, cell, playerBoard[cell], playerBoard[cell] != 0);
    if (placementState == 1 && cell == previewCell)
        DrawCell(Board::Player, cell, currentTile, false);
}
