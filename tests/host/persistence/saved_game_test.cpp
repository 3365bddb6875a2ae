// The saved-game file: the exact bytes the writer makes, what the reader
// takes from a file, every file it refuses, saves that fail midway, and the
// fuzzers' corpus.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "persistence/saved_game.h"
#include "persistence/slots.h"
#include "tests/host/persistence/test_support.h"

namespace {

class SavedGame : public testing::Test {
  protected:
    SavedGame() {
        game.newGame();
        game.clock.now = 6000;
    }

    ReadResult open(const std::string& text, RecordingGame& into) {
        const std::string path = folder.path("game.zmb");
        writeBytes(path, text);
        return readGameFile(
            path.c_str(), into, [&into] { into.recomputeGeometry(); }, files, &error);
    }
    std::string write(const RecordingGame& from, const std::string& name = "out.zmb") {
        EXPECT_TRUE(writeGameFile(folder.path(name).c_str(), from, files)) << name;
        return readBytes(folder.path(name));
    }

    ScratchFolder folder;
    FileSystem files;
    RecordingGame game;  // 20 by 30, a new game in play
    SavedGameError error = SavedGameError::kNone;
};

TEST_F(SavedGame, TheKnownGameIsWrittenByteForByteAndReadsBackTheSame) {
    RecordingGame saved;
    setUpSampleGame(saved);
    EXPECT_EQ(write(saved, "games/1.zmb"), sampleSavedGame());
    // The folder was created, and no temporary file is left in it.
    EXPECT_EQ(folder.list("games"), std::vector<std::string>{"1.zmb"});
    saved.level->GRID = 0;
    EXPECT_EQ(write(saved), editedSample({{"GRID:Y", "GRID:N"}}));

    ASSERT_EQ(open(sampleSavedGame(), game), ReadResult::kRead);
    // The geometry first, then a new game and the saved level's start.
    const std::vector<std::string> lastCalls(game.calls.end() - 3, game.calls.end());
    EXPECT_EQ(lastCalls,
              (std::vector<std::string>{"recomputeGeometry", "onLevelStarted", "onLevelStarted"}));
    EXPECT_EQ(gameRunning, 1);
    EXPECT_EQ(game.paused, 0);
    EXPECT_EQ(game.cellsToComplete, 225);  // 15 x 20 at 75 percent
    EXPECT_EQ(write(game), sampleSavedGame());
}

TEST_F(SavedGame, WritesOneBlockPerBallInPlayAndAlwaysTwoBars) {
    game.level->NBLLS = 2;
    game.startLevel();  // level 3: three balls, no bar growing
    const std::string text = write(game);
    std::string counts;
    for (const char* line : {"<BALL>\r\n", "<BAR>\r\n", "\nDATA:", "\nLEVTM:", "\n", "\r\n"}) {
        int n = 0;
        for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) {
            ++n;
        }
        counts += std::to_string(n) + " ";
    }
    // 8 head lines, 20 rows, 10 body lines, 3 balls of 10 lines, 2 bars of 12.
    EXPECT_EQ(counts, "3 2 20 2 92 92 ");
}

// What a test of the reader looks at, as "name values |" fields.
std::string summary(const RecordingGame& g) {
    const Level& lv = *g.level;
    const Ball &b0 = lv.balls[0], &b1 = lv.balls[1], &b199 = lv.balls[199];
    const Bar& bar = lv.bars[0];
    std::ostringstream out;
    out << "GRID " << lv.GRID << " | SPEED " << lv.SPEED << " | LOVES " << lv.LOVES << " | NBLLS "
        << lv.NBLLS << " | SCORE " << lv.SCORE << " | LEVTM " << lv.LEVTM << " | paused "
        << lv.pausedTotal << " | cell " << lv.grid[14][5] << " | ball0 " << b0.X << ' ' << b0.Y
        << ' ' << b0.R << ' ' << b0.DRCT << " | ball1 " << b1.X << ' ' << b1.Y << ' ' << b1.DRCT
        << ' ' << b1.endOfList << " | ball199 " << b199.X << ' ' << b199.endOfList << " | bar0 "
        << bar.XSTART << ' ' << bar.YSTART << ' ' << bar.XEND << ' ' << bar.YEND << ' '
        << bar.RSTART << ' ' << bar.DRCT << " | bar1 " << lv.bars[1].ACTIVE << " |";
    return out.str();
}

