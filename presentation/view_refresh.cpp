// The game view's kept picture brought up to the model: the still layer
// redrawn when what it shows changed, a frame composed over it when
// anything changed, and the view told to repaint only the changed parts.
#include <cstring>

#include "core/field_picture.h"
#include "presentation/game.h"

namespace {

PixelBuffer pixelsOf(const Picture& picture) {
    return PixelBuffer{picture.pixels(), picture.width(), picture.height()};
}

PixelBox boxOf(const RECT& box) {
    return PixelBox{box.left, box.top, box.right, box.bottom};
}

uint32_t pixelOf(COLORREF colour) {
    return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

FieldColours coloursOf(const StillLook& look) {
    return FieldColours{pixelOf(look.field), pixelOf(look.wall), pixelOf(look.firstBar),
                        pixelOf(look.secondBar)};
}

// The field as the platform-free code composes it, the information area's
// background under it.
void composeStill(const Picture& still, const StillLook& look) {
    const PixelBuffer pixels = pixelsOf(still);
    const PixelBox all = {0, 0, look.width, look.height};
    fillBox(pixels, PixelBox{0, look.fieldHeight, look.width, look.height}, pixelOf(look.menu),
            all);
    const FieldShape shape = {look.width, look.fieldHeight, look.rows,
                              look.cols,  look.cellWidth,   look.cellHeight};
    composeStillField(pixels, shape, look.gridLines == 1, look.cells, coloursOf(look));
}

}  // namespace

void Game::paint(HDC paintContext) {
    refreshPicture();
    const Picture& picture = viewPicture.picture;
    RECT all = {fieldLeft * zoom, fieldTop * zoom, (fieldLeft + picture.width()) * zoom,
                (fieldTop + picture.height()) * zoom};
    copyPicture(paintContext, all);
}

void Game::copyPicture(HDC target, const RECT& area) {
    const Picture& picture = viewPicture.picture;
    if (!picture.exists()) {
        return;  // nothing to show until a refresh makes the picture
    }
    const int z = zoom;
    RECT shown = {fieldLeft * z, fieldTop * z, (fieldLeft + picture.width()) * z,
                  (fieldTop + picture.height()) * z};
    RECT part = {};
    if (!IntersectRect(&part, &area, &shown)) {
        return;
    }
    // The whole picture pixels the part touches; each becomes a z x z block
    // of one colour, with no smoothing.
    const int left = (part.left - shown.left) / z;
    const int top = (part.top - shown.top) / z;
    const int right = (part.right - shown.left + z - 1) / z;
    const int bottom = (part.bottom - shown.top + z - 1) / z;
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, shown.left + left * z, shown.top + top * z, (right - left) * z,
               (bottom - top) * z, picture.context(), left, top, right - left, bottom - top,
               SRCCOPY);
}

void Game::refreshPicture() {
    ViewPicture& view = viewPicture;
    const int width = fieldRight - fieldLeft;
    const int fieldHeight = fieldBottom - fieldTop;
    const int height = fieldHeight + infoAreaHeight;
    bool remade = view.picture.resize(width, height);
    remade = view.still.resize(width, height) || remade;
    if (!view.picture.exists() || !view.still.exists()) {
        return;  // the next refresh tries again
    }
    lookNow(view.stillNow, view.movingNow);
    const bool stillChanged =
        remade || std::memcmp(&view.stillNow, &view.stillShown, sizeof(StillLook)) != 0;
    const POINT origin = {fieldLeft, fieldTop};
    const bool moved = origin.x != view.origin.x || origin.y != view.origin.y;
    view.changes.clear();
    if (stillChanged || moved) {
        view.changes.add(RECT{0, 0, width, height});
    } else {
        collectChanges(view.movingShown, view.movingNow, width, fieldHeight, height, textLineHeight,
                       view.changes);
    }
    if (view.changes.empty()) {
        return;
    }
    if (stillChanged) {
        composeStill(view.still, view.stillNow);
        view.stillShown = view.stillNow;
    }
    composePicture(view.movingNow, view.changes.bounds());
    view.movingShown = view.movingNow;
    view.origin = origin;
    view.changes.invalidate(gameWindow, origin, zoom);
}

void Game::lookNow(StillLook& still, MovingLook& moving) {
    still.width = fieldRight - fieldLeft;
    still.fieldHeight = fieldBottom - fieldTop;
    still.height = still.fieldHeight + infoAreaHeight;
    still.lineHeight = textLineHeight;
    still.rows = rows;
    still.cols = cols;
    still.cellWidth = cellWidth;
    still.cellHeight = cellHeight;
    still.gridLines = level->GRID;
    still.field = fieldColour;
    still.wall = wallColour;
    still.firstBar = firstBarColour;
    still.secondBar = secondBarColour;
    still.menu = GetSysColor(COLOR_MENU);
    std::memcpy(still.cells, level->grid, sizeof still.cells);

    for (int i = 0; i < kBarCount; ++i) {
        moving.bars[i] = barBox(level->bars[i]);
    }
    moving.ballFrame = shownBallImage();
    moving.ballCount = 0;
    if (moving.ballFrame != nullptr) {
        for (const Ball& ball : level->balls) {
            if (ball.endOfList != 0) {
                break;
            }
            const PixelBox box = ballBox(*moving.ballFrame, ball.X - fieldLeft, ball.Y - fieldTop);
            moving.balls[moving.ballCount++] = RECT{box.left, box.top, box.right, box.bottom};
        }
    }
    const PixelBox cursorNow = cursorBox();
    moving.cursor = RECT{cursorNow.left, cursorNow.top, cursorNow.right, cursorNow.bottom};
    moving.info = InfoTexts{};
    if (gameRunning != 0) {
        formatInformation(moving.info);
    }
}

// A frame inside `part`: the still layer, the bars and the balls as the
// platform-free code composes them, the information lines. Outside it the
// picture already shows the same.
void Game::composePicture(const MovingLook& moving, const RECT& part) {
    Picture& picture = viewPicture.picture;
    GdiFlush();  // the last frame's texts are in the pixels before they are written over
    picture.copyPixelsFrom(viewPicture.still, part);
    const PixelBuffer pixels = pixelsOf(picture);
    const PixelBox clip = boxOf(part);
    const FieldColours colours = coloursOf(viewPicture.stillNow);
    for (int i = 0; i < kBarCount; ++i) {
        composeBar(pixels, boxOf(moving.bars[i]), barColour(level->bars[i], colours), clip);
    }
    for (int i = 0; i < moving.ballCount; ++i) {
        const Ball& ball = level->balls[i];
        composeBall(pixels, *moving.ballFrame, ball.X - fieldLeft, ball.Y - fieldTop, clip);
    }
    composeCellCursor(pixels, boxOf(moving.cursor), clip);
    const int fieldHeight = fieldBottom - fieldTop;
    if (gameRunning != 0 && part.bottom > fieldHeight) {
        HDC context = picture.context();
        IntersectClipRect(context, part.left, part.top, part.right, part.bottom);
        SetBkMode(context, TRANSPARENT);
        drawInformation(context, moving.info, fieldRight - fieldLeft, fieldHeight);
        SelectClipRgn(context, nullptr);
    }
}
