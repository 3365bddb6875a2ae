// The door through which the frame and the dialogs reach the game: the
// operations they need and nothing else. Each box or dialog it opens pauses
// the game while it is open.
#pragma once

#include "core/front_end.h"
#include "core/options.h"
#include "model/wall_of_fame.h"
#include "persistence/slots.h"

class GameDoor {
  public:
    virtual ~GameDoor() = default;

    virtual void togglePause() = 0;
    virtual bool isPaused() const = 0;

    // Boxes captioned "Zembal" and the dialogs.
    virtual bool askYesNo(const char* text) = 0;
    virtual void showInfo(const char* text) = 0;
    virtual bool openDialog(DialogKind dialog) = 0;

    // The options the dialogs show and change. Applying display options
    // takes effect at once; changing game options starts a new game, so it
    // asks the player first and is refused when the answer is No.
    virtual DisplayOptions displayOptions() const = 0;
    virtual void applyDisplayOptions(const DisplayOptions& options) = 0;
    virtual GameOptions gameOptions() const = 0;
    virtual bool changeGameOptions(const GameOptions& chosen) = 0;

    // The saved-game slots. saveGame asks before it replaces a saved game
    // and shows "Can not save game" when the file cannot be written;
    // openGame shows "Can not open game" for a damaged file and nothing for
    // a missing one. Both take slot indices 0 to 9 only.
    virtual const SlotTable& savedGameSlots() const = 0;
    // The slot the overwrite warning shows.
    virtual int slotToOverwrite() const = 0;
    virtual bool saveGame(int slot, const char* description) = 0;
    virtual bool openGame(int slot) = 0;

    // The game over and the Wall of Fame.
    virtual int32_t shownScore() const = 0;
    virtual int32_t lastEndReason() const = 0;
    virtual const char* playerName() const = 0;
    virtual void setPlayerName(const char* name) = 0;
    virtual const WallOfFameTable& wallOfFameEntries() const = 0;
    // Asks "Clear ?" and empties the table on Yes: true when it did.
    virtual bool askToClearWallOfFame() = 0;
};
