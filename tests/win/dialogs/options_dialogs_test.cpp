// The options and game-over dialogs as the player meets them: each runs
// with the game paused, applies what was chosen only on OK, and gives back
// the pause state.
#include "model/wall_of_fame.h"
#include "presentation/dialog_runner.h"
#include "tests/win/support/game_fixture.h"

namespace {

using DialogTest = GameTest;

// "selection selection", -1 for a list without one.
std::string selections(HWND dialog, int first, int second) {
    return std::to_string(SendDlgItemMessageA(dialog, first, CB_GETCURSEL, 0, 0)) + " " +
           std::to_string(SendDlgItemMessageA(dialog, second, CB_GETCURSEL, 0, 0));
}

// Grid and sound are unticked, theme and speed chosen: only OK applies them,
// and a theme or speed the lists do not have (from a hand-edited settings
// file) shows as what the game plays, Classic and Normal, and is kept
// unless another is chosen.
TEST_F(DialogTest, DisplayOptionsApplyOnlyOnOkAndGiveBackThePauseState) {
    const std::tuple<int, int, int, int, int, int, const char*, const char*> cases[] = {
        // paused, theme and speed before, button, theme and speed chosen;
        // the dialog as opened, the choice after
        {0, 0, 0, IDOK, 5, 2, "1 11 0 0", "0 0 5 2"},
        {1, 0, 0, IDCANCEL, 5, 2, "1 11 0 0", "1 1 0 0"},
        {0, 9, 7, IDOK, -1, 2, "1 11 0 1", "0 0 9 2"},
        {0, 9, 7, IDOK, 0, 1, "1 11 0 1", "0 0 9 7"},
        {0, -1, 7, IDOK, 3, 0, "1 11 0 1", "0 0 3 0"}};
    for (const auto& [pausedBefore, themeBefore, speedBefore, button, theme, speed, opened, after] :
         cases) {
        applyDisplayChoice(1, 1, themeBefore, speedBefore);
        game().setPaused(pausedBefore);
        std::string shown;
        dialogs.reset().then("Zembal: Display Options", [&](HWND dialog) {
            shown = std::to_string(paused()) + " " +
                    std::to_string(IsDlgButtonChecked(dialog, IDC_GRID)) +
                    std::to_string(IsDlgButtonChecked(dialog, IDC_SOUND)) + " " +
                    selections(dialog, IDC_THEME, IDC_SPEED);
            CheckDlgButton(dialog, IDC_GRID, BST_UNCHECKED);
            CheckDlgButton(dialog, IDC_SOUND, BST_UNCHECKED);
            SendDlgItemMessageA(dialog, IDC_THEME, CB_SETCURSEL, theme, 0);
            SendDlgItemMessageA(dialog, IDC_SPEED, CB_SETCURSEL, speed, 0);
            click(dialog, button);
        });
        EXPECT_EQ(game().openDialog(DialogKind::kDisplayOptions), button == IDOK);
        KillTimer(view, kGameTimerId);
        EXPECT_EQ(shown + ", " + displayChoice(), std::string(opened) + ", " + after);
        EXPECT_EQ((std::vector<int>{paused(), IsWindowVisible(toolButton("Play"))}),
                  (std::vector<int>{pausedBefore, pausedBefore}));
    }
}

// The lists' positions give the percent and size chosen; the core's
// question before a new game comes over the dialog, and No goes back to
// it. A percent or size the lists do not offer is kept while the other one
// changes. (What the question decides is checked natively.)
TEST_F(DialogTest, GameOptionsTakeTheListsChoiceAndNoGoesBackToTheDialog) {
    const std::tuple<int, int, int, const char*, int, int, int, const char*> cases[] = {
        // before: percent, rows, cols; the lists' selections as opened; the
        // positions chosen (-1: as opened); the answer; after
        {75, 20, 30, "1 1", -1, 3, IDYES, "75 30 40 900"},
        {75, 20, 30, "1 1", 3, -1, IDYES, "85 20 30 510"},
        {75, 20, 30, "1 1", 0, 0, IDNO, "75 20 30 450"},
        {90, 20, 30, "-1 1", -1, 0, IDYES, "90 15 20 270"},
        {75, 22, 33, "1 -1", 0, -1, IDYES, "70 22 33 508"}};
    for (const auto& [percent, rows, cols, opened, percentAt, sizeAt, answer, after] : cases) {
        setFieldChoice(percent, rows, cols);
        std::string shown;
        HWND options = nullptr;
        dialogs.reset().then("Zembal: Game Options", [&](HWND dialog) {
            shown = selections(options = dialog, IDC_PERCENT, IDC_FIELD_SIZE);
            SendDlgItemMessageA(dialog, IDC_PERCENT, CB_SETCURSEL, percentAt, 0);
            SendDlgItemMessageA(dialog, IDC_FIELD_SIZE, CB_SETCURSEL, sizeAt, 0);
            click(dialog, IDOK);
        });
        dialogs.then("Zembal", [&, answer = answer](HWND box) {
            click(box, answer);
            click(options, IDCANCEL);  // reached only while the dialog stays open
        });
        EXPECT_EQ(game().openDialog(DialogKind::kGameOptions), answer != IDNO);
        EXPECT_EQ(shown + ", " + fieldChoice(), std::string(opened) + ", " + after);
        EXPECT_EQ(dialogs.boxTexts, Names{"The current game must be stopped\nContinue ?"});
    }
}

// A score with a place on the Wall of Fame asks for the name, showing the
// whole score and the reason. (Without a place the core's box tells it.)
TEST_F(DialogTest, EndOfAGameAsksTheNameForAPlaceShowingTheScoreAndTheReason) {
    copyName(userName, kNameBufferSize, "Alice");
    level().SCORE = 1234.9;
    std::string shown;
    dialogs.then("Zembal: The game is over", [&](HWND dialog) {
        shown = itemText(dialog, IDC_SCORE) + "|" + itemText(dialog, IDC_END_REASON) + "|" +
                itemText(dialog, IDC_USER_NAME);
        // The name field has the focus, all selected: typing replaces it.
        later(dialog, [](HWND) { typeKeys("Bob\r"); });
    });
    endGameFor(1);
    EXPECT_TRUE(dialogs.finished()) << "and no box after it";
    EXPECT_EQ(shown, "1234|No more lives|Alice");
    EXPECT_EQ(std::string(wallOfFameTable.entries[0].name) + " " + userName + " " +
                  std::to_string(wallOfFameTable.entries[0].score),
              "Bob Bob 1234");
    // An empty name is refused in a box over the dialog, and the frame stays
    // disabled under the dialog after the box.
    copyName(userName, kNameBufferSize, "");
    level().SCORE = 1234.9;
    HWND dialogOwningTheBox = nullptr, over = nullptr;
    BOOL frameEnabled = TRUE;
    dialogs.reset()
        .then("Zembal: The game is over",
              [&](HWND dialog) {
                  over = dialog;
                  later(dialog, [](HWND) { typeKeys("\r"); });
              })
        .then("Zembal", [&](HWND box) {
            dialogOwningTheBox = GetWindow(box, GW_OWNER);
            click(box, IDOK);
            later(over, [&](HWND dialog) {
                frameEnabled = IsWindowEnabled(frame);
                click(dialog, IDCANCEL);
            });
        });
    endGameFor(1);
    EXPECT_EQ(dialogs.boxTexts, Names{"You must enter user's name"});
    EXPECT_EQ(dialogOwningTheBox, over);
    EXPECT_FALSE(frameEnabled);
}

}  // namespace
