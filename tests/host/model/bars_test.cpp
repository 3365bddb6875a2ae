// The player's click and the bars it launches: where they start, how they
// grow, where they stop, and what a ball does to them.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/host/model/test_game.h"

namespace {

// Moves a growing bar until it stops; returns the number of moves, or -1
// when it is still growing after `limit` moves. Every move before the last
// must report growth.
int growUntilStopped(TestGame& g, Bar& bar, int* lastResult, int limit = 1000) {
    for (int n = 1; n <= limit; ++n) {
        int result = bar.move(g);
        if (result != Bar::kGrowing) {
            *lastResult = result;
            return n;
        }
    }
    return -1;
}

void expectColumn(const TestGame& g, int col, int fromRow, int toRow, int value) {
    for (int r = fromRow; r <= toRow; ++r) {
        EXPECT_EQ(g.cell(r, col), value) << "row " << r << " col " << col;
    }
}

void expectRow(const TestGame& g, int row, int fromCol, int toCol, int value) {
    for (int c = fromCol; c <= toCol; ++c) {
        EXPECT_EQ(g.cell(row, c), value) << "row " << row << " col " << c;
    }
}

TEST(Shoot, AVerticalPairStartsOnTheCellAndTheOneBelow) {
    TestGame g;
    g.clearField();
    g.releasedThisShot = 55;
    g.shoot(227, 157);  // inside cell (10, 15)
    const Bar& up = g.lvl.bars[0];
    const Bar& down = g.lvl.bars[1];
    EXPECT_EQ(up.ACTIVE, 0);
    EXPECT_EQ(up.DRCT, kUp);
    EXPECT_EQ(up.SIZE, 14);
    EXPECT_EQ(up.RSTART, 10);
    EXPECT_EQ(up.CSTART, 15);
    EXPECT_EQ(up.REND, 10);
    EXPECT_EQ(up.CEND, 15);
    EXPECT_EQ(up.XSTART, 220);
    EXPECT_EQ(up.YSTART, 150);
    EXPECT_EQ(up.XEND, 220);
    EXPECT_EQ(up.YEND, 150);
    EXPECT_EQ(down.ACTIVE, 0);
    EXPECT_EQ(down.DRCT, kDown);
    EXPECT_EQ(down.SIZE, 14);
    EXPECT_EQ(down.RSTART, 11);
    EXPECT_EQ(down.CSTART, 15);
    EXPECT_EQ(down.REND, 11);
    EXPECT_EQ(down.CEND, 15);
    EXPECT_EQ(down.XSTART, 220);
    EXPECT_EQ(down.YSTART, 164);
    EXPECT_EQ(down.YEND, 164);
    EXPECT_EQ(g.cell(10, 15), kCellBar);
    EXPECT_EQ(g.cell(11, 15), kCellBar);
    EXPECT_EQ(g.countCells(kCellBar), 2);
    EXPECT_EQ(g.releasedThisShot, 0);
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"You created bars"});
    EXPECT_EQ(g.calls.size(), 1u);
}

TEST(Shoot, AHorizontalPairStartsOnTheCellAndTheOneRightOfIt) {
    TestGame g;
    g.clearField();
    g.horizontalBars = 1;
    g.shoot(220, 150);  // the top-left pixel of cell (10, 15)
    const Bar& left = g.lvl.bars[0];
    const Bar& right = g.lvl.bars[1];
    EXPECT_EQ(left.DRCT, kLeft);
    EXPECT_EQ(left.RSTART, 10);
    EXPECT_EQ(left.CSTART, 15);
    EXPECT_EQ(left.XSTART, 220);
    EXPECT_EQ(left.YSTART, 150);
    EXPECT_EQ(right.DRCT, kRight);
    EXPECT_EQ(right.RSTART, 10);
    EXPECT_EQ(right.CSTART, 16);
    EXPECT_EQ(right.CEND, 16);
    EXPECT_EQ(right.XSTART, 234);
    EXPECT_EQ(right.XEND, 234);
    EXPECT_EQ(right.YSTART, 150);
    EXPECT_EQ(g.cell(10, 15), kCellBar);
    EXPECT_EQ(g.cell(10, 16), kCellBar);
}

