// Line scoring of both boards.

#include <gtest/gtest.h>

#include <initializer_list>

#include "tavgame.h"

namespace {

struct Placement {
    int cell;
    int tile;
};

int PlayerScoreOf(std::initializer_list<Placement> tiles)
{
    tavgame game;
    for (const Placement& p : tiles)
        game.playerBoard[p.cell] = int16_t(p.tile);
    game.ComputeScores();
    EXPECT_EQ(game.computerScore, 0);
    return game.playerScore;
}

TEST(Scoring, EmptyBoardsScoreNothingAndOldScoresAreIgnored)
{
    tavgame game;
    game.playerScore = 77;
    game.computerScore = -3;
    game.ComputeScores();
    EXPECT_EQ(game.playerScore, 0);
    EXPECT_EQ(game.computerScore, 0);
}

TEST(Scoring, CompleteMatchingLinesScoreNumberTimesLength)
{
    // Tiles 7, 8, 9, 16, 17 all show 9 vertically; 19, 20, 21 show 7 rising.
    EXPECT_EQ(PlayerScoreOf({{7, 7}, {8, 8}, {9, 9}, {10, 16}, {11, 17}}), 45);
    EXPECT_EQ(PlayerScoreOf({{0, 19}, {3, 20}, {7, 21}}), 21);
    // Line 3, 8, 13, 17 in the falling direction, all showing 4.
    EXPECT_EQ(PlayerScoreOf({{3, 2}, {8, 5}, {13, 11}, {17, 14}}), 16);
}

TEST(Scoring, ALineWithAnEmptyCellScoresNothing)
{
    EXPECT_EQ(PlayerScoreOf({{7, 7}, {8, 8}, {10, 16}, {11, 17}}), 0);
    EXPECT_EQ(PlayerScoreOf({{8, 8}, {9, 9}, {10, 16}, {11, 17}}), 0);
    EXPECT_EQ(PlayerScoreOf({{7, 7}, {8, 8}, {9, 9}, {10, 16}}), 0);
}

TEST(Scoring, AMismatchAnywhereSpoilsTheWholeLine)
{
    // Tile 13 shows 5 vertically; the cells after it show 9 like the first one.
    EXPECT_EQ(PlayerScoreOf({{7, 13}, {8, 8}, {9, 9}, {10, 16}, {11, 17}}), 0);
    EXPECT_EQ(PlayerScoreOf({{7, 7}, {8, 8}, {9, 13}, {10, 16}, {11, 17}}), 0);
    EXPECT_EQ(PlayerScoreOf({{7, 7}, {8, 8}, {9, 9}, {10, 16}, {11, 13}}), 0);
}

// The centre column (line 7) as its tiles come: open, open for 9, broken by
// a 5, or complete.
TEST(Scoring, WhatALineCanStillScore)
{
    int16_t board[kCellCount] = {};
    auto outlook = [&] { return tavgame::ReadLine(board, tavgame::LineThrough(9, 1)); };
    EXPECT_EQ(outlook().state, LineOutlook::Open);
    board[11] = 17;
    board[7] = 7;
    EXPECT_EQ(outlook().state, LineOutlook::OpenFor);
    EXPECT_EQ(outlook().number, 9);
    EXPECT_EQ(outlook().worth, 45);
    board[9] = 13;
    EXPECT_EQ(outlook().state, LineOutlook::Broken);
    board[9] = 9, board[8] = 8, board[10] = 16;
    EXPECT_EQ(outlook().state, LineOutlook::Complete);
    EXPECT_EQ(outlook().worth, 45);
    EXPECT_EQ(tavgame::LineThrough(9, 0), 2);
    EXPECT_EQ(tavgame::LineThrough(9, 2), 12);
}

TEST(Scoring, OneCellCountsForALineInEachDirection)
{
    // Cell 9 holds tile 27 (7, 9, 8) and completes three lines through the centre.
    EXPECT_EQ(PlayerScoreOf({{9, 27}, {2, 19}, {5, 20}, {13, 22}, {16, 23}, {7, 7}, {8, 8},
                  {10, 16}, {11, 17}, {0, 3}, {4, 6}, {14, 12}, {18, 15}}),
        35 + 45 + 40);
}

TEST(Scoring, EachBoardIsScoredOnItsOwn)
{
    tavgame game;
    const int16_t column[] = {7, 8, 9, 16, 17};
    for (int k = 0; k < 5; k++)
        game.computerBoard[7 + k] = column[k];
    game.playerBoard[0] = 19;
    game.playerBoard[3] = 20;
    game.playerBoard[7] = 21;
    game.ComputeScores();
    game.ComputeScores();
    EXPECT_EQ(game.playerScore, 21);
    EXPECT_EQ(game.computerScore, 45);
}

} // namespace
