// Whole games played through the model's public operations: a scripted
// player who wins the first levels, the field moved in the middle of play,
// and long random play that must keep the game consistent.
#include <cstdlib>
#include <random>

#include "tests/host/model/test_game.h"

namespace {

// Seven shots win the first three levels of seed 1 at normal speed with the
// grid shown, each taken when the last pair stopped: the best ones found by
// trying every shot on a copy of the game. Each released cell is worth a
// sixth of a point; a level adds a tenth for every life and every whole
// second left, and the next one has one ball and one life more.
TEST_F(Model, APlayerWinsTheFirstLevels) {
    struct {
        int level, row, col, horizontal;
    } shots[] = {{1, 4, 4, 0},   {2, 18, 18, 0}, {2, 12, 24, 1}, {3, 6, 18, 1},
                 {3, 18, 18, 0}, {3, 12, 2, 0},  {3, 12, 14, 0}};
    g.barStep = g.ballStep = 2;
    g.newGame();
    double expectedScore = 0.0;
    int released = 0, levelStart = 0;
    Ints levels;  // cells released, lives, balls and the clock at the end of each level
    for (auto shot : shots) {
        g.horizontalBars = shot.horizontal;
        g.clickCell(shot.row, shot.col);
        // Until both bars are idle or the level is won.
        while (g.lvl.bars[0].ACTIVE + g.lvl.bars[1].ACTIVE < 2 && g.lvl.NBLLS == shot.level) {
            const int before = g.releasedThisShot;
            g.runTicks(1);
            released += g.releasedThisShot - before;
        }
        if (g.count("onLevelCompleted") == shot.level) {
            expectedScore +=
                released / 6.0 + shot.level * 0.1 + (120 - (g.clock.now - levelStart) / 1000) * 0.1;
            const Level& completed = g.seen["onLevelCompleted"].level;
            EXPECT_NEAR(completed.SCORE, expectedScore, 1e-9);
            EXPECT_EQ(completed.CLDNE, released);
            levels.insert(levels.end(), {released, completed.LOVES, g.ballCount(), g.clock.now});
            released = 0, levelStart = g.clock.now;
        }
    }
    EXPECT_EQ(g.count("onLifeLost") + g.count("onGameOver") + g.count("fatalError"), 0);
    EXPECT_EQ(levels, (Ints{520, 1, 2, 210, 462, 2, 3, 532, 457, 3, 4, 1136}));
    EXPECT_NEAR(g.lvl.SCORE, 276.433333333333, 1e-9);
}

// Moving the field moves every ball and bar with it, the unused old
// positions too.
TEST_F(Model, MovingTheFieldMovesBallsAndBarsWithIt) {
    Ball& ball = g.addBall(100, 100, kDownRight);
    ball.XOLD = ball.YOLD = 50;
    g.clickCell(10, 15);
    g.moveFieldTo(110, 10, 530, 290);
    g.moveFieldTo(110, 60, 530, 340);
    g.moveFieldTo(110, 60, 530, 340);
    const Bar &up = g.lvl.bars[0], &down = g.lvl.bars[1];
    EXPECT_EQ((Ints{ball.X, ball.Y, ball.XOLD, ball.YOLD, up.XSTART, up.YSTART, up.XEND, up.YEND,
                    down.XSTART, down.YSTART, down.XEND, down.YEND, g.fieldRight, g.fieldBottom}),
              (Ints{200, 150, 150, 100, 320, 200, 320, 200, 320, 214, 320, 214, 530, 340}));
}

// Whether a game between ticks is consistent: cells of value 2 are exactly
// those of the growing bars, walls those released; the balls and lives
// match the level, every ball is inside the field and turned one of eight
// ways; the frame is in range and the game running.
bool consistent(const TestGame& g) {
    int growing = 0;
    for (const Bar& bar : g.lvl.bars) {
        growing += bar.ACTIVE == 0
                       ? std::abs(bar.REND - bar.RSTART) + std::abs(bar.CEND - bar.CSTART) + 1
                       : 0;
    }
    bool inside = true;
    for (int i = 0; i < g.ballCount(); ++i) {
        const Ball& b = g.lvl.balls[i];
        inside = inside && b.X - 7 > g.fieldLeft && b.X + 7 < g.fieldRight &&
                 b.Y - 7 > g.fieldTop && b.Y + 7 < g.fieldBottom && b.DRCT >= kUp &&
                 b.DRCT <= kDownRight;
    }
    return inside && g.countCells(kCellWall) == g.lvl.CLDNE && g.countCells(kCellBar) == growing &&
           g.countCells(kCellFree) + g.lvl.CLDNE + growing == g.rows * g.cols &&
           g.ballCount() == g.lvl.NBLLS && g.lvl.LOVES >= 1 && g.lvl.LOVES <= g.lvl.NBLLS &&
           g.frame >= 0 && g.frame < kAnimationFrames && gameRunning == 1;
}

// Random clicks near the field, pauses, changes of speed and direction and
// long waits on three field sizes. The totals of what happened are those of
// the rules as they are.
TEST_F(Model, RandomPlayKeepsTheGameConsistent) {
    // Released texts, lives lost, levels won, games over, names asked, frames, final scores.
    Ints totals(7, 0);
    const Names hooks{"showStatus You released", "onLifeLost", "onLevelCompleted", "onGameOver",
                      "askPlayerName"};
    for (auto size : {std::make_pair(15, 20), std::make_pair(20, 30), std::make_pair(50, 50)}) {
        for (uint32_t seed = 1; seed <= 6; ++seed) {
            std::mt19937 random(seed);
            TestGame s(size.first, size.second);
            s.clock.calendar = seed, s.initGeometry();
            s.clearField(1, static_cast<int>(random() % 25));  // some runs start with many balls
            s.startLevel();
            for (int tick = 0; tick < 6000; ++tick) {
                if (tick % 500 == 0) {
                    s.lvl.SPEED = static_cast<int>(random() % 3);
                    s.barStep = s.ballStep = s.lvl.SPEED == 0 ? 1 : s.lvl.SPEED * 2;
                }
                const unsigned action = random() % 40;
                if (action == 0) {
                    s.horizontalBars = 1 - s.horizontalBars;
                } else if (action < 4 && s.paused == 0) {
                    // One draw a statement: the order of a call's arguments is the compiler's.
                    const int y = s.fieldTop - 20 + static_cast<int>(random() % (s.rows * 14 + 40));
                    const int x =
                        s.fieldLeft - 20 + static_cast<int>(random() % (s.cols * 14 + 40));
                    s.shoot(x, y);
                } else if (action == 4 && random() % 10 == 0) {
                    s.togglePause();
                } else if (action == 5 && random() % 50 == 0) {
                    s.clock.now += 30000;  // a long wait now and then runs out the time
                }
                s.runTicks(1);
                ASSERT_TRUE(consistent(s))
                    << size.first << "x" << size.second << " seed " << seed << " tick " << tick;
                ASSERT_EQ(s.count("fatalError") + s.count("showMessage"), 0) << s.calls.back();
                for (size_t i = 0; i < hooks.size(); ++i)
                    totals[i] += s.count(hooks[i]);
                totals[5] += s.frame;
                totals[6] +=
                    s.count("onGameOver") ? truncatedScore(s.seen["onGameOver"].level.SCORE) : 0;
                s.calls.clear();
            }
        }
    }
    EXPECT_EQ(totals, (Ints{654, 246, 22, 174, 128, 377100, 9905}));
}

}  // namespace
