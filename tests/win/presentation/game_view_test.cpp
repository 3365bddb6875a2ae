// The game view turns clicks, keys, commands and timers into game
// operations, plays the sounds of the game's events, and shows its boxes.
#include "tests/win/presentation/presentation_fixture.h"

#include <functional>

namespace {

using GameViewTest = ViewFixture;

HCURSOR systemCursor(int id) {
    return LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
}

TEST_F(GameViewTest, LeftClickLaunchesBarsWithAClickOnlyWhileALevelRunsUnpaused) {
    struct Case {
        int running, paused;
    };
    // The launching case comes last: its bars would stop the others.
    for (Case c : {Case{1, 1}, Case{0, 0}, Case{0, 1}, Case{1, 0}}) {
        resetRecords();
        game().paused = c.paused;
        gameRunning = c.running;
        // Row 1 is at least four cells away from every ball of level 1.
        SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, cellPoint(1, 2));
        const Bar& bar = game().level->bars[0];
        bool shoots = c.running == 1 && c.paused == 0;
        EXPECT_EQ(played, std::vector<const void*>(shoots ? 1 : 0, game().clickSound.data));
        EXPECT_EQ(bar.ACTIVE, shoots ? 0 : 1);
        if (shoots) {
            EXPECT_EQ((std::vector<int>{bar.RSTART, bar.CSTART}), (std::vector<int>{1, 2}));
            EXPECT_STREQ(game().statusText, "You created bars");
        }
    }
}

TEST_F(GameViewTest, RightClickFlipsOrientationAndCursorWithAClickAlsoWhilePaused) {
    for (int paused : {1, 0}) {
        resetRecords();
        game().setPaused(paused);
        SendMessageA(view, WM_SETCURSOR, reinterpret_cast<WPARAM>(view), HTCLIENT);
        EXPECT_EQ(GetCursor(), systemCursor(32645));  // up and down arrows
        SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, cellPoint(3, 3));
        EXPECT_EQ(game().horizontalBars, 1);
        EXPECT_EQ(GetCursor(), systemCursor(32644));  // left and right arrows
        SendMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, cellPoint(3, 3));
        EXPECT_EQ(game().horizontalBars, 0);
        EXPECT_EQ(GetCursor(), systemCursor(32645));
        EXPECT_EQ(played, std::vector<const void*>(2, game().clickSound.data));
        EXPECT_EQ(game().paused, paused);
    }
}

TEST_F(GameViewTest, KeysAndCommandsPauseOrGoBackToTheFrameForItsDialogs) {
    struct Step {
        UINT message;
        WPARAM wParam;
        int pausedAfter, dialog;
    };
    // Accelerators deliver commands with notification code 1.
    const Step steps[] = {
        {WM_KEYDOWN, 'P', 1, 0},
        {WM_KEYDOWN, 'Q', 1, 0},
        {WM_KEYDOWN, VK_F2, 1, 0},
        {WM_KEYDOWN, 'P', 0, 0},
        {WM_KEYDOWN, VK_F1, 0, IDD_HELP},
        {WM_COMMAND, MAKEWPARAM(IDM_PAUSE, 1), 1, 0},
        {WM_COMMAND, MAKEWPARAM(IDM_HELP, 1), 1, IDD_HELP},
        {WM_COMMAND, MAKEWPARAM(IDM_WEB_MAKER, 0), 1, 0},
        {WM_COMMAND, MAKEWPARAM(IDM_WALL_OF_FAME, 0), 1, 0},
        {WM_COMMAND, MAKEWPARAM(12345, 0), 1, 0},
        {WM_COMMAND, MAKEWPARAM(IDM_PAUSE, 0), 0, 0},
    };
    for (const Step& s : steps) {
        dialogRuns.clear();
        SendMessageA(view, s.message, s.wParam, 0);
        EXPECT_EQ(game().paused, s.pausedAfter) << std::hex << s.wParam;
        EXPECT_EQ(dialogRuns, std::vector<int>(s.dialog != 0 ? 1 : 0, s.dialog))
            << std::hex << s.wParam;
    }
}

