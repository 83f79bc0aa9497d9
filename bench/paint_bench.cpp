// Painting speed of the board view on Qt's offscreen platform: a full Draw of
// a mid-game board, and the partial repaints of one confirming click and of
// one key that moves the cursor.
// QT_SCALE_FACTOR=2 in the environment measures a high-density screen.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include <Application.h>
#include <InterfaceDefs.h>
#include <Window.h>

#include "game_record.h"
#include "tavview.h"

namespace {

struct MidGame {
    BWindow* window = new BWindow(ToBRect(kViewBounds), "bench", B_TITLED_WINDOW, B_NOT_RESIZABLE);
    tavview* view = new tavview(ToBRect(kViewBounds), "myView");

    MidGame()
    {
        window->AddChild(view);
        std::srand(5);
        view->NewGame();
        for (int16 turn = 0; turn < 9; turn++) {
            PlaceByPreview(*view, int16(2 * turn));
        }
        view->Draw(BRect());
    }
    ~MidGame() { delete window; }
};

void BM_FullDraw(benchmark::State& state)
{
    MidGame game;
    for (auto _ : state)
        game.view->Draw(BRect(0, 0, -1, -1));
}
BENCHMARK(BM_FullDraw)->Unit(benchmark::kMicrosecond);

// The click that confirms a preview: the turn itself, then two cells, two
// scores and the next tile on offer. The record is put back after each click.
void BM_ConfirmingClick(benchmark::State& state)
{
    MidGame game;
    const CellPoint free = CellCenter(Board::Player, 1);
    game.view->placementState = tavgame::kPreviewing;
    game.view->previewCell = 1;
    const tavgame saved = *game.view;
    for (auto _ : state) {
        game.view->MouseDown(BPoint(free.x, free.y));
        static_cast<tavgame&>(*game.view) = saved;
    }
}
BENCHMARK(BM_ConfirmingClick)->Unit(benchmark::kMicrosecond);

// A key press that moves the keyboard's cursor: it repaints the cell the
// cursor leaves and the one it lands on.
void BM_CursorKey(benchmark::State& state)
{
    MidGame game;
    const char keys[2] = {B_DOWN_ARROW, B_UP_ARROW};
    int i = 0;
    for (auto _ : state)
        game.view->KeyDown(&keys[i++ & 1], 1);
}
BENCHMARK(BM_CursorKey)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    BApplication app('bnch', "paint_bench", "tavrin");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
