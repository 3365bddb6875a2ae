// The saved-game file: what the reader takes from a file, seen in the file
// the writer then makes, and the exact limits of what it accepts; the
// saved-game folder, the slot files and their dates, the slot index.
#include <algorithm>
#include <cstring>
#include <ctime>
#include <sstream>
#include <tuple>

#include "persistence/ini_profile.h"
#include "persistence/saved_game.h"
#include "persistence/slots.h"
#include "tests/host/persistence/test_support.h"

namespace {

using E = SavedGameError;

// The fuzzers' seed sample_15x20.zmb, as the writer makes it: a 15 by 20
// game at level 2 with the field's corner at (10, 10), walls in two corners,
// a cell of -1, balls at (80, 90) and (150, 100), a bar growing up from
// (94, 52) to (94, 40) and an idle one, saved at 6000 ms.
const std::string& sample() {
    static const std::string text = readFile(ZEMBAL_FUZZ_CORPUS "/saved_game/sample_15x20.zmb");
    return text;
}

// `text` with the edits "lines=>replacement|..." applied in turn: the first
// run of whole lines equal to `lines` becomes `replacement`, or goes when it
// is empty.
std::string edited(const std::string& edits, std::string text = sample()) {
    std::istringstream list(edits);
    for (std::string edit; std::getline(list, edit, '|');) {
        const size_t arrow = edit.find("=>"),
                     at = ("\n" + text).find("\n" + edit.substr(0, arrow) + "\r\n");
        if (arrow == std::string::npos || at == std::string::npos) {
            ADD_FAILURE() << "no line " << edit;
        } else {
            text.replace(at, arrow + 2,
                         arrow + 2 < edit.size() ? edit.substr(arrow + 2) + "\r\n" : "");
        }
    }
    return text;
}

class SavedGame : public ScratchTest {};

struct Case {
    std::string text;
    SavedGameError error = E::kNone;
    const char* written = nullptr;  // the edits of the sample in the file the game then writes
    int32_t now = 6000, gridBefore = 0, shiftX = 0, shiftY = 0;  // shift: the layout's move
    int32_t left = 10, top = 10;  // the field's corner before the file is opened
};

TEST_F(SavedGame, ReadsWhatTheFileSaysAndNothingOutsideTheExactLimits) {
    std::string lineFeeds = sample(), extraBalls = "DRCT:4=>DRCT:4\r\nNOISE:7";
    lineFeeds.erase(std::remove(lineFeeds.begin(), lineFeeds.end(), '\r'), lineFeeds.end());
    for (int i = 0; i < 205; ++i)
        extraBalls += "\r\n<BALL>\r\nX:-5\r\nDRCT:99";
    // The sample on the largest field, 30 by 40, with free rows.
    const std::string wide = edited("ROWS:15\r\nCOLS:20=>ROWS:30\r\nCOLS:40"), row40(40, '0');
    std::string largest = wide.substr(0, wide.find("DATA:"));
    for (int i = 0; i < 30; ++i)
        largest += "DATA:" + row40 + "\r\n";
    largest += wide.substr(wide.find("SPEED:"));
    const auto big = [&](const std::string& edits) { return edited(edits, largest); };
    const std::string full = sample() + std::string(kMaxSavedGameBytes - sample().size(), '\n');
    const std::string row = "DATA:" + std::string(20, '0'), x511(511, 'x');
    const E ok = E::kNone, ball = E::kBallOutsideField, bar = E::kBarOutsideField;
    const E at = E::kBadPosition, counter = E::kBadCounter, score = E::kBadScore;
    const E size = E::kBadFieldSize, balls = E::kBadBallCount, rows = E::kBadDataRows;
    std::string crCrLf = lineFeeds;
    for (size_t end = 0; (end = crCrLf.find('\n', end)) != std::string::npos; end += 3)
        crCrLf.insert(end, "\r\r");
    // A corner far out: the first ball at 2^30 from it, once written 2^30 + 10.
    std::string farCorner = "ROWS:15\nCOLS:20\nNBLLS:1\nLEFT:-1073741824\n<BODY>\n";
    for (int i = 0; i < 15; ++i)
        farCorner += row + "\n";
    farCorner += "<BALL>\nXOLD:0\n";
    const std::string moves =
        "XOLD:1=>XOLD:31|YOLD:2=>YOLD:7|X:80=>X:110|Y:90=>Y:95|XOLD:0=>XOLD:30|YOLD:0=>YOLD:5|X:"
        "150=>X:180|Y:100=>Y:105|"
        "XSTART:94=>XSTART:124|YSTART:52=>YSTART:57|XEND:94=>XEND:124|YEND:40=>YEND:45|"
        "XSTART:0=>XSTART:30|YSTART:0=>YSTART:5|XEND:0=>XEND:30|YEND:0=>YEND:5";
    // clang-format off
    const Case cases[] = {
        // What is read, seen in the file the game then writes: with line feeds
        // alone, CR CR LF, no last line end, no <HEAD>; only Y and N set the
        // grid option.
        {sample(), ok, ""}, {lineFeeds, ok, ""}, {crCrLf, ok, ""},
        {sample().substr(0, sample().size() - 2), ok, ""},
        {edited("GRID:Y=>GRID:N"), ok, "GRID:Y=>GRID:N", 6000, 1},
        {edited("GRID:Y=>GRID:"), ok, "", 6000, 1}, {edited("<HEAD>=>"), ok, ""},
        // Ball blocks past NBLLS fill entries out of play, unchecked.
        {edited("NBLLS:2=>NBLLS:1|X:150=>X:-5"), ok, "NBLLS:2=>NBLLS:1|<BALL>\r\nXOLD:0\r\n"
         "YOLD:0\r\nX:150\r\nY:100\r\nROLD:6\r\nCOLD:10\r\nR:6\r\nC:10\r\nDRCT:4=>"},
        // The time since saving counts as paused, also without a paused
        // total, but not from before <BODY>.
        {sample(), ok, "LEVTM:300=>LEVTM:3300|SAVTM:6000=>SAVTM:9000", 9000},
        {edited("GRID:Y=>GRID:Y\r\nSAVTM:5000|LEVTM:300=>"), ok, "LEVTM:300=>LEVTM:0"},
        // <BODY> forgets what the level start resets, not the speed.
        {edited("GRID:Y=>GRID:Y\r\nLOVES:9\r\nSCORE:5\r\nSPEED:2|LOVES:2=>|SCORE:1250.000000=>|"
                "SPEED:1=>"), ok, "SPEED:1=>SPEED:2|SCORE:1250.000000=>SCORE:0.000000"},
        // Head and body keys act inside blocks; DRCT is the block's.
        {edited("XOLD:1=>XOLD:1\r\nSPEED:2\r\nLOVES:7|SPEED:1=>|LOVES:2=>"), ok,
         "SPEED:1=>SPEED:2|LOVES:2=>LOVES:7"},
        // Unknown lines, and blocks past the tables, are ignored.
        {edited("<HEAD>=><HEAD>\r\nCOMMENT:hello\r\n" + x511 + "|" + extraBalls + "|ACTIVE:1\r\n"
                "DRCT:0=>ACTIVE:1\r\nDRCT:0\r\nNOISE:7\r\n<BAR>\r\nACTIVE:0\r\nDRCT:9"), ok, ""},
        // Positions follow the field from the file's corner, or without one
        // from the needed-size corner, wherever the field stood before; the
        // game writes them back as they stand with the field there, whatever
        // the layout did.
        {sample(), ok, "", 6000, 0, 30, 5}, {edited("LEFT:10=>|TOP:10=>"), ok, "", 6000, 0, 30, 5},
        {edited("LEFT:10=>|TOP:10=>"), ok, "", 6000, 0, 0, 0, 150, 60},
        {edited("LEFT:10=>|TOP:10=>"), ok, "", 6000, 0, 0, 0, 40, 20},
        {edited("LEFT:10=>|TOP:10=>"), ok, "", 6000, 0, 200, 90, 150, 60},
        {edited("LEFT:10=>LEFT:-20|TOP:10=>TOP:5"), ok, moves.c_str()},
        // A bar the file gives no ACTIVE is idle, as the level start leaves it.
        {edited("ACTIVE:1=>"), ok, ""},

        // A ball's box on an edge line is outside, one pixel in is inside.
        {edited("X:80=>X:18|Y:90=>Y:18|X:150=>X:282|Y:100=>Y:212|DRCT:4=>DRCT:0")},
        {edited("X:80=>X:17"), ball}, {edited("Y:90=>Y:17"), ball}, {edited("X:150=>X:283"), ball},
        {edited("Y:100=>Y:213"), ball}, {edited("DRCT:7=>DRCT:8"), E::kBadBallDirection},
        // A growing bar's corners may lie on the edges, its cells at the ends.
        {edited("XSTART:94=>XSTART:10|YSTART:52=>YSTART:220|XEND:94=>XEND:290|YEND:40=>YEND:10|"
                "RSTART:3=>RSTART:14|CSTART:6=>CSTART:0|REND:2=>REND:0|CEND:6=>CEND:19|"
                "DRCT:0=>DRCT:3")},
        {edited("XSTART:94=>XSTART:9"), bar}, {edited("YSTART:52=>YSTART:221"), bar},
        {edited("XEND:94=>XEND:291"), bar}, {edited("YEND:40=>YEND:9"), bar},
        {edited("RSTART:3=>RSTART:-1"), bar}, {edited("CSTART:6=>CSTART:-1"), bar},
        {edited("REND:2=>REND:15"), bar}, {edited("CEND:6=>CEND:20"), bar},
        {edited("DRCT:0=>DRCT:4"), E::kBadBarDirection}, {edited("YEND:40=>"), bar},  // no corner
        {edited("ACTIVE:1=>ACTIVE:0|REND:0=>REND:-3"), bar},  // the second bar
        // The largest field's last row and column.
        {big("X:80=>X:562|Y:100=>Y:422|CEND:6=>CEND:39|XEND:94=>XEND:570|YSTART:52=>YSTART:430")},
        {big("X:80=>X:563"), ball}, {big("Y:100=>Y:423"), ball}, {big("CEND:6=>CEND:40"), bar},
        {big("XEND:94=>XEND:571"), bar},
        {big("DATA:" + row40 + "=>DATA:" + row40.substr(1)), E::kShortDataRow},
        // The field's size and rows, the counters, the score, the clocks.
        {edited("ROWS:15=>ROWS:50"), size},
        {edited("SPEED:1=>SPEED:1\r\nROWS:20\r\nCOLS:30"), size},  // a size changed after <BODY>
        {edited("ROWS:15\r\nCOLS:20=>"), E::kShortDataRow},  // at the game's size, 20 by 30
        {edited(row + "=>" + row.substr(0, 24)), E::kShortDataRow},
        {edited(row + "=>"), rows}, {edited(row + "=>" + row + "\r\n" + row), rows},
        {edited("NBLLS:2=>NBLLS:199|CLDNE:17=>CLDNE:300|LOVES:2=>LOVES:0|SCORE:1250.000000=>"
                "SCORE:2147483647|XOLD:1=>XOLD:1073741824|YOLD:2=>YOLD:-1073741824|LEVTM:5000=>"
                "LEVTM:2147483000|SAVTM:6000=>SAVTM:-2147400000|SPSTM:4000=>SPSTM:100000")},
        {edited("CLDNE:17=>CLDNE:0|SCORE:1250.000000=>SCORE:-2147483648|SPSTM:4000=>SPSTM:"
                "2147480000")},
        {edited("NBLLS:2=>NBLLS:0"), balls}, {edited("NBLLS:2=>NBLLS:200"), balls},
        {edited("NBLLS:2=>|SPEED:1=>SPEED:1\r\nNBLLS:2"), balls},  // only after <BODY>
        {edited("CLDNE:17=>CLDNE:301"), counter}, {edited("CLDNE:17=>CLDNE:-1"), counter},
        {edited("LOVES:2=>LOVES:-1"), counter}, {edited("SCORE:1250.000000=>SCORE:nan"), score},
        {edited("SCORE:1250.000000=>SCORE:2147483648"), score},
        {edited("SCORE:1250.000000=>SCORE:-2147483649"), score},
        // Clocks of any session: the time since saving is paused, modulo 2^32.
        {edited("SAVTM:6000=>SAVTM:-2147483648"), ok, "LEVTM:300=>LEVTM:-2147477348"},
        {edited("SLVTM:1000=>SLVTM:-2147483000"), ok, "SLVTM:1000=>SLVTM:-2147483000"},
        // Positions count from the file's corner, 2^30 + 2^16 at most, and
        // stay there written back; the reproducers of an overflow.
        {edited("XOLD:1=>XOLD:1073807370|YOLD:2=>YOLD:-1073807350"), ok,
         "XOLD:1=>XOLD:1073807370|YOLD:2=>YOLD:-1073807350"},
        {edited("XOLD:1=>XOLD:1073807371"), at}, {edited("YOLD:2=>YOLD:-1073807351"), at},
        {farCorner}, {farCorner + "<BALL>\nX:1073741671\n", at},
        {edited("TOP:10=>TOP:-1073807351"), at}, {edited("TOP:10=>TOP:2147483647"), at},
        {edited("XSTART:94=>XSTART:1073807371"), at},
        // Lines and the file itself.
        {edited("<HEAD>=><HEAD>\r\n" + x511 + "x"), E::kLineTooLong},
        {edited("<BODY>=>"), E::kNoBody}, {"", E::kNoBody}, {full}, {full + "\n", E::kTooLarge},
    };
    // clang-format on
    // Each file is read into a new game in play at 20 by 30 cells.
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        RecordingGame into;
        into.newGame();
        into.placeField(c.left, c.top);
        into.clock.now = c.now;
        std::tie(into.layoutShiftX, into.layoutShiftY) = std::tie(c.shiftX, c.shiftY);
        into.level->GRID = c.gridBefore;
        into.level->bars[1].ACTIVE = 0;  // growing before the file is opened
        writeFile(path("in.zmb"), c.text);
        SavedGameError error = E::kNone;
        EXPECT_EQ(readGameFile(path("in.zmb").c_str(), into, into, files, &error),
                  c.error == ok ? ReadResult::kRead : ReadResult::kRejected)
            << i;
        EXPECT_EQ(error, c.error) << i;
        // After the new game's start: the geometry, then a new game and the
        // saved level's start; a refused file changes nothing.
        const std::vector<std::string> read = {"onLevelStarted", "recomputeGeometry",
                                               "onLevelStarted", "onLevelStarted"};
        EXPECT_EQ(into.calls, c.error == ok ? read : std::vector<std::string>(1, read[0])) << i;
        // Written into the folder the writer creates, without its temporary
        // file, and read back.
        if (c.error == ok) {
            EXPECT_TRUE(writeGameFile(path("games/1.zmb").c_str(), into, into, files));
            EXPECT_FALSE(std::filesystem::exists(path("games/1.zmb.tmp")));
            RecordingGame again;
            EXPECT_EQ(readGameFile(path("games/1.zmb").c_str(), again, again, files),
                      ReadResult::kRead)
                << i;
        }
        if (c.written != nullptr) {
            EXPECT_EQ(readFile(path("games/1.zmb")), edited(c.written)) << i;
        }
    }
}

