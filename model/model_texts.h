// Every text the rules give the player: the status line after a shot, the
// messages of an impossible bar, and the names of the checks whose failure
// ends the run.
#pragma once

namespace modelTexts {
inline constexpr const char* kWrongShot = "Wrong shot";
inline constexpr const char* kYouHitBall = "You hit ball";
inline constexpr const char* kYouCreatedBars = "You created bars";
inline constexpr const char* kBallMeetsBar = "Ball meets bar";
inline constexpr const char* kReleasedFormat = "You released %d cells";

inline constexpr const char* kBarUpBlocked = "setBarTo-up";
inline constexpr const char* kBarDownBlockedFormat = "setBarTo-down: r=%d,c=%d,rows=%d,cols=%d";
inline constexpr const char* kBarLeftBlocked = "setBarTo-left";
inline constexpr const char* kBarRightBlocked = "setBarTo-right";

inline constexpr const char* kInvalidDirection = "tryMove - invalid direction";
inline constexpr const char* kTryMove = "tryMove";
inline constexpr const char* kBarMove = "Bar::move";
inline constexpr const char* kInvalidBarCell = "setBarTo: invalid row/col";
inline constexpr const char* kInvalidChamberCell = "setChamber: Invalid cell";
inline constexpr const char* kChamberCellUsed = "setChamber: Cell is used";
inline constexpr const char* kDefineCellForBalls = "defineCellForBalls";
}  // namespace modelTexts
