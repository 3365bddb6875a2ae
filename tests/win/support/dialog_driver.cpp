#include "tests/win/support/dialog_driver.h"

#include <algorithm>

#include "shell/dialogs/run_dialog.h"

DialogDriver* DialogDriver::current_ = nullptr;

namespace {

constexpr UINT kWatchdogMs = 5000;
// The static control that holds a message box's text.
constexpr int kBoxTextId = 0xFFFF;

std::string captionOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool isDialog(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770";
}

// Every dialog of the program runs the one dialog procedure; a message box
// runs the platform's.
bool isMessageBox(HWND window) {
    return GetWindowLongPtrA(window, DWLP_DLGPROC) !=
           reinterpret_cast<LONG_PTR>(dialogs::dialogProc);
}

}  // namespace

DialogDriver::DialogDriver() {
    current_ = this;
    hook_ = SetWindowsHookExA(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
    watchdog_ = SetTimer(nullptr, 0, kWatchdogMs, watchdog);
}

DialogDriver::~DialogDriver() {
    UnhookWindowsHookEx(hook_);
    KillTimer(nullptr, watchdog_);
    current_ = nullptr;
}

DialogDriver& DialogDriver::then(const std::string& caption, Action act) {
    steps_.push_back({caption, std::move(act), false});
    return *this;
}

DialogDriver& DialogDriver::thenAgain(const std::string& caption, Action act) {
    steps_.push_back({caption, std::move(act), true});
    return *this;
}

LRESULT CALLBACK DialogDriver::hookProc(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && current_ != nullptr && isDialog(window)) {
        current_->onActivate(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogDriver::onActivate(HWND window) {
    const bool again = std::find(seen_.begin(), seen_.end(), window) != seen_.end();
    const std::string caption = captionOf(window);
    if (!again) {
        seen_.push_back(window);
        shown.push_back(caption);
        if (isMessageBox(window)) {
            boxTexts.push_back(itemText(window, kBoxTextId));
        }
    }
    if (!steps_.empty() && steps_.front().caption == caption && steps_.front().again == again) {
        pending_.emplace_back(window, std::move(steps_.front().act));
        steps_.pop_front();
        SetTimer(nullptr, 0, 0, runPending);
    } else if (!again) {
        unexpected.push_back(caption);
        click(window, IDCANCEL);
    }
}

void CALLBACK DialogDriver::runPending(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (current_ == nullptr || current_->pending_.empty()) {
        return;
    }
    auto [window, act] = std::move(current_->pending_.front());
    current_->pending_.pop_front();
    if (IsWindow(window)) {
        act(window);
    }
}

void CALLBACK DialogDriver::watchdog(HWND, UINT, UINT_PTR, DWORD) {
    if (current_ == nullptr) {
        return;
    }
    current_->timedOut = true;
    // The latest dialog still up is the innermost one.
    for (auto it = current_->seen_.rbegin(); it != current_->seen_.rend(); ++it) {
        if (IsWindow(*it)) {
            click(*it, IDCANCEL);
            return;
        }
    }
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
