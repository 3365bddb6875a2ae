// The picture drawScene makes of a known scene, read back pixel by pixel
// from a memory bitmap: the field with or without its grid, a wall, both
// bars and a ball drawn through its mask, in the theme's colours.
#include <memory>

#include "presentation/picture.h"
#include "tests/win/support/game_fixture.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kSilver = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

using SceneTest = GameTest;

// The field of 420 x 280 pixels and the information area, as drawn.
std::shared_ptr<HDC__> draw(Game& game) {
    std::shared_ptr<HDC__> picture(CreateCompatibleDC(nullptr), [](HDC dc) {
        HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        DeleteDC(dc);
        DeleteObject(bitmap);
    });
    SelectObject(picture.get(), CreateBitmap(420, 280 + infoAreaHeight, 1, 32, nullptr));
    game.drawScene(picture.get());
    return picture;
}

TEST_F(SceneTest, FieldGridWallBarsAndBallInTheThemesColours) {
    level().grid[2][3] = kCellWall;
    // An up bar not grown yet is its start cell; a down bar is drawn as far
    // as its end has moved.
    for (const auto& [bar, direction, row, growth] :
         {std::tuple{&level().bars[0], kUp, 5, 0}, {&level().bars[1], kDown, 6, 5}}) {
        *bar = {14,  cellX(5), cellY(row), cellX(5), cellY(row) + growth, row, 5,
                row, 5,        direction,  0};
    }
    const std::tuple<int, int, COLORREF, COLORREF, COLORREF, COLORREF, COLORREF> cases[] = {
        // theme, grid; field, wall, first and second bar, ball's centre
        {0, 1, kSilver, kBlack, kRed, kBlue, kRed},
        {0, 0, kSilver, kBlack, kRed, kBlue, kRed},
        {4, 1, RGB(0x46, 0x50, 0x7A), RGB(0x0A, 0x0A, 0x1E), RGB(0xFF, 0xC8, 0x3C),
         RGB(0x78, 0xDC, 0xFF), RGB(0xA3, 0xB1, 0xD1)},
        {9, 0, kSilver, kBlack, kRed, kBlue, kRed}};  // a theme off the list
    for (const auto& [theme, grid, fieldColour, wall, firstBar, secondBar, ball] : cases) {
        applyDisplayChoice(grid, 1, theme, 0);
        level().balls[0].X = field().left + 100;
        level().balls[0].Y = field().top + 100;
        level().balls[1].endOfList = 1;
        const auto picture = draw(game());
        const COLORREF line = grid == 1 ? kBlack : fieldColour;
        const std::tuple<int, int, COLORREF> pixels[] = {
            {0, 0, kBlack},          {419, 150, kBlack},     {200, 279, kBlack},
            {20, 5, fieldColour},    {14, 5, line},          {20, 14, line},
            {48, 35, wall},          {42, 35, kBlack},       {76, 76, firstBar},
            {76, 84, kBlack},        {76, 86, secondBar},    {76, 88, kBlack},
            {76, 89, fieldColour},   {100, 100, ball},       {93, 93, fieldColour},
            {106, 106, fieldColour}, {200, 200, fieldColour}};
        for (const auto& [x, y, colour] : pixels) {
            EXPECT_EQ(GetPixel(picture.get(), x, y), colour) << theme << " " << x << "," << y;
        }
    }
}

// At double size the view shows the picture with every pixel a 2 x 2 block,
// also where a tick repainted only what it changed.
TEST_F(SceneTest, DoubleSizeShowsEveryPixelOfThePictureAsATwoByTwoBlock) {
    game().setZoom(2);
    ASSERT_EQ(game().zoomShown(), 2);
    UpdateWindow(frame);
    toView(WM_TIMER, kGameTimerId);
    UpdateWindow(frame);
    const int height = 280 + infoAreaHeight;
    Picture fresh, shown;
    fresh.resize(420, height);
    shown.resize(840, 2 * height);
    game().drawScene(fresh.context());
    HDC window = GetDC(view);
    BitBlt(shown.context(), 0, 0, 840, 2 * height, window, 2 * field().left, 2 * field().top,
           SRCCOPY);
    ReleaseDC(view, window);
    GdiFlush();
    int differing = 0;
    for (int y = 0; y < 2 * height; ++y) {
        for (int x = 0; x < 840; ++x) {
            differing += shown.pixels()[y * 840 + x] != fresh.pixels()[y / 2 * 420 + x / 2];
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
