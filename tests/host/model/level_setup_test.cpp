// The generator, the field geometry, the conversions and the set-up of a
// level: where balls are placed, how many balls and lives a level has, and
// the end of the game at level 200.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/host/model/test_game.h"

namespace {

TEST(Generator, GivesTheKnownSequenceAndIsSeededFromTheCalendar) {
    TestGame g;  // seeded from calendar second 1
    std::vector<int> drawn;
    for (int i = 0; i < 9; ++i) {
        drawn.push_back(g.generator().next());
    }
    EXPECT_EQ(drawn, (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962}));
    g.clk.calendar = 1700000000;
    g.initGeometry();
    EXPECT_EQ(g.generator().next(), 28462);
}

TEST(Geometry, TheFieldIsCutDownToWholeCellsAndTheGoalTruncates) {
    TestGame g;
    g.fieldTop = 20;
    g.fieldRight = 10 + 30 * 16 + 9;
    g.fieldBottom = 20 + 20 * 15 + 14;
    g.initGeometry();
    EXPECT_EQ((std::vector<int>{g.cellWidth, g.cellHeight, g.fieldRight, g.fieldBottom}),
              (std::vector<int>{16, 15, 490, 320}));
    struct {
        int rows, cols, percent, cells;
    } goals[] = {{15, 20, 70, 210}, {20, 30, 75, 450}, {25, 35, 75, 656},
                 {25, 35, 85, 743}, {25, 35, 90, 787}, {30, 40, 90, 1080}};
    for (auto c : goals) {
        TestGame s(c.rows, c.cols);
        s.percentToComplete = c.percent;
        s.computeCellsToComplete();
        EXPECT_EQ(s.cellsToComplete, c.cells) << c.rows << "x" << c.cols << " " << c.percent;
    }
}

TEST(Conversions, PixelsTruncateToCellsAndProgressTruncates) {
    TestGame g;
    const std::vector<int> rows{g.rowOf(3), g.rowOf(23), g.rowOf(24), g.rowOf(289), g.rowOf(290)};
    EXPECT_EQ(rows, (std::vector<int>{0, 0, 1, 19, 20}));  // toward zero, not down to -1
    const std::vector<int> cols{g.colOf(0), g.colOf(219), g.colOf(220), g.colOf(429)};
    EXPECT_EQ(cols, (std::vector<int>{0, 14, 15, 29}));
    // The share is divided before it is multiplied by 100: 174 of 600 is 28.
    std::vector<int> percent;
    for (int released : {5, 6, 174, 449, 450, 600}) {
        g.lvl.CLDNE = released;
        percent.push_back(g.percentDone());
    }
    EXPECT_EQ(percent, (std::vector<int>{0, 1, 28, 74, 75, 100}));
}

TEST(Conversions, ElapsedSecondsCountsWholeUnpausedSeconds) {
    TestGame g;
    struct {
        int start, last, pausedMs, seconds;
    } cases[] = {{1000, 1999, 0, 0},      {1000, 2000, 0, 1},   {0, 130000, 10000, 120},
                 {0, 129999, 10000, 119}, {0, 15000, 15000, 0}, {5000, 3500, 0, -1}};
    for (auto c : cases) {
        g.lvl.SLVTM = c.start;
        g.lvl.LEVTM = c.last;
        g.lvl.pausedTotal = c.pausedMs;
        EXPECT_EQ(g.elapsedSeconds(), c.seconds) << c.start << " " << c.last << " " << c.pausedMs;
    }
}

// Each ball: R, C, X, Y, DRCT.
std::vector<std::vector<int>> placements(const TestGame& g) {
    std::vector<std::vector<int>> out;
    for (int i = 0; i < g.ballCount(); ++i) {
        const Ball& b = g.lvl.balls[i];
        EXPECT_EQ(b.ROLD * 100 + b.COLD, b.R * 100 + b.C);
        out.push_back({b.R, b.C, b.X, b.Y, b.DRCT});
    }
    return out;
}