struct ReadCase {
    const char* name;
    std::string text;
    int32_t now;
    int32_t gridBefore;
    int shiftX;
    int shiftY;
    const char* expected;  // fields of the summary, each followed by " |"
};

std::vector<ReadCase> readCases() {
    const std::string sample = sampleSavedGame();
    std::string lineFeeds = sample;
    for (size_t at = lineFeeds.find('\r'); at != std::string::npos; at = lineFeeds.find('\r')) {
        lineFeeds.erase(at, 1);
    }
    std::string extraBalls = "DRCT:4";
    for (int i = 0; i < 205; ++i) {
        extraBalls += "\r\n<BALL>\r\nX:-5\r\nDRCT:99";
    }
    const std::string extraBar = "ACTIVE:1\r\nDRCT:0\r\n<BAR>\r\nACTIVE:0\r\nDRCT:9\r\nNOISE\r\n";
    // clang-format off
    return {
        {"the sample", sample, 6000, 0, 0, 0,
         "GRID 1 | SPEED 1 | LOVES 2 | NBLLS 2 | SCORE 1250 | LEVTM 5000 | paused 300 | cell -1 | "
         "ball0 80 90 5 7 | ball1 150 100 4 0 | ball199 0 1 | bar0 94 52 94 40 3 0 | bar1 1 |"},
        {"line feeds alone", lineFeeds, 6000, 0, 0, 0,
         "SCORE 1250 | cell -1 | ball1 150 100 4 0 | bar0 94 52 94 40 3 0 |"},
        {"GRID:N", editedSample({{"GRID:Y", "GRID:N"}}), 6000, 1, 0, 0, "GRID 0 |"},
        {"GRID: keeps 0", editedSample({{"GRID:Y", "GRID:"}}), 6000, 0, 0, 0, "GRID 0 |"},
        {"GRID: keeps 1", editedSample({{"GRID:Y", "GRID:"}}), 6000, 1, 0, 0, "GRID 1 |"},
        {"GRID:y", editedSample({{"GRID:Y", "GRID:y"}}), 6000, 0, 0, 0, "GRID 0 |"},
        {"GRID:n", editedSample({{"GRID:Y", "GRID:n"}}), 6000, 1, 0, 0, "GRID 1 |"},
        {"GRID", editedSample({{"GRID:Y", "GRID"}}), 6000, 1, 0, 0, "GRID 1 |"},
        {"more ball blocks than NBLLS fill entries out of play",
         editedSample({{"NBLLS:2", "NBLLS:1"}}), 6000, 0, 0, 0, "NBLLS 1 | ball1 150 100 4 1 |"},
        {"the two LEVTM lines are told apart by order",
         editedSample({{"LEVTM:5000\r\nLEVTM:300", "LEVTM:300\r\nLEVTM:5000"}}), 6000, 0, 0, 0,
         "LEVTM 300 | paused 5000 |"},
        // The time since saving counts as paused: the playing time goes on
        // from 6000 - 1000 - 300 ms whatever this run's clock reads.
        {"SAVTM, earlier clock", sample, 2000, 0, 0, 0, "LEVTM 5000 | paused -3700 |"},
        {"SAVTM, later clock", sample, 9000, 0, 0, 0, "LEVTM 5000 | paused 3300 |"},
        {"<BODY> forgets what the level start resets, not the speed",
         editedSample({{"GRID:Y", "GRID:Y\r\nLOVES:9\r\nSPEED:2"}, {"LOVES:2", ""}, {"SPEED:1", ""}}),
         6000, 0, 0, 0, "SPEED 2 | LOVES 2 |"},
        {"head and body keys act inside blocks; DRCT is the block's",
         editedSample({{"XOLD:1", "XOLD:1\r\nSPEED:2"}, {"SPEED:1", ""}}), 6000, 0, 0, 0,
         "SPEED 2 | ball0 80 90 5 7 | bar0 94 52 94 40 3 0 |"},
        {"unknown lines, and blocks past the tables, are ignored",
         editedSample({{"<HEAD>", "<HEAD>\r\nCOMMENT:hello\r\n"}, {"DRCT:4", extraBalls},
                       {"ACTIVE:1\r\nDRCT:0", extraBar}}), 6000, 0, 0, 0,
         "ball0 80 90 5 7 | ball199 -5 1 | bar1 1 |"},
        {"positions follow a field that moved", sample, 6000, 0, 30, 5,
         "ball0 110 95 5 7 | ball1 180 105 4 0 | bar0 124 57 124 45 3 0 |"},
        {"a file without the corner is taken at the field before opening",
         editedSample({{"LEFT:10", ""}, {"TOP:10", ""}}), 6000, 0, 14, 0, "ball0 94 90 5 7 |"},
        {"the limits themselves are accepted",
         editedSample({{"<HEAD>", "<HEAD>\r\n" + std::string(511, 'x')}, {"X:80", "X:18"},
                       {"X:150", "X:282"}, {"Y:100", "Y:212"}, {"SIZE:0", "SIZE:-9"},
                       {"REND:0", "REND:99"}, {"SCORE:1250.000000", "SCORE:0"},
                       {"CLDNE:17", "CLDNE:300"}, {"LOVES:2", "LOVES:0"}}), 6000, 0, 0, 0,
         "LOVES 0 | SCORE 0 | ball0 18 90 5 7 | ball1 282 212 4 0 |"},
    };
    // clang-format on
}