TEST(Shoot, BarThicknessFollowsTheCellSideAcrossTheBar) {
    TestGame g;
    // Cells 16 wide and 14 high.
    g.fieldRight = g.fieldLeft + 30 * 16;
    g.initGeometry();
    g.clearField();
    g.clickCell(10, 15);
    EXPECT_EQ(g.lvl.bars[0].SIZE, 16);
    EXPECT_EQ(g.lvl.bars[1].SIZE, 16);
    EXPECT_EQ(g.lvl.bars[1].XSTART, 10 + 15 * 16);
    g.clearField();
    g.horizontalBars = 1;
    g.clickCell(10, 15);
    EXPECT_EQ(g.lvl.bars[0].SIZE, 14);
    EXPECT_EQ(g.lvl.bars[1].SIZE, 14);
    EXPECT_EQ(g.lvl.bars[1].XSTART, 10 + 16 * 16);
}

TEST(Shoot, APairInTheLastRowOrColumnHasOnlyOneBar) {
    TestGame g;
    g.clearField();
    g.clickCell(19, 15);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 0);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[1].RSTART, 20);
    EXPECT_EQ(g.lvl.grid[20][15], kCellFree);  // nothing written below the field
    EXPECT_EQ(g.countCells(kCellBar), 1);
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"You created bars"});

    g.clearField();
    g.horizontalBars = 1;
    g.clickCell(10, 29);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 0);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[1].CSTART, 30);
    EXPECT_EQ(g.lvl.grid[10][30], kCellFree);
    EXPECT_EQ(g.countCells(kCellBar), 1);
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"You created bars"});
}

TEST(Shoot, ABarWhoseStartIsAWallStaysIdle) {
    TestGame g;
    g.clearField();
    g.setCell(11, 15, kCellWall);
    g.clickCell(10, 15);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 0);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    EXPECT_EQ(g.cell(11, 15), kCellWall);
    EXPECT_EQ(g.countCells(kCellBar), 1);
}

TEST(Shoot, AClickOnAWallIsAWrongShot) {
    TestGame g;
    g.clearField();
    g.setCell(10, 15, kCellWall);
    g.releasedThisShot = 9;
    Level before = g.lvl;
    g.clickCell(10, 15);
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"Wrong shot"});
    EXPECT_EQ(g.calls.size(), 1u);
    EXPECT_EQ(g.releasedThisShot, 0);
    std::string difference;
    EXPECT_TRUE(sameLevel(before, g.lvl, &difference)) << difference;
}

TEST(Shoot, AClickOutsideTheFieldOnlyResetsTheCount) {
    TestGame g;
    g.clearField();
    // Left of, above, right of and below the field; (0, 100) would be
    // column 0 if it were converted.
    const int clicks[][2] = {{9, 100},   {100, 9},   {0, 100},   {100, 0},
                             {430, 100}, {100, 290}, {600, 600}, {-50, -50}};
    for (auto& click : clicks) {
        g.releasedThisShot = 12;
        Level before = g.lvl;
        g.shoot(click[0], click[1]);
        EXPECT_EQ(g.releasedThisShot, 0) << click[0] << "," << click[1];
        EXPECT_TRUE(sameLevel(before, g.lvl)) << click[0] << "," << click[1];
        EXPECT_TRUE(g.calls.empty()) << click[0] << "," << click[1];
    }
    // The field's own corner pixels are in it.
    g.shoot(10, 10);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 0);
    EXPECT_EQ(g.lvl.bars[0].RSTART, 0);
    EXPECT_EQ(g.lvl.bars[0].CSTART, 0);
}

TEST(Shoot, AClickWhileABarGrowsChangesNothing) {
    for (int growing = 0; growing < 2; ++growing) {
        TestGame g;
        g.clearField();
        g.clickCell(10, 15);
        g.lvl.bars[1 - growing].ACTIVE = 1;
        g.releasedThisShot = 37;
        g.calls.clear();
        Level before = g.lvl;
        g.clickCell(3, 3);
        g.clickCell(10, 15);
        EXPECT_EQ(g.releasedThisShot, 37) << "bar " << growing << " growing";
        EXPECT_TRUE(sameLevel(before, g.lvl)) << "bar " << growing << " growing";
        EXPECT_TRUE(g.calls.empty()) << "bar " << growing << " growing";
    }
}

