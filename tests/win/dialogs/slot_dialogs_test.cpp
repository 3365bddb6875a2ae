// Saving into and opening from the ten slots through their dialogs, the
// overwrite warning, and the Wall of Fame.
#include <algorithm>

#include "model/wall_of_fame.h"
#include "presentation/dialog_runner.h"
#include "tests/win/support/game_fixture.h"

namespace {

class SlotDialogsTest : public GameTest {
  protected:
    // Saves into slots without a file yet, recorded as of 5 March 2004 at level 3.
    void fillSlots(std::vector<int> indices) {
        for (int i : indices) {
            ASSERT_TRUE(game().saveGame(i, "old"));
            slot(i) = {"old", 3, 5, 2, 2004};
        }
    }
    // Row `i` of a dialog's columns of texts, joined by "|".
    static std::string row(HWND dialog, std::vector<int> columns, int i = 0) {
        std::string texts;
        for (int first : columns) {
            texts += (first == columns.front() ? "" : "|") + itemText(dialog, first + i);
        }
        return texts;
    }
};

// Save Game offers the first empty slot and keeps 49 characters of the
// description typed. With every slot used nothing is selected, and OK
// neither closes the dialog nor saves (the slot saved first stays).
TEST_F(SlotDialogsTest, SaveGameSelectsTheFirstEmptySlot) {
    for (const auto& [used, selected] :
         {std::pair{std::vector<int>{0, 1, 5}, 2}, {{3, 4, 6, 7, 8, 9}, -1}}) {
        fillSlots(used);
        int shown = -2;
        dialogs.reset().then("Zembal: Save Game", [&](HWND dialog) {
            shown =
                static_cast<int>(SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_GETCURSEL, 0, 0));
            // 52 typed characters: the field takes 50, the record keeps 49.
            SendDlgItemMessageA(dialog, IDC_DESCRIPTION, EM_REPLACESEL, FALSE,
                                reinterpret_cast<LPARAM>(std::string(52, 'd').c_str()));
            click(dialog, IDOK);
            click(dialog, IDCANCEL);  // reached only while the dialog stays open
        });
        EXPECT_EQ(game().openDialog(DialogKind::kSaveGame), selected >= 0);
        EXPECT_TRUE(dialogs.finished()) << "no warning, no message";
        EXPECT_EQ(shown, selected);
        EXPECT_EQ(slot(2).description + std::to_string(slot(2).year),
                  std::string(49, 'd') + std::to_string(localDateNow().year));
    }
}

// The warning runs from inside Save Game and shows the slot's record; only
// its OK replaces the saved game (whose file the core's tests check).
// Either way Save Game closes as accepted.
TEST_F(SlotDialogsTest, OverwriteWarningShowsTheSlotAndDecidesTheSave) {
    fillSlots({0, 1});
    for (int answer : {IDCANCEL, IDOK}) {
        std::string shown;
        dialogs.reset().then("Zembal: Save Game", [&](HWND dialog) {
            SendDlgItemMessageA(dialog, IDC_SLOT_NUMBER, CB_SETCURSEL, 1, 0);
            SetDlgItemTextA(dialog, IDC_DESCRIPTION, "new");
            click(dialog, IDOK);
        });
        dialogs.then("Zembal: Warning", [&](HWND warning) {
            shown = row(warning, {IDC_OVERWRITE_NUMBER, IDC_SLOT_DATE_FIRST, IDC_SLOT_LEVEL_FIRST,
                                  IDC_SLOT_DESC_FIRST});
            click(warning, answer);
        });
        EXPECT_EQ(game().openDialog(DialogKind::kSaveGame), true);
        EXPECT_EQ(shown, "2|5-Mar-2004|3|old");
        EXPECT_STREQ(slot(1).description, answer == IDOK ? "new" : "old");
    }
}

