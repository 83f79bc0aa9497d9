// Mouse play on the player's board: a click on a free cell previews the
// current tile there, a click on another free cell moves the preview, and a
// click on the previewed cell places it. Each click repaints only what it
// changes.

#include "colors.h"
#include "tavview.h"

// Every button counts; only a free cell of the player's board takes a
// click. A click takes the keyboard's cursor away.
void tavview::MouseDown(BPoint where)
{
    HideCursor();
    const int cell = CellUnder(Board::Player, where.x, where.y);
    if (cell >= 0 && playerBoard[cell] == 0)
        ClickCell(int16(cell));
}

void tavview::ClickCell(int16 cell)
{
    if (!IsPreviewing())
        StartPreview(cell);
    else if (cell != previewCell)
        MovePreview(cell);
    else
        ConfirmPreview();
}

void tavview::StartPreview(int16 cell)
{
    EraseOffer();
    previewCell = cell;
    DrawCell(Board::Player, cell, currentTile, false);
    placementState = kPreviewing;
    TellPreview(-1);
}

void tavview::MovePreview(int16 cell)
{
    const int16 vacated = previewCell;
    DrawCell(Board::Player, previewCell, 0, false);
    previewCell = cell;
    DrawCell(Board::Player, cell, currentTile, false);
    TellPreview(vacated);
}

// The tile's bounding box would also take the ends of two neighbouring cells'
// outlines; a slightly larger hexagon takes the whole tile and only background
// around it, so the spot looks as it does when the board is painted afresh.
void tavview::EraseOffer()
{
    BPoint corners[6];
    HexagonCorners(kOfferSpot.x, kOfferSpot.y, kHexHalfWidth + kOfferEraseMargin,
        kHexHalfHeight + kOfferEraseMargin, corners);
    SetHighColor(ToRgb(kBackgroundColor));
    FillPolygon(corners, 6, B_SOLID_HIGH);
}

// The computer's cell painted is the one chosen when the tile was dealt.
void tavview::ConfirmPreview()
{
    const int16 cell = previewCell;
    const int16 computerTarget = PlaceTile(cell);
    DrawCell(Board::Player, cell, playerBoard[cell], true);
    DrawScore(playerScore, kPlayerScoreSpot.x, kPlayerScoreSpot.y, false);
    DrawCell(Board::Computer, computerTarget, computerBoard[computerTarget], true);
    DrawScore(computerScore, kComputerScoreSpot.x, kComputerScoreSpot.y, true);
    if (IsGameOver())
        DrawResult();
    else
        DrawTile(kOfferSpot.x, kOfferSpot.y, currentTile, true);
    TellTurn(cell, computerTarget);
}
