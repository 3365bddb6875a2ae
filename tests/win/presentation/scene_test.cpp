// The picture drawScene makes, read back pixel by pixel from a memory
// bitmap; ball frames drawn through their masks; the themes.
#include <set>

#include "presentation/sprite.h"
#include "tests/win/presentation/presentation_fixture.h"

namespace {

constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr COLORREF kGreen = RGB(0, 0x80, 0);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

// An area that must be all of one colour; x and y alone name one pixel.
struct Area {
    int left, top, right, bottom;
    COLORREF colour;
};
constexpr Area px(int x, int y, COLORREF colour) {
    return {x, y, x + 1, y + 1, colour};
}

void growBar(Game& game, int index, int direction, int row, int col, int dx, int dy) {
    Bar& bar = game.level->bars[index];
    bar.ACTIVE = 0;
    bar.DRCT = direction;
    bar.SIZE = 14;
    bar.XSTART = game.cellX(col);
    bar.YSTART = game.cellY(row);
    bar.XEND = bar.XSTART + dx;
    bar.YEND = bar.YSTART + dy;
    bar.RSTART = bar.REND = row;
    bar.CSTART = bar.CEND = col;
}

class SceneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        textLineHeight = 13;
        infoAreaHeight = 39;
        gameRunning = 0;
        game.setClock(clock);
        game.applyTheme(0);
        game.level->GRID = 0;
        for (Bar& bar : game.level->bars) {
            bar.ACTIVE = 1;
        }
    }
    void TearDown() override { gameRunning = 0; }

    // The field is drawn 420 x 280 at (0, 0), the information area below it.
    std::unique_ptr<Canvas> draw() {
        auto canvas = std::make_unique<Canvas>(420, 280 + infoAreaHeight, kWhite);
        game.drawScene(canvas->context);
        return canvas;
    }
    void expectAreas(const std::vector<Area>& areas) {
        auto p = draw();
        for (const Area& a : areas) {
            EXPECT_EQ(p->countOtherThan(a.colour, a.left, a.top, a.right, a.bottom), 0)
                << a.left << "," << a.top << " " << std::hex << a.colour;
        }
    }

    FakeClock clock;
    Game game;
};

struct PictureCase {
    const char* name;
    void (*arrange)(Game& game);
    std::vector<Area> areas;
};

class PictureTest : public SceneTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(PictureTest, DrawsTheFieldWallsAndBars) {
    GetParam().arrange(game);
    expectAreas(GetParam().areas);
}

const PictureCase kPictures[] = {
    // A cell still covered by a growing bar is drawn from the bars alone.
    {"SilverFieldWithABlackOutline",
     [](Game& g) { g.level->grid[2][3] = kCellBar; },
     {{0, 0, 420, 1, kBlack},
      {0, 279, 420, 280, kBlack},
      {0, 0, 1, 280, kBlack},
      {419, 0, 420, 280, kBlack},
      {1, 1, 419, 279, kSilver}}},
    {"GridLinesEveryCellWithGridOne",
     [](Game& g) { g.level->GRID = 1; },
     {{14, 1, 15, 279, kBlack},
      {406, 1, 407, 279, kBlack},
      {1, 14, 419, 15, kBlack},
      {1, 266, 419, 267, kBlack},
      {15, 15, 28, 28, kSilver},
      {393, 253, 406, 266, kSilver}}},
    {"WallCellIsABlack14By14Square",
     [](Game& g) { g.level->grid[2][3] = kCellWall; },
     {{42, 28, 56, 42, kBlack},
      px(41, 35, kSilver),
      px(56, 35, kSilver),
      px(48, 27, kSilver),
      px(48, 42, kSilver)}},
    {"UpBarIsOneRedCellAtStart",
     [](Game& g) { growBar(g, 0, kUp, 5, 5, 0, 0); },
     {{71, 71, 83, 83, kRed},
      px(70, 76, kBlack),
      px(83, 76, kBlack),
      px(76, 69, kSilver),
      px(76, 84, kSilver)}},
    {"DownBarNotDrawnBeforeItsEndMoved",
     [](Game& g) { growBar(g, 1, kDown, 6, 5, 0, 0); },
     {{70, 84, 84, 98, kSilver}}},
    {"DownBarIsBlue",
     [](Game& g) { growBar(g, 1, kDown, 6, 5, 0, 5); },
     {px(76, 84, kBlack), px(76, 86, kBlue), px(76, 88, kBlack), px(76, 89, kSilver)}},
};

