// Every file of the fuzzers' corpus, the seeds and the findings kept as
// regressions, read by the settings reader and the saved-game reader:
// the seeds are valid and load; nothing crashes or writes out of bounds.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "persistence/ini_profile.h"
#include "persistence/saved_game.h"
#include "persistence/saved_game_staging.h"
#include "persistence/settings.h"
#include "tests/host/persistence/test_support.h"

namespace {

std::vector<std::filesystem::path> filesIn(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    return files;
}

const std::string kCorpus = ZEMBAL_FUZZ_CORPUS;

TEST(FuzzCorpus, SavedGameSeedsAreValidAndLoad) {
    const auto seeds = filesIn(kCorpus + "/saved_game");
    ASSERT_FALSE(seeds.empty());
    for (const auto& seed : seeds) {
        RecordingGame game;
        game.newGame();
        const std::string text = readBytes(seed.string());
        auto staging = std::make_unique<SavedGameStaging>();
        EXPECT_EQ(stageSavedGame(text.data(), text.size(), game, staging.get()),
                  SavedGameError::kNone)
            << seed;
    }
}

TEST(FuzzCorpus, SavedGameRegressionsAreReadSafely) {
    for (const auto& input : filesIn(kCorpus + "/regressions/saved_game")) {
        RecordingGame game;
        game.newGame();
        const std::string before = game.snapshot();
        const std::string text = readBytes(input.string());
        auto staging = std::make_unique<SavedGameStaging>();
        const bool accepted =
            stageSavedGame(text.data(), text.size(), game, staging.get()) == SavedGameError::kNone;
        // Findings the reader now refuses are kept under names that say so.
        if (input.filename().string().rfind("rejected-", 0) == 0) {
            EXPECT_FALSE(accepted) << input;
        }
        if (accepted) {
            applySavedGame(*staging, game, [&] { game.recomputeGeometry(); });
            EXPECT_FALSE(game.failed()) << input;
        } else {
            EXPECT_EQ(game.snapshot(), before) << input;
        }
    }
}

TEST(FuzzCorpus, SettingsInputsLoadAndSaveStably) {
    auto inputs = filesIn(kCorpus + "/settings");
    const auto regressions = filesIn(kCorpus + "/regressions/settings");
    inputs.insert(inputs.end(), regressions.begin(), regressions.end());
    ASSERT_FALSE(inputs.empty());
    for (const auto& input : inputs) {
        // Loading, saving and loading again gives the same file again.
        FileSystem files;
        std::string written[2];
        std::string text = readBytes(input.string());
        for (std::string& out : written) {
            IniProfile profile = IniProfile::fromText(text);
            RecordingGame game;
            GameSettings settings;
            WallOfFameTable wallOfFame;
            char userName[kNameBufferSize] = {};
            SlotTable slots;
            loadSettings(profile, game, settings, wallOfFame, userName, slots, "", files);
            IniProfile saved = IniProfile::fromText("");
            saveSettings(saved, game, settings, wallOfFame, userName, slots, "", files);
            out = saved.text();
            text = out;
        }
        EXPECT_EQ(written[1], written[0]) << input;
    }
}

}  // namespace
