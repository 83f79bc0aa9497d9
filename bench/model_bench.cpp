// Speed of the game model: the computer player's rating and choice, scoring,
// and whole games with a player who picks free cells at random.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

#include "game_record.h"

namespace {

// Plays the given number of turns with a fixed seed so every run sees the same boards.
tavgame GameAfter(int turns)
{
    std::srand(42);
    tavgame game;
    game.NewGame();
    for (int16_t turn = 0; turn < turns; turn++) {
        PlaceByPreview(game, turn);
    }
    return game;
}

void BM_RateCell(benchmark::State& state)
{
    tavgame game = GameAfter(9);
    int16_t cell = game.computerCell;
    for (auto _ : state)
        benchmark::DoNotOptimize(game.RateCell(cell));
}
BENCHMARK(BM_RateCell);

void BM_ChooseComputerCell(benchmark::State& state)
{
    tavgame game = GameAfter(int(state.range(0)));
    for (auto _ : state) {
        game.ChooseComputerCell();
        benchmark::DoNotOptimize(game.computerCell);
    }
}
BENCHMARK(BM_ChooseComputerCell)->Arg(0)->Arg(9)->Arg(17)->ArgName("tilesPlaced");

void BM_ComputeScores(benchmark::State& state)
{
    tavgame game = GameAfter(19);
    for (auto _ : state) {
        game.ComputeScores();
        benchmark::DoNotOptimize(game.playerScore);
        benchmark::DoNotOptimize(game.computerScore);
    }
}
BENCHMARK(BM_ComputeScores);

void BM_WholeGame(benchmark::State& state)
{
    std::srand(7);
    std::mt19937 player(7);
    tavgame game;
    for (auto _ : state) {
        game.NewGame();
        while (!game.IsGameOver()) {
            int16_t cell;
            do {
                cell = int16_t(player() % kCellCount);
            } while (game.playerBoard[cell] != 0);
            PlaceByPreview(game, cell);
        }
        benchmark::DoNotOptimize(game.computerScore);
    }
}
BENCHMARK(BM_WholeGame);

} // namespace
