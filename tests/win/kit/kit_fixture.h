// Windows for the kit's tests: a frame that records the commands reaching
// it, a plain game view under the toolbar, and the six-button toolbar the
// game builds.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "shell/kit/tool_button.h"
#include "shell/kit/window_wrapper.h"

struct RecordedCommand {
    WPARAM wParam;
    LPARAM lParam;
};

// The toolbar as the game view builds it: a static-edged panel across the
// top of the frame and six 24 x 24 icon buttons.
struct TestToolbar {
    enum { kExit, kPlay, kPause, kDisplayOptions, kOpen, kSave, kButtons };
    WindowWrapper panel;
    ToolButton buttons[kButtons];
};

class KitTest : public ::testing::Test {
  protected:
    static constexpr int kToolbarHeight = 28;

    void SetUp() override;
    void TearDown() override;

    // A borderless top-level frame whose client area is width x height.
    HWND createFrame(int width, int height);
    // A plain child of the frame below the toolbar, as the game view.
    HWND createView(int width, int height);
    void buildToolbar(TestToolbar& toolbar);
    void resizeFrame(int width, int height);

    // Commands with the hover notifications only.
    std::vector<RecordedCommand> hoverReports() const;

    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    std::vector<RecordedCommand> commands;
};

// Records the styles each window is created with, as asked of the
// platform: it drops some bits (a window edge without a dialog frame)
// from what the window later reports.
class CreationSpy {
  public:
    CreationSpy();
    ~CreationSpy();
    CreationSpy(const CreationSpy&) = delete;
    CreationSpy& operator=(const CreationSpy&) = delete;

    DWORD lastStyle = 0;
    DWORD lastExtendedStyle = 0;
    int created = 0;

  private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam);
    HHOOK hook = nullptr;
};

// The rectangle of a window in its parent's client coordinates.
RECT rectInParent(HWND window);
std::string windowText(HWND window);
