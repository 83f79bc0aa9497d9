// Turn flow: dealing, placing, the end of a game and the invariants between turns.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "fakerand.h"
#include "game_record.h"
#include "seed.h"
#include "tavgame.h"

namespace {

std::set<int> TilesOn(const int16_t* board)
{
    std::set<int> tiles;
    for (int c = 0; c < kCellCount; c++) {
        if (board[c] != 0)
            tiles.insert(board[c]);
    }
    return tiles;
}

int TileCount(const int16_t* board)
{
    int count = 0;
    for (int c = 0; c < kCellCount; c++)
        count += board[c] != 0;
    return count;
}

int16_t RandomFreeCell(const tavgame& game, std::mt19937& player)
{
    int16_t cell;
    do {
        cell = int16_t(player() % kCellCount);
    } while (game.playerBoard[cell] != 0);
    return cell;
}

TEST(TurnFlow, NewGameClearsTheBoardsDealsATileAndKeepsTheScores)
{
    tavgame game;
    for (int c = 0; c < kCellCount; c++) {
        game.playerBoard[c] = int16_t(c + 1);
        game.computerBoard[c] = int16_t(19 - c);
    }
    game.tilesPlaced = 19;
    game.placementState = tavgame::kPreviewing;
    game.playerScore = 40;
    game.computerScore = 55;
    fakerand::Reset();
    fakerand::Queue({26 + 27 * 100, 3}); // tile 27, then tile 4
    game.NewGame();

    EXPECT_EQ(TileCount(game.playerBoard) + TileCount(game.computerBoard), 0);
    EXPECT_EQ(game.tilesPlaced, 0);
    EXPECT_FALSE(game.IsPreviewing());
    EXPECT_EQ(game.currentTile, 27);
    EXPECT_EQ(game.computerCell, 1);
    EXPECT_EQ(game.playerScore, 40);
    EXPECT_EQ(game.computerScore, 55);
    game.ComputeScores();
    EXPECT_EQ(game.playerScore, 0);
    EXPECT_EQ(game.computerScore, 0);
    // The first deal took one number; the next deal takes the next.
    PlaceByPreview(game, 9);
    EXPECT_EQ(game.currentTile, 4);
}

// Each draw deals the tile it names, 1 to 27 by the number modulo 27, and
// the deal draws again until it names a tile on neither board.
TEST(TurnFlow, TheDealDrawsUntilATileIsFree)
{
    fakerand::Reset();
    fakerand::Queue({27}); // 27 mod 27 names tile 1, as 0 does
    tavgame game;
    game.NewGame();
    ASSERT_EQ(game.currentTile, 1);
    fakerand::Queue({0, 27, 54 * 1000, 1, 0, 2}); // three times tile 1, then 2; then 1 and 3
    PlaceByPreview(game, 9);
    EXPECT_EQ(game.currentTile, 2);
    EXPECT_EQ(game.tilesPlaced, 1);
    EXPECT_FALSE(game.IsPreviewing());
    PlaceByPreview(game, 10);
    EXPECT_EQ(game.currentTile, 3);
}

TEST(TurnFlow, PlaceTileGoesToTheComputersEarlierChoice)
{
    fakerand::Reset();
    fakerand::Queue({0, 3}); // tiles 1 and 4
    tavgame game;
    game.NewGame();
    ASSERT_EQ(game.computerCell, 6);
    EXPECT_EQ(PlaceByPreview(game, 9), 6);
    EXPECT_EQ(game.playerBoard[9], 1);
    EXPECT_EQ(game.computerBoard[6], 1);
    EXPECT_EQ(game.currentTile, 4);
    EXPECT_NE(game.computerCell, 6);
    EXPECT_EQ(WhatIsBroken(game), "");
}

TEST(TurnFlow, TheNineteenthTurnEndsTheGame)
{
    fakerand::Reset(7);
    tavgame game;
    game.NewGame();
    std::vector<int> dealt;
    for (int16_t turn = 0; turn < kCellCount; turn++) {
        dealt.push_back(game.currentTile);
        EXPECT_FALSE(game.IsGameOver());
        PlaceByPreview(game, turn);
    }
    EXPECT_TRUE(game.IsGameOver());
    EXPECT_EQ(game.tilesPlaced, 19);
    EXPECT_EQ(game.computerCell, 0);
    EXPECT_FALSE(game.IsPreviewing());
    EXPECT_EQ(TileCount(game.playerBoard), 19);
    EXPECT_EQ(TileCount(game.computerBoard), 19);
    EXPECT_EQ(TilesOn(game.playerBoard), std::set<int>(dealt.begin(), dealt.end()));
    EXPECT_EQ(WhatIsBroken(game), "");
}

TEST(TurnFlow, ATieIsAWinAndOneBehindIsALoss)
{
    tavgame game;
    EXPECT_TRUE(game.PlayerHasWon());
    game.playerScore = 30;
    game.computerScore = 30;
    EXPECT_TRUE(game.PlayerHasWon());
    game.playerScore = 29;
    EXPECT_FALSE(game.PlayerHasWon());
}

TEST(TurnFlow, InvariantsHoldThroughManyRandomGames)
{
    const TestSeed seed(2026);
    std::mt19937 player(seed);
    for (unsigned deal = 1; deal <= 300; deal++) {
        fakerand::Reset(deal);
        tavgame game;
        game.NewGame();
        EXPECT_EQ(WhatIsBroken(game), "") << "new game " << deal;
        while (!game.IsGameOver()) {
            PlaceByPreview(game, RandomFreeCell(game, player));
            EXPECT_EQ(WhatIsBroken(game), "") << "deal " << deal;
        }
        if (HasFailure())
            return;
    }
}

TEST(TurnFlow, TheComputersBoardDependsOnlyOnTheTilesDealt)
{
    // Two players dealt the same tiles put them on different cells; the
    // computer's board must come out the same after every turn.
    const TestSeed seed(5);
    std::mt19937 player(seed);
    for (unsigned deal = 1; deal <= 20; deal++) {
        std::vector<std::vector<int16_t>> boards[2];
        for (auto& history : boards) {
            fakerand::Reset(deal);
            tavgame game;
            game.NewGame();
            while (!game.IsGameOver()) {
                PlaceByPreview(game, RandomFreeCell(game, player));
                history.emplace_back(game.computerBoard, game.computerBoard + kCellCount);
            }
        }
        ASSERT_EQ(boards[0], boards[1]) << "deal " << deal;
    }
}

} // namespace
