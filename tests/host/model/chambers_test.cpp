// Which regions a finished bar releases: a region no ball touches becomes
// wall and counts; balls, cells of value 1, the cells under a ball's edge
// points and a bar that still grows keep theirs.
#include <gtest/gtest.h>

#include "tests/host/model/test_game.h"

namespace {

// A finished bar down column `col`, a ball right of it at (290, 150).
void splitField(TestGame& g, int col, int toRow = 19) {
    g.clearField();
    g.finishedBar(0, kUp, toRow, col, 0, col);
    g.addBall(290, 150, kDownRight);
}

// Left of a bar down column 9, a corridor winds through walls in columns 1,
// 3, 5 and 7, open alternately at the bottom and the top: 104 free cells.
void corridor(TestGame& g) {
    splitField(g, 9);
    for (int col = 1; col <= 7; col += 2) {
        g.wallColumn(col, col % 4 == 1 ? 0 : 1, col % 4 == 1 ? 18 : 19);
    }
}

TEST(Chambers, RegionsWithoutBallsAreReleasedAndCounted) {
    struct {
        const char* what;
        int barIndex, direction, r0, c0, r1, c1;
        int wallRow;  // a wall row across columns 0..9, or -1
        int released, wallsAfter;
    } cases[] = {
        {"bar up column 10", 0, kUp, 19, 10, 0, 10, -1, 200, 220},
        {"bar down column 10", 1, kDown, 0, 10, 19, 10, -1, 200, 220},
        {"two sealed regions", 0, kUp, 19, 10, 0, 10, 5, 190, 220},
        // Along the edge the bar has seeds on one side only.
        {"bar along the top", 0, kRight, 0, 0, 0, 29, -1, 570, 600},
        {"bar along the right", 1, kDown, 0, 29, 19, 29, -1, 580, 600},
    };
    for (auto c : cases) {
        TestGame g;
        g.finishedBar(c.barIndex, c.direction, c.r0, c.c0, c.r1, c.c1);
        for (int col = 0; c.wallRow >= 0 && col <= 9; ++col) {
            g.setCell(c.wallRow, col, kCellWall);
        }
        if (c.direction <= kDown && c.c0 == 10) {
            g.addBall(290, 150, kDownRight);
        }
        EXPECT_EQ(g.releaseChambers(g.lvl.bars[c.barIndex]), c.released) << c.what;
        EXPECT_EQ(g.countCells(kCellWall), c.wallsAfter) << c.what;
        EXPECT_TRUE(g.calls.empty()) << c.what;
    }
}

TEST(Chambers, BallsOnBothSidesOrABallCellReleaseNothing) {
    TestGame g;
    splitField(g, 10);
    g.addBall(80, 150, kUpLeft);
    Level before = g.lvl;
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0);
    EXPECT_TRUE(sameLevel(before, g.lvl));

    splitField(g, 10);
    g.setCell(10, 5, kCellBall);  // a grid cell of value 1 keeps its chamber
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0);
    EXPECT_EQ(g.chamberLabels[10][5], -3);
    EXPECT_EQ(g.countCells(kCellFree, 0, 19, 0, 9), 199);
}

TEST(Chambers, AGrowingBarBoundsTheChambers) {
    TestGame g;
    splitField(g, 10, 9);
    g.growingBar(1, kDown, 10, 10, 19, 10);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 200);
    EXPECT_EQ(g.countCells(kCellWall, 0, 19, 0, 9), 200);
    EXPECT_EQ(g.countCells(kCellBar), 10);
    EXPECT_EQ(g.chamberLabels[15][10], -2);

    // With the last cell below it free, the chamber reaches around it.
    for (int ballX : {80, 290}) {
        splitField(g, 10, 9);
        g.lvl.balls[0].X = ballX;
        g.growingBar(1, kDown, 10, 10, 18, 10);
        EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0) << ballX;
        EXPECT_EQ(g.countCells(kCellWall), 10);
        EXPECT_EQ(g.chamberLabels[19][10], g.chamberLabels[0][0]);
        EXPECT_EQ(g.chamberLabels[0][29], g.chamberLabels[0][0]);
    }
}

