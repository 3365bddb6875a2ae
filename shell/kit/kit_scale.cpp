#include "shell/kit/kit_scale.h"

namespace {
// Set by the game view only; read by the kit's sizes.
int screenDpi = kPlainDpi;
}  // namespace

void setKitDpi(int dpi) {
    screenDpi = dpi >= kPlainDpi ? dpi : kPlainDpi;
}

int kitDpi() {
    return screenDpi;
}

int kitPixels(int pixels) {
    return (pixels * screenDpi + kPlainDpi / 2) / kPlainDpi;
}