struct NearBall {
    int x, y;
    bool hit;
};

class ShootNearBall : public ::testing::TestWithParam<NearBall> {};

// Cell (10, 15) covers x 220..234, y 150..164: a ball whose centre is within
// 7 pixels of it, edges included, is hit.
TEST_P(ShootNearBall, CostsALifeWhenTheBallIsWithinItsRadius) {
    const NearBall& c = GetParam();
    TestGame g;
    g.clearField(3);
    g.addBall(c.x, c.y, kDownRight);
    Level before = g.lvl;
    g.clickCell(10, 15);
    if (c.hit) {
        EXPECT_EQ(g.hookNames(),
                  (std::vector<std::string>{"showStatus", "onLifeLost", "showStatus"}));
        EXPECT_EQ(g.statuses(), (std::vector<std::string>{"Ball meets bar", "You hit ball"}));
        EXPECT_EQ(g.lvl.LOVES, 2);
        before.LOVES = 2;
        EXPECT_TRUE(sameLevel(before, g.lvl));  // no bars, nothing else
    } else {
        EXPECT_EQ(g.statuses(), std::vector<std::string>{"You created bars"});
        EXPECT_EQ(g.lvl.LOVES, 3);
        EXPECT_EQ(g.lvl.bars[0].ACTIVE, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Distances, ShootNearBall,
                         ::testing::Values(NearBall{227, 157, true}, NearBall{213, 157, true},
                                           NearBall{212, 157, false}, NearBall{241, 157, true},
                                           NearBall{242, 157, false}, NearBall{227, 143, true},
                                           NearBall{227, 142, false}, NearBall{227, 171, true},
                                           NearBall{227, 172, false}, NearBall{241, 171, true},
                                           NearBall{242, 172, false}, NearBall{213, 143, true},
                                           NearBall{212, 142, false}));

TEST(Shoot, HittingABallWithTheLastLifeEndsTheGame) {
    TestGame g;
    g.clearField(1, 4);
    g.addBall(227, 157, kDownRight);
    g.clickCell(10, 15);
    EXPECT_EQ(g.hookNames(), (std::vector<std::string>{"showStatus", "onGameEnding", "onGameOver",
                                                       "onLevelStarted", "showStatus"}));
    EXPECT_EQ(g.statuses(), (std::vector<std::string>{"Ball meets bar", "You hit ball"}));
    EXPECT_EQ(g.last("onGameOver")->a, kEndNoMoreLives);
    EXPECT_EQ(g.lvl.NBLLS, 1);
    EXPECT_EQ(g.lvl.LOVES, 1);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    EXPECT_EQ(g.countCells(kCellBar), 0);
}

struct Growth {
    int step;
    int horizontal;
    int firstMoves, secondMoves;
};

class BarGrowth : public ::testing::TestWithParam<Growth> {};

TEST_P(BarGrowth, BothBarsReachTheEdges) {
    const Growth& c = GetParam();
    TestGame g;
    g.clearField();
    g.barStep = c.step;
    g.horizontalBars = c.horizontal;
    g.clickCell(10, 15);
    Bar& first = g.lvl.bars[0];
    Bar& second = g.lvl.bars[1];
    int result = 99;
    EXPECT_EQ(growUntilStopped(g, first, &result), c.firstMoves);
    EXPECT_EQ(result, Bar::kFinished);
    EXPECT_EQ(first.ACTIVE, 1);
    EXPECT_EQ(growUntilStopped(g, second, &result), c.secondMoves);
    EXPECT_EQ(result, Bar::kFinished);
    EXPECT_EQ(second.ACTIVE, 1);
    if (c.horizontal == 0) {
        EXPECT_EQ(first.YEND, 10);
        EXPECT_EQ(first.REND, 0);
        EXPECT_EQ(first.CEND, 15);
        EXPECT_EQ(first.XEND, 220);
        EXPECT_EQ(second.YEND, 290);
        EXPECT_EQ(second.REND, 19);
        EXPECT_EQ(second.CEND, 15);
        expectColumn(g, 15, 0, 19, kCellBar);
        EXPECT_EQ(g.countCells(kCellBar), 20);
    } else {
        EXPECT_EQ(first.XEND, 10);
        EXPECT_EQ(first.CEND, 0);
        EXPECT_EQ(first.REND, 10);
        EXPECT_EQ(first.YEND, 150);
        EXPECT_EQ(second.XEND, 430);
        EXPECT_EQ(second.CEND, 29);
        EXPECT_EQ(second.REND, 10);
        expectRow(g, 10, 0, 29, kCellBar);
        EXPECT_EQ(g.countCells(kCellBar), 30);
    }
    EXPECT_TRUE(g.statuses() == std::vector<std::string>{"You created bars"});
}

// Up from y 150 to 10, down from 164 to 290, left from x 220 to 10, right
// from 234 to 430: a last step that overshoots is cut at the edge.
INSTANTIATE_TEST_SUITE_P(Steps, BarGrowth,
                         ::testing::Values(Growth{1, 0, 140, 126}, Growth{2, 0, 70, 63},
                                           Growth{4, 0, 35, 32}, Growth{1, 1, 210, 196},
                                           Growth{2, 1, 105, 98}, Growth{4, 1, 53, 49}));

TEST(BarGrowth, TheEndCellFollowsTheMovingEnd) {
    TestGame g;
    g.clearField();
    g.clickCell(10, 15);
    Bar& up = g.lvl.bars[0];
    Bar& down = g.lvl.bars[1];
    // One pixel up is already in row 9.
    EXPECT_EQ(up.move(g), Bar::kGrowing);
    EXPECT_EQ(up.YEND, 149);
    EXPECT_EQ(up.REND, 9);
    EXPECT_EQ(g.cell(9, 15), kCellBar);
    // Down from 164: the end enters row 12 at y 178.
    for (int i = 0; i < 13; ++i) {
        down.move(g);
    }
    EXPECT_EQ(down.YEND, 177);
    EXPECT_EQ(down.REND, 11);
    EXPECT_EQ(g.cell(12, 15), kCellFree);
    down.move(g);
    EXPECT_EQ(down.YEND, 178);
    EXPECT_EQ(down.REND, 12);
    EXPECT_EQ(g.cell(12, 15), kCellBar);
}

struct WallStop {
    int step;
    int direction;
    int moves;
    int end;      // YEND or XEND
    int endCell;  // REND or CEND
};

class BarStopsAtWall : public ::testing::TestWithParam<WallStop> {};

TEST_P(BarStopsAtWall, OnTheLastFreeCell) {
    const WallStop& c = GetParam();
    TestGame g;
    g.clearField();
    g.barStep = c.step;
    // Walls in row 5 and row 15 of column 15, and in columns 5 and 25 of
    // row 10; the pair starts from cell (10, 15).
    g.setCell(5, 15, kCellWall);
    g.setCell(15, 15, kCellWall);
    g.setCell(10, 5, kCellWall);
    g.setCell(10, 25, kCellWall);
    g.horizontalBars = (c.direction == kLeft || c.direction == kRight) ? 1 : 0;
    g.clickCell(10, 15);
    Bar& bar = g.lvl.bars[(c.direction == kUp || c.direction == kLeft) ? 0 : 1];
    int result = 99;
    EXPECT_EQ(growUntilStopped(g, bar, &result), c.moves);
    EXPECT_EQ(result, Bar::kFinished);
    EXPECT_EQ(bar.ACTIVE, 1);
    switch (c.direction) {
        case kUp:
            EXPECT_EQ(bar.YEND, c.end);
            EXPECT_EQ(bar.REND, c.endCell);
            expectColumn(g, 15, 6, 10, kCellBar);
            EXPECT_EQ(g.cell(5, 15), kCellWall);
            break;
        case kDown:
            EXPECT_EQ(bar.YEND, c.end);
            EXPECT_EQ(bar.REND, c.endCell);
            expectColumn(g, 15, 11, 14, kCellBar);
            EXPECT_EQ(g.cell(15, 15), kCellWall);
            break;
        case kLeft:
            EXPECT_EQ(bar.XEND, c.end);
            EXPECT_EQ(bar.CEND, c.endCell);
            expectRow(g, 10, 6, 15, kCellBar);
            EXPECT_EQ(g.cell(10, 5), kCellWall);
            break;
        default:
            EXPECT_EQ(bar.XEND, c.end);
            EXPECT_EQ(bar.CEND, c.endCell);
            expectRow(g, 10, 16, 24, kCellBar);
            EXPECT_EQ(g.cell(10, 25), kCellWall);
            break;
    }
}

// Row 5 is y 80..93, row 15 y 220..233, column 5 x 80..93, column 25
// x 360..373: the end stops inside the wall cell, up to a step deep.
INSTANTIATE_TEST_SUITE_P(
    Walls, BarStopsAtWall,
    ::testing::Values(WallStop{1, kUp, 57, 93, 6}, WallStop{2, kUp, 29, 92, 6},
                      WallStop{4, kUp, 15, 90, 6}, WallStop{1, kDown, 56, 220, 14},
                      WallStop{4, kDown, 14, 220, 14}, WallStop{1, kLeft, 127, 93, 6},
                      WallStop{4, kLeft, 32, 92, 6}, WallStop{1, kRight, 126, 360, 24},
                      WallStop{4, kRight, 32, 362, 24}));

TEST(BarMove, AFinishingBarTouchedByABallIsBroken) {
    TestGame g;
    g.clearField(3);
    g.barStep = 4;
    // An up bar one step below the top edge: x 220..234, y 12..52.
    Bar& bar = g.growingBar(0, kUp, 2, 15, 0, 15);
    bar.YEND = 12;
    // The ball's left edge point (234, 18) lies on the bar's right edge.
    g.addBall(241, 18, kUpRight);
    EXPECT_EQ(bar.move(g), Bar::kBroken);
    EXPECT_EQ(bar.ACTIVE, 1);
    EXPECT_EQ(bar.YEND, 10);
    EXPECT_EQ(g.lvl.LOVES, 2);
    EXPECT_EQ(g.hookNames(), (std::vector<std::string>{"showStatus", "onLifeLost"}));
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"Ball meets bar"});
    // The bar's cells are freed; only its end cell is marked again, for the
    // tick to clear.
    EXPECT_EQ(g.cell(2, 15), kCellFree);
    EXPECT_EQ(g.cell(1, 15), kCellFree);
    EXPECT_EQ(g.countCells(kCellWall), 0);
}

