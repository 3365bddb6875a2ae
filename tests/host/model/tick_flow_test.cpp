// The tick and the flow between levels and games: animation, time limit,
// pauses, released cells and their score, the level bonus, the end of a
// game.
#include <gtest/gtest.h>

#include "tests/host/model/test_game.h"

namespace {

TEST(Tick, TheAnimationAdvancesEveryElevenTicksWhateverTheState) {
    TestGame g;
    g.clearField();
    for (int state = 0; state < 3; ++state) {
        GameModel::gameRunning = state == 1 ? 0 : 1;
        g.paused = state == 2 ? 1 : 0;
        g.frame = 0;
        g.frameTick = 0;
        g.runTicks(10);
        EXPECT_EQ(g.frame, 0);
        EXPECT_EQ(g.frameTick, 10);
        g.runTicks(1);
        EXPECT_EQ(g.frame, 1);
        EXPECT_EQ(g.frameTick, 0);
        g.runTicks(6 * 11);
        EXPECT_EQ(g.frame, 7);
        g.runTicks(11);
        EXPECT_EQ(g.frame, 0);  // eight frames, then round again
    }
}

TEST(Tick, NothingMovesWhilePausedOrBetweenLevels) {
    TestGame g;
    g.clearField();
    g.addBall(100, 100, kDownRight);
    g.clickCell(10, 15);
    g.calls.clear();
    for (int state = 0; state < 2; ++state) {
        GameModel::gameRunning = state == 0 ? 0 : 1;
        g.paused = state == 0 ? 0 : 1;
        Level before = g.lvl;
        g.runTicks(30, 2);
        EXPECT_TRUE(sameLevel(before, g.lvl)) << "state " << state;
        EXPECT_TRUE(g.calls.empty());
    }
    g.paused = 0;
    g.clk.now = 5000;
    g.tick();
    EXPECT_EQ(g.lvl.LEVTM, 5000);
    EXPECT_EQ(g.lvl.balls[0].X, 101);
    EXPECT_EQ(g.lvl.bars[0].YEND, 149);
}

TEST(TimeLimit, UnpausedTimeOf120SecondsEndsTheGame) {
    TestGame g;
    g.clearField(3, 4);
    g.addBall(100, 100, kDownRight);
    g.clk.now = 119999;
    g.tick();
    EXPECT_EQ(g.count("onGameOver"), 0);
    EXPECT_EQ(g.elapsedSeconds(), 119);
    g.clk.now = 120000;
    g.tick();
    EXPECT_EQ(g.endReason, kEndTimeExpired);
    ASSERT_EQ(g.count("onGameOver"), 1);
    EXPECT_EQ(g.last("onGameOver")->a, kEndTimeExpired);
    EXPECT_EQ(g.last("onGameOver")->b, -1);
    EXPECT_EQ(g.lvl.NBLLS, 1);
    EXPECT_EQ(g.lvl.SLVTM, 120000);
    EXPECT_EQ(g.lvl.balls[0].X, g.cellX(g.lvl.balls[0].C));  // placed anew, not moved
}

TEST(TimeLimit, PausesDoNotCount) {
    TestGame g;
    g.clearField(3, 4);
    g.addBall(100, 100, kDownRight);
    g.clk.now = 50000;
    g.tick();
    EXPECT_EQ(g.elapsedSeconds(), 50);

    g.setPaused(1);
    EXPECT_EQ(g.lvl.SPSTM, 50000);
    g.clk.now = 55000;
    g.tick();
    EXPECT_EQ(g.lvl.LEVTM, 50000);  // a paused tick reads no time
    g.clk.now = 60000;
    g.togglePause();
    EXPECT_EQ(g.paused, 0);
    EXPECT_EQ(g.lvl.pausedTotal, 10000);
    g.tick();
    EXPECT_EQ(g.elapsedSeconds(), 50);
    EXPECT_EQ(g.hookNames(), (std::vector<std::string>{"onPauseChanged", "onPauseChanged"}));
    EXPECT_EQ(g.calls[0].a, 1);
    EXPECT_EQ(g.calls[1].a, 0);

    g.clk.now = 129999;
    g.tick();
    EXPECT_EQ(g.count("onGameOver"), 0);
    g.clk.now = 130000;
    g.tick();
    EXPECT_EQ(g.count("onGameOver"), 1);
    EXPECT_EQ(g.endReason, kEndTimeExpired);
}

TEST(Pause, SettingTheSameStateOrPausingBetweenLevelsOnlyKeepsTheFlag) {
    TestGame g;
    g.clearField();
    g.clk.now = 7000;
    g.setPaused(0);
    EXPECT_TRUE(g.calls.empty());
    g.setPaused(1);
    g.clk.now = 9000;
    g.setPaused(1);
    EXPECT_EQ(g.lvl.SPSTM, 7000);
    EXPECT_EQ(g.count("onPauseChanged"), 1);

    GameModel::gameRunning = 0;
    g.setPaused(0);
    EXPECT_EQ(g.paused, 0);
    EXPECT_EQ(g.lvl.pausedTotal, 0);
    g.togglePause();
    EXPECT_EQ(g.paused, 1);
    EXPECT_EQ(g.lvl.SPSTM, 7000);
    EXPECT_EQ(g.count("onPauseChanged"), 1);
    // The next level starts unpaused.
    g.startLevel();
    EXPECT_EQ(g.paused, 0);
}

TEST(Release, TwoBarsFinishingInOneTickGiveOneTotal) {
    TestGame g;
    g.clearField();
    g.barStep = 4;
    g.ballStep = 4;
    // Walls two rows above and below the clicked cell (10, 1), and beside
    // column 1 in column 0: both bars finish at the fourth tick. The up bar
    // finishes first and seals cells (9..11, 0), bounded by the down bar's
    // cell that still grows; then the down bar adds its own cell.
    g.setCell(8, 0, kCellWall);
    g.setCell(8, 1, kCellWall);
    g.setCell(12, 0, kCellWall);
    g.setCell(12, 1, kCellWall);
    g.addBall(300, 200, kDownRight);
    g.clickCell(10, 1);
    g.runTicks(3, 2);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 0);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 0);
    g.calls.clear();
    g.runTicks(1, 2);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[0].REND, 9);
    EXPECT_EQ(g.lvl.bars[1].REND, 11);
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"You released 6 cells"});
    EXPECT_EQ(g.lvl.CLDNE, 6);
    EXPECT_EQ(g.releasedThisShot, 6);
    EXPECT_DOUBLE_EQ(g.lvl.SCORE, 1.0);
    EXPECT_EQ(g.countCells(kCellWall), 10);
    for (int r = 9; r <= 11; ++r) {
        EXPECT_EQ(g.cell(r, 0), kCellWall);
        EXPECT_EQ(g.cell(r, 1), kCellWall);
    }
}

