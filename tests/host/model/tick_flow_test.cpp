// The tick and the flow between levels and games: animation, time limit,
// pauses, released cells and their score, the level bonus, the end of a
// game.
#include <gtest/gtest.h>

#include "tests/host/model/test_game.h"

namespace {

// The balls keep turning every eleventh tick, while paused and between
// levels too, but nothing else moves then.
TEST(Tick, OnlyTheAnimationRunsWhilePausedOrBetweenLevels) {
    TestGame g;
    g.addBall(100, 100, kDownRight);
    g.clickCell(10, 15);
    g.calls.clear();
    for (int state = 0; state < 3; ++state) {
        gameRunning = state == 1 ? 0 : 1;
        g.paused = state == 2 ? 1 : 0;
        g.frame = g.frameTick = 0;
        Level before = g.lvl;
        std::vector<int> frames;
        for (int ticks : {10, 1, 66, 11}) {
            g.runTicks(ticks, state == 0 ? 0 : 2);
            frames.push_back(g.frame * 100 + g.frameTick);
        }
        EXPECT_EQ(frames, (std::vector<int>{10, 100, 700, 0})) << state;  // eight frames
        EXPECT_EQ(sameLevel(before, g.lvl), state > 0) << state;
    }
    EXPECT_TRUE(g.calls.empty());
    gameRunning = 1;
    g.paused = 0;
    g.clk.now = 5000;
    g.tick();
    EXPECT_EQ((std::vector<int>{g.lvl.LEVTM, g.lvl.balls[0].X, g.lvl.bars[0].YEND}),
              (std::vector<int>{5000, 189, 61}));
}

TEST(TimeLimit, UnpausedTimeOf120SecondsEndsTheGame) {
    for (int pausedMs : {0, 10000}) {
        TestGame g;
        g.clearField(3, 4);
        g.addBall(100, 100, kDownRight);
        if (pausedMs > 0) {
            g.clk.now = 50000;
            g.setPaused(1);
            g.clk.now = 55000;
            g.tick();
            EXPECT_EQ(g.lvl.LEVTM, 0);  // a paused tick reads no time
            g.clk.now = 60000;
            g.togglePause();
            EXPECT_EQ(g.lvl.pausedTotal, 10000);
            EXPECT_EQ(g.hookNames(), (Names{"onPauseChanged", "onPauseChanged"}));
            EXPECT_EQ(g.calls[0].a * 10 + g.calls[1].a, 10);
        }
        g.clk.now = 119999 + pausedMs;
        g.tick();
        EXPECT_EQ(g.count("onGameOver"), 0);
        g.clk.now = 120000 + pausedMs;
        g.tick();
        ASSERT_EQ(g.count("onGameOver"), 1);
        EXPECT_EQ(g.last("onGameOver")->a, kEndTimeExpired);
        EXPECT_EQ(g.last("onGameOver")->b, -1);
        EXPECT_EQ(g.lvl.NBLLS, 1);
        EXPECT_EQ(g.lvl.SLVTM, 120000 + pausedMs);
        EXPECT_EQ(g.lvl.balls[0].X, g.cellX(g.lvl.balls[0].C));  // placed anew, not moved
    }
}

TEST(Pause, SettingTheSameStateOrPausingBetweenLevelsOnlyKeepsTheFlag) {
    TestGame g;
    g.clk.now = 7000;
    g.setPaused(0);
    g.setPaused(1);
    g.clk.now = 9000;
    g.setPaused(1);
    EXPECT_EQ(g.lvl.SPSTM, 7000);
    gameRunning = 0;
    g.setPaused(0);
    EXPECT_EQ(g.paused, 0);
    g.togglePause();
    EXPECT_EQ(g.paused, 1);
    EXPECT_EQ((std::vector<int>{g.lvl.SPSTM, g.lvl.pausedTotal}), (std::vector<int>{7000, 0}));
    EXPECT_EQ(g.hookNames(), Names{"onPauseChanged"});
    g.startLevel();  // the next level starts unpaused
    EXPECT_EQ(g.paused, 0);
}

// Walls two rows above and below the clicked cell (10, 1), and beside
// column 1 in column 0: both bars finish at the fourth tick. The up bar
// finishes first and seals cells (9..11, 0), bounded by the down bar's cell
// that still grows; then the down bar adds its own cell.
TEST(Release, TwoBarsFinishingInOneTickGiveOneTotal) {
    TestGame g;
    g.barStep = g.ballStep = 4;
    for (int r : {8, 12}) {
        g.setCell(r, 0, kCellWall);
        g.setCell(r, 1, kCellWall);
    }
    g.addBall(300, 200, kDownRight);
    g.clickCell(10, 1);
    g.runTicks(3);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE + g.lvl.bars[1].ACTIVE, 0);
    g.calls.clear();
    g.runTicks(1);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE + g.lvl.bars[1].ACTIVE, 2);
    EXPECT_EQ(g.statuses(), Names{"You released 6 cells"});
    EXPECT_EQ(
        (std::vector<int>{g.lvl.CLDNE, g.releasedThisShot, g.countCells(kCellWall, 9, 11, 0, 1)}),
        (std::vector<int>{6, 6, 6}));
    EXPECT_DOUBLE_EQ(g.lvl.SCORE, 1.0);
}

