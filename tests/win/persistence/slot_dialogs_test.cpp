// Saving into and opening from the ten slots through their dialogs, the
// overwrite warning, and the game view's save and open commands.
#include <string>

#include <gtest/gtest.h>

#include "presentation/dialog_runner.h"
#include "resources/resource.h"
#include "tests/win/persistence/dialog_driver.h"
#include "tests/win/persistence/game_fixture.h"

namespace {

constexpr const char* kSaveCaption = "Zembal: Save Game";
constexpr const char* kOpenCaption = "Zembal: Open saved game ";
constexpr const char* kWarningCaption = "Zembal: Warning";
constexpr const char* kBoxCaption = "Zembal";

class SlotDialogsTest : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        startGame();
    }
    // Saves straight into slots that have no file yet.
    void fillSlots(std::initializer_list<int> indices) {
        for (int i : indices) {
            ASSERT_TRUE(game().saveGame(i, ("game " + std::to_string(i + 1)).c_str())) << i;
        }
    }
    int selectedNumber(HWND dialog) {
        return static_cast<int>(SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_GETCURSEL, 0, 0));
    }
    void sendCommand(int command) {
        SendMessageA(game().gameWindow, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
};

TEST_F(SlotDialogsTest, SaveSelectsTheFirstEmptySlotAndFillsItsRecord) {
    fillSlots({0, 1});
    int selected = -2;
    DialogDriver driver;
    driver.then(kSaveCaption, [&](HWND dialog) {
        selected = selectedNumber(dialog);
        SetDlgItemTextA(dialog, IDC_DESCRIPTION, "third");
        click(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_SAVE_GAME), 1);
    EXPECT_EQ(selected, 2) << "the number 3";
    EXPECT_TRUE(driver.allStepsTaken());
    EXPECT_TRUE(driver.unexpected().empty()) << "no overwrite warning for an empty slot";
    EXPECT_NE(readFile(slotFile(2)), "");
    const SavedGameSlot& slot = game().slots.slots[2];
    EXPECT_STREQ(slot.description, "third");
    EXPECT_EQ(slot.level, game().level->NBLLS);
    const FileDate today = localDateNow();
    EXPECT_EQ(slot.day, today.day);
    EXPECT_EQ(slot.month, today.month);
    EXPECT_EQ(slot.year, today.year);
}

TEST_F(SlotDialogsTest, SaveListOffersTenNumbersAndKeepsFortyNineCharacters) {
    std::string numbers;
    DialogDriver driver;
    driver.then(kSaveCaption, [&](HWND dialog) {
        const int count =
            static_cast<int>(SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[8] = {};
            SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_GETLBTEXT, i,
                                reinterpret_cast<LPARAM>(text));
            numbers += std::string(text) + " ";
        }
        // 52 typed characters: the field takes 50, the record keeps 49.
        SendDlgItemMessageA(dialog, IDC_DESCRIPTION, EM_REPLACESEL, FALSE,
                            reinterpret_cast<LPARAM>(std::string(52, 'd').c_str()));
        click(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_SAVE_GAME), 1);
    EXPECT_EQ(numbers, "1 2 3 4 5 6 7 8 9 10 ");
    EXPECT_EQ(std::string(game().slots.slots[0].description), std::string(49, 'd'));
}

TEST_F(SlotDialogsTest, WithEverySlotUsedNothingIsSelectedAndSaveDoesNotClose) {
    fillSlots({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    const std::string before = readFile(slotFile(0));
    int selected = -2;
    DialogDriver driver;
    driver.then(kSaveCaption, [&](HWND dialog) {
        selected = selectedNumber(dialog);
        click(dialog, IDOK);      // no number: the dialog stays open...
        click(dialog, IDCANCEL);  // ...and only this closes it
    });
    EXPECT_EQ(runDialog(IDD_SAVE_GAME), 0);
    EXPECT_EQ(selected, CB_ERR);
    EXPECT_TRUE(driver.unexpected().empty()) << "no warning, no message";
    EXPECT_EQ(readFile(slotFile(0)), before);
    EXPECT_STREQ(game().slots.slots[0].description, "game 1");
}

struct OverwriteCase {
    const char* name;
    int answer;  // on the warning
    bool replaced;
};

class OverwriteTest : public SlotDialogsTest,
                      public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(OverwriteTest, WarningShowsTheSlotAndDecidesTheSave) {
    const OverwriteCase& c = GetParam();
    fillSlots({0, 1});
    SavedGameSlot& old = game().slots.slots[1];
    old.day = 5;
    old.month = 2;
    old.year = 2004;
    old.level = 3;
    const std::string oldFile = readFile(slotFile(1));
    game().level->SCORE = 4321;  // the new save differs from the old one

    std::string number, date, level, description;
    HWND saveDialog = nullptr;
    bool saveDialogOpen = false;
    DialogDriver driver;
    driver
        .then(kSaveCaption,
              [&](HWND dialog) {
                  saveDialog = dialog;
                  SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_SETCURSEL, 1, 0);
                  SetDlgItemTextA(dialog, IDC_DESCRIPTION, "new");
                  click(dialog, IDOK);
              })
        .then(kWarningCaption, [&](HWND warning) {
            number = itemText(warning, IDC_OVERWRITE_NUMBER);
            date = itemText(warning, IDC_SLOT_DATE_FIRST);
            level = itemText(warning, IDC_SLOT_LEVEL_FIRST);
            description = itemText(warning, IDC_SLOT_DESC_FIRST);
            saveDialogOpen = IsWindow(saveDialog) && IsWindowVisible(saveDialog);
            click(warning, c.answer);
        });
    // Whatever the answer, the Save Game dialog closes as accepted.
    EXPECT_EQ(runDialog(IDD_SAVE_GAME), 1);
    EXPECT_TRUE(driver.allStepsTaken());
    EXPECT_TRUE(saveDialogOpen) << "the warning runs from inside Save Game";
    EXPECT_EQ(number, "2");
    EXPECT_EQ(date, "5-Mar-2004");
    EXPECT_EQ(level, "3");
    EXPECT_EQ(description, "game 2");
    if (c.replaced) {
        EXPECT_NE(readFile(slotFile(1)), oldFile);
        EXPECT_NE(readFile(slotFile(1)).find("SCORE:4321.000000\r\n"), std::string::npos);
        EXPECT_STREQ(old.description, "new");
        EXPECT_EQ(old.year, localDateNow().year);
    } else {
        EXPECT_EQ(readFile(slotFile(1)), oldFile);
        EXPECT_STREQ(old.description, "game 2");
        EXPECT_EQ(old.year, 2004);
        EXPECT_EQ(old.level, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwriteTest,
                         ::testing::Values(OverwriteCase{"Cancelled", IDCANCEL, false},
                                           OverwriteCase{"Accepted", IDOK, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SlotDialogsTest, OpenWithOnlySlotSevenUsedOffersItAlone) {
    fillSlots({6});
    SavedGameSlot& seven = game().slots.slots[6];
    seven.day = 5;
    seven.month = 2;
    seven.year = 2004;
    seven.level = 3;
    std::string rows[10];
    bool enabled[10] = {};
    bool checked[10] = {};
    DialogDriver driver;
    driver.then(kOpenCaption, [&](HWND dialog) {
        for (int i = 0; i < 10; ++i) {
            rows[i] = itemText(dialog, IDC_SLOT_DATE_FIRST + i) + "|" +
                      itemText(dialog, IDC_SLOT_LEVEL_FIRST + i) + "|" +
                      itemText(dialog, IDC_SLOT_DESC_FIRST + i);
            enabled[i] = IsWindowEnabled(GetDlgItem(dialog, IDC_SLOT_RADIO_FIRST + i)) != 0;
            checked[i] = IsDlgButtonChecked(dialog, IDC_SLOT_RADIO_FIRST + i) == BST_CHECKED;
        }
        click(dialog, IDCANCEL);
    });
    EXPECT_EQ(runDialog(IDD_OPEN_GAME), 0);
    for (int i = 0; i < 10; ++i) {
        if (i == 6) {
            EXPECT_EQ(rows[i], "5-Mar-2004|3|game 7");
            EXPECT_TRUE(enabled[i]);
            EXPECT_TRUE(checked[i]);
        } else {
            EXPECT_EQ(rows[i], "||") << i;
            EXPECT_FALSE(enabled[i]) << i;
            EXPECT_FALSE(checked[i]) << i;
        }
    }
}

TEST_F(SlotDialogsTest, OpenChecksTheFirstUsedSlotAndRestoresItsGameAtItsSpeed) {
    // A fast game with a wall, saved in slot 5; slot 9 holds another game.
    game().level->SPEED = 2;
    game().level->grid[3][4] = 3;
    game().level->LOVES = 2;
    fillSlots({4});
    game().level->LOVES = 1;
    fillSlots({8});
    // Play goes on slowly on an empty field.
    game().newGame();
    game().level->SPEED = 0;
    game().startGameTimer(1);
    ASSERT_EQ(game().ballStep, 1);
    ASSERT_EQ(game().level->grid[3][4], 0);

    int firstChecked = -1;
    DialogDriver driver;
    driver.then(kOpenCaption, [&](HWND dialog) {
        for (int i = 9; i >= 0; --i) {
            if (IsDlgButtonChecked(dialog, IDC_SLOT_RADIO_FIRST + i) == BST_CHECKED) {
                firstChecked = i;
            }
        }
        click(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_OPEN_GAME), 1);
    KillTimer(game().gameWindow, kGameTimerId);
    EXPECT_EQ(firstChecked, 4);
    EXPECT_EQ(game().level->grid[3][4], 3);
    EXPECT_EQ(game().level->LOVES, 2);
    EXPECT_EQ(game().level->SPEED, 2);
    EXPECT_EQ(game().ballStep, 4) << "the game timer runs at the opened game's speed";
    EXPECT_EQ(game().barStep, 4);
    EXPECT_EQ(game().gameTimerPeriod, 2u);
}

TEST_F(SlotDialogsTest, DamagedSlotFileShowsCanNotOpenGameAndKeepsTheGame) {
    fillSlots({0});
    writeFile(slotFile(0), "<HEAD>\r\nROWS:20\r\nCOLS:40\r\nNBLLS:1\r\n<BODY>\r\n");
    game().level->grid[2][2] = 3;
    std::string shown;
    DialogDriver driver;
    driver.then(kOpenCaption, [&](HWND dialog) { click(dialog, IDOK); })
        .then(kBoxCaption, [&](HWND box) {
            shown = boxText(box);
            click(box, IDOK);
        });
    runDialog(IDD_OPEN_GAME);
    EXPECT_EQ(shown, "Can not open game");
    EXPECT_EQ(game().level->grid[2][2], 3);
}

TEST_F(SlotDialogsTest, FailedSaveShowsCanNotSaveGameAndKeepsTheRecord) {
    // A folder that cannot be created: its parent does not exist.
    const std::string folder = scratch.path("missing\\games");
    std::snprintf(game().savedGamesFolder, sizeof game().savedGamesFolder, "%s", folder.c_str());
    std::string shown;
    DialogDriver driver;
    driver.then(kBoxCaption, [&](HWND box) {
        shown = boxText(box);
        click(box, IDOK);
    });
    EXPECT_FALSE(game().saveGame(0, "lost"));
    EXPECT_EQ(shown, "Can not save game");
    EXPECT_EQ(game().slots.slots[0].level, -1);
    EXPECT_STREQ(game().slots.slots[0].description, "");
}

TEST_F(SlotDialogsTest, SaveThatCannotReplaceTheFileLeavesTheOldGame) {
    fillSlots({0});
    const std::string oldFile = readFile(slotFile(0));
    // The platform refuses to replace a file another program holds open.
    HANDLE holder = CreateFileA(slotFile(0).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    game().level->SCORE = 999;
    std::string shown;
    DialogDriver driver;
    driver.then(kWarningCaption, [&](HWND warning) { click(warning, IDOK); })
        .then(kBoxCaption, [&](HWND box) {
            shown = boxText(box);
            click(box, IDOK);
        });
    EXPECT_FALSE(game().saveGame(0, "replacement"));
    CloseHandle(holder);
    EXPECT_EQ(shown, "Can not save game");
    EXPECT_EQ(readFile(slotFile(0)), oldFile);
    EXPECT_EQ(GetFileAttributesA((slotFile(0) + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES)
        << "no temporary file is left behind";
    EXPECT_STREQ(game().slots.slots[0].description, "game 1");
}

TEST_F(SlotDialogsTest, NextLevelSaveButtonRunsSaveGame) {
    HWND nextLevel = nullptr;
    DialogDriver driver;
    driver
        .then(kBoxCaption,
              [&](HWND dialog) {
                  nextLevel = dialog;
                  click(dialog, IDC_SAVE_NOW);
              })
        .then(kSaveCaption, [&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_DESCRIPTION, "between levels");
            click(dialog, IDOK);
            // The next-level dialog is still open after Save Game.
            click(nextLevel, IDOK);
        });
    EXPECT_EQ(runDialog(IDD_NEXT_LEVEL), 1);
    EXPECT_TRUE(driver.allStepsTaken());
    EXPECT_FALSE(driver.timedOut());
    EXPECT_STREQ(game().slots.slots[0].description, "between levels");
    EXPECT_NE(readFile(slotFile(0)), "");
}

// The game view's commands: what each shows, by the state of the game.
TEST_F(SlotDialogsTest, SaveCommandOfAFinishedGameShowsWhy) {
    std::string shown;
    DialogDriver driver;
    driver.then(kBoxCaption, [&](HWND box) {
        shown = boxText(box);
        click(box, IDOK);
    });
    const int32_t running = GameModel::gameRunning;
    GameModel::gameRunning = 0;
    sendCommand(IDM_SAVE);
    GameModel::gameRunning = running;
    EXPECT_EQ(shown, "You can not save finished game");
}

TEST_F(SlotDialogsTest, SaveCommandOpensSaveGameWhileAGameRuns) {
    ASSERT_EQ(GameModel::gameRunning, 1);
    DialogDriver driver;
    driver.then(kSaveCaption, [&](HWND dialog) { click(dialog, IDOK); });
    sendCommand(IDM_SAVE);
    EXPECT_TRUE(driver.allStepsTaken());
    EXPECT_EQ(game().slots.slots[0].level, game().level->NBLLS);
}

TEST_F(SlotDialogsTest, OpenCommandWithoutSavedGamesAsksNothing) {
    std::string shown;
    DialogDriver driver;
    driver.then(kBoxCaption, [&](HWND box) {
        shown = boxText(box);
        click(box, IDOK);
    });
    sendCommand(IDM_OPEN);
    EXPECT_EQ(shown, "You do not have saved games");
    EXPECT_TRUE(driver.unexpected().empty());
}

struct OpenCommandCase {
    const char* name;
    int answer;       // to "Stop current game ?"
    bool dialogRuns;  // the Open dialog follows
};

class OpenCommandTest : public SlotDialogsTest,
                        public ::testing::WithParamInterface<OpenCommandCase> {};

TEST_P(OpenCommandTest, RunningGameIsStoppedOnlyOnYes) {
    fillSlots({2});
    std::string asked;
    bool opened = false;
    DialogDriver driver;
    driver.then(kBoxCaption, [&](HWND box) {
        asked = boxText(box);
        click(box, GetParam().answer);
    });
    if (GetParam().dialogRuns) {
        driver.then(kOpenCaption, [&](HWND dialog) {
            opened = true;
            click(dialog, IDCANCEL);
        });
    }
    sendCommand(IDM_OPEN);
    EXPECT_EQ(asked, "Stop current game ?");
    EXPECT_EQ(opened, GetParam().dialogRuns);
    EXPECT_TRUE(driver.unexpected().empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, OpenCommandTest,
                         ::testing::Values(OpenCommandCase{"Yes", IDYES, true},
                                           OpenCommandCase{"No", IDNO, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// With every slot empty, the Open dialog offers nothing and opens nothing.
TEST_F(SlotDialogsTest, OpenWithEverySlotEmptyOpensNothing) {
    game().level->grid[1][1] = 3;
    int checkedCount = 0;
    DialogDriver driver;
    driver.then(kOpenCaption, [&](HWND dialog) {
        for (int i = 0; i < 10; ++i) {
            checkedCount += IsDlgButtonChecked(dialog, IDC_SLOT_RADIO_FIRST + i) == BST_CHECKED;
        }
        click(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_OPEN_GAME), 1);
    EXPECT_EQ(checkedCount, 0);
    EXPECT_EQ(game().level->grid[1][1], 3);
}

}  // namespace
