// What the saved-game reader gathers from a file before it touches the game:
// every value the file gives, with a mark for the fields it set, so the
// game's own level start supplies everything else. The reader works in
// four steps, each in a file of its own: the lines (saved_game_lines.cpp),
// staging their values (saved_game_stager.cpp), validating the staging
// (saved_game_validation.cpp) and applying it (saved_game_apply.cpp).
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/game_model.h"
#include "model/level.h"
#include "persistence/saved_game.h"

struct StagedValue {
    bool set = false;
    int32_t value = 0;
};

struct SavedGameStaging {
    // The head. rows and cols start as the game's and follow "ROWS"/"COLS".
    int32_t rows = 0;
    int32_t cols = 0;
    StagedValue GRID;
    StagedValue LEFT;
    StagedValue TOP;
    // The ball count kept at the last "<BODY>".
    int32_t NBLLS = 0;

    // The body. A "<BODY>" line starts the level afresh, so it forgets what
    // earlier lines gave the fields a level start resets.
    StagedValue SPEED, LOVES, CLDNE, SLVTM, LEVTM, SPSTM;
    bool scoreSet = false;
    double SCORE = 0.0;
    // "SAVTM" lines add the time between saving and reading, modulo 2^32.
    bool pausedTotalSet = false;
    int32_t pausedTotal = 0;
    int32_t grid[kMaxRows][kMaxCols] = {};

    // Blocks: one bit per key of kBallKeys / kBarKeys that the file set.
    Ball balls[kMaxBalls];
    uint32_t ballSet[kMaxBalls] = {};
    Bar bars[kBarCount];
    uint32_t barSet[kBarCount] = {};

    // The field corner the file's positions are relative to: "LEFT"/"TOP"
    // when present, else the view's needed-size corner for the file's size.
    int32_t originLeft = 0;
    int32_t originTop = 0;

    // What the pass over the lines saw, for the validation.
    bool bodySeen = false;
    int32_t rowsAtBody = 0;
    int32_t colsAtBody = 0;
    int dataRows = 0;
    bool shortDataRow = false;
};

// Stages every line of the file; `now` is the game's clock at reading.
// Fails only on a line too long or a "<BODY>" without a valid "NBLLS".
SavedGameError stageLines(const char* data, size_t size, const GameModel& game, int32_t now,
                          SavedGameStaging& staging);

// Checks a staging against the limits the game relies on.
SavedGameError validateStaging(const SavedGameStaging& staging, const GameModel& game);
