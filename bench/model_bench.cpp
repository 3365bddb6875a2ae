// How long the model's hot paths take on the largest field: one tick with
// the most balls a level can have, and the release of a long winding
// chamber. The game timer fires every 2 ms at normal speed.
#include <benchmark/benchmark.h>

#include <cstring>

#include "model/game_model.h"
#include "tests/support/silent_game.h"

namespace {

// 199 balls on 30 x 40 at normal speed (steps of 2 pixels), no bar: the
// clock stands still, so the level never times out.
void BM_Tick199Balls(benchmark::State& state) {
    SilentGame game(30, 40);
    game.seedGenerator(static_cast<uint32_t>(state.range(0)));
    game.theLevel.SPEED = 1;
    game.barStep = 2;
    game.ballStep = 2;
    game.theLevel.NBLLS = 198;
    game.startLevel();
    for (auto _ : state) {
        game.tick();
    }
    benchmark::DoNotOptimize(game.theLevel.balls[0].X);
    if (game.faults != 0 || game.theLevel.NBLLS != 199) {
        state.SkipWithError("the game did not stay at level 199");
    }
}
BENCHMARK(BM_Tick199Balls)->Arg(1)->Arg(2);

// Walls in every second column, open alternately at the top and the bottom,
// make one corridor that winds across the whole 30 x 40 field; a finished
// bar fills one of those wall columns. The sweep labels little of such a
// chamber at a time, so the fill repeats its whole-field passes. The bar
// column and the phase of the openings are the arguments; 21 and 1 is the
// slowest layout found.
void BM_ReleaseWindingChamber(benchmark::State& state) {
    const int barCol = static_cast<int>(state.range(0));
    const int phase = static_cast<int>(state.range(1));
    SilentGame game(30, 40);
    game.theLevel.NBLLS = 1;
    game.theLevel.balls[0].endOfList = 1;  // no ball: the whole corridor goes
    int k = 0;
    for (int c = 1; c < game.cols; c += 2, ++k) {
        if (c == barCol) {
            continue;
        }
        bool openAtBottom = (k + phase) % 2 == 0;
        int from = openAtBottom ? 0 : 1;
        int to = openAtBottom ? game.rows - 2 : game.rows - 1;
        for (int r = from; r <= to; ++r) {
            game.theLevel.grid[r][c] = kCellWall;
        }
    }
    Bar& bar = game.theLevel.bars[0];
    bar.DRCT = kUp;
    bar.RSTART = game.rows - 1;
    bar.REND = 0;
    bar.CSTART = bar.CEND = barCol;
    for (int r = 0; r < game.rows; ++r) {
        game.theLevel.grid[r][barCol] = kCellWall;
    }
    int32_t layout[kMaxRows][kMaxCols];
    std::memcpy(layout, game.theLevel.grid, sizeof layout);
    int released = 0;
    for (auto _ : state) {
        // Restoring the 10 KB grid costs well under a microsecond.
        std::memcpy(game.theLevel.grid, layout, sizeof layout);
        released = game.releaseChambers(bar);
        benchmark::DoNotOptimize(released);
    }
    state.counters["released"] = released;
    if (game.faults != 0 || released == 0) {
        state.SkipWithError("nothing was released");
    }
}
BENCHMARK(BM_ReleaseWindingChamber)
    ->Args({21, 1})
    ->Args({5, 1})
    ->Args({37, 1})
    ->Args({3, 0})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
