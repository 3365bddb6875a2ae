// What the presentation tests share: a clock they drive, recorders for
// sounds and dialogs, a hook that answers message boxes, and a stand-in
// frame holding a real game view.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/game_clock.h"
#include "presentation/dialog_runner.h"
#include "presentation/game.h"

class FakeClock : public GameClock {
  public:
    int32_t nowMs() override { return now; }
    int64_t calendarSeconds() override { return 1000; }
    int32_t now = 0;
};

// Records every sound handed to the player while it lives.
class SoundRecorder {
  public:
    SoundRecorder();
    ~SoundRecorder();
    static std::vector<const void*> played;

  private:
    SoundPlayer previous_;
};

// Records every dialog asked for and answers each with `result`.
class DialogRecorder {
  public:
    explicit DialogRecorder(int result = 0);
    ~DialogRecorder();
    static std::vector<int> runs;
    static int result;
};

// Answers every message box of this thread with `button` as soon as it is
// shown, and records its text and the game's pause state at that moment.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(int button = IDOK);
    ~BoxAnswerer();
    static std::vector<std::string> texts;
    static std::vector<int> pausedAtBox;
    static int button;

  private:
    HHOOK hook_;
};

// Gives each sound a distinct stand-in image so a test can tell them apart.
void giveSoundsFakeImages(Game& game);
// Handles every message waiting for this thread.
void pumpMessages();

// A top-level window standing in for the frame: it passes size changes to
// the game view, as the frame does, and records the commands it gets.
class ViewFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    Game& game() { return *theGame; }
    // The client point at the centre of a cell.
    LPARAM cellPoint(int row, int col) const;

    HWND frame = nullptr;
    HWND view = nullptr;
    FakeClock clock;
    static std::vector<WPARAM> frameCommands;
    static HWND frameView;

  private:
    static LRESULT CALLBACK frameStandInProc(HWND, UINT, WPARAM, LPARAM);
};
