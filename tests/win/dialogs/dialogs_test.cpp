// The dialogs as the player meets them: each runs with the game paused,
// applies what was chosen only on OK, and gives back the pause state.
#include <cstring>
#include <string>

#include "model/wall_of_fame.h"
#include "presentation/dialog_runner.h"
#include "resources/resource.h"
#include "shell/dialogs/run_dialog.h"
#include "shell/frame.h"
#include "tests/win/dialogs/dialog_fixture.h"

namespace {

using DialogTest = FrameFixture;

int selection(HWND dialog, int listId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, listId, CB_GETCURSEL, 0, 0));
}

std::string listText(HWND dialog, int listId, int position) {
    char text[64] = {};
    SendDlgItemMessageA(dialog, listId, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(text));
    return text;
}

int listCount(HWND dialog, int listId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, listId, CB_GETCOUNT, 0, 0));
}

void choose(HWND dialog, int listId, int position) {
    SendDlgItemMessageA(dialog, listId, CB_SETCURSEL, position, 0);
}

// --- The runner ---

TEST_F(DialogTest, F3OpensDisplayOptionsOnceCentredAndPausedThroughTheFrame) {
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(accelerators, nullptr);
    int pausedInside = -1;
    RECT box{};
    DialogDriver driver([&](HWND dialog, int) {
        pausedInside = game().paused;
        GetWindowRect(dialog, &box);
        press(dialog, IDCANCEL);
    });
    MSG key = {frame, WM_KEYDOWN, VK_F3, 0, 0, {0, 0}};
    processMessage(frame, accelerators, key);
    DestroyAcceleratorTable(accelerators);

    EXPECT_EQ(driver.captions, std::vector<std::string>{"Zembal: Display Options"});
    EXPECT_EQ(pausedInside, 1);
    EXPECT_EQ(game().paused, 0);
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(box.left, (desktop.right - (box.right - box.left)) / 2);
    EXPECT_EQ(box.top, (desktop.bottom - (box.bottom - box.top)) / 2);
}

struct PauseCase {
    int pausedBefore;
    int button;
    const char* name;
};

class PauseAroundDialogTest : public FrameFixture,
                              public ::testing::WithParamInterface<PauseCase> {};

TEST_P(PauseAroundDialogTest, GameKeepsThePauseStateItHadBefore) {
    game().setPaused(GetParam().pausedBefore);
    int pausedInside = -1;
    DialogDriver driver([&](HWND dialog, int) {
        pausedInside = game().paused;
        press(dialog, GetParam().button);
    });
    int result = runDialog(IDD_DISPLAY_OPTIONS);
    EXPECT_EQ(result, GetParam().button == IDOK ? 1 : 0);
    EXPECT_EQ(pausedInside, 1);
    EXPECT_EQ(game().paused, GetParam().pausedBefore);
    // Play shows exactly while the game is paused.
    EXPECT_EQ(IsWindowVisible(game().toolButtons[kPlayButton].window) != 0,
              GetParam().pausedBefore == 1);
    EXPECT_EQ(IsWindowVisible(game().toolButtons[kPauseButton].window) != 0,
              GetParam().pausedBefore == 0);
}

INSTANTIATE_TEST_SUITE_P(States, PauseAroundDialogTest,
                         ::testing::Values(PauseCase{0, IDOK, "RunningAccepted"},
                                           PauseCase{1, IDOK, "PausedAccepted"},
                                           PauseCase{0, IDCANCEL, "RunningCancelled"},
                                           PauseCase{1, IDCANCEL, "PausedCancelled"}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Display Options ---

TEST_F(DialogTest, DisplayOptionsShowsTheSettingsAndOkAppliesEveryChoice) {
    Game& g = game();
    g.level->GRID = 1;
    g.soundOn = 1;
    g.themeIndex = 0;
    g.level->SPEED = 0;
    g.startGameTimer(1);
    ASSERT_EQ(g.gameTimerPeriod, 10u);
    COLORREF classicField = g.fieldColour;
    DialogDriver driver([&](HWND dialog, int) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_GRID), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SOUND), BST_CHECKED);
        ASSERT_EQ(listCount(dialog, IDC_THEME), 7);
        EXPECT_EQ(listText(dialog, IDC_THEME, 0), "Classic");
        EXPECT_EQ(listText(dialog, IDC_THEME, 6), "Sky");
        EXPECT_EQ(selection(dialog, IDC_THEME), 0);
        ASSERT_EQ(listCount(dialog, IDC_SPEED), 3);
        EXPECT_EQ(listText(dialog, IDC_SPEED, 2), "Fast");
        EXPECT_EQ(selection(dialog, IDC_SPEED), 0);
        CheckDlgButton(dialog, IDC_GRID, BST_UNCHECKED);
        CheckDlgButton(dialog, IDC_SOUND, BST_UNCHECKED);
        choose(dialog, IDC_THEME, 5);
        choose(dialog, IDC_SPEED, 2);
        press(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_DISPLAY_OPTIONS), 1);
    EXPECT_EQ(g.level->GRID, 0);
    EXPECT_EQ(g.soundOn, 0);
    EXPECT_EQ(g.themeIndex, 5);
    EXPECT_NE(g.fieldColour, classicField);
    EXPECT_EQ(g.level->SPEED, 2);
    // The game timer runs anew for the fast speed.
    EXPECT_EQ(g.gameTimerPeriod, 2u);
    EXPECT_EQ(g.barStep, 4);
    EXPECT_EQ(g.ballStep, 4);
}

