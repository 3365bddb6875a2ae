// Which regions a finished bar releases: a region no ball touches becomes
// wall and counts; balls, cells of value 1, the cells under a ball's edge
// points and a bar that still grows keep theirs.
#include <gtest/gtest.h>

#include "tests/host/model/test_game.h"

namespace {

int countIn(const TestGame& g, int value, int fromRow, int toRow, int fromCol, int toCol) {
    int n = 0;
    for (int r = fromRow; r <= toRow; ++r) {
        for (int c = fromCol; c <= toCol; ++c) {
            n += g.cell(r, c) == value ? 1 : 0;
        }
    }
    return n;
}

// A finished vertical bar down column 10 of the 20 x 30 field; balls sit on
// the corners of cells (10, 20) and (10, 5).
TEST(Chambers, ARegionWithoutBallsIsReleasedAndCounted) {
    for (int direction : {kUp, kDown}) {
        TestGame g;
        g.clearField();
        if (direction == kUp) {
            g.finishedBar(0, kUp, 19, 10, 0, 10);
        } else {
            g.finishedBar(1, kDown, 0, 10, 19, 10);
        }
        g.addBall(290, 150, kDownRight);
        EXPECT_EQ(g.releaseChambers(g.lvl.bars[direction == kUp ? 0 : 1]), 200);
        EXPECT_EQ(countIn(g, kCellWall, 0, 19, 0, 10), 220);
        EXPECT_EQ(countIn(g, kCellFree, 0, 19, 11, 29), 380);
        EXPECT_TRUE(g.calls.empty());
    }
}

TEST(Chambers, EverySealedRegionWithoutBallsIsReleased) {
    TestGame g;
    g.clearField();
    g.wallRow(5, 0, 9);  // splits the left side in two
    g.finishedBar(0, kUp, 19, 10, 0, 10);
    g.addBall(290, 150, kDownRight);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 50 + 140);
    EXPECT_EQ(countIn(g, kCellWall, 0, 19, 0, 9), 200);
}

TEST(Chambers, BallsOnBothSidesReleaseNothing) {
    TestGame g;
    g.clearField();
    g.finishedBar(0, kUp, 19, 10, 0, 10);
    g.addBall(290, 150, kDownRight);
    g.addBall(80, 150, kUpLeft);
    Level before = g.lvl;
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0);
    EXPECT_TRUE(sameLevel(before, g.lvl));
}

TEST(Chambers, AGrowingBarBoundsTheChambers) {
    TestGame g;
    g.clearField();
    // The up bar has finished in rows 0..9; the down bar still grows in
    // rows 10..19 of the same column.
    g.finishedBar(0, kUp, 9, 10, 0, 10);
    g.growingBar(1, kDown, 10, 10, 19, 10);
    g.addBall(290, 150, kDownRight);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 200);
    EXPECT_EQ(countIn(g, kCellWall, 0, 19, 0, 9), 200);
    EXPECT_EQ(countIn(g, kCellBar, 10, 19, 10, 10), 10);
    EXPECT_EQ(g.chamberLabels[15][10], -2);
}

TEST(Chambers, AChamberReachesTheFarSideAroundAGrowingBar) {
    for (int ballOnLeft = 0; ballOnLeft < 2; ++ballOnLeft) {
        TestGame g;
        g.clearField();
        g.finishedBar(0, kUp, 9, 10, 0, 10);
        g.growingBar(1, kDown, 10, 10, 18, 10);  // cell (19, 10) is still free
        if (ballOnLeft == 1) {
            g.addBall(80, 150, kDownRight);
        } else {
            g.addBall(290, 150, kDownRight);
        }
        EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0) << "ball on left " << ballOnLeft;
        EXPECT_EQ(g.countCells(kCellWall), 10);
        EXPECT_EQ(g.chamberLabels[19][10], g.chamberLabels[0][0]);
        EXPECT_EQ(g.chamberLabels[0][29], g.chamberLabels[0][0]);
    }
}

TEST(Chambers, AGridCellOfValueOneKeepsItsChamber) {
    TestGame g;
    g.clearField();
    g.finishedBar(0, kUp, 19, 10, 0, 10);
    g.addBall(290, 150, kDownRight);
    g.setCell(10, 5, kCellBall);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0);
    EXPECT_EQ(g.chamberLabels[10][5], -3);
    EXPECT_EQ(countIn(g, kCellFree, 0, 19, 0, 9), 199);
    EXPECT_EQ(g.cell(10, 5), kCellBall);
}