// A level played 4.5 s around a 7.5 s pause, saved and opened in a session
// whose clock is far away either way, or across the wrap of the 32-bit
// clock: a second later the level has been played 5.5 s, as it would have
// been without saving.
TEST_F(SavedGame, KeepsTheTimeLeftWhateverTheTwoSessionsClocks) {
    const auto at = [](int64_t ms) { return static_cast<int32_t>(static_cast<uint32_t>(ms)); };
    const int64_t beforeWrap = int64_t{INT32_MAX} - 3000;
    // clang-format off
    for (const auto& [start, openedAt] : {std::pair<int64_t, int64_t>{1000, 20000},
             {1080000000 - 12000, 5000}, {120000 - 12000, 1080000000},
             {beforeWrap, beforeWrap + 12000}, {beforeWrap, beforeWrap + 3000000000}}) {
        // clang-format on
        RecordingGame saved;
        saved.clock.now = at(start);
        saved.newGame();
        for (const auto& [ms, pause] : {std::pair{2000, 0}, {2500, 1}, {10000, 0}, {12000, 0}}) {
            saved.clock.now = at(start + ms);
            saved.tick();
            saved.setPaused(pause);
        }
        ASSERT_EQ(saved.elapsedSeconds(), 4) << start;
        ASSERT_TRUE(writeGameFile(path("1.zmb").c_str(), saved, saved, files));
        RecordingGame opened;
        opened.newGame();
        opened.clock.now = at(openedAt);
        ASSERT_EQ(readGameFile(path("1.zmb").c_str(), opened, opened, files), ReadResult::kRead)
            << start;
        opened.clock.now = at(openedAt + 1000);
        opened.tick();
        EXPECT_EQ(opened.elapsedSeconds(), 5) << start;
        EXPECT_EQ(opened.faults + saved.faults, 0);
    }
}

