// Shared pieces of the persistence tests: a game that records its hooks, a
// test with a scratch folder of its own.
#pragma once

#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/scratch_test.h"
#include "tests/support/viewed_game.h"

class RecordingGame : public ViewedGame {
  public:
    void onLevelStarted() override { calls.push_back("onLevelStarted"); }
    void recomputeGeometry() override {
        calls.push_back("recomputeGeometry");
        ViewedGame::recomputeGeometry();
    }

    std::vector<std::string> calls;
};
