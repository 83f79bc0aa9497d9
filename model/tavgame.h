#pragma once

#include <cstdint>

#include "tables.h"

// The whole state of one game and the operations that move it along. The board
// view derives from this class; it needs no display, so tests and benchmarks
// use it on its own. Members are public because the view's painting and mouse
// handling read and set them directly.
class tavgame {
public:
    int16_t playerBoard[kCellCount] = {};
    int16_t computerBoard[kCellCount] = {};
    int16_t tilesPlaced = 0;
    int16_t currentTile = 0;
    int16_t placementState = 0;
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
    bool PlayerHasWon() const { return playerScore >= computerScore; }

private:
    void DealTile();
};
