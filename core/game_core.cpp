// The game's life and the hooks through which the model reaches the player.
#include "core/game_core.h"

#include <cstdio>

#include "core/texts.h"
#include "model/process_state.h"
#include "model/field_sizes.h"
#include "model/wall_of_fame.h"

namespace {
constexpr int kDefaultFieldOrigin = 10;
constexpr int kBallRadius = 7;
}  // namespace

// Pauses the game for a box or a dialog, so time spent answering does not
// count against the level, and restores the pause as it was.
class GameCore::PauseBracket {
  public:
    explicit PauseBracket(GameModel& game) : game_(game), saved_(game.isPaused() ? 1 : 0) {
        game_.setPaused(1);
    }
    ~PauseBracket() { game_.setPaused(saved_); }
    PauseBracket(const PauseBracket&) = delete;
    PauseBracket& operator=(const PauseBracket&) = delete;

  private:
    GameModel& game_;
    int saved_;
};

GameTimerSetting gameTimerSettingFor(int speed) {
    switch (speed) {
        case 0:
            return {1, 10};
        case 2:
            return {4, 2};
        default:
            return {2, 2};  // normal, and any speed the settings should not hold
    }
}

GameCore::GameCore(FrontEnd& frontEnd) : front(frontEnd) {
    level = &ownLevel;
    rows = kFieldRows[kDefaultFieldSize];
    cols = kFieldCols[kDefaultFieldSize];
    fieldLeft = kDefaultFieldOrigin;
    fieldTop = kDefaultFieldOrigin;
    ballRadius = kBallRadius;
    setFrameCount(kAnimationFrames);
    wallOfFame = &wallOfFameTable;
}

void GameCore::setUp(const char* besideProgramFolder, const char* perUserFolder) {
    std::snprintf(savedGamesFolder, sizeof savedGamesFolder, "%s", besideProgramFolder);
    std::snprintf(perUserGamesFolder, sizeof perUserGamesFolder, "%s", perUserFolder);
    loadSettings();
    setFieldSize(-1, -1);
    initGeometry();
}

bool GameCore::askYesNo(const char* text) {
    PauseBracket pause(*this);
    return front.showBox(BoxKind::kQuestion, text);
}

void GameCore::showInfo(const char* text) {
    PauseBracket pause(*this);
    front.showBox(BoxKind::kInformation, text);
}

bool GameCore::openDialog(DialogKind dialog) {
    PauseBracket pause(*this);
    return front.runDialog(dialog);
}

void GameCore::onPauseChanged(int pausedNow) {
    front.pauseChanged(pausedNow != 0);
}

void GameCore::onLevelStarted() {
    front.playSound(Sound::kLevelStart);
    front.orientationChanged(horizontalBars != 0);
    // A level starts running without telling onPauseChanged; a new game
    // begun from a dialog, which paused the old one, must not keep Play up.
    front.pauseChanged(paused != 0);
}

void GameCore::onGameOver(int reason, int rank) {
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
    showInfo(text);
}

void GameCore::onLevelCompleted() {
    front.repaint(false);
    front.playSound(Sound::kLevelDone);
    openDialog(DialogKind::kNextLevel);
}

void GameCore::onLifeLost() {
    front.playSound(Sound::kLifeLost);
}

void GameCore::onGameEnding() {}

int GameCore::askPlayerName(char* nameOut, int) {
    const bool accepted = openDialog(DialogKind::kGameOver);
    copyName(nameOut, kNameBufferSize, userName);
    return accepted ? 1 : 0;
}

void GameCore::showMessage(const char* text) {
    showInfo(text);
}

void GameCore::fatalError(const char* text) {
    {
        PauseBracket pause(*this);
        front.showBox(BoxKind::kFatal, text);
    }
    front.endProgram();
}

void GameCore::showStatus(const char* text) {
    std::snprintf(statusText, sizeof statusText, "%s", text != nullptr ? text : "");
    front.showStatusText(statusText);
    if (statusText[0] == '\0') {
        statusPending = false;
    } else {
        statusShownAt = clock().nowMs();
        statusPending = true;
    }
}

void GameCore::clockSecond() {
    if (tipShown || !statusPending) {
        return;
    }
    const int seconds = clockDifference(clock().nowMs(), statusShownAt) / 1000;
    if (seconds >= kStatusClearSeconds) {
        showStatus("");
    }
}

bool GameCore::advance() {
    if (tipShown) {
        return false;  // the game holds still while a tool button's tip is shown
    }
    tick();
    return true;
}

void GameCore::launchBarsAt(int x, int y) {
    if (gameRunning != 1 || paused != 0) {
        return;
    }
    front.playSound(Sound::kClick);
    shoot(x, y);
}

void GameCore::switchOrientation() {
    front.playSound(Sound::kClick);
    horizontalBars = 1 - horizontalBars;
    front.orientationChanged(horizontalBars != 0);
}

void GameCore::playKey(PlayKey key) {
    switch (key) {
        case PlayKey::kLaunch:
            if (cursor.shown()) {
                launchBarsAt(cellX(cursor.col()) + cellWidth / 2,
                             cellY(cursor.row()) + cellHeight / 2);
                return;
            }
            cursor.show();
            break;
        case PlayKey::kSwitch:
            switchOrientation();
            return;
        default:
            cursor.move(key, rows, cols);
            break;
    }
    front.repaint(false);
}

void GameCore::pointerAt(int x, int y) {
    if (cursor.pointerAt(x, y)) {
        front.repaint(false);
    }
}

void GameCore::restart() {
    if (gameRunning != 1 || askYesNo(texts::kStopCurrentGame)) {
        newGame();
    }
}

void GameCore::askToSave() {
    if (gameRunning == 1) {
        openDialog(DialogKind::kSaveGame);
    } else {
        showMessage(texts::kCanNotSaveFinished);
    }
}

void GameCore::askToOpen() {
    if (!hasSavedGames(slots)) {
        showMessage(texts::kNoSavedGames);
    } else if (gameRunning != 1 || askYesNo(texts::kStopCurrentGame)) {
        openDialog(DialogKind::kOpenGame);
    }
}

void GameCore::formatInformation(InfoTexts& info) const {
    info = InfoTexts{};
    if (paused == 1) {
        std::snprintf(info.text[0][0], kInfoTextChars, "%s", texts::kPaused);
        return;
    }
    const int elapsed = elapsedSeconds();
    std::snprintf(info.text[0][0], kInfoTextChars, texts::kPercentFormat, percentDone());
    std::snprintf(info.text[0][1], kInfoTextChars, texts::kScoreFormat, shownScore());
    std::snprintf(info.text[1][0], kInfoTextChars, texts::kLivesFormat, level->LOVES);
    std::snprintf(info.text[1][1], kInfoTextChars, texts::kLevelFormat, level->NBLLS);
    std::snprintf(info.text[2][0], kInfoTextChars, texts::kTimeLeftFormat, timeLimit - elapsed);
    std::snprintf(info.text[2][1], kInfoTextChars, texts::kGameTimeFormat, elapsed);
}

const char* GameCore::playerName() const {
    return userName;
}

void GameCore::setPlayerName(const char* name) {
    copyName(userName, kNameBufferSize, name);
}

const WallOfFameTable& GameCore::wallOfFameEntries() const {
    return wallOfFameTable;
}

bool GameCore::askToClearWallOfFame() {
    if (!askYesNo(texts::kClearQuestion)) {
        return false;
    }
    clearWallOfFame(wallOfFameTable);
    return true;
}
