#include "tavview.h"

tavview::tavview(BRect frame, const char* name)
    : BView(frame, name, B_FOLLOW_ALL_SIDES, B_WILL_DRAW)
{
    // The first tile is dealt before the view is ever shown.
    NewGame();
}

tavview::~tavview() = default;

// Column units are 17 pixels apart and rows 30; the centre cell of the player's
// board sits at (145, 180), that of the computer's at (435, 180).
CellPoint tavview::CellCenter(Board board, int cell)
{
    const int32 originX = board == Board::Player ? 145 : 435;
    return CellPoint {kCellGrid[cell][0] * 34 / 2 + originX, kCellGrid[cell][1] * 30 + 180};
}

void tavview::DrawCell(Board board, int cell, int16 tile, bool placed)
{
    const CellPoint center = CellCenter(board, cell);
    DrawTile(center.x, center.y, tile, placed);
}
