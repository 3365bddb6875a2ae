// The saved-game writer: the exact bytes of a known game, and the round trip.
#include <gtest/gtest.h>

#include <string>

#include "persistence/saved_game.h"
#include "tests/host/persistence/saved_game_samples.h"

namespace {

TEST(SavedGameWriter, WritesTheKnownGameByteForByte) {
    ScratchFolder folder;
    FileSystem files;
    RecordingGame game;
    setUpSampleGame(game);
    const std::string path = folder.path("games/1.zmb");
    ASSERT_TRUE(writeGameFile(path.c_str(), game, files));
    EXPECT_EQ(readBytes(path), sampleSavedGame());
    // The folder was created, and nothing else is left in it.
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path("games"))) {
        EXPECT_EQ(entry.path().filename(), "1.zmb");
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(SavedGameWriter, WritesOneBlockPerBallInPlayAndAlwaysTwoBars) {
    ScratchFolder folder;
    FileSystem files;
    RecordingGame game;
    game.level->NBLLS = 2;
    game.startLevel();  // level 3: three balls, no bar growing
    const std::string path = folder.path("3.zmb");
    ASSERT_TRUE(writeGameFile(path.c_str(), game, files));
    const std::string text = readBytes(path);
    const auto count = [&](const std::string& line) {
        int n = 0;
        for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(count("<BALL>\r\n"), 3);
    EXPECT_EQ(count("<BAR>\r\n"), 2);
    EXPECT_EQ(count("\nDATA:"), 20);
    EXPECT_EQ(count("\nLEVTM:"), 2);
    EXPECT_EQ(count("GRID:Y\r\n"), 1);
    // Every line ends in CR LF.
    EXPECT_EQ(count("\n"), count("\r\n"));
}

TEST(SavedGameWriter, HiddenGridIsN) {
    ScratchFolder folder;
    FileSystem files;
    RecordingGame game;
    setUpSampleGame(game);
    game.level->GRID = 0;
    const std::string path = folder.path("g.zmb");
    ASSERT_TRUE(writeGameFile(path.c_str(), game, files));
    EXPECT_EQ(readBytes(path), replaceLine(sampleSavedGame(), "GRID:Y", "GRID:N"));
}

TEST(SavedGameWriter, ReadingBackGivesTheSameFile) {
    ScratchFolder folder;
    FileSystem files;
    RecordingGame saved;
    setUpSampleGame(saved);
    const std::string first = folder.path("first.zmb");
    ASSERT_TRUE(writeGameFile(first.c_str(), saved, files));

    RecordingGame opened;  // 20 by 30, another game in play
    opened.newGame();
    opened.clock.now = 6000;
    ASSERT_EQ(readGameFile(
                  first.c_str(), opened, [&] { opened.recomputeGeometry(); }, files),
              ReadResult::kRead);
    EXPECT_EQ(opened.rows, 15);
    EXPECT_EQ(opened.cols, 20);
    EXPECT_EQ(opened.level->SCORE, 1250.0);
    EXPECT_EQ(opened.level->grid[14][5], -1);
    EXPECT_EQ(opened.level->balls[2].endOfList, 1);
    const std::string second = folder.path("second.zmb");
    ASSERT_TRUE(writeGameFile(second.c_str(), opened, files));
    EXPECT_EQ(readBytes(second), readBytes(first));
}

TEST(SavedGameWriter, PositionsFollowAFieldThatMoved) {
    ScratchFolder folder;
    FileSystem files;
    RecordingGame saved;
    setUpSampleGame(saved);
    const std::string path = folder.path("moved.zmb");
    ASSERT_TRUE(writeGameFile(path.c_str(), saved, files));

    RecordingGame opened;
    opened.clock.now = 6000;
    opened.layoutShiftX = 30;  // the field of this run sits 30 pixels right, 5 down
    opened.layoutShiftY = 5;
    ASSERT_EQ(readGameFile(
                  path.c_str(), opened, [&] { opened.recomputeGeometry(); }, files),
              ReadResult::kRead);
    ASSERT_EQ(opened.fieldLeft, 40);
    const Level& lv = *opened.level;
    EXPECT_EQ(lv.balls[0].X, 110);
    EXPECT_EQ(lv.balls[0].Y, 95);
    EXPECT_EQ(lv.balls[1].X, 180);
    EXPECT_EQ(lv.bars[0].XSTART, 124);
    EXPECT_EQ(lv.bars[0].XEND, 124);
    EXPECT_EQ(lv.bars[0].YSTART, 57);
    EXPECT_EQ(lv.bars[0].YEND, 45);
    // Cells do not move.
    EXPECT_EQ(lv.bars[0].RSTART, 3);
    EXPECT_EQ(lv.balls[0].R, 5);
}

}  // namespace
