// The rules of play one at a time: geometry, levels, how balls and bars
// move, and which chambers a finished bar releases.
#include "tests/host/model/test_game.h"

namespace {

// Pixels truncate toward zero, not down to -1; the released share is
// divided before it is multiplied by 100: 174 of 600 is 28. The field is
// cut to whole cells.
TEST_F(Model, GeometryAndConversions) {
    g.lvl.CLDNE = 174;
    EXPECT_EQ((Ints{g.rowOf(3), g.rowOf(23), g.rowOf(24), g.rowOf(290), g.colOf(219), g.colOf(220),
                    g.percentDone()}),
              (Ints{0, 0, 1, 20, 14, 15, 28}));
    g.fieldTop = 20, g.fieldRight = 10 + 30 * 16 + 9, g.fieldBottom = 20 + 20 * 15 + 14;
    g.clock.calendar = 1700000000, g.initGeometry();
    EXPECT_EQ((Ints{g.cellWidth, g.cellHeight, g.fieldRight, g.fieldBottom, g.generator().next()}),
              (Ints{16, 15, 490, 320, 28462}));
}

// Level n has n balls and n lives on a cleared field; level 200 ends the
// game (no more balls) before a ball is placed. A field smaller than ten
// cells either way has its balls in the middle; one of ten has a band of
// one cell.
TEST_F(Model, LevelNHasNBallsAndNLivesAndLevel200EndsTheGame) {
    g.clearField(1, 198);
    g.clock.now = 4321, g.lvl.CLDNE = 77, g.lvl.pausedTotal = 900, g.paused = 1,
    g.lvl.bars[1].ACTIVE = 0;
    g.lvl.grid[3][4] = kCellWall, g.lvl.grid[19][29] = kCellBar, gameRunning = 0;
    g.startLevel();
    EXPECT_EQ((Ints{g.lvl.NBLLS, g.lvl.LOVES, g.ballCount(), g.lvl.CLDNE, g.lvl.SLVTM, g.lvl.LEVTM,
                    g.lvl.pausedTotal, g.paused, g.lvl.bars[1].ACTIVE, g.countCells(kCellFree),
                    gameRunning, g.seen["onLevelStarted"].running}),
              (Ints{199, 199, 199, 0, 4321, 4321, 0, 0, 1, 600, 1, 0}));
    TestGame small(9, 12), band(10, 10);  // no room for the band, or just enough
    small.startLevel(), band.startLevel();
    EXPECT_EQ((Ints{small.lvl.balls[1].R, small.lvl.balls[1].C, band.lvl.balls[1].R,
                    band.lvl.balls[1].C, band.lvl.balls[1].DRCT}),
              (Ints{4, 6, 5, 5, DL}));
    g.lvl.SCORE = 321.7;
    g.completeLevel();
    EXPECT_EQ(g.calls, (Names{"onLevelStarted", "onLevelCompleted", "onGameEnding",
                              "askPlayerName 0", "onGameOver 0 0", "onLevelStarted"}));
    EXPECT_EQ((Ints{g.fame.entries[0].level, g.seen["onGameOver"].level.balls[199].endOfList,
                    g.lvl.NBLLS, g.lvl.LOVES, g.ballCount(), gameRunning}),
              (Ints{200, 1, 1, 1, 1, 1}));
}

// The field is x 10..430, y 10..290. A ball's box reaches 7 pixels from its
// centre and touching the edge line blocks, so centres stay in 18..422 by
// 18..282. A wall cell (row 99: all of column 20) bounces like the edge;
// meeting only its corner, the list decides between two free reflections.
TEST_F(Model, ABallTakesTheFirstFreeDirectionOfItsList) {
    struct {
        int x, y, direction, wallRow, wallCol, toX, toY, toDirection;
    } cases[] = {{100, 18, UL, -1, 0, 99, 19, DL},     {18, 100, UL, -1, 0, 19, 99, UR},
                 {18, 18, UL, -1, 0, 19, 19, DR},      {422, 100, UR, -1, 0, 421, 99, UL},
                 {100, 18, UR, -1, 0, 101, 19, DR},    {422, 18, UR, -1, 0, 421, 19, DL},
                 {100, 282, DL, -1, 0, 99, 281, UL},   {18, 100, DL, -1, 0, 19, 101, DR},
                 {18, 282, DL, -1, 0, 19, 281, UR},    {100, 282, DR, -1, 0, 101, 281, UR},
                 {422, 100, DR, -1, 0, 421, 101, DL},  {422, 282, DR, -1, 0, 421, 281, UL},
                 {282, 100, DR, 99, 20, 281, 101, DL}, {282, 212, DR, 15, 20, 283, 211, UR}};
    for (const auto& c : cases) {
        g.clearField();
        for (int r = 0; r < 20 && c.wallRow >= 0; ++r) {
            g.lvl.grid[c.wallRow == 99 ? r : c.wallRow][c.wallCol] = kCellWall;
        }
        Ball& ball = g.addBall(c.x, c.y, c.direction);
        g.moveBall(ball);
        EXPECT_EQ((Ints{ball.X, ball.Y, ball.DRCT}), (Ints{c.toX, c.toY, c.toDirection}))
            << c.x << "," << c.y << " " << c.direction;
    }
    // In corridors one cell of 15 pixels wide (rows 5 and 20 here) a ball
    // has no diagonal left and goes the first straight way of its list.
    g.clearField();
    g.fieldRight = 10 + 30 * 15, g.fieldBottom = 10 + 20 * 15, g.initGeometry();
    for (int i = 0; i < 30; ++i) {
        g.lvl.grid[4][i] = g.lvl.grid[6][i] = g.lvl.grid[10 + i / 3][19 + 2 * (i % 2)] = kCellWall;
    }
    g.lvl.grid[9][20] = kCellWall;  // the vertical corridor's top: a ball going up turns down
    Ints to, from{100, 92, UL, 200, 92, R, 317, 242, UR, 317, 287, D, 317, 167, U};
    for (size_t i = 0; i < from.size(); i += 3) {
        Ball& ball = g.addBall(from[i], from[i + 1], from[i + 2]);
        g.moveBall(ball);
        to.insert(to.end(), {ball.X, ball.Y, ball.DRCT});
    }
    EXPECT_EQ(to, (Ints{99, 92, L, 201, 92, R, 317, 241, U, 317, 288, D, 317, 168, D}));
}

// ACTIVE, DRCT, SIZE, RSTART, CSTART, REND, CEND, XSTART, YSTART, XEND, YEND.
Ints fields(const Bar& b) {
    return {b.ACTIVE, b.DRCT,   b.SIZE,   b.RSTART, b.CSTART, b.REND,
            b.CEND,   b.XSTART, b.YSTART, b.XEND,   b.YEND};
}

// A pair starts on the clicked cell and the one below or right of it.
TEST_F(Model, AClickLaunchesAPairOfBars) {
    g.releasedThisShot = 55;
    g.shoot(227, 157);  // inside cell (10, 15)
    EXPECT_EQ(fields(g.lvl.bars[0]), (Ints{0, U, 14, 10, 15, 10, 15, 220, 150, 220, 150}));
    EXPECT_EQ(fields(g.lvl.bars[1]), (Ints{0, D, 14, 11, 15, 11, 15, 220, 164, 220, 164}));
    EXPECT_EQ((Ints{g.countCells(kCellBar), g.releasedThisShot}), (Ints{2, 0}));
    EXPECT_EQ(g.calls, Names{"showStatus You created bars"});
}

// A click on a wall is a wrong shot; one past the last column or row does
// nothing; a ball centred within the radius of a corner of the clicked cell
// (220, 150), edges included, is hit instead.
TEST_F(Model, ClicksOnAWallPastTheEdgeOrNearABall) {
    for (const auto& [x, y, ballX, ballY, last] :
         {std::tuple{55, 55, 0, 0, "showStatus Wrong shot"},
          {430, 157, 0, 0, ""},
          {227, 290, 0, 0, ""},
          {227, 157, 213, 143, "showStatus You hit ball"},
          {227, 157, 212, 143, "showStatus You created bars"},
          {227, 157, 213, 142, "showStatus You created bars"}}) {
        g.clearField();
        g.lvl.grid[3][3] = kCellWall;
        if (ballX != 0) {
            g.addBall(ballX, ballY, kDownRight);
        }
        g.shoot(x, y);
        EXPECT_EQ(g.calls.empty() ? "" : g.calls.back(), last) << x << "," << y;
    }
}

// From cell (10, 15) a bar grows up from y 150 to 10, down from 164 to
// 290, left from x 220 to 10 or right from 234 to 430; a last step that
// overshoots is cut at the edge. With walls in rows 5 and 15 of column 15
// and columns 5 and 25 of row 10 (y 80..93, y 220..233, x 80..93, x
// 360..373) the end stops inside the wall cell, up to a step deep, and the
// bar ends on the last free cell.
TEST_F(Model, ABarGrowsToTheEdgeOrStopsOnTheLastFreeCell) {
    struct {
        int walls, step, direction, moves, end, endCell;
    } cases[] = {{0, 1, U, 140, 10, 0},  {0, 4, U, 35, 10, 0},    {0, 1, D, 126, 290, 19},
                 {0, 4, D, 32, 290, 19}, {0, 1, L, 210, 10, 0},   {0, 4, L, 53, 10, 0},
                 {0, 4, R, 49, 430, 29}, {1, 1, U, 57, 93, 6},    {1, 2, U, 29, 92, 6},
                 {1, 1, D, 56, 220, 14}, {1, 4, D, 14, 220, 14},  {1, 1, L, 127, 93, 6},
                 {1, 4, L, 32, 92, 6},   {1, 1, R, 126, 360, 24}, {1, 4, R, 32, 362, 24},
                 {0, 3, U, 47, 10, 0},   {0, 3, R, 66, 430, 29}};
    for (auto c : cases) {
        g.clearField();
        g.barStep = c.step;
        for (int i = 0; c.walls && i < 4; ++i) {
            g.lvl.grid[i < 2 ? 5 + 10 * i : 10][i < 2 ? 15 : 5 + 20 * (i - 2)] = kCellWall;
        }
        const bool vertical = c.direction <= D;
        g.horizontalBars = vertical ? 0 : 1;
        g.clickCell(10, 15);
        Bar& bar = g.lvl.bars[c.direction == U || c.direction == L ? 0 : 1];
        const int first = vertical ? bar.RSTART : bar.CSTART;
        int moves = 1, result = 0;
        while ((result = bar.move(g)) == Bar::kGrowing && moves < 1000) {
            ++moves;
        }
        const int cells = std::abs(c.endCell - first) + 2;  // and the other bar's first cell
        EXPECT_EQ((Ints{moves, result, bar.ACTIVE, vertical ? bar.YEND : bar.XEND,
                        vertical ? bar.REND : bar.CEND, g.countCells(kCellBar)}),
                  (Ints{c.moves, Bar::kFinished, 1, c.end, c.endCell, cells}))
            << c.direction << " " << c.walls << " " << c.step;
    }
}

// Writing a bar whose cells hold a wall stops there and tells the player; a
// bar whose ends are the wrong way round for its direction writes nothing.
TEST_F(Model, AWallStopsTheWritingOfABar) {
    struct {
        int direction, r0, c0, r1, c1, wallRow, wallCol;
        const char* message;
    } walls[] = {{U, 10, 15, 4, 15, 7, 15, "setBarTo-up"},
                 {D, 4, 15, 10, 15, 7, 15, "setBarTo-down: r=7,c=15,rows=20,cols=30"},
                 {L, 7, 10, 7, 4, 7, 7, "setBarTo-left"},
                 {R, 7, 4, 7, 10, 7, 7, "setBarTo-right"},
                 {U, 4, 15, 10, 15, 0, 0, ""},  // ends the wrong way round: nothing is written
                 {D, 10, 15, 4, 15, 0, 0, ""},
                 {L, 7, 4, 7, 10, 0, 0, ""},
                 {R, 7, 10, 7, 4, 0, 0, ""}};
    for (auto c : walls) {
        g.clearField();
        Bar& bar = g.putBar(c.direction % 2, c.direction, c.r0, c.c0, c.r1, c.c1, kCellBar);
        g.lvl.grid[c.wallRow][c.wallCol] = kCellWall;
        EXPECT_EQ(g.setBarTo(bar, kCellFree), *c.message ? 3 : 0) << c.message;
        EXPECT_EQ(g.calls, *c.message ? Names{std::string("showMessage ") + c.message} : Names{});
    }
}

// A finished bar down column `col`, a ball right of it at (290, 150).
void splitField(TestGame& g, int col, int toRow = 19) {
    g.clearField();
    g.putBar(0, U, toRow, col, 0, col);
    g.addBall(290, 150, DR);
}

// A region no ball touches becomes wall and counts, also one beside the
// last cell of the bar only (below a wall row 18); along the edge a bar has
// seeds on one side only; a growing bar bounds the chambers; a ball keeps
// the region of each of its edge points; a grid cell of value 1 keeps its
// chamber.
TEST_F(Model, RegionsWithoutBallsAreReleasedAndCounted) {
    struct {
        int barIndex, direction, r0, c0, r1, c1;
        int wallRow;  // a wall row across columns 0..9, or -1
        int released, wallsAfter;
    } cases[] = {{0, U, 19, 10, 0, 10, -1, 200, 220}, {1, D, 0, 10, 19, 10, -1, 200, 220},
                 {0, U, 19, 10, 0, 10, 18, 190, 220}, {0, R, 0, 0, 0, 29, -1, 570, 600},
                 {1, D, 0, 29, 19, 29, -1, 580, 600}, {0, U, 9, 10, 0, 10, -2, 200, 210}};
    for (auto c : cases) {
        g.clearField();
        g.putBar(c.barIndex, c.direction, c.r0, c.c0, c.r1, c.c1);
        for (int col = 0; c.wallRow >= 0 && col <= 9; ++col) {
            g.lvl.grid[c.wallRow][col] = kCellWall;
        }
        if (c.wallRow == -2)
            g.putBar(1, D, 10, 10, 19, 10, kCellBar);
        if (c.c0 == 10)
            g.addBall(290, 150, DR);
        EXPECT_EQ((Ints{g.releaseChambers(g.lvl.bars[c.barIndex]), g.countCells(kCellWall)}),
                  (Ints{c.released, c.wallsAfter}))
            << c.direction;
    }
    splitField(g, 10);
    std::fill(g.lvl.grid[9], g.lvl.grid[9] + 10, kCellWall);
    g.addBall(80, 143, DR);  // only its bottom edge point lies in a free cell, in row 10
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 90);
    splitField(g, 10);
    g.lvl.grid[10][5] = kCellBall;
    EXPECT_EQ(g.releaseChambers(g.lvl.bars[0]), 0);
    EXPECT_EQ((Ints{g.chamberLabels[10][5], g.countCells(kCellFree, 0, 19, 0, 9)}),
              (Ints{-3, 199}));
}

