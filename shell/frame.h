// The frame window: the program's top-level window with the menu bar. It
// routes every menu, accelerator and tool-button command and passes the rest
// to the game view.
#pragma once

#include <windows.h>

#include "shell/process_state.h"

inline constexpr const char* kFrameClassName = "Zembal";
constexpr int kFrameWidth = 720;
constexpr int kFrameHeight = 540;

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void forwardToGameView(UINT message, WPARAM wParam, LPARAM lParam);
// Registers the game view's class and the kit's classes, then creates the
// game view; a null instance is taken from the parent.
HWND createGameView(HINSTANCE instance, HWND parent);

void registerFrameClass(HINSTANCE instance);
// The 720 x 540 frame centred on the desktop; its creation builds the game.
HWND createFrame(HINSTANCE instance);

// Handles one message of the loop: accelerators for the frame first.
void processMessage(HWND frameWindow, HACCEL accelerators, MSG& message);
// Runs until the quit message and returns its exit code.
int runMessageLoop(HWND frameWindow, HACCEL accelerators);
// The whole program: start-up, the loop, the exit code.
int runProgram(HINSTANCE instance, HINSTANCE previousInstance, int showCommand);

// The command line that opens the web page of a Help-menu command, or null
// for any other command.
const char* webPageCommandLine(int command);
