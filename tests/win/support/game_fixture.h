// The program's own frame, game view and Game with the real dialogs, which
// the test answers through its dialog driver, on a clock the test moves;
// sounds are recorded instead of played. The settings file is one of the
// test's own, and the saved-game folder beside the test program is emptied
// before and after every test, so no test sees what another one left.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "presentation/game.h"
#include "tests/support/silent_game.h"
#include "tests/win/support/dialog_driver.h"
#include "tests/support/files.h"

// Dialog captions and box texts, as the dialog driver records them.
using Names = std::vector<std::string>;

class GameTest : public ::testing::Test {
  public:
    static std::string settingsFile;
    // Changes the field's size alone, as opening a saved game does.
    static void resizeField(Game& game, int rows, int cols);
    static std::vector<int> played;  // the WAVE resources played

  protected:
    // Starts the game on a settings file that does not exist yet.
    void SetUp() override;
    void TearDown() override;
    // Builds and shows the frame, which builds the Game: the settings are
    // read. Its timers are stopped so only the test moves the game.
    void startGame();
    // Destroys the frame, which destroys the Game: the settings are written.
    void endGame();
    Game& game() { return *theGame; }
    LRESULT toView(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(view, message, wParam, lParam);
    }
    // The centre of a cell, as a mouse message gives it.
    LPARAM cellPoint(int row, int col) { return MAKELPARAM(cellX(col) + 7, cellY(row) + 7); }
    HWND toolButton(const std::string& text) const;
    // The WAVE resources played since the last call.
    std::vector<int> takeSounds() { return std::exchange(played, {}); }
    // A key of the settings file as the platform reads it; "<missing>"
    // when the key is not there.
    std::string setting(const char* section, const char* key) const;
    std::string slotFile(int index) const;
    // Handles every message waiting, through the program's loop step.
    void pumpMessages();
    // The numbers separated by spaces.
    static std::string joined(std::initializer_list<int> numbers);

    // The one place where the tests read or set the Game's state directly;
    // everything else goes through its operations and window messages.
    Level& level() { return *game().currentLevel(); }
    int paused() { return game().isPaused() ? 1 : 0; }
    static void setRunning(int running) { gameRunning = running; }
    int cellX(int col) { return game().cellX(col); }
    int cellY(int row) { return game().cellY(row); }
    RECT field() {
        return {cellX(0), cellY(0), cellX(game().fieldCols()), cellY(game().fieldRows())};
    }
    // Display Options as "grid sound theme speed"; set as the dialog's OK
    // sets them, with the game timer that restarts stopped again.
    std::string displayChoice() {
        const DisplayOptions options = game().displayOptions();
        return joined({options.grid, options.sound, options.theme, options.speed});
    }
    void applyDisplayChoice(bool grid, bool sound, int theme, int speed) {
        game().applyDisplayOptions({grid, sound, theme, speed});
        KillTimer(view, kGameTimerId);
    }
    // Game Options as "percent rows cols goal" (the goal in cells).
    std::string fieldChoice() {
        const GameOptions options = game().gameOptions();
        return joined({options.percentToComplete, options.rows, options.cols, game().goalCells()});
    }
    void setFieldChoice(int percent, int rows, int cols) {
        game().applyGameOptions({percent, rows, cols});
    }
    // The game timer: ball step, bar step (pixels a tick) and period (ms).
    std::vector<int> gameTimer() {
        return {game().ballStepPixels(), game().barStepPixels(),
                static_cast<int>(game().gameTimerPeriodMs())};
    }
    // Ends the game for a reason, as the rules do in play.
    void endGameFor(int reason);
    // A slot's record, which a test may date back as if saved long ago.
    SavedGameSlot& slot(int index) {
        return const_cast<SavedGameSlot&>(game().savedGameSlots().slots[index]);
    }
    std::string statusPane();

    ManualClock clock;
    DialogDriver dialogs;
    HWND frame = nullptr, view = nullptr;
    HACCEL accelerators = nullptr;
};
