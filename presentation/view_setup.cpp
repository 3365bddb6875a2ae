// Building the game view around a new Game: its class, its bars and
// toolbar, the text metrics, the pictures and sounds, and the game timer.
#include "presentation/game.h"
#include "core/texts.h"
#include "persistence/settings.h"
#include "shell/kit/kit_classes.h"

namespace {

// The dots per inch of the screen the window is on: per monitor where the
// system tells it, else the system's.
int dpiOf(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow != nullptr) {
        return static_cast<int>(dpiForWindow(window));
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The toolbar's buttons, placed for a screen of 96 dpi.
struct ToolButtonPlace {
    const char* text;
    int icon;
    int x;
    int command;
};
constexpr ToolButtonPlace kButtons[kToolButtonCount] = {
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

}  // namespace

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
    screenDpi = dpiOf(gameWindow);
    setKitDpi(screenDpi);
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
    constexpr int kInitialToolbarWidth = 50;
    toolbar.edgeKind = EdgeKind::kStatic;
    toolbar.create(kPanelClassName, "", WS_CHILD, 0, 0, kInitialToolbarWidth, toolbarHeight(),
                   frameWindow, 0, instance, 0);
    toolButtons[kPlayButton].visible = false;  // the game starts running
    for (int i = 0; i < kToolButtonCount; ++i) {
        const ToolButtonPlace& place = kButtons[i];
        toolButtons[i].setImage(MAKEINTRESOURCEA(place.icon), kitPixels(kIconSize));
        toolButtons[i].create(&toolbar, place.text, kitPixels(place.x), kitPixels(kButtonTop),
                              kitPixels(kButtonSize), kitPixels(kButtonSize), place.command);
    }
}

void Game::placeToolButtons() {
    const int size = kitPixels(kIconSize);
    for (int i = 0; i < kToolButtonCount; ++i) {
        HWND button = toolButtons[i].window;
        if (button == nullptr) {
            continue;
        }
        MoveWindow(button, kitPixels(kButtons[i].x), kitPixels(kButtonTop), kitPixels(kButtonSize),
                   kitPixels(kButtonSize), TRUE);
        HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(kButtons[i].icon), IMAGE_ICON, size,
                                 size, LR_DEFAULTCOLOR);
        HANDLE old = reinterpret_cast<HANDLE>(
            SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
        if (old != nullptr) {
            DestroyIcon(static_cast<HICON>(old));
        }
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