// The score written is read back as the same shown score, and so is a
// score that grew past the range the reader accepts; what is read back is
// written again the same.
TEST_F(SavedGame, WritesAScoreThatReadsBackAsTheSameShownScore) {
    // clang-format off
    const std::tuple<double, const char*, int32_t> cases[] = {
        {44.999999999999993, "SCORE:44.999999", 44}, {0.1 + 0.2, "SCORE:0.300000", 0},
        {-44.999999999999993, "SCORE:-44.999999", -44},
        {2147483650.5, "SCORE:2147483647.999999", INT32_MAX},
        {-2147483700.0, "SCORE:-2147483648.999999", INT32_MIN}};
    // clang-format on
    for (const auto& [score, written, shown] : cases) {
        RecordingGame game, again;
        game.newGame();
        game.level->SCORE = score;
        ASSERT_TRUE(writeGameFile(path("1.zmb").c_str(), game, game, files));
        const std::string first = readFile(path("1.zmb"));
        EXPECT_NE(first.find(std::string("\n") + written + "\r\n"), std::string::npos) << written;
        ASSERT_EQ(readGameFile(path("1.zmb").c_str(), again, again, files), ReadResult::kRead)
            << written;
        EXPECT_EQ(again.shownScore(), shown) << written;
        ASSERT_TRUE(writeGameFile(path("1.zmb").c_str(), again, again, files));
        EXPECT_EQ(readFile(path("1.zmb")), first) << written;
    }
}

}  // namespace
