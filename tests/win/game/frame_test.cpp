// The frame routes every key, menu item and tool button to its action
// exactly once, and ends the program cleanly whichever way it is closed.
#include <functional>

#include "model/wall_of_fame.h"
#include "shell/frame.h"
#include "tests/win/support/game_fixture.h"

namespace {

using FrameTest = GameTest;

// Keys are posted to the game view and go through the accelerators (WM_CHAR
// for Ctrl+S and Ctrl+O), menu items are sent to the frame, tool buttons are
// clicked. Open has no saved games yet and says so. Play and Pause share one
// place, and only one of them is ever shown. F1, F3, F4 and Ctrl+S reach the
// frame as the menu items Help, Display and Game Options and Save do.
TEST_F(FrameTest, EachKeyMenuItemAndToolButtonReachesItsActionOnce) {
    const char *kOptions = "Zembal: Display Options", *kSave = "Zembal: Save Game";
    const std::tuple<UINT, WPARAM, const char*, int, int, Names> cases[] = {
        // the message, its key or command or the button's text; paused before and after; the
        // dialogs shown
        {WM_KEYDOWN, 'P', "", 0, 1, {}},
        {WM_KEYDOWN, VK_F2, "", 0, 1, {}},
        {WM_KEYDOWN, 'Q', "", 0, 0, {}},
        {WM_KEYDOWN, VK_F1, "", 0, 0, {"Zembal: Help"}},
        {WM_KEYDOWN, VK_F3, "", 0, 0, {kOptions}},
        {WM_KEYDOWN, VK_F4, "", 0, 0, {"Zembal: Game Options"}},
        {WM_CHAR, 'S' - '@', "", 0, 0, {kSave}},
        {WM_CHAR, 'O' - '@', "", 0, 0, {"Zembal"}},
        {WM_COMMAND, IDM_PAUSE, "", 0, 1, {}},
        {WM_COMMAND, IDM_ABOUT, "", 0, 0, {"About Zembal"}},
        {WM_COMMAND, IDM_WALL_OF_FAME, "", 0, 0, {"Zembal: The Wall Of Fame"}},
        {BM_CLICK, 0, "Pause", 0, 1, {}},
        {BM_CLICK, 0, "Play", 1, 0, {}},
        {BM_CLICK, 0, "Display Options", 0, 0, {kOptions}},
        {BM_CLICK, 0, "Open saved game", 0, 0, {"Zembal"}},
        {BM_CLICK, 0, "Saved game", 0, 0, {kSave}}};
    for (const auto& [message, code, button, pausedBefore, pausedAfter, shown] : cases) {
        dialogs.reset();
        game().setPaused(pausedBefore);
        if (message == WM_COMMAND || message == BM_CLICK) {
            SendMessageA(message == BM_CLICK ? toolButton(button) : frame, message, code, 0);
        } else {
            PostMessageA(view, message, code, 1);
            pumpMessages();
        }
        EXPECT_EQ(dialogs.shown, shown) << message << " " << code << button;
        EXPECT_EQ((std::vector<int>{paused(), IsWindowVisible(toolButton("Play")),
                                    IsWindowVisible(toolButton("Pause"))}),
                  (std::vector<int>{pausedAfter, pausedAfter, 1 - pausedAfter}))
            << message << " " << code << button;
    }
}

// A saved game, a Wall of Fame entry and every change of options reach the
// settings file at once, so a run that ends badly loses none of them.
TEST_F(FrameTest, EachLastingChangeIsWrittenToTheSettingsAtOnce) {
    const std::tuple<std::function<void()>, const char*, const char*, const char*> changes[] = {
        {[&] { applyDisplayChoice(1, 1, 3, 0); }, "General", "Theme", "3"},
        {[&] { setFieldChoice(80, 15, 20); }, "General", "Precent_To_Complete", "80"},
        {[&] { toView(WM_COMMAND, IDM_TOOLBAR); }, "General", "Toolbar", "N"},
        {[&] { toView(WM_COMMAND, IDM_ZOOM_2); }, "General", "Zoom", "2"},
        {[&] { game().saveGame(4, "kept"); }, "Files", "Desc_4", "kept"},
        {[&] {
             level().SCORE = 900;
             copyName(userName, kNameBufferSize, "Zed");
             dialogs.then("Zembal: The game is over", press(IDOK));
             endGameFor(0);
         },
         "WallOfFame", "User_0", "Zed"}};
    // Each value differs from what the write before held.
    EXPECT_EQ(setting("General", "Theme"), "<missing>");
    for (const auto& [change, section, key, value] : changes) {
        change();
        EXPECT_EQ(setting(section, key), value) << key;
    }
}

class EndingTest : public GameTest, public ::testing::WithParamInterface<int> {};

// However the program ends (its Exit button, the close box, a fatal error
// in a move), the loop returns 0, the Game is gone and the settings are
// written.
TEST_P(EndingTest, EndsTheLoopWithCodeZeroAndTheSettingsWritten) {
    applyDisplayChoice(1, 1, 5, 0);
    if (GetParam() == 0) {
        SendMessageA(toolButton("Exit"), BM_CLICK, 0, 0);
        EXPECT_FALSE(IsWindow(frame));
    } else if (GetParam() == 1) {
        PostMessageA(frame, WM_CLOSE, 0, 0);
    } else {
        // A ball with a direction outside the eight makes the move fail.
        level().balls[0].DRCT = 9;
        dialogs.then("Zembal", press(IDOK));
        toView(WM_TIMER, kGameTimerId);
        EXPECT_EQ(dialogs.boxTexts, Names{"tryMove - invalid direction"});
        // The tick that failed ran on to its end on this Game.
        ASSERT_NE(theGame, nullptr);
        EXPECT_TRUE(game().failed());
        EXPECT_TRUE(IsWindow(frame));
    }
    EXPECT_EQ(runMessageLoop(frame, accelerators), 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(theGame, nullptr);
    EXPECT_EQ(setting("General", "Theme"), "5");
}

INSTANTIATE_TEST_SUITE_P(ExitCloseBoxFatalError, EndingTest, ::testing::Values(0, 1, 2));

}  // namespace
