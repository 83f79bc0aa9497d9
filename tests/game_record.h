#pragma once

// What the tests and benchmarks do to a game record as the view does, and
// what must hold of it between any two moves, for the model's turn tests and
// the view's random games alike.

#include <set>
#include <sstream>
#include <string>

#include "tavgame.h"

// Previews the tile on a free cell of the player's board and places it there,
// as two clicks on the cell do; returns the computer's cell.
inline int16_t PlaceByPreview(tavgame& game, int16_t cell)
{
    game.placementState = tavgame::kPreviewing;
    game.previewCell = cell;
    return game.PlaceTile(cell);
}

// Returns what is wrong with the record, or nothing.
inline std::string WhatIsBroken(const tavgame& game)
{
    std::ostringstream problem;
    std::multiset<int> mine, theirs;
    for (int c = 0; c < kCellCount; c++) {
        if (game.playerBoard[c] != 0)
            mine.insert(game.playerBoard[c]);
        if (game.computerBoard[c] != 0)
            theirs.insert(game.computerBoard[c]);
    }
    if (mine != theirs)
        problem << "the boards hold different tiles; ";
    if (std::set<int>(mine.begin(), mine.end()).size() != mine.size())
        problem << "a tile lies twice; ";
    if (game.currentTile < 1 || game.currentTile > kTileCount || mine.count(game.currentTile))
        problem << "tile " << game.currentTile << " on offer; ";
    if (game.placementState != tavgame::kNotPreviewing && !game.IsPreviewing())
        problem << "placementState " << game.placementState << "; ";
    if (game.tilesPlaced < 0 || game.tilesPlaced > kCellCount
        || int(mine.size()) != game.tilesPlaced)
        problem << "tilesPlaced " << game.tilesPlaced << " with " << mine.size() << " tiles; ";
    if (game.IsPreviewing()
        && (game.previewCell < 0 || game.previewCell >= kCellCount
            || game.playerBoard[game.previewCell] != 0))
        problem << "a preview on cell " << game.previewCell << " that is not free; ";
    if (!game.IsGameOver() && game.computerBoard[game.computerCell] != 0)
        problem << "the computer chose taken cell " << game.computerCell << "; ";
    return problem.str();
}
