// The platform's file operations under the saved games.
#include <gtest/gtest.h>

#include <string>

#include "persistence/saved_game.h"
#include "persistence/slots.h"
#include "persistence/win32_binding.h"
#include "tests/support/silent_game.h"
#include "tests/win/support/scratch.h"

namespace {

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

TEST(Win32Files, SlotFilesLiveInTheGamesFolderBesideTheProgram) {
    EXPECT_NE(programFilePath().find("\\persistence_win_tests.exe"), std::string::npos);
    WinScratch scratch;
    char folder[kPathBufferSize];
    ASSERT_TRUE(buildSavedGamesFolder(scratch.path("zembal.exe").c_str(), folder, sizeof folder));
    EXPECT_EQ(std::string(folder), scratch.path("games"));
    char path[kPathBufferSize];
    ASSERT_TRUE(slotPath(folder, 9, path, sizeof path));
    EXPECT_EQ(std::string(path), scratch.path("games\\10.zmb"));

    // The folder is made by the first save; a second save replaces the file.
    Win32FileSystem files;
    SilentGame game;
    game.newGame();
    SlotTable slots;
    ASSERT_TRUE(saveGameToSlot(slots, 9, "ten", folder, game, files, localDateNow()));
    game.level->SCORE = 1250;
    ASSERT_TRUE(saveGameToSlot(slots, 9, "ten again", folder, game, files, localDateNow()));
    EXPECT_NE(readFile(path).find("SCORE:1250.000000\r\n"), std::string::npos);
    FileDate date;
    ASSERT_TRUE(files.fileDate(path, &date));
    const FileDate today = localDateNow();
    EXPECT_EQ(std::to_string(date.day) + "-" + std::to_string(date.month) + "-" +
                  std::to_string(date.year),
              std::to_string(today.day) + "-" + std::to_string(today.month) + "-" +
                  std::to_string(today.year));
    EXPECT_EQ(openGameFromSlot(
                  9, folder, game, [] {}, files),
              ReadResult::kRead);
    DeleteFileA(path);
    RemoveDirectoryA(folder);
}

// Whichever write of the new file fails, the old file stays byte for byte,
// no temporary file is left and the slot keeps its record.
TEST(Win32Files, AFailingWriteLeavesTheOldFileByteIdentical) {
    WinScratch scratch;
    const std::string folder = scratch.path("games");
    SilentGame game;
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
    ASSERT_GT(counting.writes, 10);
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

}  // namespace
