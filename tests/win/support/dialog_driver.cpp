#include "tests/win/support/dialog_driver.h"

#include <algorithm>

#include "shell/dialogs/run_dialog.h"

namespace {

DialogDriver* current = nullptr;

HWND laterDialog = nullptr;
DialogDriver::Action laterAction;

void CALLBACK runLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    DialogDriver::Action act = std::move(laterAction);
    act(laterDialog);
}

LRESULT CALLBACK onActivate(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[16] = {}, caption[256] = {};
    if (code == HCBT_ACTIVATE && GetClassNameA(window, className, 16) &&
        std::string(className) == "#32770" &&
        std::find(current->seen.begin(), current->seen.end(), window) == current->seen.end()) {
        current->seen.push_back(window);
        GetWindowTextA(window, caption, sizeof caption);
        current->shown.push_back(caption);
        // The program's dialogs all run its one dialog procedure; a box's
        // text is its static control 0xFFFF.
        if (GetWindowLongPtrA(window, DWLP_DLGPROC) !=
            reinterpret_cast<LONG_PTR>(dialogs::dialogProc)) {
            current->boxTexts.push_back(itemText(window, 0xFFFF));
        }
        if (!current->steps.empty() && current->steps.front().first == caption) {
            DialogDriver::Action act = std::move(current->steps.front().second);
            current->steps.pop_front();
            act(window);
        } else {
            current->unexpected.push_back(caption);
            click(window, IDCANCEL);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogDriver::DialogDriver()
    : hook(SetWindowsHookExA(WH_CBT, onActivate, nullptr, GetCurrentThreadId())) {
    current = this;
}

DialogDriver::~DialogDriver() {
    UnhookWindowsHookEx(hook);
}

DialogDriver& DialogDriver::reset() {
    steps.clear();
    seen.clear();
    shown = boxTexts = unexpected = {};
    return *this;
}

DialogDriver& DialogDriver::then(const std::string& caption, Action act) {
    steps.emplace_back(caption, std::move(act));
    return *this;
}

void click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

DialogDriver::Action press(int id) {
    return [id](HWND dialog) { click(dialog, id); };
}

std::string itemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void later(HWND dialog, DialogDriver::Action act) {
    laterDialog = dialog;
    laterAction = std::move(act);
    SetTimer(nullptr, 0, 50, runLater);
}

void typeKeys(const std::string& keys) {
    for (char key : keys) {
        if (key == '\r') {
            PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
        } else {
            PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(key), 1);
        }
    }
}
