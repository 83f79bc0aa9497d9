#pragma once

#include <cstdint>

#include "tables.h"

// What the tiles on a line show along it: how many of its cells are empty,
// the number of the first tile on it (0 if it has none), and whether every
// tile on it shows that number. The computer player and the words readers
// hear read a line this way; scoring has a loop of its own (see tavgame.cpp).
struct LineTally {
    int empty = 0;
    int shown = 0;
    bool agree = true;
};

// What a line of a board can still score, judged by the tiles placed on it:
// nothing yet (Open), its number times its length once its free cells take
// that number (OpenFor), nothing ever (Broken), or that much now (Complete).
struct LineOutlook {
    enum State { Open, OpenFor, Broken, Complete };
    State state = Open;
    int16_t number = 0; // the number its tiles share, for OpenFor and Complete
    int16_t worth = 0;  // that number times the line's length
};

// The whole state of one game and the operations that move it along. The board
// view derives from this class; it needs no display, so tests and benchmarks
// use it on its own. Members are public because the view's painting and mouse
// handling read and set them directly.
class tavgame {
public:
    // The two values of placementState: the tile waits on offer, or shows on
    // previewCell of the player's board.
    static constexpr int16_t kNotPreviewing = 0;
    static constexpr int16_t kPreviewing = 1;

    int16_t playerBoard[kCellCount] = {};
    int16_t computerBoard[kCellCount] = {};
    int16_t tilesPlaced = 0;
    int16_t currentTile = 0;
    int16_t placementState = kNotPreviewing;
    int16_t previewCell = 0;
    int16_t playerScore = 0;
    int16_t computerScore = 0;
    bool tileIsFresh = false;
    int16_t computerCell = 0;

    void NewGame();
    int16_t PlaceTile(int16_t cell);
    void ComputeScores();
    int32_t RateCell(int16_t cell) const;
    void ChooseComputerCell();

    bool IsGameOver() const { return tilesPlaced >= kCellCount; }
    bool IsPreviewing() const { return placementState == kPreviewing; }
    bool PlayerHasWon() const { return playerScore >= computerScore; }

    // The line of a direction (0 rising, 1 vertical, 2 falling) through a cell.
    static int LineThrough(int cell, int direction);
    static LineTally TallyLine(const int16_t* board, int line)
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
    static LineOutlook ReadLine(const int16_t* board, int line);

private:
    void DealTile();
};