TEST_F(SavedGame, ReadsWhatTheFileSays) {
    for (const ReadCase& c : readCases()) {
        RecordingGame into;
        into.newGame();
        into.clock.now = c.now;
        into.level->GRID = c.gridBefore;
        into.layoutShiftX = c.shiftX;
        into.layoutShiftY = c.shiftY;
        ASSERT_EQ(open(c.text, into), ReadResult::kRead) << c.name << " " << int(error);
        const std::string actual = "| " + summary(into);
        std::istringstream fields(std::string(" ") + c.expected);
        for (std::string field; std::getline(fields, field, '|');) {
            if (field.find_first_not_of(' ') != std::string::npos) {
                EXPECT_NE(actual.find("|" + field + "|"), std::string::npos)
                    << c.name << ": " << field << " in " << actual;
            }
        }
    }
}

TEST_F(SavedGame, FewerBallBlocksThanNbllsLeaveTheLevelStartsBalls) {
    ASSERT_EQ(open(editedSample({{"NBLLS:2", "NBLLS:4"}}), game), ReadResult::kRead);
    const Level& lv = *game.level;
    EXPECT_EQ(lv.NBLLS, 4);
    EXPECT_EQ(lv.balls[1].X, 150);
    for (int i = 2; i < 4; ++i) {
        // Placed at random by the level start, in rows 5 to rows - 5.
        EXPECT_EQ(lv.balls[i].endOfList, 0);
        EXPECT_GE(lv.balls[i].R, 5);
        EXPECT_LE(lv.balls[i].R, 10);
        EXPECT_EQ(lv.balls[i].X, game.fieldLeft + lv.balls[i].C * 14);
    }
    EXPECT_EQ(lv.balls[4].endOfList, 1);
}

struct Rejection {
    std::string what;
    std::string text;
    SavedGameError error;
};

Rejection rejected(const LineEdits& edits, SavedGameError error) {
    std::string what;
    for (const auto& [lines, replacement] : edits) {
        what += lines + " -> " + replacement.substr(0, 40) + "; ";
    }
    return {what, editedSample(edits), error};
}

