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
    GameModel::gameRunning = 1;
    sim.clickCell(row, col);
    int result = -1;
    for (int t = 0; t < 1000 && sim.count("onLifeLost") + sim.count("onGameOver") == 0; ++t) {
        sim.runTicks(1);
        if (sim.count("onLevelCompleted") > 0 || barsIdle(sim)) {
            result = sim.releasedThisShot;
            break;
        }
    }
    GameModel::gameRunning = 1;
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

// Two games play the same script; one has its field moved 100 pixels right
// and 50 down while a pair grows. Every position keeps its offset and
// every outcome is the same.
TEST(FieldMove, PlayGoesOnUnchangedAfterTheFieldMoves) {
    TestGame a, b;
    for (TestGame* g : {&a, &b}) {
        g->clk.calendar = 77;
        g->initGeometry();
        g->barStep = g->ballStep = 2;
        g->clearField(1, 5);
        g->startLevel();
        g->clickCell(2, 3);
        g->runTicks(20);
    }
    b.moveFieldTo(110, 60, 110 + 420, 60 + 280);
    EXPECT_EQ((std::vector<int>{b.fieldRight, b.fieldBottom, b.cellWidth, b.cellHeight}),
              (std::vector<int>{530, 340, 14, 14}));
    auto expectOffset = [&a, &b]() {
        for (int i = 0; i < a.ballCount(); ++i) {
            EXPECT_EQ(b.lvl.balls[i].X, a.lvl.balls[i].X + 100) << i;
            EXPECT_EQ(b.lvl.balls[i].Y, a.lvl.balls[i].Y + 50) << i;
            EXPECT_EQ(b.lvl.balls[i].DRCT, a.lvl.balls[i].DRCT) << i;
        }
        for (int i = 0; i < 2; ++i) {
            const Bar &p = a.lvl.bars[i], &q = b.lvl.bars[i];
            EXPECT_EQ((std::vector<int>{q.XSTART - 100, q.XEND - 100, q.YSTART - 50, q.YEND - 50,
                                        q.REND}),
                      (std::vector<int>{p.XSTART, p.XEND, p.YSTART, p.YEND, p.REND}));
        }
        EXPECT_EQ(std::memcmp(a.lvl.grid, b.lvl.grid, sizeof a.lvl.grid), 0);
    };
    expectOffset();

    // Same clicks (in each game's pixels), same ticks.
    const int clicks[][2] = {{17, 25}, {3, 27}, {15, 2}, {10, 10}, {18, 14}, {1, 1}};
    for (int t = 0; t < 3000; ++t) {
        if (t % 150 == 0) {
            const int k = t / 150;
            const int row = clicks[k % 6][0], col = clicks[k % 6][1];
            a.horizontalBars = b.horizontalBars = k % 2;
            a.shoot(a.cellX(col) + 3, a.cellY(row) + 3);
            b.shoot(b.cellX(col) + 3, b.cellY(row) + 3);
        }
        a.runTicks(1);
        b.runTicks(1);
    }
    EXPECT_EQ(a.statuses(), b.statuses());
    EXPECT_EQ(a.hookNames(), b.hookNames());
    EXPECT_EQ((std::vector<double>{double(a.lvl.CLDNE), double(a.lvl.LOVES), double(a.lvl.NBLLS),
                                   a.lvl.SCORE}),
              (std::vector<double>{double(b.lvl.CLDNE), double(b.lvl.LOVES), double(b.lvl.NBLLS),
                                   b.lvl.SCORE}));
    expectOffset();
    EXPECT_GT(a.count("showStatus"), 6);  // the script did something worth comparing
}

}  // namespace
