// The model's tests: a SilentGame that records every hook call, owns a Wall
// of Fame table and starts on a cleared field, and the fixture that holds one.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/support/silent_game.h"

using Ints = std::vector<int>;
using Names = std::vector<std::string>;

// Direction codes, short for the tables.
constexpr int U = kUp, D = kDown, L = kLeft, R = kRight;
constexpr int UL = kUpLeft, UR = kUpRight, DL = kDownLeft, DR = kDownRight;

class TestGame : public SilentGame {
  public:
    // Seeded from calendar second 1; level 1 with three lives on an empty field.
    explicit TestGame(int rowCount = 20, int colCount = 30) : SilentGame(rowCount, colCount) {
        wallOfFame = &fame, clock.calendar = 1;
        initGeometry(), clearField();
    }

    // Each call is recorded as its name and arguments, "onGameOver 1 -1".
    void onPauseChanged(int p) override { record("onPauseChanged", std::to_string(p)); }
    void onLevelStarted() override { record("onLevelStarted"); }
    void onGameOver(int reason, int rank) override {
        record("onGameOver", std::to_string(reason) + " " + std::to_string(rank));
    }
    void onLevelCompleted() override { record("onLevelCompleted"); }
    void onLifeLost() override { record("onLifeLost"); }
    void onGameEnding() override { record("onGameEnding"); }
    // Fills the whole buffer, unterminated when the name is long; answered.
    int askPlayerName(char* nameOut, int rank) override {
        record("askPlayerName", std::to_string(rank));
        std::strncpy(nameOut, playerName.c_str(), kNameBufferSize);
        return 1;
    }
    void showMessage(const char* text) override { record("showMessage", text); }
    void fatalError(const char* text) override { record("fatalError", text); }
    void showStatus(const char* text) override { record("showStatus", text); }

    // A level in play on an empty field: no ball, both bars idle, the
    // clocks at the current time, no hook calls recorded.
    void clearField(int lives = 3, int levelNumber = 1) {
        lvl = Level();
        lvl.LOVES = lives, lvl.NBLLS = levelNumber, lvl.SPEED = 1,
        lvl.SLVTM = lvl.LEVTM = clock.now;
        paused = releasedThisShot = horizontalBars = 0, gameRunning = 1, calls.clear();
    }
    Ball& addBall(int x, int y, int direction) {
        Ball& ball = lvl.balls[ballCount()];
        ball.X = x, ball.Y = y, ball.DRCT = direction, ball.endOfList = 0;
        return ball;
    }
    // A bar from cell (r0, c0) to (r1, c1): finished (its cells are walls,
    // the bar idle) or growing (its end on the far edge of the last cell).
    Bar& putBar(int index, int direction, int r0, int c0, int r1, int c1, int value = kCellWall) {
        Bar& bar = lvl.bars[index];
        bar.DRCT = direction, bar.RSTART = r0, bar.CSTART = c0, bar.REND = r1, bar.CEND = c1;
        bar.XSTART = cellX(c0), bar.YSTART = cellY(r0), bar.ACTIVE = value == kCellWall ? 1 : 0;
        bar.XEND = cellX(c1) + (direction == kRight ? cellWidth - 1 : 0);
        bar.YEND = cellY(r1) + (direction == kDown ? cellHeight - 1 : 0);
        for (int r = std::min(r0, r1); r <= std::max(r0, r1); ++r) {
            for (int c = std::min(c0, c1); c <= std::max(c0, c1); ++c) {
                lvl.grid[r][c] = value;
            }
        }
        return bar;
    }
    int ballCount() const {
        return static_cast<int>(
            std::find_if(lvl.balls, lvl.balls + kMaxBalls, [](auto& b) { return b.endOfList; }) -
            lvl.balls);
    }
    // Cells of `value` in rows r0..r1, columns c0..c1 (the whole field by default).
    int countCells(int value, int r0 = 0, int r1 = 99, int c0 = 0, int c1 = 99) const {
        int n = 0;
        for (int r = r0; r <= std::min(r1, rows - 1); ++r) {
            for (int c = c0; c <= std::min(c1, cols - 1); ++c) {
                n += lvl.grid[r][c] == value ? 1 : 0;
            }
        }
        return n;
    }
    void clickCell(int row, int col) { shoot(cellX(col) + 7, cellY(row) + 7); }
    void runTicks(int n, int msPerTick = 2) {
        for (int i = 0; i < n; ++i)
            clock.now += msPerTick, tick();
    }
    // The calls recorded that start with `prefix`.
    int count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(
            calls.begin(), calls.end(), [&](auto& call) { return call.rfind(prefix, 0) == 0; }));
    }

    Level& lvl = theLevel;
    WallOfFameTable fame;
    Names calls;
    // The level and the running flag as the last call of each hook saw them.
    struct Seen {
        Level level;
        int32_t running = 0;
    };
    std::map<std::string, Seen> seen;
    // Runs after a hook call is recorded, like a dialog's modal loop.
    std::function<void(const std::string& hook)> duringHook;
    std::string playerName = "Tester";

  private:
    void record(const std::string& hook, const std::string& arguments = "") {
        calls.push_back(arguments.empty() ? hook : hook + " " + arguments);
        seen[hook] = {lvl, gameRunning};
        if (duringHook)
            duringHook(hook);
    }
};

// The fixture of every test: one game as set up above.
struct Model : ::testing::Test {
    TestGame g;
};
