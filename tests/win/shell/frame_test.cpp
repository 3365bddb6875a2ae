// The frame routes each command to its action exactly once, whether it
// comes from the menu or from a key, and ends the program cleanly.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "presentation/dialog_runner.h"
#include "presentation/game.h"
#include "resources/resource.h"
#include "shell/frame.h"

namespace {

std::vector<int> dialogRuns;

int recordDialog(int id) {
    dialogRuns.push_back(id);
    return 0;
}

struct ViewCommand {
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<ViewCommand> viewCommands;
WNDPROC viewProcedure = nullptr;

// Sits in front of the game view's procedure and records its commands.
LRESULT CALLBACK recordViewCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        viewCommands.push_back({wParam, lParam});
    }
    return CallWindowProcA(viewProcedure, window, message, wParam, lParam);
}

// The six accelerators of the program.
HACCEL makeAccelerators() {
    ACCEL entries[] = {
        {FVIRTKEY | FNOINVERT, VK_F1, IDM_HELP},
        {FVIRTKEY | FNOINVERT, VK_F2, IDM_PAUSE},
        {FVIRTKEY | FNOINVERT, VK_F3, IDM_DISPLAY_OPTIONS},
        {FVIRTKEY | FNOINVERT, VK_F4, IDM_GAME_OPTIONS},
        {FNOINVERT, 15, IDM_OPEN},
        {FNOINVERT, 19, IDM_SAVE},
    };
    return CreateAcceleratorTableA(entries, 6);
}

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        instance = GetModuleHandleA(nullptr);
        programInstance = instance;
        registerFrameClass(instance);
        dialogRuns.clear();
        viewCommands.clear();
        setDialogRunner(recordDialog);
        frame = createFrame(instance);
        ASSERT_NE(frame, nullptr);
        ASSERT_NE(gameViewWindow, nullptr);
        ASSERT_NE(theGame, nullptr);
        KillTimer(gameViewWindow, kGameTimerId);
        KillTimer(gameViewWindow, kClockTimerId);
        viewProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            gameViewWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordViewCommands)));
        accelerators = makeAccelerators();
    }
    void TearDown() override {
        if (IsWindow(frame)) {
            DestroyWindow(frame);
        }
        DestroyAcceleratorTable(accelerators);
        setDialogRunner(nullptr);
        // Leave no quit message behind for the next test.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        EXPECT_EQ(theGame, nullptr);
        GameModel::gameRunning = 0;
    }
    // Handles what is queued through the program's loop step; true when
    // the quit message came, with its code.
    bool pump(int* exitCode = nullptr) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                if (exitCode != nullptr) {
                    *exitCode = static_cast<int>(message.wParam);
                }
                return true;
            }
            processMessage(frame, accelerators, message);
        }
        return false;
    }
    void pressKey(WPARAM key) {
        PostMessageA(gameViewWindow, WM_KEYDOWN, key, 1);
        PostMessageA(gameViewWindow, WM_KEYUP, key, 0xC0000001);
        pump();
    }

    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    HACCEL accelerators = nullptr;
};

struct DialogCommand {
    int command;
    WPARAM key;
    int dialog;
};

class DialogCommandTest : public FrameTest, public ::testing::WithParamInterface<DialogCommand> {};

TEST_P(DialogCommandTest, MenuAndKeyEachOpenTheDialogOnce) {
    SendMessageA(frame, WM_COMMAND, GetParam().command, 0);
    EXPECT_EQ(dialogRuns, std::vector<int>{GetParam().dialog});
    EXPECT_TRUE(viewCommands.empty());

    dialogRuns.clear();
    pressKey(GetParam().key);
    EXPECT_EQ(dialogRuns, std::vector<int>{GetParam().dialog});
    // The key's command went through the game view, which sent the bare
    // command back to the frame.
    ASSERT_EQ(viewCommands.size(), 1u);
    EXPECT_EQ(viewCommands[0].wParam, MAKEWPARAM(GetParam().command, 1));
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogCommandTest,
                         ::testing::Values(DialogCommand{IDM_DISPLAY_OPTIONS, VK_F3,
                                                         IDD_DISPLAY_OPTIONS},
                                           DialogCommand{IDM_GAME_OPTIONS, VK_F4, IDD_GAME_OPTIONS},
                                           DialogCommand{IDM_HELP, VK_F1, IDD_HELP}));

TEST_F(FrameTest, PauseFromTheMenuAndFromF2TogglesOnce) {
    SendMessageA(frame, WM_COMMAND, IDM_PAUSE, 0);
    EXPECT_EQ(theGame->paused, 1);
    pressKey(VK_F2);
    EXPECT_EQ(theGame->paused, 0);
    pressKey(VK_F2);
    EXPECT_EQ(theGame->paused, 1);
    SendMessageA(frame, WM_COMMAND, IDM_PAUSE, 0);
    EXPECT_EQ(theGame->paused, 0);
}