TEST(Release, ABarBetweenBallsCountsItsOwnCellsAndTheMessageAddsUp) {
    TestGame g;
    g.clearField();
    // Balls on both sides that stay clear of column 15 for 140 ticks.
    g.addBall(30, 100, kUpLeft);
    g.addBall(410, 100, kUpRight);
    g.clickCell(10, 15);
    g.calls.clear();
    g.runTicks(125, 2);
    EXPECT_TRUE(g.calls.empty());
    g.runTicks(1, 2);  // the down bar reaches the bottom: 9 cells
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"You released 9 cells"});
    EXPECT_EQ(g.lvl.CLDNE, 9);
    g.runTicks(13, 2);
    EXPECT_EQ(g.statuses().size(), 1u);
    g.runTicks(1, 2);  // the up bar reaches the top: 11 more
    EXPECT_EQ(g.statuses(),
              (std::vector<std::string>{"You released 9 cells", "You released 20 cells"}));
    EXPECT_EQ(g.lvl.CLDNE, 20);
    EXPECT_EQ(g.countCells(kCellWall), 20);
    EXPECT_EQ(g.count("onLifeLost"), 0);
    EXPECT_DOUBLE_EQ(g.lvl.SCORE, 20.0 / 6.0);
}

struct Weight {
    int rows, cols, cells, speed, grid;
    double points;
};

class ScoreWeight : public ::testing::TestWithParam<Weight> {};

TEST_P(ScoreWeight, DependsOnSpeedGridAndFieldSize) {
    const Weight& c = GetParam();
    TestGame g(c.rows, c.cols);
    g.clearField();
    g.lvl.SPEED = c.speed;
    g.lvl.GRID = c.grid;
    g.lvl.SCORE = 2.5;
    g.addScore(c.cells);
    EXPECT_DOUBLE_EQ(g.lvl.SCORE, 2.5 + c.points);
}

