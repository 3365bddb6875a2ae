// Saving the game into a slot and opening it again.
#include "presentation/dialog_runner.h"
#include "presentation/game.h"

int overwriteSlot = 0;

bool Game::saveGame(int slot, const char* description) {
    if (slot < 0 || slot >= kSlotCount) {
        return false;
    }
    if (slotFileExists(slotFolders(), slot, fileSystem)) {
        overwriteSlot = slot;
        if (openDialog(IDD_OVERWRITE) != 1) {
            return false;  // the player keeps the saved game
        }
    }
    // Saved from the next-level box, the game is the next level at its start.
    bool saved = false;
    withLevelToPlay([&] {
        saved = saveGameToSlot(slots, slot, description, slotFolders(), *this, *this, fileSystem,
                               localDateNow());
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

bool Game::openGame(int slot) {
    const ReadResult result = openGameFromSlot(slot, slotFolders(), *this, *this, fileSystem);
    switch (result) {
        case ReadResult::kRead:
            // The opened game runs at the speed it was saved with.
            startGameTimer(TimerStart::kRestart);
            invalidateView(Repaint::kNow);
            return true;
        case ReadResult::kRejected:
            showMessage(kCanNotOpenGameText);
            return false;
        case ReadResult::kNotOpened:
        default:
            return false;
    }
}