TEST_F(FrameTest, PKeySentToTheFrameReachesTheGameView) {
    SendMessageA(frame, WM_KEYDOWN, 'P', 0);
    EXPECT_EQ(theGame->paused, 1);
}

TEST_F(FrameTest, FrameDialogCommandsOpenTheirDialogs) {
    for (int command : {IDM_ABOUT, IDM_WALL_OF_FAME}) {
        SendMessageA(frame, WM_COMMAND, command, 0);
    }
    EXPECT_EQ(dialogRuns, (std::vector<int>{IDD_ABOUT, IDD_WALL_OF_FAME}));
    EXPECT_TRUE(viewCommands.empty());
}

TEST_F(FrameTest, OtherCommandsReachTheGameViewUnchanged) {
    const ViewCommand sent[] = {
        {MAKEWPARAM(12345, 7), 0x1234},
        {MAKEWPARAM(IDM_WALL_OF_FAME, 1), 0},
        {MAKEWPARAM(IDM_EXIT, 1), 0},
        {MAKEWPARAM(IDM_ABOUT, 1), 0},
    };
    for (const ViewCommand& c : sent) {
        SendMessageA(frame, WM_COMMAND, c.wParam, c.lParam);
    }
    ASSERT_EQ(viewCommands.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(viewCommands[i].wParam, sent[i].wParam) << i;
        EXPECT_EQ(viewCommands[i].lParam, sent[i].lParam) << i;
    }
    EXPECT_TRUE(IsWindow(frame));
}

TEST_F(FrameTest, ExitEndsTheLoopWithCodeZero) {
    SendMessageA(frame, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(theGame, nullptr);
    EXPECT_EQ(runMessageLoop(frame, accelerators), 0);
}

TEST_F(FrameTest, CloseBoxEndsTheLoopWithCodeZero) {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(runMessageLoop(frame, accelerators), 0);
    EXPECT_FALSE(IsWindow(frame));
}

// Answers the fatal error's box as soon as it shows.
LRESULT CALLBACK answerBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        char className[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
        if (std::strcmp(className, "#32770") == 0) {
            PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(FrameTest, FatalErrorInAMoveEndsTheProgramWithCodeZero) {
    HHOOK hook = SetWindowsHookExA(WH_CBT, answerBox, nullptr, GetCurrentThreadId());
    theGame->level->balls[0].DRCT = 9;
    SendMessageA(gameViewWindow, WM_TIMER, kGameTimerId, 0);
    EXPECT_NE(theGame, nullptr);
    EXPECT_EQ(runMessageLoop(frame, accelerators), 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(theGame, nullptr);
    UnhookWindowsHookEx(hook);
}

TEST_F(FrameTest, CreatingTheGameViewRegistersItsClasses) {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    for (const char* name : {"ZEMBAL_WINDOW", "FRAME_CLASS", "ToolTipClass"}) {
        EXPECT_TRUE(GetClassInfoExA(instance, name, &info)) << name;
    }
    GetClassInfoExA(instance, "ZEMBAL_WINDOW", &info);
    EXPECT_EQ(info.style, 0u);
    EXPECT_EQ(GetParent(gameViewWindow), frame);
    EXPECT_EQ(GetWindowLongA(gameViewWindow, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER),
              WS_CHILD | WS_VISIBLE | WS_BORDER);
    EXPECT_EQ(GetWindowLongA(gameViewWindow, GWL_EXSTYLE) & WS_EX_CONTROLPARENT,
              WS_EX_CONTROLPARENT);
}

TEST_F(FrameTest, FrameClassAndWindowStyle) {
    WNDCLASSA info = {};
    ASSERT_TRUE(GetClassInfoA(instance, kFrameClassName, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    char title[32] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Zembal");
    LONG style = GetWindowLongA(frame, GWL_STYLE);
    EXPECT_EQ(style & (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN),
              WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
    ASSERT_NE(GetMenu(frame), nullptr);
    // The View menu's check marks follow the bars.
    HMENU view = GetSubMenu(GetMenu(frame), 1);
    EXPECT_EQ(GetMenuState(view, IDM_TOOLBAR, MF_BYCOMMAND) == MF_CHECKED, theGame->toolbarShown());
    EXPECT_EQ(GetMenuState(view, IDM_STATUS_BAR, MF_BYCOMMAND) == MF_CHECKED,
              theGame->statusBarShown());
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

}  // namespace

namespace {

TEST(ProgramTest, WithoutAFrameTheProgramEndsInsteadOfWaiting) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    UnregisterClassA(kFrameClassName, instance);
    // A previous instance skips the registration, so the frame cannot be made.
    EXPECT_EQ(runProgram(instance, instance, SW_HIDE), 1);
    EXPECT_EQ(theGame, nullptr);
}

}  // namespace
