// The game's files: the settings file, read once when the game is set up
// and written whole when it ends, and the saved-game slots.
#include "core/game_core.h"
#include "model/process_state.h"

int overwriteSlot = 0;

void GameCore::loadSettings() {
    std::unique_ptr<ProfileStore> profile = front.openSettings(SettingsAccess::kRead);
    GameSettings settings;
    ::loadSettings(*profile, *this, settings, wallOfFameTable, userName, slots, slotFolders(),
                   front.fileSystem());
    soundOn = settings.soundOn == 1;
    themeIndex = settings.themeIndex;
    zoomChosen = settings.zoom != kZoomNotChosen;
    zoomWanted = zoomChosen ? settings.zoom : kMinZoom;
}

bool GameCore::readBarSetting(const char* key) {
    std::unique_ptr<ProfileStore> profile = front.openSettings(SettingsAccess::kRead);
    return readBarVisible(*profile, key) == 1;
}

void GameCore::setBarsShown(bool toolbar, bool statusBar) {
    toolbarWanted = toolbar;
    statusBarWanted = statusBar;
}

void GameCore::saveSettings() {
    GameSettings settings;
    settings.soundOn = soundOn ? 1 : 0;
    settings.themeIndex = themeIndex;
    settings.toolbarVisible = toolbarWanted ? 1 : 0;
    settings.statusBarVisible = statusBarWanted ? 1 : 0;
    settings.zoom = zoomChosen ? zoomWanted : kZoomNotChosen;
    std::unique_ptr<ProfileStore> profile = front.openSettings(SettingsAccess::kWrite);
    ::saveSettings(*profile, *this, settings, wallOfFameTable, userName, slots, slotFolders(),
                   front.fileSystem());
}

bool GameCore::saveGame(int slot, const char* description) {
    if (slot < 0 || slot >= kSlotCount) {
        return false;
    }
    if (slotFileExists(slotFolders(), slot, front.fileSystem())) {
        overwriteSlot = slot;
        if (!openDialog(DialogKind::kOverwrite)) {
            return false;  // the player keeps the saved game
        }
    }
    // Saved from the next-level box, the game is the next level at its start.
    bool saved = false;
    withLevelToPlay([&] {
        saved = saveGameToSlot(slots, slot, description, slotFolders(), *this, *this,
                               front.fileSystem(), localDateNow());
    });
    if (!saved) {
        showMessage(kCanNotSaveGameText);
        return false;
    }
    // The slot's record reaches the settings file at once, not only at the
    // end of the run.
    saveSettings();
    return true;
}

bool GameCore::openGame(int slot) {
    switch (openGameFromSlot(slot, slotFolders(), *this, *this, front.fileSystem())) {
        case ReadResult::kRead:
            // The opened game runs at the speed it was saved with.
            applySpeed();
            front.repaint(true);
            return true;
        case ReadResult::kRejected:
            showMessage(kCanNotOpenGameText);
            return false;
        case ReadResult::kNotOpened:
        default:
            return false;
    }
}