TEST_F(DialogTest, DisplayOptionsCancelChangesNothing) {
    Game& g = game();
    DialogDriver driver([&](HWND dialog, int) {
        CheckDlgButton(dialog, IDC_GRID, BST_UNCHECKED);
        choose(dialog, IDC_SPEED, 2);
        press(dialog, IDCANCEL);
    });
    EXPECT_EQ(runDialog(IDD_DISPLAY_OPTIONS), 0);
    EXPECT_EQ(g.level->GRID, 1);
    EXPECT_EQ(g.level->SPEED, 0);
}

TEST_F(DialogTest, DisplayOptionsKeepsATheIndexTheListDoesNotHave) {
    game().themeIndex = 9;  // as a hand-edited settings file may hold
    DialogDriver driver([&](HWND dialog, int) {
        EXPECT_EQ(selection(dialog, IDC_THEME), CB_ERR);
        press(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_DISPLAY_OPTIONS), 1);
    EXPECT_EQ(game().themeIndex, 9);
}

// --- Game Options ---

struct GameOptionsOutcome {
    int runResult;
    std::vector<std::string> boxes;
    int dialogActivations;
};

// Runs Game Options choosing the given positions (-1: leave the list as it
// opened) and answering the question with `answer`, then, if the dialog is
// still open, cancelling it.
GameOptionsOutcome runGameOptions(int percentPosition, int sizePosition, int answer) {
    int dialogActivations = 0;
    DialogDriver driver([&](HWND window, int) {
        if (isMessageBox(window)) {
            press(window, answer);
            return;
        }
        if (dialogActivations++ > 0) {
            press(window, IDCANCEL);  // still open after the question
            return;
        }
        if (percentPosition >= 0) {
            choose(window, IDC_PERCENT, percentPosition);
        }
        if (sizePosition >= 0) {
            choose(window, IDC_FIELD_SIZE, sizePosition);
        }
        press(window, IDOK);
    });
    int result = runDialog(IDD_GAME_OPTIONS);
    return {result, driver.boxTexts, dialogActivations};
}

TEST_F(DialogTest, GameOptionsListsThePercentagesAndSizesWithTheCurrentOnesSelected) {
    game().setFieldSize(25, 35);
    game().percentToComplete = 80;
    DialogDriver driver([&](HWND dialog, int) {
        ASSERT_EQ(listCount(dialog, IDC_PERCENT), 4);
        EXPECT_EQ(listText(dialog, IDC_PERCENT, 0), "70%");
        EXPECT_EQ(listText(dialog, IDC_PERCENT, 3), "85%");
        EXPECT_EQ(selection(dialog, IDC_PERCENT), 2);
        ASSERT_EQ(listCount(dialog, IDC_FIELD_SIZE), 4);
        EXPECT_EQ(listText(dialog, IDC_FIELD_SIZE, 0), "15 * 20");
        EXPECT_EQ(listText(dialog, IDC_FIELD_SIZE, 3), "30 * 40");
        EXPECT_EQ(selection(dialog, IDC_FIELD_SIZE), 2);
        press(dialog, IDCANCEL);
    });
    EXPECT_EQ(runDialog(IDD_GAME_OPTIONS), 0);
    EXPECT_EQ(driver.captions, std::vector<std::string>{"Zembal: Game Options"});
}

TEST_F(DialogTest, GameOptionsSameChoiceChangesNothingAndAsksNothing) {
    Game& g = game();
    g.level->SCORE = 77;
    GameOptionsOutcome outcome = runGameOptions(1, 1, IDYES);
    EXPECT_EQ(outcome.runResult, 1);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_EQ(g.rows, 20);
    EXPECT_EQ(g.cols, 30);
    EXPECT_EQ(g.percentToComplete, 75);
    EXPECT_EQ(g.level->SCORE, 77);  // the same game goes on
}

TEST_F(DialogTest, GameOptionsNewSizeAsksAndYesStartsANewGameAtThatSize) {
    Game& g = game();
    g.level->SCORE = 77;
    GameOptionsOutcome outcome = runGameOptions(-1, 3, IDYES);
    EXPECT_EQ(outcome.runResult, 1);
    EXPECT_EQ(outcome.boxes,
              std::vector<std::string>{"The current game must be stopped\nContinue ?"});
    EXPECT_EQ(g.rows, 30);
    EXPECT_EQ(g.cols, 40);
    EXPECT_EQ(g.percentToComplete, 75);
    EXPECT_EQ(g.cellsToComplete, 900);
    EXPECT_EQ(g.level->SCORE, 0);
    EXPECT_EQ(g.level->NBLLS, 1);
    EXPECT_EQ(GameModel::gameRunning, 1);
    EXPECT_EQ(g.paused, 0);
    // The new game runs, so Pause is the button shown.
    EXPECT_FALSE(IsWindowVisible(g.toolButtons[kPlayButton].window));
    EXPECT_TRUE(IsWindowVisible(g.toolButtons[kPauseButton].window));
}

TEST_F(DialogTest, GameOptionsNewPercentSetsTheGoalOfTheNewGame) {
    Game& g = game();
    ASSERT_EQ(g.cellsToComplete, 450);
    GameOptionsOutcome outcome = runGameOptions(3, -1, IDYES);
    EXPECT_EQ(outcome.runResult, 1);
    EXPECT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(g.percentToComplete, 85);
    EXPECT_EQ(g.rows, 20);
    EXPECT_EQ(g.cols, 30);
    EXPECT_EQ(g.cellsToComplete, 510);
}

TEST_F(DialogTest, GameOptionsNoKeepsTheDialogOpenAndTheGameUnchanged) {
    Game& g = game();
    g.level->SCORE = 77;
    GameOptionsOutcome outcome = runGameOptions(0, 0, IDNO);
    EXPECT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(outcome.dialogActivations, 2);  // back to the dialog, then cancelled
    EXPECT_EQ(outcome.runResult, 0);
    EXPECT_EQ(g.rows, 20);
    EXPECT_EQ(g.percentToComplete, 75);
    EXPECT_EQ(g.level->SCORE, 77);
}

TEST_F(DialogTest, GameOptionsKeepsNinetyPercentTheListDoesNotOffer) {
    Game& g = game();
    g.percentToComplete = 90;
    g.computeCellsToComplete();
    int percentSelection = 0;
    DialogDriver driver([&](HWND dialog, int) {
        percentSelection = selection(dialog, IDC_PERCENT);
        press(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_GAME_OPTIONS), 1);
    EXPECT_EQ(percentSelection, CB_ERR);
    EXPECT_TRUE(driver.boxTexts.empty());
    EXPECT_EQ(g.percentToComplete, 90);
    EXPECT_EQ(g.cellsToComplete, 540);

    // A new size keeps the 90 % too.
    GameOptionsOutcome outcome = runGameOptions(-1, 0, IDYES);
    EXPECT_EQ(outcome.runResult, 1);
    EXPECT_EQ(g.percentToComplete, 90);
    EXPECT_EQ(g.rows, 15);
    EXPECT_EQ(g.cellsToComplete, 270);
}

TEST_F(DialogTest, GameOptionsKeepsASizeOutsideTheTableWhenOnlyThePercentChanges) {
    Game& g = game();
    g.setFieldSize(22, 33);
    GameOptionsOutcome outcome = runGameOptions(0, -1, IDYES);
    EXPECT_EQ(outcome.runResult, 1);
    EXPECT_EQ(outcome.boxes.size(), 1u);
    EXPECT_EQ(g.rows, 22);
    EXPECT_EQ(g.cols, 33);
    EXPECT_EQ(g.percentToComplete, 70);
    EXPECT_EQ(g.cellsToComplete, 22 * 33 * 70 / 100);
}

// --- Game over ---

class GameOverTest : public FrameFixture {
  protected:
    void SetUp() override {
        FrameFixture::SetUp();
        copyName(savedName, kNameBufferSize, userName);
        copyName(userName, kNameBufferSize, "Alice");
        savedTable = wallOfFameTable;
    }
    void TearDown() override {
        copyName(userName, kNameBufferSize, savedName);
        wallOfFameTable = savedTable;
        FrameFixture::TearDown();
    }
    char savedName[kNameBufferSize] = {};
    WallOfFameTable savedTable;
};

std::string itemText(HWND dialog, int id) {
    char text[128] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

struct ReasonCase {
    int reason;
    const char* text;
};

class GameOverReasonTest : public GameOverTest, public ::testing::WithParamInterface<ReasonCase> {};

TEST_P(GameOverReasonTest, ShowsTheTruncatedScoreTheReasonAndTheName) {
    game().level->SCORE = 1234.9;
    game().endReason = GetParam().reason;
    std::string score, reason, name;
    DialogDriver driver([&](HWND dialog, int) {
        score = itemText(dialog, IDC_SCORE);
        reason = itemText(dialog, IDC_END_REASON);
        name = itemText(dialog, IDC_USER_NAME);
        press(dialog, IDOK);
    });
    char nameOut[kNameBufferSize] = "?";
    EXPECT_EQ(game().askPlayerName(nameOut, 0), 1);
    EXPECT_EQ(driver.captions, std::vector<std::string>{"Zembal: The game is over"});
    EXPECT_EQ(score, "1234");
    EXPECT_EQ(reason, GetParam().text);
    EXPECT_EQ(name, "Alice");
    EXPECT_STREQ(nameOut, "Alice");
}

INSTANTIATE_TEST_SUITE_P(Reasons, GameOverReasonTest,
                         ::testing::Values(ReasonCase{0, "No more balls"},
                                           ReasonCase{1, "No more lives"},
                                           ReasonCase{2, "Time is expired"},
                                           ReasonCase{7, "The game is over"}));

TEST_F(GameOverTest, EmptyNameIsRefusedWithAMessageAndTheDialogStaysOpen) {
    int dialogActivations = 0;
    DialogDriver driver([&](HWND window, int) {
        if (isMessageBox(window)) {
            press(window, IDOK);
            return;
        }
        SetDlgItemTextA(window, IDC_USER_NAME, dialogActivations++ == 0 ? "" : "Bob");
        press(window, IDOK);
    });
    char nameOut[kNameBufferSize] = {};
    EXPECT_EQ(game().askPlayerName(nameOut, 3), 1);
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"You must enter user's name"});
    EXPECT_EQ(dialogActivations, 2);
    EXPECT_STREQ(userName, "Bob");
    EXPECT_STREQ(nameOut, "Bob");
}

TEST_F(GameOverTest, ThirtyTypedCharactersKeepTwentyNine) {
    const std::string typed = "abcdefghijklmnopqrstuvwxyz0123";
    ASSERT_EQ(typed.size(), 30u);
    DialogDriver driver([&](HWND dialog, int) {
        HWND edit = GetDlgItem(dialog, IDC_USER_NAME);
        SetWindowTextA(edit, "");
        for (char c : typed) {
            SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
        }
        // The field takes every one of the thirty.
        EXPECT_EQ(GetWindowTextLengthA(edit), 30);
        press(dialog, IDOK);
    });
    char nameOut[kNameBufferSize] = {};
    EXPECT_EQ(game().askPlayerName(nameOut, 0), 1);
    EXPECT_EQ(std::string(userName), typed.substr(0, 29));
    EXPECT_EQ(std::string(nameOut), typed.substr(0, 29));
}

TEST_F(GameOverTest, CancelKeepsTheNameAndTheWallOfFame) {
    clearWallOfFame(wallOfFameTable);
    copyName(wallOfFameTable.entries[0].name, kNameBufferSize, "Carol");
    wallOfFameTable.entries[0].score = 5000;
    wallOfFameTable.entries[0].level = 4;
    const WallOfFameTable before = wallOfFameTable;
    DialogDriver driver([&](HWND dialog, int) {
        SetDlgItemTextA(dialog, IDC_USER_NAME, "Bob");
        press(dialog, IDCANCEL);
    });
    int place = addToWallOfFame(wallOfFameTable, game(), 300, 2);
    EXPECT_EQ(place, 1);
    EXPECT_EQ(driver.captions.size(), 1u);
    EXPECT_STREQ(userName, "Alice");
    EXPECT_EQ(std::memcmp(&before, &wallOfFameTable, sizeof before), 0);
}

TEST_F(GameOverTest, ScoreWithoutAPlaceShowsOneBoxWithTheReason) {
    clearWallOfFame(wallOfFameTable);
    for (WallOfFameEntry& entry : wallOfFameTable.entries) {
        copyName(entry.name, kNameBufferSize, "Dora");
        entry.score = 100000;
        entry.level = 9;
    }
    game().level->SCORE = 50;
    DialogDriver driver([&](HWND window, int) { press(window, IDOK); });
    game().endGame(2);
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"The game is over.\nTime is expired"});
    EXPECT_EQ(driver.captions, std::vector<std::string>{"Zembal"});
}

