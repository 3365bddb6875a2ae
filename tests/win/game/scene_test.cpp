// The picture as the view shows it at double size. (The field's pixels
// are checked natively; the paint tests tie the drawing to them.)
#include "tests/win/support/game_fixture.h"
#include "tests/win/support/view_pixels.h"

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
    EXPECT_EQ(
        stalePixels(view, game(), {field().left, field().top}, {420, 280 + infoAreaHeight}, 2), 0);
}

}  // namespace
