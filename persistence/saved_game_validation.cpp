// Checks a staged saved game against the limits the game relies on, before
// anything of it reaches the game.
#include <cstdint>

#include "model/field_sizes.h"
#include "persistence/saved_game_keys.h"
#include "persistence/saved_game_staging.h"

namespace {

bool fitsInt32(int64_t value) {
    return value >= INT32_MIN && value <= INT32_MAX;
}

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

bool clocksFit(const SavedGameStaging& s, const GameModel& game, int64_t now) {
    // The level's clocks as the game will hold them, the level start giving
    // what the file does not; the differences the game computes with them
    // must fit its 32-bit arithmetic.
    const int64_t start = s.SLVTM.set ? s.SLVTM.value : now;
    const int64_t tick = s.LEVTM.set ? s.LEVTM.value : now;
    const int64_t pause = s.SPSTM.set ? s.SPSTM.value : game.currentLevel()->SPSTM;
    const int64_t paused = s.pausedTotalSet ? s.pausedTotal : 0;
    return fitsInt32(paused) && fitsInt32(now - start) && fitsInt32(tick - start) &&
           fitsInt32(now - start - paused) && fitsInt32(tick - start - paused) &&
           fitsInt32(now - pause) && fitsInt32(paused + (now - pause));
}

bool inPixelRange(int32_t value) {
    return value >= -kMaxSavedPixel && value <= kMaxSavedPixel;
}

template <typename Record, typename Key, int N>
bool pixelsInRange(const Record& record, uint32_t set, const Key (&keys)[N], uint32_t pixelKeys) {
    for (int k = 0; k < N; ++k) {
        if ((set & (1u << k) & pixelKeys) && !inPixelRange(record.*keys[k].field)) {
            return false;
        }
    }
    return true;
}

bool positionsInRange(const SavedGameStaging& s) {
    for (int i = 0; i < kMaxBalls; ++i) {
        if (!pixelsInRange(s.balls[i], s.ballSet[i], kBallKeys, kBallPixelKeys)) {
            return false;
        }
    }
    for (int b = 0; b < kBarCount; ++b) {
        if (!pixelsInRange(s.bars[b], s.barSet[b], kBarKeys, kBarPixelKeys)) {
            return false;
        }
    }
    const auto cornerInRange = [](const StagedValue& v) { return !v.set || inPixelRange(v.value); };
    return cornerInRange(s.LEFT) && cornerInRange(s.TOP);
}

SavedGameError validateBalls(const SavedGameStaging& s, const GameModel& game) {
    const StagedField field = stagedField(s);
    const int64_t radius = game.ballRadiusPixels();
    for (int i = 0; i < s.NBLLS; ++i) {
        const Ball& ball = s.balls[i];
        const uint32_t set = s.ballSet[i];
        // A touching edge already blocks a ball, so a box on the edge line
        // is outside.
        if ((set & ballBit("X")) &&
            !(ball.X - radius > field.left && ball.X + radius < field.right)) {
            return SavedGameError::kBallOutsideField;
        }
        if ((set & ballBit("Y")) &&
            !(ball.Y - radius > field.top && ball.Y + radius < field.bottom)) {
            return SavedGameError::kBallOutsideField;
        }
        if ((set & ballBit("DRCT")) && (ball.DRCT < kUp || ball.DRCT > kDownRight)) {
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

SavedGameError validateStaging(const SavedGameStaging& s, const GameModel& game, int32_t now) {
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
    if (!clocksFit(s, game, now)) {
        return SavedGameError::kBadTime;
    }
    // Released cells count toward the goal and the lives count down: values
    // no level can reach would overflow as play goes on.
    const int64_t cells = int64_t{s.rows} * s.cols;
    if ((s.CLDNE.set && (s.CLDNE.value < 0 || s.CLDNE.value > cells)) ||
        (s.LOVES.set && s.LOVES.value < 0)) {
        return SavedGameError::kBadCounter;
    }
    if (!positionsInRange(s)) {
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
