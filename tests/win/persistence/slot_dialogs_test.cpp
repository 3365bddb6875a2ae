// Saving into and opening from the ten slots through their dialogs, the
// overwrite warning, and what a save or an open that fails leaves behind.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "presentation/dialog_runner.h"
#include "resources/resource.h"
#include "tests/win/support/dialog_driver.h"
#include "tests/win/support/game_fixture.h"

namespace {

constexpr const char* kSaveCaption = "Zembal: Save Game";
constexpr const char* kOpenCaption = "Zembal: Open saved game ";

class SlotDialogsTest : public RunningGameTest {
  protected:
    // Saves straight into slots that have no file yet.
    void fillSlots(const std::vector<int>& indices) {
        for (int i : indices) {
            ASSERT_TRUE(game().saveGame(i, ("game " + std::to_string(i + 1)).c_str())) << i;
        }
    }
    // Gives the slot the date and level the dialogs are to show.
    SavedGameSlot& dateSlot(int index) {
        SavedGameSlot& slot = game().slots.slots[index];
        slot.day = 5;
        slot.month = 2;
        slot.year = 2004;
        slot.level = 3;
        return slot;
    }
};

struct SelectionCase {
    const char* name;
    std::vector<int> used;
    int selected;  // the list's selection on opening
};

class SaveSelectionTest : public SlotDialogsTest,
                          public ::testing::WithParamInterface<SelectionCase> {};

// Save Game offers the numbers 1 to 10 with the first empty slot selected
// and keeps 49 characters of the description. With every slot used nothing
// is selected, and OK does not close the dialog or save anywhere.
TEST_P(SaveSelectionTest, FirstEmptySlotIsSelected) {
    const SelectionCase& c = GetParam();
    fillSlots(c.used);
    const std::string firstFile = readFile(slotFile(0));
    std::string numbers;
    int selected = -2;
    DialogDriver driver;
    driver.then(kSaveCaption, [&](HWND dialog) {
        for (int i = 0; i < SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_GETCOUNT, 0, 0); ++i) {
            char text[8] = {};
            SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_GETLBTEXT, i,
                                reinterpret_cast<LPARAM>(text));
            numbers += std::string(text) + " ";
        }
        selected =
            static_cast<int>(SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_GETCURSEL, 0, 0));
        // 52 typed characters: the field takes 50, the record keeps 49.
        SendDlgItemMessageA(dialog, IDC_DESCRIPTION, EM_REPLACESEL, FALSE,
                            reinterpret_cast<LPARAM>(std::string(52, 'd').c_str()));
        click(dialog, IDOK);
        click(dialog, IDCANCEL);  // reached only while the dialog stays open
    });
    const bool saves = c.selected != CB_ERR;
    EXPECT_EQ(runDialog(IDD_SAVE_GAME), saves ? 1 : 0);
    EXPECT_TRUE(driver.finished()) << "no warning, no message";
    EXPECT_EQ(numbers, "1 2 3 4 5 6 7 8 9 10 ");
    EXPECT_EQ(selected, c.selected);
    if (saves) {
        const SavedGameSlot& slot = game().slots.slots[c.selected];
        EXPECT_EQ(std::string(slot.description), std::string(49, 'd'));
        EXPECT_EQ(slot.level, game().level->NBLLS);
        EXPECT_EQ(slot.year, localDateNow().year);
        EXPECT_NE(readFile(slotFile(c.selected)), "");
    } else {
        EXPECT_EQ(readFile(slotFile(0)), firstFile);
        EXPECT_STREQ(game().slots.slots[0].description, "game 1");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Slots, SaveSelectionTest,
    ::testing::Values(SelectionCase{"NoneUsed", {}, 0}, SelectionCase{"OneAndTwoUsed", {0, 1}, 2},
                      SelectionCase{"OnlySevenUsed", {6}, 0},
                      SelectionCase{"AllUsed", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, CB_ERR}),
    [](const auto& info) { return std::string(info.param.name); });

class OverwriteTest : public SlotDialogsTest, public ::testing::WithParamInterface<int> {};

// The warning runs from inside Save Game and shows the slot's record; only
// its OK replaces the saved game. Either way Save Game closes as accepted.
TEST_P(OverwriteTest, WarningShowsTheSlotAndDecidesTheSave) {
    const bool replaced = GetParam() == IDOK;
    fillSlots({0, 1});
    SavedGameSlot& old = dateSlot(1);
    const std::string oldFile = readFile(slotFile(1));
    game().level->SCORE = 4321;  // the new save differs from the old one
    std::string shown;
    HWND saveDialog = nullptr;
    DialogDriver driver;
    driver
        .then(kSaveCaption,
              [&](HWND dialog) {
                  saveDialog = dialog;
                  SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_SETCURSEL, 1, 0);
                  SetDlgItemTextA(dialog, IDC_DESCRIPTION, "new");
                  click(dialog, IDOK);
              })
        .then("Zembal: Warning", [&](HWND warning) {
            shown = itemText(warning, IDC_OVERWRITE_NUMBER) + "|" +
                    itemText(warning, IDC_SLOT_DATE_FIRST) + "|" +
                    itemText(warning, IDC_SLOT_LEVEL_FIRST) + "|" +
                    itemText(warning, IDC_SLOT_DESC_FIRST) + "|" +
                    std::to_string(IsWindowVisible(saveDialog));
            click(warning, GetParam());
        });
    EXPECT_EQ(runDialog(IDD_SAVE_GAME), 1);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(shown, "2|5-Mar-2004|3|game 2|1");
    const std::string file = readFile(slotFile(1));
    EXPECT_EQ(file == oldFile, !replaced);
    EXPECT_EQ(file.find("SCORE:4321.000000\r\n") != std::string::npos, replaced);
    EXPECT_STREQ(old.description, replaced ? "new" : "game 2");
    EXPECT_EQ(old.year, replaced ? localDateNow().year : 2004);
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwriteTest, ::testing::Values(IDCANCEL, IDOK),
                         [](const auto& info) {
                             return std::string(info.param == IDOK ? "Ok" : "Cancel");
                         });