TEST_F(GameViewTest, TooltipHidesOnLeaveFromItsButtonOrAClickAndHoldsTheGameWhileShown) {
    const LPARAM button = reinterpret_cast<LPARAM>(frame);
    struct Step {
        WPARAM wParam;
        LPARAM lParam;
        int shownAfter;
    };
    const Step steps[] = {
        {MAKEWPARAM(1, kToolHover), button, 1}, {MAKEWPARAM(1, 7), button, 1},
        {MAKEWPARAM(1, kToolLeave), 0, 1},      {MAKEWPARAM(1, kToolLeave), button, 0},
        {MAKEWPARAM(1, kToolHover), button, 1}, {MAKEWPARAM(1, 0), button, 0},
        {MAKEWPARAM(1, kToolHover), button, 1}, {MAKEWPARAM(1, 5), button, 0},
        {MAKEWPARAM(1, kToolHover), button, 1}, {kToolLeave, 0, 0},
    };
    for (const Step& s : steps) {
        SendMessageA(view, WM_COMMAND, s.wParam, s.lParam);
        EXPECT_EQ(game().tooltipShown, s.shownAfter) << std::hex << s.wParam;
    }
    // Neither the game nor the clearing of a status message goes on under
    // a tooltip; both do once it is gone.
    clock.now = 5000;
    game().showStatus("You created bars");
    SendMessageA(view, WM_COMMAND, MAKEWPARAM(IDM_SAVE, kToolHover), button);
    const int frameTick = game().frameTick;
    for (int shown : {1, 0}) {
        clock.now = 8000 + shown;
        SendMessageA(view, WM_TIMER, kGameTimerId, 0);
        SendMessageA(view, WM_TIMER, kClockTimerId, 0);
        EXPECT_EQ((std::vector<int>{game().tooltipShown, game().frameTick, game().statusPending}),
                  (std::vector<int>{shown, frameTick + 1 - shown, shown}));
        SendMessageA(view, WM_MOUSEMOVE, 0, 0);
    }
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

TEST_F(GameViewTest, StartGameTimerSetsStepAndPeriodBySpeed) {
    struct Case {
        int speed, step;
        UINT period;
    };
    for (Case c : {Case{0, 1, 10}, Case{1, 2, 2}, Case{2, 4, 2}, Case{7, 2, 2}}) {
        game().level->SPEED = c.speed;
        game().startGameTimer(1);
        EXPECT_EQ((std::vector<int>{game().barStep, game().ballStep}),
                  (std::vector<int>{c.step, c.step}))
            << "speed " << c.speed;
        EXPECT_EQ(game().gameTimerPeriod, c.period) << "speed " << c.speed;
    }
    KillTimer(view, kGameTimerId);
}

TEST_F(GameViewTest, RestartAsksOnlyWhileALevelRunsAndNoKeepsTheGame) {
    struct Case {
        int running, answer;
        size_t questions;
        double scoreAfter;
    };
    for (Case c : {Case{1, IDNO, 1, 12.5}, Case{1, IDYES, 1, 0.0}, Case{0, IDNO, 0, 0.0}}) {
        resetRecords(c.answer);
        gameRunning = c.running;
        game().level->SCORE = 12.5;
        SendMessageA(view, WM_COMMAND, IDM_RESTART, 0);
        EXPECT_EQ(boxTexts, std::vector<std::string>(c.questions, "Stop current game ?"));
        EXPECT_EQ(pausedAtBox, std::vector<int>(c.questions, 1));
        EXPECT_EQ(game().level->SCORE, c.scoreAfter);
        EXPECT_EQ(gameRunning, 1);
        EXPECT_EQ(game().paused, 0);
    }
}

TEST_F(GameViewTest, EachEventPlaysItsSoundOnlyWithTheSoundOptionOn) {
    Game& g = game();
    const std::pair<std::function<void()>, const void*> events[] = {
        {[&] { g.onLevelStarted(); }, g.levelStartSound.data},
        {[&] { g.onLifeLost(); }, g.lifeLostSound.data},
        {[&] { SendMessageA(view, WM_LBUTTONDOWN, 0, cellPoint(1, 2)); }, g.clickSound.data},
        {[&] { SendMessageA(view, WM_RBUTTONDOWN, 0, cellPoint(1, 2)); }, g.clickSound.data},
        {[&] { g.onLevelCompleted(); }, g.levelDoneSound.data},
    };
    for (const auto& event : events) {
        resetRecords();
        g.soundOn = 0;
        event.first();
        EXPECT_TRUE(played.empty());
        g.soundOn = 1;
        event.first();
        EXPECT_EQ(played, std::vector<const void*>{event.second});
    }
    // A finished level offers the next one whether or not sound is on.
    EXPECT_EQ(dialogRuns, (std::vector<int>{IDD_NEXT_LEVEL, IDD_NEXT_LEVEL}));
}

TEST_F(GameViewTest, ClickOnABallSoundsTheLifeLostOrTheNewGameAfterTheLastLife) {
    for (int lives : {2, 1}) {
        resetRecords();
        game().level->LOVES = lives;
        const Ball& ball = game().level->balls[0];
        SendMessageA(view, WM_LBUTTONDOWN, 0, MAKELPARAM(ball.X, ball.Y));
        ASSERT_GE(played.size(), 2u) << lives;
        EXPECT_EQ(played[0], game().clickSound.data);
        if (lives == 2) {
            EXPECT_EQ(played[1], game().lifeLostSound.data);
            EXPECT_EQ(game().level->LOVES, 1);
            EXPECT_TRUE(boxTexts.empty());
        } else {
            // The last life ends the game; the new game's start is heard.
            EXPECT_EQ(played[1], game().levelStartSound.data);
            EXPECT_EQ(boxTexts, std::vector<std::string>{"The game is over.\nNo more lives"});
        }
    }
}

TEST_F(GameViewTest, BoxesPauseTheGameAndRestoreThePreviousState) {
    for (int before : {0, 1}) {
        resetRecords(IDYES);
        game().setPaused(before);
        EXPECT_TRUE(game().askYesNo(view, "Stop current game ?"));
        game().showInfo("setBarTo-up");
        game().showMessage("Can not save game");
        // Only a score without a place on the Wall of Fame gets a box.
        for (int reason : {0, 1, 2, 5}) {
            game().onGameOver(reason, reason == 0 ? -1 : 10);
        }
        game().onGameOver(1, 0);
        game().onGameOver(1, 9);
        EXPECT_EQ(boxTexts,
                  (std::vector<std::string>{
                      "Stop current game ?", "setBarTo-up", "Can not save game",
                      "The game is over.\nNo more balls", "The game is over.\nNo more lives",
                      "The game is over.\nTime is expired", "The game is over.\n"}));
        // The game is over at its own boxes; nothing to hold there.
        EXPECT_EQ(pausedAtBox, (std::vector<int>{1, 1, 1, before, before, before, before}));
        EXPECT_EQ(game().paused, before);
    }
    boxButton = IDNO;
    EXPECT_FALSE(game().askYesNo(view, "Stop current game ?"));
}

TEST_F(GameViewTest, FatalErrorShowsItsBoxAndClosesOnlyAfterTheFailedTickReturned) {
    // A ball with a direction outside the eight makes the motion check fail.
    game().level->balls[0].DRCT = 9;
    clock.now += 10;
    SendMessageA(view, WM_TIMER, kGameTimerId, 0);
    EXPECT_EQ(boxTexts, std::vector<std::string>{"tryMove - invalid direction"});
    EXPECT_EQ(pausedAtBox, std::vector<int>{1});
    // The tick that failed ran on to its end on this Game.
    ASSERT_NE(theGame, nullptr);
    EXPECT_TRUE(game().failed());
    EXPECT_EQ(game().paused, 0);
    EXPECT_TRUE(IsWindow(frame));
    pumpMessages();
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_FALSE(IsWindow(view));
    EXPECT_EQ(theGame, nullptr);
}

}  // namespace
