// The rules of a game's flow: the states that are fatal, the time limit and
// pauses, the score and its bonus, the end of a game and the Wall of Fame.
#include "tests/host/model/test_game.h"

namespace {

// States only a damaged saved game can hold: each is reported once and the
// model changes nothing more (the ball before the faulty one has moved, the
// bar has not grown).
TEST_F(Model, InconsistentStatesAreFatal) {
    g.addBall(100, 100, DR);
    g.addBall(200, 150, -1);
    g.putBar(0, U, 15, 25, 15, 25, kCellBar);
    g.runTicks(1);
    EXPECT_EQ((Ints{g.failed(), g.lvl.bars[0].YEND, g.tryMove(g.lvl.balls[0], 8)}),
              (Ints{1, 220, kMoveFailed}));
    g.putBar(1, D, 18, 4, 19, 4, kCellBar).REND = 21;
    g.setBarTo(g.lvl.bars[1], kCellWall);
    g.putBar(0, U, 10, 15, 10, 15, kCellBar).DRCT = 4;
    EXPECT_EQ((Ints{g.setBarTo(g.lvl.bars[0], kCellWall), g.lvl.bars[0].move(g)}),
              (Ints{0, Bar::kFailed}));
    g.chamberLabels[5][5] = 4, g.setChamber(1, 5, 5);
    EXPECT_EQ(g.setChamber(1, 20, 4), 0);
    g.addBall(450, 150, DR);  // right of the field
    g.defineCellForBalls();
    EXPECT_EQ((Ints{g.lvl.grid[20][4], g.chamberLabels[5][5], g.lvl.balls[0].X}),
              (Ints{kCellFree, 4, 101}));
    EXPECT_EQ(g.count("fatalError"), 7);  // two from the bad direction, one each after
}

// A paused tick reads no time, and setting the same state again does
// nothing.
TEST_F(Model, UnpausedTimeOf120SecondsEndsTheGame) {
    g.lvl.NBLLS = 4;
    g.addBall(100, 100, kDownRight);
    for (int p : {1, 1, 0, 0}) {
        g.clock.now += 5000;
        g.setPaused(p);
        g.tick();
    }
    EXPECT_EQ((Ints{g.lvl.pausedTotal, g.count("onPauseChanged")}), (Ints{10000, 2}));
    g.clock.now = 129999;
    g.tick();
    EXPECT_EQ(g.count("onGameOver"), 0);
    g.clock.now = 130000;
    g.tick();
    EXPECT_EQ(
        (Ints{g.count("onGameOver 2 -1"), g.endReason, g.lvl.NBLLS, g.lvl.SLVTM, g.lvl.balls[0].X}),
        (Ints{1, kEndTimeExpired, 1, 130000, g.cellX(g.lvl.balls[0].C)}));
}

TEST_F(Model, TheScoreIsWeightedBySpeedGridAndFieldSize) {
    struct {
        int rows, cols, cells, speed, grid;
        double points;
    } cases[] = {{20, 30, 450, 1, 1, 75.0}, {20, 30, 450, 0, 1, 37.5},  {20, 30, 450, 2, 1, 150.0},
                 {20, 30, 450, 1, 0, 7.5},  {20, 30, 450, 0, 0, 3.75},  {20, 30, 450, 2, 0, 15.0},
                 {20, 30, 450, 7, 1, 75.0}, {20, 30, 1, 1, 1, 1.0 / 6}, {15, 20, 225, 1, 1, 150.0},
                 {30, 40, 900, 1, 1, 37.5}};
    for (auto c : cases) {
        TestGame s(c.rows, c.cols);
        s.lvl.SPEED = c.speed, s.lvl.GRID = c.grid, s.lvl.SCORE = 2.5;
        s.addScore(c.cells);
        EXPECT_DOUBLE_EQ(s.lvl.SCORE, 2.5 + c.points) << c.rows << " " << c.cells << " " << c.speed;
    }
}

// A one-cell pocket in the last row: the up bar finishes at once and
// releases its own cell only, the 450th that completes the level with its
// bonus.
TEST_F(Model, ReachingTheGoalCompletesTheLevel) {
    g.clock.now = 1000;
    g.clearField(3, 3);
    g.lvl.SCORE = 10.0, g.lvl.CLDNE = 449;
    g.lvl.grid[18][15] = g.lvl.grid[19][14] = g.lvl.grid[19][16] = kCellWall;
    g.addBall(100, 100, kDownRight);
    g.clickCell(19, 15);
    g.clock.now = 31000;
    g.tick();
    EXPECT_EQ(g.calls, (Names{"showStatus You created bars", "showStatus You released 1 cells",
                              "onLevelCompleted", "onLevelStarted"}));
    const TestGame::Seen& done = g.seen["onLevelCompleted"];
    EXPECT_EQ((Ints{done.running, done.level.CLDNE, done.level.LOVES}), (Ints{0, 450, 3}));
    EXPECT_NEAR(done.level.SCORE, 10.0 + 1.0 / 6.0 + 0.3 + 9.0, 1e-9);
    EXPECT_EQ((Ints{g.lvl.NBLLS, g.lvl.LOVES, g.ballCount(), g.lvl.CLDNE, g.lvl.SLVTM,
                    g.countCells(kCellFree), gameRunning}),
              (Ints{4, 4, 4, 0, 31000, 600, 1}));
}

// The dialogs shown from askPlayerName and onGameOver keep dispatching
// timer messages: those ticks find the game between levels and only
// animate. The other balls are not moved in the tick of the last life.
TEST_F(Model, TheLastLifeEndsTheGameAndANewOneStartsAtLevelOne) {
    g.clearField(1, 3);
    g.lvl.SCORE = 12.7, g.lvl.CLDNE = 100, g.lvl.grid[0][0] = kCellWall;
    g.putBar(0, kUp, 8, 13, 5, 13, kCellBar);
    g.addBall(184, 102, kDownRight);  // breaks the bar in its first move
    g.addBall(300, 200, kDownRight);
    int transitionTicks = 0;
    g.duringHook = [this, &transitionTicks](const std::string& hook) {
        if (hook == "askPlayerName" || hook == "onGameOver") {
            const Level before = g.lvl;
            const int frameTick = g.frameTick;
            g.runTicks(3, 0);
            transitionTicks += 3;
            EXPECT_TRUE(std::memcmp(before.balls, g.lvl.balls, sizeof before.balls) == 0 &&
                        before.LEVTM == g.lvl.LEVTM && g.frameTick != frameTick)
                << hook;
        }
    };
    g.clock.now = 2000;
    g.tick();
    EXPECT_EQ(g.calls, (Names{"showStatus Ball meets bar", "onGameEnding", "askPlayerName 0",
                              "onGameOver 1 0", "onLevelStarted"}));
    const TestGame::Seen& ending = g.seen["onGameEnding"];
    EXPECT_EQ((Ints{ending.level.balls[1].X, ending.level.balls[1].Y, ending.running,
                    g.fame.entries[0].score, g.fame.entries[0].level, transitionTicks, g.lvl.NBLLS,
                    g.lvl.LOVES, g.lvl.CLDNE, g.ballCount(), g.lvl.SLVTM, g.countCells(kCellFree),
                    gameRunning, g.lvl.SCORE == 0.0, g.seen["onGameOver"].level.NBLLS,
                    g.seen["onGameOver"].running}),
              (Ints{300, 200, 0, 12, 3, 6, 1, 1, 0, 1, 2000, 600, 1, 1, 0, 0}));
}

// Entry i scores scores[i] and reached level i + 1.
void fill(WallOfFameTable& table, const Ints& scores) {
    clearWallOfFame(table);
    for (size_t i = 0; i < scores.size(); ++i) {
        table.entries[i].score = scores[i], table.entries[i].level = static_cast<int>(i) + 1;
    }
}

// An equal score goes below; an entry without a score is overwritten, but
// the walk stops at the first lower score, so a zero entry further down is
// pushed along. The name is asked only for a place, with that place.
TEST_F(Model, WallOfFameInsertionKeepsTheTableOrdered) {
    const Ints full{1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
    struct {
        Ints before;
        int score, place;
        Ints after;  // -1 is empty
    } cases[] = {{{}, 1, 0, {1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
                 {{500, 400, 300}, 400, 2, {500, 400, 400, 300, -1, -1, -1, -1, -1, -1}},
                 {full, 100, 10, full},
                 {full, 101, 9, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 101}},
                 {full, 5000, 0, {5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200}},
                 {{500, 0, 300}, 100, 1, {500, 100, 300, -1, -1, -1, -1, -1, -1, -1}},
                 {{500, 400, 300, 0}, 350, 2, {500, 400, 350, 300, 0, -1, -1, -1, -1, -1}}};
    for (const auto& c : cases) {
        g.calls.clear();
        fill(g.fame, c.before);
        EXPECT_EQ(addToWallOfFame(g.fame, g, c.score, 42), c.place) << c.score;
        Ints scores(kWallOfFameSize);
        std::transform(g.fame.entries, g.fame.entries + kWallOfFameSize, scores.begin(),
                       [](auto& e) { return e.score; });
        EXPECT_EQ(scores, c.after) << c.score;
        EXPECT_EQ(g.calls,
                  c.place < 10 ? Names{"askPlayerName " + std::to_string(c.place)} : Names{});
    }
    // Levels move down with their scores; names are cut and terminated.
    g.playerName = std::string(35, 'x');
    addToWallOfFame(g.fame, g, 400, 9);
    const WallOfFameEntry* e = g.fame.entries;
    EXPECT_EQ(std::string(e[2].name), std::string(29, 'x'));
    EXPECT_EQ((Ints{e[2].level, e[3].level, e[4].level}), (Ints{9, 42, 3}));
    char name[8] = "1234567";
    copyName(name, 3, "abcdef");
    EXPECT_STREQ(name, "ab");
    clearWallOfFame(g.fame);
    EXPECT_EQ((Ints{e[3].name[0], e[3].score, e[3].level}), (Ints{0, -1, 0}));
}

}  // namespace
