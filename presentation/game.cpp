// The Game's life and the hooks through which the model reaches the player.
#include "presentation/game.h"

#include <cstdio>
#include <cstring>

#include "model/wall_of_fame.h"
#include "persistence/text.h"
#include "presentation/dialog_runner.h"
#include "presentation/texts.h"

Game* theGame = nullptr;
HINSTANCE programInstance = nullptr;
int textLineHeight = 0;
int infoAreaHeight = 0;

namespace {
constexpr int kDefaultRows = 20;
constexpr int kDefaultCols = 30;
constexpr int kDefaultFieldOrigin = 10;
constexpr int kBallRadius = 7;
}  // namespace

Game::Game() {
    // The model reads the real time from the first level on.
    setClock(realClock);
    buildSavedGamesFolder(programFilePath().c_str(), savedGamesFolder, sizeof savedGamesFolder);
    copyText(perUserGamesFolder, sizeof perUserGamesFolder, perUserSavedGamesFolder().c_str());
    level = &ownLevel;
    rows = kDefaultRows;
    cols = kDefaultCols;
    fieldLeft = kDefaultFieldOrigin;
    fieldTop = kDefaultFieldOrigin;
    ballRadius = kBallRadius;
    setFrameCount(kAnimationFrames);
    wallOfFame = &wallOfFameTable;
    loadSettings();
    setFieldSize(-1, -1);
    initGeometry();
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
    saveSettings();
}

bool Game::askYesNo(HWND owner, const char* text) {
    int saved = paused;
    setPaused(1);
    int answer = MessageBoxA(owner, text, texts::kCaption, MB_YESNO | MB_ICONQUESTION);
    setPaused(saved);
    return answer == IDYES;
}

HWND Game::boxOwner() const {
    // A box shown while a dialog is up belongs to that dialog: the box
    // then gives the focus back to it, and the frame stays disabled under
    // it until the dialog ends.
    HWND active = GetActiveWindow();
    char className[8] = "";
    if (active != nullptr && GetClassNameA(active, className, sizeof className) > 0 &&
        lstrcmpA(className, "#32770") == 0) {
        return active;
    }
    return gameWindow;
}

void Game::showInfo(const char* text) {
    int saved = paused;
    setPaused(1);
    MessageBoxA(boxOwner(), text, texts::kCaption, MB_OK | MB_ICONINFORMATION);
    setPaused(saved);
}

void Game::onPauseChanged(int pausedNow) {
    showPauseButton(pausedNow != 0);
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

void Game::onLevelStarted() {
    playSound(levelStartSound);
    SetCursor(cursors[horizontalBars != 0 ? 1 : 0]);
    // A level starts running without telling onPauseChanged; a new game
    // begun from a dialog, which paused the old one, must not keep Play up.
    showPauseButton(paused != 0);
}

void Game::onGameOver(int reason, int rank) {
    if (rank >= 0 && rank < kWallOfFameSize) {
        // The new entry reaches the settings file at once; the game-over
        // dialog has told the player already.
        saveSettings();
        return;
    }
    char text[96];
    if (reason >= 0 && reason <= 2) {
        std::snprintf(text, sizeof text, "%s%s", texts::kGameOverFirstLine,
                      texts::kEndReasons[reason]);
    } else {
        std::snprintf(text, sizeof text, "%s", texts::kGameOverFirstLine);
    }
    MessageBoxA(gameWindow, text, texts::kCaption, MB_OK | MB_ICONINFORMATION);
}

void Game::onLevelCompleted() {
    invalidateView(Repaint::kLater);
    playSound(levelDoneSound);
    openDialog(IDD_NEXT_LEVEL);
}

void Game::onLifeLost() {
    playSound(lifeLostSound);
}

void Game::onGameEnding() {}

int Game::askPlayerName(char* nameOut, int) {
    int result = openDialog(IDD_GAME_OVER);
    copyName(nameOut, kNameBufferSize, userName);
    return result == 1 ? 1 : 0;
}

void Game::showMessage(const char* text) {
    showInfo(text);
}

void Game::fatalError(const char* text) {
    int saved = paused;
    setPaused(1);
    MessageBoxA(boxOwner(), text, texts::kCaption, MB_OK | MB_ICONSTOP);
    setPaused(saved);
    // The model operation that failed is still running and will return
    // through this object; the frame goes only once that has happened.
    if (gameWindow != nullptr) {
        PostMessageA(gameWindow, kFatalCloseMessage, 0, 0);
    }
}

void Game::showStatus(const char* text) {
    std::snprintf(statusText, sizeof statusText, "%s", text != nullptr ? text : "");
    statusBar.setMessage(statusText);
    if (statusText[0] == '\0') {
        statusPending = false;
    } else {
        statusShownAt = clock().nowMs();
        statusPending = true;
    }
}

void Game::playSound(const WaveSound& sound) const {
    if (soundOn) {
        sound.play();
    }
}

void Game::loadSounds() {
    clickSound.load(instance, IDW_CLICK);
    levelStartSound.load(instance, IDW_LEVEL_START);
    levelDoneSound.load(instance, IDW_LEVEL_DONE);
    lifeLostSound.load(instance, IDW_LIFE_LOST);
}