std::vector<Rejection> rejections() {
    using E = SavedGameError;
    const std::string row = "DATA:00000000000000000000";
    return {
        rejected({{"COLS:20", "COLS:30"}}, E::kBadFieldSize),
        rejected({{"ROWS:15", "ROWS:50"}}, E::kBadFieldSize),
        rejected({{"SPEED:1", "SPEED:1\r\nCOLS:30"}}, E::kBadFieldSize),
        rejected({{"NBLLS:2", ""}}, E::kBadBallCount),
        rejected({{"NBLLS:2", "NBLLS:0"}}, E::kBadBallCount),
        rejected({{"NBLLS:2", "NBLLS:200"}}, E::kBadBallCount),
        rejected({{"NBLLS:2", "NBLLS:-1"}}, E::kBadBallCount),
        rejected({{"NBLLS:2", ""}, {"SPEED:1", "SPEED:1\r\nNBLLS:2"}}, E::kBadBallCount),
        rejected({{"<BODY>", ""}}, E::kNoBody),
        {"empty file", "", E::kNoBody},
        rejected({{row, ""}}, E::kBadDataRows),
        rejected({{row, row + "\r\n" + row}}, E::kBadDataRows),
        rejected({{row, "DATA:0000000000000000000"}}, E::kShortDataRow),
        rejected({{row, "DATA:"}}, E::kShortDataRow),
        rejected({{"X:80", "X:17"}}, E::kBallOutsideField),  // on the left edge line
        rejected({{"Y:100", "Y:215"}}, E::kBallOutsideField),
        rejected({{"X:150", "X:-100000"}}, E::kBallOutsideField),
        rejected({{"DRCT:7", "DRCT:8"}}, E::kBadBallDirection),
        rejected({{"DRCT:4", "DRCT:-1"}}, E::kBadBallDirection),
        rejected({{"DRCT:0", "DRCT:4"}}, E::kBadBarDirection),
        rejected({{"REND:2", "REND:15"}}, E::kBarOutsideField),
        rejected({{"CSTART:6", "CSTART:-1"}}, E::kBarOutsideField),
        rejected({{"ACTIVE:1", "ACTIVE:0"}, {"REND:0", "REND:-3"}}, E::kBarOutsideField),
        rejected({{"YEND:40", "YEND:9"}}, E::kBarOutsideField),
        rejected({{"XSTART:94", "XSTART:291"}, {"XEND:94", "XEND:291"}}, E::kBarOutsideField),
        rejected({{"YEND:40", ""}}, E::kBarOutsideField),
        rejected({{"<HEAD>", "<HEAD>\r\n" + std::string(512, 'x')}}, E::kLineTooLong),
        rejected({{"SCORE:1250.000000", "SCORE:nan"}}, E::kBadScore),
        rejected({{"SCORE:1250.000000", "SCORE:1e300"}}, E::kBadScore),
        rejected({{"SAVTM:6000", "SAVTM:-2147483648"}}, E::kBadTime),
        rejected({{"SLVTM:1000", "SLVTM:-2147483000"}}, E::kBadTime),
        rejected({{"CLDNE:17", "CLDNE:301"}}, E::kBadCounter),
        rejected({{"CLDNE:17", "CLDNE:-1"}}, E::kBadCounter),
        rejected({{"LOVES:2", "LOVES:-2147483648"}}, E::kBadCounter),
        rejected({{"XOLD:1", "XOLD:2147483647"}}, E::kBadPosition),
        {"too large", sampleSavedGame() + std::string(kMaxSavedGameBytes, '\n'), E::kTooLarge},
    };
}

TEST_F(SavedGame, RefusedFilesLeaveTheGameUntouched) {
    for (const Rejection& r : rejections()) {
        RecordingGame fresh;
        fresh.newGame();
        fresh.clock.now = 6000;
        const std::string before = fresh.snapshot();
        EXPECT_EQ(open(r.text, fresh), ReadResult::kRejected) << r.what;
        EXPECT_EQ(error, r.error) << r.what;
        EXPECT_TRUE(fresh.snapshot() == before) << r.what;
    }
    const std::string before = game.snapshot();
    EXPECT_EQ(readGameFile(
                  folder.path("none.zmb").c_str(), game, [] {}, files),
              ReadResult::kNotOpened);
    EXPECT_TRUE(game.snapshot() == before);
}

