// What the Win32 tests of the game share: seams that record sounds and
// dialogs and answer message boxes, a memory canvas read pixel by pixel,
// and the frame holding the game view.
#pragma once

#include <windows.h>

#include <memory>
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

// For the length of a test: every sound played and every dialog run is
// recorded (each dialog answers 0), and every message box of this thread
// is answered with `boxButton` and recorded with the game's pause state.
class SeamFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

  public:
    // Forgets what was recorded and answers boxes with `button` from now on.
    static void resetRecords(int button = IDOK);
    static std::vector<const void*> played;
    static std::vector<int> dialogRuns;
    static std::vector<std::string> boxTexts;
    static std::vector<int> pausedAtBox;
    static int boxButton;

  private:
    SoundPlayer previousPlayer_ = nullptr;
    HHOOK hook_ = nullptr;
};

// A top-down 32-bit memory bitmap filled with one colour.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    // The colour at (x, y), as RGB() gives it.
    COLORREF at(int x, int y) const;
    // How many pixels of [left, right) x [top, bottom) differ from `colour`.
    int countOtherThan(COLORREF colour, int left, int top, int right, int bottom) const;
    HDC context;

  private:
    int width_, height_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
};

// Handles every message waiting for this thread.
void pumpMessages();

// The program's frame with its game view, the game's timers stopped so
// only the test moves it, and its sounds given distinct stand-in images so
// a test can tell them apart.
class ViewFixture : public SeamFixture {
  protected:
    void SetUp() override;
    void TearDown() override;
    Game& game() { return *theGame; }
    // The client point at the centre of a cell.
    LPARAM cellPoint(int row, int col) const;

    HWND frame = nullptr;
    HWND view = nullptr;
    FakeClock clock;
};
