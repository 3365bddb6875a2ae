// The game the player sees on Windows: the game's decisions with its
// window, pictures, timers and sounds. One exists while the game view
// exists; theGame points to it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/game_core.h"
#include "core/themes.h"
#include "persistence/settings.h"
#include "persistence/win32_binding.h"
#include "presentation/game_door.h"
#include "presentation/process_state.h"
#include "presentation/sprite.h"
#include "presentation/system_clock.h"
#include "presentation/view_picture.h"
#include "presentation/wave_sound.h"
#include "resources/resource.h"
#include "shell/kit/kit_scale.h"
#include "shell/kit/status_bar.h"
#include "shell/kit/tool_button.h"
#include "shell/kit/tool_tip.h"
#include "shell/kit/window_wrapper.h"

constexpr UINT_PTR kGameTimerId = 1001;
constexpr UINT_PTR kClockTimerId = 1002;
constexpr UINT kClockPeriodMs = 1000;
constexpr int kToolbarHeightAt96Dpi = 28;
constexpr int kFieldMargin = 12;  // the frame's room around the field
// Every ball frame of every theme, ids IDB_BALL_FIRST to IDB_BALL_LAST.
constexpr int kBallFrameCount = IDB_BALL_LAST - IDB_BALL_FIRST + 1;
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

// How layout treats the frame: brought to its needed size always, or only
// when it is smaller than that.
enum class FrameFit { kWhenTooSmall, kAlways };
// Whether a repaint of the view waits for the next paint or happens now.
enum class Repaint { kLater, kNow };

// The front end the game's decisions are shown through is the Game itself.
class Game : private FrontEnd, public GameCore {
  public:
    Game();
    ~Game() override;

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
    // The screen's dots per inch, as the view last heard them.
    int screenDpiShown() const { return screenDpi; }
    int toolbarHeight() const { return kitPixels(kToolbarHeightAt96Dpi); }
    // An absent bar takes no room in the layout.
    bool toolbarShown() const { return toolbar.window != nullptr && toolbar.visible; }
    bool statusBarShown() const { return statusBar.window != nullptr && statusBar.visible; }
    // The picture of the field and the information lines drawn afresh from
    // the model, into a context of the field's size plus the information
    // area: the pixels the view's kept picture must show.
    void drawScene(HDC context);

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
    // A box belongs to the innermost dialog on screen, else to the view.
    HWND boxOwner() const;

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
    void onMouseMove(LPARAM lParam);
    void onLeftButtonDown(LPARAM lParam);
    void onRightButtonDown();
    // The window is on a screen of another scale: the kit's sizes, the
    // toolbar and, unless the player chose one, the zoom follow it.
    void onDpiChanged(int dpi);
    void sendCommandToFrame(int command);

    // Building the view.
    void createBars();
    void createToolbar(HWND frameWindow);
    // The buttons at their places and icon size for the screen's scale.
    void placeToolButtons();
    void measureText();
    void showPauseButton(bool pausedNow);
    void showTooltipFor(HWND button);
    void hideTooltip();
    void updateToolbarCheck();
    void updateStatusBarCheck();
    void updateZoomChecks();
    void showCursor();

    // Layout: the frame sized around the field, the children placed, the
    // field centred.
    void layout(FrameFit fit);
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
    void placeChildren(int clientWidth, int clientHeight);
    void centreField();
    void startGameTimer();
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
    // The same frame as the platform-free code draws it; null with ballFrame.
    const BallImage* shownBallImage();
    void drawBalls(HDC context);
    void drawInformation(HDC context, const InfoTexts& info, int width, int height);

    // Sprites, themes and sounds.
    void loadFrames();
    void applyTheme(int index);
    void createThemeBrushes();
    void deleteThemeBrushes();
    void loadSounds();

    Win32FileSystem files;
    // Empty paths while no settings provider is installed.
    SettingsFiles settingsFiles;

    SystemClock realClock;

    HWND gameWindow = nullptr;
    HINSTANCE instance = nullptr;
    HCURSOR cursors[2] = {};
    UINT gameTimerPeriod = 0;

    // The toolbar panel with its buttons, the tooltip and the status bar;
    // their windows are built by createView, and each wrapper's visible flag
    // says whether the player wants the bar.
    StatusBar statusBar;
    WindowWrapper toolbar;
    ToolButton toolButtons[kToolButtonCount];
    ToolTip toolTip;

    Sprite frames[kBallFrameCount];
    Sprite* currentFrames = frames;
    COLORREF fieldColour = 0, wallColour = 0, firstBarColour = 0, secondBarColour = 0;
    HBRUSH fieldBrush = nullptr, wallBrush = nullptr;
    HBRUSH firstBarBrush = nullptr, secondBarBrush = nullptr;
    bool brushesCreated = false;

    ViewPicture viewPicture;
    int zoom = 1;  // as the view shows it
    int screenDpi = kPlainDpi;

    WaveSound levelStartSound, levelDoneSound, clickSound, lifeLostSound;
};

// The game view's window procedure (class "ZEMBAL_WINDOW").
LRESULT CALLBACK gameViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