INSTANTIATE_TEST_SUITE_P(
    Weights, ScoreWeight,
    ::testing::Values(Weight{20, 30, 450, 1, 1, 75.0}, Weight{20, 30, 450, 0, 1, 37.5},
                      Weight{20, 30, 450, 2, 1, 150.0}, Weight{20, 30, 450, 1, 0, 7.5},
                      Weight{20, 30, 450, 0, 0, 3.75}, Weight{20, 30, 450, 2, 0, 15.0},
                      Weight{20, 30, 450, 7, 1, 75.0}, Weight{20, 30, 1, 1, 1, 1.0 / 6.0},
                      Weight{20, 30, 0, 2, 1, 0.0}, Weight{15, 20, 225, 1, 1, 150.0},
                      Weight{30, 40, 900, 1, 1, 37.5},
                      Weight{25, 35, 700, 1, 1, 700.0 * 60000.0 / 765625.0}));

TEST(Score, AFullLevelAtNormalSpeedWithGridIsWorth75) {
    TestGame g;
    g.clearField();
    g.addScore(450);
    EXPECT_EQ(static_cast<int>(g.lvl.SCORE), 75);
}

struct Bonus {
    int lives, start, last, pausedMs;
    double bonus;
};

class LevelBonus : public ::testing::TestWithParam<Bonus> {};

TEST_P(LevelBonus, PaysForLivesAndWholeSecondsLeft) {
    const Bonus& c = GetParam();
    TestGame g;
    g.clearField(c.lives, 3);
    g.lvl.SCORE = 0.0;
    g.lvl.SLVTM = c.start;
    g.lvl.LEVTM = c.last;
    g.lvl.pausedTotal = c.pausedMs;
    g.completeLevel();
    ASSERT_EQ(g.count("onLevelCompleted"), 1);
    EXPECT_NEAR(g.last("onLevelCompleted")->score, c.bonus, 1e-9);
    EXPECT_NEAR(g.lvl.SCORE, c.bonus, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelBonus,
                         ::testing::Values(Bonus{3, 0, 30000, 0, 9.3}, Bonus{3, 0, 30999, 0, 9.3},
                                           Bonus{3, 1000, 31000, 0, 9.3},
                                           Bonus{1, 0, 119999, 0, 0.2},
                                           Bonus{5, 0, 60000, 20000, 8.5},
                                           Bonus{2, 0, 0, 0, 12.2}));

TEST(LevelFlow, ReachingTheGoalCompletesTheLevel) {
    TestGame g;
    g.clearField(3, 3);
    g.clk.now = 1000;
    g.lvl.SLVTM = 1000;
    g.lvl.SCORE = 10.0;
    g.lvl.CLDNE = 449;
    // A one-cell pocket in the last row: the up bar finishes at once and
    // releases its own cell only.
    g.setCell(18, 15, kCellWall);
    g.setCell(19, 14, kCellWall);
    g.setCell(19, 16, kCellWall);
    g.lvl.CLDNE = 449;
    g.addBall(100, 100, kDownRight);
    g.clickCell(19, 15);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    g.calls.clear();
    g.clk.now = 31000;
    g.tick();
    EXPECT_EQ(g.hookNames(),
              (std::vector<std::string>{"showStatus", "onLevelCompleted", "onLevelStarted"}));
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"You released 1 cells"});
    const HookCall& completed = g.calls[1];
    EXPECT_EQ(completed.running, 0);
    EXPECT_EQ(completed.released, 450);
    EXPECT_EQ(completed.lives, 3);
    double expected = 10.0 + 1.0 / 6.0;
    expected = expected - 3 * (-0.1);
    expected = expected - (120 - 30) * (-0.1);
    EXPECT_DOUBLE_EQ(completed.score, expected);
    EXPECT_DOUBLE_EQ(g.lvl.SCORE, expected);
    // The next level.
    EXPECT_EQ(g.lvl.NBLLS, 4);
    EXPECT_EQ(g.lvl.LOVES, 4);
    EXPECT_EQ(g.ballCount(), 4);
    EXPECT_EQ(g.lvl.CLDNE, 0);
    EXPECT_EQ(g.lvl.SLVTM, 31000);
    EXPECT_EQ(g.countCells(kCellFree), 600);
    EXPECT_EQ(GameModel::gameRunning, 1);
}

TEST(LevelFlow, OneCellShortOfTheGoalGoesOn) {
    TestGame g;
    g.clearField(3, 3);
    g.setCell(18, 15, kCellWall);
    g.setCell(19, 14, kCellWall);
    g.setCell(19, 16, kCellWall);
    g.lvl.CLDNE = 448;
    g.clickCell(19, 15);
    g.calls.clear();
    g.tick();
    EXPECT_EQ(g.lvl.CLDNE, 449);
    EXPECT_EQ(g.count("onLevelCompleted"), 0);
    EXPECT_EQ(g.lvl.NBLLS, 3);
}

