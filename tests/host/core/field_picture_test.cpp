// The field's pixels as every front end shows them, written out as text:
// '.' field, '#' black, 'w' wall, 'r' first bar, 'b' second bar, 'o' ball,
// '+' white.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/field_picture.h"

namespace {

constexpr FieldColours kColours = {0x111111, 0x222222, 0x333333, 0x444444};
constexpr uint32_t kBall = 0x555555, kKey = 0x000000;

// A small field: 3 rows of 4 cells, each 5 pixels wide and 4 high.
constexpr FieldShape kShape = {20, 12, 3, 4, 5, 4};

struct Canvas {
    Canvas(int width, int height) : pixels(static_cast<size_t>(width) * height, kColours.field) {
        buffer = PixelBuffer{pixels.data(), width, height};
    }
    std::vector<std::string> text() const {
        const std::map<uint32_t, char> letters = {
            {kColours.field, '.'},    {kBlackPixel, '#'},        {kColours.wall, 'w'},
            {kColours.firstBar, 'r'}, {kColours.secondBar, 'b'}, {kBall, 'o'},
            {kWhitePixel, '+'}};
        std::vector<std::string> rows(buffer.height, std::string(buffer.width, '?'));
        for (int p = 0; p < buffer.width * buffer.height; ++p) {
            const auto letter = letters.find(pixels[p]);
            if (letter != letters.end()) {
                rows[p / buffer.width][p % buffer.width] = letter->second;
            }
        }
        return rows;
    }
    std::vector<uint32_t> pixels;
    PixelBuffer buffer;
};

// A ball of 3 x 3 whose corners and centre are the key colour.
BallImage smallBall() {
    return ballImageFrom(3, 3, {kKey, kBall, kKey, kBall, kKey, kBall, kKey, kBall, kKey});
}

TEST(StillField, IsTheOutlinedBackgroundTheGridLinesAndTheWalls) {
    int32_t cells[kMaxRows][kMaxCols] = {};
    cells[0][3] = kCellWall;
    cells[1][2] = kCellWall;
    cells[3][0] = kCellWall;  // below the field's rows: not drawn
    const std::vector<std::string> withoutGrid = {
        "####################", "#..............#www#", "#..............#www#",
        "#..............#####", "#.........#####....#", "#.........#www#....#",
        "#.........#www#....#", "#.........#####....#", "#..................#",
        "#..................#", "#..................#", "####################"};
    const std::vector<std::string> withGrid = {
        "####################", "#....#....#....#www#", "#....#....#....#www#",
        "#....#....#....#####", "####################", "#....#....#www##...#",
        "#....#....#www##...#", "#....#....######...#", "####################",
        "#....#....#....#...#", "#....#....#....#...#", "####################"};
    for (const auto& [grid, expected] : {std::pair{false, withoutGrid}, {true, withGrid}}) {
        Canvas canvas(20, 13);  // one row more than the field, which stays as it was
        canvas.pixels.back() = kBall;
        composeStillField(canvas.buffer, kShape, grid, cells, kColours);
        std::vector<std::string> rows = canvas.text();
        EXPECT_EQ(rows.back(), "...................o") << grid;
        rows.pop_back();
        EXPECT_EQ(rows, expected) << grid;
    }
}

TEST(Bars, CoverTheirStartCellOrTheSpanTheyGrew) {
    // Cells of 14 pixels; the field's corner at (12, 40); the start cell's
    // corner at field pixels (28, 56).
    const int x = 40, y = 96;
    const std::tuple<const char*, int, int, int, int, PixelBox> cases[] = {
        // direction, active, growing end (x, y); box in field pixels
        {"up, not grown", kUp, 0, x, y, {28, 56, 42, 70}},
        {"up, 5 grown", kUp, 0, x, y - 5, {28, 51, 42, 70}},
        {"down, not moved", kDown, 0, x, y, {}},
        {"down, 1 moved", kDown, 0, x, y + 1, {28, 56, 42, 57}},
        {"left, 3 grown", kLeft, 0, x - 3, y, {25, 56, 42, 70}},
        {"right, 4 moved", kRight, 0, x + 4, y, {28, 56, 32, 70}},
        {"right, not moved", kRight, 0, x, y, {}},
        {"idle", kUp, 1, x, y - 5, {}},
        {"no bar direction", kUpLeft, 0, x, y - 5, {}},
        {"up, end below the cell", kUp, 0, x, y + 14, {}},
    };
    for (const auto& [name, direction, active, endX, endY, expected] : cases) {
        Bar bar;
        bar.SIZE = 14;
        bar.XSTART = x, bar.YSTART = y, bar.XEND = endX, bar.YEND = endY;
        bar.DRCT = direction;
        bar.ACTIVE = active;
        const PixelBox box = barBox(bar, 14, 14, 12, 40);
        EXPECT_EQ(std::vector<int>({box.left, box.top, box.right, box.bottom}),
                  std::vector<int>({expected.left, expected.top, expected.right, expected.bottom}))
            << name;
    }
    Bar bar;
    const std::pair<int, uint32_t> colours[] = {{kUp, kColours.firstBar},
                                                {kLeft, kColours.firstBar},
                                                {kDown, kColours.secondBar},
                                                {kRight, kColours.secondBar}};
    for (const auto& [direction, colour] : colours) {
        bar.DRCT = direction;
        EXPECT_EQ(barColour(bar, kColours), colour) << direction;
    }
}

TEST(Bars, AreOutlinedInBlackAndAllOutlineWhenThin) {
    Canvas canvas(8, 5);
    const PixelBox clip = {0, 0, 8, 4};
    composeBar(canvas.buffer, {0, 0, 1, 5}, kColours.firstBar, {0, 0, 8, 5});
    composeBar(canvas.buffer, {2, 0, 4, 3}, kColours.firstBar, clip);
    composeBar(canvas.buffer, {5, 0, 8, 5}, kColours.firstBar, clip);  // its bottom cut off
    composeBar(canvas.buffer, {}, kColours.secondBar, clip);           // not drawn
    EXPECT_EQ(canvas.text(), std::vector<std::string>(
                                 {"#.##.###", "#.##.#r#", "#.##.#r#", "#....#r#", "#......."}));
}

TEST(Balls, ShowTheFieldThroughTheKeyColourAndAreCutToPictureAndClip) {
    Canvas canvas(5, 4);
    const BallImage ball = smallBall();
    composeBall(canvas.buffer, ball, 0, 0, {0, 0, 5, 4});  // cut by the picture's corner
    composeBall(canvas.buffer, ball, 3, 2, {0, 0, 4, 4});  // its right column clipped
    EXPECT_EQ(canvas.text(), std::vector<std::string>({".o...", "o..o.", "..o..", "...o."}));
    const PixelBox box = ballBox(ball, 3, 2);
    EXPECT_EQ(std::vector<int>({box.left, box.top, box.right, box.bottom}),
              std::vector<int>({2, 1, 5, 4}));
    // A 14- and a 15-pixel frame both start 7 pixels off the centre.
    for (int size : {14, 15}) {
        const BallImage frame = ballImageFrom(size, size, std::vector<uint32_t>(size * size, 1));
        EXPECT_EQ(ballBox(frame, 100, 50).left, 93) << size;
        EXPECT_EQ(ballBox(frame, 100, 50).top, 43) << size;
    }
    EXPECT_EQ(ballImageFrom(2, 2, {1, 2, 3}).width, 0);  // pixels that do not fill it
    EXPECT_EQ(ballImageFrom(1, 1, {7}).height, 1);
}

TEST(Field, IsTheStillPartThenTheBarsThenTheBallsThenTheCursor) {
    Level level;
    level.GRID = 0;
    Bar& up = level.bars[0];
    up.ACTIVE = 0, up.DRCT = kUp, up.SIZE = 5;
    up.XSTART = up.XEND = 105, up.YSTART = up.YEND = 204;
    level.balls[0].endOfList = 0;
    level.balls[0].X = 109, level.balls[0].Y = 207;
    level.balls[2].endOfList = 0;  // after the end of the list: not drawn
    const BallImage ball = smallBall();
    Canvas canvas(20, 12);
    // A cursor of 6 x 6 pixels, its ring cut by the picture's right edge.
    composeField(canvas.buffer,
                 FieldScene{&level, kShape, 100, 200, kColours, &ball, PixelBox{15, 4, 21, 10}});
    EXPECT_EQ(canvas.text(),
              std::vector<std::string>(
                  {"####################", "#..................#", "#..................#",
                   "#..................#", "#....#####.....+++++", "#....#rrr#.....+++++",
                   "#....#rrro.....++##+", "#....###o#o....++##+", "#........o.....+++++",
                   "#..............+++++", "#..................#", "####################"}));
}

}  // namespace
