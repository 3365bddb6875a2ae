// A game model built as the program builds its own (cells of 14 pixels with
// the field's corner at (10, 10), balls of radius 7, 20 by 30 cells unless
// told otherwise), with hooks that only count fatal errors and the tests'
// clock, which the caller sets. Shared by the model's and the persistence
// tests, the fuzz targets, the Win32 file tests and the model's benchmarks.
#pragma once

#include <cstdint>

#include "tests/support/open_model.h"

// The one clock of the tests: `now` in milliseconds and `calendar` in
// seconds are what the model reads, set by hand.
class ManualClock : public GameClock {
  public:
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return calendar; }
    int32_t now = 0;
    int64_t calendar = 1000;
};

class SilentGame : public OpenModel {
  public:
    explicit SilentGame(int rowCount = 20, int colCount = 30) {
        level = &theLevel;
        setClock(clock);
        rows = rowCount;
        cols = colCount;
        ballRadius = 7;
        setFrameCount(kAnimationFrames);
        placeField(10, 10);
        initGeometry();
    }

    void onPauseChanged(int) override {}
    void onLevelStarted() override {}
    void onGameOver(int, int) override {}
    void onLevelCompleted() override {}
    void onLifeLost() override {}
    void onGameEnding() override {}
    int askPlayerName(char*, int) override { return 0; }
    void showMessage(const char*) override {}
    void fatalError(const char*) override { ++faults; }
    void showStatus(const char*) override {}

    // The field's corner at (left, top), its size from rows and cols.
    void placeField(int32_t left, int32_t top) {
        fieldLeft = left;
        fieldTop = top;
        fieldRight = fieldLeft + cols * kCellPixels;
        fieldBottom = fieldTop + rows * kCellPixels;
        computeCellsToComplete();
    }

    Level theLevel;
    ManualClock clock;
    int faults = 0;
};