TEST(LevelFlow, TheLastLifeEndsTheGameAndANewOneStartsAtLevelOne) {
    TestGame g;
    g.clearField(1, 3);
    g.lvl.SCORE = 12.7;
    g.lvl.CLDNE = 100;
    g.setCell(0, 0, kCellWall);
    g.growingBar(0, kUp, 8, 13, 5, 13);
    g.addBall(184, 102, kDownRight);
    g.clk.now = 2000;
    g.tick();
    EXPECT_EQ(g.hookNames(),
              (std::vector<std::string>{"showStatus", "onGameEnding", "askPlayerName", "onGameOver",
                                        "onLevelStarted"}));
    EXPECT_EQ(g.calls[1].running, 0);
    const HookCall* over = g.last("onGameOver");
    EXPECT_EQ(over->a, kEndNoMoreLives);
    EXPECT_EQ(over->b, 0);
    EXPECT_EQ(over->endReason, kEndNoMoreLives);
    EXPECT_EQ(over->levelNumber, 0);  // reset after the entry was made
    EXPECT_EQ(g.fame.entries[0].score, 12);
    EXPECT_EQ(g.fame.entries[0].level, 3);
    EXPECT_STREQ(g.fame.entries[0].name, "Tester");
    // The new game.
    EXPECT_EQ(g.lvl.NBLLS, 1);
    EXPECT_EQ(g.lvl.LOVES, 1);
    EXPECT_EQ(g.lvl.SCORE, 0.0);
    EXPECT_EQ(g.lvl.CLDNE, 0);
    EXPECT_EQ(g.ballCount(), 1);
    EXPECT_EQ(g.lvl.SLVTM, 2000);
    EXPECT_EQ(g.countCells(kCellFree), 600);
    EXPECT_EQ(GameModel::gameRunning, 1);
}

// The dialogs shown from the transition hooks keep dispatching timer
// messages: those ticks find the game between levels and only animate.
TEST(LevelFlow, TicksDuringTheTransitionDialogsOnlyAnimate) {
    TestGame g;
    g.clearField(1, 2);
    g.lvl.SCORE = 40.0;
    g.growingBar(0, kUp, 8, 13, 5, 13);
    g.addBall(184, 102, kDownRight);
    int transitionTicks = 0;
    g.duringHook = [&g, &transitionTicks](const std::string& hook) {
        if (hook != "onLevelCompleted" && hook != "askPlayerName" && hook != "onGameOver") {
            return;
        }
        EXPECT_EQ(GameModel::gameRunning, 0) << hook;
        Level before = g.lvl;
        int frameTick = g.frameTick;
        for (int i = 0; i < 3; ++i) {
            g.clk.now += 2;
            g.tick();
            ++transitionTicks;
        }
        EXPECT_TRUE(sameLevel(before, g.lvl)) << hook;
        EXPECT_NE(g.frameTick, frameTick) << hook;
    };
    g.tick();  // the ball breaks the bar with the last life
    EXPECT_EQ(transitionTicks, 6);
    EXPECT_EQ(g.fame.entries[0].score, 40);
    EXPECT_EQ(g.lvl.NBLLS, 1);

    // And at a level's end.
    g.clearField(3, 3);
    g.lvl.CLDNE = 449;
    g.setCell(18, 15, kCellWall);
    g.setCell(19, 14, kCellWall);
    g.setCell(19, 16, kCellWall);
    g.clickCell(19, 15);
    transitionTicks = 0;
    g.tick();
    EXPECT_EQ(transitionTicks, 3);
    EXPECT_EQ(g.lvl.NBLLS, 4);
}

TEST(LevelFlow, NewGameStartsLevelOneWithNoScore) {
    TestGame g;
    g.clearField(4, 9);
    g.lvl.SCORE = 55.0;
    g.newGame();
    EXPECT_EQ(g.lvl.NBLLS, 1);
    EXPECT_EQ(g.lvl.LOVES, 1);
    EXPECT_EQ(g.lvl.SCORE, 0.0);
    EXPECT_EQ(g.hookNames(), std::vector<std::string>{"onLevelStarted"});
    EXPECT_EQ(g.calls[0].running, 0);
    EXPECT_EQ(GameModel::gameRunning, 1);
}

}  // namespace
