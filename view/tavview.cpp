#include "tavview.h"

tavview::tavview(BRect frame, const char* name)
    : BView(frame, name, B_FOLLOW_ALL_SIDES, B_WILL_DRAW)
{
    // The first tile is dealt before the view is ever shown.
    NewGame();
}

tavview::~tavview() = default;

CellPoint tavview::CellCenter(Board board, int cell)
{
    const CellPoint origin = board == Board::Player ? kPlayerBoardCentre : kComputerBoardCentre;
    return CellPoint {
        kCellGrid[cell][0] * kColumnUnit + origin.x, kCellGrid[cell][1] * kRowUnit + origin.y};
}

void tavview::DrawCell(Board board, int cell, int16 tile, bool placed)
{
    const CellPoint center = CellCenter(board, cell);
    DrawTile(center.x, center.y, tile, placed);
}
