#include "tavview.h"

#include <Application.h>

tavview::tavview(BRect frame, const char* name)
    : BView(frame, name, B_FOLLOW_ALL_SIDES, B_WILL_DRAW)
{
    // The first tile is dealt before the view is ever shown.
    NewGame();
}

tavview::~tavview() = default;

// The about box is the application's; the view asks for it on the window's
// thread and waits until it is closed.
void tavview::ShowAbout()
{
    be_app->AboutRequested();
}

// The cursor is part of its cell, painted over whatever the cell shows.
void tavview::DrawCell(Board board, int cell, int16 tile, bool placed)
{
    const CellPoint center = CellCenter(board, cell);
    DrawTile(center.x, center.y, tile, placed);
    if (board == cursorBoard && cursorShown && cell == cursorCell)
        DrawCursor(center.x, center.y);
}

// A cell as a full repaint leaves it.
void tavview::RedrawCell(Board board, int16 cell)
{
    const int16* tiles = board == Board::Player ? playerBoard : computerBoard;
    DrawCell(board, cell, tiles[cell], tiles[cell] != 0);
    if (board == Board::Player && IsPreviewing() && cell == previewCell)
        DrawCell(Board::Player, cell, currentTile, false);
}
