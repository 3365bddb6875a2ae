#include "tests/win/dialogs/dialog_fixture.h"

#include "presentation/dialog_runner.h"
#include "shell/dialogs/run_dialog.h"
#include "shell/frame.h"

DialogDriver* DialogDriver::current_ = nullptr;

DialogDriver::DialogDriver(Action act)
    : act_(std::move(act)), hook_(SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId())) {
    current_ = this;
}

DialogDriver::~DialogDriver() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
}

LRESULT CALLBACK DialogDriver::onCbt(int code, WPARAM wParam, LPARAM lParam) {
    DialogDriver* driver = current_;
    if (code == HCBT_ACTIVATE && driver != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[32] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770") {
            driver->captions.push_back(captionOf(window));
            if (isMessageBox(window)) {
                char text[256] = {};
                GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
                driver->boxTexts.push_back(text);
            }
            driver->act_(window, static_cast<int>(driver->captions.size()) - 1);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string captionOf(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool isMessageBox(HWND window) {
    // Every dialog of the program runs the one dialog procedure.
    return GetWindowLongPtrA(window, DWLP_DLGPROC) !=
           reinterpret_cast<LONG_PTR>(dialogs::dialogProc);
}

void press(HWND dialog, int controlId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), 0);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void FrameFixture::SetUp() {
    instance = GetModuleHandleA(nullptr);
    programInstance = instance;
    registerFrameClass(instance);
    setDialogRunner(dialogs::runDialog);
    frame = createFrame(instance);
    ASSERT_NE(frame, nullptr);
    ShowWindow(frame, SW_SHOW);
    view = gameViewWindow;
    ASSERT_NE(theGame, nullptr);
    KillTimer(view, kGameTimerId);
    KillTimer(view, kClockTimerId);
    game().setClock(clock);
    pumpMessages();
}

void FrameFixture::TearDown() {
    if (IsWindow(frame)) {
        DestroyWindow(frame);
    }
    setDialogRunner(nullptr);
    pumpMessages();  // also drops the quit message the frame posted
    EXPECT_EQ(theGame, nullptr);
    GameModel::gameRunning = 0;
}
