// Reads a saved game into a staging record, validates it, and only then
// replaces the current game.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "persistence/field_sizes.h"
#include "persistence/saved_game.h"
#include "persistence/saved_game_keys.h"
#include "persistence/saved_game_staging.h"
#include "persistence/text.h"

namespace {

constexpr int kBallCountMin = 1;
constexpr int kBallCountMax = kLastLevel - 1;

int keyIndex(const char* key, const BallKey (&keys)[kBallKeyCount]) {
    for (int i = 0; i < kBallKeyCount; ++i) {
        if (std::strcmp(keys[i].name, key) == 0) {
            return i;
        }
    }
    return -1;
}

int keyIndex(const char* key, const BarKey (&keys)[kBarKeyCount]) {
    for (int i = 0; i < kBarKeyCount; ++i) {
        if (std::strcmp(keys[i].name, key) == 0) {
            return i;
        }
    }
    return -1;
}

uint32_t ballBit(const char* name) {
    return 1u << keyIndex(name, kBallKeys);
}

uint32_t barBit(const char* name) {
    return 1u << keyIndex(name, kBarKeys);
}

void setValue(StagedValue& staged, const char* text) {
    staged.set = true;
    staged.value = decimalValue(text);
}

enum class Section { kNone, kBall, kBar };

// One pass over the file's lines, keeping the reader's counters.
class Stager {
  public:
    Stager(const GameModel& game, SavedGameStaging& staging) : game_(game), s_(staging) {
        s_ = SavedGameStaging();
        s_.rows = game.fieldRows();
        s_.cols = game.fieldCols();
        now_ = game.clock().nowMs();
    }

    SavedGameError run(const char* data, size_t size);

  private:
    SavedGameError line(const char* key, const char* value, size_t valueLength);
    SavedGameError startBody();
    void data(const char* value, size_t length);
    SavedGameError validate() const;
    bool clocksFit() const;
    bool positionsInRange() const;
    SavedGameError validateBalls() const;
    SavedGameError validateBars() const;

