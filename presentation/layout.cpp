// The frame sized around the field, the children placed in it, and the
// field centred in the game view.
#include "presentation/game.h"

namespace {

// What a window's frame and borders add to its client area.
SIZE borderOf(HWND window) {
    RECT client = {};
    RECT outer = {};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    return SIZE{(outer.right - outer.left) - (client.right - client.left),
                (outer.bottom - outer.top) - (client.bottom - client.top)};
}

}  // namespace

SIZE Game::neededClientSize(int fieldRows, int fieldCols, int scale) const {
    int width = scale * (fieldCols * cellWidth + kFieldMargin);
    int height = scale * (fieldRows * cellHeight + infoAreaHeight + kFieldMargin);
    if (toolbarShown()) {
        height += toolbarHeight();
    }
    if (statusBarShown()) {
        height += StatusBar::height() + StatusBar::kHiddenRows;
    }
    return SIZE{width, height};
}

SIZE Game::neededFrameSize(int scale) const {
    const SIZE client = neededClientSize(rows, cols, scale);
    const SIZE border = borderOf(GetParent(gameWindow));
    return SIZE{client.cx + border.cx, client.cy + border.cy};
}

bool Game::zoomFits(int scale) const {
    if (scale <= kMinZoom) {
        return true;
    }
    RECT work = {};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) == 0) {
        return false;
    }
    const SIZE need = neededFrameSize(scale);
    return need.cx <= work.right - work.left && need.cy <= work.bottom - work.top;
}

int Game::fittingZoom() const {
    int fitting = zoomForDpi(screenDpi);
    while (fitting > kMinZoom && !zoomFits(fitting)) {
        --fitting;
    }
    return fitting;
}

void Game::setZoom(int wanted) {
    askForZoom(wanted);
    layout(FrameFit::kAlways);
}

void Game::onDpiChanged(int dpi) {
    screenDpi = dpi;
    setKitDpi(dpi);
    statusBar.messagePane.setFont(kitFont(), true);
    statusBar.clockPane.setFont(kitFont(), true);
    placeToolButtons();
    layout(FrameFit::kAlways);
}

// The saved games' positions are those of a view at its needed size at
// zoom 1, whatever the zoom shown.
FieldCorner Game::neededCorner(int32_t fieldRows, int32_t fieldCols) const {
    const SIZE client = neededClientSize(fieldRows, fieldCols, 1);
    const RECT view = viewPlaceIn(client.cx, client.cy);
    const SIZE border = borderOf(gameWindow);
    const POINT corner = fieldCornerIn(view.right - view.left - border.cx,
                                       view.bottom - view.top - border.cy, fieldRows, fieldCols);
    return FieldCorner{corner.x, corner.y};
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
    zoom = fittingZoom();
    updateZoomChecks();
    SIZE need = neededFrameSize();
    if (IsZoomed(frameWindow)) {
        // A maximised frame stays so; the size it is restored to follows.
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof placement;
        if (GetWindowPlacement(frameWindow, &placement)) {
            const LONG left = (desktop.right - need.cx) / 2;
            const LONG top = (desktop.bottom - need.cy) / 2;
            placement.rcNormalPosition = RECT{left, top, left + need.cx, top + need.cy};
            SetWindowPlacement(frameWindow, &placement);
        }
    } else if ((outer.right - outer.left) < need.cx || (outer.bottom - outer.top) < need.cy ||
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

RECT Game::viewPlaceIn(int clientWidth, int clientHeight) const {
    RECT view = {0, 0, clientWidth, clientHeight};
    if (toolbarShown()) {
        view.top = toolbarHeight();
    }
    if (statusBarShown()) {
        view.bottom -= StatusBar::height();
    }
    return view;
}

POINT Game::fieldCornerIn(int viewWidth, int viewHeight, int fieldRows, int fieldCols) const {
    const int fieldWidth = fieldCols * cellWidth;
    const int fieldHeight = fieldRows * cellHeight;
    return POINT{(viewWidth - fieldWidth) / 2, (viewHeight - infoAreaHeight - fieldHeight) / 2};
}

void Game::placeChildren(int clientWidth, int clientHeight) {
    if (toolbarShown()) {
        MoveWindow(toolbar.window, 0, 0, clientWidth, toolbarHeight(), TRUE);
    }
    const RECT view = viewPlaceIn(clientWidth, clientHeight);
    MoveWindow(gameWindow, view.left, view.top, view.right - view.left, view.bottom - view.top,
               TRUE);
    // The bar is arranged also while hidden, so it is in place when shown.
    if (statusBar.window != nullptr) {
        statusBar.arrange();
    }
}

void Game::centreField() {
    RECT view = {};
    GetClientRect(gameWindow, &view);
    const int fieldWidth = cols * cellWidth;
    const int fieldHeight = rows * cellHeight;
    const POINT corner = fieldCornerIn(view.right / zoom, view.bottom / zoom, rows, cols);
    const int left = corner.x;
    const int top = corner.y;
    // Balls and bars move with the field, so play goes on where it was.
    moveFieldTo(left, top, left + fieldWidth, top + fieldHeight);
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

void Game::updateZoomChecks() {
    HMENU menu = GetMenu(GetParent(gameWindow));
    for (int z = kMinZoom; z <= kMaxZoom; ++z) {
        checkViewItem(gameWindow, IDM_ZOOM_1 + z - 1, z == zoom);
        // A size the screen's work area cannot hold is greyed, so the
        // player sees why choosing it does nothing.
        if (menu != nullptr) {
            EnableMenuItem(menu, IDM_ZOOM_1 + z - 1,
                           MF_BYCOMMAND | (zoomFits(z) ? MF_ENABLED : MF_GRAYED));
        }
    }
}
