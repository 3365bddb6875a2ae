// The frame is sized around the field and the field centred in the view.
#include "tests/win/presentation/presentation_fixture.h"

namespace {

using LayoutTest = ViewFixture;

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

SIZE nonClientSize(HWND window) {
    RECT outer = windowRect(window);
    RECT inner = clientRect(window);
    return SIZE{(outer.right - outer.left) - inner.right,
                (outer.bottom - outer.top) - inner.bottom};
}

RECT desktopClient() {
    return clientRect(GetDesktopWindow());
}

// The room the shown bars take above and below the game view.
int barsHeight(const Game& game, bool withGap) {
    return (game.toolbarShown() ? 28 : 0) + (game.statusBarShown() ? (withGap ? 23 : 21) : 0);
}

void expectNeededSizeCentred(HWND frame, int fieldWidth, int fieldHeight) {
    SIZE border = nonClientSize(frame);
    int needW = fieldWidth + border.cx + 12;
    int needH = fieldHeight + border.cy + infoAreaHeight + 12 + barsHeight(*theGame, true);
    RECT r = windowRect(frame);
    EXPECT_EQ(r.right - r.left, needW);
    EXPECT_EQ(r.bottom - r.top, needH);
    RECT desktop = desktopClient();
    EXPECT_EQ(r.left, (desktop.right - needW) / 2);
    EXPECT_EQ(r.top, (desktop.bottom - needH) / 2);
}

void expectFieldCentred(const Game& game, HWND view) {
    RECT client = clientRect(view);
    int w = game.cols * 14;
    int h = game.rows * 14;
    EXPECT_EQ(game.fieldLeft, (client.right - w) / 2);
    EXPECT_EQ(game.fieldTop, (client.bottom - infoAreaHeight - h) / 2);
    EXPECT_EQ(game.fieldRight, game.fieldLeft + w);
    EXPECT_EQ(game.fieldBottom, game.fieldTop + h);
}

TEST_F(LayoutTest, InformationAreaIsThreeLinesOfTheStockFont) {
    EXPECT_GT(textLineHeight, 0);
    EXPECT_EQ(infoAreaHeight, 3 * textLineHeight);
}

TEST_F(LayoutTest, ViewBuildsTheFrameAtTheNeededSizeCentredWithTheFieldCentred) {
    EXPECT_EQ(game().fieldRight - game().fieldLeft, 420);
    EXPECT_EQ(game().fieldBottom - game().fieldTop, 280);
    expectNeededSizeCentred(frame, 420, 280);
    expectFieldCentred(game(), view);
    // The view fills the frame's client area between the bars.
    RECT frameClient = clientRect(frame);
    RECT viewRect = windowRect(view);
    EXPECT_EQ(viewRect.right - viewRect.left, frameClient.right);
    EXPECT_EQ(viewRect.bottom - viewRect.top, frameClient.bottom - barsHeight(game(), false));
    POINT viewOrigin = {viewRect.left, viewRect.top};
    ScreenToClient(frame, &viewOrigin);
    EXPECT_EQ(viewOrigin.y, game().toolbarShown() ? 28 : 0);
}

TEST_F(LayoutTest, LargerFrameKeepsItsSizeWithTheFieldCentredAndBallsMovedAlong) {
    Game& g = game();
    int dxBall = g.level->balls[0].X - g.fieldLeft;
    int dyBall = g.level->balls[0].Y - g.fieldTop;
    SendMessageA(view, WM_LBUTTONDOWN, 0, cellPoint(1, 2));
    ASSERT_EQ(g.level->bars[0].ACTIVE, 0);
    int dxBar = g.level->bars[0].XSTART - g.fieldLeft;
    int dyBar = g.level->bars[0].YEND - g.fieldTop;

    MoveWindow(frame, 5, 5, 900, 700, TRUE);
    RECT r = windowRect(frame);
    EXPECT_EQ(r.right - r.left, 900);
    EXPECT_EQ(r.bottom - r.top, 700);
    expectFieldCentred(g, view);
    EXPECT_EQ(g.level->balls[0].X - g.fieldLeft, dxBall);
    EXPECT_EQ(g.level->balls[0].Y - g.fieldTop, dyBall);
    EXPECT_EQ(g.level->bars[0].XSTART - g.fieldLeft, dxBar);
    EXPECT_EQ(g.level->bars[0].YEND - g.fieldTop, dyBar);
}

TEST_F(LayoutTest, ForcedLayoutShrinksAndRecentresTheFrame) {
    MoveWindow(frame, 5, 5, 900, 700, TRUE);
    game().layout(1);
    expectNeededSizeCentred(frame, 420, 280);
    expectFieldCentred(game(), view);
}

TEST_F(LayoutTest, TooSmallFrameIsEnlargedAndRecentred) {
    MoveWindow(frame, 5, 5, 300, 200, TRUE);
    expectNeededSizeCentred(frame, 420, 280);
    expectFieldCentred(game(), view);
}

TEST_F(LayoutTest, NewFieldSizeResizesTheFrameAndTheGoal) {
    game().setFieldSize(30, 40);
    EXPECT_EQ(game().rows, 30);
    EXPECT_EQ(game().cols, 40);
    expectNeededSizeCentred(frame, 560, 420);
    expectFieldCentred(game(), view);
    EXPECT_EQ(game().cellsToComplete, 900);
}

TEST_F(LayoutTest, FieldSizeMinusOneKeepsTheSizeAndRealignsTheRectangle) {
    Game& g = game();
    g.percentToComplete = 80;
    g.fieldRight += 3;
    g.setFieldSize(-1, -1);
    EXPECT_EQ(g.rows, 20);
    EXPECT_EQ(g.cols, 30);
    EXPECT_EQ(g.fieldRight - g.fieldLeft, 420);
    EXPECT_EQ(g.cellsToComplete, 480);
}

TEST_F(LayoutTest, MinimiseAndRestoreLeaveBallsInsideTheField) {
    Game& g = game();
    ShowWindow(frame, SW_SHOW);
    ShowWindow(frame, SW_MINIMIZE);
    ShowWindow(frame, SW_RESTORE);
    expectFieldCentred(g, view);
    for (const Ball& ball : g.level->balls) {
        if (ball.endOfList != 0) {
            break;
        }
        EXPECT_GE(ball.X, g.fieldLeft);
        EXPECT_LE(ball.X, g.fieldRight);
        EXPECT_GE(ball.Y, g.fieldTop);
        EXPECT_LE(ball.Y, g.fieldBottom);
    }
}

}  // namespace
