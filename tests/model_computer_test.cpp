// The computer player's choices: on boards whose best cell can be seen at a
// glance, on the empty board, and over a whole dealt game.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

#include "fakerand.h"
#include "game_record.h"

namespace {

// Tile t shows the numbers {2, 6, 7}[(t - 1) / 9], {1, 5, 9}[(t - 1) / 3 % 3]
// and {3, 4, 8}[(t - 1) % 3] along its rising, vertical and falling stripes.
struct Position {
    const char* why;
    std::vector<std::pair<int, int>> tiles; // cell and tile on the computer's board
    int tile;                               // the tile to place
    std::set<int> choices;                  // the cells it may go on
};

std::set<int> AllBut(std::set<int> taken)
{
    std::set<int> others;
    for (int c = 0; c < kCellCount; c++) {
        if (!taken.count(c))
            others.insert(c);
    }
    return others;
}

TEST(ComputerPlayer, ChoosesWhatABoardPlainlyCallsFor)
{
    std::vector<std::pair<int, int>> full, allButLast;
    for (int c = 0; c < kCellCount; c++) {
        full.push_back({c, c + 1});
        if (c < kCellCount - 1)
            allButLast.push_back({c, c + 1});
    }
    const Position positions[] = {
        // Tiles 19 and 22 begin the rising line 0, 3, 7 with 7s; 25 shows 7 too.
        {"completes a line", {{0, 19}, {3, 22}}, 25, {7}},
        // Tiles 7 and 8 show 9 down the middle column, and so does 9.
        {"extends a line of its number", {{7, 7}, {8, 8}}, 9, {9, 10, 11}},
        // Tile 13 shows 5 down the middle, which would spoil the 9s there.
        {"keeps out of a line it would spoil", {{7, 7}, {8, 8}}, 13, AllBut({7, 8, 9, 10, 11})},
        {"takes the last free cell, whatever it is worth", allButLast, 27, {18}},
        {"leaves the choice at 0 on a full board", full, 27, {0}},
    };
    for (const Position& p : positions) {
        tavgame game;
        for (const auto& [cell, tile] : p.tiles)
            game.computerBoard[cell] = int16_t(tile);
        game.currentTile = int16_t(p.tile);
        game.computerCell = 12;
        game.ChooseComputerCell();
        EXPECT_TRUE(p.choices.count(game.computerCell)) << p.why << ": cell " << game.computerCell;
    }
}

// The empty board looks the same turned half a turn about its centre, which
// takes cell c to cell 18 - c and every line to one of the same direction:
// every tile rates the two cells alike, and of two as good the lower wins.
TEST(ComputerPlayer, OnTheEmptyBoardMirroredCellsRateAlikeAndTheLowerIsChosen)
{
    for (int16_t tile = 1; tile <= kTileCount; tile++) {
        tavgame game;
        game.currentTile = tile;
        for (int16_t c = 0; c < kCellCount / 2; c++)
            EXPECT_EQ(game.RateCell(c), game.RateCell(int16_t(kCellCount - 1 - c)))
                << "tile " << tile << ", cell " << c;
        game.ChooseComputerCell();
        EXPECT_LE(game.computerCell, kCellCount / 2) << "tile " << tile;
    }
}

TEST(ComputerPlayer, ChoosingNeitherWritesTheBoardNorDependsOnThePast)
{
    tavgame game;
    game.currentTile = 5;
    game.computerBoard[4] = 11;
    game.computerBoard[12] = 20;
    game.computerCell = 17;
    const int32_t first = game.RateCell(9);
    game.ChooseComputerCell();
    const int16_t chosen = game.computerCell;
    game.ChooseComputerCell();
    EXPECT_EQ(game.RateCell(9), first);
    EXPECT_EQ(game.computerCell, chosen);
    for (int c = 0; c < kCellCount; c++)
        EXPECT_EQ(game.computerBoard[c], (c == 4 ? 11 : c == 12 ? 20 : 0)) << c;
}

// Whole games as the computer played them when its rules were checked:
// the tiles dealt, the cell it chose for each, and its final score. Small
// changes to its weights change some of its choices in one game of ten or
// so; these games catch those tried so far.
TEST(ComputerPlayer, PlaysDealtGamesAsRecorded)
{
    const struct {
        int dealt[kCellCount];
        int cells[kCellCount];
        int score;
    } games[] = {
        {{2, 1, 4, 19, 3, 5, 14, 10, 7, 8, 23, 26, 17, 25, 16, 18, 9, 27, 21},
            {6, 17, 3, 16, 0, 11, 10, 12, 15, 2, 5, 1, 13, 4, 14, 18, 8, 9, 7}, 12},
        {{20, 18, 4, 25, 2, 5, 16, 10, 24, 19, 26, 9, 11, 27, 8, 1, 12, 23, 22},
            {7, 2, 17, 3, 10, 15, 5, 13, 18, 8, 1, 6, 16, 0, 12, 14, 11, 4, 9}, 104},
        {{8, 18, 11, 26, 5, 22, 4, 23, 12, 1, 9, 15, 10, 6, 17, 24, 14, 19, 16},
            {2, 1, 12, 0, 16, 18, 17, 7, 4, 13, 5, 10, 8, 9, 6, 15, 14, 3, 11}, 153},
    };
    for (const auto& recorded : games) {
        fakerand::Reset();
        for (int tile : recorded.dealt)
            fakerand::Push(tile - 1);
        // A tile never dealt, for the deal after the last turn.
        int unused = 1;
        while (std::count(std::begin(recorded.dealt), std::end(recorded.dealt), unused))
            unused++;
        fakerand::Push(unused - 1);
        tavgame game;
        game.NewGame();
        for (int turn = 0; turn < kCellCount; turn++) {
            ASSERT_EQ(game.currentTile, recorded.dealt[turn]) << "turn " << turn;
            // The player fills the board from the bottom cell up; it must not matter.
            EXPECT_EQ(PlaceByPreview(game, int16_t(kCellCount - 1 - turn)), recorded.cells[turn])
                << "turn " << turn;
        }
        EXPECT_EQ(game.computerScore, recorded.score);
    }
}

} // namespace
