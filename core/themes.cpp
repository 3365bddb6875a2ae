#include "core/themes.h"

const Theme& themeAt(int index) {
    return kThemes[(index >= 0 && index < kThemeCount) ? index : 0];
}
