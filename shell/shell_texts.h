// Every text the shell shows: the frame's title, the dialogs' lists and
// questions, and the web pages of the Help menu.
#pragma once

namespace shellTexts {
inline constexpr const char* kFrameTitle = "Zembal";

inline constexpr const char* kThemes[] = {"Classic", "Desert", "Forest", "Mars",
                                          "Night",   "Ocean",  "Sky"};
inline constexpr const char* kSpeeds[] = {"Slow", "Normal", "Fast"};
inline constexpr const char* kPercentFormat = "%d%%";
inline constexpr const char* kFieldSizeFormat = "%d * %d";
inline constexpr const char* kScoreFormat = "%d";
inline constexpr const char* kNameMissing = "You must enter user's name";

// Opened through the system's URL handler.
#define ZEMBAL_URL_HANDLER "rundll32 url.dll,FileProtocolHandler "
inline constexpr const char* kProductPage = ZEMBAL_URL_HANDLER "https://zembal.example.org/";
inline constexpr const char* kLinuxEditionPage =
    ZEMBAL_URL_HANDLER "https://zembal.example.org/linux/";
inline constexpr const char* kSourceEditionPage =
    ZEMBAL_URL_HANDLER "https://zembal.example.org/source/";
inline constexpr const char* kMakerPage = ZEMBAL_URL_HANDLER "https://zembal.example.org/team/";
#undef ZEMBAL_URL_HANDLER
}  // namespace shellTexts
