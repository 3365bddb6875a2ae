// The options the dialogs read and change, and the steps applying them
// takes.
#include "presentation/game.h"

DisplayOptions Game::displayOptions() const {
    DisplayOptions options;
    options.grid = level->GRID == 1;
    options.sound = soundOn;
    options.theme = themeIndex;
    options.speed = level->SPEED;
    return options;
}

void Game::applyDisplayOptions(const DisplayOptions& options) {
    level->GRID = options.grid ? 1 : 0;
    soundOn = options.sound;
    themeIndex = options.theme;
    applyTheme(themeIndex);
    level->SPEED = options.speed;
    // Balls and bars take the speed's step at once.
    startGameTimer(TimerStart::kRestart);
    saveSettings();
}

GameOptions Game::gameOptions() const {
    GameOptions options;
    options.percentToComplete = percentToComplete;
    options.rows = rows;
    options.cols = cols;
    return options;
}

void Game::applyGameOptions(const GameOptions& options) {
    percentToComplete = options.percentToComplete;
    setFieldSize(options.rows, options.cols);
    // setFieldSize leaves the goal alone when only the percentage changed.
    computeCellsToComplete();
    newGame();
    saveSettings();
}