TEST(Chambers, TheCellsUnderABallsEdgePointsAreBallCells) {
    TestGame g;
    g.clearField();
    g.finishedBar(0, kUp, 19, 20, 0, 20);
    // Centre (150, 150) on the corner of cell (10, 10): the edge points lie
    // in cells (9, 10), (10, 10), (10, 9) and (10, 10); the box's corner
    // cell (9, 9) is not one of them.
    g.addBall(150, 150, kDownRight);
    g.releaseChambers(g.lvl.bars[0]);
    EXPECT_EQ(g.chamberLabels[9][10], -3);
    EXPECT_EQ(g.chamberLabels[10][9], -3);
    EXPECT_EQ(g.chamberLabels[10][10], -3);
    EXPECT_GE(g.chamberLabels[9][9], 1);
    EXPECT_GE(g.chamberLabels[11][11], 1);
    EXPECT_EQ(g.chamberLabels[0][20], -1);
}

TEST(Chambers, AChamberBesideAnEdgePointCellStaysFree) {
    TestGame g;
    g.clearField();
    g.finishedBar(0, kUp, 19, 13, 0, 13);
    // Centre (157, 157) in cell (10, 10); its right edge point (164, 157)
    // lies in cell (10, 11). Cell (10, 12) is walled in on every other side.
    g.setCell(9, 12, kCellWall);
    g.setCell(11, 12, kCellWall);
    g.addBall(157, 157, kDownRight);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 16 * 20);
    EXPECT_EQ(g.chamberLabels[10][11], -3);
    EXPECT_EQ(g.chamberLabels[11][10], -3);
    EXPECT_GE(g.chamberLabels[10][12], 1);
    EXPECT_NE(g.chamberLabels[10][12], g.chamberLabels[0][0]);
    EXPECT_EQ(g.cell(10, 12), kCellFree);
    EXPECT_EQ(countIn(g, kCellWall, 0, 19, 14, 29), 320);
    EXPECT_EQ(countIn(g, kCellFree, 0, 19, 0, 12), 13 * 20 - 2);
}

TEST(Chambers, ABarAlongTheEdgeHasSeedsOnOneSideOnly) {
    TestGame g;
    g.clearField();
    g.finishedBar(0, kRight, 0, 0, 0, 29);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 19 * 30);
    EXPECT_EQ(g.countCells(kCellWall), 600);

    g.clearField();
    g.finishedBar(1, kDown, 0, 29, 19, 29);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[1]), 20 * 29);
    EXPECT_EQ(g.fatalCount, 0);
}

TEST(Chambers, AHorizontalBarSeedsBelowThenAbove) {
    TestGame g;
    g.clearField();
    g.finishedBar(0, kLeft, 8, 29, 8, 0);
    g.addBall(150, 52, kDownRight);  // above the bar
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 11 * 30);
    EXPECT_EQ(g.chamberLabels[9][0], 1);  // the first seed is below the bar
    EXPECT_EQ(g.chamberLabels[0][0], 2);
    EXPECT_EQ(countIn(g, kCellWall, 9, 19, 0, 29), 330);
    EXPECT_EQ(countIn(g, kCellFree, 0, 7, 0, 29), 240);
}

TEST(Chambers, ANarrowWindingRegionIsFoundWhole) {
    TestGame g;
    g.clearField();
    // Left of the bar, a corridor winds through walls in columns 1, 3, 5
    // and 7, open alternately at the bottom and the top.
    g.finishedBar(0, kUp, 19, 9, 0, 9);
    for (int col = 1; col <= 7; col += 2) {
        if (col % 4 == 1) {
            g.wallColumn(col, 0, 18);
        } else {
            g.wallColumn(col, 1, 19);
        }
    }
    g.addBall(290, 150, kDownRight);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 5 * 20 + 4);
    EXPECT_EQ(countIn(g, kCellWall, 0, 19, 0, 9), 200);

    // A ball at the far end of the corridor keeps all of it.
    g.clearField();
    g.finishedBar(0, kUp, 19, 9, 0, 9);
    for (int col = 1; col <= 7; col += 2) {
        if (col % 4 == 1) {
            g.wallColumn(col, 0, 18);
        } else {
            g.wallColumn(col, 1, 19);
        }
    }
    g.addBall(290, 150, kDownRight);
    g.lvl.grid[2][0] = kCellBall;
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0);
    EXPECT_EQ(countIn(g, kCellFree, 0, 19, 0, 8), 5 * 20 + 4 - 1);
}

// The same corridor with a ball's cell at (8, 0), in the last column the
// chamber reaches. That column is labelled from the bottom up, one cell per
// ring of the last sweep, while each ring walks the column from the top
// down: the ball's cell is passed before the cell below it joins, so the
// chamber does not count as touched and its 95 cells are released. The
// eight cells above the ball's cell are cut off from the seed and stay.
TEST(Chambers, TheSweepOrderDecidesWhetherABallCellIsSeen) {
    TestGame g;
    g.clearField();
    g.finishedBar(0, kUp, 19, 9, 0, 9);
    for (int col = 1; col <= 7; col += 2) {
        if (col % 4 == 1) {
            g.wallColumn(col, 0, 18);
        } else {
            g.wallColumn(col, 1, 19);
        }
    }
    g.addBall(290, 150, kDownRight);
    g.lvl.grid[8][0] = kCellBall;
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 95);
    EXPECT_EQ(countIn(g, kCellFree, 0, 7, 0, 0), 8);
    EXPECT_EQ(countIn(g, kCellWall, 9, 19, 0, 0), 11);
    EXPECT_EQ(g.cell(8, 0), kCellBall);
    EXPECT_EQ(g.chamberLabels[9][0], 2);
    EXPECT_EQ(g.chamberLabels[7][0], 0);
}