TEST(BarMove, ABarGrowingIntoABallBreaksAndTheTickLeavesNoCell) {
    TestGame g;
    g.clearField(2);
    g.barStep = 4;
    g.clickCell(10, 15);  // up from y 150 in x 220..234
    // A ball above the bar moving up more slowly than the bar grows: at the
    // fifth tick the bar's end reaches the ball's bottom edge point.
    g.addBall(227, 130, kUpRight);
    g.calls.clear();
    g.runTicks(4, 2);
    EXPECT_TRUE(g.calls.empty());
    g.runTicks(1, 2);
    EXPECT_EQ(g.lvl.balls[0].X, 232);
    EXPECT_EQ(g.lvl.balls[0].Y, 125);
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"Ball meets bar"});
    EXPECT_EQ(g.count("onLifeLost"), 1);
    EXPECT_EQ(g.lvl.LOVES, 1);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
    expectColumn(g, 15, 0, 10, kCellFree);
    // The other bar grows on.
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 0);
    EXPECT_EQ(g.cell(11, 15), kCellBar);
    EXPECT_EQ(g.lvl.CLDNE, 0);
}

TEST(BarMove, ABarGrowingIntoABallWithTheLastLifeEndsTheGameAndTheTick) {
    TestGame g;
    g.clearField(1, 3);
    g.lvl.SCORE = 0.0;
    g.barStep = 4;
    g.clickCell(10, 15);
    g.addBall(227, 130, kUpRight);
    Bar& bar = g.lvl.bars[0];
    for (int i = 0; i < 4; ++i) {
        g.moveBalls();
        ASSERT_EQ(bar.move(g), Bar::kGrowing);
        g.lvl.bars[1].move(g);
    }
    g.moveBalls();
    g.calls.clear();
    EXPECT_EQ(bar.move(g), Bar::kGameEnded);
    EXPECT_EQ(g.hookNames(), (std::vector<std::string>{"showStatus", "onGameEnding", "onGameOver",
                                                       "onLevelStarted"}));
    EXPECT_EQ(g.last("onGameOver")->a, kEndNoMoreLives);
    // The new game's field is untouched by the old bar.
    EXPECT_EQ(g.lvl.NBLLS, 1);
    EXPECT_EQ(g.countCells(kCellFree), 600);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);

    // The same through the tick: nothing is done after the game ended.
    TestGame t;
    t.clearField(1, 3);
    t.barStep = 4;
    t.clickCell(10, 15);
    t.addBall(227, 130, kUpRight);
    t.runTicks(4, 2);
    t.calls.clear();
    t.runTicks(1, 2);
    EXPECT_EQ(t.hookNames(), (std::vector<std::string>{"showStatus", "onGameEnding", "onGameOver",
                                                       "onLevelStarted"}));
    EXPECT_EQ(t.countCells(kCellFree), 600);
    EXPECT_EQ(t.lvl.CLDNE, 0);
    EXPECT_EQ(t.lvl.SCORE, 0.0);
}

