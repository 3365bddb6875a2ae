// Building the game view around a new Game: its class, its bars and
// toolbar, the text metrics, the pictures and sounds, and the game timer.
#include "presentation/game.h"
#include "core/texts.h"
#include "persistence/settings.h"
#include "shell/kit/kit_classes.h"

void registerGameViewClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = 0;
    windowClass.lpfnWndProc = gameViewProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_MENU);
    windowClass.lpszClassName = kGameViewClassName;
    RegisterClassExA(&windowClass);
}

void Game::createView(HWND window, HINSTANCE moduleInstance) {
    gameWindow = window;
    instance = moduleInstance;
    SetTimer(gameWindow, kClockTimerId, kClockPeriodMs, nullptr);
    createBars();
    cursors[0] = LoadCursorA(nullptr, IDC_SIZENS);
    cursors[1] = LoadCursorA(nullptr, IDC_SIZEWE);
    measureText();
    loadFrames();
    loadSounds();
    updateToolbarCheck();
    updateStatusBarCheck();
    layout(FrameFit::kAlways);
    applyTheme(themeIndex);
    applySpeed();
    statusBar.updateClock();
    newGame();
}

void Game::createBars() {
    registerKitClasses(instance);
    toolTip.create(gameWindow);
    HWND frameWindow = GetParent(gameWindow);
    // A hidden bar is created hidden, so it never flashes up.
    statusBar.visible = readBarSetting(kStatusbarKey);
    statusBar.create(kPanelClassName, "", WS_CHILD, 0, 0, 1, 1, frameWindow, 0, instance, 0);
    toolbar.visible = readBarSetting(kToolbarKey);
    setBarsShown(toolbar.visible, statusBar.visible);
    createToolbar(frameWindow);
}

void Game::createToolbar(HWND frameWindow) {
    struct ToolButtonPlace {
        const char* text;
        int icon;
        int x;
        int command;
    };
    static constexpr ToolButtonPlace kButtons[kToolButtonCount] = {
        {texts::kExitTool, IDI_TOOL_EXIT, 0, IDM_EXIT},
        {texts::kPlayTool, IDI_TOOL_PLAY, 24, IDM_PAUSE},
        {texts::kPauseTool, IDI_TOOL_PAUSE, 24, IDM_PAUSE},
        {texts::kDisplayOptionsTool, IDI_TOOL_DISPLAY_OPTIONS, 48, IDM_DISPLAY_OPTIONS},
        {texts::kOpenTool, IDI_TOOL_OPEN, 74, IDM_OPEN},
        {texts::kSaveTool, IDI_TOOL_SAVE, 98, IDM_SAVE},
    };
    constexpr int kButtonTop = 1;
    constexpr int kButtonSize = 24;
    constexpr int kIconSize = 16;
    constexpr int kInitialToolbarWidth = 50;
    toolbar.edgeKind = EdgeKind::kStatic;
    toolbar.create(kPanelClassName, "", WS_CHILD, 0, 0, kInitialToolbarWidth, kToolbarHeight,
                   frameWindow, 0, instance, 0);
    toolButtons[kPlayButton].visible = false;  // the game starts running
    for (int i = 0; i < kToolButtonCount; ++i) {
        const ToolButtonPlace& place = kButtons[i];
        toolButtons[i].setImage(MAKEINTRESOURCEA(place.icon), kIconSize);
        toolButtons[i].create(&toolbar, place.text, place.x, kButtonTop, kButtonSize, kButtonSize,
                              place.command);
    }
}

void Game::measureText() {
    HDC context = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = SelectObject(context, GetStockObject(ANSI_VAR_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(context, &metrics);
    SelectObject(context, oldFont);
    DeleteDC(context);
    textLineHeight = metrics.tmHeight;
    infoAreaHeight = 3 * textLineHeight;
}

void Game::startGameTimer() {
    KillTimer(gameWindow, kGameTimerId);
    gameTimerPeriod = static_cast<UINT>(gameTimerSettingFor(level->SPEED).periodMs);
    SetTimer(gameWindow, kGameTimerId, gameTimerPeriod, nullptr);
}
