// The themes (core/themes.h) made the Game's: the ball frames as sprites,
// the four colours and the brushes made from them.
#include "core/ball_images.h"
#include "presentation/game.h"

namespace {

// The platform-free themes count their frames from the first ball image;
// the resource script numbers the same images from IDB_BALL_FIRST.
static_assert(kBallImageCount == kBallFrameCount);
static_assert(IDB_BALL_FIRST + kThemes[0].firstFrame == IDB_CLASSIC_FIRST);
static_assert(IDB_BALL_FIRST + kThemes[1].firstFrame == IDB_DESERT_FIRST);
static_assert(IDB_BALL_FIRST + kThemes[2].firstFrame == IDB_FOREST_FIRST);
static_assert(IDB_BALL_FIRST + kThemes[3].firstFrame == IDB_MARS_FIRST);
static_assert(IDB_BALL_FIRST + kThemes[4].firstFrame == IDB_NIGHT_FIRST);
static_assert(IDB_BALL_FIRST + kThemes[5].firstFrame == IDB_OCEAN_FIRST);
static_assert(IDB_BALL_FIRST + kThemes[6].firstFrame == IDB_SKY_FIRST);

COLORREF colourOf(uint32_t pixel) {
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

}  // namespace

void Game::loadFrames() {
    for (int i = 0; i < kBallFrameCount; ++i) {
        frames[i].loadResource(instance, IDB_BALL_FIRST + i);
    }
}

void Game::applyTheme(int index) {
    // Any index the settings file or a dialog might hold outside the list
    // gives the Classic theme.
    const Theme& theme = themeAt(index);
    currentFrames = &frames[theme.firstFrame];
    setFrameCount(theme.frameCount);
    firstBarColour = colourOf(theme.colours.firstBar);
    secondBarColour = colourOf(theme.colours.secondBar);
    fieldColour = colourOf(theme.colours.field);
    wallColour = colourOf(theme.colours.wall);
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
