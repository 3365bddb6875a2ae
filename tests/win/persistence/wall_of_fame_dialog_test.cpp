// The Wall of Fame dialog: the list up to the first empty entry, and Clear.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/wall_of_fame.h"
#include "presentation/dialog_runner.h"
#include "resources/resource.h"
#include "tests/win/support/dialog_driver.h"
#include "tests/win/support/game_fixture.h"

namespace {

constexpr const char* kCaption = "Zembal: The Wall Of Fame";

class WallOfFameDialogTest : public RunningGameTest {
  protected:
    void TearDown() override {
        clearWallOfFame(wallOfFameTable);
        RunningGameTest::TearDown();
    }
    static void setEntry(int index, const char* name, int32_t score, int32_t level) {
        WallOfFameEntry& entry = wallOfFameTable.entries[index];
        copyName(entry.name, sizeof entry.name, name);
        entry.score = score;
        entry.level = level;
    }
    // Reads the rows as "name|score|level" and closes the dialog with OK.
    DialogDriver::Action readRows() {
        return [this](HWND dialog) {
            rows.clear();
            for (int r = 0; r < 10; ++r) {
                rows.push_back(itemText(dialog, IDC_FAME_NAME_FIRST + r) + "|" +
                               itemText(dialog, IDC_FAME_SCORE_FIRST + r) + "|" +
                               itemText(dialog, IDC_FAME_LEVEL_FIRST + r));
            }
            click(dialog, IDOK);
        };
    }
    std::vector<std::string> rows;
};

TEST_F(WallOfFameDialogTest, ListEndsAtTheFirstEmptyEntry) {
    clearWallOfFame(wallOfFameTable);
    setEntry(1, "Bob", 400, 3);
    {
        DialogDriver driver;
        driver.then(kCaption, readRows());
        EXPECT_EQ(runDialog(IDD_WALL_OF_FAME), 1);
        EXPECT_EQ(rows, std::vector<std::string>(10, "||")) << "an empty first entry";
    }
    setEntry(0, "Ann", 500, 4);
    setEntry(2, "Cy", 0, 2);  // a missing Score_i reads as 0 and is shown
    setEntry(4, "Hidden", 100, 1);
    DialogDriver driver;
    driver.then(kCaption, readRows());
    EXPECT_EQ(runDialog(IDD_WALL_OF_FAME), 1);
    std::vector<std::string> expected(10, "||");
    expected[0] = "Ann|500|4";
    expected[1] = "Bob|400|3";
    expected[2] = "Cy|0|2";
    EXPECT_EQ(rows, expected);
}

// Clear asks first: No goes back to the dialog with the list unchanged, Yes
// empties the table and closes the dialog through the cancel path.
TEST_F(WallOfFameDialogTest, ClearAsksAndOnlyYesEmptiesTheTable) {
    setEntry(0, "Ann", 500, 4);
    DialogDriver driver;
    driver.then(kCaption, press(IDC_CLEAR))
        .then("Zembal", press(IDNO))
        .thenAgain(kCaption, readRows());
    EXPECT_EQ(runDialog(IDD_WALL_OF_FAME), 1);
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.boxTexts, std::vector<std::string>{"Clear ?"});
    EXPECT_EQ(rows[0], "Ann|500|4");

    DialogDriver clearing;
    clearing.then(kCaption, press(IDC_CLEAR)).then("Zembal", press(IDYES));
    EXPECT_EQ(runDialog(IDD_WALL_OF_FAME), 0);
    EXPECT_TRUE(clearing.finished());
    for (const WallOfFameEntry& entry : wallOfFameTable.entries) {
        EXPECT_EQ(entry.score, -1);
    }
    endGame();
    EXPECT_EQ(setting("General", "Size_Of_Wall_Of_Fame"), "0");
}

}  // namespace
