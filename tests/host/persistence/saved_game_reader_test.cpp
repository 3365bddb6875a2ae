// The saved-game reader: the format's edge cases, and every file it must
// refuse leaves the game in play untouched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/ini_profile.h"
#include "persistence/saved_game.h"
#include "persistence/settings.h"
#include "tests/host/persistence/saved_game_samples.h"

namespace {

class SavedGameReader : public testing::Test {
  protected:
    SavedGameReader() {
        game.newGame();
        game.clock.now = 6000;
    }

    ReadResult open(const std::string& text) {
        const std::string path = folder.path("game.zmb");
        writeBytes(path, text);
        return readGameFile(
            path.c_str(), game, [this] { game.recomputeGeometry(); }, files, &error);
    }

    ScratchFolder folder;
    FileSystem files;
    RecordingGame game;
    SavedGameError error = SavedGameError::kNone;
};

TEST_F(SavedGameReader, MissingFileChangesNothing) {
    const std::string before = game.snapshot();
    EXPECT_EQ(readGameFile(
                  folder.path("none.zmb").c_str(), game, [] {}, files),
              ReadResult::kNotOpened);
    EXPECT_EQ(game.snapshot(), before);
}

TEST_F(SavedGameReader, RestartsTheLevelThenOverwritesIt) {
    ASSERT_EQ(open(sampleSavedGame()), ReadResult::kRead);
    // The geometry first, then a new game and the saved level's start.
    ASSERT_GE(game.calls.size(), 3u);
    EXPECT_EQ(game.calls[game.calls.size() - 3], "recomputeGeometry");
    EXPECT_EQ(game.calls[game.calls.size() - 2], "onLevelStarted 0 0");
    EXPECT_EQ(game.calls[game.calls.size() - 1], "onLevelStarted 0 0");
    EXPECT_EQ(GameModel::gameRunning, 1);
    EXPECT_EQ(game.paused, 0);
    EXPECT_EQ(game.cellsToComplete, 225);  // 15 x 20 at 75 percent
    const Level& lv = *game.level;
    EXPECT_EQ(lv.NBLLS, 2);
    EXPECT_EQ(lv.LOVES, 2);
    EXPECT_EQ(lv.SPEED, 1);
    EXPECT_EQ(lv.CLDNE, 17);
    EXPECT_EQ(lv.SLVTM, 1000);
    EXPECT_EQ(lv.LEVTM, 5000);
    EXPECT_EQ(lv.pausedTotal, 300);
    EXPECT_EQ(lv.SPSTM, 4000);
    EXPECT_EQ(lv.grid[0][0], 3);
    EXPECT_EQ(lv.grid[3][4], 2);
    EXPECT_EQ(lv.grid[7][7], 1);
    EXPECT_EQ(lv.bars[0].ACTIVE, 0);
    EXPECT_EQ(lv.bars[0].YEND, 40);
}

TEST_F(SavedGameReader, AnOpenedGamesSizeGridAndSpeedAreWhatTheSettingsKeep) {
    game.level->GRID = 0;
    ASSERT_EQ(open(sampleSavedGame()), ReadResult::kRead);
    IniProfile profile = IniProfile::fromText("");
    GameSettings settings;
    WallOfFameTable wallOfFame;
    SlotTable slots;
    saveSettings(profile, game, settings, wallOfFame, "", slots, "", files);
    for (const auto& [key, value] : {std::pair<const char*, const char*>{"Rows", "15"},
                                     {"Cols", "20"},
                                     {"Grid", "Yes"},
                                     {"Speed", "1"}}) {
        char text[32];
        profile.getString("General", key, "", text, sizeof text);
        EXPECT_STREQ(text, value) << key;
    }
}

TEST_F(SavedGameReader, LineFeedsAloneReadTheSame) {
    std::string text = sampleSavedGame();
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    ASSERT_EQ(open(text), ReadResult::kRead);
    EXPECT_EQ(game.level->SCORE, 1250.0);
    EXPECT_EQ(game.level->grid[14][5], -1);
    EXPECT_EQ(game.level->balls[1].X, 150);
}

struct GridCase {
    const char* line;
    int32_t before;
    int32_t after;
};

class GridLine : public SavedGameReader, public testing::WithParamInterface<GridCase> {};

TEST_P(GridLine, OnlyCapitalYOrNChangesTheFlag) {
    game.level->GRID = GetParam().before;
    ASSERT_EQ(open(replaceLine(sampleSavedGame(), "GRID:Y", GetParam().line)), ReadResult::kRead);
    EXPECT_EQ(game.level->GRID, GetParam().after) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Values, GridLine,
                         testing::Values(GridCase{"GRID:Y", 0, 1}, GridCase{"GRID:N", 1, 0},
                                         GridCase{"GRID:", 0, 0}, GridCase{"GRID:", 1, 1},
                                         GridCase{"GRID:y", 0, 0}, GridCase{"GRID:n", 1, 1},
                                         GridCase{"GRID", 1, 1}));

TEST_F(SavedGameReader, FewerBallBlocksLeaveTheLevelStartsBalls) {
    const std::string text = replaceLine(sampleSavedGame(), "NBLLS:2", "NBLLS:4");
    ASSERT_EQ(open(text), ReadResult::kRead);
    const Level& lv = *game.level;
    EXPECT_EQ(lv.NBLLS, 4);
    EXPECT_EQ(lv.balls[0].X, 80);
    EXPECT_EQ(lv.balls[1].X, 150);
    for (int i = 2; i < 4; ++i) {
        // Placed at random by the level start, inside the band of rows and
        // columns 5 to rows - 5 and cols - 5.
        EXPECT_EQ(lv.balls[i].endOfList, 0);
        EXPECT_GE(lv.balls[i].R, 5);
        EXPECT_LE(lv.balls[i].R, 10);
        EXPECT_EQ(lv.balls[i].X, game.fieldLeft + lv.balls[i].C * 14);
    }
    EXPECT_EQ(lv.balls[4].endOfList, 1);
}

TEST_F(SavedGameReader, ExtraBallBlocksFillEntriesOutOfPlay) {
    const std::string text = replaceLine(sampleSavedGame(), "NBLLS:2", "NBLLS:1");
    ASSERT_EQ(open(text), ReadResult::kRead);
    const Level& lv = *game.level;
    EXPECT_EQ(lv.NBLLS, 1);
    EXPECT_EQ(lv.balls[1].endOfList, 1);
    EXPECT_EQ(lv.balls[1].X, 150);
    EXPECT_EQ(lv.balls[1].DRCT, 4);
}

TEST_F(SavedGameReader, TheTwoLevtmLinesAreToldApartByOrder) {
    std::string text = replaceLine(sampleSavedGame(), "LEVTM:5000", "LEVTM:X");
    text = replaceLine(text, "LEVTM:300", "LEVTM:5000");
    text = replaceLine(text, "LEVTM:X", "LEVTM:300");
    ASSERT_EQ(open(text), ReadResult::kRead);
    EXPECT_EQ(game.level->LEVTM, 300);
    EXPECT_EQ(game.level->pausedTotal, 5000);
}

struct ClockCase {
    int32_t now;
    int32_t pausedTotal;
};

class SaveTime : public SavedGameReader, public testing::WithParamInterface<ClockCase> {};

TEST_P(SaveTime, CountsTheTimeSinceSavingAsPaused) {
    game.clock.now = GetParam().now;
    ASSERT_EQ(open(sampleSavedGame()), ReadResult::kRead);
    EXPECT_EQ(game.level->pausedTotal, GetParam().pausedTotal);
    // The playing time goes on from where it stood when the game was saved
    // (6000 - 1000 - 300 ms), whatever this run's clock reads.
    EXPECT_EQ(GetParam().now - game.level->SLVTM - game.level->pausedTotal, 4700);
}

INSTANTIATE_TEST_SUITE_P(Values, SaveTime,
                         testing::Values(ClockCase{6000, 300}, ClockCase{2000, -3700},
                                         ClockCase{9000, 3300}));

TEST_F(SavedGameReader, BodyStartsTheLevelAfresh) {
    // Lines before "<BODY>" that the level start resets are forgotten; the
    // speed, which it does not touch, stays.
    std::string text = insertAfter(sampleSavedGame(), "GRID:Y", "LOVES:9\r\nSPEED:2\r\n");
    text = replaceLine(text, "LOVES:2", "");
    text = replaceLine(text, "SPEED:1", "");
    ASSERT_EQ(open(text), ReadResult::kRead);
    EXPECT_EQ(game.level->LOVES, 2);
    EXPECT_EQ(game.level->SPEED, 2);
}

TEST_F(SavedGameReader, HeadAndBodyKeysActInsideBlocks) {
    std::string text = insertAfter(sampleSavedGame(), "XOLD:1", "SPEED:2\r\n");
    text = replaceLine(text, "SPEED:1", "");
    ASSERT_EQ(open(text), ReadResult::kRead);
    EXPECT_EQ(game.level->SPEED, 2);
    // "DRCT" in a ball block is the ball's, in a bar block the bar's.
    EXPECT_EQ(game.level->balls[0].DRCT, 7);
    EXPECT_EQ(game.level->bars[0].DRCT, 0);
}

TEST_F(SavedGameReader, IgnoresUnknownLinesAndBlocksPastTheTables) {
    std::string text = sampleSavedGame() + "<BAR>\r\nACTIVE:0\r\nDRCT:9\r\nNOISE\r\n\r\n";
    text = insertAfter(text, "<HEAD>", "COMMENT:hello\r\n\r\n");
    std::string extraBalls;
    for (int i = 0; i < 205; ++i) {
        extraBalls += "<BALL>\r\nX:-5\r\nDRCT:99\r\n";
    }
    text = insertAfter(text, "DRCT:4", extraBalls);
    ASSERT_EQ(open(text), ReadResult::kRead) << static_cast<int>(error);
    // Blocks 3 to 200 fill entries out of play; the rest are ignored.
    EXPECT_EQ(game.level->balls[0].X, 80);
    EXPECT_EQ(game.level->balls[199].X, -5);
    EXPECT_EQ(game.level->balls[199].endOfList, 1);
    EXPECT_EQ(game.level->bars[1].ACTIVE, 1);
}

TEST_F(SavedGameReader, FileWithoutCornerIsTakenAtTheCurrentField) {
    std::string text = replaceLine(sampleSavedGame(), "LEFT:10", "");
    text = replaceLine(text, "TOP:10", "");
    game.layoutShiftX = 14;
    ASSERT_EQ(open(text), ReadResult::kRead);
    // The field moved by 14 while opening; the balls moved with it.
    EXPECT_EQ(game.level->balls[0].X, 94);
}

// Every rule that refuses a file, each on its own, and the game in play
// untouched afterwards.
struct Rejection {
    const char* name;
    std::string text;
    SavedGameError error;
};

std::string withLine(const std::string& line, const std::string& replacement) {
    return replaceLine(sampleSavedGame(), line, replacement);
}

std::vector<Rejection> rejections() {
    const std::string base = sampleSavedGame();
    const std::string row = "DATA:00000000000000000000";
    return {
        {"rows and cols of two sizes", withLine("COLS:20", "COLS:30"),
         SavedGameError::kBadFieldSize},
        {"rows off the table", withLine("ROWS:15", "ROWS:50"), SavedGameError::kBadFieldSize},
        {"cols changed after the body", insertAfter(base, "SPEED:1", "COLS:30\r\n"),
         SavedGameError::kBadFieldSize},
        {"no ball count", withLine("NBLLS:2", ""), SavedGameError::kBadBallCount},
        {"ball count 0", withLine("NBLLS:2", "NBLLS:0"), SavedGameError::kBadBallCount},
        {"ball count 200", withLine("NBLLS:2", "NBLLS:200"), SavedGameError::kBadBallCount},
        {"ball count -1", withLine("NBLLS:2", "NBLLS:-1"), SavedGameError::kBadBallCount},
        {"ball count after the body",
         insertAfter(withLine("NBLLS:2", ""), "SPEED:1", "NBLLS:2\r\n"),
         SavedGameError::kBadBallCount},
        {"no body", withLine("<BODY>", ""), SavedGameError::kNoBody},
        {"a row missing", withLine(row, ""), SavedGameError::kBadDataRows},
        {"a row too many", insertAfter(base, row, row + "\r\n"), SavedGameError::kBadDataRows},
        {"a short row", withLine(row, "DATA:0000000000000000000"), SavedGameError::kShortDataRow},
        {"an empty row", withLine(row, "DATA:"), SavedGameError::kShortDataRow},
        {"ball on the left edge line", withLine("X:80", "X:17"), SavedGameError::kBallOutsideField},
        {"ball past the bottom", withLine("Y:100", "Y:215"), SavedGameError::kBallOutsideField},
        {"ball far outside", withLine("X:150", "X:-100000"), SavedGameError::kBallOutsideField},
        {"ball direction 8", withLine("DRCT:7", "DRCT:8"), SavedGameError::kBadBallDirection},
        {"ball direction -1", withLine("DRCT:4", "DRCT:-1"), SavedGameError::kBadBallDirection},
        {"growing bar direction 4", withLine("DRCT:0", "DRCT:4"), SavedGameError::kBadBarDirection},
        {"growing bar end row 15", withLine("REND:2", "REND:15"), SavedGameError::kBarOutsideField},
        {"growing bar start column -1", withLine("CSTART:6", "CSTART:-1"),
         SavedGameError::kBarOutsideField},
        {"idle bar made growing with cells outside",
         replaceLine(withLine("ACTIVE:1", "ACTIVE:0"), "REND:0", "REND:-3"),
         SavedGameError::kBarOutsideField},
        {"growing bar end above the field", withLine("YEND:40", "YEND:9"),
         SavedGameError::kBarOutsideField},
        {"growing bar start right of the field",
         replaceLine(withLine("XSTART:94", "XSTART:291"), "XEND:94", "XEND:291"),
         SavedGameError::kBarOutsideField},
        {"growing bar without its end", withLine("YEND:40", ""), SavedGameError::kBarOutsideField},
        {"a line of 512 characters", insertAfter(base, "<HEAD>", std::string(512, 'x') + "\r\n"),
         SavedGameError::kLineTooLong},
        {"a score that is not a number", withLine("SCORE:1250.000000", "SCORE:nan"),
         SavedGameError::kBadScore},
        {"a score beyond 32 bits", withLine("SCORE:1250.000000", "SCORE:1e300"),
         SavedGameError::kBadScore},
        {"a save time that overflows the paused total", withLine("SAVTM:6000", "SAVTM:-2147483648"),
         SavedGameError::kBadTime},
        {"a level start no clock can reach", withLine("SLVTM:1000", "SLVTM:-2147483000"),
         SavedGameError::kBadTime},
        {"released cells beyond the field", withLine("CLDNE:17", "CLDNE:301"),
         SavedGameError::kBadCounter},
        {"released cells below 0", withLine("CLDNE:17", "CLDNE:-1"), SavedGameError::kBadCounter},
        {"lives below 0", withLine("LOVES:2", "LOVES:-2147483648"), SavedGameError::kBadCounter},
        {"a position that would overflow when moved", withLine("XOLD:1", "XOLD:2147483647"),
         SavedGameError::kBadPosition},
        {"empty file", "", SavedGameError::kNoBody},
    };
}

TEST_F(SavedGameReader, RefusedFilesLeaveTheGameUntouched) {
    for (const Rejection& r : rejections()) {
        RecordingGame fresh;
        fresh.newGame();
        fresh.clock.now = 6000;
        const std::string before = fresh.snapshot();
        const std::string path = folder.path("bad.zmb");
        writeBytes(path, r.text);
        SavedGameError why = SavedGameError::kNone;
        EXPECT_EQ(readGameFile(
                      path.c_str(), fresh, [&] { fresh.recomputeGeometry(); }, files, &why),
                  ReadResult::kRejected)
            << r.name;
        EXPECT_EQ(why, r.error) << r.name;
        EXPECT_TRUE(fresh.snapshot() == before) << r.name;
    }
}

TEST_F(SavedGameReader, AcceptsTheLimitsThemselves) {
    // 511 characters, a ball one pixel inside each edge, an idle bar with
    // any values, a score of 0.
    std::string text = insertAfter(sampleSavedGame(), "<HEAD>", std::string(511, 'x') + "\r\n");
    text = replaceLine(text, "X:80", "X:18");
    text = replaceLine(text, "X:150", "X:282");
    text = replaceLine(text, "Y:100", "Y:212");
    text = replaceLine(text, "SIZE:0", "SIZE:-9");
    text = replaceLine(text, "REND:0", "REND:99");
    text = replaceLine(text, "SCORE:1250.000000", "SCORE:0");
    text = replaceLine(text, "CLDNE:17", "CLDNE:300");
    text = replaceLine(text, "LOVES:2", "LOVES:0");
    ASSERT_EQ(open(text), ReadResult::kRead) << static_cast<int>(error);
    EXPECT_EQ(game.level->balls[1].X, 282);
}

TEST_F(SavedGameReader, TooLargeFileIsRefusedUnread) {
    const std::string before = game.snapshot();
    const std::string padding(kMaxSavedGameBytes, '\n');
    EXPECT_EQ(open(sampleSavedGame() + padding), ReadResult::kRejected);
    EXPECT_EQ(error, SavedGameError::kTooLarge);
    EXPECT_EQ(game.snapshot(), before);
}

}  // namespace
