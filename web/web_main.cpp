// The functions the page calls: the game's start, each animation frame,
// clicks, the menu's and keys' commands, and the page's life. Any of them
// may wait for a box or dialog; the page calls them one at a time.
#include <emscripten.h>

#include <cstring>

#include "core/texts.h"
#include "web/web_game.h"

namespace {

WebGame* game = nullptr;

// The menu items, toolbar buttons and keys, by the names the page uses.
enum class Command {
    kRestart,
    kPause,
    kDisplayOptions,
    kGameOptions,
    kWallOfFame,
    kOpen,
    kSave,
    kDownload,
    kExit,
    kAbout,
    kHelp,
    kZoom1,
    kZoom2,
    kZoom3,
    kOrientation,
};

void run(Command command) {
    switch (command) {
        case Command::kRestart:
            game->restart();
            break;
        case Command::kPause:
            game->togglePause();
            break;
        case Command::kDisplayOptions:
            game->openDialog(DialogKind::kDisplayOptions);
            break;
        case Command::kGameOptions:
            game->openDialog(DialogKind::kGameOptions);
            break;
        case Command::kWallOfFame:
            game->openDialog(DialogKind::kWallOfFame);
            break;
        case Command::kOpen:
            game->askToOpen();
            break;
        case Command::kSave:
            game->askToSave();
            break;
        case Command::kDownload: {
            if (!hasSavedGames(game->savedGameSlots())) {
                game->showInfo(texts::kNoSavedGames);
                break;
            }
            const bool wasPaused = game->isPaused();
            game->setPaused(1);
            const int slot = chooseSlotToDownload(*game);
            game->setPaused(wasPaused ? 1 : 0);
            if (slot >= 0) {
                game->downloadSlot(slot);
            }
            break;
        }
        case Command::kExit:
            game->pageHidden();
            break;
        case Command::kAbout:
            game->openDialog(DialogKind::kAbout);
            break;
        case Command::kHelp:
            game->openDialog(DialogKind::kHelp);
            break;
        case Command::kZoom1:
        case Command::kZoom2:
        case Command::kZoom3:
            game->askForZoom(static_cast<int>(command) - static_cast<int>(Command::kZoom1) + 1);
            break;
        case Command::kOrientation:
            game->switchOrientation();
            break;
    }
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void zembalStart() {
    if (game == nullptr) {
        game = new WebGame();
        game->start();
    }
}

EMSCRIPTEN_KEEPALIVE void zembalFrame(double elapsedMs) {
    game->animationFrame(elapsedMs);
}

EMSCRIPTEN_KEEPALIVE void zembalClick(int x, int y) {
    game->clickAt(x, y);
}

EMSCRIPTEN_KEEPALIVE void zembalCommand(int command) {
    if (command >= 0 && command <= static_cast<int>(Command::kOrientation)) {
        run(static_cast<Command>(command));
    }
    game->animationFrame(0);
}

// A key of play, as PlayKey counts them.
EMSCRIPTEN_KEEPALIVE void zembalPlayKey(int key) {
    if (key >= 0 && key <= static_cast<int>(PlayKey::kSwitch)) {
        game->playKey(static_cast<PlayKey>(key));
    }
}

EMSCRIPTEN_KEEPALIVE void zembalPointer(int x, int y) {
    game->pointerAt(x, y);
}

EMSCRIPTEN_KEEPALIVE void zembalPageHidden() {
    game->pageHidden();
}

EMSCRIPTEN_KEEPALIVE int zembalZoomWanted() {
    return game->zoomAskedFor();
}

// Bit 0: the toolbar is wanted; bit 1: the status bar.
EMSCRIPTEN_KEEPALIVE int zembalBarsWanted() {
    return (game->toolbarWanted() ? 1 : 0) | (game->statusBarWanted() ? 2 : 0);
}

EMSCRIPTEN_KEEPALIVE void zembalShowBars(int toolbar, int statusBar) {
    game->showBars(toolbar != 0, statusBar != 0);
}

// Tests only (through zembalPage.holdClock): see WebGame::holdClock.
EMSCRIPTEN_KEEPALIVE void zembalHoldClock(int ms) {
    game->holdClock(ms);
}

EMSCRIPTEN_KEEPALIVE void zembalOpenPickedFile() {
    game->openPickedFile();
}

}  // extern "C"
