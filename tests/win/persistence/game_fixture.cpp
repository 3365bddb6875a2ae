#include "tests/win/persistence/game_fixture.h"

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
    HINSTANCE instance = GetModuleHandleA(nullptr);
    programInstance = instance;
    registerFrameClass(instance);
    setDialogRunner(dialogs::runDialog);
    settingsFile = scratch.path("ts_zembal.ini");
    setSettingsFilesProvider(testSettingsFiles);
    char folder[kPathBufferSize];
    buildSavedGamesFolder(programFilePath().c_str(), folder, sizeof folder);
    gamesFolder = folder;
    removeSlotFiles();
}

void GameFixture::TearDown() {
    endGame();
    setSettingsFilesProvider(nullptr);
    setDialogRunner(nullptr);
    removeSlotFiles();
    DeleteFileA(settingsFile.c_str());
}

void GameFixture::startGame() {
    frame = createFrame(programInstance);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(theGame, nullptr);
    // The tests move the game on themselves.
    KillTimer(theGame->gameWindow, kGameTimerId);
    KillTimer(theGame->gameWindow, kClockTimerId);
}

void GameFixture::endGame() {
    if (frame != nullptr && IsWindow(frame)) {
        DestroyWindow(frame);
    }
    frame = nullptr;
    // The frame's destruction posts the quit message; leave none behind.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

std::string GameFixture::setting(const char* section, const char* key) const {
    char value[512];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, settingsFile.c_str());
    return value;
}

std::string GameFixture::slotFile(int index) const {
    return gamesFolder + "\\" + std::to_string(index + 1) + ".zmb";
}

void GameFixture::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void GameFixture::removeSlotFiles() const {
    for (int i = 0; i < kSlotCount; ++i) {
        SetFileAttributesA(slotFile(i).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(slotFile(i).c_str());
        DeleteFileA((slotFile(i) + ".tmp").c_str());
    }
}
