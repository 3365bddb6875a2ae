// The tick that advances the game, the score, pausing and the flow from
// level to level and from game to game.
#include <cstdint>
#include <cstdio>

#include "model/game_model.h"
#include "model/model_texts.h"

int32_t truncatedScore(double score) {
    if (!(score > -2147483648.0)) {  // also NaN
        return INT32_MIN;
    }
    if (score >= 2147483647.0) {
        return INT32_MAX;
    }
    return static_cast<int32_t>(score);
}

void GameModel::tick() {
    if (failed_) {
        return;
    }
    // The balls keep turning while paused and between levels.
    frameTick += 1;
    if (frameTick > ticksPerFrame) {
        frameTick = 0;
        frame += 1;
        if (frame >= frameCount) {
            frame = 0;
        }
    }
    if (gameRunning == 0 || paused == 1) {
        return;
    }
    Level& lv = *level;
    lv.LEVTM = clock_->nowMs();
    if (elapsedSeconds() >= timeLimit) {
        endGame(kEndTimeExpired);
        return;
    }
    if (moveBalls() != 0 || failed_) {
        return;
    }

    int released = 0;
    for (Bar& bar : lv.bars) {
        if (bar.ACTIVE != 0) {
            continue;
        }
        const int r = bar.move(*this);
        if (r == Bar::kGameEnded || r == Bar::kFailed) {
            return;
        }
        if (r == Bar::kFinished) {
            released += setBarTo(bar, kCellWall);
            if (failed_) {
                return;
            }
            released += releaseChambers(bar);
            if (failed_) {
                return;
            }
        } else if (r == Bar::kBroken) {
            setBarTo(bar, kCellFree);
            if (failed_) {
                return;
            }
        }
    }
    if (released == 0) {
        return;
    }
    releasedThisShot += released;
    char text[48];
    std::snprintf(text, sizeof text, modelTexts::kReleasedFormat, releasedThisShot);
    showStatus(text);
    lv.CLDNE += released;
    addScore(released);
    if (lv.CLDNE >= cellsToComplete) {
        completeLevel();
    }
}

void GameModel::addScore(int n) {
    double v = n;
    if (level->SPEED == 0) {
        v = v * 0.5;
    } else if (level->SPEED == 2) {
        v = v + v;
    }
    if (level->GRID == 0) {
        v = v * 0.1;
    }
    level->SCORE += v / rows / cols / rows / cols * 600 * 100;
}

void GameModel::completeLevel() {
    gameRunning = 0;
    Level& lv = *level;
    // A tenth of a point for every life and every whole second left.
    lv.SCORE = lv.SCORE - lv.LOVES * (-0.1);
    lv.SCORE = lv.SCORE - (timeLimit - elapsedSeconds()) * (-0.1);
    levelCompleted_ = true;
    onLevelCompleted();
    levelCompleted_ = false;
    startLevel();
}

void GameModel::endGame(int reason) {
    gameRunning = 0;
    onGameEnding();
    endReason = reason;
    int rank = -1;
    if (wallOfFame != nullptr) {
        const int32_t score = truncatedScore(level->SCORE);
        if (score > 0) {
            rank = addToWallOfFame(*wallOfFame, *this, score, level->NBLLS);
        }
    }
    level->NBLLS = 0;
    onGameOver(reason, rank);
    newGame();
}

void GameModel::newGame() {
    gameRunning = 0;
    level->NBLLS = 0;
    level->SCORE = 0;
    startLevel();
}

void GameModel::setPaused(int p) {
    if (paused == p) {
        return;
    }
    paused = p;
    if (gameRunning != 1) {
        return;
    }
    if (p == 1) {
        level->SPSTM = clock_->nowMs();
        onPauseChanged(1);
    } else {
        // Adds the pause to the total modulo 2^32, as the clock counts:
        // total - (start - now).
        level->pausedTotal =
            clockDifference(level->pausedTotal, clockDifference(level->SPSTM, clock_->nowMs()));
        onPauseChanged(0);
    }
}

void GameModel::togglePause() {
    setPaused(paused == 1 ? 0 : 1);
}
