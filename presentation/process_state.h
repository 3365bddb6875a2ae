// The presentation's process-wide state: one of each for the whole run.
#pragma once

#include <windows.h>

class Game;

// The one game: the game view allocates it on its creation and deletes it
// on its destruction; null while no game view exists.
extern Game* theGame;
// The module the entry routine recorded first thing; every resource is
// loaded from it.
extern HINSTANCE programInstance;
// One line of the stock variable-pitch font, and the three lines of the
// information area under the field: measured when the view is built.
extern int textLineHeight;
extern int infoAreaHeight;
