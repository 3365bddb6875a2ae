// The game view's kept picture brought up to the model: the still layer
// redrawn when what it shows changed, a frame composed over it when
// anything changed, and the view told to repaint only the changed parts.
#include <cstring>

#include "presentation/game.h"

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
        drawStill(view.still.context(), width, fieldHeight);
        GdiFlush();
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
    moving.ballFrame = ballFrame();
    moving.ballCount = 0;
    if (moving.ballFrame != nullptr) {
        const int w = moving.ballFrame->width();
        const int h = moving.ballFrame->height();
        for (const Ball& ball : level->balls) {
            if (ball.endOfList != 0) {
                break;
            }
            const int left = ball.X - fieldLeft - w / 2;
            const int top = ball.Y - fieldTop - h / 2;
            moving.balls[moving.ballCount++] = RECT{left, top, left + w, top + h};
        }
    }
    moving.info = InfoTexts{};
    if (gameRunning != 0) {
        formatInformation(moving.info);
    }
}

// A frame inside `part`: the still layer, the bars, the balls written
// straight into the pixels, the information lines. Outside it the picture
// already shows the same.
void Game::composePicture(const MovingLook& moving, const RECT& part) {
    Picture& picture = viewPicture.picture;
    HDC context = picture.context();
    picture.copyPixelsFrom(viewPicture.still, part);
    IntersectClipRect(context, part.left, part.top, part.right, part.bottom);
    drawBars(context);
    GdiFlush();
    RECT meeting = {};
    for (int i = 0; i < moving.ballCount; ++i) {
        if (IntersectRect(&meeting, &moving.balls[i], &part)) {
            const Ball& ball = level->balls[i];
            moving.ballFrame->drawCentredInto(picture, ball.X - fieldLeft, ball.Y - fieldTop, part);
        }
    }
    const int fieldHeight = fieldBottom - fieldTop;
    if (gameRunning != 0 && part.bottom > fieldHeight) {
        SetBkMode(context, TRANSPARENT);
        drawInformation(context, moving.info, fieldRight - fieldLeft, fieldHeight);
    }
    SelectClipRgn(context, nullptr);
}
