// Every text of the game's files that the player reads: the two messages
// of the saved-game slots and the slots' dates.
#pragma once

constexpr char kCanNotSaveGameText[] = "Can not save game";
constexpr char kCanNotOpenGameText[] = "Can not open game";

inline constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
inline constexpr const char* kSlotDateFormat = "%d-%s-%d";
