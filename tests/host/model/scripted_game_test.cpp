// Whole games played through the model's public operations: a scripted
// player who wins level 1, and the field moved in the middle of play.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/host/model/test_game.h"

namespace {

// Plays a shot on a copy of the game and reports how many cells the pair
// releases, or -1 when a ball breaks a bar on the way.
int tryShot(const TestGame& g, int row, int col, int horizontal) {
    TestGame sim(g.rows, g.cols);
    sim.lvl = g.lvl;
    sim.wallOfFame = nullptr;
    sim.barStep = g.barStep;
    sim.ballStep = g.ballStep;
    sim.cellsToComplete = g.cellsToComplete;
    sim.clk.now = g.clk.now;
    sim.horizontalBars = horizontal;
    GameModel::gameRunning = 1;
    sim.clickCell(row, col);
    int result = -1;
    for (int t = 0; t < 1000; ++t) {
        sim.clk.now += 2;
        sim.tick();
        if (sim.count("onLifeLost") + sim.count("onGameOver") > 0) {
            break;
        }
        if (sim.count("onLevelCompleted") > 0 ||
            (sim.lvl.bars[0].ACTIVE == 1 && sim.lvl.bars[1].ACTIVE == 1)) {
            result = sim.releasedThisShot;
            break;
        }
    }
    GameModel::gameRunning = 1;
    return result;
}

// The player looks at free cells at least three cells from every ball and
// takes the shot that releases most without losing a life.
bool chooseShot(const TestGame& g, int* row, int* col, int* horizontal) {
    int best = -1;
    for (int r = 0; r < g.rows; r += 2) {
        for (int c = 0; c < g.cols; c += 2) {
            if (g.cell(r, c) != kCellFree) {
                continue;
            }
            bool nearBall = false;
            for (int i = 0; i < g.ballCount(); ++i) {
                int dx = std::abs(g.lvl.balls[i].X - g.cellX(c));
                int dy = std::abs(g.lvl.balls[i].Y - g.cellY(r));
                nearBall = nearBall || (dx < 3 * g.cellWidth && dy < 3 * g.cellHeight);
            }
            if (nearBall) {
                continue;
            }
            for (int h = 0; h < 2; ++h) {
                int released = tryShot(g, r, c, h);
                if (released > best) {
                    best = released;
                    *row = r;
                    *col = c;
                    *horizontal = h;
                }
            }
        }
    }
    return best >= 0;
}

// Shoots and ticks until the level in play is won; adds the points of
// every release and the level bonus to `expectedScore`.
void winLevel(TestGame& g, double* expectedScore, int* shots) {
    const int levelStart = g.clk.now;
    const int completedBefore = g.count("onLevelCompleted");
    int released = 0;
    while (g.count("onLevelCompleted") == completedBefore) {
        ASSERT_LT(*shots, 100) << "the level is not won";
        int row = 0, col = 0, horizontal = 0;
        ASSERT_TRUE(chooseShot(g, &row, &col, &horizontal));
        g.horizontalBars = horizontal;
        g.clickCell(row, col);
        ++*shots;
        ASSERT_EQ(g.statuses().back(), "You created bars");
        for (int t = 0; t < 1000; ++t) {
            int before = g.releasedThisShot;
            g.clk.now += 2;
            g.tick();
            int gained = g.releasedThisShot - before;
            if (gained > 0) {
                released += gained;
                *expectedScore += pointsFor(gained, 1, 1, 20, 30);
                std::string text = "You released " + std::to_string(g.releasedThisShot) + " cells";
                ASSERT_EQ(g.statuses().back(), text);
            }
            if (g.count("onLevelCompleted") > completedBefore ||
                (g.lvl.bars[0].ACTIVE == 1 && g.lvl.bars[1].ACTIVE == 1)) {
                break;
            }
        }
        ASSERT_EQ(g.count("onLifeLost"), 0);
        ASSERT_EQ(g.count("onGameOver"), 0);
        ASSERT_EQ(g.fatalCount, 0);
        ASSERT_EQ(g.messageCount, 0);
    }
    const HookCall* completed = g.last("onLevelCompleted");
    const int elapsed = (g.clk.now - levelStart) / 1000;
    *expectedScore += completed->lives * 0.1 + (120 - elapsed) * 0.1;
    EXPECT_EQ(completed->released, released);
    EXPECT_GE(completed->released, 450);
    EXPECT_EQ(completed->lives, completed->levelNumber);
    EXPECT_NEAR(completed->score, *expectedScore, 1e-9);
}

TEST(ScriptedGame, APlayerWinsTheFirstLevels) {
    TestGame g;
    g.clk.calendar = 1;  // the placement seed
    g.initGeometry();
    g.barStep = 2;  // normal speed
    g.ballStep = 2;
    g.lvl.SPEED = 1;
    g.lvl.GRID = 1;
    g.newGame();
    ASSERT_EQ(g.ballCount(), 1);
    EXPECT_EQ(g.lvl.balls[0].X, 206);
    EXPECT_EQ(g.lvl.balls[0].Y, 164);
    EXPECT_EQ(g.lvl.balls[0].DRCT, kDownLeft);

    double expectedScore = 0.0;
    int shots = 0;
    for (int level = 1; level <= 3; ++level) {
        ASSERT_EQ(g.lvl.NBLLS, level);
        winLevel(g, &expectedScore, &shots);
        if (HasFatalFailure()) {
            return;
        }
        // The next level has one ball and one life more, on a clean field.
        EXPECT_EQ(g.lvl.NBLLS, level + 1);
        EXPECT_EQ(g.ballCount(), level + 1);
        EXPECT_EQ(g.lvl.LOVES, level + 1);
        EXPECT_EQ(g.lvl.CLDNE, 0);
        EXPECT_EQ(g.lvl.SLVTM, g.clk.now);
        EXPECT_EQ(g.countCells(kCellFree), 600);
        EXPECT_NEAR(g.lvl.SCORE, expectedScore, 1e-9);
        EXPECT_EQ(GameModel::gameRunning, 1);
    }
    EXPECT_GT(shots, 3);
}

// Two games play the same script; one has its field moved 100 pixels right
// and 50 down while a pair grows. Every position keeps its offset and
// every outcome is the same.
TEST(FieldMove, PlayGoesOnUnchangedAfterTheFieldMoves) {
    TestGame a;
    TestGame b;
    for (TestGame* g : {&a, &b}) {
        g->clk.calendar = 77;
        g->initGeometry();
        g->barStep = 2;
        g->ballStep = 2;
        g->newGame();
        g->lvl.NBLLS = 5;
        g->startLevel();
        g->clickCell(2, 3);
        g->runTicks(20, 2);
    }
    b.moveFieldTo(110, 60, 110 + 420, 60 + 280);
    EXPECT_EQ(b.fieldLeft, 110);
    EXPECT_EQ(b.fieldTop, 60);
    EXPECT_EQ(b.fieldRight, 530);
    EXPECT_EQ(b.fieldBottom, 340);
    EXPECT_EQ(b.cellWidth, 14);
    EXPECT_EQ(b.cellHeight, 14);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(b.lvl.balls[i].X, a.lvl.balls[i].X + 100) << i;
        EXPECT_EQ(b.lvl.balls[i].Y, a.lvl.balls[i].Y + 50) << i;
        EXPECT_EQ(b.lvl.balls[i].R, a.lvl.balls[i].R) << i;
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(b.lvl.bars[i].XSTART, a.lvl.bars[i].XSTART + 100) << i;
        EXPECT_EQ(b.lvl.bars[i].XEND, a.lvl.bars[i].XEND + 100) << i;
        EXPECT_EQ(b.lvl.bars[i].YSTART, a.lvl.bars[i].YSTART + 50) << i;
        EXPECT_EQ(b.lvl.bars[i].YEND, a.lvl.bars[i].YEND + 50) << i;
        EXPECT_EQ(b.lvl.bars[i].REND, a.lvl.bars[i].REND) << i;
    }
    EXPECT_EQ(std::memcmp(a.lvl.grid, b.lvl.grid, sizeof a.lvl.grid), 0);

