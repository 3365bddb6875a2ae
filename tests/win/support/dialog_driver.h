// Answers the program's modal dialogs and message boxes from inside the
// test thread: a thread-local WH_CBT hook sees each dialog become active,
// its initialisation over, and the next step acts on it (sets its controls
// and posts the command that answers it). A dialog active again after its
// nested box closed is left alone; one no step expects is recorded and
// cancelled, so a wrong flow fails instead of hanging.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct DialogDriver {
    using Action = std::function<void(HWND dialog)>;

    DialogDriver();
    ~DialogDriver();
    // Forgets the steps left and everything recorded.
    DialogDriver& reset();
    // The next dialog to come up must carry `caption`.
    DialogDriver& then(const std::string& caption, Action act);
    // Every step taken and nothing unexpected.
    bool finished() const { return steps.empty() && unexpected.empty(); }

    std::deque<std::pair<std::string, Action>> steps;
    // The captions of the dialogs that came up, the texts of the message
    // boxes among them, and the captions no step expected.
    std::vector<std::string> shown, boxTexts, unexpected;
    std::vector<HWND> seen;
    HHOOK hook;
};

// Posts a click of the button `id` (IDOK, IDCANCEL, IDYES, IDNO or a control).
void click(HWND dialog, int id);
// An action that only clicks `id`.
DialogDriver::Action press(int id);
std::string itemText(HWND dialog, int id);
// Runs `act` once the dialog's own loop is idle: its start-up, or a box it
// showed, is over.
void later(HWND dialog, DialogDriver::Action act);
// Types into the control with the focus as a player does; "\r" is Enter.
void typeKeys(const std::string& keys);
