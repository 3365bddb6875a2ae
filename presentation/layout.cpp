// The frame sized around the field, the children placed in it, and the
// field centred in the game view.
#include "presentation/game.h"

SIZE Game::neededFrameSize() const {
    HWND frameWindow = GetParent(gameWindow);
    RECT client = {};
    RECT outer = {};
    GetClientRect(frameWindow, &client);
    GetWindowRect(frameWindow, &outer);
    int fieldWidth = cols * cellWidth;
    int fieldHeight = rows * cellHeight;
    int width =
        fieldWidth + ((outer.right - outer.left) - (client.right - client.left)) + kFieldMargin;
    int height = fieldHeight + ((outer.bottom - outer.top) - (client.bottom - client.top)) +
                 infoAreaHeight + kFieldMargin;
    if (toolbarShown()) {
        height += kToolbarHeight;
    }
    if (statusBarShown()) {
        height += StatusBar::kHeight + 2;
    }
    return SIZE{width, height};
}

void Game::layout(FrameFit fit) {
    HWND frameWindow = GetParent(gameWindow);
    if (frameWindow == nullptr) {
        return;
    }
    RECT desktop = {};
    GetClientRect(GetDesktopWindow(), &desktop);
    RECT client = {};
    RECT outer = {};
    GetClientRect(frameWindow, &client);
    GetWindowRect(frameWindow, &outer);
    SIZE need = neededFrameSize();
    if ((outer.right - outer.left) < need.cx || (outer.bottom - outer.top) < need.cy ||
        fit == FrameFit::kAlways) {
        // Moving the frame lays the children out for the new size through
        // its size message before this pass goes on with the sizes read above.
        MoveWindow(frameWindow, (desktop.right - need.cx) / 2, (desktop.bottom - need.cy) / 2,
                   need.cx, need.cy, TRUE);
    }
    placeChildren(client.right - client.left, client.bottom - client.top);
    centreField();
    invalidateView(Repaint::kLater);
}

void Game::placeChildren(int clientWidth, int clientHeight) {
    int viewTop = 0;
    int viewHeight = clientHeight;
    if (toolbarShown()) {
        MoveWindow(toolbar.window, 0, 0, clientWidth, kToolbarHeight, TRUE);
        viewTop = kToolbarHeight;
        viewHeight -= kToolbarHeight;
    }
    if (statusBarShown()) {
        viewHeight -= StatusBar::kHeight;
    }
    MoveWindow(gameWindow, 0, viewTop, clientWidth, viewHeight, TRUE);
    // The bar is arranged also while hidden, so it is in place when shown.
    if (statusBar.window != nullptr) {
        statusBar.arrange();
    }
}

void Game::centreField() {
    RECT view = {};
    GetClientRect(gameWindow, &view);
    int fieldWidth = cols * cellWidth;
    int fieldHeight = rows * cellHeight;
    int left = (view.right - fieldWidth) / 2;
    int top = (view.bottom - infoAreaHeight - fieldHeight) / 2;
    // Balls and bars move with the field, so play goes on where it was.
    moveFieldTo(left, top, left + fieldWidth, top + fieldHeight);
}

void Game::setFieldSize(int newRows, int newCols) {
    if (newRows == rows && newCols == cols) {
        return;
    }
    if (newRows > 0) {
        rows = newRows;
    }
    if (newCols > 0) {
        cols = newCols;
    }
    fieldRight = fieldLeft + cols * kCellPixels;
    fieldBottom = fieldTop + rows * kCellPixels;
    if (gameWindow != nullptr) {
        layout(FrameFit::kAlways);
    }
    computeCellsToComplete();
}

void Game::invalidateView(Repaint when) {
    if (gameWindow == nullptr) {
        return;
    }
    if (when == Repaint::kNow) {
        InvalidateRect(gameWindow, nullptr, TRUE);
        UpdateWindow(gameWindow);
    } else {
        InvalidateRect(gameWindow, nullptr, FALSE);
    }
}

namespace {
constexpr int kViewMenuIndex = 1;

void checkViewItem(HWND gameWindow, UINT command, bool shown) {
    HMENU menu = GetMenu(GetParent(gameWindow));
    if (menu == nullptr) {
        return;
    }
    CheckMenuItem(GetSubMenu(menu, kViewMenuIndex), command,
                  MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
}
}  // namespace

void Game::updateToolbarCheck() {
    checkViewItem(gameWindow, IDM_TOOLBAR, toolbarShown());
}

void Game::updateStatusBarCheck() {
    checkViewItem(gameWindow, IDM_STATUS_BAR, statusBarShown());
}
