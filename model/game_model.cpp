// Construction, geometry, coordinate conversions and the set-up of a level.
#include "model/game_model.h"

#include <memory>

int32_t gameRunning = 0;

GameModel::GameModel() = default;

void GameModel::fail(const char* text) {
    failed_ = true;
    fatalError(text);
}

void GameModel::initGeometry() {
    random_.seed(static_cast<uint32_t>(clock_->calendarSeconds()));
    cellHeight = (fieldBottom - fieldTop) / rows;
    cellWidth = (fieldRight - fieldLeft) / cols;
    fieldBottom = fieldTop + cellHeight * rows;
    fieldRight = fieldLeft + cellWidth * cols;
    computeCellsToComplete();
}

void GameModel::computeCellsToComplete() {
    cellsToComplete =
        static_cast<int32_t>(static_cast<double>(rows) * cols * percentToComplete * 0.01);
}

void GameModel::setFrameCount(int n) {
    frameCount = n;
    frame = 0;
}

void GameModel::moveFieldTo(int left, int top, int right, int bottom) {
    const int dx = left - fieldLeft;
    const int dy = top - fieldTop;
    fieldLeft = left;
    fieldTop = top;
    fieldRight = right;
    fieldBottom = bottom;
    if ((dx == 0 && dy == 0) || level == nullptr) {
        return;
    }
    for (Ball& ball : level->balls) {
        ball.X += dx;
        ball.Y += dy;
        ball.XOLD += dx;
        ball.YOLD += dy;
    }
    for (Bar& bar : level->bars) {
        bar.XSTART += dx;
        bar.XEND += dx;
        bar.YSTART += dy;
        bar.YEND += dy;
    }
}

int GameModel::rowOf(int y) const {
    return static_cast<int>(rows * (static_cast<double>(y - fieldTop) / (fieldBottom - fieldTop)));
}

int GameModel::colOf(int x) const {
    return static_cast<int>(cols * (static_cast<double>(x - fieldLeft) / (fieldRight - fieldLeft)));
}

int GameModel::percentDone() const {
    return static_cast<int>(static_cast<double>(level->CLDNE) / (rows * cols) * 100);
}

int GameModel::elapsedSeconds() const {
    // The time since the level started less the time paused, both taken on
    // the wrapping clock.
    const int32_t played =
        clockDifference(clockDifference(level->LEVTM, level->SLVTM), level->pausedTotal);
    return static_cast<int>(played * 0.001);
}

void GameModel::startLevel() {
    paused = 0;
    if (!setUpNextLevel()) {
        endGame(kEndNoMoreBalls);
        return;
    }
    onLevelStarted();
    gameRunning = 1;
}

bool GameModel::setUpNextLevel() {
    Level& lv = *level;
    lv.CLDNE = 0;
    lv.SLVTM = clock_->nowMs();
    lv.LEVTM = lv.SLVTM;
    lv.pausedTotal = 0;

    lv.NBLLS += 1;
    if (lv.NBLLS >= kLastLevel) {
        return false;
    }
    lv.LOVES = lv.NBLLS;
    for (Bar& bar : lv.bars) {
        bar.ACTIVE = 1;
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            lv.grid[r][c] = kCellFree;
        }
    }
    for (int i = 0; i < kMaxBalls; ++i) {
        if (i < lv.NBLLS) {
            placeBall(lv.balls[i]);
        } else {
            lv.balls[i].endOfList = 1;
        }
    }
    return true;
}

void GameModel::withLevelToPlay(const std::function<void()>& use) {
    if (!levelCompleted_ || level->NBLLS + 1 >= kLastLevel) {
        use();
        return;
    }
    Level* finished = level;
    const std::unique_ptr<Level> next = std::make_unique<Level>(*finished);
    const RandomGenerator generator = random_;
    level = next.get();
    setUpNextLevel();
    // Held as paused from its first moment, as it is while a box is up.
    level->SPSTM = level->SLVTM;
    use();
    level = finished;
    random_ = generator;
}

void GameModel::placeBall(Ball& ball) {
    ball.endOfList = 0;
    const double scale = 1.0 / RandomGenerator::kMax;
    int row = rows / 2;
    int col = cols / 2;
    // Only a field of at least 10 x 10 cells has room for the accepted band.
    const bool roomForBand = rows >= 10 && cols >= 10;
    while (roomForBand) {
        const int a = random_.next();
        const int b = random_.next();
        row = static_cast<int>(a * scale * rows);
        col = static_cast<int>(b * scale * cols);
        if (row >= 5 && row <= rows - 5 && col >= 5 && col <= cols - 5) {
            break;
        }
    }
    ball.X = cellX(col);
    ball.Y = cellY(row);
    ball.R = ball.ROLD = row;
    ball.C = ball.COLD = col;
    ball.DRCT = kUpLeft + random_.next() % 4;
}
