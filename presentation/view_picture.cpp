#include "presentation/view_picture.h"

#include <algorithm>
#include <cstring>

namespace {

bool isEmpty(const RECT& box) {
    return box.right <= box.left || box.bottom <= box.top;
}

bool sameBox(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool sameLine(const InfoTexts& a, const InfoTexts& b, int line) {
    return std::strcmp(a.text[line][0], b.text[line][0]) == 0 &&
           std::strcmp(a.text[line][1], b.text[line][1]) == 0;
}

}  // namespace

void PictureChanges::add(const RECT& box) {
    if (isEmpty(box) || region_.header.nCount >= static_cast<DWORD>(kCapacity)) {
        return;
    }
    region_.boxes[region_.header.nCount++] = box;
}

void PictureChanges::addMove(const RECT& before, const RECT& after) {
    RECT meeting = {};
    if (isEmpty(before) || isEmpty(after) || !IntersectRect(&meeting, &before, &after)) {
        add(before);
        add(after);
        return;
    }
    RECT both = {};
    UnionRect(&both, &before, &after);
    add(both);
}

RECT PictureChanges::bounds() const {
    RECT all = {};
    for (int i = 0; i < count(); ++i) {
        UnionRect(&all, &all, &region_.boxes[i]);
    }
    return all;
}

void PictureChanges::invalidate(HWND window, POINT origin, int scale) {
    const int n = count();
    if (window == nullptr || n == 0) {
        clear();
        return;
    }
    for (int i = 0; i < n; ++i) {
        RECT& box = region_.boxes[i];
        box = RECT{(box.left + origin.x) * scale, (box.top + origin.y) * scale,
                   (box.right + origin.x) * scale, (box.bottom + origin.y) * scale};
    }
    const RECT bounds = this->bounds();
    if (n == 1) {
        InvalidateRect(window, &region_.boxes[0], FALSE);
    } else {
        region_.header.dwSize = sizeof region_.header;
        region_.header.iType = RDH_RECTANGLES;
        region_.header.nRgnSize = static_cast<DWORD>(n * sizeof(RECT));
        region_.header.rcBound = bounds;
        HRGN region =
            ExtCreateRegion(nullptr, static_cast<DWORD>(sizeof region_.header + n * sizeof(RECT)),
                            reinterpret_cast<const RGNDATA*>(&region_));
        if (region != nullptr) {
            InvalidateRgn(window, region, FALSE);
            DeleteObject(region);
        } else {
            InvalidateRect(window, &bounds, FALSE);
        }
    }
    clear();
}

void collectChanges(const MovingLook& before, const MovingLook& now, int width, int fieldHeight,
                    int height, int lineHeight, PictureChanges& changes) {
    for (int i = 0; i < kBarCount; ++i) {
        if (!sameBox(before.bars[i], now.bars[i])) {
            changes.addMove(before.bars[i], now.bars[i]);
        }
    }
    // A new frame changes every ball, even one that stood still.
    const bool newFrame = before.ballFrame != now.ballFrame;
    const RECT none = {};
    for (int i = 0; i < std::max(before.ballCount, now.ballCount); ++i) {
        const RECT& was = i < before.ballCount ? before.balls[i] : none;
        const RECT& is = i < now.ballCount ? now.balls[i] : none;
        if (newFrame || !sameBox(was, is)) {
            changes.addMove(was, is);
        }
    }
    if (!sameBox(before.cursor, now.cursor)) {
        changes.addMove(before.cursor, now.cursor);
    }
    // A line's glyphs may reach below it: it is shown anew down to the end.
    for (int line = 0; line < kInfoLines; ++line) {
        if (!sameLine(before.info, now.info, line)) {
            changes.add(RECT{0, fieldHeight + line * lineHeight, width, height});
        }
    }
}
