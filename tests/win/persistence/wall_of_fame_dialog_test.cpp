// The Wall of Fame dialog: the list up to the first empty entry, and Clear.
#include <string>

#include <gtest/gtest.h>

#include "model/wall_of_fame.h"
#include "presentation/dialog_runner.h"
#include "resources/resource.h"
#include "tests/win/persistence/dialog_driver.h"
#include "tests/win/persistence/game_fixture.h"

namespace {

constexpr const char* kCaption = "Zembal: The Wall Of Fame";

class WallOfFameDialogTest : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        startGame();
    }
    static void setEntry(int index, const char* name, int32_t score, int32_t level) {
        WallOfFameEntry& entry = wallOfFameTable.entries[index];
        copyName(entry.name, sizeof entry.name, name);
        entry.score = score;
        entry.level = level;
    }
    // Each row as "name|score|level".
    static void readRows(HWND dialog, std::string (&rows)[10]) {
        for (int r = 0; r < 10; ++r) {
            rows[r] = itemText(dialog, IDC_FAME_NAME_FIRST + r) + "|" +
                      itemText(dialog, IDC_FAME_SCORE_FIRST + r) + "|" +
                      itemText(dialog, IDC_FAME_LEVEL_FIRST + r);
        }
    }
};

TEST_F(WallOfFameDialogTest, ListEndsAtTheFirstEmptyEntry) {
    setEntry(0, "Ann", 500, 4);
    setEntry(1, "Bob", 400, 3);
    setEntry(2, "Cy", 0, 2);  // a missing Score_i reads as 0 and is shown
    setEntry(4, "Hidden", 100, 1);
    std::string rows[10];
    DialogDriver driver;
    driver.then(kCaption, [&](HWND dialog) {
        readRows(dialog, rows);
        click(dialog, IDOK);
    });
    EXPECT_EQ(runDialog(IDD_WALL_OF_FAME), 1);
    EXPECT_EQ(rows[0], "Ann|500|4");
    EXPECT_EQ(rows[1], "Bob|400|3");
    EXPECT_EQ(rows[2], "Cy|0|2");
    for (int r = 3; r < 10; ++r) {
        EXPECT_EQ(rows[r], "||") << r;
    }
}

TEST_F(WallOfFameDialogTest, EmptyFirstEntryBlanksEveryRow) {
    setEntry(1, "Bob", 400, 3);
    setEntry(9, "Zed", 1, 1);
    std::string rows[10];
    DialogDriver driver;
    driver.then(kCaption, [&](HWND dialog) {
        readRows(dialog, rows);
        click(dialog, IDOK);
    });
    runDialog(IDD_WALL_OF_FAME);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(rows[r], "||") << r;
    }
}

TEST_F(WallOfFameDialogTest, ClearAsksAndNoKeepsTheDialogOpenUnchanged) {
    setEntry(0, "Ann", 500, 4);
    std::string asked;
    std::string rows[10];
    DialogDriver driver;
    driver.then(kCaption, [&](HWND dialog) { click(dialog, IDC_CLEAR); })
        .then("Zembal",
              [&](HWND box) {
                  asked = boxText(box);
                  click(box, IDNO);
              })
        .then(
            kCaption,
            [&](HWND dialog) {
                readRows(dialog, rows);
                click(dialog, IDOK);
            },
            true);
    EXPECT_EQ(runDialog(IDD_WALL_OF_FAME), 1);
    EXPECT_TRUE(driver.allStepsTaken());
    EXPECT_EQ(asked, "Clear ?");
    EXPECT_EQ(rows[0], "Ann|500|4");
    EXPECT_EQ(wallOfFameTable.entries[0].score, 500);
}

TEST_F(WallOfFameDialogTest, ClearYesEmptiesTheTableAndClosesTheDialog) {
    setEntry(0, "Ann", 500, 4);
    setEntry(1, "Bob", 400, 3);
    std::string rows[10];
    DialogDriver driver;
    driver.then(kCaption, [&](HWND dialog) { click(dialog, IDC_CLEAR); })
        .then("Zembal", [&](HWND box) { click(box, IDYES); })
        // Opened again, it shows ten blank rows.
        .then(kCaption, [&](HWND dialog) {
            readRows(dialog, rows);
            click(dialog, IDOK);
        });
    EXPECT_EQ(runDialog(IDD_WALL_OF_FAME), 0) << "closed by Clear, not by Continue";
    for (const WallOfFameEntry& entry : wallOfFameTable.entries) {
        EXPECT_EQ(entry.score, -1);
    }
    runDialog(IDD_WALL_OF_FAME);
    EXPECT_TRUE(driver.allStepsTaken());
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(rows[r], "||") << r;
    }
    endGame();
    EXPECT_EQ(setting("General", "Size_Of_Wall_Of_Fame"), "0");
}

TEST_F(WallOfFameDialogTest, FrameCommandOpensTheWallOfFame) {
    bool shown = false;
    DialogDriver driver;
    driver.then(kCaption, [&](HWND dialog) {
        shown = true;
        click(dialog, IDOK);
    });
    SendMessageA(frame, WM_COMMAND, IDM_WALL_OF_FAME, 0);
    EXPECT_TRUE(shown);
}

}  // namespace
