#include "tests/host/model/test_game.h"

#include <algorithm>
#include <cstring>

TestGame::TestGame(int rowCount, int colCount) {
    level = &lvl;
    rows = rowCount;
    cols = colCount;
    fieldLeft = fieldTop = 10;
    ballRadius = 7;
    setFrameCount(8);
    wallOfFame = &fame;
    setClock(clk);
    fieldRight = fieldLeft + cols * kCellPixels;
    fieldBottom = fieldTop + rows * kCellPixels;
    computeCellsToComplete();
    initGeometry();
    clearField();
}

void TestGame::record(const char* name, int a, int b, const char* text) {
    HookCall call{name, a, b, text, gameRunning, lvl.LOVES, lvl.NBLLS, lvl.CLDNE, lvl.SCORE};
    calls.push_back(call);
    if (duringHook) {
        duringHook(call.name);
    }
}

int TestGame::askPlayerName(char* nameOut, int rank) {
    record("askPlayerName", rank);
    if (askAnswer == 1) {
        // As the name dialog does: the typed name becomes the user name.
        copyName(userName, kNameBufferSize, playerName.c_str());
        std::memcpy(nameOut, userName, kNameBufferSize);
    }
    return askAnswer;
}

void TestGame::showMessage(const char* text) {
    ++messageCount;
    lastMessage = text;
    record("showMessage", 0, 0, text);
}

void TestGame::fatalError(const char* text) {
    ++fatalCount;
    lastFatal = text;
    record("fatalError", 0, 0, text);
}

void TestGame::clearField(int lives, int levelNumber) {
    const int32_t now = clk.now;
    lvl = Level();
    lvl.LOVES = lives;
    lvl.NBLLS = levelNumber;
    lvl.SPEED = 1;
    lvl.SLVTM = lvl.LEVTM = now;
    nextBall_ = 0;
    paused = releasedThisShot = horizontalBars = 0;
    gameRunning = 1;
    calls.clear();
}

Ball& TestGame::addBall(int x, int y, int direction) {
    Ball& ball = lvl.balls[nextBall_++];
    ball = Ball();
    ball.X = x;
    ball.Y = y;
    ball.DRCT = direction;
    ball.R = ball.ROLD = rowOf(y);
    ball.C = ball.COLD = colOf(x);
    ball.endOfList = 0;
    lvl.balls[nextBall_].endOfList = 1;
    return ball;
}

void TestGame::wallColumn(int col, int fromRow, int toRow) {
    for (int r = fromRow; r <= toRow; ++r) {
        lvl.grid[r][col] = kCellWall;
    }
}

Bar& TestGame::describeBar(int index, int direction, int r0, int c0, int r1, int c1, int value) {
    Bar& bar = lvl.bars[index];
    bar = Bar();
    bar.DRCT = direction;
    bar.RSTART = r0;
    bar.CSTART = c0;
    bar.REND = r1;
    bar.CEND = c1;
    bar.SIZE = direction <= kDown ? cellWidth : cellHeight;
    bar.XSTART = cellX(c0);
    bar.YSTART = cellY(r0);
    // The growing end sits on the far edge of the last cell reached.
    bar.XEND = direction == kLeft    ? cellX(c1)
               : direction == kRight ? cellX(c1) + cellWidth - 1
                                     : bar.XSTART;
    bar.YEND = direction == kUp     ? cellY(r1)
               : direction == kDown ? cellY(r1) + cellHeight - 1
                                    : bar.YSTART;
    for (int r = std::min(r0, r1); r <= std::max(r0, r1); ++r) {
        for (int c = std::min(c0, c1); c <= std::max(c0, c1); ++c) {
            lvl.grid[r][c] = value;
        }
    }
    bar.ACTIVE = value == kCellWall ? 1 : 0;
    return bar;
}

int TestGame::ballCount() const {
    int n = 0;
    while (n < kMaxBalls && lvl.balls[n].endOfList == 0) {
        ++n;
    }
    return n;
}

int TestGame::countCells(int value, int r0, int r1, int c0, int c1) const {
    int n = 0;
    for (int r = r0; r <= std::min(r1, rows - 1); ++r) {
        for (int c = c0; c <= std::min(c1, cols - 1); ++c) {
            n += lvl.grid[r][c] == value ? 1 : 0;
        }
    }
    return n;
}

void TestGame::runTicks(int n, int msPerTick) {
    for (int i = 0; i < n; ++i) {
        clk.now += msPerTick;
        tick();
    }
}

Names TestGame::statuses() const {
    Names out;
    for (const auto& call : calls) {
        if (call.name == "showStatus") {
            out.push_back(call.text);
        }
    }
    return out;
}

Names TestGame::hookNames() const {
    Names out;
    for (const auto& call : calls) {
        out.push_back(call.name);
    }
    return out;
}

const HookCall* TestGame::last(const std::string& hook) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
        if (it->name == hook) {
            return &*it;
        }
    }
    return nullptr;
}

bool sameLevel(const Level& a, const Level& b) {
    return std::memcmp(a.grid, b.grid, sizeof a.grid) == 0 &&
           std::memcmp(a.balls, b.balls, sizeof a.balls) == 0 &&
           std::memcmp(a.bars, b.bars, sizeof a.bars) == 0 && a.GRID == b.GRID &&
           a.SPEED == b.SPEED && a.LOVES == b.LOVES && a.NBLLS == b.NBLLS && a.CLDNE == b.CLDNE &&
           a.SCORE == b.SCORE && a.SLVTM == b.SLVTM && a.LEVTM == b.LEVTM &&
           a.pausedTotal == b.pausedTotal && a.SPSTM == b.SPSTM;
}