TEST(BarMove, BreakingOneBarLeavesTheOtherGrowing) {
    TestGame g;
    g.clearField(3);
    g.clickCell(10, 15);
    // Moving down-right, the ball's bottom-right corner meets the up bar at
    // the 17th tick, far above the down bar.
    g.addBall(206, 110, kDownRight);
    g.calls.clear();
    g.runTicks(16, 2);
    EXPECT_TRUE(g.calls.empty());
    g.runTicks(1, 2);
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"Ball meets bar"});
    EXPECT_EQ(g.lvl.balls[0].X, 222);
    EXPECT_EQ(g.lvl.balls[0].Y, 126);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 0);
    EXPECT_EQ(g.lvl.bars[1].YEND, 164 + 17);
    expectColumn(g, 15, 0, 10, kCellFree);
    expectColumn(g, 15, 11, 12, kCellBar);

    // No new pair while the down bar grows.
    g.releasedThisShot = 5;
    g.calls.clear();
    g.clickCell(3, 3);
    EXPECT_TRUE(g.calls.empty());
    EXPECT_EQ(g.releasedThisShot, 5);
    EXPECT_EQ(g.cell(3, 3), kCellFree);

    // The down bar finishes at the 126th tick; the field stays one region
    // with the ball in it, so only its own nine cells count.
    g.releasedThisShot = 0;
    g.runTicks(126 - 17 - 1, 2);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 0);
    g.runTicks(1, 2);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    expectColumn(g, 15, 11, 19, kCellWall);
    EXPECT_EQ(g.lvl.CLDNE, 9);
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"You released 9 cells"});

    g.clickCell(3, 3);
    EXPECT_EQ(g.statuses().back(), "You created bars");
    EXPECT_EQ(g.releasedThisShot, 0);
}

