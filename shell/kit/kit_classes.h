// The window classes of the kit: the panel that holds the toolbar's buttons
// and the status bar's panes, and the tooltip. Registering again fails
// harmlessly, so each user registers before it creates.
#pragma once

#include <windows.h>

inline constexpr const char* kPanelClassName = "FRAME_CLASS";
inline constexpr const char* kToolTipClassName = "ToolTipClass";

// Registers "FRAME_CLASS". True when the class was registered by this call.
bool registerPanelClass(HINSTANCE instance);

// Registers "ToolTipClass". True when the class was registered by this call.
bool registerToolTipClass(HINSTANCE instance);

// Both of the above, for the game view before it builds its toolbar.
void registerKitClasses(HINSTANCE instance);
