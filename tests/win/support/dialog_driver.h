// Answers the program's modal dialogs and message boxes from inside the test
// thread. A thread-local WH_CBT hook notices each dialog as it becomes
// active; the step for it runs from the modal loop right after, once its
// initialisation is surely over. Steps are taken in order. A dialog acts
// once: when it becomes active again (its nested dialog or box closed, or
// another window took the focus) nothing happens unless the next step
// expects exactly that. A dialog no step expects is recorded and cancelled,
// and a watchdog cancels what is still open after a few seconds, so a wrong
// flow fails instead of hanging.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class DialogDriver {
  public:
    using Action = std::function<void(HWND dialog)>;

    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // The next dialog to appear must carry `caption`; `act` sets its
    // controls and posts the command that answers it.
    DialogDriver& then(const std::string& caption, Action act);
    // The dialog `caption`, answered before, is active once more.
    DialogDriver& thenAgain(const std::string& caption, Action act);

    // Every step taken, nothing unexpected, no watchdog.
    bool finished() const { return steps_.empty() && unexpected.empty() && !timedOut; }

    // The caption of every dialog that appeared, in order.
    std::vector<std::string> shown;
    // The text of every message box among them.
    std::vector<std::string> boxTexts;
    // The captions of those no step expected.
    std::vector<std::string> unexpected;
    bool timedOut = false;

  private:
    struct Step {
        std::string caption;
        Action act;
        bool again;
    };
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK runPending(HWND, UINT, UINT_PTR timer, DWORD);
    static void CALLBACK watchdog(HWND, UINT, UINT_PTR, DWORD);
    void onActivate(HWND window);

    HHOOK hook_ = nullptr;
    UINT_PTR watchdog_ = 0;
    std::deque<Step> steps_;
    std::deque<std::pair<HWND, Action>> pending_;
    std::vector<HWND> seen_;
    static DialogDriver* current_;
};

// Posts a click of the button `id` (IDOK, IDCANCEL, IDYES, IDNO or a control).
void click(HWND dialog, int id);
// An action that only clicks `id`.
DialogDriver::Action press(int id);
std::string itemText(HWND dialog, int id);
