// Shared pieces of the persistence tests: a game that records its hooks, a
// known game with the exact file the writer makes of it, a scratch folder
// and file helpers.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/silent_game.h"

class RecordingGame : public SilentGame {
  public:
    // The hooks a saved game can set off.
    void onLevelStarted() override { calls.push_back("onLevelStarted"); }
    void onGameOver(int, int) override { calls.push_back("onGameOver"); }
    void onLifeLost() override { calls.push_back("onLifeLost"); }
    void fatalError(const char* text) override { calls.push_back(text); }

    // The game's setFieldSize(-1, -1); the view's layout may then move the
    // field by (layoutShiftX, layoutShiftY).
    void recomputeGeometry() {
        calls.push_back("recomputeGeometry");
        placeField(fieldLeft + layoutShiftX, fieldTop + layoutShiftY);
    }

    // Every value the game holds that a saved game can touch.
    std::string snapshot() const;

    std::vector<std::string> calls;
    int layoutShiftX = 0;
    int layoutShiftY = 0;
};

// A 15 by 20 game at level 2: walls in two corners, a growing bar, a cell
// of -1, two balls, the clock at 6000.
void setUpSampleGame(RecordingGame& game);

// The file of that game, byte for byte.
std::string sampleSavedGame();

// The sample file with each (lines, replacement) applied in turn: the first
// run of whole lines equal to `lines` (CR LF between them) becomes
// `replacement`, or goes when it is empty. Fails the test when none matches.
using LineEdits = std::vector<std::pair<std::string, std::string>>;
std::string editedSample(const LineEdits& edits);

// A folder of its own under the system's temporary folder, removed again.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    std::string path(const std::string& name) const { return (root_ / name).string(); }
    // The names of the files in a folder below the scratch folder.
    std::vector<std::string> list(const std::string& folder) const;

  private:
    std::filesystem::path root_;
};

// The files of a folder of the fuzzers' corpus ("saved_game",
// "regressions/settings", ...).
std::vector<std::string> corpusFiles(const std::string& folder);

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
