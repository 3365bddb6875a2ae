// What the dialog and bar tests share: the real frame with its game view and
// the real dialog runner, a clock the test drives, and a driver that acts on
// every dialog and message box of this thread as soon as it is active.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/game_clock.h"
#include "presentation/game.h"

class TestClock : public GameClock {
  public:
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return 1000; }
    int32_t now = 50000;
};

// Calls `act` with each dialog window ("#32770": dialogs and message boxes)
// of this thread when it becomes active, with the number of activations so
// far (0 for the first). A window that becomes active again, as a dialog
// does when its message box closes, is reported again.
class DialogDriver {
  public:
    using Action = std::function<void(HWND window, int activation)>;
    explicit DialogDriver(Action act);
    ~DialogDriver();
    // The caption of every window reported, in order.
    std::vector<std::string> captions;
    // The text of every message box reported, in order.
    std::vector<std::string> boxTexts;

  private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam);
    static DialogDriver* current_;
    Action act_;
    HHOOK hook_;
};

std::string captionOf(HWND window);
// A message box rather than one of the program's dialogs; it carries its
// text in the static control 0xFFFF.
bool isMessageBox(HWND window);
void press(HWND dialog, int controlId);
void pumpMessages();

// The program's own frame with the game view, toolbar and status bar; the
// timers are stopped so only the test moves the game.
class FrameFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    Game& game() { return *theGame; }

    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    HWND view = nullptr;
    TestClock clock;
};
