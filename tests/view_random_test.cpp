// Thousands of whole games played through MouseDown with clicks anywhere in
// the view and New Game commands in between, checking the game record after
// every click.

#include <Message.h>

#include <random>
#include <set>
#include <sstream>

#include "board_fixture.h"
#include "tavwindow.h"

namespace {

// Returns what is wrong with the record, or nothing.
std::string Broken(const tavgame& game)
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
    if (mine.count(game.currentTile) != 0)
        problem << "the current tile is already placed; ";
    if (game.placementState != 0 && game.placementState != 1)
        problem << "placementState " << game.placementState << "; ";
    if (game.tilesPlaced < 0 || game.tilesPlaced > kCellCount
        || int(mine.size()) != game.tilesPlaced)
        problem << "tilesPlaced " << game.tilesPlaced << " with " << mine.size() << " tiles; ";
    if (game.placementState == 1
        && (game.previewCell < 0 || game.previewCell >= kCellCount
            || game.playerBoard[game.previewCell] != 0))
        problem << "a preview on cell " << game.previewCell << " that is not free; ";
    return problem.str();
}

TEST(RandomPlay, TenThousandGamesKeepTheRecordWhole)
{
    if (RequestedScale() != 1)
        GTEST_SKIP() << "the record does not depend on the scale";
    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    fakerand::Reset(seed);
    auto* window = new tavwindow(BRect(100, 100, 680, 440));
    tavview* view = window->boardView;
    KitAccess::BackingImage(view);

    int games = 0;
    long clicks = 0;
    while (games < 10000) {
        // Most clicks aim near a cell, often the previewed one so that games
        // move on; the rest land anywhere in the view.
        BPoint where;
        const unsigned kind = random() % 10;
        if (kind < 2) {
            where = BPoint(float(random() % 5810) / 10, float(random() % 3410) / 10);
        } else {
            const bool preview = kind < 7 && view->placementState == 1;
            const Board board = preview || random() % 5 ? Board::Player : Board::Computer;
            const CellPoint c = tavview::CellCenter(
                board, preview ? view->previewCell : int(random() % kCellCount));
            where = BPoint(c.x + float(random() % 41) - 20, c.y + float(random() % 41) - 20);
        }
        const bool wasOver = view->IsGameOver();
        view->MouseDown(where);
        clicks++;
        if (!wasOver && view->IsGameOver())
            games++;
        if (random() % 997 == 0 || (view->IsGameOver() && random() % 4 == 0)) {
            BMessage newGame('rset');
            window->MessageReceived(&newGame);
        }
        const std::string problem = Broken(*view);
        ASSERT_TRUE(problem.empty())
            << problem << "after click " << clicks << " (seed " << seed << ")";
    }
    delete window;
}

} // namespace
