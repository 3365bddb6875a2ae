// Checks a staged saved game against the limits the game relies on, before
// anything of it reaches the game.
#include <cstdint>

#include "model/field_sizes.h"
#include "persistence/saved_game_keys.h"
#include "persistence/saved_game_staging.h"

namespace {

// The field as the file's positions see it, in 64 bits so that no corner
// the file gives can overflow.
struct StagedField {
    int64_t left, top, right, bottom;
};

StagedField stagedField(const SavedGameStaging& s) {
    const int64_t left = s.originLeft;
    const int64_t top = s.originTop;
    return {left, top, left + int64_t{s.cols} * kCellPixels, top + int64_t{s.rows} * kCellPixels};
}

// The game keeps every position at the same distance from the field's
// corner as the field moves, and writes it at that distance from the corner
// it writes: the distance from the file's corner is what must be bounded.
// The clocks need no check: the game takes every difference modulo 2^32.
template <typename Record, typename Key, int N>
bool pixelsNearCorner(const SavedGameStaging& s, const Record& record, uint32_t set,
                      const Key (&keys)[N], uint32_t pixelKeys) {
    for (int k = 0; k < N; ++k) {
        if ((set & (1u << k) & pixelKeys) == 0) {
            continue;
        }
        const int64_t corner = isAcross(keys[k].name) ? s.originLeft : s.originTop;
        const int64_t offset = record.*keys[k].field - corner;
        if (offset < -kMaxSavedPixel || offset > kMaxSavedPixel) {
            return false;
        }
    }
    return true;
}

bool positionsNearCorner(const SavedGameStaging& s) {
    for (int i = 0; i < kMaxBalls; ++i) {
        if (!pixelsNearCorner(s, s.balls[i], s.ballSet[i], kBallKeys, kBallPixelKeys)) {
            return false;
        }
    }
    for (int b = 0; b < kBarCount; ++b) {
        if (!pixelsNearCorner(s, s.bars[b], s.barSet[b], kBarKeys, kBarPixelKeys)) {
            return false;
        }
    }
    return true;
}

SavedGameError validateBalls(const SavedGameStaging& s, const GameModel& game) {
    const StagedField field = stagedField(s);
    const int64_t radius = game.ballRadiusPixels();
    constexpr uint32_t kX = ballBit("X"), kY = ballBit("Y"), kDirection = ballBit("DRCT");
    for (int i = 0; i < s.NBLLS; ++i) {
        const Ball& ball = s.balls[i];
        const uint32_t set = s.ballSet[i];
        // A touching edge already blocks a ball, so a box on the edge line
        // is outside.
        if ((set & kX) && !(ball.X - radius > field.left && ball.X + radius < field.right)) {
            return SavedGameError::kBallOutsideField;
        }
        if ((set & kY) && !(ball.Y - radius > field.top && ball.Y + radius < field.bottom)) {
            return SavedGameError::kBallOutsideField;
        }
        if ((set & kDirection) && (ball.DRCT < kUp || ball.DRCT > kDownRight)) {
            return SavedGameError::kBadBallDirection;
        }
    }
    return SavedGameError::kNone;
}

SavedGameError validateBar(const SavedGameStaging& s, const GameModel& game, int b) {
    // A field the file leaves out keeps what the level start leaves in it.
    Bar bar = game.currentLevel()->bars[b];
    bar.ACTIVE = 1;
    for (int k = 0; k < kBarKeyCount; ++k) {
        if (s.barSet[b] & (1u << k)) {
            bar.*kBarKeys[k].field = s.bars[b].*kBarKeys[k].field;
        }
    }
    if (bar.ACTIVE != 0) {
        return SavedGameError::kNone;
    }
    if (bar.DRCT < kUp || bar.DRCT > kRight) {
        return SavedGameError::kBadBarDirection;
    }
    const auto inRows = [&s](int32_t row) { return row >= 0 && row < s.rows; };
    const auto inCols = [&s](int32_t col) { return col >= 0 && col < s.cols; };
    if (!inRows(bar.RSTART) || !inRows(bar.REND) || !inCols(bar.CSTART) || !inCols(bar.CEND)) {
        return SavedGameError::kBarOutsideField;
    }
    // The growing end is followed in pixels; the program keeps a growing
    // bar's corners on the field, edges included. A corner the file does
    // not give would be one of another game.
    if ((s.barSet[b] & kBarPixelKeys) != kBarPixelKeys) {
        return SavedGameError::kBarOutsideField;
    }
    const StagedField field = stagedField(s);
    const auto inWidth = [&](int64_t x) { return x >= field.left && x <= field.right; };
    const auto inHeight = [&](int64_t y) { return y >= field.top && y <= field.bottom; };
    if (!inWidth(bar.XSTART) || !inWidth(bar.XEND) || !inHeight(bar.YSTART) ||
        !inHeight(bar.YEND)) {
        return SavedGameError::kBarOutsideField;
    }
    return SavedGameError::kNone;
}

}  // namespace

SavedGameError validateStaging(const SavedGameStaging& s, const GameModel& game) {
    if (!s.bodySeen) {
        return SavedGameError::kNoBody;
    }
    if (fieldSizeIndex(s.rows, s.cols) < 0 || s.rows != s.rowsAtBody || s.cols != s.colsAtBody) {
        return SavedGameError::kBadFieldSize;
    }
    if (s.shortDataRow) {
        return SavedGameError::kShortDataRow;
    }
    if (s.dataRows != s.rows) {
        return SavedGameError::kBadDataRows;
    }
    // The score is shown and entered truncated to a 32-bit integer.
    if (s.scoreSet && !(s.SCORE > -2147483649.0 && s.SCORE < 2147483648.0)) {
        return SavedGameError::kBadScore;
    }
    // Released cells count toward the goal and the lives count down: values
    // no level can reach would overflow as play goes on.
    const int64_t cells = int64_t{s.rows} * s.cols;
    if ((s.CLDNE.set && (s.CLDNE.value < 0 || s.CLDNE.value > cells)) ||
        (s.LOVES.set && s.LOVES.value < 0)) {
        return SavedGameError::kBadCounter;
    }
    if (!positionsNearCorner(s)) {
        return SavedGameError::kBadPosition;
    }
    const SavedGameError balls = validateBalls(s, game);
    if (balls != SavedGameError::kNone) {
        return balls;
    }
    for (int b = 0; b < kBarCount; ++b) {
        const SavedGameError bar = validateBar(s, game, b);
        if (bar != SavedGameError::kNone) {
            return bar;
        }
    }
    return SavedGameError::kNone;
}
