// Long random play: after every tick the field, the balls and the counters
// must still describe a consistent game.
#include <gtest/gtest.h>

#include <random>

#include "tests/host/model/test_game.h"

namespace {

// Returns what is broken in a game between ticks, or an empty text.
std::string brokenInvariant(const TestGame& g) {
    int growing = 0;  // cells of value 2 are exactly those of the growing bars
    for (const Bar& bar : g.lvl.bars) {
        growing += bar.ACTIVE == 0
                       ? std::abs(bar.REND - bar.RSTART) + std::abs(bar.CEND - bar.CSTART) + 1
                       : 0;
    }
    if (g.countCells(kCellWall) != g.lvl.CLDNE || g.countCells(kCellBar) != growing ||
        g.countCells(kCellFree) + g.lvl.CLDNE + growing != g.rows * g.cols) {
        return "cells do not match the counters";
    }
    if (g.ballCount() != g.lvl.NBLLS || g.lvl.LOVES < 1 || g.lvl.LOVES > g.lvl.NBLLS) {
        return "balls or lives do not match the level";
    }
    for (int i = 0; i < g.ballCount(); ++i) {
        const Ball& b = g.lvl.balls[i];
        if (b.X - 7 <= g.fieldLeft || b.X + 7 >= g.fieldRight || b.Y - 7 <= g.fieldTop ||
            b.Y + 7 >= g.fieldBottom || b.DRCT < kUp || b.DRCT > kDownRight) {
            return "ball " + std::to_string(i) + " outside the field or turned astray";
        }
    }
    if (g.frame < 0 || g.frame >= g.frameCount || gameRunning != 1) {
        return "frame or running flag";
    }
    return "";
}

TEST(Soak, RandomPlayKeepsTheGameConsistent) {
    int gamesOver = 0, releases = 0;
    for (auto size : {std::make_pair(15, 20), std::make_pair(20, 30), std::make_pair(30, 40)}) {
        for (uint32_t seed = 1; seed <= 8; ++seed) {
            std::mt19937 random(seed);
            TestGame g(size.first, size.second);
            g.clk.calendar = seed;
            g.initGeometry();
            g.clearField(1, static_cast<int>(random() % 25));  // some runs start with many balls
            g.startLevel();
            for (int tick = 0; tick < 6000; ++tick) {
                if (tick % 500 == 0) {
                    g.lvl.SPEED = static_cast<int>(random() % 3);
                    g.barStep = g.ballStep = g.lvl.SPEED == 0 ? 1 : g.lvl.SPEED * 2;
                }
                const unsigned action = random() % 40;
                if (action == 0) {
                    g.horizontalBars = 1 - g.horizontalBars;
                } else if (action < 4 && g.paused == 0) {  // anywhere near the field
                    g.shoot(g.fieldLeft - 20 + static_cast<int>(random() % (g.cols * 14 + 40)),
                            g.fieldTop - 20 + static_cast<int>(random() % (g.rows * 14 + 40)));
                } else if (action == 4 && random() % 10 == 0) {
                    g.togglePause();
                } else if (action == 5 && random() % 50 == 0) {
                    g.clk.now += 30000;  // a long wait now and then runs out the time
                }
                g.runTicks(1);
                ASSERT_EQ(brokenInvariant(g), "")
                    << size.first << "x" << size.second << " seed " << seed << " tick " << tick;
                ASSERT_EQ(g.fatalCount + g.messageCount, 0) << g.lastFatal << g.lastMessage;
                gamesOver += g.count("onGameOver");
                for (const auto& call : g.calls) {
                    releases += call.text.rfind("You released", 0) == 0 ? 1 : 0;
                }
                g.calls.clear();
            }
        }
    }
    EXPECT_GT(releases, 100);  // the random player did reach the interesting events
    EXPECT_GT(gamesOver, 5);
}

}  // namespace
