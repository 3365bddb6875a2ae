// Feeds any bytes to the settings reader as the settings file. The values
// read must stay within what the game relies on, and loading, saving and
// loading again must give the same file again.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "persistence/field_sizes.h"
#include "persistence/ini_profile.h"
#include "persistence/settings.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string loadAndSave(const std::string& text) {
    IniProfile profile = IniProfile::fromText(text);
    auto game = std::make_unique<FuzzGame>();
    GameSettings settings;
    WallOfFameTable wallOfFame;
    char userName[kNameBufferSize];
    std::memset(userName, 'x', sizeof userName);
    SlotTable slots;
    MemoryFiles files;
    loadSettings(profile, *game, settings, wallOfFame, userName, slots, "games", files);
    check(fieldSizeIndex(game->rows, game->cols) >= 0);
    check(isPercentToComplete(game->percentToComplete));
    check(std::memchr(userName, '\0', sizeof userName) != nullptr);
    for (const WallOfFameEntry& entry : wallOfFame.entries) {
        check(std::memchr(entry.name, '\0', sizeof entry.name) != nullptr);
    }
    for (const SavedGameSlot& slot : slots.slots) {
        check(slot.level == -1);  // no slot file exists
        check(std::memchr(slot.description, '\0', sizeof slot.description) != nullptr);
    }
    settings.toolbarVisible = readBarVisible(profile, kToolbarKey);
    settings.statusBarVisible = readBarVisible(profile, kStatusbarKey);
    IniProfile saved = IniProfile::fromText("");
    saveSettings(saved, *game, settings, wallOfFame, userName, slots, "games", files);
    return saved.text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string first = loadAndSave(std::string(reinterpret_cast<const char*>(data), size));
    check(loadAndSave(first) == first);
    return 0;
}
