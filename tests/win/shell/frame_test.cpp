// The frame routes each command to its action exactly once, whether it
// comes from the menu or from a key, and ends the program cleanly.
#include <utility>

#include "resources/resource.h"
#include "shell/frame.h"
#include "tests/win/presentation/presentation_fixture.h"

namespace {

using ViewCommand = std::pair<WPARAM, LPARAM>;
std::vector<ViewCommand> viewCommands;
WNDPROC viewProcedure = nullptr;

// Sits in front of the game view's procedure and records its commands.
LRESULT CALLBACK recordViewCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        viewCommands.emplace_back(wParam, lParam);
    }
    return CallWindowProcA(viewProcedure, window, message, wParam, lParam);
}

class FrameTest : public ViewFixture {
  protected:
    void SetUp() override {
        ViewFixture::SetUp();
        viewCommands.clear();
        viewProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(view, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordViewCommands)));
        accelerators = LoadAcceleratorsA(programInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
        ASSERT_NE(accelerators, nullptr);
    }
    // Presses a key in the game view and handles what it queued through
    // the program's loop step.
    void pressKey(WPARAM key) {
        PostMessageA(view, WM_KEYDOWN, key, 1);
        PostMessageA(view, WM_KEYUP, key, 0xC0000001);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT) {
            processMessage(frame, accelerators, message);
        }
    }

    HACCEL accelerators = nullptr;
};

TEST_F(FrameTest, MenuCommandAndItsKeyEachReachTheActionOnce) {
    struct Case {
        int command;
        WPARAM key;
        int dialog;  // 0: the pause, which toggles
    };
    for (Case c : {Case{IDM_DISPLAY_OPTIONS, VK_F3, IDD_DISPLAY_OPTIONS},
                   Case{IDM_GAME_OPTIONS, VK_F4, IDD_GAME_OPTIONS}, Case{IDM_HELP, VK_F1, IDD_HELP},
                   Case{IDM_PAUSE, VK_F2, 0}}) {
        const std::vector<int> once(c.dialog != 0 ? 1 : 0, c.dialog);
        resetRecords();
        viewCommands.clear();
        SendMessageA(frame, WM_COMMAND, c.command, 0);
        EXPECT_EQ(dialogRuns, once);
        EXPECT_EQ(theGame->paused, c.dialog == 0 ? 1 : 0);
        EXPECT_TRUE(viewCommands.empty());

        dialogRuns.clear();
        pressKey(c.key);
        EXPECT_EQ(dialogRuns, once);
        EXPECT_EQ(theGame->paused, 0);
        // The key's command went through the game view, which sent dialog
        // commands back to the frame bare.
        EXPECT_EQ(viewCommands, (std::vector<ViewCommand>{{MAKEWPARAM(c.command, 1), 0}}));
    }
}

TEST_F(FrameTest, FrameDialogsOpenAndOtherCommandsAndKeysReachTheGameViewUnchanged) {
    for (int command : {IDM_ABOUT, IDM_WALL_OF_FAME}) {
        SendMessageA(frame, WM_COMMAND, command, 0);
    }
    EXPECT_EQ(dialogRuns, (std::vector<int>{IDD_ABOUT, IDD_WALL_OF_FAME}));
    EXPECT_TRUE(viewCommands.empty());
    // With a notification code they are not the frame's own.
    const std::vector<ViewCommand> sent = {
        {MAKEWPARAM(12345, 7), 0x1234},
        {MAKEWPARAM(IDM_WALL_OF_FAME, 1), 0},
        {MAKEWPARAM(IDM_EXIT, 1), 0},
        {MAKEWPARAM(IDM_ABOUT, 1), 0},
    };
    for (const ViewCommand& c : sent) {
        SendMessageA(frame, WM_COMMAND, c.first, c.second);
    }
    EXPECT_EQ(viewCommands, sent);
    EXPECT_TRUE(IsWindow(frame));
    SendMessageA(frame, WM_KEYDOWN, 'P', 0);
    EXPECT_EQ(theGame->paused, 1);
}

enum class Ending { ExitCommand, CloseBox, FatalErrorInAMove };

class EndingTest : public FrameTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndingTest, EndsTheLoopWithCodeZeroAndTheGameDestroyed) {
    switch (GetParam()) {
        case Ending::ExitCommand:
            SendMessageA(frame, WM_COMMAND, IDM_EXIT, 0);
            EXPECT_FALSE(IsWindow(frame));
            break;
        case Ending::CloseBox:
            PostMessageA(frame, WM_CLOSE, 0, 0);
            break;
        case Ending::FatalErrorInAMove:
            theGame->level->balls[0].DRCT = 9;
            SendMessageA(view, WM_TIMER, kGameTimerId, 0);
            EXPECT_NE(theGame, nullptr);
            EXPECT_EQ(boxTexts, std::vector<std::string>{"tryMove - invalid direction"});
            break;
    }
    EXPECT_EQ(runMessageLoop(frame, accelerators), 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(theGame, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, EndingTest,
                         ::testing::Values(Ending::ExitCommand, Ending::CloseBox,
                                           Ending::FatalErrorInAMove));

TEST_F(FrameTest, FrameMakesTheGameViewAndRegistersItsClasses) {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    for (const char* name : {"ZEMBAL_WINDOW", "FRAME_CLASS", "ToolTipClass", kFrameClassName}) {
        EXPECT_TRUE(GetClassInfoExA(programInstance, name, &info)) << name;
    }
    char title[32] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Zembal");
    EXPECT_EQ(GetParent(view), frame);
    EXPECT_EQ(GetWindowLongA(view, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER),
              WS_CHILD | WS_VISIBLE | WS_BORDER);
}

TEST(WebPagesTest, HelpMenuPagesOpenThroughTheUrlHandler) {
    const std::string prefix = "rundll32 url.dll,FileProtocolHandler ";
    for (int command : {IDM_WEB_MAKER, IDM_WEB_PRODUCT, IDM_WEB_EDITION_1, IDM_WEB_EDITION_2}) {
        const char* line = webPageCommandLine(command);
        ASSERT_NE(line, nullptr) << command;
        EXPECT_EQ(std::string(line).rfind(prefix + "https://zembal.", 0), 0u) << line;
    }
    EXPECT_EQ(webPageCommandLine(IDM_HELP), nullptr);
    EXPECT_NE(std::string(webPageCommandLine(IDM_WEB_MAKER)),
              std::string(webPageCommandLine(IDM_WEB_PRODUCT)));
}

TEST(ProgramTest, WithoutAFrameTheProgramEndsInsteadOfWaiting) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    UnregisterClassA(kFrameClassName, instance);
    // A previous instance skips the registration, so the frame cannot be made.
    EXPECT_EQ(runProgram(instance, instance, SW_HIDE), 1);
    EXPECT_EQ(theGame, nullptr);
}

}  // namespace