TEST(SetBarTo, WritesTheCellsFromStartToEnd) {
    TestGame g;
    g.clearField();
    Bar& bar = g.growingBar(0, kUp, 10, 15, 4, 15);
    EXPECT_EQ(g.setBarTo(bar, kCellWall), 7);
    expectColumn(g, 15, 4, 10, kCellWall);
    EXPECT_EQ(g.countCells(kCellWall), 7);

    Bar& right = g.growingBar(1, kRight, 2, 3, 2, 8);
    EXPECT_EQ(g.setBarTo(right, kCellFree), 6);
    expectRow(g, 2, 3, 8, kCellFree);

    // An end before the start writes nothing.
    Bar reversed = right;
    reversed.CEND = 1;
    EXPECT_EQ(g.setBarTo(reversed, kCellWall), 0);
    EXPECT_TRUE(g.calls.empty());
}

struct WallInside {
    int direction;
    const char* message;
};

class SetBarToWall : public ::testing::TestWithParam<WallInside> {};

TEST_P(SetBarToWall, StopsAtAWallAndReportsIt) {
    const WallInside& c = GetParam();
    TestGame g;
    g.clearField();
    Bar* bar = nullptr;
    switch (c.direction) {
        case kUp:
            bar = &g.growingBar(0, kUp, 10, 15, 4, 15);
            g.setCell(7, 15, kCellWall);
            break;
        case kDown:
            bar = &g.growingBar(1, kDown, 4, 15, 10, 15);
            g.setCell(7, 15, kCellWall);
            break;
        case kLeft:
            bar = &g.growingBar(0, kLeft, 7, 10, 7, 4);
            g.setCell(7, 7, kCellWall);
            break;
        default:
            bar = &g.growingBar(1, kRight, 7, 4, 7, 10);
            g.setCell(7, 7, kCellWall);
            break;
    }
    EXPECT_EQ(g.setBarTo(*bar, kCellFree), 3);
    EXPECT_EQ(g.messageCount, 1);
    EXPECT_EQ(g.lastMessage, c.message);
    EXPECT_EQ(g.fatalCount, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, SetBarToWall,
    ::testing::Values(WallInside{kUp, "setBarTo-up"},
                      WallInside{kDown, "setBarTo-down: r=7,c=15,rows=20,cols=30"},
                      WallInside{kLeft, "setBarTo-left"}, WallInside{kRight, "setBarTo-right"}));

TEST(SetBarTo, ACellOutsideTheFieldIsFatal) {
    TestGame g;
    g.clearField();
    Bar bar;
    bar.DRCT = kDown;
    bar.RSTART = 18;
    bar.REND = 21;
    bar.CSTART = bar.CEND = 4;
    g.setBarTo(bar, kCellWall);
    EXPECT_EQ(g.fatalCount, 1);
    EXPECT_EQ(g.lastFatal, "setBarTo: invalid row/col");
    EXPECT_EQ(g.lvl.grid[20][4], kCellFree);
}

TEST(BarMove, AnInvalidDirectionIsFatal) {
    TestGame g;
    g.clearField();
    Bar& bar = g.growingBar(0, kUp, 10, 15, 10, 15);
    bar.DRCT = 4;
    Level before = g.lvl;
    EXPECT_EQ(bar.move(g), Bar::kFailed);
    EXPECT_EQ(g.lastFatal, "Bar::move");
    EXPECT_TRUE(sameLevel(before, g.lvl));
}

TEST(BallMeetsBar, LosesALifeAndFreesOnlyThatBar) {
    TestGame g;
    g.clearField(3);
    g.growingBar(0, kUp, 10, 15, 6, 15);
    g.growingBar(1, kDown, 11, 15, 14, 15);
    EXPECT_EQ(g.ballMeetsBar(&g.lvl.bars[1]), 0);
    EXPECT_EQ(g.lvl.LOVES, 2);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 1);
    expectColumn(g, 15, 11, 14, kCellFree);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 0);
    expectColumn(g, 15, 6, 10, kCellBar);
    EXPECT_EQ(g.hookNames(), (std::vector<std::string>{"showStatus", "onLifeLost"}));

    EXPECT_EQ(g.ballMeetsBar(nullptr), 0);
    EXPECT_EQ(g.lvl.LOVES, 1);
    expectColumn(g, 15, 6, 10, kCellBar);

    g.lvl.SCORE = 0.0;
    EXPECT_EQ(g.ballMeetsBar(nullptr), 1);
    EXPECT_EQ(g.last("onGameOver")->a, kEndNoMoreLives);
    EXPECT_EQ(g.count("onLifeLost"), 2);
}

}  // namespace