// Centre (150, 150) on the corner of cell (10, 10): the edge points lie in
// cells (9, 10), (10, 10) and (10, 9); the box's corner cell (9, 9) is not
// one of them. Centre (157, 157): the right edge point is in cell (10, 11),
// and the chamber of cell (10, 12), walled in on every other side, stays.
TEST(Chambers, TheCellsUnderABallsEdgePointsAreBallCells) {
    TestGame g;
    g.finishedBar(0, kUp, 19, 20, 0, 20);
    g.addBall(150, 150, kDownRight);
    g.releaseChambers(g.lvl.bars[0]);
    EXPECT_EQ((std::vector<int>{g.chamberLabels[9][10], g.chamberLabels[10][9],
                                g.chamberLabels[10][10], g.chamberLabels[0][20]}),
              (std::vector<int>{-3, -3, -3, -1}));
    EXPECT_GE(g.chamberLabels[9][9], 1);

    g.clearField();
    g.finishedBar(0, kUp, 19, 13, 0, 13);
    g.setCell(9, 12, kCellWall);
    g.setCell(11, 12, kCellWall);
    g.addBall(157, 157, kDownRight);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 16 * 20);
    EXPECT_EQ(g.chamberLabels[10][11], -3);
    EXPECT_NE(g.chamberLabels[10][12], g.chamberLabels[0][0]);
    EXPECT_EQ(g.cell(10, 12), kCellFree);
    EXPECT_EQ(g.countCells(kCellFree, 0, 19, 0, 12), 13 * 20 - 2);
}

TEST(Chambers, AHorizontalBarSeedsBelowThenAbove) {
    TestGame g;
    g.finishedBar(0, kLeft, 8, 29, 8, 0);
    g.addBall(150, 52, kDownRight);  // above the bar
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 11 * 30);
    EXPECT_EQ(g.chamberLabels[9][0], 1);
    EXPECT_EQ(g.chamberLabels[0][0], 2);
    EXPECT_EQ(g.countCells(kCellFree, 0, 7), 240);
}

// In the corridor, a ball's cell at (2, 0) keeps all of it. At (8, 0), in
// the last column the chamber reaches, it does not: that column is labelled
// from the bottom up, one cell per ring of the last sweep, while each ring
// walks the column from the top down, so the ball's cell is passed before
// the cell below it joins. The chamber's 95 cells are released; the eight
// above the ball's cell are cut off from the seed and stay.
TEST(Chambers, TheSweepOrderDecidesWhetherABallCellIsSeen) {
    TestGame g;
    corridor(g);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 104);
    EXPECT_EQ(g.countCells(kCellWall, 0, 19, 0, 9), 200);

    corridor(g);
    g.setCell(2, 0, kCellBall);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0);

    corridor(g);
    g.setCell(8, 0, kCellBall);
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 95);
    EXPECT_EQ(g.countCells(kCellFree, 0, 7, 0, 0), 8);
    EXPECT_EQ(g.countCells(kCellWall, 9, 19, 0, 0), 11);
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
    splitField(g, 4);
    for (int r = 0; r < 20; ++r) {
        for (int c = 0; c < 4; ++c) {
            g.setCell(r, c, left[r][c] == '#' ? kCellWall : left[r][c] == 'o' ? kCellBall : 0);
        }
    }
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 27);
    EXPECT_EQ(g.chamberLabels[0][3], 2);
    EXPECT_EQ(g.chamberLabels[9][1], 3);
    EXPECT_EQ(g.countCells(kCellWall, 0, 4, 0, 3), 20);
    EXPECT_EQ(std::vector<int>({g.cell(8, 3), g.cell(8, 2), g.cell(9, 1), g.cell(19, 0)}),
              std::vector<int>({kCellWall, kCellBall, kCellFree, kCellFree}));
}

TEST(Chambers, InconsistentCallsAreFatal) {
    TestGame g;
    g.chamberLabels[5][5] = 4;
    g.setChamber(1, 5, 5);
    EXPECT_EQ(g.lastFatal, "setChamber: Cell is used");
    EXPECT_EQ(g.chamberLabels[5][5], 4);
    g.setChamber(1, 20, 4);
    EXPECT_EQ(g.lastFatal, "setChamber: Invalid cell");
    g.addBall(450, 150, kDownRight);  // right of the field
    g.defineCellForBalls();
    EXPECT_EQ(g.lastFatal, "defineCellForBalls");
    EXPECT_EQ(g.hookNames(), Names(3, "fatalError"));
}

}  // namespace