// Each row of the Open dialog as "enabled checked date|level|description".
std::vector<std::string> openRows(HWND dialog) {
    std::vector<std::string> rows;
    for (int i = 0; i < 10; ++i) {
        rows.push_back(
            std::to_string(IsWindowEnabled(GetDlgItem(dialog, IDC_SLOT_RADIO_FIRST + i))) +
            std::to_string(IsDlgButtonChecked(dialog, IDC_SLOT_RADIO_FIRST + i)) + " " +
            itemText(dialog, IDC_SLOT_DATE_FIRST + i) + "|" +
            itemText(dialog, IDC_SLOT_LEVEL_FIRST + i) + "|" +
            itemText(dialog, IDC_SLOT_DESC_FIRST + i));
    }
    return rows;
}

TEST_F(SlotDialogsTest, OpenOffersOnlyTheUsedSlotsAndOkWithNoneOpensNothing) {
    game().level->grid[1][1] = 3;
    for (const bool sevenUsed : {true, false}) {
        if (sevenUsed) {
            fillSlots({6});
            dateSlot(6);
        } else {
            game().slots.slots[6].level = -1;
        }
        std::vector<std::string> expected(10, "00 ||");
        if (sevenUsed) {
            expected[6] = "11 5-Mar-2004|3|game 7";
        }
        std::vector<std::string> rows;
        DialogDriver driver;
        driver.then(kOpenCaption, [&](HWND dialog) {
            rows = openRows(dialog);
            click(dialog, sevenUsed ? IDCANCEL : IDOK);
        });
        EXPECT_EQ(runDialog(IDD_OPEN_GAME), sevenUsed ? 0 : 1);
        EXPECT_TRUE(driver.finished());
        EXPECT_EQ(rows, expected);
        EXPECT_EQ(game().level->grid[1][1], 3);
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
    ASSERT_EQ(game().level->grid[3][4], 0);
    std::vector<std::string> rows;
    DialogDriver driver;
    driver.then(kOpenCaption, [&](HWND dialog) {
        rows = openRows(dialog);
        click(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_OPEN_GAME), 1);
    KillTimer(view, kGameTimerId);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[4].substr(0, 2), "11");
    EXPECT_EQ(rows[8].substr(0, 2), "10");
    EXPECT_EQ(game().level->grid[3][4], 3);
    EXPECT_EQ(game().level->LOVES, 2);
    EXPECT_EQ(game().level->SPEED, 2);
    // The game timer runs at the opened game's speed.
    EXPECT_EQ(game().ballStep, 4);
    EXPECT_EQ(game().barStep, 4);
    EXPECT_EQ(game().gameTimerPeriod, 2u);
}

TEST_F(SlotDialogsTest, DamagedSlotFileShowsCanNotOpenGameAndKeepsTheGame) {
    fillSlots({0});
    writeFile(slotFile(0), "<HEAD>\r\nROWS:20\r\nCOLS:40\r\nNBLLS:1\r\n<BODY>\r\n");
    game().level->grid[2][2] = 3;
    DialogDriver driver;
    driver.then(kOpenCaption, press(IDOK)).then("Zembal", press(IDOK));
    runDialog(IDD_OPEN_GAME);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"Can not open game"});
    EXPECT_EQ(game().level->grid[2][2], 3);
}

TEST_F(SlotDialogsTest, SaveThatCannotReplaceTheFileLeavesTheOldGame) {
    fillSlots({0});
    const std::string oldFile = readFile(slotFile(0));
    // The platform refuses to replace a file another program holds open.
    HANDLE holder = CreateFileA(slotFile(0).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    game().level->SCORE = 999;
    DialogDriver driver;
    driver.then("Zembal: Warning", press(IDOK)).then("Zembal", press(IDOK));
    EXPECT_FALSE(game().saveGame(0, "replacement"));
    CloseHandle(holder);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"Can not save game"});
    EXPECT_EQ(readFile(slotFile(0)), oldFile);
    EXPECT_EQ(readFile(slotFile(0) + ".tmp"), "") << "no temporary file is left behind";
    EXPECT_STREQ(game().slots.slots[0].description, "game 1");
}

// With a saved game to open, a running game is stopped only on Yes.
TEST_F(SlotDialogsTest, OpenCommandAsksBeforeStoppingTheRunningGame) {
    fillSlots({2});
    for (const int answer : {IDYES, IDNO}) {
        DialogDriver driver;
        driver.then("Zembal", press(answer));
        if (answer == IDYES) {
            driver.then(kOpenCaption, press(IDCANCEL));
        }
        SendMessageA(view, WM_COMMAND, IDM_OPEN, 0);
        EXPECT_TRUE(driver.finished()) << answer;
        EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"Stop current game ?"});
    }
}

}  // namespace
