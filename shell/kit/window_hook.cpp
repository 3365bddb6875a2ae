#include "shell/kit/window_hook.h"

#include <new>

namespace {

WindowHook* recordOf(HWND window) {
    return reinterpret_cast<WindowHook*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace

WNDPROC WindowHook::install(HWND window, WindowHookFunction hook, LONG_PTR userValue) {
    // One record per window: a second one would take the dispatcher for the
    // previous procedure and call itself for ever.
    if (GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&dispatch)) {
        return nullptr;
    }
    auto* record = new (std::nothrow) WindowHook;
    if (record == nullptr) {
        return nullptr;
    }
    record->hookFunction = hook;
    record->userValue = userValue;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    record->previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowHook::dispatch)));
    if (record->previousProc == nullptr) {
        // Not a window of ours to hook (or already gone): leave it as it was.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete record;
        return nullptr;
    }
    return record->previousProc;
}

void WindowHook::remove(HWND window) {
    WindowHook* record = recordOf(window);
    if (record == nullptr) {
        return;
    }
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->previousProc));
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete record;
}

LRESULT CALLBACK WindowHook::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowHook* record = recordOf(window);
    if (record == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // Kept aside: what the hook sends on may destroy the window, and its
    // record with it.
    WNDPROC previous = record->previousProc;
    if (record->hookFunction != nullptr) {
        record->hookFunction(record, window, message, wParam, lParam);
    }
    if (message == WM_DESTROY) {
        // The record goes with the window; the window's own procedure is
        // not told of the destruction.
        remove(window);
        return 0;
    }
    return CallWindowProcA(previous, window, message, wParam, lParam);
}
