// Every text the dialogs show or fill in.
#pragma once

namespace dialogTexts {
inline constexpr const char* kThemes[] = {"Classic", "Desert", "Forest", "Mars",
                                          "Night",   "Ocean",  "Sky"};
inline constexpr const char* kSpeeds[] = {"Slow", "Normal", "Fast"};
inline constexpr const char* kPercents[] = {"70%", "75%", "80%", "85%"};
inline constexpr const char* kFieldSizeFormat = "%d * %d";
inline constexpr const char* kStopGameQuestion = "The current game must be stopped\nContinue ?";
inline constexpr const char* kScoreFormat = "%d";
inline constexpr const char* kEndReasons[] = {"No more balls", "No more lives", "Time is expired"};
inline constexpr const char* kNameMissing = "You must enter user's name";
inline constexpr const char* kClearQuestion = "Clear ?";
}  // namespace dialogTexts
