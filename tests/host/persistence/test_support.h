// Shared pieces of the persistence tests: a game that records its hooks, a
// test with a scratch folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "persistence/file_system.h"
#include "tests/support/files.h"
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

// A test with a folder of its own under the system's temporary folder.
class ScratchTest : public testing::Test {
  protected:
    ScratchTest() { std::filesystem::create_directories(root_); }
    ~ScratchTest() override { std::filesystem::remove_all(root_); }
    std::string path(const std::string& name) const { return (root_ / name).string(); }

    FileSystem files;

  private:
    const std::filesystem::path root_ =
        std::filesystem::temp_directory_path() / ("zembal-pers-" + std::to_string(getpid()));
};
