#include "shell/kit/label.h"

#include "shell/kit/kit_scale.h"

namespace {

constexpr int kPlainHeight = 13;
constexpr int kEdgedHeight = 17;

DWORD alignmentStyle(TextAlignment alignment) {
    switch (alignment) {
        case TextAlignment::kCentre:
            return SS_CENTER;
        case TextAlignment::kRight:
            return SS_RIGHT;
        default:
            return SS_LEFT;
    }
}

}  // namespace

int Label::textHeight() const {
    return kitPixels(edgeKind != EdgeKind::kNone ? kEdgedHeight : kPlainHeight);
}

HWND Label::create(WindowWrapper* parent, LPCSTR text, int x, int y, int width, int height) {
    if (height == 0) {
        height = textHeight();
    }
    HWND created = createChild(parent, "STATIC", text, alignmentStyle(alignment) | WS_CHILD, x, y,
                               width, height, 0, 0);
    setFont(kitFont(), true);
    return created;
}