TEST_F(GameOverTest, ScoreWithAPlaceShowsTheDialogAndNoBox) {
    clearWallOfFame(wallOfFameTable);
    game().level->SCORE = 50;
    DialogDriver driver([&](HWND window, int) { press(window, IDOK); });
    game().endGame(1);
    EXPECT_EQ(driver.captions, std::vector<std::string>{"Zembal: The game is over"});
    EXPECT_TRUE(driver.boxTexts.empty());
    EXPECT_STREQ(wallOfFameTable.entries[0].name, "Alice");
    EXPECT_EQ(wallOfFameTable.entries[0].score, 50);
}

// --- Next level, Help and About ---

struct CloseCase {
    int dialogId;
    const char* caption;
    int how;  // 0 Escape, 1 the close box, 2 OK
    const char* name;
};

class CloseDialogTest : public FrameFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseDialogTest, EscapeAndTheCloseBoxCancelAndOkAccepts) {
    DialogDriver driver([&](HWND dialog, int) {
        switch (GetParam().how) {
            case 0:
                PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
                break;
            case 1:
                PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
            default:
                press(dialog, IDOK);
                break;
        }
    });
    EXPECT_EQ(runDialog(GetParam().dialogId), GetParam().how == 2 ? 1 : 0);
    EXPECT_EQ(driver.captions, std::vector<std::string>{GetParam().caption});
    EXPECT_EQ(dialogs::currentDialog, 0);
    EXPECT_EQ(dialogs::acceptedFlag, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CloseDialogTest,
    ::testing::Values(CloseCase{IDD_NEXT_LEVEL, "Zembal", 0, "NextLevelEscape"},
                      CloseCase{IDD_NEXT_LEVEL, "Zembal", 1, "NextLevelCloseBox"},
                      CloseCase{IDD_NEXT_LEVEL, "Zembal", 2, "NextLevelOk"},
                      CloseCase{IDD_HELP, "Zembal: Help", 0, "HelpEscape"},
                      CloseCase{IDD_HELP, "Zembal: Help", 1, "HelpCloseBox"},
                      CloseCase{IDD_HELP, "Zembal: Help", 2, "HelpOk"},
                      CloseCase{IDD_ABOUT, "About Zembal", 0, "AboutEscape"},
                      CloseCase{IDD_ABOUT, "About Zembal", 1, "AboutCloseBox"},
                      CloseCase{IDD_ABOUT, "About Zembal", 2, "AboutOk"}),
    [](const auto& info) { return std::string(info.param.name); });

// Runs the real dialogs and notes which one is current after each nested
// run returns.
std::vector<int> currentAfterNestedRun;
int runAndNote(int dialogId) {
    int result = dialogs::runDialog(dialogId);
    currentAfterNestedRun.push_back(dialogs::currentDialog);
    return result;
}

TEST_F(DialogTest, SaveFromNextLevelRunsSaveGameAndReturnsToNextLevel) {
    currentAfterNestedRun.clear();
    setDialogRunner(runAndNote);
    DialogDriver driver([&](HWND window, int activation) {
        if (activation == 0) {
            press(window, IDC_SAVE_NOW);
        } else if (captionOf(window) == "Zembal") {
            press(window, IDOK);  // the next-level dialog again
        } else {
            press(window, IDCANCEL);  // the Save Game dialog
        }
    });
    game().level->SCORE = 10;
    int result = runAndNote(IDD_NEXT_LEVEL);
    EXPECT_EQ(result, 1);
    ASSERT_GE(driver.captions.size(), 2u);
    EXPECT_EQ(driver.captions[0], "Zembal");
    EXPECT_NE(driver.captions[1], "Zembal");  // Save Game was shown over it
    // The Save Game run came back into the next-level dialog.
    EXPECT_EQ(currentAfterNestedRun, (std::vector<int>{IDD_NEXT_LEVEL, 0}));
    EXPECT_EQ(game().paused, 0);
}

TEST_F(DialogTest, HelpKeyAndAboutCommandOpenTheirDialogs) {
    DialogDriver driver([&](HWND window, int) { press(window, IDOK); });
    SendMessageA(view, WM_KEYDOWN, VK_F1, 0);
    SendMessageA(frame, WM_COMMAND, IDM_ABOUT, 0);
    EXPECT_EQ(driver.captions, (std::vector<std::string>{"Zembal: Help", "About Zembal"}));
}

}  // namespace
