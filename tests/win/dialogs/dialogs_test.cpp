// The dialogs as the player meets them: each runs with the game paused,
// applies what was chosen only on OK, and gives back the pause state.
#include <cstring>
#include <string>

#include "model/wall_of_fame.h"
#include "presentation/dialog_runner.h"
#include "resources/resource.h"
#include "shell/dialogs/run_dialog.h"
#include "shell/frame.h"
#include "tests/win/support/dialog_driver.h"
#include "tests/win/support/game_fixture.h"

namespace {

using DialogTest = RunningGameTest;

constexpr const char* kDisplayOptions = "Zembal: Display Options";
constexpr const char* kGameOptions = "Zembal: Game Options";
constexpr const char* kGameOver = "Zembal: The game is over";
constexpr const char* kQuestion = "The current game must be stopped\nContinue ?";

int selection(HWND dialog, int listId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, listId, CB_GETCURSEL, 0, 0));
}

// The list's entries as "a|b|c".
std::string listTexts(HWND dialog, int listId) {
    std::string all;
    const int count = static_cast<int>(SendDlgItemMessageA(dialog, listId, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        SendDlgItemMessageA(dialog, listId, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        all += (i == 0 ? "" : "|") + std::string(text);
    }
    return all;
}

void choose(HWND dialog, int listId, int position) {
    if (position >= 0) {
        SendDlgItemMessageA(dialog, listId, CB_SETCURSEL, position, 0);
    }
}

TEST_F(DialogTest, F3OpensDisplayOptionsOnceCentredWithTheGamePaused) {
    HACCEL accelerators = LoadAcceleratorsA(programInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    int pausedInside = -1;
    RECT box{};
    DialogDriver driver;
    driver.then(kDisplayOptions, [&](HWND dialog) {
        pausedInside = game().paused;
        GetWindowRect(dialog, &box);
        click(dialog, IDCANCEL);
    });
    MSG key = {frame, WM_KEYDOWN, VK_F3, 0, 0, {0, 0}};
    processMessage(frame, accelerators, key);
    DestroyAcceleratorTable(accelerators);

    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.shown, std::vector<std::string>{kDisplayOptions});
    EXPECT_EQ(pausedInside, 1);
    EXPECT_EQ(game().paused, 0);
    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(box.left, (desktop.right - (box.right - box.left)) / 2);
    EXPECT_EQ(box.top, (desktop.bottom - (box.bottom - box.top)) / 2);
}

// Grid, sound, theme and speed are all changed in the dialog; only OK
// applies them and restarts the game timer for the new speed. Either way
// the game goes back to the pause state it had, with the button to match.
TEST_F(DialogTest, DisplayOptionsAppliesOnlyOnOkAndGivesBackThePauseState) {
    struct Case {
        int pausedBefore, button;
    };
    for (const Case c : {Case{0, IDOK}, Case{1, IDOK}, Case{0, IDCANCEL}, Case{1, IDCANCEL}}) {
        SCOPED_TRACE(std::to_string(c.pausedBefore) + (c.button == IDOK ? " OK" : " Cancel"));
        Game& g = game();
        g.level->GRID = 1;
        g.soundOn = 1;
        g.themeIndex = 0;
        g.level->SPEED = 0;
        g.startGameTimer(1);
        KillTimer(view, kGameTimerId);
        g.setPaused(c.pausedBefore);
        int pausedInside = -1;
        std::string lists;
        DialogDriver driver;
        driver.then(kDisplayOptions, [&](HWND dialog) {
            pausedInside = g.paused;
            lists = std::to_string(IsDlgButtonChecked(dialog, IDC_GRID)) +
                    std::to_string(IsDlgButtonChecked(dialog, IDC_SOUND)) + " " +
                    listTexts(dialog, IDC_THEME) + " " +
                    std::to_string(selection(dialog, IDC_THEME)) + " " +
                    listTexts(dialog, IDC_SPEED) + " " +
                    std::to_string(selection(dialog, IDC_SPEED));
            CheckDlgButton(dialog, IDC_GRID, BST_UNCHECKED);
            CheckDlgButton(dialog, IDC_SOUND, BST_UNCHECKED);
            choose(dialog, IDC_THEME, 5);
            choose(dialog, IDC_SPEED, 2);
            click(dialog, c.button);
        });
        EXPECT_EQ(runDialog(IDD_DISPLAY_OPTIONS), c.button == IDOK ? 1 : 0);
        KillTimer(view, kGameTimerId);
        EXPECT_TRUE(driver.finished());
        EXPECT_EQ(lists, "11 Classic|Desert|Forest|Mars|Night|Ocean|Sky 0 Slow|Normal|Fast 0");
        const bool ok = c.button == IDOK;
        EXPECT_EQ(g.level->GRID, ok ? 0 : 1);
        EXPECT_EQ(g.soundOn, ok ? 0 : 1);
        EXPECT_EQ(g.themeIndex, ok ? 5 : 0);
        EXPECT_EQ(g.level->SPEED, ok ? 2 : 0);
        EXPECT_EQ(g.gameTimerPeriod, ok ? 2u : 10u);
        EXPECT_EQ(g.ballStep, ok ? 4 : 1);
        EXPECT_EQ(pausedInside, 1);
        EXPECT_EQ(g.paused, c.pausedBefore);
        EXPECT_EQ(IsWindowVisible(g.toolButtons[kPlayButton].window) != 0, c.pausedBefore == 1);
        EXPECT_EQ(IsWindowVisible(g.toolButtons[kPauseButton].window) != 0, c.pausedBefore == 0);
    }
}

TEST_F(DialogTest, DisplayOptionsKeepsAThemeTheListDoesNotHave) {
    game().themeIndex = 9;  // as a hand-edited settings file may hold
    int themeSelection = 0;
    DialogDriver driver;
    driver.then(kDisplayOptions, [&](HWND dialog) {
        themeSelection = selection(dialog, IDC_THEME);
        click(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_DISPLAY_OPTIONS), 1);
    EXPECT_EQ(themeSelection, CB_ERR);
    EXPECT_EQ(game().themeIndex, 9);
}

struct GameOptionsCase {
    const char* name;
    int rows, cols, percent;        // before
    int percentShown, sizeShown;    // the lists' selections on opening
    int percentChosen, sizeChosen;  // -1: left as opened
    int answer;                     // to the question, when it is asked
    bool asked;
    int result, newRows, newCols, newPercent, goal;
};

class GameOptionsTest : public RunningGameTest,
                        public ::testing::WithParamInterface<GameOptionsCase> {};

// A new size or percent asks before it stops the game: Yes starts a new
// game with the goal of the new choice, No goes back to the dialog. A choice
// that changes nothing asks nothing, and a percent or size the lists do not
// offer is kept while the other one changes.
TEST_P(GameOptionsTest, NewChoiceAsksAndStartsANewGame) {
    const GameOptionsCase& c = GetParam();
    Game& g = game();
    g.setFieldSize(c.rows, c.cols);
    g.percentToComplete = c.percent;
    g.computeCellsToComplete();
    g.level->SCORE = 77;
    std::string opened;
    DialogDriver driver;
    driver.then(kGameOptions, [&](HWND dialog) {
        opened = listTexts(dialog, IDC_PERCENT) + " " +
                 std::to_string(selection(dialog, IDC_PERCENT)) + " " +
                 listTexts(dialog, IDC_FIELD_SIZE) + " " +
                 std::to_string(selection(dialog, IDC_FIELD_SIZE));
        choose(dialog, IDC_PERCENT, c.percentChosen);
        choose(dialog, IDC_FIELD_SIZE, c.sizeChosen);
        click(dialog, IDOK);
    });
    if (c.asked) {
        driver.then("Zembal", press(c.answer));
    }
    if (c.answer == IDNO) {
        driver.thenAgain(kGameOptions, press(IDCANCEL));
    }
    EXPECT_EQ(runDialog(IDD_GAME_OPTIONS), c.result);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(opened, "70%|75%|80%|85% " + std::to_string(c.percentShown) +
                          " 15 * 20|20 * 30|25 * 35|30 * 40 " + std::to_string(c.sizeShown));
    EXPECT_EQ(driver.boxTexts,
              c.asked ? std::vector<std::string>{kQuestion} : std::vector<std::string>{});
    EXPECT_EQ(g.rows, c.newRows);
    EXPECT_EQ(g.cols, c.newCols);
    EXPECT_EQ(g.percentToComplete, c.newPercent);
    EXPECT_EQ(g.cellsToComplete, c.goal);
    const bool newGame = c.asked && c.answer == IDYES;
    EXPECT_EQ(g.level->SCORE, newGame ? 0 : 77);
    EXPECT_EQ(g.paused, 0);
    EXPECT_TRUE(IsWindowVisible(g.toolButtons[kPauseButton].window));
}

INSTANTIATE_TEST_SUITE_P(
    Choices, GameOptionsTest,
    ::testing::Values(
        GameOptionsCase{"Same", 20, 30, 75, 1, 1, 1, 1, IDYES, false, 1, 20, 30, 75, 450},
        GameOptionsCase{"SizeOnly", 20, 30, 75, 1, 1, -1, 3, IDYES, true, 1, 30, 40, 75, 900},
        GameOptionsCase{"PercentOnly", 20, 30, 75, 1, 1, 3, -1, IDYES, true, 1, 20, 30, 85, 510},
        GameOptionsCase{"AnsweredNo", 20, 30, 75, 1, 1, 0, 0, IDNO, true, 0, 20, 30, 75, 450},
        GameOptionsCase{"NinetyKept", 20, 30, 90, CB_ERR, 1, -1, -1, IDYES, false, 1, 20, 30, 90,
                        540},
        GameOptionsCase{"NinetyKeptWithNewSize", 20, 30, 90, CB_ERR, 1, -1, 0, IDYES, true, 1, 15,
                        20, 90, 270},
        GameOptionsCase{"OffTableSizeKept", 22, 33, 75, 1, CB_ERR, 0, -1, IDYES, true, 1, 22, 33,
                        70, 508}),
    [](const auto& info) { return std::string(info.param.name); });

class GameOverTest : public RunningGameTest {
  protected:
    void SetUp() override {
        RunningGameTest::SetUp();
        copyName(userName, kNameBufferSize, "Alice");
        clearWallOfFame(wallOfFameTable);
    }
    void TearDown() override {
        userName[0] = '\0';
        clearWallOfFame(wallOfFameTable);
        RunningGameTest::TearDown();
    }
    char nameOut[kNameBufferSize] = {};
};

TEST_F(GameOverTest, ShowsTheWholeScoreTheReasonAndTheName) {
    const std::pair<int, const char*> reasons[] = {{0, "No more balls"},
                                                   {1, "No more lives"},
                                                   {2, "Time is expired"},
                                                   {7, "The game is over"}};
    for (const auto& [reason, text] : reasons) {
        game().level->SCORE = 1234.9;
        game().endReason = reason;
        std::string shown;
        DialogDriver driver;
        driver.then(kGameOver, [&](HWND dialog) {
            shown = itemText(dialog, IDC_SCORE) + "|" + itemText(dialog, IDC_END_REASON) + "|" +
                    itemText(dialog, IDC_USER_NAME);
            click(dialog, IDOK);
        });
        EXPECT_EQ(game().askPlayerName(nameOut, 0), 1);
        EXPECT_TRUE(driver.finished());
        EXPECT_EQ(shown, "1234|" + std::string(text) + "|Alice");
        EXPECT_STREQ(nameOut, "Alice");
    }
}

// The message box belongs to the game view, so the dialog need not become
// active again after it: the name is typed into the dialog behind the box.
TEST_F(GameOverTest, EmptyNameIsRefusedWithAMessageAndTheDialogStaysOpen) {
    HWND gameOver = nullptr;
    DialogDriver driver;
    driver
        .then(kGameOver,
              [&](HWND dialog) {
                  gameOver = dialog;
                  SetDlgItemTextA(dialog, IDC_USER_NAME, "");
                  click(dialog, IDOK);
              })
        .then("Zembal", [&](HWND box) {
            click(box, IDOK);
            SetDlgItemTextA(gameOver, IDC_USER_NAME, "Bob");
            click(gameOver, IDOK);
        });
    EXPECT_EQ(game().askPlayerName(nameOut, 3), 1);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"You must enter user's name"});
    EXPECT_STREQ(userName, "Bob");
    EXPECT_STREQ(nameOut, "Bob");
}

TEST_F(GameOverTest, ThirtyTypedCharactersKeepTwentyNine) {
    const std::string typed = "abcdefghijklmnopqrstuvwxyz0123";
    int lengthInField = 0;
    DialogDriver driver;
    driver.then(kGameOver, [&](HWND dialog) {
        HWND edit = GetDlgItem(dialog, IDC_USER_NAME);
        SetWindowTextA(edit, "");
        for (char c : typed) {
            SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
        }
        lengthInField = GetWindowTextLengthA(edit);
        click(dialog, IDOK);
    });
    EXPECT_EQ(game().askPlayerName(nameOut, 0), 1);
    EXPECT_EQ(lengthInField, 30);
    EXPECT_EQ(std::string(userName), typed.substr(0, 29));
    EXPECT_EQ(std::string(nameOut), typed.substr(0, 29));
}

TEST_F(GameOverTest, CancelKeepsTheNameAndTheWallOfFame) {
    copyName(wallOfFameTable.entries[0].name, kNameBufferSize, "Carol");
    wallOfFameTable.entries[0].score = 5000;
    wallOfFameTable.entries[0].level = 4;
    const WallOfFameTable before = wallOfFameTable;
    DialogDriver driver;
    driver.then(kGameOver, [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_USER_NAME, "Bob");
        click(dialog, IDCANCEL);
    });
    EXPECT_EQ(addToWallOfFame(wallOfFameTable, game(), 300, 2), 1);
    EXPECT_TRUE(driver.finished());
    EXPECT_STREQ(userName, "Alice");
    EXPECT_EQ(std::memcmp(&before, &wallOfFameTable, sizeof before), 0);
}

