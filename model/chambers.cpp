// When a bar finishes, the regions of free cells beside it are labelled as
// chambers; every chamber that no ball touches becomes wall. The chambers
// grow by sweeping square rings around a seed, and the order of the sweep
// decides which chambers count as touched in corner cases, so it is kept
// exactly as it is.
#include <initializer_list>

#include "model/game_model.h"
#include "model/model_texts.h"

namespace {

constexpr int32_t kLabelWall = -1;
constexpr int32_t kLabelBar = -2;
constexpr int32_t kLabelBall = -3;
constexpr int32_t kLabelFree = 0;

}  // namespace

int GameModel::releaseChambers(const Bar& bar) {
    const Level& lv = *level;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            switch (lv.grid[r][c]) {
                case kCellWall:
                    chamberLabels[r][c] = kLabelWall;
                    break;
                case kCellBar:
                    chamberLabels[r][c] = kLabelBar;
                    break;
                case kCellBall:
                    chamberLabels[r][c] = kLabelBall;
                    break;
                default:
                    chamberLabels[r][c] = kLabelFree;
                    break;
            }
        }
    }
    defineCellForBalls();
    if (failed_) {
        return 0;
    }

    int nextLabel = 1;
    if (bar.DRCT == kLeft || bar.DRCT == kRight) {
        const int from = bar.CSTART < bar.CEND ? bar.CSTART : bar.CEND;
        const int to = bar.CSTART < bar.CEND ? bar.CEND : bar.CSTART;
        for (int side : {bar.RSTART + 1, bar.RSTART - 1}) {
            for (int c = from; c <= to && !failed_; ++c) {
                if (isInField(bar.RSTART, c) && isInField(side, c) &&
                    lv.grid[bar.RSTART][c] == kCellWall) {
                    seedChamber(side, c, &nextLabel);
                }
            }
        }
    } else {
        const int from = bar.RSTART < bar.REND ? bar.RSTART : bar.REND;
        const int to = bar.RSTART < bar.REND ? bar.REND : bar.RSTART;
        for (int side : {bar.CSTART + 1, bar.CSTART - 1}) {
            for (int r = from; r <= to && !failed_; ++r) {
                if (isInField(r, bar.CSTART) && isInField(r, side) &&
                    lv.grid[r][bar.CSTART] == kCellWall) {
                    seedChamber(r, side, &nextLabel);
                }
            }
        }
    }
    if (failed_) {
        return 0;
    }

    int released = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const int32_t label = chamberLabels[r][c];
            if (label >= 1 && chamberTouched_[label] == 0) {
                level->grid[r][c] = kCellWall;
                ++released;
            }
        }
    }
    return released;
}

// Opens the next chamber at a cell beside the finished bar, unless an
// earlier chamber of this release already took it.
void GameModel::seedChamber(int row, int col, int* nextLabel) {
    if (chamberLabels[row][col] != kLabelFree) {
        return;
    }
    const int label = *nextLabel;
    if (label > kMaxChambers) {
        fail(modelTexts::kInvalidChamberCell);
        return;
    }
    *nextLabel = label + 1;
    chamberTouched_[label] = fillChamber(label, row, col);
}

void GameModel::defineCellForBalls() {
    for (const Ball& ball : level->balls) {
        if (ball.endOfList == 1) {
            break;
        }
        const int points[4][2] = {{ball.X, ball.Y - ballRadius},
                                  {ball.X, ball.Y + ballRadius},
                                  {ball.X - ballRadius, ball.Y},
                                  {ball.X + ballRadius, ball.Y}};
        for (const auto& point : points) {
            const int row = rowOf(point[1]);
            const int col = colOf(point[0]);
            if (!isInField(row, col)) {
                fail(modelTexts::kDefineCellForBalls);
                return;
            }
            if (level->grid[row][col] == kCellFree) {
                chamberLabels[row][col] = kLabelBall;
            }
        }
    }
}

bool GameModel::hasLabelledNeighbour(int label, int row, int col) const {
    return (row > 0 && chamberLabels[row - 1][col] == label) ||
           (col > 0 && chamberLabels[row][col - 1] == label) ||
           (row < rows - 1 && chamberLabels[row + 1][col] == label) ||
           (col < cols - 1 && chamberLabels[row][col + 1] == label);
}

int GameModel::joinCell(int label, int row, int col) {
    if (!hasLabelledNeighbour(label, row, col)) {
        return 0;
    }
    int32_t& cell = chamberLabels[row][col];
    if (cell == kLabelFree) {
        cell = label;
        return 0;
    }
    return cell == kLabelBall ? 1 : 0;
}

int GameModel::setChamber(int label, int row, int col) {
    if (!isInField(row, col)) {
        fail(modelTexts::kInvalidChamberCell);
        return 0;
    }
    if (chamberLabels[row][col] != kLabelFree) {
        fail(modelTexts::kChamberCellUsed);
        return 0;
    }
    chamberLabels[row][col] = label;
    int result = 0;
    auto visit = [&](int r, int c) {
        if (joinCell(label, r, c) == 1) {
            result = 1;
        }
    };
    for (int d = 1;; ++d) {
        int top = row - d;
        int bottom = row + d;
        int left = col - d;
        int right = col + d;
        int clamped = 0;
        if (top < 0)
            top = 0, ++clamped;
        if (bottom > rows - 1)
            bottom = rows - 1, ++clamped;
        if (left < 0)
            left = 0, ++clamped;
        if (right > cols - 1)
            right = cols - 1, ++clamped;
        if (clamped == 4) {
            break;
        }
        for (int r : {top, bottom}) {
            for (int c = col; c >= left; --c)
                visit(r, c);
            for (int c = col + 1; c <= right; ++c)
                visit(r, c);
        }
        for (int c : {left, right}) {
            for (int r = row; r >= top; --r)
                visit(r, c);
            for (int r = row + 1; r <= bottom; ++r)
                visit(r, c);
        }
    }
    return result;
}

int GameModel::fillChamber(int label, int row, int col) {
    int result = setChamber(label, row, col);
    for (;;) {
        int grown = 0;
        for (int r = 0; r < rows && !failed_; ++r) {
            for (int c = 0; c < cols && !failed_; ++c) {
                if (chamberLabels[r][c] == kLabelFree && hasLabelledNeighbour(label, r, c)) {
                    if (setChamber(label, r, c) == 1) {
                        result = 1;
                    }
                    ++grown;
                }
            }
        }
        if (grown == 0 || failed_) {
            return result;
        }
    }
}
