// Every ball and every growing bar stands out from its theme's field: the
// contrast ratio of relative luminance (as for non-text contrast on
// screens) is at least 3:1, for the frames and brushes the game loads and
// makes. Classic keeps the look it always had and is left out.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "tests/win/support/open_game.h"

namespace {

double luminance(double r, double g, double b) {
    auto linear = [](double c) {
        c /= 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

double luminance(HBRUSH brush) {
    LOGBRUSH b = {};
    GetObjectA(brush, sizeof b, &b);
    return luminance(GetRValue(b.lbColor), GetGValue(b.lbColor), GetBValue(b.lbColor));
}

// The luminance of the mean colour of the frame's pixels that its mask
// keeps, the ones a drawing shows.
double luminance(Sprite& frame) {
    frame.makeMask(RGB(0, 0, 0), 0, 0);
    HDC picture = CreateCompatibleDC(nullptr), mask = CreateCompatibleDC(nullptr);
    HGDIOBJ oldPicture = SelectObject(picture, frame.bitmap);
    HGDIOBJ oldMask = SelectObject(mask, frame.mask);
    double sum[3] = {}, count = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (GetPixel(mask, x, y) == RGB(0, 0, 0)) {
                const COLORREF c = GetPixel(picture, x, y);
                sum[0] += GetRValue(c), sum[1] += GetGValue(c), sum[2] += GetBValue(c), ++count;
            }
        }
    }
    SelectObject(mask, oldMask);
    SelectObject(picture, oldPicture);
    DeleteDC(mask);
    DeleteDC(picture);
    return luminance(sum[0] / count, sum[1] / count, sum[2] / count);
}

double contrast(double a, double b) {
    return (std::fmax(a, b) + 0.05) / (std::fmin(a, b) + 0.05);
}

TEST(ThemeContrast, EveryBallAndGrowingBarStandsOutFromTheField) {
    OpenGame game;  // without a view: its themes' pictures only
    game.instance = GetModuleHandleA(nullptr);
    game.loadFrames();
    for (int theme = 1; theme < kThemeCount; ++theme) {
        game.applyTheme(theme);
        const double field = luminance(game.fieldBrush);
        for (int i = 0; i < game.frameCount; ++i) {
            EXPECT_GE(contrast(luminance(game.currentFrames[i]), field), 3.0)
                << "theme " << theme << " frame " << i;
        }
        EXPECT_GE(contrast(luminance(game.firstBarBrush), field), 3.0) << "theme " << theme;
        EXPECT_GE(contrast(luminance(game.secondBarBrush), field), 3.0) << "theme " << theme;
    }
}

}  // namespace
