#include "tests/win/persistence/dialog_driver.h"

#include <algorithm>
#include <cstring>

DialogDriver* DialogDriver::current_ = nullptr;

namespace {
constexpr UINT kWatchdogMs = 8000;
// The static that holds a message box's text.
constexpr int kBoxTextId = 0xFFFF;
}  // namespace

DialogDriver::DialogDriver() {
    current_ = this;
    hook_ = SetWindowsHookExA(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
    timer_ = SetTimer(nullptr, 0, kWatchdogMs, watchdog);
}

DialogDriver::~DialogDriver() {
    UnhookWindowsHookEx(hook_);
    KillTimer(nullptr, timer_);
    current_ = nullptr;
}

DialogDriver& DialogDriver::then(const std::string& caption, Action act, bool again) {
    steps_.push_back({caption, std::move(act), again});
    return *this;
}

LRESULT CALLBACK DialogDriver::hookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current_ != nullptr) {
        char className[32] = {};
        HWND window = reinterpret_cast<HWND>(wParam);
        GetClassNameA(window, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0) {
            current_->onActivate(window);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogDriver::onActivate(HWND window) {
    const bool seenBefore = std::find(seen_.begin(), seen_.end(), window) != seen_.end();
    const std::string caption = windowText(window);
    if (!steps_.empty() && steps_.front().caption == caption &&
        steps_.front().again == seenBefore) {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        if (!seenBefore) {
            seen_.push_back(window);
        }
        pending_.emplace_back(window, std::move(step.act));
        SetTimer(nullptr, 0, 0, runPending);
        return;
    }
    if (!seenBefore) {
        seen_.push_back(window);
        unexpected_.push_back(caption);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
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
    current_->timedOut_ = true;
    // The latest dialog still up is the innermost one.
    for (auto it = current_->seen_.rbegin(); it != current_->seen_.rend(); ++it) {
        if (IsWindow(*it)) {
            PostMessageA(*it, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return;
        }
    }
}

std::string windowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string itemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string boxText(HWND box) {
    return itemText(box, kBoxTextId);
}

void click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
