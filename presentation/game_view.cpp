// The game view: its window procedure, and the input and timer messages
// turned into game operations.
#include <new>

#include "presentation/dialog_runner.h"
#include "presentation/game.h"
#include "presentation/texts.h"

namespace {

// The virtual-key code of a letter key is its capital letter.
constexpr WPARAM kPauseKey = 'P';

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
            onMouseMove();
            return true;
        case WM_LBUTTONDOWN:
            onLeftButtonDown(lParam);
            return true;
        case WM_RBUTTONDOWN:
            onRightButtonDown();
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
    SetCursor(cursors[horizontalBars != 0 ? 1 : 0]);
}

void Game::onKeyDown(WPARAM key) {
    if (key == VK_F1) {
        sendCommandToFrame(IDM_HELP);
    } else if (key == kPauseKey) {
        togglePause();
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
            onRestart();
            break;
        case IDM_DISPLAY_OPTIONS:
        case IDM_GAME_OPTIONS:
        case IDM_HELP:
            sendCommandToFrame(LOWORD(wParam));
            break;
        case IDM_TOOLBAR:
            toolbar.setVisible(!toolbar.visible);
            updateToolbarCheck();
            layout(FrameFit::kAlways);
            break;
        case IDM_STATUS_BAR:
            statusBar.setVisible(!statusBar.visible);
            updateStatusBarCheck();
            layout(FrameFit::kAlways);
            break;
        case IDM_ZOOM_1:
        case IDM_ZOOM_2:
        case IDM_ZOOM_3:
            setZoom(LOWORD(wParam) - IDM_ZOOM_1 + 1);
            break;
        case IDM_SAVE:
            onSaveCommand();
            break;
        case IDM_OPEN:
            onOpenCommand();
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
    tooltipShown = true;
    toolTip.show(button, statusBar.messagePane.window);
}

void Game::hideTooltip() {
    if (tooltipShown) {
        tooltipShown = false;
        toolTip.hide();
    }
}

void Game::onRestart() {
    if (gameRunning == 1) {
        if (askYesNo(gameWindow, texts::kStopCurrentGame)) {
            newGame();
        }
    } else {
        newGame();
    }
}

void Game::onSaveCommand() {
    if (gameRunning == 1) {
        openDialog(IDD_SAVE_GAME);
    } else {
        showMessage(texts::kCanNotSaveFinished);
    }
}

void Game::onOpenCommand() {
    if (!hasSavedGames(slots)) {
        showMessage(texts::kNoSavedGames);
    } else if (gameRunning == 1) {
        if (askYesNo(gameWindow, texts::kStopCurrentGame)) {
            openDialog(IDD_OPEN_GAME);
        }
    } else {
        openDialog(IDD_OPEN_GAME);
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
    if (!tooltipShown && statusPending) {
        int seconds = clockDifference(clock().nowMs(), statusShownAt) / 1000;
        if (seconds >= kStatusClearSeconds) {
            showStatus("");
        }
    }
}

void Game::onGameTimer() {
    if (tooltipShown) {
        return;  // the game holds still while a tool button's tip is shown
    }
    tick();
    // Only what the tick changed is shown anew.
    refreshPicture();
}

void Game::onMouseMove() {
    hideTooltip();
}

void Game::onLeftButtonDown(LPARAM lParam) {
    if (gameRunning != 1 || paused != 0) {
        return;
    }
    playSound(clickSound);
    // Both coordinates are unsigned 16-bit values; the model's positions
    // are the view's pixels divided by the zoom.
    shoot(LOWORD(lParam) / zoom, HIWORD(lParam) / zoom);
}

void Game::onRightButtonDown() {
    playSound(clickSound);
    horizontalBars = 1 - horizontalBars;
    SetCursor(cursors[horizontalBars != 0 ? 1 : 0]);
}
