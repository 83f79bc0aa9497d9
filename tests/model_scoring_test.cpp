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

TEST(Scoring, LinesScoreTheirNumberTimesTheirLengthWhenWholeAndAlike)
{
    const struct {
        const char* why;
        std::initializer_list<Placement> tiles;
        int score;
    } boards[] = {
        // Tiles 7, 8, 9, 16, 17 all show 9 vertically; 19, 20, 21 show 7 rising.
        {"a column of 9s", {{7, 7}, {8, 8}, {9, 9}, {10, 16}, {11, 17}}, 45},
        {"a rising line of 7s", {{0, 19}, {3, 20}, {7, 21}}, 21},
        // Line 3, 8, 13, 17 in the falling direction, all showing 4.
        {"a falling line of 4s", {{3, 2}, {8, 5}, {13, 11}, {17, 14}}, 16},
        {"the column short of its middle", {{7, 7}, {8, 8}, {10, 16}, {11, 17}}, 0},
        {"the column short of its top", {{8, 8}, {9, 9}, {10, 16}, {11, 17}}, 0},
        {"the column short of its foot", {{7, 7}, {8, 8}, {9, 9}, {10, 16}}, 0},
        // Tile 13 shows 5 vertically, among 9s.
        {"a 5 atop the 9s", {{7, 13}, {8, 8}, {9, 9}, {10, 16}, {11, 17}}, 0},
        {"a 5 amid the 9s", {{7, 7}, {8, 8}, {9, 13}, {10, 16}, {11, 17}}, 0},
        {"a 5 below the 9s", {{7, 7}, {8, 8}, {9, 9}, {10, 16}, {11, 13}}, 0},
        // Cell 9 holds tile 27 (7, 9, 8) and completes three lines through the centre.
        {"three lines through one cell",
            {{9, 27}, {2, 19}, {5, 20}, {13, 22}, {16, 23}, {7, 7}, {8, 8}, {10, 16}, {11, 17},
                {0, 3}, {4, 6}, {14, 12}, {18, 15}},
            35 + 45 + 40},
    };
    for (const auto& board : boards)
        EXPECT_EQ(PlayerScoreOf(board.tiles), board.score) << board.why;
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
