// Feeds any bytes to the saved-game reader. A file it accepts must load into
// a game whose balls are inside the field; after the clock has moved on
// (across its wrap, maybe) and the field has moved, the file the program
// then writes must be accepted again and give the same file once more, and
// the game must play on without an internal error.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "persistence/saved_game.h"
#include "persistence/saved_game_staging.h"

// Reads `text` into a new game in play as the program opens a file; false
// when refused.
static bool load(const std::string& text, FuzzGame& game) {
    game.newGame();
    // One staging for the whole run: staging a file starts it afresh.
    static const auto staging = std::make_unique<SavedGameStaging>();
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
    // The game that reads the file back is made once: reading starts it
    // afresh, and what it writes depends on the file alone.
    static const auto again = std::make_unique<FuzzGame>();
    auto game = std::make_unique<FuzzGame>();
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!load(text, *game)) {
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
    // The clock moves on any distance, the field up to 300 pixels each way,
    // drawn from the input so that every file meets many.
    const auto hash = static_cast<uint32_t>(std::hash<std::string>{}(text));
    game->clock.now = clockDifference(game->clock.now, static_cast<int32_t>(hash * 2654435761u));
    const int dx = static_cast<int>(hash % 601) - 300,
              dy = static_cast<int>(hash / 601 % 601) - 300;
    game->moveFieldTo(game->fieldLeft + dx, game->fieldTop + dy, game->fieldRight + dx,
                      game->fieldBottom + dy);
    const std::string first = written(*game);
    again->clock.now = game->clock.now;
    check(load(first, *again) && written(*again) == first);

    // Half a second of ticks at the file's speed, 10 ms apart, with a shot
    // into the middle.
    game->ballStep = game->barStep = level.SPEED == 2 ? 4 : level.SPEED == 1 ? 2 : 1;
    game->shoot((game->fieldLeft + game->fieldRight) / 2, (game->fieldTop + game->fieldBottom) / 2);
    for (int i = 0; i < 50 && !game->failed(); ++i) {
        game->clock.now = clockDifference(game->clock.now, -10);
        game->tick();
    }
    check(!game->failed());
    return 0;
}
