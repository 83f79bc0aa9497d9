// What a screen reader reads of the board view, in the game's own words: each
// cell, the tile on offer, both scores, the result, and what the last turn
// did. The cell under the keyboard's cursor is the one in focus.

#include <string>

#include "tavview.h"

namespace {

// A tile's numbers along its rising, vertical and falling stripes.
std::string TileWords(int16 tile)
{
    if (tile == 0)
        return "empty";
    std::string words;
    for (int d = 0; d < 3; d++)
        words += (d ? " " : "") + std::string(kDigitText[kTileNumbers[tile][d]]);
    return words;
}

// Where a cell lies: its column from the left, and its place in the column
// from the top, as the arrow keys go.
std::string Place(int cell)
{
    int position = 1;
    for (int other = 0; other < cell; other++)
        position += kCellGrid[other][0] == kCellGrid[cell][0];
    return "column " + std::to_string((kCellGrid[cell][0] + 6) / 3 + 1) + ", position "
        + std::to_string(position);
}

BRect Frame(CellPoint centre, int32 halfWidth, int32 halfHeight)
{
    return BRect(float(centre.x - halfWidth), float(centre.y - halfHeight),
        float(centre.x + halfWidth), float(centre.y + halfHeight));
}

// The texts along the bottom: scores and the result, on one baseline.
BRect TextFrame(int32 left, int32 right)
{
    return BRect(float(left), float(kResultSpot.y - 24), float(right), float(kResultSpot.y + 6));
}

} // namespace

std::string tavview::AccessibleName() const
{
    return "Boards";
}

int32 tavview::CountAccessibleItems() const
{
    return kReaderItemCount;
}

int32 tavview::FocusedAccessibleItem() const
{
    return cursorCell;
}

accessible_item tavview::CellItem(Board board, int cell) const
{
    const bool mine = board == Board::Player;
    const bool preview = mine && placementState == 1 && cell == previewCell;
    const int16 tile = preview ? currentTile : (mine ? playerBoard : computerBoard)[cell];
    return {B_ACCESSIBLE_CELL, TileWords(tile),
        std::string(mine ? "your board, " : "computer's board, ") + Place(cell)
            + (preview ? ", preview" : ""),
        Frame(CellCenter(board, cell), kHexHalfWidth, kHexHalfHeight)};
}

accessible_item tavview::AccessibleItemAt(int32 index) const
{
    if (index < kOfferItem)
        return CellItem(index < kCellCount ? Board::Player : Board::Computer, index % kCellCount);
    switch (index) {
    case kOfferItem:
        return {B_ACCESSIBLE_LABEL, IsGameOver() ? "none" : TileWords(currentTile), "tile to place",
            Frame(kOfferSpot, kHexHalfWidth, kHexHalfHeight)};
    case kPlayerScoreItem:
        return {B_ACCESSIBLE_LABEL, std::to_string(playerScore), "your score",
            TextFrame(kPlayerScoreSpot.x, kPlayerScoreSpot.x + 60)};
    case kComputerScoreItem:
        return {B_ACCESSIBLE_LABEL, std::to_string(computerScore), "computer's score",
            TextFrame(kComputerScoreSpot.x - 80, kComputerScoreSpot.x)};
    case kResultItem:
        return {B_ACCESSIBLE_LABEL, IsGameOver() ? ResultText() : "", "result",
            TextFrame(kResultSpot.x - 60, kResultSpot.x + 60)};
    default:
        break;
    }
    // A new game has no last turn to tell of.
    return {B_ACCESSIBLE_STATUS, tilesPlaced > 0 ? fNews : "", "last turn", kViewBounds};
}

void tavview::TellReaders(std::initializer_list<int32> items)
{
    for (int32 item : items)
        AccessibleItemChanged(item);
}

void tavview::TellTurn(int16 playerCell, int16 computerCell)
{
    fNews = "The computer put " + TileWords(computerBoard[computerCell]) + " in "
        + Place(computerCell) + ". Scores: you " + std::to_string(playerScore) + ", computer "
        + std::to_string(computerScore) + ".";
    if (IsGameOver())
        fNews += std::string(" ") + ResultText() + ".";
    TellReaders({playerCell, kCellCount + computerCell, kOfferItem, kPlayerScoreItem,
        kComputerScoreItem, kResultItem, kNewsItem});
}
