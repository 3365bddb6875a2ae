#include "tests/win/presentation/presentation_fixture.h"

std::vector<const void*> SoundRecorder::played;
std::vector<int> DialogRecorder::runs;
int DialogRecorder::result = 0;
std::vector<std::string> BoxAnswerer::texts;
std::vector<int> BoxAnswerer::pausedAtBox;
int BoxAnswerer::button = IDOK;
std::vector<WPARAM> ViewFixture::frameCommands;
HWND ViewFixture::frameView = nullptr;

namespace {

void recordSound(const void* image) {
    SoundRecorder::played.push_back(image);
}

int recordDialog(int id) {
    DialogRecorder::runs.push_back(id);
    return DialogRecorder::result;
}

LRESULT CALLBACK answerBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[32] = {};
        GetClassNameA(box, className, sizeof className);
        // A box activated again (after another window took the focus) is
        // answered already; the property marks it.
        if (std::string(className) == "#32770" && GetPropA(box, "ZembalAnswered") == nullptr) {
            SetPropA(box, "ZembalAnswered", reinterpret_cast<HANDLE>(1));
            char text[256] = {};
            // The text of a message box is its static control 0xFFFF.
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            BoxAnswerer::texts.push_back(text);
            BoxAnswerer::pausedAtBox.push_back(theGame != nullptr ? theGame->paused : -1);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(BoxAnswerer::button, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

SoundRecorder::SoundRecorder() : previous_(setSoundPlayer(recordSound)) {
    played.clear();
}
SoundRecorder::~SoundRecorder() {
    setSoundPlayer(previous_);
}

DialogRecorder::DialogRecorder(int answer) {
    runs.clear();
    result = answer;
    setDialogRunner(recordDialog);
}
DialogRecorder::~DialogRecorder() {
    setDialogRunner(nullptr);
}

BoxAnswerer::BoxAnswerer(int answer)
    : hook_(SetWindowsHookExA(WH_CBT, answerBoxes, nullptr, GetCurrentThreadId())) {
    texts.clear();
    pausedAtBox.clear();
    button = answer;
}
BoxAnswerer::~BoxAnswerer() {
    UnhookWindowsHookEx(hook_);
}

void giveSoundsFakeImages(Game& game) {
    static const char images[4] = {'s', 'd', 'c', 'l'};
    game.levelStartSound.data = &images[0];
    game.levelDoneSound.data = &images[1];
    game.clickSound.data = &images[2];
    game.lifeLostSound.data = &images[3];
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

LRESULT CALLBACK ViewFixture::frameStandInProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (frameView != nullptr) {
                SendMessageA(frameView, WM_SIZE, wParam, lParam);
            }
            return 0;
        case WM_COMMAND:
            frameCommands.push_back(wParam);
            EXPECT_EQ(lParam, 0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void ViewFixture::SetUp() {
    programInstance = GetModuleHandleA(nullptr);
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = frameStandInProc;
    frameClass.hInstance = programInstance;
    frameClass.lpszClassName = "ZembalTestFrame";
    RegisterClassA(&frameClass);
    registerGameViewClass(programInstance);
    frameCommands.clear();
    frameView = nullptr;
    frame = CreateWindowExA(0, "ZembalTestFrame", "Test frame", WS_OVERLAPPEDWINDOW, 0, 0, 720, 540,
                            nullptr, nullptr, programInstance, nullptr);
    ASSERT_NE(frame, nullptr);
    RECT client;
    GetClientRect(frame, &client);
    view = CreateWindowExA(WS_EX_CONTROLPARENT, kGameViewClassName, "",
                           WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, client.right, client.bottom,
                           frame, nullptr, programInstance, nullptr);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(theGame, nullptr);
    frameView = view;
    game().setClock(clock);
    // Nothing but the test moves the game.
    KillTimer(view, kGameTimerId);
    KillTimer(view, kClockTimerId);
}

void ViewFixture::TearDown() {
    frameView = nullptr;
    if (IsWindow(frame)) {
        DestroyWindow(frame);
    }
    EXPECT_EQ(theGame, nullptr);
    GameModel::gameRunning = 0;
}

LPARAM ViewFixture::cellPoint(int row, int col) const {
    const Game& g = *theGame;
    return MAKELPARAM(g.cellX(col) + g.cellWidth / 2, g.cellY(row) + g.cellHeight / 2);
}
