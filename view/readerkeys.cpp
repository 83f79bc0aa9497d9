// What the keys L and S tell screen readers: the three lines through the
// cursor's cell, as a sighted player sees them at a glance, and the state of
// the game. Neither changes the board.

#include <Catalog.h>

#include "tavview.h"
#include "words.h"

using namespace words;

namespace {

std::string OutlookWords(const LineOutlook& outlook)
{
    const std::string number = std::to_string(outlook.number);
    const std::string worth = std::to_string(outlook.worth);
    switch (outlook.state) {
    case LineOutlook::Open:
        return B_TRANSLATE("open");
    case LineOutlook::OpenFor:
        // TRANSLATORS: A line whose tiles all show %number% so far; it would
        // score %points% once full.
        return Fill(B_TRANSLATE("open for %number%, worth %points%"),
            {{"%number%", number}, {"%points%", worth}});
    case LineOutlook::Broken:
        return B_TRANSLATE("broken");
    case LineOutlook::Complete:
        return Fill(B_TRANSLATE("complete, scoring %points%"), {{"%points%", worth}});
    }
    return {};
}

} // namespace

// From one end of the line to the other: each cell's number along the line,
// "here" for the cursor's own cell whatever it holds, "preview" or "empty".
std::string tavview::LineCells(int line) const
{
    const bool mine = cursorBoard == Board::Player;
    const int16* board = mine ? playerBoard : computerBoard;
    std::string cells;
    for (int k = 0; k < kLineLength[line]; k++) {
        const int cell = kLineCells[line][k];
        if (k > 0)
            // TRANSLATORS: What stands between the cells of a line as it is read.
            cells += B_TRANSLATE(", ");
        if (cell == cursorCell)
            cells += B_TRANSLATE("here");
        else if (board[cell] != 0)
            cells += kDigitText[kTileNumbers[board[cell]][kLineDirection[line]]];
        else if (mine && IsPreviewing() && cell == previewCell)
            cells += B_TRANSLATE("preview");
        else
            cells += B_TRANSLATE("empty");
    }
    return cells;
}

void tavview::TellLines()
{
    const int16* board = cursorBoard == Board::Player ? playerBoard : computerBoard;
    std::string sentence;
    for (int direction = 0; direction < 3; direction++) {
        const int line = LineThrough(cursorCell, direction);
        // TRANSLATORS: One line through the cursor's cell: its direction, its
        // cells in order, and what it can still score, as in "Vertical: 9,
        // here, empty, 9; open for 9, worth 36."
        sentence += (direction ? " " : "")
            + Fill(B_TRANSLATE("%direction%: %cells%; %outlook%."),
                {{"%direction%", DirectionWords(direction)}, {"%cells%", LineCells(line)},
                    {"%outlook%", OutlookWords(ReadLine(board, line))}});
    }
    Announce(sentence);
}

void tavview::TellState()
{
    if (IsGameOver()) {
        Announce(FinalWords());
        return;
    }
    // TRANSLATORS: %turn% counts from 1 to 19; %tile% is the tile's three
    // numbers and %scores% both scores ("you 12, computer 30").
    Announce(Fill(B_TRANSLATE("Turn %turn% of 19. Tile to place: %tile%. Scores: %scores%."),
        {{"%turn%", std::to_string(tilesPlaced + 1)}, {"%tile%", TileWords(currentTile)},
            {"%scores%", Scores(playerScore, computerScore)}}));
}

// Every line through the cell that is complete now, and so was completed by
// the tile just placed there, told with the sentence given.
std::string tavview::Completions(const int16* board, int16 cell, const char* sentence)
{
    std::string told;
    for (int direction = 0; direction < 3; direction++) {
        const LineOutlook outlook = ReadLine(board, LineThrough(cell, direction));
        if (outlook.state == LineOutlook::Complete)
            told += " "
                + Fill(sentence,
                    {{"%line%", LineWords(direction)}, {"%number%", std::to_string(outlook.number)},
                        {"%points%", std::to_string(outlook.worth)}});
    }
    return told;
}