    const GameModel& game_;
    SavedGameStaging& s_;
    int32_t now_ = 0;
    Section section_ = Section::kNone;
    int ballIndex_ = -1;
    int barIndex_ = -1;
    int dataRows_ = 0;
    int levtmLines_ = 0;
    bool shortRow_ = false;
    bool bodySeen_ = false;
    int32_t rowsAtBody_ = 0;
    int32_t colsAtBody_ = 0;
    StagedValue keptBallCount_;
};

SavedGameError Stager::run(const char* data, size_t size) {
    size_t start = 0;
    while (start < size) {
        const char* begin = data + start;
        const void* found = std::memchr(begin, '\n', size - start);
        const char* newline = found != nullptr ? static_cast<const char*>(found) : data + size;
        size_t length = static_cast<size_t>(newline - begin);
        start += length + 1;
        // One line end comes off: LF, with a CR before it.
        if (found != nullptr && length > 0 && begin[length - 1] == '\r') {
            --length;
        }
        if (length > static_cast<size_t>(kMaxSavedGameLineChars)) {
            return SavedGameError::kLineTooLong;
        }
        if (length == 0) {
            continue;
        }
        char text[kMaxSavedGameLineChars + 1];
        std::memcpy(text, begin, length);
        text[length] = '\0';
        // Split at the first colon; a line without one is a key alone whose
        // value is the whole line.
        const char* value = text;
        size_t valueLength = length;
        char* colon = static_cast<char*>(std::memchr(text, ':', length));
        if (colon != nullptr) {
            *colon = '\0';
            value = colon + 1;
            valueLength = length - static_cast<size_t>(value - text);
        }
        const SavedGameError error = line(text, value, valueLength);
        if (error != SavedGameError::kNone) {
            return error;
        }
    }
    return validate();
}

SavedGameError Stager::line(const char* key, const char* value, size_t valueLength) {
    // Head and body keys come first and act wherever they stand.
    if (std::strcmp(key, "ROWS") == 0 || std::strcmp(key, "COLS") == 0) {
        int32_t count = 0;
        if (scanDecimal(value, &count)) {
            (key[0] == 'R' ? s_.rows : s_.cols) = count;
        }
    } else if (std::strcmp(key, "GRID") == 0) {
        // Case-sensitive: anything but Y or N leaves the flag as it was.
        if (value[0] == 'Y' || value[0] == 'N') {
            s_.GRID.set = true;
            s_.GRID.value = value[0] == 'Y' ? 1 : 0;
        }
    } else if (std::strcmp(key, "SPEED") == 0) {
        setValue(s_.SPEED, value);
    } else if (std::strcmp(key, "LOVES") == 0) {
        setValue(s_.LOVES, value);
    } else if (std::strcmp(key, "CLDNE") == 0) {
        setValue(s_.CLDNE, value);
    } else if (std::strcmp(key, "NBLLS") == 0) {
        setValue(keptBallCount_, value);
    } else if (std::strcmp(key, "SCORE") == 0) {
        s_.scoreSet = true;
        s_.SCORE = std::strtod(value, nullptr);
    } else if (std::strcmp(key, "SLVTM") == 0) {
        setValue(s_.SLVTM, value);
    } else if (std::strcmp(key, "SPSTM") == 0) {
        setValue(s_.SPSTM, value);
    } else if (std::strcmp(key, "LEVTM") == 0) {
        // The first "LEVTM" line is the latest tick, the later ones the
        // paused total.
        if (levtmLines_++ == 0) {
            setValue(s_.LEVTM, value);
        } else {
            s_.pausedTotalSet = true;
            s_.pausedTotal = decimalValue(value);
        }
    } else if (std::strcmp(key, "SAVTM") == 0) {
        // The time between saving and reading counts as paused.
        const int64_t base = s_.pausedTotalSet ? s_.pausedTotal
                             : bodySeen_       ? 0
                                               : game_.currentLevel()->pausedTotal;
        s_.pausedTotalSet = true;
        s_.pausedTotal = base + (int64_t{now_} - decimalValue(value));
    } else if (std::strcmp(key, "LEFT") == 0) {
        setValue(s_.LEFT, value);
    } else if (std::strcmp(key, "TOP") == 0) {
        setValue(s_.TOP, value);
    } else if (std::strcmp(key, kBodyMarker) == 0) {
        return startBody();
    } else if (std::strcmp(key, "DATA") == 0) {
        data(value, valueLength);
    } else if (std::strcmp(key, kBallMarker) == 0) {
        section_ = Section::kBall;
        if (ballIndex_ < kMaxBalls) {
            ++ballIndex_;
        }
    } else if (section_ == Section::kBall && keyIndex(key, kBallKeys) >= 0) {
        // Blocks beyond the table are ignored.
        if (ballIndex_ < kMaxBalls) {
            const int k = keyIndex(key, kBallKeys);
            s_.balls[ballIndex_].*kBallKeys[k].field = decimalValue(value);
            s_.ballSet[ballIndex_] |= 1u << k;
        }
    } else if (std::strcmp(key, kBarMarker) == 0) {
        section_ = Section::kBar;
        if (barIndex_ < kBarCount) {
            ++barIndex_;
        }
    } else if (section_ == Section::kBar && keyIndex(key, kBarKeys) >= 0) {
        if (barIndex_ < kBarCount) {
            const int k = keyIndex(key, kBarKeys);
            s_.bars[barIndex_].*kBarKeys[k].field = decimalValue(value);
            s_.barSet[barIndex_] |= 1u << k;
        }
    }
    return SavedGameError::kNone;
}

SavedGameError Stager::startBody() {
    // The level start that "<BODY>" stands for places NBLLS balls; it must
    // name a level that can be set up.
    if (!keptBallCount_.set || keptBallCount_.value < kBallCountMin ||
        keptBallCount_.value > kBallCountMax) {
        return SavedGameError::kBadBallCount;
    }
    bodySeen_ = true;
    rowsAtBody_ = s_.rows;
    colsAtBody_ = s_.cols;
    s_.NBLLS = keptBallCount_.value;
    // What newGame and startLevel reset, earlier lines no longer give.
    s_.LOVES.set = s_.CLDNE.set = s_.SLVTM.set = s_.LEVTM.set = false;
    s_.scoreSet = false;
    s_.pausedTotalSet = false;
    std::memset(s_.grid, 0, sizeof s_.grid);
    const uint32_t kept = ballBit("XOLD") | ballBit("YOLD");
    for (int i = 0; i < s_.NBLLS; ++i) {
        s_.ballSet[i] &= kept;
    }
    for (uint32_t& set : s_.barSet) {
        set &= ~barBit("ACTIVE");
    }
    return SavedGameError::kNone;
}

void Stager::data(const char* value, size_t length) {
    const int32_t cols = s_.cols;
    if (cols < 0 || length < static_cast<size_t>(cols)) {
        shortRow_ = true;
    } else if (dataRows_ < kMaxRows) {
        const int decoded = cols < kMaxCols ? cols : kMaxCols;
        for (int c = 0; c < decoded; ++c) {
            // The character, taken as a signed 8-bit value, minus "0".
            s_.grid[dataRows_][c] = static_cast<int32_t>(static_cast<signed char>(value[c])) - '0';
        }
    }
    ++dataRows_;
}

SavedGameError Stager::validate() const {
    if (!bodySeen_) {
        return SavedGameError::kNoBody;
    }
    if (fieldSizeIndex(s_.rows, s_.cols) < 0 || s_.rows != rowsAtBody_ || s_.cols != colsAtBody_) {
        return SavedGameError::kBadFieldSize;
    }
    if (shortRow_) {
        return SavedGameError::kShortDataRow;
    }
    if (dataRows_ != s_.rows) {
        return SavedGameError::kBadDataRows;
    }
    // The score is shown and entered truncated to a 32-bit integer.
    if (s_.scoreSet && !(s_.SCORE > -2147483649.0 && s_.SCORE < 2147483648.0)) {
        return SavedGameError::kBadScore;
    }
    if (!clocksFit()) {
        return SavedGameError::kBadTime;
    }
    // Released cells count toward the goal and the lives count down: values
    // no level can reach would overflow as play goes on.
    const int64_t cells = int64_t{s_.rows} * s_.cols;
    if ((s_.CLDNE.set && (s_.CLDNE.value < 0 || s_.CLDNE.value > cells)) ||
        (s_.LOVES.set && s_.LOVES.value < 0)) {
        return SavedGameError::kBadCounter;
    }
    if (!positionsInRange()) {
        return SavedGameError::kBadPosition;
    }
    const SavedGameError balls = validateBalls();
    return balls != SavedGameError::kNone ? balls : validateBars();
}

bool fitsInt32(int64_t value) {
    return value >= INT32_MIN && value <= INT32_MAX;
}

bool Stager::clocksFit() const {
    // The level's clocks as the game will hold them, the level start giving
    // what the file does not; the differences the game computes with them
    // must fit its 32-bit arithmetic.
    const int64_t now = now_;
    const int64_t start = s_.SLVTM.set ? s_.SLVTM.value : now;
    const int64_t tick = s_.LEVTM.set ? s_.LEVTM.value : now;
    const int64_t pause = s_.SPSTM.set ? s_.SPSTM.value : game_.currentLevel()->SPSTM;
    const int64_t paused = s_.pausedTotalSet ? s_.pausedTotal : 0;
    return fitsInt32(paused) && fitsInt32(now - start) && fitsInt32(tick - start) &&
           fitsInt32(now - start - paused) && fitsInt32(tick - start - paused) &&
           fitsInt32(now - pause) && fitsInt32(paused + (now - pause));
}

bool Stager::positionsInRange() const {
    const auto inRange = [](int32_t value) {
        return value >= -kMaxSavedPixel && value <= kMaxSavedPixel;
    };
    const uint32_t ballPixels = ballBit("XOLD") | ballBit("YOLD") | ballBit("X") | ballBit("Y");
    for (int i = 0; i < kMaxBalls; ++i) {
        for (int k = 0; k < kBallKeyCount; ++k) {
            const uint32_t bit = 1u << k;
            if ((s_.ballSet[i] & bit & ballPixels) && !inRange(s_.balls[i].*kBallKeys[k].field)) {
                return false;
            }
        }
    }
    const uint32_t barPixels =
        barBit("XSTART") | barBit("YSTART") | barBit("XEND") | barBit("YEND");
    for (int b = 0; b < kBarCount; ++b) {
        for (int k = 0; k < kBarKeyCount; ++k) {
            const uint32_t bit = 1u << k;
            if ((s_.barSet[b] & bit & barPixels) && !inRange(s_.bars[b].*kBarKeys[k].field)) {
                return false;
            }
        }
    }
    const auto cornerInRange = [&](const StagedValue& v) { return !v.set || inRange(v.value); };
    return cornerInRange(s_.LEFT) && cornerInRange(s_.TOP);
}

SavedGameError Stager::validateBalls() const {
    const int64_t left = s_.LEFT.set ? s_.LEFT.value : game_.fieldCornerX();
    const int64_t top = s_.TOP.set ? s_.TOP.value : game_.fieldCornerY();
    const int64_t right = left + int64_t{s_.cols} * kCellPixels;
    const int64_t bottom = top + int64_t{s_.rows} * kCellPixels;
    const int64_t radius = game_.ballRadiusPixels();
    for (int i = 0; i < s_.NBLLS; ++i) {
        const Ball& ball = s_.balls[i];
        const uint32_t set = s_.ballSet[i];
        // A touching edge already blocks a ball, so a box on the edge line
        // is outside.
        if ((set & ballBit("X")) && !(ball.X - radius > left && ball.X + radius < right)) {
            return SavedGameError::kBallOutsideField;
        }
        if ((set & ballBit("Y")) && !(ball.Y - radius > top && ball.Y + radius < bottom)) {
            return SavedGameError::kBallOutsideField;
        }
        if ((set & ballBit("DRCT")) && (ball.DRCT < kUp || ball.DRCT > kDownRight)) {
            return SavedGameError::kBadBallDirection;
        }
    }
    return SavedGameError::kNone;
}

SavedGameError Stager::validateBars() const {
    for (int b = 0; b < kBarCount; ++b) {
        // A field the file leaves out keeps what the level start leaves in it.
        Bar bar = game_.currentLevel()->bars[b];
        bar.ACTIVE = 1;
        for (int k = 0; k < kBarKeyCount; ++k) {
            if (s_.barSet[b] & (1u << k)) {
                bar.*kBarKeys[k].field = s_.bars[b].*kBarKeys[k].field;
            }
        }
        if (bar.ACTIVE != 0) {
            continue;
        }
        if (bar.DRCT < kUp || bar.DRCT > kRight) {
            return SavedGameError::kBadBarDirection;
        }
        const auto inRows = [this](int32_t row) { return row >= 0 && row < s_.rows; };
        const auto inCols = [this](int32_t col) { return col >= 0 && col < s_.cols; };
        if (!inRows(bar.RSTART) || !inRows(bar.REND) || !inCols(bar.CSTART) || !inCols(bar.CEND)) {
            return SavedGameError::kBarOutsideField;
        }
        // The growing end is followed in pixels; the program keeps a growing
        // bar's corners on the field, edges included. A corner the file does
        // not give would be one of another game.
        const uint32_t corners =
            barBit("XSTART") | barBit("YSTART") | barBit("XEND") | barBit("YEND");
        if ((s_.barSet[b] & corners) != corners) {
            return SavedGameError::kBarOutsideField;
        }
        const int64_t left = s_.LEFT.set ? s_.LEFT.value : game_.fieldCornerX();
        const int64_t top = s_.TOP.set ? s_.TOP.value : game_.fieldCornerY();
        const int64_t right = left + int64_t{s_.cols} * kCellPixels;
        const int64_t bottom = top + int64_t{s_.rows} * kCellPixels;
        const auto inWidth = [&](int64_t x) { return x >= left && x <= right; };
        const auto inHeight = [&](int64_t y) { return y >= top && y <= bottom; };
        if (!inWidth(bar.XSTART) || !inWidth(bar.XEND) || !inHeight(bar.YSTART) ||
            !inHeight(bar.YEND)) {
            return SavedGameError::kBarOutsideField;
        }
    }
    return SavedGameError::kNone;
}

void shift(int32_t& position, int64_t by) {
    position = static_cast<int32_t>(static_cast<int64_t>(position) + by);
}

}  // namespace

