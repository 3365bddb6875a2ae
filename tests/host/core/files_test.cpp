// The game's files through the core: the settings it keeps outside the
// model, and saving to and opening from the slots with their questions and
// messages.
#include <fstream>

#include "tests/host/core/recording_front_end.h"
#include "tests/support/failing_files.h"

namespace {

TEST_F(CoreTest, SettingsKeptOutsideTheModelAreReadAndWrittenBack) {
    std::ofstream(front.settingsPath) << "[General]\nSound=N\nTheme=9\nZoom=2\nToolbar=N\n";
    setUp();
    EXPECT_EQ((std::vector<int>{game.soundWanted(), game.themeInUse(), game.zoomAskedFor(),
                                game.readBarSetting("Toolbar"), game.readBarSetting("Statusbar")}),
              (std::vector<int>{0, 9, 2, 0, 1}));
    EXPECT_EQ(game.zoomForDpi(96), 2);  // chosen: it wins over the screen's
    game.askForZoom(4);
    game.setBarsShown(true, false);
    game.saveSettings();
    IniProfile written(front.settingsPath);
    const std::pair<const char*, const char*> keys[] = {
        {"Sound", "No"}, {"Theme", "9"}, {"Zoom", "1"}, {"Toolbar", "Y"}, {"Statusbar", "N"}};
    for (const auto& [key, value] : keys) {
        char text[16];
        written.getString("General", key, "-", text, sizeof text);
        EXPECT_STREQ(text, value) << key;
    }
}

// A used slot is replaced only after the overwrite warning; a save that
// cannot be written says so and leaves the slot as it was.
TEST_F(StartedCoreTest, SavingAsksBeforeReplacingAndSaysWhenItFails) {
    FailingFiles<> failing;
    front.files = &failing;
    gameRunning = 1;
    const std::tuple<int, bool, int, bool, Lines, int> cases[] = {
        // slot, overwrite accepted, file step to fail, saved, calls, the slot's level after
        {2, true, 0, true, {}, 1},
        {2, false, 0, false, held("dialog 2"), 1},
        {2, true, 1, false, held("dialog 2") + held("box 0 Can not save game"), 1},
        {5, true, 3, false, held("box 0 Can not save game"), -1},
        {10, true, 0, false, {}, -1},
    };
    for (const auto& [slot, overwrite, failAt, saved, expected, levelAfter] : cases) {
        front.acceptDialogs = overwrite;
        failing = FailingFiles<>(failAt);
        front.calls.clear();
        EXPECT_EQ(game.saveGame(slot, "first try"), saved) << slot << failAt;
        EXPECT_EQ(front.calls, expected) << slot << failAt;
        if (slot < kSlotCount) {
            EXPECT_EQ(game.savedGameSlots().slots[slot].level, levelAfter);
        }
    }
    EXPECT_EQ(game.slotToOverwrite(), 2);
}

// Opening a saved game plays it at its own speed; a damaged one says so and
// a missing one says nothing.
TEST_F(StartedCoreTest, OpeningRestoresTheSpeedOrSaysTheFileIsDamaged) {
    gameRunning = 1;
    game.currentLevel()->SPEED = 2;
    ASSERT_TRUE(game.saveGame(0, "fast"));
    std::ofstream(path("games/2.zmb")) << "ROWS:1000\n";
    game.applyDisplayOptions({true, true, 0, 0});
    const std::tuple<int, bool, Lines, int> cases[] = {
        {0, true, {"speed 2", "repaint now"}, 4},
        {1, false, held("box 0 Can not open game"), 4},
        {2, false, {}, 4},
    };
    for (const auto& [slot, opened, expected, step] : cases) {
        front.calls.clear();
        EXPECT_EQ(game.openGame(slot), opened);
        // What opening a game shows of its level comes first.
        const Lines last(front.calls.end() - std::min(front.calls.size(), expected.size()),
                         front.calls.end());
        EXPECT_EQ(last, expected);
        EXPECT_EQ(game.ballStepPixels(), step);
    }
}

TEST_F(StartedCoreTest, ClearingTheWallOfFameAsksFirst) {
    for (const bool yes : {false, true}) {
        wallOfFameTable.entries[0].score = 12;
        front.answerYes = yes;
        EXPECT_EQ(game.askToClearWallOfFame(), yes);
        EXPECT_EQ(game.wallOfFameEntries().entries[0].score, yes ? -1 : 12);
    }
}

}  // namespace
