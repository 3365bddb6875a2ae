// Reads a saved game: the file into a staging record, validated, and only
// then applied to the game.
#include <memory>
#include <string>

#include "persistence/saved_game.h"
#include "persistence/saved_game_staging.h"

SavedGameError stageSavedGame(const char* data, size_t size, const GameModel& game,
                              SavedGameStaging* staging) {
    if (size > kMaxSavedGameBytes) {
        return SavedGameError::kTooLarge;
    }
    const int32_t now = game.clock().nowMs();
    SavedGameError error = stageLines(data, size, game, now, *staging);
    if (error == SavedGameError::kNone) {
        error = validateStaging(*staging, game, now);
    }
    staging->originLeft = staging->LEFT.set ? staging->LEFT.value : game.fieldCornerX();
    staging->originTop = staging->TOP.set ? staging->TOP.value : game.fieldCornerY();
    return error;
}

ReadResult readGameFile(const char* path, GameModel& game,
                        const std::function<void()>& recomputeGeometry, FileSystem& files,
                        SavedGameError* error) {
    SavedGameError why = SavedGameError::kNone;
    ReadResult result = ReadResult::kNotOpened;
    std::string contents;
    if (path != nullptr && game.currentLevel() != nullptr) {
        switch (files.readFile(path, kMaxSavedGameBytes, &contents)) {
            case ReadFileResult::kNotOpened:
                break;
            case ReadFileResult::kTooLarge:
                why = SavedGameError::kTooLarge;
                result = ReadResult::kRejected;
                break;
            case ReadFileResult::kRead: {
                auto staging = std::make_unique<SavedGameStaging>();
                why = stageSavedGame(contents.data(), contents.size(), game, staging.get());
                if (why == SavedGameError::kNone) {
                    applySavedGame(*staging, game, recomputeGeometry);
                    result = ReadResult::kRead;
                } else {
                    result = ReadResult::kRejected;
                }
                break;
            }
        }
    }
    if (error != nullptr) {
        *error = why;
    }
    return result;
}
