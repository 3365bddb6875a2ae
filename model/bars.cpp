// The player's click launches a pair of bars; each grows until it reaches
// the edge or a wall, or breaks when a ball touches it.
#include <cstdio>

#include "model/game_model.h"
#include "model/model_texts.h"

void GameModel::shoot(int x, int y) {
    Level& lv = *level;
    if (lv.bars[0].ACTIVE == 0 || lv.bars[1].ACTIVE == 0) {
        return;
    }
    releasedThisShot = 0;
    if (y - fieldTop < 0 || x - fieldLeft < 0) {
        return;
    }
    const int row = rowOf(y);
    const int col = colOf(x);
    if (row >= rows || col >= cols) {
        return;
    }
    if (lv.grid[row][col] == kCellWall) {
        showStatus(modelTexts::kWrongShot);
        return;
    }

    // Any ball whose centre lies within ballRadius of the clicked cell.
    const int cx = cellX(col);
    const int cy = cellY(row);
    const int corners[4][2] = {
        {cx, cy}, {cx + cellWidth, cy}, {cx, cy + cellHeight}, {cx + cellWidth, cy + cellHeight}};
    for (const Ball& ball : lv.balls) {
        if (ball.endOfList == 1) {
            break;
        }
        for (const auto& corner : corners) {
            const int dx = ball.X - corner[0];
            const int dy = ball.Y - corner[1];
            if (dx >= -ballRadius && dx <= ballRadius && dy >= -ballRadius && dy <= ballRadius) {
                ballMeetsBar(nullptr);
                if (failed_) {
                    return;
                }
                showStatus(modelTexts::kYouHitBall);
                return;
            }
        }
    }

    for (int b = 0; b < kBarCount; ++b) {
        Bar& bar = lv.bars[b];
        if (horizontalBars == 0) {
            bar.DRCT = b == 0 ? kUp : kDown;
            bar.SIZE = cellWidth;
            bar.RSTART = b == 0 ? row : row + 1;
            bar.CSTART = col;
        } else {
            bar.DRCT = b == 0 ? kLeft : kRight;
            bar.SIZE = cellHeight;
            bar.RSTART = row;
            bar.CSTART = b == 0 ? col : col + 1;
        }
        if (bar.RSTART >= rows || bar.CSTART >= cols ||
            lv.grid[bar.RSTART][bar.CSTART] == kCellWall) {
            bar.ACTIVE = 1;
            continue;
        }
        bar.ACTIVE = 0;
        bar.XSTART = cellX(bar.CSTART);
        bar.YSTART = cellY(bar.RSTART);
        bar.XEND = bar.XSTART;
        bar.YEND = bar.YSTART;
        bar.REND = bar.RSTART;
        bar.CEND = bar.CSTART;
        lv.grid[bar.RSTART][bar.CSTART] = kCellBar;
    }
    showStatus(modelTexts::kYouCreatedBars);
}

// Moves the growing end and finds the cell it reached. Returns the result
// so far: growing, finished at the edge, or failed.
int GameModel::barEndCell(const Bar& bar, int* row, int* col) const {
    switch (bar.DRCT) {
        case kUp:
        case kDown: {
            const double share =
                static_cast<double>(bar.YEND - fieldTop) / (fieldBottom - fieldTop);
            int r = static_cast<int>(rows * share);
            *row = r < 0 ? 0 : (r > rows - 1 ? rows - 1 : r);
            *col = bar.CEND;
            return Bar::kGrowing;
        }
        default: {
            const double share =
                static_cast<double>(bar.XEND - fieldLeft) / (fieldRight - fieldLeft);
            int c = static_cast<int>(cols * share);
            *row = bar.REND;
            *col = c < 0 ? 0 : (c > cols - 1 ? cols - 1 : c);
            return Bar::kGrowing;
        }
    }
}

