// The rules and the state of play, free of any window. The model tells the
// player what happened only through its ten hooks, which the game derived
// from it implements.
#pragma once

#include <cstdint>
#include <functional>

#include "model/field_sizes.h"
#include "model/game_clock.h"
#include "model/level.h"
#include "model/process_state.h"
#include "model/random_generator.h"
#include "model/wall_of_fame.h"

// Why the last game ended.
enum EndReason : int32_t {
    kEndNoMoreBalls = 0,
    kEndNoMoreLives = 1,
    kEndTimeExpired = 2,
};

// Results of a ball's move attempt.
enum MoveResult : int32_t {
    kMoved = 0,
    kTouchesBar0 = 1,
    kTouchesBar1 = 2,
    kBlocked = 3,
    kAllBlocked = -1,
    kMoveFailed = -2,  // fatalError was reported
};

constexpr int kCellPixels = 14;

// The score as shown and as entered in the Wall of Fame: truncated toward
// zero, and held inside the 32-bit range whatever a saved file claimed.
int32_t truncatedScore(double score);
constexpr int kAnimationFrames = 8;
constexpr int kTimeLimitSeconds = 120;

class GameModel {
  public:
    GameModel();
    virtual ~GameModel() = default;
    GameModel(const GameModel&) = delete;
    GameModel& operator=(const GameModel&) = delete;

    // The hooks, in slot order.
    virtual void onPauseChanged(int paused) = 0;
    virtual void onLevelStarted() = 0;
    virtual void onGameOver(int reason, int rank) = 0;
    virtual void onLevelCompleted() = 0;
    virtual void onLifeLost() = 0;
    virtual void onGameEnding() = 0;
    virtual int askPlayerName(char* nameOut, int rank) = 0;
    virtual void showMessage(const char* text) = 0;
    virtual void fatalError(const char* text) = 0;
    virtual void showStatus(const char* text) = 0;

    // Set-up and geometry.
    void initGeometry();
    void computeCellsToComplete();
    void setFrameCount(int n);
    void startLevel();
    // Moves the field rectangle and every ball and bar with it, so play
    // goes on unchanged when the view lays the field out anew.
    void moveFieldTo(int left, int top, int right, int bottom);

    // Conversions: pixel to cell truncates a double-precision division.
    int rowOf(int y) const;
    int colOf(int x) const;
    int cellX(int col) const { return fieldLeft + col * cellWidth; }
    int cellY(int row) const { return fieldTop + row * cellHeight; }
    bool isInField(int row, int col) const {
        return row >= 0 && row < rows && col >= 0 && col < cols;
    }
    int percentDone() const;
    int elapsedSeconds() const;

    // The player's click at a pixel: launches a pair of bars from its cell.
    void shoot(int x, int y);

    // One tick of play, and the flow between levels and games.
    void tick();
    void newGame();
    void setPaused(int p);
    void togglePause();
    // The level a save holds: while a completed level waits for the next
    // one (its hook is running), `use` sees the next level set up as it
    // will start, its balls placed from a copy of the generator, so they
    // are where they will be; the finished level comes back afterwards.
    // Otherwise, or with no level to follow, `use` sees the level as it is.
    void withLevelToPlay(const std::function<void()>& use);

    // Seams for tests and for the program's real time.
    void setClock(GameClock& clock) { clock_ = &clock; }
    GameClock& clock() const { return *clock_; }
    void seedGenerator(uint32_t seed) { random_.seed(seed); }
    RandomGenerator& generator() { return random_; }
    // True once fatalError was reported; the model then changes nothing more.
    bool failed() const { return failed_; }

    // What the other layers read and set of the state of play: the level's
    // records (the saved-game file's fields), the field's size and corner,
    // the goal, and how the last game ended.
    Level* currentLevel() const { return level; }
    int32_t fieldRows() const { return rows; }
    int32_t fieldCols() const { return cols; }
    // Only the size: the caller recomputes the geometry afterwards.
    void setFieldCells(int32_t newRows, int32_t newCols) {
        rows = newRows;
        cols = newCols;
    }
    int32_t fieldCornerX() const { return fieldLeft; }
    int32_t fieldCornerY() const { return fieldTop; }
    int32_t ballRadiusPixels() const { return ballRadius; }
    int32_t goalPercent() const { return percentToComplete; }
    // The cells to release for the goal.
    int32_t goalCells() const { return cellsToComplete; }
    // Pixels a ball and a growing bar move a tick.
    int32_t ballStepPixels() const { return ballStep; }
    int32_t barStepPixels() const { return barStep; }
    void setGoalPercent(int32_t percent) { percentToComplete = percent; }
    bool isPaused() const { return paused != 0; }
    int32_t lastEndReason() const { return endReason; }
    // The score as shown and entered in the Wall of Fame.
    int32_t shownScore() const { return truncatedScore(level->SCORE); }

  protected:
    // The steps of a tick.
    int moveBalls();
    int moveBall(Ball& ball);
    int tryMove(Ball& ball, int direction);
    bool isPointInBar(const Bar& bar, int x, int y) const;
    int setBarTo(Bar& bar, int value);
    int ballMeetsBar(Bar* bar);
    int releaseChambers(const Bar& bar);
    void defineCellForBalls();
    bool hasLabelledNeighbour(int label, int row, int col) const;
    int joinCell(int label, int row, int col);
    int setChamber(int label, int row, int col);
    int fillChamber(int label, int row, int col);
    void addScore(int n);
    void completeLevel();
    void endGame(int reason);

    int32_t timeLimit = kTimeLimitSeconds;
    WallOfFameTable* wallOfFame = nullptr;
    int32_t paused = 0;
    int32_t frameCount = 0;
    int32_t frameTick = 0;
    int32_t cellsToComplete = 0;
    int32_t percentToComplete = kDefaultPercentToComplete;
    int32_t endReason = 0;
    int32_t chamberLabels[kMaxRows][kMaxCols] = {};
    int32_t releasedThisShot = 0;
    Level* level = nullptr;
    int32_t barStep = 1;
    int32_t ballStep = 1;
    int32_t frame = 0;
    int32_t horizontalBars = 0;
    int32_t ballRadius = 3;
    int32_t rows = 50;
    int32_t cols = 50;
    int32_t fieldLeft = 0, fieldTop = 0, fieldRight = 0, fieldBottom = 0;
    int32_t cellWidth = 0, cellHeight = 0;
    int32_t ticksPerFrame = 10;

    // Reports an internal inconsistency through fatalError and marks the
    // model as failed, so every caller up the chain stops.
    void fail(const char* text);

  private:
    friend struct Bar;

    // The next level's records as startLevel sets them, without its hooks;
    // false when no level follows.
    bool setUpNextLevel();
    void placeBall(Ball& ball);
    int barEndCell(const Bar& bar, int* row, int* col) const;
    void seedChamber(int row, int col, int* nextLabel);

    // Per call of releaseChambers: whether a ball touches chamber L. Each
    // cell of a bar yields at most two seeds.
    static constexpr int kMaxChambers = 2 * (kMaxRows > kMaxCols ? kMaxRows : kMaxCols);
    int32_t chamberTouched_[kMaxChambers + 1] = {};
    // True while completeLevel's hook runs, before the next level starts.
    bool levelCompleted_ = false;

    StoppedClock stoppedClock_;
    GameClock* clock_ = &stoppedClock_;
    RandomGenerator random_;
    bool failed_ = false;
};
