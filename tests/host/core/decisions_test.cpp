// What the game decides for every edition: the hooks, the pause around each
// box and dialog, the commands, the status message's life, the options and
// the information lines, as calls on its front end.
#include "tests/host/core/recording_front_end.h"

namespace {

const char* const kStop = "Stop current game ?";
const Lines kAskedToStop = held("box 1 Stop current game ?");
const Lines kAskedToChange = held("box 1 The current game must be stopped\nContinue ?");

// Every box and dialog pauses a level in play while it is open and gives
// the pause back as it was (held(): the commands' and the files' tests show
// each kind over a level in play); a paused level stays paused.
TEST_F(StartedCoreTest, EveryBoxAndDialogPausesTheGameWhileItIsOpen) {
    const std::tuple<int, std::function<void()>, Lines> cases[] = {
        {1, [&] { game.askYesNo(kStop); }, {"box 1 Stop current game ? paused"}},
        {1, [&] { game.openDialog(DialogKind::kAbout); }, {"dialog 8 paused"}},
    };
    for (const auto& [pausedBefore, open, expected] : cases) {
        game.setPaused(pausedBefore);
        front.calls.clear();
        open();
        EXPECT_EQ(front.calls, expected);
        EXPECT_EQ(game.paused, pausedBefore);
    }
}

TEST_F(StartedCoreTest, HooksPlayTheirSoundsAndShowTheirBoxesAndDialogs) {
    const std::tuple<std::function<void()>, Lines> cases[] = {
        {[&] { game.onLifeLost(); }, {"sound 3"}},
        {[&] { game.onLevelStarted(); }, {"sound 1", "across 1", "pause 0"}},
        {[&] { game.onLevelCompleted(); }, {"repaint later", "sound 2", "dialog 0 paused"}},
        {[&] { game.onGameOver(1, -1); }, {"box 0 The game is over.\nNo more lives paused"}},
        {[&] { game.onGameOver(2, 10); }, {"box 0 The game is over.\nTime is expired paused"}},
        {[&] { game.onGameOver(3, -1); }, {"box 0 The game is over.\n paused"}},
        {[&] { game.onGameOver(0, 9); }, {}},  // the name was asked for
        {[&] { game.fatalError("tryMove"); }, {"box 2 tryMove paused", "end"}},
        {[&] { game.onGameEnding(); }, {}},
    };
    gameRunning = 0;  // as in the transitions, where these come
    game.horizontalBars = 1;
    for (const auto& [hook, expected] : cases) {
        front.calls.clear();
        hook();
        EXPECT_EQ(front.calls, expected);
        EXPECT_EQ(game.paused, 0);
    }
}

// A status message goes on the first clock second three whole seconds
// after it came, also across the clock's wrap; a new message starts the
// wait again, and a tool button's tip holds both the clearing and the game.
TEST_F(StartedCoreTest, StatusClearsThreeWholeSecondsLaterUnlessATipHoldsTheGame) {
    const std::tuple<int, const char*, bool, const char*> steps[] = {
        // ms from the start; the message (null: a clock second); tip shown; the pane
        {5, "You hit ball", false, "You hit ball"},
        {3004, nullptr, false, "You hit ball"},
        {3005, nullptr, true, "You hit ball"},
        {4000, nullptr, false, ""},
        {4005, "Ball meets bar", false, "Ball meets bar"},
        {6500, "Level 1", false, "Level 1"},
        {9000, nullptr, false, "Level 1"},
        {9500, nullptr, true, "Level 1"},
        {9500, nullptr, false, ""}};
    // The level starts five seconds before the millisecond clock turns
    // negative: the wait is measured across the wrap.
    const uint32_t start = INT32_MAX - 5000;
    game.clock.now = static_cast<int32_t>(start);
    game.newGame();
    for (const auto& [at, message, tip, pane] : steps) {
        game.clock.now = static_cast<int32_t>(start + static_cast<uint32_t>(at));
        game.holdForTip(tip);
        message != nullptr ? game.showStatus(message) : game.clockSecond();
        EXPECT_STREQ(game.statusMessage(), pane) << at;
        EXPECT_EQ(front.calls.back(), std::string("status ") + pane) << at;
    }
    const int x = game.currentLevel()->balls[0].X;
    for (const bool tip : {true, false}) {
        game.holdForTip(tip);
        EXPECT_EQ(game.advance(), !tip);
        EXPECT_EQ(game.currentLevel()->balls[0].X != x, !tip);
    }
}

// A left click launches bars with a click only while a level runs
// unpaused; a right click turns them, also while paused.
TEST_F(StartedCoreTest, ClicksLaunchAndTurnTheBars) {
    const int x = game.cellX(2) + 7, y = game.cellY(1) + 7;
    for (const auto& [running, pausedBefore] : {std::pair{1, 1}, {0, 0}, {1, 0}}) {
        gameRunning = running;
        game.paused = pausedBefore;
        front.calls.clear();
        game.launchBarsAt(x, y);
        const bool launched = running == 1 && pausedBefore == 0;
        EXPECT_EQ(front.calls, (launched ? Lines{"sound 0", "status You created bars"} : Lines{}));
        EXPECT_EQ(game.currentLevel()->bars[0].ACTIVE, launched ? 0 : 1);
    }
    front.calls.clear();
    game.paused = 1;
    game.switchOrientation();
    game.switchOrientation();
    EXPECT_EQ(front.calls, (Lines{"sound 0", "across 1", "sound 0", "across 0"}));
}

// The arrow keys show the cell cursor, then move it a cell a press up to
// the field's edge; the launch key acts as a left click on its cell once it
// is shown, the switch key as a right click; a mouse that moves hides the
// cursor, one that stands still keeps it.
TEST_F(StartedCoreTest, KeysMoveACellCursorAndLaunchFromItsCell) {
    gameRunning = 1;
    const std::tuple<PlayKey, int, int, int> presses[] = {
        // key, presses, the cursor's row and column after them
        {PlayKey::kLaunch, 1, 10, 15},  // the 20 x 30 field's middle, shown
        {PlayKey::kLeft, 1, 10, 14},   {PlayKey::kLeft, 20, 10, 0},  {PlayKey::kDown, 12, 19, 0},
        {PlayKey::kUp, 2, 17, 0},      {PlayKey::kRight, 40, 17, 29}};
    for (const auto& [key, count, row, col] : presses) {
        front.calls.clear();
        for (int i = 0; i < count; ++i) {
            game.playKey(key);
        }
        const PixelBox box = game.cursorBox();
        EXPECT_EQ((std::vector<int>{box.left, box.top, box.right}),
                  (std::vector<int>{col * 14, row * 14, col * 14 + 14}));
        EXPECT_EQ(front.calls, Lines(count, "repaint later"));
    }
    front.calls.clear();
    game.playKey(PlayKey::kSwitch);
    game.playKey(PlayKey::kLaunch);
    const Bar& bar = game.currentLevel()->bars[0];
    EXPECT_EQ((std::vector<int>{bar.ACTIVE, bar.DRCT, bar.XSTART, bar.YSTART}),
              (std::vector<int>{0, kLeft, game.cellX(29), game.cellY(17)}));
    for (const auto& [x, y] : {std::pair{5, 5}, {5, 5}, {6, 5}}) {
        game.pointerAt(x, y);
    }
    // Hidden at once, then nothing more to show.
    EXPECT_EQ(front.calls, (Lines{"sound 0", "across 1", "sound 0", "status You created bars",
                                  "repaint later"}));
    EXPECT_TRUE(isEmpty(game.cursorBox()));
}

// Until the player chooses a zoom in View, the screen's scale gives it: the
// whole number nearest dpi / 96, 1 below 125 %, at most 3.
TEST(ScreenZoom, IsTheNearestWholeScaleFrom125PercentUpToThree) {
    const std::pair<int, int> zooms[] = {{96, 1},  {119, 1}, {120, 1}, {143, 1}, {144, 2},
                                         {192, 2}, {239, 2}, {240, 3}, {480, 3}};
    for (const auto& [dpi, zoom] : zooms) {
        EXPECT_EQ(zoomForScreen(dpi, 3), zoom) << dpi;
    }
}

// Restart, Save and Open: what each asks or says first, and whether the
// game in play goes on.
TEST_F(StartedCoreTest, CommandsAskBeforeTheyStopAGameInPlay) {
    enum Command { kRestart, kSave, kOpen };
    const std::tuple<Command, int, bool, bool, Lines, bool> cases[] = {
        // command, level running, a slot used, Yes, calls, new game
        {kRestart, 1, false, false, kAskedToStop, false},
        {kRestart, 1, false, true, kAskedToStop, true},
        {kRestart, 0, false, false, {}, true},
        {kSave, 1, false, true, held("dialog 3"), false},
        {kSave, 0, false, true, {"box 0 You can not save finished game paused"}, false},
        {kOpen, 1, false, true, held("box 0 You do not have saved games"), false},
        {kOpen, 1, true, false, kAskedToStop, false},
        {kOpen, 1, true, true, kAskedToStop + held("dialog 4"), false},
        {kOpen, 0, true, false, {"dialog 4 paused"}, false},
    };
    for (const auto& [command, running, slotUsed, yes, expected, newGame] : cases) {
        game.newGame();
        gameRunning = running;
        game.currentLevel()->SCORE = 5;
        const_cast<SlotTable&>(game.savedGameSlots()).slots[3].level = slotUsed ? 2 : -1;
        front.answerYes = yes;
        front.calls.clear();
        command == kRestart ? game.restart()
        : command == kSave  ? game.askToSave()
                            : game.askToOpen();
        Lines calls = front.calls;
        calls.resize(std::min(calls.size(), expected.size()));  // a new game starts a level
        EXPECT_EQ(calls, expected) << command << running << slotUsed << yes;
        EXPECT_EQ(game.currentLevel()->SCORE == 0, newGame) << command << running << yes;
    }
}

TEST_F(StartedCoreTest, DisplayOptionsTakeTheThemeThenTheSpeedsStep) {
    for (const auto& [speed, step] : {std::pair{0, 1}, {1, 2}, {2, 4}, {7, 2}}) {
        front.calls.clear();
        game.applyDisplayOptions({speed == 0, speed != 1, speed + 2, speed});
        EXPECT_EQ(front.calls,
                  (Lines{"theme " + std::to_string(speed + 2), "speed " + std::to_string(speed)}));
        EXPECT_EQ((std::vector<int>{game.ballStepPixels(), game.barStepPixels()}),
                  (std::vector<int>{step, step}));
        const DisplayOptions shown = game.displayOptions();
        EXPECT_EQ((std::vector<int>{shown.grid, shown.sound, shown.theme, shown.speed}),
                  (std::vector<int>{speed == 0, speed != 1, speed + 2, speed}));
        EXPECT_EQ(game.soundWanted(), speed != 1);
    }
    const std::pair<int, int> periods[] = {{0, 10}, {1, 2}, {2, 2}, {-1, 2}};
    for (const auto& [speed, period] : periods) {
        EXPECT_EQ(gameTimerSettingFor(speed).periodMs, period) << speed;
    }
}

// A new choice of game options asks first; Yes lays out the new field and
// starts a new game on it, No keeps everything.
TEST_F(StartedCoreTest, GameOptionsAskBeforeANewChoiceStartsANewGame) {
    const std::tuple<GameOptions, bool, bool, Lines, std::vector<int>> cases[] = {
        {{75, 20, 30}, false, true, {}, {75, 20, 30, 450}},
        {{80, 25, 35}, false, false, kAskedToChange, {75, 20, 30, 450}},
        {{80, 25, 35}, true, true, kAskedToChange + Lines{"layout"}, {80, 25, 35, 700}},
        {{90, 25, 35}, true, true, kAskedToChange, {90, 25, 35, 787}},
    };
    for (const auto& [chosen, yes, accepted, expected, after] : cases) {
        gameRunning = 1;
        game.currentLevel()->SCORE = 5;
        front.answerYes = yes;
        front.calls.clear();
        EXPECT_EQ(game.changeGameOptions(chosen), accepted);
        Lines calls = front.calls;
        calls.resize(std::min(calls.size(), expected.size()));
        EXPECT_EQ(calls, expected);
        const GameOptions now = game.gameOptions();
        EXPECT_EQ((std::vector<int>{now.percentToComplete, now.rows, now.cols, game.goalCells()}),
                  after);
        EXPECT_EQ(game.currentLevel()->SCORE == 0, yes);
    }
}

TEST_F(StartedCoreTest, InformationLinesShowTheLevelOrThePause) {
    Level& level = *game.currentLevel();
    level.CLDNE = 90, level.SCORE = 44.999999, level.LOVES = 2;
    level.LEVTM = level.SLVTM + 7500;
    InfoTexts info;
    game.formatInformation(info);
    const char* const running[3][2] = {
        {"%: 15", "Score: 44"}, {"Lives: 2", "Level: 1:"}, {"Time left: 113", "Game's time: 7"}};
    for (int line = 0; line < kInfoLines; ++line) {
        for (int half = 0; half < 2; ++half) {
            EXPECT_STREQ(info.text[line][half], running[line][half]);
        }
    }
    game.setPaused(1);
    game.formatInformation(info);
    EXPECT_STREQ(info.text[0][0], "The game is paused");
    EXPECT_STREQ(info.text[2][1], "");
}

}  // namespace
