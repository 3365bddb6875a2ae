// Drives the program's modal dialogs and message boxes from inside the test
// thread: a thread-local WH_CBT hook notices each dialog when it becomes
// active, and the step for it runs from the dialog's own modal loop right
// after (a dialog may be activated before its initialisation has finished). Steps are taken in
// order; a dialog that no step expects is recorded and cancelled, and a watchdog cancels whatever
// is still open after a few seconds, so a wrong flow fails instead of hanging.
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

    // The next dialog to become active must carry `caption`; `act` sets its
    // controls and posts the command that answers it. With `again`, the
    // step acts on a dialog that was active before and is active once more
    // (its nested dialog or box has closed).
    DialogDriver& then(const std::string& caption, Action act, bool again = false);

    bool allStepsTaken() const { return steps_.empty(); }
    // Captions of dialogs that appeared with no step for them.
    const std::vector<std::string>& unexpected() const { return unexpected_; }
    bool timedOut() const { return timedOut_; }

  private:
    struct Step {
        std::string caption;
        Action act;
        bool again;
    };
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK watchdog(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK runPending(HWND, UINT, UINT_PTR, DWORD);
    void onActivate(HWND window);

    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    std::deque<Step> steps_;
    // Steps taken but not yet run, with their dialogs.
    std::deque<std::pair<HWND, Action>> pending_;
    std::vector<HWND> seen_;
    std::vector<std::string> unexpected_;
    bool timedOut_ = false;
    static DialogDriver* current_;
};

// Helpers for the actions.
std::string windowText(HWND window);
std::string itemText(HWND dialog, int id);
// The text of a message box.
std::string boxText(HWND box);
// Posts a click of the button `id` (IDOK, IDCANCEL, IDYES, IDNO or a control).
void click(HWND dialog, int id);
