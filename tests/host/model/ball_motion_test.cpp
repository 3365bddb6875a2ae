// How balls move: bounces off edges and walls in the order of the
// preference lists, growing bars, and the cases where a ball waits.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/host/model/test_game.h"

namespace {

// The default field: x 10..430, y 10..290. A ball's box reaches 7 pixels
// from its centre and touching the edge line blocks, so centres stay in
// 18..422 by 18..282.
struct Bounce {
    const char* what;
    int x, y, direction, step;
    int expectX, expectY, expectDirection;
    int wallRow = -1, wallCol = -1;
};

class BallBounce : public ::testing::TestWithParam<Bounce> {};

TEST_P(BallBounce, TakesTheFirstFreeDirectionOfItsList) {
    const Bounce& c = GetParam();
    TestGame g;
    g.clearField();
    g.ballStep = c.step;
    if (c.wallRow >= 0) {
        g.setCell(c.wallRow, c.wallCol, kCellWall);
    }
    Ball& ball = g.addBall(c.x, c.y, c.direction);
    EXPECT_EQ(g.moveBall(ball), kMoved);
    EXPECT_EQ(ball.X, c.expectX);
    EXPECT_EQ(ball.Y, c.expectY);
    EXPECT_EQ(ball.DRCT, c.expectDirection);
    EXPECT_TRUE(g.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Edges, BallBounce,
    ::testing::Values(
        Bounce{"free up-left", 100, 100, kUpLeft, 1, 99, 99, kUpLeft},
        Bounce{"free up-right", 100, 100, kUpRight, 1, 101, 99, kUpRight},
        Bounce{"free down-left", 100, 100, kDownLeft, 1, 99, 101, kDownLeft},
        Bounce{"free down-right", 100, 100, kDownRight, 1, 101, 101, kDownRight},
        Bounce{"free at step 4", 100, 100, kDownRight, 4, 104, 104, kDownRight},
        Bounce{"up-left at top", 100, 18, kUpLeft, 1, 99, 19, kDownLeft},
        Bounce{"up-left at left", 18, 100, kUpLeft, 1, 19, 99, kUpRight},
        Bounce{"up-left in top-left corner", 18, 18, kUpLeft, 1, 19, 19, kDownRight},
        Bounce{"up-right at right", 422, 100, kUpRight, 1, 421, 99, kUpLeft},
        Bounce{"up-right at top", 100, 18, kUpRight, 1, 101, 19, kDownRight},
        Bounce{"up-right in top-right corner", 422, 18, kUpRight, 1, 421, 19, kDownLeft},
        Bounce{"down-left at bottom", 100, 282, kDownLeft, 1, 99, 281, kUpLeft},
        Bounce{"down-left at left", 18, 100, kDownLeft, 1, 19, 101, kDownRight},
        Bounce{"down-left in bottom-left corner", 18, 282, kDownLeft, 1, 19, 281, kUpRight},
        Bounce{"down-right at bottom", 100, 282, kDownRight, 1, 101, 281, kUpRight},
        Bounce{"down-right at right", 422, 100, kDownRight, 1, 421, 101, kDownLeft},
        Bounce{"down-right in bottom-right corner", 422, 282, kDownRight, 1, 421, 281, kUpLeft},
        // Straight directions try the diagonals first.
        Bounce{"up goes up-left", 100, 100, kUp, 1, 99, 99, kUpLeft},
        Bounce{"down goes down-right", 100, 100, kDown, 1, 101, 101, kDownRight},
        Bounce{"left goes up-left", 100, 100, kLeft, 1, 99, 99, kUpLeft},
        Bounce{"right goes up-right", 100, 100, kRight, 1, 101, 99, kUpRight},
        Bounce{"up at left", 18, 100, kUp, 1, 19, 99, kUpRight},
        Bounce{"up at top", 100, 18, kUp, 1, 99, 19, kDownLeft},
        Bounce{"down at right", 422, 100, kDown, 1, 421, 101, kDownLeft},
        Bounce{"down at bottom", 100, 282, kDown, 1, 99, 281, kUpLeft},
        Bounce{"left at top", 100, 18, kLeft, 1, 99, 19, kDownLeft},
        Bounce{"left at left", 18, 100, kLeft, 1, 19, 99, kUpRight},
        Bounce{"right at top", 100, 18, kRight, 1, 101, 19, kDownRight},
        Bounce{"right at right", 422, 100, kRight, 1, 421, 99, kUpLeft},
        // A corner on the edge line blocks.
        Bounce{"one pixel from the top line", 100, 19, kUpLeft, 1, 99, 18, kUpLeft},
        Bounce{"step 2 would touch the top line", 100, 19, kUpLeft, 2, 98, 21, kDownLeft},
        Bounce{"step 2 would touch the right line", 421, 100, kDownRight, 2, 419, 102, kDownLeft},
        Bounce{"step 4 would touch the bottom line", 200, 279, kDownRight, 4, 204, 275, kUpRight},
        // Meeting only the corner of a wall cell, both reflections are free:
        // the list decides which one is taken.
        Bounce{"up-left at a wall corner", 101, 101, kUpLeft, 1, 100, 102, kDownLeft, 5, 5},
        Bounce{"up-right at a wall corner", 282, 101, kUpRight, 1, 281, 100, kUpLeft, 5, 20},
        Bounce{"down-left at a wall corner", 101, 212, kDownLeft, 1, 100, 211, kUpLeft, 15, 5},
        Bounce{"down-right at a wall corner", 282, 212, kDownRight, 1, 283, 211, kUpRight, 15, 20}),
    [](const ::testing::TestParamInfo<Bounce>& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            if (!isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

TEST(BallMotion, AWallCellBouncesLikeTheEdge) {
    TestGame g;
    g.clearField();
    g.wallColumn(20, 0, 19);  // x 290..303
    Ball& ball = g.addBall(282, 100, kDownRight);
    EXPECT_EQ(g.moveBall(ball), kMoved);
    EXPECT_EQ(ball.X, 281);
    EXPECT_EQ(ball.Y, 101);
    EXPECT_EQ(ball.DRCT, kDownLeft);

    g.wallRow(5, 0, 19);  // y 80..93
    Ball& high = g.addBall(150, 101, kUpLeft);
    EXPECT_EQ(g.moveBall(high), kMoved);
    EXPECT_EQ(high.X, 149);
    EXPECT_EQ(high.Y, 102);
    EXPECT_EQ(high.DRCT, kDownLeft);
}

TEST(BallMotion, CellsOfABarOrABallDoNotBlock) {
    TestGame g;
    g.clearField();
    g.setCell(7, 14, kCellBar);
    g.setCell(6, 14, kCellBall);
    Ball& ball = g.addBall(200, 100, kDownRight);
    EXPECT_EQ(g.tryMove(ball, kDownRight), kMoved);
    EXPECT_EQ(ball.X, 201);
    EXPECT_EQ(ball.Y, 101);
}

// The move of a ball at (200, 100) down-right puts its corners at
// (194, 94) cell (6, 13), (194, 108) cell (7, 13), (208, 94) cell (6, 14)
// and (208, 108) cell (7, 14), tested in that order.
TEST(BallMotion, TheFirstCornerDecidesBetweenBarAndWall) {
    TestGame g;
    g.clearField();
    Ball& ball = g.addBall(200, 100, kDownRight);

    // Bar 0 grows up in column 13 over the first corner; a wall under the
    // last corner comes too late.
    g.growingBar(0, kUp, 8, 13, 5, 13);
    g.setCell(7, 14, kCellWall);
    EXPECT_EQ(g.tryMove(ball, kDownRight), kTouchesBar0);
    EXPECT_EQ(ball.X, 200);
    EXPECT_EQ(ball.Y, 100);

    // A wall under the first corner wins over bar 1 at the last corner.
    g.clearField();
    Ball& second = g.addBall(200, 100, kDownRight);
    g.setCell(6, 13, kCellWall);
    Bar& down = g.growingBar(1, kDown, 7, 14, 7, 14);
    down.YEND = 120;  // y 108..120
    EXPECT_EQ(g.tryMove(second, kDownRight), kBlocked);

    g.setCell(6, 13, kCellFree);
    EXPECT_EQ(g.tryMove(second, kDownRight), kTouchesBar1);
    EXPECT_EQ(second.X, 200);

    // An idle bar is no obstacle.
    down.ACTIVE = 1;
    EXPECT_EQ(g.tryMove(second, kDownRight), kMoved);
    EXPECT_EQ(second.X, 201);
    EXPECT_EQ(second.Y, 101);
    EXPECT_EQ(second.DRCT, kDownRight);
}

TEST(BallMotion, ABallTouchingAGrowingBarBreaksItAndWaits) {
    TestGame g;
    g.clearField(3);
    Bar& up = g.growingBar(0, kUp, 8, 13, 5, 13);  // x 192..206, y 80..136
    up.YEND = 80;
    g.growingBar(1, kDown, 9, 13, 11, 13);
    Ball& ball = g.addBall(184, 102, kDownRight);  // next corner x 192

    EXPECT_EQ(g.moveBall(ball), kTouchesBar0);
    EXPECT_EQ(ball.X, 184);
    EXPECT_EQ(ball.DRCT, kDownRight);

    g.calls.clear();
    EXPECT_EQ(g.moveBalls(), 0);
    EXPECT_EQ(ball.X, 184);
    EXPECT_EQ(ball.Y, 102);
    EXPECT_EQ(ball.DRCT, kDownRight);
    EXPECT_EQ(g.lvl.LOVES, 2);
    EXPECT_EQ(g.hookNames(), (std::vector<std::string>{"showStatus", "onLifeLost"}));
    EXPECT_EQ(g.statuses(), std::vector<std::string>{"Ball meets bar"});
    EXPECT_EQ(up.ACTIVE, 1);
    for (int r = 5; r <= 8; ++r) {
        EXPECT_EQ(g.cell(r, 13), kCellFree) << r;
    }
    // The other bar goes on growing.
    EXPECT_EQ(g.lvl.bars[1].ACTIVE, 0);
    EXPECT_EQ(g.cell(10, 13), kCellBar);

    // With the bar gone the ball moves on in the same direction.
    EXPECT_EQ(g.moveBalls(), 0);
    EXPECT_EQ(ball.X, 185);
    EXPECT_EQ(ball.Y, 103);
    EXPECT_EQ(g.lvl.LOVES, 2);
}

TEST(BallMotion, ABallWithNoFreeDirectionWaitsSilently) {
    TestGame g;
    g.clearField();
    // The box of a ball at (150, 150) spans x and y 143..157; its top-left
    // corner stays in cell (9, 9) whichever way it moves by one pixel.
    g.setCell(9, 9, kCellWall);
    g.addBall(150, 150, kDownRight);
    EXPECT_EQ(g.moveBall(g.lvl.balls[0]), kAllBlocked);
    g.runTicks(50, 2);
    EXPECT_EQ(g.lvl.balls[0].X, 150);
    EXPECT_EQ(g.lvl.balls[0].Y, 150);
    EXPECT_EQ(g.lvl.balls[0].DRCT, kDownRight);
    EXPECT_TRUE(g.calls.empty());
    EXPECT_EQ(g.lvl.LOVES, 3);
}

TEST(BallMotion, BallsPassThroughEachOther) {
    TestGame g;
    g.clearField();
    g.addBall(200, 150, kDownRight);
    g.addBall(202, 152, kUpLeft);
    g.addBall(200, 150, kDownRight);  // same place, same way
    EXPECT_EQ(g.moveBalls(), 0);
    EXPECT_EQ(g.lvl.balls[0].X, 201);
    EXPECT_EQ(g.lvl.balls[1].X, 201);
    EXPECT_EQ(g.lvl.balls[1].Y, 151);
    EXPECT_EQ(g.moveBalls(), 0);
    EXPECT_EQ(g.lvl.balls[0].X, 202);
    EXPECT_EQ(g.lvl.balls[0].Y, 152);
    EXPECT_EQ(g.lvl.balls[0].DRCT, kDownRight);
    EXPECT_EQ(g.lvl.balls[1].X, 200);
    EXPECT_EQ(g.lvl.balls[1].Y, 150);
    EXPECT_EQ(g.lvl.balls[1].DRCT, kUpLeft);
    EXPECT_EQ(g.lvl.balls[2].X, 202);
    EXPECT_EQ(g.lvl.balls[2].Y, 152);
    EXPECT_TRUE(g.calls.empty());
}

TEST(BallMotion, TheListEndsAtTheFirstEndMark) {
    TestGame g;
    g.clearField();
    g.addBall(100, 100, kDownRight);
    g.lvl.balls[1].endOfList = 1;
    g.lvl.balls[2] = g.lvl.balls[0];
    g.lvl.balls[2].endOfList = 0;
    g.moveBalls();
    EXPECT_EQ(g.lvl.balls[0].X, 101);
    EXPECT_EQ(g.lvl.balls[2].X, 100);
}

TEST(BallMotion, BreakingABarWithTheLastLifeStopsTheOtherBalls) {
    TestGame g;
    g.clearField(1, 2);
    g.growingBar(0, kUp, 8, 13, 5, 13).YEND = 80;
    g.addBall(184, 102, kDownRight);
    g.addBall(300, 200, kDownRight);
    EXPECT_EQ(g.moveBalls(), 1);
    const HookCall* over = g.last("onGameOver");
    ASSERT_NE(over, nullptr);
    EXPECT_EQ(over->a, kEndNoMoreLives);
    EXPECT_EQ(g.lvl.NBLLS, 1);  // a new game is set up
    // The second ball's record was not moved in that step.
    EXPECT_EQ(g.lvl.balls[1].X, 300);
    EXPECT_EQ(g.lvl.balls[1].Y, 200);
    EXPECT_EQ(g.count("onLifeLost"), 0);
}

TEST(BallMotion, AnInvalidDirectionIsFatalAndChangesNothing) {
    TestGame g;
    g.clearField();
    Ball& ball = g.addBall(100, 100, kDownRight);
    EXPECT_NE(g.tryMove(ball, 8), kMoved);
    EXPECT_EQ(g.fatalCount, 1);
    EXPECT_EQ(g.lastFatal, "tryMove - invalid direction");
    EXPECT_TRUE(g.failed());
    EXPECT_EQ(ball.X, 100);
    EXPECT_EQ(ball.Y, 100);
    EXPECT_EQ(ball.DRCT, kDownRight);
}

TEST(BallMotion, ABallWithAnInvalidDirectionStopsTheTick) {
    TestGame g;
    g.clearField();
    g.addBall(100, 100, kDownRight);
    g.addBall(200, 150, -1);
    g.addBall(300, 200, kDownRight);
    Bar& bar = g.growingBar(0, kUp, 15, 25, 15, 25);
    Level before = g.lvl;
    g.clk.now += 2;
    g.tick();
    EXPECT_EQ(g.fatalCount, 1);
    EXPECT_EQ(g.lastFatal, "tryMove - invalid direction");
    ASSERT_FALSE(g.calls.empty());
    EXPECT_EQ(g.calls.back().name, "fatalError");  // nothing reported after it
    EXPECT_EQ(g.lvl.balls[0].X, 101);              // moved before the fault
    EXPECT_EQ(g.lvl.balls[1].X, 200);
    EXPECT_EQ(g.lvl.balls[1].DRCT, -1);
    EXPECT_EQ(g.lvl.balls[2].X, 300);  // never reached
    EXPECT_EQ(g.lvl.balls[2].Y, 200);
    EXPECT_EQ(bar.YEND, before.bars[0].YEND);
    EXPECT_EQ(std::memcmp(g.lvl.grid, before.grid, sizeof before.grid), 0);
}

struct PointCase {
    int direction;
    int x, y;
    bool inside;
};

class BarHitRegion : public ::testing::TestWithParam<PointCase> {};

TEST_P(BarHitRegion, CoversTheBarWithItsEdges) {
    const PointCase& c = GetParam();
    TestGame g;
    g.clearField();
    Bar bar;
    bar.ACTIVE = 0;
    bar.DRCT = c.direction;
    // Vertical bars: column x 192..206; up from y 122 to 80, down from 136
    // to 170. Horizontal bars: row y 122..136; left from x 192 to 150,
    // right from 206 to 250.
    switch (c.direction) {
        case kUp:
            bar.XSTART = bar.XEND = 192;
            bar.YSTART = 122;
            bar.YEND = 80;
            break;
        case kDown:
            bar.XSTART = bar.XEND = 192;
            bar.YSTART = 136;
            bar.YEND = 170;
            break;
        case kLeft:
            bar.YSTART = bar.YEND = 122;
            bar.XSTART = 192;
            bar.XEND = 150;
            break;
        default:
            bar.YSTART = bar.YEND = 122;
            bar.XSTART = 206;
            bar.XEND = 250;
            break;
    }
    EXPECT_EQ(g.isPointInBar(bar, c.x, c.y), c.inside)
        << "direction " << c.direction << " at " << c.x << "," << c.y;
}

INSTANTIATE_TEST_SUITE_P(
    Directions, BarHitRegion,
    ::testing::Values(PointCase{kUp, 192, 80, true}, PointCase{kUp, 206, 136, true},
                      PointCase{kUp, 191, 100, false}, PointCase{kUp, 207, 100, false},
                      PointCase{kUp, 200, 79, false}, PointCase{kUp, 200, 137, false},
                      PointCase{kDown, 200, 136, true}, PointCase{kDown, 206, 170, true},
                      PointCase{kDown, 200, 135, false}, PointCase{kDown, 200, 171, false},
                      PointCase{kDown, 207, 150, false}, PointCase{kLeft, 150, 122, true},
                      PointCase{kLeft, 206, 136, true}, PointCase{kLeft, 149, 130, false},
                      PointCase{kLeft, 207, 130, false}, PointCase{kLeft, 170, 121, false},
                      PointCase{kLeft, 170, 137, false}, PointCase{kRight, 206, 122, true},
                      PointCase{kRight, 250, 136, true}, PointCase{kRight, 251, 130, false},
                      PointCase{kRight, 205, 130, false}, PointCase{kRight, 220, 137, false},
                      // Any other direction is read as right.
                      PointCase{9, 206, 122, true}, PointCase{9, 250, 136, true},
                      PointCase{9, 251, 130, false}, PointCase{9, 205, 130, false}));

}  // namespace
