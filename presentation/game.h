// The game the player sees: the model with its window, pictures and sounds.
// One exists while the game view exists; theGame points to it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "model/game_model.h"
#include "model/level.h"
#include "persistence/settings.h"
#include "persistence/slots.h"
#include "persistence/win32_binding.h"
#include "presentation/game_options.h"
#include "presentation/process_state.h"
#include "presentation/sprite.h"
#include "presentation/system_clock.h"
#include "presentation/view_picture.h"
#include "presentation/wave_sound.h"
#include "resources/resource.h"
#include "shell/kit/status_bar.h"
#include "shell/kit/tool_button.h"
#include "shell/kit/tool_tip.h"
#include "shell/kit/window_wrapper.h"

// Where the Game keeps its settings file. The program installs
// win32SettingsFiles (the player's application data folder); while no
// provider is installed, as in tests that do not ask for one, the Game
// starts from the defaults and writes nothing.
using SettingsFilesProvider = SettingsFiles (*)(FileSystem& files);
void setSettingsFilesProvider(SettingsFilesProvider provider);

constexpr UINT_PTR kGameTimerId = 1001;
constexpr UINT_PTR kClockTimerId = 1002;
constexpr UINT kClockPeriodMs = 1000;
constexpr int kToolbarHeight = 28;
constexpr int kFieldMargin = 12;  // the frame's room around the field
constexpr int kStatusClearSeconds = 3;
constexpr int kStatusTextSize = 128;
// Every ball frame of every theme, ids IDB_BALL_FIRST to IDB_BALL_LAST.
constexpr int kBallFrameCount = IDB_BALL_LAST - IDB_BALL_FIRST + 1;
constexpr int kThemeCount = 7;
// Posted to the game view by fatalError: the frame is destroyed only once
// the model operation that failed has returned.
constexpr UINT kFatalCloseMessage = WM_APP + 1;

// The toolbar's buttons, in the order they are created; Play and Pause
// share one place and one command, and only one of them is ever shown.
enum ToolButtonIndex {
    kExitButton,
    kPlayButton,
    kPauseButton,
    kDisplayOptionsButton,
    kOpenButton,
    kSaveButton,
    kToolButtonCount
};

// The game timer's step (pixels per tick for balls and bars) and period
// for a speed: slow, normal, fast.
struct GameTimerSetting {
    int step;
    UINT periodMs;
};
GameTimerSetting gameTimerSettingFor(int speed);

// How layout treats the frame: brought to its needed size always, or only
// when it is smaller than that.
enum class FrameFit { kWhenTooSmall, kAlways };
// Whether the game timer runs already and is started anew.
enum class TimerStart { kFirst, kRestart };
// Whether a repaint of the view waits for the next paint or happens now.
enum class Repaint { kLater, kNow };

// The saved-game files see the Game as the view of their field.
class Game : public GameModel, private FieldView {
  public:
    Game();
    ~Game() override;

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

    // Boxes captioned "Zembal" that pause the game while they are open.
    bool askYesNo(HWND owner, const char* text);
    // Over the dialog that is up, if one is, else over the game view.
    void showInfo(const char* text);

    // The view: built once by the game view's creation, then driven by its
    // messages.
    void createView(HWND window, HINSTANCE moduleInstance);
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    HWND viewWindow() const { return gameWindow; }
    HINSTANCE resourceInstance() const { return instance; }
    // The period of the running game timer, in ms.
    UINT gameTimerPeriodMs() const { return gameTimerPeriod; }
    // The size the frame window needs around the field at the zoom shown.
    SIZE neededFrameSize() const { return neededFrameSize(zoom); }
    // The zoom the player asks for, 1 to 3 (anything else asks for 1): every
    // pixel of the view's picture is shown as a zoom x zoom block. The
    // largest zoom up to it whose frame fits the screen's work area is shown.
    void setZoom(int wanted);
    int zoomShown() const { return zoom; }
    // An absent bar takes no room in the layout.
    bool toolbarShown() const { return toolbar.window != nullptr && toolbar.visible; }
    bool statusBarShown() const { return statusBar.window != nullptr && statusBar.visible; }
    // The picture of the field and the information lines drawn afresh from
    // the model, into a context of the field's size plus the information
    // area: the pixels the view's kept picture must show.
    void drawScene(HDC context);

    // The options the dialogs show and change. Applying display options
    // takes effect at once (the theme's pictures, the timer's speed);
    // applying changed game options starts a new game, so the caller asks
    // the player first.
    DisplayOptions displayOptions() const;
    void applyDisplayOptions(const DisplayOptions& options);
    GameOptions gameOptions() const;
    void applyGameOptions(const GameOptions& options);

    // The saved-game slots. saveGame asks before it replaces a saved game
    // and shows "Can not save game" when the file cannot be written;
    // openGame shows "Can not open game" for a damaged file and nothing for
    // a missing one. Both take slot indices 0 to 9 only.
    const SlotTable& savedGameSlots() const { return slots; }
    bool saveGame(int slot, const char* description);
    bool openGame(int slot);

  protected:
    // Message handlers.
    void onPaint();
    void onSize();
    void onClose();
    void onSetCursor();
    void onKeyDown(WPARAM key);
    void onCommand(WPARAM wParam, LPARAM lParam);
    void onTooltipCommand(WPARAM wParam, LPARAM lParam);
    void onTimer(WPARAM timerId);
    void onClockTimer();
    void onGameTimer();
    void onMouseMove();
    void onLeftButtonDown(LPARAM lParam);
    void onRightButtonDown();
    void onRestart();
    void onSaveCommand();
    void onOpenCommand();
    void sendCommandToFrame(int command);
    HWND boxOwner() const;

