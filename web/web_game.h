// The game the player sees in the browser: the game's decisions with the
// page's canvas, dialogs, storage and sounds. The page drives it through
// the functions of web_main.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "core/game_core.h"
#include "web/web_file_system.h"

// Windows fires a window timer at most every 10 ms (USER_TIMER_MINIMUM),
// whatever shorter period the game asks for.
constexpr int kShortestTimerMs = 10;
// A late frame catches up on at most this many ticks; the rest are lost, as
// a busy Windows drops timer messages.
constexpr int kMostTicksPerFrame = 25;
constexpr int kClockPeriodMs = 1000;

// The real time, as the browser measures it; or, for tests that compare a
// saved game's bytes, a reading that stands still.
class WebClock : public GameClock {
  public:
    int32_t nowMs() override;
    int64_t calendarSeconds() override;
    void hold(int32_t ms) {
        held = true;
        heldMs = ms;
    }
    bool isHeld() const { return held; }

  private:
    bool held = false;
    int32_t heldMs = 0;
};

// The picture of the field as the canvas takes it.
struct FieldPicture {
    std::vector<uint32_t> frame;  // still, bars and balls, 0x00RRGGBB
    std::vector<uint32_t> rgba;   // the frame as red, green, blue, alpha bytes
    int width = 0, height = 0;
};

class WebGame : private FrontEnd, public GameCore {
  public:
    WebGame();

    // Reads the settings and starts the first game.
    void start();
    // A frame of the page, `elapsedMs` after the one before: the ticks the
    // game timer would have fired meanwhile, the clock's seconds, the field
    // shown anew.
    void animationFrame(double elapsedMs);
    // A tap or click at a pixel of the picture (the field's corner is 0, 0).
    void clickAt(int x, int y);
    // A menu item, toolbar button or key, by the Windows edition's command.
    void command(int id);
    // The page is hidden or left: play stops and the settings are stored.
    void pageHidden();
    // The .zmb file the player picked, which the page put at
    // kWebPickedPath: opened as a saved slot is, after the same question.
    void openPickedFile();
    // The toolbar and status bar as the player wants them.
    void showBars(bool toolbar, bool statusBar);
    bool toolbarWanted() const { return GameCore::toolbarWanted; }
    bool statusBarWanted() const { return GameCore::statusBarWanted; }

    // The saves, which also store the slot index, so that a saved game is
    // listed even if the page never gets to store its settings.
    bool saveGame(int slot, const char* description) override;
    // The slot file's bytes offered as N.zmb.
    void downloadSlot(int slot);
    // Tests only: the game's time stands still at `ms` (no ticks, no clock
    // seconds), so that a saved game's clocks are known to the millisecond.
    void holdClock(int32_t ms) { realClock.hold(ms); }

  protected:
    // The front end.
    void playSound(Sound sound) override;
    bool showBox(BoxKind kind, const char* text) override;
    bool runDialog(DialogKind dialog) override;
    void showStatusText(const char* text) override;
    void pauseChanged(bool paused) override;
    void orientationChanged(bool horizontal) override;
    void repaint(bool now) override;
    void themeChanged(int themeIndex) override;
    void speedChanged(int speed) override;
    void fieldSizeChanged() override;
    void endProgram() override;
    std::unique_ptr<ProfileStore> openSettings(SettingsAccess access) override;
    FileSystem& fileSystem() override { return files; }
    FieldCorner neededCorner(int32_t fieldRows, int32_t fieldCols) const override;

  private:
    // Composes the field and the information lines and hands them to the page.
    void show();
    void composePicture();
    void placeField();
    void storeSettings();

    WebClock realClock;
    WebFileSystem files;
    FieldPicture picture;
    int tickPeriodMs = kShortestTimerMs;
    double tickTime = 0;   // ms not yet spent on ticks
    double clockTime = 0;  // ms since the last clock second
    int waits = 0;         // boxes and dialogs shown so far
    bool ended = false;
};

// Runs one of the game's dialogs in the page until the player closes it:
// true when accepted.
bool runWebDialog(GameDoor& door, DialogKind dialog);
// The chooser of the slot whose file is downloaded: the slot, or -1.
int chooseSlotToDownload(GameDoor& door);
