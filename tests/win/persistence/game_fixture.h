// A real frame with its game view and Game, run with the real dialogs, a
// settings file of the test's own and the saved-game folder beside the test
// program, emptied before and after every test.
#pragma once

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "presentation/game.h"
#include "tests/win/persistence/win_scratch.h"

class GameFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the frame, which builds the Game: the settings are read.
    void startGame();
    // Destroys the frame, which destroys the Game: the settings are written.
    void endGame();
    Game& game() { return *theGame; }

    // A key of the settings file as the platform reads it; "<missing>"
    // when the key is not there.
    std::string setting(const char* section, const char* key) const;
    std::string slotFile(int index) const;
    // Handles every message waiting for this thread.
    static void pumpMessages();

    WinScratch scratch;
    HWND frame = nullptr;
    static std::string settingsFile;

  private:
    static SettingsFiles testSettingsFiles(FileSystem&);
    void removeSlotFiles() const;
    std::string gamesFolder;
};
