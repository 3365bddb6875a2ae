// The game view's picture kept between paints: what it was last drawn from,
// so that a refresh redraws the still layer only when that changed and tells
// the view to show anew only the parts that changed.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/ball_images.h"
#include "core/info_lines.h"
#include "model/level.h"
#include "presentation/picture.h"

// Everything the still layer is drawn from: the field background, the grid
// lines, the walls and the information area's background; with the sizes
// and colours the rest of a frame is drawn with. Compared as bytes.
struct StillLook {
    int32_t width, fieldHeight, height, lineHeight;
    int32_t rows, cols, cellWidth, cellHeight, gridLines;
    COLORREF field, wall, firstBar, secondBar, menu;
    int32_t cells[kMaxRows][kMaxCols];
};

// What is drawn over the still layer: the boxes the growing bars and the
// balls cover in the picture, the frame all balls show, the keyboard's cell
// cursor and the texts.
struct MovingLook {
    RECT bars[kBarCount];
    const BallImage* ballFrame;
    int32_t ballCount;
    RECT balls[kMaxBalls];
    RECT cursor;
    InfoTexts info;
};

// The parts of the picture to show anew, in picture pixels.
class PictureChanges {
  public:
    void clear() { region_.header.nCount = 0; }
    bool empty() const { return region_.header.nCount == 0; }
    int count() const { return static_cast<int>(region_.header.nCount); }
    const RECT& box(int index) const { return region_.boxes[index]; }
    // The smallest box around all changes.
    RECT bounds() const;
    // An empty box adds nothing.
    void add(const RECT& box);
    // A box that moved or changed: both places, as one box when they meet.
    void addMove(const RECT& before, const RECT& after);
    // Tells the window to repaint the changes, each picture pixel shown as
    // a scale x scale block, the picture's origin at `origin` times scale
    // of its client area; the list is used up.
    void invalidate(HWND window, POINT origin, int scale);

  private:
    static constexpr int kCapacity = 2 * kMaxBalls + 2 * kBarCount + kInfoLines + 2;
    // Laid out as the platform's region data, so it becomes a region in one call.
    struct {
        RGNDATAHEADER header;
        RECT boxes[kCapacity];
    } region_ = {};
};

// The parts of a picture of width x height (the field fieldHeight high,
// then the information lines of lineHeight) that differ between two looks.
void collectChanges(const MovingLook& before, const MovingLook& now, int width, int fieldHeight,
                    int height, int lineHeight, PictureChanges& changes);

struct ViewPicture {
    Picture picture;  // what the view shows: every paint copies from it
    Picture still;    // the still layer, the start of every frame
    StillLook stillShown = {};
    StillLook stillNow = {};
    MovingLook movingShown = {};
    MovingLook movingNow = {};
    POINT origin = {};  // where the picture was last shown in the view
    PictureChanges changes;
};
