// What the frame and the dialogs reach of the game: the door, and the game
// view that owns the dialogs. They include this, never the Game's header.
#pragma once

#include <windows.h>

#include "core/game_door.h"
#include "persistence/settings.h"

// The one game; null while no game view exists.
GameDoor* gameDoor();
// The game view's window; null while no game view exists.
HWND gameViewOfDoor();

// Registers the game view's class "ZEMBAL_WINDOW"; harmless when it exists
// already.
void registerGameViewClass(HINSTANCE instance);
inline constexpr const char* kGameViewClassName = "ZEMBAL_WINDOW";

// Where the Game keeps its settings file. The program installs
// win32SettingsFiles (the player's application data folder); while no
// provider is installed, as in tests that do not ask for one, the Game
// starts from the defaults and writes nothing.
using SettingsFilesProvider = SettingsFiles (*)(FileSystem& files);
void setSettingsFilesProvider(SettingsFilesProvider provider);
// The installed provider's files; empty paths while none is installed.
SettingsFiles installedSettingsFiles(FileSystem& files);