// Fails the n-th write, or the close, the replace or the creation.
class FailingFiles : public FileSystem {
  public:
    bool writeBytes(std::FILE* file, const char* data, size_t size) override {
        return ++writes != failWrite && FileSystem::writeBytes(file, data, size);
    }
    bool closeFile(std::FILE* file) override {
        return FileSystem::closeFile(file) && failing != "close";
    }
    bool replaceFile(const std::string& source, const std::string& target) override {
        return failing != "replace" && FileSystem::replaceFile(source, target);
    }
    std::FILE* createFile(const std::string& path) override {
        return failing == "create" ? nullptr : FileSystem::createFile(path);
    }

    int writes = 0;
    int failWrite = 0;
    std::string failing;
};

TEST(FailedSave, LeavesTheOldFileAndItsRecordAsTheyWere) {
    ScratchFolder folder;
    const std::string games = folder.path("games"), slotFile = folder.path("games/1.zmb");
    RecordingGame game;
    game.newGame();
    SlotTable slots;
    FailingFiles files;
    ASSERT_TRUE(saveGameToSlot(slots, 0, "old", games.c_str(), game, files, FileDate{1, 0, 2020}));
    const std::string oldBytes = readBytes(slotFile);
    setUpSampleGame(game);
    FailingFiles counting;
    ASSERT_TRUE(writeGameFile(folder.path("count").c_str(), game, counting));
    std::filesystem::remove(folder.path("count"));
    ASSERT_GT(counting.writes, 40);  // a line per write: head, 15 rows, body, blocks
    const auto saveFailingAt = [&](int write, const char* step) {
        files = FailingFiles();
        files.failWrite = write;
        files.failing = step;
        EXPECT_FALSE(
            saveGameToSlot(slots, 0, "new", games.c_str(), game, files, FileDate{2, 1, 2026}));
        EXPECT_EQ(readBytes(slotFile), oldBytes);
        EXPECT_EQ(std::string(slots.slots[0].description) + std::to_string(slots.slots[0].year),
                  "old2020");
        EXPECT_EQ(folder.list("games"), std::vector<std::string>{"1.zmb"});
    };
    for (int n = 1; n <= counting.writes; ++n) {
        SCOPED_TRACE("write " + std::to_string(n));
        saveFailingAt(n, "");
    }
    for (const char* step : {"close", "replace", "create"}) {
        SCOPED_TRACE(step);
        saveFailingAt(0, step);
    }
    files = FailingFiles();
    ASSERT_TRUE(saveGameToSlot(slots, 0, "new", games.c_str(), game, files, FileDate{}));
    EXPECT_EQ(readBytes(slotFile), sampleSavedGame());
}

TEST_F(SavedGame, FuzzCorpusSeedsLoadAndFindingsAreReadSafely) {
    const auto seeds = corpusFiles("saved_game");
    ASSERT_FALSE(seeds.empty());
    auto inputs = corpusFiles("regressions/saved_game");
    inputs.insert(inputs.end(), seeds.begin(), seeds.end());
    for (const std::string& input : inputs) {
        RecordingGame into;
        into.newGame();
        const std::string before = into.snapshot();
        const ReadResult result = open(readBytes(input), into);
        // Findings the reader refuses are kept under names that say so.
        const bool refused = input.find("/rejected-") != std::string::npos;
        if (refused || input.find("/regressions/") == std::string::npos) {
            EXPECT_EQ(result, refused ? ReadResult::kRejected : ReadResult::kRead) << input;
        }
        EXPECT_TRUE(result == ReadResult::kRead ? !into.failed() : into.snapshot() == before)
            << input;
    }
}

}  // namespace
