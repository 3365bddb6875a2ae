// Feeds any bytes to the saved-game reader. A file it accepts must load into
// a game whose balls are inside the field, the file the program then writes
// must be accepted again and give the same file once more, and the game
// must play on without an internal error.
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "persistence/saved_game.h"
#include "persistence/saved_game_staging.h"

// Reads `text` into a new game in play as the program opens a file; false
// when refused.
static bool load(const std::string& text, FuzzGame& game) {
    game.newGame();
    auto staging = std::make_unique<SavedGameStaging>();
    if (stageSavedGame(text.data(), text.size(), game, game, staging.get()) !=
        SavedGameError::kNone) {
        return false;
    }
    applySavedGame(*staging, game, game);
    return true;
}

static std::string written(const FuzzGame& game) {
    MemoryFiles files;
    check(writeGameFile("games/1.zmb", game, game, files) && files.files.size() == 1);
    return files.files["games/1.zmb"];
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto game = std::make_unique<FuzzGame>(), again = std::make_unique<FuzzGame>();
    if (!load(std::string(reinterpret_cast<const char*>(data), size), *game)) {
        return 0;
    }
    const Level& level = *game->level;
    check(level.NBLLS >= 1 && level.NBLLS < kLastLevel && level.balls[level.NBLLS].endOfList == 1);
    for (int i = 0; i < level.NBLLS; ++i) {
        const Ball& ball = level.balls[i];
        check(ball.endOfList == 0 && ball.DRCT >= 0 && ball.DRCT <= 7);
        check(ball.X - game->ballRadius > game->fieldLeft &&
              ball.X + game->ballRadius < game->fieldRight);
        check(ball.Y - game->ballRadius > game->fieldTop &&
              ball.Y + game->ballRadius < game->fieldBottom);
    }
    const std::string first = written(*game);
    check(load(first, *again) && written(*again) == first);

    // A second of ticks at the file's speed, with a shot into the middle.
    game->ballStep = game->barStep = level.SPEED == 2 ? 4 : level.SPEED == 1 ? 2 : 1;
    game->shoot((game->fieldLeft + game->fieldRight) / 2, (game->fieldTop + game->fieldBottom) / 2);
    for (int i = 0; i < 100 && !game->failed(); ++i) {
        game->tick();
    }
    check(!game->failed());
    return 0;
}
