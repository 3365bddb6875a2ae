// The frame is sized around the field, the field centred in the view, and
// balls and bars move along with the field.
#include "tests/win/presentation/presentation_fixture.h"

namespace {

RECT windowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

RECT clientRect(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

struct LayoutCase {
    const char* name;
    void (*act)(HWND frame, Game& game);
    int frameWidth, frameHeight;  // 0: the needed size, centred on the desktop
    int rows, cols, goal;
};

class LayoutTest : public ViewFixture, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutTest, FrameSizeFieldCentringAndPiecesFollowingTheField) {
    Game& g = game();
    ASSERT_EQ(infoAreaHeight, 3 * textLineHeight);
    SendMessageA(view, WM_LBUTTONDOWN, 0, cellPoint(1, 2));
    ASSERT_EQ(g.level->bars[0].ACTIVE, 0);
    auto offsets = [&g] {
        const Ball& ball = g.level->balls[0];
        const Bar& bar = g.level->bars[0];
        return std::vector<int>{ball.X - g.fieldLeft, ball.Y - g.fieldTop, bar.XSTART - g.fieldLeft,
                                bar.YEND - g.fieldTop};
    };
    std::vector<int> before = offsets();

    GetParam().act(frame, g);

    const LayoutCase& c = GetParam();
    RECT r = windowRect(frame);
    RECT frameClient = clientRect(frame);
    int bars = (g.toolbarShown() ? 28 : 0) + (g.statusBarShown() ? 21 : 0);
    if (c.frameWidth == 0) {
        int borderW = (r.right - r.left) - frameClient.right;
        int borderH = (r.bottom - r.top) - frameClient.bottom;
        int needW = c.cols * 14 + borderW + 12;
        int needH =
            c.rows * 14 + borderH + infoAreaHeight + 12 + bars + (g.statusBarShown() ? 2 : 0);
        RECT desktop = clientRect(GetDesktopWindow());
        EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top}),
                  (std::vector<LONG>{(desktop.right - needW) / 2, (desktop.bottom - needH) / 2,
                                     needW, needH}));
    } else {
        EXPECT_EQ((std::vector<LONG>{r.right - r.left, r.bottom - r.top}),
                  (std::vector<LONG>{c.frameWidth, c.frameHeight}));
    }
    // The view fills the frame's client area between the bars, and the
    // field sits in its middle above the information area.
    RECT viewRect = windowRect(view);
    EXPECT_EQ(viewRect.right - viewRect.left, frameClient.right);
    EXPECT_EQ(viewRect.bottom - viewRect.top, frameClient.bottom - bars);
    RECT client = clientRect(view);
    int left = (client.right - c.cols * 14) / 2;
    int top = (client.bottom - infoAreaHeight - c.rows * 14) / 2;
    EXPECT_EQ((std::vector<int>{g.fieldLeft, g.fieldTop, g.fieldRight, g.fieldBottom}),
              (std::vector<int>{left, top, left + c.cols * 14, top + c.rows * 14}));
    EXPECT_EQ(offsets(), before);
    EXPECT_EQ((std::vector<int>{g.rows, g.cols, g.cellsToComplete}),
              (std::vector<int>{c.rows, c.cols, c.goal}));
}

const LayoutCase kCases[] = {
    {"AsCreated", [](HWND, Game&) {}, 0, 0, 20, 30, 450},
    {"Enlarged", [](HWND f, Game&) { MoveWindow(f, 5, 5, 900, 700, TRUE); }, 900, 700, 20, 30, 450},
    {"ForcedAfterEnlarging",
     [](HWND f, Game& g) {
         MoveWindow(f, 5, 5, 900, 700, TRUE);
         g.layout(1);
     },
     0, 0, 20, 30, 450},
    {"TooSmall", [](HWND f, Game&) { MoveWindow(f, 5, 5, 300, 200, TRUE); }, 0, 0, 20, 30, 450},
    {"MinimisedAndRestored",
     [](HWND f, Game&) {
         ShowWindow(f, SW_SHOW);
         ShowWindow(f, SW_MINIMIZE);
         ShowWindow(f, SW_RESTORE);
     },
     0, 0, 20, 30, 450},
    {"NewFieldSize", [](HWND, Game& g) { g.setFieldSize(30, 40); }, 0, 0, 30, 40, 900},
    // Minus one keeps the size but realigns the rectangle and the goal.
    {"SameFieldSize",
     [](HWND, Game& g) {
         g.percentToComplete = 80;
         g.fieldRight += 3;
         g.setFieldSize(-1, -1);
     },
     0, 0, 20, 30, 480},
};

INSTANTIATE_TEST_SUITE_P(Changes, LayoutTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
