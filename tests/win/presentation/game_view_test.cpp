// The game view turns clicks, keys, commands and timers into game operations.
#include "tests/win/presentation/presentation_fixture.h"

#include <cstring>

namespace {

using GameViewTest = ViewFixture;

struct ClickCase {
    int running;
    int paused;
    bool shoots;
};

class LeftClickTest : public ViewFixture, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(LeftClickTest, LaunchesBarsAndClicksOnlyWhileALevelRunsUnpaused) {
    SoundRecorder sounds;
    giveSoundsFakeImages(game());
    game().paused = GetParam().paused;
    GameModel::gameRunning = GetParam().running;
    // Row 1 is at least four cells away from every ball of level 1.
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(1, 2));
    if (GetParam().shoots) {
        ASSERT_EQ(sounds.played.size(), 1u);
        EXPECT_EQ(sounds.played[0], game().clickSound.data);
        EXPECT_EQ(game().level->bars[0].ACTIVE, 0);
        EXPECT_EQ(game().level->bars[0].RSTART, 1);
        EXPECT_EQ(game().level->bars[0].CSTART, 2);
        EXPECT_STREQ(game().statusText, "You created bars");
    } else {
        EXPECT_TRUE(sounds.played.empty());
        EXPECT_EQ(game().level->bars[0].ACTIVE, 1);
        EXPECT_EQ(game().level->bars[1].ACTIVE, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(States, LeftClickTest,
                         ::testing::Values(ClickCase{1, 0, true}, ClickCase{1, 1, false},
                                           ClickCase{0, 0, false}, ClickCase{0, 1, false}));

class RightClickTest : public ViewFixture, public ::testing::WithParamInterface<int> {};

TEST_P(RightClickTest, FlipsOrientationAndCursorWithAClickAlsoWhilePaused) {
    SoundRecorder sounds;
    giveSoundsFakeImages(game());
    game().setPaused(GetParam());
    ASSERT_EQ(game().horizontalBars, 0);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, cellPoint(3, 3));
    EXPECT_EQ(game().horizontalBars, 1);
    EXPECT_EQ(GetCursor(), game().cursors[1]);
    SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, cellPoint(3, 3));
    EXPECT_EQ(game().horizontalBars, 0);
    EXPECT_EQ(GetCursor(), game().cursors[0]);
    EXPECT_EQ(sounds.played,
              (std::vector<const void*>{game().clickSound.data, game().clickSound.data}));
    EXPECT_EQ(game().paused, GetParam());
}

INSTANTIATE_TEST_SUITE_P(PausedOrNot, RightClickTest, ::testing::Values(0, 1));

TEST_F(GameViewTest, CursorsAreTheTwoDoubleArrows) {
    EXPECT_EQ(game().cursors[0], LoadCursorA(nullptr, MAKEINTRESOURCEA(32645)));
    EXPECT_EQ(game().cursors[1], LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));
    SendMessageA(view, WM_SETCURSOR, reinterpret_cast<WPARAM>(view), HTCLIENT);
    EXPECT_EQ(GetCursor(), game().cursors[0]);
}

TEST_F(GameViewTest, PKeyTogglesThePauseAndOtherKeysDoNothing) {
    SendMessageA(view, WM_KEYDOWN, 'P', 0);
    EXPECT_EQ(game().paused, 1);
    SendMessageA(view, WM_KEYDOWN, 'Q', 0);
    SendMessageA(view, WM_KEYDOWN, VK_F2, 0);
    EXPECT_EQ(game().paused, 1);
    EXPECT_TRUE(frameCommands.empty());
    SendMessageA(view, WM_KEYDOWN, 'P', 0);
    EXPECT_EQ(game().paused, 0);
}

TEST_F(GameViewTest, F1AsksTheFrameForHelp) {
    SendMessageA(view, WM_KEYDOWN, VK_F1, 0);
    EXPECT_EQ(frameCommands, std::vector<WPARAM>{IDM_HELP});
}

TEST_F(GameViewTest, DialogCommandsGoBackToTheFrameAsBareCommands) {
    // As an accelerator delivers them: notification code 1.
    for (int id : {IDM_DISPLAY_OPTIONS, IDM_GAME_OPTIONS, IDM_HELP}) {
        SendMessageA(view, WM_COMMAND, MAKEWPARAM(id, 1), 0);
    }
    EXPECT_EQ(frameCommands,
              (std::vector<WPARAM>{IDM_DISPLAY_OPTIONS, IDM_GAME_OPTIONS, IDM_HELP}));
}

