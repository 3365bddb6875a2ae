// The frame is sized around the field and the shown bars and centred on the
// desktop, the field centred in the game view above the information area,
// and balls and bars move along with the field. Taking a bar away fits the
// frame exactly, also after the player made it larger or maximised it.
#include <algorithm>
#include <cstdlib>

#include "tests/win/support/game_fixture.h"

namespace {

struct LayoutCase {
    const char* name;
    void (*act)(HWND frame, Game& game);
    int frameWidth, frameHeight;  // 0: the needed size
    bool toolbar, statusBar;
    int rows, cols, goal;
};

class LayoutTest : public GameTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutTest, FrameFitsTheFieldAndTheFieldIsCentred) {
    const LayoutCase& c = GetParam();
    toView(WM_LBUTTONDOWN, 0, cellPoint(1, 2));
    const Ball& ball = level().balls[0];
    const Bar& bar = level().bars[0];
    auto offsets = [&] {
        return std::vector<LONG>{ball.X - field().left, ball.Y - field().top,
                                 bar.XSTART - field().left, bar.YEND - field().top};
    };
    const std::vector<LONG> before = offsets();
    c.act(frame, game());
    RECT outer, client, desktop, inFrame, inside;
    GetWindowRect(frame, &outer);
    GetClientRect(frame, &client);
    GetClientRect(GetDesktopWindow(), &desktop);
    const int w =
        c.frameWidth ? c.frameWidth : c.cols * 14 + outer.right - outer.left - client.right + 12;
    const int h = c.frameHeight
                      ? c.frameHeight
                      : c.rows * 14 + outer.bottom - outer.top - client.bottom + infoAreaHeight +
                            12 + (c.toolbar ? 28 : 0) + (c.statusBar ? 23 : 0);
    const LONG x = c.frameWidth ? 5 : (desktop.right - w) / 2,
               y = c.frameWidth ? 5 : (desktop.bottom - h) / 2;
    EXPECT_EQ((std::vector<LONG>{outer.left, outer.top, outer.right - outer.left,
                                 outer.bottom - outer.top}),
              (std::vector<LONG>{x, y, w, h}));
    HMENU viewMenu = GetSubMenu(GetMenu(frame), 1);
    EXPECT_EQ(
        GetMenuState(viewMenu, IDM_TOOLBAR, 0) + 2 * GetMenuState(viewMenu, IDM_STATUS_BAR, 0),
        (c.toolbar + 2u * c.statusBar) * MF_CHECKED);
    // The view fills the frame's client area between the bars, the field
    // in its middle above the information area.
    GetWindowRect(view, &inFrame);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&inFrame), 2);
    GetClientRect(view, &inside);
    const LONG left = (inside.right - c.cols * 14) / 2;
    const LONG top = (inside.bottom - infoAreaHeight - c.rows * 14) / 2;
    EXPECT_EQ((std::vector<LONG>{inFrame.left, inFrame.top, inFrame.right, inFrame.bottom,
                                 field().left, field().top, field().right, field().bottom}),
              (std::vector<LONG>{0, c.toolbar ? 28 : 0, client.right,
                                 client.bottom - (c.statusBar ? 21 : 0), left, top,
                                 left + c.cols * 14, top + c.rows * 14}));
    EXPECT_EQ(offsets(), before);
    EXPECT_EQ(fieldChoice(), joined({75, c.rows, c.cols, c.goal}));
}

void enlarge(HWND frame) {
    MoveWindow(frame, 5, 5, 900, 700, TRUE);
}

