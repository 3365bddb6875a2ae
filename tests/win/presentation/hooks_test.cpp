// What the model's hooks do for the player: sounds, boxes, dialogs, status
// texts, and the orderly end after a fatal error.
#include "tests/win/presentation/presentation_fixture.h"

#include <cstring>

#include "model/wall_of_fame.h"
#include "presentation/dialog_runner.h"

namespace {

using HooksTest = ViewFixture;

enum class Event { LevelStarted, LevelCompleted, LifeLost, LeftClick, RightClick };

struct SoundCase {
    Event event;
    const char* name;
};

class SoundTest : public ViewFixture, public ::testing::WithParamInterface<SoundCase> {
  protected:
    void fire() {
        switch (GetParam().event) {
            case Event::LevelStarted:
                game().onLevelStarted();
                break;
            case Event::LevelCompleted:
                game().onLevelCompleted();
                break;
            case Event::LifeLost:
                game().onLifeLost();
                break;
            case Event::LeftClick:
                SendMessageA(view, WM_LBUTTONDOWN, 0, cellPoint(1, 2));
                break;
            case Event::RightClick:
                SendMessageA(view, WM_RBUTTONDOWN, 0, cellPoint(1, 2));
                break;
        }
    }
    const void* expectedSound() {
        switch (GetParam().event) {
            case Event::LevelStarted:
                return game().levelStartSound.data;
            case Event::LevelCompleted:
                return game().levelDoneSound.data;
            case Event::LifeLost:
                return game().lifeLostSound.data;
            default:
                return game().clickSound.data;
        }
    }
};

TEST_P(SoundTest, PlaysItsSoundOnlyWithTheSoundOptionOn) {
    SoundRecorder sounds;
    DialogRecorder dialogs;
    giveSoundsFakeImages(game());
    game().soundOn = 1;
    fire();
    EXPECT_EQ(sounds.played, std::vector<const void*>{expectedSound()});
    game().soundOn = 0;
    fire();
    EXPECT_EQ(sounds.played.size(), 1u);
    game().soundOn = 1;
    fire();
    EXPECT_EQ(sounds.played, (std::vector<const void*>{expectedSound(), expectedSound()}));
}

INSTANTIATE_TEST_SUITE_P(Events, SoundTest,
                         ::testing::Values(SoundCase{Event::LevelStarted, "LevelStarted"},
                                           SoundCase{Event::LevelCompleted, "LevelCompleted"},
                                           SoundCase{Event::LifeLost, "LifeLost"},
                                           SoundCase{Event::LeftClick, "LeftClick"},
                                           SoundCase{Event::RightClick, "RightClick"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HooksTest, ClickOnABallCutsTheClickOffWithTheLifeLostSoundWhileLivesRemain) {
    struct Case {
        int lives;
        bool lifeLostSound;
    };
    for (Case c : {Case{2, true}, Case{1, false}}) {
        SoundRecorder sounds;
        BoxAnswerer boxes;
        giveSoundsFakeImages(game());
        game().level->LOVES = c.lives;
        const Ball& ball = game().level->balls[0];
        SendMessageA(view, WM_LBUTTONDOWN, 0, MAKELPARAM(ball.X, ball.Y));
        ASSERT_GE(sounds.played.size(), 2u) << c.lives;
        EXPECT_EQ(sounds.played[0], game().clickSound.data);
        if (c.lifeLostSound) {
            EXPECT_EQ(sounds.played[1], game().lifeLostSound.data);
            EXPECT_EQ(game().level->LOVES, 1);
            EXPECT_TRUE(boxes.texts.empty());
        } else {
            // The last life ends the game; the new game's start is heard.
            EXPECT_EQ(sounds.played[1], game().levelStartSound.data);
            EXPECT_EQ(boxes.texts, std::vector<std::string>{"The game is over.\nNo more lives"});
        }
    }
}

TEST_F(HooksTest, LevelCompletedShowsTheNextLevelDialogAlsoWithoutSound) {
    DialogRecorder dialogs;
    game().soundOn = 0;
    game().onLevelCompleted();
    EXPECT_EQ(dialogs.runs, std::vector<int>{IDD_NEXT_LEVEL});
}

TEST_F(HooksTest, GameOverShowsOneBoxWithTheReasonUnlessTheNameWasAsked) {
    BoxAnswerer boxes;
    struct Case {
        int reason, rank;
        const char* text;
    };
    const Case cases[] = {
        {0, -1, "The game is over.\nNo more balls"},
        {1, 10, "The game is over.\nNo more lives"},
        {2, 10, "The game is over.\nTime is expired"},
        {5, 10, "The game is over.\n"},
    };
    for (const Case& c : cases) {
        game().onGameOver(c.reason, c.rank);
    }
    for (int rank : {0, 9}) {
        game().onGameOver(1, rank);
    }
    ASSERT_EQ(boxes.texts.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(boxes.texts[i], cases[i].text);
    }
}

TEST_F(HooksTest, AskPlayerNameRunsTheGameOverDialogAndCopiesTheName) {
    copyName(userName, kNameBufferSize, "Ada of the thirty-character names");
    for (int answer : {1, 0}) {
        DialogRecorder dialogs(answer);
        char name[kNameBufferSize];
        std::memset(name, 'x', sizeof name);
        EXPECT_EQ(game().askPlayerName(name, 3), answer);
        EXPECT_EQ(dialogs.runs, std::vector<int>{IDD_GAME_OVER});
        EXPECT_STREQ(name, userName);
        EXPECT_EQ(std::strlen(name), static_cast<size_t>(kNameChars));
    }
    userName[0] = '\0';
}

TEST_F(HooksTest, BoxesPauseTheGameAndRestoreThePreviousState) {
    for (int before : {0, 1}) {
        BoxAnswerer boxes(IDYES);
        game().setPaused(before);
        EXPECT_TRUE(game().askYesNo(view, "Stop current game ?"));
        game().showInfo("setBarTo-up");
        game().showMessage("Can not save game");
        EXPECT_EQ(boxes.texts, (std::vector<std::string>{"Stop current game ?", "setBarTo-up",
                                                         "Can not save game"}));
        EXPECT_EQ(boxes.pausedAtBox, (std::vector<int>{1, 1, 1}));
        EXPECT_EQ(game().paused, before);
    }
    BoxAnswerer no(IDNO);
    EXPECT_FALSE(game().askYesNo(view, "Stop current game ?"));
}

TEST_F(HooksTest, ShowStatusKeepsTheTextAndTheTimeOfAMessage) {
    clock.now = 1234;
    game().showStatus("You released 12 cells");
    EXPECT_STREQ(game().statusText, "You released 12 cells");
    EXPECT_EQ(game().statusPending, 1);
    EXPECT_EQ(game().statusShownAt, 1234);
    clock.now = 2000;
    game().showStatus("");
    EXPECT_EQ(game().statusPending, 0);
    EXPECT_STREQ(game().statusText, "");
}

TEST_F(HooksTest, LevelStartSetsTheCursorOfTheOrientation) {
    game().horizontalBars = 1;
    game().onLevelStarted();
    EXPECT_EQ(GetCursor(), game().cursors[1]);
}

TEST_F(HooksTest, FatalErrorShowsItsBoxAndClosesOnlyAfterTheCallerReturned) {
    BoxAnswerer boxes;
    game().fatalError("tryMove");
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"tryMove"});
    EXPECT_EQ(boxes.pausedAtBox, std::vector<int>{1});
    // The model operation that failed still runs on this Game.
    ASSERT_NE(theGame, nullptr);
    EXPECT_EQ(game().paused, 0);
    EXPECT_TRUE(IsWindow(frame));
    pumpMessages();
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_FALSE(IsWindow(view));
    EXPECT_EQ(theGame, nullptr);
}

TEST_F(HooksTest, FatalErrorInsideATickEndsTheProgramAfterTheTick) {
    BoxAnswerer boxes;
    // A ball with a direction outside the eight makes the motion check fail.
    game().level->balls[0].DRCT = 9;
    clock.now += 10;
    SendMessageA(view, WM_TIMER, kGameTimerId, 0);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"tryMove - invalid direction"});
    ASSERT_NE(theGame, nullptr);
    EXPECT_TRUE(game().failed());
    pumpMessages();
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(theGame, nullptr);
}

}  // namespace
