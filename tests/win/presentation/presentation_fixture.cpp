#include "tests/win/presentation/presentation_fixture.h"

#include "shell/frame.h"

std::vector<const void*> SeamFixture::played;
std::vector<int> SeamFixture::dialogRuns;
std::vector<std::string> SeamFixture::boxTexts;
std::vector<int> SeamFixture::pausedAtBox;
int SeamFixture::boxButton = IDOK;

namespace {

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
            SeamFixture::boxTexts.push_back(text);
            SeamFixture::pausedAtBox.push_back(theGame != nullptr ? theGame->paused : -1);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(SeamFixture::boxButton, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void SeamFixture::resetRecords(int button) {
    played.clear();
    dialogRuns.clear();
    boxTexts.clear();
    pausedAtBox.clear();
    boxButton = button;
}

void SeamFixture::SetUp() {
    resetRecords();
    previousPlayer_ = setSoundPlayer([](const void* image) { played.push_back(image); });
    setDialogRunner([](int id) {
        dialogRuns.push_back(id);
        return 0;
    });
    hook_ = SetWindowsHookExA(WH_CBT, answerBoxes, nullptr, GetCurrentThreadId());
}

void SeamFixture::TearDown() {
    UnhookWindowsHookEx(hook_);
    setDialogRunner(nullptr);
    setSoundPlayer(previousPlayer_);
}

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    context = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(context, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    previous_ = SelectObject(context, bitmap_);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(context, &all, brush);
    DeleteObject(brush);
}
Canvas::~Canvas() {
    SelectObject(context, previous_);
    DeleteObject(bitmap_);
    DeleteDC(context);
}
COLORREF Canvas::at(int x, int y) const {
    GdiFlush();
    uint32_t pixel = static_cast<const uint32_t*>(bits_)[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
int Canvas::countOtherThan(COLORREF colour, int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom && y < height_; ++y) {
        for (int x = left; x < right && x < width_; ++x) {
            count += at(x, y) != colour;
        }
    }
    return count;
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void ViewFixture::SetUp() {
    SeamFixture::SetUp();
    programInstance = GetModuleHandleA(nullptr);
    registerFrameClass(programInstance);
    frame = createFrame(programInstance);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(theGame, nullptr);
    view = gameViewWindow;
    KillTimer(view, kGameTimerId);
    KillTimer(view, kClockTimerId);
    game().setClock(clock);
    static const char images[4] = {'s', 'd', 'c', 'l'};
    game().levelStartSound.data = &images[0];
    game().levelDoneSound.data = &images[1];
    game().clickSound.data = &images[2];
    game().lifeLostSound.data = &images[3];
    resetRecords();
}

void ViewFixture::TearDown() {
    if (IsWindow(frame)) {
        DestroyWindow(frame);
    }
    pumpMessages();  // and drop the quit message
    EXPECT_EQ(theGame, nullptr);
    gameRunning = 0;
    SeamFixture::TearDown();
}

LPARAM ViewFixture::cellPoint(int row, int col) const {
    const Game& g = *theGame;
    return MAKELPARAM(g.cellX(col) + g.cellWidth / 2, g.cellY(row) + g.cellHeight / 2);
}