const LayoutCase kCases[] = {
    {"AsCreated", [](HWND, Game&) {}, 0, 0, true, true, 20, 30, 450},
    {"Enlarged", [](HWND f, Game&) { enlarge(f); }, 900, 700, true, true, 20, 30, 450},
    {"TooSmall", [](HWND f, Game&) { MoveWindow(f, 5, 5, 300, 200, TRUE); }, 0, 0, 1, 1, 20, 30,
     450},
    {"Restored", [](HWND f, Game&) { ShowWindow(f, SW_MINIMIZE), ShowWindow(f, SW_RESTORE); }, 0, 0,
     1, 1, 20, 30, 450},
    {"NewFieldSize", [](HWND, Game& g) { GameTest::resizeField(g, 30, 40); }, 0, 0, true, true, 30,
     40, 900},
    {"NoToolbar", [](HWND f, Game&) { enlarge(f), SendMessageA(f, WM_COMMAND, IDM_TOOLBAR, 0); }, 0,
     0, 0, 1, 20, 30, 450},
    {"NoStatusBar",
     [](HWND f, Game&) { enlarge(f), SendMessageA(f, WM_COMMAND, IDM_STATUS_BAR, 0); }, 0, 0, 1, 0,
     20, 30, 450},
    {"MaximisedNoToolbar",  // through the system menu
     [](HWND f, Game&) {
         SendMessageA(f, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
         SendMessageA(f, WM_COMMAND, IDM_TOOLBAR, 0);
         EXPECT_TRUE(IsZoomed(f));  // it stays so; Restore gives the size it needs
         SendMessageA(f, WM_SYSCOMMAND, SC_RESTORE, 0);
     },
     0, 0, 0, 1, 20, 30, 450},
};

INSTANTIATE_TEST_SUITE_P(Changes, LayoutTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

// The view's part of the frame grows by the zoom, the bars stay as they are,
// and only the zoom shown is checked. A zoom whose frame does not fit the
// 1024 x 768 screen falls back to the largest that fits, and is greyed in
// the menu; the settings keep the zoom asked for.
TEST_F(GameTest, FrameGrowsByTheLargestZoomThatFitsTheScreen) {
    // The View menu's three sizes: x checked, - greyed, . neither.
    for (const auto& [wanted, rows, cols, shown, kept, menu] :
         {std::tuple{2, 15, 20, 2, "2", ".x-"},
          {3, 15, 20, 2, "3", ".x-"},
          {2, 25, 35, 1, "2", "x--"},
          {0, 15, 20, 1, "1", "x.-"},
          {4, 15, 20, 1, "1", "x.-"}}) {
        resizeField(game(), rows, cols);
        game().setZoom(wanted);
        RECT client;
        GetClientRect(frame, &client);
        HMENU viewMenu = GetSubMenu(GetMenu(frame), 1);
        std::string items;
        for (UINT item : {IDM_ZOOM_1, IDM_ZOOM_2, IDM_ZOOM_3}) {
            const UINT state = GetMenuState(viewMenu, item, MF_BYCOMMAND);
            items += (state & MF_CHECKED) ? 'x' : (state & MF_GRAYED) ? '-' : '.';
        }
        EXPECT_EQ((std::vector<LONG>{game().zoomShown(), client.right, client.bottom}),
                  (std::vector<LONG>{shown, shown * (cols * 14 + 12),
                                     shown * (rows * 14 + infoAreaHeight + 12) + 28 + 23}))
            << wanted << " " << rows;
        EXPECT_EQ(items, menu) << wanted << " " << rows;
        endGame();
        EXPECT_EQ(setting("General", "Zoom"), kept);
        startGame();
    }
}

// Until the player picks a zoom in View the screen's scale gives it, and the
// toolbar, its buttons and the status bar grow with the screen, at the start
// (the run at 192 dpi starts on that row) and on a move to a screen of
// another scale.
TEST_F(GameTest, TheScreensScaleSizesTheFieldAndTheBarsUntilAZoomIsChosen) {
    const std::vector<int> scales[] = {// dpi, zoom, toolbar, button, status bar
                                       {96, 1, 28, 24, 21},
                                       {120, 1, 35, 30, 26},
                                       {144, 2, 42, 36, 32},
                                       {192, 2, 56, 48, 42}};
    RECT screen = {}, large = {0, 0, 4000, 4000}, button, place, client;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &large, 0);
    endGame();
    startGame();
    const auto shown = [&](int dpi) {
        GetWindowRect(toolButton("Exit"), &button);
        GetWindowRect(view, &place);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
        GetClientRect(frame, &client);
        return std::vector<int>{dpi, game().zoomShown(), static_cast<int>(place.top),
                                button.right - button.left, client.bottom - place.bottom};
    };
    const int startDpi = game().screenDpiShown();
    if (const char* runAt = std::getenv("ZEMBAL_SCREEN_DPI")) {
        EXPECT_EQ(startDpi, std::atoi(runAt));
    }
    EXPECT_EQ(shown(startDpi), *std::find_if(std::begin(scales), std::end(scales) - 1,
                                             [&](const auto& s) { return s[0] == startDpi; }));
    for (const std::vector<int>& scale : scales) {
        SendMessageA(frame, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(scale[0], scale[0]), 0);
        EXPECT_EQ(shown(scale[0]), scale);
    }
    game().setZoom(1);  // chosen: it stays on every screen
    SendMessageA(frame, 0x02E0, MAKEWPARAM(144, 144), 0);
    EXPECT_EQ(game().zoomShown(), 1);
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &screen, 0);
}

}  // namespace
