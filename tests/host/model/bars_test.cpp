// The player's click and the bars it launches: where they start, how they
// grow, where they stop, and what a ball does to them.
#include <gtest/gtest.h>

#include "tests/host/model/test_game.h"

namespace {

// ACTIVE, DRCT, SIZE, RSTART, CSTART, REND, CEND, XSTART, YSTART, XEND, YEND.
std::vector<int> fields(const Bar& b) {
    return {b.ACTIVE, b.DRCT,   b.SIZE,   b.RSTART, b.CSTART, b.REND,
            b.CEND,   b.XSTART, b.YSTART, b.XEND,   b.YEND};
}

// Moves a growing bar until it stops; returns the number of moves and the
// last result.
std::pair<int, int> growUntilStopped(TestGame& g, Bar& bar) {
    for (int n = 1; n <= 1000; ++n) {
        int result = bar.move(g);
        if (result != Bar::kGrowing) {
            return {n, result};
        }
    }
    return {-1, Bar::kGrowing};
}

TEST(Shoot, APairStartsOnTheCellAndTheOneBelowOrRightOfIt) {
    TestGame g;
    g.releasedThisShot = 55;
    g.shoot(227, 157);  // inside cell (10, 15)
    EXPECT_EQ(fields(g.lvl.bars[0]),
              (std::vector<int>{0, kUp, 14, 10, 15, 10, 15, 220, 150, 220, 150}));
    EXPECT_EQ(fields(g.lvl.bars[1]),
              (std::vector<int>{0, kDown, 14, 11, 15, 11, 15, 220, 164, 220, 164}));
    EXPECT_EQ(g.countCells(kCellBar, 10, 11, 15, 15), 2);
    EXPECT_EQ(g.countCells(kCellBar), 2);
    EXPECT_EQ(g.releasedThisShot, 0);
    EXPECT_EQ(g.hookNames(), Names{"showStatus"});
    EXPECT_EQ(g.statuses(), Names{"You created bars"});

    // Cells 16 wide and 14 high; the top-left pixel of cell (10, 15).
    g.fieldRight = g.fieldLeft + 30 * 16;
    g.initGeometry();
    g.clearField();
    g.horizontalBars = 1;
    g.shoot(250, 150);
    EXPECT_EQ(fields(g.lvl.bars[0]),
              (std::vector<int>{0, kLeft, 14, 10, 15, 10, 15, 250, 150, 250, 150}));
    EXPECT_EQ(fields(g.lvl.bars[1]),
              (std::vector<int>{0, kRight, 14, 10, 16, 10, 16, 266, 150, 266, 150}));
    EXPECT_EQ(g.countCells(kCellBar, 10, 10, 15, 16), 2);
    g.clearField();
    g.clickCell(10, 15);
    EXPECT_EQ(g.lvl.bars[1].SIZE, 16);
}

// A second bar that would start below the last row, right of the last
// column or on a wall stays idle; the first grows alone.
TEST(Shoot, APairWithoutRoomForItsSecondBarHasOneBar) {
    struct {
        int row, col, horizontal, wallRow, wallCol;
    } cases[] = {{19, 15, 0, 0, 0}, {10, 29, 1, 0, 0}, {10, 15, 0, 11, 15}, {10, 15, 1, 10, 16}};
    for (auto c : cases) {
        TestGame g;
        g.horizontalBars = c.horizontal;
        if (c.wallRow > 0) {
            g.setCell(c.wallRow, c.wallCol, kCellWall);
        }
        g.clickCell(c.row, c.col);
        EXPECT_EQ(g.lvl.bars[0].ACTIVE * 10 + g.lvl.bars[1].ACTIVE, 1) << c.row << "," << c.col;
        EXPECT_EQ(g.countCells(kCellBar), 1) << c.row << "," << c.col;
        EXPECT_EQ(g.lvl.grid[20][15] + g.lvl.grid[10][30], 0);  // nothing beyond the field
        EXPECT_EQ(g.statuses(), Names{"You created bars"});
    }
}

TEST(Shoot, ClicksThatLaunchNothing) {
    TestGame g;
    g.setCell(10, 15, kCellWall);
    Level before = g.lvl;
    g.releasedThisShot = 9;
    g.clickCell(10, 15);
    EXPECT_EQ(g.statuses(), Names{"Wrong shot"});
    EXPECT_EQ(g.calls.size(), 1u);
    EXPECT_EQ(g.releasedThisShot, 0);
    EXPECT_TRUE(sameLevel(before, g.lvl));

    // Outside the field only the count is reset; (0, 100) would be column
    // 0 if it were converted.
    g.calls.clear();
    for (auto click :
         {std::make_pair(9, 100), std::make_pair(100, 9), std::make_pair(0, 100),
          std::make_pair(430, 100), std::make_pair(100, 290), std::make_pair(-50, -50)}) {
        g.releasedThisShot = 12;
        g.shoot(click.first, click.second);
        EXPECT_EQ(g.releasedThisShot, 0) << click.first << "," << click.second;
        EXPECT_TRUE(sameLevel(before, g.lvl)) << click.first << "," << click.second;
    }
    EXPECT_TRUE(g.calls.empty());
    g.shoot(10, 10);  // the field's own corner pixel is in it
    EXPECT_EQ(fields(g.lvl.bars[0])[0], 0);

    // While either bar grows nothing happens, not even the count.
    for (int growing = 0; growing < 2; ++growing) {
        g.clearField();
        g.clickCell(10, 15);
        g.lvl.bars[1 - growing].ACTIVE = 1;
        g.releasedThisShot = 37;
        g.calls.clear();
        Level grown = g.lvl;
        g.clickCell(3, 3);
        g.clickCell(19, 29);
        EXPECT_EQ(g.releasedThisShot, 37) << growing;
        EXPECT_TRUE(sameLevel(grown, g.lvl)) << growing;
        EXPECT_TRUE(g.calls.empty()) << growing;
    }
}

// Cell (10, 15) covers x 220..234, y 150..164: a ball whose centre is
// within 7 pixels of it, edges included, is hit.
TEST(Shoot, AClickNearABallCostsALife) {
    struct {
        int x, y;
        bool hit;
    } cases[] = {{227, 157, true},  {213, 157, true}, {212, 157, false}, {241, 157, true},
                 {242, 157, false}, {227, 143, true}, {227, 142, false}, {227, 171, true},
                 {227, 172, false}, {241, 171, true}, {242, 172, false}, {213, 143, true},
                 {212, 142, false}};
    for (auto c : cases) {
        TestGame g;
        g.addBall(c.x, c.y, kDownRight);
        Level before = g.lvl;
        g.clickCell(10, 15);
        if (c.hit) {
            EXPECT_EQ(g.hookNames(), (Names{"showStatus", "onLifeLost", "showStatus"}));
            EXPECT_EQ(g.statuses(), (Names{"Ball meets bar", "You hit ball"}));
            before.LOVES = 2;
            EXPECT_TRUE(sameLevel(before, g.lvl)) << c.x << "," << c.y;  // no bars either
        } else {
            EXPECT_EQ(g.statuses(), Names{"You created bars"}) << c.x << "," << c.y;
        }
    }
    // With the last life the game ends before the second text.
    TestGame g;
    g.clearField(1, 4);
    g.addBall(227, 157, kDownRight);
    g.clickCell(10, 15);
    EXPECT_EQ(g.hookNames(),
              (Names{"showStatus", "onGameEnding", "onGameOver", "onLevelStarted", "showStatus"}));
    EXPECT_EQ(g.last("onGameOver")->a, kEndNoMoreLives);
    EXPECT_EQ(g.lvl.NBLLS, 1);
    EXPECT_EQ(g.countCells(kCellBar), 0);
}

// From cell (10, 15) a bar grows up from y 150 to 10, down from 164 to
// 290, left from x 220 to 10 or right from 234 to 430; a last step that
// overshoots is cut at the edge. With walls in rows 5 and 15 of column 15
// and columns 5 and 25 of row 10 (y 80..93, y 220..233, x 80..93, x
// 360..373) the end stops inside the wall cell, up to a step deep, and the
// bar ends on the last free cell.
TEST(BarMove, ABarGrowsToTheEdgeOrStopsOnTheLastFreeCell) {
    struct {
        bool walls;
        int step, direction, moves, end, endCell;
    } cases[] = {{false, 1, kUp, 140, 10, 0},     {false, 2, kUp, 70, 10, 0},
                 {false, 4, kUp, 35, 10, 0},      {false, 1, kDown, 126, 290, 19},
                 {false, 4, kDown, 32, 290, 19},  {false, 1, kLeft, 210, 10, 0},
                 {false, 4, kLeft, 53, 10, 0},    {false, 2, kRight, 98, 430, 29},
                 {false, 4, kRight, 49, 430, 29}, {true, 1, kUp, 57, 93, 6},
                 {true, 2, kUp, 29, 92, 6},       {true, 4, kUp, 15, 90, 6},
                 {true, 1, kDown, 56, 220, 14},   {true, 4, kDown, 14, 220, 14},
                 {true, 1, kLeft, 127, 93, 6},    {true, 4, kLeft, 32, 92, 6},
                 {true, 1, kRight, 126, 360, 24}, {true, 4, kRight, 32, 362, 24}};
    for (auto c : cases) {
        TestGame g;
        g.barStep = c.step;
        for (int i = 0; c.walls && i < 4; ++i) {
            g.setCell(i < 2 ? 5 + 10 * i : 10, i < 2 ? 15 : 5 + 20 * (i - 2), kCellWall);
        }
        const bool vertical = c.direction <= kDown;
        g.horizontalBars = vertical ? 0 : 1;
        g.clickCell(10, 15);
        Bar& bar = g.lvl.bars[(c.direction == kUp || c.direction == kLeft) ? 0 : 1];
        const int firstCell = vertical ? bar.RSTART : bar.CSTART;
        SCOPED_TRACE(std::to_string(c.direction) + (c.walls ? " walls" : "") + " step " +
                     std::to_string(c.step));
        EXPECT_EQ(growUntilStopped(g, bar), std::make_pair(c.moves, 0));
        EXPECT_EQ(bar.ACTIVE, 1);
        EXPECT_EQ(vertical ? bar.YEND : bar.XEND, c.end);
        EXPECT_EQ(vertical ? bar.REND : bar.CEND, c.endCell);
        const int lo = std::min(c.endCell, firstCell), hi = std::max(c.endCell, firstCell);
        EXPECT_EQ(vertical ? g.countCells(kCellBar, lo, hi, 15, 15)
                           : g.countCells(kCellBar, 10, 10, lo, hi),
                  hi - lo + 1);
        EXPECT_EQ(g.countCells(kCellBar), hi - lo + 2);  // and the other bar's first cell
        EXPECT_EQ(g.statuses(), Names{"You created bars"});
    }
}

TEST(BarMove, AFinishingBarTouchedByABallIsBroken) {
    TestGame g;
    g.barStep = 4;
    g.growingBar(0, kUp, 2, 15, 0, 15).YEND = 12;  // one step below the top edge
    g.addBall(241, 18, kUpRight);  // its left edge point lies on the bar's right edge
    EXPECT_EQ(g.lvl.bars[0].move(g), Bar::kBroken);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
    EXPECT_EQ(g.lvl.LOVES, 2);
    EXPECT_EQ(g.hookNames(), (Names{"showStatus", "onLifeLost"}));
    EXPECT_EQ(g.statuses(), Names{"Ball meets bar"});
    EXPECT_EQ(g.countCells(kCellFree, 1, 2, 15, 15), 2);
    EXPECT_EQ(g.countCells(kCellWall), 0);
}

// A ball above the up bar moves up more slowly than the bar grows: at the
// fifth tick the bar's end reaches the ball's bottom edge point. Breaking
// one bar leaves the other growing.
TEST(BarMove, ABarGrowingIntoABallBreaks) {
    for (int lives : {2, 1}) {
        TestGame g;
        g.clearField(lives, 3);
        g.barStep = 4;
        g.clickCell(10, 15);
        g.addBall(227, 130, kUpRight);
        g.calls.clear();
        g.runTicks(4);
        EXPECT_TRUE(g.calls.empty());
        g.runTicks(1);
        if (lives == 2) {
            EXPECT_EQ(g.lvl.balls[0].X * 1000 + g.lvl.balls[0].Y, 232125);
            EXPECT_EQ(g.hookNames(), (Names{"showStatus", "onLifeLost"}));
            EXPECT_EQ(g.countCells(kCellFree, 0, 10, 15, 15), 11);
            EXPECT_EQ(g.lvl.bars[1].ACTIVE, 0);  // the other bar grows on
            EXPECT_EQ(g.cell(11, 15), kCellBar);
        } else {
            // The game ends and nothing more is done in that tick.
            EXPECT_EQ(g.hookNames(),
                      (Names{"showStatus", "onGameEnding", "onGameOver", "onLevelStarted"}));
            EXPECT_EQ(g.lvl.NBLLS, 1);
            EXPECT_EQ(g.countCells(kCellFree), 600);
            EXPECT_EQ(g.lvl.SCORE, 0.0);
        }
        EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
        EXPECT_EQ(g.lvl.CLDNE, 0);
    }
}

// Writing a bar whose cells hold a wall stops there and tells the player.
TEST(SetBarTo, StopsAtAWallInsideTheBar) {
    TestGame g;
    struct {
        int direction, r0, c0, r1, c1, wallRow, wallCol;
        const char* message;
    } walls[] = {{kUp, 10, 15, 4, 15, 7, 15, "setBarTo-up"},
                 {kDown, 4, 15, 10, 15, 7, 15, "setBarTo-down: r=7,c=15,rows=20,cols=30"},
                 {kLeft, 7, 10, 7, 4, 7, 7, "setBarTo-left"},
                 {kRight, 7, 4, 7, 10, 7, 7, "setBarTo-right"}};
    for (auto c : walls) {
        g.clearField();
        Bar& bar = g.growingBar(c.direction <= kDown ? c.direction : c.direction - 2, c.direction,
                                c.r0, c.c0, c.r1, c.c1);
        g.setCell(c.wallRow, c.wallCol, kCellWall);
        EXPECT_EQ(g.setBarTo(bar, kCellFree), 3) << c.message;
        EXPECT_EQ(g.hookNames(), Names{"showMessage"});
        EXPECT_EQ(g.lastMessage, c.message);
    }
}

TEST(SetBarTo, ACellOutsideTheFieldOrABadDirectionIsFatal) {
    TestGame g;
    Bar& bar = g.growingBar(1, kDown, 18, 4, 19, 4);
    bar.REND = 21;
    g.setBarTo(bar, kCellWall);
    EXPECT_EQ(g.lastFatal, "setBarTo: invalid row/col");
    EXPECT_EQ(g.lvl.grid[20][4], kCellFree);

    TestGame h;
    h.growingBar(0, kUp, 10, 15, 10, 15).DRCT = 4;
    Level before = h.lvl;
    EXPECT_EQ(h.lvl.bars[0].move(h), Bar::kFailed);
    EXPECT_EQ(h.lastFatal, "Bar::move");
    EXPECT_TRUE(sameLevel(before, h.lvl));
}

}  // namespace
