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
    return "column " + std::to_string(CellColumn(cell) + 1) + ", position "
        + std::to_string(CellPlace(cell) + 1);
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
        CellFrame(board, cell)};
}

accessible_item tavview::AccessibleItemAt(int32 index) const
{
    if (index < kOfferItem)
        return CellItem(index < kCellCount ? Board::Player : Board::Computer, index % kCellCount);
    switch (index) {
    case kOfferItem:
        return {B_ACCESSIBLE_LABEL, IsGameOver() ? "none" : TileWords(currentTile), "tile to place",
            OfferFrame()};
    case kPlayerScoreItem:
        return {B_ACCESSIBLE_LABEL, std::to_string(playerScore), "your score",
            ScoreFrame(Board::Player)};
    case kComputerScoreItem:
        return {B_ACCESSIBLE_LABEL, std::to_string(computerScore), "computer's score",
            ScoreFrame(Board::Computer)};
    case kResultItem:
        return {B_ACCESSIBLE_LABEL, IsGameOver() ? ResultText() : "", "result", ResultFrame()};
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