INSTANTIATE_TEST_SUITE_P(Scenes, PictureTest, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

#ifdef ZEMBAL_TEST_HAVE_RESOURCES
TEST_F(SceneTest, ClassicBallHasTransparentCornersAndTheListEndsAtItsMark) {
    game.instance = GetModuleHandleA(nullptr);
    game.loadFrames();
    game.applyTheme(0);
    Ball* balls = game.level->balls;
    balls[0].endOfList = 0;
    balls[0].X = game.fieldLeft + 100;
    balls[0].Y = game.fieldTop + 100;
    balls[1].endOfList = 1;
    balls[2].endOfList = 0;
    balls[2].X = game.fieldLeft + 200;
    balls[2].Y = game.fieldTop + 200;
    game.frame = 0;  // all red
    expectAreas({px(100, 100, kRed), px(93, 93, kSilver), px(106, 93, kSilver),
                 px(93, 106, kSilver), px(106, 106, kSilver), px(200, 200, kSilver)});
}
#endif

struct InfoCase {
    const char* name;
    int running, paused;
    std::vector<bool> ink;  // lines 0 to 2, left half then right half
};

class InformationTest : public SceneTest, public ::testing::WithParamInterface<InfoCase> {};

TEST_P(InformationTest, SixTextsWhileRunningOnlyThePausedLineWhilePaused) {
    COLORREF menu = GetSysColor(COLOR_MENU);
    game.level->NBLLS = 3;
    game.level->LOVES = 2;
    game.level->SCORE = 12.7;
    gameRunning = GetParam().running;
    game.paused = GetParam().paused;
    auto p = draw();
    std::vector<bool> ink;
    for (int line = 0; line < 3; ++line) {
        int top = 280 + line * 13;
        ink.push_back(p->countOtherThan(menu, 0, top, 210, top + 13) > 0);
        ink.push_back(p->countOtherThan(menu, 210, top, 420, top + 13) > 0);
    }
    EXPECT_EQ(ink, GetParam().ink);
    // Texts start ten pixels in.
    EXPECT_EQ(p->countOtherThan(menu, 0, 280, 10, 280 + 39), 0);
}

INSTANTIATE_TEST_SUITE_P(
    States, InformationTest,
    ::testing::Values(InfoCase{"Stopped", 0, 0, {false, false, false, false, false, false}},
                      InfoCase{"Running", 1, 0, {true, true, true, true, true, true}},
                      InfoCase{"Paused", 1, 1, {true, false, false, false, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

// A small bitmap made from a row-major list of colours.
HBITMAP makeBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
    std::vector<uint32_t> bits;
    for (COLORREF c : pixels) {
        bits.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
    return CreateBitmap(width, height, 1, 32, bits.data());
}

TEST(SpriteTest, TheColourOfPixelZeroZeroBecomesTransparentEverywhere) {
    const std::vector<COLORREF> pictures[] = {
        {kGreen, kGreen, kGreen, kGreen, kGreen, kRed, kWhite, kGreen,  //
         kGreen, kBlack, kGreen, kGreen, kGreen, kGreen, kGreen, kRed},
        {kBlack, kBlack, kBlack, kBlack, kBlack, kRed, kBlack, kBlack,  //
         kBlack, kBlack, kBlack, kWhite, kGreen, kBlack, kBlack, kBlack},
    };
    for (const auto& pixels : pictures) {
        HBITMAP bitmap = makeBitmap(4, 4, pixels);
        Sprite sprite;
        ASSERT_TRUE(sprite.useBitmap(bitmap));
        Canvas target(8, 8, kBlue);
        // Drawn twice through the same mask; the top-left corner lands on (2, 2).
        ASSERT_TRUE(sprite.drawCentred(target.context, 4, 4));
        ASSERT_TRUE(sprite.drawCentred(target.context, 4, 4));
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                COLORREF pixel = pixels[y * 4 + x];
                EXPECT_EQ(target.at(2 + x, 2 + y), pixel == pixels[0] ? kBlue : pixel)
                    << x << "," << y;
            }
        }
        EXPECT_EQ(target.countOtherThan(kBlue, 0, 0, 8, 2), 0);
        sprite.release();
        DeleteObject(bitmap);
    }
}

TEST(SpriteTest, NoBitmapForIdZeroOrAMissingIdAndNothingDrawn) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (UINT id : {0u, 0x10000u, 9999u}) {
        Sprite sprite;
        EXPECT_FALSE(sprite.loadResource(instance, id)) << id;
        EXPECT_EQ(sprite.bitmap, nullptr) << id;
        Canvas target(4, 4, kGreen);
        EXPECT_FALSE(sprite.drawCentred(target.context, 2, 2));
        EXPECT_EQ(target.countOtherThan(kGreen, 0, 0, 4, 4), 0);
    }
}

TEST(ThemeTest, EveryThemeUsesItsOwnFrameSetAndIndicesOutsideTheListGiveClassic) {
    Game game;
    struct Case {
        int index, firstId, count;
    };
    const Case cases[] = {{0, 110, 8}, {1, 126, 3},  {2, 118, 8},   {3, 129, 4},
                          {4, 133, 3}, {5, 136, 1},  {6, 137, 3},   {9, 110, 8},
                          {7, 110, 8}, {-1, 110, 8}, {1000, 110, 8}};
    for (const Case& c : cases) {
        game.applyTheme(3);
        game.frame = 2;
        game.applyTheme(c.index);
        EXPECT_EQ(game.currentFrames, &game.frames[c.firstId - IDB_BALL_FIRST]) << c.index;
        EXPECT_EQ(game.frameCount, c.count) << c.index;
        EXPECT_EQ(game.frame, 0) << c.index;
        EXPECT_LE(c.firstId - IDB_BALL_FIRST + c.count, kBallFrameCount);
        // Walls and both bars stand out from the field and from each other.
        EXPECT_EQ((std::set<COLORREF>{game.fieldColour, game.wallColour, game.firstBarColour,
                                      game.secondBarColour}
                       .size()),
                  4u)
            << c.index;
        if (c.firstId == 110) {
            EXPECT_EQ((std::vector<COLORREF>{game.fieldColour, game.wallColour, game.firstBarColour,
                                             game.secondBarColour}),
                      (std::vector<COLORREF>{kSilver, kBlack, kRed, kBlue}))
                << c.index;
        }
    }
}

TEST(ThemeTest, ApplyingAThemeAgainDeletesTheFirstBrushes) {
    Game game;
    game.applyTheme(0);
    const HBRUSH first[4] = {game.fieldBrush, game.wallBrush, game.firstBarBrush,
                             game.secondBarBrush};
    game.applyTheme(4);
    EXPECT_EQ(game.brushesCreated, 1);
    for (HBRUSH brush : first) {
        EXPECT_NE(brush, nullptr);
        EXPECT_EQ(GetObjectType(brush), 0u);
    }
    LOGBRUSH field = {};
    GetObjectA(game.fieldBrush, sizeof field, &field);
    EXPECT_EQ(field.lbColor, game.fieldColour);
    // Deleting them twice is harmless.
    game.deleteThemeBrushes();
    game.deleteThemeBrushes();
    EXPECT_EQ(game.brushesCreated, 0);
}

}  // namespace