SavedGameError stageSavedGame(const char* data, size_t size, const GameModel& game,
                              SavedGameStaging* staging) {
    if (size > kMaxSavedGameBytes) {
        return SavedGameError::kTooLarge;
    }
    Stager stager(game, *staging);
    const SavedGameError error = stager.run(data, size);
    staging->originLeft = staging->LEFT.set ? staging->LEFT.value : game.fieldCornerX();
    staging->originTop = staging->TOP.set ? staging->TOP.value : game.fieldCornerY();
    return error;
}

void applySavedGame(const SavedGameStaging& s, GameModel& game,
                    const std::function<void()>& recomputeGeometry) {
    Level& level = *game.currentLevel();
    // The head takes effect first: the field's size and the grid option.
    game.setFieldCells(s.rows, s.cols);
    if (s.GRID.set) {
        level.GRID = s.GRID.value;
    }
    if (recomputeGeometry) {
        recomputeGeometry();
    }
    const int64_t dx = int64_t{game.fieldCornerX()} - s.originLeft;
    const int64_t dy = int64_t{game.fieldCornerY()} - s.originTop;

    // Then the level starts afresh, as the saved level...
    game.newGame();
    level.NBLLS = s.NBLLS - 1;
    game.startLevel();

    // ...and every value of the file overwrites what the start produced.
    const auto apply = [](int32_t& field, const StagedValue& staged) {
        if (staged.set) {
            field = staged.value;
        }
    };
    apply(level.SPEED, s.SPEED);
    apply(level.LOVES, s.LOVES);
    apply(level.CLDNE, s.CLDNE);
    apply(level.SLVTM, s.SLVTM);
    apply(level.LEVTM, s.LEVTM);
    apply(level.SPSTM, s.SPSTM);
    if (s.scoreSet) {
        level.SCORE = s.SCORE;
    }
    if (s.pausedTotalSet) {
        level.pausedTotal = static_cast<int32_t>(s.pausedTotal);
    }
    for (int r = 0; r < s.rows; ++r) {
        for (int c = 0; c < s.cols; ++c) {
            level.grid[r][c] = s.grid[r][c];
        }
    }
    for (int i = 0; i < kMaxBalls; ++i) {
        for (int k = 0; k < kBallKeyCount; ++k) {
            if (s.ballSet[i] & (1u << k)) {
                level.balls[i].*kBallKeys[k].field = s.balls[i].*kBallKeys[k].field;
            }
        }
        // Every pixel position the file gave moves with the field.
        const uint32_t set = s.ballSet[i];
        Ball& ball = level.balls[i];
        if (set & ballBit("X")) {
            shift(ball.X, dx);
        }
        if (set & ballBit("XOLD")) {
            shift(ball.XOLD, dx);
        }
        if (set & ballBit("Y")) {
            shift(ball.Y, dy);
        }
        if (set & ballBit("YOLD")) {
            shift(ball.YOLD, dy);
        }
    }
    for (int b = 0; b < kBarCount; ++b) {
        Bar& bar = level.bars[b];
        for (int k = 0; k < kBarKeyCount; ++k) {
            if (s.barSet[b] & (1u << k)) {
                bar.*kBarKeys[k].field = s.bars[b].*kBarKeys[k].field;
            }
        }
        const uint32_t set = s.barSet[b];
        if (set & barBit("XSTART")) {
            shift(bar.XSTART, dx);
        }
        if (set & barBit("XEND")) {
            shift(bar.XEND, dx);
        }
        if (set & barBit("YSTART")) {
            shift(bar.YSTART, dy);
        }
        if (set & barBit("YEND")) {
            shift(bar.YEND, dy);
        }
    }
}

ReadResult readGameFile(const char* path, GameModel& game,
                        const std::function<void()>& recomputeGeometry, FileSystem& files,
                        SavedGameError* error) {
    SavedGameError why = SavedGameError::kNone;
    ReadResult result = ReadResult::kNotOpened;
    std::string contents;
    if (path != nullptr && game.currentLevel() != nullptr) {
        switch (files.readFile(path, kMaxSavedGameBytes, &contents)) {
            case ReadFileResult::kNotOpened:
                break;
            case ReadFileResult::kTooLarge:
                why = SavedGameError::kTooLarge;
                result = ReadResult::kRejected;
                break;
            case ReadFileResult::kRead: {
                auto staging = std::make_unique<SavedGameStaging>();
                why = stageSavedGame(contents.data(), contents.size(), game, staging.get());
                if (why == SavedGameError::kNone) {
                    applySavedGame(*staging, game, recomputeGeometry);
                    result = ReadResult::kRead;
                } else {
                    result = ReadResult::kRejected;
                }
                break;
            }
        }
    }
    if (error != nullptr) {
        *error = why;
    }
    return result;
}
