#include "tests/win/support/game_fixture.h"

#include "persistence/slots.h"
#include "persistence/win32_binding.h"
#include "presentation/dialog_runner.h"
#include "shell/dialogs/run_dialog.h"
#include "shell/frame.h"

std::string GameFixture::settingsFile;

SettingsFiles GameFixture::testSettingsFiles(FileSystem&) {
    return {settingsFile, settingsFile};
}

void GameFixture::SetUp() {
    programInstance = GetModuleHandleA(nullptr);
    registerFrameClass(programInstance);
    setDialogRunner(dialogs::runDialog);
    settingsFile = scratch.path("ts_zembal.ini");
    setSettingsFilesProvider(testSettingsFiles);
    char folder[kPathBufferSize];
    buildSavedGamesFolder(programFilePath().c_str(), folder, sizeof folder);
    gamesFolder_ = folder;
    removeSlotFiles();
}

void GameFixture::TearDown() {
    endGame();
    EXPECT_EQ(theGame, nullptr);
    gameRunning = 0;
    setSettingsFilesProvider(nullptr);
    setDialogRunner(nullptr);
    removeSlotFiles();
}

void GameFixture::startGame() {
    frame = createFrame(programInstance);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(theGame, nullptr);
    ShowWindow(frame, SW_SHOW);
    view = gameViewWindow;
    KillTimer(view, kGameTimerId);
    KillTimer(view, kClockTimerId);
    game().setClock(clock);
    pumpMessages();
}

void GameFixture::endGame() {
    if (frame != nullptr && IsWindow(frame)) {
        DestroyWindow(frame);
    }
    frame = nullptr;
    pumpMessages();  // also drops the quit message the frame posted
}

std::string GameFixture::setting(const char* section, const char* key) const {
    char value[512];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, settingsFile.c_str());
    return value;
}

std::string GameFixture::slotFile(int index) const {
    return gamesFolder_ + "\\" + std::to_string(index + 1) + ".zmb";
}

void GameFixture::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void GameFixture::removeSlotFiles() const {
    for (int i = 0; i < kSlotCount; ++i) {
        SetFileAttributesA(slotFile(i).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(slotFile(i).c_str());
        DeleteFileA((slotFile(i) + ".tmp").c_str());
    }
}
