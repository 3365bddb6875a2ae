// Stages the values of a saved game's lines. Head and body keys act
// wherever they stand; block keys belong to the last "<BALL>" or "<BAR>".
#include <cstdlib>
#include <cstring>

#include "persistence/saved_game_keys.h"
#include "persistence/saved_game_lines.h"
#include "persistence/saved_game_staging.h"
#include "persistence/text.h"

namespace {

constexpr int kBallCountMin = 1;
constexpr int kBallCountMax = kLastLevel - 1;

enum class Section { kNone, kBall, kBar };

void setValue(StagedValue& staged, const char* text) {
    staged.set = true;
    staged.value = decimalValue(text);
}

// One pass over the file's lines, keeping the reader's counters.
struct Stager {
    Stager(const GameModel& readingGame, SavedGameStaging& staging, int32_t nowMs)
        : game(readingGame), s(staging), now(nowMs) {}

    const GameModel& game;
    SavedGameStaging& s;
    int32_t now;
    Section section = Section::kNone;
    int ballIndex = -1;
    int barIndex = -1;
    int levtmLines = 0;
    StagedValue keptBallCount;

    SavedGameError line(const char* key, const char* value, size_t valueLength);
    SavedGameError startBody();
    void data(const char* value, size_t length);
    void fieldSize(const char* value, int32_t& count);
    void grid(const char* value);
    void levelTime(const char* value);
    void savedTime(const char* value);
    void startBlock(Section kind);
    bool blockKey(const char* key, const char* value);
};

// The keys outside the blocks, in the order the writer writes them: most
// stage their number as it stands, the others have an action of their own.
using KeyAction = void (*)(Stager& stager, const char* value, size_t length);
struct HeadKey {
    const char* name;
    StagedValue SavedGameStaging::*staged;
    KeyAction act;
};

const HeadKey kHeadKeys[] = {
    {"ROWS", nullptr, [](Stager& t, const char* v, size_t) { t.fieldSize(v, t.s.rows); }},
    {"COLS", nullptr, [](Stager& t, const char* v, size_t) { t.fieldSize(v, t.s.cols); }},
    {"GRID", nullptr, [](Stager& t, const char* v, size_t) { t.grid(v); }},
    {"LEFT", &SavedGameStaging::LEFT, nullptr},
    {"TOP", &SavedGameStaging::TOP, nullptr},
    {"DATA", nullptr, [](Stager& t, const char* v, size_t length) { t.data(v, length); }},
    {"SPEED", &SavedGameStaging::SPEED, nullptr},
    {"LOVES", &SavedGameStaging::LOVES, nullptr},
    {"NBLLS", nullptr, [](Stager& t, const char* v, size_t) { setValue(t.keptBallCount, v); }},
    {"CLDNE", &SavedGameStaging::CLDNE, nullptr},
    {"SCORE", nullptr,
     [](Stager& t, const char* v, size_t) {
         t.s.scoreSet = true;
         t.s.SCORE = std::strtod(v, nullptr);
     }},
    {"SLVTM", &SavedGameStaging::SLVTM, nullptr},
    {"LEVTM", nullptr, [](Stager& t, const char* v, size_t) { t.levelTime(v); }},
    {"SPSTM", &SavedGameStaging::SPSTM, nullptr},
    {"SAVTM", nullptr, [](Stager& t, const char* v, size_t) { t.savedTime(v); }},
    {kBallMarker, nullptr, [](Stager& t, const char*, size_t) { t.startBlock(Section::kBall); }},
    {kBarMarker, nullptr, [](Stager& t, const char*, size_t) { t.startBlock(Section::kBar); }},
};

SavedGameError Stager::line(const char* key, const char* value, size_t valueLength) {
    if (std::strcmp(key, kBodyMarker) == 0) {
        return startBody();
    }
    for (const HeadKey& head : kHeadKeys) {
        // The first character rules out most keys without a call.
        if (key[0] == head.name[0] && std::strcmp(key, head.name) == 0) {
            if (head.staged != nullptr) {
                setValue(s.*head.staged, value);
            } else {
                head.act(*this, value, valueLength);
            }
            return SavedGameError::kNone;
        }
    }
    // Anything else is a block key or ignored.
    blockKey(key, value);
    return SavedGameError::kNone;
}

void Stager::fieldSize(const char* value, int32_t& count) {
    int32_t scanned = 0;
    if (scanDecimal(value, &scanned)) {
        count = scanned;
    }
}

void Stager::grid(const char* value) {
    // Case-sensitive: anything but Y or N leaves the flag as it was.
    if (value[0] == 'Y' || value[0] == 'N') {
        s.GRID.set = true;
        s.GRID.value = value[0] == 'Y' ? 1 : 0;
    }
}

void Stager::levelTime(const char* value) {
    // The first "LEVTM" line is the latest tick, the later ones the paused
    // total.
    if (levtmLines++ == 0) {
        setValue(s.LEVTM, value);
    } else {
        s.pausedTotalSet = true;
        s.pausedTotal = decimalValue(value);
    }
}

void Stager::savedTime(const char* value) {
    // The time between saving and reading counts as paused. Both clocks wrap
    // at 2^32, and two sessions' clocks may be days apart either way: the
    // total is kept modulo 2^32 like the game's own, total - (saved - now).
    const int32_t base = s.pausedTotalSet ? s.pausedTotal
                         : s.bodySeen     ? 0
                                          : game.currentLevel()->pausedTotal;
    s.pausedTotalSet = true;
    s.pausedTotal = clockDifference(base, clockDifference(decimalValue(value), now));
}

void Stager::startBlock(Section kind) {
    section = kind;
    if (kind == Section::kBall && ballIndex < kMaxBalls) {
        ++ballIndex;
    } else if (kind == Section::kBar && barIndex < kBarCount) {
        ++barIndex;
    }
}

bool Stager::blockKey(const char* key, const char* value) {
    // Blocks beyond the tables are ignored.
    if (section == Section::kBall) {
        const int k = keyIndex(key, kBallKeys);
        if (k >= 0 && ballIndex < kMaxBalls) {
            s.balls[ballIndex].*kBallKeys[k].field = decimalValue(value);
            s.ballSet[ballIndex] |= 1u << k;
        }
        return k >= 0;
    }
    if (section == Section::kBar) {
        const int k = keyIndex(key, kBarKeys);
        if (k >= 0 && barIndex < kBarCount) {
            s.bars[barIndex].*kBarKeys[k].field = decimalValue(value);
            s.barSet[barIndex] |= 1u << k;
        }
        return k >= 0;
    }
    return false;
}

SavedGameError Stager::startBody() {
    // The level start that "<BODY>" stands for places NBLLS balls; it must
    // name a level that can be set up.
    if (!keptBallCount.set || keptBallCount.value < kBallCountMin ||
        keptBallCount.value > kBallCountMax) {
        return SavedGameError::kBadBallCount;
    }
    s.bodySeen = true;
    s.rowsAtBody = s.rows;
    s.colsAtBody = s.cols;
    s.NBLLS = keptBallCount.value;
    // What newGame and startLevel reset, earlier lines no longer give.
    s.LOVES.set = s.CLDNE.set = s.SLVTM.set = s.LEVTM.set = false;
    s.scoreSet = false;
    s.pausedTotalSet = false;
    std::memset(s.grid, 0, sizeof s.grid);
    constexpr uint32_t kept = ballBit("XOLD") | ballBit("YOLD");
    for (int i = 0; i < s.NBLLS; ++i) {
        s.ballSet[i] &= kept;
    }
    constexpr uint32_t active = barBit("ACTIVE");
    for (uint32_t& set : s.barSet) {
        set &= ~active;
    }
    return SavedGameError::kNone;
}

void Stager::data(const char* value, size_t length) {
    const int32_t cols = s.cols;
    if (cols < 0 || length < static_cast<size_t>(cols)) {
        s.shortDataRow = true;
    } else if (s.dataRows < kMaxRows) {
        const int decoded = cols < kMaxCols ? cols : kMaxCols;
        for (int c = 0; c < decoded; ++c) {
            // The character, taken as a signed 8-bit value, minus "0".
            s.grid[s.dataRows][c] = static_cast<int32_t>(static_cast<signed char>(value[c])) - '0';
        }
    }
    ++s.dataRows;
}

}  // namespace

SavedGameError stageLines(const char* data, size_t size, const GameModel& game, int32_t now,
                          SavedGameStaging& staging) {
    staging = SavedGameStaging();
    staging.rows = game.fieldRows();
    staging.cols = game.fieldCols();
    Stager stager(game, staging, now);
    return forEachSavedGameLine(data, size, [&](const char* key, const char* value, size_t length) {
        return stager.line(key, value, length);
    });
}
