// A save that fails anywhere never harms the previous save.
#include <gtest/gtest.h>

#include <string>

#include "persistence/saved_game.h"
#include "persistence/slots.h"
#include "tests/host/persistence/saved_game_samples.h"

namespace {

// Fails the n-th write, the close, the replace or the creation on demand.
class FailingFiles : public FileSystem {
  public:
    bool writeBytes(std::FILE* file, const char* data, size_t size) override {
        if (++writes == failWrite) {
            return false;
        }
        return FileSystem::writeBytes(file, data, size);
    }
    bool closeFile(std::FILE* file) override { return FileSystem::closeFile(file) && !failClose; }
    bool replaceFile(const std::string& source, const std::string& target) override {
        return !failReplace && FileSystem::replaceFile(source, target);
    }
    std::FILE* createFile(const std::string& path) override {
        return failCreate ? nullptr : FileSystem::createFile(path);
    }

    int writes = 0;
    int failWrite = 0;
    bool failClose = false;
    bool failReplace = false;
    bool failCreate = false;
};

class FailedSave : public testing::Test {
  protected:
    FailedSave() {
        // The previous save: another game in slot 1.
        RecordingGame previous;
        previous.newGame();
        FileSystem plain;
        SlotTable before;
        EXPECT_TRUE(saveGameToSlot(before, 0, "old", folderPath().c_str(), previous, plain,
                                   FileDate{1, 0, 2020}));
        slots = before;
        oldBytes = readBytes(slotFile());
        setUpSampleGame(game);
    }

    std::string folderPath() const { return folder.path("games"); }
    std::string slotFile() const { return folder.path("games/1.zmb"); }

    // The slot file, the slot record and the folder are as before the save.
    void expectNothingChanged(const std::string& what) {
        EXPECT_EQ(readBytes(slotFile()), oldBytes) << what;
        EXPECT_STREQ(slots.slots[0].description, "old") << what;
        EXPECT_EQ(slots.slots[0].year, 2020) << what;
        int entries = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folderPath())) {
            EXPECT_EQ(entry.path().filename(), "1.zmb") << what;
            ++entries;
        }
        EXPECT_EQ(entries, 1) << what;
    }

    bool save(FailingFiles& files) {
        return saveGameToSlot(slots, 0, "new", folderPath().c_str(), game, files,
                              FileDate{2, 1, 2026});
    }

    ScratchFolder folder;
    RecordingGame game;
    SlotTable slots;
    std::string oldBytes;
};

TEST_F(FailedSave, EveryFailingWriteLeavesTheOldFile) {
    FailingFiles counting;
    ASSERT_TRUE(writeGameFile(folder.path("count.zmb").c_str(), game, counting));
    const int writes = counting.writes;
    ASSERT_GT(writes, 40);  // a line per write: head, 15 rows, body, blocks
    std::filesystem::remove(folder.path("count.zmb"));
    for (int n = 1; n <= writes; ++n) {
        FailingFiles files;
        files.failWrite = n;
        EXPECT_FALSE(save(files)) << "write " << n;
        expectNothingChanged("write " + std::to_string(n));
    }
}

TEST_F(FailedSave, FailingCloseReplaceOrCreateLeavesTheOldFile) {
    FailingFiles close;
    close.failClose = true;
    EXPECT_FALSE(save(close));
    expectNothingChanged("close");
    FailingFiles replace;
    replace.failReplace = true;
    EXPECT_FALSE(save(replace));
    expectNothingChanged("replace");
    FailingFiles create;
    create.failCreate = true;
    EXPECT_FALSE(save(create));
    expectNothingChanged("create");
}

TEST_F(FailedSave, ASaveThatSucceedsReplacesFileAndRecord) {
    FailingFiles files;
    ASSERT_TRUE(save(files));
    EXPECT_EQ(readBytes(slotFile()), sampleSavedGame());
    EXPECT_STREQ(slots.slots[0].description, "new");
    EXPECT_EQ(slots.slots[0].level, 2);
    EXPECT_EQ(slots.slots[0].day, 2);
    EXPECT_EQ(slots.slots[0].month, 1);
    EXPECT_EQ(slots.slots[0].year, 2026);
}

}  // namespace