    // Same clicks (in each game's pixels), same ticks.
    const int clicks[][2] = {{17, 25}, {3, 27}, {15, 2}, {10, 10}, {18, 14}, {1, 1}};
    int k = 0;
    for (int t = 0; t < 3000; ++t) {
        if (t % 150 == 0) {
            int row = clicks[k % 6][0];
            int col = clicks[k % 6][1];
            a.horizontalBars = b.horizontalBars = k % 2;
            a.shoot(a.cellX(col) + 3, a.cellY(row) + 3);
            b.shoot(b.cellX(col) + 3, b.cellY(row) + 3);
            ++k;
        }
        a.clk.now += 2;
        b.clk.now += 2;
        a.tick();
        b.tick();
    }
    EXPECT_EQ(a.statuses(), b.statuses());
    EXPECT_EQ(a.hookNames(), b.hookNames());
    EXPECT_EQ(std::memcmp(a.lvl.grid, b.lvl.grid, sizeof a.lvl.grid), 0);
    EXPECT_EQ(a.lvl.CLDNE, b.lvl.CLDNE);
    EXPECT_EQ(a.lvl.LOVES, b.lvl.LOVES);
    EXPECT_EQ(a.lvl.NBLLS, b.lvl.NBLLS);
    EXPECT_EQ(a.lvl.SCORE, b.lvl.SCORE);
    for (int i = 0; i < a.ballCount(); ++i) {
        EXPECT_EQ(b.lvl.balls[i].X, a.lvl.balls[i].X + 100) << i;
        EXPECT_EQ(b.lvl.balls[i].Y, a.lvl.balls[i].Y + 50) << i;
        EXPECT_EQ(b.lvl.balls[i].DRCT, a.lvl.balls[i].DRCT) << i;
    }
    // The script did something worth comparing.
    EXPECT_GT(a.count("showStatus"), 6);
}

}  // namespace
