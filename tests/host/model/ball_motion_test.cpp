// How balls move: bounces off edges and walls in the order of the
// preference lists, growing bars, and the cases where a ball waits.
#include <gtest/gtest.h>

#include "tests/host/model/test_game.h"

namespace {

std::vector<int> where(const Ball& b) {
    return {b.X, b.Y, b.DRCT};
}

// The default field is x 10..430, y 10..290. A ball's box reaches 7 pixels
// from its centre and touching the edge line blocks, so centres stay in
// 18..422 by 18..282.
TEST(BallMotion, TakesTheFirstFreeDirectionOfItsList) {
    struct {
        const char* what;
        int x, y, direction, step;
        std::vector<int> expected;
        int wallRow, wallCol;
    } cases[] = {
        {"up-left at top", 100, 18, kUpLeft, 1, {99, 19, kDownLeft}, -1, 0},
        {"up-left at left", 18, 100, kUpLeft, 1, {19, 99, kUpRight}, -1, 0},
        {"up-left in corner", 18, 18, kUpLeft, 1, {19, 19, kDownRight}, -1, 0},
        {"up-right at right", 422, 100, kUpRight, 1, {421, 99, kUpLeft}, -1, 0},
        {"up-right at top", 100, 18, kUpRight, 1, {101, 19, kDownRight}, -1, 0},
        {"up-right in corner", 422, 18, kUpRight, 1, {421, 19, kDownLeft}, -1, 0},
        {"down-left at bottom", 100, 282, kDownLeft, 1, {99, 281, kUpLeft}, -1, 0},
        {"down-left at left", 18, 100, kDownLeft, 1, {19, 101, kDownRight}, -1, 0},
        {"down-left in corner", 18, 282, kDownLeft, 1, {19, 281, kUpRight}, -1, 0},
        {"down-right at bottom", 100, 282, kDownRight, 1, {101, 281, kUpRight}, -1, 0},
        {"down-right at right", 422, 100, kDownRight, 1, {421, 101, kDownLeft}, -1, 0},
        {"down-right in corner", 422, 282, kDownRight, 1, {421, 281, kUpLeft}, -1, 0},
        // Straight directions try the diagonals first.
        {"up", 100, 100, kUp, 1, {99, 99, kUpLeft}, -1, 0},
        {"down", 100, 100, kDown, 1, {101, 101, kDownRight}, -1, 0},
        {"left", 100, 100, kLeft, 1, {99, 99, kUpLeft}, -1, 0},
        {"right", 100, 100, kRight, 1, {101, 99, kUpRight}, -1, 0},
        {"up at left", 18, 100, kUp, 1, {19, 99, kUpRight}, -1, 0},
        {"up at top", 100, 18, kUp, 1, {99, 19, kDownLeft}, -1, 0},
        {"down at right", 422, 100, kDown, 1, {421, 101, kDownLeft}, -1, 0},
        {"down at bottom", 100, 282, kDown, 1, {99, 281, kUpLeft}, -1, 0},
        {"left at top", 100, 18, kLeft, 1, {99, 19, kDownLeft}, -1, 0},
        {"left at left", 18, 100, kLeft, 1, {19, 99, kUpRight}, -1, 0},
        {"right at top", 100, 18, kRight, 1, {101, 19, kDownRight}, -1, 0},
        {"right at right", 422, 100, kRight, 1, {421, 99, kUpLeft}, -1, 0},
        // A corner on the edge line blocks.
        {"one pixel from the top line", 100, 19, kUpLeft, 1, {99, 18, kUpLeft}, -1, 0},
        {"step 2 touches the top line", 100, 19, kUpLeft, 2, {98, 21, kDownLeft}, -1, 0},
        {"step 2 touches the right line", 421, 100, kDownRight, 2, {419, 102, kDownLeft}, -1, 0},
        {"step 4 touches the bottom line", 200, 279, kDownRight, 4, {204, 275, kUpRight}, -1, 0},
        // A wall cell bounces like the edge; meeting only its corner, the
        // list decides between two free reflections.
        {"wall column to the right", 282, 100, kDownRight, 1, {281, 101, kDownLeft}, 99, 20},
        {"up-left at a wall corner", 101, 101, kUpLeft, 1, {100, 102, kDownLeft}, 5, 5},
        {"up-right at a wall corner", 282, 101, kUpRight, 1, {281, 100, kUpLeft}, 5, 20},
        {"down-left at a wall corner", 101, 212, kDownLeft, 1, {100, 211, kUpLeft}, 15, 5},
        {"down-right at a wall corner", 282, 212, kDownRight, 1, {283, 211, kUpRight}, 15, 20},
    };
    for (const auto& c : cases) {
        TestGame g;
        g.ballStep = c.step;
        if (c.wallRow == 99) {
            g.wallColumn(c.wallCol, 0, 19);
        } else if (c.wallRow >= 0) {
            g.setCell(c.wallRow, c.wallCol, kCellWall);
        }
        Ball& ball = g.addBall(c.x, c.y, c.direction);
        EXPECT_EQ(g.moveBall(ball), kMoved) << c.what;
        EXPECT_EQ(where(ball), c.expected) << c.what;
        EXPECT_TRUE(g.calls.empty()) << c.what;
    }
}

// The move of a ball at (200, 100) down-right puts its corners in cells
// (6, 13), (7, 13), (6, 14) and (7, 14), tested in that order.
TEST(BallMotion, TheFirstCornerDecidesBetweenBarAndWall) {
    TestGame g;
    Ball& ball = g.addBall(200, 100, kDownRight);
    g.growingBar(0, kUp, 8, 13, 5, 13);
    g.setCell(7, 14, kCellWall);
    EXPECT_EQ(g.tryMove(ball, kDownRight), kTouchesBar0);
    EXPECT_EQ(where(ball), (std::vector<int>{200, 100, kDownRight}));

    g.clearField();
    Ball& second = g.addBall(200, 100, kDownRight);
    g.setCell(6, 13, kCellWall);
    g.growingBar(1, kDown, 7, 14, 7, 14).YEND = 120;
    EXPECT_EQ(g.tryMove(second, kDownRight), kBlocked);
    g.setCell(6, 13, kCellBall);  // cells of a ball or a bar do not block
    EXPECT_EQ(g.tryMove(second, kDownRight), kTouchesBar1);
    g.lvl.bars[1].ACTIVE = 1;  // an idle bar is no obstacle
    EXPECT_EQ(g.tryMove(second, kDownRight), kMoved);
    EXPECT_EQ(where(second), (std::vector<int>{201, 101, kDownRight}));
}

TEST(BallMotion, ABallTouchingAGrowingBarBreaksItAndWaits) {
    TestGame g;
    g.growingBar(0, kUp, 8, 13, 5, 13).YEND = 80;  // x 192..206, y 80..136
    g.growingBar(1, kDown, 9, 13, 11, 13);
    Ball& ball = g.addBall(184, 102, kDownRight);  // next corner x 192
    EXPECT_EQ(g.moveBalls(), 0);
    EXPECT_EQ(where(ball), (std::vector<int>{184, 102, kDownRight}));
    EXPECT_EQ(g.hookNames(), (Names{"showStatus", "onLifeLost"}));
    EXPECT_EQ(g.statuses(), Names{"Ball meets bar"});
    EXPECT_EQ(g.lvl.LOVES, 2);
    EXPECT_EQ(g.lvl.bars[0].ACTIVE, 1);
    EXPECT_EQ(g.countCells(kCellFree, 5, 8, 13, 13), 4);
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 0);  // the other bar grows on
    EXPECT_EQ(g.cell(10, 13), kCellBar);
    EXPECT_EQ(g.moveBalls(), 0);  // with the bar gone the ball moves on
    EXPECT_EQ(where(ball), (std::vector<int>{185, 103, kDownRight}));
    EXPECT_EQ(g.lvl.LOVES, 2);
}

