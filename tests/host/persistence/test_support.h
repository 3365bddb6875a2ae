// Shared pieces of the persistence tests: a game that records its hooks and
// runs on a clock the test sets, a scratch folder, and file helpers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/game_model.h"

class ManualClock : public GameClock {
  public:
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return 1000; }
    int32_t now = 0;
};

// Built as the game builds its model: 20 by 30 cells of 14 pixels at
// (10, 10), balls of radius 7.
class RecordingGame : public GameModel {
  public:
    RecordingGame();

    void onPauseChanged(int paused) override { record("onPauseChanged", paused); }
    void onLevelStarted() override { record("onLevelStarted"); }
    void onGameOver(int reason, int rank) override { record("onGameOver", reason, rank); }
    void onLevelCompleted() override { record("onLevelCompleted"); }
    void onLifeLost() override { record("onLifeLost"); }
    void onGameEnding() override { record("onGameEnding"); }
    int askPlayerName(char*, int rank) override {
        record("askPlayerName", rank);
        return 0;
    }
    void showMessage(const char* text) override {
        calls.push_back(std::string("showMessage ") + text);
    }
    void fatalError(const char* text) override {
        calls.push_back(std::string("fatalError ") + text);
    }
    void showStatus(const char* text) override {
        calls.push_back(std::string("showStatus ") + text);
    }

    // The game's setFieldSize(-1, -1); the view's layout may then move the
    // field by (layoutShiftX, layoutShiftY).
    void recomputeGeometry();

    // Every value the game holds that a saved game can touch, as text.
    std::string snapshot() const;

    Level theLevel;
    ManualClock clock;
    std::vector<std::string> calls;
    int layoutShiftX = 0;
    int layoutShiftY = 0;

  private:
    void record(const char* hook, int a = 0, int b = 0);
};

// A folder of its own under the system's temporary folder, removed again.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    std::string path(const std::string& name) const;
    const std::filesystem::path& root() const { return root_; }

  private:
    std::filesystem::path root_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
