// Long random play: after every tick the field, the balls and the counters
// must still describe a consistent game.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/host/model/test_game.h"

namespace {

// Checks the invariants of a game in play; returns an empty text when they
// hold.
std::string brokenInvariant(const TestGame& g) {
    int walls = 0;
    int barCells = 0;
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.cols; ++c) {
            int v = g.cell(r, c);
            if (v < kCellFree || v > kCellWall) {
                return "cell value " + std::to_string(v);
            }
            if (v == kCellBall) {
                return "a ball cell was written";
            }
            walls += v == kCellWall ? 1 : 0;
            barCells += v == kCellBar ? 1 : 0;
        }
    }
    if (walls != g.lvl.CLDNE) {
        return "CLDNE " + std::to_string(g.lvl.CLDNE) + " but " + std::to_string(walls) + " walls";
    }
    // Cells of value 2 are exactly those of the growing bars.
    int growing = 0;
    for (const Bar& bar : g.lvl.bars) {
        if (bar.ACTIVE == 0) {
            int rows = bar.REND - bar.RSTART;
            int cols = bar.CEND - bar.CSTART;
            growing += (rows < 0 ? -rows : rows) + (cols < 0 ? -cols : cols) + 1;
        }
    }
    if (growing != barCells) {
        return std::to_string(barCells) + " bar cells for bars of " + std::to_string(growing);
    }
    int balls = g.ballCount();
    if (balls != g.lvl.NBLLS || balls < 1 || balls >= kMaxBalls) {
        return "ball count " + std::to_string(balls) + " at level " + std::to_string(g.lvl.NBLLS);
    }
    for (int i = 0; i < balls; ++i) {
        const Ball& b = g.lvl.balls[i];
        if (b.X - g.ballRadius <= g.fieldLeft || b.X + g.ballRadius >= g.fieldRight ||
            b.Y - g.ballRadius <= g.fieldTop || b.Y + g.ballRadius >= g.fieldBottom) {
            return "ball " + std::to_string(i) + " outside the field";
        }
        if (b.DRCT < kUp || b.DRCT > kDownRight) {
            return "ball direction " + std::to_string(b.DRCT);
        }
    }
    if (g.lvl.LOVES < 1 || g.lvl.LOVES > g.lvl.NBLLS) {
        return "lives " + std::to_string(g.lvl.LOVES);
    }
    if (g.frame < 0 || g.frame >= g.frameCount) {
        return "frame " + std::to_string(g.frame);
    }
    if (GameModel::gameRunning != 1) {
        return "not running between ticks";
    }
    return "";
}

struct SoakSize {
    int rows, cols;
};

class Soak : public ::testing::TestWithParam<SoakSize> {};

TEST_P(Soak, RandomPlayKeepsTheGameConsistent) {
    const SoakSize& size = GetParam();
    int levelsWon = 0, gamesOver = 0, releases = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        TestGame g(size.rows, size.cols);
        g.keepCalls = true;
        g.clk.calendar = seed;
        g.initGeometry();
        g.newGame();
        // Start some runs at a later level with many balls.
        g.lvl.NBLLS = static_cast<int>(random() % 25);
        g.startLevel();
        for (int tick = 0; tick < 6000; ++tick) {
            if (tick % 500 == 0) {
                int speed = static_cast<int>(random() % 3);
                g.lvl.SPEED = speed;
                g.barStep = g.ballStep = speed == 0 ? 1 : speed * 2;
            }
            unsigned action = random() % 40;
            if (action == 0) {
                g.horizontalBars = 1 - g.horizontalBars;
            } else if (action < 4 && g.paused == 0) {
                // Clicks anywhere near the field, outside it too.
                int x = g.fieldLeft - 20 + static_cast<int>(random() % (g.cols * 14 + 40));
                int y = g.fieldTop - 20 + static_cast<int>(random() % (g.rows * 14 + 40));
                g.shoot(x, y);
            } else if (action == 4 && random() % 10 == 0) {
                g.togglePause();
            } else if (action == 5 && random() % 50 == 0) {
                g.clk.now += 30000;  // a long wait now and then runs out the time
            }
            g.clk.now += 2;
            g.tick();
            std::string broken = brokenInvariant(g);
            ASSERT_EQ(broken, "") << "seed " << seed << " tick " << tick;
            ASSERT_EQ(g.fatalCount, 0) << g.lastFatal << " seed " << seed << " tick " << tick;
            ASSERT_EQ(g.messageCount, 0) << g.lastMessage << " seed " << seed;
            levelsWon += g.count("onLevelCompleted");
            gamesOver += g.count("onGameOver");
            for (const auto& call : g.calls) {
                releases += call.name == "showStatus" && call.text.rfind("You released", 0) == 0;
            }
            g.calls.clear();
        }
    }
    // The random player did reach the interesting events.
    EXPECT_GT(releases, 100);
    EXPECT_GT(gamesOver, 5);
    RecordProperty("levelsWon", levelsWon);
}

INSTANTIATE_TEST_SUITE_P(FieldSizes, Soak,
                         ::testing::Values(SoakSize{15, 20}, SoakSize{20, 30}, SoakSize{30, 40}));

}  // namespace
