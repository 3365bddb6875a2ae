// A game for the model's tests: it records every hook call, owns its Level,
// a Wall of Fame table and a clock the test moves by hand, and is set up
// the way the program's Game sets itself up.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/open_model.h"

class FakeClock : public GameClock {
  public:
    int32_t now = 0;
    int64_t calendar = 1;
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return calendar; }
};

// One hook call with its arguments and the state it saw.
struct HookCall {
    std::string name;
    int a = 0, b = 0;
    std::string text;
    int32_t running = 0, lives = 0, levelNumber = 0, released = 0;
    double score = 0.0;
};

using Names = std::vector<std::string>;

class TestGame : public OpenModel {
  public:
    // 20 x 30 cells of 14 pixels at (10, 10), ball radius 7, eight frames;
    // a level in play on an empty field.
    TestGame(int rows = 20, int cols = 30);

    void onPauseChanged(int p) override { record("onPauseChanged", p); }
    void onLevelStarted() override { record("onLevelStarted"); }
    void onGameOver(int reason, int rank) override { record("onGameOver", reason, rank); }
    void onLevelCompleted() override { record("onLevelCompleted"); }
    void onLifeLost() override { record("onLifeLost"); }
    void onGameEnding() override { record("onGameEnding"); }
    int askPlayerName(char* nameOut, int rank) override;
    void showMessage(const char* text) override;
    void fatalError(const char* text) override;
    void showStatus(const char* text) override { record("showStatus", 0, 0, text); }

    // A level in play on an empty field: no ball, both bars idle, the
    // clocks at the current time, no hook calls recorded.
    void clearField(int lives = 3, int levelNumber = 1);
    Ball& addBall(int x, int y, int direction);
    void setCell(int row, int col, int value) { lvl.grid[row][col] = value; }
    int cell(int row, int col) const { return lvl.grid[row][col]; }
    void wallColumn(int col, int fromRow, int toRow);
    // A finished bar (its cells are walls) or a growing one (cells hold 2).
    Bar& finishedBar(int index, int direction, int r0, int c0, int r1, int c1) {
        return describeBar(index, direction, r0, c0, r1, c1, kCellWall);
    }
    Bar& growingBar(int index, int direction, int r0, int c0, int r1, int c1) {
        return describeBar(index, direction, r0, c0, r1, c1, kCellBar);
    }

    int ballCount() const;
    // Cells of `value` in rows r0..r1, columns c0..c1 (the whole field by default).
    int countCells(int value, int r0 = 0, int r1 = 99, int c0 = 0, int c1 = 99) const;
    void clickCell(int row, int col) { shoot(cellX(col) + 7, cellY(row) + 7); }
    void runTicks(int n, int msPerTick = 2);

    Names statuses() const;
    Names hookNames() const;
    int count(const std::string& hook) const {
        const Names names = hookNames();
        return static_cast<int>(std::count(names.begin(), names.end(), hook));
    }
    const HookCall* last(const std::string& hook) const;

    Level lvl;
    FakeClock clk;
    WallOfFameTable fame;
    std::vector<HookCall> calls;
    int fatalCount = 0, messageCount = 0;
    std::string lastFatal, lastMessage;
    // Runs after a hook call is recorded, like a dialog's modal loop.
    std::function<void(const std::string& hook)> duringHook;
    int askAnswer = 1;  // what the player answers to the name question
    std::string playerName = "Tester";

  private:
    void record(const char* name, int a = 0, int b = 0, const char* text = "");
    Bar& describeBar(int index, int direction, int r0, int c0, int r1, int c1, int value);
    int nextBall_ = 0;
};

// Grid, balls, bars, counters and clocks of two levels are equal.
bool sameLevel(const Level& a, const Level& b);