TEST(Release, ABarBetweenBallsCountsItsOwnCellsAndTheTextAddsUp) {
    TestGame g;
    g.addBall(30, 100, kUpLeft);  // clear of column 15 for 140 ticks
    g.addBall(410, 100, kUpRight);
    g.clickCell(10, 15);
    g.calls.clear();
    g.runTicks(126);  // the down bar reaches the bottom: 9 cells
    EXPECT_EQ(g.statuses(), Names{"You released 9 cells"});
    EXPECT_EQ(g.lvl.CLDNE, 9);
    g.runTicks(14);  // the up bar reaches the top: 11 more
    EXPECT_EQ(g.statuses(), (Names{"You released 9 cells", "You released 20 cells"}));
    EXPECT_EQ(g.lvl.CLDNE, 20);
    EXPECT_EQ(g.countCells(kCellWall), 20);
    EXPECT_DOUBLE_EQ(g.lvl.SCORE, 20.0 / 6.0);
}

TEST(Score, IsWeightedBySpeedGridAndFieldSize) {
    struct {
        int rows, cols, cells, speed, grid;
        double points;
    } cases[] = {{20, 30, 450, 1, 1, 75.0}, {20, 30, 450, 0, 1, 37.5},  {20, 30, 450, 2, 1, 150.0},
                 {20, 30, 450, 1, 0, 7.5},  {20, 30, 450, 0, 0, 3.75},  {20, 30, 450, 2, 0, 15.0},
                 {20, 30, 450, 7, 1, 75.0}, {20, 30, 1, 1, 1, 1.0 / 6}, {15, 20, 225, 1, 1, 150.0},
                 {30, 40, 900, 1, 1, 37.5}};
    for (auto c : cases) {
        TestGame g(c.rows, c.cols);
        g.lvl.SPEED = c.speed;
        g.lvl.GRID = c.grid;
        g.lvl.SCORE = 2.5;
        g.addScore(c.cells);
        EXPECT_DOUBLE_EQ(g.lvl.SCORE, 2.5 + c.points) << c.rows << "x" << c.cols << " " << c.cells
                                                      << " speed " << c.speed << " grid " << c.grid;
    }
}

TEST(Score, TheLevelBonusPaysForLivesAndWholeSecondsLeft) {
    struct {
        int lives, start, last, pausedMs;
        double bonus;
    } cases[] = {{3, 0, 30000, 0, 9.3},  {3, 0, 30999, 0, 9.3},     {3, 1000, 31000, 0, 9.3},
                 {1, 0, 119999, 0, 0.2}, {5, 0, 60000, 20000, 8.5}, {2, 0, 0, 0, 12.2}};
    for (auto c : cases) {
        TestGame g;
        g.clearField(c.lives, 3);
        g.lvl.SLVTM = c.start;
        g.lvl.LEVTM = c.last;
        g.lvl.pausedTotal = c.pausedMs;
        g.completeLevel();
        ASSERT_EQ(g.count("onLevelCompleted"), 1);
        EXPECT_NEAR(g.last("onLevelCompleted")->score, c.bonus, 1e-9) << c.lives << " " << c.last;
    }
}

