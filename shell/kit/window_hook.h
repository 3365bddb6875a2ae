// Puts a hook function in front of a window's own procedure. The record
// lives in the window's user data from install until remove; the window's
// destruction removes it by itself.
#pragma once

#include <windows.h>

struct WindowHook;

// Called with every message before the window's own procedure; its result
// is not used.
using WindowHookFunction = void (*)(WindowHook* record, HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam);

struct WindowHook {
    WNDPROC previousProc = nullptr;
    WindowHookFunction hookFunction = nullptr;
    LONG_PTR userValue = 0;

    // Returns the window's previous procedure, or null (and installs
    // nothing) when the record cannot be allocated or the window is hooked
    // already.
    static WNDPROC install(HWND window, WindowHookFunction hook, LONG_PTR userValue);
    static void remove(HWND window);

    // The procedure that stands in for the window's own.
    static LRESULT CALLBACK dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
