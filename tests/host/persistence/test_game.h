// A game model built as the program builds its own (20 by 30 cells of 14
// pixels at (10, 10), balls of radius 7) with silent hooks and a clock the
// caller sets. Shared by the persistence tests and the fuzz targets.
#pragma once

#include <cstdint>

#include "model/game_model.h"

class ManualClock : public GameClock {
  public:
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return calendar; }
    int32_t now = 0;
    int64_t calendar = 1000;
};

class TestGame : public GameModel {
  public:
    TestGame() {
        level = &theLevel;
        setClock(clock);
        rows = 20;
        cols = 30;
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
    void fatalError(const char*) override {}
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
};