// Left of a bar down column 4, the region at the top reaches the ball's
// cell 'o' only through the passage in column 3. The sweep from its seed
// at (0, 3) passes the ball's cell before that passage is labelled, and the
// fill ends before another sweep comes by: the region (27 cells) goes. The
// region below the ball's cell is seen touching it and stays.
TEST(Chambers, APassageLabelledLastDoesNotSeeTheBallCell) {
    const char* const left[] = {
        "....", "....", "....", "....", "....", ".###", "....", "###.", "..o.", "#..#",
        "#..#", "#..#", "#...", "#...", "#...", "...#", ".###", "...#", ".#..", "....",
    };
    TestGame g;
    g.clearField();
    for (int r = 0; r < 20; ++r) {
        for (int c = 0; c < 4; ++c) {
            char ch = left[r][c];
            g.setCell(r, c, ch == '#' ? kCellWall : ch == 'o' ? kCellBall : kCellFree);
        }
    }
    g.finishedBar(0, kUp, 19, 4, 0, 4);
    g.addBall(416, 150, kDownRight);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 27);
    EXPECT_EQ(g.chamberLabels[0][3], 2);
    EXPECT_EQ(g.chamberLabels[9][1], 3);
    EXPECT_EQ(countIn(g, kCellWall, 0, 4, 0, 3), 20);
    EXPECT_EQ(g.cell(8, 3), kCellWall);
    EXPECT_EQ(g.cell(8, 2), kCellBall);
    EXPECT_EQ(g.cell(9, 1), kCellFree);
    EXPECT_EQ(g.cell(19, 0), kCellFree);
}

TEST(Chambers, InconsistentCallsAreFatal) {
    TestGame g;
    g.clearField();
    g.addBall(450, 150, kDownRight);  // right of the field
    g.defineCellForBalls();
    EXPECT_EQ(g.fatalCount, 1);
    EXPECT_EQ(g.lastFatal, "defineCellForBalls");

    for (int invalid = 0; invalid < 2; ++invalid) {
        TestGame h;
        h.clearField();
        for (int r = 0; r < h.rows; ++r) {
            for (int c = 0; c < h.cols; ++c) {
                h.chamberLabels[r][c] = 0;
            }
        }
        h.chamberLabels[4][4] = 2;
        if (invalid == 1) {
            h.setChamber(1, 20, 4);
            EXPECT_EQ(h.lastFatal, "setChamber: Invalid cell");
        } else {
            h.setChamber(1, 4, 4);
            EXPECT_EQ(h.lastFatal, "setChamber: Cell is used");
            EXPECT_EQ(h.chamberLabels[4][4], 2);
        }
        EXPECT_EQ(h.fatalCount, 1);
    }
}

TEST(Chambers, JoinCellAndNeighbourTests) {
    TestGame g;
    g.clearField();
    for (int r = 0; r < g.rows; ++r) {
        for (int c = 0; c < g.cols; ++c) {
            g.chamberLabels[r][c] = 0;
        }
    }
    g.chamberLabels[5][5] = 4;
    EXPECT_TRUE(g.hasLabelledNeighbour(4, 4, 5));
    EXPECT_TRUE(g.hasLabelledNeighbour(4, 6, 5));
    EXPECT_TRUE(g.hasLabelledNeighbour(4, 5, 4));
    EXPECT_TRUE(g.hasLabelledNeighbour(4, 5, 6));
    EXPECT_FALSE(g.hasLabelledNeighbour(4, 4, 4));  // diagonal
    EXPECT_FALSE(g.hasLabelledNeighbour(3, 4, 5));

    EXPECT_EQ(g.joinCell(4, 4, 5), 0);
    EXPECT_EQ(g.chamberLabels[4][5], 4);
    EXPECT_EQ(g.joinCell(4, 0, 0), 0);  // no neighbour labelled 4
    EXPECT_EQ(g.chamberLabels[0][0], 0);
    g.chamberLabels[5][6] = -3;
    EXPECT_EQ(g.joinCell(4, 5, 6), 1);
    EXPECT_EQ(g.chamberLabels[5][6], -3);
    g.chamberLabels[6][5] = -1;
    EXPECT_EQ(g.joinCell(4, 6, 5), 0);
    EXPECT_EQ(g.chamberLabels[6][5], -1);
}

}  // namespace
