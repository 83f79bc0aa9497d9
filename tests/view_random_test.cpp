// Whole games played through MouseDown and keys, with clicks anywhere in the
// view and New Game commands in between: thousands of them checking the game record
// after every click, and fewer checking what the view shows.

#include <Message.h>

#include <functional>
#include <random>
#include <sstream>

#include "board_fixture.h"
#include "commands.h"
#include "game_record.h"
#include "seed.h"
#include "tavwindow.h"

namespace {

// Most clicks aim near a cell, often the previewed one so that games move on;
// the rest land anywhere in the view.
BPoint RandomClick(std::mt19937& random, const tavview& view)
{
    const unsigned kind = random() % 10;
    if (kind < 2)
        return BPoint(float(random() % (kViewBounds.right * 10)) / 10,
            float(random() % (kViewBounds.bottom * 10)) / 10);
    const bool preview = kind < 7 && view.IsPreviewing();
    const Board board = preview || random() % 5 ? Board::Player : Board::Computer;
    const CellPoint c = CellCenter(board, preview ? view.previewCell : int(random() % kCellCount));
    return BPoint(c.x + float(random() % 41) - 20, c.y + float(random() % 41) - 20);
}

// A click as above, or now and then a key of the keyboard's play as a real
// key event; keys come in runs, as players press them.
void RandomInput(std::mt19937& random, tavview* view)
{
    if (random() % 4) {
        view->MouseDown(RandomClick(random, *view));
        return;
    }
    static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
        Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab};
    for (unsigned i = random() % 3; i < 3; i++) {
        PressKey(view, keys[random() % std::size(keys)]);
    }
}

// Random games in a window of their own: clicks and keys, and now and then,
// more often once a game is over, the New Game command.
class RandomGames {
public:
    RandomGames()
        : random(seed)
    {
        fakerand::Reset(seed);
        Pixels(view).Image();
    }
    ~RandomGames() { delete window; }

    // Plays until so many games have ended, or until the check, made after
    // every input and every new game, returns something wrong.
    std::string Play(int games, const std::function<std::string()>& check)
    {
        for (int ended = 0; ended < games;) {
            if (random() % 997 == 0 || (view->IsGameOver() && random() % 4 == 0)) {
                BMessage newGame(kMsgNewGame);
                window->MessageReceived(&newGame);
            } else {
                const bool wasOver = view->IsGameOver();
                RandomInput(random, view);
                inputs++;
                ended += !wasOver && view->IsGameOver();
            }
            if (std::string problem = check(); !problem.empty())
                return problem + " after input " + std::to_string(inputs);
        }
        return "";
    }

    const TestSeed seed;
    std::mt19937 random;
    tavwindow* const window = new tavwindow(kWindowFrame);
    tavview* const view = window->boardView;
    long inputs = 0;
};

TEST(RandomPlay, ThousandsOfGamesKeepTheRecordWhole)
{
    if (RequestedScale() != 1)
        GTEST_SKIP() << "the record does not depend on the scale";
    RandomGames games;
    EXPECT_EQ(games.Play(RANDOM_GAMES, [&] { return WhatIsBroken(*games.view); }), "");
}

// A click or a key repaints only what it changes, yet leaves exactly what a
// full Draw of the record would paint: no old ink, no cut outlines, no trace
// of the cursor where it was, at any scale.
TEST(RandomPlay, WhatTheViewShowsIsWhatAFullDrawPaints)
{
    RandomGames games;
    FullDraw fullDraw;
    const std::string problem = games.Play(12, [&] { return fullDraw.DifferenceFrom(games.view); });
    EXPECT_EQ(problem, "") << "at scale " << RequestedScale();
}

} // namespace