// A one-cell pocket in the last row: the up bar finishes at once and
// releases its own cell only.
TEST(LevelFlow, ReachingTheGoalCompletesTheLevel) {
    for (int releasedBefore : {448, 449}) {
        TestGame g;
        g.clk.now = 1000;
        g.clearField(3, 3);
        g.lvl.SCORE = 10.0;
        g.lvl.CLDNE = releasedBefore;
        g.setCell(18, 15, kCellWall);
        g.setCell(19, 14, kCellWall);
        g.setCell(19, 16, kCellWall);
        g.addBall(100, 100, kDownRight);
        g.clickCell(19, 15);
        g.calls.clear();
        g.clk.now = 31000;
        g.tick();
        if (releasedBefore == 448) {
            EXPECT_EQ(g.lvl.CLDNE, 449);
            EXPECT_EQ(g.hookNames(), Names{"showStatus"});
            continue;
        }
        EXPECT_EQ(g.hookNames(), (Names{"showStatus", "onLevelCompleted", "onLevelStarted"}));
        EXPECT_EQ(g.statuses(), Names{"You released 1 cells"});
        const HookCall& done = g.calls[1];
        EXPECT_EQ((std::vector<int>{done.running, done.released, done.lives}),
                  (std::vector<int>{0, 450, 3}));
        EXPECT_NEAR(done.score, 10.0 + 1.0 / 6.0 + 0.3 + 9.0, 1e-9);
        EXPECT_DOUBLE_EQ(g.lvl.SCORE, done.score);
        EXPECT_EQ((std::vector<int>{g.lvl.NBLLS, g.lvl.LOVES, g.ballCount(), g.lvl.CLDNE,
                                    g.lvl.SLVTM, g.countCells(kCellFree), gameRunning}),
                  (std::vector<int>{4, 4, 4, 0, 31000, 600, 1}));
    }
}

TEST(LevelFlow, TheLastLifeEndsTheGameAndANewOneStartsAtLevelOne) {
    TestGame g;
    g.clearField(1, 3);
    g.lvl.SCORE = 12.7;
    g.lvl.CLDNE = 100;
    g.setCell(0, 0, kCellWall);
    g.growingBar(0, kUp, 8, 13, 5, 13);
    g.addBall(184, 102, kDownRight);  // breaks the bar in its first move
    g.addBall(300, 200, kDownRight);
    int transitionTicks = 0;
    g.duringHook = [&g, &transitionTicks](const std::string& hook) {
        if (hook == "onGameEnding") {  // the other balls are not moved in that tick
            EXPECT_EQ(g.lvl.balls[1].X * 1000 + g.lvl.balls[1].Y, 300200);
            EXPECT_EQ(g.calls.back().running, 0);
        } else if (hook == "askPlayerName" || hook == "onGameOver") {
            // The dialogs shown from these hooks keep dispatching timer
            // messages: those ticks find the game between levels and only
            // animate.
            Level before = g.lvl;
            const int frameTick = g.frameTick;
            g.runTicks(3, 0);
            transitionTicks += 3;
            EXPECT_TRUE(sameLevel(before, g.lvl)) << hook;
            EXPECT_NE(g.frameTick, frameTick) << hook;
        }
    };
    g.clk.now = 2000;
    g.tick();
    EXPECT_EQ(g.hookNames(), (Names{"showStatus", "onGameEnding", "askPlayerName", "onGameOver",
                                    "onLevelStarted"}));
    EXPECT_EQ(g.last("onGameOver")->a, kEndNoMoreLives);
    EXPECT_EQ(g.last("onGameOver")->b, 0);
    EXPECT_EQ(g.fame.entries[0].score * 100 + g.fame.entries[0].level, 1203);
    EXPECT_STREQ(g.fame.entries[0].name, "Tester");
    EXPECT_EQ(g.lvl.SCORE, 0.0);
    EXPECT_EQ(transitionTicks, 6);
    EXPECT_EQ((std::vector<int>{g.lvl.NBLLS, g.lvl.LOVES, g.lvl.CLDNE, g.ballCount(), g.lvl.SLVTM,
                                g.countCells(kCellFree), gameRunning}),
              (std::vector<int>{1, 1, 0, 1, 2000, 600, 1}));
}

}  // namespace