// Seed 1 draws 41, 18467 (row 0: refused), 6334, 26500 (row 3: refused),
// 19169, 15724 (row 11, column 14: taken), then 11478 (mod 4 = 2: down-left).
TEST(Placement, AFixedSeedPlacesKnownBalls) {
    TestGame g;
    g.newGame();
    EXPECT_EQ(placements(g), (std::vector<std::vector<int>>{{11, 14, 206, 164, kDownLeft}}));
    g.seedGenerator(1);
    g.startLevel();
    EXPECT_EQ(placements(g), (std::vector<std::vector<int>>{{11, 14, 206, 164, kDownLeft},
                                                            {14, 5, 80, 206, kUpRight}}));
    // Row 15 and column 25 are the last ones taken on 20 x 30.
    g.seedGenerator(12345);
    g.startLevel();
    EXPECT_EQ(placements(g), (std::vector<std::vector<int>>{{15, 20, 290, 220, kUpLeft},
                                                            {14, 25, 360, 206, kUpRight},
                                                            {9, 13, 192, 136, kDownRight}}));
}

TEST(Placement, BallsStayFiveCellsInsideTheEdgesAndReachBothEnds) {
    for (auto size : {std::make_pair(15, 20), std::make_pair(20, 30)}) {
        TestGame g(size.first, size.second);
        std::set<int> rowsUsed, colsUsed, directions;
        for (uint32_t seed = 1; seed <= 30; ++seed) {
            g.clearField(1, 198);
            g.seedGenerator(seed);
            g.startLevel();
            ASSERT_EQ(g.ballCount(), 199);
            for (const auto& p : placements(g)) {
                rowsUsed.insert(p[0]);
                colsUsed.insert(p[1]);
                directions.insert(p[4]);
                ASSERT_EQ(p[2] * 10000 + p[3], g.cellX(p[1]) * 10000 + g.cellY(p[0]));
            }
        }
        EXPECT_EQ(*rowsUsed.begin(), 5);
        EXPECT_EQ(*rowsUsed.rbegin(), size.first - 5);
        EXPECT_EQ(*colsUsed.begin(), 5);
        EXPECT_EQ(*colsUsed.rbegin(), size.second - 5);
        EXPECT_EQ(directions, (std::set<int>{kUpLeft, kUpRight, kDownLeft, kDownRight}));
    }
}

TEST(LevelStart, LevelNHasNBallsAndNLivesOnAClearedField) {
    for (int n : {1, 2, 10, 199}) {
        TestGame g;
        g.clearField(1, n - 1);
        g.clk.now = 4321;
        g.lvl.CLDNE = 77;
        g.lvl.pausedTotal = 900;
        g.paused = 1;
        g.lvl.bars[1].ACTIVE = 0;
        g.lvl.bars[1].RSTART = 12;
        g.setCell(3, 4, kCellWall);
        g.setCell(19, 29, kCellBar);
        gameRunning = 0;
        g.startLevel();
        EXPECT_EQ(
            (std::vector<int>{g.lvl.NBLLS, g.lvl.LOVES, g.ballCount(), g.lvl.CLDNE, g.lvl.SLVTM,
                              g.lvl.LEVTM, g.lvl.pausedTotal, g.paused, g.lvl.bars[1].ACTIVE,
                              g.lvl.bars[1].RSTART, g.countCells(kCellFree), gameRunning}),
            (std::vector<int>{n, n, n, 0, 4321, 4321, 0, 0, 1, 12, 600, 1}));
        ASSERT_EQ(g.hookNames(), Names{"onLevelStarted"});
        EXPECT_EQ(g.calls[0].running, 0);  // the hook runs before play resumes
    }
}

TEST(LevelStart, Level200EndsTheGameWithReasonZeroAndStartsANewOne) {
    TestGame g;
    g.clearField(198, 198);
    g.completeLevel();  // level 199: the last one that is played
    EXPECT_EQ(g.ballCount(), 199);
    g.calls.clear();
    int mostBalls = 0;
    g.duringHook = [&](const std::string&) { mostBalls = std::max(mostBalls, g.ballCount()); };
    g.lvl.SCORE = 321.7;
    g.completeLevel();
    EXPECT_EQ(g.hookNames(), (Names{"onLevelCompleted", "onGameEnding", "askPlayerName",
                                    "onGameOver", "onLevelStarted"}));
    EXPECT_EQ(g.last("onGameOver")->a, kEndNoMoreBalls);
    EXPECT_EQ(g.last("onGameOver")->b, 0);
    EXPECT_EQ(g.fame.entries[0].level, 200);
    EXPECT_EQ(mostBalls, 199);
    EXPECT_EQ(g.lvl.balls[199].endOfList, 1);
    EXPECT_EQ((std::vector<int>{g.lvl.NBLLS, g.lvl.LOVES, g.ballCount(), gameRunning}),
              (std::vector<int>{1, 1, 1, 1}));
}

}  // namespace