// Left of a bar down column 9, a corridor winds through walls in columns 1,
// 3, 5 and 7, open alternately at the bottom and the top: 104 free cells.
// A ball's cell at (2, 0) keeps all of it. At (8, 0), in the last column
// the chamber reaches, it does not: that column is labelled from the bottom
// up, one cell per ring of the last sweep, while each ring walks the column
// from the top down, so the ball's cell is passed before the cell below it
// joins. The chamber's 95 cells are released; the eight above the ball's
// cell are cut off from the seed and stay. Left of a bar down column 4, the
// region at the top reaches the ball's cell only through the passage in
// column 3. The sweep from its seed at (0, 3) passes the ball's cell before
// that passage is labelled, and the fill ends before another sweep comes
// by: the region (27 cells) goes. The region below is seen touching it.
// Among the islands of walls and ball cells left of a bar down column 5
// each region's sweep meets a ball cell before its fill ends: none goes.
// Among the nooks left of a bar down column 3, 18 cells go.
TEST_F(Model, TheSweepOrderDecidesWhetherABallCellIsSeen) {
    Names corridor(20, ".#.#.#.#.");
    corridor[0] = ".#...#...", corridor[19] = "...#...#.";
    const Names maps[] = {
        // nooks (ball row 97), islands (98) and the passage (99)
        {".##", "#.#", "..#", "...", "###", "###", "###", "...", "..#", "#.o",
         "##.", "..#", "...", "##.", "..#", "...", "...", ".#.", "..o", "##."},
        {".#...", ".##.#", ".....", ".#...", "..#.#", "...##", "..#oo", ".....", "##..#", "..##.",
         ".##..", ".....", "..##.", "##.oo", ".##.#", "#o..#", "##..#", "#...#", "##...", "##..#"},
        {"....", "....", "....", "....", "....", ".###", "....", "###.", "..o.", "#..#",
         "#..#", "#..#", "#...", "#...", "#...", "...#", ".###", "...#", ".#..", "...."}};
    Ints released;
    for (int ballRow : {-1, 2, 8, 99, 98, 97}) {
        const Names& left = ballRow < 97 ? corridor : maps[ballRow - 97];
        splitField(g, static_cast<int>(left[0].size()));
        for (int r = 0; r < 20; ++r) {
            for (size_t c = 0; c < left[r].size(); ++c) {
                const char cell = r == ballRow && c == 0 ? 'o' : left[r][c];
                g.lvl.grid[r][c] = cell == '#' ? kCellWall : cell == 'o' ? kCellBall : kCellFree;
            }
        }
        released.push_back(g.releaseChambers(g.lvl.bars[0]));
        released.push_back(g.countCells(kCellFree, 0, ballRow == 99 ? 4 : 7, 0, 0));
        released.push_back(g.chamberLabels[ballRow == 99 ? 9 : 7][ballRow == 99 ? 1 : 0]);
    }
    EXPECT_EQ(released, (Ints{104, 0, 2, 0, 7, 2, 95, 8, 0, 27, 0, 3, 0, 8, 2, 18, 1, 3}));
}

}  // namespace
