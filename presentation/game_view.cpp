// The game view: its window procedure, and the input and timer messages
// turned into game operations.
#include <new>
#include <utility>

#include "presentation/dialog_runner.h"
#include "presentation/game.h"

namespace {

// WM_DPICHANGED, which older SDK headers lack: the window is on a screen of
// another scale.
constexpr UINT kDpiChangedMessage = 0x02E0;

// The virtual-key code of a letter key is its capital letter.
constexpr WPARAM kPauseKey = 'P';

// The keys of play without a mouse; R turns the bars ("rotate").
bool playKeyOf(WPARAM key, PlayKey& playKey) {
    static constexpr std::pair<WPARAM, PlayKey> kKeys[] = {
        {VK_LEFT, PlayKey::kLeft}, {VK_RIGHT, PlayKey::kRight},  {VK_UP, PlayKey::kUp},
        {VK_DOWN, PlayKey::kDown}, {VK_SPACE, PlayKey::kLaunch}, {VK_RETURN, PlayKey::kLaunch},
        {'R', PlayKey::kSwitch},
    };
    for (const auto& [code, meaning] : kKeys) {
        if (code == key) {
            playKey = meaning;
            return true;
        }
    }
    return false;
}

}  // namespace

LRESULT CALLBACK gameViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            // Without memory for the game the view is not created; the frame
            // stays empty and can still be closed.
            theGame = new (std::nothrow) Game();
            if (theGame == nullptr) {
                return -1;
            }
            theGame->createView(window, programInstance);
            return 0;
        case WM_DESTROY:
            if (theGame != nullptr) {
                delete theGame;
                theGame = nullptr;
            }
            return 0;
        case kFatalCloseMessage: {
            // Destroying the frame destroys this view and the Game with it.
            HWND frameWindow = GetParent(window);
            DestroyWindow(frameWindow != nullptr ? frameWindow : window);
            return 0;
        }
        default:
            if (theGame != nullptr && theGame->handleMessage(message, wParam, lParam)) {
                return 0;
            }
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool Game::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            onPaint();
            return true;
        case WM_SIZE:
            onSize();
            return true;
        case WM_CLOSE:
            onClose();
            return false;
        case WM_SETCURSOR:
            onSetCursor();
            return true;
        case WM_KEYDOWN:
            onKeyDown(wParam);
            return true;
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return true;
        case WM_TIMER:
            onTimer(wParam);
            return true;
        case WM_MOUSEMOVE:
            onMouseMove(lParam);
            return true;
        case WM_LBUTTONDOWN:
            onLeftButtonDown(lParam);
            return true;
        case WM_RBUTTONDOWN:
            onRightButtonDown();
            return true;
        case kDpiChangedMessage:
            onDpiChanged(LOWORD(wParam));
            return true;
        default:
            return false;
    }
}

void Game::onPaint() {
    // Whatever changed since the last refresh joins this paint's area.
    refreshPicture();
    PAINTSTRUCT ps;
    HDC context = BeginPaint(gameWindow, &ps);
    copyPicture(context, ps.rcPaint);
    EndPaint(gameWindow, &ps);
}

void Game::onSize() {
    layout(FrameFit::kWhenTooSmall);
    InvalidateRect(gameWindow, nullptr, TRUE);
}

void Game::onClose() {
    KillTimer(gameWindow, kClockTimerId);
    KillTimer(gameWindow, kGameTimerId);
    DestroyWindow(gameWindow);
}

void Game::onSetCursor() {
    showCursor();
}

void Game::onKeyDown(WPARAM key) {
    if (key == VK_F1) {
        sendCommandToFrame(IDM_HELP);
    } else if (key == kPauseKey) {
        togglePause();
    } else if (PlayKey pressed; playKeyOf(key, pressed)) {
        playKey(pressed);
    }
}

void Game::sendCommandToFrame(int command) {
    SendMessageA(GetParent(gameWindow), WM_COMMAND, static_cast<WPARAM>(command), 0);
}

void Game::onCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
        case IDM_PAUSE:
            togglePause();
            break;
        case IDM_RESTART:
            restart();
            break;
        case IDM_DISPLAY_OPTIONS:
        case IDM_GAME_OPTIONS:
        case IDM_HELP:
            sendCommandToFrame(LOWORD(wParam));
            break;
        case IDM_TOOLBAR:
            toolbar.setVisible(!toolbar.visible);
            setBarsShown(toolbar.visible, statusBar.visible);
            updateToolbarCheck();
            layout(FrameFit::kAlways);
            saveSettings();
            break;
        case IDM_STATUS_BAR:
            statusBar.setVisible(!statusBar.visible);
            setBarsShown(toolbar.visible, statusBar.visible);
            updateStatusBarCheck();
            layout(FrameFit::kAlways);
            saveSettings();
            break;
        case IDM_ZOOM_1:
        case IDM_ZOOM_2:
        case IDM_ZOOM_3:
            setZoom(LOWORD(wParam) - IDM_ZOOM_1 + 1);
            saveSettings();
            break;
        case IDM_SAVE:
            askToSave();
            break;
        case IDM_OPEN:
            askToOpen();
            break;
        default:
            break;
    }
    onTooltipCommand(wParam, lParam);
}

void Game::onTooltipCommand(WPARAM wParam, LPARAM lParam) {
    if (wParam == static_cast<WPARAM>(TOOL_LEAVE)) {
        hideTooltip();
        return;
    }
    if (lParam == 0) {
        return;  // a menu item or an accelerator
    }
    switch (HIWORD(wParam)) {
        case TOOL_HOVER:
            showTooltipFor(reinterpret_cast<HWND>(lParam));
            break;
        case TOOL_LEAVE:
        case BN_CLICKED:
        case BN_DOUBLECLICKED:
            hideTooltip();
            break;
        default:
            break;
    }
}

void Game::showTooltipFor(HWND button) {
    holdForTip(true);
    toolTip.show(button, statusBar.messagePane.window);
}

void Game::hideTooltip() {
    if (heldForTip()) {
        holdForTip(false);
        toolTip.hide();
    }
}

void Game::onTimer(WPARAM timerId) {
    if (timerId == kClockTimerId) {
        onClockTimer();
    } else {
        onGameTimer();
    }
}

void Game::onClockTimer() {
    statusBar.updateClock();
    clockSecond();
}

void Game::onGameTimer() {
    // Only what the tick changed is shown anew.
    if (advance()) {
        refreshPicture();
    }
}

void Game::onMouseMove(LPARAM lParam) {
    hideTooltip();
    pointerAt(LOWORD(lParam), HIWORD(lParam));
}

void Game::onLeftButtonDown(LPARAM lParam) {
    // Both coordinates are unsigned 16-bit values; the model's positions
    // are the view's pixels divided by the zoom.
    launchBarsAt(LOWORD(lParam) / zoom, HIWORD(lParam) / zoom);
}

void Game::onRightButtonDown() {
    switchOrientation();
}

GameDoor* gameDoor() {
    return theGame;
}

HWND gameViewOfDoor() {
    return theGame != nullptr ? theGame->viewWindow() : nullptr;
}
