// The records of a game in play. Their field names are the keys of the
// saved-game file, which is why they are upper case.
#pragma once

#include <cstdint>

constexpr int kMaxRows = 50;
constexpr int kMaxCols = 50;
constexpr int kMaxBalls = 200;
constexpr int kBarCount = 2;
// Reaching this level number ends the game before any ball is placed.
constexpr int kLastLevel = 200;

// Grid cell values.
enum CellValue : int32_t {
    kCellFree = 0,
    kCellBall = 1,  // only ever read from a saved file
    kCellBar = 2,   // covered by a bar that still grows
    kCellWall = 3,
};

// Direction codes of balls (all eight) and bars (0 to 3).
enum Direction : int32_t {
    kUp = 0,
    kDown = 1,
    kLeft = 2,
    kRight = 3,
    kUpLeft = 4,
    kUpRight = 5,
    kDownLeft = 6,
    kDownRight = 7,
};

struct Ball {
    int32_t XOLD = 0, YOLD = 0;  // carried through saved files, never used
    int32_t X = 0, Y = 0;        // centre, client pixels
    int32_t endOfList = 1;       // 1: this and every later record hold no ball
    int32_t R = 0, C = 0;        // cell of placement
    int32_t ROLD = 0, COLD = 0;
    int32_t DRCT = 0;
};

class GameModel;

struct Bar {
    int32_t SIZE = 0;                // thickness in pixels
    int32_t XSTART = 0, YSTART = 0;  // top-left corner of the start cell
    int32_t XEND = 0, YEND = 0;      // the growing end
    int32_t RSTART = 0, CSTART = 0;
    int32_t REND = 0, CEND = 0;
    int32_t DRCT = 0;
    int32_t ACTIVE = 1;  // 0 while growing, 1 idle

    // Results of move().
    static constexpr int kGrowing = 1;
    static constexpr int kFinished = 0;
    static constexpr int kBroken = -1;
    // The ball that broke the bar took the last life; a new game is set up.
    static constexpr int kGameEnded = -2;
    // fatalError was reported; the caller must stop at once.
    static constexpr int kFailed = -3;

    // One growth step of this growing bar of `game`.
    int move(GameModel& game);
};

struct Level {
    int32_t grid[kMaxRows][kMaxCols] = {};
    Ball balls[kMaxBalls];
    Bar bars[kBarCount];
    int32_t GRID = 1;   // grid lines shown; also weighs the score
    int32_t SPEED = 0;  // 0 slow, 1 normal, 2 fast
    int32_t LOVES = 0;  // lives left
    int32_t NBLLS = 0;  // level number = number of balls
    int32_t CLDNE = 0;  // cells released in this level
    double SCORE = 0.0;
    int32_t SLVTM = 0;  // clock at level start, ms
    int32_t LEVTM = 0;  // clock at the last tick, ms
    int32_t pausedTotal = 0;
    int32_t SPSTM = 0;  // clock when the current pause began
};
