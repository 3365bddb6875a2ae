// Feeds any bytes to the saved-game reader. A file it accepts must load into
// a game whose balls are inside the field, and the file the program then
// writes must be accepted again and give the same file once more.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "persistence/saved_game.h"
#include "persistence/saved_game_staging.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string writeToMemory(const GameModel& game) {
    MemoryFiles files;
    check(writeGameFile("games/1.zmb", game, files));
    return files.files["games/1.zmb"];
}

void load(const std::string& text, FuzzGame& game) {
    auto staging = std::make_unique<SavedGameStaging>();
    check(stageSavedGame(text.data(), text.size(), game, staging.get()) == SavedGameError::kNone);
    applySavedGame(*staging, game, [&] { game.recomputeGeometry(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto game = std::make_unique<FuzzGame>();
    game->newGame();
    auto staging = std::make_unique<SavedGameStaging>();
    if (stageSavedGame(reinterpret_cast<const char*>(data), size, *game, staging.get()) !=
        SavedGameError::kNone) {
        return 0;
    }
    applySavedGame(*staging, *game, [&] { game->recomputeGeometry(); });
    const Level& level = *game->level;
    check(level.NBLLS >= 1 && level.NBLLS < kLastLevel);
    for (int i = 0; i < level.NBLLS; ++i) {
        const Ball& ball = level.balls[i];
        check(ball.endOfList == 0);
        check(ball.X - game->ballRadius > game->fieldLeft &&
              ball.X + game->ballRadius < game->fieldRight);
        check(ball.Y - game->ballRadius > game->fieldTop &&
              ball.Y + game->ballRadius < game->fieldBottom);
        check(ball.DRCT >= 0 && ball.DRCT <= 7);
    }
    check(level.balls[level.NBLLS].endOfList == 1);

    const std::string first = writeToMemory(*game);
    auto again = std::make_unique<FuzzGame>();
    again->newGame();
    load(first, *again);
    check(writeToMemory(*again) == first);

    // The loaded game plays on without an internal error: a second of ticks
    // at the file's speed, with a shot into the middle of the field.
    const int32_t speed = level.SPEED;
    game->ballStep = game->barStep = speed == 2 ? 4 : speed == 1 ? 2 : 1;
    game->shoot((game->fieldLeft + game->fieldRight) / 2, (game->fieldTop + game->fieldBottom) / 2);
    for (int i = 0; i < 100 && !game->failed(); ++i) {
        game->tick();
    }
    check(!game->failed());
    return 0;
}