int Bar::move(GameModel& game) {
    Level& lv = *game.level;
    int result = kGrowing;
    int row = 0;
    int col = 0;
    switch (DRCT) {
        case kUp:
            YEND -= game.barStep;
            if (YEND <= game.fieldTop) {
                YEND = game.fieldTop;
                row = 0, col = CEND, result = kFinished;
            }
            break;
        case kDown:
            YEND += game.barStep;
            if (YEND >= game.fieldBottom) {
                YEND = game.fieldBottom;
                row = game.rows - 1, col = CEND, result = kFinished;
            }
            break;
        case kLeft:
            XEND -= game.barStep;
            if (XEND <= game.fieldLeft) {
                XEND = game.fieldLeft;
                row = REND, col = 0, result = kFinished;
            }
            break;
        case kRight:
            XEND += game.barStep;
            if (XEND >= game.fieldRight) {
                XEND = game.fieldRight;
                row = REND, col = game.cols - 1, result = kFinished;
            }
            break;
        default:
            game.fail(modelTexts::kBarMove);
            return kFailed;
    }
    if (result == kGrowing) {
        game.barEndCell(*this, &row, &col);
    }
    if (!game.isInField(row, col)) {
        // Only a corrupted bar can point outside the field.
        game.fail(modelTexts::kBarMove);
        return kFailed;
    }
    if (lv.grid[row][col] == kCellWall) {
        result = kFinished;  // the bar ends on the last free cell
    } else {
        REND = row;
        CEND = col;
    }

    // A ball touching the bar breaks it, also in the step it finishes.
    const int r = game.ballRadius;
    for (const Ball& ball : lv.balls) {
        if (ball.endOfList == 1) {
            break;
        }
        const int points[4][2] = {
            {ball.X, ball.Y - r}, {ball.X, ball.Y + r}, {ball.X - r, ball.Y}, {ball.X + r, ball.Y}};
        bool touched = false;
        for (const auto& point : points) {
            if (game.isPointInBar(*this, point[0], point[1])) {
                touched = true;
                break;
            }
        }
        if (touched) {
            const int ended = game.ballMeetsBar(this);
            if (game.failed_) {
                return kFailed;
            }
            if (ended == 1) {
                return kGameEnded;
            }
            result = kBroken;
            break;
        }
    }
    if (result == kFinished || result == kBroken) {
        ACTIVE = 1;
    }
    if (!game.isInField(REND, CEND)) {
        game.fail(modelTexts::kBarMove);
        return kFailed;
    }
    lv.grid[REND][CEND] = kCellBar;
    return result;
}

int GameModel::setBarTo(Bar& bar, int value) {
    int first = 0;
    int last = 0;
    int step = 0;
    const bool vertical = bar.DRCT == kUp || bar.DRCT == kDown;
    switch (bar.DRCT) {
        case kUp:
            if (bar.RSTART < bar.REND)
                return 0;
            first = bar.RSTART, last = bar.REND, step = -1;
            break;
        case kDown:
            if (bar.RSTART > bar.REND)
                return 0;
            first = bar.RSTART, last = bar.REND, step = 1;
            break;
        case kLeft:
            if (bar.CSTART < bar.CEND)
                return 0;
            first = bar.CSTART, last = bar.CEND, step = -1;
            break;
        case kRight:
            if (bar.CSTART > bar.CEND)
                return 0;
            first = bar.CSTART, last = bar.CEND, step = 1;
            break;
        default:
            return 0;
    }
    int count = 0;
    for (int i = first;; i += step) {
        const int row = vertical ? i : bar.RSTART;
        const int col = vertical ? bar.CSTART : i;
        if (!isInField(row, col)) {
            fail(modelTexts::kInvalidBarCell);
            return count;
        }
        if (level->grid[row][col] == kCellWall) {
            char text[96];
            switch (bar.DRCT) {
                case kUp:
                    showMessage(modelTexts::kBarUpBlocked);
                    break;
                case kDown:
                    std::snprintf(text, sizeof text, modelTexts::kBarDownBlockedFormat, row, col,
                                  rows, cols);
                    showMessage(text);
                    break;
                case kLeft:
                    showMessage(modelTexts::kBarLeftBlocked);
                    break;
                default:
                    showMessage(modelTexts::kBarRightBlocked);
                    break;
            }
            return count;
        }
        level->grid[row][col] = value;
        ++count;
        if (i == last) {
            break;
        }
    }
    return count;
}

int GameModel::ballMeetsBar(Bar* bar) {
    showStatus(modelTexts::kBallMeetsBar);
    level->LOVES -= 1;
    if (level->LOVES <= 0) {  // below 0 only from a damaged saved game
        endGame(kEndNoMoreLives);
        return 1;
    }
    onLifeLost();
    if (bar != nullptr) {
        setBarTo(*bar, kCellFree);
        if (failed_) {
            return 0;
        }
        bar->ACTIVE = 1;
    }
    return 0;
}
