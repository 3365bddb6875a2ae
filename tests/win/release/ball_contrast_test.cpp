// Every ball and every growing bar stands out from its theme's field: the
// contrast ratio of relative luminance (as for non-text contrast on
// screens) is at least 3:1, measured on what the game draws. Classic keeps
// the look it always had and is left out.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "presentation/game.h"

namespace {

// The Game without a view, drawing its theme's pictures by hand.
class ThemeGame : public Game {
  public:
    using Game::applyTheme;
    using Game::currentFrames;
    using Game::fieldBrush;
    using Game::firstBarBrush;
    using Game::instance;
    using Game::loadFrames;
    using Game::secondBarBrush;
    using GameModel::frameCount;
};

double linear(double channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(double r, double g, double b) {
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

double luminance(COLORREF c) {
    return luminance(GetRValue(c), GetGValue(c), GetBValue(c));
}

double contrast(double a, double b) {
    return (std::fmax(a, b) + 0.05) / (std::fmin(a, b) + 0.05);
}

// A 32-bit picture of 16 x 16 pixels filled with the theme's field.
struct Picture {
    explicit Picture(HBRUSH field) : context(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(context, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(context, bitmap);
        RECT all = {0, 0, 16, 16};
        FillRect(context, &all, field);
    }
    ~Picture() {
        SelectObject(context, previous);
        DeleteObject(bitmap);
        DeleteDC(context);
    }
    HDC context;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

// The mean colour of the frame's opaque pixels (those its mask keeps) as
// drawn on the field, in luminance.
double drawnBallLuminance(HDC context, Sprite& frame) {
    frame.drawCentred(context, 8, 8);
    HDC maskContext = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(maskContext, frame.mask);
    const int left = 8 - frame.width() / 2, top = 8 - frame.height() / 2;
    double sum[3] = {}, count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (GetPixel(maskContext, x, y) == RGB(0, 0, 0)) {
                const COLORREF c = GetPixel(context, left + x, top + y);
                sum[0] += GetRValue(c), sum[1] += GetGValue(c), sum[2] += GetBValue(c);
                ++count;
            }
        }
    }
    SelectObject(maskContext, old);
    DeleteDC(maskContext);
    return luminance(sum[0] / count, sum[1] / count, sum[2] / count);
}

TEST(ThemeContrast, EveryBallAndBarStandsOutFromTheField) {
    ThemeGame game;
    game.instance = GetModuleHandleA(nullptr);
    game.loadFrames();
    const char* names[kThemeCount] = {"Classic", "Desert", "Forest", "Mars",
                                      "Night",   "Ocean",  "Sky"};
    for (int theme = 1; theme < kThemeCount; ++theme) {
        game.applyTheme(theme);
        const double field = luminance(GetPixel(Picture(game.fieldBrush).context, 0, 0));
        for (int i = 0; i < game.frameCount; ++i) {
            const double ball =
                drawnBallLuminance(Picture(game.fieldBrush).context, game.currentFrames[i]);
            EXPECT_GE(contrast(ball, field), 3.0) << names[theme] << " frame " << i;
        }
        for (HBRUSH bar : {game.firstBarBrush, game.secondBarBrush}) {
            const double drawn = luminance(GetPixel(Picture(bar).context, 0, 0));
            EXPECT_GE(contrast(drawn, field), 3.0)
                << names[theme] << (bar == game.firstBarBrush ? " first" : " second") << " bar";
        }
    }
}

}  // namespace