TEST(BallMotion, BlockedBallsWaitAndBallsPassThroughEachOther) {
    TestGame g;
    // The box of a ball at (150, 150) spans 143..157: its top-left corner
    // stays in cell (9, 9) whichever way it moves by one pixel.
    g.setCell(9, 9, kCellWall);
    g.addBall(150, 150, kDownRight);
    g.addBall(300, 150, kDownRight);
    g.addBall(302, 152, kUpLeft);
    g.lvl.balls[4] = g.lvl.balls[1];  // after the end mark: never moved
    g.lvl.balls[4].endOfList = 0;
    EXPECT_EQ(g.moveBall(g.lvl.balls[0]), kAllBlocked);
    g.runTicks(2);
    std::vector<std::vector<int>> balls;
    for (int i : {0, 1, 2, 4}) {
        balls.push_back(where(g.lvl.balls[i]));
    }
    EXPECT_EQ(balls, (std::vector<std::vector<int>>{{150, 150, kDownRight},
                                                    {302, 152, kDownRight},
                                                    {300, 150, kUpLeft},
                                                    {300, 150, kDownRight}}));
    EXPECT_TRUE(g.calls.empty());
    EXPECT_EQ(g.lvl.LOVES, 3);
}

TEST(BallMotion, AnInvalidDirectionIsFatalAndStopsTheTick) {
    TestGame g;
    g.addBall(100, 100, kDownRight);
    g.addBall(200, 150, -1);
    g.addBall(300, 200, kDownRight);
    g.growingBar(0, kUp, 15, 25, 15, 25);
    Level before = g.lvl;
    g.runTicks(1);
    EXPECT_EQ(g.hookNames(), Names{"fatalError"});
    EXPECT_EQ(g.lastFatal, "tryMove - invalid direction");
    EXPECT_TRUE(g.failed());
    before.balls[0].X = 101;  // moved before the fault; nothing else changed
    before.balls[0].Y = 101;
    before.LEVTM = g.clk.now;
    EXPECT_TRUE(sameLevel(before, g.lvl));
    EXPECT_NE(g.tryMove(g.lvl.balls[0], 8), kMoved);
    EXPECT_EQ(g.lvl.balls[0].X, 101);
}

