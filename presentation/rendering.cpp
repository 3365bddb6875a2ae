// The parts of the game view's picture: the still layer (the field with its
// grid and walls, the information area's background), the growing bars, the
// balls and the information lines; and the whole picture drawn afresh.
#include <cstdio>
#include <cstring>

#include "core/field_picture.h"
#include "presentation/game.h"

namespace {

constexpr int kTextLeft = 10;

// Keeps an object selected into a context for one drawing step.
class Selection {
  public:
    Selection(HDC context, HGDIOBJ object)
        : context_(context), previous_(SelectObject(context, object)) {}
    ~Selection() { SelectObject(context_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC context_;
    HGDIOBJ previous_;
};

}  // namespace

void Game::drawScene(HDC context) {
    int width = fieldRight - fieldLeft;
    int height = fieldBottom - fieldTop;
    drawStill(context, width, height);
    drawBars(context);
    drawBalls(context);
    if (gameRunning != 0) {
        InfoTexts info = {};
        formatInformation(info);
        drawInformation(context, info, width, height);
    }
}

void Game::drawStill(HDC context, int width, int height) {
    SetBkMode(context, TRANSPARENT);
    {
        Selection brush(context, fieldBrush);
        Rectangle(context, 0, 0, width, height);
    }
    RECT info = {0, height, width, height + infoAreaHeight};
    FillRect(context, &info, GetSysColorBrush(COLOR_MENU));
    if (level->GRID == 1) {
        drawGrid(context, width, height);
    }
    drawWalls(context);
}

void Game::drawGrid(HDC context, int width, int height) {
    for (int r = 0; r < rows; ++r) {
        MoveToEx(context, 0, r * cellHeight, nullptr);
        LineTo(context, width, r * cellHeight);
    }
    for (int c = 0; c < cols; ++c) {
        MoveToEx(context, c * cellWidth, 0, nullptr);
        LineTo(context, c * cellWidth, height);
    }
}

void Game::drawWalls(HDC context) {
    Selection brush(context, wallBrush);
    for (int r = 0; r < rows && r < kMaxRows; ++r) {
        for (int c = 0; c < cols && c < kMaxCols; ++c) {
            if (level->grid[r][c] == kCellWall) {
                Rectangle(context, c * cellWidth, r * cellHeight, (c + 1) * cellWidth,
                          (r + 1) * cellHeight);
            }
        }
    }
}

RECT Game::barBox(const Bar& bar) const {
    const PixelBox box = ::barBox(bar, cellWidth, cellHeight, fieldLeft, fieldTop);
    return RECT{box.left, box.top, box.right, box.bottom};
}

void Game::drawBars(HDC context) {
    for (const Bar& bar : level->bars) {
        RECT box = barBox(bar);
        if (box.right <= box.left) {
            continue;
        }
        // The bar growing up or left is the first of its pair.
        bool first = bar.DRCT == kUp || bar.DRCT == kLeft;
        Selection selected(context, first ? firstBarBrush : secondBarBrush);
        Rectangle(context, box.left, box.top, box.right, box.bottom);
    }
}

Sprite* Game::ballFrame() {
    int firstIndex = static_cast<int>(currentFrames - frames);
    if (frame < 0 || frame >= frameCount || firstIndex + frame >= kBallFrameCount ||
        currentFrames[frame].bitmap == nullptr) {
        return nullptr;
    }
    return &currentFrames[frame];
}

const BallImage* Game::shownBallImage() {
    const Sprite* sprite = ballFrame();
    return sprite == nullptr ? nullptr : ballImage(static_cast<int>(sprite - frames));
}

void Game::drawBalls(HDC context) {
    Sprite* sprite = ballFrame();
    if (sprite == nullptr) {
        return;
    }
    for (const Ball& ball : level->balls) {
        if (ball.endOfList != 0) {
            break;
        }
        sprite->drawCentred(context, ball.X - fieldLeft, ball.Y - fieldTop);
    }
}

void Game::drawInformation(HDC context, const InfoTexts& info, int width, int height) {
    Selection font(context, GetStockObject(ANSI_VAR_FONT));
    const int left[2] = {kTextLeft, width / 2};
    for (int line = 0; line < kInfoLines; ++line) {
        for (int half = 0; half < 2; ++half) {
            const char* text = info.text[line][half];
            int length = static_cast<int>(std::strlen(text));
            if (length > 0) {
                TextOutA(context, left[half], height + line * textLineHeight, text, length);
            }
        }
    }
}
