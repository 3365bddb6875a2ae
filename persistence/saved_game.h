// The saved-game text format: the writer and the reader of one file.
//
// The reader never trusts the file: it reads the whole file into a staging
// record, validates it against the limits the game relies on, and only then
// replaces the current game by the game's own steps (newGame, NBLLS set to
// the saved count minus one, startLevel, then every field the file holds).
// A rejected file leaves the current game untouched.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/game_model.h"
#include "persistence/file_system.h"

// The longest line the reader accepts, line end not counted.
constexpr int kMaxSavedGameLineChars = 511;
// A file the game writes stays far below this; larger files are rejected
// unread.
constexpr size_t kMaxSavedGameBytes = 1 << 20;

// Positions farther than this from the file's field corner are rejected:
// the game moves them with the field, which must not overflow. 2^30, and
// room for the corner of any window the game wrote a file from.
constexpr int32_t kMaxSavedPixel = (1 << 30) + (1 << 16);

enum class SavedGameError {
    kNone,
    kTooLarge,      // the file is larger than kMaxSavedGameBytes
    kLineTooLong,   // a line longer than kMaxSavedGameLineChars
    kNoBody,        // no "<BODY>" line
    kBadFieldSize,  // "ROWS"/"COLS" not a pair of the field-size table, or changed after "<BODY>"
    kBadBallCount,  // "NBLLS" missing before "<BODY>" or outside 1 to 199
    kBadDataRows,   // not exactly ROWS "DATA" lines
    kShortDataRow,  // a "DATA" line shorter than COLS characters
    kBallOutsideField,  // a ball in play whose box is not strictly inside the field
    kBadBallDirection,  // a ball in play with a direction outside 0 to 7
    kBadBarDirection,   // a growing bar with a direction outside 0 to 3
    kBarOutsideField,   // a growing bar with a cell or a corner off the field
    kBadScore,          // a score that is not a number or beyond the 32-bit range
    kBadCounter,        // released cells outside 0 to ROWS x COLS, or lives below 0
    kBadPosition,       // a position beyond kMaxSavedPixel from the corner, in play or not
};

enum class ReadResult {
    kRead,       // the game was replaced
    kNotOpened,  // the file could not be opened; nothing changed
    kRejected,   // the file is damaged; nothing changed
};

// A corner of the field, in client pixels of the game view.
struct FieldCorner {
    int32_t left = 0;
    int32_t top = 0;
};

// What the saved-game files need of the view that shows the field.
class FieldView {
  public:
    virtual ~FieldView() = default;
    // Where a view at its needed size puts the corner of a field of rows x
    // cols: the corner every copy of the game has unless the player enlarged
    // the window. The positions in a file are relative to it.
    virtual FieldCorner neededCorner(int32_t rows, int32_t cols) const = 0;
    // The game's setFieldSize(-1, -1): recomputes the field rectangle for
    // the rows and cols the model now holds and may lay the view out again,
    // moving the field.
    virtual void recomputeGeometry() = 0;
};

// Writes `game` to `path`: the head (with the needed-size corner of the
// field as "LEFT" and "TOP"), the grid, the level's counters and clocks, one block
// per ball in play and both bars, every line ending in CR LF. Positions are
// written as they would stand with the field at that corner, so a reader
// that ignores "LEFT" and "TOP" still places everything. Creates the folder
// of `path` when its status cannot be read.
//
// The file is written to `path` + ".tmp" first, every write and the close
// are checked, and only then the temporary file replaces `path` in one step.
// Returns false when anything failed: the temporary file is removed and an
// existing file at `path` is left exactly as it was; the caller then shows
// "Can not save game".
bool writeGameFile(const char* path, const GameModel& game, const FieldView& view,
                   FileSystem& files);

// Replaces the game by the one saved in `path`. Ball and bar positions are
// relative to the file's "LEFT" and "TOP", or without them to the view's
// needed-size corner for the file's field size; they are validated there
// and shifted to the field as it stands after `view.recomputeGeometry()`.
// The file's clocks are carried over modulo 2^32: the time between "SAVTM"
// and now counts as paused, whatever the two sessions' uptimes.
//
// After kRead the caller must restart the game timer, since the game now
// runs at the file's "SPEED". After kRejected the caller shows
// "Can not open game"; after kNotOpened it shows nothing. `error`, when
// given, tells why a file was rejected.
ReadResult readGameFile(const char* path, GameModel& game, FieldView& view, FileSystem& files,
                        SavedGameError* error = nullptr);

// The reader in two steps, for tests and the fuzzer: stage and validate a
// file's text against `game` (read only: its clock, field and bars), then
// apply a valid staging to the game.
struct SavedGameStaging;
SavedGameError stageSavedGame(const char* data, size_t size, const GameModel& game,
                              const FieldView& view, SavedGameStaging* staging);
void applySavedGame(const SavedGameStaging& staging, GameModel& game, FieldView& view);