// Open offers only the used slots, the first one checked, and brings back
// its game at the speed it was saved with.
TEST_F(SlotDialogsTest, OpenChecksTheFirstUsedSlotAndRestoresItsGameAtItsSpeed) {
    applyDisplayChoice(1, 1, 0, 2);
    level().grid[3][4] = kCellWall;
    level().LOVES = 2;
    fillSlots({4});
    level().LOVES = 1;
    fillSlots({8});
    game().newGame();  // play goes on slowly on an empty field
    applyDisplayChoice(1, 1, 0, 0);
    Names rows;
    dialogs.then("Zembal: Open saved game ", [&](HWND dialog) {
        for (int i : {0, 4, 8}) {
            rows.push_back(
                std::to_string(IsWindowEnabled(GetDlgItem(dialog, IDC_SLOT_RADIO_FIRST + i))) +
                std::to_string(IsDlgButtonChecked(dialog, IDC_SLOT_RADIO_FIRST + i)) + " " +
                row(dialog, {IDC_SLOT_DATE_FIRST, IDC_SLOT_LEVEL_FIRST, IDC_SLOT_DESC_FIRST}, i));
        }
        click(dialog, IDOK);
    });
    EXPECT_EQ(game().openDialog(DialogKind::kOpenGame), true);
    KillTimer(view, kGameTimerId);
    EXPECT_EQ(rows, (Names{"00 ||", "11 5-Mar-2004|3|old", "10 5-Mar-2004|3|old"}));
    EXPECT_EQ((std::vector<int>{level().grid[3][4], level().LOVES, level().SPEED}),
              (std::vector<int>{kCellWall, 2, 2}));
    EXPECT_EQ(gameTimer(), (std::vector<int>{4, 4, 2}));
}

// The list ends at the first empty entry; Clear asks first, No goes back to
// the dialog, Yes closes it (and empties the table, as the core's tests check).
TEST_F(SlotDialogsTest, WallOfFameListsUpToTheFirstEmptyEntryAndClearAsks) {
    const WallOfFameEntry entries[] = {
        {"Ann", 500, 4}, {"Cy", 0, 2}, {"", -1, 0}, {"Hidden", 100, 1}};
    std::copy(std::begin(entries), std::end(entries), wallOfFameTable.entries);
    Names rows;
    HWND fame = nullptr;
    dialogs.then("Zembal: The Wall Of Fame", [&](HWND dialog) {
        for (int r : {0, 1, 2, 3}) {
            rows.push_back(
                row(dialog, {IDC_FAME_NAME_FIRST, IDC_FAME_SCORE_FIRST, IDC_FAME_LEVEL_FIRST}, r));
        }
        click(fame = dialog, IDC_CLEAR);
    });
    dialogs.then("Zembal", [&](HWND box) { click(box, IDNO), click(fame, IDC_CLEAR); });
    dialogs.then("Zembal", press(IDYES));
    EXPECT_EQ(game().openDialog(DialogKind::kWallOfFame), false);
    EXPECT_EQ(dialogs.boxTexts, (Names{"Clear ?", "Clear ?"}));
    // A missing Score_i reads as 0 and is shown.
    EXPECT_EQ(rows, (Names{"Ann|500|4", "Cy|0|2", "||", "||"}));
}

// tests/data/windows-saved.zmb is a game this edition saved (its ball walled
// into a pocket, one cell short of the goal; the browser edition's tests
// open it): opened at its saving time and saved again, it is the same bytes.
TEST_F(SlotDialogsTest, ASavedGameOpenedAndSavedAgainIsTheSameFile) {
    const std::string saved = readFile(ZEMBAL_TEST_DATA "/windows-saved.zmb");
    ASSERT_NE(saved.find("SAVTM:61234\r\n"), std::string::npos);
    ASSERT_TRUE(game().saveGame(0, "made"));  // the slot folder
    writeFile(slotFile(0), saved);
    clock.now = 61234;
    ASSERT_TRUE(game().openGame(0));
    KillTimer(view, kGameTimerId);
    ASSERT_TRUE(game().saveGame(1, "again"));
    EXPECT_EQ(readFile(slotFile(1)), saved);
}

}  // namespace
