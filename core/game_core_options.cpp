// The options the dialogs read and change, and the steps applying them
// takes.
#include "core/game_core.h"
#include "core/texts.h"

DisplayOptions GameCore::displayOptions() const {
    DisplayOptions options;
    options.grid = level->GRID == 1;
    options.sound = soundOn;
    options.theme = themeIndex;
    options.speed = level->SPEED;
    return options;
}

void GameCore::applyDisplayOptions(const DisplayOptions& options) {
    level->GRID = options.grid ? 1 : 0;
    soundOn = options.sound;
    themeIndex = options.theme;
    front.themeChanged(themeIndex);
    level->SPEED = options.speed;
    // Balls and bars take the speed's step at once.
    applySpeed();
    saveSettings();
}

void GameCore::applySpeed() {
    const GameTimerSetting setting = gameTimerSettingFor(level->SPEED);
    barStep = setting.step;
    ballStep = setting.step;
    front.speedChanged(level->SPEED);
}

GameOptions GameCore::gameOptions() const {
    GameOptions options;
    options.percentToComplete = percentToComplete;
    options.rows = rows;
    options.cols = cols;
    return options;
}

bool GameCore::changeGameOptions(const GameOptions& chosen) {
    if (chosen == gameOptions()) {
        return true;
    }
    if (!askYesNo(texts::kStopGameQuestion)) {
        return false;  // the dialog stays open with the player's choices
    }
    applyGameOptions(chosen);
    return true;
}

void GameCore::applyGameOptions(const GameOptions& options) {
    percentToComplete = options.percentToComplete;
    setFieldSize(options.rows, options.cols);
    // setFieldSize leaves the goal alone when only the percentage changed.
    computeCellsToComplete();
    newGame();
    saveSettings();
}

void GameCore::setFieldSize(int newRows, int newCols) {
    if (newRows == rows && newCols == cols) {
        return;
    }
    if (newRows > 0) {
        rows = newRows;
    }
    if (newCols > 0) {
        cols = newCols;
    }
    fieldRight = fieldLeft + cols * kCellPixels;
    fieldBottom = fieldTop + rows * kCellPixels;
    cursor.centre(rows, cols);
    front.fieldSizeChanged();
    computeCellsToComplete();
}

void GameCore::askForZoom(int wanted) {
    zoomWanted = wanted >= kMinZoom && wanted <= kMaxZoom ? wanted : kMinZoom;
    zoomChosen = true;
}
