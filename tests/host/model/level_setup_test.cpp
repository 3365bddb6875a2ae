// The generator, the field geometry, the conversions and the set-up of a
// level: where balls are placed, how many balls and lives a level has, and
// the end of the game at level 200.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/host/model/test_game.h"

namespace {

// The placement generator written out independently: 64-bit arithmetic
// reduced modulo 2^32.
struct ReferenceLcg {
    uint64_t state;
    int next() {
        state = (state * 214013ull + 2531011ull) % 4294967296ull;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

TEST(Generator, SeedOneGivesTheKnownSequence) {
    RandomGenerator generator;
    generator.seed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) {
        EXPECT_EQ(generator.next(), value);
    }
}

TEST(Generator, MatchesTheFormulaForManySeeds) {
    for (uint32_t seed : {0u, 7u, 12345u, 0xDEADBEEFu, 0xFFFFFFFFu}) {
        RandomGenerator generator;
        generator.seed(seed);
        ReferenceLcg reference{seed};
        for (int i = 0; i < 1000; ++i) {
            int value = generator.next();
            ASSERT_EQ(value, reference.next()) << "seed " << seed << " draw " << i;
            ASSERT_GE(value, 0);
            ASSERT_LE(value, 32767);
        }
    }
}

TEST(Generator, InitGeometrySeedsFromTheCalendarSeconds) {
    TestGame g;
    g.clk.calendar = 1;
    g.initGeometry();
    EXPECT_EQ(g.generator().next(), 41);
    g.clk.calendar = 1700000000;
    g.initGeometry();
    ReferenceLcg reference{1700000000u};
    EXPECT_EQ(g.generator().next(), reference.next());
    EXPECT_EQ(g.generator().next(), reference.next());
}

TEST(Construction, DefaultsOfTheModel) {
    GameModel::gameRunning = 1;
    TestGame g{TestGame::BareTag{}};
    EXPECT_EQ(GameModel::gameRunning, 1);  // the constructor leaves the flag alone
    EXPECT_EQ(g.timeLimit, 120);
    EXPECT_EQ(g.wallOfFame, nullptr);
    EXPECT_EQ(g.frameCount, 0);
    EXPECT_EQ(g.frameTick, 0);
    EXPECT_EQ(g.percentToComplete, 75);
    EXPECT_EQ(g.barStep, 1);
    EXPECT_EQ(g.ballStep, 1);
    EXPECT_EQ(g.frame, 0);
    EXPECT_EQ(g.horizontalBars, 0);
    EXPECT_EQ(g.ballRadius, 3);
    EXPECT_EQ(g.rows, 50);
    EXPECT_EQ(g.cols, 50);
    EXPECT_EQ(g.ticksPerFrame, 10);
    GameModel::gameRunning = 0;
}

TEST(Geometry, InitGeometryDividesAndSnapsTheField) {
    TestGame g;
    EXPECT_EQ(g.cellWidth, 14);
    EXPECT_EQ(g.cellHeight, 14);
    EXPECT_EQ(g.fieldRight, 430);
    EXPECT_EQ(g.fieldBottom, 290);
    EXPECT_EQ(g.cellsToComplete, 450);
    EXPECT_EQ(g.frameCount, 8);
    EXPECT_EQ(g.frame, 0);

    // A rectangle that does not divide evenly is cut down to whole cells.
    g.fieldLeft = 10;
    g.fieldTop = 20;
    g.fieldRight = 10 + 30 * 16 + 9;
    g.fieldBottom = 20 + 20 * 15 + 19;
    g.initGeometry();
    EXPECT_EQ(g.cellWidth, 16);
    EXPECT_EQ(g.cellHeight, 15);
    EXPECT_EQ(g.fieldRight, 10 + 30 * 16);
    EXPECT_EQ(g.fieldBottom, 20 + 20 * 15);
}

struct GoalCase {
    int rows, cols, percent, cells;
};

class CellsToComplete : public ::testing::TestWithParam<GoalCase> {};

TEST_P(CellsToComplete, IsTheTruncatedShareOfTheField) {
    const GoalCase& c = GetParam();
    TestGame g(c.rows, c.cols);
    g.percentToComplete = c.percent;
    g.computeCellsToComplete();
    EXPECT_EQ(g.cellsToComplete, c.cells);
}

INSTANTIATE_TEST_SUITE_P(FieldSizes, CellsToComplete,
                         ::testing::Values(GoalCase{15, 20, 70, 210}, GoalCase{15, 20, 90, 270},
                                           GoalCase{20, 30, 75, 450}, GoalCase{20, 30, 85, 510},
                                           GoalCase{25, 35, 70, 612}, GoalCase{25, 35, 75, 656},
                                           GoalCase{25, 35, 85, 743}, GoalCase{25, 35, 90, 787},
                                           GoalCase{30, 40, 75, 900}, GoalCase{30, 40, 90, 1080}));

TEST(Conversions, PixelToCellTruncatesTowardZero) {
    TestGame g;
    EXPECT_EQ(g.rowOf(10), 0);
    EXPECT_EQ(g.rowOf(23), 0);
    EXPECT_EQ(g.rowOf(24), 1);
    EXPECT_EQ(g.rowOf(289), 19);
    EXPECT_EQ(g.rowOf(290), 20);
    EXPECT_EQ(g.colOf(219), 14);
    EXPECT_EQ(g.colOf(220), 15);
    EXPECT_EQ(g.colOf(429), 29);
    EXPECT_EQ(g.colOf(430), 30);
    // Left of or above the field: toward zero, not down to -1.
    EXPECT_EQ(g.colOf(0), 0);
    EXPECT_EQ(g.rowOf(3), 0);
    EXPECT_EQ(g.cellX(15), 220);
    EXPECT_EQ(g.cellY(11), 164);
}

TEST(Conversions, EveryPixelMapsToTheCellThatCoversIt) {
    for (auto size : {std::make_pair(15, 20), std::make_pair(30, 40)}) {
        TestGame g(size.first, size.second);
        for (int y = g.fieldTop; y < g.fieldBottom; ++y) {
            ASSERT_EQ(g.rowOf(y), (y - g.fieldTop) / 14) << y;
        }
        for (int x = g.fieldLeft; x < g.fieldRight; ++x) {
            ASSERT_EQ(g.colOf(x), (x - g.fieldLeft) / 14) << x;
        }
    }
}

TEST(Progress, PercentDoneTruncates) {
    TestGame g;
    g.clearField();
    struct {
        int released, percent;
    } cases[] = {{0, 0},
                 {5, 0},
                 {6, 1},
                 {449, 74},
                 {450, 75},
                 {599, 99},
                 {600, 100},
                 // The share is divided before it is multiplied by 100.
                 {174, 28}};
    for (auto c : cases) {
        g.lvl.CLDNE = c.released;
        EXPECT_EQ(g.percentDone(), c.percent) << c.released << " of 600";
    }
}

TEST(Progress, ElapsedSecondsCountsWholeUnpausedSeconds) {
    TestGame g;
    g.clearField();
    struct {
        int start, last, pausedMs, seconds;
    } cases[] = {{1000, 1000, 0, 0},
                 {1000, 1999, 0, 0},
                 {1000, 2000, 0, 1},
                 {1000, 31999, 0, 30},
                 {0, 130000, 10000, 120},
                 {0, 129999, 10000, 119},
                 {500000, 620000, 0, 120},
                 {0, 15000, 15000, 0},
                 // A clock behind the level start truncates toward zero.
                 {5000, 3500, 0, -1}};
    for (auto c : cases) {
        g.lvl.SLVTM = c.start;
        g.lvl.LEVTM = c.last;
        g.lvl.pausedTotal = c.pausedMs;
        EXPECT_EQ(g.elapsedSeconds(), c.seconds) << c.start << " " << c.last << " " << c.pausedMs;
    }
}

struct Placement {
    int R, C, X, Y, DRCT;
};

void expectPlacement(const TestGame& g, const std::vector<Placement>& expected) {
    ASSERT_EQ(g.ballCount(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        const Ball& b = g.lvl.balls[i];
        EXPECT_EQ(b.R, expected[i].R) << "ball " << i;
        EXPECT_EQ(b.C, expected[i].C) << "ball " << i;
        EXPECT_EQ(b.ROLD, expected[i].R) << "ball " << i;
        EXPECT_EQ(b.COLD, expected[i].C) << "ball " << i;
        EXPECT_EQ(b.X, expected[i].X) << "ball " << i;
        EXPECT_EQ(b.Y, expected[i].Y) << "ball " << i;
        EXPECT_EQ(b.DRCT, expected[i].DRCT) << "ball " << i;
    }
}

// Seed 1 draws 41, 18467 (row 0: refused), 6334, 26500 (row 3: refused),
// 19169, 15724 (row 11, column 14: taken), then 11478 (mod 4 = 2: down-left).
TEST(Placement, FixedSeedPlacesTheFirstBall) {
    TestGame g;
    g.clk.calendar = 1;
    g.initGeometry();
    g.newGame();
    expectPlacement(g, {{11, 14, 206, 164, kDownLeft}});
}

TEST(Placement, FixedSeedPlacesLaterLevels) {
    TestGame g;
    g.clearField();
    g.seedGenerator(1);
    g.lvl.NBLLS = 1;
    g.startLevel();
    expectPlacement(g, {{11, 14, 206, 164, kDownLeft}, {14, 5, 80, 206, kUpRight}});

    // Row 15 and column 25 are the last ones taken on 20 x 30.
    g.seedGenerator(12345);
    g.lvl.NBLLS = 2;
    g.startLevel();
    expectPlacement(
        g,
        {{15, 20, 290, 220, kUpLeft}, {14, 25, 360, 206, kUpRight}, {9, 13, 192, 136, kDownRight}});
}

struct RangeCase {
    int rows, cols;
};

class PlacementRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PlacementRange, BallsStayFiveCellsInsideTheEdges) {
    const RangeCase& c = GetParam();
    TestGame g(c.rows, c.cols);
    int minRow = 99, maxRow = -1, minCol = 99, maxCol = -1;
    std::set<int> directions;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        g.clearField();
        g.seedGenerator(seed);
        g.lvl.NBLLS = 198;
        g.startLevel();
        ASSERT_EQ(g.ballCount(), 199);
        ASSERT_EQ(g.lvl.balls[199].endOfList, 1);
        for (int i = 0; i < 199; ++i) {
            const Ball& b = g.lvl.balls[i];
            ASSERT_GE(b.R, 5);
            ASSERT_LE(b.R, c.rows - 5);
            ASSERT_GE(b.C, 5);
            ASSERT_LE(b.C, c.cols - 5);
            ASSERT_EQ(b.X, g.fieldLeft + b.C * 14);
            ASSERT_EQ(b.Y, g.fieldTop + b.R * 14);
            ASSERT_EQ(b.ROLD, b.R);
            ASSERT_EQ(b.COLD, b.C);
            minRow = std::min(minRow, b.R);
            maxRow = std::max(maxRow, b.R);
            minCol = std::min(minCol, b.C);
            maxCol = std::max(maxCol, b.C);
            directions.insert(b.DRCT);
        }
    }
    // Both ends of the range are reached.
    EXPECT_EQ(minRow, 5);
    EXPECT_EQ(maxRow, c.rows - 5);
    EXPECT_EQ(minCol, 5);
    EXPECT_EQ(maxCol, c.cols - 5);
    EXPECT_EQ(directions, (std::set<int>{kUpLeft, kUpRight, kDownLeft, kDownRight}));
}

INSTANTIATE_TEST_SUITE_P(FieldSizes, PlacementRange,
                         ::testing::Values(RangeCase{15, 20}, RangeCase{20, 30}));

class LevelNumber : public ::testing::TestWithParam<int> {};

TEST_P(LevelNumber, LevelNHasNBallsAndNLives) {
    const int n = GetParam();
    TestGame g;
    g.clearField();
    g.clk.now = 4321;
    g.lvl.NBLLS = n - 1;
    g.lvl.CLDNE = 77;
    g.lvl.pausedTotal = 900;
    g.lvl.LEVTM = 1;
    g.paused = 1;
    g.lvl.bars[0].ACTIVE = 0;
    g.lvl.bars[1].ACTIVE = 0;
    g.lvl.bars[1].RSTART = 12;
    g.setCell(3, 4, kCellWall);
    g.setCell(19, 29, kCellBar);
    GameModel::gameRunning = 0;
    g.startLevel();

    EXPECT_EQ(g.lvl.NBLLS, n);
    EXPECT_EQ(g.lvl.LOVES, n);
    EXPECT_EQ(g.ballCount(), n);
    EXPECT_EQ(g.lvl.CLDNE, 0);
    EXPECT_EQ(g.lvl.SLVTM, 4321);
    EXPECT_EQ(g.lvl.LEVTM, 4321);
    EXPECT_EQ(g.lvl.pausedTotal, 0);
    EXPECT_EQ(g.paused, 0);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[1].RSTART, 12);  // only ACTIVE is reset
    EXPECT_EQ(g.countCells(kCellFree), 600);
    EXPECT_EQ(GameModel::gameRunning, 1);
    ASSERT_EQ(g.hookNames(), std::vector<std::string>{"onLevelStarted"});
    // The hook runs before play resumes.
    EXPECT_EQ(g.calls[0].running, 0);
    EXPECT_EQ(g.calls[0].balls, n);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelNumber, ::testing::Values(1, 2, 3, 10, 57, 199));