// A score with a place on the Wall of Fame asks for the name; one without
// shows a single box with the reason.
TEST_F(GameOverTest, EndOfGameAsksTheNameOrShowsTheReasonByRank) {
    game().level->SCORE = 50;
    {
        DialogDriver driver;
        driver.then(kGameOver, press(IDOK));
        game().endGame(1);
        EXPECT_TRUE(driver.finished());
        EXPECT_TRUE(driver.boxTexts.empty());
        EXPECT_STREQ(wallOfFameTable.entries[0].name, "Alice");
        EXPECT_EQ(wallOfFameTable.entries[0].score, 50);
    }
    for (WallOfFameEntry& entry : wallOfFameTable.entries) {
        copyName(entry.name, kNameBufferSize, "Dora");
        entry.score = 100000;
    }
    game().newGame();
    game().level->SCORE = 50;
    DialogDriver driver;
    driver.then("Zembal", press(IDOK));
    game().endGame(2);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"The game is over.\nTime is expired"});
}

// Escape and the close box take the cancel path of the next-level, Help and
// About dialogs; OK accepts. The runner's state is clear afterwards.
TEST_F(DialogTest, EscapeAndTheCloseBoxCancelAndOkAccepts) {
    const std::pair<int, const char*> dialogsToClose[] = {
        {IDD_NEXT_LEVEL, "Zembal"}, {IDD_HELP, "Zembal: Help"}, {IDD_ABOUT, "About Zembal"}};
    const DialogDriver::Action ways[] = {
        [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, press(IDOK)};
    for (const auto& [dialogId, caption] : dialogsToClose) {
        for (int way = 0; way < 3; ++way) {
            SCOPED_TRACE(std::string(caption) + " way " + std::to_string(way));
            DialogDriver driver;
            driver.then(caption, ways[way]);
            EXPECT_EQ(runDialog(dialogId), way == 2 ? 1 : 0);
            EXPECT_TRUE(driver.finished());
            EXPECT_EQ(dialogs::currentDialog, 0);
            EXPECT_EQ(dialogs::acceptedFlag, 0);
        }
    }
}

// Runs the real dialogs and notes which one is current after each run.
std::vector<int> currentAfterRun;
int runAndNote(int dialogId) {
    int result = dialogs::runDialog(dialogId);
    currentAfterRun.push_back(dialogs::currentDialog);
    return result;
}

TEST_F(DialogTest, SaveFromNextLevelSavesAndReturnsToNextLevel) {
    currentAfterRun.clear();
    setDialogRunner(runAndNote);
    HWND nextLevel = nullptr;
    HWND saveOwner = nullptr;
    bool nextLevelEnabledDuringSave = true;
    DialogDriver driver;
    driver
        .then("Zembal",
              [&](HWND dialog) {
                  nextLevel = dialog;
                  click(dialog, IDC_SAVE_NOW);
              })
        .then("Zembal: Save Game",
              [&](HWND dialog) {
                  saveOwner = GetWindow(dialog, GW_OWNER);
                  nextLevelEnabledDuringSave = IsWindowEnabled(nextLevel) != 0;
                  SetDlgItemTextA(dialog, IDC_DESCRIPTION, "between levels");
                  click(dialog, IDOK);
              })
        .thenAgain("Zembal", press(IDOK));
    EXPECT_EQ(runAndNote(IDD_NEXT_LEVEL), 1);
    EXPECT_TRUE(driver.finished());
    // Save Game belongs to the next-level dialog, which waits disabled and
    // gets the focus back afterwards.
    EXPECT_EQ(saveOwner, nextLevel);
    EXPECT_FALSE(nextLevelEnabledDuringSave);
    // Save Game came back into the next-level dialog, which then closed.
    EXPECT_EQ(currentAfterRun, (std::vector<int>{IDD_NEXT_LEVEL, 0}));
    EXPECT_STREQ(game().slots.slots[0].description, "between levels");
    EXPECT_NE(readFile(slotFile(0)), "");
    EXPECT_EQ(game().paused, 0);
}

}  // namespace
