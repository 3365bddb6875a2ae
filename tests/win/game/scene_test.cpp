// The picture as the view shows it at double size. (The field's pixels
// are checked natively; the paint tests tie the drawing to them.)
#include "presentation/picture.h"
#include "tests/win/support/game_fixture.h"

namespace {

using SceneTest = GameTest;

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