// Vertical bars span x 192..206, up from y 122 to 80 or down from 136 to
// 170; horizontal ones y 122..136, left from x 192 to 150 or right from 206
// to 250. Edges are inside; any other direction is read as right.
TEST(BallMotion, ABarCoversItsRectangleWithItsEdges) {
    struct {
        int direction, x, y;
        bool inside;
    } cases[] = {{kUp, 192, 80, true},      {kUp, 206, 136, true},     {kUp, 191, 100, false},
                 {kUp, 207, 100, false},    {kUp, 200, 79, false},     {kUp, 200, 137, false},
                 {kDown, 200, 136, true},   {kDown, 206, 170, true},   {kDown, 200, 135, false},
                 {kDown, 200, 171, false},  {kDown, 207, 150, false},  {kLeft, 150, 122, true},
                 {kLeft, 206, 136, true},   {kLeft, 149, 130, false},  {kLeft, 207, 130, false},
                 {kLeft, 170, 121, false},  {kLeft, 170, 137, false},  {kRight, 206, 122, true},
                 {kRight, 250, 136, true},  {kRight, 251, 130, false}, {kRight, 205, 130, false},
                 {kRight, 220, 137, false}, {9, 250, 136, true},       {9, 205, 130, false}};
    TestGame g;
    for (auto c : cases) {
        Bar bar;
        bar.ACTIVE = 0;
        bar.DRCT = c.direction;
        const bool vertical = c.direction <= kDown;
        bar.XSTART = vertical ? 192 : c.direction == kLeft ? 192 : 206;
        bar.XEND = vertical ? 192 : c.direction == kLeft ? 150 : 250;
        bar.YSTART = vertical ? (c.direction == kUp ? 122 : 136) : 122;
        bar.YEND = vertical ? (c.direction == kUp ? 80 : 170) : 122;
        EXPECT_EQ(g.isPointInBar(bar, c.x, c.y), c.inside)
            << c.direction << " at " << c.x << "," << c.y;
    }
}

}  // namespace
