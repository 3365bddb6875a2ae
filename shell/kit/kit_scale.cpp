#include "shell/kit/kit_scale.h"

namespace {
// Set by the game view only; read by the kit's sizes.
int screenDpi = kPlainDpi;
// The font made for a scaled screen, and the dpi it was made for; kept for
// the process's life, replaced when the dpi changes.
HFONT scaledFont = nullptr;
int scaledFontDpi = 0;
constexpr int kFontPoints = 8;
}  // namespace

void setKitDpi(int dpi) {
    screenDpi = dpi >= kPlainDpi ? dpi : kPlainDpi;
}

int kitDpi() {
    return screenDpi;
}

HFONT kitFont() {
    if (screenDpi == kPlainDpi) {
        return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    }
    if (scaledFontDpi != screenDpi) {
        HFONT made =
            CreateFontA(-MulDiv(kFontPoints, screenDpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                        FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Tahoma");
        if (made == nullptr) {
            return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
        }
        // The font made for an earlier dpi is kept: a label may show it
        // until the game view gives it this one.
        scaledFont = made;
        scaledFontDpi = screenDpi;
    }
    return scaledFont;
}

int kitPixels(int pixels) {
    return (pixels * screenDpi + kPlainDpi / 2) / kPlainDpi;
}
