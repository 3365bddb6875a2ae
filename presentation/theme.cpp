// The themes: which ball frames and which four colours the field is drawn
// with, and the brushes made from them.
#include "presentation/game.h"

namespace {

struct Theme {
    int firstFrameId;
    int frameCount;
    COLORREF field, wall, firstBar, secondBar;
};

// In the order the Display Options dialog lists them: Classic, Desert,
// Forest, Mars, Night, Ocean, Sky. Classic keeps the colours it always had;
// in the other six both bars, like the balls, have a contrast ratio of at
// least 3:1 with the field, so a growing bar never melts into it.
constexpr Theme kThemes[kThemeCount] = {
    {IDB_CLASSIC_FIRST, 8, RGB(0xC0, 0xC0, 0xC0), RGB(0x00, 0x00, 0x00), RGB(0xFF, 0x00, 0x00),
     RGB(0x00, 0x00, 0xFF)},
    {IDB_DESERT_FIRST, 3, RGB(0xE6, 0xCF, 0x9A), RGB(0x7A, 0x4A, 0x1E), RGB(0xC8, 0x32, 0x1E),
     RGB(0x28, 0x50, 0xA0)},
    {IDB_FOREST_FIRST, 8, RGB(0x9C, 0xCB, 0x86), RGB(0x2E, 0x4A, 0x1E), RGB(0x9B, 0x4E, 0x16),
     RGB(0x5A, 0x2D, 0x82)},
    {IDB_MARS_FIRST, 4, RGB(0xD9, 0xA0, 0x7A), RGB(0x5A, 0x1E, 0x0A), RGB(0x63, 0x54, 0x00),
     RGB(0x1E, 0x3C, 0x78)},
    {IDB_NIGHT_FIRST, 3, RGB(0x46, 0x50, 0x7A), RGB(0x0A, 0x0A, 0x1E), RGB(0xFF, 0xC8, 0x3C),
     RGB(0x78, 0xDC, 0xFF)},
    {IDB_OCEAN_FIRST, 1, RGB(0x8C, 0xC8, 0xE6), RGB(0x0A, 0x32, 0x64), RGB(0xAB, 0x43, 0x22),
     RGB(0x0E, 0x72, 0x55)},
    {IDB_SKY_FIRST, 3, RGB(0xC8, 0xE6, 0xFF), RGB(0x5A, 0x6E, 0x8C), RGB(0xBA, 0x66, 0x00),
     RGB(0x6A, 0x3C, 0xC8)},
};

}  // namespace

void Game::loadFrames() {
    for (int i = 0; i < kBallFrameCount; ++i) {
        frames[i].loadResource(instance, IDB_BALL_FIRST + i);
    }
}

void Game::applyTheme(int index) {
    // Any index the settings file or a dialog might hold outside the list
    // gives the Classic theme.
    const Theme& theme = kThemes[(index >= 0 && index < kThemeCount) ? index : 0];
    currentFrames = &frames[theme.firstFrameId - IDB_BALL_FIRST];
    setFrameCount(theme.frameCount);
    firstBarColour = theme.firstBar;
    secondBarColour = theme.secondBar;
    fieldColour = theme.field;
    wallColour = theme.wall;
    createThemeBrushes();
}

void Game::createThemeBrushes() {
    if (brushesCreated) {
        deleteThemeBrushes();
    }
    brushesCreated = true;
    fieldBrush = CreateSolidBrush(fieldColour);
    wallBrush = CreateSolidBrush(wallColour);
    firstBarBrush = CreateSolidBrush(firstBarColour);
    secondBarBrush = CreateSolidBrush(secondBarColour);
}

void Game::deleteThemeBrushes() {
    if (!brushesCreated) {
        return;
    }
    brushesCreated = false;
    DeleteObject(fieldBrush);
    DeleteObject(wallBrush);
    DeleteObject(firstBarBrush);
    DeleteObject(secondBarBrush);
    fieldBrush = wallBrush = firstBarBrush = secondBarBrush = nullptr;
}
