// One paint of the largest field (30 x 40 cells, 199 balls, grid lines, a
// third of the cells wall) beside a bare fill and copy of a bitmap of the
// same size, in the same run. Every round shows the balls' next frame, so
// every paint composes a whole frame over the still layer and copies it;
// a third figure is a paint after a wall changed, which redraws the still
// layer too. Prints the medians in microseconds.
// Run under Wine by hand: wine build/windows/bench/win/paint_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/win/support/open_game.h"

namespace {

constexpr int kWarmUpRounds = 50;
constexpr int kRounds = 1000;

double nowMicroseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void setUpBusyField(OpenGame& game) {
    game.setFieldSize(30, 40);
    game.initGeometry();
    game.level->GRID = 1;
    for (int r = 0; r < game.rows; ++r) {
        for (int c = 0; c < game.cols; ++c) {
            game.level->grid[r][c] = (r * game.cols + c) % 3 == 0 ? kCellWall : kCellFree;
        }
    }
    for (int i = 0; i < kMaxBalls; ++i) {
        Ball& ball = game.level->balls[i];
        ball.endOfList = i < kMaxBalls - 1 ? 0 : 1;
        ball.X = game.fieldLeft + 7 + (i * 37) % (game.cols * 14 - 14);
        ball.Y = game.fieldTop + 7 + (i * 53) % (game.rows * 14 - 14);
    }
    gameRunning = 1;
}

}  // namespace

int main() {
    textLineHeight = 13;
    infoAreaHeight = 39;
    OpenGame game;
    game.instance = GetModuleHandleA(nullptr);
    game.loadFrames();
    game.applyTheme(0);
    setUpBusyField(game);

    HWND window = CreateWindowExA(0, "STATIC", "paint bench", WS_POPUP | WS_VISIBLE, 0, 0,
                                  game.fieldRight + 20, game.fieldBottom + infoAreaHeight + 20,
                                  nullptr, nullptr, game.instance, nullptr);
    HDC target = GetDC(window);
    int width = game.fieldRight - game.fieldLeft;
    int height = game.fieldBottom - game.fieldTop + infoAreaHeight;

    auto paintOnce = [&] {
        game.frame = (game.frame + 1) % game.frameCount;
        game.paint(target);
        GdiFlush();
    };
    auto paintAfterWallOnce = [&] {
        int32_t& cell = game.level->grid[1][1];
        cell = cell == kCellWall ? kCellFree : kCellWall;
        paintOnce();
    };
    auto fillAndCopyOnce = [&] {
        HDC memory = CreateCompatibleDC(target);
        HBITMAP picture = CreateCompatibleBitmap(target, width, height);
        HGDIOBJ previous = SelectObject(memory, picture);
        RECT all = {0, 0, width, height};
        FillRect(memory, &all, game.fieldBrush);
        BitBlt(target, game.fieldLeft, game.fieldTop, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteObject(picture);
        DeleteDC(memory);
        GdiFlush();
    };
    for (int i = 0; i < kWarmUpRounds; ++i) {
        paintOnce();
        fillAndCopyOnce();
        paintAfterWallOnce();
    }
    // Taken in turns, so both see the same load of the machine.
    std::vector<double> paintTimes, bareTimes, wallTimes;
    for (int i = 0; i < kRounds; ++i) {
        double start = nowMicroseconds();
        paintOnce();
        double middle = nowMicroseconds();
        fillAndCopyOnce();
        double end = nowMicroseconds();
        paintAfterWallOnce();
        wallTimes.push_back(nowMicroseconds() - end);
        bareTimes.push_back(end - middle);
        paintTimes.push_back(middle - start);
    }
    double paint = median(paintTimes);
    double bare = median(bareTimes);
    std::printf("paint of 30 x 40 with 199 balls: median %.1f us\n", paint);
    std::printf("bare fill and copy of %d x %d: median %.1f us\n", width, height, bare);
    std::printf("paint after a wall changed: median %.1f us\n", median(wallTimes));
    std::printf("paint / bare: %.2f\n", paint / bare);
    ReleaseDC(window, target);
    DestroyWindow(window);
    gameRunning = 0;
    return 0;
}
