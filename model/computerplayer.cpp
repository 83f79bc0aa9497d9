// The computer player: a greedy choice of the cell for the tile just dealt.
// Each free cell is rated by trying the tile there and evaluating the whole
// board. Putting one tile on a cell changes only the three lines through that
// cell, so the board is tallied once and each trial recounts just those lines.

#include "tavgame.h"

namespace {

struct LineTally {
    int empty = 0; // cells of the line without a tile
    int shown = 0; // the number of the first tile on it, 0 if it has none
    bool agree = true;
};

LineTally TallyLine(const int16_t* board, int line)
{
    LineTally tally;
    const uint16_t d = kLineDirection[line];
    for (int k = 0; k < kLineLength[line]; k++) {
        const int n = kTileNumbers[board[kLineCells[line][k]]][d];
        if (n == 0)
            tally.empty++;
        else if (tally.shown == 0)
            tally.shown = n;
        else if (n != tally.shown)
            tally.agree = false;
    }
    return tally;
}

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

struct Evaluation {
    int32_t rating = 0; // free-cell weights and the two line terms
    int numberCount[10] = {};
    // needed[0] counts the cells of wholly empty lines; needed[n] the empty
    // cells of lines whose tiles all show n.
    int needed[10] = {};
};

// Adds (sign +1) or takes back (sign -1) what one line contributes.
void CountLine(Evaluation& eval, const LineTally& tally, int len, int sign)
{
    if (tally.empty == len) {
        eval.needed[0] += sign * len;
        return;
    }
    if (!tally.agree)
        return;
    eval.needed[tally.shown] += sign * tally.empty;
    int32_t worth = 24 * (len - tally.empty) * tally.shown;
    if (tally.empty == 0)
        worth += 2 * len * tally.shown;
    eval.rating += sign * worth;
}

// Every number is shown by 9 tiles; a number whose open lines want more cells
// than there are tiles left to fill them is a lost cause.
int32_t Finish(const Evaluation& eval)
{
    int32_t rating = eval.rating + 20 * eval.needed[0];
    for (int n = 1; n <= 9; n++) {
        const int left = 9 - eval.numberCount[n];
        if (eval.needed[n] < left)
            rating += n * (2 - eval.needed[n] - eval.numberCount[n]);
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
                fBase.rating += kCellWeight[c];
            for (int d = 0; d < 3; d++)
                fBase.numberCount[kTileNumbers[board[c]][d]]++;
        }
        for (int d = 0; d < 3; d++)
            fBase.numberCount[kTileNumbers[tile][d]]++;
        for (int line = 0; line < kLineCount; line++) {
            fTally[line] = TallyLine(board, line);
            CountLine(fBase, fTally[line], kLineLength[line], +1);
        }
    }

    int32_t Rate(int cell) const
    {
        Evaluation eval = fBase;
        eval.rating -= kCellWeight[cell];
        for (int d = 0; d < 3; d++) {
            const int line = kLinesOfCell[cell][d];
            const int len = kLineLength[line];
            CountLine(eval, fTally[line], len, -1);
            CountLine(eval, WithTile(fTally[line], kTileNumbers[fTile][d]), len, +1);
        }
        return Finish(eval);
    }

private:
    int16_t fTile;
    Evaluation fBase;
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
