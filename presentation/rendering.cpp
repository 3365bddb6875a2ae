// The picture of the game view: the field with its grid, walls, growing
// bars and balls, and the information lines under it, drawn off screen and
// copied to the window in one transfer.
#include <cstdio>

#include "presentation/game.h"
#include "presentation/texts.h"

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

template <typename... Args>
void writeText(HDC context, int x, int y, const char* format, Args... args) {
    char text[64];
    int length = std::snprintf(text, sizeof text, format, args...);
    if (length < 0) {
        return;
    }
    if (length >= static_cast<int>(sizeof text)) {
        length = sizeof text - 1;
    }
    TextOutA(context, x, y, text, length);
}

}  // namespace

void Game::paint(HDC paintContext) {
    int width = fieldRight - fieldLeft;
    int height = fieldBottom - fieldTop + infoAreaHeight;
    HDC memory = CreateCompatibleDC(paintContext);
    HBITMAP picture = CreateCompatibleBitmap(paintContext, width, height);
    if (memory != nullptr && picture != nullptr) {
        HGDIOBJ previous = SelectObject(memory, picture);
        drawScene(memory);
        BitBlt(paintContext, fieldLeft, fieldTop, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
    }
    if (picture != nullptr) {
        DeleteObject(picture);
    }
    if (memory != nullptr) {
        DeleteDC(memory);
    }
}

void Game::drawScene(HDC context) {
    int width = fieldRight - fieldLeft;
    int height = fieldBottom - fieldTop;
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
    drawBars(context);
    drawBalls(context);
    if (gameRunning != 0) {
        drawInformation(context, width, height);
    }
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

void Game::drawBars(HDC context) {
    for (const Bar& bar : level->bars) {
        if (bar.ACTIVE != 0) {
            continue;
        }
        int left = bar.XSTART;
        int top = bar.YSTART;
        int width = bar.SIZE;
        int height = bar.SIZE;
        HBRUSH brush = secondBarBrush;
        switch (bar.DRCT) {
            case kUp:
                top = bar.YEND;
                height = cellHeight + bar.YSTART - bar.YEND;
                brush = firstBarBrush;
                break;
            case kDown:
                height = bar.YEND - bar.YSTART;
                break;
            case kLeft:
                left = bar.XEND;
                width = cellWidth + bar.XSTART - bar.XEND;
                brush = firstBarBrush;
                break;
            case kRight:
                width = bar.XEND - bar.XSTART;
                break;
            default:
                continue;
        }
        if (width < 1 || height < 1) {
            continue;
        }
        Selection selected(context, brush);
        int x = left - fieldLeft;
        int y = top - fieldTop;
        Rectangle(context, x, y, x + width, y + height);
    }
}

void Game::drawBalls(HDC context) {
    int firstIndex = static_cast<int>(currentFrames - frames);
    if (frame < 0 || frame >= frameCount || firstIndex + frame >= kBallFrameCount) {
        return;
    }
    Sprite& sprite = currentFrames[frame];
    for (const Ball& ball : level->balls) {
        if (ball.endOfList != 0) {
            break;
        }
        sprite.drawCentred(context, ball.X - fieldLeft, ball.Y - fieldTop);
    }
}

void Game::drawInformation(HDC context, int width, int height) {
    Selection font(context, GetStockObject(ANSI_VAR_FONT));
    int x2 = width / 2;
    int line = textLineHeight;
    if (paused == 1) {
        writeText(context, kTextLeft, height, "%s", texts::kPaused);
        return;
    }
    int elapsed = elapsedSeconds();
    writeText(context, kTextLeft, height, texts::kPercentFormat, percentDone());
    writeText(context, x2, height, texts::kScoreFormat, static_cast<int>(level->SCORE));
    writeText(context, x2, height + line, texts::kLevelFormat, level->NBLLS);
    writeText(context, kTextLeft, height + line, texts::kLivesFormat, level->LOVES);
    writeText(context, kTextLeft, height + 2 * line, texts::kTimeLeftFormat, timeLimit - elapsed);
    writeText(context, x2, height + 2 * line, texts::kGameTimeFormat, elapsed);
}
