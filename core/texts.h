// Every text the game shows the player.
#pragma once

namespace texts {
inline constexpr const char* kCaption = "Zembal";
inline constexpr const char* kStopCurrentGame = "Stop current game ?";
inline constexpr const char* kCanNotSaveFinished = "You can not save finished game";
inline constexpr const char* kNoSavedGames = "You do not have saved games";
inline constexpr const char* kStopGameQuestion = "The current game must be stopped\nContinue ?";
inline constexpr const char* kClearQuestion = "Clear ?";
inline constexpr const char* kGameOverFirstLine = "The game is over.\n";
inline constexpr const char* kEndReasons[] = {"No more balls", "No more lives", "Time is expired"};
inline constexpr const char* kPaused = "The game is paused";
inline constexpr const char* kPercentFormat = "%%: %d";
inline constexpr const char* kScoreFormat = "Score: %d";
inline constexpr const char* kLevelFormat = "Level: %d:";
inline constexpr const char* kLivesFormat = "Lives: %d";
inline constexpr const char* kTimeLeftFormat = "Time left: %d";
inline constexpr const char* kGameTimeFormat = "Game's time: %d";
// The toolbar's buttons, which their tooltips show.
inline constexpr const char* kExitTool = "Exit";
inline constexpr const char* kPlayTool = "Play";
inline constexpr const char* kPauseTool = "Pause";
inline constexpr const char* kDisplayOptionsTool = "Display Options";
inline constexpr const char* kOpenTool = "Open saved game";
inline constexpr const char* kSaveTool = "Saved game";
}  // namespace texts
