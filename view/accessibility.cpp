// What a screen reader reads of the board view, in the game's own words: each
// cell, the tile on offer, both scores, the result and what the last turn
// did; and what it is told as things happen, so that a player who cannot see
// the board hears everything needed to play. The cell under the keyboard's
// cursor is the one in focus.

#include <Catalog.h>

#include <string>

#include "tavview.h"
#include "words.h"

using namespace words;

std::string tavview::AccessibleName() const
{
    return B_TRANSLATE("Boards");
}

const char* tavview::ResultWords() const
{
    // A tie is the player's win.
    return PlayerHasWon() ? B_TRANSLATE("You Win") : B_TRANSLATE("You Lose");
}

std::string tavview::FinalWords() const
{
    return Fill(B_TRANSLATE("Final scores: %scores%. %result%."),
        {{"%scores%", Scores(playerScore, computerScore)}, {"%result%", ResultWords()}});
}

int32 tavview::CountAccessibleItems() const
{
    return kReaderItemCount;
}

int32 tavview::FocusedAccessibleItem() const
{
    return ReaderItemOf(cursorBoard, cursorCell);
}

// A cell is read by its name alone, what it shows and then where it lies,
// as braille displays show a cell (Orca 43). Readers hear a cell's news
// from the view's announcements.
accessible_item tavview::CellReading(Board board, int cell) const
{
    return {B_ACCESSIBLE_CELL,
        // TRANSLATORS: How a screen reader reads a cell: %contents% is what it
        // shows ("empty", "7 9 3" or "7 9 3, preview") and %cell% where it is
        // ("your board, column 3, position 4").
        Fill(B_TRANSLATE("%contents%, %cell%"),
            {{"%contents%", CellContents(board, cell)}, {"%cell%", CellWhere(board, cell)}}),
        "", ToBRect(CellFrame(board, cell))};
}

std::string tavview::CellContents(Board board, int cell) const
{
    const bool mine = board == Board::Player;
    const bool preview = mine && IsPreviewing() && cell == previewCell;
    const int16 tile = preview ? currentTile : (mine ? playerBoard : computerBoard)[cell];
    const std::string words = TileWords(tile);
    return preview ? Fill(B_TRANSLATE("%tile%, preview"), {{"%tile%", words}}) : words;
}

std::string tavview::CellWhere(Board board, int cell)
{
    // TRANSLATORS: Where a cell is: its board ("your board") and its place
    // ("column 3, position 4").
    return Fill(B_TRANSLATE("%board%, %place%"),
        {{"%board%", BoardWords(board)}, {"%place%", Place(cell)}});
}

accessible_item tavview::AccessibleItemAt(int32 index) const
{
    if (index < kOfferItem) {
        const Board board
            = index < ReaderItemOf(Board::Computer, 0) ? Board::Player : Board::Computer;
        return CellReading(board, index - ReaderItemOf(board, 0));
    }
    switch (index) {
    case kOfferItem:
        return {B_ACCESSIBLE_IMAGE, IsGameOver() ? B_TRANSLATE("none") : TileWords(currentTile),
            B_TRANSLATE("tile to place"), ToBRect(OfferFrame())};
    case kPlayerScoreItem:
        return {B_ACCESSIBLE_LABEL, std::to_string(playerScore), B_TRANSLATE("your score"),
            ToBRect(ScoreFrame(Board::Player))};
    case kComputerScoreItem:
        return {B_ACCESSIBLE_LABEL, std::to_string(computerScore), B_TRANSLATE("computer's score"),
            ToBRect(ScoreFrame(Board::Computer))};
    case kResultItem:
        return {B_ACCESSIBLE_LABEL, IsGameOver() ? ResultWords() : "", B_TRANSLATE("result"),
            ToBRect(ResultFrame())};
    default:
        break;
    }
    // A new game has no last turn to tell of.
    return {B_ACCESSIBLE_STATUS, tilesPlaced > 0 ? fNews : "", B_TRANSLATE("last turn"),
        ToBRect(kViewBounds)};
}

void tavview::TellReaders(std::initializer_list<int32> items)
{
    for (int32 item : items)
        AccessibleItemChanged(item);
}

