// Reads a saved game: the file into a staging record, validated, and only
// then applied to the game.
#include <memory>
#include <string>

#include "model/field_sizes.h"
#include "persistence/saved_game.h"
#include "persistence/saved_game_staging.h"

namespace {

// The corner the file's positions are relative to: its own "LEFT" and
// "TOP", else where a view at its needed size puts a field of the file's
// size (a size outside the table is refused anyway).
FieldCorner fileOrigin(const SavedGameStaging& s, const GameModel& game, const FieldView& view) {
    FieldCorner origin{game.fieldCornerX(), game.fieldCornerY()};
    if (fieldSizeIndex(s.rows, s.cols) >= 0) {
        origin = view.neededCorner(s.rows, s.cols);
    }
    if (s.LEFT.set) {
        origin.left = s.LEFT.value;
    }
    if (s.TOP.set) {
        origin.top = s.TOP.value;
    }
    return origin;
}

}  // namespace

SavedGameError stageSavedGame(const char* data, size_t size, const GameModel& game,
                              const FieldView& view, SavedGameStaging* staging) {
    if (size > kMaxSavedGameBytes) {
        return SavedGameError::kTooLarge;
    }
    const int32_t now = game.clock().nowMs();
    SavedGameError error = stageLines(data, size, game, now, *staging);
    const FieldCorner origin = fileOrigin(*staging, game, view);
    staging->originLeft = origin.left;
    staging->originTop = origin.top;
    if (error == SavedGameError::kNone) {
        error = validateStaging(*staging, game);
    }
    return error;
}

ReadResult readGameFile(const char* path, GameModel& game, FieldView& view, FileSystem& files,
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
                why = stageSavedGame(contents.data(), contents.size(), game, view, staging.get());
                if (why == SavedGameError::kNone) {
                    applySavedGame(*staging, game, view);
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
