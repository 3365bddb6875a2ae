#include "tests/win/support/game_fixture.h"

#include "model/wall_of_fame.h"
#include "presentation/dialog_runner.h"
#include "shell/dialogs/run_dialog.h"
#include "shell/frame.h"
#include "tests/win/support/open_game.h"

std::string GameTest::settingsFile;
std::vector<int> GameTest::played;

void GameTest::SetUp() {
    programInstance = GetModuleHandleA(nullptr);
    registerFrameClass(programInstance);
    accelerators = LoadAcceleratorsA(programInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    setDialogRunner(dialogs::runDialog, dialogs::innermostDialog);
    setSoundPlayer([](const void* image) {
        for (int id : {IDW_LEVEL_START, IDW_LEVEL_DONE, IDW_CLICK, IDW_LIFE_LOST}) {
            HRSRC found = FindResourceA(programInstance, MAKEINTRESOURCEA(id), "WAVE");
            if (LockResource(LoadResource(programInstance, found)) == image) {
                played.push_back(id);
            }
        }
    });
    settingsFile = ::testing::TempDir() + "ts_zembal.ini";
    setSettingsFilesProvider([](FileSystem&) { return SettingsFiles{settingsFile, settingsFile}; });
    TearDown();
    // Well past the program start, as a real run is when the game view opens.
    clock.now = 50000;
    startGame();
}

// Also run before each test, to start from a clean state.
void GameTest::TearDown() {
    endGame();
    EXPECT_EQ(theGame, nullptr);
    setRunning(0);
    DeleteFileA(settingsFile.c_str());
    clearWallOfFame(wallOfFameTable);
    userName[0] = '\0';
    for (int i = 0; i < kSlotCount; ++i) {
        DeleteFileA(slotFile(i).c_str());
    }
}

void GameTest::startGame() {
    frame = createFrame(programInstance);
    ASSERT_NE(theGame, nullptr);
    ShowWindow(frame, SW_SHOW);
    view = gameViewWindow;
    KillTimer(view, kGameTimerId);
    KillTimer(view, kClockTimerId);
    game().setClock(clock);
    pumpMessages();
    played.clear();
}

void GameTest::endGame() {
    if (frame != nullptr && IsWindow(frame)) {
        DestroyWindow(frame);
    }
    frame = nullptr;
    pumpMessages();  // also drops the quit message the frame posted
}

HWND GameTest::toolButton(const std::string& text) const {
    HWND panel = nullptr, button = nullptr;  // the toolbar and the status bar
    while (button == nullptr && (panel = FindWindowExA(frame, panel, "FRAME_CLASS", nullptr))) {
        button = FindWindowExA(panel, nullptr, "Button", text.c_str());
    }
    return button;
}

std::string GameTest::setting(const char* section, const char* key) const {
    char value[512];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, settingsFile.c_str());
    return value;
}

std::string GameTest::slotFile(int index) const {
    char folder[kPathBufferSize];
    buildSavedGamesFolder(programFilePath().c_str(), folder, sizeof folder);
    return std::string(folder) + "\\" + std::to_string(index + 1) + ".zmb";
}

std::string GameTest::joined(std::initializer_list<int> numbers) {
    std::string text;
    for (int n : numbers) {
        text += (text.empty() ? "" : " ") + std::to_string(n);
    }
    return text;
}

std::string GameTest::statusPane() {
    // The message pane is the status bar's second label, after the clock.
    HWND panel = nullptr, pane = nullptr;
    while (pane == nullptr && (panel = FindWindowExA(frame, panel, "FRAME_CLASS", nullptr))) {
        pane = FindWindowExA(panel, FindWindowExA(panel, nullptr, "Static", nullptr), "Static",
                             nullptr);
    }
    char text[kStatusTextSize] = {};
    GetWindowTextA(pane, text, sizeof text);
    return text;
}

void GameTest::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) {
            processMessage(frame, accelerators, message);
        }
    }
}

void GameTest::resizeField(Game& game, int rows, int cols) {
    (game.*OpenGame::kSetFieldSize)(rows, cols);
}

void GameTest::endGameFor(int reason) {
    (game().*OpenGame::kEndGame)(reason);
}
