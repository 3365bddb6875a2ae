// A game for the model's tests: it records every hook call, owns its Level,
// a Wall of Fame table and a clock the test moves by hand, and can be set
// up the way the program's Game sets itself up.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/game_model.h"

class FakeClock : public GameClock {
  public:
    int32_t now = 0;
    int64_t calendar = 1;
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return calendar; }
};

// One hook call with the arguments it got and the state it saw.
struct HookCall {
    std::string name;
    int a = 0;
    int b = 0;
    std::string text;
    int32_t running = 0;  // GameModel::gameRunning
    int32_t lives = 0;
    int32_t levelNumber = 0;
    int32_t released = 0;  // CLDNE
    int32_t endReason = 0;
    double score = 0.0;
    int balls = 0;
};

class TestGame : public GameModel {
  public:
    // Sets up like the program's Game: 20 x 30 cells of 14 pixels at
    // (10, 10), ball radius 7, eight frames, its own Wall of Fame.
    TestGame() : TestGame(20, 30) {}
    TestGame(int rows, int cols);
    // A model with the constructor's defaults only.
    struct BareTag {};
    explicit TestGame(BareTag);

    // Re-lays the field out with the program's geometry.
    void setUpLikeGame(int rows, int cols);

    void onPauseChanged(int paused) override;
    void onLevelStarted() override;
    void onGameOver(int reason, int rank) override;
    void onLevelCompleted() override;
    void onLifeLost() override;
    void onGameEnding() override;
    int askPlayerName(char* nameOut, int rank) override;
    void showMessage(const char* text) override;
    void fatalError(const char* text) override;
    void showStatus(const char* text) override;

    // A level in play on an empty field: no ball, both bars idle, the
    // clocks at the current time.
    void clearField(int lives = 3, int levelNumber = 1);
    // Appends a ball to the list and keeps the list terminated.
    Ball& addBall(int x, int y, int direction);
    void setCell(int row, int col, int value) { lvl.grid[row][col] = value; }
    int cell(int row, int col) const { return lvl.grid[row][col]; }
    void wallRow(int row, int fromCol, int toCol);
    void wallColumn(int col, int fromRow, int toRow);
    // A bar that has finished: its cells are walls.
    Bar& finishedBar(int index, int direction, int rowStart, int colStart, int rowEnd, int colEnd);
    // A bar that grows: its cells hold 2 and its ends are consistent.
    Bar& growingBar(int index, int direction, int rowStart, int colStart, int rowEnd, int colEnd);

    int ballCount() const;
    int countCells(int value) const;
    // Clicks the middle of a cell.
    void clickCell(int row, int col);
    void runTicks(int n, int msPerTick = 0);

    std::vector<std::string> statuses() const;
    std::vector<std::string> hookNames() const;
    int count(const std::string& hook) const;
    const HookCall* last(const std::string& hook) const;
    void clearCalls() { calls.clear(); }

    Level lvl;
    FakeClock clk;
    WallOfFameTable fame;
    std::vector<HookCall> calls;
    // When false only the counters below are kept (long runs).
    bool keepCalls = true;
    int fatalCount = 0;
    int messageCount = 0;
    std::string lastFatal;
    std::string lastMessage;
    // Runs after a hook call is recorded, like the modal loop of a dialog
    // that the program shows from that hook.
    std::function<void(const std::string& hook)> duringHook;
    // What the player answers to the name question.
    int askAnswer = 1;
    std::string playerName = "Tester";

  private:
    void record(const char* name, int a = 0, int b = 0, const char* text = nullptr);
    int nextBall_ = 0;
};

// Field-by-field equality of two levels.
bool sameLevel(const Level& a, const Level& b, std::string* difference = nullptr);

// Points for n released cells as the score weighting defines them.
double pointsFor(int n, int speed, int grid, int rows, int cols);
