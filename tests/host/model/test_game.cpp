#include "tests/host/model/test_game.h"

#include <cstring>

TestGame::TestGame(int rows, int cols) {
    // The flag is process-wide; every test starts from the program's state.
    gameRunning = 0;
    setUpLikeGame(rows, cols);
}

TestGame::TestGame(BareTag) {}

void TestGame::setUpLikeGame(int rowCount, int colCount) {
    level = &lvl;
    rows = rowCount;
    cols = colCount;
    fieldLeft = 10;
    fieldTop = 10;
    ballRadius = 7;
    setFrameCount(8);
    wallOfFame = &fame;
    setClock(clk);
    fieldRight = fieldLeft + cols * kCellPixels;
    fieldBottom = fieldTop + rows * kCellPixels;
    computeCellsToComplete();
    initGeometry();
}

void TestGame::record(const char* name, int a, int b, const char* text) {
    if (!keepCalls) {
        return;
    }
    HookCall call;
    call.name = name;
    call.a = a;
    call.b = b;
    if (text != nullptr) {
        call.text = text;
    }
    call.running = gameRunning;
    if (level != nullptr) {
        call.lives = level->LOVES;
        call.levelNumber = level->NBLLS;
        call.released = level->CLDNE;
        call.score = level->SCORE;
        call.balls = ballCount();
    }
    call.endReason = endReason;
    calls.push_back(call);
    if (duringHook) {
        duringHook(call.name);
    }
}

void TestGame::onPauseChanged(int p) {
    record("onPauseChanged", p);
}
void TestGame::onLevelStarted() {
    record("onLevelStarted");
}
void TestGame::onGameOver(int reason, int rank) {
    record("onGameOver", reason, rank);
}
void TestGame::onLevelCompleted() {
    record("onLevelCompleted");
}
void TestGame::onLifeLost() {
    record("onLifeLost");
}
void TestGame::onGameEnding() {
    record("onGameEnding");
}

int TestGame::askPlayerName(char* nameOut, int rank) {
    record("askPlayerName", rank);
    if (askAnswer == 1) {
        // As the name dialog does: the typed name becomes the user name
        // and is handed back in the buffer.
        std::strncpy(userName, playerName.c_str(), kNameBufferSize - 1);
        userName[kNameBufferSize - 1] = '\0';
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

void TestGame::showStatus(const char* text) {
    record("showStatus", 0, 0, text);
}

void TestGame::clearField(int lives, int levelNumber) {
    for (auto& row : lvl.grid) {
        for (auto& value : row) {
            value = kCellFree;
        }
    }
    for (auto& ball : lvl.balls) {
        ball = Ball();
    }
    for (auto& bar : lvl.bars) {
        bar = Bar();
    }
    nextBall_ = 0;
    lvl.LOVES = lives;
    lvl.NBLLS = levelNumber;
    lvl.CLDNE = 0;
    lvl.SCORE = 0.0;
    lvl.SPEED = 1;
    lvl.GRID = 1;
    lvl.SLVTM = clk.now;
    lvl.LEVTM = clk.now;
    lvl.pausedTotal = 0;
    lvl.SPSTM = 0;
    paused = 0;
    releasedThisShot = 0;
    horizontalBars = 0;
    gameRunning = 1;
    calls.clear();
}

Ball& TestGame::addBall(int x, int y, int direction) {
    Ball& ball = lvl.balls[nextBall_];
    ball = Ball();
    ball.X = x;
    ball.Y = y;
    ball.DRCT = direction;
    ball.R = ball.ROLD = rowOf(y);
    ball.C = ball.COLD = colOf(x);
    ball.endOfList = 0;
    ++nextBall_;
    lvl.balls[nextBall_].endOfList = 1;
    return ball;
}

void TestGame::wallRow(int row, int fromCol, int toCol) {
    for (int c = fromCol; c <= toCol; ++c) {
        lvl.grid[row][c] = kCellWall;
    }
}

void TestGame::wallColumn(int col, int fromRow, int toRow) {
    for (int r = fromRow; r <= toRow; ++r) {
        lvl.grid[r][col] = kCellWall;
    }
}

static Bar& describeBar(TestGame& g, int index, int direction, int rowStart, int colStart,
                        int rowEnd, int colEnd, int value) {
    Bar& bar = g.lvl.bars[index];
    bar.DRCT = direction;
    bar.RSTART = rowStart;
    bar.CSTART = colStart;
    bar.REND = rowEnd;
    bar.CEND = colEnd;
    bar.SIZE = (direction == kUp || direction == kDown) ? g.cellWidth : g.cellHeight;
    bar.XSTART = g.cellX(colStart);
    bar.YSTART = g.cellY(rowStart);
    bar.XEND = bar.XSTART;
    bar.YEND = bar.YSTART;
    // The growing end sits on the far edge of the last cell reached.
    switch (direction) {
        case kUp:
            bar.YEND = g.cellY(rowEnd);
            break;
        case kDown:
            bar.YEND = g.cellY(rowEnd) + g.cellHeight - 1;
            break;
        case kLeft:
            bar.XEND = g.cellX(colEnd);
            break;
        default:
            bar.XEND = g.cellX(colEnd) + g.cellWidth - 1;
            break;
    }
    int r0 = rowStart < rowEnd ? rowStart : rowEnd;
    int r1 = rowStart < rowEnd ? rowEnd : rowStart;
    int c0 = colStart < colEnd ? colStart : colEnd;
    int c1 = colStart < colEnd ? colEnd : colStart;
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) {
            g.lvl.grid[r][c] = value;
        }
    }
    return bar;
}

