// The computer player: a greedy choice of the cell for the tile just dealt.
// Each free cell is rated by trying the tile there and evaluating the whole
// board. Putting one tile on a cell changes only the three lines through that
// cell, so the board is tallied once and each trial recounts just those lines.

#include "tavgame.h"

namespace {

// The same line after a tile showing n goes onto one of its empty cells.
LineTally WithTile(LineTally tally, int n)
{
    tally.empty--;
    if (tally.shown == 0)
        tally.shown = n;
    else if (tally.shown != n)
        tally.agree = false;
    return tally;
}

// What a board's rating is made of, counted over its cells and lines.
struct BoardCounts {
    int32_t cellsAndLines = 0; // free-cell weights and what the lines are worth so far
    int shown[10] = {};        // how many numbers on the board, the tile tried among them, are n
    // openCells[0]: the cells of wholly empty lines; openCells[n]: the empty
    // cells of lines whose tiles all show n.
    int openCells[10] = {};
};

// Adds (sign +1) or takes back (sign -1) what one line contributes.
void CountLine(BoardCounts& counts, const LineTally& tally, int len, int sign)
{
    if (tally.empty == len) {
        counts.openCells[0] += sign * len;
        return;
    }
    if (!tally.agree)
        return;
    counts.openCells[tally.shown] += sign * tally.empty;
    int32_t worth = 24 * (len - tally.empty) * tally.shown;
    if (tally.empty == 0)
        worth += 2 * len * tally.shown;
    counts.cellsAndLines += sign * worth;
}

// Every number is shown by 9 tiles; a number whose open lines want more cells
// than there are tiles left to fill them is a lost cause.
int32_t RatingOf(const BoardCounts& counts)
{
    int32_t rating = counts.cellsAndLines + 20 * counts.openCells[0];
    for (int n = 1; n <= 9; n++) {
        const int left = 9 - counts.shown[n];
        if (counts.openCells[n] < left)
            rating += n * (2 - counts.openCells[n] - counts.shown[n]);
        else
            rating -= 21 * n;
    }
    return rating;
}

// The board tallied once for one tile, ready to rate any free cell for it.
class Rater {
public:
    Rater(const int16_t* board, int16_t tile)
        : fTile(tile)
    {
        for (int c = 0; c < kCellCount; c++) {
            if (board[c] == 0)
                fBase.cellsAndLines += kCellWeight[c];
            for (int d = 0; d < 3; d++)
                fBase.shown[kTileNumbers[board[c]][d]]++;
        }
        for (int d = 0; d < 3; d++)
            fBase.shown[kTileNumbers[tile][d]]++;
        for (int line = 0; line < kLineCount; line++) {
            fTally[line] = tavgame::TallyLine(board, line);
            CountLine(fBase, fTally[line], kLineLength[line], +1);
        }
    }

    int32_t Rate(int cell) const
    {
        BoardCounts counts = fBase;
        counts.cellsAndLines -= kCellWeight[cell];
        for (int d = 0; d < 3; d++) {
            const int line = kLinesOfCell[cell][d];
            const int len = kLineLength[line];
            CountLine(counts, fTally[line], len, -1);
            CountLine(counts, WithTile(fTally[line], kTileNumbers[fTile][d]), len, +1);
        }
        return RatingOf(counts);
    }

private:
    int16_t fTile;
    BoardCounts fBase;
    LineTally fTally[kLineCount];
};

} // namespace

int32_t tavgame::RateCell(int16_t cell) const
{
    return Rater(computerBoard, currentTile).Rate(cell);
}

void tavgame::ChooseComputerCell()
{
    const Rater rater(computerBoard, currentTile);
    computerCell = 0;
    bool found = false;
    int32_t best = 0;
    for (int16_t c = 0; c < kCellCount; c++) {
        if (computerBoard[c] != 0)
            continue;
        const int32_t rating = rater.Rate(c);
        // Ties keep the lower cell; ratings may be negative on a full board.
        if (!found || rating > best) {
            found = true;
            best = rating;
            computerCell = c;
        }
    }
}
