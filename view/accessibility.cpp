// What a screen reader reads of the board view, in the game's own words: each
// cell, the tile on offer, both scores, the result and what the last turn
// did; and what it is told as things happen, so that a player who cannot see
// the board hears everything needed to play. The cell under the keyboard's
// cursor is the one in focus.

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

std::string BoardWords(Board board)
{
    return board == Board::Player ? "your board" : "computer's board";
}

std::string Scores(int16 player, int16 computer)
{
    return "you " + std::to_string(player) + ", computer " + std::to_string(computer);
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
    return cursorCell + (cursorBoard == Board::Computer ? kCellCount : 0);
}

// A cell's name is what it shows and its description where it lies, which
// never changes: readers hear a cell's news from the view's announcements.
accessible_item tavview::CellItem(Board board, int cell) const
{
    const bool mine = board == Board::Player;
    const bool preview = mine && placementState == 1 && cell == previewCell;
    const int16 tile = preview ? currentTile : (mine ? playerBoard : computerBoard)[cell];
    return {B_ACCESSIBLE_CELL, TileWords(tile) + (preview ? ", preview" : ""),
        BoardWords(board) + ", " + Place(cell), CellFrame(board, cell)};
}

accessible_item tavview::AccessibleItemAt(int32 index) const
{
    if (index < kOfferItem)
        return CellItem(index < kCellCount ? Board::Player : Board::Computer, index % kCellCount);
    switch (index) {
    case kOfferItem:
        return {B_ACCESSIBLE_IMAGE, IsGameOver() ? "none" : TileWords(currentTile), "tile to place",
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

// When the window first opens, readers hear of the game and then of the
// cell in focus; after New Game the cursor stays, so they hear of its cell
// here.
void tavview::WindowActivated(bool active)
{
    if (!active || fGameTold)
        return;
    fGameTold = true;
    Announce("New game. Tile to place: " + TileWords(currentTile) + ".");
}

void tavview::TellNewGame()
{
    fGameTold = true;
    for (int32 item = 0; item < kReaderItemCount; item++)
        AccessibleItemChanged(item);
    const accessible_item cursor = AccessibleItemAt(FocusedAccessibleItem());
    Announce("New game. Tile to place: " + TileWords(currentTile) + ". " + cursor.description + ": "
        + cursor.name + ".");
}

void tavview::TellPreview(int16 left)
{
    if (left >= 0)
        AccessibleItemChanged(left);
    AccessibleItemChanged(previewCell);
    Announce("Preview of " + TileWords(currentTile) + " in " + Place(previewCell) + ".");
}

void tavview::TellTurn(int16 playerCell, int16 computerCell)
{
    fNews = "You placed " + TileWords(playerBoard[playerCell]) + " in " + Place(playerCell)
        + "; the computer put it in " + Place(computerCell) + ".";
    if (IsGameOver()) {
        fNews += std::string(" Final scores: ") + Scores(playerScore, computerScore) + ". "
            + ResultText() + ".";
    } else {
        fNews += " Scores: " + Scores(playerScore, computerScore)
            + ". Tile to place: " + TileWords(currentTile) + ".";
    }
    TellReaders({playerCell, kCellCount + computerCell, kOfferItem, kPlayerScoreItem,
        kComputerScoreItem, kResultItem, kNewsItem});
    Announce(fNews);
}

void tavview::TellEdge(Step step)
{
    switch (step) {
    case Step::Up:
        Announce("No cell above.");
        break;
    case Step::Down:
        Announce("No cell below.");
        break;
    case Step::Left:
        Announce("No column to the left.");
        break;
    case Step::Right:
        Announce("No column to the right.");
        break;
    }
}

// Return and space place nothing on the computer's board, on a taken cell or
// once the game is over.
void tavview::TellWhyNothing()
{
    if (IsGameOver())
        Announce(std::string("The game is over: ") + ResultText() + ". Ctrl+N starts a new one.");
    else if (cursorBoard == Board::Computer)
        Announce("This is the computer's board; your tiles go on your own board.");
    else
        Announce("This cell is taken.");
}
