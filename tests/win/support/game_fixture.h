// The program's own frame, game view and Game with the real dialogs, run on
// a clock the test moves. The settings file is one of the test's own and the
// saved-game folder beside the test program is emptied before and after
// every test, so no test sees what another one left.
#pragma once

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "model/game_clock.h"
#include "presentation/game.h"
#include "tests/win/support/scratch.h"

class TestClock : public GameClock {
  public:
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return 1000; }
    int32_t now = 50000;
};

class GameFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds and shows the frame, which builds the Game: the settings are
    // read. Its timers are stopped so only the test moves the game.
    void startGame();
    // Destroys the frame, which destroys the Game: the settings are written.
    void endGame();
    Game& game() { return *theGame; }

    // A key of the settings file as the platform reads it; "<missing>"
    // when the key is not there.
    std::string setting(const char* section, const char* key) const;
    std::string slotFile(int index) const;
    static void pumpMessages();

    WinScratch scratch;
    TestClock clock;
    HWND frame = nullptr;
    HWND view = nullptr;
    static std::string settingsFile;

  private:
    static SettingsFiles testSettingsFiles(FileSystem&);
    void removeSlotFiles() const;
    std::string gamesFolder_;
};

// The same with the game started before each test.
class RunningGameTest : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        startGame();
    }
};