Bar& TestGame::finishedBar(int index, int direction, int rowStart, int colStart, int rowEnd,
                           int colEnd) {
    Bar& bar = describeBar(*this, index, direction, rowStart, colStart, rowEnd, colEnd, kCellWall);
    bar.ACTIVE = 1;
    return bar;
}

Bar& TestGame::growingBar(int index, int direction, int rowStart, int colStart, int rowEnd,
                          int colEnd) {
    Bar& bar = describeBar(*this, index, direction, rowStart, colStart, rowEnd, colEnd, kCellBar);
    bar.ACTIVE = 0;
    return bar;
}

int TestGame::ballCount() const {
    int n = 0;
    while (n < kMaxBalls && level->balls[n].endOfList == 0) {
        ++n;
    }
    return n;
}

int TestGame::countCells(int value) const {
    int n = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            n += level->grid[r][c] == value ? 1 : 0;
        }
    }
    return n;
}

void TestGame::clickCell(int row, int col) {
    shoot(cellX(col) + cellWidth / 2, cellY(row) + cellHeight / 2);
}

void TestGame::runTicks(int n, int msPerTick) {
    for (int i = 0; i < n; ++i) {
        clk.now += msPerTick;
        tick();
    }
}

std::vector<std::string> TestGame::statuses() const {
    std::vector<std::string> out;
    for (const auto& call : calls) {
        if (call.name == "showStatus") {
            out.push_back(call.text);
        }
    }
    return out;
}

std::vector<std::string> TestGame::hookNames() const {
    std::vector<std::string> out;
    for (const auto& call : calls) {
        out.push_back(call.name);
    }
    return out;
}

int TestGame::count(const std::string& hook) const {
    int n = 0;
    for (const auto& call : calls) {
        n += call.name == hook ? 1 : 0;
    }
    return n;
}

const HookCall* TestGame::last(const std::string& hook) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
        if (it->name == hook) {
            return &*it;
        }
    }
    return nullptr;
}

bool sameLevel(const Level& a, const Level& b, std::string* difference) {
    auto differ = [difference](const char* what) {
        if (difference != nullptr) {
            *difference = what;
        }
        return false;
    };
    if (std::memcmp(a.grid, b.grid, sizeof a.grid) != 0) {
        return differ("grid");
    }
    if (std::memcmp(a.balls, b.balls, sizeof a.balls) != 0) {
        return differ("balls");
    }
    if (std::memcmp(a.bars, b.bars, sizeof a.bars) != 0) {
        return differ("bars");
    }
    if (a.GRID != b.GRID || a.SPEED != b.SPEED || a.LOVES != b.LOVES || a.NBLLS != b.NBLLS ||
        a.CLDNE != b.CLDNE) {
        return differ("counters");
    }
    if (a.SCORE != b.SCORE) {
        return differ("SCORE");
    }
    if (a.SLVTM != b.SLVTM || a.LEVTM != b.LEVTM || a.pausedTotal != b.pausedTotal ||
        a.SPSTM != b.SPSTM) {
        return differ("clocks");
    }
    return true;
}

double pointsFor(int n, int speed, int grid, int rows, int cols) {
    double v = n;
    if (speed == 0) {
        v = v * 0.5;
    } else if (speed == 2) {
        v = v + v;
    }
    if (grid == 0) {
        v = v * 0.1;
    }
    return v / rows / cols / rows / cols * 600 * 100;
}