TEST(LastLevel, Level200EndsTheGameWithReasonZeroAndStartsANewOne) {
    TestGame g;
    g.clearField();
    g.wallOfFame = nullptr;  // the level bonus alone would earn a place
    g.lvl.NBLLS = 198;
    g.lvl.LOVES = 198;
    g.completeLevel();  // level 199: the last one that is played
    EXPECT_EQ(g.lvl.NBLLS, 199);
    EXPECT_EQ(g.ballCount(), 199);

    g.calls.clear();
    g.completeLevel();
    EXPECT_EQ(g.endReason, kEndNoMoreBalls);
    EXPECT_EQ(g.hookNames(), (std::vector<std::string>{"onLevelCompleted", "onGameEnding",
                                                       "onGameOver", "onLevelStarted"}));
    const HookCall* over = g.last("onGameOver");
    ASSERT_NE(over, nullptr);
    EXPECT_EQ(over->a, kEndNoMoreBalls);
    EXPECT_EQ(over->b, -1);
    // A new game at level 1.
    EXPECT_EQ(g.lvl.NBLLS, 1);
    EXPECT_EQ(g.lvl.LOVES, 1);
    EXPECT_EQ(g.ballCount(), 1);
    EXPECT_EQ(GameModel::gameRunning, 1);
    for (const auto& call : g.calls) {
        EXPECT_LT(call.balls, 200);
    }
    EXPECT_EQ(g.lvl.balls[199].endOfList, 1);
}

TEST(LastLevel, TheLevelReachedIsEnteredInTheWallOfFame) {
    TestGame g;
    g.clearField();
    g.lvl.NBLLS = 199;
    g.lvl.SCORE = 321.7;
    g.startLevel();
    EXPECT_EQ(g.fame.entries[0].score, 321);
    EXPECT_EQ(g.fame.entries[0].level, 200);
    EXPECT_EQ(g.last("onGameOver")->b, 0);
    EXPECT_EQ(g.lvl.NBLLS, 1);
}

}  // namespace
