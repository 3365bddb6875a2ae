// The window classes of the kit: the panel that holds the toolbar's buttons
// and the status bar's panes, and the tooltip. Registering again fails
// harmlessly, so each user registers before it creates.
#pragma once

#include <windows.h>

inline constexpr const char* kPanelClassName = "FRAME_CLASS";
inline constexpr const char* kToolTipClassName = "ToolTipClass";

// Registers "FRAME_CLASS"; the first call also fetches the shared label
// font. True when the class was registered by this call.
bool registerPanelClass(HINSTANCE instance);

// Registers "ToolTipClass". True when the class was registered by this call.
bool registerToolTipClass(HINSTANCE instance);

// Both of the above, for the game view before it builds its toolbar.
void registerKitClasses(HINSTANCE instance);

// The font of every label: the stock variable-width ANSI font, fetched when
// the panel class is first registered (null before).
HFONT sharedLabelFont();
