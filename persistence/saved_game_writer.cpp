// Writes a saved game through a temporary file and an atomic replace, so a
// failed save never destroys the previous one.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "persistence/saved_game.h"
#include "persistence/saved_game_keys.h"

namespace {

class LineWriter {
  public:
    LineWriter(FileSystem& files, std::FILE* file) : files_(files), file_(file) {}

    // Writes one CR LF line; after the first failure nothing more is written.
    void line(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        if (!ok_) {
            return;
        }
        char text[kMaxSavedGameLineChars + 3];
        va_list args;
        va_start(args, format);
        const int length = std::vsnprintf(text, sizeof text - 2, format, args);
        va_end(args);
        if (length < 0 || length > kMaxSavedGameLineChars) {
            ok_ = false;
            return;
        }
        text[length] = '\r';
        text[length + 1] = '\n';
        ok_ = files_.writeBytes(file_, text, static_cast<size_t>(length) + 2);
    }

    // Writes `size` bytes as they are: a whole line with its line end.
    void raw(const char* text, size_t size) {
        if (ok_) {
            ok_ = files_.writeBytes(file_, text, size);
        }
    }

    bool ok() const { return ok_; }

  private:
    FileSystem& files_;
    std::FILE* file_;
    bool ok_ = true;
};

// A cell is written as the character "0" plus its value, taken as 8 bits.
char cellCharacter(int32_t value) {
    return static_cast<char>(static_cast<unsigned char>(('0' + value) & 0xFF));
}

// The score as written: cut toward zero at the sixth decimal, so that "%f"
// never rounds a sum just below a whole point up to it (the shown score
// would gain a point), and held inside the range the reader accepts.
double writtenScore(double score) {
    constexpr double kMillionths = 1e6;
    constexpr double kHighest = 2147483647999999.0;  // 2147483647.999999
    constexpr double kLowest = -2147483648999999.0;  // -2147483648.999999
    double units = std::trunc(score * kMillionths);
    if (units > kHighest) {
        units = kHighest;
    } else if (units < kLowest) {
        units = kLowest;
    }
    // The product was rounded: take the unit farthest from zero that does
    // not pass the score, which also writes a score read back the same.
    const double toward = score < 0 ? -1.0 : 1.0;
    if (std::fabs(units / kMillionths) > std::fabs(score)) {
        units -= toward;
    } else if (std::fabs((units + toward) / kMillionths) <= std::fabs(score) &&
               units + toward <= kHighest && units + toward >= kLowest) {
        units += toward;
    }
    return units / kMillionths;
}

void writeHead(LineWriter& out, const GameModel& game, const FieldCorner& corner) {
    const Level& level = *game.currentLevel();
    out.line("%s", kHeadMarker);
    out.line("ROWS:%d", game.fieldRows());
    out.line("COLS:%d", game.fieldCols());
    out.line("NBLLS:%d", level.NBLLS);
    out.line("GRID:%c", level.GRID == 1 ? 'Y' : 'N');
    // Positions are client pixels of a view at its needed size; the corner
    // lets a later run move them to wherever its field sits.
    out.line("LEFT:%d", corner.left);
    out.line("TOP:%d", corner.top);
}

void writeBody(LineWriter& out, const GameModel& game, int32_t now) {
    const Level& level = *game.currentLevel();
    out.line("%s", kBodyMarker);
    const int rows = game.fieldRows() < kMaxRows ? game.fieldRows() : kMaxRows;
    const int cols = game.fieldCols() < kMaxCols ? game.fieldCols() : kMaxCols;
    for (int r = 0; r < rows; ++r) {
        // A cell may be any character, a zero byte included, so the row is
        // put together by hand rather than formatted.
        char text[5 + kMaxCols + 2] = {'D', 'A', 'T', 'A', ':'};
        size_t length = 5;
        for (int c = 0; c < cols; ++c) {
            text[length++] = cellCharacter(level.grid[r][c]);
        }
        text[length++] = '\r';
        text[length++] = '\n';
        out.raw(text, length);
    }
    out.line("SPEED:%d", level.SPEED);
    out.line("LOVES:%d", level.LOVES);
    out.line("CLDNE:%d", level.CLDNE);
    out.line("SCORE:%f", writtenScore(level.SCORE));
    out.line("SLVTM:%d", level.SLVTM);
    out.line("LEVTM:%d", level.LEVTM);
    out.line("LEVTM:%d", level.pausedTotal);
    out.line("SPSTM:%d", level.SPSTM);
    out.line("SAVTM:%d", now);
    out.line("%s", kBodyEndMarker);
}

// A position as it stands with the field moved by (dx, dy).
int32_t moved(int32_t position, int64_t by) {
    return static_cast<int32_t>(int64_t{position} + by);
}

void writeBlocks(LineWriter& out, const Level& level, int64_t dx, int64_t dy) {
    for (Ball ball : level.balls) {
        if (ball.endOfList == 1) {
            break;
        }
        ball.X = moved(ball.X, dx);
        ball.XOLD = moved(ball.XOLD, dx);
        ball.Y = moved(ball.Y, dy);
        ball.YOLD = moved(ball.YOLD, dy);
        out.line("%s", kBallMarker);
        for (const BallKey& key : kBallKeys) {
            out.line("%s:%d", key.name, ball.*key.field);
        }
    }
    for (Bar bar : level.bars) {
        bar.XSTART = moved(bar.XSTART, dx);
        bar.XEND = moved(bar.XEND, dx);
        bar.YSTART = moved(bar.YSTART, dy);
        bar.YEND = moved(bar.YEND, dy);
        out.line("%s", kBarMarker);
        for (const BarKey& key : kBarKeys) {
            out.line("%s:%d", key.name, bar.*key.field);
        }
    }
}

std::string folderOf(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

}  // namespace

bool writeGameFile(const char* path, const GameModel& game, const FieldView& view,
                   FileSystem& files) {
    if (path == nullptr || path[0] == '\0' || game.currentLevel() == nullptr) {
        return false;
    }
    const std::string target = path;
    const std::string folder = folderOf(target);
    if (!folder.empty() && !files.exists(folder)) {
        files.createFolder(folder);
    }
    const std::string temporary = target + ".tmp";
    std::FILE* file = files.createFile(temporary);
    if (file == nullptr) {
        return false;
    }
    // The file holds the game as a view at its needed size shows it.
    const FieldCorner corner = view.neededCorner(game.fieldRows(), game.fieldCols());
    LineWriter out(files, file);
    writeHead(out, game, corner);
    // "SAVTM" lets a later run carry the level's clocks over.
    writeBody(out, game, game.clock().nowMs());
    writeBlocks(out, *game.currentLevel(), int64_t{corner.left} - game.fieldCornerX(),
                int64_t{corner.top} - game.fieldCornerY());
    const bool closed = files.closeFile(file);
    if (!out.ok() || !closed || !files.replaceFile(temporary, target)) {
        files.removeFile(temporary);
        return false;
    }
    return true;
}
