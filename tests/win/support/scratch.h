// Files for the Win32 tests: a scratch folder per test, whole-file reads and
// writes, and a model-only game that answers every hook quietly.
#pragma once

#include <windows.h>

#include <string>

#include "model/game_model.h"

class WinScratch {
  public:
    WinScratch();
    ~WinScratch();
    WinScratch(const WinScratch&) = delete;
    WinScratch& operator=(const WinScratch&) = delete;
    std::string path(const std::string& name) const { return folder_ + "\\" + name; }

  private:
    std::string folder_;
};

void writeFile(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);

// A 20 x 30 field at (10, 10) with no window behind it.
class QuietGame : public GameModel {
  public:
    QuietGame();
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
    Level theLevel;
};
