// The game's decisions, written once for every edition: what each of the
// model's hooks does, the options and the order of their steps, the
// settings file, the saved-game slots with their questions and messages,
// the information lines, the status message's life and the pause around
// every box and dialog. The edition's front end shows and hears; the class
// that derives from this one for an edition builds its window or page.
#pragma once

#include <cstdint>

#include "core/cell_cursor.h"
#include "core/front_end.h"
#include "core/game_door.h"
#include "core/info_lines.h"
#include "core/process_state.h"
#include "model/game_model.h"
#include "model/level.h"
#include "persistence/saved_game.h"
#include "persistence/settings.h"
#include "persistence/slots.h"

constexpr int kStatusClearSeconds = 3;
constexpr int kStatusTextSize = 128;

// The game timer's step (pixels per tick for balls and bars) and period
// for a speed: slow, normal, fast.
struct GameTimerSetting {
    int step;
    int periodMs;
};
GameTimerSetting gameTimerSettingFor(int speed);

class GameCore : public GameModel, public GameDoor, protected FieldView {
  public:
    // The front end must outlive the game; nothing is asked of it before
    // setUp.
    explicit GameCore(FrontEnd& frontEnd);

    // Reads the settings file (with the Wall of Fame and the slots, from
    // these folders) and sets the field's geometry up.
    void setUp(const char* besideProgramFolder, const char* perUserFolder);

    // The model's hooks.
    void onPauseChanged(int paused) override;
    void onLevelStarted() override;
    void onGameOver(int reason, int rank) override;
    void onLevelCompleted() override;
    void onLifeLost() override;
    void onGameEnding() override;
    int askPlayerName(char* nameOut, int rank) override;
    void showMessage(const char* text) override;
    void fatalError(const char* text) override;
    void showStatus(const char* text) override;

    // The door.
    void togglePause() override { GameModel::togglePause(); }
    bool isPaused() const override { return GameModel::isPaused(); }
    bool askYesNo(const char* text) override;
    void showInfo(const char* text) override;
    bool openDialog(DialogKind dialog) override;
    DisplayOptions displayOptions() const override;
    void applyDisplayOptions(const DisplayOptions& options) override;
    GameOptions gameOptions() const override;
    bool changeGameOptions(const GameOptions& chosen) override;
    const SlotTable& savedGameSlots() const override { return slots; }
    int slotToOverwrite() const override { return overwriteSlot; }
    bool saveGame(int slot, const char* description) override;
    bool openGame(int slot) override;
    int32_t shownScore() const override { return GameModel::shownScore(); }
    int32_t lastEndReason() const override { return GameModel::lastEndReason(); }
    const char* playerName() const override;
    void setPlayerName(const char* name) override;
    const WallOfFameTable& wallOfFameEntries() const override;
    bool askToClearWallOfFame() override;

    // The options chosen, applied at once: a new game starts.
    void applyGameOptions(const GameOptions& options);

    // What the player's commands and the timers ask for.
    // Restart: asks first while a level is in play.
    void restart();
    // Save and Open: the dialogs, or why there is none.
    void askToSave();
    void askToOpen();
    // A left click at a pixel of the field's coordinates; a right click.
    void launchBarsAt(int x, int y);
    void switchOrientation();
    // A key of play: the arrows move the cell cursor (the first one only
    // shows it), the launch key acts as a left click on its cell once it is
    // shown, the switch key as a right click.
    void playKey(PlayKey key);
    // The mouse pointer seen at a pixel of the view: a move hides the cursor.
    void pointerAt(int x, int y);
    // The cell cursor's box in the field's picture; empty while hidden.
    PixelBox cursorBox() const { return cursor.box(cellWidth, cellHeight); }
    // One tick of the game timer; false when the game holds still while a
    // tool button's tip is shown.
    bool advance();
    // Every second: clears a status message after 3 whole seconds, unless
    // a tip is shown.
    void clockSecond();
    void holdForTip(bool held) { tipShown = held; }
    bool heldForTip() const { return tipShown; }

    // The texts of the information lines under the field.
    void formatInformation(InfoTexts& info) const;

    // The settings the front end shows: the theme and the zoom the player
    // asked for, and whether each bar is wanted.
    int themeInUse() const { return themeIndex; }
    bool soundWanted() const { return soundOn; }
    int zoomAskedFor() const { return zoomWanted; }
    void askForZoom(int wanted);
    // The zoom to show on a screen of `dpi` dots per inch: the one the
    // player chose, else the screen's (zoomForScreen).
    int zoomForDpi(int dpi) const { return zoomChosen ? zoomWanted : zoomForScreen(dpi, kMaxZoom); }
    // "Statusbar" or "Toolbar" of the settings file: shown or hidden.
    bool readBarSetting(const char* key);
    void setBarsShown(bool toolbar, bool statusBar);

    // Writes the whole settings file: when the game ends, and after every
    // saved game, Wall of Fame entry and change of options, so none is lost
    // if the run ends badly.
    void saveSettings();

    // The last text given to showStatus, as the message pane shows it.
    const char* statusMessage() const { return statusText; }

  protected:
    // The field's size (negative keeps a dimension), the layout around it
    // and the goal.
    void setFieldSize(int newRows, int newCols);
    void recomputeGeometry() override { setFieldSize(-1, -1); }
    // The step of balls and bars for the level's speed, and the front end's
    // timer.
    void applySpeed();

    FrontEnd& front;
    Level ownLevel;
    SlotTable slots;
    char savedGamesFolder[kPathBufferSize] = {};
    char perUserGamesFolder[kPathBufferSize] = {};
    SlotFolders slotFolders() const { return SlotFolders(savedGamesFolder, perUserGamesFolder); }

    // Kept as the settings file holds them; themeIndex may lie outside the
    // list.
    bool soundOn = true;
    int32_t themeIndex = 0;
    int32_t zoomWanted = 1;
    bool zoomChosen = false;
    bool toolbarWanted = true;
    bool statusBarWanted = true;

    bool tipShown = false;
    CellCursor cursor;
    bool statusPending = false;
    int32_t statusShownAt = 0;
    char statusText[kStatusTextSize] = {};

  private:
    void loadSettings();
    // Pauses the game around a box or dialog and restores the pause after.
    class PauseBracket;
};
