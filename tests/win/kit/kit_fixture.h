// Windows for the kit's tests: a frame that records the commands reaching
// it, a plain game view under the toolbar, and the six-button toolbar the
// game builds.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/kit/tool_button.h"
#include "shell/kit/window_wrapper.h"

struct RecordedCommand {
    WPARAM wParam;
    LPARAM lParam;
};

// A static-edged panel across the top of the frame and six 24 x 24 icon
// buttons, Play created hidden in Pause's place.
struct TestToolbar {
    enum { kExit, kPlay, kPause, kDisplayOptions, kOpen, kSave, kButtons };
    WindowWrapper panel;
    ToolButton buttons[kButtons];
};

class KitTest : public ::testing::Test {
  protected:
    static constexpr int kToolbarHeight = 28;

    // A borderless 400 x 300 frame with the toolbar.
    void SetUp() override;
    void TearDown() override;

    // A plain child of the frame below the toolbar, as the game view.
    HWND createView(int width, int height);
    void buildToolbar();
    HWND button(int index) const { return toolbar.buttons[index].window; }

    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    TestToolbar toolbar;
    std::vector<RecordedCommand> commands;
};

// The rectangle of a window in its parent's client coordinates.
RECT rectInParent(HWND window);
std::string windowText(HWND window);
LPARAM point(int x, int y);
