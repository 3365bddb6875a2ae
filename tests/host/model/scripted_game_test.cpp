// Whole games played through the model's public operations: a scripted
// player who wins the first levels, and the field moved in the middle of
// play.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "tests/host/model/test_game.h"

namespace {

bool barsIdle(const TestGame& g) {
    return g.lvl.bars[0].ACTIVE == 1 && g.lvl.bars[1].ACTIVE == 1;
}

// Plays a shot on a copy of the game; returns the cells the pair releases,
// or -1 when a ball breaks a bar on the way.
int tryShot(const TestGame& g, int row, int col, int horizontal) {
    TestGame sim(g.rows, g.cols);
    sim.lvl = g.lvl;
    sim.wallOfFame = nullptr;
    sim.barStep = g.barStep;
    sim.ballStep = g.ballStep;
    sim.clk.now = g.clk.now;
    sim.horizontalBars = horizontal;
    gameRunning = 1;
    sim.clickCell(row, col);
    int result = -1;
    for (int t = 0; t < 1000 && sim.count("onLifeLost") + sim.count("onGameOver") == 0; ++t) {
        sim.runTicks(1);
        if (sim.count("onLevelCompleted") > 0 || barsIdle(sim)) {
            result = sim.releasedThisShot;
            break;
        }
    }
    gameRunning = 1;
    return result;
}

// Of the free cells at least three cells from every ball, the shot that
// releases most without losing a life.
bool chooseShot(const TestGame& g, int* row, int* col, int* horizontal) {
    int best = -1;
    for (int r = 0; r < g.rows; r += 2) {
        for (int c = 0; c < g.cols; c += 2) {
            bool nearBall = g.cell(r, c) != kCellFree;
            for (int i = 0; i < g.ballCount(); ++i) {
                nearBall = nearBall || (std::abs(g.lvl.balls[i].X - g.cellX(c)) < 42 &&
                                        std::abs(g.lvl.balls[i].Y - g.cellY(r)) < 42);
            }
            for (int h = 0; h < 2 && !nearBall; ++h) {
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

TEST(ScriptedGame, APlayerWinsTheFirstLevels) {
    TestGame g;
    g.barStep = g.ballStep = 2;  // normal speed, grid shown
    g.lvl.SPEED = 1;
    g.newGame();
    double expectedScore = 0.0;
    int shots = 0;
    for (int level = 1; level <= 3; ++level) {
        ASSERT_EQ(g.lvl.NBLLS, level);
        const int levelStart = g.clk.now;
        int released = 0;
        while (g.count("onLevelCompleted") < level) {
            ASSERT_LT(shots, 100) << "the level is not won";
            int row = 0, col = 0, horizontal = 0;
            ASSERT_TRUE(chooseShot(g, &row, &col, &horizontal));
            g.horizontalBars = horizontal;
            g.clickCell(row, col);
            ++shots;
            ASSERT_EQ(g.statuses().back(), "You created bars");
            for (int t = 0; t < 1000 && g.count("onLevelCompleted") < level; ++t) {
                const int before = g.releasedThisShot;
                g.runTicks(1);
                if (g.releasedThisShot > before) {
                    released += g.releasedThisShot - before;
                    expectedScore += (g.releasedThisShot - before) / 6.0;
                    ASSERT_EQ(g.statuses().back(),
                              "You released " + std::to_string(g.releasedThisShot) + " cells");
                }
                if (barsIdle(g)) {
                    break;
                }
            }
            ASSERT_EQ(g.count("onLifeLost") + g.count("onGameOver") + g.fatalCount, 0);
        }
        const HookCall* completed = g.last("onLevelCompleted");
        expectedScore += level * 0.1 + (120 - (g.clk.now - levelStart) / 1000) * 0.1;
        EXPECT_EQ(completed->released, released);
        EXPECT_GE(released, 450);
        EXPECT_EQ(completed->lives, level);
        EXPECT_NEAR(completed->score, expectedScore, 1e-9);
        // The next level has one ball and one life more, on a clean field.
        EXPECT_EQ((std::vector<int>{g.lvl.NBLLS, g.ballCount(), g.lvl.LOVES, g.lvl.CLDNE,
                                    g.lvl.SLVTM, g.countCells(kCellFree)}),
                  (std::vector<int>{level + 1, level + 1, level + 1, 0, g.clk.now, 600}));
    }
    EXPECT_GT(shots, 3);
}

// The level of a game whose field lies `dx`, `dy` pixels further on, as
// it would be at the usual place.
Level movedBack(Level level, int dx, int dy) {
    for (Ball& ball : level.balls) {
        ball.X -= dx;
        ball.XOLD -= dx;
        ball.Y -= dy;
        ball.YOLD -= dy;
    }
    for (Bar& bar : level.bars) {
        bar.XSTART -= dx;
        bar.XEND -= dx;
        bar.YSTART -= dy;
        bar.YEND -= dy;
    }
    return level;
}

// Two games play the same script; one has its field moved 100 pixels right
// and 50 down while a pair grows. Every position keeps its offset and
// every outcome is the same.
TEST(FieldMove, PlayGoesOnUnchangedAfterTheFieldMoves) {
    TestGame a, b;
    for (TestGame* g : {&a, &b}) {
        g->barStep = g->ballStep = 2;
        g->clearField(1, 5);
        g->startLevel();  // six balls
    }
    for (int t = 0; t < 3000; ++t) {
        if (t % 150 == 0) {
            const int k = t / 150;
            const int row = (k * 7 + 2) % 20, col = (k * 11 + 3) % 30;
            a.horizontalBars = b.horizontalBars = k % 2;
            a.shoot(a.cellX(col) + 3, a.cellY(row) + 3);
            b.shoot(b.cellX(col) + 3, b.cellY(row) + 3);
        }
        a.runTicks(1);
        b.runTicks(1);
        if (t == 20) {
            b.moveFieldTo(110, 60, 110 + 420, 60 + 280);
            EXPECT_EQ(b.fieldRight * 1000 + b.fieldBottom, 530340);
        }
        ASSERT_TRUE(sameLevel(a.lvl, t < 20 ? b.lvl : movedBack(b.lvl, 100, 50))) << t;
    }
    EXPECT_EQ(a.hookNames(), b.hookNames());
    EXPECT_EQ(a.statuses(), b.statuses());
    EXPECT_GT(a.count("showStatus"), 6);  // the script did something worth comparing
}

}  // namespace