// When the window first opens, readers hear of the game and of the cell in
// focus in one sentence, as after New Game.
void tavview::WindowActivated(bool active)
{
    if (active && !fGameTold)
        TellNewGame();
}

// The first game of a run also tells a new listener of the keys that only
// speak.
void tavview::TellNewGame()
{
    for (int32 item = 0; item < kReaderItemCount; item++)
        AccessibleItemChanged(item);
    // TRANSLATORS: %tile% is a tile's three numbers, such as "7 1 8"; %cell%
    // is where the cursor is ("your board, column 3, position 4") and
    // %contents% what that cell holds ("empty" or three numbers).
    std::string sentence = Fill(B_TRANSLATE("New game. Tile to place: %tile%. %cell%: %contents%."),
        {{"%tile%", TileWords(currentTile)}, {"%cell%", CellWhere(cursorBoard, cursorCell)},
            {"%contents%", CellContents(cursorBoard, cursorCell)}});
    if (!fGameTold)
        // TRANSLATORS: The keys stay L and S in every language.
        sentence += std::string(" ") + B_TRANSLATE("Press L for lines, S for state.");
    fGameTold = true;
    Announce(sentence, true);
}

void tavview::TellPreview(int16 vacated)
{
    if (vacated >= 0)
        AccessibleItemChanged(ReaderItemOf(Board::Player, vacated));
    AccessibleItemChanged(ReaderItemOf(Board::Player, previewCell));
    Announce(Fill(B_TRANSLATE("Preview of %tile% in %place%."),
        {{"%tile%", TileWords(currentTile)}, {"%place%", Place(previewCell)}}));
}

void tavview::TellTurn(int16 playerCell, int16 computerCell)
{
    // TRANSLATORS: %place% and %its_place% are places such as "column 3,
    // position 4", on the player's board and on the computer's.
    fNews = Fill(B_TRANSLATE("You placed %tile% in %place%; the computer put it in %its_place%."),
        {{"%tile%", TileWords(playerBoard[playerCell])}, {"%place%", Place(playerCell)},
            {"%its_place%", Place(computerCell)}});
    // TRANSLATORS: %line% is "rising line", "vertical line" or "falling line";
    // %number% the number all its tiles show, %points% what it scores.
    fNews += Completions(playerBoard, playerCell,
        B_TRANSLATE("Your %line% of %number% is complete, scoring %points%."));
    fNews += Completions(computerBoard, computerCell,
        B_TRANSLATE("The computer's %line% of %number% is complete, scoring %points%."));
    if (IsGameOver()) {
        fNews += " " + FinalWords();
    } else {
        fNews += " "
            + Fill(B_TRANSLATE("Scores: %scores%. Tile to place: %tile%."),
                {{"%scores%", Scores(playerScore, computerScore)},
                    {"%tile%", TileWords(currentTile)}});
    }
    TellReaders(
        {ReaderItemOf(Board::Player, playerCell), ReaderItemOf(Board::Computer, computerCell),
            kOfferItem, kPlayerScoreItem, kComputerScoreItem, kResultItem, kNewsItem});
    Announce(fNews);
}

void tavview::TellEdge(Step step)
{
    switch (step) {
    case Step::Up:
        Announce(B_TRANSLATE("No cell above."));
        break;
    case Step::Down:
        Announce(B_TRANSLATE("No cell below."));
        break;
    case Step::Left:
        Announce(B_TRANSLATE("No column to the left."));
        break;
    case Step::Right:
        Announce(B_TRANSLATE("No column to the right."));
        break;
    }
}

// Return and space place nothing on the computer's board, on a taken cell or
// once the game is over.
void tavview::TellWhyNothing()
{
    if (IsGameOver())
        // TRANSLATORS: %result% is "You Win" or "You Lose"; write Ctrl+N as your
        // desktop names the keys.
        Announce(Fill(B_TRANSLATE("The game is over: %result%. Ctrl+N starts a new one."),
            {{"%result%", ResultWords()}}));
    else if (cursorBoard == Board::Computer)
        Announce(B_TRANSLATE("This is the computer's board; your tiles go on your own board."));
    else
        Announce(B_TRANSLATE("This cell is taken."));
}
