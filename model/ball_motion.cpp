// Balls fly diagonally and bounce by taking the first free direction of a
// fixed preference list.
#include "model/game_model.h"
#include "model/model_texts.h"

namespace {

struct Step {
    int dx;
    int dy;
};

constexpr Step kSteps[8] = {
    {0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1},
};

// For each current direction, the directions tried in order: the direction
// itself, its reflections, its reversal, then the straight ones.
constexpr int kPreferences[8][8] = {
    {4, 5, 6, 7, 0, 1, 2, 3}, {7, 6, 4, 5, 1, 0, 2, 3}, {4, 6, 5, 7, 2, 3, 0, 1},
    {5, 7, 4, 6, 3, 2, 0, 1}, {4, 6, 5, 7, 0, 1, 2, 3}, {5, 4, 7, 6, 0, 1, 2, 3},
    {6, 4, 7, 5, 0, 1, 2, 3}, {7, 5, 6, 4, 0, 1, 2, 3},
};

}  // namespace

int GameModel::moveBalls() {
    for (Ball& ball : level->balls) {
        if (ball.endOfList == 1) {
            break;
        }
        const int r = moveBall(ball);
        if (r == kMoveFailed) {
            return 1;
        }
        if (r == kTouchesBar0 || r == kTouchesBar1) {
            if (ballMeetsBar(&level->bars[r - 1]) == 1) {
                return 1;
            }
        }
    }
    return 0;
}

int GameModel::moveBall(Ball& ball) {
    if (ball.DRCT < 0 || ball.DRCT > 7) {
        // The preference list of an unknown direction starts with it, and
        // tryMove reports it.
        return tryMove(ball, ball.DRCT) == kMoveFailed ? kMoveFailed : kAllBlocked;
    }
    for (int d : kPreferences[ball.DRCT]) {
        const int r = tryMove(ball, d);
        if (r != kBlocked) {
            return r;
        }
    }
    return kAllBlocked;
}

int GameModel::tryMove(Ball& ball, int d) {
    if (d < 0 || d > 7) {
        fail(modelTexts::kInvalidDirection);
        return kMoveFailed;
    }
    const int nx = ball.X + kSteps[d].dx * ballStep;
    const int ny = ball.Y + kSteps[d].dy * ballStep;
    const int corners[4][2] = {
        {nx - ballRadius, ny - ballRadius},
        {nx - ballRadius, ny + ballRadius},
        {nx + ballRadius, ny - ballRadius},
        {nx + ballRadius, ny + ballRadius},
    };
    for (const auto& corner : corners) {
        const int x = corner[0];
        const int y = corner[1];
        // Touching the edge line already blocks.
        if (y <= fieldTop || y >= fieldBottom || x <= fieldLeft || x >= fieldRight) {
            return kBlocked;
        }
        const int row = rowOf(y);
        const int col = colOf(x);
        if (!isInField(row, col)) {
            fail(modelTexts::kTryMove);
            return kMoveFailed;
        }
        if (level->grid[row][col] == kCellWall) {
            return kBlocked;
        }
        for (int b = 0; b < kBarCount; ++b) {
            const Bar& bar = level->bars[b];
            if (bar.ACTIVE == 0 && isPointInBar(bar, x, y)) {
                return b == 0 ? kTouchesBar0 : kTouchesBar1;
            }
        }
    }
    ball.X = nx;
    ball.Y = ny;
    ball.DRCT = d;
    return kMoved;
}

bool GameModel::isPointInBar(const Bar& bar, int x, int y) const {
    int left = 0, right = 0, top = 0, bottom = 0;
    switch (bar.DRCT) {
        case kUp:
            left = bar.XSTART, right = bar.XEND + cellWidth;
            top = bar.YEND, bottom = bar.YSTART + cellHeight;
            break;
        case kDown:
            left = bar.XSTART, right = bar.XEND + cellWidth;
            top = bar.YSTART, bottom = bar.YEND;
            break;
        case kLeft:
            left = bar.XEND, right = bar.XSTART + cellWidth;
            top = bar.YSTART, bottom = bar.YEND + cellHeight;
            break;
        default:  // right, and anything unknown
            left = bar.XSTART, right = bar.XEND;
            top = bar.YSTART, bottom = bar.YEND + cellHeight;
            break;
    }
    return x >= left && x <= right && y >= top && y <= bottom;
}
