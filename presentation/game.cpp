// The Game's life, and the front end through which the game's decisions
// reach the player on Windows.
#include "presentation/game.h"

#include "core/texts.h"
#include "presentation/dialog_runner.h"

Game* theGame = nullptr;
HINSTANCE programInstance = nullptr;
int textLineHeight = 0;
int infoAreaHeight = 0;

Game::Game() : GameCore(static_cast<FrontEnd&>(*this)) {
    // The model reads the real time from the first level on.
    setClock(realClock);
    settingsFiles = installedSettingsFiles(files);
    char besideProgram[kPathBufferSize] = {};
    buildSavedGamesFolder(programFilePath().c_str(), besideProgram, sizeof besideProgram);
    setUp(besideProgram, perUserSavedGamesFolder().c_str());
}

Game::~Game() {
    levelStartSound.free();
    levelDoneSound.free();
    clickSound.free();
    lifeLostSound.free();
    for (Sprite& sprite : frames) {
        sprite.release();
    }
    deleteThemeBrushes();
    setBarsShown(toolbar.visible, statusBar.visible);
    saveSettings();
}

void Game::playSound(Sound sound) {
    if (!soundWanted()) {
        return;
    }
    switch (sound) {
        case Sound::kClick:
            clickSound.play();
            break;
        case Sound::kLevelStart:
            levelStartSound.play();
            break;
        case Sound::kLevelDone:
            levelDoneSound.play();
            break;
        case Sound::kLifeLost:
            lifeLostSound.play();
            break;
    }
}

bool Game::showBox(BoxKind kind, const char* text) {
    switch (kind) {
        case BoxKind::kQuestion:
            return MessageBoxA(boxOwner(), text, texts::kCaption, MB_YESNO | MB_ICONQUESTION) ==
                   IDYES;
        case BoxKind::kFatal:
            MessageBoxA(boxOwner(), text, texts::kCaption, MB_OK | MB_ICONSTOP);
            return false;
        case BoxKind::kInformation:
        default:
            MessageBoxA(boxOwner(), text, texts::kCaption, MB_OK | MB_ICONINFORMATION);
            return false;
    }
}

bool Game::runDialog(DialogKind dialog) {
    return runShellDialog(dialogResourceId(dialog)) == 1;
}

void Game::showStatusText(const char* text) {
    statusBar.setMessage(text);
}

void Game::pauseChanged(bool pausedNow) {
    showPauseButton(pausedNow);
}

void Game::showPauseButton(bool pausedNow) {
    // The shown button goes first, so the two are never up together.
    if (pausedNow) {
        toolButtons[kPauseButton].setVisible(false);
        toolButtons[kPlayButton].setVisible(true);
    } else {
        toolButtons[kPlayButton].setVisible(false);
        toolButtons[kPauseButton].setVisible(true);
    }
}

void Game::orientationChanged(bool) {
    showCursor();
}

void Game::showCursor() {
    SetCursor(cursors[horizontalBars != 0 ? 1 : 0]);
}

void Game::repaint(bool now) {
    invalidateView(now ? Repaint::kNow : Repaint::kLater);
}

void Game::themeChanged(int index) {
    applyTheme(index);
}

void Game::speedChanged(int) {
    startGameTimer();
}

void Game::fieldSizeChanged() {
    if (gameWindow != nullptr) {
        layout(FrameFit::kAlways);
    }
}

void Game::endProgram() {
    // The model operation that failed is still running and will return
    // through this object; the frame goes only once that has happened.
    if (gameWindow != nullptr) {
        PostMessageA(gameWindow, kFatalCloseMessage, 0, 0);
    }
}

void Game::loadSounds() {
    clickSound.load(instance, IDW_CLICK);
    levelStartSound.load(instance, IDW_LEVEL_START);
    levelDoneSound.load(instance, IDW_LEVEL_DONE);
    lifeLostSound.load(instance, IDW_LIFE_LOST);
}

HWND Game::boxOwner() const {
    // A box shown while a dialog is up belongs to that dialog: the box then
    // gives the focus back to it, and the frame stays disabled under it
    // until the dialog ends.
    HWND dialog = dialogOnScreen();
    return dialog != nullptr ? dialog : gameWindow;
}
