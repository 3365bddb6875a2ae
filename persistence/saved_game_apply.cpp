// Replaces the game by a valid staged saved game, through the game's own
// level start, so that everything the file leaves out is as a new level
// has it.
#include "persistence/saved_game_keys.h"
#include "persistence/saved_game_staging.h"

namespace {

void shift(int32_t& position, int64_t by) {
    position = static_cast<int32_t>(static_cast<int64_t>(position) + by);
}

void applyValue(int32_t& field, const StagedValue& staged) {
    if (staged.set) {
        field = staged.value;
    }
}

// Copies the block fields the file set.
template <typename Record, typename Key, int N>
void applyBlock(Record& record, const Record& staged, uint32_t set, const Key (&keys)[N]) {
    for (int k = 0; k < N; ++k) {
        if (set & (1u << k)) {
            record.*keys[k].field = staged.*keys[k].field;
        }
    }
}

// Every pixel position the file gave moves with the field.
template <typename Record, typename Key, int N>
void shiftPixels(Record& record, uint32_t set, const Key (&keys)[N], uint32_t pixelKeys, int64_t dx,
                 int64_t dy) {
    if ((set & pixelKeys) == 0) {
        return;
    }
    for (int k = 0; k < N; ++k) {
        if (set & pixelKeys & (1u << k)) {
            shift(record.*keys[k].field, isAcross(keys[k].name) ? dx : dy);
        }
    }
}

}  // namespace

void applySavedGame(const SavedGameStaging& s, GameModel& game, FieldView& view) {
    Level& level = *game.currentLevel();
    // The head takes effect first: the field's size and the grid option.
    game.setFieldCells(s.rows, s.cols);
    if (s.GRID.set) {
        level.GRID = s.GRID.value;
    }
    view.recomputeGeometry();
    const int64_t dx = int64_t{game.fieldCornerX()} - s.originLeft;
    const int64_t dy = int64_t{game.fieldCornerY()} - s.originTop;

    // Then the level starts afresh, as the saved level...
    game.newGame();
    level.NBLLS = s.NBLLS - 1;
    game.startLevel();

    // ...and every value of the file overwrites what the start produced.
    applyValue(level.SPEED, s.SPEED);
    applyValue(level.LOVES, s.LOVES);
    applyValue(level.CLDNE, s.CLDNE);
    applyValue(level.SLVTM, s.SLVTM);
    applyValue(level.LEVTM, s.LEVTM);
    applyValue(level.SPSTM, s.SPSTM);
    if (s.scoreSet) {
        level.SCORE = s.SCORE;
    }
    if (s.pausedTotalSet) {
        level.pausedTotal = s.pausedTotal;
    }
    for (int r = 0; r < s.rows; ++r) {
        for (int c = 0; c < s.cols; ++c) {
            level.grid[r][c] = s.grid[r][c];
        }
    }
    for (int i = 0; i < kMaxBalls; ++i) {
        applyBlock(level.balls[i], s.balls[i], s.ballSet[i], kBallKeys);
        shiftPixels(level.balls[i], s.ballSet[i], kBallKeys, kBallPixelKeys, dx, dy);
    }
    for (int b = 0; b < kBarCount; ++b) {
        applyBlock(level.bars[b], s.bars[b], s.barSet[b], kBarKeys);
        shiftPixels(level.bars[b], s.barSet[b], kBarKeys, kBarPixelKeys, dx, dy);
    }
}
