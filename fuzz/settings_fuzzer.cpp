// Feeds any bytes to the settings reader as the settings file. The values
// read must stay within what the game relies on, and loading, saving and
// loading again must give the same file again.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_set>

#include "fuzz/fuzz_support.h"
#include "model/field_sizes.h"
#include "persistence/ini_profile.h"
#include "persistence/settings.h"

static bool terminated(const char* text, size_t size) {
    return std::memchr(text, '\0', size) != nullptr;
}

static std::string loadAndSave(const std::string& text) {
    IniProfile profile = IniProfile::fromText(text), saved = IniProfile::fromText("");
    // One game for the whole run: loading the settings sets every field of
    // it they hold, from the file or by default.
    static const auto game = std::make_unique<FuzzGame>();
    GameSettings settings;
    WallOfFameTable wallOfFame;
    char name[kNameBufferSize];
    std::memset(name, 'x', sizeof name);
    SlotTable slots;
    MemoryFiles files;
    loadSettings(profile, *game, settings, wallOfFame, name, slots, "games", files);
    check(fieldSizeIndex(game->rows, game->cols) >= 0 &&
          isPercentToComplete(game->percentToComplete) && terminated(name, sizeof name));
    for (const WallOfFameEntry& entry : wallOfFame.entries) {
        check(terminated(entry.name, sizeof entry.name));
    }
    for (const SavedGameSlot& slot : slots.slots) {
        check(slot.level == -1 &&
              terminated(slot.description, sizeof slot.description));  // no slot file exists
    }
    settings.toolbarVisible = readBarVisible(profile, kToolbarKey);
    settings.statusBarVisible = readBarVisible(profile, kStatusbarKey);
    saveSettings(saved, *game, settings, wallOfFame, name, slots, "games", files);
    return saved.text();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string first = loadAndSave(std::string(reinterpret_cast<const char*>(data), size));
    // Most inputs save as a file saved before; loading and saving depend on
    // the text alone, so a file found stable once stays stable.
    static std::unordered_set<std::string> stable;
    if (stable.count(first) == 0) {
        check(loadAndSave(first) == first);
        if (stable.size() >= 100000) {
            stable.clear();
        }
        stable.insert(first);
    }
    return 0;
}
