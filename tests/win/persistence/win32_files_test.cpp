// The platform's file operations under the saved games.
#include <gtest/gtest.h>

#include <string>

#include "persistence/saved_game.h"
#include "persistence/slots.h"
#include "persistence/win32_binding.h"
#include "tests/win/persistence/win_scratch.h"

namespace {

class Game : public GameModel {
  public:
    Game() {
        level = &theLevel;
        rows = 20;
        cols = 30;
        fieldLeft = 10;
        fieldTop = 10;
        ballRadius = 7;
        fieldRight = fieldLeft + cols * kCellPixels;
        fieldBottom = fieldTop + rows * kCellPixels;
        initGeometry();
    }
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

class FailingFiles : public Win32FileSystem {
  public:
    bool writeBytes(std::FILE* file, const char* data, size_t size) override {
        if (++writes == failWrite) {
            return false;
        }
        return Win32FileSystem::writeBytes(file, data, size);
    }
    int writes = 0;
    int failWrite = 0;
};

TEST(Win32Files, SavesIntoTheGamesFolderBesideTheProgramPath) {
    WinScratch scratch;
    char folder[kPathBufferSize];
    ASSERT_TRUE(buildSavedGamesFolder(scratch.path("zembal.exe").c_str(), folder, sizeof folder));
    EXPECT_EQ(std::string(folder), scratch.path("games"));
    char path[kPathBufferSize];
    ASSERT_TRUE(slotPath(folder, 9, path, sizeof path));
    EXPECT_EQ(std::string(path), scratch.path("games\\10.zmb"));

    Win32FileSystem files;
    Game game;
    game.newGame();
    SlotTable slots;
    ASSERT_TRUE(saveGameToSlot(slots, 9, "ten", folder, game, files, localDateNow()));
    const std::string first = readFile(path);
    ASSERT_FALSE(first.empty());
    // A second save replaces the first in place.
    game.level->SCORE = 1250;
    ASSERT_TRUE(saveGameToSlot(slots, 9, "ten again", folder, game, files, localDateNow()));
    EXPECT_NE(readFile(path), first);
    EXPECT_NE(readFile(path).find("SCORE:1250.000000\r\n"), std::string::npos);

    // The slot file's date is today's.
    FileDate date;
    ASSERT_TRUE(files.fileDate(path, &date));
    const FileDate today = localDateNow();
    EXPECT_EQ(date.day, today.day);
    EXPECT_EQ(date.month, today.month);
    EXPECT_EQ(date.year, today.year);
    EXPECT_EQ(openGameFromSlot(
                  9, folder, game, [] {}, files),
              ReadResult::kRead);
    DeleteFileA(path);
    RemoveDirectoryA(folder);
}

TEST(Win32Files, AFailingWriteLeavesTheOldFileByteIdentical) {
    WinScratch scratch;
    const std::string folder = scratch.path("games");
    Game game;
    game.newGame();
    Win32FileSystem plain;
    SlotTable slots;
    ASSERT_TRUE(saveGameToSlot(slots, 0, "old", folder.c_str(), game, plain, localDateNow()));
    const std::string path = folder + "\\1.zmb";
    const std::string old = readFile(path);
    FailingFiles counting;
    game.level->NBLLS = 4;
    game.startLevel();
    ASSERT_TRUE(writeGameFile(scratch.path("count.zmb").c_str(), game, counting));
    for (int n = 1; n <= counting.writes; ++n) {
        FailingFiles files;
        files.failWrite = n;
        EXPECT_FALSE(saveGameToSlot(slots, 0, "new", folder.c_str(), game, files, localDateNow()));
        EXPECT_EQ(readFile(path), old) << "write " << n;
        EXPECT_FALSE(plain.exists(path + ".tmp")) << "write " << n;
        EXPECT_STREQ(slots.slots[0].description, "old");
    }
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(Win32Files, ProgramPathAndSettingsFolder) {
    const std::string program = programFilePath();
    EXPECT_NE(program.find("persistence_win_tests"), std::string::npos) << program;
    Win32FileSystem files;
    const SettingsFiles settings = win32SettingsFiles(files);
    EXPECT_NE(settings.writePath.find("\\Zembal\\ts_zembal.ini"), std::string::npos)
        << settings.writePath;
    EXPECT_TRUE(files.exists(settings.writePath.substr(0, settings.writePath.rfind('\\'))));
}

}  // namespace
