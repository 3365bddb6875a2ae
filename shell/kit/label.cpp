#include "shell/kit/label.h"

#include "shell/kit/kit_classes.h"

namespace {

constexpr int kPlainHeight = 13;
constexpr int kEdgedHeight = 17;

DWORD alignmentStyle(int alignment) {
    switch (alignment) {
        case 1:
            return SS_CENTER;
        case 2:
            return SS_RIGHT;
        default:
            return SS_LEFT;
    }
}

}  // namespace

Label::Label(int alignment) : alignment(alignment) {
    borderKind = 0;
}

HWND Label::create(WindowWrapper* parent, LPCSTR text, int x, int y, int width, int height) {
    if (height == 0) {
        height = edgeKind != 0 ? kEdgedHeight : kPlainHeight;
    }
    HWND created = createChild(parent, "STATIC", text, alignmentStyle(alignment) | WS_CHILD, x, y,
                               width, height, 0, 0);
    setFont(sharedLabelFont(), 1);
    return created;
}
