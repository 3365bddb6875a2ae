// Which handlers serve which dialog.
#include "resources/resource.h"
#include "shell/dialogs/dialog_handlers.h"

namespace {

struct DialogEntry {
    int dialogId;
    const DialogHandlers* handlers;
};

const DialogEntry kDialogs[] = {
    {IDD_DISPLAY_OPTIONS, &displayOptionsHandlers},
    {IDD_GAME_OPTIONS, &gameOptionsHandlers},
    {IDD_GAME_OVER, &gameOverHandlers},
    {IDD_NEXT_LEVEL, &nextLevelHandlers},
    {IDD_HELP, &helpHandlers},
    {IDD_ABOUT, &aboutHandlers},
    {IDD_WALL_OF_FAME, &wallOfFameHandlers},
    {IDD_SAVE_GAME, &saveGameHandlers},
    {IDD_OPEN_GAME, &openGameHandlers},
    {IDD_OVERWRITE, &overwriteHandlers},
};

}  // namespace

const DialogHandlers* dialogHandlersFor(int dialogId) {
    for (const DialogEntry& entry : kDialogs) {
        if (entry.dialogId == dialogId) {
            return entry.handlers;
        }
    }
    return nullptr;
}