TEST_F(GameViewTest, PauseCommandTogglesAndWebCommandsDoNothing) {
    DialogRecorder dialogs;
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(IDM_PAUSE, 1), 0);
    EXPECT_EQ(game().paused, 1);
    for (int id : {IDM_WEB_MAKER, IDM_WEB_PRODUCT, IDM_WALL_OF_FAME, IDM_WEB_EDITION_1, 12345}) {
        SendMessageA(view, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
    EXPECT_EQ(game().paused, 1);
    EXPECT_TRUE(frameCommands.empty());
    EXPECT_TRUE(dialogs.runs.empty());
}

TEST_F(GameViewTest, GameTimerTicksAndRepaints) {
    ShowWindow(frame, SW_SHOWNOACTIVATE);
    UpdateWindow(frame);
    ASSERT_FALSE(GetUpdateRect(view, nullptr, FALSE));
    int frameTick = game().frameTick;
    Ball before = game().level->balls[0];
    clock.now += 10;
    SendMessageA(view, WM_TIMER, kGameTimerId, 0);
    EXPECT_EQ(game().frameTick, frameTick + 1);
    const Ball& after = game().level->balls[0];
    EXPECT_EQ(std::abs(after.X - before.X), game().ballStep);
    EXPECT_EQ(std::abs(after.Y - before.Y), game().ballStep);
    EXPECT_TRUE(GetUpdateRect(view, nullptr, FALSE));
}

TEST_F(GameViewTest, GameTimerHoldsTheGameWhileATooltipIsShown) {
    int frameTick = game().frameTick;
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(IDM_SAVE, kToolHover),
                 reinterpret_cast<LPARAM>(frame));
    ASSERT_EQ(game().tooltipShown, 1);
    SendMessageA(view, WM_TIMER, kGameTimerId, 0);
    EXPECT_EQ(game().frameTick, frameTick);
    SendMessageA(view, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(game().tooltipShown, 0);
    SendMessageA(view, WM_TIMER, kGameTimerId, 0);
    EXPECT_EQ(game().frameTick, frameTick + 1);
}

TEST_F(GameViewTest, TooltipHidesOnLeaveWordAndOnClicks) {
    LPARAM button = reinterpret_cast<LPARAM>(frame);
    struct Case {
        WPARAM wParam;
        LPARAM lParam;
        int shownAfter;
    };
    const Case cases[] = {
        {MAKEWPARAM(1, kToolHover), button, 1}, {MAKEWPARAM(1, 7), button, 1},
        {MAKEWPARAM(1, kToolLeave), 0, 1},      {MAKEWPARAM(1, kToolLeave), button, 0},
        {MAKEWPARAM(1, kToolHover), button, 1}, {MAKEWPARAM(1, 0), button, 0},
        {MAKEWPARAM(1, kToolHover), button, 1}, {MAKEWPARAM(1, 5), button, 0},
        {MAKEWPARAM(1, kToolHover), button, 1}, {kToolLeave, 0, 0},
    };
    for (const Case& c : cases) {
        SendMessageA(view, WM_COMMAND, c.wParam, c.lParam);
        EXPECT_EQ(game().tooltipShown, c.shownAfter) << std::hex << c.wParam;
    }
}

TEST_F(GameViewTest, StartGameTimerSetsStepAndPeriodBySpeed) {
    struct Case {
        int speed, step;
        UINT period;
    };
    for (Case c : {Case{0, 1, 10}, Case{1, 2, 2}, Case{2, 4, 2}, Case{7, 2, 2}}) {
        game().level->SPEED = c.speed;
        game().startGameTimer(1);
        EXPECT_EQ(game().barStep, c.step) << "speed " << c.speed;
        EXPECT_EQ(game().ballStep, c.step) << "speed " << c.speed;
        EXPECT_EQ(game().gameTimerPeriod, c.period) << "speed " << c.speed;
        EXPECT_EQ(gameTimerSettingFor(c.speed).periodMs, c.period);
    }
    KillTimer(view, kGameTimerId);
}

TEST_F(GameViewTest, StatusMessageClearsAfterThreeWholeSecondsNotWhileATooltipShows) {
    clock.now = 5000;
    game().showStatus("You created bars");
    ASSERT_EQ(game().statusPending, 1);
    clock.now = 7999;
    SendMessageA(view, WM_TIMER, kClockTimerId, 0);
    EXPECT_EQ(game().statusPending, 1);
    clock.now = 8000;
    game().tooltipShown = 1;
    SendMessageA(view, WM_TIMER, kClockTimerId, 0);
    EXPECT_EQ(game().statusPending, 1);
    game().tooltipShown = 0;
    SendMessageA(view, WM_TIMER, kClockTimerId, 0);
    EXPECT_EQ(game().statusPending, 0);
    EXPECT_STREQ(game().statusText, "");
}

TEST_F(GameViewTest, RestartAsksWhileRunningAndNoKeepsTheGame) {
    BoxAnswerer boxes(IDNO);
    game().level->SCORE = 12.5;
    SendMessageA(view, WM_COMMAND, IDM_RESTART, 0);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"Stop current game ?"});
    EXPECT_EQ(boxes.pausedAtBox, std::vector<int>{1});
    EXPECT_EQ(game().level->SCORE, 12.5);
    EXPECT_EQ(game().paused, 0);

    boxes.button = IDYES;
    SendMessageA(view, WM_COMMAND, IDM_RESTART, 0);
    EXPECT_EQ(game().level->SCORE, 0.0);
    EXPECT_EQ(game().level->NBLLS, 1);
}

TEST_F(GameViewTest, RestartBetweenLevelsStartsAtOnce) {
    BoxAnswerer boxes(IDNO);
    game().level->SCORE = 3.0;
    GameModel::gameRunning = 0;
    SendMessageA(view, WM_COMMAND, IDM_RESTART, 0);
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(game().level->SCORE, 0.0);
    EXPECT_EQ(GameModel::gameRunning, 1);
}

TEST_F(GameViewTest, SaveAndOpenRefuseWithTheirMessages) {
    BoxAnswerer boxes(IDOK);
    DialogRecorder dialogs;
    GameModel::gameRunning = 0;
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(IDM_SAVE, 1), 0);
    GameModel::gameRunning = 1;
    // No saved game exists: no question about the running game.
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(IDM_OPEN, 1), 0);
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{"You can not save finished game",
                                                     "You do not have saved games"}));
    EXPECT_TRUE(dialogs.runs.empty());
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(IDM_SAVE, 1), 0);
    EXPECT_EQ(dialogs.runs, std::vector<int>{IDD_SAVE_GAME});
}

TEST_F(GameViewTest, CloseStopsTheTimersAndDestroysTheView) {
    SendMessageA(view, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(view));
    EXPECT_EQ(theGame, nullptr);
    EXPECT_TRUE(IsWindow(frame));
}

}  // namespace