    // Building the view.
    void createBars();
    void createToolbar(HWND frameWindow);
    void measureText();
    void showPauseButton(bool pausedNow);
    void showTooltipFor(HWND button);
    void hideTooltip();
    void updateToolbarCheck();
    void updateStatusBarCheck();
    void updateZoomChecks();

    // Layout: the frame sized around the field, the children placed, the
    // field centred.
    void layout(FrameFit fit);
    void setFieldSize(int newRows, int newCols);
    // The frame's client area at its needed size for a field of that size,
    // the game view's part of it `scale` times as wide and high.
    SIZE neededClientSize(int fieldRows, int fieldCols, int scale) const;
    SIZE neededFrameSize(int scale) const;
    // Whether the frame at that zoom fits the screen's work area.
    bool zoomFits(int scale) const;
    // The largest zoom up to the one wanted whose frame fits the work area.
    int fittingZoom() const;
    // The game view's place in the frame's client area.
    RECT viewPlaceIn(int clientWidth, int clientHeight) const;
    // The corner of a field of that size centred in a view client area.
    POINT fieldCornerIn(int viewWidth, int viewHeight, int fieldRows, int fieldCols) const;
    FieldCorner neededCorner(int32_t fieldRows, int32_t fieldCols) const override;
    void recomputeGeometry() override;
    void placeChildren(int clientWidth, int clientHeight);
    void centreField();
    void startGameTimer(TimerStart start);
    void invalidateView(Repaint when);

    // The view's kept picture. refreshPicture brings it up to the model
    // and tells the view which parts to show anew; paint does that and
    // copies the whole picture to zoom times (fieldLeft, fieldTop) of the
    // context. The model's positions are the view's client pixels divided
    // by the zoom.
    void paint(HDC paintContext);
    void refreshPicture();
    void lookNow(StillLook& still, MovingLook& moving);
    void composePicture(const MovingLook& moving, const RECT& part);
    // Copies the part of the picture inside `area`, in client pixels.
    void copyPicture(HDC target, const RECT& area);

    // Rendering: the parts of the picture, in field pixels.
    void drawStill(HDC context, int width, int height);
    void drawGrid(HDC context, int width, int height);
    void drawWalls(HDC context);
    // What a bar covers while it grows; empty when it is not drawn.
    RECT barBox(const Bar& bar) const;
    void drawBars(HDC context);
    // The frame every ball shows; null when none can be drawn.
    Sprite* ballFrame();
    void drawBalls(HDC context);
    void formatInformation(InfoTexts& info) const;
    void drawInformation(HDC context, const InfoTexts& info, int width, int height);

    // Sprites, themes and sounds.
    void loadFrames();
    void applyTheme(int index);
    void createThemeBrushes();
    void deleteThemeBrushes();
    void loadSounds();
    // Plays the sound when the sound option is on.
    void playSound(const WaveSound& sound) const;

    // The settings file: read once in the constructor; written whole in the
    // destructor and after every saved game, Wall of Fame entry and change
    // of options, so none is lost if the run ends badly. The bars' keys are
    // read while the view is built.
    void loadSettings();
    void saveSettings();
    // "Statusbar" or "Toolbar" of the settings file: shown or hidden.
    bool readBarSetting(const char* key);

    SlotTable slots;
    // Beside the program, and the player's own for when that one cannot be
    // written.
    char savedGamesFolder[kPathBufferSize] = {};
    char perUserGamesFolder[kPathBufferSize] = {};
    SlotFolders slotFolders() const { return SlotFolders(savedGamesFolder, perUserGamesFolder); }
    Win32FileSystem fileSystem;
    // Empty paths while no settings provider is installed.
    SettingsFiles settingsFiles;

    Level ownLevel;
    SystemClock realClock;

    HWND gameWindow = nullptr;
    HINSTANCE instance = nullptr;
    HCURSOR cursors[2] = {};
    UINT gameTimerPeriod = 0;
    bool tooltipShown = false;
    bool statusPending = false;
    int32_t statusShownAt = 0;
    // The last text given to showStatus, as the message pane shows it.
    char statusText[kStatusTextSize] = {};

    // The toolbar panel with its buttons, the tooltip and the status bar;
    // their windows are built by createView, and each wrapper's visible flag
    // says whether the player wants the bar.
    StatusBar statusBar;
    WindowWrapper toolbar;
    ToolButton toolButtons[kToolButtonCount];
    ToolTip toolTip;

    Sprite frames[kBallFrameCount];
    Sprite* currentFrames = frames;
    int32_t themeIndex = 0;
    COLORREF fieldColour = 0, wallColour = 0, firstBarColour = 0, secondBarColour = 0;
    HBRUSH fieldBrush = nullptr, wallBrush = nullptr;
    HBRUSH firstBarBrush = nullptr, secondBarBrush = nullptr;
    bool brushesCreated = false;

    ViewPicture viewPicture;
    int32_t zoomWanted = 1;  // as the settings file keeps it
    int zoom = 1;            // as the view shows it

    WaveSound levelStartSound, levelDoneSound, clickSound, lifeLostSound;
    bool soundOn = true;
};

// The game view's window procedure (class "ZEMBAL_WINDOW").
LRESULT CALLBACK gameViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline constexpr const char* kGameViewClassName = "ZEMBAL_WINDOW";
// Registers "ZEMBAL_WINDOW"; harmless when it exists already.
void registerGameViewClass(HINSTANCE instance);
